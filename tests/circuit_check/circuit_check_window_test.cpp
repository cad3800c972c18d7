// The Circuit Check window driven as its user drives it: typing into its boxes, choosing
// from its lists, reading its fields, and sending the check to the sheet. The figures are
// those worked by hand in circuit_summary_test.

#include "app/main_window.h"
#include "app/program_windows.h"
#include "circuit_check/circuit_check_window.h"
#include "find_control.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"
#include "ui/date_time_text.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>

namespace {

// The key-figure fields, in the order of the form.
const QStringList kResultFields {"ccResultOcpd", "ccResultSets", "ccResultSize",
    "ccResultGoverning", "ccResultTerminalAmps", "ccResultCorrectedAmps", "ccResultEgc",
    "ccResultRaceway", "ccResultFill", "ccResultDrop", "ccResultDropVolts", "ccResultLoadVolts",
    "ccResultTotalDrop", "ccResultExactDrop", "ccResultMaxLength", "ccResultFault",
    "ccResultVerdict"};

// The acceptance feeder as its fields show it (en_US).
const QStringList kFeederFigures {"500 A", "2", "250 kcmil", "terminals", "510 A", "510.0 A",
    "2 AWG copper", "2-1/2 EMT", "29.1 %", "1.32 %", "6.35 V", "473.65 V", "1.32 %", "6.35 V",
    "567 ft", "19,941 A", "Meets every check."};

// The boxes whose text can be refused, with the names of their reasons.
const QStringList kMarkedFields {"Voltage", "Load", "Continuous", "Ocpd", "Sets", "Ambient",
    "ConductorCount", "Length", "PowerFactor", "DropLimit", "DropUpstream", "FaultAmps",
    "MotorAmps"};

} // namespace

class CircuitCheckWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void startingValues();
    void acceptanceFeeder_data();
    void acceptanceFeeder();
    void invalidInput_data();
    void invalidInput();
    void stillNeeded();
    void listsFollowUntilPicked();
    void systemDecidesWhatIsOffered();
    void sendsTheReportToTheSheet();
    void menuOpensOneWindowThatClosesWithTheMainWindow();

private:
    // Opens a new window and waits until it is the active one.
    [[nodiscard]] bool open();
    template<typename T = QWidget>
    T* find(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_window, name, where);
    }
    // Replaces the text of a box or of an editable list, key by key.
    void type(const QString& name, const QString& text,
        std::source_location where = std::source_location::current()) const
    {
        QWidget* control = find(name, where);
        auto* list = qobject_cast<QComboBox*>(control);
        QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
        QVERIFY2(box, qPrintable(name));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    [[nodiscard]] bool choose(const QString& list, const QString& item,
        std::source_location where = std::source_location::current()) const
    {
        return testsupport::chooseFromList(find<QComboBox>(list, where), item);
    }
    // Types the acceptance feeder: 400 A continuous, 480 V 3-phase 4-wire, 250 ft, copper
    // THHN/THWN-2 on 75 °C terminals at 40 °C in EMT, PF 0.85, 3 %, 42,000 A at the
    // source with 100 A of motors.
    [[nodiscard]] bool typeFeeder(const QString& powerFactor = QStringLiteral("0.85")) const;
    QStringList figures() const;
    bool showsNoResult() const;

    QPointer<CircuitCheckWindow> m_window;
};

void CircuitCheckWindowTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
}

bool CircuitCheckWindowTest::open()
{
    m_window = new CircuitCheckWindow;
    m_window->show();
    return QTest::qWaitForWindowActive(m_window);
}

