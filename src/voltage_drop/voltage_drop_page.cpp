#include "voltage_drop/voltage_drop_page.h"

#include "app/voltage_drop_settings.h"
#include "ui/accessibility.h"
#include "ui/choice_list.h"
#include "ui/colours.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/option_group.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "voltage_drop/input_rules.h"
#include "voltage_drop/results_history.h"
#include "voltage_drop/voltage_drop_calculation.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

static_assert(ResultsHistory::kSlots == kHistorySlots);

namespace {

// The option arrays' indices are the values of the engine's choices (VD_CALC(0) is
// CalcMode::FixedSize, VD_PHASE(2) Circuit::DirectCurrent, and so on).
enum CalcIndex
{
    FixedSizeIndex = 0,
    BranchIndex = 1,
    FeederIndex = 2,
};
enum LoadIndex
{
    VaPerPhaseIndex = 0,
    TotalVaIndex = 1,
    FullLoadAmpsIndex = 2,
};
enum PhaseIndex
{
    ThreePhaseIndex = 0,
    SinglePhaseIndex = 1,
    DirectCurrentIndex = 2,
};

constexpr int kDefaultSizeRow = 3; // "12 awg"

const QStringList kVoltages {
    "480", "460", "277", "240", "220", "208", "120", "48", "36", "24", "12", "6"};

// The leading blanks line the sizes up on the right.
const QStringList kWireSizes {"   18 awg", "   16 awg", "   14 awg", "   12 awg", "   10 awg",
    "     8 awg", "     6 awg", "     4 awg", "     3 awg", "     2 awg", "     1 awg", "  1/0 awg",
    "  2/0 awg", "  3/0 awg", "  4/0 awg", "  250 kcmil", "  300 kcmil", "  350 kcmil",
    "  400 kcmil", "  500 kcmil", "  600 kcmil", "  750 kcmil", "1000 kcmil"};

// Tooltips for a group's options, in the order of their ids.
void setTips(const ui::OptionGroup* group, const QStringList& tips)
{
    Q_ASSERT(tips.size() == group->buttons().size());
    for (int id = 0; id < tips.size(); ++id)
        group->button(id)->setToolTip(tips[id]);
}

// The load box's tooltip follows the kind of load chosen (a LoadIndex).
QString loadTip(int index)
{
    static const QString tips[] = {QStringLiteral("The load on each phase, in volt-amperes"),
        QStringLiteral("The total load of all phases, in volt-amperes"),
        QStringLiteral("The load's full-load current, in amperes")};
    return tips[index];
}

} // namespace

