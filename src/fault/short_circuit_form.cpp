#include "fault/short_circuit_form.h"

#include "fault/conductor_constants.h"
#include "ui/accessibility.h"
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

} // namespace

void ShortCircuitForm::setupUi(QWidget* page)
{
    // Created bottom to top: the run drawing lies under everything, the blank panel over
    // the transformer fields.
    buildDrawings(page);
    buildSourceFields(page);
    buildCircuitFields(page);
    buildResults(page);
    setKeyboardOrder();
}

QString ShortCircuitForm::fieldName(FaultField field)
{
    return ui::fromStd(FaultFieldName(field));
}

void ShortCircuitForm::movePanelHome()
{
    panel->move(ui::pageRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight).topLeft());
}

void ShortCircuitForm::buildDrawings(QWidget* page)
{
    ui::placeOnPage(ui::picture("Image3", QStringLiteral(":/artwork/fault_run.svg"),
                        QStringLiteral("Conductor run to the fault"), page),
        1200, 720, 1695, 5385);
    transformer = ui::picture("Picture2", QStringLiteral(":/artwork/transformer.svg"),
        QStringLiteral("Transformer"), page);
    ui::placeOnPage(transformer, 1880, 840, 870, 1095);
    transformer->hide();
    breaker = ui::picture(
        "Picture1", QStringLiteral(":/artwork/breaker.svg"), QStringLiteral("Breaker"), page);
    ui::placeOnPage(breaker, 2050, 840, 465, 1110);
}

