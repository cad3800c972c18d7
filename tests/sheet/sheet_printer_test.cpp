#include "sheet/sheet_printer.h"
#include "sheet/sheet_template.h"
#include "test_main.h"

#include <QDir>
#include <QImage>
#include <QPdfWriter>
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

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// A sheet as the window holds one: the template in the window's 12 point Arial, what the
// user typed after "Project Name:", and reports of numbered lines, each beginning a
// paragraph: "Calculation Type: Test Report 03", "Report 03 line 02", ... and last
// "End of report 03".
class TestSheet
{
public:
    explicit TestSheet(const QString& typedName = {})
    {
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(12);
        document.setDefaultFont(font);
        fillSheetTemplate(&document);
        QTextCursor label(find(QStringLiteral("Project Name:")));
        label.movePosition(QTextCursor::EndOfBlock);
        label.insertText(typedName);
    }

    void addReport(int number, int lines)
    {
        QStringList text {headingOf(number)};
        for (int line = 2; line < lines; ++line)
            text << lineOf(number, line);
        text << endOf(number);
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        if (!end.block().text().isEmpty())
            end.insertBlock();
        end.insertText(text.join(u'\n'));
    }

    static QString headingOf(int number)
    {
        return QStringLiteral("Calculation Type: Test Report %1").arg(twoDigits(number));
    }
    static QString lineOf(int number, int line)
    {
        return QStringLiteral("Report %1 line %2").arg(twoDigits(number), twoDigits(line));
    }
    static QString endOf(int number)
    {
        return QStringLiteral("End of report %1").arg(twoDigits(number));
    }

    QTextBlock find(const QString& start) const
    {
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.text().startsWith(start))
                return block;
        }
        return {};
    }

    // From the start of the paragraph that starts with `from` to the end of the one that
    // starts with `to`.
    QTextDocumentFragment selection(const QString& from, const QString& to) const
    {
        QTextCursor cursor(find(from));
        cursor.setPosition(find(to).position(), QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        return cursor.selection();
    }

    QTextDocument document;
};

// Twelve reports of 22 lines, the seventh of 80. Hand count, Liberation Sans standing in
// for Arial: a 12 point line is 13.4 points high (1.117 em); the body of a page is the
// paper less 20 mm margins and the footer's two 9 point lines (20.1 points), 658 points on
// Letter, 49 lines, and 708 points on A4, 52 lines. The template takes about 13 lines, so
// the first two reports (44 lines) never share page 1 with it, and two short reports
// fit on a page on both papers; the long one is longer than any page.
constexpr int kReports = 12;
constexpr int kLongReport = 7;

