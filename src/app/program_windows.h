#pragma once

// The program's top-level windows, each created on first use: the main window, and
// the results sheet that outlives it when the user exits with the sheet still open.

#include <QPointer>

class MainWindow;
struct VoltageDropSettings;

class ProgramWindows
{
public:
    explicit ProgramWindows(VoltageDropSettings& settings);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the main window, creating it if it does not exist, and brings it forward.
    MainWindow* showMainWindow();
    MainWindow* mainWindow() const;

private:
    VoltageDropSettings& m_settings;
    QPointer<MainWindow> m_mainWindow;
};
