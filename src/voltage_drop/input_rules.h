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
