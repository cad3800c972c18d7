#include "sheet/sheet_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace sheetfile {

// Written out: clang 14 overflows its stack defaulting these comparisons of types that hold
// themselves.
bool Call::operator==(const Call& other) const
{
    return name == other.name && arguments == other.arguments;
}

bool Value::operator==(const Value& other) const
{
    return data == other.data;
}

bool Frame::operator==(const Frame& other) const
{
    return format == other.format && items == other.items;
}

bool Cell::operator==(const Cell& other) const
{
    return row == other.row && column == other.column && rowSpan == other.rowSpan
        && columnSpan == other.columnSpan && items == other.items;
}

namespace {

constexpr std::string_view kMagic = "Tavilon sheet ";
constexpr std::size_t kBase64LineLength = 76;
constexpr std::string_view kBase64Alphabet
    = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// Lists and compound values within one another.
constexpr int kMaxValueDepth = 8;

constexpr std::array<std::string_view, 4> kFormatKindNames = {"block", "char", "list", "frame"};

std::string_view kindName(FormatKind kind)
{
    return kFormatKindNames[static_cast<std::size_t>(kind)];
}

// The first fault found in a file. The reading is deep and stops at the first fault, which
// is all the user is told, so it is thrown from where it is found and caught in parse().
struct Damage
{
    int line = 0;
    std::string reason;
};

[[noreturn]] void fail(int line, std::string reason)
{
    throw Damage {line, std::move(reason)};
}

bool isWordStart(char c)
{
    return c >= 'a' && c <= 'z';
}

bool isWordChar(char c)
{
    return isWordStart(c) || (c >= '0' && c <= '9') || c == '-';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code point of the UTF-8 sequence at `text[*at]`, moving past it; nullopt, moving past
// one byte, where the bytes are not UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t* at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(*at);
    if (lead < 0x80) {
        ++*at;
        return lead;
    }
    std::size_t length = 0;
    char32_t point = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, smallest = 0x10000;
    } else {
        ++*at;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (*at + i >= text.size() || (byte(*at + i) & 0xC0) != 0x80) {
            ++*at;
            return std::nullopt;
        }
        point = (point << 6) | (byte(*at + i) & 0x3F);
    }
    if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
        ++*at;
        return std::nullopt;
    }
    *at += length;
    return point;
}

