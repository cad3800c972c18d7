#include "document_comparison.h"
#include "sheet/calc_sheet.h"
#include "sheet/sheet_document_io.h"
#include "sheet/sheet_texts.h"
#include "test_main.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QTextTable>

#include <csignal>
#include <functional>
#include <sys/resource.h>

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

    // The page's results box as its history slots fill it again, from its HTML, which gives
    // every run the box's own 9 point font.
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

// What must be there for a round trip to prove anything: a table, a list, the logo and an
// empty paragraph whose mark has a format of its own.
QString missingKinds(const QTextDocument& document)
{
    bool table = false, list = false, image = false, markedEmpty = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        table = table || QTextCursor(block).currentTable();
        list = list || block.textList();
        markedEmpty
            = markedEmpty || (block.text().isEmpty() && block.charFormat().fontPointSize() > 0);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            image = image || it.fragment().charFormat().isImageFormat();
    }
    QStringList missing;
    for (const auto& [present, name] : {std::pair(table, "table"), std::pair(list, "list"),
             std::pair(image, "image"), std::pair(markedEmpty, "formatted empty paragraph")}) {
        if (!present)
            missing.append(QLatin1String(name));
    }
    return missing.join(QStringLiteral(", "));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file below `folder` with its bytes, and every folder.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path, it.fileInfo().isDir() ? QByteArray("folder") : fileBytes(path));
    }
    return entries;
}

// A sheet saved by this version with the sheet above, kept in the fuzzer's seeds.
QByteArray engineerSheet()
{
    return fileBytes(QStringLiteral(TAVILON_FUZZ_CORPUS "/engineer_sheet"));
}

// A small sheet in the file's own words, with a place for the header and extra lines.
QByteArray smallSheet(const QByteArray& header, const QByteArray& formatExtra = {},
    const QByteArray& documentExtra = {}, const QByteArray& frameExtra = {})
{
    return header + "\n"
        + "format 0 frame frame-margin=4.0\n"
          "format 1 block\n"
          "format 2 char font-point-size=12.0"
        + formatExtra + "\ndocument 2 indent-width=40.0" + documentExtra
        + "\nframe 0\n"
          "block 1 2\n"
          "text 2 \"Hello\"\n"
        + frameExtra + "end frame\nend sheet\n";
}

// The file's size limit, for a file the test makes sparse.
constexpr qint64 kOneByteTooMany = kMaxSheetFileBytes + 1;

} // namespace

class SheetDocumentIoTest : public QObject
{
    Q_OBJECT
private slots:
    void savedSheetOpensAsItWas();
    void openedSheetSavesToTheSameBytes();
    void formatsComeBack_data();
    void formatsComeBack();
    void framesAndNestedTablesComeBack();
    void newerMinorVersionOpens_data();
    void newerMinorVersionOpens();
    void refusedFileLeavesTheDocument_data();
    void refusedFileLeavesTheDocument();
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
    const QTextDocument& original = *sheet.document()->document();
    QCOMPARE(missingKinds(original), QString());

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
    QCOMPARE(reopened->toPlainText(), original.toPlainText());
}

void SheetDocumentIoTest::openedSheetSavesToTheSameBytes()
{
    // A sheet saved now, and the one this version saved when the format was made: both come
    // out again byte for byte.
    CalcSheet sheet;
    fillLikeAnEngineer(&sheet);
    for (const QByteArray& saved :
        {sheetFileBytes(*sheet.document()->document()), engineerSheet()}) {
        QVERIFY(saved.startsWith("Tavilon sheet 1.0\n"));
        QTextDocument reopened;
        const std::optional<QString> opened = readSheetFile(saved, &reopened);
        QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
        QCOMPARE(sheetFileBytes(reopened), saved);
    }
}

