// Timings of the calculations behind the pages. Each benchmark first checks its result
// against a figure worked out by hand, so that a broken engine is not timed as a fast one.

#include "conduit/conduit_fill.h"
#include "fault/fault_calculation.h"
#include "fault/fault_inputs.h"
#include "nec/circuit_check.h"
#include "nec/fill_inputs.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QTest>

#include <cmath>

namespace {

// A calculator as the main window's first activation leaves it.
VoltageDropCalculator activatedCalculator()
{
    VoltageDropCalculator calculator;
    calculator.activate();
    return calculator;
}

ConduitGroup group(const char* size, InsulationType insulation, const char* count)
{
    return {size, insulation, count};
}

} // namespace

class EngineBenchmark : public QObject
{
    Q_OBJECT
private slots:
    void fixedSizeVoltageDrop();
    void worstCaseWireSizeSearch();
    void tenGroupConduitFill();
    void faultCurrentAtEndOfRun();
    void currentCodeCircuitCheck();
    void twentyGroupRacewayFill();
};

void EngineBenchmark::fixedSizeVoltageDrop()
{
    // 480 V three-phase, 100 A, 200 ft of 3 awg copper, 75 C, steel conduit.
    VoltageDropInputs inputs;
    inputs.Mode = CalcMode::FixedSize;
    inputs.LoadText = "100";
    inputs.VoltsText = "480";
    inputs.LengthText = "200";
    inputs.SizeIndex = 8;
    VoltageDropCalculator calculator = activatedCalculator();
    const VoltageDropState& state = calculator.state();

    // 1.7320508 x 100 A x 0.25 ohm/1000 ft x 0.2 = 8.66 V.
    const CalculationOutcome outcome = calculator.calculate(inputs);
    QVERIFY(!outcome.Message);
    QVERIFY(std::abs(state.VoltDrop - 8.66) < 0.005);
    QVERIFY(!state.ResultText.empty());

    QBENCHMARK
    {
        calculator.calculate(inputs);
    }
}

void EngineBenchmark::worstCaseWireSizeSearch()
{
    // The longest search a page can ask for: 10,000 A of copper at 75 C over 1,000 ft,
    // 480 V three-phase, at most 1 % drop: each set count added walks the sizes from
    // 1/0 awg up again.
    VoltageDropInputs inputs;
    inputs.Mode = CalcMode::BranchSearch;
    inputs.LoadText = "10000";
    inputs.VoltsText = "480";
    inputs.LengthText = "1000";
    inputs.BranchPercentText = "1";
    VoltageDropCalculator calculator = activatedCalculator();
    const VoltageDropState& state = calculator.state();

    // 1000 kcmil in steel: 1.7320508 x 10,000 A x 0.018 ohm = 311.77 V over one set; 65
    // sets give 4.797 V, within the 4.8 V allowed, and 64 sets do not.
    const CalculationOutcome outcome = calculator.calculate(inputs);
    QVERIFY(!outcome.Message);
    QCOMPARE(state.SizeIndex, 22);
    QCOMPARE(calculator.settings().SetsPerPhase, 65);
    QVERIFY(state.PercentDrop <= 1.0);

    QBENCHMARK
    {
        calculator.calculate(inputs);
    }
}

void EngineBenchmark::tenGroupConduitFill()
{
    // The home runs and feeders of a small panel, every group in use.
    const std::array<ConduitGroup, kConduitGroups> groups {
        group("   12 awg", InsulationType::THHN, "9"),
        group("   10 awg", InsulationType::THHN, "6"),
        group("     8 awg", InsulationType::THW, "3"),
        group("     6 awg", InsulationType::THHN, "3"),
        group("     4 awg", InsulationType::THHN, "3"),
        group("     2 awg", InsulationType::THW, "3"),
        group("  1/0 awg", InsulationType::THHN, "4"),
        group("   14 awg", InsulationType::THW, "2"),
        group("   12 awg", InsulationType::THW, "1"),
        group("     8 awg", InsulationType::THHN, "1"),
    };

    // 2.0883 square inches need 2.578 inches inside at 40 %: the 3 inch conduit.
    const ConduitFillResult result = CalcConduitFill(groups, {});
    QVERIFY(!result.InvalidCountGroup);
    QVERIFY(std::abs(result.TotalArea - 2.0883f) < 1e-5f);
    QCOMPARE(result.ConduitSize.value_or(-1), 7);

    QBENCHMARK
    {
        CalcConduitFill(groups, {});
    }
}