void addReports(TestSheet& sheet)
{
    for (int report = 1; report <= kReports; ++report)
        sheet.addReport(report, report == kLongReport ? 80 : 22);
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The pages of a PDF file as pdftotext lays them out; each ends with a form feed.
QStringList pdfPages(const QString& pdf)
{
    QStringList pages
        = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
              .split(u'\f');
    pages.removeLast(); // what follows the last form feed
    return pages;
}

QStringList nonBlankLines(const QString& page)
{
    QStringList lines;
    for (const QString& line : page.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

// The page, from 0, that holds the line; -1 when none does.
int pageOf(const QStringList& pages, const QString& line)
{
    for (int page = 0; page < pages.size(); ++page) {
        if (nonBlankLines(pages[page]).contains(line))
            return page;
    }
    return -1;
}

// A page's footer, its last line: the project's name on the left, if any, and the page on
// the right.
bool isFooter(const QString& line, const QString& projectName, int page, int pageCount)
{
    const QString number = QStringLiteral("Page %1 of %2").arg(page).arg(pageCount);
    if (projectName.isEmpty())
        return line == number;
    return QRegularExpression(
        QStringLiteral("^%1 {2,}%2$").arg(QRegularExpression::escape(projectName), number))
        .match(line)
        .hasMatch();
}

QString pdfInfo(const QString& pdf, const char* field)
{
    const QRegularExpression line(QStringLiteral("^%1: +(.*)$").arg(QLatin1String(field)),
        QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1);
}

// The sizes of the pictures in a PDF file, "1116x252", by pdfimages; their masks left out.
QStringList pdfPictures(const QString& pdf)
{
    QStringList pictures;
    for (const QString& line :
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n').mid(2)) {
        const QStringList fields = line.simplified().split(u' ');
        if (fields.size() > 4 && fields[2] == QLatin1String("image"))
            pictures << fields[3] + u'x' + fields[4];
    }
    return pictures;
}

// The logo is drawn at four times its 4185 x 945 twips: 279 x 63 pixels at 96 dpi.
const QString kLogoPicture = QStringLiteral("1116x252");

QImage renderPage(const QString& pdf, int page)
{
    const QString png = pdf + QStringLiteral("-page");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
            QStringLiteral("40"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
            QString::number(page), QStringLiteral("-l"), QString::number(page), pdf, png});
    return QImage(png + QStringLiteral(".png"));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Files larger than `bytes` cannot be written until the scope ends: a full disk, as far
// as a writer can tell, which permission bits cannot fake for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        const rlimit limit {bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old {};
};

} // namespace

class SheetPrinterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportsPages_data();
    void exportsPages();
    void shortensALongProjectName();
    void printsTheSamePagesAsTheExport();
    void printsTheSelection();
    void printsTheLogo_data();
    void printsTheLogo();
    void printsBlackOnWhiteInADarkScheme();
    void failedExportKeepsTheOldFile_data();
    void failedExportKeepsTheOldFile();
    void exportsOpenDocumentText();

private:
    QString path(const QString& name) const { return m_work->filePath(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<QDir> m_work; // a folder of its own for each test
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

void SheetPrinterTest::init()
{
    static int count = 0;
    const QString name = QString::number(++count);
    QVERIFY(QDir(m_dir.path()).mkdir(name));
    m_work = std::make_unique<QDir>(m_dir.filePath(name));
}

void SheetPrinterTest::cleanup()
{
    testsupport::pinLocale();
}

void SheetPrinterTest::exportsPages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typedName"); // after the label
    QTest::addColumn<QString>("footerName");
    QTest::addColumn<QSizeF>("paper"); // in points

    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
    const QSizeF letter(612, 792); // 8.5 x 11 inches of 72 points
    const QSizeF a4(595.28, 841.89); // 210 x 297 mm, 72 / 25.4 points a millimetre
    QTest::newRow("Letter, a name typed") << us << "  Riverside Clinic, Phase 2 "
                                          << "Riverside Clinic, Phase 2" << letter;
    QTest::newRow("A4, a name typed") << germany << "\tDepot 7"
                                      << "Depot 7" << a4;
    QTest::newRow("Letter, only blanks typed") << us << "   \t "
                                               << "" << letter;
    // British measures count as imperial, but British paper is A4.
    QTest::newRow("A4 in Britain, nothing typed") << britain << ""
                                                  << "" << a4;
}

void SheetPrinterTest::exportsPages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typedName);
    QFETCH(QString, footerName);
    QFETCH(QSizeF, paper);
    const testsupport::LocaleScope scope(locale);

    TestSheet sheet(typedName);
    addReports(sheet);
    const QString html = sheet.document.toHtml();
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    QCOMPARE(exportPdf(sheet.document, pdf), std::nullopt);
    QCOMPARE(sheet.document.toHtml(), html); // printing changed nothing on the sheet

    QCOMPARE(pdfInfo(pdf, "Title"), QStringLiteral("Calculation Results Sheet"));
    const QRegularExpressionMatch size
        = QRegularExpression(QStringLiteral("^([0-9.]+) x ([0-9.]+) pts"))
              .match(pdfInfo(pdf, "Page size"));
    QVERIFY2(size.hasMatch(), qPrintable(pdfInfo(pdf, "Page size")));
    QVERIFY(qAbs(size.captured(1).toDouble() - paper.width()) < 0.5);
    QVERIFY(qAbs(size.captured(2).toDouble() - paper.height()) < 0.5);

    const QStringList pages = pdfPages(pdf);
    QCOMPARE(pdfInfo(pdf, "Pages"), QString::number(pages.size()));
    QVERIFY(pages.size() > 5);
    for (int page = 0; page < pages.size(); ++page) {
        const QStringList lines = nonBlankLines(pages[page]);
        QVERIFY2(!lines.isEmpty() && isFooter(lines.last(), footerName, page + 1, pages.size()),
            qPrintable(pages[page]));
    }

    for (int report = 1; report <= kReports; ++report) {
        const int start = pageOf(pages, TestSheet::headingOf(report));
        const int end = pageOf(pages, TestSheet::endOf(report));
        QVERIFY2(start >= 0 && end >= 0, qPrintable(TestSheet::headingOf(report)));
        if (report == kLongReport) {
            // It flows on from where the report before it ends.
            QCOMPARE(start, pageOf(pages, TestSheet::endOf(report - 1)));
            QVERIFY(end > start);
        } else {
            QVERIFY2(start == end,
                qPrintable(QStringLiteral("report %1 runs from page %2 to %3")
                               .arg(report)
                               .arg(start + 1)
                               .arg(end + 1)));
        }
    }
    // Report 2 would have begun on page 1 below report 1; it starts page 2 instead.
    QCOMPARE(pageOf(pages, TestSheet::endOf(1)), 0);
    QCOMPARE(pageOf(pages, TestSheet::headingOf(2)), 1);
    QCOMPARE(nonBlankLines(pages[1]).value(0), TestSheet::headingOf(2));
}

