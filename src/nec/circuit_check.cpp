#include "nec/circuit_check.h"

#include "nec/working.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nec {

namespace {

constexpr ConductorSize kSmallestParallelSize = ConductorSize::Awg1_0; // 310.10(G)(1)
constexpr ConductorSize kSmallestAluminumConductor = ConductorSize::Awg12; // 310.3(A)
constexpr int kMotorContributionMultiple = 4; // point-to-point: 4 × the running motor amperes
constexpr int kListingNoteAmperes = 100; // 110.14(C)(1)(a)

// The relative error binary arithmetic may leave on figures worked from decimals.
constexpr double kTolerance = 1e-9;

// A figure not below what a rule needs. The tables and the inputs are decimals, which
// binary arithmetic carries with a relative error far below kTolerance: a figure that
// equals the need as decimals meets it.
bool notBelow(double figure, double needed)
{
    return figure >= needed - kTolerance * std::max(1.0, std::abs(needed));
}

bool nearlyWhole(double value)
{
    return std::abs(value - std::round(value)) <= kTolerance * std::max(1.0, std::abs(value));
}

TemperatureRating lowerRating(TemperatureRating a, TemperatureRating b)
{
    return Degrees(a) <= Degrees(b) ? a : b;
}

double toCelsius(double ambient, TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? (ambient - 32) * 5 / 9 : ambient;
}

// 3-phase formulas carry √3, the others the run out and back.
double phaseFactor(SystemType system)
{
    return IsThreePhase(system) ? std::numbers::sqrt3 : 2.0;
}

// Each set in its own raceway: 3 phases with the neutral, counted when it carries harmonic
// current; 1-phase 3-wire: the neutral carries only the unbalance; the grounding
// conductor never counts. 310.15(C)(1), (E), (F).
int automaticConductorCount(const CircuitInput& input)
{
    switch (input.System) {
    case SystemType::ThreePhase4Wire:
        return input.HarmonicNeutral ? 4 : 3;
    case SystemType::ThreePhase3Wire:
        return 3;
    case SystemType::Dc2Wire:
    case SystemType::OnePhase2Wire:
    case SystemType::OnePhase3Wire:
        return 2;
    }
    return 3;
}

// The phases of one set and the neutral where the system has one; DC and 1-phase 2-wire
// run two conductors.
int phaseAndNeutralConductors(SystemType system)
{
    return (IsThreePhase(system) ? 3 : 2) + (HasNeutral(system) ? 1 : 0);
}

LoadFigures loadFigures(const CircuitInput& input)
{
    LoadFigures load;
    const bool directCurrent = IsDirectCurrent(input.System);
    switch (input.Unit) {
    case LoadUnit::Amperes:
        load.Amps = input.Load;
        break;
    case LoadUnit::KiloVoltAmperes:
    case LoadUnit::Kilowatts: {
        double voltAmperes = input.Load * 1000;
        if (input.Unit == LoadUnit::Kilowatts && !directCurrent)
            voltAmperes /= input.PowerFactor;
        const double divisor = IsThreePhase(input.System) ? std::numbers::sqrt3 : 1.0;
        load.Amps = voltAmperes / (divisor * input.Volts);
        break;
    }
    }
    load.ContinuousAmps = load.Amps * (input.ContinuousPercent / 100);
    load.NoncontinuousAmps = load.Amps - load.ContinuousAmps;
    load.TerminalAmpsNeeded = kContinuousFactor * load.ContinuousAmps + load.NoncontinuousAmps;
    return load;
}

DeviceFigures deviceFigures(const CircuitInput& input, const LoadFigures& load)
{
    DeviceFigures device;
    device.Automatic = !input.GivenOcpd;
    if (input.GivenOcpd) {
        device.Rating = *input.GivenOcpd;
        const StandardRating* standard = FindStandardRating(*input.GivenOcpd);
        device.Standard = standard != nullptr;
        device.FusesOnly = standard && standard->FusesOnly;
    } else {
        for (const StandardRating& rating : StandardRatings()) {
            if (!rating.FusesOnly && notBelow(rating.Amperes, load.TerminalAmpsNeeded)
                && (!device.Rating || rating.Amperes < *device.Rating))
                device.Rating = rating.Amperes;
        }
    }
    device.Meets = device.Rating && notBelow(*device.Rating, load.TerminalAmpsNeeded);
    return device;
}

AmpacityBasis ampacityBasis(const CircuitInput& input)
{
    AmpacityBasis basis;
    basis.InsulationColumn = InsulationRating(input.Insulation).value_or(TemperatureRating::C60);
    basis.TerminalColumn = lowerRating(input.TerminalRating, basis.InsulationColumn);
    basis.AmbientCelsius = toCelsius(input.Ambient, input.AmbientUnit);
    basis.Ambient = AmbientRowFor(basis.AmbientCelsius);
    if (basis.Ambient)
        basis.AmbientFactor = basis.Ambient->factor(basis.InsulationColumn);
    basis.CurrentCarryingConductors
        = input.GivenConductorCount.value_or(automaticConductorCount(input));
    basis.Adjustment = AdjustmentRowFor(basis.CurrentCarryingConductors);
    basis.AdjustmentFactor = basis.Adjustment ? basis.Adjustment->Factor : 1.0;
    return basis;
}

// The rules of a size for one circuit, and the searches over them.
class SizeRules
{
public:
    SizeRules(const CircuitInput& input, const LoadFigures& load, int device, bool deviceFusesOnly,
        const AmpacityBasis& basis)
        : m_input(input)
        , m_load(load)
        , m_device(device)
        , m_deviceFusesOnly(deviceFusesOnly)
        , m_basis(basis)
        , m_sizes(CircuitSizes(input.Material))
    { }

