#include "ui/choice_list.h"

#include "ui/widgets.h"

#include <QFocusEvent>
#include <QLineEdit>
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
        endTypingRun();
        if (!std::exchange(m_changedSincePopup, true))
            emit repicked(index);
    });

    // The line edit reports the user's edits first, as modified text; any text it is given
    // after that by the list or by program comes unmodified.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_typingRun = true;
        emit textTyped(text);
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (lineEdit()->isModified())
            return;
        endTypingRun();
        emit textChosen(text);
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

// The focus that goes to the box's own list, or away with the whole window, comes back
// to the box: the typing goes on.
void ChoiceList::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        endTypingRun();
    QComboBox::focusOutEvent(event);
}

void ChoiceList::endTypingRun()
{
    if (std::exchange(m_typingRun, false))
        emit typingEnded();
}

} // namespace ui
