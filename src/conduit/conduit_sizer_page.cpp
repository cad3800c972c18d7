#include "conduit/conduit_sizer_page.h"

#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kInputRowTwips = 480;
// The rows start a little lower than first designed, so that the three lines of the
// number heading fit below the frame's caption.
constexpr int kFirstRowTwips = 870;
constexpr int kResultRowTwips = 360;

} // namespace

ConduitSizerPage::ConduitSizerPage(QWidget* parent)
    : QWidget(parent)
{
    buildWireData();
    buildResults();

    QPushButton* reset = ui::button("cmdReset", QStringLiteral("Reset Data"), this);
    ui::placeOnPage(reset, 4080, 5760, 1215, 375);
    connect(reset, &QPushButton::clicked, this, &ConduitSizerPage::resetData);

    QPushButton* calculate
        = ui::button("cmdCalcCondSize", QStringLiteral("Calculate Conduit Size"), this);
    ui::placeOnPage(calculate, 5400, 5760, 2535, 375);
    connect(calculate, &QPushButton::clicked, this, &ConduitSizerPage::calculateConduitSize);

    // Tab goes row by row through the wire data (size, number, THHN or THW), then to the
    // buttons.
    QList<QWidget*> order;
    for (int i = 0; i < kConduitGroups; ++i) {
        order << m_sizes[i] << m_counts[i] << m_thhn[i] << m_thw[i];
        ui::keepTabStopOnChoice({m_thhn[i], m_thw[i]});
    }
    order << reset << calculate;
    ui::setTabOrder(order);
}

void ConduitSizerPage::buildWireData()
{
    QGroupBox* wireData = ui::groupBox("Frame8", QStringLiteral("Wire Data"), this);
    ui::placeOnPage(wireData, 240, 480, 3615, 5655);

    ui::place(ui::wrappingLabel(QStringLiteral("Label10"), QStringLiteral("Select Size of Wire"),
                  wireData, ui::kTopAlignment),
        360, 360, 855, 495);
    ui::place(ui::wrappingLabel(QStringLiteral("Label11"), QStringLiteral("Enter   Number wires"),
                  wireData, ui::kTopAlignment),
        1800, 270, 600, 600);
    ui::place(ui::label(QStringLiteral("Label23"), QStringLiteral(" THHN   THW"), wireData,
                  ui::kTopAlignment),
        2400, 600, 1095, 255);

    QStringList sizeItems;
    for (const CondWireAreaRow& row : CondWireAreaTable())
        sizeItems << ui::fromStd(std::string(row.SizeItem));

    for (int i = 0; i < kConduitGroups; ++i) {
        const QString group = QStringLiteral("Group %1").arg(i + 1);
        const int top = kFirstRowTwips + kInputRowTwips * i;

        ui::place(ui::label(QStringLiteral("Label%1").arg(13 + i), QString::number(i + 1), wireData,
                      ui::kTopAlignment),
            i == 9 ? 100 : 120, top, 240, 375);

        // The text counts only when it is a list item exactly; nothing may complete or
        // change the case of what the user typed.
        QComboBox* size = ui::editableList(
            ui::indexedName(QStringLiteral("cbCondWireSize"), i), sizeItems, wireData);
        ui::setListName(size, group + QStringLiteral(" size of wire"));
        size->setCurrentIndex(-1);
        size->setToolTip(group + QStringLiteral(": size of the conductors"));
        ui::place(size, 360, top, 1215, 315);
        m_sizes[i] = size;

        QLineEdit* count = ui::lineEdit(ui::indexedName(QStringLiteral("txCondWireNumber"), i),
            QStringLiteral("0"), group + QStringLiteral(" number of wires"), wireData);
        count->setToolTip(group + QStringLiteral(": number of conductors of this size"));
        ui::place(count, 1800, top, 495, 375);
        m_counts[i] = count;

        // Each row's buttons share a frame of their own, which makes them one exclusive
        // pair independent of the other rows.
        QFrame* insulation = ui::plainFrame(
            QStringLiteral("Frame%1").arg(10 + i), wireData, group + QStringLiteral(" insulation"));
        // The first and fifth row frames were drawn taller; the buttons sit at the top.
        const int frameHeight = i == 0 ? 375 : i == 4 ? 495 : 255;
        ui::place(insulation, 2520, kFirstRowTwips + 120 + kInputRowTwips * i, 975, frameHeight);
        m_thhn[i] = ui::option(QStringLiteral("Option1"), 2 * i, QString(), insulation);
        m_thhn[i]->setAccessibleName(group + QStringLiteral(" THHN"));
        m_thhn[i]->setChecked(true);
        ui::place(m_thhn[i], 0, 0, 255, 255);
        m_thw[i] = ui::option(QStringLiteral("Option1"), 2 * i + 1, QString(), insulation);
        m_thw[i]->setAccessibleName(group + QStringLiteral(" THW"));
        ui::place(m_thw[i], 600, 0, 255, 255);
        m_thhn[i]->setToolTip(group + QStringLiteral(": conductors with THHN insulation"));
        m_thw[i]->setToolTip(group + QStringLiteral(": conductors with THW insulation"));
    }
}

