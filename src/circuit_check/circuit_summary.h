#pragma once

// The texts the Circuit Check window shows of a check: the key figures, each in a field
// of its own, the summary of every check in words, and the list of what the inputs lack.
// Numbers follow the user's separators; the engine's working keeps its own wording.

#include "app/number_text.h"
#include "nec/circuit_inputs.h"
#include "nec/circuit_result.h"

#include <string>
#include <vector>

// Each figure as its field shows it (en_US): empty where the check has no such figure.
struct CircuitKeyFigures
{
    std::string Ocpd; // "250 A"
    std::string Sets; // "1"
    std::string Size; // "250 kcmil"
    std::string Governing; // "terminals"
    std::string TerminalAmps; // all sets, whole amperes: "255 A"
    std::string CorrectedAmps; // all sets, one decimal: "232.1 A"
    std::string Drop; // "1.62 %"
    std::string DropVolts; // "7.79 V"
    std::string LoadVolts; // "472.21 V"
    std::string TotalDrop; // with the drop upstream: "4.62 %"
    std::string ExactDrop; // "7.81 V"; empty for DC
    std::string MaxLength; // whole feet, rounded down: "312 ft"
    std::string Egc; // "3 AWG copper"
    std::string Raceway; // "2-1/2 EMT"
    std::string Fill; // "31.2 %"
    std::string Fault; // "21,345 A"; empty without a source fault current and for DC
    std::string Verdict; // "Meets every check." or "Does not meet: raceway fill."
};

CircuitKeyFigures BuildCircuitKeyFigures(const nec::CircuitInput& input,
    const nec::CircuitResult& result, const numtext::Separators& separators = {});

// "Meets every check." or "Does not meet: " and the failing checks by name.
std::string CircuitVerdict(const nec::CircuitResult& result);

// One line for every check, with its figure and "meets" or "does not meet", and for the
// figures that are no check (the exact drop, the maximum length, the grounding conductor,
// the fault current), in the order of the result; the verdict last.
std::vector<std::string> BuildCircuitSummary(const nec::CircuitInput& input,
    const nec::CircuitResult& result, const numtext::Separators& separators = {});

// What keeps a reading from a result: a line for each field that is wrong, with its
// reason ("Voltage: not a number"), then the boxes still empty ("Still needed: load,
// length."). Empty for a complete reading.
std::vector<std::string> DescribeCircuitProblems(const nec::CircuitReading& reading);
