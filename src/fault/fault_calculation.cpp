#include "fault/fault_calculation.h"

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

FaultCalcResult RunFaultCalculation(const FaultCalcInputs& in)
{
    FaultCalcResult result;
    if (in.SourceIsBreaker) {
        result.SourceFaultAmps = in.AvailableFaultAmps;
    } else if (in.InfinitePrimary) {
        const double fla = TransformerFullLoadAmps(in.Kva, in.SecondaryVolts, in.ThreePhase);
        result.FullLoadAmps = fla;
        result.SourceFaultAmps = InfinitePrimaryFaultAmps(fla, in.PercentZ);
    } else {
        const float f = TransformerFFactor(
            in.AvailableFaultAmps, in.PrimaryVolts, in.PercentZ, in.Kva, in.ThreePhase);
        result.FullLoadAmps = TransformerFullLoadAmps(in.Kva, in.SecondaryVolts, in.ThreePhase);
        result.SourceFaultAmps
            = SecondaryFaultAmps(in.AvailableFaultAmps, in.PrimaryVolts, in.SecondaryVolts, f);
    }

    if (in.ConductorRun) {
        const float f = ConductorFFactor(in.LengthFeet, result.SourceFaultAmps,
            in.ConductorsPerPhase, in.ConductorC, in.SecondaryVolts, in.ThreePhase);
        result.EndOfRunAmps = EndOfRunFaultAmps(f, result.SourceFaultAmps);
    } else {
        result.EndOfRunAmps = result.SourceFaultAmps;
    }
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
        captions.SourceFault
            = numtext::format(result.SourceFaultAmps, Mask::GroupedWhole, separators) + " ISC";
    }
    captions.EndOfRun
        = numtext::format(result.EndOfRunAmps, Mask::GroupedWhole, separators) + " Amps";
    return captions;
}
