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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTextEdit>

#include <cstring>

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

// The acceptance feeder: 400 A continuous, 480 V 3-phase 4-wire, 250 ft, copper THHN/THWN-2
// on 75 °C terminals at 40 °C in EMT, 3 %, 42,000 A at the source with 100 A of motors;
// the power factor follows in the user's decimals.
const QStringList kFeeder {"ccSystem", "3-phase 4-wire", "ccVoltage", "480", "ccLoad", "400",
    "ccLoadUnit", "A", "ccContinuous", "100", "ccMaterial", "Copper", "ccInsulation", "THHN/THWN-2",
    "ccTerminal", "75 °C", "ccAmbient", "40", "ccLength", "250", "ccRaceway", "EMT", "ccDropLimit",
    "3", "ccFaultAmps", "42000", "ccMotorAmps", "100", "ccPowerFactor"};

// What a control shows: its text, or a check box's state; "off: " before it while the
// control is off.
QString shown(const QWidget* control)
{
    QString text;
    if (const auto* edit = qobject_cast<const QTextEdit*>(control))
        text = edit->toPlainText();
    else if (const auto* list = qobject_cast<const QComboBox*>(control))
        text = list->currentText();
    else if (const auto* box = qobject_cast<const QLineEdit*>(control))
        text = box->text();
    else if (const auto* check = qobject_cast<const QCheckBox*>(control))
        text = check->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    else
        text = qobject_cast<const QLabel*>(control)->text();
    return control->isEnabled() ? text : QStringLiteral("off: ") + text;
}

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
    // Each control's text as the user gives it, control and text one after the other:
    // chosen from a list, or typed key by key into a box or an editable list.
    [[nodiscard]] bool enter(const QStringList& entries) const
    {
        for (qsizetype i = 0; i + 1 < entries.size(); i += 2) {
            QWidget* control = find(entries[i]);
            auto* list = qobject_cast<QComboBox*>(control);
            if (list && !list->isEditable()) {
                if (!testsupport::chooseFromList(list, entries[i + 1]))
                    return false;
                continue;
            }
            QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
            if (!box)
                return false;
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClicks(box, entries[i + 1]);
        }
        return true;
    }
    [[nodiscard]] bool open(const QStringList& entries = {})
    {
        m_window = new CircuitCheckWindow;
        m_window->show();
        return QTest::qWaitForWindowActive(m_window) && enter(entries);
    }
    QString field(const char* name) const { return ::shown(find(QLatin1String(name))); }
    bool showsNoResult() const
    {
        for (const QString& name : kResultFields) {
            if (!find<QLineEdit>(name)->text().isEmpty())
                return false;
        }
        return field("ccSummary").isEmpty() && field("ccWorking").isEmpty()
            && !find(QStringLiteral("ccSendToSheet"))->isEnabled() && !m_window->hasResult();
    }

    QPointer<CircuitCheckWindow> m_window;
};

