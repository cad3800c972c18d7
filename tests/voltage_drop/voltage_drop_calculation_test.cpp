#include "test_main.h"
#include "voltage_drop/drop_formulas.h"
#include "voltage_drop/input_rules.h"
#include "voltage_drop/voltage_drop_calculator.h"
#include "voltage_drop/voltage_drop_text.h"

#include <cmath>

Q_DECLARE_METATYPE(LoadEntry)
Q_DECLARE_METATYPE(Circuit)
Q_DECLARE_METATYPE(Material)
Q_DECLARE_METATYPE(Temperature)
Q_DECLARE_METATYPE(Raceway)
Q_DECLARE_METATYPE(CalcMode)
Q_DECLARE_METATYPE(InputBox)
Q_DECLARE_METATYPE(MessageKind)

namespace {

// A calculator as the main window's first activation leaves it.
VoltageDropCalculator activatedCalculator()
{
    VoltageDropCalculator calculator;
    calculator.activate();
    return calculator;
}

// 480 V three-phase, 100 A, 200 ft of 3 awg copper, 75 C, steel conduit.
VoltageDropInputs threePhaseExample()
{
    VoltageDropInputs inputs;
    inputs.Mode = CalcMode::FixedSize;
    inputs.LoadText = "100";
    inputs.VoltsText = "480";
    inputs.LengthText = "200";
    inputs.SizeIndex = 8;
    return inputs;
}

QStringList lines(const std::string& text)
{
    return QString::fromStdString(text).split(QLatin1Char('\r'));
}

std::string shownText(const CalculationOutcome& outcome)
{
    std::string shown;
    for (const DisplayOperation& operation : outcome.Display) {
        if (operation.What == DisplayOperation::Kind::Show)
            shown = operation.Text;
        else if (operation.What == DisplayOperation::Kind::Clear)
            shown.clear();
    }
    return shown;
}

} // namespace

class VoltageDropCalculationTest : public QObject
{
    Q_OBJECT
private slots:
    void loadAmps_data();
    void loadAmps();
    void loadAmpsRefused_data();
    void loadAmpsRefused();
    void impedanceByMaterialAndRaceway_data();
    void impedanceByMaterialAndRaceway();
    void threePhaseDrop();
    void powerFactorWeighsResistanceAndReactance();
    void parallelSetsDivideTheImpedance();
    void threePhaseResultText();
    void resultTextVariants_data();
    void resultTextVariants();
    void refusals_data();
    void refusals();
    void capacityEqualToLoadPasses();
    void parallelSetsInFixedSize();
    void directCurrentFixedSize();
    void ampacityRule_data();
    void ampacityRule();
    void reportWordsFollowTheChoices_data();
    void reportWordsFollowTheChoices();
    void textBeforeTheFirstActivation();
    void activationFillsOnlyUnsetSettings();
};

void VoltageDropCalculationTest::loadAmps_data()
{
    QTest::addColumn<LoadEntry>("entry");
    QTest::addColumn<Circuit>("circuit");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<double>("amps");
    QTest::addColumn<QString>("kind");

    const double root3 = std::sqrt(3.0);
    QTest::newRow("amps, three-phase") << LoadEntry::FullLoadAmps << Circuit::ThreePhase << "100"
                                       << "480" << 100.0 << "Full Load Amps";
    QTest::newRow("amps ignore a bad voltage")
        << LoadEntry::FullLoadAmps << Circuit::SinglePhase << "12.5"
        << "abc" << 12.5 << "Full Load Amps";
    QTest::newRow("VA per phase, 208 V three-phase")
        << LoadEntry::VaPerPhase << Circuit::ThreePhase << "1000"
        << "208" << 3000 / (208 * root3) << "VA Per Phase";
    QTest::newRow("VA per phase, 240 V single-phase")
        << LoadEntry::VaPerPhase << Circuit::SinglePhase << "1000"
        << "240" << 2000.0 / 240 << "VA Per Phase";
    QTest::newRow("total VA, three-phase") << LoadEntry::TotalVa << Circuit::ThreePhase << "30,000"
                                           << "480" << 30000 / (480 * root3) << "Total VA";
    QTest::newRow("total VA, direct current")
        << LoadEntry::TotalVa << Circuit::DirectCurrent << "480"
        << "24" << 20.0 << "Total VA";
    QTest::newRow("negative load is a number")
        << LoadEntry::FullLoadAmps << Circuit::ThreePhase << "-5"
        << "480" << -5.0 << "Full Load Amps";
}

