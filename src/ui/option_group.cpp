#include "ui/option_group.h"

#include <QAbstractButton>

#include <utility>

namespace ui {

OptionGroup::OptionGroup(QObject* parent)
    : QButtonGroup(parent)
{
    connect(this, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            emit selected(index);
            emit chosen(index);
        }
    });
    connect(this, &QButtonGroup::idPressed, this,
        [this](int index) { m_pressedWasChecked = button(index)->isChecked(); });
    connect(this, &QButtonGroup::idClicked, this, [this](int index) {
        if (std::exchange(m_pressedWasChecked, false))
            emit chosen(index);
    });
}

} // namespace ui
