#pragma once

// The choices a designer makes in the current-code tools, each with the name the tools
// show and the properties the rules read from it.

#include <array>
#include <optional>
#include <string_view>

namespace nec {

enum class Material
{
    Copper,
    Aluminum,
};

// A temperature column of Table 310.16 and of the ambient correction table.
enum class TemperatureRating
{
    C60,
    C75,
    C90,
};

// THHN/THWN-2 to RHW-2 are the insulations of a circuit; "Bare" is offered for raceway
// fill only.
enum class Insulation
{
    Thhn,
    Xhhw2,
    Thw,
    Tw,
    Rhw2,
    Bare,
};

enum class RacewayType
{
    Emt,
    Ent,
    Fmc,
    Imc,
    Lfmc,
    LfncA,
    LfncB,
    Rmc,
    PvcSchedule80,
    PvcSchedule40,
    PvcTypeA,
    PvcTypeEb,
};

// For Table 9 and the fault-current constant C.
enum class RacewayMaterial
{
    Steel,
    Aluminum,
    Pvc,
};

inline constexpr int kInsulations = 6;
inline constexpr int kRacewayTypes = 12;

inline constexpr std::array<Insulation, kInsulations> kAllInsulations {Insulation::Thhn,
    Insulation::Xhhw2, Insulation::Thw, Insulation::Tw, Insulation::Rhw2, Insulation::Bare};

// In the order the tools list them.
inline constexpr std::array<RacewayType, kRacewayTypes> kAllRacewayTypes {RacewayType::Emt,
    RacewayType::Ent, RacewayType::Fmc, RacewayType::Imc, RacewayType::Lfmc, RacewayType::LfncA,
    RacewayType::LfncB, RacewayType::Rmc, RacewayType::PvcSchedule80, RacewayType::PvcSchedule40,
    RacewayType::PvcTypeA, RacewayType::PvcTypeEb};

// "copper", "aluminum", as the working writes them.
std::string_view MaterialName(Material material);

int Degrees(TemperatureRating rating); // 60, 75, 90

// "THHN/THWN-2", ..., "Bare".
std::string_view InsulationName(Insulation insulation);

// The insulation's temperature rating; none for a bare conductor.
std::optional<TemperatureRating> InsulationRating(Insulation insulation);

// "EMT", "PVC Schedule 40": the name of the type in Chapter 9 Table 4.
std::string_view RacewayTypeName(RacewayType type);

// Steel for the metal conduits and tubing, PVC for the nonmetallic ones; aluminum EMT
// or RMC is a choice the designer makes.
RacewayMaterial DefaultRacewayMaterial(RacewayType type);

std::string_view RacewayMaterialName(RacewayMaterial material); // "steel", "aluminum", "PVC"

// Steel conduit is magnetic; aluminum and PVC are not, which changes the reactance and
// the point-to-point constant.
bool IsMagnetic(RacewayMaterial material);

} // namespace nec