void appendUtf8(std::string* out, char32_t point)
{
    if (point < 0x80) {
        *out += static_cast<char>(point);
    } else if (point < 0x800) {
        *out += static_cast<char>(0xC0 | (point >> 6));
        *out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        *out += static_cast<char>(0xE0 | (point >> 12));
        *out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        *out += static_cast<char>(0xF0 | (point >> 18));
        *out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        *out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// Characters a string carries escaped, so that a reader sees them: controls, the line and
// paragraph separators, the byte-order mark, the object replacement character that stands
// for an image, and the noncharacters.
bool writtenEscaped(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029
        || point == 0xFEFF || point == 0xFFFC || point == 0xFFFE || point == 0xFFFF
        || (point >= 0xFDD0 && point <= 0xFDEF);
}

// Characters that end a paragraph in the text engine, and so never stand in a run of text.
bool breaksParagraph(char32_t point)
{
    return point == '\n' || point == '\r' || point == 0x2029 || point == 0xFDD0 || point == 0xFDD1;
}

// One line as its keyword, its values and its attributes (name=value), in that order.
struct Line
{
    int number = 0;
    std::string keyword;
    std::vector<Value> values;
    std::vector<Property> attributes;
};

// Reads the items of one line.
class LineScanner
{
public:
    LineScanner(std::string_view text, int number)
        : m_text(text)
        , m_number(number)
    { }

    Line line()
    {
        Line line;
        line.number = m_number;
        line.keyword = word();
        while (m_at < m_text.size()) {
            expect(' ');
            if (isAttribute()) {
                Property attribute;
                attribute.name = word();
                expect('=');
                attribute.value = value(0);
                line.attributes.push_back(std::move(attribute));
            } else if (line.attributes.empty()) {
                line.values.push_back(value(0));
            } else {
                fail(m_number, "a value follows the named ones");
            }
        }
        return line;
    }

private:
    [[noreturn]] void damaged(const std::string& reason) const { fail(m_number, reason); }

    char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }

    void expect(char c)
    {
        if (peek() != c) {
            damaged(m_at < m_text.size()
                    ? "“" + std::string(1, c) + "” expected at column " + std::to_string(m_at + 1)
                    : "the line ends early");
        }
        ++m_at;
    }

    bool isAttribute() const
    {
        std::size_t at = m_at;
        if (at >= m_text.size() || !isWordStart(m_text[at]))
            return false;
        while (at < m_text.size() && isWordChar(m_text[at]))
            ++at;
        return at < m_text.size() && m_text[at] == '=';
    }

    std::string word()
    {
        if (!isWordStart(peek()))
            damaged("a name expected at column " + std::to_string(m_at + 1));
        const std::size_t start = m_at;
        while (isWordChar(peek()))
            ++m_at;
        return std::string(m_text.substr(start, m_at - start));
    }

    Value value(int depth)
    {
        if (depth > kMaxValueDepth)
            damaged("values nested too deep");
        const char c = peek();
        if (c == '"')
            return {string()};
        if (c == '#')
            return {colour()};
        if (c == '-' || isDigit(c))
            return number();
        if (c == '[') {
            ++m_at;
            return {sequence(']', depth)};
        }
        if (isWordStart(c)) {
            std::string name = word();
            if (peek() == '(') {
                ++m_at;
                return {Call {std::move(name), sequence(')', depth)}};
            }
            if (name == "true" || name == "false")
                return {name == "true"};
            return {Word {std::move(name)}};
        }
        damaged(m_at < m_text.size() ? "a value expected at column " + std::to_string(m_at + 1)
                                     : "the line ends where a value should be");
    }

    // The values of a list or a compound value, up to `close`.
    std::vector<Value> sequence(char close, int depth)
    {
        std::vector<Value> values;
        if (peek() == close) {
            ++m_at;
            return values;
        }
        for (;;) {
            values.push_back(value(depth + 1));
            if (peek() == close) {
                ++m_at;
                return values;
            }
            expect(',');
            expect(' ');
        }
    }

    std::string string()
    {
        expect('"');
        std::string text;
        for (;;) {
            if (m_at >= m_text.size())
                damaged("a string has no closing quote");
            const char c = m_text[m_at];
            if (c == '"') {
                ++m_at;
                return text;
            }
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                damaged("a string holds a control character that is not escaped");
            if (c != '\\') {
                text += c;
                ++m_at;
                continue;
            }
            ++m_at;
            switch (peek()) {
            case '"':
            case '\\':
                text += m_text[m_at++];
                break;
            case 't':
                text += '\t';
                ++m_at;
                break;
            case 'n':
                text += '\n';
                ++m_at;
                break;
            case 'u':
                ++m_at;
                appendUtf8(&text, escapedCodePoint());
                break;
            default:
                damaged("a string holds an unknown escape");
            }
        }
    }

    // The code point of "\u{hex}", after the "u".
    char32_t escapedCodePoint()
    {
        expect('{');
        char32_t point = 0;
        int digits = 0;
        while (peek() != '}') {
            const int digit = hexDigit(peek());
            if (digit < 0 || ++digits > 6)
                damaged("a \\u escape is not one to six hexadecimal digits");
            point = point * 16 + static_cast<char32_t>(digit);
            ++m_at;
        }
        ++m_at;
        if (digits == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            damaged("a \\u escape names no character");
        return point;
    }

    Colour colour()
    {
        expect('#');
        std::size_t digits = 0;
        while (hexDigit(peek()) >= 0)
            ++m_at, ++digits;
        if (digits != 8 && digits != 16)
            damaged("a colour is not 8 or 16 hexadecimal digits");
        const std::string_view hex = m_text.substr(m_at - digits, digits);
        const std::size_t width = digits / 4;
        std::array<std::uint16_t, 4> channels {};
        for (std::size_t i = 0; i < 4; ++i) {
            unsigned channel = 0;
            for (std::size_t j = 0; j < width; ++j)
                channel = channel * 16 + static_cast<unsigned>(hexDigit(hex[i * width + j]));
            channels[i] = static_cast<std::uint16_t>(width == 2 ? channel * 0x101 : channel);
        }
        return {channels[0], channels[1], channels[2], channels[3]};
    }

    // A whole number (-?digits, no leading zero) or a real one (with a point or exponent).
    Value number()
    {
        const std::size_t start = m_at;
        if (peek() == '-')
            ++m_at;
        const std::size_t digitsStart = m_at;
        while (isDigit(peek()))
            ++m_at;
        const std::size_t integerDigits = m_at - digitsStart;
        if (integerDigits == 0)
            damaged("a number has no digits");
        bool real = false;
        if (peek() == '.') {
            ++m_at;
            if (!isDigit(peek()))
                damaged("a number has no digits after its point");
            while (isDigit(peek()))
                ++m_at;
            real = true;
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            if (!isDigit(peek()))
                damaged("a number has no digits in its exponent");
            while (isDigit(peek()))
                ++m_at;
            real = true;
        }
        const std::string_view text = m_text.substr(start, m_at - start);
        if (real) {
            double result = 0;
            const auto [end, error]
                = std::from_chars(text.data(), text.data() + text.size(), result);
            if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(result))
                damaged("a real number is out of range");
            return {result};
        }
        if (integerDigits > 1 && m_text[digitsStart] == '0')
            damaged("a whole number starts with 0");
        std::int64_t result = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
        if (error != std::errc() || end != text.data() + text.size())
            damaged("a whole number is out of range");
        return {result};
    }

    std::string_view m_text;
    int m_number;
    std::size_t m_at = 0;
};

std::optional<int> parseVersionNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 6 || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

std::optional<Version> parseVersion(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return std::nullopt;
    const std::optional<int> major = parseVersionNumber(text.substr(0, point));
    const std::optional<int> minor = parseVersionNumber(text.substr(point + 1));
    if (!major || !minor)
        return std::nullopt;
    return Version {*major, *minor};
}

std::string versionText(Version version)
{
    return std::to_string(version.major) + "." + std::to_string(version.minor);
}

// The structure of a file whose first line has been read: formats, the document, the
// lists, the root frame, the resources.
class SheetReader
{
public:
    SheetReader(std::vector<std::string_view> lines, Version version)
        : m_lines(std::move(lines))
        , m_skipUnknown(version.major == kVersion.major && version.minor > kVersion.minor)
    {
        m_sheet.version = version;
    }

    Sheet sheet()
    {
        while (peek().keyword == "format")
            m_sheet.formats.push_back(format(take()));
        m_sheet.document = document(expectLine("document"));
        while (peek().keyword == "list")
            m_sheet.lists.push_back(list(take()));
        m_sheet.root = frame(expectLine("frame"), 1);
        while (peek().keyword == "resource")
            m_sheet.resources.push_back(resource(take()));
        const Line end = expectLine("end");
        expectEnd(end, "sheet");
        if (m_next < m_lines.size())
            fail(static_cast<int>(m_next) + 1, "there is more after the end of the sheet");
        return std::move(m_sheet);
    }

private:
    static constexpr std::array<std::string_view, 10> kKeywords = {
        "format", "document", "list", "frame", "block", "text", "table", "cell", "resource", "end"};

    // The next line of a kind this reader knows, without taking it. The end of the file reads
    // as a line with no keyword.
    const Line& peek()
    {
        while (!m_peeked) {
            if (m_next >= m_lines.size()) {
                m_peeked = Line {static_cast<int>(m_lines.size()), {}, {}, {}};
                break;
            }
            Line line = LineScanner(m_lines[m_next], static_cast<int>(m_next) + 1).line();
            if (std::find(kKeywords.begin(), kKeywords.end(), line.keyword) == kKeywords.end()) {
                if (!m_skipUnknown)
                    fail(line.number, "no line starts with “" + line.keyword + "”");
                ++m_next;
                continue;
            }
            m_peeked = std::move(line);
        }
        return *m_peeked;
    }

    Line take()
    {
        Line line = peek();
        if (line.keyword.empty())
            fail(line.number, "the file ends before the sheet does; it may have been cut short");
        m_peeked.reset();
        ++m_next;
        return line;
    }

    Line expectLine(std::string_view keyword)
    {
        const Line& next = peek();
        if (next.keyword != keyword) {
            if (next.keyword.empty())
                take(); // says that the file ends early
            fail(
                next.number, "“" + std::string(keyword) + "” expected, not “" + next.keyword + "”");
        }
        return take();
    }

    // Checks the number of values and the attributes a line may have; attributes it may not
    // have are skipped in a file of a newer minor version.
    void checkShape(Line* line, std::size_t values, std::vector<std::string_view> attributes = {})
    {
        if (line->values.size() != values) {
            fail(line->number,
                "“" + line->keyword + "” takes " + std::to_string(values) + " values, not "
                    + std::to_string(line->values.size()));
        }
        std::erase_if(line->attributes, [&](const Property& attribute) {
            if (std::find(attributes.begin(), attributes.end(), attribute.name) != attributes.end())
                return false;
            if (!m_skipUnknown)
                fail(line->number, "“" + line->keyword + "” has no “" + attribute.name + "”");
            return true;
        });
    }

    static std::int64_t integer(const Line& line, const Value& value, std::string_view what,
        std::int64_t lowest, std::int64_t highest)
    {
        const auto* number = std::get_if<std::int64_t>(&value.data);
        if (!number)
            fail(line.number, std::string(what) + " is not a whole number");
        if (*number < lowest || *number > highest)
            fail(line.number, std::string(what) + " is out of range");
        return *number;
    }

    static int count(const Line& line, const Value& value, std::string_view what)
    {
        return static_cast<int>(integer(line, value, what, 1, kMaxTableCells));
    }

    static const std::string& string(const Line& line, const Value& value, std::string_view what)
    {
        const auto* text = std::get_if<std::string>(&value.data);
        if (!text)
            fail(line.number, std::string(what) + " is not a string");
        return *text;
    }

    // A reference to a format of the given kind.
    int formatReference(const Line& line, const Value& value, FormatKind kind) const
    {
        const auto index = static_cast<int>(integer(line, value, "a format number", 0,
            static_cast<std::int64_t>(m_sheet.formats.size()) - 1));
        if (m_sheet.formats[static_cast<std::size_t>(index)].kind != kind) {
            fail(line.number,
                "format " + std::to_string(index) + " is not a " + std::string(kindName(kind))
                    + " format");
        }
        return index;
    }

    void expectEnd(const Line& line, std::string_view what)
    {
        if (line.values.size() != 1 || line.values[0] != Value {Word {std::string(what)}})
            fail(line.number, "“end " + std::string(what) + "” expected");
        if (!line.attributes.empty() && !m_skipUnknown)
            fail(line.number, "“end” has no “" + line.attributes.front().name + "”");
    }

    Format format(Line line)
    {
        if (line.values.size() != 2)
            fail(line.number, "“format” takes a number and a kind");
        checkInOrder(line, line.values[0], "format", m_sheet.formats.size());
        const auto* kindWord = std::get_if<Word>(&line.values[1].data);
        const auto kind = kindWord
            ? std::find(kFormatKindNames.begin(), kFormatKindNames.end(), kindWord->name)
            : kFormatKindNames.end();
        if (kind == kFormatKindNames.end())
            fail(line.number, "a format is of no kind this program knows");
        uniqueNames(line);
        return {static_cast<FormatKind>(kind - kFormatKindNames.begin()),
            std::move(line.attributes), line.number};
    }

    // Formats and lists are numbered 0, 1, 2 and on in the order they come, so that a
    // reader finds one by its number.
    static void checkInOrder(
        const Line& line, const Value& number, std::string_view what, std::size_t expected)
    {
        if (number != Value {static_cast<std::int64_t>(expected)}) {
            fail(line.number,
                std::string(what) + " " + std::to_string(expected)
                    + " expected: they are numbered in order from 0");
        }
    }

    static void uniqueNames(const Line& line)
    {
        for (auto it = line.attributes.begin(); it != line.attributes.end(); ++it) {
            if (std::any_of(line.attributes.begin(), it,
                    [&](const Property& earlier) { return earlier.name == it->name; }))
                fail(line.number, "“" + it->name + "” is given twice");
        }
    }

    DocumentSettings document(Line line)
    {
        if (line.values.size() != 1)
            fail(line.number, "“document” takes the number of its font's format");
        uniqueNames(line);
        return {formatReference(line, line.values[0], FormatKind::Char), std::move(line.attributes),
            line.number};
    }

    int list(Line line)
    {
        checkShape(&line, 2);
        checkInOrder(line, line.values[0], "list", m_sheet.lists.size());
        return formatReference(line, line.values[1], FormatKind::List);
    }

    Frame frame(Line line, int depth)
    {
        checkShape(&line, 1);
        Frame frame;
        frame.format = formatReference(line, line.values[0], FormatKind::Frame);
        frame.items = items(line, "frame", depth);
        return frame;
    }

    // The items of a frame or a cell up to its "end": paragraphs, with a paragraph at the
    // start, at the end, and between any two tables or frames.
    std::vector<Item> items(const Line& opening, std::string_view what, int depth)
    {
        if (depth > kMaxNesting)
            fail(opening.number, "tables and frames are nested too deep");
        std::vector<Item> items;
        bool afterBlock = false;
        for (;;) {
            Line line = take();
            if (line.keyword == "end") {
                expectEnd(line, what);
                if (!afterBlock) {
                    fail(line.number,
                        "a " + std::string(what) + " must end with a paragraph (“block”)");
                }
                return items;
            }
            if (line.keyword == "block") {
                items.push_back({block(std::move(line))});
                afterBlock = true;
                continue;
            }
            if (line.keyword != "table" && line.keyword != "frame")
                fail(line.number, "“" + line.keyword + "” has no place in a " + std::string(what));
            if (!afterBlock) {
                fail(line.number,
                    "a " + line.keyword + " must follow a paragraph (“block”) in its "
                        + std::string(what));
            }
            if (line.keyword == "table")
                items.push_back({table(std::move(line), depth + 1)});
            else
                items.push_back({frame(std::move(line), depth + 1)});
            afterBlock = false;
        }
    }

    Block block(Line line)
    {
        checkShape(&line, 2, {"list"});
        uniqueNames(line);
        Block block;
        block.format = formatReference(line, line.values[0], FormatKind::Block);
        block.charFormat = formatReference(line, line.values[1], FormatKind::Char);
        if (!line.attributes.empty()) {
            block.list = static_cast<int>(integer(line, line.attributes[0].value, "the list number",
                0, static_cast<std::int64_t>(m_sheet.lists.size()) - 1));
        }
        while (peek().keyword == "text")
            block.fragments.push_back(fragment(take()));
        return block;
    }

    Fragment fragment(Line line)
    {
        checkShape(&line, 2);
        Fragment fragment;
        fragment.format = formatReference(line, line.values[0], FormatKind::Char);
        fragment.text = string(line, line.values[1], "the text");
        if (fragment.text.empty())
            fail(line.number, "a text line holds no text");
        for (std::size_t at = 0; at < fragment.text.size();) {
            if (breaksParagraph(*decodeUtf8(fragment.text, &at)))
                fail(line.number, "a text line holds a paragraph break");
        }
        return fragment;
    }

    Table table(Line line, int depth)
    {
        checkShape(&line, 3);
        Table table;
        table.format = formatReference(line, line.values[0], FormatKind::Frame);
        table.rows = count(line, line.values[1], "the number of rows");
        table.columns = count(line, line.values[2], "the number of columns");
        if (std::int64_t(table.rows) * table.columns > kMaxTableCells)
            fail(line.number, "a table has more cells than any sheet could");

        // Each cell takes the first free place, row by row, as the text engine lays them out.
        std::vector<bool> taken(static_cast<std::size_t>(table.rows * table.columns));
        std::size_t nextFree = 0;
        while (peek().keyword == "cell") {
            while (nextFree < taken.size() && taken[nextFree])
                ++nextFree;
            const int cellLine = peek().number;
            Cell cell = this->cell(take(), table, depth + 1);
            const auto place = static_cast<std::size_t>(cell.row * table.columns + cell.column);
            if (place != nextFree)
                fail(cellLine, "a cell is not at the first free place of its table");
            for (int r = cell.row; r < cell.row + cell.rowSpan; ++r) {
                for (int c = cell.column; c < cell.column + cell.columnSpan; ++c) {
                    const auto slot = static_cast<std::size_t>(r * table.columns + c);
                    if (taken[slot])
                        fail(cellLine, "a cell lies over another");
                    taken[slot] = true;
                }
            }
            table.cells.push_back(std::move(cell));
        }
        const Line end = take();
        if (end.keyword != "end")
            fail(end.number, "“" + end.keyword + "” has no place in a table");
        expectEnd(end, "table");
        if (std::find(taken.begin(), taken.end(), false) != taken.end())
            fail(end.number, "the cells do not fill their table");
        return table;
    }

    Cell cell(Line line, const Table& table, int depth)
    {
        checkShape(&line, 4);
        Cell cell;
        cell.row = static_cast<int>(integer(line, line.values[0], "the row", 0, table.rows - 1));
        cell.column
            = static_cast<int>(integer(line, line.values[1], "the column", 0, table.columns - 1));
        cell.rowSpan = static_cast<int>(
            integer(line, line.values[2], "the rows spanned", 1, table.rows - cell.row));
        cell.columnSpan = static_cast<int>(
            integer(line, line.values[3], "the columns spanned", 1, table.columns - cell.column));
        cell.items = items(line, "cell", depth);
        return cell;
    }

    Resource resource(Line line)
    {
        checkShape(&line, 2);
        Resource resource;
        resource.name = string(line, line.values[0], "the resource's name");
        resource.mimeType = string(line, line.values[1], "the resource's type");
        if (!isMimeType(resource.mimeType))
            fail(line.number, "“" + resource.mimeType + "” is not a MIME type");
        for (const Resource& earlier : m_sheet.resources) {
            if (earlier.name == resource.name)
                fail(line.number, "a second resource is named “" + resource.name + "”");
        }
        // The data lines have no keyword: they are read as they are, up to "end resource".
        std::string base64;
        int number = line.number;
        for (;;) {
            if (m_next >= m_lines.size()) {
                fail(static_cast<int>(m_lines.size()),
                    "the file ends before the sheet does; it may have been cut short");
            }
            const std::string_view text = m_lines[m_next++];
            ++number;
            if (text == "end resource")
                break;
            if (text.empty() || text.size() > kBase64LineLength
                || (!base64.empty() && base64.size() % kBase64LineLength != 0))
                fail(number, "a line of the resource's data is not 76 characters long");
            base64 += text;
        }
        if (!decodeBase64(base64, &resource.data))
            fail(number - 1, "the resource's data is not base64");
        return resource;
    }

    static bool isMimeType(std::string_view text)
    {
        const auto token = [](std::string_view part) {
            return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
                return isWordChar(c)
                    || std::string_view("!#$&^_.+").find(c) != std::string_view::npos;
            });
        };
        const std::size_t slash = text.find('/');
        return slash != std::string_view::npos && token(text.substr(0, slash))
            && token(text.substr(slash + 1));
    }

    // Strict base64: the alphabet, "=" only to pad the last group.
    static bool decodeBase64(std::string_view text, std::string* bytes)
    {
        if (text.size() % 4 != 0)
            return false;
        std::size_t padding = 0;
        while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=')
            ++padding;
        bytes->reserve(text.size() / 4 * 3);
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < text.size() - padding; ++i) {
            const std::size_t sextet = kBase64Alphabet.find(text[i]);
            if (sextet == std::string_view::npos)
                return false;
            bits = (bits << 6) | static_cast<std::uint32_t>(sextet);
            if (i % 4 == 3) {
                *bytes += static_cast<char>(bits >> 16);
                *bytes += static_cast<char>((bits >> 8) & 0xFF);
                *bytes += static_cast<char>(bits & 0xFF);
                bits = 0;
            }
        }
        // The bits of a padded group below its last byte are zero.
        if (padding == 1) {
            if (bits & 0x3)
                return false;
            *bytes += static_cast<char>(bits >> 10);
            *bytes += static_cast<char>((bits >> 2) & 0xFF);
        } else if (padding == 2) {
            if (bits & 0xF)
                return false;
            *bytes += static_cast<char>(bits >> 4);
        }
        return true;
    }

    std::vector<std::string_view> m_lines;
    bool m_skipUnknown;
    std::size_t m_next = 1; // the first line, the magic, is read
    std::optional<Line> m_peeked;
    Sheet m_sheet;
};

