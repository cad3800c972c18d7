#include "fault/short_circuit_page.h"

#include "fault/conductor_constants.h"
#include "fault/fault_calculation.h"
#include "ui/accessibility.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/option_group.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTabWidgetFrame>
#include <QSvgWidget>

namespace {

// Where the blank panel lies exactly over the transformer fields, in the tab control's
// coordinates.
constexpr int kPanelLeft = 240;
constexpr int kPanelTop = 600;
constexpr int kPanelWidth = 1575;
constexpr int kPanelHeight = 2055;

// An opaque blank area in the colour of the tab page it lies on, in any style.
class BlankPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        // The page's fill; the border of the page falls outside the panel.
        option.rect = rect().adjusted(-8, -8, 8, 8);
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

// The name a field goes by, for a screen reader and in the message that refuses it.
QString fieldName(FaultField field)
{
    return ui::fromStd(std::string(FaultFieldName(field)));
}

struct Option
{
    QString caption;
    QRect twips; // relative to the frame
    QString tip;
};

// A caption-less, borderless frame holding one exclusive pair of options, the element
// ids being the array indices.
ui::OptionGroup* optionPair(const char* frameName, const char* arrayName, const QRect& frameTwips,
    const Option (&options)[2], QWidget* page)
{
    QFrame* frame = ui::plainFrame(QLatin1String(frameName), page);
    ui::placeOnPage(frame, frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height());
    auto* group = new ui::OptionGroup(page);
    for (int i = 0; i < 2; ++i) {
        QRadioButton* button
            = ui::option(group, QLatin1String(arrayName), i, options[i].caption, frame);
        button->setToolTip(options[i].tip);
        const QRect& r = options[i].twips;
        ui::place(button, r.x(), r.y(), r.width(), r.height());
    }
    return group;
}

} // namespace

ShortCircuitPage::ShortCircuitPage(QWidget* parent)
    : QWidget(parent)
{
    // Created bottom to top: the run drawing lies under everything, the blank panel over
    // the transformer fields.
    buildDrawings();
    buildSourceFields();
    buildCircuitFields();
    buildResults();
    setKeyboardOrder();

    // Handlers are connected after the designed initial state is in place, so creating
    // the page runs none of them.
    connect(m_shortType, &ui::OptionGroup::selected, this, &ShortCircuitPage::sourceChosen);
    connect(m_available, &ui::OptionGroup::selected, this, &ShortCircuitPage::primaryChosen);

    // Typed or chosen; a re-picked item runs the guard again, as any choice does.
    connect(m_faultVoltage, &QComboBox::editTextChanged, this, &ShortCircuitPage::guardPhase);
    connect(m_faultVoltage, &QComboBox::activated, this, &ShortCircuitPage::guardPhase);

    // A size is only ever chosen, never typed: typing empties the box, which then counts
    // as "Terminals". Re-picking the item shown restores the text, and its constant, after
    // such an edit; a change of item made by program selects too.
    connect(
        m_wireSize->lineEdit(), &QLineEdit::textEdited, m_wireSize->lineEdit(), &QLineEdit::clear);
    connect(m_wireSize, &QComboBox::activated, this, &ShortCircuitPage::selectConductorC);
    connect(m_wireSize, &QComboBox::currentIndexChanged, this, &ShortCircuitPage::selectConductorC);
    connect(m_cableType, &ui::OptionGroup::selected, this, &ShortCircuitPage::selectConductorC);
    connect(m_magneticCon, &ui::OptionGroup::selected, this, &ShortCircuitPage::selectConductorC);
}

void ShortCircuitPage::buildDrawings()
{
    ui::placeOnPage(ui::picture("Image3", QStringLiteral(":/artwork/fault_run.svg"),
                        QStringLiteral("Conductor run to the fault"), this),
        1200, 720, 1695, 5385);
    m_transformer = ui::picture("Picture2", QStringLiteral(":/artwork/transformer.svg"),
        QStringLiteral("Transformer"), this);
    ui::placeOnPage(m_transformer, 1880, 840, 870, 1095);
    m_transformer->hide();
    m_breaker = ui::picture(
        "Picture1", QStringLiteral(":/artwork/breaker.svg"), QStringLiteral("Breaker"), this);
    ui::placeOnPage(m_breaker, 2050, 840, 465, 1110);
}

