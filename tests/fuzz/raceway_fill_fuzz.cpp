// Raceway fill: any rows either mark a row and give nothing, or give the conductors'
// count and area, and for every trade size a "fits" that the printed area or Note 7
// explains, the answer being the first that fits; how many fit obeys Note 7's rounding.
// The window's table and the report for the sheet are built from it without a fault.

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"
#include "nec/fill_inputs.h"
#include "raceway_fill/raceway_fill_text.h"

#include <cmath>
#include <cstdint>

namespace {

// Usually a size of the window's list, sometimes any text.
std::string sizeText(FuzzInput& input)
{
    const std::uint8_t pick = input.byte();
    if (pick < 2 * nec::kConductorSizes)
        return std::string(nec::SizeName(nec::AllConductorSizes()[pick % nec::kConductorSizes]));
    return input.text();
}

// Whether `count` conductors of area `each` are what Note 7 gives for `allowed`: the
// quotient, a fraction of 0.8 or more rounded up, so allowed / each lies in
// [count - 0.2, count + 0.8).
bool note7Count(std::int64_t count, std::int64_t allowed, std::int64_t each)
{
    return 10 * allowed >= (10 * count - 2) * each && 10 * allowed < (10 * count + 8) * each;
}

void checkHowManyFit(const nec::FillGroup& kind, const nec::RacewayRow& row, bool nipple)
{
    const std::int64_t each
        = nec::ConductorAreaOf(kind.Size, kind.Insulation)->Value.TenThousandths;
    const int count = nec::HowManyFit(kind.Size, kind.Insulation, row, nipple).value_or(-1);
    const auto allowed = [&row](nec::FillLimit limit) { return row.allowed(limit).TenThousandths; };
    if (nipple || count >= 3) {
        FUZZ_CHECK(note7Count(count,
                       allowed(nipple ? nec::FillLimit::Nipple : nec::FillLimit::OverTwo), each),
            "holds %d", count);
    } else {
        const int byArea = 2 * each <= allowed(nec::FillLimit::TwoConductors) ? 2
            : each <= allowed(nec::FillLimit::OneConductor)                   ? 1
                                                                              : 0;
        FUZZ_CHECK(count == byArea, "holds %d, not %d at 31 or 53 %%", count, byArea);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    nec::FillTexts texts;
    texts.Raceway = nec::kAllRacewayTypes[input.byte() % nec::kRacewayTypes];
    texts.Nipple = input.byte() % 2;
    const int rows = input.byte() % 24;
    for (int row = 0; row < rows; ++row) {
        nec::FillGroupTexts group;
        group.Insulation = nec::kAllInsulations[input.byte() % nec::kInsulations];
        group.Size = sizeText(input);
        group.Count = input.text();
        texts.Groups.push_back(group);
    }

    const nec::FillReading reading = nec::ReadFillInputs(texts, separators);
    if (!reading.Problems.empty()) {
        FUZZ_CHECK(!reading.Request, "a result beside a marked row");
        return 0;
    }
    if (!reading.Request)
        return 0;
    const std::optional<nec::FillResult> result = nec::ComputeFill(*reading.Request);
    FUZZ_CHECK(result.has_value(), "read sizes without an area");

    int count = 0;
    std::int64_t area = 0;
    bool oneKind = true;
    const nec::FillGroup& first = reading.Request->Groups.front();
    for (const nec::FillGroup& group : reading.Request->Groups) {
        FUZZ_CHECK(group.Count >= 1 && group.Count <= nec::kMostConductorsInGroup, "count %d",
            group.Count);
        count += group.Count;
        area += group.Count
            * nec::ConductorAreaOf(group.Size, group.Insulation)->Value.TenThousandths;
        oneKind = oneKind && group.Size == first.Size && group.Insulation == first.Insulation;
    }
    FUZZ_CHECK(result->TotalCount == count, "count %d, not %d", result->TotalCount, count);
    FUZZ_CHECK(result->TotalArea.TenThousandths == area, "area %lld",
        static_cast<long long>(result->TotalArea.TenThousandths));
    const bool note7 = oneKind && count >= 3 && !texts.Nipple;
    const nec::FillLimit limit = texts.Nipple ? nec::FillLimit::Nipple
        : count == 1                          ? nec::FillLimit::OneConductor
        : count == 2                          ? nec::FillLimit::TwoConductors
                                              : nec::FillLimit::OverTwo;

    std::optional<std::size_t> firstFit;
    for (std::size_t i = 0; i < result->TradeSizes.size(); ++i) {
        const nec::TradeSizeFill& fill = result->TradeSizes[i];
        const bool within = area <= fill.Row->allowed(limit).TenThousandths;
        const bool byNote7 = note7
            && count <= nec::HowManyFit(first.Size, first.Insulation, *fill.Row, false).value_or(0);
        FUZZ_CHECK(fill.Fits == (within || byNote7), "trade size %s", fill.Row->TradeSize.c_str());
        FUZZ_CHECK(
            std::isfinite(fill.PercentFill) && fill.PercentFill >= 0, "fill %g", fill.PercentFill);
        if (fill.Fits && !firstFit)
            firstFit = i;
        checkHowManyFit(first, *fill.Row, texts.Nipple);
    }
    FUZZ_CHECK(result->Smallest == firstFit, "the answer is not the first that fits");
    FUZZ_CHECK(TradeSizeTable(*result, separators).size() == result->TradeSizes.size(), "table");
    FUZZ_CHECK(BuildRacewayFillReport(*reading.Request, *result, "stamp", separators)
                   .find(AnswerText(*result, reading.Request->Raceway))
            != std::string::npos,
        "the report's answer");
    return 0;
}
