#include "app/main_window.h"

#include "app/about_window.h"
#include "app/design_data_page.h"
#include "app/introduction_page.h"
#include "circuit_check/circuit_check_window.h"
#include "conduit/conduit_sizer_page.h"
#include "fault/short_circuit_page.h"
#include "raceway_fill/raceway_fill_window.h"
#include "ui/accessibility.h"
#include "ui/activation_watcher.h"
#include "ui/menus.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "ui/window_placement.h"
#include "voltage_drop/results_history.h"
#include "voltage_drop/voltage_drop_calculator.h"
#include "voltage_drop/voltage_drop_page.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSvgWidget>
#include <QTabBar>
#include <QTabWidget>

MainWindow::MainWindow(
    VoltageDropCalculator& calculator, const ui::SheetFileActions& sheetActions, QWidget* parent)
    : QMainWindow(parent)
    , m_calculator(calculator)
{
    setObjectName(QStringLiteral("Rudu_Vovor"));
    setWindowTitle(QStringLiteral("Tavilon   "));
    setAttribute(Qt::WA_DeleteOnClose);

    // The designed client area, below the menu bar.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("mainClient"));
    client->setFixedSize(ui::twips(8730), ui::twips(6810));
    setCentralWidget(client);

    m_tabs = new QTabWidget(client);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    ui::place(m_tabs, 0, 120, 8730, 6390);

    m_history = new ResultsHistory(client);

    m_voltageDrop = new VoltageDropPage(m_calculator, m_history);
    m_conduitSizer = new ConduitSizerPage;
    m_shortCircuit = new ShortCircuitPage;
    m_designData = new DesignDataPage;
    m_introduction = new IntroductionPage;
    m_tabs->addTab(m_voltageDrop, QStringLiteral("Voltage Drop"));
    m_tabs->addTab(m_conduitSizer, QStringLiteral("Conduit Sizer"));
    m_tabs->addTab(m_shortCircuit, QStringLiteral("Short Circuit"));
    m_tabs->addTab(m_designData, QStringLiteral("Design Data"));
    m_tabs->addTab(m_introduction, QStringLiteral("Introduction"));
    m_tabs->setCurrentIndex(IntroductionTab);

    // Tab goes from the tab strip through the page shown. The results-history slots lie
    // below the tab control: they follow the Voltage Drop page's last control.
    const QList<QAbstractButton*> historySlots
        = m_history->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> historyOrder {m_voltageDrop->lastTabStop()};
    for (QAbstractButton* slot : historySlots)
        historyOrder << slot;
    ui::setTabOrder(historyOrder);
    ui::keepTabStopOnChoice(historySlots);

    // Above the tab control, beside the tab strip; hidden on the Introduction page.
    m_logo = ui::picture(
        "pictLogo", QStringLiteral(":/artwork/tavilon.svg"), QStringLiteral("Tavilon"), client);
    ui::place(m_logo, 7960, 720, 540, 540);
    m_logo->hide();

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    // A double click on a tab's caption is the tab bar's own; one anywhere else that no
    // control takes reaches the tab control.
    connect(m_tabs->tabBar(), &QTabBar::tabBarDoubleClicked, this,
        &MainWindow::tabControlDoubleClicked);
    m_tabs->installEventFilter(this);
    connect(m_introduction, &IntroductionPage::aboutRequested, this, &MainWindow::showAbout);
    connect(m_introduction, &IntroductionPage::exitRequested, this, &QWidget::close);
    connect(new ui::ActivationWatcher(this), &ui::ActivationWatcher::activated, this,
        &MainWindow::activate);

    buildMenus(sheetActions);
    // The window grows by the menu bar; the client area keeps its size.
    setFixedSize(client->width(), client->height() + ui::menuBarHeight(menuBar()));
}

