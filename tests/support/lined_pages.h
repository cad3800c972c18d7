#pragma once

// A stand-in for a text layout on pages, to try the page planning against: paragraphs of
// whole lines stacked down the pages as Qt's document layout stacks them. A line that would
// cross a page's end moves to the top of the next page unless it already starts a page; a
// page break before a paragraph starts it on the next page. Free of any toolkit, so that
// the fuzzer can use it too.

#include "sheet/sheet_pages.h"

#include <cmath>
#include <set>
#include <vector>

struct LinedParagraph
{
    std::vector<double> lines; // their heights, at least one
    bool startsReport = false;
    bool blank = false;
};

// Where each paragraph lies; a page height of 0 lays them out in one column without pages.
inline std::vector<ParagraphExtent> layOutLines(const std::vector<LinedParagraph>& paragraphs,
    double pageHeight, const std::set<std::size_t>& pageBreaks = {})
{
    std::vector<ParagraphExtent> extents;
    double y = 0;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const double pageTop = pageHeight > 0 ? std::floor(y / pageHeight) * pageHeight : 0;
        if (pageHeight > 0 && pageBreaks.contains(i))
            y = pageTop + pageHeight;
        ParagraphExtent extent {y, y};
        bool first = true;
        for (const double height : paragraphs[i].lines) {
            if (pageHeight > 0) {
                const double top = std::floor(y / pageHeight) * pageHeight;
                if (y + height > top + pageHeight && y > top)
                    y = top + pageHeight;
            }
            if (first)
                extent.top = y;
            first = false;
            y += height;
            extent.bottom = y;
        }
        extents.push_back(extent);
    }
    return extents;
}

struct LinedPages
{
    std::vector<std::size_t> pageBreaks;
    std::vector<ParagraphExtent> placed; // with those breaks
};

// Plans the page breaks as the printer does, re-laying the paragraphs out after each.
inline LinedPages keepTogetherOnLines(
    const std::vector<LinedParagraph>& paragraphs, double pageHeight)
{
    std::vector<SheetParagraph> sheet;
    const std::vector<ParagraphExtent> natural = layOutLines(paragraphs, 0);
    for (std::size_t i = 0; i < paragraphs.size(); ++i)
        sheet.push_back({paragraphs[i].startsReport, paragraphs[i].blank, natural[i]});
    std::set<std::size_t> pageBreaks;
    LinedPages pages;
    pages.pageBreaks = KeepReportsTogether(
        sheet, layOutLines(paragraphs, pageHeight), pageHeight, [&](std::size_t index) {
            pageBreaks.insert(index);
            return layOutLines(paragraphs, pageHeight, pageBreaks);
        });
    pages.placed = layOutLines(paragraphs, pageHeight, pageBreaks);
    return pages;
}