void ShortCircuitPage::buildSourceFields()
{
    m_shortType = optionPair("Frame21", "opShortType", QRect(3000, 960, 1215, 495),
        {{QStringLiteral("X-FMR"), QRect(0, 240, 855, 240),
             QStringLiteral("The source is a transformer, given by its kVA and percent impedance")},
            {QStringLiteral("Breaker"), QRect(0, 0, 975, 240),
                QStringLiteral("The source is a breaker with a known available fault current")}},
        this);
    m_shortType->button(1)->setChecked(true);

    m_available = optionPair("Frame20", "opAvalible", QRect(3000, 360, 3135, 495),
        {{QStringLiteral("Infinity"), QRect(0, 240, 795, 195),
             QStringLiteral("The transformer is fed from an infinite bus: only its own impedance "
                            "limits the fault current")},
            {QStringLiteral("Available Fault Current in Amps"), QRect(0, 0, 2835, 195),
                QStringLiteral("The fault current available at the breaker or at the transformer "
                               "primary is known and typed in the box")}},
        this);
    m_available->button(1)->setChecked(true);
    m_available->button(0)->setEnabled(false);

    m_faultUtility = ui::lineEdit("txtFaultUtility", QStringLiteral("13000"),
        fieldName(FaultField::AvailableFaultAmps), this);
    m_faultUtility->setToolTip(QStringLiteral(
        "Available fault current at the breaker or at the transformer primary, in amperes"));
    ui::placeOnPage(m_faultUtility, 1860, 440, 975, 285);

    QLabel* primaryLabel = ui::wrappingLabel("Label29", QStringLiteral("Primary Volts"), this);
    ui::placeOnPage(primaryLabel, 600, 600, 1095, 240);
    m_voltsPri = ui::editableList("cbVoltsPri",
        {QStringLiteral("13800"), QStringLiteral("12600"), QStringLiteral("  4160"),
            QStringLiteral("    480"), QStringLiteral("    240")},
        this);
    m_voltsPri->setCurrentIndex(-1);
    m_voltsPri->setEditText(QStringLiteral("480"));
    ui::setListName(m_voltsPri, primaryLabel->text());
    m_voltsPri->setEnabled(false);
    primaryLabel->setBuddy(m_voltsPri);
    m_voltsPri->setToolTip(QStringLiteral("Primary voltage of the transformer, in volts"));
    ui::placeOnPage(m_voltsPri, 600, 840, 1095, 315);

    QLabel* kvaLabel = ui::wrappingLabel("Label24", QStringLiteral("Enter  KVA   "), this);
    ui::placeOnPage(kvaLabel, 720, 1200, 495, 390);
    m_xfmrVA = ui::lineEdit("txXfmrVA", QStringLiteral("500 "), fieldName(FaultField::Kva), this);
    m_xfmrVA->setEnabled(false);
    kvaLabel->setBuddy(m_xfmrVA);
    m_xfmrVA->setToolTip(QStringLiteral("Transformer rating, in kVA"));
    ui::placeOnPage(m_xfmrVA, 1320, 1200, 495, 375);

    QLabel* impedanceLabel = ui::wrappingLabel("Label28", QStringLiteral("% Z"), this);
    ui::placeOnPage(impedanceLabel, 720, 1800, 375, 360);
    m_xfmrZ = ui::lineEdit(
        "txXfmrZ", ui::format(5.2, numtext::Mask::Fixed1), fieldName(FaultField::PercentZ), this);
    m_xfmrZ->setEnabled(false);
    impedanceLabel->setBuddy(m_xfmrZ);
    m_xfmrZ->setToolTip(QStringLiteral("Transformer impedance from its nameplate, in percent"));
    ui::placeOnPage(m_xfmrZ, 1320, 1680, 495, 375);

    m_xfmrFla = ui::wrappingLabel("lblXfmrFLA", QStringLiteral("FLA"), this);
    ui::setResultName(m_xfmrFla, QStringLiteral("Transformer full-load current"));
    m_xfmrFla->setToolTip(
        QStringLiteral("Full-load current of the transformer secondary, in amperes"));
    ui::placeOnPage(m_xfmrFla, 360, 2160, 1455, 240);
    m_xfmrIsc = ui::wrappingLabel("lblXfmrISC", QStringLiteral("ISC"), this);
    ui::setResultName(m_xfmrIsc, QStringLiteral("Fault current at the secondary terminals"));
    m_xfmrIsc->setToolTip(
        QStringLiteral("Fault current at the transformer secondary terminals, in amperes"));
    ui::placeOnPage(m_xfmrIsc, 360, 2400, 1455, 255);

    // Hides the transformer fields from view while the source is a breaker.
    auto* panel = new BlankPanel(this);
    panel->setObjectName(QStringLiteral("Picture3"));
    ui::placeOnPage(panel, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    m_panel = panel;
}

void ShortCircuitPage::buildCircuitFields()
{
    m_phase = optionPair("Frame22", "opPhase", QRect(4560, 960, 1455, 495),
        {{QStringLiteral("Three Phase"), QRect(120, 0, 1335, 240),
             QStringLiteral("A three-phase system")},
            {QStringLiteral("Single Phase"), QRect(120, 240, 1335, 240),
                QStringLiteral("A single-phase system")}},
        this);
    m_phase->button(0)->setChecked(true);

    QLabel* voltageLabel = ui::wrappingLabel("Label33", QStringLiteral("Line-Line Voltage"), this);
    ui::placeOnPage(voltageLabel, 6480, 840, 1335, 240);
    m_faultVoltage = ui::editableList("cbFaultVoltage",
        {QStringLiteral("4160"), QStringLiteral("480"), QStringLiteral("277"),
            QStringLiteral("240"), QStringLiteral("208"), QStringLiteral("120")},
        this);
    m_faultVoltage->setCurrentIndex(m_faultVoltage->findText(QStringLiteral("208")));
    ui::setListName(m_faultVoltage, voltageLabel->text());
    voltageLabel->setBuddy(m_faultVoltage);
    m_faultVoltage->setToolTip(QStringLiteral(
        "Line-to-line voltage at the transformer secondary or the breaker and along the run, in "
        "volts"));
    ui::placeOnPage(m_faultVoltage, 6480, 1080, 1335, 315);

    QLabel* sizeLabel = ui::wrappingLabel("Label25", QStringLiteral("Select Wire Size"), this);
    ui::placeOnPage(sizeLabel, 2640, 2160, 1215, 240);
    QStringList sizes;
    for (const ConductorCRow& row : ConductorCTable())
        sizes << QString::fromLatin1(row.SizeText.data(), row.SizeText.size());
    sizes << QStringLiteral("Terminals");
    m_wireSize = ui::editableList("cmbFaultWireSize", sizes, this);
    m_wireSize->setCurrentIndex(m_wireSize->count() - 1); // "Terminals"
    ui::setListName(m_wireSize, sizeLabel->text());
    m_wireSize->setMaxVisibleItems(sizes.size());
    sizeLabel->setBuddy(m_wireSize);
    m_wireSize->setToolTip(QStringLiteral(
        "Size of the run's copper conductors; Terminals gives the fault at the source itself"));
    ui::placeOnPage(m_wireSize, 2640, 2400, 1215, 315);

    m_cableType = optionPair("Frame25", "opCableType", QRect(4680, 1560, 3135, 735),
        {{QStringLiteral(" Three Single Conductors"), QRect(240, 120, 2775, 240),
             QStringLiteral("The run is made of single conductors")},
            {QStringLiteral(" Three-Conductor Cable"), QRect(240, 360, 2775, 240),
                QStringLiteral("The run is a three-conductor cable")}},
        this);
    m_cableType->button(0)->setChecked(true);

    m_magneticCon = optionPair("Frame24", "opMagneticCon", QRect(2520, 4440, 1935, 615),
        {{QStringLiteral("Magnetic Conduit"), QRect(0, 120, 1815, 240),
             QStringLiteral("The run is in magnetic (steel) conduit")},
            {QStringLiteral("Non-Magnetic Conduit"), QRect(0, 360, 2055, 240),
                QStringLiteral("The run is in non-magnetic conduit, such as PVC or aluminum")}},
        this);
    m_magneticCon->button(0)->setChecked(true);

    QLabel* conductorsLabel = ui::wrappingLabel("Label26", QStringLiteral("Wires Per Phase"), this);
    ui::placeOnPage(conductorsLabel, 2640, 2880, 1695, 240);
    m_phaseConductors = ui::lineEdit(
        "txtNumbPhaseCond", QStringLiteral("1"), fieldName(FaultField::ConductorsPerPhase), this);
    conductorsLabel->setBuddy(m_phaseConductors);
    m_phaseConductors->setToolTip(
        QStringLiteral("Number of conductors in parallel on each phase of the run"));
    ui::placeOnPage(m_phaseConductors, 2640, 3120, 495, 375);

    QLabel* lengthLabel
        = ui::wrappingLabel("Label27", QStringLiteral("Length of run in feet"), this);
    ui::placeOnPage(lengthLabel, 2640, 3600, 1695, 240);
    m_feet = ui::lineEdit("txtFeet", QStringLiteral("0"), fieldName(FaultField::LengthFeet), this);
    lengthLabel->setBuddy(m_feet);
    m_feet->setToolTip(QStringLiteral("Length of the run to the fault, in feet"));
    ui::placeOnPage(m_feet, 2640, 3840, 975, 375);
}

void ShortCircuitPage::buildResults()
{
    QGroupBox* frame = ui::groupBox("Frame23", QStringLiteral("Fault Current Calculation"), this);
    ui::placeOnPage(frame, 4680, 2400, 3135, 2895);
    m_fault = ui::wrappingLabel("lblFault(0)", QStringLiteral("0  "), frame);
    ui::setResultName(m_fault, QStringLiteral("Fault current at the end of the run"));
    QFont resultFont = m_fault->font();
    resultFont.setPointSize(12);
    resultFont.setBold(true);
    m_fault->setFont(resultFont);
    m_fault->setToolTip(QStringLiteral(
        "Fault current at the end of the run, in amperes, by the point-to-point method"));
    ui::place(m_fault, 240, 360, 2655, 375);

    m_calculate = ui::button("cmdCalcFault", QStringLiteral("Calculate the Fault Current"), this);
    ui::placeOnPage(m_calculate, 5640, 5760, 2175, 375);
    connect(m_calculate, &QPushButton::clicked, this, &ShortCircuitPage::calculate);

    m_print = ui::button("cmdPrint", QStringLiteral("Print"), this);
    ui::placeOnPage(m_print, 4560, 5760, 975, 375);
    connect(m_print, &QPushButton::clicked, this, &ShortCircuitPage::printRequested);
}

// Tab goes down three columns in turn, and left to right where controls share a row:
// - the transformer fields at the left: cbVoltsPri, txXfmrVA, txXfmrZ;
// - the middle column: txtFaultUtility, opAvalible, opShortType, cmbFaultWireSize,
//   txtNumbPhaseCond, txtFeet, opMagneticCon;
// - the right column: opPhase, cbFaultVoltage, opCableType, cmdPrint, cmdCalcFault.
// Each pair of options is one stop, on its chosen option.
void ShortCircuitPage::setKeyboardOrder()
{
    ui::setTabOrder({m_voltsPri, m_xfmrVA, m_xfmrZ, m_faultUtility, m_available->button(1),
        m_available->button(0), m_shortType->button(1), m_shortType->button(0), m_wireSize,
        m_phaseConductors, m_feet, m_magneticCon->button(0), m_magneticCon->button(1),
        m_phase->button(0), m_phase->button(1), m_faultVoltage, m_cableType->button(0),
        m_cableType->button(1), m_print, m_calculate});
    for (const ui::OptionGroup* pair :
        {m_available, m_shortType, m_magneticCon, m_phase, m_cableType})
        ui::keepTabStopOnChoice(pair->buttons());
}

ShortCircuitPage::~ShortCircuitPage()
{
    // A list box destroyed while it has the focus finishes its edit first, which would
    // call back into this page while it is being taken apart.
    for (QComboBox* list : {m_voltsPri, m_faultVoltage, m_wireSize})
        list->disconnect(this);
}

void ShortCircuitPage::movePanelHome()
{
    m_panel->move(ui::pageRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight).topLeft());
}

