#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace ui {

void setTabOrder(const QList<QWidget*>& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

void keepTabStopOnChoice(const QList<QAbstractButton*>& options)
{
    const auto moveStop = [options] {
        if (std::none_of(options.begin(), options.end(),
                [](const QAbstractButton* option) { return option->isChecked(); }))
            return;
        for (QAbstractButton* option : options) {
            const int policy = option->focusPolicy();
            option->setFocusPolicy(static_cast<Qt::FocusPolicy>(
                option->isChecked() ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
        }
    };
    for (QAbstractButton* option : options) {
        QObject::connect(option, &QAbstractButton::toggled, option, [moveStop](bool checked) {
            if (checked)
                moveStop();
        });
    }
    moveStop();
}

void setListName(QComboBox* list, const QString& name)
{
    list->setAccessibleName(name);
    if (QLineEdit* box = list->lineEdit())
        box->setAccessibleName(name);
}

void setResultName(QLabel* label, const QString& name)
{
    label->setAccessibleName(name);
    label->setAccessibleDescription(label->text());
}

void setResultText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

} // namespace ui
