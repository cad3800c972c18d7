#include "voltage_drop/voltage_drop_page.h"

#include "ui/choice_list.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"
#include "ui/option_group.h"
#include "voltage_drop/input_rules.h"
#include "voltage_drop/results_history.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

static_assert(ResultsHistory::kSlots == kHistorySlots);

VoltageDropPage::VoltageDropPage(
    VoltageDropCalculator& calculator, ResultsHistory* history, QWidget* parent)
    : QWidget(parent)
    , m_calculator(calculator)
    , m_history(history)
{
    // The handlers are connected once the designed initial state is in place, so
    // building runs none of them.
    m_ui.setupUi(this);
    showChoicesInForce();
    connectHandlers();
}

// The settings live for the whole run, a page only as long as its window: a page made
// again after Exit shows the choices in force, which the results report, rather than the
// designed ones.
void VoltageDropPage::showChoicesInForce()
{
    const VoltageDropSettings& settings = m_calculator.settings();
    if (settings.WireMaterial)
        m_ui.wireType->button(static_cast<int>(*settings.WireMaterial))->setChecked(true);
    if (settings.TempRating)
        m_ui.temperature->button(static_cast<int>(*settings.TempRating))->setChecked(true);
    if (settings.ConduitType)
        m_ui.conduit->button(static_cast<int>(*settings.ConduitType))->setChecked(true);
    if (settings.PowerFactor && *settings.PowerFactor != 100) {
        m_ui.powerFactorOption->button(EnteredPowerFactorIndex)->setChecked(true);
        m_ui.powerFactor->setEnabled(true);
        m_ui.powerFactor->setText(
            ui::fromStd(numtext::GeneralNumberText(*settings.PowerFactor, ui::localeSeparators())));
    }
}

VoltageDropPage::~VoltageDropPage()
{
    // A list destroyed while it has the focus finishes its edit first, which would call
    // back into this page while it is being taken apart.
    for (QComboBox* list :
        {static_cast<QComboBox*>(m_ui.volts), static_cast<QComboBox*>(m_ui.wireSize)})
        list->disconnect(this);
}

void VoltageDropPage::connectHandlers()
{
    connect(m_ui.calcMode, &ui::OptionGroup::chosen, this, &VoltageDropPage::calculationModeChosen);
    connect(m_ui.loadKind, &ui::OptionGroup::chosen, this, &VoltageDropPage::loadKindChosen);
    connect(m_ui.phases, &ui::OptionGroup::chosen, this, &VoltageDropPage::circuitChosen);
    connect(m_ui.conduit, &ui::OptionGroup::chosen, this, &VoltageDropPage::racewayChosen);
    connect(m_ui.wireType, &ui::OptionGroup::chosen, this, &VoltageDropPage::materialChosen);
    connect(m_ui.temperature, &ui::OptionGroup::chosen, this, &VoltageDropPage::temperatureChosen);
    connect(m_ui.powerFactorOption, &ui::OptionGroup::chosen, this,
        &VoltageDropPage::powerFactorOptionChosen);
    connect(
        m_ui.powerFactor, &QLineEdit::textChanged, this, &VoltageDropPage::powerFactorTextChanged);

    // A voltage chosen counts at once; a typed one by its whole text.
    connect(m_ui.volts, &ui::ChoiceList::textChosen, this, &VoltageDropPage::voltageChosen);
    connect(m_ui.volts, &ui::ChoiceList::repicked, this, &VoltageDropPage::voltageChosen);
    connect(m_ui.volts, &ui::ChoiceList::textTyped, this, &VoltageDropPage::voltageTyped);
    connect(
        m_ui.volts, &ui::ChoiceList::typingEnded, this, [this] { m_setupBeforeTyping.reset(); });

    // A size is chosen from the list, by the user or by program; typing is refused.
    connect(m_ui.wireSize, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            wireSizeChosen();
    });
    connect(m_ui.wireSize, &ui::ChoiceList::repicked, this, &VoltageDropPage::wireSizeChosen);
    connect(
        m_ui.wireSize->lineEdit(), &QLineEdit::textEdited, this, &VoltageDropPage::wireSizeTyped);

    connect(m_ui.parallel, &QCheckBox::toggled, this, &VoltageDropPage::parallelConductorsToggled);
    connect(
        m_ui.wiresPerPhase, &QLineEdit::textChanged, this, &VoltageDropPage::wiresPerPhaseChanged);
    connect(m_ui.length, &QLineEdit::textChanged, this, &VoltageDropPage::lengthChanged);
    for (QWidget* clearing : {static_cast<QWidget*>(m_ui.load), static_cast<QWidget*>(m_ui.length),
             static_cast<QWidget*>(m_ui.wireSize)})
        ui::onFocusIn(clearing, [this] { ClearVoltageDropResults(); });

    connect(m_history, &ResultsHistory::picked, this, &VoltageDropPage::historyPicked);
    connect(m_ui.calculate, &QPushButton::clicked, this, &VoltageDropPage::calculate);
    connect(m_ui.calcSheet, &QPushButton::clicked, this, &VoltageDropPage::printRequested);
}

