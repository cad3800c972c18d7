#include "app/main_window.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "test_main.h"
#include "ui/message_box.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"
#include "voltage_drop/voltage_drop_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>

namespace {

const QString kThreeAwgResult = QStringLiteral(
    "Percent Volts Drop   =  1.80 %\n"
    "Wire  Length            =  200 ft\n"
    "Wire Size   ( 1 ea )   =  3 awg cooper\n"
    "Full Load Amps        =  100.000\n"
    "Wire Amps ( 75 C )   =  100 amps\n"
    "Wire Voltage Drop    =  8.66     Voltage Source  =  480     Voltage at Load  =  471.34\n"
    "Conduit Type            =  Steel\n"
    "Effective Impedence  =  0.250 omhs per 1000 ft.       PF  =  100.0%     3 Phase");

} // namespace

using testsupport::activate;
using testsupport::chooseFromList;
using testsupport::clickOnMark;

class VoltageDropPageTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensWithItsDesignedState();
    void everythingFitsThePage();
    void calculationModeRules_data();
    void calculationModeRules();
    void loadKindCaptions_data();
    void loadKindCaptions();
    void directCurrentHidesTheAlternatingCurrentChoices();
    void chosenVoltageSetsTheCircuit_data();
    void chosenVoltageSetsTheCircuit();
    void typedVoltageIsJudgedByItsWholeText_data();
    void typedVoltageIsJudgedByItsWholeText();
    void typedVoltageKeepsTheKeys();
    void smallSizesFollowTheAmpacityRule();
    void powerFactorText();
    void numbersInTheUserLocale_data();
    void numbersInTheUserLocale();
    void parallelConductorsNeedOneOught();
    void typedWireSizeIsRefused();
    void lightingTapNote();
    void fixedSizeResult();
    void directCurrentResultIsNotForTheSheet();
    void aNewWindowShowsTheChoicesInForce();
    void refusals_data();
    void refusals();
    void capacityRefusalClearsThroughTheLoadBox();
    void searchFillsTheHistory();
    void pickingASlotShowsItsResult();
    void inputsClearTheResult();
    void tooManySetsClearTheDisplay();
    void activationClearsTheResultOnAnyPage();
    void pageMessagesAreNoActivation();
    void printIsHandedOver();

private:
    // A new main window on the Voltage Drop page, with the designed settings.
    [[nodiscard]] bool openWindow();
    // The page's controls. A missing one fails the test at the line that asked for it.
    template<typename T = QWidget>
    T* find(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_window, name, where);
    }
    QLineEdit* edit(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QLineEdit>(name, where);
    }
    QRadioButton* option(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QRadioButton>(name, where);
    }
    QComboBox* list(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        return find<QComboBox>(name, where);
    }
    QTextEdit* results(std::source_location where = std::source_location::current()) const
    {
        return find<QTextEdit>(QStringLiteral("txtboxResults"), where);
    }
    QPushButton* calculateButton(std::source_location where = std::source_location::current()) const
    {
        return find<QPushButton>(QStringLiteral("btnCalculate"), where);
    }
    QRadioButton* slot(int i, std::source_location where = std::source_location::current()) const
    {
        return option(QStringLiteral("rbVDResults(%1)").arg(i), where);
    }
    QString visibleSlots() const;

    static void type(QLineEdit* box, const QString& text);
    [[nodiscard]] bool clickOption(
        const QString& name, std::source_location where = std::source_location::current())
    {
        return clickOnMark(option(name, where));
    }
    [[nodiscard]] bool calculate(std::source_location where = std::source_location::current())
    {
        return clickOnMark(calculateButton(where));
    }
    // The window system gives the window under a closed message box the focus again.
    [[nodiscard]] bool backFromMessage() const { return activate(m_window); }
    // The worked example: 480 V three-phase, 100 A, 200 ft, copper 75 C in steel.
    void enterThreeAwgExample();

    const VoltageDropSettings& settings() const { return m_calculator.settings(); }

    VoltageDropCalculator m_calculator;
    QPointer<MainWindow> m_window;
};

void VoltageDropPageTest::init()
{
    QVERIFY(openWindow());
}

void VoltageDropPageTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
}

bool VoltageDropPageTest::openWindow()
{
    m_calculator = {};
    m_window = new MainWindow(m_calculator);
    m_window->show();
    if (!activate(m_window))
        return false;
    m_window->tabs()->setCurrentIndex(MainWindow::VoltageDropTab);
    return true;
}

QString VoltageDropPageTest::visibleSlots() const
{
    QStringList captions;
    for (int i = 0; i < 10; ++i) {
        if (slot(i)->isVisible())
            captions << QStringLiteral("%1:%2").arg(i).arg(slot(i)->text());
    }
    return captions.join(QLatin1Char(' '));
}

// Clicks into the box, as the user does, and types over its text key by key.
void VoltageDropPageTest::type(QLineEdit* box, const QString& text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

void VoltageDropPageTest::enterThreeAwgExample()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("100"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("200"));
}