bool CircuitCheckWindowTest::typeFeeder(const QString& powerFactor) const
{
    if (!choose(QStringLiteral("ccSystem"), QStringLiteral("3-phase 4-wire")))
        return false;
    type(QStringLiteral("ccVoltage"), QStringLiteral("480"));
    type(QStringLiteral("ccLoad"), QStringLiteral("400"));
    if (!choose(QStringLiteral("ccLoadUnit"), QStringLiteral("A")))
        return false;
    type(QStringLiteral("ccContinuous"), QStringLiteral("100"));
    if (!choose(QStringLiteral("ccMaterial"), QStringLiteral("Copper"))
        || !choose(QStringLiteral("ccInsulation"), QStringLiteral("THHN/THWN-2"))
        || !choose(QStringLiteral("ccTerminal"), QStringLiteral("75 °C")))
        return false;
    type(QStringLiteral("ccAmbient"), QStringLiteral("40"));
    type(QStringLiteral("ccLength"), QStringLiteral("250"));
    if (!choose(QStringLiteral("ccRaceway"), QStringLiteral("EMT")))
        return false;
    type(QStringLiteral("ccPowerFactor"), powerFactor);
    type(QStringLiteral("ccDropLimit"), QStringLiteral("3"));
    type(QStringLiteral("ccFaultAmps"), QStringLiteral("42000"));
    type(QStringLiteral("ccMotorAmps"), QStringLiteral("100"));
    return true;
}

QStringList CircuitCheckWindowTest::figures() const
{
    QStringList texts;
    for (const QString& name : kResultFields)
        texts << find<QLineEdit>(name)->text();
    return texts;
}

bool CircuitCheckWindowTest::showsNoResult() const
{
    return figures() == QStringList(kResultFields.size(), QString())
        && find<QTextEdit>(QStringLiteral("ccSummary"))->toPlainText().isEmpty()
        && find<QTextEdit>(QStringLiteral("ccWorking"))->toPlainText().isEmpty()
        && !find(QStringLiteral("ccSendToSheet"))->isEnabled() && !m_window->hasResult();
}

