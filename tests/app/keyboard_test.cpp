#include "app/about_window.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "circuit_check/circuit_check_window.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "raceway_fill/raceway_fill_window.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

// The name of the user's control a widget belongs to: an editable list for the text box
// inside it, the tab control for its tab strip, the toolbar's action for its button.
QString controlName(const QWidget* widget)
{
    if (auto* list = qobject_cast<QComboBox*>(widget->parentWidget()))
        return list->objectName();
    if (auto* tabs = qobject_cast<QTabWidget*>(widget->parentWidget()))
        return tabs->objectName();
    if (auto* tool = qobject_cast<const QToolButton*>(widget); tool && tool->defaultAction())
        return tool->defaultAction()->objectName();
    return widget->objectName();
}

// What the keyboard focus is on, by its control's name.
QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? controlName(focus) : QStringLiteral("(none)");
}

// Presses a key `count` times where the focus is, and the names the focus moves through.
QStringList walk(qsizetype count, Qt::Key key = Qt::Key_Tab, Qt::KeyboardModifiers modifiers = {})
{
    QStringList names;
    for (qsizetype i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        names << focusName();
    }
    return names;
}

QStringList reversed(QStringList names)
{
    std::reverse(names.begin(), names.end());
    return names;
}

// A control by its name and kind, or a part of one by its owner's name.
QString describe(const QWidget* widget)
{
    const QString kind = QLatin1String(widget->metaObject()->className());
    if (widget->objectName().isEmpty() && widget->parentWidget())
        return describe(widget->parentWidget()) + QStringLiteral(" > ") + kind;
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), kind);
}

[[nodiscard]] bool menuItemsAreNamed(const QList<QAction*>& items)
{
    for (const QAction* item : items) {
        const QObject* named = item->menu() ? static_cast<QObject*>(item->menu()) : item;
        if (!item->isSeparator() && named->objectName().isEmpty()) {
            qWarning() << "a menu item without a name:" << item->text();
            return false;
        }
        if (QMenu* submenu = item->menu()) {
            emit submenu->aboutToShow(); // a menu filled as it opens
            if (!menuItemsAreNamed(submenu->actions()))
                return false;
        }
    }
    return true;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void optionGroupKeepsItsStopWhenItsOptionGoes();
    void historyFollowsTheVoltageDropPage();
    void ctrlTabTurnsThePages();
    void aboutButtonIsReachable();
    void aboutWindowOrder();
    void sheetDocumentKeepsTabAsText();
    void circuitCheckOrder_data();
    void circuitCheckOrder();
    void returnPressesTheFocusedButton_data();
    void returnPressesTheFocusedButton();
    void controlsHaveNames();
    void menuItemsHaveNames();
    void toolWindowsTabThroughEveryControl_data();
    void toolWindowsTabThroughEveryControl();
    void controlsHaveTooltips_data();
    void controlsHaveTooltips();
    void resultsReachAScreenReader();

private:
    [[nodiscard]] bool showWindow();
    // The main window's controls. A missing one fails the test at the line that asked for it.
    template<typename T = QWidget>
    T* find(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<T>(m_window, name, where);
    }
    void focus(
        const QString& name, std::source_location where = std::source_location::current()) const
    {
        find(name, where)->setFocus(Qt::TabFocusReason);
    }
    void type(const QString& box, const QString& text,
        std::source_location where = std::source_location::current()) const
    {
        QLineEdit* edit = find<QLineEdit>(box, where);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    VoltageDropCalculator m_calculator;
    QPointer<MainWindow> m_window;
};

void KeyboardTest::init()
{
    m_calculator = {};
    m_window = new MainWindow(m_calculator);
}

void KeyboardTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
}

bool KeyboardTest::showWindow()
{
    m_window->show();
    return testsupport::activate(m_window);
}

