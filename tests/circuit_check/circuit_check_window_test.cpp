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
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTextEdit>

namespace {

// The key-figure fields, in the order of the form.
const QStringList kResultFields {"ccResultOcpd", "ccResultSets", "ccResultSize",
    "ccResultGoverning", "ccResultTerminalAmps", "ccResultCorrectedAmps", "ccResultEgc",
    "ccResultRaceway", "ccResultFill", "ccResultDrop", "ccResultDropVolts", "ccResultLoadVolts",
    "ccResultTotalDrop", "ccResultExactDrop", "ccResultMaxLength", "ccResultFault",
    "ccResultVerdict"};

// The boxes whose text can be refused, by the names of their reasons: lbl<name>Problem.
const QStringList kMarks {"Voltage", "Load", "Continuous", "Ocpd", "Sets", "Ambient",
    "ConductorCount", "Length", "PowerFactor", "DropLimit", "DropUpstream", "FaultAmps",
    "MotorAmps"};

// The acceptance feeder: 400 A continuous, 250 ft, at 40 °C, 42,000 A at the source with
// 100 A of motors, the rest as the window opens (480 V 3-phase 4-wire, copper THHN/THWN-2
// on 75 °C terminals in EMT, 3 %); the power factor follows in the user's decimals.
const QStringList kFeeder {"ccLoad", "400", "ccAmbient", "40", "ccLength", "250", "ccFaultAmps",
    "42000", "ccMotorAmps", "100", "ccPowerFactor"};

} // namespace

class CircuitCheckWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { testsupport::deleteTopLevelWindows(); }
    void controls_data();
    void controls();
    void acceptanceFeeder_data();
    void acceptanceFeeder();
    void invalidInput_data();
    void invalidInput();

private:
    template<typename T = QWidget>
    T* find(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_window, name, where);
    }
    // Each control's text as the user gives it, control and text one after the other.
    [[nodiscard]] bool enter(const QStringList& entries) const
    {
        for (qsizetype i = 0; i + 1 < entries.size(); i += 2) {
            if (!testsupport::enter(find(entries[i]), entries[i + 1]))
                return false;
        }
        return true;
    }
    [[nodiscard]] bool open(const QStringList& entries = {})
    {
        m_window = new CircuitCheckWindow;
        m_window->show();
        return QTest::qWaitForWindowActive(m_window) && enter(entries);
    }
    QString field(const char* name) const
    {
        return testsupport::shownText(find(QLatin1String(name)));
    }
    bool showsNoResult() const
    {
        QString shown;
        for (const QString& name : kResultFields + QStringList {"ccSummary", "ccWorking"})
            shown += testsupport::shownText(find(name));
        return shown.isEmpty() && !find(QStringLiteral("ccSendToSheet"))->isEnabled()
            && !m_window->hasResult();
    }

    QPointer<CircuitCheckWindow> m_window;
};

