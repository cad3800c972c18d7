#include "app/application_setup.h"
#include "app/program_windows.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);

    VoltageDropCalculator calculator;
    ProgramWindows windows(calculator);
    windows.showMainWindow();
    return application.exec();
}