void KeyboardTest::tabFollowsTheLayout_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("ticked"); // options and check boxes set beforehand
    QTest::addColumn<QStringList>("order"); // from the first control round to it again

    // Three columns, then the result box and the buttons; the disabled percent, power
    // factor and Print are passed over, as is the hidden size frame.
    QTest::newRow("voltage drop, size search")
        << int(MainWindow::VoltageDropTab) << QStringList {}
        << QStringList {"VD_CALC(1)", "txtPercentBranchVD", "VD_LOAD(2)", "VD_PHASE(0)", "rbPF(0)",
               "txtLoad", "txtLength", "cbVolts", "Conduit(0)", "Wire_Type(0)", "rbTemp(0)",
               "txtboxResults", "btnCalculate", "SSTab1", "VD_CALC(1)"};
    QTest::newRow("voltage drop, one size in parallel")
        << int(MainWindow::VoltageDropTab)
        << QStringList {"VD_CALC(0)", "VD_LOAD(1)", "rbPF(1)", "ckWiresParallel", "Wire_Type(1)"}
        << QStringList {"VD_CALC(0)", "VD_LOAD(1)", "VD_PHASE(0)", "rbPF(1)", "txtPF", "txtLoad",
               "txtLength", "cbVolts", "Conduit(0)", "Wire_Type(1)", "rbTemp(0)", "cbWireSize",
               "ckWiresParallel", "txtNumberOfWires", "txtboxResults", "btnCalculate", "SSTab1",
               "VD_CALC(0)"};
    // Direct current: no power factor and no raceway; the coating takes the raceway's place.
    QTest::newRow("voltage drop, direct current")
        << int(MainWindow::VoltageDropTab) << QStringList {"VD_CALC(2)", "VD_PHASE(2)"}
        << QStringList {"VD_CALC(2)", "txtPercentFeederVD", "VD_LOAD(1)", "VD_PHASE(2)", "txtLoad",
               "txtLength", "cbVolts", "rbCoated(0)", "Wire_Type(0)", "rbTemp(0)", "txtboxResults",
               "btnCalculate", "SSTab1", "VD_CALC(2)"};

    QStringList conduitOrder;
    for (int i = 0; i < 10; ++i)
        conduitOrder << QStringLiteral("cbCondWireSize(%1)").arg(i)
                     << QStringLiteral("txCondWireNumber(%1)").arg(i)
                     << QStringLiteral("Option1(%1)").arg(2 * i + (i == 4 ? 1 : 0));
    conduitOrder << "cmdReset"
                 << "cmdCalcCondSize"
                 << "SSTab1"
                 << "cbCondWireSize(0)";
    QTest::newRow("conduit sizer")
        << int(MainWindow::ConduitSizerTab) << QStringList {"Option1(9)"} << conduitOrder;

    // The transformer fields at the left are disabled and covered with a breaker source.
    QTest::newRow("short circuit, breaker")
        << int(MainWindow::ShortCircuitTab) << QStringList {}
        << QStringList {"txtFaultUtility", "opAvalible(1)", "opShortType(1)", "cmbFaultWireSize",
               "txtNumbPhaseCond", "txtFeet", "opMagneticCon(0)", "opPhase(0)", "cbFaultVoltage",
               "opCableType(0)", "cmdPrint", "cmdCalcFault", "SSTab1", "txtFaultUtility"};
    QTest::newRow("short circuit, transformer on an infinite primary")
        << int(MainWindow::ShortCircuitTab) << QStringList {"opShortType(0)", "opMagneticCon(1)"}
        << QStringList {"txXfmrVA", "txXfmrZ", "opAvalible(0)", "opShortType(0)",
               "cmbFaultWireSize", "txtNumbPhaseCond", "txtFeet", "opMagneticCon(1)", "opPhase(0)",
               "cbFaultVoltage", "opCableType(0)", "cmdPrint", "cmdCalcFault", "SSTab1",
               "txXfmrVA"};
    QTest::newRow("short circuit, transformer with a primary fault current")
        << int(MainWindow::ShortCircuitTab)
        << QStringList {"opShortType(0)", "opAvalible(1)", "opCableType(1)"}
        << QStringList {"cbVoltsPri", "txXfmrVA", "txXfmrZ", "txtFaultUtility", "opAvalible(1)",
               "opShortType(0)", "cmbFaultWireSize", "txtNumbPhaseCond", "txtFeet",
               "opMagneticCon(0)", "opPhase(0)", "cbFaultVoltage", "opCableType(1)", "cmdPrint",
               "cmdCalcFault", "SSTab1", "cbVoltsPri"};

    QTest::newRow("design data") << int(MainWindow::DesignDataTab) << QStringList {}
                                 << QStringList {"RichTextBox1(2)", "cmdTransfomers", "cmdMotors",
                                        "cmdWires", "SSTab1", "RichTextBox1(2)"};
    QTest::newRow("introduction") << int(MainWindow::IntroductionTab) << QStringList {}
                                  << QStringList {"About", "cmdExit(1)", "SSTab1", "About"};
}

