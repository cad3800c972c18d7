// The sheet file's reader: any bytes are refused, or read as a sheet that keeps every rule
// of the file (checked here on its own, not by the reader's code) and that writing and
// reading again give back unchanged, writing then being a fixed point.

#include "fuzz_check.h"
#include "sheet/sheet_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace sheetfile;

namespace {

void checkFormat(const Sheet& sheet, int number, FormatKind kind)
{
    FUZZ_CHECK(number >= 0 && std::size_t(number) < sheet.formats.size()
            && sheet.formats[std::size_t(number)].kind == kind,
        "format %d is missing or of another kind", number);
}

// A paragraph first, last, and between any two tables or frames; each cell of a table at
// the first free place, row by row, within the grid, and together they cover it.
void checkItems(const Sheet& sheet, const std::vector<Item>& items)
{
    FUZZ_CHECK(!items.empty(), "a frame or cell with nothing in it");
    bool afterBlock = false;
    for (const Item& item : items) {
        const auto* block = std::get_if<Block>(&item.content);
        FUZZ_CHECK(block || afterBlock, "a table or frame with no paragraph before it");
        afterBlock = block != nullptr;
        if (block) {
            checkFormat(sheet, block->format, FormatKind::Block);
            checkFormat(sheet, block->charFormat, FormatKind::Char);
            FUZZ_CHECK(!block->list || std::size_t(*block->list) < sheet.lists.size(), "list");
            for (const Fragment& fragment : block->fragments) {
                checkFormat(sheet, fragment.format, FormatKind::Char);
                FUZZ_CHECK(!fragment.text.empty(), "an empty run of text");
                // LF, CR, U+2029, U+FDD0 and U+FDD1 end paragraphs and frames.
                for (const std::string_view end :
                    {"\n", "\r", "\xE2\x80\xA9", "\xEF\xB7\x90", "\xEF\xB7\x91"})
                    FUZZ_CHECK(fragment.text.find(end) == std::string::npos,
                        "a paragraph break in a run of text");
            }
        } else if (const auto* frame = std::get_if<Frame>(&item.content)) {
            checkFormat(sheet, frame->format, FormatKind::Frame);
            checkItems(sheet, frame->items);
        } else {
            const Table& table = std::get<Table>(item.content);
            checkFormat(sheet, table.format, FormatKind::Frame);
            FUZZ_CHECK(table.rows >= 1 && table.columns >= 1
                    && std::int64_t(table.rows) * table.columns <= kMaxTableCells,
                "a table of %d by %d", table.rows, table.columns);
            std::vector<bool> taken(std::size_t(table.rows) * std::size_t(table.columns));
            std::size_t free = 0;
            for (const Cell& cell : table.cells) {
                while (free < taken.size() && taken[free])
                    ++free;
                FUZZ_CHECK(
                    std::size_t(cell.row) * std::size_t(table.columns) + std::size_t(cell.column)
                            == free
                        && cell.rowSpan >= 1 && cell.columnSpan >= 1
                        && cell.row + cell.rowSpan <= table.rows
                        && cell.column + cell.columnSpan <= table.columns,
                    "cell %d,%d out of its place", cell.row, cell.column);
                for (int r = cell.row; r < cell.row + cell.rowSpan; ++r) {
                    for (int c = cell.column; c < cell.column + cell.columnSpan; ++c) {
                        const std::size_t slot = std::size_t(r * table.columns + c);
                        FUZZ_CHECK(!taken[slot], "two cells cover %d,%d", r, c);
                        taken[slot] = true;
                    }
                }
                checkItems(sheet, cell.items);
            }
            FUZZ_CHECK(std::all_of(taken.begin(), taken.end(), [](bool t) { return t; }),
                "the cells leave a hole in their table");
        }
    }
    FUZZ_CHECK(afterBlock, "a frame or cell that ends in a table or frame");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = parse(bytes);
    if (const auto* error = std::get_if<ParseError>(&parsed)) {
        FUZZ_CHECK(
            error->kind != ParseError::Kind::NewerVersion || error->version.major > kVersion.major,
            "version %d.%d called newer", error->version.major, error->version.minor);
        return 0;
    }
    const Sheet& sheet = std::get<Sheet>(parsed);
    FUZZ_CHECK(bytes.starts_with("Tavilon sheet 1.") && bytes.ends_with("\nend sheet\n"),
        "accepted bytes that do not begin and end as a sheet does");
    FUZZ_CHECK(sheet.version.major == kVersion.major, "read version %d.%d", sheet.version.major,
        sheet.version.minor);
    checkFormat(sheet, sheet.document.defaultFont, FormatKind::Char);
    for (const int list : sheet.lists)
        checkFormat(sheet, list, FormatKind::List);
    checkFormat(sheet, sheet.root.format, FormatKind::Frame);
    checkItems(sheet, sheet.root.items);
    for (std::size_t i = 0; i < sheet.resources.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j)
            FUZZ_CHECK(sheet.resources[i].name != sheet.resources[j].name, "two resources named %s",
                sheet.resources[i].name.c_str());
    }

    const std::string written = write(sheet);
    const auto again = parse(written);
    const auto* error = std::get_if<ParseError>(&again);
    FUZZ_CHECK(!error, "what was written cannot be read: line %d, %s", error ? error->line : 0,
        error ? error->reason.c_str() : "");
    FUZZ_CHECK(std::get<Sheet>(again) == sheet, "what was written reads as another sheet");
    FUZZ_CHECK(write(std::get<Sheet>(again)) == written, "writing again gives other bytes");
    return 0;
}
