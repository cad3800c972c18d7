#pragma once

// The record of a circuit check for the results sheet: the heading, the date, the inputs
// the check was worked from, the summary and the working, step by step.

#include "app/number_text.h"
#include "nec/circuit_inputs.h"
#include "nec/circuit_result.h"

#include <string>
#include <string_view>
#include <vector>

// One line for each input, as the check read it: "Voltage: 480 V".
std::vector<std::string> DescribeCircuitInputs(
    const nec::CircuitInput& input, const numtext::Separators& separators = {});

// Lines break with a carriage return and line feed; the report ends without one.
std::string BuildCircuitReport(const nec::CircuitInput& input, const nec::CircuitResult& result,
    std::string_view dateTimeText, const numtext::Separators& separators = {});
