#include "app/program_windows.h"

#include "app/main_window.h"
#include "app/sheet_files.h"
#include "conduit/conduit_report.h"
#include "conduit/conduit_sizer_page.h"
#include "fault/fault_report.h"
#include "fault/short_circuit_page.h"
#include "sheet/calc_sheet.h"
#include "sheet/sheet_texts.h"
#include "ui/date_time_text.h"
#include "ui/number_locale.h"
#include "ui/window_placement.h"
#include "voltage_drop/voltage_drop_page.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

// Runs an action once, soon after a window is first drawn: by then the window manager has
// said where it put the window.
class OnFirstExpose : public QObject
{
public:
    OnFirstExpose(QWindow* window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_action));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

ProgramWindows::ProgramWindows(VoltageDropCalculator& calculator, KeptSheets keptSheets)
    : m_calculator(calculator)
    , m_sheetFiles(std::make_unique<SheetFiles>(std::move(keptSheets),
          SheetFiles::SheetWindow {
              [this] { return calcSheet(); }, [this] { return showCalcSheet(); }}))
{ }

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::openSheetOnceShown(const QString& path)
{
    const auto open = [this, path] { m_sheetFiles->open(path); };
    QWindow* window = m_mainWindow ? m_mainWindow->windowHandle() : nullptr;
    if (!window || window->isExposed())
        QTimer::singleShot(0, m_sheetFiles.get(), open);
    else
        new OnFirstExpose(window, open);
}

void ProgramWindows::quit()
{
    QApplication::closeAllWindows();
}

MainWindow* ProgramWindows::showMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = new MainWindow(m_calculator, m_sheetFiles->actions());
        QObject::connect(m_mainWindow, &MainWindow::showSheetRequested, m_mainWindow,
            [this] { showCalcSheet(); });
        QObject::connect(
            m_mainWindow, &MainWindow::quitRequested, m_mainWindow, [this] { quit(); });
        QObject::connect(m_mainWindow->voltageDropPage(), &VoltageDropPage::printRequested,
            m_mainWindow, [this] { sendVoltageDropReport(); });
        QObject::connect(m_mainWindow->shortCircuitPage(), &ShortCircuitPage::printRequested,
            m_mainWindow, [this] { sendFaultReport(); });
        QObject::connect(m_mainWindow->conduitSizerPage(), &ConduitSizerPage::printRequested,
            m_mainWindow, [this] { sendConduitReport(); });
        QObject::connect(m_mainWindow, &MainWindow::sheetReportRequested, m_mainWindow,
            [this](const QString& report) {
                showCalcSheet()->printRTF(report, QStringLiteral("tool"));
            });
    }
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
    return m_mainWindow;
}

MainWindow* ProgramWindows::mainWindow() const
{
    return m_mainWindow;
}

CalcSheet* ProgramWindows::showCalcSheet()
{
    if (!m_calcSheet) {
        m_calcSheet = new CalcSheet(m_sheetFiles->actions(), &m_sheetFiles->keptSheets());
        QObject::connect(
            m_calcSheet, &CalcSheet::fileUsed, m_sheetFiles.get(), &SheetFiles::rememberFile);
        // A closed sheet counts among the ten kept.
        QObject::connect(m_calcSheet, &QObject::destroyed, m_sheetFiles.get(),
            [files = m_sheetFiles.get()] { files->keptSheets().prune(); });
        QObject::connect(m_calcSheet, &CalcSheet::showMainWindowRequested, m_calcSheet,
            [this] { showMainWindow(); });
        m_calcSheet->setVoltageDropResults([this] {
            return m_mainWindow
                ? QTextDocumentFragment::fromHtml(m_mainWindow->voltageDropPage()->resultsContent())
                : QTextDocumentFragment();
        });
        placeBesideMainWindow(m_calcSheet);
    }
    m_calcSheet->show();
    m_calcSheet->raise();
    m_calcSheet->activateWindow();
    QCoreApplication::processEvents();
    return m_calcSheet;
}

CalcSheet* ProgramWindows::calcSheet() const
{
    return m_calcSheet;
}

void ProgramWindows::placeBesideMainWindow(CalcSheet* sheet) const
{
    if (!m_mainWindow || !m_mainWindow->isVisible())
        return;
    sheet->move(ui::besideWindow(m_mainWindow->frameGeometry(), m_mainWindow->geometry(),
        sheet->size(), m_mainWindow->screen()->availableGeometry()));
}

// A report is stamped when its button is pressed, and written once the sheet is up.

void ProgramWindows::sendVoltageDropReport()
{
    const QString stamp = ui::generalDateTimeText(QDateTime::currentDateTime());
    CalcSheet* sheet = showCalcSheet();
    sheet->printRTF(ui::fromStd(BuildVoltageDropHeader(ui::toStd(stamp))), QStringLiteral("VD"));
}

void ProgramWindows::sendFaultReport()
{
    const QString stamp = ui::generalDateTimeText(QDateTime::currentDateTime());
    CalcSheet* sheet = showCalcSheet();
    if (!m_mainWindow)
        return;
    const ShortCircuitPage* page = m_mainWindow->shortCircuitPage();
    const std::string report = BuildFaultReport(
        page->pageState(), page->SourceFaultAmps(), ui::toStd(stamp), ui::localeSeparators());
    sheet->printRTF(ui::fromStd(report), QStringLiteral("short"));
}

void ProgramWindows::sendConduitReport()
{
    const QString stamp = ui::generalDateTimeText(QDateTime::currentDateTime());
    CalcSheet* sheet = showCalcSheet();
    if (!m_mainWindow)
        return;
    const std::string report
        = BuildConduitReport(m_mainWindow->conduitSizerPage()->resultCaptions(), ui::toStd(stamp));
    sheet->printRTF(ui::fromStd(report), QStringLiteral("conduit"));
}
