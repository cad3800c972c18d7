#include "raceway_fill/raceway_fill_text.h"

#include "app/report_text.h"

#include <algorithm>

namespace {

constexpr int kConductorAreaDecimals = 4;
constexpr int kRacewayAreaDecimals = 3;
constexpr int kFillDecimals = 1;

std::string areaText(nec::Area area, int decimals, const numtext::Separators& separators)
{
    return numtext::formatGrouped(area.SquareInches(), decimals, separators) + " in²";
}

// Where one conductor's area was read: Table 5's rows for the insulation, or Table 8's
// stranded conductor for a bare one.
std::string areaSource(const nec::GroupFill& group)
{
    const bool bare = group.Group.Insulation == nec::Insulation::Bare;
    return std::string(bare ? "Chapter 9 Table 8, " : "Chapter 9 Table 5, ")
        + std::string(group.EachArea.TableRows);
}

std::string groupLine(const nec::GroupFill& group, const numtext::Separators& separators)
{
    return ConductorCountText(group.Group.Count, separators) + " × "
        + std::string(nec::SizeName(group.Group.Size)) + " "
        + std::string(nec::InsulationName(group.Group.Insulation)) + " at "
        + ConductorAreaText(group.EachArea.Value, separators) + " = "
        + ConductorAreaText(group.TotalArea, separators);
}

// Where the areas of each insulation came from, once each, in the order of the groups.
std::string areaSources(const std::vector<nec::GroupFill>& groups)
{
    std::string lines = "Areas of one conductor:";
    std::vector<nec::Insulation> named;
    for (const nec::GroupFill& group : groups) {
        const nec::Insulation insulation = group.Group.Insulation;
        if (std::find(named.begin(), named.end(), insulation) != named.end())
            continue;
        named.push_back(insulation);
        lines += ReportLineBreaks(1) + std::string(nec::InsulationName(insulation)) + ":  "
            + areaSource(group);
    }
    return lines;
}

} // namespace

std::string ConductorCountText(int count, const numtext::Separators& separators)
{
    return numtext::formatGrouped(count, 0, separators);
}

std::string ConductorAreaText(nec::Area area, const numtext::Separators& separators)
{
    return areaText(area, kConductorAreaDecimals, separators);
}

std::string RacewayAreaText(nec::Area area, const numtext::Separators& separators)
{
    return areaText(area, kRacewayAreaDecimals, separators);
}

std::string FillPercentText(double percent, const numtext::Separators& separators)
{
    return numtext::formatGrouped(percent, kFillDecimals, separators) + " %";
}

std::string AllowedPercentText(int percent)
{
    return std::to_string(percent) + " %";
}

std::string_view FillLimitWords(nec::FillLimit limit)
{
    switch (limit) {
    case nec::FillLimit::OneConductor:
        return "one conductor";
    case nec::FillLimit::TwoConductors:
        return "two conductors";
    case nec::FillLimit::OverTwo:
        return "over two conductors";
    case nec::FillLimit::Nipple:
        return "nipple, 24 in or less";
    }
    return {};
}

std::string AnswerText(const nec::FillResult& result, nec::RacewayType raceway)
{
    const std::string type(nec::RacewayTypeName(raceway));
    if (const nec::TradeSizeFill* fit = result.smallestFit())
        return fit->Row->TradeSize + " " + type;
    return "No trade size of " + type + " holds these conductors.";
}

std::string_view FitsText(const nec::TradeSizeFill& size)
{
    if (!size.Fits)
        return "does not fit";
    return size.WithinAllowed ? "fits" : "fits by Note 7";
}

std::vector<TradeSizeTexts> TradeSizeTable(
    const nec::FillResult& result, const numtext::Separators& separators)
{
    std::vector<TradeSizeTexts> table;
    for (const nec::TradeSizeFill& size : result.TradeSizes) {
        table.push_back({size.Row->TradeSize, RacewayAreaText(size.Row->Total, separators),
            RacewayAreaText(size.Allowed, separators),
            FillPercentText(size.PercentFill, separators), std::string(FitsText(size))});
    }
    return table;
}

std::string HowManyFitBasis(int count, bool nipple)
{
    const nec::FillLimit limit = nec::FillLimitFor(count, nipple);
    const std::string percent = AllowedPercentText(nec::FillPercent(limit));
    if (nipple)
        return "At " + percent + " (nipple), with Note 7's rounding";
    if (count >= 3)
        return "At " + percent + ", with Note 7's rounding";
    if (count == 0)
        return "Not one at " + AllowedPercentText(nec::FillPercent(nec::FillLimit::OneConductor));
    return (count == 1 ? "One at " : "Two at ") + percent;
}

std::string BuildRacewayFillReport(const nec::FillRequest& request, const nec::FillResult& result,
    std::string_view dateTimeText, const numtext::Separators& separators)
{
    const std::string raceway(nec::RacewayTypeName(request.Raceway));
    std::string report = ReportHeading("Raceway Fill (NEC 2023)", dateTimeText, 3);

    report += "Conductors:" + ReportLineBreaks(1);
    for (const nec::GroupFill& group : result.Groups)
        report += groupLine(group, separators) + ReportLineBreaks(1);
    report += "Total:  " + ConductorCountText(result.TotalCount, separators)
        + (result.TotalCount == 1 ? " conductor, " : " conductors, ")
        + ConductorAreaText(result.TotalArea, separators) + ReportLineBreaks(2);
    report += areaSources(result.Groups) + ReportLineBreaks(2);

    report += "Raceway:  " + raceway
        + (request.Nipple ? ", " + std::string(FillLimitWords(nec::FillLimit::Nipple)) : "")
        + ReportLineBreaks(1);
    report += "Fill allowed:  " + AllowedPercentText(result.AllowedPercent) + "  (Chapter 9 Table 1"
        + (request.Nipple ? " and Note 4" : "") + ", " + std::string(FillLimitWords(result.Limit))
        + ")" + ReportLineBreaks(2);

    const nec::TradeSizeFill* fit = result.smallestFit();
    if (!fit)
        return report + AnswerText(result, request.Raceway);
    report += "Smallest trade size:  " + AnswerText(result, request.Raceway) + ReportLineBreaks(1);
    report += "Fill:  " + FillPercentText(fit->PercentFill, separators) + "  ("
        + ConductorAreaText(result.TotalArea, separators) + " of "
        + RacewayAreaText(fit->Row->Total, separators) + ", "
        + RacewayAreaText(fit->Allowed, separators) + " allowed)";
    if (!fit->WithinAllowed) {
        report += ReportLineBreaks(1) + "Fits by Chapter 9 Note 7: the trade size holds "
            + ConductorCountText(fit->HowManyFit.value_or(0), separators) + " of these conductors.";
    }
    return report;
}
