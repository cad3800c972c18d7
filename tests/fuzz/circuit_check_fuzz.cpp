// Circuit Check: any state of the window's controls is either refused field by field or
// checked. A check's figures are all numbers, every check it reports as met is met by its
// own figures, and the size it chooses meets every rule.

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"
#include "nec/circuit_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace {

template<typename Enum>
Enum choice(FuzzInput& input, int count)
{
    return static_cast<Enum>(input.byte() % count);
}

nec::CircuitTexts readTexts(FuzzInput& input)
{
    nec::CircuitTexts texts;
    texts.System = choice<nec::SystemType>(input, 5);
    texts.Unit = choice<nec::LoadUnit>(input, 3);
    const std::uint8_t flags = input.byte();
    texts.Kind = flags & 1 ? nec::CircuitKind::BranchCircuit : nec::CircuitKind::Feeder;
    texts.Receptacles = flags & 2;
    texts.HarmonicNeutral = flags & 4;
    texts.AmbientUnit
        = flags & 8 ? nec::TemperatureUnit::Fahrenheit : nec::TemperatureUnit::Celsius;
    texts.Material = choice<nec::Material>(input, 2);
    texts.EgcMaterial = choice<nec::Material>(input, 2);
    texts.Insulation = nec::kAllInsulations[input.byte() % nec::kInsulations];
    texts.TerminalRating = choice<nec::TemperatureRating>(input, 3);
    texts.LargestSizePerSet = nec::AllConductorSizes()[input.byte() % nec::kConductorSizes];
    texts.Raceway = nec::kAllRacewayTypes[input.byte() % nec::kRacewayTypes];
    texts.RacewayMaterial = choice<nec::RacewayMaterial>(input, 3);
    for (std::string* field : {&texts.Voltage, &texts.Load, &texts.ContinuousPercent, &texts.Ocpd,
             &texts.Sets, &texts.Ambient, &texts.ConductorCount, &texts.Length, &texts.PowerFactor,
             &texts.DropLimit, &texts.DropUpstream, &texts.SourceFaultAmps, &texts.MotorAmps})
        *field = input.text();
    return texts;
}

void checkFigures(const nec::CircuitResult& r)
{
    const nec::DropFigures d = r.Drop.value_or(nec::DropFigures {});
    std::vector<double> figures {r.Load.Amps, r.Load.ContinuousAmps, r.Load.NoncontinuousAmps,
        r.Load.TerminalAmpsNeeded, r.Basis.AmbientCelsius,
        r.Conductors ? r.Conductors->Ampacity : 0, d.Resistance, d.Reactance, d.EffectiveZ, d.Volts,
        d.Percent, d.LoadVolts, d.TotalPercent, d.LimitPercent, d.MaxLengthFeet,
        d.ExactVolts.value_or(0), r.Egc ? r.Egc->RequiredCircularMils : 0, r.Fault.F, r.Fault.M,
        r.Fault.FromSourceAmps, r.Fault.MotorContributionAmps, r.Fault.AtEndAmps};
    for (const nec::TradeSizeFill& fill : r.Raceway&& r.Raceway->Fill
            ? r.Raceway->Fill->TradeSizes
            : std::vector<nec::TradeSizeFill> {})
        figures.push_back(fill.PercentFill);
    for (const nec::Check& check : r.Checks)
        figures.insert(figures.end(), {check.Figure, check.Needed});
    for (double figure : figures)
        FUZZ_CHECK(std::isfinite(figure), "a figure is %g", figure);
}

bool atLeast(double figure, double needed)
{
    return figure >= needed - 1e-9 * std::max(1.0, std::abs(needed));
}

// 240.4(B): no rating for circuit breakers from the ampacity up to below the device, so
// the ampacity is no standard rating and the device is the next above it.
bool nextStandardRating(double ampacity, double device)
{
    return std::none_of(nec::StandardRatings().begin(), nec::StandardRatings().end(),
        [&](const nec::StandardRating& rating) {
            return !rating.FusesOnly && atLeast(rating.Amperes, ampacity)
                && rating.Amperes < device;
        });
}

// Every check met is met by its own figures; with a size, every rule that applies is
// checked and met.
void checkRules(const nec::CircuitInput& input, const nec::CircuitResult& result)
{
    using Kind = nec::CheckKind;
    std::map<Kind, const nec::Check*> checks;
    for (const nec::Check& check : result.Checks) {
        checks[check.Kind] = &check;
        const bool notBelow = check.Kind == Kind::Device || check.Kind == Kind::Terminals
            || check.Kind == Kind::ConditionsOfUse || check.Kind == Kind::Protection;
        const bool notAbove = check.Kind == Kind::SmallConductor || check.Kind == Kind::VoltageDrop
            || check.Kind == Kind::TotalDrop;
        FUZZ_CHECK(!check.Meets || !notAbove || atLeast(check.Needed, check.Figure),
            "%s: %g above %g", nec::CheckName(check.Kind).data(), check.Figure, check.Needed);
        FUZZ_CHECK(!check.Meets || !notBelow || atLeast(check.Figure, check.Needed)
                || (check.Kind == Kind::Protection && check.Needed <= 800 && !input.Receptacles
                    && nextStandardRating(check.Figure, check.Needed)),
            "%s: %g for %g", nec::CheckName(check.Kind).data(), check.Figure, check.Needed);
    }
    FUZZ_CHECK(checks.at(Kind::Conductor)->Meets == result.Conductors.has_value(), "size");
    if (!result.Conductors)
        return;
    const nec::ConductorChoice& choice = *result.Conductors;
    const std::map<Kind, bool> rules {{Kind::Terminals, true}, {Kind::ConditionsOfUse, true},
        {Kind::Protection, true},
        {Kind::SmallConductor, nec::SmallConductorLimitOf(choice.Size, input.Material) != nullptr},
        {Kind::ParallelMinimum, choice.Sets > 1}, {Kind::VoltageDrop, true},
        {Kind::TotalDrop, input.DropUpstreamPercent > 0}};
    for (const auto& [kind, checked] : rules) {
        FUZZ_CHECK(checks.contains(kind) == checked && (!checked || checks[kind]->Meets),
            "the chosen size and %s", nec::CheckName(kind).data());
    }
    FUZZ_CHECK(choice.Sets == 1 || choice.Size >= nec::ConductorSize::Awg1_0, "parallel below 1/0");
    FUZZ_CHECK(checks.at(Kind::Raceway)->Meets
            == (result.Raceway->Fill && result.Raceway->Fill->smallestFit()),
        "raceway");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    const nec::CircuitReading reading = nec::ReadCircuitInputs(readTexts(input), separators);
    if (!reading.Input) {
        FUZZ_CHECK(
            !reading.Problems.empty() || !reading.StillNeeded.empty(), "refused without a problem");
        return 0;
    }
    const nec::CircuitResult result = nec::CheckCircuit(*reading.Input, separators);
    checkFigures(result);
    FUZZ_CHECK(
        result.Conductors.has_value() != result.NoSize.has_value(), "a size and a reason for none");
    FUZZ_CHECK(!result.Device.Automatic || !result.Device.Rating || result.Device.Meets,
        "an automatic device that does not meet");
    checkRules(*reading.Input, result);
    return 0;
}
