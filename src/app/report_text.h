#pragma once

// What every report for the results sheet shares: its lines break with a carriage return
// and line feed.

#include <string>
#include <string_view>

inline constexpr std::string_view kReportLineBreak = "\r\n";

// `count` line breaks in a row.
std::string ReportLineBreaks(int count);
