#include "circuit_check/circuit_summary.h"

#include <cctype>

namespace {

std::string verdictWord(bool meets)
{
    return std::string(nec::VerdictWord(meets));
}

std::string capitalised(std::string_view text)
{
    std::string capital(text);
    if (!capital.empty())
        capital.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(capital[0])));
    return capital;
}

const nec::TradeSizeFill* smallestFit(const nec::CircuitResult& result)
{
    return result.Raceway && result.Raceway->Fill ? result.Raceway->Fill->smallestFit() : nullptr;
}

// Writes the figures of one result in the user's separators.
class FigureWriter
{
public:
    FigureWriter(const nec::CircuitInput& input, const nec::CircuitResult& result,
        const numtext::Separators& separators)
        : m_input(input)
        , m_result(result)
        , m_separators(separators)
    { }

    std::string fixed(double value, int decimals) const
    {
        return numtext::formatGrouped(value, decimals, m_separators);
    }
    std::string trimmed(double value, int decimals) const
    {
        return numtext::formatTrimmed(value, decimals, m_separators);
    }
    std::string amps(double value) const { return trimmed(value, 2) + " A"; }
    std::string percent(double value) const { return trimmed(value, 2) + " %"; }
    std::string size(nec::ConductorSize value) const { return std::string(nec::SizeName(value)); }
    std::string material(nec::Material value) const
    {
        return std::string(nec::MaterialName(value));
    }
    std::string sets(int count) const { return nec::SetCountText(count); }
    std::string raceway(const nec::TradeSizeFill& fit) const
    {
        return fit.Row->TradeSize + " " + std::string(nec::RacewayTypeName(m_input.Raceway));
    }
    std::string egcConductor() const
    {
        const nec::EgcFigures& egc = *m_result.Egc;
        return egc.Size ? size(*egc.Size) + " " + material(egc.Material) : std::string();
    }

    // ---- the summary, line by line ----

    std::string device() const
    {
        const nec::DeviceFigures& device = m_result.Device;
        const std::string needed = amps(m_result.Load.TerminalAmpsNeeded)
            + " needed (125 % of the continuous load plus the rest)";
        if (!device.Rating)
            return "Device rating: no standard rating is as large as the " + needed + ": "
                + verdictWord(false);
        std::string line = "Device rating: " + amps(*device.Rating);
        if (!device.Standard)
            line += " (given; not a standard rating)";
        else if (device.FusesOnly)
            line += " (given; a standard rating for fuses only)";
        else if (!device.Automatic)
            line += " (given)";
        return line + " against " + needed + ": " + verdictWord(device.Meets);
    }

    std::string conductors() const
    {
        if (!m_result.Conductors)
            return "Conductor size: " + noSizeReason() + ": " + verdictWord(false);
        const nec::ConductorChoice& choice = *m_result.Conductors;
        std::string line = "Conductor size: " + sets(choice.Sets) + " of " + size(choice.Size) + " "
            + material(m_input.Material) + " "
            + std::string(nec::InsulationName(m_input.Insulation))
            + " (governing factor: " + std::string(nec::SizingRuleName(choice.Governing));
        if (choice.WithoutLargestSize)
            line += "; more than one set because of the largest size per set, "
                + size(m_input.LargestSizePerSet);
        if (choice.LargestSizeExceeded)
            line += "; above the largest size per set, " + size(m_input.LargestSizePerSet)
                + ", which no number of sets up to " + std::to_string(nec::kMostSets) + " keeps to";
        line += ")";
        return line + ": " + verdictWord(true);
    }

