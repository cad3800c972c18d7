// The Raceway Fill report and table texts, written out by hand from Chapter 9 Tables 1, 4,
// 5 and 8 (src/nec/data); each case says how its figures come about.

#include "nec/fill.h"
#include "raceway_fill/raceway_fill_text.h"
#include "test_main.h"

using nec::ConductorSize;
using nec::Insulation;
using nec::RacewayType;

Q_DECLARE_METATYPE(RacewayType)

namespace {

struct Conductors
{
    int count;
    ConductorSize size;
    Insulation insulation = Insulation::Thhn;
};

using Groups = QList<Conductors>;

nec::FillRequest request(const Groups& groups, RacewayType raceway, bool nipple)
{
    nec::FillRequest request;
    for (const Conductors& group : groups)
        request.Groups.push_back({group.count, group.size, group.insulation});
    request.Raceway = raceway;
    request.Nipple = nipple;
    return request;
}

// The lines of a report, joined with the line break every report uses.
QString lines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

const QString kHeading = QStringLiteral("Calculation Type: Raceway Fill (NEC 2023)");
const QString kStamp = QStringLiteral("12/9/2026 3:04:05 PM");
const QString kAreas = QStringLiteral("Areas of one conductor:");
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
    void tradeSizeTable_data();
    void tradeSizeTable();
};

