// Raceway fill worked by hand from Chapter 9 Tables 1, 4, 5 and 8; each row says how.

#include "nec/fill.h"
#include "nec/fill_inputs.h"
#include "test_main.h"

using nec::ConductorSize;
using nec::FillLimit;
using nec::Insulation;
using nec::RacewayType;

Q_DECLARE_METATYPE(ConductorSize)
Q_DECLARE_METATYPE(Insulation)
Q_DECLARE_METATYPE(RacewayType)
Q_DECLARE_METATYPE(FillLimit)

namespace {

Insulation insulationNamed(const QString& name)
{
    for (Insulation insulation : nec::kAllInsulations) {
        if (QString::fromUtf8(nec::InsulationName(insulation).data()) == name)
            return insulation;
    }
    qFatal("no insulation %s", qPrintable(name));
}

// Groups written "count|size|insulation", as the window's rows hold them.
std::vector<nec::FillGroupTexts> groupTexts(const QStringList& groups)
{
    std::vector<nec::FillGroupTexts> texts;
    for (const QString& group : groups) {
        const QStringList cells = group.split('|');
        texts.push_back(
            {cells[0].toStdString(), cells[1].toStdString(), insulationNamed(cells[2])});
    }
    return texts;
}

nec::FillRequest request(const QStringList& groups, RacewayType raceway, bool nipple)
{
    nec::FillRequest request;
    request.Raceway = raceway;
    request.Nipple = nipple;
    for (const nec::FillGroupTexts& group : groupTexts(groups)) {
        request.Groups.push_back({std::stoi(group.Count),
            nec::FindSize(group.Size).value_or(ConductorSize::Awg18), group.Insulation});
    }
    return request;
}

const nec::RacewayRow& tradeSize(RacewayType type, const QString& name)
{
    for (const nec::RacewayRow& row : nec::RacewayRows(type)) {
        if (QString::fromStdString(row.TradeSize) == name)
            return row;
    }
    qFatal("no trade size %s", qPrintable(name));
}

} // namespace

class FillTest : public QObject
{
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void everyTradeSizeIsListed();
    void unlistedSizeGivesNoResult();
    void howManyFit_data();
    void howManyFit();
    void readsGroups_data();
    void readsGroups();
    void marksRows_data();
    void marksRows();
    void readsNoMoreThanTwentyRows();
};

