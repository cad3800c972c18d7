#pragma once

// Reading the Short Circuit page's fields for a fault calculation. Every field the
// chosen mode uses is checked, in the order the calculation uses it, before anything
// is computed; the first field that cannot be used refuses the whole calculation.

#include "app/number_text.h"
#include "fault/fault_calculation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The fields as typed, with the page's mode choices.
struct FaultInputTexts
{
    bool SourceIsBreaker = true;
    bool InfinitePrimary = false;
    bool ThreePhase = true;
    std::string Kva;
    std::string PercentZ;
    std::string PrimaryVolts;
    std::string SecondaryVolts;
    std::string AvailableFaultAmps;
    std::string WireSize; // a size text, "Terminals" or empty
    std::string ConductorsPerPhase;
    std::string LengthFeet;
};

enum class FaultField
{
    Kva,
    PercentZ,
    PrimaryVolts,
    SecondaryVolts,
    AvailableFaultAmps,
    ConductorsPerPhase,
    LengthFeet,
};

// The name the messages give the field ("KVA", "% Z", ...).
std::string_view FaultFieldName(FaultField field);

// "277" and "120" are voltages of single-phase systems only: the page chooses single
// phase for them and offers no three-phase choice. Compared exactly, as typed.
bool ForcesSinglePhase(std::string_view secondaryVolts);

// "Terminals" and the empty text put the fault at the start of the circuit.
bool IsConductorRun(std::string_view wireSize);

struct FaultInputReading
{
    FaultCalcInputs Inputs; // complete only when nothing is refused
    std::optional<FaultField> Refused;
};

// A number refuses a field when it is missing, negative, zero where it divides (kVA,
// %Z, the voltages), or, for the conductors per phase, not a whole number from 1 up;
// also a value above a billion, and a divisor below a millionth, which no real circuit has.
FaultInputReading ReadFaultInputs(const FaultInputTexts& texts, std::int32_t conductorC,
    const numtext::Separators& separators = {});
