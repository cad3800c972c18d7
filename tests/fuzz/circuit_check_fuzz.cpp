// Circuit Check: any state of the window's controls is either refused field by field or
// checked; every figure of a check is a number, and the size it chooses meets every rule,
// worked again here from the tables without the engine's own arithmetic. The window's
// texts of a check agree with it: a figure for what was found, none for what was not, the
// verdict naming exactly the checks not met, and a report of the form the sheet expects.

#include "circuit_check/circuit_report.h"
#include "circuit_check/circuit_summary.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"
#include "nec/circuit_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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

void checkFinite(double value, const char* what)
{
    FUZZ_CHECK(std::isfinite(value), "%s is %g", what, value);
}

void checkFigures(const nec::CircuitResult& result)
{
    checkFinite(result.Load.Amps, "the load current");
    checkFinite(result.Load.ContinuousAmps, "the continuous current");
    checkFinite(result.Load.NoncontinuousAmps, "the noncontinuous current");
    checkFinite(result.Load.TerminalAmpsNeeded, "the current the terminals need");
    checkFinite(result.Basis.AmbientCelsius, "the ambient");
    if (result.Conductors)
        checkFinite(result.Conductors->Ampacity, "the ampacity");
    if (result.Drop) {
        const nec::DropFigures& drop = *result.Drop;
        for (double figure : {drop.Resistance, drop.Reactance, drop.EffectiveZ, drop.Volts,
                 drop.Percent, drop.LoadVolts, drop.TotalPercent, drop.LimitPercent,
                 drop.MaxLengthFeet, drop.ExactVolts.value_or(0)})
            checkFinite(figure, "a voltage-drop figure");
    }
    if (result.Egc)
        checkFinite(result.Egc->RequiredCircularMils, "the grounding conductor's circular mils");
    if (result.Raceway && result.Raceway->Fill) {
        for (const nec::TradeSizeFill& fill : result.Raceway->Fill->TradeSizes)
            checkFinite(fill.PercentFill, "a fill");
    }
    for (double figure : {result.Fault.F, result.Fault.M, result.Fault.FromSourceAmps,
             result.Fault.MotorContributionAmps, result.Fault.AtEndAmps})
        checkFinite(figure, "a fault figure");
    for (const nec::Check& check : result.Checks) {
        checkFinite(check.Figure, "a check's figure");
        checkFinite(check.Needed, "a check's need");
    }
    for (const nec::WorkingStep& step : result.Working)
        FUZZ_CHECK(!step.What.empty() && !step.Numbers.empty(), "an empty step of the working");
}

// The rules of a size, worked again from the tables.
class Recheck
{
public:
    Recheck(const nec::CircuitInput& input, const nec::CircuitResult& result)
        : m_input(input)
        , m_result(result)
    { }

    void chosenSizeMeetsEveryRule() const
    {
        const nec::ConductorChoice& choice = *m_result.Conductors;
        const int n = choice.Sets;
        const nec::ConductorSize s = choice.Size;
        const int device = *m_result.Device.Rating;
        const nec::Material material = m_input.Material;

        const int insulationDegrees = nec::Degrees(*nec::InsulationRating(m_input.Insulation));
        const nec::TemperatureRating insulationColumn = *nec::InsulationRating(m_input.Insulation);
        const nec::TemperatureRating terminalColumn
            = nec::Degrees(m_input.TerminalRating) < insulationDegrees ? m_input.TerminalRating
                                                                       : insulationColumn;
        const double terminalAmps = *nec::Ampacity(s, material, terminalColumn);
        const double celsius = m_input.AmbientUnit == nec::TemperatureUnit::Fahrenheit
            ? (m_input.Ambient - 32) * 5 / 9
            : m_input.Ambient;
        const double ambientFactor = *nec::AmbientRowFor(celsius)->factor(insulationColumn);
        const nec::AdjustmentRow* adjustment = nec::AdjustmentRowFor(conductorCount());
        const double ampacity = std::min(*nec::Ampacity(s, material, insulationColumn)
                * ambientFactor * (adjustment ? adjustment->Factor : 1.0),
            terminalAmps);

        const double amps = loadAmps();
        const double continuous = amps * m_input.ContinuousPercent / 100;
        const double needed = 1.25 * continuous + (amps - continuous);
        FUZZ_CHECK(atLeast(n * terminalAmps, needed), "terminals: %g against %g", n * terminalAmps,
            needed);
        FUZZ_CHECK(
            atLeast(n * ampacity, amps), "conditions of use: %g against %g", n * ampacity, amps);
        FUZZ_CHECK(protects(n * ampacity, device), "protection: %g on %d A", n * ampacity, device);
        if (const nec::SmallConductorLimit* limit = nec::SmallConductorLimitOf(s, material))
            FUZZ_CHECK(
                device <= limit->MaxDeviceAmperes, "%s on %d A", limit->Item.c_str(), device);
        FUZZ_CHECK(n == 1 || s >= nec::ConductorSize::Awg1_0, "%d sets below 1/0", n);

        const double percent = dropVolts(n, s, amps) / m_input.Volts * 100;
        FUZZ_CHECK(atLeast(m_input.DropLimitPercent, percent), "drop %g %% above %g %%", percent,
            m_input.DropLimitPercent);
        if (m_input.DropUpstreamPercent > 0)
            FUZZ_CHECK(atLeast(5, m_input.DropUpstreamPercent + percent), "total drop %g %%",
                m_input.DropUpstreamPercent + percent);
        FUZZ_CHECK(std::abs(percent - m_result.Drop->Percent) <= 1e-9 * std::max(1.0, percent),
            "drop %g %%, the check says %g %%", percent, m_result.Drop->Percent);
    }

private:
    static bool atLeast(double figure, double needed)
    {
        return figure >= needed * (1 - 1e-9) - 1e-9;
    }

