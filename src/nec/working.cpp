#include "nec/working.h"

#include <cmath>
#include <numbers>
#include <string>

namespace nec {

namespace {

// The code sections that differ between a feeder and a branch circuit.
struct Sections
{
    std::string_view Device;
    std::string_view Terminals;
    std::string_view ConditionsOfUse;
    std::string_view DropNote;
};

constexpr Sections kFeederSections {"215.3", "110.14(C), 215.2(A)(1)", "215.2(A)(2), 310.15",
    "215.2, informational note: a design limit, not a requirement"};
constexpr Sections kBranchSections {"210.20(A)", "110.14(C), 210.19(A)(1)", "210.19(A)(2), 310.15",
    "210.19, informational note: a design limit, not a requirement"};

std::string verdict(bool meets)
{
    return std::string(VerdictWord(meets));
}

// Writes the steps, with the numbers in the user's separators.
class WorkingWriter
{
public:
    WorkingWriter(const CircuitInput& input, const CircuitResult& result,
        const numtext::Separators& separators)
        : m_input(input)
        , m_result(result)
        , m_separators(separators)
        , m_sections(input.Kind == CircuitKind::Feeder ? kFeederSections : kBranchSections)
    { }

    std::vector<WorkingStep> write()
    {
        loadCurrent();
        device();
        ampacityBasis();
        if (m_result.Conductors) {
            const ConductorChoice& choice = *m_result.Conductors;
            setsAndSize(choice);
            terminals(choice);
            conditionsOfUse(choice);
            protection(choice);
            smallConductor(choice);
            parallelMinimum(choice);
            voltageDrop(choice);
            exactDrop(choice);
            maximumLength(choice);
            groundingConductor(choice);
            raceway();
            fault(choice);
        } else {
            noSize();
        }
        listingNote();
        return std::move(m_steps);
    }

private:
    // ---- numbers ----

    // Up to `decimals` decimals, without trailing zeros: "263.9", "400".
    std::string number(double value, int decimals) const
    {
        return numtext::formatTrimmed(value, decimals, m_separators);
    }

    std::string fixed(double value, int decimals) const
    {
        return numtext::formatGrouped(value, decimals, m_separators);
    }

    std::string amps(double value) const { return number(value, 2) + " A"; }
    std::string volts(double value) const { return fixed(value, 2) + " V"; }
    std::string givenVolts() const { return number(m_input.Volts, 2) + " V"; }
    std::string percent(double value) const { return fixed(value, 2) + " %"; }
    std::string factor(double value) const { return fixed(value, 2); }
    std::string ohms(double value) const { return number(value, 4) + " Ω"; }
    std::string feet(double value) const { return number(value, 2) + " ft"; }
    std::string circularMils(double value) const { return number(value, 1) + " cmil"; }
    std::string area(Area value) const { return fixed(value.SquareInches(), 4) + " in²"; }
    std::string degrees(TemperatureRating rating) const
    {
        return std::to_string(Degrees(rating)) + " °C";
    }
    std::string size(ConductorSize value) const { return std::string(SizeName(value)); }
    std::string material() const { return std::string(MaterialName(m_input.Material)); }
    std::string sets(int count) const { return SetCountText(count); }
    std::string ocpdFormula() const
    {
        return "I_ocpd,min = " + factor(kContinuousFactor) + " · I_c + " + factor(1) + " · I_nc";
    }
    std::string phaseFactorText() const { return IsThreePhase(m_input.System) ? "√3" : "2"; }

    std::string ampacitySource(ConductorSize conductor, TemperatureRating column) const
    {
        return "Table 310.16, " + degrees(column) + " " + material() + ", " + size(conductor) + ": "
            + amps(Ampacity(conductor, m_input.Material, column).value_or(0));
    }

    void add(std::string what, std::string formula, std::string numbers, std::string source = {},
        std::string_view section = {})
    {
        m_steps.push_back({std::move(what), std::move(formula), std::move(numbers),
            std::move(source), std::string(section)});
    }

    // ---- the steps ----

