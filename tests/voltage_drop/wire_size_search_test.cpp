#include "test_main.h"
#include "voltage_drop/drop_formulas.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <array>
#include <cstdio>

namespace {

// The result display as the page would show it after playing a calculation's script.
struct ShownDisplay
{
    struct Slot
    {
        bool visible = false;
        QString caption;
        std::string content;
    };

    std::string shown;
    std::array<Slot, kHistorySlots> history;
    int selected = -1;

    void play(const std::vector<DisplayOperation>& operations)
    {
        using Kind = DisplayOperation::Kind;
        for (const DisplayOperation& operation : operations) {
            switch (operation.What) {
            case Kind::Clear:
                shown.clear();
                hideAll();
                break;
            case Kind::HideAll:
                hideAll();
                break;
            case Kind::Show:
                shown = operation.Text;
                break;
            case Kind::EmptyText:
                shown.clear();
                break;
            case Kind::Record:
                history[operation.Slot] = {true, QString::fromStdString(operation.Text), shown};
                break;
            case Kind::Hide:
                history[operation.Slot].visible = false;
                break;
            case Kind::Select:
                selected = operation.Slot;
                shown = history[operation.Slot].content;
                break;
            }
        }
    }
    void hideAll()
    {
        for (Slot& slot : history)
            slot.visible = false;
    }
    // Visible slots and their captions, as "0:1.80% 3:2 Set".
    QString visibleCaptions() const
    {
        QStringList captions;
        for (int i = 0; i < kHistorySlots; ++i) {
            if (history[i].visible)
                captions << QStringLiteral("%1:%2").arg(i).arg(history[i].caption);
        }
        return captions.join(QLatin1Char(' '));
    }
};

QStringList lines(const std::string& text)
{
    return QString::fromStdString(text).split(QLatin1Char('\r'));
}

VoltageDropInputs branchSearch(const char* load, const char* volts, const char* length,
    const char* percent, Circuit circuit = Circuit::ThreePhase)
{
    VoltageDropInputs inputs;
    inputs.Mode = CalcMode::BranchSearch;
    inputs.Phases = circuit;
    inputs.LoadText = load;
    inputs.VoltsText = volts;
    inputs.LengthText = length;
    inputs.BranchPercentText = percent;
    return inputs;
}

} // namespace

class WireSizeSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void oneSizeTriedLeavesNoHistory();
    void dropEqualToTargetIsAccepted();
    void smallestSizeSearched_data();
    void smallestSizeSearched();
    void loadBeyondOneSetStartsWithParallelSets();
    void setCountsThatChangeTheSizeAreRecorded();
    void oneSetAnswerOfOneOughtOrLarger();
    void onlyTenAttemptsAreRecorded();
    void searchStartsWithTheHistoryHidden();
    void feederSearchUsesItsOwnPercent();
    void directCurrentIsSizedLikeSinglePhase();
    void dropBeyondTheLargestSizeAddsSets();
    void elevenSetsFromTheStartShowTheLastResult();
    void tooManySetsAreRefused_data();
    void tooManySetsAreRefused();

private:
    CalculationOutcome calculate(const VoltageDropInputs& inputs)
    {
        CalculationOutcome outcome = m_calculator.calculate(inputs, {});
        m_display.play(outcome.Display);
        return outcome;
    }
    const VoltageDropState& state() const { return m_calculator.state(); }
    const VoltageDropSettings& settings() const { return m_calculator.settings(); }

    VoltageDropCalculator m_calculator;
    ShownDisplay m_display;
};

void WireSizeSearchTest::init()
{
    m_calculator = {};
    m_calculator.activate();
    m_display = {};
}

