// The two report builders: any page texts give a report that starts with its heading,
// ends with its method lines and carries exactly the line breaks of its form plus those
// the user typed.

#include "fault/fault_report.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "fuzz_separators.h"
#include "sheet/sheet_texts.h"

#include <algorithm>

namespace {

std::size_t lineBreaks(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

bool startsWith(const std::string& text, std::string_view start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool endsWith(const std::string& text, std::string_view end)
{
    return text.size() >= end.size()
        && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const numtext::Separators separators = fuzzSeparators(input.byte());
    const std::uint8_t modes = input.byte();
    FaultPageState page;
    page.Fields.SourceIsBreaker = modes & 1;
    page.Fields.InfinitePrimary = modes & 2;
    page.Fields.ThreePhase = modes & 4;
    page.MagneticConduit = modes & 8;
    page.SingleConductors = modes & 16;
    const double sourceFaultAmps = input.value<double>();
    const std::string stamp = input.text();
    std::string typed;
    for (std::string* field : {&page.Fields.Kva, &page.Fields.PercentZ, &page.Fields.PrimaryVolts,
             &page.Fields.SecondaryVolts, &page.Fields.AvailableFaultAmps, &page.Fields.WireSize,
             &page.Fields.ConductorsPerPhase, &page.Fields.LengthFeet, &page.FullLoadCaption,
             &page.SourceFaultCaption, &page.EndOfRunCaption}) {
        *field = input.text();
        typed += *field + '\n';
    }

    const std::string report = BuildFaultReport(page, sourceFaultAmps, stamp, separators);
    FUZZ_CHECK(startsWith(report, "Calculation Type: Short Circuit Current\r\n\r\n" + stamp),
        "fault report heading");
    FUZZ_CHECK(
        endsWith(report, "Point-To-Point Method of Short-Circuit Calculation Formulas and Example"),
        "fault report ending");
    // Each mode's form has a fixed number of line breaks; typed text may add its own. A
    // text formatted as a number has none, and a text left as typed keeps its own.
    const bool transformer = !page.Fields.SourceIsBreaker;
    const std::size_t form = 4 + 2 + 3 + (transformer ? 5 : 0)
        + (transformer && !page.Fields.InfinitePrimary ? 4 : 3) + 4 + 1 + 2 + 6 + 1;
    FUZZ_CHECK(lineBreaks(report) >= form && lineBreaks(report) - form <= lineBreaks(stamp + typed),
        "%zu line breaks for a form of %zu", lineBreaks(report), form);

    const std::string header = BuildVoltageDropHeader(stamp);
    FUZZ_CHECK(
        header == "Calculation Type: Circuit Voltage Drop\r\n\r\n" + stamp + "\r\n\r\n\r\n\r\n",
        "voltage drop header");
    return 0;
}