    void loadCurrent()
    {
        const LoadFigures& load = m_result.Load;
        const bool threePhase = IsThreePhase(m_input.System);
        const bool directCurrent = IsDirectCurrent(m_input.System);
        const std::string divisor = threePhase ? "(√3 · " + givenVolts() + ")" : givenVolts();
        switch (m_input.Unit) {
        case LoadUnit::Amperes:
            add("Load current", "I = the load as given", "I = " + amps(load.Amps));
            break;
        case LoadUnit::KiloVoltAmperes:
            add("Load current", threePhase ? "I = S / (√3 · V)" : "I = S / V",
                "I = " + number(m_input.Load * 1000, 2) + " VA / " + divisor + " = "
                    + amps(load.Amps));
            break;
        case LoadUnit::Kilowatts:
            if (directCurrent) {
                add("Load current", "I = P / V",
                    "I = " + number(m_input.Load * 1000, 2) + " W / " + divisor + " = "
                        + amps(load.Amps));
            } else {
                add("Load current", threePhase ? "I = P / (PF · √3 · V)" : "I = P / (PF · V)",
                    "I = " + number(m_input.Load * 1000, 2) + " W / (" + factor(m_input.PowerFactor)
                        + " · " + divisor + ") = " + amps(load.Amps));
            }
            break;
        }
        add("Continuous and noncontinuous load", "I_c = I · the continuous part; I_nc = I − I_c",
            "I_c = " + amps(load.Amps) + " · " + number(m_input.ContinuousPercent, 2)
                + " % = " + amps(load.ContinuousAmps) + "; I_nc = " + amps(load.NoncontinuousAmps));
    }

    void device()
    {
        const LoadFigures& load = m_result.Load;
        const DeviceFigures& device = m_result.Device;
        const std::string minimum = factor(kContinuousFactor) + " · " + amps(load.ContinuousAmps)
            + " + " + factor(1) + " · " + amps(load.NoncontinuousAmps) + " = "
            + amps(load.TerminalAmpsNeeded);
        const std::string section = std::string(m_sections.Device) + ", 240.6(A)";
        if (device.Automatic) {
            add("Overcurrent device", ocpdFormula() + "; the smallest standard rating not below it",
                minimum + "; "
                    + (device.Rating ? "rating " + amps(*device.Rating)
                                     : "no standard rating is as large"),
                "240.6(A), fuses and inverse time circuit breakers", section);
            return;
        }
        add("Overcurrent device", ocpdFormula() + "; the given rating not below it",
            minimum + "; given " + amps(*device.Rating) + ": " + verdict(device.Meets), {},
            section);
        if (!device.Standard) {
            add("Rating not standard", "the ratings of 240.6(A)",
                amps(*device.Rating) + " is not a standard rating; it is taken as given", {},
                "240.6(A)");
        } else if (device.FusesOnly) {
            add("Rating for fuses only", "the additional ratings of 240.6(A)",
                amps(*device.Rating) + " is a standard rating for fuses only", {}, "240.6(A)");
        }
    }

