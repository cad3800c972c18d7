// Conduit fill: any ten groups either name the first group whose count is refused, or
// give a non-negative total and the smallest trade size that holds it.

#include "conduit/conduit_fill.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    std::array<ConduitGroup, kConduitGroups> groups;
    for (ConduitGroup& group : groups) {
        const std::uint8_t size = input.byte();
        // Mostly list items, sometimes anything at all.
        group.SizeText = size < 2 * kCondWireSizes
            ? std::string(CondWireAreaTable()[size % kCondWireSizes].SizeItem)
            : input.text();
        group.Insulation = input.byte() % 2 ? InsulationType::THW : InsulationType::THHN;
        group.CountText = input.text();
    }

    const ConduitFillResult result = CalcConduitFill(groups, separators);
    if (result.InvalidCountGroup) {
        const ConduitGroup& refused = groups[*result.InvalidCountGroup];
        FUZZ_CHECK(FindCondWireRow(refused.SizeText), "a group without a size was refused");
        const std::optional<std::int16_t> count = numtext::toInt16(refused.CountText, separators);
        const std::optional<double> number = numtext::toNumber(refused.CountText, separators);
        FUZZ_CHECK(!count || *count < 0 || *number != *count, "count '%s' was refused",
            refused.CountText.c_str());
        return 0;
    }

    FUZZ_CHECK(std::isfinite(result.TotalArea) && result.TotalArea >= 0, "total %g",
        double(result.TotalArea));
    FUZZ_CHECK(std::isfinite(result.RequiredDiameter) && result.RequiredDiameter >= 0,
        "diameter %g", double(result.RequiredDiameter));
    for (int i = 0; i < kConduitGroups; ++i)
        FUZZ_CHECK(result.GroupLines[i].empty() == !FindCondWireRow(groups[i].SizeText),
            "line of group %d", i + 1);

    const auto& sizes = ConduitSizeTable();
    if (result.ConduitSize) {
        const int row = *result.ConduitSize;
        FUZZ_CHECK(sizes[row].InsideDiameter >= result.RequiredDiameter, "size %d too small", row);
        FUZZ_CHECK(row == 0 || sizes[row - 1].InsideDiameter < result.RequiredDiameter,
            "size %d is not the smallest that fits", row);
    } else {
        FUZZ_CHECK(result.RequiredDiameter > sizes.back().InsideDiameter,
            "diameter %g fits but no size was chosen", double(result.RequiredDiameter));
    }
    return 0;
}