void VoltageDropCalculationTest::loadAmps()
{
    QFETCH(LoadEntry, entry);
    QFETCH(Circuit, circuit);
    QFETCH(QString, load);
    QFETCH(QString, volts);
    QFETCH(double, amps);
    QFETCH(QString, kind);

    VoltageDropInputs inputs;
    inputs.Load = entry;
    inputs.Phases = circuit;
    inputs.LoadText = load.toStdString();
    inputs.VoltsText = volts.toStdString();
    VoltageDropState state;
    QVERIFY(ComputeLoadAmps(state, inputs, {}));
    QCOMPARE(state.LoadAmps, amps);
    QCOMPARE(QString::fromStdString(state.LoadKind), kind);
}

void VoltageDropCalculationTest::loadAmpsRefused_data()
{
    QTest::addColumn<LoadEntry>("entry");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("volts");

    QTest::newRow("load not a number") << LoadEntry::FullLoadAmps << "ten"
                                       << "480";
    QTest::newRow("voltage not a number") << LoadEntry::TotalVa << "1000"
                                          << "480V";
    QTest::newRow("zero voltage") << LoadEntry::VaPerPhase << "1000"
                                  << "0";
    QTest::newRow("overflow") << LoadEntry::VaPerPhase << "1e308"
                              << "480";
}

void VoltageDropCalculationTest::loadAmpsRefused()
{
    QFETCH(LoadEntry, entry);
    QFETCH(QString, load);
    QFETCH(QString, volts);

    VoltageDropInputs inputs;
    inputs.Load = entry;
    inputs.LoadText = load.toStdString();
    inputs.VoltsText = volts.toStdString();
    VoltageDropState state;
    state.LoadAmps = 7;
    state.LoadKind = "Total VA";
    QVERIFY(!ComputeLoadAmps(state, inputs, {}));
    QCOMPARE(state.LoadAmps, 7.0);
    QCOMPARE(state.LoadKind, std::string("Total VA"));
}

void VoltageDropCalculationTest::impedanceByMaterialAndRaceway_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<int>("raceway");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");

    // 1/0 awg, where every resistance column differs from its neighbours somewhere.
    QTest::newRow("copper steel") << Material::Copper << int(Raceway::Steel) << 0.12 << 0.055;
    QTest::newRow("copper aluminum") << Material::Copper << int(Raceway::Aluminum) << 0.13 << 0.044;
    QTest::newRow("copper PVC") << Material::Copper << int(Raceway::Pvc) << 0.12 << 0.044;
    QTest::newRow("aluminum steel") << Material::Aluminum << int(Raceway::Steel) << 0.2 << 0.055;
    QTest::newRow("aluminum aluminum")
        << Material::Aluminum << int(Raceway::Aluminum) << 0.21 << 0.044;
    QTest::newRow("aluminum PVC") << Material::Aluminum << int(Raceway::Pvc) << 0.2 << 0.044;
}

void VoltageDropCalculationTest::impedanceByMaterialAndRaceway()
{
    QFETCH(Material, material);
    QFETCH(int, raceway);
    QFETCH(double, r);
    QFETCH(double, x);

    VoltageDropState state;
    LookupWireImpedance(state, 11, material, static_cast<Raceway>(raceway));
    QCOMPARE(state.WireR, r);
    QCOMPARE(state.WireX, x);
}

void VoltageDropCalculationTest::threePhaseDrop()
{
    VoltageDropState state;
    state.LoadAmps = 100;
    state.WireLength = 200;
    LookupWireImpedance(state, 8, Material::Copper, Raceway::Steel);
    QVERIFY(ComputeVoltageDrop(state, 100, 1, Circuit::ThreePhase, 480));
    QCOMPARE(state.PhaseAngle, 0.0);
    QCOMPARE(state.EffectiveZ, 0.25);
    QCOMPARE(state.VoltDrop, 8.66);
    QCOMPARE(state.PercentDrop, 8.66 / 480 * 100);
    QVERIFY(std::abs(state.PercentDrop - 1.8041666666) < 1e-9);

    // Single-phase and direct current keep the factor 2 alone.
    QVERIFY(ComputeVoltageDrop(state, 100, 1, Circuit::SinglePhase, 480));
    QCOMPARE(state.VoltDrop, 10.0);
}