void KeyboardTest::tabFollowsTheLayout()
{
    QFETCH(int, page);
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, order);
    MessageBoxCatcher catcher;
    QVERIFY(showWindow());
    m_window->tabs()->setCurrentIndex(page);
    for (const QString& name : ticked)
        find<QAbstractButton>(name)->setChecked(true);

    // The first control is where Tab from the tab strip goes.
    m_window->tabs()->tabBar()->setFocus(Qt::TabFocusReason);
    QCOMPARE(walk(1), order.mid(0, 1));
    QCOMPARE(walk(order.size() - 1), order.mid(1));
    // Shift+Tab goes the same way back.
    QCOMPARE(walk(order.size() - 1, Qt::Key_Backtab), reversed(order.mid(0, order.size() - 1)));
    QCOMPARE(catcher.count(), 0);
}

// An option group is one stop, on its chosen option: the group stays within reach when
// the option the user last chose in it is hidden.
void KeyboardTest::optionGroupKeepsItsStopWhenItsOptionGoes()
{
    QVERIFY(showWindow());
    m_window->tabs()->setCurrentIndex(MainWindow::VoltageDropTab);
    focus(QStringLiteral("VD_LOAD(2)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(find(QStringLiteral("VD_LOAD(1)")), Qt::Key_Down);
    QVERIFY(find<QAbstractButton>(QStringLiteral("VD_LOAD(0)"))->isChecked());

    // Direct current has no load per phase; the total load is chosen in its place.
    find<QAbstractButton>(QStringLiteral("VD_PHASE(2)"))->setChecked(true);
    QVERIFY(find<QAbstractButton>(QStringLiteral("VD_LOAD(1)"))->isChecked());
    focus(QStringLiteral("txtPercentBranchVD"));
    QCOMPARE(walk(2), (QStringList {"VD_LOAD(1)", "VD_PHASE(2)"}));
}

// The history slots lie below the tab control, after the page's last button; Shift+Tab
// reaches them from the tab strip.
void KeyboardTest::historyFollowsTheVoltageDropPage()
{
    QVERIFY(showWindow());
    m_window->tabs()->setCurrentIndex(MainWindow::VoltageDropTab);
    type(QStringLiteral("txtLoad"), QStringLiteral("600"));
    type(QStringLiteral("txtLength"), QStringLiteral("500"));
    QTest::mouseClick(find(QStringLiteral("btnCalculate")), Qt::LeftButton);
    QVERIFY(find(QStringLiteral("rbVDResults(1)"))->isVisible());
    QVERIFY(find<QAbstractButton>(QStringLiteral("rbVDResults(1)"))->isChecked());
    QCOMPARE(find(QStringLiteral("rbVDResults(1)"))->accessibleName(), QStringLiteral("2 Set"));

    focus(QStringLiteral("txtboxResults"));
    QCOMPARE(walk(4), (QStringList {"btnCalc_Sheet", "btnCalculate", "rbVDResults(1)", "SSTab1"}));
    QCOMPARE(walk(1, Qt::Key_Backtab), QStringList {"rbVDResults(1)"});
    // The arrow keys pick the other slots, and each shows its result.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(focusName(), QStringLiteral("rbVDResults(2)"));
    QVERIFY(find<QAbstractButton>(QStringLiteral("rbVDResults(2)"))->isChecked());
    QVERIFY(find<QTextEdit>(QStringLiteral("txtboxResults"))
                ->toPlainText()
                .contains(QStringLiteral("( 3 ea )")));
}

void KeyboardTest::ctrlTabTurnsThePages()
{
    QVERIFY(showWindow());
    QTabWidget* tabs = m_window->tabs();
    const QStringList firstControls {
        "txtLoad", "cbCondWireSize(0)", "txtFaultUtility", "RichTextBox1(2)", "About"};
    // Each page change takes the focus to the page shown; the Voltage Drop page hands it
    // to its load box.
    for (int step = 1; step <= 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        const int page = (MainWindow::IntroductionTab + step) % 5;
        QCOMPARE(tabs->currentIndex(), page);
        QCOMPARE(focusName(), firstControls[page]);
    }
    QTest::keyClick(
        QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), int(MainWindow::DesignDataTab));
    QCOMPARE(focusName(), QStringLiteral("RichTextBox1(2)"));

    // On the tab strip the arrow keys turn the pages.
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Left);
    QCOMPARE(tabs->currentIndex(), int(MainWindow::ShortCircuitTab));
}