void RacewayFillTextTest::report_data()
{
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<RacewayType>("raceway");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("report");

    // 10 × 0.0133 = 0.133 in²; 3/4 EMT allows 0.213 of 0.533: 25.0 %.
    QTest::newRow("ten 12 AWG THHN in EMT")
        << Groups {{10, ConductorSize::Awg12}} << RacewayType::Emt << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "10 × 12 AWG THHN/THWN-2 at 0.0133 in² = 0.1330 in²",
               "Total:  10 conductors, 0.1330 in²", "", kAreas, kThhnArea, "", "Raceway:  EMT",
               kOverTwo, "", "Smallest trade size:  3/4 EMT",
               "Fill:  25.0 %  (0.1330 in² of 0.533 in², 0.213 in² allowed)"});
    // 3 × 0.7073 + 0.109 (Table 8, 1/0 stranded) = 2.2309 in²; PVC 40 2-1/2 allows 1.878,
    // 3 allows 2.907 of 7.268: 30.7 %.
    QTest::newRow("500 kcmil and a bare 1/0 in PVC Schedule 40")
        << Groups {{3, ConductorSize::Kcmil500}, {1, ConductorSize::Awg1_0, Insulation::Bare}}
        << RacewayType::PvcSchedule40 << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "3 × 500 kcmil THHN/THWN-2 at 0.7073 in² = 2.1219 in²",
               "1 × 1/0 AWG Bare at 0.1090 in² = 0.1090 in²", "Total:  4 conductors, 2.2309 in²",
               "", kAreas, kThhnArea, "Bare:  Chapter 9 Table 8, stranded", "",
               "Raceway:  PVC Schedule 40", kOverTwo, "", "Smallest trade size:  3 PVC Schedule 40",
               "Fill:  30.7 %  (2.2309 in² of 7.268 in², 2.907 in² allowed)"});
    // 3 × 0.0366 (8 AWG THHN) + 3 × 0.0437 (8 AWG THW) + 0.0211 (10 AWG THHN) = 0.262 in²:
    // 3/4 EMT allows 0.213, 1 EMT 0.346 of 0.864: 30.3 %. Each insulation's rows once.
    QTest::newRow("two insulations in three groups")
        << Groups {{3, ConductorSize::Awg8}, {3, ConductorSize::Awg8, Insulation::Thw},
               {1, ConductorSize::Awg10}}
        << RacewayType::Emt << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "3 × 8 AWG THHN/THWN-2 at 0.0366 in² = 0.1098 in²",
               "3 × 8 AWG THW at 0.0437 in² = 0.1311 in²",
               "1 × 10 AWG THHN/THWN-2 at 0.0211 in² = 0.0211 in²",
               "Total:  7 conductors, 0.2620 in²", "", kAreas, kThhnArea,
               "THW:  Chapter 9 Table 5, TW, THW, THHW, THW-2", "", "Raceway:  EMT", kOverTwo, "",
               "Smallest trade size:  1 EMT",
               "Fill:  30.3 %  (0.2620 in² of 0.864 in², 0.346 in² allowed)"});
    // One conductor may fill 53 %: 0.1855 (1/0 THHN) above 1/2 EMT's 0.161, within 3/4's
    // 0.283 of 0.533: 34.8 %.
    QTest::newRow("one conductor")
        << Groups {{1, ConductorSize::Awg1_0}} << RacewayType::Emt << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "1 × 1/0 AWG THHN/THWN-2 at 0.1855 in² = 0.1855 in²",
               "Total:  1 conductor, 0.1855 in²", "", kAreas, kThhnArea, "", "Raceway:  EMT",
               "Fill allowed:  53 %  (Chapter 9 Table 1, one conductor)", "",
               "Smallest trade size:  3/4 EMT",
               "Fill:  34.8 %  (0.1855 in² of 0.533 in², 0.283 in² allowed)"});
    // A nipple is filled to 60 %: 0.133 in 1/2 EMT's 0.182 of 0.304: 43.8 %.
    QTest::newRow("nipple")
        << Groups {{10, ConductorSize::Awg12}} << RacewayType::Emt << true << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "10 × 12 AWG THHN/THWN-2 at 0.0133 in² = 0.1330 in²",
               "Total:  10 conductors, 0.1330 in²", "", kAreas, kThhnArea, "",
               "Raceway:  EMT, nipple, 24 in or less",
               "Fill allowed:  60 %  (Chapter 9 Table 1 and Note 4, nipple, 24 in or less)", "",
               "Smallest trade size:  1/2 EMT",
               "Fill:  43.8 %  (0.1330 in² of 0.304 in², 0.182 in² allowed)"});
    // 3 × 0.8676 = 2.6028 in² is above PVC 80 3's 2.577, but 2.577 / 0.8676 = 2.97 rounds
    // up to 3 by Note 7; 2.6028 / 6.442 = 40.4 %.
    QTest::newRow("fits by Note 7")
        << Groups {{3, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule80 << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "3 × 600 kcmil THHN/THWN-2 at 0.8676 in² = 2.6028 in²",
               "Total:  3 conductors, 2.6028 in²", "", kAreas, kThhnArea, "",
               "Raceway:  PVC Schedule 80", kOverTwo, "", "Smallest trade size:  3 PVC Schedule 80",
               "Fill:  40.4 %  (2.6028 in² of 6.442 in², 2.577 in² allowed)",
               "Fits by Chapter 9 Note 7: the trade size holds 3 of these conductors."});
    // 14 × 0.8676 = 12.1464 in² above PVC 40 6's 11.427, which holds 13 by Note 7.
    QTest::newRow("none holds them")
        << Groups {{14, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule40 << false << false
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "14 × 600 kcmil THHN/THWN-2 at 0.8676 in² = 12.1464 in²",
               "Total:  14 conductors, 12.1464 in²", "", kAreas, kThhnArea, "",
               "Raceway:  PVC Schedule 40", kOverTwo, "",
               "No trade size of PVC Schedule 40 holds these conductors."});
    // 1,000 × 0.0097 = 9.7 in²; RMC 5 allows 8.085 (833 by Note 7), 6 allows 11.663 of
    // 29.158: 33.3 %.
    QTest::newRow("German separators")
        << Groups {{1000, ConductorSize::Awg14}} << RacewayType::Rmc << false << true
        << lines({kHeading, "", kStamp, "", "",
               "Conductors:", "1.000 × 14 AWG THHN/THWN-2 at 0,0097 in² = 9,7000 in²",
               "Total:  1.000 conductors, 9,7000 in²", "", kAreas, kThhnArea, "", "Raceway:  RMC",
               kOverTwo, "", "Smallest trade size:  6 RMC",
               "Fill:  33,3 %  (9,7000 in² of 29,158 in², 11,663 in² allowed)"});
}

