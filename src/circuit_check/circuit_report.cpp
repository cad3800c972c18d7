#include "circuit_check/circuit_report.h"

#include "app/report_text.h"
#include "circuit_check/circuit_summary.h"

#include <array>
#include <cstddef>

namespace {

// A typed figure is written back with every decimal the user gave it, up to six.
constexpr int kInputDecimals = 6;

std::string_view loadUnitName(nec::LoadUnit unit)
{
    constexpr std::array<std::string_view, 3> names {"A", "kVA", "kW"};
    return names[static_cast<std::size_t>(unit)];
}

std::string lines(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : ReportLineBreaks(1)) + text;
    return joined;
}

std::string workingText(const std::vector<nec::WorkingStep>& steps)
{
    std::string text;
    for (const nec::WorkingStep& step : steps) {
        if (!text.empty())
            text += ReportLineBreaks(2);
        text += step.What + (step.Section.empty() ? "" : " (" + step.Section + ")");
        for (const std::string& part : {step.Formula, step.Numbers})
            text += ReportLineBreaks(1) + "    " + part;
        if (!step.Source.empty())
            text += ReportLineBreaks(1) + "    Source: " + step.Source;
    }
    return text;
}

} // namespace

std::vector<std::string> DescribeCircuitInputs(
    const nec::CircuitInput& input, const numtext::Separators& separators)
{
    const auto number = [&separators](double value) {
        return numtext::formatTrimmed(value, kInputDecimals, separators);
    };
    const bool directCurrent = nec::IsDirectCurrent(input.System);
    std::vector<std::string> described {
        "System: " + std::string(nec::SystemName(input.System)),
        "Voltage: " + number(input.Volts) + " V",
        "Load: " + number(input.Load) + " " + std::string(loadUnitName(input.Unit)) + ", "
            + number(input.ContinuousPercent) + " % continuous",
        std::string("Circuit: ")
            + (input.Kind == nec::CircuitKind::Feeder ? "feeder" : "branch circuit"),
        "Overcurrent device: "
            + (input.GivenOcpd ? number(*input.GivenOcpd) + " A" : std::string("automatic")),
        std::string("More than one receptacle for portable loads: ")
            + (input.Receptacles ? "yes" : "no"),
        "Conductors: " + std::string(nec::MaterialName(input.Material)) + " "
            + std::string(nec::InsulationName(input.Insulation)) + ", "
            + std::to_string(nec::Degrees(input.TerminalRating)) + " °C terminals",
        "Parallel sets: "
            + (input.GivenSets ? std::to_string(*input.GivenSets)
                               : "automatic, at most "
                        + std::string(nec::SizeName(input.LargestSizePerSet)) + " per set"),
        "Ambient temperature: " + number(input.Ambient)
            + (input.AmbientUnit == nec::TemperatureUnit::Celsius ? " °C" : " °F"),
        "Current-carrying conductors in one raceway: "
            + (input.GivenConductorCount ? std::to_string(*input.GivenConductorCount)
                                         : std::string("automatic"))
            + (input.HarmonicNeutral ? "; the neutral carries harmonic current" : ""),
        "Length: " + number(input.LengthFeet) + " ft, one way",
        "Raceway: " + std::string(nec::RacewayTypeName(input.Raceway)) + ", "
            + std::string(nec::RacewayMaterialName(input.RacewayMaterial)),
    };
    if (!directCurrent)
        described.push_back("Power factor: " + number(input.PowerFactor) + ", lagging");
    described.push_back("Voltage-drop limit: " + number(input.DropLimitPercent) + " %, with "
        + number(input.DropUpstreamPercent) + " % dropped upstream");
    described.push_back(
        "Grounding conductor: " + std::string(nec::MaterialName(input.EgcMaterial)));
    if (!directCurrent) {
        described.push_back("Available fault current at the source: "
            + (input.SourceFaultAmps ? number(*input.SourceFaultAmps) + " A"
                                     : std::string("none given")));
        described.push_back("Motor load: " + number(input.MotorAmps) + " A");
    }
    return described;
}

std::string BuildCircuitReport(const nec::CircuitInput& input, const nec::CircuitResult& result,
    std::string_view dateTimeText, const numtext::Separators& separators)
{
    return ReportHeading("Circuit Check (NEC 2023)", dateTimeText, 3) + "Inputs"
        + ReportLineBreaks(1) + lines(DescribeCircuitInputs(input, separators))
        + ReportLineBreaks(2) + "Summary" + ReportLineBreaks(1)
        + lines(BuildCircuitSummary(input, result, separators)) + ReportLineBreaks(2) + "Working"
        + ReportLineBreaks(1) + workingText(result.Working);
}