    void ampacityBasis()
    {
        const AmpacityBasis& basis = m_result.Basis;
        add("Temperature at the terminals",
            "t_T = the lower of the terminal rating and the insulation's rating",
            "t_T = lower of " + degrees(m_input.TerminalRating) + " and "
                + degrees(basis.InsulationColumn) + " ("
                + std::string(InsulationName(m_input.Insulation))
                + ") = " + degrees(basis.TerminalColumn),
            {}, "110.14(C)(1)");

        std::string numbers;
        if (m_input.AmbientUnit == TemperatureUnit::Fahrenheit) {
            numbers = number(m_input.Ambient, 2) + " °F = (" + number(m_input.Ambient, 2)
                + " − 32) · 5 / 9 = " + number(basis.AmbientCelsius, 2) + " °C; ";
        } else {
            numbers = number(basis.AmbientCelsius, 2) + " °C; ";
        }
        std::string source = "Table 310.15(B)(1)(1), ";
        if (!basis.Ambient) {
            numbers += "above the last row: no factor";
            source += "no row";
        } else {
            const std::string factorText
                = basis.AmbientFactor ? factor(*basis.AmbientFactor) : std::string("no factor");
            numbers += basis.AmbientFactor ? "F_ambient = " + factorText : factorText;
            const bool fahrenheit = m_input.AmbientUnit == TemperatureUnit::Fahrenheit;
            source += basis.Ambient->CelsiusText + " °C"
                + (fahrenheit ? " (" + basis.Ambient->FahrenheitText + " °F)" : std::string())
                + ", " + degrees(basis.InsulationColumn) + " column: " + factorText;
        }
        add("Ambient temperature correction",
            "F_ambient: the row of the ambient (between rows, the next higher), the insulation's "
            "column",
            numbers, source, "310.15(B)");

        const std::string count = std::to_string(basis.CurrentCarryingConductors);
        const std::string why = m_input.GivenConductorCount
            ? " (given)"
            : " (" + std::string(SystemName(m_input.System))
                + (m_input.HarmonicNeutral ? ", the neutral carries harmonic current" : "")
                + ", each set in its own raceway)";
        add("Adjustment for conductors in one raceway",
            "F_adjust for the current-carrying conductors in one raceway; " + factor(1)
                + " for 3 or fewer",
            count + " current-carrying conductors" + why
                + ": F_adjust = " + factor(basis.AdjustmentFactor),
            basis.Adjustment ? "Table 310.15(C)(1), " + basis.Adjustment->CountText + ": "
                    + std::to_string(basis.Adjustment->Percent) + " %"
                             : std::string(),
            m_input.HarmonicNeutral && !m_input.GivenConductorCount ? "310.15(C)(1), 310.15(E)(3)"
                                                                    : "310.15(C)(1)");
    }

    void noSize()
    {
        std::string numbers;
        switch (*m_result.NoSize) {
        case NoSizeReason::NoStandardDevice:
            numbers = "no standard rating up to the largest of 240.6(A) is as large as "
                + amps(m_result.Load.TerminalAmpsNeeded);
            break;
        case NoSizeReason::NoAmbientFactor:
            numbers = "the ambient table gives no factor for "
                + degrees(m_result.Basis.InsulationColumn) + " insulation at "
                + number(m_result.Basis.AmbientCelsius, 2) + " °C: no size works";
            break;
        case NoSizeReason::NoSetsWork:
            numbers = "no number of sets up to " + std::to_string(kMostSets)
                + " works with any size; with " + sets(kMostSets) + " of " + largestSize()
                + " these fail: " + failingRules();
            break;
        case NoSizeReason::NoSizeWithGivenSets:
            numbers = "no size up to " + largestSize() + " meets every rule with "
                + sets(m_input.GivenSets.value_or(1)) + "; at " + largestSize()
                + " these fail: " + failingRules();
            break;
        }
        add("Conductor size", "the smallest size that meets every rule", numbers);
    }

    std::string largestSize() const { return size(CircuitSizes(m_input.Material).back()); }

    std::string failingRules() const
    {
        std::string names;
        for (SizingRule rule : m_result.FailingAtLargestSize)
            names += (names.empty() ? "" : ", ") + std::string(SizingRuleName(rule));
        return names;
    }

    void setsAndSize(const ConductorChoice& choice)
    {
        std::string smallest;
        for (SizingRule rule : kAllSizingRules) {
            smallest += (smallest.empty() ? "" : ", ") + std::string(SizingRuleName(rule)) + " "
                + size(choice.SmallestForRule[static_cast<std::size_t>(rule)]);
        }
        std::string numbers = sets(choice.Sets) + " of " + size(choice.Size)
            + ". The smallest size each rule allows alone with " + sets(choice.Sets) + ": "
            + smallest + ". Governing: " + std::string(SizingRuleName(choice.Governing)) + ".";
        if (choice.WithoutLargestSize) {
            numbers += " More than one set because of the largest size per set ("
                + size(m_input.LargestSizePerSet) + "): " + sets(choice.WithoutLargestSize->Sets)
                + " of " + size(choice.WithoutLargestSize->Size) + " would do.";
        }
        if (choice.LargestSizeExceeded) {
            numbers += " No number of sets up to " + std::to_string(kMostSets)
                + " works within the largest size per set (" + size(m_input.LargestSizePerSet)
                + "); searched without it.";
        }
        add("Sets and size",
            m_input.GivenSets ? "with the given sets, the smallest size that meets every rule"
                              : "the first number of sets n (1 to " + std::to_string(kMostSets)
                    + ") for which a size up to the largest per set meets every rule, and the "
                      "smallest such size",
            numbers, {}, choice.Sets > 1 ? "310.10(G)" : "");
    }

