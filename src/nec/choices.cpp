#include "nec/choices.h"

#include <cstddef>

namespace nec {

namespace {

struct InsulationProperties
{
    std::string_view Name;
    std::optional<TemperatureRating> Rating;
};

// Indexed by Insulation.
constexpr std::array<InsulationProperties, kInsulations> kInsulationProperties {{
    {"THHN/THWN-2", TemperatureRating::C90},
    {"XHHW-2", TemperatureRating::C90},
    {"THW", TemperatureRating::C75},
    {"TW", TemperatureRating::C60},
    {"RHW-2", TemperatureRating::C90},
    {"Bare", std::nullopt},
}};

struct RacewayTypeProperties
{
    std::string_view Name;
    RacewayMaterial Material;
};

// Indexed by RacewayType.
constexpr std::array<RacewayTypeProperties, kRacewayTypes> kRacewayTypeProperties {{
    {"EMT", RacewayMaterial::Steel},
    {"ENT", RacewayMaterial::Pvc},
    {"FMC", RacewayMaterial::Steel},
    {"IMC", RacewayMaterial::Steel},
    {"LFMC", RacewayMaterial::Steel},
    {"LFNC-A", RacewayMaterial::Pvc},
    {"LFNC-B", RacewayMaterial::Pvc},
    {"RMC", RacewayMaterial::Steel},
    {"PVC Schedule 80", RacewayMaterial::Pvc},
    {"PVC Schedule 40", RacewayMaterial::Pvc},
    {"PVC Type A", RacewayMaterial::Pvc},
    {"PVC Type EB", RacewayMaterial::Pvc},
}};

template<typename Enum>
constexpr auto at(Enum value)
{
    return static_cast<std::size_t>(value);
}

} // namespace

std::string_view MaterialName(Material material)
{
    return material == Material::Copper ? "copper" : "aluminum";
}

int Degrees(TemperatureRating rating)
{
    constexpr std::array<int, 3> degrees {60, 75, 90};
    return degrees[at(rating)];
}

std::string_view InsulationName(Insulation insulation)
{
    return kInsulationProperties[at(insulation)].Name;
}

std::optional<TemperatureRating> InsulationRating(Insulation insulation)
{
    return kInsulationProperties[at(insulation)].Rating;
}

std::string_view RacewayTypeName(RacewayType type)
{
    return kRacewayTypeProperties[at(type)].Name;
}

RacewayMaterial DefaultRacewayMaterial(RacewayType type)
{
    return kRacewayTypeProperties[at(type)].Material;
}

std::string_view RacewayMaterialName(RacewayMaterial material)
{
    constexpr std::array<std::string_view, 3> names {"steel", "aluminum", "PVC"};
    return names[at(material)];
}

bool IsMagnetic(RacewayMaterial material)
{
    return material == RacewayMaterial::Steel;
}

} // namespace nec
