#pragma once

#include <QString>
#include <QWidget>

namespace testsupport {

// A control of a window by its object name. A name the window lacks stops the test at
// once, with the name, rather than with a crash on a null control further on.
template<typename T = QWidget>
T* findControl(const QObject* window, const QString& name)
{
    T* control = window->findChild<T*>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

} // namespace testsupport