void FillTest::fill_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<RacewayType>("raceway");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("totalArea"); // ten-thousandths of a square inch
    QTest::addColumn<FillLimit>("limit");
    QTest::addColumn<QString>("answer"); // empty when nothing fits
    QTest::addColumn<double>("percentFill"); // of the answer, one decimal

    // 1 × 0.1855 (Table 5, 1/0 THHN) at 53 %: 1/2 EMT 0.161 no, 3/4 EMT 0.283 yes;
    // 0.1855 / 0.533 = 34.8 %.
    QTest::newRow("one conductor, 53 %")
        << QStringList {"1|1/0 AWG|THHN/THWN-2"} << RacewayType::Emt << false << 1 << 1855
        << FillLimit::OneConductor << "3/4" << 34.8;
    // 2 × 0.0507 = 0.1014 at 31 %: 1/2 EMT 0.094 no, 3/4 EMT 0.165 yes; 0.1014 / 0.533.
    QTest::newRow("two conductors, 31 %")
        << QStringList {"2|6 AWG|THHN/THWN-2"} << RacewayType::Emt << false << 2 << 1014
        << FillLimit::TwoConductors << "3/4" << 19.0;
    // 10 × 0.0133 = 0.133 at 40 %: 1/2 EMT 0.122 no, and by Note 7 it holds 9 (0.122 /
    // 0.0133 = 9.17), not 10; 3/4 EMT 0.213 yes; 0.133 / 0.533 = 25.0 %.
    QTest::newRow("ten 12 AWG THHN in EMT")
        << QStringList {"10|12 AWG|THHN/THWN-2"} << RacewayType::Emt << false << 10 << 1330
        << FillLimit::OverTwo << "3/4" << 25.0;
    // The same in a nipple at 60 %: 1/2 EMT 0.182 holds 0.133; 0.133 / 0.304 = 43.8 %.
    QTest::newRow("nipple, 60 %") << QStringList {"10|12 AWG|THHN/THWN-2"} << RacewayType::Emt
                                  << true << 10 << 1330 << FillLimit::Nipple << "1/2" << 43.8;
    // One conductor in a nipple is still 60 %: 1 × 0.1855 in 1/2 EMT's 0.182 no, 3/4 yes.
    QTest::newRow("nipple, one conductor")
        << QStringList {"1|1/0 AWG|THHN/THWN-2"} << RacewayType::Emt << true << 1 << 1855
        << FillLimit::Nipple << "3/4" << 34.8;
    // 3 × 0.0366 (THHN) + 3 × 0.0437 (THW) + 1 × 0.0243 (XHHW) = 0.2652 at 40 %:
    // 3/4 EMT 0.213 no, 1 EMT 0.346 yes; 0.2652 / 0.864 = 30.7 %.
    QTest::newRow("mixed insulations")
        << QStringList {"3|8 AWG|THHN/THWN-2", "3|8 AWG|THW", "1|10 AWG|XHHW-2"} << RacewayType::Emt
        << false << 7 << 2652 << FillLimit::OverTwo << "1" << 30.7;
    // 3 × 0.7073 (500 kcmil THHN) + 1 × 0.109 (1/0 bare, Table 8 stranded) = 2.2309 at
    // 40 %: PVC Schedule 40 2-1/2 1.878 no, 3 2.907 yes; 2.2309 / 7.268 = 30.7 %.
    QTest::newRow("three 500 kcmil and a bare 1/0 in PVC 40")
        << QStringList {"3|500 kcmil|THHN/THWN-2", "1|1/0 AWG|Bare"} << RacewayType::PvcSchedule40
        << false << 4 << 22309 << FillLimit::OverTwo << "3" << 30.7;
    // Bare conductors alone: 3 × 0.017 (8 AWG stranded) = 0.051: 1/2 EMT 0.122; 16.8 %.
    QTest::newRow("bare conductors") << QStringList {"3|8 AWG|Bare"} << RacewayType::Emt << false
                                     << 3 << 510 << FillLimit::OverTwo << "1/2" << 16.8;
    // 12 × 0.8676 = 10.4112: PVC 40 5 7.904 no (holds 9 by Note 7), 6 11.427 yes;
    // 10.4112 / 28.567 = 36.4 %.
    QTest::newRow("needs the largest trade size")
        << QStringList {"12|600 kcmil|THHN/THWN-2"} << RacewayType::PvcSchedule40 << false << 12
        << 104112 << FillLimit::OverTwo << "6" << 36.4;
    // 14 × 0.8676 = 12.1464 above 11.427, and 6 holds 13 by Note 7 (13.17).
    QTest::newRow("fits none") << QStringList {"14|600 kcmil|THHN/THWN-2"}
                               << RacewayType::PvcSchedule40 << false << 14 << 121464
                               << FillLimit::OverTwo << "" << 0.0;
    // 3 × 0.8676 = 2.6028 above 3 PVC 80's 2.577, but 2.577 / 0.8676 = 2.97 rounds up to 3
    // by Note 7; 2-1/2 holds 1 (1.898 rounds up to 2, and two need 31 %: 1.7352 > 1.277).
    // 2.6028 / 6.442 = 40.4 %.
    QTest::newRow("Note 7 lets three 600 kcmil in")
        << QStringList {"3|600 kcmil|THHN/THWN-2"} << RacewayType::PvcSchedule80 << false << 3
        << 26028 << FillLimit::OverTwo << "3" << 40.4;
    // Two groups of one kind are one kind: the same as above.
    QTest::newRow("one kind in two groups")
        << QStringList {"2|600 kcmil|THHN/THWN-2", "1|600 kcmil|THHN/THWN-2"}
        << RacewayType::PvcSchedule80 << false << 3 << 26028 << FillLimit::OverTwo << "3" << 40.4;
    // Note 7 is for one kind only: with a 14 AWG beside them, 2.6028 + 0.0097 = 2.6125
    // needs 3-1/2 (3.475).
    QTest::newRow("no Note 7 for mixed sizes")
        << QStringList {"3|600 kcmil|THHN/THWN-2", "1|14 AWG|THHN/THWN-2"}
        << RacewayType::PvcSchedule80 << false << 4 << 26125 << FillLimit::OverTwo << "3-1/2"
        << 30.1;
    // Groups of no conductors count for nothing.
    QTest::newRow("empty groups ignored")
        << QStringList {"0|1000 kcmil|THHN/THWN-2", "1|1/0 AWG|THHN/THWN-2"} << RacewayType::Emt
        << false << 1 << 1855 << FillLimit::OneConductor << "3/4" << 34.8;
}

