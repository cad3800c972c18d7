#include "conduit/conduit_fill.h"
#include "test_main.h"

#include <cmath>

using Groups = std::array<ConduitGroup, kConduitGroups>;

Q_DECLARE_METATYPE(Groups)

namespace {

ConduitGroup group(const char* size, InsulationType insulation, const char* count)
{
    return {size, insulation, count};
}

constexpr InsulationType THHN = InsulationType::THHN;
constexpr InsulationType THW = InsulationType::THW;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

class ConduitFillTest : public QObject
{
    Q_OBJECT
private slots:
    void areaTableRisesWithSize();
    void lookupMatchesListItemsExactly_data();
    void lookupMatchesListItemsExactly();
    void selectsFirstConduitLargeEnough_data();
    void selectsFirstConduitLargeEnough();
    void fill_data();
    void fill();
    void linesFollowEachGroupsOwnSize();
    void refusesCountsThatAreNoWholeNumberOfWires_data();
    void refusesCountsThatAreNoWholeNumberOfWires();
    void usesTheLocalesSeparators();
};

void ConduitFillTest::areaTableRisesWithSize()
{
    const auto& table = CondWireAreaTable();
    for (int row = 0; row < kCondWireSizes; ++row) {
        const CondWireAreaRow& r = table[row];
        QVERIFY2(r.AreaThw > r.AreaThhn, r.SizeItem.data());
        QVERIFY(r.SizeItem.ends_with("awg") || r.SizeItem.ends_with("kcmil"));
        QVERIFY(r.LineLabel.ends_with(":  "));
        if (row > 0) {
            QVERIFY2(r.AreaThhn > table[row - 1].AreaThhn, r.SizeItem.data());
            QVERIFY2(r.AreaThw > table[row - 1].AreaThw, r.SizeItem.data());
        }
    }
    const auto& conduits = ConduitSizeTable();
    for (int row = 1; row < kConduitTradeSizes; ++row)
        QVERIFY(conduits[row].InsideDiameter > conduits[row - 1].InsideDiameter);
}

void ConduitFillTest::lookupMatchesListItemsExactly_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("thhn");
    QTest::addColumn<float>("area"); // 0 for no match

    QTest::newRow("first") << "   18 awg" << true << 0.0062f;
    QTest::newRow("first THW") << "   18 awg" << false << 0.0088f;
    QTest::newRow("2 awg THW") << "     2 awg" << false << 0.1473f;
    QTest::newRow("1/0") << "  1/0 awg" << true << 0.1893f;
    QTest::newRow("last") << "1000 kcmil" << false << 1.5482f;
    QTest::newRow("without leading blanks") << "12 awg" << true << 0.0f;
    QTest::newRow("one blank short") << "  12 awg" << true << 0.0f;
    QTest::newRow("trailing blank") << "   12 awg " << true << 0.0f;
    QTest::newRow("upper case") << "   12 AWG" << true << 0.0f;
    QTest::newRow("line label") << "  12 awg:  " << true << 0.0f;
    QTest::newRow("empty") << "" << true << 0.0f;
    QTest::newRow("not in this list") << "  4160" << true << 0.0f;
}

void ConduitFillTest::lookupMatchesListItemsExactly()
{
    QFETCH(QString, size);
    QFETCH(bool, thhn);
    QFETCH(float, area);
    const std::optional<float> found = LookupCondWireArea(size.toStdString(), thhn ? THHN : THW);
    QCOMPARE(found.has_value(), area != 0.0f);
    if (found)
        QCOMPARE(*found, area);
}

void ConduitFillTest::selectsFirstConduitLargeEnough_data()
{
    QTest::addColumn<float>("diameter");
    QTest::addColumn<int>("row"); // -1 for none

    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("exactly 1/2") << 0.622f << 0;
    QTest::newRow("just above 1/2") << std::nextafter(0.622f, 1.0f) << 1;
    QTest::newRow("exactly 3/4") << 0.824f << 1;
    QTest::newRow("exactly 1-1/4") << 1.38f << 3;
    QTest::newRow("exactly 4") << 4.026f << 9;
    QTest::newRow("between 4 and 5") << 4.5f << 10;
    QTest::newRow("exactly 6") << 6.065f << 11;
    QTest::newRow("just above 6") << std::nextafter(6.065f, 7.0f) << -1;
}