    std::span<const ConductorSize> sizes() const { return m_sizes; }

    int terminalAmpacity(ConductorSize size) const
    {
        return Ampacity(size, m_input.Material, m_basis.TerminalColumn).value_or(0);
    }

    int insulationAmpacity(ConductorSize size) const
    {
        return Ampacity(size, m_input.Material, m_basis.InsulationColumn).value_or(0);
    }

    // A(s) = min(A_T(s, insulation) · F_ambient · F_adjust, A_T(s, t_T)).
    double ampacity(ConductorSize size) const
    {
        const double corrected = insulationAmpacity(size) * m_basis.AmbientFactor.value_or(0)
            * m_basis.AdjustmentFactor;
        return std::min(corrected, static_cast<double>(terminalAmpacity(size)));
    }

    // Per 1000 ft: R · PF + XL · sin θ from Table 9, or the DC resistance of Table 8.
    double effectiveZ(ConductorSize size) const
    {
        if (IsDirectCurrent(m_input.System))
            return StrandedConductorOf(size).dcOhms(m_input.Material);
        const AcImpedance impedance = AcImpedanceOf(size, m_input.Material, m_input.RacewayMaterial)
                                          .value_or(AcImpedance {});
        const double sine = std::sqrt(1 - m_input.PowerFactor * m_input.PowerFactor);
        return impedance.Resistance * m_input.PowerFactor + impedance.Reactance * sine;
    }

    double dropVolts(int sets, ConductorSize size) const
    {
        return phaseFactor(m_input.System) * m_load.Amps * m_input.LengthFeet * effectiveZ(size)
            / (1000.0 * sets);
    }

    double dropPercent(int sets, ConductorSize size) const
    {
        return dropVolts(sets, size) / m_input.Volts * 100;
    }

    bool upstreamGiven() const { return m_input.DropUpstreamPercent > 0; }

    bool meets(SizingRule rule, int sets, ConductorSize size) const
    {
        switch (rule) {
        case SizingRule::Terminals:
            return notBelow(sets * terminalAmpacity(size), m_load.TerminalAmpsNeeded);
        case SizingRule::ConditionsOfUse:
            return notBelow(sets * ampacity(size), m_load.Amps);
        case SizingRule::Protection:
            return protects(sets * ampacity(size));
        case SizingRule::SmallConductor: {
            const SmallConductorLimit* limit = SmallConductorLimitOf(size, m_input.Material);
            return !limit || m_device <= limit->MaxDeviceAmperes;
        }
        case SizingRule::ParallelMinimum:
            return sets == 1 || size >= kSmallestParallelSize;
        case SizingRule::VoltageDrop: {
            const double percent = dropPercent(sets, size);
            return notBelow(m_input.DropLimitPercent, percent)
                && (!upstreamGiven()
                    || notBelow(kTotalDropPercent, m_input.DropUpstreamPercent + percent));
        }
        }
        return false;
    }

