#include "user_actions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>

namespace testsupport {

void clickOnMark(QAbstractButton* button)
{
    QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void chooseFromList(QComboBox* list, const QString& item)
{
    const int row = list->findText(item);
    QVERIFY2(row >= 0, qPrintable(item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
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