void SheetDocumentIoTest::formatsComeBack_data()
{
    QTest::addColumn<QTextFormat>("paragraph");
    QTest::addColumn<QTextFormat>("characters");

    QTextBlockFormat laidOut;
    laidOut.setLayoutDirection(Qt::RightToLeft);
    laidOut.setAlignment(Qt::AlignJustify | Qt::AlignAbsolute);
    laidOut.setPageBreakPolicy(
        QTextFormat::PageBreak_AlwaysBefore | QTextFormat::PageBreak_AlwaysAfter);
    laidOut.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
    laidOut.setMarker(QTextBlockFormat::MarkerType::Checked);
    laidOut.setTabPositions({QTextOption::Tab(40, QTextOption::RightTab),
        QTextOption::Tab(80.5, QTextOption::DelimiterTab, QLatin1Char('.'))});
    laidOut.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
        QTextLength(QTextLength::PercentageLength, 50));
    QTest::newRow("paragraph layout") << QTextFormat(laidOut) << QTextFormat(QTextCharFormat());

    QTextCharFormat decorated;
    decorated.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    decorated.setUnderlineColor(QColor::fromRgba64(0x1234, 0x5678, 0x9ABC, 0xDEF0));
    decorated.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    decorated.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    decorated.setFontLetterSpacing(1.5);
    decorated.setFontStyleHint(
        QFont::Serif, QFont::StyleStrategy(QFont::PreferQuality | QFont::NoFontMerging));
    decorated.setBackground(QBrush(QColor(255, 255, 0, 128), Qt::Dense3Pattern));
    QTest::newRow("decorated text") << QTextFormat(QTextBlockFormat()) << QTextFormat(decorated);

    QTextCharFormat outlined;
    QPen pen(QBrush(Qt::blue), 0.5, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin);
    pen.setDashPattern({1, 2.5});
    pen.setDashOffset(0.25);
    outlined.setTextOutline(pen);
    QTest::newRow("dashed outline") << QTextFormat(QTextBlockFormat()) << QTextFormat(outlined);

    // A link's names as Qt's own HTML gives them, or one as older code sets it; and
    // properties no table names: a program's own, in any of the types a file can hold.
    QTextCharFormat unnamed;
    unnamed.setAnchor(true);
    unnamed.setAnchorHref(QStringLiteral("https://example.org/?q=\"1\""));
    unnamed.setProperty(QTextFormat::AnchorName, QStringLiteral("top"));
    unnamed.setProperty(
        QTextFormat::UserProperty + 1, QStringList {QStringLiteral("a"), QStringLiteral("b")});
    unnamed.setProperty(QTextFormat::UserProperty + 2, 2.75);
    unnamed.setProperty(
        QTextFormat::UserProperty + 3, QVariantList {1, QStringLiteral("two"), true});
    unnamed.setProperty(QTextFormat::ObjectType, QTextFormat::UserObject + 5);
    QTextBlockFormat unknownEnum;
    unknownEnum.setProperty(QTextFormat::LineHeightType, 17); // no word names it
    QTest::newRow("anchors and properties outside the table")
        << QTextFormat(unknownEnum) << QTextFormat(unnamed);
}

void SheetDocumentIoTest::formatsComeBack()
{
    QFETCH(QTextFormat, paragraph);
    QFETCH(QTextFormat, characters);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertBlock(paragraph.toBlockFormat(), characters.toCharFormat());
    cursor.insertText(QStringLiteral("Trade size\t1 1/4\""), characters.toCharFormat());

    QTextDocument reopened;
    const std::optional<QString> opened = readSheetFile(sheetFileBytes(document), &reopened);
    QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
    QCOMPARE(testsupport::documentDifference(document, reopened), QString());
}

