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
    FUZZ_CHECK(std::isfinite(result.FullLoadAmps.value_or(0)), "full load %g",
        result.FullLoadAmps.value_or(0));
    if (!result.SourceFaultAmps) {
        FUZZ_CHECK(!result.EndOfRunAmps, "an end of run without a source");
        return 0;
    }
    const double source = *result.SourceFaultAmps;
    FUZZ_CHECK(std::isfinite(source) && source >= 0, "source %g", source);
    if (!result.EndOfRunAmps)
        return 0; // the run overflowed: its label keeps what it showed
    const double end = *result.EndOfRunAmps;
    FUZZ_CHECK(std::isfinite(end), "end of run %g", end);
    FUZZ_CHECK(end <= source * (1 + 1e-12), "end of run %.17g above source %.17g", end, source);
    // A fault current does not vanish along a run: a multiplier of 0 is an overflow that
    // was taken for a result.
    FUZZ_CHECK(source == 0 || end > 0, "end of run 0 from source %.17g", source);
    return 0;
}
