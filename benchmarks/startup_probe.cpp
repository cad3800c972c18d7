// The program's own start, exactly as main.cpp has it, reporting its first frame.

#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/voltage_drop_settings.h"
#include "first_frame.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    configureApplication(application);

    VoltageDropSettings settings;
    ProgramWindows windows(settings);
    new FirstFrameReporter(windows.showMainWindow());
    return application.exec();
}