void SheetDocumentIoTest::framesAndNestedTablesComeBack()
{
    // A frame with a table in it whose cell holds a table with a merged cell, and a list
    // that goes on after the frame.
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListUpperRoman);
    numbered.setNumberSuffix(QStringLiteral(")"));
    QTextList* list = cursor.insertList(numbered);
    cursor.insertText(QStringLiteral("first"));
    QTextFrameFormat boxed;
    boxed.setBorder(2);
    boxed.setPadding(6);
    boxed.setWidth(QTextLength(QTextLength::FixedLength, 300));
    QTextFrame* frame = cursor.insertFrame(boxed);
    cursor.insertText(QStringLiteral("in the frame"));
    QTextTable* outer = cursor.insertTable(2, 2);
    cursor.insertText(QStringLiteral("a"));
    QTextTable* inner = cursor.insertTable(3, 3);
    inner->mergeCells(0, 1, 2, 2);
    inner->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("b"));
    QTextTableCellFormat shaded;
    shaded.setBackground(Qt::lightGray);
    shaded.setTopPadding(4);
    inner->cellAt(0, 1).setFormat(shaded);
    outer->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("c"));
    cursor.setPosition(frame->lastPosition() + 1);
    cursor.insertText(QStringLiteral("after the frame"));
    cursor.insertBlock();
    list->add(cursor.block());
    cursor.insertText(QStringLiteral("second"));

    QTextDocument reopened;
    const std::optional<QString> opened = readSheetFile(sheetFileBytes(document), &reopened);
    QVERIFY2(!opened, qPrintable(opened.value_or(QString())));
    QCOMPARE(testsupport::documentDifference(document, reopened), QString());
}

void SheetDocumentIoTest::newerMinorVersionOpens_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");

    // What a version 1.1 might add: a property, a setting of the document, and a line of its
    // own. A reader of 1.0 skips them in a 1.1 file; in a file that says 1.0 the property and
    // the setting are damage, found on their lines (1 the magic, 2 to 4 the formats, 5 the
    // document). The core's test covers the line.
    const QByteArray property = " gloss=true";
    const QByteArray setting = " zoom=2.0";
    const QByteArray line = "bookmark \"end\"\n";
    QTest::newRow("1.1 with all three")
        << smallSheet("Tavilon sheet 1.1", property, setting, line) << QString();
    QTest::newRow("1.0 with a property")
        << smallSheet("Tavilon sheet 1.0", property)
        << QStringLiteral("The sheet is damaged at line 4: “gloss” is no property this version "
                          "of Tavilon knows.");
    QTest::newRow("1.0 with a setting")
        << smallSheet("Tavilon sheet 1.0", {}, setting)
        << QStringLiteral("The sheet is damaged at line 5: the document has no setting “zoom” "
                          "of that kind.");
}

void SheetDocumentIoTest::newerMinorVersionOpens()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QTextDocument document;
    document.setPlainText(QStringLiteral("before"));
    QCOMPARE(readSheetFile(bytes, &document).value_or(QString()), refusal);
    QCOMPARE(document.toPlainText(),
        refusal.isEmpty() ? QStringLiteral("Hello") : QStringLiteral("before"));
}

void SheetDocumentIoTest::refusedFileLeavesTheDocument_data()
{
    QTest::addColumn<QString>("made"); // a file, a folder, a file too large, nothing
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");

    const QByteArray saved = engineerSheet();
    QVERIFY(!saved.isEmpty());
    QByteArray noise(4096, '\0');
    QRandomGenerator(17).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    // Cut in the middle of a line: the damage is on the line after the last whole one.
    const QByteArray cutInLine = saved.left(saved.size() * 2 / 3);
    const QByteArray cutAtLineEnd = saved.left(saved.indexOf('\n', saved.size() / 3) + 1);
    QByteArray newer = saved;
    newer.replace("Tavilon sheet 1.0\n", "Tavilon sheet 2.0\n");
    QByteArray notAPicture = smallSheet("Tavilon sheet 1.0");
    notAPicture.replace(
        "end sheet\n", "resource \"logo\" \"image/png\"\naGVsbG8=\nend resource\nend sheet\n");

    QTest::newRow("empty file") << "file" << QByteArray()
                                << QStringLiteral("The file is empty; it is not a Tavilon sheet.");
    QTest::newRow("random bytes") << "file" << noise
                                  << QStringLiteral("This is not a Tavilon sheet.");
    QTest::newRow("cut in a line")
        << "file" << cutInLine
        << QStringLiteral("The sheet is damaged at line %1: the file ends in the middle of a "
                          "line; it may have been cut short.")
               .arg(cutInLine.count('\n') + 1);
    QTest::newRow("cut at a line's end")
        << "file" << cutAtLineEnd
        << QStringLiteral("The sheet is damaged at line %1: the file ends before the sheet "
                          "does; it may have been cut short.")
               .arg(cutAtLineEnd.count('\n'));
    QTest::newRow("newer version")
        << "file" << newer
        << QStringLiteral("This sheet was saved by a newer version of Tavilon, in sheet format "
                          "2.0; this version opens sheets of format 1.");
    QTest::newRow("a picture that is none")
        << "file" << notAPicture
        << QStringLiteral("The sheet is damaged: the picture “logo” cannot be shown.");
    QTest::newRow("folder") << "folder" << QByteArray()
                            << QStringLiteral("This is a folder, not a file.");
    QTest::newRow("larger than 50 MB")
        << "large" << QByteArray()
        << QStringLiteral("The file is larger than 50 MB, which no sheet is.");
    QTest::newRow("no file") << "nothing" << QByteArray()
                             << QStringLiteral("There is no such file.");
}

