#pragma once

// The conductor sizes of the current-code tables, 18 AWG to 2000 kcmil, each named as
// the tables name it ("14 AWG", "1/0 AWG", "250 kcmil"). The enumerators run in the
// tables' order, from the smallest conductor up, so sizes compare as conductors do.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace nec {

enum class ConductorSize : std::uint8_t
{
    Awg18,
    Awg16,
    Awg14,
    Awg12,
    Awg10,
    Awg8,
    Awg6,
    Awg4,
    Awg3,
    Awg2,
    Awg1,
    Awg1_0,
    Awg2_0,
    Awg3_0,
    Awg4_0,
    Kcmil250,
    Kcmil300,
    Kcmil350,
    Kcmil400,
    Kcmil500,
    Kcmil600,
    Kcmil700,
    Kcmil750,
    Kcmil800,
    Kcmil900,
    Kcmil1000,
    Kcmil1250,
    Kcmil1500,
    Kcmil1750,
    Kcmil2000,
};

inline constexpr int kConductorSizes = 30;

// Every size, the smallest first.
const std::array<ConductorSize, kConductorSizes>& AllConductorSizes();

// "14 AWG", "250 kcmil".
std::string_view SizeName(ConductorSize size);

// The size of exactly this name; none for any other text.
std::optional<ConductorSize> FindSize(std::string_view name);

inline constexpr int SizeIndex(ConductorSize size)
{
    return static_cast<int>(size);
}

} // namespace nec
