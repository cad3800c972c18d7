#include "circuit_check/circuit_check_form.h"

#include "nec/choices.h"
#include "nec/conductor_size.h"
#include "nec/tables.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using Items = QList<std::pair<QString, int>>;

// The red of a refused value's reason: dark enough to read on the light grounds of a form
// as it is; ui::setTextHue lightens it on dark ones.
const QColor kReasonHue(192, 0, 0);

template<typename Enum>
int value(Enum choice)
{
    return static_cast<int>(choice);
}

// A list of fixed items, each carrying the engine's value of its choice.
QComboBox* list(const QString& name, const QString& accessibleName, const QString& tip,
    const Items& items, int selected, QWidget* parent)
{
    QComboBox* choices = ui::fixedList(name, items, selected, parent);
    choices->setAccessibleName(accessibleName);
    choices->setToolTip(tip);
    return choices;
}

// A list whose text is typed or chosen, starting with `start`.
QComboBox* editable(const QString& name, const QString& accessibleName, const QString& tip,
    const QStringList& items, const QString& start, QWidget* parent)
{
    QComboBox* choices = ui::editableList(name, items, parent);
    choices->setCurrentIndex(choices->findText(start));
    choices->setEditText(start);
    ui::setListName(choices, accessibleName);
    choices->setToolTip(tip);
    return choices;
}

QLineEdit* box(const QString& name, const QString& start, const QString& accessibleName,
    const QString& tip, QWidget* parent)
{
    QLineEdit* edit = ui::lineEdit(name, start, accessibleName, parent);
    edit->setToolTip(tip);
    return edit;
}

QCheckBox* tick(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    QCheckBox* check = ui::checkBox(name, caption, parent);
    check->setToolTip(tip);
    return check;
}

QStringList wholeNumbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

// "Automatic", then the ratings for fuses and inverse time circuit breakers; the ratings
// for fuses only are typed.
QStringList deviceItems()
{
    QStringList items {ui::fromStd(nec::kAutomatic)};
    QList<int> ratings;
    for (const nec::StandardRating& rating : nec::StandardRatings()) {
        if (!rating.FusesOnly)
            ratings << rating.Amperes;
    }
    std::sort(ratings.begin(), ratings.end());
    for (int rating : ratings)
        items << QString::number(rating);
    return items;
}

Items systemItems()
{
    Items items;
    for (nec::SystemType system :
        {nec::SystemType::Dc2Wire, nec::SystemType::OnePhase2Wire, nec::SystemType::OnePhase3Wire,
            nec::SystemType::ThreePhase3Wire, nec::SystemType::ThreePhase4Wire})
        items.push_back({ui::fromStd(nec::SystemName(system)), value(system)});
    return items;
}

Items materialItems()
{
    return {{QStringLiteral("Copper"), value(nec::Material::Copper)},
        {QStringLiteral("Aluminum"), value(nec::Material::Aluminum)}};
}

// The insulations of a circuit: every one but the bare conductor of raceway fill.
Items insulationItems()
{
    Items items;
    for (nec::Insulation insulation : nec::kAllInsulations) {
        if (nec::InsulationRating(insulation))
            items.push_back({ui::fromStd(nec::InsulationName(insulation)), value(insulation)});
    }
    return items;
}

// The sizes a copper circuit may use; an aluminum one starts at 12 AWG, which the
// check keeps to itself.
Items sizeItems()
{
    Items items;
    for (nec::ConductorSize size : nec::CircuitSizes(nec::Material::Copper))
        items.push_back({ui::fromStd(nec::SizeName(size)), value(size)});
    return items;
}

Items racewayItems()
{
    Items items;
    for (nec::RacewayType type : nec::kAllRacewayTypes)
        items.push_back({ui::fromStd(nec::RacewayTypeName(type)), value(type)});
    return items;
}

