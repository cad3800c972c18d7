#include "user_actions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>

namespace testsupport {

bool clickOnMark(QAbstractButton* button)
{
    if (!button->isVisible()) {
        qWarning("%s is not shown", qPrintable(button->objectName()));
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    return true;
}

bool chooseFromList(QComboBox* list, const QString& item)
{
    const int row = list->findText(item);
    if (row < 0) {
        qWarning("%s has no item \"%s\"", qPrintable(list->objectName()), qPrintable(item));
        return false;
    }
    list->showPopup();
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        qWarning("the drop-down of %s did not open", qPrintable(list->objectName()));
        return false;
    }
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); })) {
        qWarning("the drop-down of %s did not close on Return", qPrintable(list->objectName()));
        return false;
    }
    return true;
}

bool enter(QWidget* control, const QString& text)
{
    auto* list = qobject_cast<QComboBox*>(control);
    if (list && !list->isEditable())
        return chooseFromList(list, text);
    QLineEdit* box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
    if (!box || !box->isVisible()) {
        qWarning("%s is no shown box", qPrintable(control->objectName()));
        return false;
    }
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    return true;
}

QString shownText(const QWidget* control)
{
    QString text;
    if (const auto* view = qobject_cast<const QTextEdit*>(control))
        text = view->toPlainText();
    else if (const auto* list = qobject_cast<const QComboBox*>(control))
        text = list->currentText();
    else if (const auto* box = qobject_cast<const QLineEdit*>(control))
        text = box->text();
    else if (const auto* check = qobject_cast<const QCheckBox*>(control))
        text = check->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    else if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else // no text to read: the kind of control, which no test expects
        text = QLatin1String(control->metaObject()->className());
    return control->isEnabled() ? text : QStringLiteral("off: ") + text;
}

bool activate(QWidget* window)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        qWarning("%s did not become the active window", qPrintable(window->objectName()));
        return false;
    }
    return true;
}

QWidget* shownWindow(const QString& objectName)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            return window;
    return nullptr;
}

void deleteTopLevelWindows()
{
    // Only windows that nothing owns: a list's drop-down is a top-level widget owned by its
    // list, which keeps a plain pointer to it and would use it again when it is destroyed.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            windows << window;
    }
    for (const QPointer<QWidget>& window : windows)
        delete window;
}

} // namespace testsupport
