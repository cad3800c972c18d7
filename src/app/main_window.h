#pragma once

// Rudu_Vovor, the main window: below its menu bar, the tab control with the five pages,
// the program logo beside the tabs and the row of results-history buttons below them.

#include "ui/sheet_file_actions.h"

#include <QMainWindow>
#include <QPointer>

class AboutWindow;
class CircuitCheckWindow;
class ConduitSizerPage;
class DesignDataPage;
class IntroductionPage;
class QMenu;
class QTabWidget;
class RacewayFillWindow;
class ResultsHistory;
class ShortCircuitPage;
class VoltageDropCalculator;
class VoltageDropPage;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum Page
    {
        VoltageDropTab = 0,
        ConduitSizerTab = 1,
        ShortCircuitTab = 2,
        DesignDataTab = 3,
        IntroductionTab = 4,
    };

    // `sheetActions` are the File menu's items that the results sheet offers too.
    explicit MainWindow(VoltageDropCalculator& calculator,
        const ui::SheetFileActions& sheetActions = {}, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    VoltageDropPage* voltageDropPage() const { return m_voltageDrop; }
    ShortCircuitPage* shortCircuitPage() const { return m_shortCircuit; }
    ConduitSizerPage* conduitSizerPage() const { return m_conduitSizer; }

    // Shows the About window, creating it if it is not open.
    void showAbout();
    // Tools ▸ Raceway Fill: shows the tool, creating it on first use, and brings it forward.
    // The main window owns it, so it closes with the main window.
    void showRacewayFill();

    // Tools ▸ Circuit Check: shows the Circuit Check window, creating it on first use. It
    // keeps its inputs while hidden and closes with this window.
    void showCircuitCheck();

    // The menu bar's Tools menu, for the tools beside the calculator pages.
    QMenu* toolsMenu() const { return m_tools; }

signals:
    // File ▸ Show Sheet and File ▸ Quit.
    void showSheetRequested();
    void quitRequested();
    // A tool of the Tools menu sends a report to the results sheet: its text, lines
    // broken with CR LF, the date already in it.
    void sheetReportRequested(const QString& report);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus(const ui::SheetFileActions& sheetActions);
    void pageChanged(int index);
    void tabControlDoubleClicked();
    // True where the tab control shows through: the tab strip and the strip beside it, a
    // page's own background. Frames, labels and pictures are controls of their own.
    bool isTabControlBackground(const QWidget* widget) const;
    void activate();

    VoltageDropCalculator& m_calculator;
    QTabWidget* m_tabs = nullptr;
    QMenu* m_tools = nullptr;
    QWidget* m_logo = nullptr;
    ResultsHistory* m_history = nullptr;
    VoltageDropPage* m_voltageDrop = nullptr;
    ConduitSizerPage* m_conduitSizer = nullptr;
    ShortCircuitPage* m_shortCircuit = nullptr;
    DesignDataPage* m_designData = nullptr;
    IntroductionPage* m_introduction = nullptr;
    QPointer<AboutWindow> m_about;
    // The tools are windows of their own that this one owns: none outlives it.
    CircuitCheckWindow* m_circuitCheck = nullptr;
    RacewayFillWindow* m_racewayFill = nullptr;
};