void VoltageDropCalculationTest::powerFactorWeighsResistanceAndReactance()
{
    VoltageDropState state;
    state.WireR = 0.2;
    state.WireX = 0.057;
    state.LoadAmps = 50;
    state.WireLength = 100;
    QVERIFY(ComputeVoltageDrop(state, 85, 1, Circuit::SinglePhase, 240));
    QCOMPARE(state.PhaseAngle, std::acos(0.85));
    QVERIFY(std::abs(state.EffectiveZ - (0.85 * 0.2 + 0.5267826876 * 0.057)) < 1e-11);
    QCOMPARE(state.EffectiveZ, 0.2 * 0.85 + 0.057 * std::sin(std::acos(0.85)));
}

void VoltageDropCalculationTest::parallelSetsDivideTheImpedance()
{
    VoltageDropState state;
    state.LoadAmps = 400;
    state.WireLength = 100;
    LookupWireImpedance(state, 14, Material::Copper, Raceway::Steel);
    QVERIFY(ComputeVoltageDrop(state, 100, 2, Circuit::ThreePhase, 480));
    QCOMPARE(state.EffectiveZ, 1 / (2 * (1 / 0.063)));
    QCOMPARE(state.VoltDrop, ((2 * 100.0) * state.EffectiveZ * 400) / 1000 * 0.866);
}

void VoltageDropCalculationTest::threePhaseResultText()
{
    VoltageDropCalculator calculator = activatedCalculator();
    const VoltageDropState& state = calculator.state();
    const CalculationOutcome outcome = calculator.calculate(threePhaseExample(), {});
    QVERIFY(!outcome.Message);
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
    QCOMPARE(lines(state.ResultText), expected);
    QCOMPARE(shownText(outcome), state.ResultText);
    QCOMPARE(outcome.Display.front().What, DisplayOperation::Kind::Clear);
    QCOMPARE(state.WireSizeName, std::string("3 awg"));
    QCOMPARE(state.WireAmps, 100);
    QVERIFY(calculator.settings().ResultReady);
}

void VoltageDropCalculationTest::resultTextVariants_data()
{
    QTest::addColumn<int>("sets");
    QTest::addColumn<QString>("loadKind");
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("length as typed") << 1 << "Full Load Amps"
                                     << "200.0" << 1 << "Wire  Length            =  200.0 ft";
    QTest::newRow("amps entry ends after the number")
        << 1 << "Full Load Amps"
        << "200" << 3 << "Full Load Amps        =  100.000";
    QTest::newRow("VA per phase item")
        << 1 << "VA Per Phase"
        << "200" << 3 << "Full Load Amps        =  100.000      Load  =  1,000 VA Per Phase";
    QTest::newRow("total VA item")
        << 1 << "Total VA"
        << "200" << 3 << "Full Load Amps        =  100.000      Load  =  1,000 Total VA";
    QTest::newRow("two sets") << 2 << "Full Load Amps"
                              << "200" << 2 << "Wire Size   ( 2 ea )   =  3 awg cooper";
    QTest::newRow("two sets total")
        << 2 << "Full Load Amps"
        << "200" << 4 << "Wire Amps ( 75 C )   =  100 amps    Wire Amps ( total ) =  200 amps";
    QTest::newRow("nine sets") << 9 << "Full Load Amps"
                               << "200" << 2 << "Wire Size   ( 9 ea )   =  3 awg cooper";
    QTest::newRow("ten sets") << 10 << "Full Load Amps"
                              << "200" << 2 << "Wire Size   ( 10 ea ) =  3 awg cooper";
    QTest::newRow("eleven sets") << 11 << "Full Load Amps"
                                 << "200" << 2 << "Wire Size   ( 11 ea ) =  3 awg cooper";
    QTest::newRow("eleven sets total")
        << 11 << "Full Load Amps"
        << "200" << 4 << "Wire Amps ( 75 C )   =  100 amps    Wire Amps ( total ) =  1100 amps";
}