void WireSizeSearchTest::oneSizeTriedLeavesNoHistory()
{
    const CalculationOutcome outcome = calculate(branchSearch("100", "480", "200", "3.0"));
    QVERIFY(!outcome.Message);
    QCOMPARE(state().SizeIndex, 8);
    QCOMPARE(state().EffectiveZ, 0.25);
    QCOMPARE(state().VoltDrop, 8.66);
    QCOMPARE(settings().SetsPerPhase, 1);
    QVERIFY(settings().ResultReady);

    // Slot 0 held the one size tried; as the only slot it is hidden again, its result shown.
    QCOMPARE(m_display.history[0].caption, QStringLiteral("1.80%"));
    QCOMPARE(m_display.visibleCaptions(), QString());
    QCOMPARE(m_display.selected, 0);
    const QStringList expected {
        "Percent Volts Drop   =  1.80 %",
        "Wire  Length            =  200 ft",
        "Wire Size   ( 1 ea )   =  3 awg cooper",
        "Full Load Amps        =  100.000",
        "Wire Amps ( 75 C )   =  100 amps",
        "Wire Voltage Drop    =  8.66     Voltage Source  =  480     Voltage at Load  =  471.34",
        "Conduit Type            =  Steel",
        "Effective Impedence  =  0.250 omhs per 1000 ft.       PF  =  100.0%     3 Phase",
    };
    QCOMPARE(lines(m_display.shown), expected);
    QCOMPARE(state().ResultText, m_display.shown);
}

void WireSizeSearchTest::dropEqualToTargetIsAccepted()
{
    char exact[32];
    std::snprintf(exact, sizeof exact, "%.17g", 8.66 / 480 * 100);
    calculate(branchSearch("100", "480", "200", exact));
    QCOMPARE(state().SizeIndex, 8);

    calculate(branchSearch("100", "480", "200", "1.8041"));
    QCOMPARE(state().SizeIndex, 9);
    QCOMPARE(m_display.history[0].caption, QStringLiteral("1.80%"));
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("0:1.80% 1:1.44%"));
    QCOMPARE(m_display.selected, 1);
    QCOMPARE(
        lines(m_display.shown).at(2), QStringLiteral("Wire Size   ( 1 ea )   =  2 awg cooper"));
}

void WireSizeSearchTest::smallestSizeSearched_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("rating");
    QTest::addColumn<QString>("size");

    QTest::newRow("copper 75 C") << int(Material::Copper) << int(Temperature::C75) << "14 awg";
    QTest::newRow("copper 90 C") << int(Material::Copper) << int(Temperature::C90) << "14 awg";
    QTest::newRow("aluminum 75 C") << int(Material::Aluminum) << int(Temperature::C75) << "12 awg";
    QTest::newRow("aluminum 90 C") << int(Material::Aluminum) << int(Temperature::C90) << "12 awg";
}

void WireSizeSearchTest::smallestSizeSearched()
{
    QFETCH(int, material);
    QFETCH(int, rating);
    QFETCH(QString, size);

    VoltageDropInputs inputs = branchSearch("1", "480", "10", "3.0");
    inputs.Wire = static_cast<Material>(material);
    inputs.Rating = static_cast<Temperature>(rating);
    calculate(inputs);
    QCOMPARE(QString::fromStdString(state().WireSizeName), size);
    QCOMPARE(m_display.history[0].caption, QStringLiteral("0.01%"));
}

// Copper 75 C carries 545 A at most in one conductor: 600 A needs two sets of 350 kcmil.
void WireSizeSearchTest::loadBeyondOneSetStartsWithParallelSets()
{
    calculate(branchSearch("600", "480", "10", "3.0"));
    // 3 sets: 3/0 awg; 4 sets: 1/0 awg; from 5 sets on 1/0 awg again.
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set"));
    QCOMPARE(m_display.selected, 1);
    const QStringList shown = lines(m_display.shown);
    QCOMPARE(shown.at(2), QStringLiteral("Wire Size   ( 2 ea )   =  350 kcmil cooper"));
    QCOMPARE(shown.at(4),
        QStringLiteral("Wire Amps ( 75 C )   =  310 amps    Wire Amps ( total ) =  620 amps"));
    QCOMPARE(lines(m_display.history[3].content).at(2),
        QStringLiteral("Wire Size   ( 4 ea )   =  1/0 awg cooper"));
    // The search leaves the last set count it tried.
    QCOMPARE(settings().SetsPerPhase, 11);
    QCOMPARE(state().SizeIndex, 11);
}