void ShortCircuitForm::buildSourceFields(QWidget* page)
{
    // A caption-less, borderless frame makes its two options one exclusive pair.
    QFrame* frame21 = ui::plainFrame("Frame21", page);
    ui::placeOnPage(frame21, 3000, 960, 1215, 495);
    shortType = new ui::OptionGroup(page);
    ui::addOptions(shortType, "opShortType",
        {{QStringLiteral("X-FMR"), QRect(0, 240, 855, 240),
             QStringLiteral("The source is a transformer, given by its kVA and percent impedance")},
            {QStringLiteral("Breaker"), QRect(0, 0, 975, 240),
                QStringLiteral("The source is a breaker with a known available fault current")}},
        frame21);
    shortType->button(BreakerSourceIndex)->setChecked(true);

    QFrame* frame20 = ui::plainFrame("Frame20", page);
    ui::placeOnPage(frame20, 3000, 360, 3135, 495);
    available = new ui::OptionGroup(page);
    ui::addOptions(available, "opAvalible",
        {{QStringLiteral("Infinity"), QRect(0, 240, 795, 195),
             QStringLiteral("The transformer is fed from an infinite bus: only its own impedance "
                            "limits the fault current")},
            {QStringLiteral("Available Fault Current in Amps"), QRect(0, 0, 2835, 195),
                QStringLiteral("The fault current available at the breaker or at the transformer "
                               "primary is known and typed in the box")}},
        frame20);
    available->button(KnownFaultIndex)->setChecked(true);
    available->button(InfiniteBusIndex)->setEnabled(false);

    faultUtility = ui::lineEdit("txtFaultUtility", QStringLiteral("13000"),
        fieldName(FaultField::AvailableFaultAmps), page);
    faultUtility->setToolTip(QStringLiteral(
        "Available fault current at the breaker or at the transformer primary, in amperes"));
    ui::placeOnPage(faultUtility, 1860, 440, 975, 285);

    QLabel* primaryLabel = ui::wrappingLabel("Label29", QStringLiteral("Primary Volts"), page);
    ui::placeOnPage(primaryLabel, 600, 600, 1095, 240);
    voltsPri = ui::editableList("cbVoltsPri",
        {QStringLiteral("13800"), QStringLiteral("12600"), QStringLiteral("  4160"),
            QStringLiteral("    480"), QStringLiteral("    240")},
        page);
    voltsPri->setCurrentIndex(-1);
    voltsPri->setEditText(QStringLiteral("480"));
    ui::setListName(voltsPri, primaryLabel->text());
    voltsPri->setEnabled(false);
    primaryLabel->setBuddy(voltsPri);
    voltsPri->setToolTip(QStringLiteral("Primary voltage of the transformer, in volts"));
    ui::placeOnPage(voltsPri, 600, 840, 1095, 315);

    QLabel* kvaLabel = ui::wrappingLabel("Label24", QStringLiteral("Enter  KVA   "), page);
    ui::placeOnPage(kvaLabel, 720, 1200, 495, 390);
    xfmrVA = ui::lineEdit("txXfmrVA", QStringLiteral("500 "), fieldName(FaultField::Kva), page);
    xfmrVA->setEnabled(false);
    kvaLabel->setBuddy(xfmrVA);
    xfmrVA->setToolTip(QStringLiteral("Transformer rating, in kVA"));
    ui::placeOnPage(xfmrVA, 1320, 1200, 495, 375);

    QLabel* impedanceLabel = ui::wrappingLabel("Label28", QStringLiteral("% Z"), page);
    ui::placeOnPage(impedanceLabel, 720, 1800, 375, 360);
    xfmrZ = ui::lineEdit(
        "txXfmrZ", ui::format(5.2, numtext::Mask::Fixed1), fieldName(FaultField::PercentZ), page);
    xfmrZ->setEnabled(false);
    impedanceLabel->setBuddy(xfmrZ);
    xfmrZ->setToolTip(QStringLiteral("Transformer impedance from its nameplate, in percent"));
    ui::placeOnPage(xfmrZ, 1320, 1680, 495, 375);

    xfmrFla = ui::wrappingLabel("lblXfmrFLA", QStringLiteral("FLA"), page);
    ui::setResultName(xfmrFla, QStringLiteral("Transformer full-load current"));
    xfmrFla->setToolTip(
        QStringLiteral("Full-load current of the transformer secondary, in amperes"));
    ui::placeOnPage(xfmrFla, 360, 2160, 1455, 240);
    xfmrIsc = ui::wrappingLabel("lblXfmrISC", QStringLiteral("ISC"), page);
    ui::setResultName(xfmrIsc, QStringLiteral("Fault current at the secondary terminals"));
    xfmrIsc->setToolTip(
        QStringLiteral("Fault current at the transformer secondary terminals, in amperes"));
    ui::placeOnPage(xfmrIsc, 360, 2400, 1455, 255);

    // Hides the transformer fields from view while the source is a breaker.
    panel = new BlankPanel(page);
    panel->setObjectName(QStringLiteral("Picture3"));
    ui::placeOnPage(panel, kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
}

void ShortCircuitForm::buildCircuitFields(QWidget* page)
{
    QFrame* frame22 = ui::plainFrame("Frame22", page);
    ui::placeOnPage(frame22, 4560, 960, 1455, 495);
    phase = new ui::OptionGroup(page);
    ui::addOptions(phase, "opPhase",
        {{QStringLiteral("Three Phase"), QRect(120, 0, 1335, 240),
             QStringLiteral("A three-phase system")},
            {QStringLiteral("Single Phase"), QRect(120, 240, 1335, 240),
                QStringLiteral("A single-phase system")}},
        frame22);
    phase->button(ThreePhaseSystemIndex)->setChecked(true);

    QLabel* voltageLabel = ui::wrappingLabel("Label33", QStringLiteral("Line-Line Voltage"), page);
    ui::placeOnPage(voltageLabel, 6480, 840, 1335, 240);
    faultVoltage = ui::editableList("cbFaultVoltage",
        {QStringLiteral("4160"), QStringLiteral("480"), QStringLiteral("277"),
            QStringLiteral("240"), QStringLiteral("208"), QStringLiteral("120")},
        page);
    faultVoltage->setCurrentIndex(faultVoltage->findText(QStringLiteral("208")));
    ui::setListName(faultVoltage, voltageLabel->text());
    voltageLabel->setBuddy(faultVoltage);
    faultVoltage->setToolTip(QStringLiteral(
        "Line-to-line voltage at the transformer secondary or the breaker and along the run, in "
        "volts"));
    ui::placeOnPage(faultVoltage, 6480, 1080, 1335, 315);

    QLabel* sizeLabel = ui::wrappingLabel("Label25", QStringLiteral("Select Wire Size"), page);
    ui::placeOnPage(sizeLabel, 2640, 2160, 1215, 240);
    QStringList sizes;
    for (const ConductorCRow& row : ConductorCTable())
        sizes << QString::fromLatin1(row.SizeText.data(), row.SizeText.size());
    sizes << QStringLiteral("Terminals");
    wireSize = ui::editableList("cmbFaultWireSize", sizes, page);
    wireSize->setCurrentIndex(wireSize->count() - 1); // "Terminals"
    ui::setListName(wireSize, sizeLabel->text());
    wireSize->setMaxVisibleItems(sizes.size());
    sizeLabel->setBuddy(wireSize);
    wireSize->setToolTip(QStringLiteral(
        "Size of the run's copper conductors; Terminals gives the fault at the source itself"));
    ui::placeOnPage(wireSize, 2640, 2400, 1215, 315);

    QFrame* frame25 = ui::plainFrame("Frame25", page);
    ui::placeOnPage(frame25, 4680, 1560, 3135, 735);
    cableType = new ui::OptionGroup(page);
    ui::addOptions(cableType, "opCableType",
        {{QStringLiteral(" Three Single Conductors"), QRect(240, 120, 2775, 240),
             QStringLiteral("The run is made of single conductors")},
            {QStringLiteral(" Three-Conductor Cable"), QRect(240, 360, 2775, 240),
                QStringLiteral("The run is a three-conductor cable")}},
        frame25);
    cableType->button(SingleConductorsIndex)->setChecked(true);

    QFrame* frame24 = ui::plainFrame("Frame24", page);
    ui::placeOnPage(frame24, 2520, 4440, 1935, 615);
    magneticCon = new ui::OptionGroup(page);
    ui::addOptions(magneticCon, "opMagneticCon",
        {{QStringLiteral("Magnetic Conduit"), QRect(0, 120, 1815, 240),
             QStringLiteral("The run is in magnetic (steel) conduit")},
            {QStringLiteral("Non-Magnetic Conduit"), QRect(0, 360, 2055, 240),
                QStringLiteral("The run is in non-magnetic conduit, such as PVC or aluminum")}},
        frame24);
    magneticCon->button(MagneticConduitIndex)->setChecked(true);

    QLabel* conductorsLabel = ui::wrappingLabel("Label26", QStringLiteral("Wires Per Phase"), page);
    ui::placeOnPage(conductorsLabel, 2640, 2880, 1695, 240);
    phaseConductors = ui::lineEdit(
        "txtNumbPhaseCond", QStringLiteral("1"), fieldName(FaultField::ConductorsPerPhase), page);
    conductorsLabel->setBuddy(phaseConductors);
    phaseConductors->setToolTip(
        QStringLiteral("Number of conductors in parallel on each phase of the run"));
    ui::placeOnPage(phaseConductors, 2640, 3120, 495, 375);

    QLabel* lengthLabel
        = ui::wrappingLabel("Label27", QStringLiteral("Length of run in feet"), page);
    ui::placeOnPage(lengthLabel, 2640, 3600, 1695, 240);
    feet = ui::lineEdit("txtFeet", QStringLiteral("0"), fieldName(FaultField::LengthFeet), page);
    lengthLabel->setBuddy(feet);
    feet->setToolTip(QStringLiteral("Length of the run to the fault, in feet"));
    ui::placeOnPage(feet, 2640, 3840, 975, 375);
}

void ShortCircuitForm::buildResults(QWidget* page)
{
    QGroupBox* frame = ui::groupBox("Frame23", QStringLiteral("Fault Current Calculation"), page);
    ui::placeOnPage(frame, 4680, 2400, 3135, 2895);
    fault = ui::wrappingLabel("lblFault(0)", QStringLiteral("0  "), frame);
    ui::setResultName(fault, QStringLiteral("Fault current at the end of the run"));
    QFont resultFont = fault->font();
    resultFont.setPointSize(12);
    resultFont.setBold(true);
    fault->setFont(resultFont);
    fault->setToolTip(QStringLiteral(
        "Fault current at the end of the run, in amperes, by the point-to-point method"));
    ui::place(fault, 240, 360, 2655, 375);

    calculate = ui::button("cmdCalcFault", QStringLiteral("Calculate the Fault Current"), page);
    ui::placeOnPage(calculate, 5640, 5760, 2175, 375);

    print = ui::button("cmdPrint", QStringLiteral("Print"), page);
    ui::placeOnPage(print, 4560, 5760, 975, 375);
}

// Tab goes down three columns in turn, and left to right where controls share a row:
// - the transformer fields at the left: cbVoltsPri, txXfmrVA, txXfmrZ;
// - the middle column: txtFaultUtility, opAvalible, opShortType, cmbFaultWireSize,
//   txtNumbPhaseCond, txtFeet, opMagneticCon;
// - the right column: opPhase, cbFaultVoltage, opCableType, cmdPrint, cmdCalcFault.
// Each pair of options is one stop, on its chosen option.
void ShortCircuitForm::setKeyboardOrder()
{
    ui::setTabOrder({voltsPri, xfmrVA, xfmrZ, faultUtility, available->button(KnownFaultIndex),
        available->button(InfiniteBusIndex), shortType->button(BreakerSourceIndex),
        shortType->button(TransformerSourceIndex), wireSize, phaseConductors, feet,
        magneticCon->button(MagneticConduitIndex), magneticCon->button(NonMagneticConduitIndex),
        phase->button(ThreePhaseSystemIndex), phase->button(SinglePhaseSystemIndex), faultVoltage,
        cableType->button(SingleConductorsIndex), cableType->button(ThreeConductorCableIndex),
        print, calculate});
    for (const ui::OptionGroup* pair : {available, shortType, magneticCon, phase, cableType})
        ui::keepTabStopOnChoice(pair->buttons());
}
