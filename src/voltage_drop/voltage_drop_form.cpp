#include "voltage_drop/voltage_drop_form.h"

#include "app/conductor_tables.h"
#include "ui/accessibility.h"
#include "ui/choice_list.h"
#include "ui/colours.h"
#include "ui/number_locale.h"
#include "ui/option_group.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

namespace {

const QStringList kVoltages {
    "480", "460", "277", "240", "220", "208", "120", "48", "36", "24", "12", "6"};

// Row i of the conductor tables is item i of the size list.
QStringList wireSizeItems()
{
    QStringList items;
    for (int row = 0; row <= kLastSizeRow; ++row)
        items << ui::fromStd(ConductorTable(row).ListItem);
    return items;
}

// Tooltips for a group's options, in the order of their ids.
void setTips(const ui::OptionGroup* group, const QStringList& tips)
{
    Q_ASSERT(tips.size() == group->buttons().size());
    for (int id = 0; id < tips.size(); ++id)
        group->button(id)->setToolTip(tips[id]);
}

} // namespace

void VoltageDropForm::setupUi(QWidget* page)
{
    buildCalculationFrame(page);
    buildLoadKindFrame(page);
    buildPhaseFrame(page);
    buildPowerFactorFrame(page);
    buildLoadFrame(page);
    buildVoltageWireFrame(page);
    buildResults(page);
    setKeyboardOrder();
}

QString VoltageDropForm::loadTip(int index)
{
    static const QString tips[] = {QStringLiteral("The load on each phase, in volt-amperes"),
        QStringLiteral("The total load of all phases, in volt-amperes"),
        QStringLiteral("The load's full-load current, in amperes")};
    return tips[index];
}

void VoltageDropForm::buildCalculationFrame(QWidget* page)
{
    QGroupBox* frame1 = ui::groupBox("Frame1", QStringLiteral("Calaculation"), page);
    ui::place(frame1, 90, 60, 2970, 1740);
    calcMode = new ui::OptionGroup(page);
    ui::place(ui::option(
                  calcMode, "VD_CALC", BranchIndex, QStringLiteral("Find Branch size for"), frame1),
        120, 330, 1845, 285);
    branchPercent = ui::lineEdit("txtPercentBranchVD", ui::format(3.0, numtext::Mask::Fixed1),
        QStringLiteral("Branch percent voltage drop"), frame1, Qt::AlignHCenter);
    ui::place(branchPercent, 1980, 315, 450, 315);
    ui::place(ui::label("Label3", QStringLiteral("% VD"), frame1), 2460, 345, 450, 255);

    ui::place(ui::option(
                  calcMode, "VD_CALC", FeederIndex, QStringLiteral("Find Feeder size for"), frame1),
        120, 810, 1845, 285);
    feederPercent = ui::lineEdit("txtPercentFeederVD", ui::format(2.0, numtext::Mask::Fixed1),
        QStringLiteral("Feeder percent voltage drop"), frame1, Qt::AlignHCenter);
    ui::place(feederPercent, 1980, 795, 450, 315);
    feederPercent->setEnabled(false);
    ui::place(ui::label("Label5", QStringLiteral("% VD"), frame1), 2460, 825, 450, 255);

    ui::place(ui::option(calcMode, "VD_CALC", FixedSizeIndex,
                  QStringLiteral("Find Voltage Drop for wire size"), frame1),
        120, 1290, 2730, 285);
    calcMode->button(BranchIndex)->setChecked(true);
    setTips(calcMode,
        {QStringLiteral("Find the voltage drop of a wire size you choose"),
            QStringLiteral("Find the smallest branch-circuit conductor whose voltage drop stays "
                           "within the percent beside it"),
            QStringLiteral("Find the smallest feeder conductor whose voltage drop stays within "
                           "the percent beside it")});
    branchPercent->setToolTip(
        QStringLiteral("Largest voltage drop allowed for a branch circuit, in percent of the "
                       "source voltage"));
    feederPercent->setToolTip(
        QStringLiteral("Largest voltage drop allowed for a feeder, in percent of the source "
                       "voltage"));
}

