#include "fault/fault_report.h"

namespace {

std::string breaks(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "\r\n";
    return text;
}

} // namespace

std::string BuildFaultReport(const FaultPageState& page, double sourceFaultAmps,
    std::string_view dateTimeText, const numtext::Separators& separators)
{
    const FaultInputTexts& fields = page.Fields;
    const auto whole = [&separators](const std::string& text) {
        return numtext::formatText(text, numtext::Mask::GroupedWhole, separators);
    };

    std::string report = "Calculation Type: Short Circuit Current" + breaks(2)
        + std::string(dateTimeText) + breaks(4);

    report += (fields.ThreePhase ? "Three Phase System" : "Single Phase System") + breaks(3);

    if (!fields.SourceIsBreaker) {
        report += fields.Kva + " KVA" + breaks(1);
        report += fields.PercentZ + "% Z" + breaks(1);
        report += page.FullLoadCaption + " Available at Secondary Teminals" + breaks(1);
        report += numtext::format(sourceFaultAmps, numtext::Mask::GroupedWhole, separators)
            + " Amps Fault Available at Secondary Teminals" + breaks(2);
    }

    if (fields.SourceIsBreaker) {
        report
            += whole(fields.AvailableFaultAmps) + " Fault Amperes Available at Breaker" + breaks(3);
    } else if (fields.InfinitePrimary) {
        report += "Infinite Primary Available" + breaks(3);
    } else {
        report += whole(fields.PrimaryVolts) + " V Primary Line-to-Line Voltage" + breaks(1);
        report += whole(fields.AvailableFaultAmps) + " Primary Fault Amperes Available" + breaks(3);
    }

    report += whole(fields.SecondaryVolts) + " V Secondary Line-to-Line Voltage" + breaks(1);
    report += "Wire Size:         " + fields.WireSize + breaks(1);
    report += "Wires per Phase: " + fields.ConductorsPerPhase + breaks(1);
    report += "Length of Run:    " + fields.LengthFeet + " Feet" + breaks(1);

    report += std::string(page.MagneticConduit ? "Conduit Type:    Magnetic"
                                               : "Conduit Type:    Non-Magnetic")
        + breaks(1);
    report += page.SingleConductors ? "Wire Type:    Three Single Conductors"
                                    : "Wire Type:    Three-Conductor Cable";

    report += breaks(2) + page.EndOfRunCaption + " Fault Available at End of Circuit" + breaks(6)
        + "Calculations Methods per COOPER BUSSMANN Bulletin EPR-1" + breaks(1)
        + "Point-To-Point Method of Short-Circuit Calculation Formulas and Example";
    return report;
}