    double loadAmps() const
    {
        if (m_input.Unit == nec::LoadUnit::Amperes)
            return m_input.Load;
        const bool directCurrent = m_input.System == nec::SystemType::Dc2Wire;
        const double powerFactor
            = m_input.Unit == nec::LoadUnit::Kilowatts && !directCurrent ? m_input.PowerFactor : 1;
        return m_input.Load * 1000 / powerFactor / (threePhase() ? std::sqrt(3.0) : 1.0)
            / m_input.Volts;
    }

    bool threePhase() const
    {
        return m_input.System == nec::SystemType::ThreePhase3Wire
            || m_input.System == nec::SystemType::ThreePhase4Wire;
    }

    int conductorCount() const
    {
        if (m_input.GivenConductorCount)
            return *m_input.GivenConductorCount;
        if (m_input.System == nec::SystemType::ThreePhase4Wire)
            return m_input.HarmonicNeutral ? 4 : 3;
        return threePhase() ? 3 : 2;
    }

    double dropVolts(int sets, nec::ConductorSize size, double amps) const
    {
        if (m_input.System == nec::SystemType::Dc2Wire)
            return 2 * amps * m_input.LengthFeet
                * nec::StrandedConductorOf(size).dcOhms(m_input.Material) / (1000.0 * sets);
        const nec::AcImpedance z
            = *nec::AcImpedanceOf(size, m_input.Material, m_input.RacewayMaterial);
        const double pf = m_input.PowerFactor;
        const double ze = z.Resistance * pf + z.Reactance * std::sin(std::acos(pf));
        return (threePhase() ? std::sqrt(3.0) : 2.0) * amps * m_input.LengthFeet * ze
            / (1000.0 * sets);
    }

    // 240.4: not below the device, or the device the next standard rating above an
    // ampacity that is not one, 800 A or less, without more than one receptacle.
    bool protects(double ampacity, int device) const
    {
        if (atLeast(ampacity, device))
            return true;
        if (device > 800 || m_input.Receptacles)
            return false;
        const nec::StandardRating* deviceRating = nec::FindStandardRating(device);
        const auto inUse = [&](const nec::StandardRating& rating) {
            return !rating.FusesOnly || (deviceRating == &rating);
        };
        int next = 0;
        for (const nec::StandardRating& rating : nec::StandardRatings()) {
            if (!inUse(rating))
                continue;
            if (std::abs(rating.Amperes - ampacity) <= 1e-9 * rating.Amperes)
                return false; // the ampacity is itself a standard rating
            if (rating.Amperes > ampacity && (next == 0 || rating.Amperes < next))
                next = rating.Amperes;
        }
        return next == device;
    }

    const nec::CircuitInput& m_input;
    const nec::CircuitResult& m_result;
};

void checkTexts(const nec::CircuitInput& input, const nec::CircuitResult& result,
    const numtext::Separators& separators)
{
    const CircuitKeyFigures figures = BuildCircuitKeyFigures(input, result, separators);
    FUZZ_CHECK(figures.Size.empty() != result.Conductors.has_value(), "a size shown for none");
    FUZZ_CHECK(figures.Ocpd.empty() != result.Device.Rating.has_value(), "a device shown for none");
    FUZZ_CHECK(figures.ExactDrop.empty() == !(result.Drop && result.Drop->ExactVolts),
        "an exact drop shown for none");
    FUZZ_CHECK(figures.Fault.empty() == (result.Fault.Status != nec::FaultStatus::Computed),
        "a fault current shown for none");
    std::string failing;
    for (const nec::Check& check : result.Checks) {
        if (!check.Meets)
            failing += (failing.empty() ? "" : ", ") + std::string(nec::CheckName(check.Kind));
    }
    FUZZ_CHECK(figures.Verdict
            == (failing.empty() ? "Meets every check." : "Does not meet: " + failing + "."),
        "the verdict %s", figures.Verdict.c_str());

    const std::vector<std::string> summary = BuildCircuitSummary(input, result, separators);
    FUZZ_CHECK(!summary.empty() && summary.back() == figures.Verdict, "the summary's last line");
    // One line a check, each saying whether it is met as the check says.
    std::size_t checkLines = 0;
    for (const std::string& line : summary) {
        const bool met = line.ends_with(": meets");
        const bool notMet = line.ends_with(": does not meet");
        checkLines += met || notMet;
    }
    FUZZ_CHECK(checkLines == result.Checks.size(), "%zu lines of checks for %zu checks", checkLines,
        result.Checks.size());

    const std::string report = BuildCircuitReport(input, result, "stamp", separators);
    FUZZ_CHECK(report.starts_with("Calculation Type: Circuit Check (NEC 2023)\r\n\r\nstamp\r\n"),
        "the report's heading");
    FUZZ_CHECK(!report.ends_with("\n"), "the report ends with a line break");
    for (std::size_t at = report.find('\n'); at != std::string::npos;
         at = report.find('\n', at + 1))
        FUZZ_CHECK(at > 0 && report[at - 1] == '\r', "a line feed without a carriage return");
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
    checkTexts(*reading.Input, result, separators);
    FUZZ_CHECK(
        result.Conductors.has_value() != result.NoSize.has_value(), "a size and a reason for none");
    if (result.Conductors)
        Recheck(*reading.Input, result).chosenSizeMeetsEveryRule();
    for (const nec::Check& check : result.Checks) {
        if (check.Kind == nec::CheckKind::Device && result.Device.Automatic && result.Device.Rating)
            FUZZ_CHECK(check.Meets, "an automatic device that does not meet");
    }
    return 0;
}
