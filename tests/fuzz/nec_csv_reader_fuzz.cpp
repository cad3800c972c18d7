// The current-code tables' reader: any text either is refused at a line that exists, or
// reads into rows as wide as the header that, written back quoted, read the same again.

#include "fuzz_check.h"
#include "nec/csv_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

std::string quoted(const std::string& text)
{
    std::string result = "\"";
    for (char c : text)
        result += c == '"' ? std::string("\"\"") : std::string(1, c);
    return result + "\"";
}

std::string written(const nec::CsvTable& table)
{
    std::string text;
    for (std::size_t i = 0; i < table.Header.size(); ++i)
        text += (i ? "," : "") + quoted(table.Header[i]);
    text += "\n";
    for (const std::vector<nec::CsvCell>& row : table.Rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? "," : "") + quoted(row[i].Text + (row[i].Unconfirmed ? "?" : ""));
        text += "\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const nec::CsvReading reading = nec::ReadCsv(text);
    if (reading.Error) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        FUZZ_CHECK(reading.Error->Line >= 1 && reading.Error->Line <= lines,
            "refused at line %d of %ld", reading.Error->Line, static_cast<long>(lines));
        FUZZ_CHECK(!reading.Error->Reason.empty(), "refused without a reason");
        return 0;
    }
    const nec::CsvTable& table = reading.Table;
    FUZZ_CHECK(!table.Header.empty(), "no header");
    for (const std::vector<nec::CsvCell>& row : table.Rows)
        FUZZ_CHECK(row.size() == table.Header.size(), "a row of %zu cells under %zu names",
            row.size(), table.Header.size());

    const nec::CsvReading again = nec::ReadCsv(written(table));
    FUZZ_CHECK(
        !again.Error, "written back, refused: %s", again.Error ? again.Error->Reason.c_str() : "");
    FUZZ_CHECK(again.Table == table, "written back, read differently");
    return 0;
}
