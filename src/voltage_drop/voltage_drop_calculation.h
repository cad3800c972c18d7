#pragma once

// The voltage-drop and wire-size calculation behind the Calculate button: validation of
// the page's inputs, the load current, the impedance and drop of one conductor size, and
// the fixed-size mode. The size search has its own file.
//
// Impedances come from NEC Chapter 9 Tables 8 and 9, ampacities from Table 310-16; the
// effective impedance is Ze = R cos(theta) + XL sin(theta).

#include "app/number_text.h"
#include "app/voltage_drop_settings.h"
#include "voltage_drop/result_display.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_state.h"

#include <optional>
#include <vector>

AmpsColumn ChooseAmpsColumn(Material material, Temperature rating);

// Sets LoadKind and LoadAmps from the load entry. Fails, writing nothing, when the load
// (or, for the volt-ampere entries, the voltage) is not a number, the voltage is 0, or
// the arithmetic overflows.
bool ComputeLoadAmps(VoltageDropState& state, const VoltageDropInputs& inputs,
    const numtext::Separators& separators);

// Sets WireR and WireX of an alternating-current circuit from a row of the impedance table.
void LookupWireImpedance(VoltageDropState& state, int row, Material material, Raceway raceway);

// Sets PhaseAngle, EffectiveZ, VoltDrop and PercentDrop from WireR, WireX, WireLength and
// LoadAmps. Fails, writing nothing, when the power factor gives no phase angle (above
// 100 %) or the drop is too large for a number.
bool ComputeVoltageDrop(
    VoltageDropState& state, double powerFactor, int setsPerPhase, Circuit circuit, double volts);

// What a press of the Calculate button leaves for the page to do, in this order: show
// the message, empty the box and give it the focus, play the display script.
struct CalculationOutcome
{
    std::optional<PageMessage> Message;
    InputBox Focus = InputBox::None;
    bool EmptyFocusBox = false;
    std::vector<DisplayOperation> Display;
};

// The whole calculation of one press: validation, load current, then the fixed-size
// calculation or the size search. Writes the state and the settings SetsPerPhase and
// ResultReady.
CalculationOutcome CalculateVoltageDrop(const VoltageDropInputs& inputs, VoltageDropState& state,
    VoltageDropSettings& settings, const numtext::Separators& separators = {});
