#include "ui/choice_list.h"

#include "ui/widgets.h"

#include <QScopedValueRollback>

#include <utility>

namespace ui {

ChoiceList::ChoiceList(QWidget* parent)
    : QComboBox(parent)
{
    makeEditable(this);

    const auto changed = [this] { m_changedSincePopup = true; };
    connect(this, &QComboBox::currentIndexChanged, this, changed);
    connect(this, &QComboBox::editTextChanged, this, changed);
    // Outside the popup (keys, wheel, a typed item name) Qt only activates on a change.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!std::exchange(m_changedSincePopup, true))
            emit repicked(index);
    });
}

void ChoiceList::showPopup()
{
    m_changedSincePopup = false;
    QComboBox::showPopup();
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback typing(m_typing, true);
    QComboBox::keyPressEvent(event);
}

void ChoiceList::inputMethodEvent(QInputMethodEvent* event)
{
    const QScopedValueRollback typing(m_typing, true);
    QComboBox::inputMethodEvent(event);
}

} // namespace ui
