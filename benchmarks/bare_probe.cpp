// The yardstick of the start-up benchmark: a bare Qt window of the main window's size
// with a five-page tab control, reporting its first frame.

#include "first_frame.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    QWidget window;
    window.setFixedSize(582, 454);
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(0, 8, 582, 426);
    for (const char* caption :
        {"Voltage Drop", "Conduit Sizer", "Short Circuit", "Design Data", "Introduction"})
        tabs->addTab(new QWidget, QString::fromLatin1(caption));
    tabs->setCurrentIndex(4);

    new FirstFrameReporter(&window);
    window.show();
    return application.exec();
}