void VoltageDropPageTest::opensWithItsDesignedState()
{
    const QStringList captions[] = {
        {"VD_CALC(0)", "Find Voltage Drop for wire size"},
        {"VD_CALC(1)", "Find Branch size for"},
        {"VD_CALC(2)", "Find Feeder size for"},
        {"VD_LOAD(0)", "Enter per Phase Load in VA"},
        {"VD_LOAD(1)", "EnterTotal Load in VA"},
        {"VD_LOAD(2)", "Enter Full Load Amps"},
        {"VD_PHASE(0)", "3 PH "},
        {"VD_PHASE(1)", "1 PH"},
        {"VD_PHASE(2)", "DC"},
        {"rbPF(0)", "100 %"},
        {"rbPF(1)", ""},
        {"Conduit(0)", "Steel"},
        {"Conduit(1)", "Al"},
        {"Conduit(2)", "PVC"},
        {"Wire_Type(0)", "Copper"},
        {"Wire_Type(1)", "Aluminum"},
        {"rbTemp(0)", "75 C"},
        {"rbTemp(1)", "90 C"},
        {"rbCoated(0)", "Uncoated"},
        {"rbCoated(1)", "Coated"},
    };
    for (const QStringList& caption : captions)
        QCOMPARE(option(caption[0])->text(), caption[1]);
    const QStringList frames[] = {{"Frame1", "Calaculation"}, {"Frame2", "Use FLA or VA"},
        {"Frame3", "Phases"}, {"FramePF", "Power Factor"}, {"Frame6", "Enter Load and Length"},
        {"Frame4", "Voltage  /  Wire"}};
    for (const QStringList& frame : frames)
        QCOMPARE(find<QGroupBox>(frame[0])->title(), frame[1]);
    const QStringList labels[] = {{"Label1", "Wire:"}, {"Label2", "Volts:"}, {"Label3", "% VD"},
        {"Label4", "Results History:"}, {"Label5", "% VD"}, {"Label6", "Wire:"},
        {"Label7", "Length in Feet:"}, {"Label8", "%"}, {"lblLoad", "Full Load Amps:"},
        {"lblConduit", "Conduit:"}, {"lblWireSize", "Wire size:"},
        {"lblWiresPerPhase", "Wires per phase:"}, {"lblWireNote", ""}};
    for (const QStringList& label : labels)
        QCOMPARE(find<QLabel>(label[0])->text(), label[1]);
    for (const char* name : {"Frame5", "Frame7", "FrameParallel", "frameCoated"})
        QVERIFY(find(QLatin1String(name)));

    for (const char* name : {"VD_CALC(1)", "VD_LOAD(2)", "VD_PHASE(0)", "rbPF(0)", "Conduit(0)",
             "Wire_Type(0)", "rbTemp(0)", "rbCoated(0)"})
        QVERIFY2(option(QLatin1String(name))->isChecked(), name);
    QCOMPARE(edit(QStringLiteral("txtPercentBranchVD"))->text(), QStringLiteral("3.0"));
    QVERIFY(edit(QStringLiteral("txtPercentBranchVD"))->isEnabled());
    QCOMPARE(edit(QStringLiteral("txtPercentFeederVD"))->text(), QStringLiteral("2.0"));
    QVERIFY(!edit(QStringLiteral("txtPercentFeederVD"))->isEnabled());
    QCOMPARE(edit(QStringLiteral("txtPF"))->text(), QStringLiteral("85"));
    QVERIFY(!edit(QStringLiteral("txtPF"))->isEnabled());
    QCOMPARE(edit(QStringLiteral("txtNumberOfWires"))->text(), QStringLiteral("2"));
    QVERIFY(!edit(QStringLiteral("txtNumberOfWires"))->isEnabled());
    QVERIFY(!find(QStringLiteral("lblWiresPerPhase"))->isEnabled());
    QVERIFY(!find<QCheckBox>(QStringLiteral("ckWiresParallel"))->isChecked());
    QCOMPARE(find<QCheckBox>(QStringLiteral("ckWiresParallel"))->text(),
        QStringLiteral("Use Parallel Conductors"));
    QVERIFY(edit(QStringLiteral("txtLoad"))->text().isEmpty());
    QVERIFY(edit(QStringLiteral("txtLength"))->text().isEmpty());
    QVERIFY(find(QStringLiteral("FrameParallel"))->isHidden());
    QVERIFY(find(QStringLiteral("frameCoated"))->isHidden());
    QCOMPARE(calculateButton()->text(), QStringLiteral("Calculate Wire Size"));
    QVERIFY(calculateButton()->isEnabled());
    QCOMPARE(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->text(), QStringLiteral("Print"));
    QVERIFY(!find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());
    QVERIFY(results()->toPlainText().isEmpty());

    QComboBox* volts = list(QStringLiteral("cbVolts"));
    QCOMPARE(volts->currentText(), QStringLiteral("480"));
    QStringList voltages;
    for (int i = 0; i < volts->count(); ++i)
        voltages << volts->itemText(i);
    QCOMPARE(voltages,
        QStringList(
            {"480", "460", "277", "240", "220", "208", "120", "48", "36", "24", "12", "6"}));
    QComboBox* sizes = list(QStringLiteral("cbWireSize"));
    QCOMPARE(sizes->count(), 23);
    QCOMPARE(sizes->itemText(0), QStringLiteral("   18 awg"));
    QCOMPARE(sizes->itemText(5), QStringLiteral("     8 awg"));
    QCOMPARE(sizes->itemText(11), QStringLiteral("  1/0 awg"));
    QCOMPARE(sizes->itemText(15), QStringLiteral("  250 kcmil"));
    QCOMPARE(sizes->itemText(22), QStringLiteral("1000 kcmil"));
    // The window's activation chose 12 awg.
    QCOMPARE(sizes->currentIndex(), 3);
    QCOMPARE(sizes->currentText(), QStringLiteral("   12 awg"));
    QVERIFY(edit(QStringLiteral("txtLoad"))->hasFocus());
}

// Every control lies inside its frame and the page, shows its whole caption, and keeps
// clear of the program logo beside the tabs.
void VoltageDropPageTest::everythingFitsThePage()
{
    // Show every control: the fixed-size mode, direct current with copper, parallel sets.
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    QVERIFY(clickOnMark(find<QCheckBox>(QStringLiteral("ckWiresParallel"))));
    VoltageDropPage* page = m_window->voltageDropPage();
    const QRect logo = find(QStringLiteral("pictLogo"))->geometry();
    for (bool directCurrent : {false, true}) {
        QVERIFY(clickOption(QLatin1String(directCurrent ? "VD_PHASE(2)" : "VD_PHASE(0)")));
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->objectName().isEmpty())
                continue;
            const QString name = widget->objectName();
            QWidget* parent = widget->parentWidget();
            QVERIFY2(parent->rect().contains(widget->geometry()), qPrintable(name));
            const QRect onPage(widget->mapTo(page, QPoint()), widget->size());
            QVERIFY2(page->rect().contains(onPage), qPrintable(name));
            const QRect inWindow(widget->mapTo(m_window, QPoint()), widget->size());
            QVERIFY2(!inWindow.intersects(logo), qPrintable(name));
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)) {
                if (name != QLatin1String("lblWireNote"))
                    QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(name));
            }
        }
        // The coated choice takes the place of the raceway choice.
        QCOMPARE(find(QStringLiteral("frameCoated"))->isVisible(), directCurrent);
        QCOMPARE(find(QStringLiteral("lblConduit"))->isVisible(), !directCurrent);
    }
    // The longest caution fits its label.
    type(edit(QStringLiteral("txtLength")), QStringLiteral("150"));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("  1/0 awg")));
    QLabel* note = find<QLabel>(QStringLiteral("lblWireNote"));
    note->setText(QStringLiteral(
        "Caution... #16 Lighting taps can not be longer than 100 feet. NEC 240-4 (2)"));
    QVERIFY(note->sizeHint().width() <= note->width());

    // The eight result lines show without wrapping or scrolling, the longest items included.
    QVERIFY(clickOption(QStringLiteral("VD_PHASE(0)")));
    QVERIFY(clickOption(QStringLiteral("VD_LOAD(0)")));
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("1,000,000"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("1,000.5"));
    type(edit(QStringLiteral("txtNumberOfWires")), QStringLiteral("12"));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("1000 kcmil")));
    QVERIFY(calculate());
    QCOMPARE(results()->document()->blockCount(), 8);
    QCOMPARE(results()->document()->lineCount(), 8);
    QVERIFY(!results()->verticalScrollBar()->isVisible());
}

