#include "app/main_window.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "test_main.h"
#include "ui/message_box.h"
#include "user_actions.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensOnIntroduction();
    void toolWindowOpensOnceAndKeepsWhatWasTyped_data();
    void toolWindowOpensOnceAndKeepsWhatWasTyped();
    void logoFollowsThePage();
    void firstActivationFillsDefaults();
    void activationKeepsChosenSettings();
    void closingAMessageBoxIsNoActivation();
    void closingADropDownIsNoActivation();
    void designDataShowsOneDocument_data();
    void designDataShowsOneDocument();
    void designDocumentsHoldTheTables();
    void motorTables_data();
    void motorTables();
    void aboutIsModelessAndClosesWithOk();
    void aboutClosesWithEscape();
    void exitClosesTheWindow();
    void aboutKeepsTheProgramRunningAfterExit();
    void doubleClickOnTheTabControl_data();
    void doubleClickOnTheTabControl();

private:
    [[nodiscard]] bool showWindow();
    // The window's controls. A missing one fails the test at the line that asked for it.
    QTabWidget* tabs(std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<QTabWidget>(m_window, QStringLiteral("SSTab1"), where);
    }
    QWidget* logo(std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl(m_window, QStringLiteral("pictLogo"), where);
    }
    QTextEdit* document(int i, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<QTextEdit>(
            m_window, QStringLiteral("RichTextBox1(%1)").arg(i), where);
    }
    QPushButton* button(
        const char* name, std::source_location where = std::source_location::current()) const
    {
        return testsupport::findControl<QPushButton>(m_window, QLatin1String(name), where);
    }
    QAction* aboutAction() const { return m_window->findChild<QAction*>(QStringLiteral("About")); }

    const VoltageDropSettings& settings() const { return m_calculator.settings(); }

    VoltageDropCalculator m_calculator;
    QPointer<MainWindow> m_window;
};

void MainWindowTest::init()
{
    m_calculator = {};
    m_window = new MainWindow(m_calculator);
}

void MainWindowTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
}

bool MainWindowTest::showWindow()
{
    m_window->show();
    return testsupport::activate(m_window);
}