// The room a read-only field needs to show the widest text its figure takes.
int fieldWidth(const QLineEdit* field, const QString& widest)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    // QLineEdit keeps two pixels of margin on either side of its text.
    const QSize text(
        field->fontMetrics().horizontalAdvance(widest) + 4, field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, field).width();
}

// The rows of a group of inputs: a caption, the control, its unit; and below the control
// the reason a refused value gets, hidden until then.
class InputRows
{
public:
    InputRows(const QString& name, const QString& caption, QWidget* parent)
        : m_group(ui::groupBox(name, caption, parent))
        , m_grid(new QGridLayout(m_group))
    {
        m_grid->setColumnStretch(1, 1);
    }

    QGroupBox* group() const { return m_group; }

    void add(const QString& captionName, const QString& caption, QWidget* control,
        QWidget* unit = nullptr)
    {
        QLabel* label = ui::label(captionName, caption, m_group);
        label->setBuddy(control);
        m_captions << label;
        m_grid->addWidget(label, m_row, 0);
        m_grid->addWidget(control, m_row, 1);
        if (unit)
            m_grid->addWidget(unit, m_row, 2);
        ++m_row;
    }

    // A control that stands without a caption: a check box.
    void addAlone(QWidget* control) { m_grid->addWidget(control, m_row++, 0, 1, 3); }

    QLabel* unit(const QString& name, const QString& caption)
    {
        return ui::label(name, caption, m_group);
    }

    // The reason below the control of the last row.
    void addMark(FieldMark& mark, const QString& reasonName, QWidget* control)
    {
        mark.control = control;
        mark.tip = control->toolTip();
        auto* list = qobject_cast<QComboBox*>(control);
        mark.box = list ? list->lineEdit() : qobject_cast<QLineEdit*>(control);
        if (mark.box) {
            mark.sign
                = mark.box->addAction(control->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                    QLineEdit::TrailingPosition);
            mark.sign->setObjectName(reasonName + QStringLiteral("Sign"));
            mark.sign->setVisible(false);
        }
        mark.reason = ui::wrappingLabel(reasonName, QString(), m_group);
        ui::setTextHue(mark.reason, kReasonHue);
        mark.reason->hide();
        m_grid->addWidget(mark.reason, m_row++, 1, 1, 2);
    }

    const QList<QLabel*>& captions() const { return m_captions; }
    QGridLayout* grid() const { return m_grid; }

private:
    QGroupBox* m_group;
    QGridLayout* m_grid;
    QList<QLabel*> m_captions;
    int m_row = 0;
};

struct ResultDesign
{
    const char* name;
    const char* caption;
    const char* accessibleName;
    const char* tip;
    const char* widest; // the widest text the figure takes
    std::string CircuitKeyFigures::*figure;
};