void VoltageDropPageTest::calculationModeRules_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("sizeShown");
    QTest::addColumn<bool>("branchEnabled");
    QTest::addColumn<bool>("feederEnabled");
    QTest::addColumn<QString>("caption");

    QTest::newRow("fixed size") << "VD_CALC(0)" << true << false << false
                                << "Calculate Voltage Drop";
    QTest::newRow("branch") << "VD_CALC(1)" << false << true << false << "Calculate Wire Size";
    QTest::newRow("feeder") << "VD_CALC(2)" << false << false << true << "Calculate Wire Size";
}

void VoltageDropPageTest::calculationModeRules()
{
    QFETCH(QString, mode);
    QFETCH(bool, sizeShown);
    QFETCH(bool, branchEnabled);
    QFETCH(bool, feederEnabled);
    QFETCH(QString, caption);

    // From each other mode, so that every change is seen.
    for (const char* from : {"VD_CALC(0)", "VD_CALC(1)", "VD_CALC(2)"}) {
        QVERIFY(clickOption(QLatin1String(from)));
        QVERIFY(clickOption(mode));
        QCOMPARE(find(QStringLiteral("FrameParallel"))->isVisible(), sizeShown);
        QCOMPARE(edit(QStringLiteral("txtPercentBranchVD"))->isEnabled(), branchEnabled);
        QCOMPARE(edit(QStringLiteral("txtPercentFeederVD"))->isEnabled(), feederEnabled);
        QCOMPARE(calculateButton()->text(), caption);
        QVERIFY(edit(QStringLiteral("txtLoad"))->hasFocus());
    }
}

void VoltageDropPageTest::loadKindCaptions_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");

    QTest::newRow("per phase") << "VD_LOAD(0)"
                               << "VA per Phase:";
    QTest::newRow("total") << "VD_LOAD(1)"
                           << "VA Total Load:";
    QTest::newRow("amps") << "VD_LOAD(2)"
                          << "Full Load Amps:";
}

void VoltageDropPageTest::loadKindCaptions()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QVERIFY(clickOption(QStringLiteral("VD_LOAD(1)")));
    QVERIFY(clickOption(kind));
    QCOMPARE(find<QLabel>(QStringLiteral("lblLoad"))->text(), caption);
    QVERIFY(edit(QStringLiteral("txtLoad"))->hasFocus());
}

void VoltageDropPageTest::directCurrentHidesTheAlternatingCurrentChoices()
{
    const QStringList acOnly {
        "FramePF", "lblConduit", "Conduit(0)", "Conduit(1)", "Conduit(2)", "VD_LOAD(0)"};
    QVERIFY(clickOption(QStringLiteral("VD_PHASE(2)")));
    for (const QString& name : acOnly)
        QVERIFY2(!find(name)->isVisible(), qPrintable(name));
    QVERIFY(option(QStringLiteral("VD_LOAD(1)"))->isChecked());
    QCOMPARE(find<QLabel>(QStringLiteral("lblLoad"))->text(), QStringLiteral("VA Total Load:"));
    QVERIFY(find(QStringLiteral("frameCoated"))->isVisible());

    QVERIFY(clickOption(QStringLiteral("Wire_Type(1)")));
    QVERIFY(!find(QStringLiteral("frameCoated"))->isVisible());
    QVERIFY(clickOption(QStringLiteral("Wire_Type(0)")));
    QVERIFY(find(QStringLiteral("frameCoated"))->isVisible());

    // The amperes entry stays possible, and leaving direct current keeps the load kind.
    QVERIFY(clickOption(QStringLiteral("VD_LOAD(2)")));
    QVERIFY(clickOption(QStringLiteral("VD_PHASE(1)")));
    for (const QString& name : acOnly)
        QVERIFY2(find(name)->isVisible(), qPrintable(name));
    QVERIFY(!find(QStringLiteral("frameCoated"))->isVisible());
    QVERIFY(option(QStringLiteral("VD_LOAD(2)"))->isChecked());
}

void VoltageDropPageTest::chosenVoltageSetsTheCircuit_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("circuit");

    QTest::newRow("277") << "VD_PHASE(0)"
                         << "277"
                         << "VD_PHASE(1)";
    QTest::newRow("120") << "VD_PHASE(0)"
                         << "120"
                         << "VD_PHASE(1)";
    QTest::newRow("48") << "VD_PHASE(0)"
                        << "48"
                        << "VD_PHASE(2)";
    QTest::newRow("12 from single-phase") << "VD_PHASE(1)"
                                          << "12"
                                          << "VD_PHASE(2)";
    QTest::newRow("6 changes nothing") << "VD_PHASE(0)"
                                       << "6"
                                       << "VD_PHASE(0)";
    QTest::newRow("208 keeps single-phase") << "VD_PHASE(1)"
                                            << "208"
                                            << "VD_PHASE(1)";
    QTest::newRow("direct current stays") << "VD_PHASE(2)"
                                          << "480"
                                          << "VD_PHASE(2)";
    QTest::newRow("even for 277") << "VD_PHASE(2)"
                                  << "277"
                                  << "VD_PHASE(2)";
}

void VoltageDropPageTest::chosenVoltageSetsTheCircuit()
{
    QFETCH(QString, from);
    QFETCH(QString, volts);
    QFETCH(QString, circuit);

    QVERIFY(clickOption(from));
    QVERIFY(chooseFromList(list(QStringLiteral("cbVolts")), volts));
    QCOMPARE(list(QStringLiteral("cbVolts"))->currentText(), volts);
    QVERIFY(option(circuit)->isChecked());
    if (circuit == QLatin1String("VD_PHASE(2)") && from != circuit) {
        QVERIFY(!find(QStringLiteral("FramePF"))->isVisible());
        QVERIFY(!option(QStringLiteral("VD_LOAD(0)"))->isVisible());
        QVERIFY(option(QStringLiteral("VD_LOAD(1)"))->isChecked());
        QCOMPARE(find<QLabel>(QStringLiteral("lblLoad"))->text(), QStringLiteral("VA Total Load:"));
    }
}

