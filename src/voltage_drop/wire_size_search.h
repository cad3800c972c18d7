#pragma once

// The size search of "Find Branch size for" and "Find Feeder size for": the smallest
// conductor, and if the load needs them the fewest parallel sets, that carries the load
// and keeps the drop at or below TargetPercent. The sizes tried with one set and the
// best size for each further set count go into the results history.

#include "app/number_text.h"
#include "voltage_drop/result_display.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_settings.h"
#include "voltage_drop/voltage_drop_state.h"

#include <optional>

inline constexpr int kMostSetsPerPhase = 100;

struct SearchOutcome
{
    // No size carries the load within kMostSetsPerPhase sets; the display script is then
    // to be dropped.
    std::optional<PageMessage> Refusal;
    int SetsPerPhase = 1; // the last count of parallel sets the search tried
};

// Runs after the inputs have been validated and LoadAmps, WireLength, TargetPercent and
// PhaseText set. Every circuit type, direct current included, is sized with the
// alternating-current impedance. Writes the working record; counts its sets itself, from
// one.
SearchOutcome SearchWireSize(const VoltageDropInputs& inputs, VoltageDropState& state,
    const VoltageDropSettings& settings, double volts, DisplayScript& display,
    const numtext::Separators& separators = {});