void ConduitSizerPage::buildResults()
{
    QGroupBox* results
        = ui::groupBox("Frame9", QStringLiteral("Conduit Calculation - 40% Fill"), this);
    ui::placeOnPage(results, 4080, 480, 3855, 4935);

    m_conduitSize = ui::label(
        QStringLiteral("Label12"), QStringLiteral("Conduit Size = "), results, ui::kTopAlignment);
    QFont bold = m_conduitSize->font();
    bold.setBold(true);
    m_conduitSize->setFont(bold);
    ui::setResultName(m_conduitSize, QStringLiteral("Conduit size"));
    ui::setTextHue(m_conduitSize, QColor(0, 0, 255));
    m_conduitSize->setToolTip(QStringLiteral(
        "The smallest trade size of conduit that holds the conductors at 40 % fill"));
    ui::place(m_conduitSize, 120, 360, 3615, 375);

    for (int i = 0; i < kConduitGroups; ++i) {
        const int top = 840 + kResultRowTwips * i;
        const QString caption = QStringLiteral("Group %1:").arg(i + 1);
        ui::place(ui::label(ui::indexedName(QStringLiteral("Label9"), i), caption, results,
                      ui::kTopAlignment),
            120, top, 975, 255);

        m_lines[i] = ui::label(
            ui::indexedName(QStringLiteral("lblCalc"), i), QString(), results, ui::kTopAlignment);
        ui::setResultName(m_lines[i], QStringLiteral("Group %1 result").arg(i + 1));
        m_lines[i]->setToolTip(QStringLiteral("Group %1: the area of one conductor in square "
                                              "inches, times the count, equals the group's area")
                                   .arg(i + 1));
        // Light yellow in every scheme, and so with dark text in every scheme.
        ui::setFixedColours(m_lines[i], Qt::black, QColor(255, 255, 192));
        ui::place(m_lines[i], 1200, top, 2535, 255);
    }

    m_totalArea = ui::label(QStringLiteral("lblTotalArea"), QString(), results, ui::kTopAlignment);
    ui::setResultName(m_totalArea, QStringLiteral("Total area of the wires"));
    m_totalArea->setToolTip(QStringLiteral("Total area of all the conductors, in square inches"));
    ui::place(m_totalArea, 240, 4400, 3495, 240);
    m_diameter = ui::label(QStringLiteral("lblDiameter"), QString(), results, ui::kTopAlignment);
    ui::setResultName(m_diameter, QStringLiteral("Conduit diameter required"));
    m_diameter->setToolTip(
        QStringLiteral("Inside diameter a conduit needs for 40 % fill, in inches"));
    ui::place(m_diameter, 120, 4640, 3375, 255);
}

std::array<ConduitGroup, kConduitGroups> ConduitSizerPage::groups() const
{
    std::array<ConduitGroup, kConduitGroups> groups;
    for (int i = 0; i < kConduitGroups; ++i) {
        groups[i].SizeText = ui::toStd(m_sizes[i]->currentText());
        groups[i].Insulation = m_thhn[i]->isChecked() ? InsulationType::THHN : InsulationType::THW;
        groups[i].CountText = ui::toStd(m_counts[i]->text());
    }
    return groups;
}

void ConduitSizerPage::calculateConduitSize()
{
    const ConduitFillResult result = CalcConduitFill(groups(), ui::localeSeparators());
    if (result.InvalidCountGroup)
        refuseCount(*result.InvalidCountGroup);
    else
        showResult(result);
}

void ConduitSizerPage::showResult(const ConduitFillResult& result)
{
    for (int i = 0; i < kConduitGroups; ++i)
        ui::setResultText(m_lines[i], ui::fromStd(result.GroupLines[i]));
    ui::setResultText(m_totalArea, ui::fromStd(result.TotalAreaCaption));
    ui::setResultText(m_diameter, ui::fromStd(result.DiameterCaption));
    ui::setResultText(m_conduitSize, ui::fromStd(result.ConduitSizeCaption));
}

void ConduitSizerPage::refuseCount(int group)
{
    ui::showMessage(this,
        QStringLiteral("Please enter a valid number of wires for group %1.").arg(group + 1),
        QStringLiteral("Invalid Number of Wires"), MessageKind::Information);
    ui::giveFocus(m_counts[group]);
}

void ConduitSizerPage::resetData()
{
    for (int i = 0; i < kConduitGroups; ++i) {
        m_counts[i]->setText(QStringLiteral("0"));
        m_sizes[i]->setCurrentIndex(-1);
        m_sizes[i]->clearEditText();
    }
    for (QRadioButton* thhn : m_thhn)
        thhn->setChecked(true);
    for (QLabel* line : m_lines)
        ui::setResultText(line, QString());
}
