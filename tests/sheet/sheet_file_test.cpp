#include "sheet/sheet_file.h"
#include "test_main.h"

using namespace sheetfile;

Q_DECLARE_METATYPE(sheetfile::Value)

namespace {

// Every kind of line: formats of each kind, the document, a list, paragraphs with text, a
// list item, a table whose cells span rows and columns, and a resource.
constexpr std::string_view kExample = "Tavilon sheet 1.0\n"
                                      "format 0 frame frame-margin=4.0\n"
                                      "format 1 block alignment=[hcenter]\n"
                                      "format 2 char font-point-size=12.0\n"
                                      "format 3 list list-style=disc list-indent=1\n"
                                      "format 4 frame object-type=table table-columns=3\n"
                                      "format 5 char font-weight=700 object-type=table-cell\n"
                                      "document 2 indent-width=40.0\n"
                                      "list 0 3\n"
                                      "frame 0\n"
                                      "block 1 2\n"
                                      "text 2 \"Project Name:\"\n"
                                      "block 1 2 list=0\n"
                                      "table 4 2 3\n"
                                      "cell 0 0 1 2\n"
                                      "block 1 5\n"
                                      "end cell\n"
                                      "cell 0 2 2 1\n"
                                      "block 1 5\n"
                                      "end cell\n"
                                      "cell 1 0 1 1\n"
                                      "block 1 5\n"
                                      "end cell\n"
                                      "cell 1 1 1 1\n"
                                      "block 1 5\n"
                                      "text 2 \"4/0\"\n"
                                      "end cell\n"
                                      "end table\n"
                                      "block 1 2\n"
                                      "end frame\n"
                                      "resource \"tavilon:sheet-logo\" \"image/png\"\n"
                                      "aGVsbG8=\n"
                                      "end resource\n"
                                      "end sheet\n";

// The smallest sheet, by line: 1 the magic, 2 to 4 the formats, 5 the document, 6 the
// frame, 7 a paragraph, 8 its text, 9 the frame's end, 10 the sheet's.
const QByteArray kSmall = "Tavilon sheet 1.0\n"
                          "format 0 frame\n"
                          "format 1 block\n"
                          "format 2 char\n"
                          "document 2\n"
                          "frame 0\n"
                          "block 1 2\n"
                          "text 2 \"x\"\n"
                          "end frame\n"
                          "end sheet\n";

// The small sheet with line `number` replaced by `lines` (none, one or more).
QByteArray smallWith(int number, const QByteArray& lines)
{
    QList<QByteArray> all = kSmall.split('\n');
    all[number - 1] = lines.endsWith('\n') ? lines.chopped(1) : lines;
    if (lines.isEmpty())
        all.removeAt(number - 1);
    return all.join('\n');
}

std::variant<Sheet, ParseError> parseBytes(const QByteArray& bytes)
{
    return parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

Value word(const char* name)
{
    return {Word {name}};
}

Value real(double x)
{
    return {x};
}

} // namespace

class SheetFileTest : public QObject
{
    Q_OBJECT
private slots:
    void readsEveryKindOfLine();
    void writesWhatItRead();
    void values_data();
    void values();
    void refusals_data();
    void refusals();
    void newerMinorVersionSkipsWhatItAdds();
};

void SheetFileTest::readsEveryKindOfLine()
{
    const auto parsed = parse(kExample);
    const auto* error = std::get_if<ParseError>(&parsed);
    QVERIFY2(!error, error ? error->reason.c_str() : "");
    const Sheet& sheet = std::get<Sheet>(parsed);

    QVERIFY(sheet.version == (Version {1, 0}));
    QCOMPARE(sheet.formats.size(), std::size_t(6));
    QVERIFY(sheet.formats[3].kind == FormatKind::List);
    QVERIFY(sheet.formats[1].properties
        == std::vector<Property>({{"alignment", {std::vector<Value> {word("hcenter")}}}}));
    QVERIFY(sheet.formats[5].properties
        == std::vector<Property>(
            {{"font-weight", {std::int64_t(700)}}, {"object-type", word("table-cell")}}));
    QCOMPARE(sheet.document.defaultFont, 2);
    QVERIFY(sheet.document.properties == std::vector<Property>({{"indent-width", real(40)}}));
    QVERIFY(sheet.lists == std::vector<int> {3});

    const std::vector<Item>& items = sheet.root.items;
    QCOMPARE(items.size(), std::size_t(4));
    QVERIFY(
        std::get<Block>(items[0].content) == (Block {1, 2, std::nullopt, {{2, "Project Name:"}}}));
    QVERIFY(std::get<Block>(items[1].content) == (Block {1, 2, 0, {}}));
    // A grid of 2 by 3: the first cell covers 0,0 and 0,1; the next free place is 0,2, whose
    // cell covers 1,2 below it too; then 1,0 and 1,1 are left.
    const Table& table = std::get<Table>(items[2].content);
    QCOMPARE(table.rows, 2);
    QCOMPARE(table.columns, 3);
    QCOMPARE(table.cells.size(), std::size_t(4));
    const int places[4][4] = {{0, 0, 1, 2}, {0, 2, 2, 1}, {1, 0, 1, 1}, {1, 1, 1, 1}};
    for (std::size_t i = 0; i < 4; ++i) {
        const Cell& cell = table.cells[i];
        QCOMPARE((std::array {cell.row, cell.column, cell.rowSpan, cell.columnSpan}),
            (std::array {places[i][0], places[i][1], places[i][2], places[i][3]}));
    }
    QVERIFY(std::get<Block>(table.cells[3].items[0].content).fragments
        == std::vector<Fragment>({{2, "4/0"}}));

    QCOMPARE(sheet.resources.size(), std::size_t(1));
    QCOMPARE(sheet.resources[0].name, std::string("tavilon:sheet-logo"));
    QCOMPARE(sheet.resources[0].mimeType, std::string("image/png"));
    QCOMPARE(sheet.resources[0].data, std::string("hello")); // "aGVsbG8=" in base64
}

void SheetFileTest::writesWhatItRead()
{
    QCOMPARE(write(std::get<Sheet>(parse(kExample))), std::string(kExample));

    // Data of 58 bytes is 19 groups of three, 76 characters of base64, and one byte more: "x"
    // is 0x78, 011110 00(0000), "eA" and two of padding. A full line, then a line of 4.
    Sheet sheet = std::get<Sheet>(parse(kExample));
    sheet.resources[0].data = std::string(58, 'x');
    const std::string written = write(sheet);
    const std::size_t data = written.find("image/png\"\n") + 11;
    QCOMPARE(written.find('\n', data) - data, std::size_t(76));
    QCOMPARE(written.substr(written.find('\n', data) + 1, 5), std::string("eA==\n"));
    QVERIFY(std::get<Sheet>(parse(written)) == sheet);
}

void SheetFileTest::values_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<sheetfile::Value>("value");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("yes") << QByteArray("true") << Value {true} << QByteArray("true");
    QTest::newRow("whole number") << QByteArray("-3") << Value {std::int64_t(-3)}
                                  << QByteArray("-3");
    QTest::newRow("whole real") << QByteArray("12.0") << real(12) << QByteArray("12.0");
    QTest::newRow("trailing zero") << QByteArray("12.50") << real(12.5) << QByteArray("12.5");
    QTest::newRow("tenth") << QByteArray("0.1") << real(0.1) << QByteArray("0.1");
    QTest::newRow("exponent") << QByteArray("1.5e-07") << real(1.5e-7) << QByteArray("1.5e-07");
    QTest::newRow("large") << QByteArray("100000000000000000000.0") << real(1e20)
                           << QByteArray("1e+20");
    QTest::newRow("escapes") << QByteArray(R"("a\"b\\c\td\ne")") << Value {"a\"b\\c\td\ne"}
                             << QByteArray(R"("a\"b\\c\td\ne")");
    // U+2028 and U+FFFC written as escapes, "A" as itself.
    QTest::newRow("code points") << QByteArray(R"("\u{41}\u{2028}\u{fffc}")")
                                 << Value {"A\xE2\x80\xA8\xEF\xBF\xBC"}
                                 << QByteArray(R"("A\u{2028}\u{FFFC}")");
    QTest::newRow("raw UTF-8") << QByteArray("\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"")
                               << Value {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"}
                               << QByteArray("\"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\"");
    // 0x80 in 8 bits is 0x8080 in 16.
    QTest::newRow("colour") << QByteArray("#FF000080") << Value {Colour {0xFFFF, 0, 0, 0x8080}}
                            << QByteArray("#ff000080");
    QTest::newRow("16-bit colour")
        << QByteArray("#123456789abcdef0") << Value {Colour {0x1234, 0x5678, 0x9ABC, 0xDEF0}}
        << QByteArray("#123456789abcdef0");
    QTest::newRow("16 bits that 8 hold")
        << QByteArray("#ffff00000000ffff") << Value {Colour {0xFFFF, 0, 0, 0xFFFF}}
        << QByteArray("#ff0000ff");
    QTest::newRow("word") << QByteArray("disc") << word("disc") << QByteArray("disc");
    QTest::newRow("empty list") << QByteArray("[]") << Value {std::vector<Value> {}}
                                << QByteArray("[]");
    QTest::newRow("compound") << QByteArray("brush(solid, #ff0000ff)")
                              << Value {Call {
                                     "brush", {word("solid"), {Colour {0xFFFF, 0, 0, 0xFFFF}}}}}
                              << QByteArray("brush(solid, #ff0000ff)");
    QTest::newRow("nested") << QByteArray("[[1, [\"2\"]], x()]")
                            << Value {std::vector<Value> {{std::vector<Value> {{std::int64_t(1)},
                                                              {std::vector<Value> {{"2"}}}}},
                                   {Call {"x", {}}}}}
                            << QByteArray("[[1, [\"2\"]], x()]");
}

void SheetFileTest::values()
{
    QFETCH(QByteArray, text);
    QFETCH(sheetfile::Value, value);
    QFETCH(QByteArray, written);

    const auto parsed = parseBytes(smallWith(4, "format 2 char p=" + text));
    const auto* error = std::get_if<ParseError>(&parsed);
    QVERIFY2(!error, error ? error->reason.c_str() : "");
    QVERIFY(std::get<Sheet>(parsed).formats[2].properties[0].value == value);
    QCOMPARE(QByteArray::fromStdString(write(std::get<Sheet>(parsed))),
        smallWith(4, "format 2 char p=" + written));
}

void SheetFileTest::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const int notASheet = int(ParseError::Kind::NotASheet);
    const int newer = int(ParseError::Kind::NewerVersion);
    const int damaged = int(ParseError::Kind::Damaged);
    const QString cutShort
        = QStringLiteral("the file ends before the sheet does; it may have been cut short");

    QTest::newRow("empty") << QByteArray() << notASheet << 0 << QString();
    QTest::newRow("a zip file") << QByteArray("PK\x03\x04\x14\x00\x00\x00", 8) << notASheet << 0
                                << QString();
    QTest::newRow("a byte-order mark") << "\xEF\xBB\xBF" + kSmall << notASheet << 0 << QString();
    QTest::newRow("newer major version")
        << QByteArray("Tavilon sheet 2.0\nwhat a later version writes\n") << newer << 1
        << QString();
    QTest::newRow("version 0") << smallWith(1, "Tavilon sheet 0.9") << damaged << 1
                               << QStringLiteral("the first line names no format version");
    QTest::newRow("carriage returns")
        << QByteArray(kSmall).replace("\n", "\r\n") << damaged << 1
        << QStringLiteral("the lines end in carriage returns; the file's line ends were changed");
    QTest::newRow("cut in a line")
        << kSmall.chopped(4) << damaged << 10
        << QStringLiteral("the file ends in the middle of a line; it may have been cut short");
    QTest::newRow("cut after a line")
        << kSmall.left(kSmall.indexOf("end frame")) << damaged << 8 << cutShort;
    QTest::newRow("cut in a resource")
        << QByteArray(kExample.data(), kExample.find("aGVs")) << damaged << 31 << cutShort;
    QTest::newRow("not UTF-8") << smallWith(8, "text 2 \"\xC3\x28\"") << damaged << 8
                               << QStringLiteral("the line is not UTF-8 text");
    QTest::newRow("an unknown line") << smallWith(8, "bookmark 1") << damaged << 8
                                     << QStringLiteral("no line starts with “bookmark”");
    QTest::newRow("formats out of order")
        << smallWith(3, "format 2 block") << damaged << 3
        << QStringLiteral("format 1 expected: they are numbered in order from 0");
    QTest::newRow("no such format") << smallWith(7, "block 1 9") << damaged << 7
                                    << QStringLiteral("a format number is out of range");
    QTest::newRow("a format of another kind") << smallWith(7, "block 2 2") << damaged << 7
                                              << QStringLiteral("format 2 is not a block format");
    QTest::newRow("a paragraph break in a text")
        << smallWith(8, R"(text 2 "a\nb")") << damaged << 8
        << QStringLiteral("a text line holds a paragraph break");
    QTest::newRow("an empty text") << smallWith(8, "text 2 \"\"") << damaged << 8
                                   << QStringLiteral("a text line holds no text");
    QTest::newRow("a text outside a paragraph")
        << smallWith(7, {}) << damaged << 7 << QStringLiteral("“text” has no place in a frame");
    QTest::newRow("a frame that ends without a paragraph")
        << smallWith(8, "table 0 1 1\ncell 0 0 1 1\nblock 1 2\nend cell\nend table") << damaged
        << 13 << QStringLiteral("a frame must end with a paragraph (“block”)");
    QTest::newRow("a table right after a frame")
        << smallWith(8, "frame 0\nblock 1 2\nend frame\ntable 0 1 1") << damaged << 11
        << QStringLiteral("a table must follow a paragraph (“block”) in its frame");
    // In a grid of 2 by 2 the cell at 0,1 covers 1,1 too; the cell at 1,0 then reaches it.
    QTest::newRow("cells that overlap")
        << smallWith(8,
               "table 0 2 2\ncell 0 0 1 1\nblock 1 2\nend cell\ncell 0 1 2 1\nblock 1 2\nend cell\n"
               "cell 1 0 1 2\nblock 1 2\nend cell\nend table\nblock 1 2")
        << damaged << 15 << QStringLiteral("a cell lies over another");
    QTest::newRow("a cell out of its place")
        << smallWith(8, "table 0 1 2\ncell 0 1 1 1\nblock 1 2\nend cell\nend table\nblock 1 2")
        << damaged << 9 << QStringLiteral("a cell is not at the first free place of its table");
    QTest::newRow("cells that leave a hole")
        << smallWith(8, "table 0 1 2\ncell 0 0 1 1\nblock 1 2\nend cell\nend table\nblock 1 2")
        << damaged << 12 << QStringLiteral("the cells do not fill their table");
    QTest::newRow("a span beyond the table")
        << smallWith(8, "table 0 1 2\ncell 0 0 1 3\nblock 1 2\nend cell\nend table\nblock 1 2")
        << damaged << 9 << QStringLiteral("the columns spanned is out of range");
    QTest::newRow("data that is not base64")
        << QByteArray(kExample.data(), kExample.size()).replace("aGVsbG8=", "aGV*bG8=") << damaged
        << 32 << QStringLiteral("the resource's data is not base64");
    QTest::newRow("a short line of data before the last")
        << QByteArray(kExample.data(), kExample.size()).replace("aGVsbG8=", "aGVs\nbG8=") << damaged
        << 33 << QStringLiteral("a line of the resource's data is not 76 characters long");
    QTest::newRow("more after the end")
        << kSmall + "format 3 char\n"
        << damaged << 11 << QStringLiteral("there is more after the end of the sheet");
    QTest::newRow("a name given twice") << smallWith(4, "format 2 char a=1 a=2") << damaged << 4
                                        << QStringLiteral("“a” is given twice");
    QTest::newRow("a raw tab in a string")
        << smallWith(8, "text 2 \"a\tb\"") << damaged << 8
        << QStringLiteral("a string holds a control character that is not escaped");
    QTest::newRow("an unknown escape") << smallWith(8, R"(text 2 "\q")") << damaged << 8
                                       << QStringLiteral("a string holds an unknown escape");
    QTest::newRow("half a surrogate pair") << smallWith(8, R"(text 2 "\u{D800}")") << damaged << 8
                                           << QStringLiteral("a \\u escape names no character");
    QTest::newRow("a leading zero") << smallWith(7, "block 01 2") << damaged << 7
                                    << QStringLiteral("a whole number starts with 0");
    QTest::newRow("two spaces") << smallWith(7, "block 1  2") << damaged << 7
                                << QStringLiteral("a value expected at column 9");
    QTest::newRow("an infinite real") << smallWith(4, "format 2 char p=1e999") << damaged << 4
                                      << QStringLiteral("a real number is out of range");

    // Frames in frames, each after a paragraph: the root frame on line 6 is the first level,
    // and the frame of level n opens on line 6 + 2(n - 1); level 33 is one too deep.
    QByteArray nested;
    for (int level = 2; level <= kMaxNesting + 1; ++level)
        nested += "block 1 2\nframe 0\n";
    QTest::newRow("nested too deep")
        << smallWith(7, nested + "block 1 2") << damaged << 6 + 2 * kMaxNesting
        << QStringLiteral("tables and frames are nested too deep");
}

