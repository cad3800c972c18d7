// The voltage-drop calculation: any page state runs without undefined behaviour; a
// finished search rests on a real conductor size that carries the load within the
// allowed drop; a fixed-size drop doubles with the length.

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <cmath>

namespace {

// A number as an engineer types it, mostly in range, sometimes far beyond it.
std::string numberText(FuzzInput& input, const numtext::Separators& separators)
{
    switch (input.byte() % 4) {
    case 0:
        return input.text(); // anything at all
    case 1:
        return numtext::GeneralNumberText(input.value<double>(), separators);
    default:
        return numtext::GeneralNumberText(double(input.value<std::uint16_t>()) / 10, separators);
    }
}

template<typename Enum>
Enum choice(FuzzInput& input, int count)
{
    return static_cast<Enum>(input.byte() % count);
}

// A calculator as the main window's first activation leaves it, at a power factor chosen.
VoltageDropCalculator activatedCalculator(double powerFactor)
{
    VoltageDropCalculator calculator;
    calculator.activate();
    calculator.choosePowerFactor(powerFactor);
    return calculator;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    VoltageDropInputs inputs;
    inputs.Mode = choice<CalcMode>(input, 3);
    inputs.Load = choice<LoadEntry>(input, 3);
    inputs.Phases = choice<Circuit>(input, 3);
    inputs.Wire = choice<Material>(input, 2);
    inputs.Rating = choice<Temperature>(input, 2);
    inputs.Conduit = choice<Raceway>(input, 3);
    inputs.Coated = choice<Coating>(input, 2);
    inputs.Parallel = input.byte() % 2;
    inputs.SizeIndex = int(input.byte() % 24) - 1;
    inputs.LoadText = numberText(input, separators);
    inputs.VoltsText = numberText(input, separators);
    const double length = double(input.value<std::uint16_t>());
    const bool lengthAsTyped = input.byte() % 8 != 0;
    inputs.LengthText = lengthAsTyped ? numtext::GeneralNumberText(length, separators)
                                      : numberText(input, separators);
    inputs.BranchPercentText = numberText(input, separators);
    inputs.FeederPercentText = numberText(input, separators);
    inputs.WiresPerPhaseText = numberText(input, separators);
    const double powerFactor = 1 + input.byte() % 100;

    VoltageDropCalculator calculator = activatedCalculator(powerFactor);
    const CalculationOutcome outcome = calculator.calculate(inputs, separators);
    if (outcome.Message)
        return 0;
    const VoltageDropState& state = calculator.state();
    const VoltageDropSettings& settings = calculator.settings();

    if (inputs.Mode != CalcMode::FixedSize) {
        FUZZ_CHECK(state.SizeIndex >= 0 && state.SizeIndex <= kLastSizeRow, "size row %d",
            state.SizeIndex);
        FUZZ_CHECK(settings.ResultReady, "a finished search leaves no result");
        const double capacity = double(settings.SetsPerPhase)
            * ConductorTable(state.SizeIndex).amps(state.AmpsColumn);
        FUZZ_CHECK(capacity >= state.LoadAmps, "%d sets of row %d carry %g A of %g A",
            settings.SetsPerPhase, state.SizeIndex, capacity, state.LoadAmps);
        FUZZ_CHECK(!(state.PercentDrop > state.TargetPercent), "drop %g %% above the target %g %%",
            state.PercentDrop, state.TargetPercent);
        return 0;
    }

    // The same circuit twice as long drops twice the voltage.
    // Drops too small for full precision lose digits to rounding; leave them out.
    if (!lengthAsTyped || length == 0 || !std::isfinite(2 * state.VoltDrop)
        || std::fabs(state.VoltDrop) < 1e-290)
        return 0;
    const double drop = state.VoltDrop;
    VoltageDropInputs longer = inputs;
    longer.LengthText = numtext::GeneralNumberText(2 * length, separators);
    VoltageDropCalculator calculatorAgain = activatedCalculator(powerFactor);
    const CalculationOutcome twice = calculatorAgain.calculate(longer, separators);
    const VoltageDropState& again = calculatorAgain.state();
    // Near the end of the range of numbers, doubling may push a step past it and be refused.
    const bool farFromOverflow
        = std::fabs(state.LoadAmps * length) < 1e290 && std::fabs(state.PercentDrop) < 1e290;
    if (!farFromOverflow)
        return 0;
    FUZZ_CHECK(!twice.Message, "twice the length refused: %s", twice.Message->Text.c_str());
    FUZZ_CHECK(std::fabs(again.VoltDrop - 2 * drop) <= std::fabs(drop) * 1e-12,
        "%g V over %g ft, %g V over twice that", drop, length, again.VoltDrop);
    return 0;
}