    std::string check(const nec::Check& check) const
    {
        const std::string name = capitalised(nec::CheckName(check.Kind)) + ": ";
        const std::string verdict = ": " + verdictWord(check.Meets);
        const nec::ConductorChoice& choice = *m_result.Conductors;
        switch (check.Kind) {
        case nec::CheckKind::Terminals:
            return name + amps(check.Figure) + " at "
                + std::to_string(nec::Degrees(m_result.Basis.TerminalColumn)) + " °C against "
                + amps(check.Needed) + " needed" + verdict;
        case nec::CheckKind::ConditionsOfUse:
            return name + fixed(check.Figure, 1) + " A against the load of " + amps(check.Needed)
                + verdict;
        case nec::CheckKind::Protection:
            return name + fixed(check.Figure, 1) + " A against the " + amps(check.Needed)
                + " device"
                + (check.ByNextStandardRating ? ", by the next standard rating (240.4(B))" : "")
                + verdict;
        case nec::CheckKind::SmallConductor:
            return name + "the " + amps(check.Figure) + " device against at most "
                + amps(check.Needed) + " on " + size(choice.Size) + " " + material(m_input.Material)
                + verdict;
        case nec::CheckKind::ParallelMinimum:
            return name + size(choice.Size) + " against at least 1/0 AWG in parallel" + verdict;
        case nec::CheckKind::VoltageDrop: {
            const nec::DropFigures& drop = *m_result.Drop;
            return name + fixed(drop.Volts, 2) + " V, " + fixed(drop.Percent, 2) + " %, "
                + fixed(drop.LoadVolts, 2) + " V at the load, against the design limit of "
                + percent(check.Needed) + verdict;
        }
        case nec::CheckKind::TotalDrop:
            return name + fixed(check.Figure, 2) + " % with " + percent(m_input.DropUpstreamPercent)
                + " upstream, against " + percent(check.Needed) + verdict;
        case nec::CheckKind::Raceway:
            if (const nec::TradeSizeFill* fit = smallestFit(m_result)) {
                return name + raceway(*fit) + ", " + fixed(fit->PercentFill, 1) + " % filled, "
                    + percent(check.Needed) + " allowed"
                    + (fit->WithinAllowed ? "" : ", holding them by Note 7") + verdict;
            }
            return name + "no trade size of " + std::string(nec::RacewayTypeName(m_input.Raceway))
                + " holds the conductors" + verdict;
        case nec::CheckKind::Device:
        case nec::CheckKind::Conductor:
            break;
        }
        return name + verdictWord(check.Meets);
    }

    std::string exactDrop() const
    {
        const nec::DropFigures& drop = *m_result.Drop;
        return "Exact voltage drop (second opinion): "
            + (drop.ExactVolts ? fixed(*drop.ExactVolts, 2) + " V"
                               : std::string("none, the source voltage cannot carry this load"));
    }

    std::string maximumLength() const
    {
        const nec::DropFigures& drop = *m_result.Drop;
        return "Maximum length: " + fixed(drop.MaxLengthFeet, 0) + " ft at "
            + percent(drop.LimitPercent);
    }

    std::string groundingConductor() const
    {
        const nec::EgcFigures& egc = *m_result.Egc;
        if (!egc.Size)
            return "Grounding conductor: larger than the largest size of Table 8";
        std::string line = "Grounding conductor: " + egcConductor();
        if (egc.Count > 1)
            line += ", one in each of the " + std::to_string(egc.Count) + " raceways";
        if (egc.Upsized)
            line += ", increased with the phases (250.122(B))";
        if (egc.Capped)
            line += ", not larger than the phases (250.122(A))";
        return line;
    }

    std::string fault() const
    {
        const nec::FaultFigures& fault = m_result.Fault;
        switch (fault.Status) {
        case nec::FaultStatus::DirectCurrent:
            return "Fault current at the end: not worked for DC";
        case nec::FaultStatus::NotGiven:
            return "Fault current at the end: not worked, no available fault current given";
        case nec::FaultStatus::Computed:
            break;
        }
        std::string line = "Fault current at the end: " + fixed(fault.AtEndAmps, 0) + " A";
        if (fault.MotorContributionAmps > 0)
            line += ", with " + amps(fault.MotorContributionAmps) + " from the motors";
        return line;
    }

private:
    std::string noSizeReason() const
    {
        const std::string largest = size(nec::CircuitSizes(m_input.Material).back());
        switch (*m_result.NoSize) {
        case nec::NoSizeReason::NoStandardDevice:
            return "none, for want of a device";
        case nec::NoSizeReason::NoAmbientFactor:
            return "none, the ambient table gives no factor for "
                + std::to_string(nec::Degrees(m_result.Basis.InsulationColumn))
                + " °C insulation at this ambient";
        case nec::NoSizeReason::NoSetsWork:
            return "none, no number of sets up to " + std::to_string(nec::kMostSets)
                + " works with any size up to " + largest;
        case nec::NoSizeReason::NoSizeWithGivenSets:
            return "none up to " + largest + " meets every rule with "
                + sets(m_input.GivenSets.value_or(1));
        }
        return {};
    }