// The key figures, the first column of the group, then the second, then the verdict
// across both.
constexpr ResultDesign kResultDesigns[] = {
    {"ccResultOcpd", "Device:", "Overcurrent device rating",
        "The rating of the overcurrent device, chosen or as given", "6,000 A",
        &CircuitKeyFigures::Ocpd},
    {"ccResultSets", "Sets:", "Parallel sets", "The number of conductor sets in parallel", "20",
        &CircuitKeyFigures::Sets},
    {"ccResultSize", "Size:", "Conductor size", "The size of each phase and neutral conductor",
        "1000 kcmil", &CircuitKeyFigures::Size},
    {"ccResultGoverning", "Governing:", "Governing factor",
        "The rule that alone needs the largest size", "conditions of use",
        &CircuitKeyFigures::Governing},
    {"ccResultTerminalAmps", "At terminals:", "Ampacity at the terminals, all sets",
        "Table 310.16 at the terminals' temperature, all sets together", "10,900 A",
        &CircuitKeyFigures::TerminalAmps},
    {"ccResultCorrectedAmps", "Ampacity:", "Ampacity under the conditions of use, all sets",
        "Corrected for the ambient and adjusted for the conductors in one raceway, all sets "
        "together",
        "10,900.0 A", &CircuitKeyFigures::CorrectedAmps},
    {"ccResultEgc", "Grounding:", "Equipment grounding conductor",
        "The equipment grounding conductor in each raceway", "2000 kcmil aluminum",
        &CircuitKeyFigures::Egc},
    {"ccResultRaceway", "Raceway:", "Raceway", "The smallest trade size that holds the conductors",
        "2-1/2 PVC Schedule 80", &CircuitKeyFigures::Raceway},
    {"ccResultFill", "Fill:", "Raceway fill", "The conductors' area over the raceway's area",
        "100.0 %", &CircuitKeyFigures::Fill},
    {"ccResultDrop", "Voltage drop:", "Voltage drop in percent",
        "This circuit's voltage drop, in percent of the voltage", "100.00 %",
        &CircuitKeyFigures::Drop},
    {"ccResultDropVolts", "Drop in volts:", "Voltage drop in volts",
        "This circuit's voltage drop, in volts", "1,000.00 V", &CircuitKeyFigures::DropVolts},
    {"ccResultLoadVolts", "At the load:", "Voltage at the load", "The voltage left at the load",
        "1,000.00 V", &CircuitKeyFigures::LoadVolts},
    {"ccResultTotalDrop", "Total drop:", "Total voltage drop with the drop upstream",
        "This circuit's drop plus the drop upstream", "200.00 %", &CircuitKeyFigures::TotalDrop},
    {"ccResultExactDrop", "Exact drop:", "Exact voltage drop",
        "The drop worked exactly, as a second opinion; not for DC", "1,000.00 V",
        &CircuitKeyFigures::ExactDrop},
    {"ccResultMaxLength", "Longest run:", "Maximum length",
        "The one-way length at which the drop reaches its limit", "1,000,000 ft",
        &CircuitKeyFigures::MaxLength},
    {"ccResultFault", "Fault at end:", "Fault current at the end",
        "The available fault current at the end of the run, motors included", "300,000 A",
        &CircuitKeyFigures::Fault},
    {"ccResultVerdict", "Verdict:", "Verdict", "Whether the circuit meets every check",
        "Does not meet: device rating, conductor size.", &CircuitKeyFigures::Verdict},
};
static_assert(std::size(kResultDesigns) == kKeyFigures, "a design for every key figure");

constexpr int kFirstColumnFigures = 9;

} // namespace

QStringList CircuitCheckForm::voltageItems(bool directCurrent)
{
    return directCurrent ? QStringList {"12", "24", "48", "125", "250", "600"}
                         : QStringList {"120", "208", "240", "277", "480", "600"};
}

void CircuitCheckForm::setupUi(QWidget* window)
{
    auto* columns = new QSplitter(Qt::Horizontal, window);
    columns->setObjectName(QStringLiteral("ccColumns"));
    columns->setChildrenCollapsible(false);
    columns->addWidget(buildInputs());
    columns->addWidget(buildResults());
    columns->setStretchFactor(1, 1);

    auto* layout = new QVBoxLayout(window);
    layout->addWidget(columns);
    setTabOrder();
}

