#pragma once

// Texts and layout of the Calculation Results Sheet that need no window: the header of
// a voltage-drop report, the notes that follow its results, where the sheet's document
// and buttons go when the window is resized, and what the printed pages read from the
// sheet's text.

#include "app/report_text.h"

#include <string>
#include <string_view>

// The template's paragraph where the user types the project's name after the label.
inline constexpr std::string_view kProjectNameLabel = "Project Name:";

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

// True for the paragraph that begins a report.
bool StartsReport(std::string_view paragraph);

// The name the user typed after "Project Name:" in the template, without the blanks
// around it; empty when there is none. `sheetText` is the sheet's plain text, one
// paragraph to a line; the template is what comes before the first report, so a report
// that quotes the label is not mistaken for it.
std::string ProjectNameOf(std::string_view sheetText);
