// Reading the project's name off the sheet's text: for any text, the name is a part of one
// paragraph that starts with the label and comes before any report, with no blank at
// either end.

#include "fuzz_check.h"
#include "sheet/sheet_texts.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string name = ProjectNameOf(text);
    if (name.empty())
        return 0;
    FUZZ_CHECK(name.find('\n') == std::string::npos, "the name runs over a paragraph");
    FUZZ_CHECK(
        name.front() != ' ' && name.front() != '\t' && name.back() != ' ' && name.back() != '\t',
        "blanks around \"%s\"", name.c_str());

    // The first paragraph that starts with the label, looked for behind a line break so
    // that the first paragraph counts too; it starts at the same place in the text.
    const std::string lined = "\n" + text;
    const std::size_t start = lined.find("\n" + std::string(kProjectNameLabel));
    FUZZ_CHECK(start != std::string::npos, "a name without its label");
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string paragraph = text.substr(start, end - start);
    FUZZ_CHECK(paragraph.find(name, kProjectNameLabel.size()) != std::string::npos,
        "\"%s\" is not in the label's paragraph", name.c_str());
    FUZZ_CHECK(
        lined.substr(0, start + 1).find("\n" + std::string(kReportHeading)) == std::string::npos,
        "\"%s\" is read after a report", name.c_str());
    return 0;
}
