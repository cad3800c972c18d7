#include "document_comparison.h"
#include "sheet/calc_sheet.h"
#include "sheet/sheet_document_io.h"
#include "sheet/sheet_texts.h"
#include "test_files.h"
#include "test_main.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>

#include <functional>

using DocumentChange = std::function<void(QTextDocument*)>;
Q_DECLARE_METATYPE(DocumentChange)

namespace {

// A sheet as an engineer leaves it: the template with its logo; a plain report; a
// voltage-drop report whose results come from the page's rich-text box, in its smaller font;
// text typed in bold, italic and colour, with a tab and a line break; and a bulleted list
// and a table pasted from another program.
void fillLikeAnEngineer(CalcSheet* sheet)
{
    sheet->printRTF(QStringLiteral("Calculation Type: Short Circuit Current\r\n\r\n"
                                   "12/8/2026 3:04:05 PM\r\n\r\nFault Current:  20,949 Amps"),
        QStringLiteral("short"));

    // The results box's HTML gives every run the box's own 9 point font.
    QTextDocument box;
    box.setDefaultFont(QFont(QStringLiteral("Sans Serif"), 9));
    box.setPlainText(QStringLiteral("Percent Volts Drop   =  1.80 %\nWire Size:  4/0 AWG"));
    QTextDocument results;
    results.setHtml(box.toHtml());
    QTextCursor wire(results.lastBlock());
    wire.select(QTextCursor::BlockUnderCursor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    wire.mergeCharFormat(bold);
    sheet->setVoltageDropResults([&results] { return QTextDocumentFragment(&results); });
    sheet->printRTF(QString::fromStdString(BuildVoltageDropHeader("12/8/2026 3:05:00 PM")),
        QStringLiteral("VD"));

    QTextEdit* edit = sheet->document();
    edit->moveCursor(QTextCursor::End);
    edit->insertPlainText(QStringLiteral("\n"));
    edit->setFontWeight(QFont::Bold);
    edit->insertPlainText(QStringLiteral("Checked by: "));
    edit->setFontWeight(QFont::Normal);
    edit->setFontItalic(true);
    edit->setTextColor(QColor(0xC0, 0x00, 0x00));
    edit->insertPlainText(QStringLiteral("J. Doe\tPE") + QChar::LineSeparator + "Rev. B");
    edit->insertHtml(QStringLiteral( // pasted
        "<ul><li>Feeder A</li><li style='color:#1f4e79'>Feeder <b>B</b>, 4 wires</li></ul>"
        "<table border='1' cellpadding='3' width='60%'>"
        "<tr><th colspan='2' bgcolor='#dddddd'>Conduit</th></tr>"
        "<tr><td>Trade size</td><td align='right'>1 1/4&quot;</td></tr></table>"
        "<p align='right'><span style='font-size:8pt'>page 1</span></p>"));
}

// What no menu of ours makes but a paste or a later version may: a value of each kind the
// engineer's sheet has none of, and properties no name is known for.
void addRareFormats(QTextDocument* document)
{
    QTextBlockFormat paragraph;
    paragraph.setAlignment(Qt::AlignJustify | Qt::AlignAbsolute | Qt::AlignmentFlag(0x8000));
    paragraph.setTabPositions({QTextOption::Tab(40, QTextOption::RightTab),
        QTextOption::Tab(80.5, QTextOption::DelimiterTab, QLatin1Char('.'))});
    paragraph.setProperty(QTextFormat::LineHeightType, 17); // no word names it
    QTextCharFormat characters;
    QPen pen(QBrush(Qt::blue), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin);
    pen.setDashPattern({1, 2.5});
    characters.setTextOutline(pen);
    characters.setUnderlineColor(QColor::fromRgba64(0x1234, 0x5678, 0x9ABC, 0xDEF0));
    characters.setBackground(QBrush(QColor(255, 255, 0, 128), Qt::Dense3Pattern));
    characters.setAnchorNames({QStringLiteral("top"), QStringLiteral("start")});
    characters.setProperty(
        QTextFormat::UserProperty + 1, QVariantList {1, QStringLiteral("two"), true});
    characters.setProperty(QTextFormat::UserProperty + 2, 2.75);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(paragraph, characters);
    cursor.insertText(QStringLiteral("Trade size\t1 1/4\""), characters);
}

// Every file and folder below `folder`, with the files' bytes.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(
            path, it.fileInfo().isDir() ? QByteArray("folder") : testsupport::fileBytes(path));
    }
    return entries;
}

