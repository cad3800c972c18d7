#include "sheet/sheet_pages.h"

#include <algorithm>
#include <cmath>

namespace {

int pageOfTop(double top, double pageHeight)
{
    return static_cast<int>(std::floor(top / pageHeight));
}

// A line that ends exactly where a page ends is on that page.
int pageOfBottom(double bottom, double pageHeight)
{
    return std::max(0, static_cast<int>(std::ceil(bottom / pageHeight)) - 1);
}

struct Report
{
    std::size_t first = 0;
    std::size_t last = 0; // the last paragraph that is not blank, or the heading
};

std::vector<Report> reportsOf(std::span<const SheetParagraph> paragraphs)
{
    std::vector<Report> reports;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs[i].startsReport)
            reports.push_back({i, i});
        else if (!reports.empty() && !paragraphs[i].blank)
            reports.back().last = i;
    }
    return reports;
}

} // namespace

std::vector<std::size_t> KeepReportsTogether(std::span<const SheetParagraph> paragraphs,
    std::vector<ParagraphExtent> placed, double pageHeight, const BreakPageBefore& breakPageBefore)
{
    std::vector<std::size_t> breaks;
    if (!(pageHeight > 0) || placed.size() != paragraphs.size())
        return breaks;
    // A break moves only what follows it, so one pass in the order of the reports settles
    // them all, each judged where the breaks before it have put it.
    for (const Report& report : reportsOf(paragraphs)) {
        const double height
            = paragraphs[report.last].natural.bottom - paragraphs[report.first].natural.top;
        if (height > pageHeight)
            continue;
        const int page = pageOfTop(placed[report.first].top, pageHeight);
        if (pageOfBottom(placed[report.last].bottom, pageHeight) == page)
            continue;
        // One already at the top of its page would only leave an empty page behind it.
        const bool startsPage
            = report.first == 0 || pageOfBottom(placed[report.first - 1].bottom, pageHeight) < page;
        if (startsPage)
            continue;
        placed = breakPageBefore(report.first);
        breaks.push_back(report.first);
        if (placed.size() != paragraphs.size())
            break;
    }
    return breaks;
}
