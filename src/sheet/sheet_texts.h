#pragma once

// Texts and layout of the Calculation Results Sheet that need no window: the header of
// a voltage-drop report, the notes that follow its results, and where the sheet's
// document and buttons go when the window is resized.

#include <string>
#include <string_view>

// Report texts break lines with a carriage return and line feed.
inline constexpr std::string_view kReportLineBreak = "\r\n";

extern const std::string VoltageDropNotes;

std::string BuildVoltageDropHeader(std::string_view dateTimeText);

// Twips. The document keeps its left and top; the buttons keep their left positions.
struct SheetLayout
{
    int textWidth = 0;
    int textHeight = 0;
    int buttonTop = 0;
};

// For the window's outer width and height in twips.
SheetLayout LayoutSheet(int outerWidth, int outerHeight);