// The lines of a file that ends in a line feed, or the number of the first line that is
// not UTF-8 text.
std::variant<std::vector<std::string_view>, int> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t here = at;
        if (!decodeUtf8(bytes, &at))
            return static_cast<int>(lines.size()) + 1;
        if (bytes[here] == '\n') {
            lines.push_back(bytes.substr(start, here - start));
            start = at;
        }
    }
    return lines;
}

void writeString(std::string* out, std::string_view text)
{
    *out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        // Bytes that are not UTF-8 become the replacement character.
        const char32_t point = decodeUtf8(text, &at).value_or(0xFFFD);
        const bool replaced = point == 0xFFFD && at - start == 1;
        if (point == '"' || point == '\\') {
            *out += '\\';
            *out += static_cast<char>(point);
        } else if (point == '\t') {
            *out += "\\t";
        } else if (point == '\n') {
            *out += "\\n";
        } else if (writtenEscaped(point) || replaced) {
            char hex[8];
            const auto end = std::to_chars(hex, hex + sizeof hex, std::uint32_t(point), 16).ptr;
            *out += "\\u{";
            std::transform(hex, end, std::back_inserter(*out),
                [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
            *out += '}';
        } else {
            *out += text.substr(start, at - start);
        }
    }
    *out += '"';
}

void writeValue(std::string* out, const Value& value);

void writeSequence(std::string* out, const std::vector<Value>& values, char open, char close)
{
    *out += open;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            *out += ", ";
        writeValue(out, values[i]);
    }
    *out += close;
}