QWidget* CircuitCheckForm::buildInputs()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ccInputsPage"));
    auto* column = new QVBoxLayout(page);
    const auto addMark = [this](InputRows& rows, nec::CircuitField field, const QString& name,
                             QWidget* control) { rows.addMark(mark(field), name, control); };
    QList<InputRows*> groups;

    // The order of the inputs is the order the rules take them in.
    InputRows circuit(QStringLiteral("grpCircuit"), QStringLiteral("Circuit"), page);
    system = list(QStringLiteral("ccSystem"), QStringLiteral("System"),
        QStringLiteral("The supply system; 1-phase 3-wire is the 120/240 V system"), systemItems(),
        value(nec::SystemType::ThreePhase4Wire), page);
    circuit.add(QStringLiteral("lblSystem"), QStringLiteral("System:"), system);
    voltage = editable(QStringLiteral("ccVoltage"), QStringLiteral("Voltage in volts"),
        QStringLiteral("Line to line for 3-phase and 1-phase 3-wire, the circuit voltage "
                       "otherwise: above 0 and at most 1,000 V. Type it or choose it."),
        voltageItems(false), QStringLiteral("480"), page);
    circuit.add(QStringLiteral("lblVoltage"), QStringLiteral("Voltage:"), voltage,
        circuit.unit(QStringLiteral("lblVoltageUnit"), QStringLiteral("V")));
    addMark(circuit, nec::CircuitField::Voltage, QStringLiteral("lblVoltageProblem"), voltage);
    load = box(QStringLiteral("ccLoad"), QString(), QStringLiteral("Load"),
        QStringLiteral("The whole load of the circuit, in the unit beside it"), page);
    loadUnit = list(QStringLiteral("ccLoadUnit"), QStringLiteral("Unit of the load"),
        QStringLiteral("Amperes, kVA, or kW, which is divided by the power factor on AC"),
        {{QStringLiteral("A"), value(nec::LoadUnit::Amperes)},
            {QStringLiteral("kVA"), value(nec::LoadUnit::KiloVoltAmperes)},
            {QStringLiteral("kW"), value(nec::LoadUnit::Kilowatts)}},
        value(nec::LoadUnit::Amperes), page);
    circuit.add(QStringLiteral("lblLoad"), QStringLiteral("Load:"), load, loadUnit);
    addMark(circuit, nec::CircuitField::Load, QStringLiteral("lblLoadProblem"), load);
    continuous = box(QStringLiteral("ccContinuous"), QStringLiteral("100"),
        QStringLiteral("Continuous part of the load in percent"),
        QStringLiteral("The percent of the load that runs for 3 hours or more, 0 to 100"), page);
    circuit.add(QStringLiteral("lblContinuous"), QStringLiteral("Continuous part:"), continuous,
        circuit.unit(QStringLiteral("lblContinuousUnit"), QStringLiteral("%")));
    addMark(circuit, nec::CircuitField::ContinuousPercent, QStringLiteral("lblContinuousProblem"),
        continuous);
    circuitKind = list(QStringLiteral("ccCircuitKind"), QStringLiteral("Circuit kind"),
        QStringLiteral("Feeder or branch circuit: the working cites the sections of its kind"),
        {{QStringLiteral("Feeder"), value(nec::CircuitKind::Feeder)},
            {QStringLiteral("Branch circuit"), value(nec::CircuitKind::BranchCircuit)}},
        value(nec::CircuitKind::Feeder), page);
    circuit.add(QStringLiteral("lblCircuitKind"), QStringLiteral("Circuit kind:"), circuitKind);
    groups << &circuit;

    InputRows device(QStringLiteral("grpDevice"), QStringLiteral("Overcurrent device"), page);
    ocpd
        = editable(QStringLiteral("ccOcpd"), QStringLiteral("Overcurrent device rating in amperes"),
            QStringLiteral("Automatic: the smallest standard rating for 125 % of the continuous "
                           "load plus the rest (240.6(A)). Or a rating you give: a whole number "
                           "of amperes from 1 to 6,000."),
            deviceItems(), ui::fromStd(nec::kAutomatic), page);
    device.add(QStringLiteral("lblOcpd"), QStringLiteral("Rating:"), ocpd,
        device.unit(QStringLiteral("lblOcpdUnit"), QStringLiteral("A")));
    addMark(device, nec::CircuitField::Ocpd, QStringLiteral("lblOcpdProblem"), ocpd);
    receptacles
        = tick(QStringLiteral("ccReceptacles"), QStringLiteral("Supplies more than one receptacle"),
            QStringLiteral("Tick for a branch circuit supplying more than one receptacle for "
                           "cord-and-plug-connected portable loads: the device may then not be the "
                           "next standard rating above the ampacity (240.4(B)(1))"),
            page);
    device.addAlone(receptacles);
    groups << &device;

    InputRows conductors(QStringLiteral("grpConductors"), QStringLiteral("Conductors"), page);
    material = list(QStringLiteral("ccMaterial"), QStringLiteral("Conductor material"),
        QStringLiteral("The material of the phase and neutral conductors"), materialItems(),
        value(nec::Material::Copper), page);
    conductors.add(QStringLiteral("lblMaterial"), QStringLiteral("Material:"), material);
    insulation = list(QStringLiteral("ccInsulation"), QStringLiteral("Insulation"),
        QStringLiteral("The insulation, with its temperature rating, for Table 310.16 and the "
                       "conductors' areas"),
        insulationItems(), value(nec::Insulation::Thhn), page);
    conductors.add(QStringLiteral("lblInsulation"), QStringLiteral("Insulation:"), insulation);
    addMark(conductors, nec::CircuitField::Insulation, QStringLiteral("lblInsulationProblem"),
        insulation);
    terminal = list(QStringLiteral("ccTerminal"), QStringLiteral("Terminal rating"),
        QStringLiteral("The lowest temperature rating of the terminations and devices at "
                       "either end (110.14(C))"),
        {{QStringLiteral("60 °C"), value(nec::TemperatureRating::C60)},
            {QStringLiteral("75 °C"), value(nec::TemperatureRating::C75)},
            {QStringLiteral("90 °C"), value(nec::TemperatureRating::C90)}},
        value(nec::TemperatureRating::C75), page);
    conductors.add(QStringLiteral("lblTerminal"), QStringLiteral("Terminal rating:"), terminal);
    sets = editable(QStringLiteral("ccSets"), QStringLiteral("Parallel sets"),
        QStringLiteral("Automatic, or the number of sets in parallel from 1 to 20; each set "
                       "runs in a raceway of its own"),
        QStringList {ui::fromStd(nec::kAutomatic)} + wholeNumbers(1, nec::kMostSets),
        ui::fromStd(nec::kAutomatic), page);
    conductors.add(QStringLiteral("lblSets"), QStringLiteral("Parallel sets:"), sets);
    addMark(conductors, nec::CircuitField::Sets, QStringLiteral("lblSetsProblem"), sets);
    maxSize = list(QStringLiteral("ccMaxSize"), QStringLiteral("Largest size per set"),
        QStringLiteral("For automatic sets: the largest conductor you want to pull; beyond it "
                       "the check adds sets"),
        sizeItems(), value(nec::ConductorSize::Kcmil500), page);
    conductors.add(QStringLiteral("lblMaxSize"), QStringLiteral("Largest per set:"), maxSize);
    groups << &conductors;

    InputRows conditions(
        QStringLiteral("grpConditions"), QStringLiteral("Conditions of use"), page);
    ambient = box(QStringLiteral("ccAmbient"), QStringLiteral("30"),
        QStringLiteral("Ambient temperature"),
        QStringLiteral("The ambient temperature the conductors run in (Table 310.15(B)(1)(1))"),
        page);
    ambientUnit = list(QStringLiteral("ccAmbientUnit"), QStringLiteral("Unit of the ambient"),
        QStringLiteral("Degrees Celsius or Fahrenheit"),
        {{QStringLiteral("°C"), value(nec::TemperatureUnit::Celsius)},
            {QStringLiteral("°F"), value(nec::TemperatureUnit::Fahrenheit)}},
        value(nec::TemperatureUnit::Celsius), page);
    conditions.add(QStringLiteral("lblAmbient"), QStringLiteral("Ambient:"), ambient, ambientUnit);
    addMark(conditions, nec::CircuitField::Ambient, QStringLiteral("lblAmbientProblem"), ambient);
    conductorCount = editable(QStringLiteral("ccConductorCount"),
        QStringLiteral("Current-carrying conductors in one raceway"),
        QStringLiteral("In one raceway (Table 310.15(C)(1)). Automatic counts the phases of one "
                       "set, and the neutral where it carries harmonic current; the grounding "
                       "conductor never counts. Or a number from 1 to 60."),
        QStringList {ui::fromStd(nec::kAutomatic)} + wholeNumbers(1, nec::kMostConductorsInRaceway),
        ui::fromStd(nec::kAutomatic), page);
    conditions.add(
        QStringLiteral("lblConductorCount"), QStringLiteral("Carrying current:"), conductorCount);
    addMark(conditions, nec::CircuitField::ConductorCount,
        QStringLiteral("lblConductorCountProblem"), conductorCount);
    harmonicNeutral = tick(QStringLiteral("ccHarmonicNeutral"),
        QStringLiteral("Neutral carries harmonic current"),
        QStringLiteral("3-phase 4-wire only: the neutral counts as a current-carrying "
                       "conductor (310.15(E)(3))"),
        page);
    conditions.addAlone(harmonicNeutral);
    groups << &conditions;

    InputRows run(QStringLiteral("grpRun"), QStringLiteral("Run and raceway"), page);
    length = box(QStringLiteral("ccLength"), QString(), QStringLiteral("One-way length in feet"),
        QStringLiteral("The one-way length of the run: above 0 and at most 100,000 ft"), page);
    run.add(QStringLiteral("lblLength"), QStringLiteral("Length:"), length,
        run.unit(QStringLiteral("lblLengthUnit"), QStringLiteral("ft")));
    addMark(run, nec::CircuitField::Length, QStringLiteral("lblLengthProblem"), length);
    raceway = list(QStringLiteral("ccRaceway"), QStringLiteral("Raceway type"),
        QStringLiteral("The raceway type of Chapter 9 Table 4; each set runs in one of its own"),
        racewayItems(), value(nec::RacewayType::Emt), page);
    run.add(QStringLiteral("lblRaceway"), QStringLiteral("Raceway:"), raceway);
    racewayMaterial = list(QStringLiteral("ccRacewayMaterial"), QStringLiteral("Raceway material"),
        QStringLiteral("For the impedance of Chapter 9 Table 9 and the fault-current constant; "
                       "follows the raceway type until you pick one"),
        {{QStringLiteral("Steel"), value(nec::RacewayMaterial::Steel)},
            {QStringLiteral("Aluminum"), value(nec::RacewayMaterial::Aluminum)},
            {QStringLiteral("PVC"), value(nec::RacewayMaterial::Pvc)}},
        value(nec::RacewayMaterial::Steel), page);
    run.add(QStringLiteral("lblRacewayMaterial"), QStringLiteral("Material:"), racewayMaterial);
    groups << &run;

    InputRows drop(
        QStringLiteral("grpDrop"), QStringLiteral("Power factor and voltage drop"), page);
    powerFactor = box(QStringLiteral("ccPowerFactor"), ui::format(0.85, numtext::Mask::Fixed2),
        QStringLiteral("Power factor"),
        QStringLiteral("Lagging, 0.50 to 1.00: for the voltage drop, and for a load in kW. Not "
                       "used on DC."),
        page);
    drop.add(QStringLiteral("lblPowerFactor"), QStringLiteral("Power factor:"), powerFactor);
    addMark(
        drop, nec::CircuitField::PowerFactor, QStringLiteral("lblPowerFactorProblem"), powerFactor);
    dropLimit = box(QStringLiteral("ccDropLimit"), QStringLiteral("3"),
        QStringLiteral("Voltage-drop limit in percent"),
        QStringLiteral("The design limit of this circuit's drop, above 0 and at most 100 %. The "
                       "NEC gives it in informational notes, not as a requirement."),
        page);
    drop.add(QStringLiteral("lblDropLimit"), QStringLiteral("Drop limit:"), dropLimit,
        drop.unit(QStringLiteral("lblDropLimitUnit"), QStringLiteral("%")));
    addMark(drop, nec::CircuitField::DropLimit, QStringLiteral("lblDropLimitProblem"), dropLimit);
    dropUpstream = box(QStringLiteral("ccDropUpstream"), QStringLiteral("0"),
        QStringLiteral("Voltage drop upstream in percent"),
        QStringLiteral("The percent already dropped before this circuit, for the 5 % total of "
                       "feeder and branch circuit: 0 to 100"),
        page);
    drop.add(QStringLiteral("lblDropUpstream"), QStringLiteral("Drop upstream:"), dropUpstream,
        drop.unit(QStringLiteral("lblDropUpstreamUnit"), QStringLiteral("%")));
    addMark(drop, nec::CircuitField::DropUpstream, QStringLiteral("lblDropUpstreamProblem"),
        dropUpstream);
    groups << &drop;

    InputRows egc(QStringLiteral("grpEgc"), QStringLiteral("Grounding conductor"), page);
    egcMaterial
        = list(QStringLiteral("ccEgcMaterial"), QStringLiteral("Grounding conductor material"),
            QStringLiteral("Insulated like the phases; follows the conductor material until you "
                           "pick one"),
            materialItems(), value(nec::Material::Copper), page);
    egc.add(QStringLiteral("lblEgcMaterial"), QStringLiteral("Material:"), egcMaterial);
    groups << &egc;

    InputRows fault(QStringLiteral("grpFault"), QStringLiteral("Fault current"), page);
    faultAmps = box(QStringLiteral("ccFaultAmps"), QString(),
        QStringLiteral("Available fault current at the source in amperes"),
        QStringLiteral("The available fault current at the source, at most 300,000 A; empty "
                       "for no fault figure. For a 1-phase 2-wire circuit at 120 or 277 V, the "
                       "line-to-neutral value. Not worked on DC."),
        page);
    fault.add(QStringLiteral("lblFaultAmps"), QStringLiteral("At the source:"), faultAmps,
        fault.unit(QStringLiteral("lblFaultAmpsUnit"), QStringLiteral("A")));
    addMark(fault, nec::CircuitField::SourceFaultAmps, QStringLiteral("lblFaultAmpsProblem"),
        faultAmps);
    motorAmps = box(QStringLiteral("ccMotorAmps"), QStringLiteral("0"),
        QStringLiteral("Motor load in amperes"),
        QStringLiteral("Amperes of running motors, which add four times their current to a "
                       "fault at the end"),
        page);
    fault.add(QStringLiteral("lblMotorAmps"), QStringLiteral("Motor load:"), motorAmps,
        fault.unit(QStringLiteral("lblMotorAmpsUnit"), QStringLiteral("A")));
    addMark(fault, nec::CircuitField::MotorAmps, QStringLiteral("lblMotorAmpsProblem"), motorAmps);
    groups << &fault;

    // The captions of every group in one column's width, so that the boxes line up.
    int captionWidth = 0;
    for (const InputRows* rows : std::as_const(groups)) {
        for (const QLabel* caption : rows->captions())
            captionWidth = std::max(captionWidth, caption->sizeHint().width());
    }
    for (const InputRows* rows : std::as_const(groups)) {
        rows->grid()->setColumnMinimumWidth(0, captionWidth);
        column->addWidget(rows->group());
    }
    column->addStretch(1);

    inputs = new QScrollArea;
    inputs->setObjectName(QStringLiteral("ccInputs"));
    inputs->setAccessibleName(QStringLiteral("Inputs"));
    // Its inputs take the focus, and it scrolls to the one that has it.
    inputs->setFocusPolicy(Qt::NoFocus);
    inputs->setWidgetResizable(true);
    inputs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputs->setWidget(page);
    // As wide as the inputs need, beside the scroll bar, so that nothing scrolls sideways.
    inputs->setMinimumWidth(page->minimumSizeHint().width() + 2 * inputs->frameWidth()
        + inputs->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return inputs;
}