void VoltageDropForm::buildLoadKindFrame(QWidget* page)
{
    QGroupBox* frame2 = ui::groupBox("Frame2", QStringLiteral("Use FLA or VA"), page);
    ui::place(frame2, 90, 1890, 2970, 1590);
    loadKind = new ui::OptionGroup(page);
    ui::place(ui::option(loadKind, "VD_LOAD", FullLoadAmpsIndex,
                  QStringLiteral("Enter Full Load Amps"), frame2),
        120, 360, 2730, 285);
    ui::place(ui::option(loadKind, "VD_LOAD", TotalVaIndex, QStringLiteral("EnterTotal Load in VA"),
                  frame2),
        120, 780, 2730, 285);
    ui::place(ui::option(loadKind, "VD_LOAD", VaPerPhaseIndex,
                  QStringLiteral("Enter per Phase Load in VA"), frame2),
        120, 1200, 2730, 285);
    loadKind->button(FullLoadAmpsIndex)->setChecked(true);
    setTips(loadKind,
        {QStringLiteral("Enter the load as the volt-amperes on each phase"),
            QStringLiteral("Enter the load as the volt-amperes of all phases together"),
            QStringLiteral("Enter the load as its full-load current, in amperes")});
}

void VoltageDropForm::buildPhaseFrame(QWidget* page)
{
    QGroupBox* frame3 = ui::groupBox("Frame3", QStringLiteral("Phases"), page);
    ui::place(frame3, 3150, 60, 2370, 690);
    phases = new ui::OptionGroup(page);
    ui::addOptions(phases, "VD_PHASE", // in PhaseIndex order
        {{QStringLiteral("3 PH "), QRect(90, 300, 810, 285),
             QStringLiteral("A three-phase AC circuit")},
            {QStringLiteral("1 PH"), QRect(915, 300, 765, 285),
                QStringLiteral("A single-phase AC circuit")},
            {QStringLiteral("DC"), QRect(1695, 300, 630, 285),
                QStringLiteral("A direct-current circuit")}},
        frame3);
    phases->button(ThreePhaseIndex)->setChecked(true);
}

void VoltageDropForm::buildPowerFactorFrame(QWidget* page)
{
    QGroupBox* framePF = ui::groupBox("FramePF", QStringLiteral("Power Factor"), page);
    powerFactorFrame = framePF;
    ui::place(framePF, 3150, 840, 2370, 1110);
    powerFactorOption = new ui::OptionGroup(page);
    ui::place(ui::option(powerFactorOption, "rbPF", UnityPowerFactorIndex, QStringLiteral("100 %"),
                  framePF),
        120, 330, 1050, 285);
    // The second option has no caption: the box beside it says what it stands for.
    QRadioButton* entered
        = ui::option(powerFactorOption, "rbPF", EnteredPowerFactorIndex, QString(), framePF);
    entered->setAccessibleName(QStringLiteral("Power factor entered"));
    ui::place(entered, 120, 705, 270, 285);
    powerFactor = ui::lineEdit("txtPF", QStringLiteral("85"),
        QStringLiteral("Power factor in percent"), framePF, Qt::AlignHCenter);
    ui::place(powerFactor, 420, 690, 600, 315);
    powerFactor->setEnabled(false);
    ui::place(ui::label("Label8", QStringLiteral("%"), framePF), 1080, 720, 210, 255);
    powerFactorOption->button(UnityPowerFactorIndex)->setChecked(true);
    setTips(powerFactorOption,
        {QStringLiteral("Use a power factor of 100 %"),
            QStringLiteral("Use the power factor typed in the box beside it")});
    powerFactor->setToolTip(QStringLiteral("Power factor of the load, in percent"));
}

void VoltageDropForm::buildLoadFrame(QWidget* page)
{
    QGroupBox* frame6 = ui::groupBox("Frame6", QStringLiteral("Enter Load and Length"), page);
    ui::place(frame6, 3150, 2040, 2370, 1440);
    loadLabel = ui::label("lblLoad", QStringLiteral("Full Load Amps:"), frame6);
    ui::place(loadLabel, 120, 450, 1230, 255);
    load = ui::lineEdit("txtLoad", QString(), loadLabel->text(), frame6);
    ui::place(load, 1380, 405, 870, 315);
    QLabel* lengthLabel = ui::label("Label7", QStringLiteral("Length in Feet:"), frame6);
    ui::place(lengthLabel, 120, 930, 1230, 255);
    length = ui::lineEdit("txtLength", QString(), lengthLabel->text(), frame6);
    ui::place(length, 1380, 885, 870, 315);
    loadLabel->setBuddy(load);
    lengthLabel->setBuddy(length);
    load->setToolTip(loadTip(FullLoadAmpsIndex));
    length->setToolTip(QStringLiteral("One-way length of the run, in feet"));
}

