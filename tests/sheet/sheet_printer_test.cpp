#include "sheet/sheet_printer.h"
#include "sheet/sheet_template.h"
#include "test_files.h"
#include "test_main.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

using testsupport::toolOutput;

QString heading(int report)
{
    return QStringLiteral("Calculation Type: Test Report %1").arg(report, 2, 10, QLatin1Char('0'));
}
QString line(int report, int line)
{
    return QStringLiteral("Report %1 line %2")
        .arg(report, 2, 10, QLatin1Char('0'))
        .arg(line, 2, 10, QLatin1Char('0'));
}
QString endOf(int report)
{
    return QStringLiteral("End of report %1").arg(report, 2, 10, QLatin1Char('0'));
}

// Twelve reports of 22 lines, the seventh of 80. Hand count, Liberation Sans standing in
// for Arial: a 12 point line is 13.4 points high; the body of a page is the paper less 20
// mm margins and the footer's two 9 point lines, 49 lines on Letter and 52 on A4. The
// template takes about 13 lines, so the first two reports never share page 1 with it, and
// two short reports fit on a page on both papers; the long one is longer than any page.
constexpr int kReports = 12;
constexpr int kLongReport = 7;

// A sheet as the window holds one: the template in the window's 12 point Arial, what the
// user typed after "Project Name:", and the reports, each beginning a paragraph.
struct TestSheet
{
    explicit TestSheet(const QString& typedName = {})
    {
        document.setDefaultFont(QFont(QStringLiteral("Arial"), 12));
        fillSheetTemplate(&document);
        QTextCursor label = document.find(QStringLiteral("Project Name:"));
        label.movePosition(QTextCursor::EndOfBlock);
        label.insertText(typedName);
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        if (!end.block().text().isEmpty())
            end.insertBlock();
        for (int report = 1; report <= kReports; ++report) {
            if (report > 1)
                end.insertBlock();
            end.insertText(heading(report));
            for (int n = 2; n < (report == kLongReport ? 80 : 22); ++n)
                end.insertText(u'\n' + line(report, n));
            end.insertText(u'\n' + endOf(report));
        }
    }

    QTextDocument document;
};

// The pages of a PDF file as pdftotext lays them out, each as its non-blank lines.
QList<QStringList> pdfPages(const QString& pdf)
{
    QStringList pages = toolOutput(
        QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(u'\f');
    pages.removeLast(); // what follows the last form feed
    QList<QStringList> lines;
    for (const QString& page : pages) {
        lines.append(QStringList());
        for (const QString& text : page.split(u'\n')) {
            if (!text.trimmed().isEmpty())
                lines.last() << text.trimmed();
        }
    }
    return lines;
}

// The page, from 0, that holds the line; -1 when none does.
int pageOf(const QList<QStringList>& pages, const QString& line)
{
    for (int page = 0; page < pages.size(); ++page) {
        if (pages[page].contains(line))
            return page;
    }
    return -1;
}

// Every page's last line is its footer; `footer` is a pattern with %1 for the page's number
// and %2 for their count.
QString wrongFooter(const QList<QStringList>& pages, const QString& footer)
{
    for (int page = 0; page < pages.size(); ++page) {
        const QString last = pages[page].value(pages[page].size() - 1);
        if (!QRegularExpression(footer.arg(page + 1).arg(pages.size())).match(last).hasMatch())
            return QStringLiteral("page %1 ends in “%2”").arg(page + 1).arg(last);
    }
    return {};
}

} // namespace

class SheetPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void exportsPages_data();
    void exportsPages();
    void printsTheSameInADarkScheme();
    void failedExportKeepsTheOldFile();
    void exportsOpenDocumentText();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void SheetPrinterTest::initTestCase()
{
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm", "pdfimages", "unzip"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is needed to read the files back "
                                            "(tools/install-deps.sh installs it)")
                                 .arg(QLatin1String(tool))));
    }
    QVERIFY(m_dir.isValid());
}

void SheetPrinterTest::cleanup()
{
    testsupport::pinLocale();
}

// calc_sheet_test tries each locale's paper through the print dialog; exports take it too.
void SheetPrinterTest::exportsPages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typedName"); // after the label
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("paper"); // in points, as pdfinfo gives it

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Letter, a name typed") << us << "  Riverside Clinic, Phase 2 "
                                          << "^Riverside Clinic, Phase 2 {2,}Page %1 of %2$"
                                          << "612 x 792";
    QTest::newRow("A4, only blanks typed")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << "   \t "
        << "^Page %1 of %2$"
        << "595 x 842";
    // Cut short with an ellipsis before it reaches the page number.
    QTest::newRow("a long name shortened")
        << us
        << "Riverside Regional Medical Center, East Wing Expansion, Phase 2: Emergency "
           "Department, Imaging and Central Plant"
        << "^Riverside Regional Medical Center,[^\u2026]*\u2026 {2,}Page %1 of %2$"
        << "612 x 792";
}