VoltageDropPage::VoltageDropPage(
    VoltageDropSettings& settings, ResultsHistory* history, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_history(history)
{
    // The handlers are connected once the designed initial state is in place, so
    // building runs none of them.
    buildCalculationFrame();
    buildLoadKindFrame();
    buildPhaseFrame();
    buildPowerFactorFrame();
    buildLoadFrame();
    buildVoltageWireFrame();
    buildResults();
    setKeyboardOrder();
    connectHandlers();
}

VoltageDropPage::~VoltageDropPage()
{
    // A list destroyed while it has the focus finishes its edit first, which would call
    // back into this page while it is being taken apart.
    for (QComboBox* list : {static_cast<QComboBox*>(m_volts), static_cast<QComboBox*>(m_wireSize)})
        list->disconnect(this);
}

void VoltageDropPage::buildCalculationFrame()
{
    QGroupBox* frame1 = ui::groupBox("Frame1", QStringLiteral("Calaculation"), this);
    ui::place(frame1, 90, 60, 2970, 1740);
    m_calcMode = new ui::OptionGroup(this);
    ui::place(ui::option(m_calcMode, "VD_CALC", BranchIndex, QStringLiteral("Find Branch size for"),
                  frame1),
        120, 330, 1845, 285);
    m_branchPercent = ui::lineEdit("txtPercentBranchVD", ui::format(3.0, numtext::Mask::Fixed1),
        QStringLiteral("Branch percent voltage drop"), frame1, Qt::AlignHCenter);
    ui::place(m_branchPercent, 1980, 315, 450, 315);
    ui::place(ui::label("Label3", QStringLiteral("% VD"), frame1), 2460, 345, 450, 255);

    ui::place(ui::option(m_calcMode, "VD_CALC", FeederIndex, QStringLiteral("Find Feeder size for"),
                  frame1),
        120, 810, 1845, 285);
    m_feederPercent = ui::lineEdit("txtPercentFeederVD", ui::format(2.0, numtext::Mask::Fixed1),
        QStringLiteral("Feeder percent voltage drop"), frame1, Qt::AlignHCenter);
    ui::place(m_feederPercent, 1980, 795, 450, 315);
    m_feederPercent->setEnabled(false);
    ui::place(ui::label("Label5", QStringLiteral("% VD"), frame1), 2460, 825, 450, 255);

    ui::place(ui::option(m_calcMode, "VD_CALC", FixedSizeIndex,
                  QStringLiteral("Find Voltage Drop for wire size"), frame1),
        120, 1290, 2730, 285);
    m_calcMode->button(BranchIndex)->setChecked(true);
    setTips(m_calcMode,
        {QStringLiteral("Find the voltage drop of a wire size you choose"),
            QStringLiteral("Find the smallest branch-circuit conductor whose voltage drop stays "
                           "within the percent beside it"),
            QStringLiteral("Find the smallest feeder conductor whose voltage drop stays within "
                           "the percent beside it")});
    m_branchPercent->setToolTip(
        QStringLiteral("Largest voltage drop allowed for a branch circuit, in percent of the "
                       "source voltage"));
    m_feederPercent->setToolTip(
        QStringLiteral("Largest voltage drop allowed for a feeder, in percent of the source "
                       "voltage"));
}

void VoltageDropPage::buildLoadKindFrame()
{
    QGroupBox* frame2 = ui::groupBox("Frame2", QStringLiteral("Use FLA or VA"), this);
    ui::place(frame2, 90, 1890, 2970, 1590);
    m_loadKind = new ui::OptionGroup(this);
    ui::place(ui::option(m_loadKind, "VD_LOAD", FullLoadAmpsIndex,
                  QStringLiteral("Enter Full Load Amps"), frame2),
        120, 360, 2730, 285);
    ui::place(ui::option(m_loadKind, "VD_LOAD", TotalVaIndex,
                  QStringLiteral("EnterTotal Load in VA"), frame2),
        120, 780, 2730, 285);
    ui::place(ui::option(m_loadKind, "VD_LOAD", VaPerPhaseIndex,
                  QStringLiteral("Enter per Phase Load in VA"), frame2),
        120, 1200, 2730, 285);
    m_loadKind->button(FullLoadAmpsIndex)->setChecked(true);
    setTips(m_loadKind,
        {QStringLiteral("Enter the load as the volt-amperes on each phase"),
            QStringLiteral("Enter the load as the volt-amperes of all phases together"),
            QStringLiteral("Enter the load as its full-load current, in amperes")});
}

void VoltageDropPage::buildPhaseFrame()
{
    QGroupBox* frame3 = ui::groupBox("Frame3", QStringLiteral("Phases"), this);
    ui::place(frame3, 3150, 60, 2370, 690);
    m_phases = new ui::OptionGroup(this);
    ui::place(ui::option(m_phases, "VD_PHASE", ThreePhaseIndex, QStringLiteral("3 PH "), frame3),
        90, 300, 810, 285);
    ui::place(ui::option(m_phases, "VD_PHASE", SinglePhaseIndex, QStringLiteral("1 PH"), frame3),
        915, 300, 765, 285);
    ui::place(ui::option(m_phases, "VD_PHASE", DirectCurrentIndex, QStringLiteral("DC"), frame3),
        1695, 300, 630, 285);
    m_phases->button(ThreePhaseIndex)->setChecked(true);
    setTips(m_phases,
        {QStringLiteral("A three-phase AC circuit"), QStringLiteral("A single-phase AC circuit"),
            QStringLiteral("A direct-current circuit")});
}

void VoltageDropPage::buildPowerFactorFrame()
{
    QGroupBox* framePF = ui::groupBox("FramePF", QStringLiteral("Power Factor"), this);
    m_powerFactorFrame = framePF;
    ui::place(framePF, 3150, 840, 2370, 1110);
    m_powerFactorOption = new ui::OptionGroup(this);
    ui::place(ui::option(m_powerFactorOption, "rbPF", 0, QStringLiteral("100 %"), framePF), 120,
        330, 1050, 285);
    // The second option has no caption: the box beside it says what it stands for.
    QRadioButton* entered = ui::option(m_powerFactorOption, "rbPF", 1, QString(), framePF);
    entered->setAccessibleName(QStringLiteral("Power factor entered"));
    ui::place(entered, 120, 705, 270, 285);
    m_powerFactor = ui::lineEdit("txtPF", QStringLiteral("85"),
        QStringLiteral("Power factor in percent"), framePF, Qt::AlignHCenter);
    ui::place(m_powerFactor, 420, 690, 600, 315);
    m_powerFactor->setEnabled(false);
    ui::place(ui::label("Label8", QStringLiteral("%"), framePF), 1080, 720, 210, 255);
    m_powerFactorOption->button(0)->setChecked(true);
    setTips(m_powerFactorOption,
        {QStringLiteral("Use a power factor of 100 %"),
            QStringLiteral("Use the power factor typed in the box beside it")});
    m_powerFactor->setToolTip(QStringLiteral("Power factor of the load, in percent"));
}

void VoltageDropPage::buildLoadFrame()
{
    QGroupBox* frame6 = ui::groupBox("Frame6", QStringLiteral("Enter Load and Length"), this);
    ui::place(frame6, 3150, 2040, 2370, 1440);
    m_loadLabel = ui::label("lblLoad", QStringLiteral("Full Load Amps:"), frame6);
    ui::place(m_loadLabel, 120, 450, 1230, 255);
    m_load = ui::lineEdit("txtLoad", QString(), m_loadLabel->text(), frame6);
    ui::place(m_load, 1380, 405, 870, 315);
    QLabel* lengthLabel = ui::label("Label7", QStringLiteral("Length in Feet:"), frame6);
    ui::place(lengthLabel, 120, 930, 1230, 255);
    m_length = ui::lineEdit("txtLength", QString(), lengthLabel->text(), frame6);
    ui::place(m_length, 1380, 885, 870, 315);
    m_loadLabel->setBuddy(m_load);
    lengthLabel->setBuddy(m_length);
    m_load->setToolTip(loadTip(FullLoadAmpsIndex));
    m_length->setToolTip(QStringLiteral("One-way length of the run, in feet"));
}

void VoltageDropPage::buildVoltageWireFrame()
{
    // Below the program logo, which sits beside the tab strip at the right.
    QGroupBox* frame4 = ui::groupBox("Frame4", QStringLiteral("Voltage  /  Wire"), this);
    ui::place(frame4, 5610, 810, 3000, 2670);

    QLabel* voltsLabel = ui::label("Label2", QStringLiteral("Volts:"), frame4);
    ui::place(voltsLabel, 120, 315, 720, 255);
    m_volts = new ui::ChoiceList(frame4);
    m_volts->setObjectName(QStringLiteral("cbVolts"));
    ui::setListName(m_volts, voltsLabel->text());
    voltsLabel->setBuddy(m_volts);
    m_volts->addItems(kVoltages);
    m_volts->setCurrentIndex(0);
    ui::place(m_volts, 870, 270, 1080, 330);
    // The list's text box passes a tooltip request on to the list, which answers it.
    m_volts->setToolTip(
        QStringLiteral("Source voltage, in volts; line to line for a three-phase circuit"));

    m_conduitLabel = ui::label("lblConduit", QStringLiteral("Conduit:"), frame4);
    ui::place(m_conduitLabel, 120, 660, 720, 255);
    m_conduit = new ui::OptionGroup(this);
    ui::place(
        ui::option(m_conduit, "Conduit", 0, QStringLiteral("Steel"), frame4), 870, 645, 780, 285);
    ui::place(
        ui::option(m_conduit, "Conduit", 1, QStringLiteral("Al"), frame4), 1650, 645, 540, 285);
    ui::place(
        ui::option(m_conduit, "Conduit", 2, QStringLiteral("PVC"), frame4), 2190, 645, 720, 285);
    m_conduit->button(0)->setChecked(true);
    QStringList racewayTips;
    for (const char* raceway : {"steel", "aluminum", "PVC"})
        racewayTips << QStringLiteral("Conductors in %1 conduit").arg(QLatin1String(raceway));
    setTips(m_conduit, racewayTips);

    // Direct current has no raceway choice: the coating of copper takes its place.
    m_coatedFrame = ui::plainFrame("frameCoated", frame4);
    ui::place(m_coatedFrame, 810, 615, 2160, 345);
    m_coating = new ui::OptionGroup(this);
    ui::place(ui::option(m_coating, "rbCoated", 0, QStringLiteral("Uncoated"), m_coatedFrame), 60,
        30, 1110, 285);
    ui::place(ui::option(m_coating, "rbCoated", 1, QStringLiteral("Coated"), m_coatedFrame), 1200,
        30, 930, 285);
    m_coating->button(0)->setChecked(true);
    setTips(m_coating,
        {QStringLiteral("Uncoated copper conductors, for direct current"),
            QStringLiteral("Coated (tinned) copper conductors, for direct current")});
    m_coatedFrame->hide();

    QWidget* frame7 = ui::plainFrame("Frame7", frame4);
    ui::place(frame7, 60, 960, 2910, 345);
    ui::place(ui::label("Label6", QStringLiteral("Wire:"), frame7), 60, 45, 720, 255);
    m_wireType = new ui::OptionGroup(this);
    ui::place(ui::option(m_wireType, "Wire_Type", 0, QStringLiteral("Copper"), frame7), 810, 30,
        930, 285);
    ui::place(ui::option(m_wireType, "Wire_Type", 1, QStringLiteral("Aluminum"), frame7), 1770, 30,
        1110, 285);
    m_wireType->button(0)->setChecked(true);
    setTips(
        m_wireType, {QStringLiteral("Copper conductors"), QStringLiteral("Aluminum conductors")});

    QWidget* frame5 = ui::plainFrame("Frame5", frame4);
    ui::place(frame5, 60, 1290, 2910, 345);
    ui::place(ui::label("Label1", QStringLiteral("Wire:"), frame5), 60, 45, 720, 255);
    m_temperature = new ui::OptionGroup(this);
    ui::place(
        ui::option(m_temperature, "rbTemp", 0, QStringLiteral("75 C"), frame5), 810, 30, 960, 285);
    ui::place(
        ui::option(m_temperature, "rbTemp", 1, QStringLiteral("90 C"), frame5), 1800, 30, 900, 285);
    m_temperature->button(0)->setChecked(true);
    QStringList ratingTips;
    for (int rating : {75, 90})
        ratingTips
            << QStringLiteral("Ampacity from the %1 °C column of NEC Table 310-16").arg(rating);
    setTips(m_temperature, ratingTips);

    // The chosen size and its parallel sets, used only when the drop of one size is asked.
    m_parallelFrame = ui::plainFrame("FrameParallel", frame4);
    ui::place(m_parallelFrame, 60, 1650, 2880, 990);
    QLabel* sizeLabel = ui::label("lblWireSize", QStringLiteral("Wire size:"), m_parallelFrame);
    ui::place(sizeLabel, 60, 45, 750, 255);
    m_wireSize = new ui::ChoiceList(m_parallelFrame);
    m_wireSize->setObjectName(QStringLiteral("cbWireSize"));
    ui::setListName(m_wireSize, sizeLabel->text());
    sizeLabel->setBuddy(m_wireSize);
    m_wireSize->addItems(kWireSizes);
    m_wireSize->setCurrentIndex(-1);
    m_wireSize->setMaxVisibleItems(kWireSizes.size());
    ui::place(m_wireSize, 810, 0, 1320, 330);
    m_parallel = new QCheckBox(QStringLiteral("Use Parallel Conductors"), m_parallelFrame);
    m_parallel->setObjectName(QStringLiteral("ckWiresParallel"));
    m_parallel->setAccessibleName(m_parallel->text());
    ui::place(m_parallel, 60, 360, 2400, 285);
    m_wiresPerPhaseLabel
        = ui::label("lblWiresPerPhase", QStringLiteral("Wires per phase:"), m_parallelFrame);
    ui::place(m_wiresPerPhaseLabel, 60, 720, 1320, 255);
    m_wiresPerPhase = ui::lineEdit("txtNumberOfWires", QStringLiteral("2"),
        m_wiresPerPhaseLabel->text(), m_parallelFrame, Qt::AlignHCenter);
    m_wiresPerPhaseLabel->setBuddy(m_wiresPerPhase);
    ui::place(m_wiresPerPhase, 1410, 660, 510, 315);
    m_wiresPerPhaseLabel->setEnabled(false);
    m_wiresPerPhase->setEnabled(false);
    m_wireSize->setToolTip(QStringLiteral("Conductor size whose voltage drop is calculated"));
    m_parallel->setToolTip(
        QStringLiteral("Run the conductors in parallel sets on each phase, 1/0 awg and larger"));
    m_wiresPerPhase->setToolTip(QStringLiteral("Number of conductors in parallel on each phase"));
    m_parallelFrame->hide();
}

void VoltageDropPage::buildResults()
{
    ui::place(ui::label("Label4", QStringLiteral("Results History:"), this), 120, 3510, 1440, 255);
    m_wireNote = ui::label("lblWireNote", QString(), this);
    ui::setTextHue(m_wireNote, Qt::red);
    ui::place(m_wireNote, 1620, 3510, 6990, 255);
    m_wireNote->setToolTip(
        QStringLiteral("Caution when an 18 awg lighting tap is longer than 50 feet or a 16 awg "
                       "tap longer than 100 feet (NEC 240-4)"));

    m_results = new QTextEdit(this);
    m_results->setObjectName(QStringLiteral("txtboxResults"));
    m_results->setAccessibleName(QStringLiteral("Results"));
    m_results->setReadOnly(true);
    m_results->setTabChangesFocus(true);
    m_results->setToolTip(QStringLiteral("The result of the last calculation"));
    ui::place(m_results, 90, 3795, 8520, 1740);

    m_calcSheet = ui::button("btnCalc_Sheet", QStringLiteral("Print"), this);
    m_calcSheet->setEnabled(false);
    ui::place(m_calcSheet, 5490, 5595, 1200, 345);
    m_calculate = ui::button("btnCalculate", QStringLiteral("Calculate Wire Size"), this);
    ui::place(m_calculate, 6750, 5595, 1860, 345);
}

// Tab goes down each of the three columns in turn, then along the row below them:
// calculation and load kind; phases, power factor, load and length; the voltage and wire
// frame; the result box and the buttons. The main window puts the results-history slots
// after the last button.
void VoltageDropPage::setKeyboardOrder()
{
    QList<QWidget*> order {m_calcMode->button(BranchIndex), m_branchPercent,
        m_calcMode->button(FeederIndex), m_feederPercent, m_calcMode->button(FixedSizeIndex)};
    // Options in the order they stand, top to bottom and left to right.
    const auto options = [&order](const ui::OptionGroup* group) {
        for (QAbstractButton* option : group->buttons())
            order << option;
    };
    options(m_loadKind);
    options(m_phases);
    options(m_powerFactorOption);
    order << m_powerFactor << m_load << m_length << m_volts;
    options(m_conduit);
    options(m_coating);
    options(m_wireType);
    options(m_temperature);
    order << m_wireSize << m_parallel << m_wiresPerPhase << m_results << m_calcSheet << m_calculate;
    ui::setTabOrder(order);

    for (const ui::OptionGroup* group : {m_calcMode, m_loadKind, m_phases, m_powerFactorOption,
             m_conduit, m_coating, m_wireType, m_temperature})
        ui::keepTabStopOnChoice(group->buttons());
}

void VoltageDropPage::connectHandlers()
{
    connect(m_calcMode, &ui::OptionGroup::chosen, this, &VoltageDropPage::calculationModeChosen);
    connect(m_loadKind, &ui::OptionGroup::chosen, this, &VoltageDropPage::loadKindChosen);
    connect(m_phases, &ui::OptionGroup::chosen, this, &VoltageDropPage::circuitChosen);
    connect(m_conduit, &ui::OptionGroup::chosen, this, &VoltageDropPage::racewayChosen);
    connect(m_wireType, &ui::OptionGroup::chosen, this, &VoltageDropPage::materialChosen);
    connect(m_temperature, &ui::OptionGroup::chosen, this, &VoltageDropPage::temperatureChosen);
    connect(m_powerFactorOption, &ui::OptionGroup::chosen, this,
        &VoltageDropPage::powerFactorOptionChosen);
    connect(m_powerFactor, &QLineEdit::textChanged, this, &VoltageDropPage::powerFactorTextChanged);

    // A voltage typed or chosen: every keystroke counts.
    connect(m_volts, &QComboBox::editTextChanged, this, &VoltageDropPage::voltageChanged);
    connect(m_volts, &ui::ChoiceList::repicked, this, &VoltageDropPage::voltageChanged);

    // A size is chosen from the list, by the user or by program; typing is refused.
    connect(m_wireSize, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            wireSizeChosen();
    });
    connect(m_wireSize, &ui::ChoiceList::repicked, this, &VoltageDropPage::wireSizeChosen);
    connect(m_wireSize->lineEdit(), &QLineEdit::textEdited, this, &VoltageDropPage::wireSizeTyped);

    connect(m_parallel, &QCheckBox::toggled, this, &VoltageDropPage::parallelConductorsToggled);
    connect(m_wiresPerPhase, &QLineEdit::textChanged, this, &VoltageDropPage::wiresPerPhaseChanged);
    connect(m_length, &QLineEdit::textChanged, this, &VoltageDropPage::lengthChanged);
    for (QWidget* clearing : {static_cast<QWidget*>(m_load), static_cast<QWidget*>(m_length),
             static_cast<QWidget*>(m_wireSize)})
        ui::onFocusIn(clearing, [this] { ClearVoltageDropResults(); });

    connect(m_history, &ResultsHistory::picked, this, &VoltageDropPage::historyPicked);
    connect(m_calculate, &QPushButton::clicked, this, &VoltageDropPage::calculate);
    connect(m_calcSheet, &QPushButton::clicked, this, &VoltageDropPage::printRequested);
}