void VoltageDropForm::buildVoltageWireFrame(QWidget* page)
{
    // Below the program logo, which sits beside the tab strip at the right.
    QGroupBox* frame4 = ui::groupBox("Frame4", QStringLiteral("Voltage  /  Wire"), page);
    ui::place(frame4, 5610, 810, 3000, 2670);

    QLabel* voltsLabel = ui::label("Label2", QStringLiteral("Volts:"), frame4);
    ui::place(voltsLabel, 120, 315, 720, 255);
    volts = new ui::ChoiceList(frame4);
    volts->setObjectName(QStringLiteral("cbVolts"));
    ui::setListName(volts, voltsLabel->text());
    voltsLabel->setBuddy(volts);
    volts->addItems(kVoltages);
    volts->setCurrentIndex(0);
    ui::place(volts, 870, 270, 1080, 330);
    // The list's text box passes a tooltip request on to the list, which answers it.
    volts->setToolTip(
        QStringLiteral("Source voltage, in volts; line to line for a three-phase circuit"));

    conduitLabel = ui::label("lblConduit", QStringLiteral("Conduit:"), frame4);
    ui::place(conduitLabel, 120, 660, 720, 255);
    conduit = new ui::OptionGroup(page);
    ui::addOptions(conduit, "Conduit", // in RacewayIndex order
        {{QStringLiteral("Steel"), QRect(870, 645, 780, 285),
             QStringLiteral("Conductors in steel conduit")},
            {QStringLiteral("Al"), QRect(1650, 645, 540, 285),
                QStringLiteral("Conductors in aluminum conduit")},
            {QStringLiteral("PVC"), QRect(2190, 645, 720, 285),
                QStringLiteral("Conductors in PVC conduit")}},
        frame4);
    conduit->button(SteelConduitIndex)->setChecked(true);

    // Direct current has no raceway choice: the coating of copper takes its place.
    coatedFrame = ui::plainFrame("frameCoated", frame4);
    ui::place(coatedFrame, 810, 615, 2160, 345);
    coating = new ui::OptionGroup(page);
    ui::addOptions(coating, "rbCoated", // in CoatingIndex order
        {{QStringLiteral("Uncoated"), QRect(60, 30, 1110, 285),
             QStringLiteral("Uncoated copper conductors, for direct current")},
            {QStringLiteral("Coated"), QRect(1200, 30, 930, 285),
                QStringLiteral("Coated (tinned) copper conductors, for direct current")}},
        coatedFrame);
    coating->button(UncoatedIndex)->setChecked(true);
    coatedFrame->hide();

    QWidget* frame7 = ui::plainFrame("Frame7", frame4);
    ui::place(frame7, 60, 960, 2910, 345);
    ui::place(ui::label("Label6", QStringLiteral("Wire:"), frame7), 60, 45, 720, 255);
    wireType = new ui::OptionGroup(page);
    ui::addOptions(wireType, "Wire_Type", // in MaterialIndex order
        {{QStringLiteral("Copper"), QRect(810, 30, 930, 285), QStringLiteral("Copper conductors")},
            {QStringLiteral("Aluminum"), QRect(1770, 30, 1110, 285),
                QStringLiteral("Aluminum conductors")}},
        frame7);
    wireType->button(CopperIndex)->setChecked(true);

    QWidget* frame5 = ui::plainFrame("Frame5", frame4);
    ui::place(frame5, 60, 1290, 2910, 345);
    ui::place(ui::label("Label1", QStringLiteral("Wire:"), frame5), 60, 45, 720, 255);
    temperature = new ui::OptionGroup(page);
    ui::addOptions(temperature, "rbTemp", // in TemperatureIndex order
        {{QStringLiteral("75 C"), QRect(810, 30, 960, 285),
             QStringLiteral("Ampacity from the 75 °C column of NEC Table 310-16")},
            {QStringLiteral("90 C"), QRect(1800, 30, 900, 285),
                QStringLiteral("Ampacity from the 90 °C column of NEC Table 310-16")}},
        frame5);
    temperature->button(Rated75CIndex)->setChecked(true);

    // The chosen size and its parallel sets, used only when the drop of one size is asked.
    parallelFrame = ui::plainFrame("FrameParallel", frame4);
    ui::place(parallelFrame, 60, 1650, 2880, 990);
    QLabel* sizeLabel = ui::label("lblWireSize", QStringLiteral("Wire size:"), parallelFrame);
    ui::place(sizeLabel, 60, 45, 750, 255);
    wireSize = new ui::ChoiceList(parallelFrame);
    wireSize->setObjectName(QStringLiteral("cbWireSize"));
    ui::setListName(wireSize, sizeLabel->text());
    sizeLabel->setBuddy(wireSize);
    const QStringList sizes = wireSizeItems();
    wireSize->addItems(sizes);
    wireSize->setCurrentIndex(-1);
    wireSize->setMaxVisibleItems(sizes.size());
    ui::place(wireSize, 810, 0, 1320, 330);
    parallel = new QCheckBox(QStringLiteral("Use Parallel Conductors"), parallelFrame);
    parallel->setObjectName(QStringLiteral("ckWiresParallel"));
    parallel->setAccessibleName(parallel->text());
    ui::place(parallel, 60, 360, 2400, 285);
    wiresPerPhaseLabel
        = ui::label("lblWiresPerPhase", QStringLiteral("Wires per phase:"), parallelFrame);
    ui::place(wiresPerPhaseLabel, 60, 720, 1320, 255);
    wiresPerPhase = ui::lineEdit("txtNumberOfWires", QStringLiteral("2"),
        wiresPerPhaseLabel->text(), parallelFrame, Qt::AlignHCenter);
    wiresPerPhaseLabel->setBuddy(wiresPerPhase);
    ui::place(wiresPerPhase, 1410, 660, 510, 315);
    wiresPerPhaseLabel->setEnabled(false);
    wiresPerPhase->setEnabled(false);
    wireSize->setToolTip(QStringLiteral("Conductor size whose voltage drop is calculated"));
    parallel->setToolTip(
        QStringLiteral("Run the conductors in parallel sets on each phase, 1/0 awg and larger"));
    wiresPerPhase->setToolTip(QStringLiteral("Number of conductors in parallel on each phase"));
    parallelFrame->hide();
}

