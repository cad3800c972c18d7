#include "voltage_drop/voltage_drop_calculation.h"

#include "voltage_drop/drop_formulas.h"
#include "voltage_drop/input_rules.h"
#include "voltage_drop/voltage_drop_text.h"
#include "voltage_drop/wire_size_search.h"

#include <cmath>

namespace {

const PageMessage kInvalidLoad {
    "Please enter a valid load for the calculation.", "Invalid Load", MessageKind::Information};
const PageMessage kInvalidVoltage {
    "Please enter a valid source voltage.", "Invalid Voltage", MessageKind::Information};
const PageMessage kInvalidLength {
    "Please enter a valid length for the wire.", "Invalid Wire Length", MessageKind::Information};
const PageMessage kInvalidPercent {"Please enter a valid percent voltage drop.",
    "Invalid Percent Voltage Drop", MessageKind::Information};
const PageMessage kInvalidWiresPerPhase {"Please enter a valid number of wires per phase.",
    "Invalid Wires Per Phase", MessageKind::Information};

class Calculation
{
public:
    Calculation(const VoltageDropInputs& inputs, VoltageDropState& state,
        const VoltageDropSettings& settings, const numtext::Separators& separators)
        : m_inputs(inputs)
        , m_state(state)
        , m_settings(settings)
        , m_separators(separators)
    { }

    CalculationRun run();

private:
    bool validate();
    bool readTarget(const std::string& text, InputBox box);
    void calculateFixedSize();
    void refuseDropTooLarge(bool dropFinite);
    void refuse(const PageMessage& message, InputBox box, bool emptyBox)
    {
        m_run.Outcome.Message = message;
        m_run.Outcome.Focus = box;
        m_run.Outcome.EmptyFocusBox = emptyBox;
    }
    double powerFactor() const { return m_settings.PowerFactor.value_or(0); }