void VoltageDropPage::focusLoad()
{
    // A voltage typed key by key picks its circuit type as the typing goes ("120" passes
    // through "12", which is DC); the keys that follow must still reach the voltage box.
    if (!m_volts->isTyping())
        ui::giveFocus(m_load);
    ClearVoltageDropResults();
}

QWidget* VoltageDropPage::lastTabStop() const
{
    return m_calculate;
}

void VoltageDropPage::selectDefaultWireSize()
{
    if (m_wireSize->currentIndex() < 0)
        chooseWireSize(kDefaultSizeRow);
}

void VoltageDropPage::setCalcSheetEnabled(bool enabled)
{
    m_calcSheet->setEnabled(enabled);
}

void VoltageDropPage::calculationModeChosen(int index)
{
    m_parallelFrame->setVisible(index == FixedSizeIndex);
    m_branchPercent->setEnabled(index == BranchIndex);
    m_feederPercent->setEnabled(index == FeederIndex);
    const QString caption = index == FixedSizeIndex ? QStringLiteral("Calculate Voltage Drop")
                                                    : QStringLiteral("Calculate Wire Size");
    m_calculate->setText(caption);
    m_calculate->setAccessibleName(caption);
    focusLoad();
}

void VoltageDropPage::loadKindChosen(int index)
{
    static const QString captions[] = {QStringLiteral("VA per Phase:"),
        QStringLiteral("VA Total Load:"), QStringLiteral("Full Load Amps:")};
    m_loadLabel->setText(captions[index]);
    m_load->setAccessibleName(captions[index]);
    m_load->setToolTip(loadTip(index));
    focusLoad();
}

