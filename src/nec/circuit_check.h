#pragma once

// The circuit check of the current code (NEC 2023): from one circuit's inputs, the
// overcurrent device, the conductor size and parallel sets with the rule that governs
// them, the voltage drop, the equipment grounding conductor, the raceway and the fault
// current at the end, each with its check and its working.

#include "app/number_text.h"
#include "nec/circuit_inputs.h"
#include "nec/circuit_result.h"

namespace nec {

// The input is one ReadCircuitInputs accepted. The numbers of the working follow the
// separators.
CircuitResult CheckCircuit(const CircuitInput& input, const numtext::Separators& separators = {});

} // namespace nec