void MainWindowTest::opensOnIntroduction()
{
    QVERIFY(showWindow());
    QCOMPARE(m_window->objectName(), QStringLiteral("Rudu_Vovor"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavilon   "));
    // The designed client area lies below the menu bar; the window has grown by it.
    const int menuBar = m_window->menuBar()->height();
    QVERIFY(menuBar > 0);
    QCOMPARE(m_window->centralWidget()->geometry(), QRect(0, menuBar, 582, 454));
    QCOMPARE(m_window->size(), QSize(582, 454 + menuBar));
    QCOMPARE(tabs()->count(), 5);
    const QStringList captions {
        "Voltage Drop", "Conduit Sizer", "Short Circuit", "Design Data", "Introduction"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(tabs()->tabText(i), captions[i]);
    QCOMPARE(tabs()->currentIndex(), 4);
    QVERIFY(!logo()->isVisible());
    QCOMPARE(button("cmdExit(1)")->text(), QStringLiteral("Exit "));
    QVERIFY(aboutAction());
    for (int i = 0; i < 10; ++i) {
        QWidget* slot = m_window->findChild<QWidget*>(QStringLiteral("rbVDResults(%1)").arg(i));
        QVERIFY(slot);
        QVERIFY(slot->isHidden());
        QVERIFY(m_window->findChild<QObject*>(QStringLiteral("txtVDResults(%1)").arg(i)));
    }
}

void MainWindowTest::logoFollowsThePage()
{
    QVERIFY(showWindow());
    for (int page : {0, 1, 2, 3}) {
        tabs()->setCurrentIndex(page);
        QVERIFY2(logo()->isVisible(), qPrintable(tabs()->tabText(page)));
    }
    tabs()->setCurrentIndex(4);
    QVERIFY(!logo()->isVisible());

    // By mouse, as the user changes page.
    QTabBar* bar = tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(tabs()->currentIndex(), 1);
    QVERIFY(logo()->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(4).center());
    QVERIFY(!logo()->isVisible());
}

void MainWindowTest::firstActivationFillsDefaults()
{
    QCOMPARE(settings().PowerFactor, std::nullopt);
    QVERIFY(showWindow());
    QCOMPARE(settings().PowerFactor, 100.0);
    QCOMPARE(settings().SetsPerPhase, 1);
    QCOMPARE(settings().TempRating, Temperature::C75);
    QCOMPARE(settings().WireMaterial, Material::Copper);
    QCOMPARE(settings().ConduitType, Raceway::Steel);
    QVERIFY(!settings().ResultReady);
    QVERIFY(!button("btnCalc_Sheet")->isEnabled());
}

void MainWindowTest::activationKeepsChosenSettings()
{
    QVERIFY(showWindow());

    // Going to the About window and back is an activation; only unset settings are filled.
    m_window->showAbout();
    QWidget* about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    QVERIFY(QTest::qWaitForWindowActive(about));
    m_calculator = {}; // nothing set
    m_calculator.chooseTemperature(Temperature::C90);
    m_calculator.chooseMaterial(Material::Aluminum);
    m_calculator.chooseRaceway(Raceway::Pvc);
    about->close();
    m_window->activateWindow();
    QTRY_COMPARE(settings().PowerFactor, 100.0);
    QCOMPARE(settings().TempRating, Temperature::C90);
    QCOMPARE(settings().WireMaterial, Material::Aluminum);
    QCOMPARE(settings().ConduitType, Raceway::Pvc);
}

void MainWindowTest::closingAMessageBoxIsNoActivation()
{
    QVERIFY(showWindow());
    m_calculator = {}; // nothing set: an activation would fill the power factor
    MessageBoxCatcher catcher;
    QWindow* activeWhileOpen = nullptr;
    catcher.setOnOpen([&] { activeWhileOpen = QGuiApplication::focusWindow(); });
    ui::showMessage(
        m_window, QStringLiteral("Text"), QStringLiteral("Title"), MessageKind::Information);
    QCOMPARE(catcher.count(), 1);
    QVERIFY(activeWhileOpen && activeWhileOpen != m_window->windowHandle());
    // The window system hands the focus back to the window under the box.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::qWait(20);
    QCOMPARE(settings().PowerFactor, std::nullopt);
}

void MainWindowTest::closingADropDownIsNoActivation()
{
    QVERIFY(showWindow());
    tabs()->setCurrentIndex(MainWindow::ConduitSizerTab);
    m_calculator = {}; // nothing set: an activation would fill the power factor
    auto* sizes
        = testsupport::findControl<QComboBox>(m_window, QStringLiteral("cbCondWireSize(0)"));
    sizes->showPopup();
    // The drop-down takes the focus while it is open.
    QTRY_VERIFY(QGuiApplication::focusWindow() != m_window->windowHandle());
    QAbstractItemView* view = sizes->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
        view->visualRect(view->model()->index(3, 0)).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(sizes->currentText(), QStringLiteral("   12 awg"));
    QTRY_COMPARE(QGuiApplication::focusWindow(), m_window->windowHandle());
    QTest::qWait(20);
    QCOMPARE(settings().PowerFactor, std::nullopt);
}

void MainWindowTest::designDataShowsOneDocument_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<int>("shown");

    QTest::newRow("none") << QStringList {} << 2;
    QTest::newRow("transformers") << QStringList {"cmdTransfomers"} << 0;
    QTest::newRow("motors") << QStringList {"cmdMotors"} << 1;
    QTest::newRow("back to wires") << QStringList {"cmdMotors", "cmdWires"} << 2;
    QTest::newRow("same twice") << QStringList {"cmdTransfomers", "cmdTransfomers"} << 0;
    QTest::newRow("all in reverse") << QStringList {"cmdWires", "cmdMotors", "cmdTransfomers"} << 0;
}

void MainWindowTest::designDataShowsOneDocument()
{
    QFETCH(QStringList, presses);
    QFETCH(int, shown);
    QVERIFY(showWindow());
    tabs()->setCurrentIndex(3);
    for (const QString& name : presses)
        QTest::mouseClick(button(qPrintable(name)), Qt::LeftButton);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(document(i)->isVisible(), i == shown);
}

void MainWindowTest::designDocumentsHoldTheTables()
{
    // The documents are built when their page is first shown.
    QVERIFY(showWindow());
    tabs()->setCurrentIndex(MainWindow::DesignDataTab);

    QCOMPARE(button("cmdTransfomers")->text(), QStringLiteral("Transfomers"));
    QCOMPARE(button("cmdMotors")->text(), QStringLiteral("Motors"));
    QCOMPARE(button("cmdWires")->text(), QStringLiteral("Wire Ampacities"));

    const QString transformers = document(0)->toPlainText();
    for (const char* text : {"THREE-PHASE TRANSFORMERS", "SINGLE-PHASE TRANSFORMERS", "KVA",
             "AMPERES", "37-1/2", "112-1/2", "25.0", "8320", "2775"})
        QVERIFY2(transformers.contains(QLatin1String(text)), text);
    const QString wires = document(2)->toPlainText();
    for (const char* text : {"Three Conductors in Raceway, Cable or Earth", "AMPACITIES", "COOPER",
             "ALUMINUM", "kcmil", "AWG", "20*", "\u2026", "615"})
        QVERIFY2(wires.contains(QString::fromUtf8(text)), text);

    // Two transformer tables, three motor tables, one ampacity table; all ruled.
    int tables = 0;
    for (int i = 0; i < 3; ++i)
        tables += document(i)->toHtml().count(QStringLiteral("<table"));
    QCOMPARE(tables, 6);
    QVERIFY(document(2)->isReadOnly());

    // One empty paragraph between two tables, and nothing else.
    for (int i = 0; i < 2; ++i) {
        QStringList between; // the paragraphs after each table
        for (auto it = document(i)->document()->rootFrame()->begin(); !it.atEnd(); ++it) {
            if (qobject_cast<QTextTable*>(it.currentFrame()))
                between << QString();
            else if (!between.isEmpty() && it.currentBlock().isValid())
                between.last() += QLatin1Char('[') + it.currentBlock().text() + QLatin1Char(']');
        }
        QCOMPARE(between.first(), QStringLiteral("[]"));
    }
}

void MainWindowTest::motorTables_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("row"); // 0 the title, 1 the heading, 2 the voltages, then the ratings
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("span");

    QTest::newRow("three-phase title") << 0 << 0 << 0 << "THREE-PHASE MOTORS" << 4;
    QTest::newRow("three-phase 1/2 HP at 208 V") << 0 << 3 << 1 << "2.2" << 1;
    QTest::newRow("three-phase 200 HP at 460 V") << 0 << 23 << 3 << "240" << 1;
    // Table 430.248: single-phase motors draw far more than two-phase ones.
    QTest::newRow("single-phase title") << 1 << 0 << 0 << "SINGLE-PHASE MOTORS" << 5;
    QTest::newRow("single-phase heading") << 1 << 1 << 1 << "FULL LOAD AMPERES" << 4;
    QTest::newRow("single-phase 200 V") << 1 << 2 << 2 << "200 V" << 1;
    QTest::newRow("single-phase 1/6 HP at 115 V") << 1 << 3 << 1 << "4.4" << 1;
    QTest::newRow("single-phase 1 HP at 230 V") << 1 << 8 << 4 << "8.0" << 1;
    QTest::newRow("single-phase 1-1/2 HP at 208 V") << 1 << 9 << 3 << "11.0" << 1;
    QTest::newRow("single-phase 10 HP") << 1 << 14 << 0 << "10" << 1;
    QTest::newRow("single-phase 10 HP at 115 V") << 1 << 14 << 1 << "100" << 1;
    // Table 430.249, as the table was before it.
    QTest::newRow("two-phase title") << 2 << 0 << 0 << "TWO-PHASE MOTORS" << 4;
    QTest::newRow("two-phase 460 V") << 2 << 2 << 3 << "460 V" << 1;
    QTest::newRow("two-phase 1 HP at 230 V") << 2 << 5 << 2 << "3.2" << 1;
    QTest::newRow("two-phase 3 HP at 115 V") << 2 << 8 << 1 << "" << 1;
    QTest::newRow("two-phase 200 HP at 230 V") << 2 << 23 << 2 << "416" << 1;
}

void MainWindowTest::motorTables()
{
    QFETCH(int, table);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, span);
    QVERIFY(showWindow());
    tabs()->setCurrentIndex(MainWindow::DesignDataTab);

    QList<QTextTable*> tables;
    for (auto it = document(1)->document()->rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* found = qobject_cast<QTextTable*>(it.currentFrame()))
            tables << found;
    }
    QCOMPARE(tables.size(), 3);
    const QTextTableCell cell = tables[table]->cellAt(row, column);
    QVERIFY(cell.isValid());
    QTEST(cell.firstCursorPosition().block().text(), "text");
    QCOMPARE(cell.columnSpan(), span);
    QCOMPARE(tables[table]->columns(), table == 1 ? 5 : 4);
}