void VoltageDropPage::circuitChosen()
{
    const bool directCurrent = isDirectCurrent();
    m_coatedFrame->setVisible(directCurrent && isCopper());
    // Direct current has no power factor, no raceway reactance and no per-phase load.
    m_powerFactorFrame->setVisible(!directCurrent);
    m_conduitLabel->setVisible(!directCurrent);
    for (QAbstractButton* raceway : m_conduit->buttons())
        raceway->setVisible(!directCurrent);
    m_loadKind->button(VaPerPhaseIndex)->setVisible(!directCurrent);
    if (directCurrent)
        m_loadKind->button(TotalVaIndex)->setChecked(true);
    focusLoad();
}

void VoltageDropPage::voltageChanged()
{
    if (!isDirectCurrent()) {
        if (const std::optional<Circuit> implied
            = CircuitForVoltage(ui::toStd(m_volts->currentText())))
            m_phases->button(static_cast<int>(*implied))->setChecked(true);
    }
    ClearVoltageDropResults();
}

void VoltageDropPage::racewayChosen(int index)
{
    static const char* const names[] = {"Steel", "Aluminum", "PVC"};
    m_settings.ConduitType = names[index];
    ClearVoltageDropResults();
    focusLoad();
}

void VoltageDropPage::materialChosen(int index)
{
    m_settings.WireMaterial = index == 0 ? "cooper" : "aluminum";
    m_coatedFrame->setVisible(isDirectCurrent() && isCopper());
    checkWireAmpacity();
    ClearVoltageDropResults();
    focusLoad();
}

