#pragma once

// Available fault current by the point-to-point method: at the start of a circuit (the
// secondary terminals of a transformer, or a breaker with a known fault current) and at
// the far end of a conductor run.
//
// The factor f is kept in single precision: each f is rounded to float as soon as it is
// computed, and the multiplier and currents are then worked in double from that float,
// so results match the published worked examples to the ampere.

#include "app/number_text.h"

#include <cstdint>
#include <optional>
#include <string>

// Three-phase constant of every formula here: the published square root of three,
// not a computed one.
inline constexpr double kThreePhaseFactor = 1.7320508;

double TransformerFullLoadAmps(double kva, double volts, bool threePhase);

// Fault current at the secondary of a transformer fed from an infinite bus. The
// nameplate impedance is taken at 90 %, here only.
double InfinitePrimaryFaultAmps(double fla, double percentZ);

float TransformerFFactor(
    double primaryAmps, double primaryVolts, double percentZ, double kva, bool threePhase);

double PointToPointMultiplier(float f);

double SecondaryFaultAmps(double primaryAmps, double primaryVolts, double secondaryVolts, float f);

// Single-phase runs count the conductor out and back.
float ConductorFFactor(double lengthFeet, double startAmps, double conductorsPerPhase,
    std::int32_t c, double volts, bool threePhase);

double EndOfRunFaultAmps(float f, double startAmps);

struct FaultCalcInputs
{
    bool SourceIsBreaker = true; // otherwise a transformer
    bool InfinitePrimary = false; // transformer fed from an infinite bus
    bool ThreePhase = true;
    double Kva = 0;
    double PercentZ = 0;
    double PrimaryVolts = 0;
    double SecondaryVolts = 0; // line-to-line volts of the circuit
    double AvailableFaultAmps = 0; // at the primary, or at the breaker
    bool ConductorRun = false; // a wire size is chosen; otherwise the fault is at the terminals
    double ConductorsPerPhase = 1;
    double LengthFeet = 0;
    std::int32_t ConductorC = 0;
};

// A numeric overflow ends the calculation where it happens: what was computed before it
// is a result, what comes after it is absent. An f beyond single precision is such an
// overflow; taken as it is, it would make the multiplier 0 and the current nothing.
struct FaultCalcResult
{
    std::optional<double> FullLoadAmps; // transformer source only
    std::optional<double> SourceFaultAmps;
    std::optional<double> EndOfRunAmps;
};

FaultCalcResult RunFaultCalculation(const FaultCalcInputs& inputs);

// The result labels' captions. A caption is absent where its label keeps what it shows:
// the transformer captions for a breaker source, and every caption past an overflow.
struct FaultCaptions
{
    std::optional<std::string> FullLoad; // "1,387.9 FLA"
    std::optional<std::string> SourceFault; // "29,655 ISC"
    std::optional<std::string> EndOfRun; // "11,244 Amps"
};

FaultCaptions FaultResultCaptions(
    const FaultCalcResult& result, const numtext::Separators& separators = {});
