// Format masks and general text: nothing crashes, and every text shown for a finite number
// reads back as that number within half a unit of its last shown digit.

#include "app/number_text.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"

#include <cmath>

namespace {

struct MaskCase
{
    numtext::Mask mask;
    int decimals;
};

constexpr MaskCase kMasks[] = {
    {numtext::Mask::Fixed2, 2},
    {numtext::Mask::Fixed3, 3},
    {numtext::Mask::Fixed1, 1},
    {numtext::Mask::GroupedOneDecimal, 1},
    {numtext::Mask::GroupedWhole, 0},
};

// A mask shows no digit for zero ("." or an empty text); everything else is a number.
std::optional<double> readBack(const std::string& shown, const numtext::Separators& separators)
{
    if (shown.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return numtext::toNumber(shown, separators);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    const MaskCase mask = kMasks[input.byte() % std::size(kMasks)];
    const double value = input.value<double>();
    const float single = input.value<float>();

    const std::string shown = numtext::format(value, mask.mask, separators);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(shown.empty(), "a value that is not finite shows '%s'", shown.c_str());
    } else if (std::fabs(value) <= 1e308) { // nearer the limit, 15 digits round past it
        const std::optional<double> again = readBack(shown, separators);
        FUZZ_CHECK(again.has_value(), "%.17g shows '%s'", value, shown.c_str());
        const double halfUnit = 0.5 * std::pow(10.0, -mask.decimals);
        FUZZ_CHECK(std::fabs(*again - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-14,
            "%.17g shows '%s'", value, shown.c_str());
    }

    if (std::isfinite(single)) {
        const std::string general = numtext::GeneralNumberText(single, separators);
        const std::optional<double> again = numtext::toNumber(general, separators);
        FUZZ_CHECK(again.has_value(), "%.9g shows '%s'", double(single), general.c_str());
        FUZZ_CHECK(std::fabs(*again - single) <= std::fabs(double(single)) * 5e-7,
            "%.9g shows '%s'", double(single), general.c_str());
    }
    return 0;
}