    // Rules 1 to 5, and the voltage drop too when asked.
    bool meetsEvery(int sets, ConductorSize size, bool withDrop) const
    {
        return std::all_of(kAllSizingRules.begin(), kAllSizingRules.end(), [&](SizingRule rule) {
            return (rule == SizingRule::VoltageDrop && !withDrop) || meets(rule, sets, size);
        });
    }

    // The smallest size, up to the largest when one is given.
    std::optional<ConductorSize> smallest(
        int sets, std::optional<ConductorSize> largest, bool withDrop) const
    {
        for (ConductorSize size : m_sizes) {
            if (largest && size > *largest)
                break;
            if (meetsEvery(sets, size, withDrop))
                return size;
        }
        return std::nullopt;
    }

    std::optional<ConductorSize> smallestFor(SizingRule rule, int sets) const
    {
        const auto size = std::find_if(
            m_sizes.begin(), m_sizes.end(), [&](ConductorSize s) { return meets(rule, sets, s); });
        return size == m_sizes.end() ? std::nullopt : std::optional(*size);
    }

    // The first number of sets for which a size meets every rule, with that size.
    std::optional<SetsAndSize> firstSetsThatWork(std::optional<ConductorSize> largest) const
    {
        for (int sets = 1; sets <= kMostSets; ++sets) {
            if (const std::optional<ConductorSize> size = smallest(sets, largest, true))
                return SetsAndSize {sets, *size};
        }
        return std::nullopt;
    }

private:
    // 240.4: the conductors' ampacity not below the device; or, 240.4(B), a device of
    // 800 A or less that is the next standard rating above an ampacity that is not
    // itself a standard rating, when the circuit does not supply more than one
    // receptacle for cord-and-plug-connected portable loads.
    bool protects(double allSetsAmpacity) const
    {
        if (notBelow(allSetsAmpacity, m_device))
            return true;
        if (m_device > kLargestRoundUpDevice || m_input.Receptacles)
            return false;
        const double ampacity
            = nearlyWhole(allSetsAmpacity) ? std::round(allSetsAmpacity) : allSetsAmpacity;
        if (ampacity == std::round(ampacity) && isRatingInUse(static_cast<int>(ampacity)))
            return false;
        return nextRatingAbove(ampacity) == m_device;
    }

    // The ratings for fuses and inverse time circuit breakers, and a fuse-only rating
    // when the designer gave it.
    bool isRatingInUse(int amperes) const
    {
        const StandardRating* rating = FindStandardRating(amperes);
        return rating && (!rating->FusesOnly || (m_deviceFusesOnly && amperes == m_device));
    }

    std::optional<int> nextRatingAbove(double amperes) const
    {
        std::optional<int> next;
        for (const StandardRating& rating : StandardRatings()) {
            if (rating.Amperes > amperes && isRatingInUse(rating.Amperes)
                && (!next || rating.Amperes < *next))
                next = rating.Amperes;
        }
        return next;
    }