void VoltageDropPageTest::typedVoltageIsJudgedByItsWholeText_data()
{
    QTest::addColumn<QString>("from"); // the option chosen before the typing
    QTest::addColumn<QStringList>(
        "keys"); // "<BS>" is Backspace; "<OUT>" leaves the box and comes back
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("caption");

    const QString threePhase = QStringLiteral("VD_PHASE(0)");
    const QString singlePhase = QStringLiteral("VD_PHASE(1)");
    const QString direct = QStringLiteral("VD_PHASE(2)");
    const QString amps = QStringLiteral("VD_LOAD(2)");
    const QString total = QStringLiteral("VD_LOAD(1)");
    const QString perPhase = QStringLiteral("VD_LOAD(0)");
    QTest::newRow("48") << threePhase << QStringList {"48"} << direct << total << "VA Total Load:";
    QTest::newRow("480") << threePhase << QStringList {"480"} << threePhase << amps
                         << "Full Load Amps:";
    QTest::newRow("120") << threePhase << QStringList {"120"} << singlePhase << amps
                         << "Full Load Amps:";
    QTest::newRow("4") << threePhase << QStringList {"4"} << threePhase << amps
                       << "Full Load Amps:";
    QTest::newRow("2400 passes through 24")
        << threePhase << QStringList {"2400"} << threePhase << amps << "Full Load Amps:";
    QTest::newRow("480, Backspace")
        << threePhase << QStringList {"480", "<BS>"} << direct << total << "VA Total Load:";
    QTest::newRow("120, Backspace twice") << threePhase << QStringList {"120", "<BS>", "<BS>"}
                                          << threePhase << amps << "Full Load Amps:";
    QTest::newRow("the load entry comes back")
        << perPhase << QStringList {"480"} << threePhase << perPhase << "VA per Phase:";
    QTest::newRow("12 from single phase")
        << singlePhase << QStringList {"12"} << direct << total << "VA Total Load:";
    QTest::newRow("120 from single phase")
        << singlePhase << QStringList {"120"} << singlePhase << amps << "Full Load Amps:";
    QTest::newRow("direct current stays")
        << direct << QStringList {"480"} << direct << total << "VA Total Load:";
    // A new run starts from what the last one left.
    QTest::newRow("48, then 480 in a new run")
        << threePhase << QStringList {"48", "<OUT>", "480"} << direct << total << "VA Total Load:";
}

void VoltageDropPageTest::typedVoltageIsJudgedByItsWholeText()
{
    QFETCH(QString, from);
    QFETCH(QStringList, keys);
    QFETCH(QString, circuit);
    QFETCH(QString, load);

    QVERIFY(clickOption(from));
    QComboBox* volts = list(QStringLiteral("cbVolts"));
    QTest::mouseClick(volts->lineEdit(), Qt::LeftButton);
    volts->lineEdit()->selectAll();
    QString typed;
    for (const QString& key : keys) {
        if (key == QLatin1String("<BS>")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            typed.chop(1);
        } else if (key == QLatin1String("<OUT>")) {
            QTest::mouseClick(edit(QStringLiteral("txtLength")), Qt::LeftButton);
            QTest::mouseClick(volts->lineEdit(), Qt::LeftButton);
            volts->lineEdit()->selectAll();
            typed.clear();
        } else {
            QTest::keyClicks(QApplication::focusWidget(), key);
            typed += key;
        }
    }
    QCOMPARE(volts->currentText(), typed);
    QVERIFY(volts->hasFocus());
    QVERIFY(option(circuit)->isChecked());
    QVERIFY(option(load)->isChecked());
    QTEST(find<QLabel>(QStringLiteral("lblLoad"))->text(), "caption");
    const bool direct = circuit == QLatin1String("VD_PHASE(2)");
    QCOMPARE(find(QStringLiteral("FramePF"))->isVisible(), !direct);
    QCOMPARE(option(QStringLiteral("Conduit(0)"))->isVisible(), !direct);
    QCOMPARE(option(QStringLiteral("VD_LOAD(0)"))->isVisible(), !direct);
}

void VoltageDropPageTest::typedVoltageKeepsTheKeys()
{
    // Keys go where the focus is: "12" selects DC on the way, whose handler would give the
    // load box the focus, yet the "0" that follows belongs to the voltage.
    QComboBox* volts = list(QStringLiteral("cbVolts"));
    QTest::mouseClick(volts->lineEdit(), Qt::LeftButton);
    volts->lineEdit()->selectAll();
    for (const char* key : {"1", "2", "0"})
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(key));
    QCOMPARE(volts->currentText(), QStringLiteral("120"));
    QVERIFY(option(QStringLiteral("VD_PHASE(1)"))->isChecked());
    QCOMPARE(edit(QStringLiteral("txtLoad"))->text(), QString());
    QVERIFY(volts->hasFocus());

    // Choosing from the list still hands the focus to the load box.
    QVERIFY(clickOption(QStringLiteral("VD_PHASE(0)")));
    QVERIFY(chooseFromList(volts, QStringLiteral("277")));
    QVERIFY(option(QStringLiteral("VD_PHASE(1)"))->isChecked());
    QVERIFY(edit(QStringLiteral("txtLoad"))->hasFocus());
}

