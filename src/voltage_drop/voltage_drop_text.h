#pragma once

// The result texts of the voltage-drop calculator: eight lines for an alternating-current
// circuit (and for every size search), six for a direct-current circuit of a chosen size.
// Lines are separated by a carriage return alone; the length, load and voltage appear
// exactly as typed.

#include "app/number_text.h"
#include "app/voltage_drop_settings.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_state.h"

#include <string>

// Sets WireSizeName and WireAmps from SizeIndex and AmpsColumn, and ResultText to the
// text it returns. `volts` is the source voltage read from the page.
std::string BuildVoltageDropText(VoltageDropState& state, const VoltageDropSettings& settings,
    const VoltageDropInputs& inputs, double volts, const numtext::Separators& separators = {});

// Sets ResultText to the text it returns; WireSizeName and WireAmps are the ones the
// calculation has set.
std::string BuildDcVoltageDropText(VoltageDropState& state, const VoltageDropSettings& settings,
    const VoltageDropInputs& inputs, double volts, const numtext::Separators& separators = {});
