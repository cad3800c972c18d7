#pragma once

// The Tavilon sheet file (".tavilon", application/x-tavilon-sheet): the Calculation Results
// Sheet's rich-text document as readable UTF-8 text. This part knows the file's grammar and
// the shape of a document, not what a property means: sheet_document_io turns the model
// into the text engine's document and back, and owns the names of the properties.
//
// A file, line by line. Every line ends in a line feed; the items on a line are separated
// by one space. Formats are defined once and referred to by number, as the document's own
// format collection does.
//
//   Tavilon sheet 1.0                        the magic and the format version
//   format 0 frame frame-margin=4.0          the formats, numbered from 0 in order: a kind
//   format 1 block alignment=[hcenter]         (block, char, list or frame) and named,
//   format 2 char font-point-size=12.0         typed properties
//   format 3 list list-style=disc list-indent=1
//   format 4 frame object-type=table table-columns=3
//   format 5 char font-weight=700 object-type=table-cell
//   document 2 indent-width=40.0             the default font (a char format) and the
//                                              document's own settings
//   list 0 3                                 the lists, numbered from 0, with their formats
//   frame 0                                  the root frame and its format
//   block 1 2                                a paragraph: its block format and the char
//                                              format of its paragraph mark, which an empty
//                                              paragraph shows
//   text 2 "Project Name:"                   a run of text in one char format
//   block 1 2 list=0                         a paragraph that is an item of list 0
//   table 4 2 3                              a table (a frame format), 2 rows, 3 columns
//   cell 0 0 1 2                             a cell: row, column, rows and columns it spans
//   block 1 5                                  the mark of a cell's first paragraph is the
//   end cell                                   cell's own format
//   cell 0 2 2 1
//   block 1 5
//   end cell
//   cell 1 0 1 1
//   block 1 5
//   end cell
//   cell 1 1 1 1
//   block 1 5
//   text 2 "4/0"
//   end cell
//   end table
//   block 1 2                                after a table or frame: always a paragraph
//   end frame
//   resource "tavilon:sheet-logo" "image/png"  an image the document shows, under the name
//   aGVsbG8=                                     its image format gives, in base64 lines of
//   end resource                                 76 characters
//   end sheet
//
// Values: true and false; whole numbers (12, -3); real numbers, always with a point or an
// exponent (12.0, 1.5e-07); strings in double quotes, with \" \\ \t \n and \u{hex} escapes,
// where control characters and invisible marks are always escaped; colours #rrggbbaa, or
// #rrrrggggbbbbaaaa where a channel needs 16 bits; words for named values (disc); lists
// [a, b]; and named compound values, brush(solid, #ff0000ff).
//
// Structure. A frame or a cell holds paragraphs, tables and frames, starts and ends with a
// paragraph and has a paragraph between any two tables or frames, as the text engine keeps
// them. Cells come in document order, each at the first free place of the grid row by row,
// and together cover the table. A run of text holds no paragraph break.
//
// Versions. The major number changes when an older reader could not show a file right; a
// reader refuses a file of a newer major version. A minor version only adds what an older
// reader may leave out: property names, attributes of a line (name=value after its
// numbers), and kinds of line that stand alone (no "end" of their own), all with the
// values above. A reader skips such things it does not know in a file of a newer minor
// version, and calls them damage in a file of its own or an older version.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sheetfile {

struct Version
{
    int major = 0;
    int minor = 0;

    auto operator<=>(const Version&) const = default;
};

// What this program writes, and the newest it reads.
inline constexpr Version kVersion {1, 0};

// Frames, tables and cells within one another; deeper is damage.
inline constexpr int kMaxNesting = 32;
// Cells in one table's grid.
inline constexpr std::int64_t kMaxTableCells = 100000;

struct Colour
{
    std::uint16_t red = 0;
    std::uint16_t green = 0;
    std::uint16_t blue = 0;
    std::uint16_t alpha = 0;

    bool operator==(const Colour&) const = default;
};

struct Word
{
    std::string name;

    bool operator==(const Word&) const = default;
};

struct Value;

// A named compound value: brush(solid, #ff0000ff).
struct Call
{
    std::string name;
    std::vector<Value> arguments;

    bool operator==(const Call&) const;
};

struct Value
{
    std::variant<bool, std::int64_t, double, std::string, Colour, Word, std::vector<Value>, Call>
        data;

    bool operator==(const Value&) const;
};

struct Property
{
    std::string name;
    Value value;

    bool operator==(const Property&) const = default;
};

enum class FormatKind
{
    Block,
    Char,
    List,
    Frame,
};

struct Format
{
    FormatKind kind = FormatKind::Char;
    std::vector<Property> properties;
    int line = 0; // where it was read, for messages; not part of what it is

    bool operator==(const Format& other) const
    {
        return kind == other.kind && properties == other.properties;
    }
};

// The document's default font (a char format) and its own settings.
struct DocumentSettings
{
    int defaultFont = 0;
    std::vector<Property> properties;
    int line = 0; // as Format::line

    bool operator==(const DocumentSettings& other) const
    {
        return defaultFont == other.defaultFont && properties == other.properties;
    }
};

struct Fragment
{
    int format = 0;
    std::string text; // UTF-8

    bool operator==(const Fragment&) const = default;
};

struct Block
{
    int format = 0;
    int charFormat = 0;
    std::optional<int> list;
    std::vector<Fragment> fragments;

    bool operator==(const Block&) const = default;
};

struct Item;

struct Frame
{
    int format = 0;
    std::vector<Item> items;

    bool operator==(const Frame&) const;
};

struct Cell
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    std::vector<Item> items;

    bool operator==(const Cell&) const;
};

struct Table
{
    int format = 0;
    int rows = 1;
    int columns = 1;
    std::vector<Cell> cells;

    bool operator==(const Table&) const = default;
};

struct Item
{
    std::variant<Block, Frame, Table> content;

    bool operator==(const Item&) const = default;
};

struct Resource
{
    std::string name;
    std::string mimeType;
    std::string data; // the bytes

    bool operator==(const Resource&) const = default;
};

struct Sheet
{
    Version version = kVersion;
    std::vector<Format> formats;
    DocumentSettings document;
    std::vector<int> lists; // each list's format
    Frame root;
    std::vector<Resource> resources;

    bool operator==(const Sheet&) const = default;
};

struct ParseError
{
    enum class Kind
    {
        NotASheet,
        NewerVersion, // `version` says which
        Damaged, // at `line` (0 when no line can be named), for `reason`
    };
    Kind kind = Kind::NotASheet;
    int line = 0;
    std::string reason;
    Version version;
};

// A sheet from the bytes of a file, or why they are none.
std::variant<Sheet, ParseError> parse(std::string_view bytes);

// The file's bytes; reading them gives the same sheet. The sheet's version is written as it
// is: a sheet made by this program has kVersion.
std::string write(const Sheet& sheet);

} // namespace sheetfile