void KeyboardTest::aboutButtonIsReachable()
{
    QVERIFY(showWindow());
    focus(QStringLiteral("cmdExit(1)"));
    QCOMPARE(walk(2, Qt::Key_Backtab), (QStringList {"About", "SSTab1"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor")));
}

void KeyboardTest::aboutWindowOrder()
{
    QPointer<AboutWindow> about = new AboutWindow;
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    testsupport::findControl(about, QStringLiteral("RichTextBox1"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(walk(2), (QStringList {"cmdOK", "RichTextBox1"}));
    QCOMPARE(walk(1, Qt::Key_Backtab), QStringList {"cmdOK"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_VERIFY(!about); // closed, and gone
}

// The sheet is typed into: Tab types a tab, Ctrl+Tab and Ctrl+Shift+Tab move on and back.
void KeyboardTest::sheetDocumentKeepsTabAsText()
{
    auto* sheet = new CalcSheet;
    sheet->show();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    QTextEdit* document = sheet->document();
    document->setFocus(Qt::TabFocusReason);
    const QString before = document->toPlainText();
    QCOMPARE(walk(1), QStringList {"RichTextBox1"});
    QCOMPARE(document->toPlainText().size(), before.size() + 1);
    QVERIFY(document->toPlainText().contains(QLatin1Char('\t')));

    QCOMPARE(walk(1, Qt::Key_Tab, Qt::ControlModifier), QStringList {"cmdRudu_Vovor"});
    QCOMPARE(walk(3), (QStringList {"cmdExit", "cmdPrint", "RichTextBox1"}));
    QCOMPARE(walk(1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier),
        QStringList {"cmdPrint"});
    QCOMPARE(walk(3, Qt::Key_Backtab), (QStringList {"cmdExit", "cmdRudu_Vovor", "RichTextBox1"}));
    QCOMPARE(document->toPlainText().size(), before.size() + 1);
}

void KeyboardTest::circuitCheckOrder_data()
{
    QTest::addColumn<QStringList>("typed"); // box and text, one after the other
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("order"); // from the first control round to it again

    const QStringList results {"ccResultOcpd", "ccResultSets", "ccResultSize", "ccResultGoverning",
        "ccResultTerminalAmps", "ccResultCorrectedAmps", "ccResultEgc", "ccResultRaceway",
        "ccResultFill", "ccResultDrop", "ccResultDropVolts", "ccResultLoadVolts",
        "ccResultTotalDrop", "ccResultExactDrop", "ccResultMaxLength", "ccResultFault",
        "ccResultVerdict", "ccSummary", "ccWorking"};
    // The inputs down their column, the key figures down theirs, the texts, the buttons;
    // Send to Sheet is passed over while there is no result.
    QTest::newRow("3-phase 4-wire, no result")
        << QStringList {} << "3-phase 4-wire"
        << QStringList {"ccSystem", "ccVoltage", "ccLoad", "ccLoadUnit", "ccContinuous",
               "ccCircuitKind", "ccOcpd", "ccReceptacles", "ccMaterial", "ccInsulation",
               "ccTerminal", "ccSets", "ccMaxSize", "ccAmbient", "ccAmbientUnit",
               "ccConductorCount", "ccHarmonicNeutral", "ccLength", "ccRaceway",
               "ccRacewayMaterial", "ccPowerFactor", "ccDropLimit", "ccDropUpstream",
               "ccEgcMaterial", "ccFaultAmps", "ccMotorAmps"}
            + results + QStringList {"ccClose", "ccSystem"};
    // DC has no neutral that counts, no power factor and no fault current.
    QTest::newRow("direct current with a result")
        << QStringList {"ccLoad", "20", "ccLength", "50"} << "DC 2-wire"
        << QStringList {"ccSystem", "ccVoltage", "ccLoad", "ccLoadUnit", "ccContinuous",
               "ccCircuitKind", "ccOcpd", "ccReceptacles", "ccMaterial", "ccInsulation",
               "ccTerminal", "ccSets", "ccMaxSize", "ccAmbient", "ccAmbientUnit",
               "ccConductorCount", "ccLength", "ccRaceway", "ccRacewayMaterial", "ccDropLimit",
               "ccDropUpstream", "ccEgcMaterial"}
            + results + QStringList {"ccSendToSheet", "ccClose", "ccSystem"};
}

// The window opens at its first input; Tab goes down the inputs, then through the
// results, and Shift+Tab the same way back.
void KeyboardTest::circuitCheckOrder()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, system);
    QFETCH(QStringList, order);
    auto* window = new CircuitCheckWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(focusName(), QStringLiteral("ccSystem"));
    auto* systems = testsupport::findControl<QComboBox>(window, QStringLiteral("ccSystem"));
    systems->setCurrentIndex(systems->findText(system));
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        testsupport::findControl<QLineEdit>(window, typed[i])->setText(typed[i + 1]);
    QCOMPARE(window->hasResult(), !typed.isEmpty());

    systems->setFocus(Qt::TabFocusReason);
    QCOMPARE(walk(order.size() - 1), order.mid(1));
    QCOMPARE(walk(order.size() - 1, Qt::Key_Backtab), reversed(order.mid(0, order.size() - 1)));
}

void KeyboardTest::returnPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("button"); // the button to watch
    QTest::addColumn<bool>("pressed");

    const int voltageDrop = MainWindow::VoltageDropTab;
    const int introduction = MainWindow::IntroductionTab;
    QTest::newRow("calculate, Return")
        << "main" << voltageDrop << "btnCalculate" << int(Qt::Key_Return) << "btnCalculate" << true;
    QTest::newRow("calculate, Enter")
        << "main" << voltageDrop << "btnCalculate" << int(Qt::Key_Enter) << "btnCalculate" << true;
    QTest::newRow("conduit size") << "main" << int(MainWindow::ConduitSizerTab) << "cmdCalcCondSize"
                                  << int(Qt::Key_Return) << "cmdCalcCondSize" << true;
    QTest::newRow("fault current") << "main" << int(MainWindow::ShortCircuitTab) << "cmdCalcFault"
                                   << int(Qt::Key_Enter) << "cmdCalcFault" << true;
    QTest::newRow("design data") << "main" << int(MainWindow::DesignDataTab) << "cmdMotors"
                                 << int(Qt::Key_Return) << "cmdMotors" << true;
    QTest::newRow("toolbar") << "main" << introduction << "About" << int(Qt::Key_Return) << "About"
                             << true;
    QTest::newRow("about") << "about" << introduction << "cmdOK" << int(Qt::Key_Return) << "cmdOK"
                           << true;
    QTest::newRow("sheet") << "sheet" << introduction << "cmdRudu_Vovor" << int(Qt::Key_Enter)
                           << "cmdRudu_Vovor" << true;
    // Return in a box is the box's own.
    QTest::newRow("load box") << "main" << voltageDrop << "txtLoad" << int(Qt::Key_Return)
                              << "btnCalculate" << false;
    QTest::newRow("size list") << "main" << voltageDrop << "cbVolts" << int(Qt::Key_Return)
                               << "btnCalculate" << false;
}

void KeyboardTest::returnPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, button);
    QFETCH(bool, pressed);

    QVERIFY(showWindow());
    m_window->tabs()->setCurrentIndex(page);
    QWidget* shown = m_window;
    if (window == QLatin1String("about")) {
        m_window->showAbout();
        shown = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    } else if (window == QLatin1String("sheet")) {
        shown = new CalcSheet;
        shown->show();
    }
    QVERIFY(QTest::qWaitForWindowActive(shown));
    // The toolbar's button is found by its action's name.
    const auto control = [shown](const QString& name) -> QWidget* {
        if (auto* action = shown->findChild<QAction*>(name))
            return testsupport::findControl<QToolBar>(shown, QStringLiteral("Toolbar1"))
                ->widgetForAction(action);
        return testsupport::findControl(shown, name);
    };
    auto* watched = qobject_cast<QAbstractButton*>(control(button));
    QVERIFY(watched);
    QSignalSpy clicks(watched, &QAbstractButton::clicked);
    MessageBoxCatcher catcher; // the calculations refuse the empty page

    control(focused)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(clicks.count(), pressed ? 1 : 0);
}

// Every control that takes the focus tells a screen reader what it is.
void KeyboardTest::controlsHaveNames()
{
    QVERIFY(showWindow());
    auto* about = new AboutWindow;
    auto* sheet = new CalcSheet;
    auto* circuitCheck = new CircuitCheckWindow;
    auto* racewayFill = new RacewayFillWindow;
    QList<QWidget*> controls;
    for (QWidget* window : {static_cast<QWidget*>(m_window), static_cast<QWidget*>(about),
             static_cast<QWidget*>(sheet), static_cast<QWidget*>(circuitCheck),
             static_cast<QWidget*>(racewayFill)}) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            // The tab strip's own scroll buttons are the toolkit's; the strip names its tabs.
            // Lists' drop-downs are windows of their own.
            if (widget->window() == window && widget->focusPolicy() != Qt::NoFocus
                && !qobject_cast<QTabBar*>(widget)
                && !qobject_cast<QTabBar*>(widget->parentWidget())
                && !qobject_cast<QTabWidget*>(widget))
                controls << widget;
        }
    }
    QVERIFY(controls.size() > 250);
    for (QWidget* control : std::as_const(controls)) {
        // Outside checks find a control by its name.
        QVERIFY2(!controlName(control).isEmpty(), qPrintable(describe(control)));
        // The history slots are named with the caption a result gives them.
        if (control->objectName().startsWith(QLatin1String("rbVDResults")))
            continue;
        QVERIFY2(!control->accessibleName().trimmed().isEmpty(), qPrintable(describe(control)));
    }
}