void CircuitCheckWindowTest::startingValues()
{
    QVERIFY(open());
    const auto list = [this](const char* name) { return find<QComboBox>(QLatin1String(name)); };
    const auto items = [](const QComboBox* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QCOMPARE(items(list("ccSystem")),
        (QStringList {
            "DC 2-wire", "1-phase 2-wire", "1-phase 3-wire", "3-phase 3-wire", "3-phase 4-wire"}));
    QCOMPARE(list("ccSystem")->currentText(), QStringLiteral("3-phase 4-wire"));
    QCOMPARE(items(list("ccVoltage")), (QStringList {"120", "208", "240", "277", "480", "600"}));
    QCOMPARE(list("ccVoltage")->currentText(), QStringLiteral("480"));
    QCOMPARE(items(list("ccLoadUnit")), (QStringList {"A", "kVA", "kW"}));
    QCOMPARE(items(list("ccCircuitKind")), (QStringList {"Feeder", "Branch circuit"}));
    QCOMPARE(list("ccOcpd")->currentText(), QStringLiteral("Automatic"));
    // The ratings of 240.6(A) for fuses and inverse time circuit breakers, 10 A to 6,000 A.
    QCOMPARE(items(list("ccOcpd")).mid(0, 4), (QStringList {"Automatic", "10", "15", "20"}));
    QCOMPARE(items(list("ccOcpd")).last(), QStringLiteral("6000"));
    QVERIFY(!items(list("ccOcpd")).contains(QStringLiteral("601")));
    QCOMPARE(items(list("ccMaterial")), (QStringList {"Copper", "Aluminum"}));
    QCOMPARE(items(list("ccEgcMaterial")), (QStringList {"Copper", "Aluminum"}));
    QCOMPARE(
        items(list("ccInsulation")), (QStringList {"THHN/THWN-2", "XHHW-2", "THW", "TW", "RHW-2"}));
    QCOMPARE(items(list("ccTerminal")), (QStringList {"60 °C", "75 °C", "90 °C"}));
    QCOMPARE(list("ccTerminal")->currentText(), QStringLiteral("75 °C"));
    QCOMPARE(items(list("ccSets")).size(), 21);
    QCOMPARE(items(list("ccSets")).last(), QStringLiteral("20"));
    QCOMPARE(items(list("ccConductorCount")).size(), 61);
    QCOMPARE(list("ccConductorCount")->currentText(), QStringLiteral("Automatic"));
    QCOMPARE(items(list("ccMaxSize")).first(), QStringLiteral("14 AWG"));
    QCOMPARE(items(list("ccMaxSize")).last(), QStringLiteral("1000 kcmil"));
    QCOMPARE(list("ccMaxSize")->currentText(), QStringLiteral("500 kcmil"));
    QCOMPARE(items(list("ccAmbientUnit")), (QStringList {"°C", "°F"}));
    QCOMPARE(items(list("ccRaceway")),
        (QStringList {"EMT", "ENT", "FMC", "IMC", "LFMC", "LFNC-A", "LFNC-B", "RMC",
            "PVC Schedule 80", "PVC Schedule 40", "PVC Type A", "PVC Type EB"}));
    QCOMPARE(items(list("ccRacewayMaterial")), (QStringList {"Steel", "Aluminum", "PVC"}));

    const auto text
        = [this](const char* name) { return find<QLineEdit>(QLatin1String(name))->text(); };
    QCOMPARE(text("ccLoad"), QString());
    QCOMPARE(text("ccContinuous"), QStringLiteral("100"));
    QCOMPARE(text("ccAmbient"), QStringLiteral("30"));
    QCOMPARE(text("ccLength"), QString());
    QCOMPARE(text("ccPowerFactor"), QStringLiteral("0.85"));
    QCOMPARE(text("ccDropLimit"), QStringLiteral("3"));
    QCOMPARE(text("ccDropUpstream"), QStringLiteral("0"));
    QCOMPARE(text("ccFaultAmps"), QString());
    QCOMPARE(text("ccMotorAmps"), QStringLiteral("0"));
    QVERIFY(!find<QCheckBox>(QStringLiteral("ccReceptacles"))->isChecked());
    QVERIFY(!find<QCheckBox>(QStringLiteral("ccHarmonicNeutral"))->isChecked());

    // The load and the length are still needed, not wrong.
    QVERIFY(showsNoResult());
    QCOMPARE(find<QLabel>(QStringLiteral("ccProblems"))->text(),
        QStringLiteral("Still needed: load, length."));
    QVERIFY(!find(QStringLiteral("lblLoadProblem"))->isVisible());
}

void CircuitCheckWindowTest::acceptanceFeeder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("powerFactor");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("en_US") << "en_US"
                           << "0.85" << kFeederFigures;
    QTest::newRow("de_DE") << "de_DE"
                           << "0,85"
                           << QStringList {"500 A", "2", "250 kcmil", "terminals", "510 A",
                                  "510,0 A", "2 AWG copper", "2-1/2 EMT", "29,1 %", "1,32 %",
                                  "6,35 V", "473,65 V", "1,32 %", "6,35 V", "567 ft", "19.941 A",
                                  "Meets every check."};
}

// The result follows the typing, with no button to press.
void CircuitCheckWindowTest::acceptanceFeeder()
{
    QFETCH(QString, locale);
    QFETCH(QString, powerFactor);
    QFETCH(QStringList, shown);
    testsupport::LocaleScope scope {QLocale(locale)};
    QVERIFY(open());
    // The power factor starts in the user's decimals.
    QCOMPARE(find<QLineEdit>(QStringLiteral("ccPowerFactor"))->text(), powerFactor);
    QVERIFY(typeFeeder(powerFactor));

    QCOMPARE(figures(), shown);
    QVERIFY(m_window->hasResult());
    QVERIFY(find(QStringLiteral("ccSendToSheet"))->isEnabled());
    QVERIFY(!find(QStringLiteral("ccProblems"))->isVisible());

    const QStringList summary
        = find<QTextEdit>(QStringLiteral("ccSummary"))->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(summary.size(), 13);
    QCOMPARE(summary.first(),
        QStringLiteral(
            "Device rating: 500 A against 500 A needed (125 % of the continuous load plus the "
            "rest): meets"));
    QVERIFY(
        summary.contains(QStringLiteral("Terminals: 510 A at 75 °C against 500 A needed: meets")));
    QCOMPARE(summary.last(), QStringLiteral("Meets every check."));
    const QString working = find<QTextEdit>(QStringLiteral("ccWorking"))->toPlainText();
    QVERIFY(
        working.contains(QStringLiteral("Source: Table 310.16, 75 °C copper, 250 kcmil: 255 A")));
    QVERIFY(working.contains(QStringLiteral("Rule 1, terminals (110.14(C), 215.2(A)(1))")));

    // A third set given takes the figures with it as it is typed.
    type(QStringLiteral("ccSets"), QStringLiteral("3"));
    QCOMPARE(find<QLineEdit>(QStringLiteral("ccResultSets"))->text(), QStringLiteral("3"));
}