void EngineBenchmark::faultCurrentAtEndOfRun()
{
    // A 500 kVA, 5.2 % transformer on an infinite bus, 208 V three-phase, 100 ft of 4/0
    // copper in steel conduit (C = 15,082): read the fields as typed, then calculate.
    FaultInputTexts texts;
    texts.SourceIsBreaker = false;
    texts.InfinitePrimary = true;
    texts.Kva = "500";
    texts.PercentZ = "5.2";
    texts.PrimaryVolts = "480";
    texts.SecondaryVolts = "208";
    texts.AvailableFaultAmps = "13000";
    texts.WireSize = "  4/0 awg";
    texts.ConductorsPerPhase = "1";
    texts.LengthFeet = "100";
    const std::int32_t c = 15082;

    const FaultInputReading reading = ReadFaultInputs(texts, c);
    QVERIFY(!reading.Refused);
    const FaultCalcResult result = RunFaultCalculation(reading.Inputs);
    QVERIFY(std::abs(result.SourceFaultAmps.value_or(0) - 29655.15) < 0.005);
    QVERIFY(std::abs(result.EndOfRunAmps.value_or(0) - 11244.35) < 0.005);

    QBENCHMARK
    {
        RunFaultCalculation(ReadFaultInputs(texts, c).Inputs);
    }
}

void EngineBenchmark::currentCodeCircuitCheck()
{
    // The whole check as the window runs it on every keystroke: the fields read, the
    // search over sets and sizes, the grounding conductor, raceway, fault and working.
    // 400 A continuous feeder, 480 V 3-phase 4-wire, 250 ft of copper THHN, 40 °C, EMT,
    // 42,000 A available with 100 A of motors.
    nec::CircuitTexts texts;
    texts.Load = "400";
    texts.Length = "250";
    texts.Ambient = "40";
    texts.SourceFaultAmps = "42000";
    texts.MotorAmps = "100";

    // 500 A device; 2 sets of 250 kcmil (2 · 255 A ≥ 500 A at the terminals); f =
    // √3 · 250 · 42,000 / (16,483 · 2 · 480) = 1.14932, 42,000 / 2.14932 + 400 = 19,941 A.
    const nec::CircuitReading reading = nec::ReadCircuitInputs(texts, {});
    QVERIFY(reading.Input);
    const nec::CircuitResult result = nec::CheckCircuit(*reading.Input);
    QCOMPARE(result.Device.Rating.value_or(0), 500);
    QVERIFY(result.Conductors);
    QCOMPARE(result.Conductors->Sets, 2);
    QCOMPARE(result.Conductors->Size, nec::ConductorSize::Kcmil250);
    QVERIFY(std::abs(result.Fault.AtEndAmps - 19941.03) < 0.01);
    QVERIFY(!result.Working.empty());

    QBENCHMARK
    {
        const nec::CircuitReading read = nec::ReadCircuitInputs(texts, {});
        nec::CheckCircuit(*read.Input);
    }
}

void EngineBenchmark::twentyGroupRacewayFill()
{
    // Twenty groups, the window's most, of one kind each: 20 · 3 · 0.0133 = 0.798 in² of
    // 12 AWG THHN at 40 %: 1-1/4 EMT's 0.598 is too small, 1-1/2's 0.814 holds it.
    nec::FillTexts texts;
    texts.Groups.assign(nec::kMostFillGroups, {"3", "12 AWG", nec::Insulation::Thhn});
    const nec::FillReading reading = nec::ReadFillInputs(texts, {});
    QVERIFY(reading.Request);
    const std::optional<nec::FillResult> result = nec::ComputeFill(*reading.Request);
    QVERIFY(result && result->smallestFit());
    QCOMPARE(result->TotalArea.TenThousandths, 7980);
    QCOMPARE(result->smallestFit()->Row->TradeSize, std::string("1-1/2"));

    QBENCHMARK
    {
        nec::ComputeFill(*nec::ReadFillInputs(texts, {}).Request);
    }
}

QTEST_APPLESS_MAIN(EngineBenchmark)

#include "engine_benchmark.moc"
