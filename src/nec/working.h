#pragma once

// The working of a circuit check: every step with its formula, the numbers put into it,
// the table and column each number came from and the code section. The numbers follow
// the user's separators.

#include "app/number_text.h"
#include "nec/circuit_inputs.h"
#include "nec/circuit_result.h"

#include <vector>

namespace nec {

std::vector<WorkingStep> BuildWorking(
    const CircuitInput& input, const CircuitResult& result, const numtext::Separators& separators);

} // namespace nec