void writeReal(std::string* out, double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    const std::string_view written(text, static_cast<std::size_t>(end - text));
    *out += written;
    // The shortest form of a whole value has neither point nor exponent; the point marks it
    // as real.
    if (written.find_first_of(".e") == std::string_view::npos)
        *out += ".0";
}

void writeColour(std::string* out, const Colour& colour)
{
    const std::array<std::uint16_t, 4> channels
        = {colour.red, colour.green, colour.blue, colour.alpha};
    const bool eightBits = std::all_of(
        channels.begin(), channels.end(), [](std::uint16_t c) { return c % 0x101 == 0; });
    static constexpr std::string_view digits = "0123456789abcdef";
    *out += '#';
    for (const std::uint16_t channel : channels) {
        const unsigned value = eightBits ? channel / 0x101u : channel;
        for (int shift = eightBits ? 4 : 12; shift >= 0; shift -= 4)
            *out += digits[(value >> shift) & 0xF];
    }
}

void writeValue(std::string* out, const Value& value)
{
    struct Visitor
    {
        std::string* out;
        void operator()(bool b) const { *out += b ? "true" : "false"; }
        void operator()(std::int64_t n) const { *out += std::to_string(n); }
        void operator()(double x) const { writeReal(out, x); }
        void operator()(const std::string& s) const { writeString(out, s); }
        void operator()(const Colour& c) const { writeColour(out, c); }
        void operator()(const Word& w) const { *out += w.name; }
        void operator()(const std::vector<Value>& list) const
        {
            writeSequence(out, list, '[', ']');
        }
        void operator()(const Call& call) const
        {
            *out += call.name;
            writeSequence(out, call.arguments, '(', ')');
        }
    };
    std::visit(Visitor {out}, value.data);
}

