// The program's own start, exactly as main.cpp has it, reporting its first frame.

#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "first_frame.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);

    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    new FirstFrameReporter(windows.showMainWindow());
    return application.exec();
}
