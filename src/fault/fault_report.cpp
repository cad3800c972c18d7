#include "fault/fault_report.h"

#include "app/report_text.h"

std::string BuildFaultReport(const FaultPageState& page, double sourceFaultAmps,
    std::string_view dateTimeText, const numtext::Separators& separators)
{
    const FaultInputTexts& fields = page.Fields;
    const auto whole = [&separators](const std::string& text) {
        return numtext::formatText(text, numtext::Mask::GroupedWhole, separators);
    };

    std::string report = ReportHeading("Short Circuit Current", dateTimeText, 4);

    report
        += (fields.ThreePhase ? "Three Phase System" : "Single Phase System") + ReportLineBreaks(3);

    if (!fields.SourceIsBreaker) {
        report += fields.Kva + " KVA" + ReportLineBreaks(1);
        report += fields.PercentZ + "% Z" + ReportLineBreaks(1);
        report += page.FullLoadCaption + " Available at Secondary Teminals" + ReportLineBreaks(1);
        report += numtext::format(sourceFaultAmps, numtext::Mask::GroupedWhole, separators)
            + " Amps Fault Available at Secondary Teminals" + ReportLineBreaks(2);
    }

    if (fields.SourceIsBreaker) {
        report += whole(fields.AvailableFaultAmps) + " Fault Amperes Available at Breaker"
            + ReportLineBreaks(3);
    } else if (fields.InfinitePrimary) {
        report += "Infinite Primary Available" + ReportLineBreaks(3);
    } else {
        report
            += whole(fields.PrimaryVolts) + " V Primary Line-to-Line Voltage" + ReportLineBreaks(1);
        report += whole(fields.AvailableFaultAmps) + " Primary Fault Amperes Available"
            + ReportLineBreaks(3);
    }

    report
        += whole(fields.SecondaryVolts) + " V Secondary Line-to-Line Voltage" + ReportLineBreaks(1);
    report += "Wire Size:         " + fields.WireSize + ReportLineBreaks(1);
    report += "Wires per Phase: " + fields.ConductorsPerPhase + ReportLineBreaks(1);
    report += "Length of Run:    " + fields.LengthFeet + " Feet" + ReportLineBreaks(1);

    report += std::string(page.MagneticConduit ? "Conduit Type:    Magnetic"
                                               : "Conduit Type:    Non-Magnetic")
        + ReportLineBreaks(1);
    report += page.SingleConductors ? "Wire Type:    Three Single Conductors"
                                    : "Wire Type:    Three-Conductor Cable";

    report += ReportLineBreaks(2) + page.EndOfRunCaption + " Fault Available at End of Circuit"
        + ReportLineBreaks(6) + "Calculations Methods per COOPER BUSSMANN Bulletin EPR-1"
        + ReportLineBreaks(1)
        + "Point-To-Point Method of Short-Circuit Calculation Formulas and Example";
    return report;
}