void CircuitCheckWindowTest::controls_data()
{
    QTest::addColumn<QStringList>("entries"); // given first
    // "control=what it shows", for a list with " [its count: its first items]"
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("as it opens")
        << QStringList {}
        << QStringList {"ccSystem=3-phase 4-wire [5: DC 2-wire|1-phase "
                        "2-wire|1-phase 3-wire|3-phase 3-wire|3-phase 4-wire]",
               "ccVoltage=480 [6: 120|208|240|277|480|600]",
               "ccLoad=", "ccLoadUnit=A [3: A|kVA|kW]",
               "ccCircuitKind=Feeder [2: Feeder|Branch circuit]", "ccContinuous=100",
               // The standard ratings of 240.6(A), 10 A to 6,000 A.
               "ccOcpd=Automatic [39: Automatic|10|15|20|25]", "ccReceptacles=unchecked",
               "ccMaterial=Copper [2: Copper|Aluminum]",
               "ccEgcMaterial=Copper [2: Copper|Aluminum]",
               "ccInsulation=THHN/THWN-2 [5: THHN/THWN-2|XHHW-2|THW|TW|RHW-2]",
               "ccTerminal=75 °C [3: 60 °C|75 °C|90 °C]", "ccSets=Automatic [21: Automatic|1|2]",
               "ccMaxSize=500 kcmil [21: 14 AWG|12 AWG]", "ccAmbient=30",
               "ccAmbientUnit=°C [2: °C|°F]", "ccConductorCount=Automatic [61: Automatic|1|2]",
               "ccHarmonicNeutral=unchecked", "ccLength=",
               "ccRaceway=EMT [12: EMT|ENT|FMC|IMC|LFMC|LFNC-A|LFNC-B|RMC|PVC "
               "Schedule 80|PVC Schedule 40|PVC Type A|PVC Type EB]",
               "ccRacewayMaterial=Steel [3: Steel|Aluminum|PVC]", "ccPowerFactor=0.85",
               "ccDropLimit=3", "ccDropUpstream=0", "ccFaultAmps=", "ccMotorAmps=0",
               "ccProblems=Still needed: load, length."};
    // The grounding conductor's material follows the phases', and the raceway's material
    // its type, until the user picks one (the item shown counts as a pick). The check reads
    // the lists as they show: 2 AWG for the 500 A device, copper as picked.
    QTest::newRow("follow") << QStringList {"ccMaterial", "Aluminum", "ccRaceway",
        "PVC Schedule 40"} << QStringList {"ccEgcMaterial=Aluminum", "ccRacewayMaterial=PVC"};
    QTest::newRow("follow back") << QStringList {"ccRaceway", "PVC Schedule 40", "ccRaceway", "RMC"}
                                 << QStringList {"ccRacewayMaterial=Steel"};
    QTest::newRow("picked") << QStringList {"ccEgcMaterial", "Copper", "ccMaterial", "Aluminum",
        "ccRacewayMaterial", "Steel", "ccRaceway", "LFNC-B", "ccLoad", "400", "ccLength", "250"}
                            << QStringList {"ccEgcMaterial=Copper", "ccRacewayMaterial=Steel",
                                   "ccResultEgc=2 AWG copper"};
    // DC offers its own voltages and keeps the text typed; it reads no power factor and
    // works no fault current. Only 3-phase 4-wire has a neutral that counts.
    QTest::newRow("DC") << QStringList {"ccVoltage", "277", "ccSystem", "DC 2-wire"}
                        << QStringList {"ccVoltage=277 [6: 12|24|48]", "ccPowerFactor=off: 0.85",
                               "ccFaultAmps=off: ", "ccMotorAmps=off: 0",
                               "ccHarmonicNeutral=off: unchecked"};
    QTest::newRow("1-phase 3-wire after DC")
        << QStringList {"ccVoltage", "277", "ccSystem", "DC 2-wire", "ccSystem", "1-phase 3-wire"}
        << QStringList {"ccVoltage=277 [6: 120|208|240]", "ccPowerFactor=0.85",
               "ccFaultAmps=", "ccHarmonicNeutral=off: unchecked"};
}

// What the window shows as it opens, and after the entries.
void CircuitCheckWindowTest::controls()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, shown);
    QVERIFY(open());
    QVERIFY(showsNoResult());
    QVERIFY(enter(entries));
    for (const QString& expected : shown) {
        QWidget* control = find(expected.section('=', 0, 0));
        QString seen = control->objectName() + '=' + testsupport::shownText(control);
        if (const auto* list = qobject_cast<QComboBox*>(control); list && expected.endsWith(']')) {
            QStringList items;
            for (qsizetype i = 0; i <= expected.section(QStringLiteral(": "), -1).count('|'); ++i)
                items << list->itemText(int(i));
            seen += QStringLiteral(" [%1: %2]").arg(list->count()).arg(items.join('|'));
        }
        QCOMPARE(seen, expected);
    }
}