void VoltageDropCalculationTest::resultTextVariants()
{
    QFETCH(int, sets);
    QFETCH(QString, loadKind);
    QFETCH(QString, length);
    QFETCH(int, line);
    QFETCH(QString, expected);

    VoltageDropState state;
    state.SizeIndex = 8;
    TakeConductorRow(state);
    state.LoadAmps = 100;
    state.LoadKind = loadKind.toStdString();
    VoltageDropInputs inputs = threePhaseExample();
    inputs.LoadText = "1,000";
    inputs.LengthText = length.toStdString();
    const std::string text
        = BuildVoltageDropText(state, activatedCalculator().settings(), sets, inputs, 480, {});
    QCOMPARE(lines(text).size(), 8);
    QCOMPARE(lines(text).at(line), expected);
}

void VoltageDropCalculationTest::refusals_data()
{
    QTest::addColumn<CalcMode>("mode");
    QTest::addColumn<QString>("load");
    QTest::addColumn<LoadEntry>("entry");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("wires"); // empty: parallel sets not ticked
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<InputBox>("box");
    QTest::addColumn<bool>("emptied");

    const auto fixed = CalcMode::FixedSize;
    const auto branch = CalcMode::BranchSearch;
    const auto amps = LoadEntry::FullLoadAmps;
    const QString loadText = "Please enter a valid load for the calculation.";
    const QString lengthText = "Please enter a valid length for the wire.";
    const QString percentText = "Please enter a valid percent voltage drop.";
    const auto info = MessageKind::Information;

    QTest::newRow("load empty") << branch << "" << amps << "480"
                                << "200"
                                << "3.0" << 8 << ""
                                << "Invalid Load" << loadText << info << InputBox::Load << false;
    QTest::newRow("load not a number")
        << branch << "1O0" << amps << "480"
        << "200"
        << "3.0" << 8 << ""
        << "Invalid Load" << loadText << info << InputBox::Load << true;
    QTest::newRow("blanks are not empty")
        << branch << "  " << amps << "480"
        << "200"
        << "3.0" << 8 << ""
        << "Invalid Load" << loadText << info << InputBox::Load << true;
    QTest::newRow("VA with a bad voltage empties the load")
        << branch << "1000" << LoadEntry::TotalVa << "48O"
        << "200"
        << "3.0" << 8 << ""
        << "Invalid Load" << loadText << info << InputBox::Load << true;
    QTest::newRow("amps with a bad voltage")
        << branch << "100" << amps << "48O"
        << "200"
        << "3.0" << 8 << ""
        << "Invalid Voltage"
        << "Please enter a valid source voltage." << info << InputBox::Volts << false;
    QTest::newRow("amps with no voltage")
        << fixed << "100" << amps << "0"
        << "200"
        << "3.0" << 8 << ""
        << "Invalid Voltage"
        << "Please enter a valid source voltage." << info << InputBox::Volts << false;
    QTest::newRow("length empty") << branch << "100" << amps << "480"
                                  << ""
                                  << "3.0" << 8 << ""
                                  << "Invalid Wire Length" << lengthText << info << InputBox::Length
                                  << false;
    QTest::newRow("length not a number")
        << branch << "100" << amps << "480"
        << "200ft"
        << "3.0" << 8 << ""
        << "Invalid Wire Length" << lengthText << info << InputBox::Length << true;
    QTest::newRow("percent empty") << branch << "100" << amps << "480"
                                   << "200"
                                   << "" << 8 << ""
                                   << "Invalid Percent Voltage Drop" << percentText << info
                                   << InputBox::BranchPercent << false;
    QTest::newRow("percent not a number")
        << branch << "100" << amps << "480"
        << "200"
        << "3%" << 8 << ""
        << "Invalid Percent Voltage Drop" << percentText << info << InputBox::BranchPercent << true;
    QTest::newRow("percent zero") << branch << "100" << amps << "480"
                                  << "200"
                                  << "0" << 8 << ""
                                  << "Invalid Percent Voltage Drop" << percentText << info
                                  << InputBox::BranchPercent << true;
    QTest::newRow("percent negative")
        << branch << "100" << amps << "480"
        << "200"
        << "-1" << 8 << ""
        << "Invalid Percent Voltage Drop" << percentText << info << InputBox::BranchPercent << true;
    QTest::newRow("feeder percent") << CalcMode::FeederSearch << "100" << amps << "480"
                                    << "200"
                                    << "" << 8 << ""
                                    << "Invalid Percent Voltage Drop" << percentText << info
                                    << InputBox::FeederPercent << false;
    QTest::newRow("no size chosen") << fixed << "100" << amps << "480"
                                    << "200"
                                    << "" << -1 << ""
                                    << "Wire Size Selection"
                                    << "Please select a NEC wire size from the drop down box."
                                    << MessageKind::Critical << InputBox::None << false;
    for (const char* wires : {"0", "-2", "many", "40000", ""}) {
        QTest::addRow("wires per phase '%s'", wires)
            << fixed << "100" << amps << "480"
            << "200"
            << "" << 8 << (*wires ? wires : " ") << "Invalid Wires Per Phase"
            << "Please enter a valid number of wires per phase." << info << InputBox::WiresPerPhase
            << false;
    }
    QTest::newRow("capacity below the load")
        << fixed << "100" << amps << "480"
        << "200"
        << "" << 5 << ""
        << "Wire Size Invalid"
        << "The load is 100.00 amps, but the wire only carries 50 amps!" << MessageKind::Critical
        << InputBox::Load << false;
    QTest::newRow("parallel capacity below the load")
        << fixed << "700.004" << amps << "480"
        << "200"
        << "" << 14 << "3"
        << "Wire Size Invalid"
        << "The load is 700.00 amps, but the wire only carries 690 amps!" << MessageKind::Critical
        << InputBox::Load << false;
    // A drop too large for a number points at the box out of all proportion.
    QTest::newRow("drop overflows with the load")
        << fixed << "-1e307" << amps << "480"
        << "65535"
        << "" << 4 << ""
        << "Invalid Load" << loadText << info << InputBox::Load << false;
    QTest::newRow("drop overflows with the length")
        << fixed << "10" << amps << "480"
        << "1e307"
        << "" << 4 << ""
        << "Invalid Wire Length" << lengthText << info << InputBox::Length << false;
    QTest::newRow("percent overflows with the voltage")
        << fixed << "10" << amps << "1e-307"
        << "200"
        << "" << 4 << ""
        << "Invalid Voltage"
        << "Please enter a valid source voltage." << info << InputBox::Volts << false;
}

