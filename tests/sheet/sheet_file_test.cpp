#include "sheet/sheet_file.h"
#include "test_main.h"

using namespace sheetfile;

namespace {

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

} // namespace

class SheetFileTest : public QObject
{
    Q_OBJECT
private slots:
    void refusals_data();
    void refusals();
};

void SheetFileTest::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const int notASheet = int(ParseError::Kind::NotASheet);
    const int damaged = int(ParseError::Kind::Damaged);

    QTest::newRow("a byte-order mark") << "\xEF\xBB\xBF" + kSmall << notASheet << 0 << QString();
    QTest::newRow("version 0") << smallWith(1, "Tavilon sheet 0.9") << damaged << 1
                               << QStringLiteral("the first line names no format version");
    QTest::newRow("carriage returns")
        << QByteArray(kSmall).replace("\n", "\r\n") << damaged << 1
        << QStringLiteral("the lines end in carriage returns; the file's line ends were changed");
    QTest::newRow("not UTF-8") << smallWith(8, "text 2 \"\xC3\x28\"") << damaged << 8
                               << QStringLiteral("the line is not UTF-8 text");
    // What a 1.1 may add; sheet_document_io_test reads them in a file that says 1.1.
    QTest::newRow("an unknown line") << smallWith(8, "bookmark 1") << damaged << 8
                                     << QStringLiteral("no line starts with “bookmark”");
    QTest::newRow("an unknown attribute")
        << smallWith(7, "block 1 2 id=7") << damaged << 7 << QStringLiteral("“block” has no “id”");
    QTest::newRow("formats out of order")
        << smallWith(3, "format 2 block") << damaged << 3
        << QStringLiteral("format 1 expected: they are numbered in order from 0");
    QTest::newRow("a short line of data before the last")
        << smallWith(10, "resource \"r\" \"image/png\"\naGVs\nbG8=\nend resource\nend sheet")
        << damaged << 12
        << QStringLiteral("a line of the resource's data is not 76 characters long");
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
}

TAVILON_ENGINE_TEST_MAIN(SheetFileTest)
#include "sheet_file_test.moc"