void SheetPrinterTest::shortensALongProjectName()
{
    const QString name = QStringLiteral("Riverside Regional Medical Center, East Wing Expansion, "
                                        "Phase 2: Emergency Department, Imaging and Central Plant");
    TestSheet sheet(name);
    sheet.addReport(1, 22);
    const QString pdf = path(QStringLiteral("long-name.pdf"));
    QCOMPARE(exportPdf(sheet.document, pdf), std::nullopt);
    const QStringList lines = nonBlankLines(pdfPages(pdf).value(0));
    QVERIFY(!lines.isEmpty());
    const QString footer = lines.last();
    // Cut short with an ellipsis before it reaches the page number.
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("^(.{20,})\u2026 {2,}Page 1 of 1$")).match(footer);
    QVERIFY2(match.hasMatch(), qPrintable(footer));
    QVERIFY(name.startsWith(match.captured(1)));
}

void SheetPrinterTest::printsTheSamePagesAsTheExport()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    addReports(sheet);
    const QString exported = path(QStringLiteral("exported.pdf"));
    QCOMPARE(exportPdf(sheet.document, exported), std::nullopt);

    // As the print dialog leaves the printer when the user prints to a file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(QStringLiteral("printed.pdf")));
    printer.setPageLayout(sheetPageLayout(QLocale()));
    QVERIFY(SheetPrinter(sheet.document).print(&printer));
    const QStringList printed = pdfPages(printer.outputFileName());
    QVERIFY(printed.size() > 5);
    QCOMPARE(printed, pdfPages(exported));
}