// Every item of both menu bars carries a name, a submenu by its menu's name, the items a
// menu gets as it opens among them.
void KeyboardTest::menuItemsHaveNames()
{
    // No recent files and no closed sheets, so Recent Sheets says it has none.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavilon")).clear();
    QTemporaryDir kept;
    QVERIFY(kept.isValid());
    ProgramWindows windows(m_calculator, KeptSheets(kept.path()));
    QMenuBar* mainMenus = windows.showMainWindow()->menuBar();
    QMenuBar* sheetMenus = windows.showCalcSheet()->menuBar();
    QVERIFY(menuItemsAreNamed(mainMenus->actions()));
    QVERIFY(menuItemsAreNamed(sheetMenus->actions()));

    // What both windows offer is one item in both File menus, so each name exists once.
    const auto fileItem = [](QMenuBar* bar, const char* name) -> QAction* {
        for (QAction* item : bar->findChild<QMenu*>(QStringLiteral("menuFile"))->actions()) {
            const QObject* named = item->menu() ? static_cast<QObject*>(item->menu()) : item;
            if (named->objectName() == QLatin1String(name))
                return item;
        }
        return nullptr;
    };
    for (const char* name : {"actionOpenSheet", "menuRecentSheets", "actionReopenClosedSheet"}) {
        QVERIFY2(fileItem(mainMenus, name), name);
        QCOMPARE(fileItem(sheetMenus, name), fileItem(mainMenus, name));
    }
}