void MainWindowTest::aboutIsModelessAndClosesWithOk()
{
    QVERIFY(showWindow());
    aboutAction()->trigger();
    QWidget* about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    QVERIFY(about);
    QPointer<QWidget> guard(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("Tavilon   -   Rudu Vovor"));
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QVERIFY(QTest::qWaitForWindowExposed(about));

    // The credit names the build's version and still fits its place.
    auto* credit = testsupport::findControl<QLabel>(about, QStringLiteral("Label1"));
    const QString version = QCoreApplication::applicationVersion();
    QVERIFY(!version.isEmpty());
    QVERIFY2(credit->text().contains(version), qPrintable(credit->text()));
    QVERIFY(credit->heightForWidth(credit->width()) <= credit->height());

    // The main window stays usable while About is open.
    tabs()->setCurrentIndex(1);
    QCOMPARE(tabs()->currentIndex(), 1);

    // A second request brings the same window forward rather than opening another.
    m_window->showAbout();
    int abouts = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        abouts += window->objectName() == QLatin1String("AboutRudu_Vovor") && window->isVisible();
    QCOMPARE(abouts, 1);

    auto* ok = testsupport::findControl<QPushButton>(about, QStringLiteral("cmdOK"));
    QVERIFY(ok->isDefault());
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(guard.isNull());
}