void ConduitFillTest::selectsFirstConduitLargeEnough()
{
    QFETCH(float, diameter);
    QFETCH(int, row);
    QCOMPARE(SelectConduitSize(diameter).value_or(-1), row);
}

void ConduitFillTest::fill_data()
{
    QTest::addColumn<Groups>("groups");
    QTest::addColumn<QStringList>("lines"); // the lines of the first groups; the rest empty
    QTest::addColumn<float>("total");
    QTest::addColumn<QString>("totalCaption");
    QTest::addColumn<QString>("diameterCaption");
    QTest::addColumn<QString>("sizeCaption"); // empty when nothing fits

    QTest::newRow("no group has a size") << Groups {} << QStringList {} << 0.0f << "Area Total: 0"
                                         << "Diameter Required: 0"
                                         << "Conduit Size = 1/2 inch";
    QTest::newRow("12 and 10 awg")
        << Groups {group("   12 awg", THHN, "3"), group("   10 awg", THW, "2")}
        << QStringList {"  12 awg:  0.0117 * 3 = 0.0351", "  10 awg:  0.0252 * 2 = 0.0504"}
        << 0.0855f << "Area Total: 0.0855"
        << "Diameter Required: 0.5216841"
        << "Conduit Size = 1/2 inch";
    QTest::newRow("4/0 and 500 kcmil")
        << Groups {group("  4/0 awg", THHN, "3"), group("  500 kcmil", THW, "4")}
        << QStringList {" 4/0 awg:  0.3278 * 3 = 0.9834", " 500 kcmil:  0.8316 * 4 = 3.3264"}
        << 4.3098f << "Area Total: 4.3098"
        << "Diameter Required: 3.703848"
        << "Conduit Size = 4 inch";
    QTest::newRow("1000 kcmil once")
        << Groups {group("1000 kcmil", THW, "1")}
        << QStringList {"1000 kcmil:  1.5482 * 1 = 1.5482"} << 1.5482f << "Area Total: 1.5482"
        << "Diameter Required: 2.219924"
        << "Conduit Size = 2-1/2 inch";
    QTest::newRow("nothing fits") << Groups {group("1000 kcmil", THW, "10")}
                                  << QStringList {"1000 kcmil:  1.5482 * 10 = 15.482"} << 15.482f
                                  << "Area Total: 15.482"
                                  << "Diameter Required: 7.020016"
                                  << "Conduit Size = over 6 inch";
    QTest::newRow("shortest area text")
        << Groups {group("     1 awg", THHN, "2")} << QStringList {"   1 awg:  0.159 * 2 = 0.318"}
        << 0.318f << "Area Total: 0.318"
        << "Diameter Required: 1.006093"
        << "Conduit Size = 1 inch";
    QTest::newRow("count zero") << Groups {group("   18 awg", THHN, "0")}
                                << QStringList {"   18 awg:  0.0062 * 0 = 0"} << 0.0f
                                << "Area Total: 0"
                                << "Diameter Required: 0"
                                << "Conduit Size = 1/2 inch";
    QTest::newRow("count as typed")
        << Groups {group("     8 awg", THW, " 1,000 ")}
        << QStringList {"   8 awg:  0.0598 *  1,000  = 59.8"} << 59.8f << "Area Total: 59.8"
        << "Diameter Required: 13.7967"
        << "Conduit Size = over 6 inch";
    QTest::newRow("unknown sizes skipped, their counts never read")
        << Groups {group("12 awg", THHN, "3"), group("", THHN, "abc"),
               group("   12 AWG", THW, "-4"), group("   14 awg", THW, "5")}
        << QStringList {"", "", "", "  14 awg:  0.0135 * 5 = 0.0675"} << 0.0675f
        << "Area Total: 0.0675"
        << "Diameter Required: 0.4635285"
        << "Conduit Size = 1/2 inch";
}

