#include "app/program_windows.h"

#include "app/main_window.h"
#include "sheet/calc_sheet.h"

#include <QCoreApplication>
#include <QScreen>

ProgramWindows::ProgramWindows(VoltageDropSettings& settings)
    : m_settings(settings)
{ }

MainWindow* ProgramWindows::showMainWindow()
{
    if (!m_mainWindow)
        m_mainWindow = new MainWindow(m_settings);
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
        m_calcSheet = new CalcSheet;
        QObject::connect(m_calcSheet, &CalcSheet::showMainWindowRequested, m_calcSheet,
            [this] { showMainWindow(); });
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
    const QRect main = m_mainWindow->frameGeometry();
    const QRect available = m_mainWindow->screen()->availableGeometry();
    QPoint position(main.right() + 8, main.top());
    if (position.x() + sheet->width() > available.right())
        position.setX(std::max(available.left(), available.right() - sheet->width()));
    sheet->move(position);
}
