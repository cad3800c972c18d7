#include "voltage_drop/wire_size_search.h"

#include "voltage_drop/drop_formulas.h"
#include "voltage_drop/input_rules.h"
#include "voltage_drop/voltage_drop_text.h"

#include <vector>

namespace {

constexpr int kCopperStartRow = kRow14Awg;
constexpr int kAluminumStartRow = kRow12Awg;
constexpr int kLargestSingleOnlyRow = kRow1Awg; // larger sizes may run in parallel
constexpr int kSetLoopLimit = 11; // the set loop tries up to 11 sets; 1 to 10 have a slot

class Search
{
public:
    Search(const VoltageDropInputs& inputs, VoltageDropState& state,
        const VoltageDropSettings& settings, double volts, DisplayScript& display,
        const numtext::Separators& separators)
        : m_inputs(inputs)
        , m_state(state)
        , m_settings(settings)
        , m_volts(volts)
        , m_display(display)
        , m_separators(separators)
    { }

    SearchOutcome run();

private:
    bool findSizeForSets();
    bool findCarryingSize();
    bool addSet();
    void finish();
    // The size in force becomes the result: its name, ampacity and text go into the
    // working record.
    const std::string& recordResult();

    const VoltageDropInputs& m_inputs;
    VoltageDropState& m_state;
    const VoltageDropSettings& m_settings;
    int m_sets = 1; // the count of parallel sets being tried
    const double m_volts;
    DisplayScript& m_display;
    const numtext::Separators& m_separators;
};

SearchOutcome Search::run()
{
    // Slots of an earlier search take no part in this one.
    m_display.hideAll();
    m_state.AmpsColumn = ChooseAmpsColumn(m_inputs.Wire, m_inputs.Rating);
    m_state.SizeIndex = m_inputs.Wire == Material::Copper ? kCopperStartRow : kAluminumStartRow;
    std::optional<int> previousAccepted;

    for (;;) {
        if (!findSizeForSets()) {
            const PageMessage refusal {
                "No conductor size carries this load within 100 parallel sets per phase.",
                "Wire Size Invalid", MessageKind::Critical};
            return {refusal, m_sets};
        }
        m_display.show(recordResult());

        // A size of 1/0 or larger may also run with one more set: record the best size of
        // each set count that changes it, and try the next count.
        if (m_state.SizeIndex <= kLargestSingleOnlyRow || m_sets >= kSetLoopLimit)
            break;
        if (m_state.SizeIndex != previousAccepted) {
            m_display.record(m_sets - 1, numtext::plainNumber(m_sets) + " Set");
            m_display.emptyText();
        }
        ++m_sets;
        previousAccepted = m_state.SizeIndex;
        m_state.SizeIndex = kSmallestParallelSizeRow;
    }
    finish();
    return {std::nullopt, m_sets};
}

const std::string& Search::recordResult()
{
    TakeConductorRow(m_state);
    m_state.ResultText
        = BuildVoltageDropText(m_state, m_settings, m_sets, m_inputs, m_volts, m_separators);
    return m_state.ResultText;
}

// Walks up from SizeIndex to the first size that carries the load and keeps the drop
// within the target, adding sets where even 1000 kcmil falls short. False when that
// needs more sets than the search allows.
bool Search::findSizeForSets()
{
    for (;;) {
        if (!findCarryingSize())
            return false;
        std::vector<int> attemptSlots;
        for (int attempt = 0; m_state.SizeIndex <= kLastSizeRow; ++attempt) {
            LookupWireImpedance(m_state, m_state.SizeIndex, m_inputs.Wire, m_inputs.Conduit);
            const bool computed = ComputeVoltageDrop(
                m_state, m_settings.PowerFactor.value_or(0), m_sets, m_inputs.Phases, m_volts);
            if (computed && m_sets == 1 && attempt < kHistorySlots) {
                const std::string caption
                    = numtext::format(m_state.PercentDrop, numtext::Mask::Fixed2, m_separators)
                    + "%";
                m_display.show(recordResult());
                m_display.record(attempt, caption);
                attemptSlots.push_back(attempt);
            }
            if (computed && m_state.PercentDrop <= m_state.TargetPercent)
                return true;
            ++m_state.SizeIndex;
        }
        // Every size was rejected: its slots tell nothing, and the load takes one more set
        // from 1/0 awg, as when the largest size does not carry it.
        for (int slot : attemptSlots)
            m_display.hide(slot);
        if (!addSet())
            return false;
        m_state.SizeIndex = kSmallestParallelSizeRow;
    }
}

// The ampacity step: the first size from SizeIndex whose sets carry the load. Past the
// largest size another set is added and the walk starts again at 1/0 awg.
bool Search::findCarryingSize()
{
    while (m_state.SizeIndex < kRowPastTable
        && m_sets * ConductorTable(m_state.SizeIndex).amps(m_state.AmpsColumn) < m_state.LoadAmps) {
        ++m_state.SizeIndex;
        if (m_state.SizeIndex == kRowPastTable) {
            if (!addSet())
                return false;
            m_state.SizeIndex = kSmallestParallelSizeRow;
        }
    }
    return true;
}

bool Search::addSet()
{
    if (m_sets >= kMostSetsPerPhase)
        return false;
    ++m_sets;
    return true;
}

void Search::finish()
{
    std::vector<int> visible;
    for (int slot = 0; slot < kHistorySlots; ++slot) {
        if (m_display.inUse(slot))
            visible.push_back(slot);
    }
    // With no slot in use the result just built stays shown.
    if (visible.empty())
        return;

    m_display.select(kHistorySlots - 1);
    if (m_sets > 1) {
        m_display.select(visible.front());
        return;
    }
    for (int slot : visible)
        m_display.select(slot);
    if (visible.size() == 1)
        m_display.hideAll();
}

} // namespace

SearchOutcome SearchWireSize(const VoltageDropInputs& inputs, VoltageDropState& state,
    const VoltageDropSettings& settings, double volts, DisplayScript& display,
    const numtext::Separators& separators)
{
    return Search(inputs, state, settings, volts, display, separators).run();
}