void CircuitCheckWindowTest::invalidInput_data()
{
    QTest::addColumn<QString>("system"); // chosen first
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mark"); // the name of its reason: lbl<mark>Problem
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("problem"); // as the list of problems names it

    const QString threePhase = QStringLiteral("3-phase 4-wire");
    QTest::newRow("voltage not a number") << threePhase << "ccVoltage"
                                          << "4,80,0"
                                          << "Voltage"
                                          << "not a number"
                                          << "Voltage: not a number";
    QTest::newRow("voltage too high") << threePhase << "ccVoltage"
                                      << "1200"
                                      << "Voltage"
                                      << "above 0 and at most 1,000 V"
                                      << "Voltage: above 0 and at most 1,000 V";
    QTest::newRow("voltage of 1-phase 3-wire")
        << "1-phase 3-wire"
        << "ccVoltage"
        << "208"
        << "Voltage"
        << "1-phase 3-wire is 120/240 V: 240 V only"
        << "Voltage: 1-phase 3-wire is 120/240 V: 240 V only";
    QTest::newRow("load") << threePhase << "ccLoad"
                          << "-5"
                          << "Load"
                          << "above 0 and at most 1,000,000,000 A"
                          << "Load: above 0 and at most 1,000,000,000 A";
    QTest::newRow("continuous") << threePhase << "ccContinuous"
                                << "120"
                                << "Continuous"
                                << "from 0 to 100 %"
                                << "Continuous part: from 0 to 100 %";
    QTest::newRow("device") << threePhase << "ccOcpd"
                            << "7000"
                            << "Ocpd"
                            << "Automatic, or a whole number of amperes from 1 to 6,000"
                            << "Overcurrent device: Automatic, or a whole number of amperes from "
                               "1 to 6,000";
    QTest::newRow("sets") << threePhase << "ccSets"
                          << "2.5"
                          << "Sets"
                          << "Automatic, or a whole number from 1 to 20"
                          << "Parallel sets: Automatic, or a whole number from 1 to 20";
    QTest::newRow("ambient") << threePhase << "ccAmbient"
                             << "-300"
                             << "Ambient"
                             << "from -273.15 to 1,000.00 °C"
                             << "Ambient temperature: from -273.15 to 1,000.00 °C";
    QTest::newRow("conductor count")
        << threePhase << "ccConductorCount"
        << "61"
        << "ConductorCount"
        << "Automatic, or a whole number from 1 to 60"
        << "Current-carrying conductors: Automatic, or a whole number from 1 to 60";
    QTest::newRow("length") << threePhase << "ccLength"
                            << "0"
                            << "Length"
                            << "above 0 and at most 100,000 ft"
                            << "Length: above 0 and at most 100,000 ft";
    QTest::newRow("power factor") << threePhase << "ccPowerFactor"
                                  << "0.4"
                                  << "PowerFactor"
                                  << "from 0.50 to 1.00"
                                  << "Power factor: from 0.50 to 1.00";
    QTest::newRow("drop limit") << threePhase << "ccDropLimit"
                                << "0"
                                << "DropLimit"
                                << "above 0 and at most 100 %"
                                << "Voltage-drop limit: above 0 and at most 100 %";
    QTest::newRow("drop upstream") << threePhase << "ccDropUpstream"
                                   << "x"
                                   << "DropUpstream"
                                   << "not a number"
                                   << "Drop upstream: not a number";
    QTest::newRow("fault") << threePhase << "ccFaultAmps"
                           << "400000"
                           << "FaultAmps"
                           << "above 0 and at most 300,000 A"
                           << "Available fault current: above 0 and at most 300,000 A";
    QTest::newRow("motors") << threePhase << "ccMotorAmps"
                            << "-1"
                            << "MotorAmps"
                            << "from 0 to 1,000,000,000 A"
                            << "Motor load: from 0 to 1,000,000,000 A";
}

