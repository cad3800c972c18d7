#pragma once

// The result texts of the voltage-drop calculator: eight lines for an alternating-current
// circuit (and for every size search), six for a direct-current circuit of a chosen size.
// Lines are separated by a carriage return alone; the length, load and voltage appear
// exactly as typed, the settings' choices in the words the reports have always used.
//
// The texts are built from the working record as it stands, WireSizeName and WireAmps
// included; keeping a text as the record's ResultText is the calculation's own step.
// `sets` is the count of parallel sets the result was calculated with: a size search tries
// counts of its own before the calculator keeps the last in the settings. `volts` is the
// source voltage read from the page.

#include "app/number_text.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_settings.h"
#include "voltage_drop/voltage_drop_state.h"

#include <string>

std::string BuildVoltageDropText(const VoltageDropState& state, const VoltageDropSettings& settings,
    int sets, const VoltageDropInputs& inputs, double volts,
    const numtext::Separators& separators = {});

std::string BuildDcVoltageDropText(const VoltageDropState& state,
    const VoltageDropSettings& settings, int sets, const VoltageDropInputs& inputs, double volts,
    const numtext::Separators& separators = {});