void VoltageDropPage::focusLoad()
{
    // A voltage typed key by key picks its circuit type as the typing goes ("120" passes
    // through "12", which is DC); the keys that follow must still reach the voltage box.
    if (!m_ui.volts->isTyping())
        ui::giveFocus(m_ui.load);
    ClearVoltageDropResults();
}

QWidget* VoltageDropPage::lastTabStop() const
{
    return m_ui.calculate;
}

void VoltageDropPage::selectDefaultWireSize()
{
    if (m_ui.wireSize->currentIndex() < 0)
        chooseWireSize(kRow12Awg);
}

void VoltageDropPage::setCalcSheetEnabled(bool enabled)
{
    m_ui.calcSheet->setEnabled(enabled);
}

void VoltageDropPage::calculationModeChosen(int index)
{
    m_ui.parallelFrame->setVisible(index == FixedSizeIndex);
    m_ui.branchPercent->setEnabled(index == BranchIndex);
    m_ui.feederPercent->setEnabled(index == FeederIndex);
    const QString caption = index == FixedSizeIndex ? QStringLiteral("Calculate Voltage Drop")
                                                    : QStringLiteral("Calculate Wire Size");
    m_ui.calculate->setText(caption);
    m_ui.calculate->setAccessibleName(caption);
    focusLoad();
}

void VoltageDropPage::loadKindChosen(int index)
{
    static const QString captions[] = {QStringLiteral("VA per Phase:"),
        QStringLiteral("VA Total Load:"), QStringLiteral("Full Load Amps:")};
    m_ui.loadLabel->setText(captions[index]);
    m_ui.load->setAccessibleName(captions[index]);
    m_ui.load->setToolTip(VoltageDropForm::loadTip(index));
    focusLoad();
}

void VoltageDropPage::circuitChosen()
{
    const bool directCurrent = isDirectCurrent();
    m_ui.coatedFrame->setVisible(directCurrent && isCopper());
    // Direct current has no power factor, no raceway reactance and no per-phase load.
    m_ui.powerFactorFrame->setVisible(!directCurrent);
    m_ui.conduitLabel->setVisible(!directCurrent);
    for (QAbstractButton* raceway : m_ui.conduit->buttons())
        raceway->setVisible(!directCurrent);
    m_ui.loadKind->button(VaPerPhaseIndex)->setVisible(!directCurrent);
    if (directCurrent)
        m_ui.loadKind->button(TotalVaIndex)->setChecked(true);
    focusLoad();
}

// What an earlier key of the typing switched and the text no longer calls for goes back
// as it was before the typing.
void VoltageDropPage::voltageTyped(const QString& text)
{
    if (!m_setupBeforeTyping)
        m_setupBeforeTyping = circuitSetup();
    setCircuitSetup(SetupForTypedVoltage(*m_setupBeforeTyping, ui::toStd(text)));
    ClearVoltageDropResults();
}

