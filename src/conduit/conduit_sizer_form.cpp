#include "conduit/conduit_sizer_form.h"

#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/number_locale.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kInputRowTwips = 480;
// The rows start a little lower than first designed, so that the three lines of the
// number heading fit below the frame's caption.
constexpr int kFirstRowTwips = 870;
constexpr int kResultRowTwips = 360;
// Where the tab control's frame leaves the page.
constexpr int kPageRightTwips = 8670;

} // namespace

void ConduitSizerForm::setupUi(QWidget* page)
{
    buildWireData(page);
    buildResults(page);

    reset = ui::button("cmdReset", QStringLiteral("Reset Data"), page);
    ui::placeOnPage(reset, 4080, 5760, 1215, 375);
    calculate = ui::button("cmdCalcCondSize", QStringLiteral("Calculate Conduit Size"), page);
    ui::placeOnPage(calculate, 5400, 5760, 2535, 375);
    print = ui::button("cmdCondPrint", QStringLiteral("Print"), page);
    print->setToolTip(QStringLiteral("Sends the last result to the Calculation Results Sheet"));
    ui::placeOnPage(print, 7995, 5760, 615, 375);
    // A larger font takes the button on towards the page's right edge.
    print->resize(std::clamp(print->sizeHint().width(), print->width(),
                      ui::twips(kPageRightTwips) - print->x()),
        print->height());
    print->setEnabled(false);

    // Tab goes row by row through the wire data (size, number, THHN or THW), then to the
    // buttons.
    QList<QWidget*> order;
    for (int i = 0; i < kConduitGroups; ++i) {
        order << sizes[i] << counts[i] << thhn[i] << thw[i];
        ui::keepTabStopOnChoice({thhn[i], thw[i]});
    }
    order << reset << calculate << print;
    ui::setTabOrder(order);
}

void ConduitSizerForm::buildWireData(QWidget* page)
{
    QGroupBox* wireData = ui::groupBox("Frame8", QStringLiteral("Wire Data"), page);
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
        sizeItems << ui::fromStd(row.SizeItem);

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
        sizes[i] = size;

        QLineEdit* count = ui::lineEdit(ui::indexedName(QStringLiteral("txCondWireNumber"), i),
            QStringLiteral("0"), group + QStringLiteral(" number of wires"), wireData);
        count->setToolTip(group + QStringLiteral(": number of conductors of page size"));
        ui::place(count, 1800, top, 495, 375);
        counts[i] = count;

        // Each row's buttons share a frame of their own, which makes them one exclusive
        // pair independent of the other rows.
        QFrame* insulation = ui::plainFrame(
            QStringLiteral("Frame%1").arg(10 + i), wireData, group + QStringLiteral(" insulation"));
        // The first and fifth row frames were drawn taller; the buttons sit at the top.
        const int frameHeight = i == 0 ? 375 : i == 4 ? 495 : 255;
        ui::place(insulation, 2520, kFirstRowTwips + 120 + kInputRowTwips * i, 975, frameHeight);
        thhn[i] = ui::option(QStringLiteral("Option1"), 2 * i, QString(), insulation);
        thhn[i]->setAccessibleName(group + QStringLiteral(" THHN"));
        thhn[i]->setChecked(true);
        ui::place(thhn[i], 0, 0, 255, 255);
        thw[i] = ui::option(QStringLiteral("Option1"), 2 * i + 1, QString(), insulation);
        thw[i]->setAccessibleName(group + QStringLiteral(" THW"));
        ui::place(thw[i], 600, 0, 255, 255);
        thhn[i]->setToolTip(group + QStringLiteral(": conductors with THHN insulation"));
        thw[i]->setToolTip(group + QStringLiteral(": conductors with THW insulation"));
    }
}

void ConduitSizerForm::buildResults(QWidget* page)
{
    QGroupBox* results
        = ui::groupBox("Frame9", QStringLiteral("Conduit Calculation - 40% Fill"), page);
    ui::placeOnPage(results, 4080, 480, 3855, 4935);

    conduitSize = ui::label(
        QStringLiteral("Label12"), QStringLiteral("Conduit Size = "), results, ui::kTopAlignment);
    QFont bold = conduitSize->font();
    bold.setBold(true);
    conduitSize->setFont(bold);
    ui::setResultName(conduitSize, QStringLiteral("Conduit size"));
    ui::setTextHue(conduitSize, QColor(0, 0, 255));
    conduitSize->setToolTip(QStringLiteral(
        "The smallest trade size of conduit that holds the conductors at 40 % fill"));
    ui::place(conduitSize, 120, 360, 3615, 375);

    for (int i = 0; i < kConduitGroups; ++i) {
        const int top = 840 + kResultRowTwips * i;
        const QString caption = QStringLiteral("Group %1:").arg(i + 1);
        ui::place(ui::label(ui::indexedName(QStringLiteral("Label9"), i), caption, results,
                      ui::kTopAlignment),
            120, top, 975, 255);

        lines[i] = ui::label(
            ui::indexedName(QStringLiteral("lblCalc"), i), QString(), results, ui::kTopAlignment);
        ui::setResultName(lines[i], QStringLiteral("Group %1 result").arg(i + 1));
        lines[i]->setToolTip(QStringLiteral("Group %1: the area of one conductor in square "
                                            "inches, times the count, equals the group's area")
                                 .arg(i + 1));
        // Light yellow in every scheme, and so with dark text in every scheme.
        ui::setFixedColours(lines[i], Qt::black, QColor(255, 255, 192));
        ui::place(lines[i], 1200, top, 2535, 255);
    }

    totalArea = ui::label(QStringLiteral("lblTotalArea"), QString(), results, ui::kTopAlignment);
    ui::setResultName(totalArea, QStringLiteral("Total area of the wires"));
    totalArea->setToolTip(QStringLiteral("Total area of all the conductors, in square inches"));
    ui::place(totalArea, 240, 4400, 3495, 240);
    diameter = ui::label(QStringLiteral("lblDiameter"), QString(), results, ui::kTopAlignment);
    ui::setResultName(diameter, QStringLiteral("Conduit diameter required"));
    diameter->setToolTip(
        QStringLiteral("Inside diameter a conduit needs for 40 % fill, in inches"));
    ui::place(diameter, 120, 4640, 3375, 255);
}
