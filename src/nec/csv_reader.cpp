#include "nec/csv_reader.h"

#include <algorithm>

namespace nec {

namespace {

constexpr char kQuote = '"';
constexpr char kUnconfirmedMark = '?';

// Walks the text one record at a time. A record is usually one line; a quoted cell
// may carry it over several.
class CsvScanner
{
public:
    explicit CsvScanner(std::string_view text)
        : m_text(text)
    { }

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }

    // Reads the next record into cells. Gives the reason when it is malformed.
    std::optional<std::string> record(std::vector<std::string>& cells)
    {
        cells.clear();
        for (;;) {
            std::string cell;
            if (const std::optional<std::string> fault
                = peek() == kQuote ? quoted(cell) : plain(cell))
                return fault;
            cells.push_back(std::move(cell));
            if (atEnd())
                return std::nullopt;
            switch (m_text[m_pos]) {
            case ',':
                ++m_pos;
                continue;
            case '\n':
                ++m_pos;
                ++m_line;
                return std::nullopt;
            case '\r':
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') {
                    m_pos += 2;
                    ++m_line;
                    return std::nullopt;
                }
                return "a carriage return that does not end the line";
            default:
                return "text after the closing quote of a cell";
            }
        }
    }

private:
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }

    std::optional<std::string> quoted(std::string& cell)
    {
        ++m_pos; // the opening quote
        for (;;) {
            if (atEnd())
                return "a quoted cell is not closed";
            const char c = m_text[m_pos++];
            if (c == kQuote) {
                if (peek() != kQuote)
                    return std::nullopt;
                ++m_pos; // a doubled quote stands for one
            } else if (c == '\n') {
                ++m_line;
            }
            cell += c;
        }
    }

    std::optional<std::string> plain(std::string& cell)
    {
        while (!atEnd()) {
            const char c = m_text[m_pos];
            if (c == ',' || c == '\n' || c == '\r')
                break;
            if (c == kQuote)
                return "a quote inside a cell that does not begin with one";
            cell += c;
            ++m_pos;
        }
        return std::nullopt;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

CsvCell toCell(std::string text)
{
    CsvCell cell;
    cell.Unconfirmed = !text.empty() && text.back() == kUnconfirmedMark;
    if (cell.Unconfirmed)
        text.pop_back();
    cell.Text = std::move(text);
    return cell;
}

CsvReading failure(int line, std::string reason)
{
    return {{}, CsvError {line, std::move(reason)}};
}

std::optional<std::string> repeatedName(const std::vector<std::string>& header)
{
    for (auto name = header.begin(); name != header.end(); ++name) {
        if (std::find(std::next(name), header.end(), *name) != header.end())
            return *name;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::size_t> CsvTable::Column(std::string_view name) const
{
    const auto found = std::find(Header.begin(), Header.end(), name);
    if (found == Header.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - Header.begin());
}

CsvReading ReadCsv(std::string_view text)
{
    if (text.empty())
        return failure(1, "no line names the columns");

    CsvScanner scanner(text);
    CsvReading reading;
    if (std::optional<std::string> fault = scanner.record(reading.Table.Header))
        return failure(1, std::move(*fault));
    if (const std::optional<std::string> name = repeatedName(reading.Table.Header))
        return failure(1, "the column name \"" + *name + "\" is repeated");

    const std::size_t columns = reading.Table.Header.size();
    std::vector<std::string> cells;
    while (!scanner.atEnd()) {
        const int line = scanner.line();
        if (std::optional<std::string> fault = scanner.record(cells))
            return failure(line, std::move(*fault));
        if (cells.size() != columns) {
            return failure(line,
                "the row has " + std::to_string(cells.size()) + " cells where the header names "
                    + std::to_string(columns));
        }
        std::vector<CsvCell>& row = reading.Table.Rows.emplace_back();
        row.reserve(columns);
        for (std::string& cell : cells)
            row.push_back(toCell(std::move(cell)));
    }
    return reading;
}

} // namespace nec