void VoltageDropPage::temperatureChosen(int index)
{
    m_settings.TempRating = index == 0 ? "75 C" : "90 C";
    ClearVoltageDropResults();
    checkWireAmpacity();
    focusLoad();
}

void VoltageDropPage::powerFactorOptionChosen(int index)
{
    m_powerFactor->setEnabled(index == 1);
    if (index == 0) {
        m_settings.PowerFactor = 100;
    } else if (const std::optional<double> percent = ui::toNumber(m_powerFactor->text())) {
        m_settings.PowerFactor = *percent;
    }
    ClearVoltageDropResults();
    focusLoad();
}

// Correcting the text runs this handler again for the corrected text before the message
// about the refused one is shown.
void VoltageDropPage::powerFactorTextChanged()
{
    const numtext::Separators separators = ui::localeSeparators();
    if (const auto correction
        = PowerFactorBelowRange(ui::toStd(m_powerFactor->text()), separators)) {
        m_powerFactor->setText(ui::fromStd(correction->Text));
        ui::showMessage(this, correction->Message);
    }
    if (const auto correction
        = PowerFactorAboveRange(ui::toStd(m_powerFactor->text()), separators)) {
        m_powerFactor->setText(ui::fromStd(correction->Text));
        ui::showMessage(this, correction->Message);
    }
    if (m_powerFactorOption->checkedId() == 1) {
        if (const std::optional<double> percent = ui::toNumber(m_powerFactor->text()))
            m_settings.PowerFactor = *percent;
    }
    ClearVoltageDropResults();
}