void MainWindowTest::aboutClosesWithEscape()
{
    QVERIFY(showWindow());
    m_window->showAbout();
    QPointer<QWidget> about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(about->objectName(), QStringLiteral("AboutRudu_Vovor"));
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(about.isNull());
}

void MainWindowTest::exitClosesTheWindow()
{
    QVERIFY(showWindow());
    QTest::mouseClick(button("cmdExit(1)"), Qt::LeftButton);
    QTRY_VERIFY(m_window.isNull());
}

void MainWindowTest::aboutKeepsTheProgramRunningAfterExit()
{
    QVERIFY(showWindow());
    m_window->showAbout();
    QPointer<QWidget> about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
    QVERIFY(QTest::qWaitForWindowExposed(about));

    // The program runs as long as its event loop does: Exit first, About closed later.
    bool aboutOutlivedExit = false;
    QTimer::singleShot(
        0, this, [this] { QTest::mouseClick(button("cmdExit(1)"), Qt::LeftButton); });
    QTimer::singleShot(100, this, [&] {
        aboutOutlivedExit = m_window.isNull() && about && about->isVisible();
        if (about)
            about->close();
    });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // should it never end
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(aboutOutlivedExit);
}

void MainWindowTest::doubleClickOnTheTabControl_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("focusesLoad");

    QTest::newRow("a tab's caption") << "caption" << true;
    QTest::newRow("the strip beside the tabs") << "strip" << true;
    QTest::newRow("the page's background") << "page" << true;
    QTest::newRow("a label is a control") << "label" << false;
}

