#include "sheet/sheet_texts.h"

#include <algorithm>

namespace {

std::string lineBreaks(int count)
{
    std::string breaks;
    for (int i = 0; i < count; ++i)
        breaks += kReportLineBreak;
    return breaks;
}

} // namespace

const std::string VoltageDropNotes = lineBreaks(6)
    + "Calculations Methods per NEC Table 8 and Table 9 impedance data." + lineBreaks(1)
    + "Ampacity of wire per Table 310-16," + lineBreaks(1)
    + "Three Conductors in Raceway or Cable or Air" + lineBreaks(2)
    + "Note: Apply ampacity correction factors for more than 3 wires per conduit.";

std::string BuildVoltageDropHeader(std::string_view dateTimeText)
{
    return "Calculation Type: Circuit Voltage Drop" + lineBreaks(2) + std::string(dateTimeText)
        + lineBreaks(4);
}

SheetLayout LayoutSheet(int outerWidth, int outerHeight)
{
    // A window made very low keeps an empty document rather than a negative height.
    return {std::max(0, outerWidth - 360), std::max(0, outerHeight - 2000), outerHeight - 1000};
}
