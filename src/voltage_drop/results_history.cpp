#include "voltage_drop/results_history.h"

#include "ui/twips.h"
#include "voltage_drop/option_group.h"

#include <QRadioButton>
#include <QTextDocument>

ResultsHistory::ResultsHistory(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ResultsHistory"));
    // The row spans the strip below the tab control; its buttons sit at their designed
    // window positions relative to the strip's top left (120, 6540).
    ui::place(this, 120, 6540, 840 * kSlots, 255);
    m_group = new OptionGroup(this);
    for (int i = 0; i < kSlots; ++i) {
        auto* button = new QRadioButton(QStringLiteral("Option%1").arg(i + 1), this);
        button->setObjectName(QStringLiteral("rbVDResults(%1)").arg(i));
        ui::place(button, 840 * i, 0, 840, 255);
        button->hide();
        // A search with one set keeps each size it tried, captioned by its drop; one that
        // needs parallel sets keeps the best size for each number of sets.
        button->setToolTip(QStringLiteral("A size the last search tried, or its best size for "
                                          "this number of parallel sets; pick it to see its "
                                          "result"));
        m_group->addButton(button, i);
        m_buttons[i] = button;

        auto* holder = new QTextDocument(this);
        holder->setObjectName(QStringLiteral("txtVDResults(%1)").arg(i));
        m_contents[i] = holder;
    }
    // A click on the slot already selected shows its content again.
    connect(m_group, &OptionGroup::chosen, this, &ResultsHistory::picked);
}

bool ResultsHistory::isInUse(int slot) const
{
    return !m_buttons[slot]->isHidden();
}

void ResultsHistory::setInUse(int slot, bool inUse)
{
    m_buttons[slot]->setHidden(!inUse);
}

void ResultsHistory::hideAll()
{
    for (QRadioButton* button : m_buttons)
        button->hide();
}

QString ResultsHistory::caption(int slot) const
{
    return m_buttons[slot]->text();
}

void ResultsHistory::setCaption(int slot, const QString& caption)
{
    m_buttons[slot]->setText(caption);
    m_buttons[slot]->setAccessibleName(caption);
}

QString ResultsHistory::content(int slot) const
{
    return m_contents[slot]->toHtml();
}

void ResultsHistory::setContent(int slot, const QString& html)
{
    m_contents[slot]->setHtml(html);
}

int ResultsHistory::selected() const
{
    return m_group->checkedId();
}

void ResultsHistory::select(int slot)
{
    if (m_buttons[slot]->isChecked())
        emit picked(slot);
    else
        m_buttons[slot]->setChecked(true);
}
