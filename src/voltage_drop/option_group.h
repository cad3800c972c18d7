#pragma once

// An array of option buttons: one handler serves the whole array and receives the
// index. A choice is an option becoming selected, by the user or by program, and also
// the user's click on the option already selected, which Qt reports as no change.

#include <QButtonGroup>

class OptionGroup : public QButtonGroup
{
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent);

signals:
    void chosen(int index);

private:
    bool m_pressedWasChecked = false;
};
