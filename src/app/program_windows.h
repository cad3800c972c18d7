#pragma once

// The program's top-level windows, each created on first use: the main window, and
// the results sheet, which outlives the main window when the user exits with the
// sheet still open.

#include "sheet/kept_sheets.h"

#include <QPointer>
#include <QString>

#include <memory>

class CalcSheet;
class SheetFiles;
class MainWindow;
class VoltageDropCalculator;

class ProgramWindows
{
public:
    // Sheets are kept in `keptSheets`.
    explicit ProgramWindows(
        VoltageDropCalculator& calculator, KeptSheets keptSheets = KeptSheets());
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the main window, creating it if it does not exist, and brings it forward.
    MainWindow* showMainWindow();
    MainWindow* mainWindow() const;

    // Shows the results sheet beside the main window, creating it from its template if it
    // does not exist, and lets it paint before a report is added.
    CalcSheet* showCalcSheet();
    CalcSheet* calcSheet() const;

    // Opening, the recent files and the kept sheets, for both windows' File menus.
    SheetFiles& sheetFiles() const { return *m_sheetFiles; }

    // Opens a sheet file beside the main window once the window system has placed that,
    // as `tavilon FILE` does.
    void openSheetOnceShown(const QString& path);

    // File ▸ Quit: every window of the program closes; the sheet is kept.
    void quit();

    // The Print buttons of the calculator pages: the report goes to the end of the sheet.
    void sendVoltageDropReport();
    void sendFaultReport();
    void sendConduitReport();

private:
    void placeBesideMainWindow(CalcSheet* sheet) const;

    VoltageDropCalculator& m_calculator;
    std::unique_ptr<SheetFiles> m_sheetFiles;
    QPointer<MainWindow> m_mainWindow;
    QPointer<CalcSheet> m_calcSheet;
};