void WireSizeSearchTest::setCountsThatChangeTheSizeAreRecorded()
{
    calculate(branchSearch("600", "480", "500", "3"));
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set 4:5 Set"));
    QCOMPARE(m_display.selected, 1);
    QCOMPARE(lines(m_display.shown).at(0), QStringLiteral("Percent Volts Drop   =  2.11 %"));
    const char* sizes[] = {"350 kcmil", "3/0 awg", "2/0 awg", "1/0 awg"};
    for (int slot = 1; slot <= 4; ++slot) {
        QCOMPARE(lines(m_display.history[slot].content).at(2),
            QStringLiteral("Wire Size   ( %1 ea )   =  %2 cooper")
                .arg(slot + 1)
                .arg(sizes[slot - 1]));
    }
}

// One set of 3/0 awg meets the drop; the result shown is that of one set.
void WireSizeSearchTest::oneSetAnswerOfOneOughtOrLarger()
{
    calculate(branchSearch("100", "480", "1000", "3"));
    // Attempts 3 awg to 3/0 awg went into slots 0 to 5; the set slots took 0 and 1.
    QCOMPARE(m_display.visibleCaptions(),
        QStringLiteral("0:1 Set 1:2 Set 2:5.77% 3:4.33% 4:3.61% 5:2.85%"));
    QCOMPARE(m_display.selected, 0);
    QCOMPARE(
        lines(m_display.shown).at(2), QStringLiteral("Wire Size   ( 1 ea )   =  3/0 awg cooper"));
    QCOMPARE(lines(m_display.history[4].content).at(2),
        QStringLiteral("Wire Size   ( 1 ea )   =  2/0 awg cooper"));
}

void WireSizeSearchTest::onlyTenAttemptsAreRecorded()
{
    // 120 V single-phase, 10 A, 1600 ft: 14 awg to 1/0 awg fail, 2/0 awg is the eleventh
    // try. Slots 0 and 1 then hold one and two sets (2 x 1/0 awg).
    calculate(branchSearch("10", "120", "1600", "3", Circuit::SinglePhase));
    QCOMPARE(m_display.visibleCaptions(),
        QStringLiteral("0:1 Set 1:2 Set 2:32.00% 3:20.80% 4:13.07% 5:8.27% 6:6.67% 7:5.33% "
                       "8:4.27% 9:3.20%"));
    QCOMPARE(lines(m_display.history[9].content).at(2),
        QStringLiteral("Wire Size   ( 1 ea )   =  1/0 awg cooper"));
    QCOMPARE(m_display.selected, 0);
    QCOMPARE(
        lines(m_display.shown).at(2), QStringLiteral("Wire Size   ( 1 ea )   =  2/0 awg cooper"));
}

void WireSizeSearchTest::searchStartsWithTheHistoryHidden()
{
    calculate(branchSearch("600", "480", "500", "3"));
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set 4:5 Set"));

    // Only the percent changed: the slots of the first run take no part in the second.
    const CalculationOutcome outcome = calculate(branchSearch("600", "480", "500", "5"));
    QCOMPARE(outcome.Display.front().What, DisplayOperation::Kind::HideAll);
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set"));

    // A one-set answer after a parallel one leaves no slot of the earlier run on show.
    calculate(branchSearch("20", "480", "100", "3"));
    QCOMPARE(m_display.visibleCaptions(), QString());
    QCOMPARE(
        lines(m_display.shown).at(2), QStringLiteral("Wire Size   ( 1 ea )   =  12 awg cooper"));
}

void WireSizeSearchTest::feederSearchUsesItsOwnPercent()
{
    VoltageDropInputs inputs = branchSearch("100", "480", "200", "0.5");
    inputs.Mode = CalcMode::FeederSearch;
    inputs.FeederPercentText = "1.5";
    calculate(inputs);
    QCOMPARE(state().TargetPercent, 1.5);
    QCOMPARE(state().SizeIndex, 9); // 2 awg: 1.44 %
}

void WireSizeSearchTest::directCurrentIsSizedLikeSinglePhase()
{
    calculate(branchSearch("40", "24", "50", "3", Circuit::SinglePhase));
    const int singlePhaseSize = state().SizeIndex;
    const double singlePhaseDrop = state().PercentDrop;

    calculate(branchSearch("40", "24", "50", "3", Circuit::DirectCurrent));
    QCOMPARE(state().SizeIndex, singlePhaseSize);
    QCOMPARE(state().PercentDrop, singlePhaseDrop);
    const QStringList shown = lines(m_display.shown);
    QCOMPARE(shown.size(), 8);
    QVERIFY(shown.at(7).endsWith(QLatin1String("PF  =  100.0%     Direct Current")));
    QVERIFY(settings().ResultReady);
}