void FillTest::fill()
{
    QFETCH(QStringList, groups);
    QFETCH(RacewayType, raceway);
    QFETCH(bool, nipple);
    QFETCH(int, count);
    QFETCH(int, totalArea);
    QFETCH(FillLimit, limit);
    QFETCH(QString, answer);
    QFETCH(double, percentFill);

    const std::optional<nec::FillResult> result
        = nec::ComputeFill(request(groups, raceway, nipple));
    QVERIFY(result);
    QCOMPARE(result->TotalCount, count);
    QCOMPARE(result->TotalArea.TenThousandths, totalArea);
    QCOMPARE(result->Limit, limit);
    QCOMPARE(result->AllowedPercent, nec::FillPercent(limit));
    const nec::TradeSizeFill* fit = result->smallestFit();
    QCOMPARE(fit ? QString::fromStdString(fit->Row->TradeSize) : QString(), answer);
    if (fit)
        QCOMPARE(std::round(fit->PercentFill * 10) / 10, percentFill);
    // Every trade size below the answer does not fit; the answer and all above it do.
    bool reached = false;
    for (const nec::TradeSizeFill& size : result->TradeSizes) {
        reached = reached || &size == fit;
        QCOMPARE(size.Fits, reached);
    }
}

void FillTest::everyTradeSizeIsListed()
{
    // 10 × 12 AWG THHN in EMT: every trade size with its figures.
    const std::optional<nec::FillResult> result
        = nec::ComputeFill(request({"10|12 AWG|THHN/THWN-2"}, RacewayType::Emt, false));
    QVERIFY(result);
    QCOMPARE(result->TradeSizes.size(), nec::RacewayRows(RacewayType::Emt).size());
    const nec::TradeSizeFill& half = result->TradeSizes[0];
    QCOMPARE(half.Allowed.TenThousandths, 1220);
    QVERIFY(!half.WithinAllowed);
    QCOMPARE(half.HowManyFit.value_or(-1), 9);
    QCOMPARE(std::round(half.PercentFill * 100) / 100, 43.75); // 0.133 / 0.304
    const nec::TradeSizeFill& four = result->TradeSizes.back();
    QCOMPARE(QString::fromStdString(four.Row->TradeSize), "4");
    QVERIFY(four.Fits);
}

void FillTest::unlistedSizeGivesNoResult()
{
    QVERIFY(!nec::ComputeFill(request({"1|1250 kcmil|THHN/THWN-2"}, RacewayType::Emt, false)));
}