void VoltageDropPage::wireSizeChosen()
{
    if (m_parallel->isChecked() && m_wireSize->currentIndex() < kSmallestParallelSizeRow) {
        ui::showMessage(this, ParallelSizeMessage());
        chooseWireSize(kSmallestParallelSizeRow);
    }
    checkWireAmpacity();
    focusLoad();
}

// Only the list's sizes are valid: a typed text is refused and leaves no size chosen.
void VoltageDropPage::wireSizeTyped(const QString& text)
{
    if (!text.isEmpty())
        ui::showMessage(this, ChooseSizeFromListMessage());
    m_wireSize->setCurrentIndex(-1);
    m_wireSize->setEditText(QString());
    ClearVoltageDropResults();
    m_calculate->setEnabled(false);
}

void VoltageDropPage::parallelConductorsToggled(bool ticked)
{
    m_wiresPerPhase->setEnabled(ticked);
    m_wiresPerPhaseLabel->setEnabled(ticked);
    chooseWireSize(kSmallestParallelSizeRow);
    wiresPerPhaseChanged();
}

void VoltageDropPage::wiresPerPhaseChanged()
{
    if (const std::optional<qint16> sets = ui::toInt16(m_wiresPerPhase->text()))
        m_settings.SetsPerPhase = *sets;
}

