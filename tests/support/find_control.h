#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <source_location>
#include <type_traits>

namespace testsupport {

// A new control of kind T: T itself, or a push button for an abstract kind of button.
template<typename T>
T* newControl(QWidget* parent)
{
    if constexpr (std::is_abstract_v<T>) {
        static_assert(std::is_base_of_v<T, QPushButton>, "no stand-in for this kind of control");
        return new QPushButton(parent);
    } else {
        return new T(parent);
    }
}

// A control of a window by its object name.
//
// A name the window lacks fails the test at the line that asked for it (`where`, the
// caller's line by default), with the name. The test then gets a stand-in rather than
// null: a null control would crash the executable and lose every test after this one, and
// QtTest 6.4 can end a test function only by the return in its check macros (an exception
// escaping a test ends the whole run). The stand-in is a new hidden control of the kind
// asked for, named "missing <name>" and owned by the window, so the test's cleanup deletes
// it. The test runs on, already failed, until a check ends it or it ends: a click on the
// hidden stand-in fails, as does a choice from its empty list, and a QTRY_ wait gives up at
// once on a failed test.
template<typename T = QWidget>
T* findControl(QWidget* window, const QString& name,
    std::source_location where = std::source_location::current())
{
    if (T* control = window->findChild<T*>(name))
        return control;
    QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), where.file_name(),
        static_cast<int>(where.line()));
    T* standIn = newControl<T>(window);
    standIn->setObjectName(QStringLiteral("missing ") + name);
    // Hidden for good: a child that was never hidden would show with its window.
    standIn->hide();
    // The program's lists are editable; a test may type into the stand-in's text box.
    if constexpr (std::is_base_of_v<QComboBox, T>)
        standIn->setEditable(true);
    return standIn;
}

} // namespace testsupport
