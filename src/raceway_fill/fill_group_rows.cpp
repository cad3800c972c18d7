#include "raceway_fill/fill_group_rows.h"

#include "raceway_fill/fill_lists.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QColor kCautionRed(192, 0, 0);

enum Column
{
    CountColumn,
    SizeColumn,
    InsulationColumn,
    ClearColumn,
    ProblemColumn,
};

// The captions above the columns, which also name the field a problem is in.
QString countCaption()
{
    return QStringLiteral("Count");
}

QString sizeCaption()
{
    return QStringLiteral("Size");
}

QString problemText(nec::FillRowField field, const std::string& reason)
{
    const QString caption = field == nec::FillRowField::Count ? countCaption() : sizeCaption();
    return caption + QStringLiteral(": ") + ui::fromStd(reason);
}

} // namespace

FillGroupRows::FillGroupRows(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("rfGroupRows"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(
        ui::label(QStringLiteral("rfCountCaption"), countCaption(), this), 0, CountColumn);
    grid->addWidget(ui::label(QStringLiteral("rfSizeCaption"), sizeCaption(), this), 0, SizeColumn);
    grid->addWidget(
        ui::label(QStringLiteral("rfInsulationCaption"), QStringLiteral("Insulation"), this), 0,
        InsulationColumn);
    for (int index = 0; index < nec::kMostFillGroups; ++index)
        buildRow(index);
    grid->setColumnMinimumWidth(ProblemColumn, widestProblem());
    grid->setColumnStretch(ProblemColumn, 1);
    // Rows added later stand at the top, not spread over the height.
    grid->setRowStretch(nec::kMostFillGroups + 1, 1);
}

void FillGroupRows::buildRow(int index)
{
    const QString group = QStringLiteral(", group %1").arg(index + 1);
    Row& row = m_rows[index];
    row.count = ui::lineEdit(ui::indexedName(QStringLiteral("rfCount"), index), QString(),
        countCaption() + group, this, Qt::AlignRight);
    row.count->setToolTip(
        QStringLiteral("How many conductors of this size and insulation: a whole number from 0 "
                       "to %1; empty or 0 leaves the group out")
            .arg(ui::fromStd(
                numtext::formatGrouped(nec::kMostConductorsInGroup, 0, ui::localeSeparators()))));
    // Seven digits wide: "1,000" with room to spare and its frame, in any font.
    row.count->setFixedWidth(row.count->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    row.size = fill_lists::sizeList(
        ui::indexedName(QStringLiteral("rfSize"), index), sizeCaption() + group, this);
    row.insulation
        = fill_lists::insulationList(ui::indexedName(QStringLiteral("rfInsulation"), index),
            QStringLiteral("Insulation") + group, this);
    row.clear = ui::button(
        ui::indexedName(QStringLiteral("rfClear"), index), QStringLiteral("Clear"), this);
    row.clear->setAccessibleName(QStringLiteral("Clear") + group);
    row.clear->setToolTip(QStringLiteral("Empties this group"));
    row.problem = ui::label(ui::indexedName(QStringLiteral("rfProblem"), index), QString(), this);
    ui::setResultName(row.problem, QStringLiteral("Problem") + group);
    row.problem->setToolTip(QStringLiteral("What keeps this group out of the fill"));
    // Red as a caution, beside the words that say what is wrong: a dark red, which reads
    // with room to spare on the ground a style shades a group box with.
    ui::setTextHue(row.problem, kCautionRed);

    auto* grid = static_cast<QGridLayout*>(layout());
    const int line = index + 1;
    grid->addWidget(row.count, line, CountColumn);
    grid->addWidget(row.size, line, SizeColumn);
    grid->addWidget(row.insulation, line, InsulationColumn);
    grid->addWidget(row.clear, line, ClearColumn);
    grid->addWidget(row.problem, line, ProblemColumn);
    row.setShown(index < m_shown);

    connect(row.count, &QLineEdit::textChanged, this, &FillGroupRows::changed);
    connect(row.size, &QComboBox::currentIndexChanged, this, &FillGroupRows::changed);
    connect(row.insulation, &QComboBox::currentIndexChanged, this, &FillGroupRows::changed);
    connect(row.clear, &QPushButton::clicked, this, [this, index] { clearRow(m_rows[index]); });
}

void FillGroupRows::Row::setShown(bool shown) const
{
    for (QWidget* widget :
        std::initializer_list<QWidget*> {count, size, insulation, clear, problem})
        widget->setVisible(shown);
}

void FillGroupRows::clearRow(const Row& row)
{
    // One change for the whole row: the window reads the rows again once.
    {
        const QSignalBlocker countBlocker(row.count);
        const QSignalBlocker sizeBlocker(row.size);
        const QSignalBlocker insulationBlocker(row.insulation);
        row.count->clear();
        fill_lists::select(row.size, fill_lists::kFirstSize);
        fill_lists::select(row.insulation, nec::Insulation::Thhn);
    }
    row.count->setFocus();
    emit changed();
}

std::vector<nec::FillGroupTexts> FillGroupRows::texts() const
{
    std::vector<nec::FillGroupTexts> texts;
    for (int index = 0; index < m_shown; ++index) {
        const Row& row = m_rows[index];
        texts.push_back({ui::toStd(row.count->text()), ui::toStd(row.size->currentText()),
            fill_lists::insulationOf(row.insulation)});
    }
    return texts;
}

QLineEdit* FillGroupRows::showNextRow()
{
    if (m_shown == nec::kMostFillGroups)
        return nullptr;
    const Row& row = m_rows[m_shown++];
    row.setShown(true);
    return row.count;
}

void FillGroupRows::mark(const std::vector<nec::FillRowProblem>& problems)
{
    for (int index = 0; index < nec::kMostFillGroups; ++index) {
        const auto problem = std::find_if(problems.begin(), problems.end(),
            [index](const nec::FillRowProblem& p) { return p.Row == index; });
        const QString text
            = problem == problems.end() ? QString() : problemText(problem->Field, problem->Reason);
        const Row& row = m_rows[index];
        ui::setResultText(row.problem, text);
        // A screen reader hears the problem with the field it is in.
        const bool inCount
            = problem != problems.end() && problem->Field == nec::FillRowField::Count;
        row.count->setAccessibleDescription(inCount ? text : QString());
        row.size->setAccessibleDescription(
            problem != problems.end() && !inCount ? text : QString());
    }
}

int FillGroupRows::widestProblem() const
{
    const numtext::Separators separators = ui::localeSeparators();
    QStringList problems;
    // The reading's own words for a count that is not one.
    nec::FillTexts wrongCount;
    wrongCount.Groups.push_back({"-", "", nec::Insulation::Thhn});
    for (const nec::FillRowProblem& problem : nec::ReadFillInputs(wrongCount, separators).Problems)
        problems << problemText(problem.Field, problem.Reason);
    for (nec::Insulation insulation : nec::kAllInsulations) {
        for (nec::ConductorSize size : nec::AllConductorSizes()) {
            if (!nec::ConductorAreaOf(size, insulation))
                problems << problemText(
                    nec::FillRowField::Size, nec::UnlistedSizeReason(size, insulation));
        }
    }
    const QFontMetrics metrics = m_rows[0].problem->fontMetrics();
    int widest = 0;
    for (const QString& problem : std::as_const(problems))
        widest = std::max(widest, metrics.horizontalAdvance(problem));
    return widest;
}
