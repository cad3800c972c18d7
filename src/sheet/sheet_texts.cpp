#include "sheet/sheet_texts.h"

#include "app/number_text.h"
#include "app/report_text.h"

#include <algorithm>

const std::string VoltageDropNotes = ReportLineBreaks(6)
    + "Calculations Methods per NEC Table 8 and Table 9 impedance data." + ReportLineBreaks(1)
    + "Ampacity of wire per Table 310-16," + ReportLineBreaks(1)
    + "Three Conductors in Raceway or Cable or Air" + ReportLineBreaks(2)
    + "Note: Apply ampacity correction factors for more than 3 wires per conduit.";

std::string BuildVoltageDropHeader(std::string_view dateTimeText)
{
    return ReportHeading("Circuit Voltage Drop", dateTimeText, 4);
}

SheetLayout LayoutSheet(int outerWidth, int outerHeight)
{
    // A window made very low keeps an empty document rather than a negative height.
    return {std::max(0, outerWidth - 360), std::max(0, outerHeight - 2000), outerHeight - 1000};
}

bool StartsReport(std::string_view paragraph)
{
    return paragraph.starts_with(kReportHeading);
}

std::string ProjectNameOf(std::string_view sheetText)
{
    for (std::size_t start = 0; start <= sheetText.size();) {
        const std::size_t end = std::min(sheetText.find('\n', start), sheetText.size());
        const std::string_view paragraph = sheetText.substr(start, end - start);
        if (StartsReport(paragraph))
            break;
        if (paragraph.starts_with(kProjectNameLabel)) {
            // A project name's blanks: what a user types with the space bar and the Tab
            // key. The sheet's plain text already shows a no-break space as a space.
            return std::string(numtext::trimBlanks(paragraph.substr(kProjectNameLabel.size())));
        }
        start = end + 1;
    }
    return {};
}