void SheetFileTest::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QFETCH(int, line);
    QFETCH(QString, reason);

    const auto parsed = parseBytes(bytes);
    const auto* error = std::get_if<ParseError>(&parsed);
    QVERIFY(error);
    QCOMPARE(int(error->kind), kind);
    QCOMPARE(error->line, line);
    QCOMPARE(QString::fromStdString(error->reason), reason);
    if (error->kind == ParseError::Kind::NewerVersion)
        QVERIFY(error->version == (Version {2, 0}));
}

void SheetFileTest::newerMinorVersionSkipsWhatItAdds()
{
    // Version 1.1 may add lines that stand alone and attributes; a reader of 1.0 reads the
    // sheet without them, and refuses them in a file that says 1.0.
    const QByteArray added = QByteArray(kExample.data(), kExample.size())
                                 .replace("list 0 3\n", "list 0 3\npage-size \"letter\"\n")
                                 .replace("block 1 2 list=0\n", "block 1 2 list=0 id=7\nmark 1\n")
                                 .replace("end table\n", "end table folded=true\n");
    QByteArray newer = added;
    newer.replace("Tavilon sheet 1.0", "Tavilon sheet 1.1");

    const auto read = parseBytes(newer);
    QVERIFY(std::holds_alternative<Sheet>(read));
    Sheet sheet = std::get<Sheet>(read);
    QVERIFY(sheet.version == (Version {1, 1}));
    sheet.version = kVersion;
    QVERIFY(sheet == std::get<Sheet>(parse(kExample)));

    const auto refused = parseBytes(added);
    QVERIFY(std::holds_alternative<ParseError>(refused));
    QCOMPARE(std::get<ParseError>(refused).line, 10); // the first addition
}

TAVILON_ENGINE_TEST_MAIN(SheetFileTest)
#include "sheet_file_test.moc"