void SheetPrinterTest::exportsPages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typedName);
    QFETCH(QString, footer);
    QFETCH(QString, paper);
    const testsupport::LocaleScope scope(locale);

    TestSheet sheet(typedName);
    const QString html = sheet.document.toHtml();
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    QCOMPARE(exportPdf(sheet.document, pdf), std::nullopt);
    QCOMPARE(sheet.document.toHtml(), html); // printing changed nothing on the sheet

    const QString info = toolOutput(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(
                 QStringLiteral("Title: +Calculation Results Sheet\n(.*\n)*Page size: +") + paper)),
        qPrintable(info));
    // The logo, drawn at four times its 279 x 63 pixels, and no other picture.
    const QStringList pictures
        = toolOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
              .split(u'\n')
              .filter(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image ")));
    QCOMPARE(pictures.size(), 1);
    QVERIFY2(pictures[0].contains(QRegularExpression(QStringLiteral(" image +1116 +252 "))),
        qPrintable(pictures[0]));

    const QList<QStringList> pages = pdfPages(pdf);
    QVERIFY(pages.size() > 5);
    QCOMPARE(wrongFooter(pages, footer), QString());
    for (int report = 1; report <= kReports; ++report) {
        const int start = pageOf(pages, heading(report));
        const int end = pageOf(pages, endOf(report));
        QVERIFY2(start >= 0 && end >= start, qPrintable(heading(report)));
        // The long report flows on from where the one before it ends; the others fit.
        if (report == kLongReport)
            QVERIFY(start == pageOf(pages, endOf(report - 1)) && end > start);
        else
            QVERIFY2(start == end, qPrintable(QStringLiteral("report %1 runs over").arg(report)));
    }
    // Report 2 would have begun on page 1 below report 1; it starts page 2 instead.
    QCOMPARE(pageOf(pages, endOf(1)), 0);
    QCOMPARE(pages[1].value(0), heading(2));
}

// Paper is white whatever the desktop's scheme: the sheet prints with the light scheme's
// black text.
void SheetPrinterTest::printsTheSameInADarkScheme()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    // Page 2, which holds reports only.
    const auto pageImage = [this, &sheet](const QString& name) {
        const QString pdf = path(name + QStringLiteral(".pdf"));
        if (exportPdf(sheet.document, pdf))
            return QImage();
        toolOutput(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("40"),
                QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
                path(name)});
        return QImage(path(name + QStringLiteral(".png")));
    };
    const QImage light = pageImage(QStringLiteral("light"));
    QVERIFY(!light.isNull());

    const QPalette original = QGuiApplication::palette();
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, Qt::black);
    QApplication::setPalette(dark);
    const QImage inDark = pageImage(QStringLiteral("dark"));
    QApplication::setPalette(original);
    QCOMPARE(inDark, light);
}

// A disk that fills up: writing stops at 4 kB, less than the logo alone. The old export
// stays, and no part of the new one is left beside it. calc_sheet_test tries the message.
void SheetPrinterTest::failedExportKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QByteArray old = QByteArrayLiteral("the sheet as exported last week");
    for (const char* name : {"sheet.pdf", "sheet.odt"})
        QVERIFY(testsupport::writeFile(dir.filePath(QLatin1String(name)), old));
    TestSheet sheet;
    std::optional<testsupport::DiskFull> diskFull(std::in_place, 4096);
    QVERIFY(diskFull->isSet());
    const std::optional<QString> pdf = exportPdf(sheet.document, dir.filePath("sheet.pdf"));
    const std::optional<QString> odt = exportOdt(sheet.document, dir.filePath("sheet.odt"));
    diskFull.reset();
    QCOMPARE(pdf, QStringLiteral("File too large"));
    QCOMPARE(odt, QStringLiteral("File too large"));
    const QStringList files
        = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(files, QStringList({QStringLiteral("sheet.odt"), QStringLiteral("sheet.pdf")}));
    for (const QString& file : files)
        QCOMPARE(testsupport::fileBytes(dir.filePath(file)), old);
}

void SheetPrinterTest::exportsOpenDocumentText()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    const QString odt = path(QStringLiteral("sheet.odt"));
    QVERIFY(testsupport::writeFile(odt, "an earlier export"));
    QCOMPARE(exportOdt(sheet.document, odt), std::nullopt);

    // A zip whose first entry names the type, as OpenDocument requires, with the logo.
    const auto entry = [&odt](const char* name) {
        return toolOutput(
            QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QLatin1String(name)});
    };
    const QStringList entries
        = toolOutput(QStringLiteral("unzip"), {QStringLiteral("-Z1"), odt}).split(u'\n');
    QCOMPARE(entries.value(0), QStringLiteral("mimetype"));
    QCOMPARE(entry("mimetype"), QStringLiteral("application/vnd.oasis.opendocument.text"));
    const QStringList pictures = entries.filter(QRegularExpression(QStringLiteral("^Pictures/.")));
    QCOMPARE(pictures.size(), 1);
    QVERIFY(entry("META-INF/manifest.xml")
                .contains(QStringLiteral("manifest:full-path=\"%1\"").arg(pictures[0])));
    const QString content = entry("content.xml");
    // The logo as drawn on the sheet, 4185 x 945 twips: 209.25 x 47.25 points.
    QVERIFY2(content.contains(QStringLiteral("svg:width=\"209.25pt\" svg:height=\"47.25pt\"")),
        qPrintable(content.left(3000)));
    QVERIFY(content.contains(QStringLiteral("xlink:href=\"%1\"").arg(pictures[0])));
    QVERIFY(content.contains(QStringLiteral("Riverside Clinic")));
    for (int report = 1; report <= kReports; ++report)
        QVERIFY(content.contains(heading(report)) && content.contains(endOf(report)));
}

TAVILON_WIDGET_TEST_MAIN(SheetPrinterTest)
#include "sheet_printer_test.moc"
