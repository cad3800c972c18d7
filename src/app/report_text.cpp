#include "app/report_text.h"

std::string ReportLineBreaks(int count)
{
    std::string breaks;
    for (int i = 0; i < count; ++i)
        breaks += kReportLineBreak;
    return breaks;
}

std::string ReportHeading(std::string_view type, std::string_view dateTimeText, int breaksAfter)
{
    return std::string(kReportHeading) + " " + std::string(type) + ReportLineBreaks(2)
        + std::string(dateTimeText) + ReportLineBreaks(breaksAfter);
}
