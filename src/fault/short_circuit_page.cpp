#include "fault/short_circuit_page.h"

#include "fault/conductor_constants.h"
#include "fault/fault_calculation.h"
#include "ui/accessibility.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/option_group.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

ShortCircuitPage::ShortCircuitPage(QWidget* parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);

    // Handlers are connected after the designed initial state is in place, so creating
    // the page runs none of them.
    connect(m_ui.shortType, &ui::OptionGroup::selected, this, &ShortCircuitPage::sourceChosen);
    connect(m_ui.available, &ui::OptionGroup::selected, this, &ShortCircuitPage::primaryChosen);

    // Typed or chosen; a re-picked item runs the guard again, as any choice does.
    connect(m_ui.faultVoltage, &QComboBox::editTextChanged, this, &ShortCircuitPage::guardPhase);
    connect(m_ui.faultVoltage, &QComboBox::activated, this, &ShortCircuitPage::guardPhase);

    // A size is only ever chosen, never typed: typing empties the box, which then counts
    // as "Terminals". Re-picking the item shown restores the text, and its constant, after
    // such an edit; a change of item made by program selects too.
    connect(m_ui.wireSize->lineEdit(), &QLineEdit::textEdited, m_ui.wireSize->lineEdit(),
        &QLineEdit::clear);
    connect(m_ui.wireSize, &QComboBox::activated, this, &ShortCircuitPage::selectConductorC);
    connect(
        m_ui.wireSize, &QComboBox::currentIndexChanged, this, &ShortCircuitPage::selectConductorC);
    connect(m_ui.cableType, &ui::OptionGroup::selected, this, &ShortCircuitPage::selectConductorC);
    connect(
        m_ui.magneticCon, &ui::OptionGroup::selected, this, &ShortCircuitPage::selectConductorC);

    connect(m_ui.calculate, &QPushButton::clicked, this, &ShortCircuitPage::calculate);
    connect(m_ui.print, &QPushButton::clicked, this, &ShortCircuitPage::printRequested);
}

ShortCircuitPage::~ShortCircuitPage()
{
    // A list box destroyed while it has the focus finishes its edit first, which would
    // call back into this page while it is being taken apart.
    for (QComboBox* list : {m_ui.voltsPri, m_ui.faultVoltage, m_ui.wireSize})
        list->disconnect(this);
}

void ShortCircuitPage::movePanelHome()
{
    m_ui.movePanelHome();
}

void ShortCircuitPage::sourceChosen(int index)
{
    const bool transformer = index == TransformerSourceIndex;
    m_ui.transformer->setVisible(transformer);
    m_ui.breaker->setVisible(!transformer);
    m_ui.panel->setVisible(!transformer);
    m_ui.available->button(InfiniteBusIndex)->setEnabled(transformer);
    m_ui.available->button(transformer ? InfiniteBusIndex : KnownFaultIndex)->setChecked(true);
    m_ui.faultUtility->setEnabled(!transformer);
    m_ui.xfmrVA->setEnabled(transformer);
    m_ui.xfmrZ->setEnabled(transformer);
    m_ui.voltsPri->setEnabled(false);
}

void ShortCircuitPage::primaryChosen(int index)
{
    const bool primaryFaultGiven = index == KnownFaultIndex;
    m_ui.faultUtility->setEnabled(primaryFaultGiven);
    m_ui.voltsPri->setEnabled(primaryFaultGiven);
}

void ShortCircuitPage::guardPhase()
{
    const bool singlePhaseOnly = ForcesSinglePhase(ui::toStd(m_ui.faultVoltage->currentText()));
    m_ui.phase->button(singlePhaseOnly ? SinglePhaseSystemIndex : ThreePhaseSystemIndex)
        ->setChecked(true);
    m_ui.phase->button(ThreePhaseSystemIndex)->setEnabled(!singlePhaseOnly);
}

void ShortCircuitPage::selectConductorC()
{
    const std::optional<std::int32_t> c = LookupConductorC(ui::toStd(m_ui.wireSize->currentText()),
        m_ui.magneticCon->checkedId() == MagneticConduitIndex,
        m_ui.cableType->checkedId() == SingleConductorsIndex);
    if (c)
        m_conductorC = *c;
}

FaultInputTexts ShortCircuitPage::inputTexts() const
{
    FaultInputTexts texts;
    texts.SourceIsBreaker = m_ui.shortType->checkedId() == BreakerSourceIndex;
    texts.InfinitePrimary = m_ui.available->checkedId() == InfiniteBusIndex;
    texts.ThreePhase = m_ui.phase->checkedId() == ThreePhaseSystemIndex;
    texts.Kva = ui::toStd(m_ui.xfmrVA->text());
    texts.PercentZ = ui::toStd(m_ui.xfmrZ->text());
    texts.PrimaryVolts = ui::toStd(m_ui.voltsPri->currentText());
    texts.SecondaryVolts = ui::toStd(m_ui.faultVoltage->currentText());
    texts.AvailableFaultAmps = ui::toStd(m_ui.faultUtility->text());
    texts.WireSize = ui::toStd(m_ui.wireSize->currentText());
    texts.ConductorsPerPhase = ui::toStd(m_ui.phaseConductors->text());
    texts.LengthFeet = ui::toStd(m_ui.feet->text());
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
    if (result.SourceFaultAmps)
        m_sourceFaultAmps = *result.SourceFaultAmps;
    const FaultCaptions captions = FaultResultCaptions(result, separators);
    if (captions.FullLoad)
        ui::setResultText(m_ui.xfmrFla, ui::fromStd(*captions.FullLoad));
    if (captions.SourceFault)
        ui::setResultText(m_ui.xfmrIsc, ui::fromStd(*captions.SourceFault));
    if (captions.EndOfRun)
        ui::setResultText(m_ui.fault, ui::fromStd(*captions.EndOfRun));
}

void ShortCircuitPage::refuse(FaultField field)
{
    ui::showMessage(this,
        QStringLiteral("Please enter a valid value for %1.")
            .arg(ShortCircuitForm::fieldName(field)),
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
        return m_ui.xfmrVA;
    case FaultField::PercentZ:
        return m_ui.xfmrZ;
    case FaultField::PrimaryVolts:
        return m_ui.voltsPri;
    case FaultField::SecondaryVolts:
        return m_ui.faultVoltage;
    case FaultField::AvailableFaultAmps:
        return m_ui.faultUtility;
    case FaultField::ConductorsPerPhase:
        return m_ui.phaseConductors;
    case FaultField::LengthFeet:
        return m_ui.feet;
    }
    return nullptr;
}

FaultPageState ShortCircuitPage::pageState() const
{
    FaultPageState state;
    state.Fields = inputTexts();
    state.MagneticConduit = m_ui.magneticCon->checkedId() == MagneticConduitIndex;
    state.SingleConductors = m_ui.cableType->checkedId() == SingleConductorsIndex;
    state.FullLoadCaption = ui::toStd(m_ui.xfmrFla->text());
    state.SourceFaultCaption = ui::toStd(m_ui.xfmrIsc->text());
    state.EndOfRunCaption = ui::toStd(m_ui.fault->text());
    return state;
}
