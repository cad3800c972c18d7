#pragma once

// An editable drop-down list whose text is typed or chosen from the list, as the
// Voltage Drop page's voltage and size lists are. It completes nothing and adds no typed
// text to the list. Qt reports a choice that changes the item or the text; choosing the
// item already shown changes neither, so the list reports it as a re-pick.

#include <QComboBox>

class ChoiceList : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);

    void showPopup() override;

signals:
    // The user chose from the list the item the box already showed.
    void repicked(int index);

private:
    bool m_changedSincePopup = true;
};