void VoltageDropPage::voltageChosen()
{
    if (!isDirectCurrent()) {
        if (const std::optional<Circuit> implied
            = CircuitForVoltage(ui::toStd(m_ui.volts->currentText())))
            m_ui.phases->button(static_cast<int>(*implied))->setChecked(true);
    }
    ClearVoltageDropResults();
}

void VoltageDropPage::racewayChosen(int index)
{
    m_calculator.chooseRaceway(static_cast<Raceway>(index));
    ClearVoltageDropResults();
    focusLoad();
}

void VoltageDropPage::materialChosen(int index)
{
    m_calculator.chooseMaterial(static_cast<Material>(index));
    m_ui.coatedFrame->setVisible(isDirectCurrent() && isCopper());
    checkWireAmpacity();
    ClearVoltageDropResults();
    focusLoad();
}

void VoltageDropPage::temperatureChosen(int index)
{
    m_calculator.chooseTemperature(static_cast<Temperature>(index));
    ClearVoltageDropResults();
    checkWireAmpacity();
    focusLoad();
}

void VoltageDropPage::powerFactorOptionChosen(int index)
{
    m_ui.powerFactor->setEnabled(index == EnteredPowerFactorIndex);
    if (index == UnityPowerFactorIndex) {
        m_calculator.choosePowerFactor(100);
    } else if (const std::optional<double> percent = ui::toNumber(m_ui.powerFactor->text())) {
        m_calculator.choosePowerFactor(*percent);
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
        = PowerFactorBelowRange(ui::toStd(m_ui.powerFactor->text()), separators)) {
        m_ui.powerFactor->setText(ui::fromStd(correction->Text));
        ui::showMessage(this, correction->Message);
    }
    if (const auto correction
        = PowerFactorAboveRange(ui::toStd(m_ui.powerFactor->text()), separators)) {
        m_ui.powerFactor->setText(ui::fromStd(correction->Text));
        ui::showMessage(this, correction->Message);
    }
    if (m_ui.powerFactorOption->checkedId() == EnteredPowerFactorIndex) {
        if (const std::optional<double> percent = ui::toNumber(m_ui.powerFactor->text()))
            m_calculator.choosePowerFactor(*percent);
    }
    ClearVoltageDropResults();
}