    const CircuitInput& m_input;
    const LoadFigures& m_load;
    int m_device;
    bool m_deviceFusesOnly;
    const AmpacityBasis& m_basis;
    std::span<const ConductorSize> m_sizes;
};

ConductorChoice describeChoice(const SizeRules& rules, SetsAndSize chosen)
{
    ConductorChoice choice;
    choice.Sets = chosen.Sets;
    choice.Size = chosen.Size;
    for (SizingRule rule : kAllSizingRules) {
        const ConductorSize smallest = rules.smallestFor(rule, chosen.Sets).value_or(chosen.Size);
        choice.SmallestForRule[static_cast<std::size_t>(rule)] = smallest;
        if (smallest > choice.SmallestForRule[static_cast<std::size_t>(choice.Governing)])
            choice.Governing = rule;
    }
    choice.TerminalAmpacity = rules.terminalAmpacity(chosen.Size);
    choice.InsulationAmpacity = rules.insulationAmpacity(chosen.Size);
    choice.Ampacity = rules.ampacity(chosen.Size);
    return choice;
}

std::vector<SizingRule> failingRules(const SizeRules& rules, int sets)
{
    std::vector<SizingRule> failing;
    const ConductorSize largest = rules.sizes().back();
    for (SizingRule rule : kAllSizingRules) {
        if (!rules.meets(rule, sets, largest))
            failing.push_back(rule);
    }
    return failing;
}

// Automatic sets: the first n whose smallest size is within the largest size per set;
// failing that, the same without the limit. Given sets: the smallest size with them.
void chooseConductors(const CircuitInput& input, const SizeRules& rules, CircuitResult& result)
{
    if (input.GivenSets) {
        if (const std::optional<ConductorSize> size
            = rules.smallest(*input.GivenSets, std::nullopt, true)) {
            result.Conductors = describeChoice(rules, {*input.GivenSets, *size});
        } else {
            result.NoSize = NoSizeReason::NoSizeWithGivenSets;
            result.FailingAtLargestSize = failingRules(rules, *input.GivenSets);
        }
        return;
    }

    bool exceeded = false;
    std::optional<SetsAndSize> chosen = rules.firstSetsThatWork(input.LargestSizePerSet);
    if (!chosen) {
        chosen = rules.firstSetsThatWork(std::nullopt);
        exceeded = chosen.has_value();
    }
    if (!chosen) {
        result.NoSize = NoSizeReason::NoSetsWork;
        result.FailingAtLargestSize = failingRules(rules, kMostSets);
        return;
    }
    result.Conductors = describeChoice(rules, *chosen);
    result.Conductors->LargestSizeExceeded = exceeded;
    if (!exceeded && chosen->Sets > 1) {
        const std::optional<SetsAndSize> unlimited = rules.firstSetsThatWork(std::nullopt);
        if (unlimited && unlimited->Sets < chosen->Sets)
            result.Conductors->WithoutLargestSize = unlimited;
    }
}

DropFigures dropFigures(const CircuitInput& input, const LoadFigures& load, const SizeRules& rules,
    const ConductorChoice& choice)
{
    DropFigures drop;
    drop.DirectCurrent = IsDirectCurrent(input.System);
    if (drop.DirectCurrent) {
        drop.Resistance = StrandedConductorOf(choice.Size).dcOhms(input.Material);
    } else {
        const AcImpedance impedance
            = AcImpedanceOf(choice.Size, input.Material, input.RacewayMaterial)
                  .value_or(AcImpedance {});
        drop.Resistance = impedance.Resistance;
        drop.Reactance = impedance.Reactance;
    }
    drop.EffectiveZ = rules.effectiveZ(choice.Size);
    drop.Volts = rules.dropVolts(choice.Sets, choice.Size);
    drop.Percent = drop.Volts / input.Volts * 100;
    drop.LoadVolts = input.Volts - drop.Volts;
    drop.TotalPercent = input.DropUpstreamPercent + drop.Percent;

    drop.LimitPercent = rules.upstreamGiven()
        ? std::min(input.DropLimitPercent, kTotalDropPercent - input.DropUpstreamPercent)
        : input.DropLimitPercent;
    const double maxLength = std::max(0.0, drop.LimitPercent) / 100 * input.Volts * 1000
        * choice.Sets / (phaseFactor(input.System) * load.Amps * drop.EffectiveZ);
    drop.MaxLengthFeet = std::floor(maxLength);

    if (!drop.DirectCurrent) {
        // IEEE 141: the source voltage fixed, the power factor lagging at the load.
        const double perConductor
            = input.LengthFeet / (1000.0 * choice.Sets) * (IsThreePhase(input.System) ? 1 : 2);
        const double r = drop.Resistance * perConductor;
        const double x = drop.Reactance * perConductor;
        const double e
            = IsThreePhase(input.System) ? input.Volts / std::numbers::sqrt3 : input.Volts;
        const double cosine = input.PowerFactor;
        const double sine = std::sqrt(1 - cosine * cosine);
        const double quadrature = load.Amps * (x * cosine - r * sine);
        const double radicand = e * e - quadrature * quadrature;
        if (radicand >= 0) {
            const double perPhase = e + load.Amps * (r * cosine + x * sine) - std::sqrt(radicand);
            drop.ExactVolts
                = IsThreePhase(input.System) ? std::numbers::sqrt3 * perPhase : perPhase;
        }
    }
    return drop;
}

std::int64_t circularMils(ConductorSize size)
{
    return StrandedConductorOf(size).CircularMils;
}

// 250.122: the table's size for the device; grown with the phases when they were upsized
// beyond what rules 1 to 5 need (B), in every raceway of a parallel run (F), and never
// larger than the phases of a single set in the same material (A).
EgcFigures egcFigures(
    const CircuitInput& input, const SizeRules& rules, int device, const ConductorChoice& choice)
{
    EgcFigures egc;
    egc.Row = EgcRowFor(device);
    egc.Material = input.EgcMaterial;
    egc.Minimum = egc.Row ? egc.Row->size(egc.Material) : ConductorSize::Awg14;
    if (egc.Material == nec::Material::Aluminum)
        egc.Minimum = std::max(egc.Minimum, kSmallestAluminumConductor);
    egc.Count = choice.Sets;

    const auto baseWithin = [&](std::optional<ConductorSize> largest) {
        std::optional<std::int64_t> base;
        for (int sets = 1; sets <= choice.Sets; ++sets) {
            if (const std::optional<ConductorSize> size = rules.smallest(sets, largest, false)) {
                const std::int64_t total = sets * circularMils(*size);
                base = std::min(base.value_or(total), total);
            }
        }
        return base;
    };
    const std::optional<ConductorSize> largest
        = input.GivenSets ? std::nullopt : std::optional(input.LargestSizePerSet);
    egc.ChosenCircularMils = choice.Sets * circularMils(choice.Size);
    std::optional<std::int64_t> base = baseWithin(largest);
    if (!base && largest)
        base = baseWithin(std::nullopt);
    egc.BaseCircularMils = base.value_or(egc.ChosenCircularMils);

    egc.Size = egc.Minimum;
    egc.Upsized = egc.ChosenCircularMils > egc.BaseCircularMils;
    if (egc.Upsized) {
        const std::int64_t minimum = circularMils(egc.Minimum);
        egc.RequiredCircularMils
            = static_cast<double>(minimum) * egc.ChosenCircularMils / egc.BaseCircularMils;
        const auto& all = AllConductorSizes();
        const auto size = std::find_if(all.begin(), all.end(), [&](ConductorSize s) {
            return circularMils(s) * egc.BaseCircularMils >= minimum * egc.ChosenCircularMils;
        });
        egc.Size = size == all.end() ? std::nullopt : std::optional(*size);
    }
    if (egc.Size && choice.Sets == 1 && egc.Material == input.Material && *egc.Size > choice.Size) {
        egc.Size = choice.Size;
        egc.Capped = true;
    }
    return egc;
}

RacewayFigures racewayFigures(
    const CircuitInput& input, const ConductorChoice& choice, const EgcFigures& egc)
{
    RacewayFigures raceway;
    raceway.PhaseAndNeutralConductors = phaseAndNeutralConductors(input.System);
    if (!egc.Size)
        return raceway;
    FillRequest request;
    request.Raceway = input.Raceway;
    request.Groups = {
        {raceway.PhaseAndNeutralConductors, choice.Size, input.Insulation},
        {1, *egc.Size, input.Insulation},
    };
    raceway.Fill = ComputeFill(request);
    return raceway;
}

// Point-to-point: f = k · L · I_s / (C · n · V), M = 1 / (1 + f), and the running motors
// add four times their current at the fault, not reduced by the run.
FaultFigures faultFigures(const CircuitInput& input, const ConductorChoice& choice)
{
    FaultFigures fault;
    if (IsDirectCurrent(input.System)) {
        fault.Status = FaultStatus::DirectCurrent;
        return fault;
    }
    if (!input.SourceFaultAmps)
        return fault;
    fault.Status = FaultStatus::Computed;
    fault.C = PointToPointCOf(choice.Size, input.Material, input.RacewayMaterial)
                  .value_or(PointToPointC {});
    const double sourceAmps = *input.SourceFaultAmps;
    fault.F = phaseFactor(input.System) * input.LengthFeet * sourceAmps
        / (static_cast<double>(fault.C.Value) * choice.Sets * input.Volts);
    fault.M = 1 / (1 + fault.F);
    fault.FromSourceAmps = sourceAmps * fault.M;
    fault.MotorContributionAmps = kMotorContributionMultiple * input.MotorAmps;
    fault.AtEndAmps = fault.FromSourceAmps + fault.MotorContributionAmps;
    return fault;
}

std::vector<Check> checksOf(
    const CircuitInput& input, const CircuitResult& result, const SizeRules* rules)
{
    std::vector<Check> checks;
    checks.push_back({CheckKind::Device, result.Device.Meets,
        static_cast<double>(result.Device.Rating.value_or(0)), result.Load.TerminalAmpsNeeded});
    checks.push_back({CheckKind::Conductor, result.Conductors.has_value()});
    if (!result.Conductors || !rules)
        return checks;

    const ConductorChoice& choice = *result.Conductors;
    const int sets = choice.Sets;
    const double device = *result.Device.Rating;
    checks.push_back({CheckKind::Terminals, rules->meets(SizingRule::Terminals, sets, choice.Size),
        static_cast<double>(choice.terminalAmpacityAllSets()), result.Load.TerminalAmpsNeeded});
    checks.push_back(
        {CheckKind::ConditionsOfUse, rules->meets(SizingRule::ConditionsOfUse, sets, choice.Size),
            choice.ampacityAllSets(), result.Load.Amps});
    const bool protects = rules->meets(SizingRule::Protection, sets, choice.Size);
    checks.push_back({CheckKind::Protection, protects, choice.ampacityAllSets(), device,
        protects && !notBelow(choice.ampacityAllSets(), device)});
    if (const SmallConductorLimit* limit = SmallConductorLimitOf(choice.Size, input.Material)) {
        checks.push_back(
            {CheckKind::SmallConductor, rules->meets(SizingRule::SmallConductor, sets, choice.Size),
                device, static_cast<double>(limit->MaxDeviceAmperes)});
    }
    if (sets > 1) {
        checks.push_back({CheckKind::ParallelMinimum,
            rules->meets(SizingRule::ParallelMinimum, sets, choice.Size)});
    }
    const DropFigures& drop = *result.Drop;
    checks.push_back({CheckKind::VoltageDrop, notBelow(input.DropLimitPercent, drop.Percent),
        drop.Percent, input.DropLimitPercent});
    if (rules->upstreamGiven()) {
        checks.push_back({CheckKind::TotalDrop, notBelow(kTotalDropPercent, drop.TotalPercent),
            drop.TotalPercent, kTotalDropPercent});
    }
    const TradeSizeFill* fit
        = result.Raceway && result.Raceway->Fill ? result.Raceway->Fill->smallestFit() : nullptr;
    checks.push_back({CheckKind::Raceway, fit != nullptr, fit ? fit->PercentFill : 0,
        result.Raceway && result.Raceway->Fill ? double(result.Raceway->Fill->AllowedPercent)
                                               : 0.0});
    return checks;
}

} // namespace