void RacewayFillTextTest::report()
{
    QFETCH(Groups, groups);
    QFETCH(RacewayType, raceway);
    QFETCH(bool, nipple);
    QFETCH(bool, german);
    QFETCH(QString, report);

    const nec::FillRequest fill = request(groups, raceway, nipple);
    const std::optional<nec::FillResult> result = nec::ComputeFill(fill);
    QVERIFY(result);
    const numtext::Separators separators
        = german ? numtext::Separators {",", "."} : numtext::Separators {};
    QCOMPARE(QString::fromStdString(
                 BuildRacewayFillReport(fill, *result, kStamp.toStdString(), separators)),
        report);
}

void RacewayFillTextTest::tradeSizeTable_data()
{
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<RacewayType>("raceway");
    QTest::addColumn<QString>("tradeSize");
    QTest::addColumn<QStringList>("row");

    // 2.6028 in² against PVC 80 2-1/2: 4.119 in² whole, 1.647 in² allowed, 63.2 %; it holds
    // one by Note 7 (1.647 / 0.8676 = 1.90 rounds to 2, and two need 1.7352, above 31 %'s
    // 1.277).
    QTest::newRow("three 600 kcmil, 2-1/2 PVC 80")
        << Groups {{3, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule80 << "2-1/2"
        << QStringList {"2-1/2", "4.119 in²", "1.647 in²", "63.2 %", "does not fit"};
    QTest::newRow("three 600 kcmil, 3 PVC 80")
        << Groups {{3, ConductorSize::Kcmil600}} << RacewayType::PvcSchedule80 << "3"
        << QStringList {"3", "6.442 in²", "2.577 in²", "40.4 %", "fits by Note 7"};
    // A 14 AWG beside them takes Note 7 away: 2.6125 in² above 2.577.
    QTest::newRow("with a 14 AWG, 3 PVC 80")
        << Groups {{3, ConductorSize::Kcmil600}, {1, ConductorSize::Awg14}}
        << RacewayType::PvcSchedule80 << "3"
        << QStringList {"3", "6.442 in²", "2.577 in²", "40.6 %", "does not fit"};
    // Two 6 AWG THHN (2 × 0.0507 = 0.1014 in²) at 31 %: FMC 3/8 allows 0.036 of 0.116,
    // 87.4 %.
    QTest::newRow("two conductors, 3/8 FMC")
        << Groups {{2, ConductorSize::Awg6}} << RacewayType::Fmc << "3/8"
        << QStringList {"3/8", "0.116 in²", "0.036 in²", "87.4 %", "does not fit"};
}

void RacewayFillTextTest::tradeSizeTable()
{
    QFETCH(Groups, groups);
    QFETCH(RacewayType, raceway);
    QFETCH(QString, tradeSize);
    QFETCH(QStringList, row);

    const std::optional<nec::FillResult> result = nec::ComputeFill(request(groups, raceway, false));
    QVERIFY(result);
    const std::vector<TradeSizeTexts> table = TradeSizeTable(*result);
    QCOMPARE(table.size(), nec::RacewayRows(raceway).size());
    for (const TradeSizeTexts& texts : table) {
        if (QString::fromStdString(texts.TradeSize) != tradeSize)
            continue;
        QCOMPARE(
            (QStringList {QString::fromStdString(texts.TradeSize),
                QString::fromStdString(texts.TotalArea), QString::fromStdString(texts.AllowedArea),
                QString::fromStdString(texts.PercentFill), QString::fromStdString(texts.Fits)}),
            row);
        return;
    }
    QFAIL("no row for the trade size");
}

TAVILON_ENGINE_TEST_MAIN(RacewayFillTextTest)
#include "raceway_fill_text_test.moc"