void KeyboardTest::toolWindowsTabThroughEveryControl_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("circuit check") << "CircuitCheck";
    QTest::newRow("raceway fill") << "RacewayFill";
}

// Tab from a tool window's first control comes round to it again after every control that
// takes the focus, each once: no input is left to the mouse alone, none holds the Tab key.
void KeyboardTest::toolWindowsTabThroughEveryControl()
{
    QFETCH(QString, window);
    QWidget* tool = window == QLatin1String("CircuitCheck")
        ? static_cast<QWidget*>(new CircuitCheckWindow)
        : static_cast<QWidget*>(new RacewayFillWindow);
    tool->show();
    QVERIFY(QTest::qWaitForWindowActive(tool));
    QWidget* first = QApplication::focusWidget();
    QVERIFY(first);

    QSet<QWidget*> reachable;
    for (QWidget* widget : tool->findChildren<QWidget*>()) {
        if (widget->window() != tool || !widget->isVisible() || !widget->isEnabled()
            || widget->focusPolicy() == Qt::NoFocus || widget->focusProxy())
            continue;
        // Only a text to select and copy may take the focus from the mouse alone.
        if (widget->focusPolicy() & Qt::TabFocus)
            reachable << widget;
        else
            QVERIFY2(qobject_cast<QLabel*>(widget), qPrintable(describe(widget)));
    }
    QSet<QWidget*> visited;
    QWidget* at = first;
    do {
        QVERIFY2(reachable.contains(at), qPrintable(describe(at)));
        QVERIFY2(!visited.contains(at), qPrintable(describe(at) + QStringLiteral(" twice")));
        visited << at;
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at != first && visited.size() <= reachable.size());
    for (QWidget* left : reachable - visited)
        QFAIL(qPrintable(describe(left) + QStringLiteral(" is not in the Tab order")));
}