void VoltageDropCalculationTest::refusals()
{
    QFETCH(CalcMode, mode);
    QFETCH(QString, load);
    QFETCH(LoadEntry, entry);
    QFETCH(QString, volts);
    QFETCH(QString, length);
    QFETCH(QString, percent);
    QFETCH(int, size);
    QFETCH(QString, wires);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(MessageKind, kind);
    QFETCH(InputBox, box);
    QFETCH(bool, emptied);

    VoltageDropInputs inputs;
    inputs.Mode = mode;
    inputs.LoadText = load.toStdString();
    inputs.Load = entry;
    inputs.VoltsText = volts.toStdString();
    inputs.LengthText = length.toStdString();
    inputs.BranchPercentText = percent.toStdString();
    inputs.FeederPercentText = percent.toStdString();
    inputs.SizeIndex = size;
    inputs.Parallel = !wires.isEmpty();
    inputs.WiresPerPhaseText = wires.trimmed().toStdString();

    VoltageDropCalculator calculator = activatedCalculator();
    const CalculationOutcome outcome = calculator.calculate(inputs, {});
    QVERIFY(outcome.Message);
    QCOMPARE(QString::fromStdString(outcome.Message->Title), title);
    QCOMPARE(QString::fromStdString(outcome.Message->Text), text);
    QCOMPARE(outcome.Message->Kind, kind);
    QCOMPARE(outcome.Focus, box);
    QCOMPARE(outcome.EmptyFocusBox, emptied);
    QVERIFY(outcome.Display.empty());
    QVERIFY(!calculator.settings().ResultReady);
    QVERIFY(calculator.state().ResultText.empty());
}

