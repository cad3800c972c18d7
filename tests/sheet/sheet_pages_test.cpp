#include "lined_pages.h"
#include "sheet/sheet_pages.h"
#include "test_main.h"

#include <cmath>

// Pages of 100 units hold ten lines of 10. A sheet is written as the template's line count,
// then each report's: "3|10+2" is a template of three lines and one report of ten lines
// (its heading among them) followed by two blank ones. Every paragraph is one line.
namespace {

std::vector<LinedParagraph> sheetOf(const QString& layout)
{
    std::vector<LinedParagraph> paragraphs;
    const QStringList parts = layout.split(u'|');
    for (int part = 0; part < parts.size(); ++part) {
        const QStringList counts = parts[part].split(u'+');
        const int lines = counts.value(0).toInt();
        const int blanks = counts.value(1).toInt();
        for (int i = 0; i < lines + blanks; ++i)
            paragraphs.push_back({{10}, part > 0 && i == 0, i >= lines});
    }
    return paragraphs;
}

constexpr double kPageHeight = 100;

} // namespace

class SheetPagesTest : public QObject
{
    Q_OBJECT
private slots:
    void reportsKeepTogether_data();
    void reportsKeepTogether();
    void noEmptyPageBeforeAReportThatStartsOne();
};

void SheetPagesTest::reportsKeepTogether_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QList<int>>("pageBreaks"); // before these paragraphs
    QTest::addColumn<QList<int>>("startPages"); // where each report then starts

    // The template's 3 lines leave 7 on page 0; a report of 10 fills page 1 exactly.
    QTest::newRow("a report exactly filling a page") << "3|10" << QList<int> {3} << QList<int> {1};
    // Lines 50 to 100: the last line ends on the page's end, still page 0.
    QTest::newRow("a report exactly filling the rest of the page")
        << "5|5" << QList<int> {} << QList<int> {0};
    // 110 high fits on no page, so it flows on from where it begins.
    QTest::newRow("a report a line too long for a page")
        << "3|11" << QList<int> {} << QList<int> {0};
    // The long report runs from 30 to 280; the next, 280 to 320, moves to page 3.
    QTest::newRow("a report longer than a page, then a short one")
        << "3|25|4" << QList<int> {28} << QList<int> {0, 3};
    // Text from 40 to 100; the two blank lines run onto page 1 and the next report follows.
    QTest::newRow("blank lines at a report's end run over")
        << "4|6+2|3" << QList<int> {} << QList<int> {0, 1};
    // 0-60 stays; 60-120 moves to 100-160, which pushes the third from 160-220 to 200.
    QTest::newRow("each move judged after the one before")
        << "0|6|6|6" << QList<int> {6, 12} << QList<int> {0, 1, 2};
    QTest::newRow("a template longer than a page") << "14|5" << QList<int> {} << QList<int> {1};
}

void SheetPagesTest::reportsKeepTogether()
{
    QFETCH(QString, sheet);
    QFETCH(QList<int>, startPages);
    const std::vector<LinedParagraph> paragraphs = sheetOf(sheet);
    const LinedPages pages = keepTogetherOnLines(paragraphs, kPageHeight);

    QList<int> pageBreaks;
    for (const std::size_t index : pages.pageBreaks)
        pageBreaks.append(static_cast<int>(index));
    QTEST(pageBreaks, "pageBreaks");

    QList<int> reportPages;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (paragraphs[i].startsReport)
            reportPages.append(static_cast<int>(std::floor(pages.placed[i].top / kPageHeight)));
    }
    QCOMPARE(reportPages, startPages);
}

void SheetPagesTest::noEmptyPageBeforeAReportThatStartsOne()
{
    // A layout that sets a report lower than one column would (Qt's margins at a page's
    // top can): it begins page 1 and still runs over, so a break would only leave page 1
    // empty. Pages of no height plan nothing.
    const std::vector<SheetParagraph> paragraphs {
        {false, false, {0, 90}}, {true, false, {90, 120}}, {false, false, {120, 180}}};
    const std::vector<ParagraphExtent> placed {{0, 90}, {100, 150}, {150, 210}};
    for (const double pageHeight : {kPageHeight, 0.0, -100.0, std::nan("")}) {
        const auto pageBreaks
            = KeepReportsTogether(paragraphs, placed, pageHeight, [&](std::size_t) {
                  QTest::qFail("laid out again", __FILE__, __LINE__);
                  return placed;
              });
        QVERIFY(pageBreaks.empty());
    }
}

TAVILON_ENGINE_TEST_MAIN(SheetPagesTest)
#include "sheet_pages_test.moc"