void VoltageDropPage::lengthChanged()
{
    m_wireNote->setText(ui::fromStd(LightingTapNote(
        ui::toStd(m_length->text()), m_wireSize->currentIndex(), ui::localeSeparators())));
}

void VoltageDropPage::historyPicked(int slot)
{
    m_results->setHtml(m_history->content(slot));
}

void VoltageDropPage::calculate()
{
    const CalculationOutcome outcome
        = CalculateVoltageDrop(readInputs(), m_state, m_settings, ui::localeSeparators());
    if (outcome.Message)
        ui::showMessage(this, *outcome.Message);
    if (outcome.EmptyFocusBox) {
        if (auto* edit = qobject_cast<QLineEdit*>(inputBox(outcome.Focus)))
            edit->clear();
    }
    giveFocusTo(outcome.Focus);
    play(outcome.Display);
    setCalcSheetEnabled(m_settings.ResultReady);
}

void VoltageDropPage::ClearVoltageDropResults()
{
    m_results->clear();
    m_history->hideAll();
}

void VoltageDropPage::checkWireAmpacity()
{
    const AmpacityRuling ruling = CheckWireAmpacity(m_wireSize->currentIndex(),
        static_cast<Material>(m_wireType->checkedId()),
        static_cast<Temperature>(m_temperature->checkedId()));
    m_calculate->setEnabled(ruling.CalculationAllowed);
    if (ruling.Message) {
        ui::showMessage(this, *ruling.Message);
        return;
    }
    m_wireNote->clear();
    if (!isDirectCurrent())
        m_loadKind->button(VaPerPhaseIndex)->show();
    m_phases->button(ThreePhaseIndex)->show();
}

