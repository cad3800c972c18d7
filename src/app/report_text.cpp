#include "app/report_text.h"

std::string ReportLineBreaks(int count)
{
    std::string breaks;
    for (int i = 0; i < count; ++i)
        breaks += kReportLineBreak;
    return breaks;
}
