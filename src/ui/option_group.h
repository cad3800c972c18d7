#pragma once

// An array of option buttons: one handler serves the whole array and receives the
// index.

#include <QButtonGroup>

namespace ui {

class OptionGroup : public QButtonGroup
{
    Q_OBJECT
public:
    explicit OptionGroup(QObject* parent);

signals:
    // An option became selected, by the user or by program.
    void selected(int index);
    // A choice: an option became selected, or the user clicked the option already
    // selected, which Qt reports as no change.
    void chosen(int index);

private:
    bool m_pressedWasChecked = false;
};

} // namespace ui