void VoltageDropCalculationTest::capacityEqualToLoadPasses()
{
    VoltageDropCalculator calculator = activatedCalculator();
    VoltageDropInputs inputs = threePhaseExample();
    inputs.SizeIndex = 5; // 8 awg: 50 A
    inputs.LoadText = "50";
    const CalculationOutcome outcome = calculator.calculate(inputs, {});
    QVERIFY(!outcome.Message);
    QCOMPARE(lines(shownText(outcome)).at(4), QStringLiteral("Wire Amps ( 75 C )   =  50 amps"));
}

void VoltageDropCalculationTest::parallelSetsInFixedSize()
{
    VoltageDropCalculator calculator = activatedCalculator();
    const VoltageDropSettings& settings = calculator.settings();
    VoltageDropInputs inputs = threePhaseExample();
    inputs.SizeIndex = 14; // 4/0 awg: 230 A
    inputs.LoadText = "400";
    inputs.Parallel = true;
    inputs.WiresPerPhaseText = "2";
    const CalculationOutcome outcome = calculator.calculate(inputs, {});
    QVERIFY(!outcome.Message);
    QCOMPARE(settings.SetsPerPhase, 2);
    QCOMPARE(calculator.state().EffectiveZ, 0.063 / 2);
    const QStringList shown = lines(shownText(outcome));
    QCOMPARE(shown.at(2), QStringLiteral("Wire Size   ( 2 ea )   =  4/0 awg cooper"));
    QCOMPARE(shown.at(4),
        QStringLiteral("Wire Amps ( 75 C )   =  230 amps    Wire Amps ( total ) =  460 amps"));

    // Without the parallel sets one conductor carries too little.
    inputs.Parallel = false;
    const CalculationOutcome refused = calculator.calculate(inputs, {});
    QVERIFY(refused.Message);
    QCOMPARE(refused.Message->Text,
        std::string("The load is 400.00 amps, but the wire only carries 230 amps!"));
    QCOMPARE(settings.SetsPerPhase, 1);

    // A count of sets rounds half to even.
    inputs.Parallel = true;
    inputs.WiresPerPhaseText = "2.5";
    QVERIFY(!calculator.calculate(inputs, {}).Message);
    QCOMPARE(settings.SetsPerPhase, 2);
}

void VoltageDropCalculationTest::directCurrentFixedSize()
{
    VoltageDropCalculator calculator = activatedCalculator();
    const VoltageDropState& state = calculator.state();
    VoltageDropInputs inputs = threePhaseExample();
    inputs.Phases = Circuit::DirectCurrent;
    inputs.Load = LoadEntry::TotalVa;
    inputs.LoadText = "1200";
    inputs.VoltsText = "24";
    inputs.LengthText = "50";
    inputs.SizeIndex = 6; // 6 awg
    inputs.Coated = Coating::Coated;
    calculator.choosePowerFactor(85); // plays no part

    const CalculationOutcome outcome = calculator.calculate(inputs, {});
    QVERIFY(!outcome.Message);
    QCOMPARE(state.LoadAmps, 50.0);
    QCOMPARE(state.WireR, 0.51);
    QCOMPARE(state.VoltDrop, ((50 * 0.51) * 50.0) * 2 / 1000);
    const QStringList expected {
        "Percent Volts Drop   =  10.63 %",
        "Full Load Amps        =  50.000      Load  =  1200 Total VA",
        "Wire Size   ( 1 ea )   =  6 awg cooper",
        "Wire Voltage Drop    =  2.55     Voltage Source  =  24     Voltage at Load  =  21.45",
        "Wire  Length            =  50 ft",
        "DC Resistance         =  0.510 omhs per 1000 ft.",
    };
    QCOMPARE(lines(shownText(outcome)), expected);
    QVERIFY2(!calculator.settings().ResultReady, "a direct-current result is not for the sheet");

    // Parallel sets share the current and show their total ampacity.
    inputs.Coated = Coating::Uncoated;
    inputs.Wire = Material::Aluminum;
    calculator.chooseMaterial(Material::Aluminum);
    inputs.SizeIndex = 11;
    inputs.Parallel = true;
    inputs.WiresPerPhaseText = "2";
    const CalculationOutcome parallel = calculator.calculate(inputs, {});
    QCOMPARE(state.WireR, 0.201);
    QCOMPARE(state.VoltDrop, ((50 * 0.201) * 50.0) * 2 / 1000 / 2);
    QCOMPARE(lines(shownText(parallel)).at(1),
        QStringLiteral(
            "Full Load Amps        =  50.000      Load  =  1200 Total VA    Wire Amps ( total )    "
            "=  240 amps"));
    QCOMPARE(lines(shownText(parallel)).at(2),
        QStringLiteral("Wire Size   ( 2 ea )   =  1/0 awg aluminum"));
}