void VoltageDropPageTest::smallSizesFollowTheAmpacityRule()
{
    MessageBoxCatcher catcher;
    QComboBox* sizes = list(QStringLiteral("cbWireSize"));
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));

    QVERIFY(clickOption(QStringLiteral("Wire_Type(1)")));
    QCOMPARE(catcher.count(), 0);
    QVERIFY(chooseFromList(sizes, QStringLiteral("   14 awg")));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Wire Size Is Not Valid"));
    QCOMPARE(catcher.last().icon, QMessageBox::Warning);
    QCOMPARE(catcher.last().buttons, QList<QMessageBox::StandardButton> {QMessageBox::Ok});
    QCOMPARE(catcher.last().text,
        QStringLiteral("The NEC does not offer valid current ratings for\r#18, #16 and #14 "
                       "aluminum wire...\r\rPlease choose 90C cooper for #18 and #16\rremote "
                       "control circuits or lighting taps."));
    QVERIFY(!calculateButton()->isEnabled());
    QCOMPARE(sizes->currentText(), QStringLiteral("   14 awg"));

    QVERIFY(chooseFromList(sizes, QStringLiteral("   12 awg")));
    QVERIFY(calculateButton()->isEnabled());

    QVERIFY(clickOption(QStringLiteral("Wire_Type(0)")));
    QVERIFY(chooseFromList(sizes, QStringLiteral("   16 awg")));
    QCOMPARE(catcher.count(), 2);
    QVERIFY(catcher.last().text.contains(QLatin1String("\r#18 and #16 75C cooper wire...\r")));
    QVERIFY(!calculateButton()->isEnabled());
    // Choosing the blocked size again warns again.
    QVERIFY(chooseFromList(sizes, QStringLiteral("   16 awg")));
    QCOMPARE(catcher.count(), 3);

    // 90 C copper has ratings for 18 and 16 awg.
    QVERIFY(clickOption(QStringLiteral("rbTemp(1)")));
    QCOMPARE(catcher.count(), 3);
    QVERIFY(calculateButton()->isEnabled());
    QCOMPARE(settings().TempRating, Temperature::C90);
    // Aluminum takes no notice of the temperature.
    QVERIFY(clickOption(QStringLiteral("Wire_Type(1)")));
    QCOMPARE(catcher.count(), 4);
    QVERIFY(!calculateButton()->isEnabled());
    QCOMPARE(settings().WireMaterial, Material::Aluminum);
}

void VoltageDropPageTest::powerFactorText()
{
    MessageBoxCatcher catcher;
    QLineEdit* percent = edit(QStringLiteral("txtPF"));
    QVERIFY(clickOption(QStringLiteral("rbPF(1)")));
    QVERIFY(percent->isEnabled());
    QCOMPARE(settings().PowerFactor, 85.0);

    // The text is corrected before the message shows.
    QStringList textWhileOpen;
    catcher.setOnOpen([&] { textWhileOpen << percent->text(); });
    type(percent, QStringLiteral("101"));
    QCOMPARE(percent->text(), QStringLiteral("100"));
    QVERIFY(catcher.count() >= 1);
    for (const MessageBoxCatcher::Message& message : catcher.messages()) {
        QCOMPARE(message.title, QStringLiteral("Power Factor Invalid"));
        QCOMPARE(message.text, QStringLiteral("Power Factor must be at 99.9 or 100"));
        QCOMPARE(message.icon, QMessageBox::Information);
    }
    QVERIFY(!textWhileOpen.contains(QStringLiteral("101")));
    QCOMPARE(settings().PowerFactor, 100.0);

    catcher.clear();
    type(percent, QStringLiteral("0"));
    QCOMPARE(percent->text(), QStringLiteral("0.1"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().text, QStringLiteral("Power Factor must be greater than 0.1"));
    QCOMPARE(textWhileOpen.last(), QStringLiteral("0.1"));
    QCOMPARE(settings().PowerFactor, 0.1);

    catcher.clear();
    type(percent, QStringLiteral("85"));
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(settings().PowerFactor, 85.0);
    // Text that is no number is no value.
    type(percent, QStringLiteral("x"));
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(settings().PowerFactor, 85.0);

    QVERIFY(clickOption(QStringLiteral("rbPF(0)")));
    QVERIFY(!percent->isEnabled());
    QCOMPARE(settings().PowerFactor, 100.0);
}

void VoltageDropPageTest::numbersInTheUserLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("point"); // the locale's decimal separator
    QTest::addColumn<QString>("firstLine");

    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "."
                           << "Percent Volts Drop   =  1.80 %";
    QTest::newRow("C") << QLocale::c() << "."
                       << "Percent Volts Drop   =  1.80 %";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << ","
                           << "Percent Volts Drop   =  1,80 %";
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << ","
                           << "Percent Volts Drop   =  1,80 %";
}

// The numbers the page writes into its boxes read back in the user's locale, so the
// designed values calculate as they stand.
void VoltageDropPageTest::numbersInTheUserLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, point);
    QFETCH(QString, firstLine);

    testsupport::deleteTopLevelWindows();
    const testsupport::LocaleScope inLocale(locale);
    QVERIFY(openWindow());
    QCOMPARE(edit(QStringLiteral("txtPercentBranchVD"))->text(),
        QString(QLatin1Char('3') + point + QLatin1Char('0')));
    QCOMPARE(edit(QStringLiteral("txtPercentFeederVD"))->text(),
        QString(QLatin1Char('2') + point + QLatin1Char('0')));

    MessageBoxCatcher catcher;
    enterThreeAwgExample();
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 0);
    QCOMPARE(results()->document()->firstBlock().text(), firstLine);
    QVERIFY(clickOption(QStringLiteral("VD_CALC(2)")));
    enterThreeAwgExample();
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 0);
    QVERIFY(!results()->toPlainText().isEmpty());

    QVERIFY(clickOption(QStringLiteral("rbPF(1)")));
    type(edit(QStringLiteral("txtPF")), QStringLiteral("0"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(edit(QStringLiteral("txtPF"))->text(),
        QString(QLatin1Char('0') + point + QLatin1Char('1')));
    QCOMPARE(settings().PowerFactor, 0.1);
}

void VoltageDropPageTest::parallelConductorsNeedOneOught()
{
    MessageBoxCatcher catcher;
    QComboBox* sizes = list(QStringLiteral("cbWireSize"));
    QCheckBox* parallel = find<QCheckBox>(QStringLiteral("ckWiresParallel"));
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));

    QVERIFY(clickOnMark(parallel));
    QCOMPARE(sizes->currentText(), QStringLiteral("  1/0 awg"));
    QVERIFY(edit(QStringLiteral("txtNumberOfWires"))->isEnabled());
    QVERIFY(find(QStringLiteral("lblWiresPerPhase"))->isEnabled());
    QCOMPARE(settings().SetsPerPhase, 2);
    type(edit(QStringLiteral("txtNumberOfWires")), QStringLiteral("3"));
    QCOMPARE(settings().SetsPerPhase, 3);
    QCOMPARE(catcher.count(), 0);

    // The size is put back after the message has been closed.
    QString sizeWhileOpen;
    catcher.setOnOpen([&] { sizeWhileOpen = sizes->currentText(); });
    QVERIFY(chooseFromList(sizes, QStringLiteral("     4 awg")));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Wire Size Selection"));
    QCOMPARE(catcher.last().text, QStringLiteral("NEC requires 1/0 or larger for parallel wires."));
    QCOMPARE(catcher.last().icon, QMessageBox::Critical);
    QCOMPARE(sizeWhileOpen, QStringLiteral("     4 awg"));
    QCOMPARE(sizes->currentText(), QStringLiteral("  1/0 awg"));

    QVERIFY(chooseFromList(sizes, QStringLiteral("  4/0 awg")));
    QVERIFY(clickOnMark(parallel));
    QCOMPARE(sizes->currentText(), QStringLiteral("  1/0 awg"));
    QVERIFY(!edit(QStringLiteral("txtNumberOfWires"))->isEnabled());
    QCOMPARE(catcher.count(), 1);
}

