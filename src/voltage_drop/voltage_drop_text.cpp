#include "voltage_drop/voltage_drop_text.h"

#include <array>
#include <initializer_list>
#include <string_view>

using numtext::Mask;

namespace {

// The words of the reports, by enum value; "cooper" is spelt as the reports have always
// spelt it.
constexpr std::array<std::string_view, 2> kMaterialNames {"cooper", "aluminum"};
constexpr std::array<std::string_view, 2> kTemperatureNames {"75 C", "90 C"};
constexpr std::array<std::string_view, 3> kRacewayNames {"Steel", "Aluminum", "PVC"};

// A choice not yet made, as before the first activation, reads as nothing.
template<typename Choice, std::size_t Count>
std::string reportName(
    const std::optional<Choice>& choice, const std::array<std::string_view, Count>& names)
{
    return choice ? std::string(names[static_cast<std::size_t>(*choice)]) : std::string();
}

std::string joinLines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\r';
        text += line;
    }
    return text;
}

std::string voltageLine(const VoltageDropState& state, const VoltageDropInputs& inputs,
    double volts, const numtext::Separators& separators)
{
    return "Wire Voltage Drop    =  " + numtext::format(state.VoltDrop, Mask::Fixed2, separators)
        + "     Voltage Source  =  " + inputs.VoltsText + "     Voltage at Load  =  "
        + numtext::format(volts - state.VoltDrop, Mask::Fixed2, separators);
}

} // namespace

std::string BuildVoltageDropText(const VoltageDropState& state, const VoltageDropSettings& settings,
    int sets, const VoltageDropInputs& inputs, double volts, const numtext::Separators& separators)
{
    std::string loadItem;
    if (state.LoadKind == "VA Per Phase")
        loadItem = "      Load  =  " + inputs.LoadText + " VA Per Phase";
    else if (state.LoadKind == "Total VA")
        loadItem = "      Load  =  " + inputs.LoadText + " Total VA";
    std::string totalItem;
    if (sets > 1) {
        totalItem = "    Wire Amps ( total ) =  "
            + numtext::plainNumber(static_cast<long long>(state.WireAmps) * sets) + " amps";
    }

    return joinLines({
        "Percent Volts Drop   =  " + numtext::format(state.PercentDrop, Mask::Fixed2, separators)
            + " %",
        "Wire  Length            =  " + inputs.LengthText + " ft",
        "Wire Size   ( " + numtext::plainNumber(sets) + (sets < 10 ? " ea )   =  " : " ea ) =  ")
            + state.WireSizeName + " " + reportName(settings.WireMaterial, kMaterialNames),
        "Full Load Amps        =  " + numtext::format(state.LoadAmps, Mask::Fixed3, separators)
            + loadItem,
        "Wire Amps ( " + reportName(settings.TempRating, kTemperatureNames)
            + " )   =  " + numtext::plainNumber(state.WireAmps) + " amps" + totalItem,
        voltageLine(state, inputs, volts, separators),
        "Conduit Type            =  " + reportName(settings.ConduitType, kRacewayNames),
        "Effective Impedence  =  " + numtext::format(state.EffectiveZ, Mask::Fixed3, separators)
            + " omhs per 1000 ft.       PF  =  "
            + numtext::format(settings.PowerFactor.value_or(0), Mask::Fixed1, separators) + "%     "
            + state.PhaseText,
    });
}

std::string BuildDcVoltageDropText(const VoltageDropState& state,
    const VoltageDropSettings& settings, int sets, const VoltageDropInputs& inputs, double volts,
    const numtext::Separators& separators)
{
    std::string loadLine
        = "Full Load Amps        =  " + numtext::format(state.LoadAmps, Mask::Fixed3, separators);
    if (state.LoadKind == "Total VA")
        loadLine += "      Load  =  " + inputs.LoadText + " Total VA";
    if (inputs.Parallel && sets > 1) {
        loadLine += "    Wire Amps ( total )    =  "
            + numtext::plainNumber(static_cast<long long>(sets) * state.WireAmps) + " amps";
    }

    return joinLines({
        "Percent Volts Drop   =  " + numtext::format(state.PercentDrop, Mask::Fixed2, separators)
            + " %",
        loadLine,
        "Wire Size   ( " + numtext::plainNumber(sets) + " ea )   =  " + state.WireSizeName + " "
            + reportName(settings.WireMaterial, kMaterialNames),
        voltageLine(state, inputs, volts, separators),
        "Wire  Length            =  " + inputs.LengthText + " ft",
        "DC Resistance         =  " + numtext::format(state.WireR, Mask::Fixed3, separators)
            + " omhs per 1000 ft.",
    });
}