    void terminals(const ConductorChoice& choice)
    {
        const int allSets = choice.terminalAmpacityAllSets();
        add("Rule 1, terminals", "n · A_T(s, t_T) ≥ " + factor(kContinuousFactor) + " · I_c + I_nc",
            std::to_string(choice.Sets) + " · " + amps(choice.TerminalAmpacity) + " = "
                + amps(allSets) + " against " + amps(m_result.Load.TerminalAmpsNeeded) + ": "
                + verdict(meets(CheckKind::Terminals)),
            ampacitySource(choice.Size, m_result.Basis.TerminalColumn), m_sections.Terminals);
    }

    void conditionsOfUse(const ConductorChoice& choice)
    {
        const AmpacityBasis& basis = m_result.Basis;
        const double corrected
            = choice.InsulationAmpacity * basis.AmbientFactor.value_or(0) * basis.AdjustmentFactor;
        add("Rule 2, conditions of use",
            "A(s) = min(A_T(s, insulation) · F_ambient · F_adjust, A_T(s, t_T)); n · A(s) ≥ I_c + "
            "I_nc",
            "A = min(" + amps(choice.InsulationAmpacity) + " · "
                + factor(basis.AmbientFactor.value_or(0)) + " · " + factor(basis.AdjustmentFactor)
                + ", " + amps(choice.TerminalAmpacity) + ") = min(" + amps(corrected) + ", "
                + amps(choice.TerminalAmpacity) + ") = " + amps(choice.Ampacity) + "; "
                + std::to_string(choice.Sets) + " · " + amps(choice.Ampacity) + " = "
                + amps(choice.ampacityAllSets()) + " against " + amps(m_result.Load.Amps) + ": "
                + verdict(meets(CheckKind::ConditionsOfUse)),
            ampacitySource(choice.Size, basis.InsulationColumn), m_sections.ConditionsOfUse);
    }

    void protection(const ConductorChoice& choice)
    {
        const Check* check = find(CheckKind::Protection);
        const double device = *m_result.Device.Rating;
        std::string numbers
            = amps(choice.ampacityAllSets()) + " against the device " + amps(device);
        std::string section = "240.4";
        if (check->ByNextStandardRating) {
            numbers += "; below it, but not itself a standard rating, and the device is the next "
                       "standard rating above it, 800 A or less";
            section = "240.4(B)";
        } else if (!check->Meets && device > kLargestRoundUpDevice) {
            section = "240.4(C)";
        } else if (!check->Meets && m_input.Receptacles) {
            numbers += "; no next-size-up with more than one receptacle";
            section = "240.4(B)(1)";
        }
        add("Rule 3, protection",
            "n · A(s) ≥ the device rating; or the device the next standard rating above n · A(s), "
            "800 A or less (240.4(B))",
            numbers + ": " + verdict(check->Meets), {}, section);
    }

    void smallConductor(const ConductorChoice& choice)
    {
        const SmallConductorLimit* limit = SmallConductorLimitOf(choice.Size, m_input.Material);
        if (!limit)
            return;
        add("Rule 4, small conductor",
            "the device not above the largest 240.4(D) allows for the size",
            size(choice.Size) + " " + material() + ": at most " + amps(limit->MaxDeviceAmperes)
                + "; device " + amps(*m_result.Device.Rating) + ": "
                + verdict(meets(CheckKind::SmallConductor)),
            limit->Item + ", " + size(choice.Size) + " " + material() + ": "
                + amps(limit->MaxDeviceAmperes),
            "240.4(D)");
    }

    void parallelMinimum(const ConductorChoice& choice)
    {
        if (choice.Sets < 2)
            return;
        add("Rule 5, parallel minimum", "with 2 or more sets, 1/0 AWG and larger",
            sets(choice.Sets) + " of " + size(choice.Size) + ": "
                + verdict(meets(CheckKind::ParallelMinimum)),
            {}, "310.10(G)(1)");
    }