void KeyboardTest::controlsHaveTooltips_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<int>("least"); // the fewest controls the walk must find

    // The Design Data tables and the About window's list of what Tavilon offers are
    // reference text to read, not inputs or results; their own text says what they are.
    QTest::newRow("main window") << "main"
                                 << QStringList {"RichTextBox1(0)", "RichTextBox1(1)",
                                        "RichTextBox1(2)"}
                                 << 115;
    QTest::newRow("results sheet") << "sheet" << QStringList {} << 1;
    QTest::newRow("about window") << "about" << QStringList {"RichTextBox1"} << 0;
    // Its inputs, the key figures, the summary and the working, and the list of problems.
    QTest::newRow("circuit check") << "circuit check" << QStringList {} << 46;
    // The twenty rows' count, size and insulation, the raceway, the nipple, the trade sizes and
    // How Many Fit.
    QTest::newRow("raceway fill") << "raceway fill" << QStringList {} << 66;
}

// Every input and result says what it holds when the pointer rests on it, on every page,
// shown or not.
void KeyboardTest::controlsHaveTooltips()
{
    QFETCH(QString, window);
    QFETCH(QStringList, excluded);
    QFETCH(int, least);
    QWidget* checkedWindow = m_window;
    if (window == QLatin1String("sheet"))
        checkedWindow = new CalcSheet;
    else if (window == QLatin1String("about"))
        checkedWindow = new AboutWindow;
    else if (window == QLatin1String("circuit check"))
        checkedWindow = new CircuitCheckWindow;
    else if (window == QLatin1String("raceway fill"))
        checkedWindow = new RacewayFillWindow;

    // An editable list's text box passes the pointer's question on to its list. A result
    // label is named apart from its text and describes the result it shows
    // (ui::setResultName); the lighting-tap caution is read as it stands.
    const auto needsTip = [](const QWidget* widget) {
        if (qobject_cast<const QLineEdit*>(widget))
            return !qobject_cast<const QComboBox*>(widget->parentWidget());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            return label->objectName() == QLatin1String("lblWireNote")
                || (!label->accessibleName().isEmpty() && label->accessibleName() != label->text()
                    && label->accessibleDescription() == label->text());
        return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QRadioButton*>(widget)
            || qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QTextEdit*>(widget);
    };
    int checked = 0;
    for (QWidget* widget : checkedWindow->findChildren<QWidget*>()) {
        // A list's drop-down is a window of its own.
        if (widget->window() != checkedWindow || !needsTip(widget)
            || excluded.contains(widget->objectName()))
            continue;
        ++checked;
        QVERIFY2(!widget->toolTip().trimmed().isEmpty(),
            qPrintable(describe(widget) + QStringLiteral(" has no tooltip")));
    }
    QVERIFY2(checked >= least, qPrintable(QString::number(checked)));
    for (const QString& name : std::as_const(excluded))
        QVERIFY2(testsupport::findControl<QTextEdit>(checkedWindow, name)->isReadOnly(),
            qPrintable(name));
}