void FillTest::howManyFit_data()
{
    QTest::addColumn<ConductorSize>("size");
    QTest::addColumn<Insulation>("insulation");
    QTest::addColumn<RacewayType>("raceway");
    QTest::addColumn<QString>("tradeSize");
    QTest::addColumn<bool>("nipple");
    QTest::addColumn<int>("count"); // -1: the size is not listed

    // 0.122 / 0.0133 = 9.17: down to 9.
    QTest::newRow("12 AWG THHN, 1/2 EMT")
        << ConductorSize::Awg12 << Insulation::Thhn << RacewayType::Emt << "1/2" << false << 9;
    // 0.122 / 0.0211 = 5.78: a fraction below 0.8 goes down.
    QTest::newRow("10 AWG THHN, 1/2 EMT, 5.78")
        << ConductorSize::Awg10 << Insulation::Thhn << RacewayType::Emt << "1/2" << false << 5;
    // 1.342 / 0.4596 = 2.92: up to 3.
    QTest::newRow("250 kcmil RHW-2, 2 EMT, 2.92 up")
        << ConductorSize::Kcmil250 << Insulation::Rhw2 << RacewayType::Emt << "2" << false << 3;
    // 2.577 / 0.8676 = 2.97: up to 3 (three 600 kcmil THWN in 3 PVC 80).
    QTest::newRow("600 kcmil THHN, 3 PVC 80, 2.97 up")
        << ConductorSize::Kcmil600 << Insulation::Thhn << RacewayType::PvcSchedule80 << "3" << false
        << 3;
    // 0.213 / 0.0824 = 2.59 gives 2 or less: two fit 31 % (0.1648 <= 0.165).
    QTest::newRow("4 AWG THHN, 3/4 EMT, two at 31 %")
        << ConductorSize::Awg4 << Insulation::Thhn << RacewayType::Emt << "3/4" << false << 2;
    // 0.346 / 0.1855 = 1.87 rounds to 2, but two need 0.371 > 0.268 at 31 %; one fits 53 %.
    QTest::newRow("1/0 THHN, 1 EMT, one at 53 %")
        << ConductorSize::Awg1_0 << Insulation::Thhn << RacewayType::Emt << "1" << false << 1;
    // 1.3478 is above even 53 % of 1/2 EMT (0.161).
    QTest::newRow("1000 kcmil THHN, 1/2 EMT, none")
        << ConductorSize::Kcmil1000 << Insulation::Thhn << RacewayType::Emt << "1/2" << false << 0;
    // Nipple: 0.182 / 0.0133 = 13.68: 13.
    QTest::newRow("nipple, 12 AWG THHN, 1/2 EMT")
        << ConductorSize::Awg12 << Insulation::Thhn << RacewayType::Emt << "1/2" << true << 13;
    // Nipple: 2.013 / 0.5242 = 3.84: up to 4.
    QTest::newRow("nipple, 350 kcmil THHN, 2 EMT, 3.84 up")
        << ConductorSize::Kcmil350 << Insulation::Thhn << RacewayType::Emt << "2" << true << 4;
    // Nipple: 0.320 / 0.1855 = 1.73: 1, the 60 % rule for any count.
    QTest::newRow("nipple, 1/0 THHN, 3/4 EMT")
        << ConductorSize::Awg1_0 << Insulation::Thhn << RacewayType::Emt << "3/4" << true << 1;
    // Bare: 0.122 / 0.017 = 7.18.
    QTest::newRow("bare 8 AWG, 1/2 EMT")
        << ConductorSize::Awg8 << Insulation::Bare << RacewayType::Emt << "1/2" << false << 7;
    QTest::newRow("THHN 1250 kcmil, not listed")
        << ConductorSize::Kcmil1250 << Insulation::Thhn << RacewayType::Emt << "4" << false << -1;
}

void FillTest::howManyFit()
{
    QFETCH(ConductorSize, size);
    QFETCH(Insulation, insulation);
    QFETCH(RacewayType, raceway);
    QFETCH(QString, tradeSize);
    QFETCH(bool, nipple);
    QFETCH(int, count);
    QCOMPARE(
        nec::HowManyFit(size, insulation, ::tradeSize(raceway, tradeSize), nipple).value_or(-1),
        count);
}

void FillTest::readsGroups_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("read"); // the groups read, "count size insulation; ..."

    QTest::newRow("three groups") << QStringList {"3|500 kcmil|THHN/THWN-2", "1|1/0 AWG|Bare",
        "2|12 AWG|TW"} << false << "3 500 kcmil THHN/THWN-2; 1 1/0 AWG Bare; 2 12 AWG TW";
    QTest::newRow("empty and 0 left out, whatever their size") << QStringList {
        "|1250 kcmil|THHN/THWN-2", "0|2000 kcmil|THHN/THWN-2", " |x|TW",
        "4|10 AWG|XHHW-2"} << false << "4 10 AWG XHHW-2";
    QTest::newRow("whole numbers in other forms")
        << QStringList {"1,000|14 AWG|THW", "2.0|12 AWG|THW", " 3 |10 AWG|THW", "1e1|8 AWG|THW"}
        << false << "1000 14 AWG THW; 2 12 AWG THW; 3 10 AWG THW; 10 8 AWG THW";
    QTest::newRow("German separators") << QStringList {"1.000|14 AWG|THW", "2,0|12 AWG|THW"} << true
                                       << "1000 14 AWG THW; 2 12 AWG THW";
    QTest::newRow("no group has conductors")
        << QStringList {"|12 AWG|TW", "0|12 AWG|TW"} << false << "";
}