void writeProperties(std::string* out, const std::vector<Property>& properties)
{
    for (const Property& property : properties) {
        *out += ' ';
        *out += property.name;
        *out += '=';
        writeValue(out, property.value);
    }
}

void writeItems(std::string* out, const std::vector<Item>& items);

void writeFrame(std::string* out, const Frame& frame)
{
    *out += "frame " + std::to_string(frame.format) + '\n';
    writeItems(out, frame.items);
    *out += "end frame\n";
}

void writeBlock(std::string* out, const Block& block)
{
    *out += "block " + std::to_string(block.format) + ' ' + std::to_string(block.charFormat);
    if (block.list)
        *out += " list=" + std::to_string(*block.list);
    *out += '\n';
    for (const Fragment& fragment : block.fragments) {
        *out += "text " + std::to_string(fragment.format) + ' ';
        writeString(out, fragment.text);
        *out += '\n';
    }
}

void writeTable(std::string* out, const Table& table)
{
    *out += "table " + std::to_string(table.format) + ' ' + std::to_string(table.rows) + ' '
        + std::to_string(table.columns) + '\n';
    for (const Cell& cell : table.cells) {
        *out += "cell " + std::to_string(cell.row) + ' ' + std::to_string(cell.column) + ' '
            + std::to_string(cell.rowSpan) + ' ' + std::to_string(cell.columnSpan) + '\n';
        writeItems(out, cell.items);
        *out += "end cell\n";
    }
    *out += "end table\n";
}