void VoltageDropForm::buildResults(QWidget* page)
{
    ui::place(ui::label("Label4", QStringLiteral("Results History:"), page), 120, 3510, 1440, 255);
    wireNote = ui::label("lblWireNote", QString(), page);
    ui::setTextHue(wireNote, Qt::red);
    ui::place(wireNote, 1620, 3510, 6990, 255);
    wireNote->setToolTip(
        QStringLiteral("Caution when an 18 awg lighting tap is longer than 50 feet or a 16 awg "
                       "tap longer than 100 feet (NEC 240-4)"));

    results = new QTextEdit(page);
    results->setObjectName(QStringLiteral("txtboxResults"));
    results->setAccessibleName(QStringLiteral("Results"));
    results->setReadOnly(true);
    results->setTabChangesFocus(true);
    results->setToolTip(QStringLiteral("The result of the last calculation"));
    ui::place(results, 90, 3795, 8520, 1740);

    calcSheet = ui::button("btnCalc_Sheet", QStringLiteral("Print"), page);
    calcSheet->setEnabled(false);
    ui::place(calcSheet, 5490, 5595, 1200, 345);
    calculate = ui::button("btnCalculate", QStringLiteral("Calculate Wire Size"), page);
    ui::place(calculate, 6750, 5595, 1860, 345);
}

// Tab goes down each of the three columns in turn, then along the row below them:
// calculation and load kind; phases, power factor, load and length; the voltage and wire
// frame; the result box and the buttons. The main window puts the results-history slots
// after the last button.
void VoltageDropForm::setKeyboardOrder()
{
    QList<QWidget*> order {calcMode->button(BranchIndex), branchPercent,
        calcMode->button(FeederIndex), feederPercent, calcMode->button(FixedSizeIndex)};
    // Options in the order they stand, top to bottom and left to right.
    const auto options = [&order](const ui::OptionGroup* group) {
        for (QAbstractButton* option : group->buttons())
            order << option;
    };
    options(loadKind);
    options(phases);
    options(powerFactorOption);
    order << powerFactor << load << length << volts;
    options(conduit);
    options(coating);
    options(wireType);
    options(temperature);
    order << wireSize << parallel << wiresPerPhase << results << calcSheet << calculate;
    ui::setTabOrder(order);

    for (const ui::OptionGroup* group :
        {calcMode, loadKind, phases, powerFactorOption, conduit, coating, wireType, temperature})
        ui::keepTabStopOnChoice(group->buttons());
}