QWidget* CircuitCheckForm::buildResults()
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    problems = ui::wrappingLabel(QStringLiteral("ccProblems"), QString(), panel);
    ui::setResultName(problems, QStringLiteral("Problems with the inputs"));
    problems->setToolTip(QStringLiteral(
        "What keeps the check from a result: the fields to correct and the boxes still empty"));
    problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(problems);

    column->addWidget(buildFigures());

    const auto document = [panel](const QString& groupName, const QString& caption,
                              const QString& name, const QString& tip, QTextEdit*& edit) {
        QGroupBox* group = ui::groupBox(groupName, caption, panel);
        edit = new QTextEdit(group);
        edit->setObjectName(name);
        edit->setReadOnly(true);
        edit->setTabChangesFocus(true);
        edit->setAccessibleName(caption);
        edit->setToolTip(tip);
        auto* inside = new QVBoxLayout(group);
        inside->addWidget(edit);
        return group;
    };
    auto* texts = new QSplitter(Qt::Vertical, panel);
    texts->setObjectName(QStringLiteral("ccTexts"));
    texts->setChildrenCollapsible(false);
    texts->addWidget(document(QStringLiteral("grpSummary"), QStringLiteral("Summary"),
        QStringLiteral("ccSummary"),
        QStringLiteral("Every check with its figure, and whether the circuit meets it"), summary));
    texts->addWidget(document(QStringLiteral("grpWorking"), QStringLiteral("Working"),
        QStringLiteral("ccWorking"),
        QStringLiteral("Every step with its formula, the numbers put into it, the table each "
                       "number came from and the code section"),
        working));
    column->addWidget(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    sendToSheet
        = ui::button(QStringLiteral("ccSendToSheet"), QStringLiteral("Send to Sheet"), panel);
    sendToSheet->setToolTip(QStringLiteral(
        "Adds the inputs, the summary and the working to the Calculation Results Sheet"));
    sendToSheet->setEnabled(false);
    buttons->addWidget(sendToSheet);
    close = ui::button(QStringLiteral("ccClose"), QStringLiteral("Close"), panel);
    close->setToolTip(QStringLiteral("Closes Circuit Check"));
    buttons->addWidget(close);
    column->addLayout(buttons);
    return panel;
}