    const nec::CircuitInput& m_input;
    const nec::CircuitResult& m_result;
    const numtext::Separators& m_separators;
};

} // namespace

std::string CircuitVerdict(const nec::CircuitResult& result)
{
    std::string failing;
    for (const nec::Check& check : result.Checks) {
        if (!check.Meets)
            failing += (failing.empty() ? "" : ", ") + std::string(nec::CheckName(check.Kind));
    }
    return failing.empty() ? "Meets every check." : "Does not meet: " + failing + ".";
}

CircuitKeyFigures BuildCircuitKeyFigures(const nec::CircuitInput& input,
    const nec::CircuitResult& result, const numtext::Separators& separators)
{
    const FigureWriter write(input, result, separators);
    CircuitKeyFigures figures;
    if (result.Device.Rating)
        figures.Ocpd = write.fixed(*result.Device.Rating, 0) + " A";
    if (const std::optional<nec::ConductorChoice>& choice = result.Conductors) {
        figures.Sets = std::to_string(choice->Sets);
        figures.Size = write.size(choice->Size);
        figures.Governing = std::string(nec::SizingRuleName(choice->Governing));
        figures.TerminalAmps = write.fixed(choice->terminalAmpacityAllSets(), 0) + " A";
        figures.CorrectedAmps = write.fixed(choice->ampacityAllSets(), 1) + " A";
    }
    if (const std::optional<nec::DropFigures>& drop = result.Drop) {
        figures.Drop = write.fixed(drop->Percent, 2) + " %";
        figures.DropVolts = write.fixed(drop->Volts, 2) + " V";
        figures.LoadVolts = write.fixed(drop->LoadVolts, 2) + " V";
        figures.TotalDrop = write.fixed(drop->TotalPercent, 2) + " %";
        if (drop->ExactVolts)
            figures.ExactDrop = write.fixed(*drop->ExactVolts, 2) + " V";
        figures.MaxLength = write.fixed(drop->MaxLengthFeet, 0) + " ft";
    }
    if (result.Egc)
        figures.Egc = write.egcConductor();
    if (const nec::TradeSizeFill* fit = smallestFit(result)) {
        figures.Raceway = write.raceway(*fit);
        figures.Fill = write.fixed(fit->PercentFill, 1) + " %";
    }
    if (result.Fault.Status == nec::FaultStatus::Computed)
        figures.Fault = write.fixed(result.Fault.AtEndAmps, 0) + " A";
    figures.Verdict = CircuitVerdict(result);
    return figures;
}

std::vector<std::string> BuildCircuitSummary(const nec::CircuitInput& input,
    const nec::CircuitResult& result, const numtext::Separators& separators)
{
    const FigureWriter write(input, result, separators);
    std::vector<std::string> lines {write.device(), write.conductors()};
    if (result.Conductors) {
        // The checks of the size, as the result lists them; the figures that are no check
        // stand where the rules put them: the drop's after the drop, the grounding
        // conductor before the raceway it runs in.
        for (const nec::Check& check : result.Checks) {
            if (check.Kind == nec::CheckKind::Device || check.Kind == nec::CheckKind::Conductor)
                continue;
            if (check.Kind == nec::CheckKind::Raceway) {
                if (!result.Drop->DirectCurrent)
                    lines.push_back(write.exactDrop());
                lines.push_back(write.maximumLength());
                lines.push_back(write.groundingConductor());
            }
            lines.push_back(write.check(check));
        }
        lines.push_back(write.fault());
    }
    lines.push_back(CircuitVerdict(result));
    return lines;
}

std::vector<std::string> DescribeCircuitProblems(const nec::CircuitReading& reading)
{
    std::vector<std::string> lines;
    for (const nec::FieldProblem& problem : reading.Problems)
        lines.push_back(capitalised(nec::CircuitFieldName(problem.Field)) + ": " + problem.Reason);
    if (!reading.StillNeeded.empty()) {
        std::string needed;
        for (nec::CircuitField field : reading.StillNeeded)
            needed += (needed.empty() ? "" : ", ") + std::string(nec::CircuitFieldName(field));
        lines.push_back("Still needed: " + needed + ".");
    }
    return lines;
}
