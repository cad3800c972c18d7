#pragma once

// Rudu_Vovor, the main window: the tab control with the five pages, the program logo
// beside the tabs and the row of results-history buttons below them.

#include <QPointer>
#include <QWidget>

class AboutWindow;
class ConduitSizerPage;
class DesignDataPage;
class IntroductionPage;
class QTabWidget;
class ResultsHistory;
class ShortCircuitPage;
class VoltageDropPage;
struct VoltageDropSettings;

class MainWindow : public QWidget
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

    explicit MainWindow(VoltageDropSettings& settings, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    VoltageDropPage* voltageDropPage() const { return m_voltageDrop; }
    ShortCircuitPage* shortCircuitPage() const { return m_shortCircuit; }
    ConduitSizerPage* conduitSizerPage() const { return m_conduitSizer; }

    // Shows the About window, creating it if it is not open.
    void showAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pageChanged(int index);
    void tabControlDoubleClicked();
    // True where the tab control shows through: the tab strip and the strip beside it, a
    // page's own background. Frames, labels and pictures are controls of their own.
    bool isTabControlBackground(const QWidget* widget) const;
    void activate();

    VoltageDropSettings& m_settings;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_logo = nullptr;
    ResultsHistory* m_history = nullptr;
    VoltageDropPage* m_voltageDrop = nullptr;
    ConduitSizerPage* m_conduitSizer = nullptr;
    ShortCircuitPage* m_shortCircuit = nullptr;
    DesignDataPage* m_designData = nullptr;
    IntroductionPage* m_introduction = nullptr;
    QPointer<AboutWindow> m_about;
};