void VoltageDropPageTest::typedWireSizeIsRefused()
{
    MessageBoxCatcher catcher;
    QComboBox* sizes = list(QStringLiteral("cbWireSize"));
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    enterThreeAwgExample();
    QVERIFY(chooseFromList(sizes, QStringLiteral("     3 awg")));
    QVERIFY(calculate());
    QVERIFY(!results()->toPlainText().isEmpty());

    QTest::keyClicks(sizes->lineEdit(), QStringLiteral("4"));
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Wire Size Selection"));
    QCOMPARE(catcher.last().text,
        QStringLiteral("Please select a NEC wire size from the drop down box."));
    QCOMPARE(catcher.last().icon, QMessageBox::Critical);
    QCOMPARE(sizes->currentText(), QString());
    QCOMPARE(sizes->currentIndex(), -1);
    QVERIFY(!calculateButton()->isEnabled());
    QVERIFY(results()->toPlainText().isEmpty());
    // Typing into the emptied box is refused the same way.
    QTest::keyClicks(sizes->lineEdit(), QStringLiteral("6"));
    QCOMPARE(catcher.count(), 2);
    QCOMPARE(sizes->currentText(), QString());

    // 90 C copper opens the calculation without a size; it then asks for one.
    QVERIFY(clickOption(QStringLiteral("rbTemp(1)")));
    QVERIFY(calculateButton()->isEnabled());
    catcher.clear();
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().text,
        QStringLiteral("Please select a NEC wire size from the drop down box."));
    QVERIFY(results()->toPlainText().isEmpty());

    QVERIFY(chooseFromList(sizes, QStringLiteral("     3 awg")));
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(results()->toPlainText().section(QLatin1Char('\n'), 4, 4),
        QStringLiteral("Wire Amps ( 90 C )   =  110 amps"));
}

void VoltageDropPageTest::lightingTapNote()
{
    QLabel* note = find<QLabel>(QStringLiteral("lblWireNote"));
    QLineEdit* length = edit(QStringLiteral("txtLength"));
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    QVERIFY(clickOption(QStringLiteral("rbTemp(1)")));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("   18 awg")));
    type(length, QStringLiteral("60"));
    QCOMPARE(note->text(),
        QStringLiteral(
            "Caution... #18 Lighting taps can not be longer than 50 feet. NEC 240-4 (2)"));
    // Red, in the shade that reads on the page.
    const QColor red = note->palette().color(QPalette::WindowText).toHsv();
    QCOMPARE(red.hsvHue(), 0);
    QCOMPARE(red.hsvSaturation(), 255);
    type(length, QStringLiteral("50"));
    QCOMPARE(note->text(), QString());

    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("   16 awg")));
    type(length, QStringLiteral("60"));
    QCOMPARE(note->text(), QString());
    type(length, QStringLiteral("120"));
    QCOMPARE(note->text(),
        QStringLiteral(
            "Caution... #16 Lighting taps can not be longer than 100 feet. NEC 240-4 (2)"));
    // Another size allowed by the rule takes the note away; the length is not looked at again.
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("   18 awg")));
    QCOMPARE(note->text(), QString());
}

void VoltageDropPageTest::fixedSizeResult()
{
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    enterThreeAwgExample();
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("     3 awg")));
    QVERIFY(calculate());
    QCOMPARE(results()->toPlainText(), kThreeAwgResult);
    QCOMPARE(results()->document()->blockCount(), 8);
    QCOMPARE(visibleSlots(), QString());
    QVERIFY(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());
    QVERIFY(settings().ResultReady);
}

void VoltageDropPageTest::aNewWindowShowsTheChoicesInForce()
{
    QVERIFY(clickOption(QStringLiteral("Wire_Type(1)")));
    QVERIFY(clickOption(QStringLiteral("rbTemp(1)")));
    QVERIFY(clickOption(QStringLiteral("Conduit(2)")));
    QVERIFY(clickOption(QStringLiteral("rbPF(1)")));

    // Exit, and the main window made again for the same run.
    QPointer<MainWindow> old = m_window;
    m_window->close();
    QTRY_VERIFY(old.isNull());
    m_window = new MainWindow(m_calculator);
    m_window->show();
    QVERIFY(activate(m_window));
    m_window->tabs()->setCurrentIndex(MainWindow::VoltageDropTab);
    for (const char* chosen : {"Wire_Type(1)", "rbTemp(1)", "Conduit(2)", "rbPF(1)"})
        QVERIFY2(option(QLatin1String(chosen))->isChecked(), chosen);
    QCOMPARE(edit(QStringLiteral("txtPF"))->text(), QStringLiteral("85"));
    QVERIFY(edit(QStringLiteral("txtPF"))->isEnabled());

    // The result is worked and reported for the same conductor: 3 awg aluminum at 90 C
    // carries 85 A (Table 310-16), not copper's 110 A.
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("80"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("200"));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("     3 awg")));
    QVERIFY(calculate());
    const QString result = results()->toPlainText();
    QVERIFY2(result.contains(QStringLiteral("3 awg aluminum")), qPrintable(result));
    QVERIFY2(
        result.contains(QStringLiteral("Wire Amps ( 90 C )   =  85 amps")), qPrintable(result));
    QVERIFY2(result.contains(QStringLiteral("Conduit Type            =  PVC")), qPrintable(result));
    QVERIFY2(result.contains(QStringLiteral("PF  =  85.0%")), qPrintable(result));
}