void VoltageDropCalculationTest::ampacityRule_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<Material>("material");
    QTest::addColumn<Temperature>("rating");
    QTest::addColumn<QString>("secondLine"); // empty: allowed

    const auto cu = Material::Copper;
    const auto al = Material::Aluminum;
    const QString aluminum = "#18, #16 and #14 aluminum wire...";
    const QString copper = "#18 and #16 75C cooper wire...";
    QTest::newRow("aluminum 14 awg") << 2 << al << Temperature::C75 << aluminum;
    QTest::newRow("aluminum 12 awg") << 3 << al << Temperature::C75 << "";
    QTest::newRow("aluminum 90 C 16 awg") << 1 << al << Temperature::C90 << aluminum;
    QTest::newRow("aluminum no size") << -1 << al << Temperature::C90 << aluminum;
    QTest::newRow("copper 75 C 16 awg") << 1 << cu << Temperature::C75 << copper;
    QTest::newRow("copper 75 C 18 awg") << 0 << cu << Temperature::C75 << copper;
    QTest::newRow("copper 75 C no size") << -1 << cu << Temperature::C75 << copper;
    QTest::newRow("copper 75 C 14 awg") << 2 << cu << Temperature::C75 << "";
    QTest::newRow("copper 90 C 18 awg") << 0 << cu << Temperature::C90 << "";
    QTest::newRow("copper 90 C no size") << -1 << cu << Temperature::C90 << "";
}

void VoltageDropCalculationTest::ampacityRule()
{
    QFETCH(int, size);
    QFETCH(Material, material);
    QFETCH(Temperature, rating);
    QFETCH(QString, secondLine);

    const AmpacityRuling ruling = CheckWireAmpacity(size, material, rating);
    QCOMPARE(ruling.CalculationAllowed, secondLine.isEmpty());
    QCOMPARE(ruling.Message.has_value(), !secondLine.isEmpty());
    if (ruling.Message) {
        QCOMPARE(ruling.Message->Title, std::string("Wire Size Is Not Valid"));
        QCOMPARE(ruling.Message->Kind, MessageKind::Exclamation);
        const QStringList expected {"The NEC does not offer valid current ratings for", secondLine,
            "", "Please choose 90C cooper for #18 and #16",
            "remote control circuits or lighting taps."};
        QCOMPARE(lines(ruling.Message->Text), expected);
    }
}

void VoltageDropCalculationTest::reportWordsFollowTheChoices_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<Temperature>("rating");
    QTest::addColumn<Raceway>("raceway");
    QTest::addColumn<QString>("sizeLine");
    QTest::addColumn<QString>("ampsLine");
    QTest::addColumn<QString>("conduitLine");

    // 3 awg in Table 310-16: copper 100 A at 75 C and 110 A at 90 C, aluminum 75 A and 85 A.
    QTest::newRow("copper 75 C steel") << Material::Copper << Temperature::C75 << Raceway::Steel
                                       << "Wire Size   ( 1 ea )   =  3 awg cooper"
                                       << "Wire Amps ( 75 C )   =  100 amps"
                                       << "Conduit Type            =  Steel";
    QTest::newRow("copper 90 C PVC") << Material::Copper << Temperature::C90 << Raceway::Pvc
                                     << "Wire Size   ( 1 ea )   =  3 awg cooper"
                                     << "Wire Amps ( 90 C )   =  110 amps"
                                     << "Conduit Type            =  PVC";
    QTest::newRow("aluminum 75 C aluminum")
        << Material::Aluminum << Temperature::C75 << Raceway::Aluminum
        << "Wire Size   ( 1 ea )   =  3 awg aluminum"
        << "Wire Amps ( 75 C )   =  75 amps"
        << "Conduit Type            =  Aluminum";
    QTest::newRow("aluminum 90 C steel") << Material::Aluminum << Temperature::C90 << Raceway::Steel
                                         << "Wire Size   ( 1 ea )   =  3 awg aluminum"
                                         << "Wire Amps ( 90 C )   =  85 amps"
                                         << "Conduit Type            =  Steel";
}