void CircuitCheckWindowTest::acceptanceFeeder_data()
{
    QTest::addColumn<QString>("powerFactor"); // the locale is the row's name
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("dropLine"); // of the summary

    QTest::newRow("en_US") << "0.85"
                           << QStringList {"500 A", "2", "250 kcmil", "terminals", "510 A",
                                  "510.0 A", "2 AWG copper", "2-1/2 EMT", "29.1 %", "1.32 %",
                                  "6.35 V", "473.65 V", "1.32 %", "6.35 V", "567 ft", "19,941 A",
                                  "Meets every check."}
                           << "Voltage drop: 6.35 V, 1.32 %, 473.65 V at the load, against the "
                              "design limit of 3 %: meets";
    QTest::newRow("de_DE") << "0,85"
                           << QStringList {"500 A", "2", "250 kcmil", "terminals", "510 A",
                                  "510,0 A", "2 AWG copper", "2-1/2 EMT", "29,1 %", "1,32 %",
                                  "6,35 V", "473,65 V", "1,32 %", "6,35 V", "567 ft", "19.941 A",
                                  "Meets every check."}
                           << "Voltage drop: 6,35 V, 1,32 %, 473,65 V at the load, against the "
                              "design limit of 3 %: meets";
}

// Ctrl+K opens the window; the result follows the typing, with no button to press. Send to
// Sheet dates the report at the press, and the results sheet comes up with it. The window
// closes with the main window.
void CircuitCheckWindowTest::acceptanceFeeder()
{
    QFETCH(QString, powerFactor);
    QFETCH(QStringList, figures);
    QFETCH(QString, dropLine);
    const testsupport::LocaleScope scope {QLocale(QLatin1String(QTest::currentDataTag()))};
    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    QPointer<MainWindow> main = windows.showMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(main->toolsMenu()->actions().contains(
        main->findChild<QAction*>(QStringLiteral("actionCircuitCheck"))));
    QTest::keyClick(main, Qt::Key_K, Qt::ControlModifier);
    m_window = qobject_cast<CircuitCheckWindow*>(
        testsupport::shownWindow(QStringLiteral("CircuitCheck")));
    QVERIFY(m_window && QTest::qWaitForWindowActive(m_window));
    QCOMPARE(field("ccPowerFactor"), powerFactor); // it starts in the user's decimals
    QVERIFY(enter(kFeeder + QStringList {powerFactor}));

    QStringList shown;
    for (const QString& name : kResultFields)
        shown << find<QLineEdit>(name)->text();
    QCOMPARE(shown, figures);
    QVERIFY(!find(QStringLiteral("ccProblems"))->isVisible());
    const QStringList summary = field("ccSummary").split(QLatin1Char('\n'));
    QVERIFY2(summary.contains(dropLine), qPrintable(summary.join('\n')));
    QCOMPARE(summary.last(), QStringLiteral("Meets every check."));
    QVERIFY(field("ccWorking")
                .contains(QStringLiteral("Source: Table 310.16, 75 °C copper, 250 kcmil: 255 A")));
    // A third set given takes the figures with it as it is typed, and the report too.
    QVERIFY(enter({"ccSets", "3"}));
    QCOMPARE(field("ccResultSets"), QStringLiteral("3"));

    QSignalSpy reports(m_window.data(), &CircuitCheckWindow::reportReady);
    const QString before = ui::generalDateTimeText(QDateTime::currentDateTime());
    QTest::mouseClick(find(QStringLiteral("ccSendToSheet")), Qt::LeftButton);
    const QString after = ui::generalDateTimeText(QDateTime::currentDateTime());
    QCOMPARE(reports.count(), 1);
    const QString stamp = reports.first().first().toString().section(QStringLiteral("\r\n"), 2, 2);
    QVERIFY2(stamp == before || stamp == after, qPrintable(stamp));
    QVERIFY(windows.calcSheet() && windows.calcSheet()->isVisible());
    const QString sheet = windows.calcSheet()->document()->toPlainText();
    QVERIFY2(
        sheet.contains(QStringLiteral("Calculation Type: Circuit Check (NEC 2023)\n\n") + stamp)
            && sheet.contains(QStringLiteral("Grounding conductor: 2 AWG copper, one in each of "
                                             "the 3 raceways")),
        qPrintable(sheet));

    main->close();
    QTRY_VERIFY(!main);
    QVERIFY(!m_window);
}

