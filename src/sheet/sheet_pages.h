#pragma once

// Keeping each report of the Calculation Results Sheet on one page when it fits on one:
// which reports get a page break before them. The printed layout itself comes from the
// caller, so that this stays free of any toolkit.

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

// Where a paragraph lies in a laid-out document: the top of its first line and the bottom
// of its last, in the layout's units. On pages, page n spans [n * pageHeight,
// (n + 1) * pageHeight).
struct ParagraphExtent
{
    double top = 0;
    double bottom = 0;
};

// A paragraph of the sheet as the page planning sees it.
struct SheetParagraph
{
    bool startsReport = false;
    bool blank = false; // nothing but spaces, which may run onto the next page
    ParagraphExtent natural; // laid out in one column, without pages
};

// Lays the sheet out on pages again, now with a page break before paragraph `index` too,
// and gives where every paragraph then lies.
using BreakPageBefore = std::function<std::vector<ParagraphExtent>(std::size_t index)>;

// A report runs from a paragraph that starts one up to the next such paragraph or the end;
// what comes before the first report flows as it is. A report that fits on a page, from
// its heading to its last paragraph that is not blank, gets a page break before it when it
// would start on a page it does not fit on and does not already start that page; a longer
// report flows on. `placed` is where the paragraphs lie on pages now. Returns the
// paragraphs that got a page break, in order.
std::vector<std::size_t> KeepReportsTogether(std::span<const SheetParagraph> paragraphs,
    std::vector<ParagraphExtent> placed, double pageHeight, const BreakPageBefore& breakPageBefore);