    void voltageDrop(const ConductorChoice& choice)
    {
        const DropFigures& drop = *m_result.Drop;
        const std::string runFactor = phaseFactorText();
        std::string formula;
        std::string numbers;
        std::string source;
        if (drop.DirectCurrent) {
            formula = "VD = 2 · I · L · R_dc / (1000 · n)";
            numbers = "VD = 2 · " + amps(m_result.Load.Amps) + " · " + feet(m_input.LengthFeet)
                + " · " + ohms(drop.Resistance) + " / (1000 · " + std::to_string(choice.Sets) + ")";
            source = "Chapter 9 Table 8, "
                + std::string(
                    m_input.Material == nec::Material::Copper ? "uncoated copper" : "aluminum")
                + ", " + size(choice.Size) + ": " + ohms(drop.Resistance) + " per 1000 ft";
        } else {
            const double sine = std::sqrt(1 - m_input.PowerFactor * m_input.PowerFactor);
            formula = "Ze = R · PF + XL · sin(arccos PF); VD = " + runFactor
                + " · I · L · Ze / (1000 · n)";
            numbers = "Ze = " + ohms(drop.Resistance) + " · " + factor(m_input.PowerFactor) + " + "
                + ohms(drop.Reactance) + " · " + number(sine, 4) + " = " + ohms(drop.EffectiveZ)
                + " per 1000 ft; VD = " + runFactor + " · " + amps(m_result.Load.Amps) + " · "
                + feet(m_input.LengthFeet) + " · " + ohms(drop.EffectiveZ) + " / (1000 · "
                + std::to_string(choice.Sets) + ")";
            source = "Chapter 9 Table 9, " + material() + " in "
                + std::string(RacewayMaterialName(m_input.RacewayMaterial)) + " conduit, "
                + size(choice.Size) + ": R " + ohms(drop.Resistance) + ", XL "
                + ohms(drop.Reactance) + " per 1000 ft";
        }
        numbers += " = " + volts(drop.Volts) + " = " + percent(drop.Percent) + " of " + givenVolts()
            + "; at the load " + volts(drop.LoadVolts) + "; " + percent(drop.Percent)
            + " against the design limit " + percent(m_input.DropLimitPercent) + ": "
            + verdict(meets(CheckKind::VoltageDrop));
        if (m_input.DropUpstreamPercent > 0) {
            numbers += "; with " + percent(m_input.DropUpstreamPercent) + " upstream, "
                + percent(drop.TotalPercent) + " against " + percent(kTotalDropPercent) + ": "
                + verdict(meets(CheckKind::TotalDrop));
        }
        add("Rule 6, voltage drop", formula, numbers, source, m_sections.DropNote);
    }

    void exactDrop(const ConductorChoice& choice)
    {
        const DropFigures& drop = *m_result.Drop;
        if (drop.DirectCurrent)
            return;
        const bool threePhase = IsThreePhase(m_input.System);
        const double perConductor
            = m_input.LengthFeet / (1000.0 * choice.Sets) * (threePhase ? 1 : 2);
        const double e = threePhase ? m_input.Volts / std::numbers::sqrt3 : m_input.Volts;
        std::string numbers = "R = " + number(drop.Resistance * perConductor, 6)
            + " Ω, X = " + number(drop.Reactance * perConductor, 6) + " Ω, E = " + volts(e) + "; ";
        numbers += drop.ExactVolts ? "VD = " + volts(*drop.ExactVolts)
                                   : "no solution: the source voltage cannot carry this load";
        add("Exact voltage drop (second opinion)",
            std::string("R = R_T · L / (1000 · n), X = XL · L / (1000 · n)")
                + (threePhase ? "; E = V / √3" : ", both doubled; E = V")
                + "; VD_E = E + I · (R cos θ + X sin θ) − √(E² − I² · (X cos θ − R sin θ)²)"
                + (threePhase ? "; VD = √3 · VD_E" : "; VD = VD_E"),
            numbers, {}, "IEEE 141, the source voltage fixed");
    }

