#include "nec/conductor_size.h"

#include <algorithm>

namespace nec {

namespace {

constexpr std::array<std::string_view, kConductorSizes> kSizeNames {
    "18 AWG",
    "16 AWG",
    "14 AWG",
    "12 AWG",
    "10 AWG",
    "8 AWG",
    "6 AWG",
    "4 AWG",
    "3 AWG",
    "2 AWG",
    "1 AWG",
    "1/0 AWG",
    "2/0 AWG",
    "3/0 AWG",
    "4/0 AWG",
    "250 kcmil",
    "300 kcmil",
    "350 kcmil",
    "400 kcmil",
    "500 kcmil",
    "600 kcmil",
    "700 kcmil",
    "750 kcmil",
    "800 kcmil",
    "900 kcmil",
    "1000 kcmil",
    "1250 kcmil",
    "1500 kcmil",
    "1750 kcmil",
    "2000 kcmil",
};

constexpr std::array<ConductorSize, kConductorSizes> makeAllSizes()
{
    std::array<ConductorSize, kConductorSizes> sizes {};
    for (int i = 0; i < kConductorSizes; ++i)
        sizes[i] = static_cast<ConductorSize>(i);
    return sizes;
}

static_assert(SizeIndex(ConductorSize::Kcmil2000) == kConductorSizes - 1);

} // namespace

const std::array<ConductorSize, kConductorSizes>& AllConductorSizes()
{
    static constexpr std::array<ConductorSize, kConductorSizes> sizes = makeAllSizes();
    return sizes;
}

std::string_view SizeName(ConductorSize size)
{
    return kSizeNames[SizeIndex(size)];
}

std::optional<ConductorSize> FindSize(std::string_view name)
{
    const auto found = std::find(kSizeNames.begin(), kSizeNames.end(), name);
    if (found == kSizeNames.end())
        return std::nullopt;
    return static_cast<ConductorSize>(found - kSizeNames.begin());
}

} // namespace nec
