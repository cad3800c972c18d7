#include "fault/fault_inputs.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>

namespace {

enum class Rule
{
    NotNegative,
    AboveZero,
    WholeFromOne,
};

struct FieldReading
{
    FaultField field;
    std::string FaultInputTexts::*text;
    double FaultCalcInputs::*value;
    Rule rule;
};

constexpr FieldReading kKva {
    FaultField::Kva, &FaultInputTexts::Kva, &FaultCalcInputs::Kva, Rule::AboveZero};
constexpr FieldReading kPercentZ {
    FaultField::PercentZ, &FaultInputTexts::PercentZ, &FaultCalcInputs::PercentZ, Rule::AboveZero};
constexpr FieldReading kPrimaryVolts {FaultField::PrimaryVolts, &FaultInputTexts::PrimaryVolts,
    &FaultCalcInputs::PrimaryVolts, Rule::AboveZero};
constexpr FieldReading kSecondaryVolts {FaultField::SecondaryVolts,
    &FaultInputTexts::SecondaryVolts, &FaultCalcInputs::SecondaryVolts, Rule::AboveZero};
constexpr FieldReading kAvailableFaultAmps {FaultField::AvailableFaultAmps,
    &FaultInputTexts::AvailableFaultAmps, &FaultCalcInputs::AvailableFaultAmps, Rule::NotNegative};
constexpr FieldReading kConductorsPerPhase {FaultField::ConductorsPerPhase,
    &FaultInputTexts::ConductorsPerPhase, &FaultCalcInputs::ConductorsPerPhase, Rule::WholeFromOne};
constexpr FieldReading kLengthFeet {FaultField::LengthFeet, &FaultInputTexts::LengthFeet,
    &FaultCalcInputs::LengthFeet, Rule::NotNegative};

// Each mode's fields in the order its formulas use them.
constexpr FieldReading kBreakerSource[] = {kAvailableFaultAmps};
constexpr FieldReading kInfinitePrimarySource[] = {kKva, kSecondaryVolts, kPercentZ};
constexpr FieldReading kKnownPrimarySource[]
    = {kAvailableFaultAmps, kPrimaryVolts, kPercentZ, kKva, kSecondaryVolts};
constexpr FieldReading kRun[] = {kLengthFeet, kConductorsPerPhase, kSecondaryVolts};

// No kVA, voltage, current, count or length of building wiring comes near a billion, and
// no impedance, rating or voltage we divide by is below a millionth. Inside these bounds
// every current stays a number; beyond them the arithmetic would leave the range of
// numbers and the labels would show nothing.
constexpr double kLargest = 1e9;
constexpr double kSmallestDivisor = 1e-6;

bool obeys(double value, Rule rule)
{
    if (value > kLargest)
        return false;
    switch (rule) {
    case Rule::NotNegative:
        return value >= 0;
    case Rule::AboveZero:
        return value >= kSmallestDivisor;
    case Rule::WholeFromOne:
        return value >= 1 && value == std::floor(value);
    }
    return false;
}

// Reads the fields into `inputs`; the first one that does not obey its rule is refused.
std::optional<FaultField> read(std::span<const FieldReading> fields, const FaultInputTexts& texts,
    FaultCalcInputs& inputs, const numtext::Separators& separators)
{
    for (const FieldReading& field : fields) {
        const std::optional<double> value = numtext::toNumber(texts.*field.text, separators);
        if (!value || !obeys(*value, field.rule))
            return field.field;
        inputs.*field.value = *value;
    }
    return std::nullopt;
}

} // namespace

std::string_view FaultFieldName(FaultField field)
{
    switch (field) {
    case FaultField::Kva:
        return "KVA";
    case FaultField::PercentZ:
        return "% Z";
    case FaultField::PrimaryVolts:
        return "Primary Volts";
    case FaultField::SecondaryVolts:
        return "Line-Line Voltage";
    case FaultField::AvailableFaultAmps:
        return "Available Fault Current";
    case FaultField::ConductorsPerPhase:
        return "Wires Per Phase";
    case FaultField::LengthFeet:
        return "Length of run in feet";
    }
    return {};
}

bool ForcesSinglePhase(std::string_view secondaryVolts)
{
    constexpr std::string_view singlePhaseOnly[] = {"277", "120"};
    return std::ranges::find(singlePhaseOnly, secondaryVolts) != std::end(singlePhaseOnly);
}

bool IsConductorRun(std::string_view wireSize)
{
    return !wireSize.empty() && wireSize != "Terminals";
}

FaultInputReading ReadFaultInputs(
    const FaultInputTexts& texts, std::int32_t conductorC, const numtext::Separators& separators)
{
    FaultInputReading reading;
    FaultCalcInputs& inputs = reading.Inputs;
    inputs.SourceIsBreaker = texts.SourceIsBreaker;
    inputs.InfinitePrimary = texts.InfinitePrimary;
    inputs.ThreePhase = texts.ThreePhase;
    inputs.ConductorRun = IsConductorRun(texts.WireSize);
    inputs.ConductorC = conductorC;

    std::span<const FieldReading> source = kKnownPrimarySource;
    if (texts.SourceIsBreaker)
        source = kBreakerSource;
    else if (texts.InfinitePrimary)
        source = kInfinitePrimarySource;
    reading.Refused = read(source, texts, inputs, separators);
    if (!reading.Refused && inputs.ConductorRun)
        reading.Refused = read(kRun, texts, inputs, separators);
    return reading;
}
