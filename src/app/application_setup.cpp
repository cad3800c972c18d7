#include "app/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

void configureApplication(QApplication& application)
{
    Q_INIT_RESOURCE(artwork);
    QApplication::setApplicationName(QStringLiteral("Tavilon"));
    QApplication::setApplicationVersion(QStringLiteral(TAVILON_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tavilon.Tavilon"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/tavilon.svg")));

    // The windows are laid out for 8.25 point Arial, the classic dialog font size.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    application.setFont(font);
}