    void maximumLength(const ConductorChoice& choice)
    {
        const DropFigures& drop = *m_result.Drop;
        std::string numbers;
        if (m_input.DropUpstreamPercent > 0) {
            numbers = "limit = min(" + percent(m_input.DropLimitPercent) + ", "
                + percent(kTotalDropPercent) + " − " + percent(m_input.DropUpstreamPercent)
                + ") = " + percent(drop.LimitPercent) + "; ";
        }
        numbers += "L_max = " + percent(std::max(0.0, drop.LimitPercent)) + " / 100 · "
            + givenVolts() + " · 1000 · " + std::to_string(choice.Sets) + " / (" + phaseFactorText()
            + " · " + amps(m_result.Load.Amps) + " · " + ohms(drop.EffectiveZ)
            + ") = " + number(drop.MaxLengthFeet, 0) + " ft, rounded down";
        add("Maximum length", "L_max = limit / 100 · V · 1000 · n / (k · I · Ze)", numbers);
    }

    void groundingConductor(const ConductorChoice& choice)
    {
        const EgcFigures& egc = *m_result.Egc;
        const std::string egcMaterial(MaterialName(egc.Material));
        const int device = *m_result.Device.Rating;
        std::string numbers
            = "device " + amps(device) + ": " + size(egc.Minimum) + " " + egcMaterial;
        if (egc.Material == nec::Material::Aluminum && egc.Row && egc.Row->Aluminum < egc.Minimum)
            numbers += " (aluminum is never smaller than 12 AWG, 310.3(A))";
        add("Equipment grounding conductor",
            "the size of Table 250.122 for the device, in the grounding conductor's material",
            numbers,
            egc.Row ? "Table 250.122, not exceeding " + amps(egc.Row->RatingNotExceeding) + ", "
                    + egcMaterial + ": " + size(egc.Row->size(egc.Material))
                    : std::string(),
            "250.122(A)");

        const std::string chosen = std::to_string(choice.Sets) + " · "
            + circularMils(static_cast<double>(egc.ChosenCircularMils / choice.Sets)) + " = "
            + circularMils(static_cast<double>(egc.ChosenCircularMils));
        if (egc.Upsized) {
            std::string result = egc.Size ? size(*egc.Size) + " ("
                    + circularMils(static_cast<double>(StrandedConductorOf(*egc.Size).CircularMils))
                    + ")"
                                          : "larger than the largest size of Table 8";
            add("Grounding conductor increased with the phases",
                "cmil_EGC ≥ cmil_EGC,min · n · cmil(s) / base, up to the next size of Table 8; "
                "base: the smallest n′ · cmil(s′) that meets rules 1 to 5",
                "base " + circularMils(static_cast<double>(egc.BaseCircularMils)) + "; phases "
                    + chosen + "; "
                    + circularMils(
                        static_cast<double>(StrandedConductorOf(egc.Minimum).CircularMils))
                    + " · " + circularMils(static_cast<double>(egc.ChosenCircularMils)) + " / "
                    + circularMils(static_cast<double>(egc.BaseCircularMils)) + " = "
                    + circularMils(egc.RequiredCircularMils) + ": " + result,
                "Chapter 9 Table 8, circular mils", "250.122(B)");
        } else {
            add("Grounding conductor increased with the phases",
                "only when n · cmil(s) exceeds the smallest that meets rules 1 to 5",
                "phases " + chosen + ", not above the base "
                    + circularMils(static_cast<double>(egc.BaseCircularMils)) + ": no increase",
                "Chapter 9 Table 8, circular mils", "250.122(B)");
        }
        if (egc.Capped) {
            add("Grounding conductor not larger than the phases",
                "one set, the phases' material: not larger than the phase conductors",
                size(choice.Size), {}, "250.122(A)");
        }
        if (choice.Sets > 1 && egc.Size) {
            add("Grounding conductor in each raceway",
                "each set in its own raceway with its own grounding conductor",
                std::to_string(egc.Count) + " · " + size(*egc.Size) + " " + egcMaterial, {},
                "250.122(F)(1)(b)");
        }
    }