void CircuitCheckWindowTest::invalidInput_data()
{
    QTest::addColumn<QStringList>("entries"); // after the load and the length
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mark"); // lbl<mark>Problem; none for a box still needed
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("problems"); // as the list of problems says them

    const auto row = [](const char* tag, const char* box, const char* text, const char* mark,
                         const QString& name, const QString& reason,
                         const QStringList& entries = {}) {
        QTest::newRow(tag) << entries << box << text << mark << reason << name + ": " + reason;
    };
    row("not a number", "ccVoltage", "4,80,0", "Voltage", "Voltage", "not a number");
    row("out of range", "ccLoad", "-5", "Load", "Load", "above 0 and at most 1,000,000,000 A");
    row("not the system's voltage", "ccVoltage", "208", "Voltage", "Voltage",
        "1-phase 3-wire is 120/240 V: 240 V only",
        {"ccSystem", "1-phase 3-wire", "ccVoltage", "240"});
    row("not a rating", "ccOcpd", "7000", "Ocpd", "Overcurrent device",
        "Automatic, or a whole number of amperes from 1 to 6,000");
    row("not whole", "ccSets", "2.5", "Sets", "Parallel sets",
        "Automatic, or a whole number from 1 to 20");
    row("below the least", "ccPowerFactor", "0.4", "PowerFactor", "Power factor",
        "from 0.50 to 1.00");
    row("above the most", "ccFaultAmps", "400000", "FaultAmps", "Available fault current",
        "above 0 and at most 300,000 A");
    // An emptied box is still needed, not wrong: it is listed, not marked.
    QTest::newRow("emptied") << QStringList {} << "ccLength" << QString() << QString() << QString()
                             << "Still needed: length.";
}

// A refused text is marked at its field, with its reason below it, in its tooltip and for
// a screen reader, and in the list of problems; no result is shown meanwhile, and none of
// the other fields is marked. Putting the text right brings the result back.
void CircuitCheckWindowTest::invalidInput()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, mark);
    QFETCH(QString, reason);
    QFETCH(QString, problems);
    QVERIFY(open(QStringList {"ccLoad", "400", "ccLength", "250"} + entries));
    QVERIFY(m_window->hasResult());
    QWidget* control = find(box);
    const QString tip = control->toolTip();
    const QString good = testsupport::shownText(control);
    QVERIFY(enter({box, text}));

    const QString words = QStringLiteral("Invalid: ") + reason;
    for (const QString& other : kMarks) {
        const bool marked = other == mark;
        QCOMPARE(find(QStringLiteral("lbl%1Problem").arg(other))->isVisible(), marked);
        auto* sign = m_window->findChild<QAction*>(QStringLiteral("lbl%1ProblemSign").arg(other));
        QCOMPARE(sign && sign->isVisible(), marked);
        if (marked)
            QCOMPARE(
                testsupport::shownText(find(QStringLiteral("lbl%1Problem").arg(other))), words);
    }
    QCOMPARE(control->toolTip(), mark.isEmpty() ? tip : tip + QStringLiteral("\n\n") + words);
    QCOMPARE(control->accessibleDescription(), mark.isEmpty() ? QString() : words);
    QVERIFY(find(QStringLiteral("ccProblems"))->isVisible());
    QCOMPARE(field("ccProblems"), problems);
    QVERIFY(showsNoResult());

    QVERIFY(enter({box, good}));
    for (const QString& other : kMarks)
        QVERIFY2(!find(QStringLiteral("lbl%1Problem").arg(other))->isVisible(), qPrintable(other));
    QCOMPARE(control->toolTip(), tip);
    QCOMPARE(control->accessibleDescription(), QString());
    QVERIFY(!find(QStringLiteral("ccProblems"))->isVisible());
    QVERIFY(m_window->hasResult());
}

TAVILON_WIDGET_TEST_MAIN(CircuitCheckWindowTest)
#include "circuit_check_window_test.moc"
