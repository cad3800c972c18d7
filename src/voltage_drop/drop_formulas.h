#pragma once

// The formulas the fixed-size calculation and the size search share: the load current,
// the impedance of one conductor size and the drop it gives.
//
// Impedances come from NEC Chapter 9 Tables 8 and 9, ampacities from Table 310-16; the
// effective impedance is Ze = R cos(theta) + XL sin(theta).

#include "app/conductor_tables.h"
#include "app/number_text.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_state.h"

#include <initializer_list>

// An overflow or a division by zero anywhere in a step fails the step.
bool allFinite(std::initializer_list<double> values);

AmpsColumn ChooseAmpsColumn(Material material, Temperature rating);

// Sets WireSizeName and WireAmps from SizeIndex and AmpsColumn: the size a result reports.
void TakeConductorRow(VoltageDropState& state);

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