void VoltageDropPage::chooseWireSize(int index)
{
    if (m_wireSize->currentIndex() == index)
        wireSizeChosen();
    else
        m_wireSize->setCurrentIndex(index);
}

QWidget* VoltageDropPage::inputBox(InputBox box) const
{
    switch (box) {
    case InputBox::None:
        break;
    case InputBox::Load:
        return m_load;
    case InputBox::Volts:
        return m_volts;
    case InputBox::Length:
        return m_length;
    case InputBox::BranchPercent:
        return m_branchPercent;
    case InputBox::FeederPercent:
        return m_feederPercent;
    case InputBox::WiresPerPhase:
        return m_wiresPerPhase;
    }
    return nullptr;
}

// Giving the load or the length box the focus clears the shown result, also where Qt
// delivers no focus (the page is not shown).
void VoltageDropPage::giveFocusTo(InputBox box)
{
    if (box == InputBox::Load) {
        focusLoad();
        return;
    }
    if (QWidget* widget = inputBox(box))
        ui::giveFocus(widget);
    if (box == InputBox::Length)
        ClearVoltageDropResults();
}

// Result lines end in a carriage return alone; each becomes a paragraph of its own.
void VoltageDropPage::showResultText(const std::string& text)
{
    m_results->setPlainText(ui::fromStd(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void VoltageDropPage::play(const std::vector<DisplayOperation>& operations)
{
    using Kind = DisplayOperation::Kind;
    for (const DisplayOperation& operation : operations) {
        switch (operation.What) {
        case Kind::Clear:
            ClearVoltageDropResults();
            break;
        case Kind::HideAll:
            m_history->hideAll();
            break;
        case Kind::Show:
            showResultText(operation.Text);
            break;
        case Kind::EmptyText:
            m_results->clear();
            break;
        case Kind::Record:
            m_history->setCaption(operation.Slot, ui::fromStd(operation.Text));
            m_history->setContent(operation.Slot, m_results->toHtml());
            m_history->setInUse(operation.Slot, true);
            break;
        case Kind::Hide:
            m_history->setInUse(operation.Slot, false);
            break;
        case Kind::Select:
            m_history->select(operation.Slot);
            break;
        }
    }
}

bool VoltageDropPage::isDirectCurrent() const
{
    return m_phases->checkedId() == DirectCurrentIndex;
}

bool VoltageDropPage::isCopper() const
{
    return m_wireType->checkedId() == 0;
}

VoltageDropInputs VoltageDropPage::readInputs() const
{
    VoltageDropInputs inputs;
    inputs.Mode = static_cast<CalcMode>(m_calcMode->checkedId());
    inputs.Load = static_cast<LoadEntry>(m_loadKind->checkedId());
    inputs.Phases = static_cast<Circuit>(m_phases->checkedId());
    inputs.Wire = static_cast<Material>(m_wireType->checkedId());
    inputs.Rating = static_cast<Temperature>(m_temperature->checkedId());
    inputs.Conduit = static_cast<Raceway>(m_conduit->checkedId());
    inputs.Coated = static_cast<Coating>(m_coating->checkedId());
    inputs.Parallel = m_parallel->isChecked();
    inputs.LoadText = ui::toStd(m_load->text());
    inputs.VoltsText = ui::toStd(m_volts->currentText());
    inputs.LengthText = ui::toStd(m_length->text());
    inputs.BranchPercentText = ui::toStd(m_branchPercent->text());
    inputs.FeederPercentText = ui::toStd(m_feederPercent->text());
    inputs.WiresPerPhaseText = ui::toStd(m_wiresPerPhase->text());
    inputs.SizeIndex = m_wireSize->currentIndex();
    return inputs;
}