// A refused text is marked at its field, with its reason below it, in its tooltip and for
// a screen reader, and in the list of problems; no result is shown meanwhile, and none of
// the other fields is marked. Putting the text right brings the result back.
void CircuitCheckWindowTest::invalidInput()
{
    QFETCH(QString, system);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, mark);
    QFETCH(QString, reason);
    QFETCH(QString, problem);
    QVERIFY(open());
    type(QStringLiteral("ccLoad"), QStringLiteral("400"));
    type(QStringLiteral("ccLength"), QStringLiteral("250"));
    QVERIFY(choose(QStringLiteral("ccSystem"), system));
    if (system == QLatin1String("1-phase 3-wire"))
        type(QStringLiteral("ccVoltage"), QStringLiteral("240"));
    QVERIFY(m_window->hasResult());
    QWidget* control = find(field);
    const QString tip = control->toolTip();

    const QString good = qobject_cast<QComboBox*>(control)
        ? qobject_cast<QComboBox*>(control)->currentText()
        : qobject_cast<QLineEdit*>(control)->text();
    type(field, text);

    const QString shown = QStringLiteral("Invalid: ") + reason;
    auto* label = find<QLabel>(QStringLiteral("lbl%1Problem").arg(mark));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), shown);
    auto* sign = m_window->findChild<QAction*>(QStringLiteral("lbl%1ProblemSign").arg(mark));
    QVERIFY(sign);
    QVERIFY(sign->isVisible());
    QCOMPARE(control->toolTip(), tip + QStringLiteral("\n\n") + shown);
    QCOMPARE(control->accessibleDescription(), shown);
    for (const QString& other : kMarkedFields) {
        if (other != mark)
            QVERIFY2(
                !find(QStringLiteral("lbl%1Problem").arg(other))->isVisible(), qPrintable(other));
    }
    QVERIFY(find(QStringLiteral("ccProblems"))->isVisible());
    QCOMPARE(find<QLabel>(QStringLiteral("ccProblems"))->text(), problem);
    QVERIFY(showsNoResult());

    type(field, good);
    QVERIFY(!label->isVisible());
    QVERIFY(!sign->isVisible());
    QCOMPARE(control->toolTip(), tip);
    QCOMPARE(control->accessibleDescription(), QString());
    QVERIFY(!find(QStringLiteral("ccProblems"))->isVisible());
    QVERIFY(m_window->hasResult());
    QVERIFY(find(QStringLiteral("ccSendToSheet"))->isEnabled());
}

// An emptied box is still needed, not wrong: it is listed, not marked.
void CircuitCheckWindowTest::stillNeeded()
{
    QVERIFY(open());
    QVERIFY(typeFeeder());
    QVERIFY(m_window->hasResult());
    type(QStringLiteral("ccLength"), QString());
    type(QStringLiteral("ccVoltage"), QString());
    QVERIFY(showsNoResult());
    QCOMPARE(find<QLabel>(QStringLiteral("ccProblems"))->text(),
        QStringLiteral("Still needed: voltage, length."));
    QVERIFY(!find(QStringLiteral("lblLengthProblem"))->isVisible());
    QVERIFY(!find(QStringLiteral("lblVoltageProblem"))->isVisible());
    // A wrong box and an empty one: both listed, the wrong one first.
    type(QStringLiteral("ccLoad"), QStringLiteral("lots"));
    QCOMPARE(find<QLabel>(QStringLiteral("ccProblems"))->text(),
        QStringLiteral("Load: not a number\nStill needed: voltage, length."));
}

