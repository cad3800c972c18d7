#include "voltage_drop/voltage_drop_text.h"

#include <initializer_list>

using numtext::Mask;

namespace {

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

std::string BuildVoltageDropText(VoltageDropState& state, const VoltageDropSettings& settings,
    const VoltageDropInputs& inputs, double volts, const numtext::Separators& separators)
{
    const ConductorRow& row = ConductorTable(state.SizeIndex);
    state.WireSizeName = std::string(row.SizeName);
    state.WireAmps = row.amps(state.AmpsColumn);

    const int sets = settings.SetsPerPhase;
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

    state.ResultText = joinLines({
        "Percent Volts Drop   =  " + numtext::format(state.PercentDrop, Mask::Fixed2, separators)
            + " %",
        "Wire  Length            =  " + inputs.LengthText + " ft",
        "Wire Size   ( " + numtext::plainNumber(sets) + (sets < 10 ? " ea )   =  " : " ea ) =  ")
            + state.WireSizeName + " " + settings.WireMaterial,
        "Full Load Amps        =  " + numtext::format(state.LoadAmps, Mask::Fixed3, separators)
            + loadItem,
        "Wire Amps ( " + settings.TempRating + " )   =  " + numtext::plainNumber(state.WireAmps)
            + " amps" + totalItem,
        voltageLine(state, inputs, volts, separators),
        "Conduit Type            =  " + settings.ConduitType,
        "Effective Impedence  =  " + numtext::format(state.EffectiveZ, Mask::Fixed3, separators)
            + " omhs per 1000 ft.       PF  =  "
            + numtext::format(settings.PowerFactor, Mask::Fixed1, separators) + "%     "
            + state.PhaseText,
    });
    return state.ResultText;
}

std::string BuildDcVoltageDropText(VoltageDropState& state, const VoltageDropSettings& settings,
    const VoltageDropInputs& inputs, double volts, const numtext::Separators& separators)
{
    const int sets = settings.SetsPerPhase;
    std::string loadLine
        = "Full Load Amps        =  " + numtext::format(state.LoadAmps, Mask::Fixed3, separators);
    if (state.LoadKind == "Total VA")
        loadLine += "      Load  =  " + inputs.LoadText + " Total VA";
    if (inputs.Parallel && sets > 1) {
        loadLine += "    Wire Amps ( total )    =  "
            + numtext::plainNumber(static_cast<long long>(sets) * state.WireAmps) + " amps";
    }

    state.ResultText = joinLines({
        "Percent Volts Drop   =  " + numtext::format(state.PercentDrop, Mask::Fixed2, separators)
            + " %",
        loadLine,
        "Wire Size   ( " + numtext::plainNumber(sets) + " ea )   =  " + state.WireSizeName + " "
            + settings.WireMaterial,
        voltageLine(state, inputs, volts, separators),
        "Wire  Length            =  " + inputs.LengthText + " ft",
        "DC Resistance         =  " + numtext::format(state.WireR, Mask::Fixed3, separators)
            + " omhs per 1000 ft.",
    });
    return state.ResultText;
}
