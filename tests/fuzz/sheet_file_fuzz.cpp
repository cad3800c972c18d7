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

class ShapeCheck
{
public:
    explicit ShapeCheck(const Sheet& sheet)
        : m_sheet(sheet)
    { }

    void run() const
    {
        checkFormat(m_sheet.document.defaultFont, FormatKind::Char);
        for (const int list : m_sheet.lists)
            checkFormat(list, FormatKind::List);
        checkFormat(m_sheet.root.format, FormatKind::Frame);
        checkItems(m_sheet.root.items);
        for (std::size_t i = 0; i < m_sheet.resources.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j)
                FUZZ_CHECK(m_sheet.resources[i].name != m_sheet.resources[j].name,
                    "two resources named %s", m_sheet.resources[i].name.c_str());
        }
    }

private:
    void checkFormat(int number, FormatKind kind) const
    {
        FUZZ_CHECK(number >= 0 && std::size_t(number) < m_sheet.formats.size(), "format %d of %zu",
            number, m_sheet.formats.size());
        FUZZ_CHECK(
            m_sheet.formats[std::size_t(number)].kind == kind, "format %d of another kind", number);
    }

    // A paragraph first, last, and between any two tables or frames.
    void checkItems(const std::vector<Item>& items) const
    {
        FUZZ_CHECK(!items.empty(), "a frame or cell with nothing in it");
        bool afterBlock = false;
        for (const Item& item : items) {
            const auto* block = std::get_if<Block>(&item.content);
            FUZZ_CHECK(block || afterBlock, "a table or frame with no paragraph before it");
            afterBlock = block != nullptr;
            if (block)
                checkBlock(*block);
            else if (const auto* table = std::get_if<Table>(&item.content))
                checkTable(*table);
            else
                checkFrame(std::get<Frame>(item.content));
        }
        FUZZ_CHECK(afterBlock, "a frame or cell that ends in a table or frame");
    }

    void checkBlock(const Block& block) const
    {
        checkFormat(block.format, FormatKind::Block);
        checkFormat(block.charFormat, FormatKind::Char);
        FUZZ_CHECK(
            !block.list || (*block.list >= 0 && std::size_t(*block.list) < m_sheet.lists.size()),
            "list %d", *block.list);
        for (const Fragment& fragment : block.fragments) {
            checkFormat(fragment.format, FormatKind::Char);
            FUZZ_CHECK(!fragment.text.empty(), "an empty run of text");
            // LF, CR, U+2029, U+FDD0 and U+FDD1 end paragraphs and frames.
            for (const std::string_view paragraphEnd :
                {"\n", "\r", "\xE2\x80\xA9", "\xEF\xB7\x90", "\xEF\xB7\x91"})
                FUZZ_CHECK(fragment.text.find(paragraphEnd) == std::string::npos,
                    "a paragraph break in a run of text");
        }
    }

    void checkFrame(const Frame& frame) const
    {
        checkFormat(frame.format, FormatKind::Frame);
        checkItems(frame.items);
    }

    // Each cell at the first free place, row by row, within the grid; together they cover it.
    void checkTable(const Table& table) const
    {
        checkFormat(table.format, FormatKind::Frame);
        FUZZ_CHECK(table.rows >= 1 && table.columns >= 1
                && std::int64_t(table.rows) * table.columns <= kMaxTableCells,
            "a table of %d by %d", table.rows, table.columns);
        std::vector<bool> taken(std::size_t(table.rows) * std::size_t(table.columns));
        std::size_t free = 0;
        for (const Cell& cell : table.cells) {
            while (free < taken.size() && taken[free])
                ++free;
            FUZZ_CHECK(std::size_t(cell.row) * std::size_t(table.columns) + std::size_t(cell.column)
                    == free,
                "cell %d,%d is not at the first free place", cell.row, cell.column);
            FUZZ_CHECK(cell.rowSpan >= 1 && cell.columnSpan >= 1
                    && cell.row + cell.rowSpan <= table.rows
                    && cell.column + cell.columnSpan <= table.columns,
                "cell %d,%d spans out of its table", cell.row, cell.column);
            for (int r = cell.row; r < cell.row + cell.rowSpan; ++r) {
                for (int c = cell.column; c < cell.column + cell.columnSpan; ++c) {
                    const std::size_t slot
                        = std::size_t(r) * std::size_t(table.columns) + std::size_t(c);
                    FUZZ_CHECK(!taken[slot], "two cells cover %d,%d", r, c);
                    taken[slot] = true;
                }
            }
            checkItems(cell.items);
        }
        FUZZ_CHECK(std::all_of(taken.begin(), taken.end(), [](bool t) { return t; }),
            "the cells leave a hole in their table");
    }

    const Sheet& m_sheet;
};

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
    ShapeCheck(sheet).run();

    const std::string written = write(sheet);
    const auto again = parse(written);
    const auto* error = std::get_if<ParseError>(&again);
    FUZZ_CHECK(!error, "what was written cannot be read: line %d, %s", error ? error->line : 0,
        error ? error->reason.c_str() : "");
    FUZZ_CHECK(std::get<Sheet>(again) == sheet, "what was written reads as another sheet");
    FUZZ_CHECK(write(std::get<Sheet>(again)) == written, "writing again gives other bytes");
    return 0;
}
