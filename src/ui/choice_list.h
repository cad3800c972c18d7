#pragma once

// An editable drop-down list whose text is typed or chosen from the list, as the
// Voltage Drop page's voltage and size lists are. It completes nothing and adds no typed
// text to the list. Qt reports a choice that changes the item or the text; choosing the
// item already shown changes neither, so the list reports it as a re-pick.
//
// Typing comes in runs: a run starts with the first edit of the text after the box got
// the focus or after a choice, and ends when the focus leaves the box or an item is
// chosen. Up, Down and the mouse wheel choose items.

#include <QComboBox>

namespace ui {

class ChoiceList : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);

    void showPopup() override;

    // True while a key the user pressed in the box is being handled, typing or stepping
    // through the list: a handler running now must leave the keyboard focus here.
    bool isTyping() const { return m_typing; }

signals:
    // The user chose from the list the item the box already showed.
    void repicked(int index);
    // The user edited the text: typed, deleted or pasted.
    void textTyped(const QString& text);
    // The text changed other than by the user's edit: an item chosen, or a text set by
    // program.
    void textChosen(const QString& text);
    // A run of typing has ended.
    void typingEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void endTypingRun();

    bool m_changedSincePopup = true;
    bool m_typing = false;
    bool m_typingRun = false;
};

} // namespace ui