void MainWindowTest::doubleClickOnTheTabControl()
{
    QFETCH(QString, where);
    QFETCH(bool, focusesLoad);
    QVERIFY(showWindow());
    const int page = MainWindow::VoltageDropTab;
    tabs()->setCurrentIndex(page);
    auto* length = testsupport::findControl<QLineEdit>(m_window, QStringLiteral("txtLength"));
    length->setFocus();

    // The point in the window, and the deepest widget there, which the window system
    // gives the click to.
    QTabBar* bar = tabs()->tabBar();
    QWidget* shown = tabs()->currentWidget();
    QPoint point;
    if (where == QLatin1String("caption")) {
        point = bar->mapTo(m_window, bar->tabRect(page).center());
    } else if (where == QLatin1String("strip")) {
        point = bar->mapTo(m_window, QPoint(bar->width() + 20, bar->height() / 2));
    } else if (where == QLatin1String("label")) {
        QWidget* label = testsupport::findControl(m_window, QStringLiteral("Label4"));
        point = label->mapTo(m_window, label->rect().center());
    } else {
        // Search the page for a point that no control covers.
        for (int y = 4; y < shown->height() && point.isNull(); y += 4) {
            for (int x = 4; x < shown->width() && point.isNull(); x += 4) {
                if (!shown->childAt(x, y))
                    point = shown->mapTo(m_window, QPoint(x, y));
            }
        }
        QVERIFY(!point.isNull());
    }
    QWidget* target = m_window->childAt(point);
    QVERIFY(target);
    QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(m_window, point));
    QCOMPARE(tabs()->currentIndex(), page);
    auto* load = testsupport::findControl<QLineEdit>(m_window, QStringLiteral("txtLoad"));
    QCOMPARE(load->hasFocus(), focusesLoad);
}

void MainWindowTest::toolWindowOpensOnceAndKeepsWhatWasTyped_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::newRow("circuit check") << "actionCircuitCheck"
                                   << "CircuitCheck"
                                   << "ccLoad";
    QTest::newRow("raceway fill") << "actionRacewayFill"
                                  << "RacewayFill"
                                  << "rfCount(0)";
}

// A tool is one window at a time; closed and opened again
// it holds what the user typed; it closes with the main window.
void MainWindowTest::toolWindowOpensOnceAndKeepsWhatWasTyped()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QString, box);
    QVERIFY(showWindow());
    QAction* open = m_window->findChild<QAction*>(action);
    QVERIFY(open);
    open->trigger();
    QPointer<QWidget> tool = testsupport::shownWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(tool));
    QTest::keyClicks(testsupport::findControl<QLineEdit>(tool, box), QStringLiteral("12"));

    tool->close();
    open->trigger();
    QCOMPARE(testsupport::shownWindow(window), tool.data());
    QCOMPARE(testsupport::findControl<QLineEdit>(tool, box)->text(), QStringLiteral("12"));
    open->trigger();
    qsizetype count = 0;
    for (const QWidget* topLevel : QApplication::topLevelWidgets())
        count += topLevel->objectName() == window;
    QCOMPARE(count, 1);

    m_window->close();
    QTRY_VERIFY(tool.isNull() || !tool->isVisible());
}

TAVILON_WIDGET_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
