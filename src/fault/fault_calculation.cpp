#include "fault/fault_calculation.h"

#include <cmath>

double TransformerFullLoadAmps(double kva, double volts, bool threePhase)
{
    return threePhase ? kva * 1000 / (volts * kThreePhaseFactor) : kva * 1000 / volts;
}

double InfinitePrimaryFaultAmps(double fla, double percentZ)
{
    return 100 / (percentZ * 0.9) * fla;
}

float TransformerFFactor(
    double primaryAmps, double primaryVolts, double percentZ, double kva, bool threePhase)
{
    const double f = threePhase
        ? primaryAmps * primaryVolts * kThreePhaseFactor * percentZ / (kva * 100000)
        : primaryAmps * primaryVolts * percentZ / (kva * 100000);
    return static_cast<float>(f);
}

double PointToPointMultiplier(float f)
{
    return 1 / (1 + static_cast<double>(f));
}

double SecondaryFaultAmps(double primaryAmps, double primaryVolts, double secondaryVolts, float f)
{
    return (primaryVolts / secondaryVolts) * primaryAmps * PointToPointMultiplier(f);
}

float ConductorFFactor(double lengthFeet, double startAmps, double conductorsPerPhase,
    std::int32_t c, double volts, bool threePhase)
{
    const double f = threePhase
        ? lengthFeet * kThreePhaseFactor * startAmps / (conductorsPerPhase * c * volts)
        : 2 * lengthFeet * startAmps / (conductorsPerPhase * c * volts);
    return static_cast<float>(f);
}

double EndOfRunFaultAmps(float f, double startAmps)
{
    return PointToPointMultiplier(f) * startAmps;
}

namespace {

std::optional<double> finiteOrNone(double value)
{
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The fault current at the start of the circuit; a transformer's full-load current on
// the way.
std::optional<double> sourceFaultAmps(const FaultCalcInputs& in, FaultCalcResult& result)
{
    if (in.SourceIsBreaker)
        return in.AvailableFaultAmps;
    if (in.InfinitePrimary) {
        result.FullLoadAmps
            = finiteOrNone(TransformerFullLoadAmps(in.Kva, in.SecondaryVolts, in.ThreePhase));
        if (!result.FullLoadAmps)
            return std::nullopt;
        return finiteOrNone(InfinitePrimaryFaultAmps(*result.FullLoadAmps, in.PercentZ));
    }
    // A known primary: the full-load current stands only with the fault current.
    const float f = TransformerFFactor(
        in.AvailableFaultAmps, in.PrimaryVolts, in.PercentZ, in.Kva, in.ThreePhase);
    const std::optional<double> fla
        = finiteOrNone(TransformerFullLoadAmps(in.Kva, in.SecondaryVolts, in.ThreePhase));
    const std::optional<double> source = std::isfinite(f)
        ? finiteOrNone(
            SecondaryFaultAmps(in.AvailableFaultAmps, in.PrimaryVolts, in.SecondaryVolts, f))
        : std::nullopt;
    if (fla && source)
        result.FullLoadAmps = fla;
    return result.FullLoadAmps ? source : std::nullopt;
}

} // namespace

FaultCalcResult RunFaultCalculation(const FaultCalcInputs& in)
{
    FaultCalcResult result;
    result.SourceFaultAmps = sourceFaultAmps(in, result);
    if (!result.SourceFaultAmps)
        return result;
    const double source = *result.SourceFaultAmps;
    if (!in.ConductorRun) {
        result.EndOfRunAmps = source;
        return result;
    }
    const float f = ConductorFFactor(in.LengthFeet, source, in.ConductorsPerPhase, in.ConductorC,
        in.SecondaryVolts, in.ThreePhase);
    if (std::isfinite(f))
        result.EndOfRunAmps = finiteOrNone(EndOfRunFaultAmps(f, source));
    return result;
}

FaultCaptions FaultResultCaptions(
    const FaultCalcResult& result, const numtext::Separators& separators)
{
    using numtext::Mask;
    FaultCaptions captions;
    if (result.FullLoadAmps) {
        captions.FullLoad
            = numtext::format(*result.FullLoadAmps, Mask::GroupedOneDecimal, separators) + " FLA";
        if (result.SourceFaultAmps) {
            captions.SourceFault
                = numtext::format(*result.SourceFaultAmps, Mask::GroupedWhole, separators) + " ISC";
        }
    }
    if (result.EndOfRunAmps) {
        captions.EndOfRun
            = numtext::format(*result.EndOfRunAmps, Mask::GroupedWhole, separators) + " Amps";
    }
    return captions;
}