// With one set even 1000 kcmil drops too much: the attempts tell nothing and are hidden;
// seven sets are the fewest that meet 0.1 %.
void WireSizeSearchTest::dropBeyondTheLargestSizeAddsSets()
{
    calculate(branchSearch("100", "480", "1000", "0.1"));
    QCOMPARE(m_display.visibleCaptions(), QStringLiteral("6:7 Set 7:8 Set 9:10 Set"));
    QCOMPARE(m_display.selected, 6);
    QCOMPARE(lines(m_display.shown).at(2),
        QStringLiteral("Wire Size   ( 7 ea )   =  1000 kcmil cooper"));
    QCOMPARE(lines(m_display.history[9].content).at(2),
        QStringLiteral("Wire Size   ( 10 ea ) =  600 kcmil cooper"));
    QCOMPARE(lines(m_display.history[9].content).at(4),
        QStringLiteral("Wire Amps ( 75 C )   =  420 amps    Wire Amps ( total ) =  4200 amps"));

    // Six sets of 1000 kcmil would exceed the target.
    VoltageDropState six = state();
    LookupWireImpedance(six, 22, Material::Copper, Raceway::Steel);
    QVERIFY(ComputeVoltageDrop(six, 100, 6, Circuit::ThreePhase, 480));
    QVERIFY(six.PercentDrop > 0.1);
}

// 11 x 545 A falls 5 A short: twelve sets, which have no slot of their own.
void WireSizeSearchTest::elevenSetsFromTheStartShowTheLastResult()
{
    m_display.history[9] = {false, QStringLiteral("stale"), "an earlier result"};
    const CalculationOutcome outcome = calculate(branchSearch("6000", "480", "10", "3"));
    QVERIFY(!outcome.Message);
    QCOMPARE(m_display.visibleCaptions(), QString());
    for (const DisplayOperation& operation : outcome.Display)
        QVERIFY(operation.What != DisplayOperation::Kind::Select);
    QCOMPARE(settings().SetsPerPhase, 12);
    QCOMPARE(
        lines(m_display.shown).at(2), QStringLiteral("Wire Size   ( 12 ea ) =  1000 kcmil cooper"));
    QCOMPARE(m_display.shown, state().ResultText);
    QVERIFY(settings().ResultReady);
}

void WireSizeSearchTest::tooManySetsAreRefused_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("setsUsed");

    QTest::newRow("100 sets carry the load") << "54500"
                                             << "3" << 100;
    QTest::newRow("ampacity") << "54501"
                              << "3" << -1;
    QTest::newRow("drop") << "100"
                          << "0.00001" << -1;
}

void WireSizeSearchTest::tooManySetsAreRefused()
{
    QFETCH(QString, load);
    QFETCH(QString, percent);
    QFETCH(int, setsUsed);

    m_display.shown = "an earlier result";
    m_display.history[2] = {true, QStringLiteral("3 Set"), "an earlier result"};
    const CalculationOutcome outcome
        = calculate(branchSearch(qPrintable(load), "480", "10", qPrintable(percent)));
    if (setsUsed > 0) {
        QVERIFY(!outcome.Message);
        QVERIFY(lines(m_display.shown)
                    .at(2)
                    .startsWith(QStringLiteral("Wire Size   ( %1 ea )").arg(setsUsed)));
        return;
    }
    QVERIFY(outcome.Message);
    QCOMPARE(outcome.Message->Text,
        std::string("No conductor size carries this load within 100 parallel sets per phase."));
    QCOMPARE(outcome.Message->Title, std::string("Wire Size Invalid"));
    QCOMPARE(outcome.Message->Kind, MessageKind::Critical);
    QCOMPARE(outcome.Focus, InputBox::None);
    QCOMPARE(outcome.Display.size(), size_t(1));
    QCOMPARE(outcome.Display.front().What, DisplayOperation::Kind::Clear);
    QCOMPARE(m_display.shown, std::string());
    QCOMPARE(m_display.visibleCaptions(), QString());
    QVERIFY(!settings().ResultReady);
}

TAVILON_ENGINE_TEST_MAIN(WireSizeSearchTest)
#include "wire_size_search_test.moc"