void VoltageDropPage::wireSizeChosen()
{
    if (m_ui.parallel->isChecked() && m_ui.wireSize->currentIndex() < kSmallestParallelSizeRow) {
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
    m_ui.wireSize->setCurrentIndex(-1);
    m_ui.wireSize->setEditText(QString());
    ClearVoltageDropResults();
    m_ui.calculate->setEnabled(false);
}

void VoltageDropPage::parallelConductorsToggled(bool ticked)
{
    m_ui.wiresPerPhase->setEnabled(ticked);
    m_ui.wiresPerPhaseLabel->setEnabled(ticked);
    chooseWireSize(kSmallestParallelSizeRow);
    wiresPerPhaseChanged();
}

void VoltageDropPage::wiresPerPhaseChanged()
{
    if (const std::optional<qint16> sets = ui::toInt16(m_ui.wiresPerPhase->text()))
        m_calculator.chooseSetsPerPhase(*sets);
}

void VoltageDropPage::lengthChanged()
{
    m_ui.wireNote->setText(ui::fromStd(LightingTapNote(
        ui::toStd(m_ui.length->text()), m_ui.wireSize->currentIndex(), ui::localeSeparators())));
}

void VoltageDropPage::historyPicked(int slot)
{
    m_ui.results->setHtml(m_history->content(slot));
}

void VoltageDropPage::calculate()
{
    const CalculationOutcome outcome = m_calculator.calculate(readInputs(), ui::localeSeparators());
    if (outcome.Message)
        ui::showMessage(this, *outcome.Message);
    if (outcome.EmptyFocusBox) {
        if (auto* edit = qobject_cast<QLineEdit*>(inputBox(outcome.Focus)))
            edit->clear();
    }
    giveFocusTo(outcome.Focus);
    play(outcome.Display);
    setCalcSheetEnabled(m_calculator.settings().ResultReady);
}

void VoltageDropPage::ClearVoltageDropResults()
{
    m_ui.results->clear();
    m_history->hideAll();
}

void VoltageDropPage::checkWireAmpacity()
{
    const AmpacityRuling ruling = CheckWireAmpacity(m_ui.wireSize->currentIndex(),
        static_cast<Material>(m_ui.wireType->checkedId()),
        static_cast<Temperature>(m_ui.temperature->checkedId()));
    m_ui.calculate->setEnabled(ruling.CalculationAllowed);
    if (ruling.Message) {
        ui::showMessage(this, *ruling.Message);
        return;
    }
    m_ui.wireNote->clear();
    if (!isDirectCurrent())
        m_ui.loadKind->button(VaPerPhaseIndex)->show();
    m_ui.phases->button(ThreePhaseIndex)->show();
}

void VoltageDropPage::chooseWireSize(int index)
{
    if (m_ui.wireSize->currentIndex() == index)
        wireSizeChosen();
    else
        m_ui.wireSize->setCurrentIndex(index);
}

QWidget* VoltageDropPage::inputBox(InputBox box) const
{
    switch (box) {
    case InputBox::None:
        break;
    case InputBox::Load:
        return m_ui.load;
    case InputBox::Volts:
        return m_ui.volts;
    case InputBox::Length:
        return m_ui.length;
    case InputBox::BranchPercent:
        return m_ui.branchPercent;
    case InputBox::FeederPercent:
        return m_ui.feederPercent;
    case InputBox::WiresPerPhase:
        return m_ui.wiresPerPhase;
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
    m_ui.results->setPlainText(ui::fromStd(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
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
            m_ui.results->clear();
            break;
        case Kind::Record:
            m_history->setCaption(operation.Slot, ui::fromStd(operation.Text));
            m_history->setContent(operation.Slot, resultsContent());
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

QString VoltageDropPage::resultsContent() const
{
    return m_ui.results->toHtml();
}

CircuitSetup VoltageDropPage::circuitSetup() const
{
    return {static_cast<Circuit>(m_ui.phases->checkedId()),
        static_cast<LoadEntry>(m_ui.loadKind->checkedId())};
}

// Each option selected runs its handler: the circuit type shows and hides the controls
// that go with it, the load entry sets the load box's caption.
void VoltageDropPage::setCircuitSetup(const CircuitSetup& setup)
{
    m_ui.phases->button(static_cast<int>(setup.Phases))->setChecked(true);
    m_ui.loadKind->button(static_cast<int>(setup.Load))->setChecked(true);
}

bool VoltageDropPage::isDirectCurrent() const
{
    return m_ui.phases->checkedId() == DirectCurrentIndex;
}

bool VoltageDropPage::isCopper() const
{
    return m_ui.wireType->checkedId() == CopperIndex;
}

VoltageDropInputs VoltageDropPage::readInputs() const
{
    VoltageDropInputs inputs;
    inputs.Mode = static_cast<CalcMode>(m_ui.calcMode->checkedId());
    inputs.Load = static_cast<LoadEntry>(m_ui.loadKind->checkedId());
    inputs.Phases = static_cast<Circuit>(m_ui.phases->checkedId());
    inputs.Wire = static_cast<Material>(m_ui.wireType->checkedId());
    inputs.Rating = static_cast<Temperature>(m_ui.temperature->checkedId());
    inputs.Conduit = static_cast<Raceway>(m_ui.conduit->checkedId());
    inputs.Coated = static_cast<Coating>(m_ui.coating->checkedId());
    inputs.Parallel = m_ui.parallel->isChecked();
    inputs.LoadText = ui::toStd(m_ui.load->text());
    inputs.VoltsText = ui::toStd(m_ui.volts->currentText());
    inputs.LengthText = ui::toStd(m_ui.length->text());
    inputs.BranchPercentText = ui::toStd(m_ui.branchPercent->text());
    inputs.FeederPercentText = ui::toStd(m_ui.feederPercent->text());
    inputs.WiresPerPhaseText = ui::toStd(m_ui.wiresPerPhase->text());
    inputs.SizeIndex = m_ui.wireSize->currentIndex();
    return inputs;
}