void ShortCircuitPage::sourceChosen(int index)
{
    const bool transformer = index == 0;
    m_transformer->setVisible(transformer);
    m_breaker->setVisible(!transformer);
    m_panel->setVisible(!transformer);
    m_available->button(0)->setEnabled(transformer);
    m_available->button(transformer ? 0 : 1)->setChecked(true);
    m_faultUtility->setEnabled(!transformer);
    m_xfmrVA->setEnabled(transformer);
    m_xfmrZ->setEnabled(transformer);
    m_voltsPri->setEnabled(false);
}

void ShortCircuitPage::primaryChosen(int index)
{
    const bool primaryFaultGiven = index == 1;
    m_faultUtility->setEnabled(primaryFaultGiven);
    m_voltsPri->setEnabled(primaryFaultGiven);
}

void ShortCircuitPage::guardPhase()
{
    const QString volts = m_faultVoltage->currentText();
    const bool singlePhaseOnly = volts == QLatin1String("277") || volts == QLatin1String("120");
    m_phase->button(singlePhaseOnly ? 1 : 0)->setChecked(true);
    m_phase->button(0)->setEnabled(!singlePhaseOnly);
}

void ShortCircuitPage::selectConductorC()
{
    const std::optional<std::int32_t> c = LookupConductorC(ui::toStd(m_wireSize->currentText()),
        m_magneticCon->checkedId() == 0, m_cableType->checkedId() == 0);
    if (c)
        m_conductorC = *c;
}