// The grounding conductor's material follows the phases', and the raceway's material its
// type, until the user picks one; after that each stays as picked.
void CircuitCheckWindowTest::listsFollowUntilPicked()
{
    QVERIFY(open());
    auto* egc = find<QComboBox>(QStringLiteral("ccEgcMaterial"));
    auto* racewayMaterial = find<QComboBox>(QStringLiteral("ccRacewayMaterial"));

    QVERIFY(choose(QStringLiteral("ccMaterial"), QStringLiteral("Aluminum")));
    QCOMPARE(egc->currentText(), QStringLiteral("Aluminum"));
    QVERIFY(choose(QStringLiteral("ccMaterial"), QStringLiteral("Copper")));
    QCOMPARE(egc->currentText(), QStringLiteral("Copper"));
    // Picking the item shown counts as a pick.
    QVERIFY(choose(QStringLiteral("ccEgcMaterial"), QStringLiteral("Copper")));
    QVERIFY(choose(QStringLiteral("ccMaterial"), QStringLiteral("Aluminum")));
    QCOMPARE(egc->currentText(), QStringLiteral("Copper"));

    QVERIFY(choose(QStringLiteral("ccRaceway"), QStringLiteral("PVC Schedule 40")));
    QCOMPARE(racewayMaterial->currentText(), QStringLiteral("PVC"));
    QVERIFY(choose(QStringLiteral("ccRaceway"), QStringLiteral("RMC")));
    QCOMPARE(racewayMaterial->currentText(), QStringLiteral("Steel"));
    QVERIFY(choose(QStringLiteral("ccRaceway"), QStringLiteral("LFNC-B")));
    QCOMPARE(racewayMaterial->currentText(), QStringLiteral("PVC"));
    QVERIFY(choose(QStringLiteral("ccRaceway"), QStringLiteral("EMT")));
    QVERIFY(choose(QStringLiteral("ccRacewayMaterial"), QStringLiteral("Aluminum")));
    QVERIFY(choose(QStringLiteral("ccRaceway"), QStringLiteral("RMC")));
    QCOMPARE(racewayMaterial->currentText(), QStringLiteral("Aluminum"));

    // The check reads the lists as they show: the copper grounding conductor as picked.
    type(QStringLiteral("ccLoad"), QStringLiteral("400"));
    type(QStringLiteral("ccLength"), QStringLiteral("250"));
    QVERIFY(
        find<QLineEdit>(QStringLiteral("ccResultEgc"))->text().endsWith(QLatin1String("copper")));
}

// DC offers its own voltages and keeps the text typed; it reads no power factor and works
// no fault current. Only 3-phase 4-wire has a neutral that counts.
void CircuitCheckWindowTest::systemDecidesWhatIsOffered()
{
    QVERIFY(open());
    auto* voltage = find<QComboBox>(QStringLiteral("ccVoltage"));
    auto* harmonic = find(QStringLiteral("ccHarmonicNeutral"));
    type(QStringLiteral("ccVoltage"), QStringLiteral("277"));

    QVERIFY(choose(QStringLiteral("ccSystem"), QStringLiteral("DC 2-wire")));
    QCOMPARE(voltage->itemText(0), QStringLiteral("12"));
    QCOMPARE(voltage->count(), 6);
    QCOMPARE(voltage->currentText(), QStringLiteral("277"));
    QVERIFY(!harmonic->isEnabled());
    for (const char* name : {"ccPowerFactor", "ccFaultAmps", "ccMotorAmps"})
        QVERIFY2(!find(QLatin1String(name))->isEnabled(), name);
    // A power factor DC does not read is not refused.
    type(QStringLiteral("ccLoad"), QStringLiteral("20"));
    type(QStringLiteral("ccLength"), QStringLiteral("50"));
    find<QLineEdit>(QStringLiteral("ccPowerFactor"))->setText(QStringLiteral("2"));
    QVERIFY(m_window->hasResult());
    QCOMPARE(find<QLineEdit>(QStringLiteral("ccResultExactDrop"))->text(), QString());

    QVERIFY(choose(QStringLiteral("ccSystem"), QStringLiteral("1-phase 3-wire")));
    QCOMPARE(voltage->itemText(0), QStringLiteral("120"));
    QCOMPARE(voltage->currentText(), QStringLiteral("277"));
    QVERIFY(!harmonic->isEnabled());
    QVERIFY(find(QStringLiteral("ccPowerFactor"))->isEnabled());
    QVERIFY(find(QStringLiteral("lblPowerFactorProblem"))->isVisible());
    QVERIFY(choose(QStringLiteral("ccSystem"), QStringLiteral("3-phase 4-wire")));
    QVERIFY(harmonic->isEnabled());
}