// The page hands each choice both to the calculator and, at the press, to the calculation.
void VoltageDropCalculationTest::reportWordsFollowTheChoices()
{
    QFETCH(Material, material);
    QFETCH(Temperature, rating);
    QFETCH(Raceway, raceway);
    QFETCH(QString, sizeLine);
    QFETCH(QString, ampsLine);
    QFETCH(QString, conduitLine);

    VoltageDropCalculator calculator = activatedCalculator();
    calculator.chooseMaterial(material);
    calculator.chooseTemperature(rating);
    calculator.chooseRaceway(raceway);
    VoltageDropInputs inputs = threePhaseExample();
    inputs.LoadText = "50"; // within every column
    inputs.Wire = material;
    inputs.Rating = rating;
    inputs.Conduit = raceway;
    QVERIFY(!calculator.calculate(inputs, {}).Message);
    const QStringList shown = lines(calculator.state().ResultText);
    QCOMPARE(shown.at(2), sizeLine);
    QCOMPARE(shown.at(4), ampsLine);
    QCOMPARE(shown.at(6), conduitLine);
}

// Before the first activation no choice is made: the text names none, and the power
// factor counts as 0 %.
void VoltageDropCalculationTest::textBeforeTheFirstActivation()
{
    VoltageDropCalculator calculator;
    QVERIFY(!calculator.calculate(threePhaseExample(), {}).Message);
    const QStringList shown = lines(calculator.state().ResultText);
    QCOMPARE(shown.at(2), QStringLiteral("Wire Size   ( 1 ea )   =  3 awg "));
    QCOMPARE(shown.at(4), QStringLiteral("Wire Amps (  )   =  100 amps"));
    QCOMPARE(shown.at(6), QStringLiteral("Conduit Type            =  "));
    // At 0 % only the reactance counts: 0.059 ohm per 1000 ft for 3 awg in steel (Chapter 9
    // Table 9).
    QCOMPARE(shown.at(7),
        QStringLiteral(
            "Effective Impedence  =  0.059 omhs per 1000 ft.       PF  =  0.0%     3 Phase"));
}

void VoltageDropCalculationTest::activationFillsOnlyUnsetSettings()
{
    VoltageDropCalculator fresh;
    fresh.activate();
    QCOMPARE(fresh.settings().PowerFactor, 100.0);
    QCOMPARE(fresh.settings().SetsPerPhase, 1);
    QCOMPARE(fresh.settings().TempRating, Temperature::C75);
    QCOMPARE(fresh.settings().WireMaterial, Material::Copper);
    QCOMPARE(fresh.settings().ConduitType, Raceway::Steel);
    QVERIFY(!fresh.settings().ResultReady);

    VoltageDropCalculator chosen;
    QVERIFY(!chosen.calculate(threePhaseExample(), {}).Message); // a result for the sheet
    chosen.choosePowerFactor(85);
    chosen.chooseSetsPerPhase(3);
    chosen.chooseTemperature(Temperature::C90);
    chosen.chooseMaterial(Material::Aluminum);
    chosen.chooseRaceway(Raceway::Pvc);
    chosen.activate();
    QCOMPARE(chosen.settings().PowerFactor, 85.0);
    QCOMPARE(chosen.settings().SetsPerPhase, 3);
    QCOMPARE(chosen.settings().TempRating, Temperature::C90);
    QCOMPARE(chosen.settings().WireMaterial, Material::Aluminum);
    QCOMPARE(chosen.settings().ConduitType, Raceway::Pvc);
    QVERIFY(chosen.settings().ResultReady);

    // A count of sets typed below one counts as unset.
    for (int sets : {0, -2}) {
        chosen.chooseSetsPerPhase(sets);
        chosen.activate();
        QCOMPARE(chosen.settings().SetsPerPhase, 1);
    }
}

TAVILON_ENGINE_TEST_MAIN(VoltageDropCalculationTest)
#include "voltage_drop_calculation_test.moc"
