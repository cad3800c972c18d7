#include "app/application_setup.h"
#include "app/program_windows.h"
#include "app/voltage_drop_settings.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);

    VoltageDropSettings settings; // ResultReady starts False
    ProgramWindows windows(settings);
    windows.showMainWindow();
    return application.exec();
}