void FillTest::readsGroups()
{
    QFETCH(QStringList, groups);
    QFETCH(bool, german);
    QFETCH(QString, read);
    nec::FillTexts texts;
    texts.Groups = groupTexts(groups);
    texts.Raceway = RacewayType::Rmc;
    texts.Nipple = true;
    const nec::FillReading reading = nec::ReadFillInputs(
        texts, german ? numtext::Separators {",", "."} : numtext::Separators {});
    QVERIFY(reading.Problems.empty());
    QCOMPARE(reading.Request.has_value(), !read.isEmpty());
    if (!reading.Request)
        return;
    QStringList described;
    for (const nec::FillGroup& group : reading.Request->Groups) {
        described << QString::number(group.Count) + " "
                + QString::fromUtf8(nec::SizeName(group.Size).data()) + " "
                + QString::fromUtf8(nec::InsulationName(group.Insulation).data());
    }
    QCOMPARE(described.join("; "), read);
    QCOMPARE(reading.Request->Raceway, RacewayType::Rmc);
    QVERIFY(reading.Request->Nipple);
}

void FillTest::marksRows_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("countField"); // else the size
    QTest::addColumn<QString>("reason");

    const QString whole = "a whole number from 0 to 1,000";
    QTest::newRow("fraction") << QStringList {"3|12 AWG|TW", "2.5|12 AWG|TW"} << 1 << true << whole;
    QTest::newRow("negative") << QStringList {"-1|12 AWG|TW"} << 0 << true << whole;
    QTest::newRow("above 1,000") << QStringList {"1001|12 AWG|TW"} << 0 << true << whole;
    QTest::newRow("not a number") << QStringList {"|12 AWG|TW", "", "three|12 AWG|TW"} << 2 << true
                                  << whole;
    QTest::newRow("grouped wrongly") << QStringList {"1,00|12 AWG|TW"} << 0 << true << whole;
    QTest::newRow("THHN has no 1250 kcmil") << QStringList {"3|1250 kcmil|THHN/THWN-2"} << 0
                                            << false << "1250 kcmil is not listed for THHN/THWN-2";
    QTest::newRow("size not as the tables name it")
        << QStringList {"3|12 awg|TW"} << 0 << false << "not a size of the tables";
}

void FillTest::marksRows()
{
    QFETCH(QStringList, groups);
    QFETCH(int, row);
    QFETCH(bool, countField);
    QFETCH(QString, reason);
    nec::FillTexts texts;
    for (const QString& group : groups) {
        if (group.isEmpty())
            texts.Groups.emplace_back();
        else
            texts.Groups.push_back(groupTexts({group}).front());
    }
    const nec::FillReading reading = nec::ReadFillInputs(texts, {});
    QVERIFY(!reading.Request);
    QCOMPARE(int(reading.Problems.size()), 1);
    QCOMPARE(reading.Problems[0].Row, row);
    QCOMPARE(
        reading.Problems[0].Field, countField ? nec::FillRowField::Count : nec::FillRowField::Size);
    QCOMPARE(QString::fromStdString(reading.Problems[0].Reason), reason);
}

void FillTest::readsNoMoreThanTwentyRows()
{
    nec::FillTexts texts;
    texts.Groups.assign(21, {"1", "12 AWG", Insulation::Thhn});
    texts.Groups[20].Count = "wrong";
    const nec::FillReading reading = nec::ReadFillInputs(texts, {});
    QVERIFY(reading.Problems.empty());
    QVERIFY(reading.Request);
    QCOMPARE(int(reading.Request->Groups.size()), nec::kMostFillGroups);
}

TAVILON_ENGINE_TEST_MAIN(FillTest)
#include "fill_test.moc"
