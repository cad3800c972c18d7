// Fault current: for inputs the page accepts, the calculation gives finite currents, and
// the current at the end of a run never exceeds the current at its start.

#include "fault/conductor_constants.h"
#include "fault/fault_inputs.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"

#include <array>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    const std::uint8_t modes = input.byte();
    FaultInputTexts texts;
    texts.SourceIsBreaker = modes & 1;
    texts.InfinitePrimary = modes & 2;
    texts.ThreePhase = modes & 4;
    // The wire size comes from the list, and with it the constant C of its row.
    const auto sizes = ConductorCTable();
    const ConductorCRow& row = sizes[input.byte() % sizes.size()];
    texts.WireSize = modes & 8 ? std::string("Terminals") : std::string(row.SizeText);
    const std::int32_t conductorC = std::array {row.MS, row.MC, row.NS, row.NC}[input.byte() % 4];
    for (std::string* field :
        {&texts.Kva, &texts.PercentZ, &texts.PrimaryVolts, &texts.SecondaryVolts,
            &texts.AvailableFaultAmps, &texts.ConductorsPerPhase, &texts.LengthFeet})
        *field = input.text();

    const FaultInputReading reading = ReadFaultInputs(texts, conductorC, separators);
    if (reading.Refused)
        return 0;
    const FaultCalcResult result = RunFaultCalculation(reading.Inputs);
    FUZZ_CHECK(std::isfinite(result.SourceFaultAmps) && std::isfinite(result.EndOfRunAmps)
            && std::isfinite(result.FullLoadAmps.value_or(0)),
        "source %g, end of run %g", result.SourceFaultAmps, result.EndOfRunAmps);
    FUZZ_CHECK(result.SourceFaultAmps >= 0, "source %g", result.SourceFaultAmps);
    FUZZ_CHECK(result.EndOfRunAmps <= result.SourceFaultAmps * (1 + 1e-12),
        "end of run %.17g above source %.17g", result.EndOfRunAmps, result.SourceFaultAmps);
    return 0;
}