QWidget* CircuitCheckForm::buildFigures()
{
    QGroupBox* group
        = ui::groupBox(QStringLiteral("grpFigures"), QStringLiteral("Key figures"), nullptr);
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (int i = 0; i < kKeyFigures; ++i) {
        const ResultDesign& design = kResultDesigns[i];
        const QString name = QLatin1String(design.name);
        QLineEdit* field
            = ui::lineEdit(name, QString(), QLatin1String(design.accessibleName), group);
        field->setReadOnly(true);
        field->setToolTip(QLatin1String(design.tip));
        field->setMinimumWidth(fieldWidth(field, QString::fromUtf8(design.widest)));
        results[static_cast<std::size_t>(i)] = {field, design.figure};

        QLabel* caption
            = ui::label(QStringLiteral("lbl") + name.mid(2), QLatin1String(design.caption), group);
        caption->setBuddy(field);
        const bool verdict = i == kKeyFigures - 1;
        const int row = verdict ? kFirstColumnFigures
                                : (i < kFirstColumnFigures ? i : i - kFirstColumnFigures);
        const int column = !verdict && i >= kFirstColumnFigures ? 2 : 0;
        grid->addWidget(caption, row, column);
        grid->addWidget(field, row, column + 1, 1, verdict ? 3 : 1);
    }
    return group;
}

void CircuitCheckForm::setTabOrder()
{
    QList<QWidget*> order {system, voltage, load, loadUnit, continuous, circuitKind, ocpd,
        receptacles, material, insulation, terminal, sets, maxSize, ambient, ambientUnit,
        conductorCount, harmonicNeutral, length, raceway, racewayMaterial, powerFactor, dropLimit,
        dropUpstream, egcMaterial, faultAmps, motorAmps};
    for (const ResultField& result : results)
        order << result.field;
    order << summary << working << sendToSheet << close;
    ui::setTabOrder(order);
}