FaultInputTexts ShortCircuitPage::inputTexts() const
{
    FaultInputTexts texts;
    texts.SourceIsBreaker = m_shortType->checkedId() == 1;
    texts.InfinitePrimary = m_available->checkedId() == 0;
    texts.ThreePhase = m_phase->checkedId() == 0;
    texts.Kva = ui::toStd(m_xfmrVA->text());
    texts.PercentZ = ui::toStd(m_xfmrZ->text());
    texts.PrimaryVolts = ui::toStd(m_voltsPri->currentText());
    texts.SecondaryVolts = ui::toStd(m_faultVoltage->currentText());
    texts.AvailableFaultAmps = ui::toStd(m_faultUtility->text());
    texts.WireSize = ui::toStd(m_wireSize->currentText());
    texts.ConductorsPerPhase = ui::toStd(m_phaseConductors->text());
    texts.LengthFeet = ui::toStd(m_feet->text());
    return texts;
}

void ShortCircuitPage::calculate()
{
    const numtext::Separators separators = ui::localeSeparators();
    const FaultInputReading reading = ReadFaultInputs(inputTexts(), m_conductorC, separators);
    if (reading.Refused) {
        refuse(*reading.Refused);
        return;
    }
    const FaultCalcResult result = RunFaultCalculation(reading.Inputs);
    m_sourceFaultAmps = result.SourceFaultAmps;
    const FaultCaptions captions = FaultResultCaptions(result, separators);
    if (captions.FullLoad)
        ui::setResultText(m_xfmrFla, ui::fromStd(*captions.FullLoad));
    if (captions.SourceFault)
        ui::setResultText(m_xfmrIsc, ui::fromStd(*captions.SourceFault));
    ui::setResultText(m_fault, ui::fromStd(captions.EndOfRun));
}

