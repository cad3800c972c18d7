// The page planning, against lines stacked on pages as a text layout stacks them: any
// sheet ends with every report that fits on a page on one page, breaks only before
// reports that fit, and never before one that already starts its page.

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "lined_pages.h"
#include "sheet/sheet_pages.h"

#include <algorithm>
#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    // Whole units, as a layout's fixed-point positions are exact in a double.
    const double pageHeight = 20 + input.byte();
    std::vector<LinedParagraph> paragraphs;
    while (!input.empty() && paragraphs.size() < 400) {
        const std::uint8_t kind = input.byte();
        LinedParagraph paragraph;
        paragraph.startsReport = kind & 1;
        paragraph.blank = !paragraph.startsReport && (kind & 2);
        const int lines = 1 + (kind >> 2) % 4;
        for (int i = 0; i < lines; ++i) // now and then a line taller than a page, as a picture
            paragraph.lines.push_back(1 + input.byte() % static_cast<int>(pageHeight * 1.25));
        paragraphs.push_back(paragraph);
    }

    const LinedPages pages = keepTogetherOnLines(paragraphs, pageHeight);
    const std::vector<ParagraphExtent> natural = layOutLines(paragraphs, 0);
    const auto page
        = [pageHeight](double y) { return static_cast<int>(std::floor(y / pageHeight)); };
    FUZZ_CHECK(std::is_sorted(pages.pageBreaks.begin(), pages.pageBreaks.end()),
        "page breaks out of order");
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (!paragraphs[i].startsReport)
            continue;
        std::size_t last = i;
        for (std::size_t j = i + 1; j < paragraphs.size() && !paragraphs[j].startsReport; ++j) {
            if (!paragraphs[j].blank)
                last = j;
        }
        const bool fits = natural[last].bottom - natural[i].top <= pageHeight;
        const bool broken = std::binary_search(pages.pageBreaks.begin(), pages.pageBreaks.end(), i);
        const ParagraphExtent& start = pages.placed[i];
        FUZZ_CHECK(fits || !broken, "a break before paragraph %zu, a report longer than a page", i);
        // The bottom's page: a line ending on a page's end is on that page.
        FUZZ_CHECK(!fits || page(start.top) == page(pages.placed[last].bottom - 0.5),
            "the report at paragraph %zu fits on a page but runs from page %d over", i,
            page(start.top));
        FUZZ_CHECK(
            !broken || (i > 0 && page(pages.placed[i - 1].bottom - 0.5) == page(start.top) - 1),
            "the break before paragraph %zu leaves a page empty", i);
    }
    for (const std::size_t index : pages.pageBreaks)
        FUZZ_CHECK(index < paragraphs.size() && paragraphs[index].startsReport,
            "a break before paragraph %zu, which starts no report", index);
    return 0;
}
