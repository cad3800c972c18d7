#pragma once

// The rules the Voltage Drop page applies while the user edits it: the circuit type a
// voltage implies, the cautions for long lighting taps, the power-factor limits, and the
// ampacity rule for the small conductor sizes.

#include "app/conductor_tables.h"
#include "app/number_text.h"
#include "voltage_drop/voltage_drop_inputs.h"

#include <optional>
#include <string>
#include <string_view>

// "277", "125" and "120" are single-phase voltages, "12", "24", "36" and "48" direct
// current; any other text implies nothing. Compared exactly, as typed.
std::optional<Circuit> CircuitForVoltage(std::string_view voltsText);

// The page's circuit choices that a voltage decides: the circuit type, and the load entry
// that direct current takes with it.
struct CircuitSetup
{
    Circuit Phases = Circuit::ThreePhase;
    LoadEntry Load = LoadEntry::FullLoadAmps;

    bool operator==(const CircuitSetup&) const = default;
};

// A typed voltage is judged by its whole text, not key by key: the setup that the setup
// before the typing began and the text as it now stands give. "48" is direct current
// with a total load in volt-amperes; "480" after it is the setup from before the typing
// again. A circuit that was direct current before the typing stays so, as it does for a
// voltage chosen from the list.
CircuitSetup SetupForTypedVoltage(const CircuitSetup& before, std::string_view voltsText);

// The caution shown under the inputs for an 18 awg tap over 50 ft or a 16 awg tap over
// 100 ft; empty otherwise, and for a length that is not a number.
std::string LightingTapNote(
    std::string_view lengthText, int sizeIndex, const numtext::Separators& separators = {});

// A power-factor text out of range, replaced by the nearest accepted text together with
// a message.
struct PowerFactorCorrection
{
    std::string Text;
    PageMessage Message;
};

// Below 0.1 %: the text becomes 0.1 with the locale's decimal separator.
std::optional<PowerFactorCorrection> PowerFactorBelowRange(
    std::string_view text, const numtext::Separators& separators = {});
// Above 99.9 %, including exactly 100.
std::optional<PowerFactorCorrection> PowerFactorAboveRange(
    std::string_view text, const numtext::Separators& separators = {});

// The NEC gives no current rating for 18, 16 and 14 awg aluminum, nor for 18 and 16 awg
// copper at 75 C: those sizes block the calculation with a message. Any other choice
// opens it again. No chosen size (index -1) counts as below the limits.
struct AmpacityRuling
{
    bool CalculationAllowed = true;
    std::optional<PageMessage> Message; // when blocked
};

AmpacityRuling CheckWireAmpacity(int sizeIndex, Material material, Temperature rating);

// The answer to a size typed rather than chosen from the list.
PageMessage ChooseSizeFromListMessage();

// The answer to a size below 1/0 awg with parallel conductors.
PageMessage ParallelSizeMessage();

// The smallest size that may run in parallel sets.
inline constexpr int kSmallestParallelSizeRow = kRow1_0Awg;