void SheetDocumentIoTest::refusedFileLeavesTheDocument()
{
    QFETCH(QString, made);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (made == QLatin1String("file")) {
        QVERIFY(writeFile(path, bytes));
    } else if (made == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (made == QLatin1String("large")) {
        // Sparse: the size is checked before anything is read.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kOneByteTooMany));
    }

    // Two sheets made alike: the one a file is opened into, and one to compare it with.
    CalcSheet sheet;
    CalcSheet unchanged;
    fillLikeAnEngineer(&sheet);
    fillLikeAnEngineer(&unchanged);
    QTextDocument* document = sheet.document()->document();
    QCOMPARE(openSheet(path, document).value_or(QString()), refusal);
    QCOMPARE(
        testsupport::documentDifference(*unchanged.document()->document(), *document), QString());
    QVERIFY(document->isUndoAvailable());
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
    QFETCH(QString, refusal);

    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("notes.txt")), "keep me"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.tavilon")));
    const QByteArray old = smallSheet("Tavilon sheet 1.0");
    QVERIFY(writeFile(dir.filePath(QStringLiteral("old.tavilon")), old));
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    CalcSheet sheet;
    fillLikeAnEngineer(&sheet);
    const QTextDocument& document = *sheet.document()->document();

    rlimit limit {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit unlimited = limit;
    const bool diskFull = QTest::currentDataTag() == QLatin1String("disk full");
    if (diskFull) {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of stopping us
        limit.rlim_cur = static_cast<rlim_t>(old.size());
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }
    const std::optional<QString> saved = saveSheet(document, dir.filePath(target));
    if (diskFull)
        QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);

    QCOMPARE(saved.value_or(QString()), refusal);
    QCOMPARE(snapshot(dir.path()), before);
}

void SheetDocumentIoTest::comparisonSeesEachChange_data()
{
    // The round trips above are only as good as the comparison that finds no difference.
    QTest::addColumn<DocumentChange>("change");

    const auto inBlock = [](int number, const auto& change) {
        return DocumentChange([=](QTextDocument* document) {
            QTextCursor cursor(document->findBlockByNumber(number));
            change(&cursor);
        });
    };
    QTest::newRow("a letter") << inBlock(
        6, [](QTextCursor* c) { c->insertText(QStringLiteral("x")); });
    QTest::newRow("bold taken off") << inBlock(6, [](QTextCursor* c) {
        c->select(QTextCursor::BlockUnderCursor);
        QTextCharFormat regular;
        regular.setFontWeight(QFont::Normal);
        c->mergeCharFormat(regular);
    });
    QTest::newRow("centred") << inBlock(3, [](QTextCursor* c) {
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        c->mergeBlockFormat(centred);
    });
    QTest::newRow("empty paragraph's mark") << inBlock(4, [](QTextCursor* c) {
        QTextCharFormat larger;
        larger.setFontPointSize(14);
        c->mergeBlockCharFormat(larger);
    });
    QTest::newRow("out of its list") << DocumentChange([](QTextDocument* document) {
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (QTextList* list = block.textList()) {
                list->remove(block);
                return;
            }
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
            if (auto* table = qobject_cast<QTextTable*>(frame)) {
                table->mergeCells(1, 0, 1, 2);
                return;
            }
        }
    });
    QTest::newRow("default font") << DocumentChange([](QTextDocument* document) {
        document->setDefaultFont(QFont(QStringLiteral("Arial"), 11));
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