void SheetPrinterTest::printsTheSelection()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    addReports(sheet);
    // From the middle of report 2 to the end of report 5. On Letter the rest of report 2 (18
    // lines) and report 3 share page 1; report 4 would not fit below them.
    const QTextDocumentFragment selection
        = sheet.selection(TestSheet::lineOf(2, 5), TestSheet::endOf(5));
    const QString html = sheet.document.toHtml();
    const QString file = path(QStringLiteral("selection.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setPageLayout(sheetPageLayout(QLocale()));
        QVERIFY(SheetPrinter(sheet.document, selection).print(&pdf));
    }
    QCOMPARE(sheet.document.toHtml(), html);

    const QStringList pages = pdfPages(file);
    QCOMPARE(pages.size(), 2);
    const QString text = pages.join(u'\n');
    QVERIFY(!text.contains(QStringLiteral("Project Name:")));
    QVERIFY(!text.contains(TestSheet::lineOf(2, 4)));
    QVERIFY(!text.contains(TestSheet::headingOf(6)));
    QCOMPARE(nonBlankLines(pages[0]).value(0), TestSheet::lineOf(2, 5));
    QCOMPARE(pageOf(pages, TestSheet::endOf(3)), 0);
    QCOMPARE(pageOf(pages, TestSheet::headingOf(4)), 1);
    QCOMPARE(pageOf(pages, TestSheet::endOf(5)), 1);
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY(isFooter(nonBlankLines(pages[page]).last(), QStringLiteral("Riverside Clinic"),
            page + 1, pages.size()));
}

void SheetPrinterTest::printsTheLogo_data()
{
    QTest::addColumn<bool>("wholeSheet");
    QTest::newRow("the whole sheet") << true;
    QTest::newRow("a selection from the top") << false;
}

void SheetPrinterTest::printsTheLogo()
{
    QFETCH(bool, wholeSheet);
    TestSheet sheet;
    addReports(sheet);
    const QString file = path(QStringLiteral("logo.pdf"));
    {
        QPdfWriter pdf(file);
        pdf.setPageLayout(sheetPageLayout(QLocale()));
        const QTextDocumentFragment top
            = sheet.selection(QString(), QStringLiteral("Equipment No:"));
        QVERIFY(wholeSheet ? SheetPrinter(sheet.document).print(&pdf)
                           : SheetPrinter(sheet.document, top).print(&pdf));
    }
    QCOMPARE(pdfPictures(file), QStringList {kLogoPicture});
}

void SheetPrinterTest::printsBlackOnWhiteInADarkScheme()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    addReports(sheet);
    const QString light = path(QStringLiteral("light.pdf"));
    QCOMPARE(exportPdf(sheet.document, light), std::nullopt);

    const QPalette original = QGuiApplication::palette();
    QPalette dark(QColor(0xee, 0xee, 0xee), QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, Qt::black);
    QApplication::setPalette(dark);
    const QString inDark = path(QStringLiteral("dark.pdf"));
    const std::optional<QString> failure = exportPdf(sheet.document, inDark);
    QApplication::setPalette(original);
    QCOMPARE(failure, std::nullopt);

    // Page 2 holds only reports and the footer, which is black of its own. Above the footer,
    // the reports' text is black on white paper, as in the light scheme.
    const QImage page = renderPage(inDark, 2);
    QVERIFY(!page.isNull());
    QCOMPARE(page, renderPage(light, 2));
    const QRect body(0, 0, page.width(), page.height() * 4 / 5);
    int black = 0;
    int white = 0;
    for (int y = body.top(); y <= body.bottom(); ++y) {
        for (int x = body.left(); x <= body.right(); ++x) {
            const int grey = qGray(page.pixel(x, y));
            black += grey < 128;
            white += grey > 250;
        }
    }
    QVERIFY2(black > 1000, qPrintable(QString::number(black)));
    QVERIFY(white > body.width() * body.height() * 3 / 4);
}

void SheetPrinterTest::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("target"); // in the test's folder
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("reason"); // as the system words it
    // "folder" is a regular file; "sheet" an earlier export.
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
    TestSheet sheet;
    addReports(sheet);
    const QByteArray old = QByteArrayLiteral("the sheet as exported last week");
    QVERIFY(write(path(QStringLiteral("folder")), old));
    QVERIFY(write(path(QStringLiteral("sheet")), old));

    std::optional<QString> failure;
    {
        // More than the old file, less than any sheet's PDF or ODT with the logo in it.
        const FileSizeLimit limit(diskFull ? 4096 : RLIM_INFINITY);
        failure = pdf ? exportPdf(sheet.document, path(target))
                      : exportOdt(sheet.document, path(target));
    }
    QTEST(failure.value_or(QString()), "reason");
    QCOMPARE(contents(path(QStringLiteral("folder"))), old);
    QCOMPARE(contents(path(QStringLiteral("sheet"))), old);
    // Nothing half-written is left behind.
    QCOMPARE(m_work->entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
        QStringList({QStringLiteral("folder"), QStringLiteral("sheet")}));
}