CircuitResult CheckCircuit(const CircuitInput& input, const numtext::Separators& separators)
{
    CircuitResult result;
    result.Load = loadFigures(input);
    result.Device = deviceFigures(input, result.Load);
    result.Basis = ampacityBasis(input);
    result.Fault.Status
        = IsDirectCurrent(input.System) ? FaultStatus::DirectCurrent : FaultStatus::NotGiven;

    std::optional<SizeRules> rules;
    if (!result.Device.Rating) {
        result.NoSize = NoSizeReason::NoStandardDevice;
    } else if (!result.Basis.AmbientFactor) {
        result.NoSize = NoSizeReason::NoAmbientFactor;
    } else {
        rules.emplace(
            input, result.Load, *result.Device.Rating, result.Device.FusesOnly, result.Basis);
        chooseConductors(input, *rules, result);
    }

    if (result.Conductors) {
        const ConductorChoice& choice = *result.Conductors;
        result.Drop = dropFigures(input, result.Load, *rules, choice);
        result.Egc = egcFigures(input, *rules, *result.Device.Rating, choice);
        result.Raceway = racewayFigures(input, choice, *result.Egc);
        result.Fault = faultFigures(input, choice);
    }
    result.ListingNote = result.Device.Rating && *result.Device.Rating <= kListingNoteAmperes
        && input.TerminalRating != TemperatureRating::C60;
    result.Checks = checksOf(input, result, rules ? &*rules : nullptr);
    result.Working = BuildWorking(input, result, separators);
    return result;
}

} // namespace nec
