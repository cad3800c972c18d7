#include "conduit/conduit_report.h"

#include "app/report_text.h"

std::string BuildConduitReport(const ConduitResultCaptions& result, std::string_view dateTimeText)
{
    std::string report = ReportHeading("Conduit Fill", dateTimeText, 3);
    for (int group = 0; group < kConduitGroups; ++group) {
        const std::string& line = result.GroupLines[group];
        if (!line.empty())
            report += "Group " + std::to_string(group + 1) + ":  " + line + ReportLineBreaks(1);
    }
    report += ReportLineBreaks(1) + result.TotalArea + ReportLineBreaks(1) + result.Diameter
        + ReportLineBreaks(2) + result.ConduitSize + ReportLineBreaks(6);
    report += "Conduit fill held at 40 % of the inside area of Schedule 40 pipe."
        + ReportLineBreaks(1)
        + "Conductor areas from the program's own table for THHN and THW insulation.";
    return report;
}