// A small sheet in the file's own words: 1 the magic, 2 to 4 the formats, 5 the document.
QByteArray smallSheet(const QByteArray& header, const QByteArray& formatExtra = {},
    const QByteArray& documentExtra = {}, const QByteArray& tail = {})
{
    return header + "\nformat 0 frame frame-margin=4.0\nformat 1 block\n"
        + "format 2 char font-point-size=12.0" + formatExtra + "\ndocument 2 indent-width=40.0"
        + documentExtra + "\nframe 0\nblock 1 2\ntext 2 \"Hello\"\nend frame\n" + tail
        + "end sheet\n";
}

} // namespace

class SheetDocumentIoTest : public QObject
{
    Q_OBJECT
private slots:
    void savedSheetOpensAsItWas();
    void openedSheetSavesToTheSameBytes();
    void whatAVersionAddsOrDamages_data();
    void whatAVersionAddsOrDamages();
    void failedSaveLeavesTheFiles_data();
    void failedSaveLeavesTheFiles();
    void comparisonSeesEachChange_data();
    void comparisonSeesEachChange();

private:
    QTemporaryDir m_dir;
};

void SheetDocumentIoTest::savedSheetOpensAsItWas()
{
    CalcSheet sheet;
    fillLikeAnEngineer(&sheet);
    QTextDocument& original = *sheet.document()->document();
    addRareFormats(&original);

    const QString path = m_dir.filePath(QStringLiteral("feeder-A.tavilon"));
    const std::optional<QString> saved = saveSheet(original, path);
    QVERIFY2(!saved, qPrintable(saved.value_or(QString())));
    CalcSheet other; // showing its own template, which the file replaces
    QTextDocument* reopened = other.document()->document();
    const std::optional<QString> opened = openSheet(path, reopened);
    QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
    QCOMPARE(testsupport::documentDifference(original, *reopened), QString());
    QVERIFY(!reopened->isModified());
    QVERIFY(!reopened->isUndoAvailable());
}

void SheetDocumentIoTest::openedSheetSavesToTheSameBytes()
{
    // A sheet saved now, and the one this version saved when the format was made (kept among
    // the fuzzer's seeds): both come out again byte for byte.
    CalcSheet sheet;
    fillLikeAnEngineer(&sheet);
    const QByteArray kept
        = testsupport::fileBytes(QStringLiteral(TAVILON_FUZZ_CORPUS "/engineer_sheet"));
    for (const QByteArray& saved : {sheetFileBytes(*sheet.document()->document()), kept}) {
        QVERIFY(saved.startsWith("Tavilon sheet 1.0\n"));
        QTextDocument reopened;
        const std::optional<QString> opened = readSheetFile(saved, &reopened);
        QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
        QCOMPARE(sheetFileBytes(reopened), saved);
    }
}

void SheetDocumentIoTest::whatAVersionAddsOrDamages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: it opens

    // What a 1.1 might add: a property, a setting of the document, and a line of its own. A
    // reader of 1.0 skips them in a 1.1 file; in a file that says 1.0 they are damage.
    const QByteArray property = " gloss=true";
    const QByteArray setting = " zoom=2.0";
    // Attributes may come on any line: sheet_file_test refuses them in a 1.0 file.
    QTest::newRow("1.1 with all three")
        << smallSheet("Tavilon sheet 1.1", property, setting, "bookmark \"end\"\n")
               .replace("block 1 2\n", "block 1 2 id=7\n")
               .replace("end frame\n", "end frame folded=true\n")
        << QString();
    QTest::newRow("1.0 with a property")
        << smallSheet("Tavilon sheet 1.0", property)
        << QStringLiteral("The sheet is damaged at line 4: “gloss” is no property this version "
                          "of Tavilon knows.");
    QTest::newRow("1.0 with a setting")
        << smallSheet("Tavilon sheet 1.0", {}, setting)
        << QStringLiteral("The sheet is damaged at line 5: the document has no setting “zoom” "
                          "of that kind.");
    QTest::newRow("a picture that is none")
        << smallSheet("Tavilon sheet 1.0", {}, {},
               "resource \"logo\" \"image/png\"\naGVsbG8=\nend resource\n")
        << QStringLiteral("The sheet is damaged: the picture “logo” cannot be shown.");
}