void ConduitFillTest::fill()
{
    QFETCH(Groups, groups);
    QFETCH(QStringList, lines);
    QFETCH(float, total);
    QFETCH(QString, totalCaption);
    QFETCH(QString, diameterCaption);
    QFETCH(QString, sizeCaption);

    const ConduitFillResult result = CalcConduitFill(groups, {});
    QVERIFY(!result.InvalidCountGroup);
    for (int i = 0; i < kConduitGroups; ++i)
        QCOMPARE(text(result.GroupLines[i]), lines.value(i));
    QVERIFY(result.TotalArea == total); // the nearest float, not merely close
    QCOMPARE(text(result.TotalAreaCaption), totalCaption);
    QCOMPARE(text(result.DiameterCaption), diameterCaption);
    QCOMPARE(text(result.ConduitSizeCaption), sizeCaption);
    QCOMPARE(result.ConduitSize.has_value(), !sizeCaption.endsWith(QLatin1String("over 6 inch")));
}

void ConduitFillTest::linesFollowEachGroupsOwnSize()
{
    Groups groups;
    for (int i = 0; i < kConduitGroups; ++i)
        groups[i] = {std::string(CondWireAreaTable()[25 - i].SizeItem), THHN, "1"};
    const ConduitFillResult result = CalcConduitFill(groups, {});
    for (int i = 0; i < kConduitGroups; ++i)
        QVERIFY(result.GroupLines[i].starts_with(CondWireAreaTable()[25 - i].LineLabel));
}

void ConduitFillTest::refusesCountsThatAreNoWholeNumberOfWires_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("whole") << "12" << true;
    QTest::newRow("blanks around") << "  7 " << true;
    QTest::newRow("digit groups") << "1,000" << true;
    QTest::newRow("largest") << "32767" << true;
    QTest::newRow("whole written with a point") << "4.0" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "three" << false;
    QTest::newRow("fraction") << "2.5" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("too large") << "32768" << false;
    QTest::newRow("misplaced comma") << "10,00" << false;
}

void ConduitFillTest::refusesCountsThatAreNoWholeNumberOfWires()
{
    QFETCH(QString, count);
    QFETCH(bool, accepted);

    // Group 4 carries the count under test; group 7 a fraction that is refused too,
    // so that an accepted count lets the refusal fall on the later group.
    Groups groups;
    groups[0] = group("   12 awg", THHN, "3");
    groups[3] = {"  250 kcmil", THW, count.toStdString()};
    groups[6] = group("   10 awg", THHN, "1.5");
    const ConduitFillResult result = CalcConduitFill(groups, {});
    QCOMPARE(result.InvalidCountGroup.value_or(-1), accepted ? 6 : 3);
    for (const std::string& line : result.GroupLines)
        QVERIFY(line.empty());
    QVERIFY(result.TotalAreaCaption.empty());
    QVERIFY(result.DiameterCaption.empty());
    QVERIFY(!result.ConduitSize);
}

void ConduitFillTest::usesTheLocalesSeparators()
{
    const numtext::Separators german {",", "."};
    Groups groups {group("   12 awg", THHN, "1.000"), group("   10 awg", THW, "2")};
    const ConduitFillResult result = CalcConduitFill(groups, german);
    QCOMPARE(text(result.GroupLines[0]), QStringLiteral("  12 awg:  0,0117 * 1.000 = 11,7"));
    QCOMPARE(text(result.GroupLines[1]), QStringLiteral("  10 awg:  0,0252 * 2 = 0,0504"));
    QCOMPARE(text(result.TotalAreaCaption), QStringLiteral("Area Total: 11,7504"));

    groups[1].CountText = "2,5";
    QCOMPARE(CalcConduitFill(groups, german).InvalidCountGroup.value_or(-1), 1);
}

TAVILON_ENGINE_TEST_MAIN(ConduitFillTest)
#include "conduit_fill_test.moc"