void VoltageDropPageTest::directCurrentResultIsNotForTheSheet()
{
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    QVERIFY(clickOption(QStringLiteral("VD_PHASE(2)")));
    QVERIFY(clickOption(QStringLiteral("rbCoated(1)")));
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("1200"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("50"));
    QVERIFY(chooseFromList(list(QStringLiteral("cbVolts")), QStringLiteral("24")));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("     6 awg")));
    QVERIFY(calculate());
    QCOMPARE(results()->document()->blockCount(), 6);
    QCOMPARE(results()->toPlainText().section(QLatin1Char('\n'), 5, 5),
        QStringLiteral("DC Resistance         =  0.510 omhs per 1000 ft."));
    QVERIFY(!find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());
    QVERIFY(!settings().ResultReady);
}

void VoltageDropPageTest::refusals_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("volts");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("textAfter");

    QTest::newRow("load empty") << "VD_CALC(1)"
                                << ""
                                << "480"
                                << "200"
                                << "3.0"
                                << "Invalid Load"
                                << "txtLoad"
                                << "";
    QTest::newRow("load not a number") << "VD_CALC(1)"
                                       << "1OO"
                                       << "480"
                                       << "200"
                                       << "3.0"
                                       << "Invalid Load"
                                       << "txtLoad"
                                       << "";
    QTest::newRow("voltage not a number") << "VD_CALC(1)"
                                          << "100"
                                          << "x480"
                                          << "200"
                                          << "3.0"
                                          << "Invalid Voltage"
                                          << "cbVolts"
                                          << "x480";
    QTest::newRow("length empty") << "VD_CALC(1)"
                                  << "100"
                                  << "480"
                                  << ""
                                  << "3.0"
                                  << "Invalid Wire Length"
                                  << "txtLength"
                                  << "";
    QTest::newRow("length not a number") << "VD_CALC(1)"
                                         << "100"
                                         << "480"
                                         << "2OO"
                                         << "3.0"
                                         << "Invalid Wire Length"
                                         << "txtLength"
                                         << "";
    QTest::newRow("percent zero") << "VD_CALC(1)"
                                  << "100"
                                  << "480"
                                  << "200"
                                  << "0"
                                  << "Invalid Percent Voltage Drop"
                                  << "txtPercentBranchVD"
                                  << "";
    QTest::newRow("feeder percent empty") << "VD_CALC(2)"
                                          << "100"
                                          << "480"
                                          << "200"
                                          << ""
                                          << "Invalid Percent Voltage Drop"
                                          << "txtPercentFeederVD"
                                          << "";
}

void VoltageDropPageTest::refusals()
{
    QFETCH(QString, mode);
    QFETCH(QString, load);
    QFETCH(QString, volts);
    QFETCH(QString, length);
    QFETCH(QString, percent);
    QFETCH(QString, title);
    QFETCH(QString, focused);
    QFETCH(QString, textAfter);

    QVERIFY(clickOption(mode));
    const QString percentBox = mode == QLatin1String("VD_CALC(1)")
        ? QStringLiteral("txtPercentBranchVD")
        : QStringLiteral("txtPercentFeederVD");
    type(edit(percentBox), percent);
    type(list(QStringLiteral("cbVolts"))->lineEdit(), volts);
    type(edit(QStringLiteral("txtLength")), length);
    type(edit(QStringLiteral("txtLoad")), load);

    MessageBoxCatcher catcher;
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, title);
    QVERIFY(catcher.last().icon == QMessageBox::Information);
    QWidget* box = find(focused);
    QVERIFY(backFromMessage());
    QVERIFY(box->hasFocus());
    const QString after = qobject_cast<QComboBox*>(box)
        ? qobject_cast<QComboBox*>(box)->currentText()
        : qobject_cast<QLineEdit*>(box)->text();
    QCOMPARE(after, textAfter);
    QVERIFY(results()->toPlainText().isEmpty());
    QVERIFY(!settings().ResultReady);
}

// Changing the number of sets clears nothing; the refusal does, through the load box.
void VoltageDropPageTest::capacityRefusalClearsThroughTheLoadBox()
{
    QVERIFY(clickOption(QStringLiteral("VD_CALC(0)")));
    QVERIFY(clickOnMark(find<QCheckBox>(QStringLiteral("ckWiresParallel"))));
    QVERIFY(chooseFromList(list(QStringLiteral("cbWireSize")), QStringLiteral("  4/0 awg")));
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("400"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("200"));
    QVERIFY(calculate());
    QCOMPARE(results()->toPlainText().section(QLatin1Char('\n'), 4, 4),
        QStringLiteral("Wire Amps ( 75 C )   =  230 amps    Wire Amps ( total ) =  460 amps"));

    type(edit(QStringLiteral("txtNumberOfWires")), QStringLiteral("1"));
    QVERIFY(!results()->toPlainText().isEmpty());
    MessageBoxCatcher catcher;
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Wire Size Invalid"));
    QCOMPARE(catcher.last().text,
        QStringLiteral("The load is 400.00 amps, but the wire only carries 230 amps!"));
    QCOMPARE(catcher.last().icon, QMessageBox::Critical);
    QVERIFY(backFromMessage());
    QVERIFY(edit(QStringLiteral("txtLoad"))->hasFocus());
    QCOMPARE(edit(QStringLiteral("txtLoad"))->text(), QStringLiteral("400"));
    QVERIFY(results()->toPlainText().isEmpty());

    // No number of sets at all is refused before anything is computed.
    type(edit(QStringLiteral("txtNumberOfWires")), QStringLiteral("0"));
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 2);
    QCOMPARE(catcher.last().title, QStringLiteral("Invalid Wires Per Phase"));
    QCOMPARE(
        catcher.last().text, QStringLiteral("Please enter a valid number of wires per phase."));
    QCOMPARE(catcher.last().icon, QMessageBox::Information);
    QVERIFY(backFromMessage());
    QVERIFY(edit(QStringLiteral("txtNumberOfWires"))->hasFocus());
}

