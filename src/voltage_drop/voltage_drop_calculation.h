#pragma once

// The voltage-drop and wire-size calculation behind the Calculate button: validation of
// the page's inputs, then the fixed-size mode or the size search, which has its own file.
// The formulas both share are in drop_formulas.

#include "app/number_text.h"
#include "voltage_drop/result_display.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_settings.h"
#include "voltage_drop/voltage_drop_state.h"

#include <optional>
#include <vector>

// What a press of the Calculate button leaves for the page to do, in this order: show
// the message, empty the box and give it the focus, play the display script.
struct CalculationOutcome
{
    std::optional<PageMessage> Message;
    InputBox Focus = InputBox::None;
    bool EmptyFocusBox = false;
    std::vector<DisplayOperation> Display;
};

// One press as VoltageDropCalculator keeps it: the outcome for the page, and what its
// settings are to keep.
struct CalculationRun
{
    CalculationOutcome Outcome;
    // The parallel sets the result was calculated with; none when the count typed was
    // refused. Kept even when a later box is refused.
    std::optional<int> SetsPerPhase;
    bool ResultReady = false; // a result for the sheet was made
};

// The whole calculation of one press: validation, load current, then the fixed-size
// calculation or the size search. Writes the working record; reads the settings' power
// factor and the choices the result text reports.
CalculationRun CalculateVoltageDrop(const VoltageDropInputs& inputs, VoltageDropState& state,
    const VoltageDropSettings& settings, const numtext::Separators& separators);