void SheetDocumentIoTest::whatAVersionAddsOrDamages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QTextDocument document;
    document.setPlainText(QStringLiteral("before"));
    QCOMPARE(readSheetFile(bytes, &document).value_or(QString()), refusal);
    QCOMPARE(document.toPlainText(),
        refusal.isEmpty() ? QStringLiteral("Hello") : QStringLiteral("before"));
}

void SheetDocumentIoTest::failedSaveLeavesTheFiles_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("below a regular file")
        << QStringLiteral("notes.txt/feeder.tavilon")
        << QStringLiteral("The file cannot be written: Not a directory.");
    QTest::newRow("onto a folder")
        << QStringLiteral("folder.tavilon") << QStringLiteral("This is a folder, not a file.");
    // The process may write files no larger than the old sheet, as if the disk were full.
    QTest::newRow("disk full") << QStringLiteral("old.tavilon")
                               << QStringLiteral("The file cannot be written: File too large.");
}

void SheetDocumentIoTest::failedSaveLeavesTheFiles()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(testsupport::writeFile(dir.filePath(QStringLiteral("notes.txt")), "keep me"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.tavilon")));
    const QByteArray old = smallSheet("Tavilon sheet 1.0");
    QVERIFY(testsupport::writeFile(dir.filePath(QStringLiteral("old.tavilon")), old));
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    CalcSheet sheet;
    fillLikeAnEngineer(&sheet);

    std::optional<testsupport::DiskFull> diskFull;
    if (QTest::currentDataTag() == QLatin1String("disk full"))
        QVERIFY(diskFull.emplace(old.size()).isSet());
    const std::optional<QString> saved
        = saveSheet(*sheet.document()->document(), dir.filePath(target));
    diskFull.reset();
    QTEST(saved.value_or(QString()), "refusal");
    QCOMPARE(snapshot(dir.path()), before);
}

void SheetDocumentIoTest::comparisonSeesEachChange_data()
{
    // The round trips above are only as good as the comparison that finds no difference.
    QTest::addColumn<DocumentChange>("change");

    QTest::newRow("bold taken off") << DocumentChange([](QTextDocument* document) {
        QTextCursor cursor(document->findBlockByNumber(6));
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat regular;
        regular.setFontWeight(QFont::Normal);
        cursor.mergeCharFormat(regular);
    });
    QTest::newRow("out of its list") << DocumentChange([](QTextDocument* document) {
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (QTextList* list = block.textList())
                return list->remove(block);
        }
    });
    QTest::newRow("another logo") << DocumentChange([](QTextDocument* document) {
        QImage other(10, 10, QImage::Format_ARGB32);
        other.fill(Qt::red);
        document->addResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("tavilon:sheet-logo")), other);
    });
    QTest::newRow("cells merged") << DocumentChange([](QTextDocument* document) {
        for (QTextFrame* frame : document->rootFrame()->childFrames()) {
            if (auto* table = qobject_cast<QTextTable*>(frame))
                return table->mergeCells(1, 0, 1, 2);
        }
    });
}

void SheetDocumentIoTest::comparisonSeesEachChange()
{
    QFETCH(DocumentChange, change);
    CalcSheet original;
    CalcSheet changed;
    fillLikeAnEngineer(&original);
    fillLikeAnEngineer(&changed);
    const QTextDocument& expected = *original.document()->document();
    QCOMPARE(testsupport::documentDifference(expected, *changed.document()->document()), QString());
    change(changed.document()->document());
    QVERIFY(!testsupport::documentDifference(expected, *changed.document()->document()).isEmpty());
}

TAVILON_WIDGET_TEST_MAIN(SheetDocumentIoTest)
#include "sheet_document_io_test.moc"