void ShortCircuitPage::refuse(FaultField field)
{
    ui::showMessage(this,
        QStringLiteral("Please enter a valid value for %1.").arg(fieldName(field)),
        QStringLiteral("Invalid Fault Input"), MessageKind::Information);
    QWidget* widget = fieldWidget(field);
    ui::giveFocus(widget);
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        box->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(widget))
        list->lineEdit()->selectAll();
}

QWidget* ShortCircuitPage::fieldWidget(FaultField field) const
{
    switch (field) {
    case FaultField::Kva:
        return m_xfmrVA;
    case FaultField::PercentZ:
        return m_xfmrZ;
    case FaultField::PrimaryVolts:
        return m_voltsPri;
    case FaultField::SecondaryVolts:
        return m_faultVoltage;
    case FaultField::AvailableFaultAmps:
        return m_faultUtility;
    case FaultField::ConductorsPerPhase:
        return m_phaseConductors;
    case FaultField::LengthFeet:
        return m_feet;
    }
    return nullptr;
}

FaultPageState ShortCircuitPage::pageState() const
{
    FaultPageState state;
    state.Fields = inputTexts();
    state.MagneticConduit = m_magneticCon->checkedId() == 0;
    state.SingleConductors = m_cableType->checkedId() == 0;
    state.FullLoadCaption = ui::toStd(m_xfmrFla->text());
    state.SourceFaultCaption = ui::toStd(m_xfmrIsc->text());
    state.EndOfRunCaption = ui::toStd(m_fault->text());
    return state;
}