// Send to Sheet dates the report at the press; through the main window it reaches the
// results sheet, which comes up with it.
void CircuitCheckWindowTest::sendsTheReportToTheSheet()
{
    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    MainWindow* main = windows.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->showCircuitCheck();
    m_window = qobject_cast<CircuitCheckWindow*>(
        testsupport::shownWindow(QStringLiteral("CircuitCheck")));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QVERIFY(typeFeeder());

    QSignalSpy reports(m_window, &CircuitCheckWindow::reportReady);
    const QString before = ui::generalDateTimeText(QDateTime::currentDateTime());
    QTest::mouseClick(find(QStringLiteral("ccSendToSheet")), Qt::LeftButton);
    const QString after = ui::generalDateTimeText(QDateTime::currentDateTime());
    QCOMPARE(reports.count(), 1);
    const QString report = reports.first().first().toString();
    const QString stamp = report.section(QStringLiteral("\r\n"), 2, 2);
    QVERIFY2(stamp == before || stamp == after, qPrintable(stamp));
    QVERIFY(
        report.startsWith(QStringLiteral("Calculation Type: Circuit Check (NEC 2023)\r\n\r\n")));
    QVERIFY(report.contains(QStringLiteral("\r\nMeets every check.\r\n")));

    CalcSheet* sheet = windows.calcSheet();
    QVERIFY(sheet);
    QVERIFY(sheet->isVisible());
    const QString sheetText = sheet->document()->toPlainText();
    QVERIFY(sheetText.contains(
        QStringLiteral("Calculation Type: Circuit Check (NEC 2023)\n\n") + stamp));
    QVERIFY(sheetText.contains(
        QStringLiteral("Grounding conductor: 2 AWG copper, one in each of the 2 raceways")));
}

// Ctrl+K opens the one window, brings it forward again and keeps what was typed; it
// closes with the main window.
void CircuitCheckWindowTest::menuOpensOneWindowThatClosesWithTheMainWindow()
{
    VoltageDropCalculator calculator;
    QPointer<MainWindow> main = new MainWindow(calculator);
    main->show();
    QVERIFY(testsupport::activate(main));
    auto* action = main->findChild<QAction*>(QStringLiteral("actionCircuitCheck"));
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("&Circuit Check…"));
    QVERIFY(main->toolsMenu()->menuAction()->isVisible());
    QVERIFY(main->toolsMenu()->actions().contains(action));

    QTest::keyClick(main, Qt::Key_K, Qt::ControlModifier);
    m_window = qobject_cast<CircuitCheckWindow*>(
        testsupport::shownWindow(QStringLiteral("CircuitCheck")));
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    type(QStringLiteral("ccLoad"), QStringLiteral("125"));
    m_window->close();
    QVERIFY(testsupport::activate(main));

    QTest::keyClick(main, Qt::Key_K, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(find<QLineEdit>(QStringLiteral("ccLoad"))->text(), QStringLiteral("125"));
    QVERIFY(testsupport::activate(main));
    action->trigger();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    int windows = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        windows += window->objectName() == QLatin1String("CircuitCheck");
    QCOMPARE(windows, 1);

    main->close();
    QTRY_VERIFY(!main);
    QVERIFY(!m_window);
}

TAVILON_WIDGET_TEST_MAIN(CircuitCheckWindowTest)
#include "circuit_check_window_test.moc"