void SheetPrinterTest::exportsOpenDocumentText()
{
    TestSheet sheet(QStringLiteral("Riverside Clinic"));
    addReports(sheet);
    const QString odt = path(QStringLiteral("sheet.odt"));
    QVERIFY(write(odt, "an earlier export"));
    const QString html = sheet.document.toHtml();
    QCOMPARE(exportOdt(sheet.document, odt), std::nullopt);
    QCOMPARE(sheet.document.toHtml(), html);

    // A zip whose first entry names the type, as OpenDocument requires, with the logo.
    const QString listing = run(QStringLiteral("unzip"), {QStringLiteral("-Z1"), odt});
    const QStringList entries = listing.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(entries.value(0), QStringLiteral("mimetype"));
    QCOMPARE(run(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("mimetype")}),
        QStringLiteral("application/vnd.oasis.opendocument.text"));
    QVERIFY2(entries.contains(QStringLiteral("content.xml")), qPrintable(listing));
    const QStringList pictures = entries.filter(QRegularExpression(QStringLiteral("^Pictures/.")));
    QCOMPARE(pictures.size(), 1);
    const QString manifest = run(QStringLiteral("unzip"),
        {QStringLiteral("-p"), odt, QStringLiteral("META-INF/manifest.xml")});
    QVERIFY2(manifest.contains(
                 QStringLiteral("manifest:media-type=\"image/png\" manifest:full-path=\"%1\"")
                     .arg(pictures[0])),
        qPrintable(manifest));

    const QString content
        = run(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
    // The logo as drawn on the sheet, 4185 x 945 twips: 209.25 x 47.25 points.
    QVERIFY2(content.contains(QStringLiteral("svg:width=\"209.25pt\" svg:height=\"47.25pt\"")),
        qPrintable(content.left(3000)));
    QVERIFY(content.contains(QStringLiteral("xlink:href=\"%1\"").arg(pictures[0])));
    for (int report = 1; report <= kReports; ++report) {
        QVERIFY(content.contains(TestSheet::headingOf(report)));
        QVERIFY(content.contains(TestSheet::endOf(report)));
    }
    // The heading bold at 12 points, the rule at 10, the reports regular at 12.
    const auto styleOf = [&content](const QString& text) {
        const QRegularExpression span(
            QStringLiteral("text:style-name=\"(c[0-9]+)\">(?:<text:s[^>]*/>|\\s)*%1").arg(text));
        const QString name = span.match(content).captured(1);
        return QRegularExpression(
            QStringLiteral("style:name=\"%1\"[^>]*>\\s*<style:text-properties ([^/]*)/>").arg(name))
            .match(content)
            .captured(1);
    };
    const QString heading = styleOf(QStringLiteral("Calculation Results and Record Sheet"));
    QVERIFY2(heading.contains(QStringLiteral("fo:font-weight=\"bold\"")), qPrintable(heading));
    QVERIFY(heading.contains(QStringLiteral("fo:font-size=\"12pt\"")));
    QVERIFY(styleOf(QStringLiteral("_____")).contains(QStringLiteral("fo:font-size=\"10pt\"")));
    const QString report = styleOf(TestSheet::headingOf(1));
    QVERIFY2(report.contains(QStringLiteral("fo:font-size=\"12pt\"")), qPrintable(report));
    QVERIFY(!report.contains(QStringLiteral("font-weight")));
}

TAVILON_WIDGET_TEST_MAIN(SheetPrinterTest)
#include "sheet_printer_test.moc"
