// Typed numbers: reading never crashes, and what it accepts is a finite number whose 16-bit
// reading and general text agree with it.

#include "app/number_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    const std::string text = input.text();

    const std::optional<double> number = numtext::toNumber(text, separators);
    const std::optional<std::int16_t> whole = numtext::toInt16(text, separators);
    if (!number) {
        FUZZ_CHECK(!whole, "text '%s'", text.c_str());
        return 0;
    }
    FUZZ_CHECK(std::isfinite(*number), "text '%s'", text.c_str());
    if (whole) {
        FUZZ_CHECK(std::fabs(*number - *whole) <= 0.5, "'%s' read as %d", text.c_str(), *whole);
    } else {
        FUZZ_CHECK(std::nearbyint(*number) < -32768.0 || std::nearbyint(*number) > 32767.0,
            "'%s' refused as a 16-bit number", text.c_str());
    }

    // The general text of a number reads back as the same number to its fifteen digits.
    const std::string general = numtext::GeneralNumberText(*number, separators);
    const std::optional<double> again = numtext::toNumber(general, separators);
    FUZZ_CHECK(again.has_value(), "general text '%s' of '%s'", general.c_str(), text.c_str());
    FUZZ_CHECK(std::fabs(*again - *number) <= std::fabs(*number) * 1e-14, "'%s' became '%s'",
        text.c_str(), general.c_str());
    return 0;
}