// 480 V three-phase, 600 A, 500 ft of copper 75 C, 3 % branch drop.
void VoltageDropPageTest::searchFillsTheHistory()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    QVERIFY(calculate());
    QCOMPARE(visibleSlots(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set 4:5 Set"));
    QVERIFY(slot(1)->isChecked());
    QCOMPARE(results()->toPlainText().section(QLatin1Char('\n'), 2, 2),
        QStringLiteral("Wire Size   ( 2 ea )   =  350 kcmil cooper"));
    QCOMPARE(results()->document()->blockCount(), 8);
    QVERIFY(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());

    // A new search after only the percent changed starts from a hidden history.
    type(edit(QStringLiteral("txtPercentBranchVD")), QStringLiteral("5"));
    QCOMPARE(visibleSlots(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set 4:5 Set"));
    QVERIFY(calculate());
    QCOMPARE(visibleSlots(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set"));

    // The single size tried is hidden again, its result stays.
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("100"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("200"));
    type(edit(QStringLiteral("txtPercentBranchVD")), QStringLiteral("3.0"));
    QVERIFY(calculate());
    QCOMPARE(visibleSlots(), QString());
    QCOMPARE(slot(0)->text(), QStringLiteral("1.80%"));
    QCOMPARE(results()->toPlainText(), kThreeAwgResult);
}

void VoltageDropPageTest::pickingASlotShowsItsResult()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    QVERIFY(calculate());
    QVERIFY(clickOnMark(slot(3)));
    QVERIFY(slot(3)->isChecked());
    const QString fourSets = results()->toHtml();
    QCOMPARE(results()->toPlainText().section(QLatin1Char('\n'), 2, 2),
        QStringLiteral("Wire Size   ( 4 ea )   =  2/0 awg cooper"));
    QCOMPARE(results()->document()->blockCount(), 8);

    // Picking the selected slot again shows it again.
    results()->setPlainText(QStringLiteral("edited"));
    QVERIFY(clickOnMark(slot(3)));
    QCOMPARE(results()->toHtml(), fourSets);
}

void VoltageDropPageTest::inputsClearTheResult()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    const auto showResult = [this] {
        if (!calculate())
            return false;
        if (results()->toPlainText().isEmpty() || visibleSlots().isEmpty()) {
            qWarning("btnCalculate showed no result with a history");
            return false;
        }
        return true;
    };
    const auto cleared
        = [this] { return results()->toPlainText().isEmpty() && visibleSlots().isEmpty(); };

    // Typing into a percent box clears nothing.
    QVERIFY(showResult());
    type(edit(QStringLiteral("txtPercentBranchVD")), QStringLiteral("3"));
    QVERIFY(!visibleSlots().isEmpty());

    QVERIFY(showResult());
    QTest::mouseClick(edit(QStringLiteral("txtLoad")), Qt::LeftButton);
    QVERIFY2(cleared(), "load box focused");
    // Typing there clears nothing beyond what its focus cleared.
    QVERIFY(showResult());
    QTest::keyClicks(edit(QStringLiteral("txtLoad")), QStringLiteral(".0"));
    QVERIFY(!visibleSlots().isEmpty());

    QVERIFY(showResult());
    QTest::mouseClick(edit(QStringLiteral("txtLength")), Qt::LeftButton);
    QVERIFY2(cleared(), "length box focused");

    for (const char* name : {"VD_PHASE(0)", "VD_LOAD(2)", "Conduit(1)", "Conduit(1)",
             "Wire_Type(0)", "rbTemp(0)", "rbPF(0)", "VD_CALC(1)"}) {
        type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
        QVERIFY(showResult());
        QVERIFY(clickOption(QLatin1String(name)));
        QVERIFY2(cleared(), name);
    }
    QCOMPARE(settings().ConduitType, Raceway::Aluminum);

    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    QVERIFY(showResult());
    QVERIFY(chooseFromList(list(QStringLiteral("cbVolts")), QStringLiteral("480")));
    QVERIFY2(cleared(), "voltage chosen again");
}

void VoltageDropPageTest::tooManySetsClearTheDisplay()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    QVERIFY(calculate());
    QVERIFY(!visibleSlots().isEmpty());

    type(edit(QStringLiteral("txtLoad")), QStringLiteral("54501"));
    MessageBoxCatcher catcher;
    QVERIFY(calculate());
    QCOMPARE(catcher.count(), 1);
    QCOMPARE(catcher.last().title, QStringLiteral("Wire Size Invalid"));
    QCOMPARE(catcher.last().text,
        QStringLiteral("No conductor size carries this load within 100 parallel sets per phase."));
    QCOMPARE(catcher.last().icon, QMessageBox::Critical);
    QVERIFY(results()->toPlainText().isEmpty());
    QCOMPARE(visibleSlots(), QString());
    QVERIFY(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());
}

void VoltageDropPageTest::activationClearsTheResultOnAnyPage()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    QVERIFY(calculate());
    m_window->tabs()->setCurrentIndex(MainWindow::ShortCircuitTab);
    QVERIFY2(slot(1)->isVisible(), "the history lies outside the pages");
    QLineEdit* feet = edit(QStringLiteral("txtFeet"));
    feet->setFocus();

    m_window->showAbout();
    QWidget* about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    QVERIFY(QTest::qWaitForWindowActive(about));
    about->close();
    m_window->activateWindow();
    QTRY_VERIFY(visibleSlots().isEmpty());
    QVERIFY(results()->toPlainText().isEmpty());
    QVERIFY(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))->isEnabled());
    // Keys typed now go to the box the user left, not to one on a page out of sight.
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), feet);
}

void VoltageDropPageTest::pageMessagesAreNoActivation()
{
    type(edit(QStringLiteral("txtLoad")), QStringLiteral("600"));
    type(edit(QStringLiteral("txtLength")), QStringLiteral("500"));
    QVERIFY(calculate());
    MessageBoxCatcher catcher;
    ui::showMessage(m_window->voltageDropPage(), QStringLiteral("Text"), QStringLiteral("Title"),
        MessageKind::Information);
    QCOMPARE(catcher.count(), 1);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::qWait(20);
    QCOMPARE(visibleSlots(), QStringLiteral("1:2 Set 2:3 Set 3:4 Set 4:5 Set"));
}

void VoltageDropPageTest::printIsHandedOver()
{
    VoltageDropPage* page = m_window->voltageDropPage();
    QCOMPARE(page->resultsBox(), results());
    enterThreeAwgExample();
    QVERIFY(calculate());
    QSignalSpy print(page, &VoltageDropPage::printRequested);
    QVERIFY(clickOnMark(find<QPushButton>(QStringLiteral("btnCalc_Sheet"))));
    QCOMPARE(print.count(), 1);
}

TAVILON_WIDGET_TEST_MAIN(VoltageDropPageTest)
#include "voltage_drop_page_test.moc"