    const VoltageDropInputs& m_inputs;
    VoltageDropState& m_state;
    const VoltageDropSettings& m_settings;
    const numtext::Separators& m_separators;
    double m_volts = 0;
    int m_sets = 1; // the sets entered for a fixed size; a search counts its own
    CalculationRun m_run;
};

CalculationRun Calculation::run()
{
    if (!validate())
        return m_run;

    if (m_inputs.Mode == CalcMode::FixedSize && m_inputs.SizeIndex < 0) {
        refuse(ChooseSizeFromListMessage(), InputBox::None, false);
        return m_run;
    }
    m_state.SizeIndex = m_inputs.SizeIndex;
    switch (m_inputs.Phases) {
    case Circuit::ThreePhase:
        m_state.PhaseText = "3 Phase";
        break;
    case Circuit::SinglePhase:
        m_state.PhaseText = "1 Phase";
        break;
    case Circuit::DirectCurrent:
        m_state.PhaseText = "Direct Current";
        break;
    }

    if (m_inputs.Mode == CalcMode::FixedSize) {
        calculateFixedSize();
        return m_run;
    }
    DisplayScript display;
    const SearchOutcome search
        = SearchWireSize(m_inputs, m_state, m_settings, m_volts, display, m_separators);
    m_run.SetsPerPhase = search.SetsPerPhase;
    if (search.Refusal) {
        m_run.Outcome.Message = search.Refusal;
        display = {};
        display.clear();
    } else {
        m_run.ResultReady = true;
    }
    m_run.Outcome.Display = display.operations();
    return m_run;
}

bool Calculation::validate()
{
    // The searches start from one set; the fixed size runs with the sets entered.
    if (m_inputs.Mode == CalcMode::FixedSize && m_inputs.Parallel) {
        const auto wires = numtext::toInt16(m_inputs.WiresPerPhaseText, m_separators);
        if (!wires || *wires < 1) {
            refuse(kInvalidWiresPerPhase, InputBox::WiresPerPhase, false);
            return false;
        }
        m_sets = *wires;
    }
    m_run.SetsPerPhase = m_sets;

    if (m_inputs.LoadText.empty()) {
        refuse(kInvalidLoad, InputBox::Load, false);
        return false;
    }
    if (!ComputeLoadAmps(m_state, m_inputs, m_separators)) {
        refuse(kInvalidLoad, InputBox::Load, true);
        return false;
    }
    // The volt-ampere entries have read the voltage already; the ampere entry has not.
    const std::optional<double> volts = numtext::toNumber(m_inputs.VoltsText, m_separators);
    if (!volts || *volts == 0) {
        refuse(kInvalidVoltage, InputBox::Volts, false);
        return false;
    }
    m_volts = *volts;

    if (m_inputs.LengthText.empty()) {
        refuse(kInvalidLength, InputBox::Length, false);
        return false;
    }
    const std::optional<double> length = numtext::toNumber(m_inputs.LengthText, m_separators);
    if (!length) {
        refuse(kInvalidLength, InputBox::Length, true);
        return false;
    }
    m_state.WireLength = *length;

    if (m_inputs.Mode == CalcMode::BranchSearch)
        return readTarget(m_inputs.BranchPercentText, InputBox::BranchPercent);
    if (m_inputs.Mode == CalcMode::FeederSearch)
        return readTarget(m_inputs.FeederPercentText, InputBox::FeederPercent);
    return true;
}

// An allowed drop of 0 % or less can never be met.
bool Calculation::readTarget(const std::string& text, InputBox box)
{
    if (text.empty()) {
        refuse(kInvalidPercent, box, false);
        return false;
    }
    const std::optional<double> target = numtext::toNumber(text, m_separators);
    if (!target || *target <= 0) {
        refuse(kInvalidPercent, box, true);
        return false;
    }
    m_state.TargetPercent = *target;
    return true;
}

void Calculation::calculateFixedSize()
{
    m_state.AmpsColumn = ChooseAmpsColumn(m_inputs.Wire, m_inputs.Rating);
    TakeConductorRow(m_state);

    const long long capacity = static_cast<long long>(m_sets) * m_state.WireAmps;
    if (capacity < m_state.LoadAmps) {
        refuse(
            {"The load is " + numtext::format(m_state.LoadAmps, numtext::Mask::Fixed2, m_separators)
                    + " amps, but the wire only carries " + numtext::plainNumber(capacity)
                    + " amps!",
                "Wire Size Invalid", MessageKind::Critical},
            InputBox::Load, false);
        return;
    }

    DisplayScript display;
    display.clear();
    if (m_inputs.Phases == Circuit::DirectCurrent) {
        ImpedanceColumn column = ImpedanceColumn::RdcAl;
        if (m_inputs.Wire == Material::Copper) {
            column = m_inputs.Coated == Coating::Coated ? ImpedanceColumn::RdcCuCoated
                                                        : ImpedanceColumn::RdcCuUncoated;
        }
        m_state.WireR = ImpedanceTable(m_state.SizeIndex, column);
        // The sets share the current.
        double drop = ((m_state.LoadAmps * m_state.WireR) * m_state.WireLength) * 2 / 1000;
        if (m_sets > 1)
            drop = drop / m_sets;
        const double percent = drop / m_volts * 100;
        if (!allFinite({drop, percent})) {
            refuseDropTooLarge(std::isfinite(drop));
            return;
        }
        m_state.VoltDrop = drop;
        m_state.PercentDrop = percent;
        m_state.ResultText
            = BuildDcVoltageDropText(m_state, m_settings, m_sets, m_inputs, m_volts, m_separators);
    } else {
        LookupWireImpedance(m_state, m_state.SizeIndex, m_inputs.Wire, m_inputs.Conduit);
        if (!ComputeVoltageDrop(m_state, powerFactor(), m_sets, m_inputs.Phases, m_volts)) {
            // Against one volt the drop itself tells whether it is too large for a number.
            VoltageDropState scratch = m_state;
            refuseDropTooLarge(
                ComputeVoltageDrop(scratch, powerFactor(), m_sets, m_inputs.Phases, 1));
            return;
        }
        m_state.ResultText
            = BuildVoltageDropText(m_state, m_settings, m_sets, m_inputs, m_volts, m_separators);
        m_run.ResultReady = true;
    }
    display.show(m_state.ResultText);
    m_run.Outcome.Display = display.operations();
}

// A drop too large for a number comes from a load or a length out of all proportion; a
// percent too large from a voltage next to nothing. The box to fix is the one named.
void Calculation::refuseDropTooLarge(bool dropFinite)
{
    if (dropFinite)
        refuse(kInvalidVoltage, InputBox::Volts, false);
    else if (std::fabs(m_state.LoadAmps) >= std::fabs(m_state.WireLength))
        refuse(kInvalidLoad, InputBox::Load, false);
    else
        refuse(kInvalidLength, InputBox::Length, false);
}

} // namespace

CalculationRun CalculateVoltageDrop(const VoltageDropInputs& inputs, VoltageDropState& state,
    const VoltageDropSettings& settings, const numtext::Separators& separators)
{
    return Calculation(inputs, state, settings, separators).run();
}