// A result label is named for what it shows; the result itself is in its description.
void KeyboardTest::resultsReachAScreenReader()
{
    QVERIFY(showWindow());
    m_window->tabs()->setCurrentIndex(MainWindow::ConduitSizerTab);
    auto* size = find<QComboBox>(QStringLiteral("cbCondWireSize(0)"));
    size->setCurrentIndex(size->findText(QStringLiteral("   12 awg")));
    type(QStringLiteral("txCondWireNumber(0)"), QStringLiteral("3"));
    QTest::mouseClick(find(QStringLiteral("cmdCalcCondSize")), Qt::LeftButton);

    m_window->tabs()->setCurrentIndex(MainWindow::ShortCircuitTab);
    type(QStringLiteral("txtFeet"), QStringLiteral("100"));
    QTest::mouseClick(find(QStringLiteral("cmdCalcFault")), Qt::LeftButton);

    QStringList results {
        "Label12", "lblTotalArea", "lblDiameter", "lblXfmrFLA", "lblXfmrISC", "lblFault(0)"};
    for (int i = 0; i < 10; ++i)
        results << QStringLiteral("lblCalc(%1)").arg(i);
    for (const QString& name : std::as_const(results)) {
        auto* label = find<QLabel>(name);
        QVERIFY2(!label->accessibleName().isEmpty(), qPrintable(name));
        QCOMPARE(label->accessibleDescription(), label->text());
    }
    QVERIFY(!find<QLabel>(QStringLiteral("lblCalc(0)"))->text().isEmpty());
    QVERIFY(find<QLabel>(QStringLiteral("lblFault(0)"))->text() != QStringLiteral("0  "));

    // Reset empties the group lines, for the screen reader too.
    m_window->tabs()->setCurrentIndex(MainWindow::ConduitSizerTab);
    QTest::mouseClick(find(QStringLiteral("cmdReset")), Qt::LeftButton);
    QCOMPARE(find<QLabel>(QStringLiteral("lblCalc(0)"))->accessibleDescription(), QString());
}

TAVILON_WIDGET_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