    void raceway()
    {
        const RacewayFigures& raceway = *m_result.Raceway;
        const std::string type(RacewayTypeName(m_input.Raceway));
        if (!raceway.Fill) {
            add("Raceway", "the conductors' area against Chapter 9 Table 4",
                "the grounding conductor has no area in the tables for this insulation and size");
            return;
        }
        const FillResult& fill = *raceway.Fill;
        std::string numbers;
        for (const GroupFill& group : fill.Groups) {
            numbers += (numbers.empty() ? "" : " + ") + std::to_string(group.Group.Count) + " · "
                + area(group.EachArea.Value) + " (" + size(group.Group.Size) + ")";
        }
        numbers += " = " + area(fill.TotalArea) + " in " + std::to_string(fill.TotalCount)
            + " conductors: " + std::to_string(fill.AllowedPercent) + " % allowed; ";
        if (const TradeSizeFill* fit = fill.smallestFit()) {
            numbers += fit->Row->TradeSize + " " + type + ": allowed " + area(fit->Allowed)
                + (fit->WithinAllowed ? ""
                                      : ", more than allowed but holds "
                            + std::to_string(fit->HowManyFit.value_or(0)) + " by Note 7")
                + "; fill " + area(fill.TotalArea) + " / " + area(fit->Row->Total) + " = "
                + fixed(fit->PercentFill, 1) + " %";
        } else {
            numbers += "no trade size of " + type + " holds these conductors";
        }
        add("Raceway",
            "the smallest trade size whose allowed area (Table 4's printed column) is not below "
            "the "
            "conductors' area; fill = the conductors' area over the total area",
            numbers,
            "Chapter 9 Table 5, " + std::string(fill.Groups.front().EachArea.TableRows)
                + "; Table 4, " + type,
            "Chapter 9 Table 1");
    }

    void fault(const ConductorChoice& choice)
    {
        const FaultFigures& fault = m_result.Fault;
        if (fault.Status == FaultStatus::DirectCurrent) {
            add("Fault current at the end", "the point-to-point method", "not worked for DC");
            return;
        }
        if (fault.Status != FaultStatus::Computed)
            return;
        const double source = *m_input.SourceFaultAmps;
        add("Fault current at the end",
            "f = " + phaseFactorText()
                + " · L · I_s / (C · n · V); M = 1 / (1 + f); I_end = I_s · M + 4 · I_motor",
            "f = " + phaseFactorText() + " · " + feet(m_input.LengthFeet) + " · " + amps(source)
                + " / (" + number(fault.C.Value, 0) + " · " + std::to_string(choice.Sets) + " · "
                + givenVolts() + ") = " + fixed(fault.F, 4) + "; M = " + fixed(fault.M, 4)
                + "; I_end = " + amps(source) + " · " + fixed(fault.M, 4) + " + 4 · "
                + amps(m_input.MotorAmps) + " = " + fixed(fault.AtEndAmps, 0) + " A",
            "Point-to-point C, " + material() + ", three single conductors in "
                + (IsMagnetic(m_input.RacewayMaterial) ? "steel" : "nonmagnetic") + " conduit, "
                + size(choice.Size) + ": " + number(fault.C.Value, 0)
                + (fault.C.Unconfirmed ? " (not confirmed by two sources)" : ""),
            "point-to-point method; motors added at the fault");
    }

    void listingNote()
    {
        if (!m_result.ListingNote)
            return;
        add("Terminal listing", "circuits of 100 A or less",
            "a circuit of " + amps(*m_result.Device.Rating) + " on "
                + degrees(m_input.TerminalRating)
                + " terminals: the equipment must be listed and marked for "
                + degrees(m_input.TerminalRating),
            {}, "110.14(C)(1)(a)");
    }

    // ---- the checks ----

    const Check* find(CheckKind kind) const
    {
        for (const Check& check : m_result.Checks) {
            if (check.Kind == kind)
                return &check;
        }
        return nullptr;
    }

    bool meets(CheckKind kind) const
    {
        const Check* check = find(kind);
        return check && check->Meets;
    }

    const CircuitInput& m_input;
    const CircuitResult& m_result;
    const numtext::Separators& m_separators;
    const Sections& m_sections;
    std::vector<WorkingStep> m_steps;
};

} // namespace

std::vector<WorkingStep> BuildWorking(
    const CircuitInput& input, const CircuitResult& result, const numtext::Separators& separators)
{
    return WorkingWriter(input, result, separators).write();
}

} // namespace nec