void CircuitCheckWindowTest::controls_data()
{
    QTest::addColumn<QStringList>("entries"); // given first
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("items"); // a list's first items
    QTest::addColumn<int>("count");

    const auto after = [](const char* tag, const QStringList& entries, const char* name,
                           const char* shown, const QStringList& items = {}, int count = 0) {
        QTest::newRow(tag) << entries << name << shown << items
                           << (count ? count : int(items.size()));
    };
    const auto starts = [&after](const char* name, const char* shown, const QStringList& items = {},
                            int count = 0) { after(name, {}, name, shown, items, count); };
    starts("ccSystem", "3-phase 4-wire",
        {"DC 2-wire", "1-phase 2-wire", "1-phase 3-wire", "3-phase 3-wire", "3-phase 4-wire"});
    starts("ccVoltage", "480", {"120", "208", "240", "277", "480", "600"});
    starts("ccLoadUnit", "A", {"A", "kVA", "kW"});
    starts("ccCircuitKind", "Feeder", {"Feeder", "Branch circuit"});
    // The standard ratings of 240.6(A), 10 A to 6,000 A.
    starts("ccOcpd", "Automatic", {"Automatic", "10", "15", "20", "25"}, 39);
    starts("ccMaterial", "Copper", {"Copper", "Aluminum"});
    starts("ccEgcMaterial", "Copper", {"Copper", "Aluminum"});
    starts("ccInsulation", "THHN/THWN-2", {"THHN/THWN-2", "XHHW-2", "THW", "TW", "RHW-2"});
    starts("ccTerminal", "75 °C", {"60 °C", "75 °C", "90 °C"});
    starts("ccSets", "Automatic", {"Automatic", "1", "2"}, 21);
    starts("ccMaxSize", "500 kcmil", {"14 AWG", "12 AWG"}, 21);
    starts("ccAmbientUnit", "°C", {"°C", "°F"});
    starts("ccConductorCount", "Automatic", {"Automatic", "1", "2"}, 61);
    starts("ccRaceway", "EMT",
        {"EMT", "ENT", "FMC", "IMC", "LFMC", "LFNC-A", "LFNC-B", "RMC", "PVC Schedule 80",
            "PVC Schedule 40", "PVC Type A", "PVC Type EB"});
    starts("ccRacewayMaterial", "Steel", {"Steel", "Aluminum", "PVC"});
    for (const char* box : {"ccLoad=", "ccContinuous=100", "ccAmbient=30",
             "ccLength=", "ccPowerFactor=0.85", "ccDropLimit=3", "ccDropUpstream=0",
             "ccFaultAmps=", "ccMotorAmps=0", "ccReceptacles=unchecked",
             "ccHarmonicNeutral=unchecked", "ccProblems=Still needed: load, length."}) {
        const QByteArray name = QByteArray(box).split('=').value(0);
        starts(name.constData(), std::strchr(box, '=') + 1);
    }

    // The grounding conductor's material follows the phases', and the raceway's material
    // its type, until the user picks one (the item shown counts as a pick).
    after("egc follows", {"ccMaterial", "Aluminum"}, "ccEgcMaterial", "Aluminum");
    after("egc picked", {"ccEgcMaterial", "Copper", "ccMaterial", "Aluminum"}, "ccEgcMaterial",
        "Copper");
    after("raceway material follows", {"ccRaceway", "PVC Schedule 40"}, "ccRacewayMaterial", "PVC");
    after("raceway material follows back", {"ccRaceway", "PVC Schedule 40", "ccRaceway", "RMC"},
        "ccRacewayMaterial", "Steel");
    after("raceway material picked", {"ccRacewayMaterial", "Steel", "ccRaceway", "LFNC-B"},
        "ccRacewayMaterial", "Steel");
    // The check reads the lists as they show: 2 AWG for the 500 A device, copper as picked.
    after("egc as picked",
        {"ccEgcMaterial", "Copper", "ccMaterial", "Aluminum", "ccLoad", "400", "ccLength", "250"},
        "ccResultEgc", "2 AWG copper");
    // DC offers its own voltages and keeps the text typed; it reads no power factor and
    // works no fault current. Only 3-phase 4-wire has a neutral that counts.
    after("DC voltages", {"ccVoltage", "277", "ccSystem", "DC 2-wire"}, "ccVoltage", "277",
        {"12", "24", "48"}, 6);
    for (const char* name : {"ccPowerFactor=off: 0.85", "ccFaultAmps=off: ", "ccMotorAmps=off: 0",
             "ccHarmonicNeutral=off: unchecked"}) {
        const QByteArray control = QByteArray(name).split('=').value(0);
        after(name, {"ccSystem", "DC 2-wire"}, control.constData(), std::strchr(name, '=') + 1);
    }
    after("1-phase 3-wire voltages",
        {"ccVoltage", "277", "ccSystem", "DC 2-wire", "ccSystem", "1-phase 3-wire"}, "ccVoltage",
        "277", {"120", "208", "240"}, 6);
    after("1-phase 3-wire neutral", {"ccSystem", "1-phase 3-wire"}, "ccHarmonicNeutral",
        "off: unchecked");
}

// What the window shows as it opens, and after the entries.
void CircuitCheckWindowTest::controls()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(QStringList, items);
    QFETCH(int, count);
    QVERIFY(open());
    QCOMPARE(showsNoResult(), true);
    QVERIFY(enter(entries));
    QWidget* widget = find(control);
    QCOMPARE(::shown(widget), shown);
    if (auto* list = qobject_cast<QComboBox*>(widget); list && count) {
        QCOMPARE(list->count(), count);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(list->itemText(i), items[i]);
    }
}

