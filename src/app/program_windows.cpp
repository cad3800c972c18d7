#include "app/program_windows.h"

#include "app/main_window.h"

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
