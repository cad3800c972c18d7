// The Raceway Fill report and table texts, written out by hand from Chapter 9 Tables 1, 4,
// 5 and 8 (src/nec/data); each case says how its figures come about.

#include "nec/fill.h"
#include "raceway_fill/raceway_fill_text.h"
#include "test_main.h"

#include <QRegularExpression>

using nec::ConductorSize;
using nec::Insulation;
using nec::RacewayType;

Q_DECLARE_METATYPE(RacewayType)

namespace {

using Groups = std::vector<nec::FillGroup>; // THHN/THWN-2 unless given

const QString kStamp = QStringLiteral("12/9/2026 3:04:05 PM");
const QString kThhnArea = QStringLiteral("THHN/THWN-2:  Chapter 9 Table 5, THHN, THWN, THWN-2");
const QString kOverTwo = QStringLiteral("Fill allowed:  40 %  (Chapter 9 Table 1, over two "
                                        "conductors)");

} // namespace

Q_DECLARE_METATYPE(Groups)

class RacewayFillTextTest : public QObject
{
    Q_OBJECT
private slots:
    void report_data();
    void report();
};

void RacewayFillTextTest::report_data()
{
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<RacewayType>("raceway");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("end"); // the report's last lines
    QTest::addColumn<QStringList>("tradeSize"); // a row of the window's table of trade sizes

    // 3 × 0.0366 (8 AWG THHN) + 3 × 0.0437 (8 AWG THW) + 0.109 (1/0 bare, Table 8,
    // stranded) = 0.3499 in²: 1 EMT allows 0.346, 1-1/4 EMT 0.598 of 1.496: 23.4 %. Each
    // insulation's source once.
    QTest::newRow("three insulations")
        << Groups {{3, ConductorSize::Awg8}, {3, ConductorSize::Awg8, Insulation::Thw},
               {1, ConductorSize::Awg1_0, Insulation::Bare}}
        << RacewayType::Emt << false << false
        << QStringList {"Conductors:", "3 × 8 AWG THHN/THWN-2 at 0.0366 in² = 0.1098 in²",
               "3 × 8 AWG THW at 0.0437 in² = 0.1311 in²",
               "1 × 1/0 AWG Bare at 0.1090 in² = 0.1090 in²", "Total:  7 conductors, 0.3499 in²",
               "", "Areas of one conductor:", kThhnArea,
               "THW:  Chapter 9 Table 5, TW, THW, THHW, THW-2",
               "Bare:  Chapter 9 Table 8, stranded", "", "Raceway:  EMT", kOverTwo, "",
               "Smallest trade size:  1-1/4 EMT",
               "Fill:  23.4 %  (0.3499 in² of 1.496 in², 0.598 in² allowed)"}
        << QStringList {"1", "0.864 in²", "0.346 in²", "40.5 %", "does not fit"};
    // One conductor may fill 53 %: 0.1855 (1/0 THHN) above 1/2 EMT's 0.161, within 3/4's
    // 0.283 of 0.533: 34.8 %.
    QTest::newRow("one conductor")
        << Groups {{1, ConductorSize::Awg1_0}} << RacewayType::Emt << false << false
        << QStringList {"Fill allowed:  53 %  (Chapter 9 Table 1, one conductor)", "",
               "Smallest trade size:  3/4 EMT",
               "Fill:  34.8 %  (0.1855 in² of 0.533 in², 0.283 in² allowed)"}
        << QStringList {};
    // A nipple is filled to 60 %: 10 × 0.0133 = 0.133 in 1/2 EMT's 0.182 of 0.304: 43.8 %.
    QTest::newRow("nipple")
        << Groups {{10, ConductorSize::Awg12}} << RacewayType::Emt << true << false
        << QStringList {"Raceway:  EMT, nipple, 24 in or less",
               "Fill allowed:  60 %  (Chapter 9 Table 1 and Note 4, nipple, 24 in or less)", "",
               "Smallest trade size:  1/2 EMT",
               "Fill:  43.8 %  (0.1330 in² of 0.304 in², 0.182 in² allowed)"}
        << QStringList {};
    // 3 × 0.8676 = 2.6028 in² is above PVC 80 3's 2.577, but 2.577 / 0.8676 = 2.97 rounds
    // up to 3 by Note 7; 2.6028 / 6.442 = 40.4 %.
    QTest::newRow("fits by Note 7")
        << Groups {{3, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule80 << false << false
        << QStringList {"Smallest trade size:  3 PVC Schedule 80",
               "Fill:  40.4 %  (2.6028 in² of 6.442 in², 2.577 in² allowed)",
               "Fits by Chapter 9 Note 7: the trade size holds 3 of these conductors."}
        << QStringList {"3", "6.442 in²", "2.577 in²", "40.4 %", "fits by Note 7"};
    // 14 × 0.8676 = 12.1464 in² above PVC 40 6's 11.427, which holds 13 by Note 7.
    QTest::newRow("none holds them")
        << Groups {{14, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule40 << false << false
        << QStringList {"Raceway:  PVC Schedule 40", kOverTwo, "",
               "No trade size of PVC Schedule 40 holds these conductors."}
        << QStringList {};
    // 1,000 × 0.0097 = 9.7 in²; RMC 5 allows 8.085 (833 by Note 7), 6 allows 11.663 of
    // 29.158: 33.3 %.
    QTest::newRow("German separators")
        << Groups {{1000, ConductorSize::Awg14}} << RacewayType::Rmc << false << true
        << QStringList {"Conductors:", "1.000 × 14 AWG THHN/THWN-2 at 0,0097 in² = 9,7000 in²",
               "Total:  1.000 conductors, 9,7000 in²", "", "Areas of one conductor:", kThhnArea, "",
               "Raceway:  RMC", kOverTwo, "", "Smallest trade size:  6 RMC",
               "Fill:  33,3 %  (9,7000 in² of 29,158 in², 11,663 in² allowed)"}
        << QStringList {}; // the table's row as the window's test reads it
}

// The heading, the date alone, two blank lines, the conductors, ... to the answer at the
// end; lines break with CR LF only, and the report ends without one.
void RacewayFillTextTest::report()
{
    QFETCH(Groups, groups);
    QFETCH(RacewayType, raceway);
    QFETCH(bool, nipple);
    QFETCH(bool, german);
    QFETCH(QStringList, end);
    QFETCH(QStringList, tradeSize);

    const nec::FillRequest request {.Groups = groups, .Raceway = raceway, .Nipple = nipple};
    const std::optional<nec::FillResult> result = nec::ComputeFill(request);
    QVERIFY(result);
    const numtext::Separators separators
        = german ? numtext::Separators {",", "."} : numtext::Separators {};
    const QString report = QString::fromStdString(
        BuildRacewayFillReport(request, *result, kStamp.toStdString(), separators));
    QVERIFY(!report.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    QVERIFY2(report.startsWith(QStringLiteral("Calculation Type: Raceway Fill (NEC 2023)\r\n\r\n")
                 + kStamp + QStringLiteral("\r\n\r\n\r\nConductors:\r\n")),
        qPrintable(report));
    QVERIFY2(report.endsWith(QStringLiteral("\r\n") + end.join(QStringLiteral("\r\n"))),
        qPrintable(report));

    // Every trade size of the type, the smallest first, as the window's table shows them.
    const std::vector<TradeSizeTexts> table = TradeSizeTable(*result, separators);
    QCOMPARE(table.size(), nec::RacewayRows(raceway).size());
    QStringList row;
    for (const TradeSizeTexts& texts : table) {
        if (tradeSize.value(0) == QString::fromStdString(texts.TradeSize)) {
            for (const std::string* text : {&texts.TradeSize, &texts.TotalArea, &texts.AllowedArea,
                     &texts.PercentFill, &texts.Fits})
                row << QString::fromStdString(*text);
        }
    }
    QCOMPARE(row, tradeSize);
}

TAVILON_ENGINE_TEST_MAIN(RacewayFillTextTest)
#include "raceway_fill_text_test.moc"