void writeItems(std::string* out, const std::vector<Item>& items)
{
    for (const Item& item : items) {
        if (const auto* block = std::get_if<Block>(&item.content))
            writeBlock(out, *block);
        else if (const auto* table = std::get_if<Table>(&item.content))
            writeTable(out, *table);
        else
            writeFrame(out, std::get<Frame>(item.content));
    }
}

void writeBase64(std::string* out, std::string_view bytes)
{
    std::string line;
    const auto emit = [&](char c) {
        line += c;
        if (line.size() == kBase64LineLength) {
            *out += line + '\n';
            line.clear();
        }
    };
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t bits = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            const auto byte = j < n ? static_cast<unsigned char>(bytes[i + j]) : 0u;
            bits = (bits << 8) | byte;
        }
        for (std::size_t j = 0; j < 4; ++j)
            emit(j <= n ? kBase64Alphabet[(bits >> (18 - 6 * j)) & 0x3F] : '=');
    }
    if (!line.empty())
        *out += line + '\n';
}

} // namespace

std::variant<Sheet, ParseError> parse(std::string_view bytes)
{
    const std::string_view firstLine = bytes.substr(0, bytes.find('\n'));
    if (!firstLine.starts_with(kMagic))
        return ParseError {ParseError::Kind::NotASheet, 0, {}, {}};
    const std::optional<Version> version = parseVersion(firstLine.substr(kMagic.size()));
    if (!version || version->major == 0) {
        const bool carriageReturn = firstLine.ends_with('\r');
        return ParseError {ParseError::Kind::Damaged, 1,
            carriageReturn ? "the lines end in carriage returns; the file's line ends were changed"
                           : "the first line names no format version",
            {}};
    }
    if (version->major > kVersion.major)
        return ParseError {ParseError::Kind::NewerVersion, 1, {}, *version};

    auto lines = splitLines(bytes);
    if (const int* badLine = std::get_if<int>(&lines))
        return ParseError {ParseError::Kind::Damaged, *badLine, "the line is not UTF-8 text", {}};
    auto& complete = std::get<std::vector<std::string_view>>(lines);
    if (!bytes.ends_with('\n')) {
        return ParseError {ParseError::Kind::Damaged, static_cast<int>(complete.size()) + 1,
            "the file ends in the middle of a line; it may have been cut short", {}};
    }
    SheetReader reader(std::move(complete), *version);
    try {
        return reader.sheet();
    } catch (const Damage& damage) {
        return ParseError {ParseError::Kind::Damaged, damage.line, damage.reason, {}};
    }
}

std::string write(const Sheet& sheet)
{
    std::string out = std::string(kMagic) + versionText(sheet.version) + '\n';
    for (std::size_t i = 0; i < sheet.formats.size(); ++i) {
        const Format& format = sheet.formats[i];
        out += "format " + std::to_string(i) + ' ' + std::string(kindName(format.kind));
        writeProperties(&out, format.properties);
        out += '\n';
    }
    out += "document " + std::to_string(sheet.document.defaultFont);
    writeProperties(&out, sheet.document.properties);
    out += '\n';
    for (std::size_t i = 0; i < sheet.lists.size(); ++i)
        out += "list " + std::to_string(i) + ' ' + std::to_string(sheet.lists[i]) + '\n';
    writeFrame(&out, sheet.root);
    for (const Resource& resource : sheet.resources) {
        out += "resource ";
        writeString(&out, resource.name);
        out += ' ';
        writeString(&out, resource.mimeType);
        out += '\n';
        writeBase64(&out, resource.data);
        out += "end resource\n";
    }
    out += "end sheet\n";
    return out;
}

} // namespace sheetfile
