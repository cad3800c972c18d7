#pragma once

// What every report for the results sheet shares: it begins with its heading and the date
// and time, and its lines break with a carriage return and line feed.

#include <string>
#include <string_view>

inline constexpr std::string_view kReportLineBreak = "\r\n";

// Every report begins a paragraph of its own with this heading, as in "Calculation Type:
// Conduit Fill"; the template has none.
inline constexpr std::string_view kReportHeading = "Calculation Type:";

// `count` line breaks in a row.
std::string ReportLineBreaks(int count);

// "Calculation Type: " and the type, the date and time a line below it, then `breaksAfter`
// line breaks.
std::string ReportHeading(std::string_view type, std::string_view dateTimeText, int breaksAfter);
