#include "sheet/sheet_printer.h"
#include "sheet/sheet_template.h"
#include "test_main.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <csignal>
#include <sys/resource.h>

namespace {

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
        QTextCursor label(find(QStringLiteral("Project Name:")));
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

    QTextBlock find(const QString& start) const
    {
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.text().startsWith(start))
                return block;
        }
        return {};
    }

    QTextDocument document;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file as pdftotext lays them out, each as its non-blank lines.
QList<QStringList> pdfPages(const QString& pdf)
{
    QStringList pages
        = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
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

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    void printsTheSelection();
    void printsTheSameInADarkScheme();
    void failedExportKeepsTheOldFile_data();
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

void SheetPrinterTest::exportsPages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typedName"); // after the label
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("paper"); // in points, as pdfinfo gives it

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Letter, a name typed") << us << "  Riverside Clinic, Phase 2 "
                                          << "^Riverside Clinic, Phase 2 {2,}Page %1 of %2$"
                                          << "612 x 792 pts";
    QTest::newRow("A4, nothing typed") << QLocale(QLocale::German, QLocale::Germany) << ""
                                       << "^Page %1 of %2$"
                                       << "595 x 842 pts";
    // British measures count as imperial, but British paper is A4.
    QTest::newRow("A4 in Britain, only blanks typed")
        << QLocale(QLocale::English, QLocale::UnitedKingdom) << "   \t "
        << "^Page %1 of %2$"
        << "595 x 842 pts";
    // Cut short with an ellipsis before it reaches the page number.
    QTest::newRow("a long name shortened")
        << us
        << "Riverside Regional Medical Center, East Wing Expansion, Phase 2: Emergency "
           "Department, Imaging and Central Plant"
        << "^Riverside Regional Medical Center,[^\u2026]*\u2026 {2,}Page %1 of %2$"
        << "612 x 792 pts";
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

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(
        info.contains(QRegularExpression(QStringLiteral("Title: +Calculation Results Sheet\n"))),
        qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +") + paper)),
        qPrintable(info));
    // The logo, drawn at four times its 279 x 63 pixels, and no other picture.
    const QStringList pictures
        = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n');
    QCOMPARE(pictures.filter(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image +1116 +252 ")))
                 .size(),
        1);
    QCOMPARE(
        pictures.filter(QRegularExpression(QStringLiteral("^ *\\d+ +\\d+ +image "))).size(), 1);

    const QList<QStringList> pages = pdfPages(pdf);
    QVERIFY(pages.size() > 5);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(pages.size()))),
        qPrintable(info));
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

void SheetPrinterTest::printsTheSelection()
{
    // From the middle of report 2 to the end of report 5, printed as the print dialog leaves
    // the printer when the user prints to a file. On Letter the rest of report 2 (18 lines)
    // and report 3 share page 1; report 4 would not fit below them.
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    QTextCursor cursor(sheet.find(line(2, 5)));
    cursor.setPosition(sheet.find(endOf(5)).position(), QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const QString html = sheet.document.toHtml();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(QStringLiteral("selection.pdf")));
    printer.setPageLayout(sheetPageLayout(QLocale()));
    QVERIFY(SheetPrinter(sheet.document, cursor.selection()).print(&printer));
    QCOMPARE(sheet.document.toHtml(), html);

    const QList<QStringList> pages = pdfPages(printer.outputFileName());
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].value(0), line(2, 5));
    QCOMPARE(pageOf(pages, endOf(3)), 0);
    QCOMPARE(pages[1].value(0), heading(4));
    QCOMPARE(pageOf(pages, endOf(5)), 1);
    QCOMPARE(pageOf(pages, heading(6)), -1);
    QCOMPARE(wrongFooter(pages, QStringLiteral("^Riverside Clinic {2,}Page %1 of %2$")), QString());
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
        run(QStringLiteral("pdftoppm"),
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

void SheetPrinterTest::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("target"); // "folder" is a regular file; "sheet" an earlier export
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason"); // as the system words it
    QTest::newRow("PDF, below a regular file")
        << true << "folder/sheet.pdf" << false << "Not a directory";
    QTest::newRow("ODT, below a regular file")
        << false << "folder/sheet.odt" << false << "Not a directory";
    QTest::newRow("PDF, the disk full") << true << "sheet" << true << "File too large";
    QTest::newRow("ODT, the disk full") << false << "sheet" << true << "File too large";
}

void SheetPrinterTest::failedExportKeepsTheOldFile()
{
    QFETCH(bool, pdf);
    QFETCH(QString, target);
    QFETCH(bool, diskFull);
    QTemporaryDir dir;
    const QByteArray old = QByteArrayLiteral("the sheet as exported last week");
    for (const QString name : {QStringLiteral("folder"), QStringLiteral("sheet")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    TestSheet sheet;

    // Files larger than the old one, and than no sheet's PDF or ODT with the logo in it,
    // cannot be written: a full disk, as far as a writer can tell.
    rlimit limit {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit unlimited = limit;
    if (diskFull) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        limit.rlim_cur = 4096;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }
    const std::optional<QString> failure = pdf ? exportPdf(sheet.document, dir.filePath(target))
                                               : exportOdt(sheet.document, dir.filePath(target));
    QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    QTEST(failure.value_or(QString()), "reason");
    QCOMPARE(contents(dir.filePath(QStringLiteral("folder"))), old);
    QCOMPARE(contents(dir.filePath(QStringLiteral("sheet"))), old);
    // Nothing half-written is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList({QStringLiteral("folder"), QStringLiteral("sheet")}));
}

void SheetPrinterTest::exportsOpenDocumentText()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    const QString odt = path(QStringLiteral("sheet.odt"));
    QFile earlier(odt);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier export") > 0);
    earlier.close();
    QCOMPARE(exportOdt(sheet.document, odt), std::nullopt);

    // A zip whose first entry names the type, as OpenDocument requires, with the logo.
    const auto entry = [&odt](const char* name) {
        return run(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QLatin1String(name)});
    };
    const QStringList entries
        = run(QStringLiteral("unzip"), {QStringLiteral("-Z1"), odt}).split(u'\n');
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