void MainWindow::buildMenus(const ui::SheetFileActions& sheetActions)
{
    QMenu* file = ui::addMenu(menuBar(), "menuFile", QStringLiteral("&File"));
    if (sheetActions.open)
        file->addAction(sheetActions.open);
    QAction* showSheet
        = ui::addAction(file, "actionShowSheet", QStringLiteral("S&how Sheet"), "document-preview");
    connect(showSheet, &QAction::triggered, this, &MainWindow::showSheetRequested);
    file->addSeparator();
    if (sheetActions.recent)
        file->addMenu(sheetActions.recent);
    if (sheetActions.reopenClosed)
        file->addAction(sheetActions.reopenClosed);
    file->addSeparator();
    QAction* quit = ui::addAction(
        file, "actionQuit", QStringLiteral("&Quit"), "application-exit", QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &MainWindow::quitRequested);

    m_tools = ui::addMenu(menuBar(), "menuTools", QStringLiteral("&Tools"));
    QAction* circuitCheck
        = ui::addAction(m_tools, "actionCircuitCheck", QStringLiteral("&Circuit Check…"));
    circuitCheck->setShortcut(Qt::CTRL | Qt::Key_K);
    connect(circuitCheck, &QAction::triggered, this, &MainWindow::showCircuitCheck);
    QAction* racewayFill
        = ui::addAction(m_tools, "actionRacewayFill", QStringLiteral("&Raceway Fill…"));
    connect(racewayFill, &QAction::triggered, this, &MainWindow::showRacewayFill);

    QMenu* help = ui::addMenu(menuBar(), "menuHelp", QStringLiteral("&Help"));
    QAction* about
        = ui::addAction(help, "actionAbout", QStringLiteral("&About Tavilon"), "help-about");
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showCircuitCheck()
{
    if (!m_circuitCheck) {
        m_circuitCheck = new CircuitCheckWindow(this);
        connect(m_circuitCheck, &CircuitCheckWindow::reportReady, this,
            &MainWindow::sheetReportRequested);
    }
    m_circuitCheck->show();
    m_circuitCheck->raise();
    m_circuitCheck->activateWindow();
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow;
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainWindow::showRacewayFill()
{
    if (!m_racewayFill) {
        m_racewayFill = new RacewayFillWindow(this);
        m_racewayFill->move(ui::besideWindow(
            frameGeometry(), geometry(), m_racewayFill->size(), screen()->availableGeometry()));
        connect(m_racewayFill, &RacewayFillWindow::sheetReportRequested, this,
            &MainWindow::sheetReportRequested);
    }
    m_racewayFill->show();
    m_racewayFill->raise();
    m_racewayFill->activateWindow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tabs && event->type() == QEvent::MouseButtonDblClick) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QWidget* under = m_tabs->childAt(position);
        if (!under || isTabControlBackground(under))
            tabControlDoubleClicked();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::isTabControlBackground(const QWidget* widget) const
{
    if (widget == m_tabs->tabBar() || widget == m_tabs->currentWidget())
        return true;
    // The pages sit on a stack of the tab control's own.
    return widget->parentWidget() == m_tabs && widget->isAncestorOf(m_tabs->currentWidget());
}

void MainWindow::tabControlDoubleClicked()
{
    if (m_tabs->currentIndex() == VoltageDropTab)
        m_voltageDrop->focusLoad();
}

void MainWindow::pageChanged(int index)
{
    if (index == VoltageDropTab)
        m_voltageDrop->focusLoad();
    const QString caption = m_tabs->tabText(index);
    m_logo->setVisible(caption != QLatin1String("Introduction"));
    m_logo->raise();
    if (caption == QLatin1String("Short Circuit"))
        m_shortCircuit->movePanelHome();
}

void MainWindow::activate()
{
    m_voltageDrop->focusLoad();
    m_calculator.activate();
    m_voltageDrop->selectDefaultWireSize();
    m_voltageDrop->setCalcSheetEnabled(m_calculator.settings().ResultReady);
}
