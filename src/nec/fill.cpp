#include "nec/fill.h"

#include <algorithm>

namespace nec {

namespace {

// Note 7: how many whole conductors an area holds, a fraction of 0.8 or more rounded up.
// Worked in the exact areas, so a fraction of exactly 0.8 rounds up.
int countWithNote7Rounding(Area allowed, Area each)
{
    const std::int64_t whole = allowed.TenThousandths / each.TenThousandths;
    const std::int64_t rest = allowed.TenThousandths % each.TenThousandths;
    return static_cast<int>(whole + (10 * rest >= 8 * each.TenThousandths ? 1 : 0));
}

bool sameKind(const FillGroup& a, const FillGroup& b)
{
    return a.Size == b.Size && a.Insulation == b.Insulation;
}

TradeSizeFill fillOf(const RacewayRow& row, const FillResult& result)
{
    TradeSizeFill fill;
    fill.Row = &row;
    fill.Allowed = row.allowed(result.Limit);
    // From the exact areas, so that a fill of exactly 43.75 % is not a hair below it.
    fill.PercentFill = 100.0 * static_cast<double>(result.TotalArea.TenThousandths)
        / static_cast<double>(row.Total.TenThousandths);
    fill.WithinAllowed = result.TotalArea <= fill.Allowed;
    fill.Fits = fill.WithinAllowed;
    if (result.OneKindOfConductor) {
        const FillGroup& kind = result.Groups.front().Group;
        fill.HowManyFit = HowManyFit(kind.Size, kind.Insulation, row, false);
        fill.Fits = fill.Fits || result.TotalCount <= fill.HowManyFit.value_or(0);
    }
    return fill;
}

} // namespace

FillLimit FillLimitFor(int conductorCount, bool nipple)
{
    if (nipple)
        return FillLimit::Nipple;
    if (conductorCount == 1)
        return FillLimit::OneConductor;
    if (conductorCount == 2)
        return FillLimit::TwoConductors;
    return FillLimit::OverTwo;
}

std::optional<FillResult> ComputeFill(const FillRequest& request)
{
    FillResult result;
    for (const FillGroup& group : request.Groups) {
        if (group.Count <= 0)
            continue;
        const std::optional<ConductorArea> each = ConductorAreaOf(group.Size, group.Insulation);
        if (!each)
            return std::nullopt;
        result.Groups.push_back({group, *each, group.Count * each->Value});
        result.TotalCount += group.Count;
        result.TotalArea = result.TotalArea + result.Groups.back().TotalArea;
    }
    result.Limit = FillLimitFor(result.TotalCount, request.Nipple);
    result.AllowedPercent = FillPercent(result.Limit);
    result.OneKindOfConductor = !request.Nipple && result.TotalCount >= 3
        && std::all_of(result.Groups.begin(), result.Groups.end(), [&result](const GroupFill& g) {
               return sameKind(g.Group, result.Groups.front().Group);
           });

    for (const RacewayRow& row : RacewayRows(request.Raceway)) {
        result.TradeSizes.push_back(fillOf(row, result));
        if (!result.Smallest && result.TradeSizes.back().Fits)
            result.Smallest = result.TradeSizes.size() - 1;
    }
    return result;
}

std::optional<int> HowManyFit(
    ConductorSize size, Insulation insulation, const RacewayRow& tradeSize, bool nipple)
{
    const std::optional<ConductorArea> each = ConductorAreaOf(size, insulation);
    if (!each)
        return std::nullopt;
    const Area one = each->Value;
    if (nipple)
        return countWithNote7Rounding(tradeSize.allowed(FillLimit::Nipple), one);
    const int overTwo = countWithNote7Rounding(tradeSize.allowed(FillLimit::OverTwo), one);
    if (overTwo >= 3)
        return overTwo;
    if (2 * one <= tradeSize.allowed(FillLimit::TwoConductors))
        return 2;
    if (one <= tradeSize.allowed(FillLimit::OneConductor))
        return 1;
    return 0;
}

} // namespace nec
