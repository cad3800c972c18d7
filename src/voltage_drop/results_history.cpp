#include "voltage_drop/results_history.h"

#include "ui/option_group.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

#include <algorithm>

namespace {

constexpr int kSlotTwips = 840;
constexpr int kRowHeightTwips = 255;

// The width an option button needs for its mark and its whole caption, with a pixel at
// either side for the focus frame.
int captionWidth(const QRadioButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect caption
        = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    return caption.left() + button->fontMetrics().horizontalAdvance(button->text()) + 2;
}

} // namespace

ResultsHistory::ResultsHistory(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ResultsHistory"));
    // The row spans the strip below the tab control, with the same margin at either end;
    // its buttons sit at their designed window positions relative to the strip's top left
    // (120, 6540).
    ui::place(this, 120, 6540, 8490, kRowHeightTwips);
    m_group = new ui::OptionGroup(this);
    for (int i = 0; i < kSlots; ++i) {
        QRadioButton* button = ui::option(
            m_group, QStringLiteral("rbVDResults"), i, QStringLiteral("Option%1").arg(i + 1), this);
        ui::place(button, kSlotTwips * i, 0, kSlotTwips, kRowHeightTwips);
        button->hide();
        // A search with one set keeps each size it tried, captioned by its drop; one that
        // needs parallel sets keeps the best size for each number of sets.
        button->setToolTip(QStringLiteral("A size the last search tried, or its best size for "
                                          "this number of parallel sets; pick it to see its "
                                          "result"));
        m_buttons[i] = button;

        auto* holder = new QTextDocument(this);
        holder->setObjectName(QStringLiteral("txtVDResults(%1)").arg(i));
        m_contents[i] = holder;
    }
    // A click on the slot already selected shows its content again.
    connect(m_group, &ui::OptionGroup::chosen, this, &ResultsHistory::picked);
}

bool ResultsHistory::isInUse(int slot) const
{
    return !m_buttons[slot]->isHidden();
}

void ResultsHistory::setInUse(int slot, bool inUse)
{
    m_buttons[slot]->setHidden(!inUse);
    layOutSlots();
}

void ResultsHistory::hideAll()
{
    for (QRadioButton* button : m_buttons)
        button->hide();
}

// A slot whose caption needs more room than its designed place (a drop of 10 % and more
// does) grows, and the slots after it move along just enough. Where that would run past
// the end of the row, the shown slots share the row out, each as wide as its caption and
// an even part of the room left over.
void ResultsHistory::layOutSlots()
{
    const auto place = [this](bool designedPlaces, int spare) {
        int right = 0;
        for (int i = 0; i < kSlots; ++i) {
            QRadioButton* button = m_buttons[i];
            const QRect designed = ui::twipsRect(kSlotTwips * i, 0, kSlotTwips, kRowHeightTwips);
            if (button->isHidden()) {
                button->setGeometry(designed);
                continue;
            }
            const int needed = captionWidth(button);
            const int left = designedPlaces ? std::max(designed.left(), right) : right;
            const int width = designedPlaces ? std::max(designed.width(), needed) : needed + spare;
            button->setGeometry(left, designed.top(), width, designed.height());
            right = left + width;
        }
        return right;
    };
    if (place(true, 0) <= width())
        return;
    const auto shown = std::count_if(
        m_buttons.begin(), m_buttons.end(), [](const QRadioButton* b) { return !b->isHidden(); });
    const int packed = place(false, 0);
    place(false, std::max(0, width() - packed) / static_cast<int>(shown));
}

QString ResultsHistory::caption(int slot) const
{
    return m_buttons[slot]->text();
}

void ResultsHistory::setCaption(int slot, const QString& caption)
{
    m_buttons[slot]->setText(caption);
    m_buttons[slot]->setAccessibleName(caption);
    layOutSlots();
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
