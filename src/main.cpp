#include "app/application_setup.h"
#include "app/command_line.h"
#include "app/program_windows.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);
    const CommandLine commandLine = readCommandLine(QApplication::arguments());
    if (commandLine.exitStatus)
        return *commandLine.exitStatus;

    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    windows.showMainWindow();
    if (!commandLine.sheetFile.isEmpty())
        windows.openSheetOnceShown(commandLine.sheetFile);
    return application.exec();
}