void CircuitCheckWindowTest::acceptanceFeeder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("powerFactor");
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("dropLine"); // of the summary

    QTest::newRow("en_US") << "en_US"
                           << "0.85"
                           << QStringList {"500 A", "2", "250 kcmil", "terminals", "510 A",
                                  "510.0 A", "2 AWG copper", "2-1/2 EMT", "29.1 %", "1.32 %",
                                  "6.35 V", "473.65 V", "1.32 %", "6.35 V", "567 ft", "19,941 A",
                                  "Meets every check."}
                           << "Voltage drop: 6.35 V, 1.32 %, 473.65 V at the load, against the "
                              "design limit of 3 %: meets";
    QTest::newRow("de_DE") << "de_DE"
                           << "0,85"
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
    QFETCH(QString, locale);
    QFETCH(QString, powerFactor);
    QFETCH(QStringList, figures);
    QFETCH(QString, dropLine);
    const testsupport::LocaleScope scope {QLocale(locale)};
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
    QVERIFY(
        sheet.contains(QStringLiteral("Calculation Type: Circuit Check (NEC 2023)\n\n") + stamp));
    QVERIFY2(
        sheet.contains(QStringLiteral("Grounding conductor: 2 AWG copper, one in each of the 3 "
                                      "raceways")),
        qPrintable(sheet));

    main->close();
    QTRY_VERIFY(!main);
    QVERIFY(!m_window);
}

void CircuitCheckWindowTest::invalidInput_data()
{
    QTest::addColumn<QString>("system"); // chosen first
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mark"); // lbl<mark>Problem; none for a box still needed
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("problems"); // as the list of problems says them

    const auto row
        = [](const char* tag, const char* box, const char* text, const char* mark,
              const QString& name, const QString& reason, const char* system = "3-phase 4-wire") {
              QTest::newRow(tag) << system << box << text << mark << reason
                                 << name + QStringLiteral(": ") + reason;
          };
    row("not a number", "ccVoltage", "4,80,0", "Voltage", "Voltage", "not a number");
    row("out of range", "ccLoad", "-5", "Load", "Load", "above 0 and at most 1,000,000,000 A");
    row("not the system's voltage", "ccVoltage", "208", "Voltage", "Voltage",
        "1-phase 3-wire is 120/240 V: 240 V only", "1-phase 3-wire");
    row("not a rating", "ccOcpd", "7000", "Ocpd", "Overcurrent device",
        "Automatic, or a whole number of amperes from 1 to 6,000");
    row("not whole", "ccSets", "2.5", "Sets", "Parallel sets",
        "Automatic, or a whole number from 1 to 20");
    row("below the least", "ccPowerFactor", "0.4", "PowerFactor", "Power factor",
        "from 0.50 to 1.00");
    row("above the most", "ccFaultAmps", "400000", "FaultAmps", "Available fault current",
        "above 0 and at most 300,000 A");
    // An emptied box is still needed, not wrong: it is listed, not marked.
    QTest::newRow("emptied") << "3-phase 4-wire"
                             << "ccLength" << QString() << QString() << QString()
                             << "Still needed: length.";
}

// A refused text is marked at its field, with its reason below it, in its tooltip and for
// a screen reader, and in the list of problems; no result is shown meanwhile, and none of
// the other fields is marked. Putting the text right brings the result back.
void CircuitCheckWindowTest::invalidInput()
{
    QFETCH(QString, system);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, mark);
    QFETCH(QString, reason);
    QFETCH(QString, problems);
    QVERIFY(open({"ccLoad", "400", "ccLength", "250", "ccSystem", system, "ccVoltage",
        system == QLatin1String("1-phase 3-wire") ? "240" : "480"}));
    QVERIFY(m_window->hasResult());
    QWidget* control = find(box);
    const QString tip = control->toolTip();
    const QString good = ::shown(control);
    QVERIFY(enter({box, text}));

    const QString words = QStringLiteral("Invalid: ") + reason;
    for (const QString& other : kMarks) {
        const bool marked = other == mark;
        QCOMPARE(find(QStringLiteral("lbl%1Problem").arg(other))->isVisible(), marked);
        auto* sign = m_window->findChild<QAction*>(QStringLiteral("lbl%1ProblemSign").arg(other));
        QCOMPARE(sign && sign->isVisible(), marked);
        if (marked)
            QCOMPARE(::shown(find(QStringLiteral("lbl%1Problem").arg(other))), words);
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
