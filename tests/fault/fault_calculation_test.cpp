#include "fault/conductor_constants.h"
#include "fault/fault_calculation.h"
#include "fault/fault_inputs.h"
#include "test_main.h"

#include <type_traits>

namespace {

enum class Source
{
    Breaker,
    InfinitePrimary,
    KnownPrimary,
};

FaultCalcInputs inputs(Source source, bool threePhase)
{
    FaultCalcInputs in;
    in.SourceIsBreaker = source == Source::Breaker;
    in.InfinitePrimary = source == Source::InfinitePrimary;
    in.ThreePhase = threePhase;
    return in;
}

FaultCalcInputs withRun(FaultCalcInputs in, double lengthFeet, std::int32_t c, double sets = 1)
{
    in.ConductorRun = true;
    in.LengthFeet = lengthFeet;
    in.ConductorC = c;
    in.ConductorsPerPhase = sets;
    return in;
}

// The page's design-time texts, a breaker feeding the terminals.
FaultInputTexts pageTexts(Source source)
{
    FaultInputTexts texts;
    texts.SourceIsBreaker = source == Source::Breaker;
    texts.InfinitePrimary = source == Source::InfinitePrimary;
    texts.Kva = "500 ";
    texts.PercentZ = "5.2";
    texts.PrimaryVolts = "480";
    texts.SecondaryVolts = "208";
    texts.AvailableFaultAmps = "13000";
    texts.WireSize = "Terminals";
    texts.ConductorsPerPhase = "1";
    texts.LengthFeet = "0";
    return texts;
}

FaultInputTexts withRunTexts(FaultInputTexts texts, const char* feet, const char* sets)
{
    texts.WireSize = "  4/0 awg";
    texts.LengthFeet = feet;
    texts.ConductorsPerPhase = sets;
    return texts;
}

} // namespace

class FaultCalculationTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void pointToPointFactors();
    void conductorC_data();
    void conductorC();
    void conductorCTableRisesWithSize();
    void readsValidInputs();
    void singlePhaseVoltages_data();
    void singlePhaseVoltages();
    void refusals_data();
    void refusals();
};

void FaultCalculationTest::workedExamples_data()
{
    QTest::addColumn<FaultCalcInputs>("in");
    QTest::addColumn<double>("fullLoadAmps"); // negative: no transformer
    QTest::addColumn<double>("sourceAmps");
    QTest::addColumn<double>("endAmps");
    QTest::addColumn<QString>("fullLoadCaption"); // empty: label left as it is
    QTest::addColumn<QString>("sourceCaption");
    QTest::addColumn<QString>("endCaption");

    FaultCalcInputs infinite = inputs(Source::InfinitePrimary, true);
    infinite.Kva = 500;
    infinite.PercentZ = 5.2;
    infinite.SecondaryVolts = 208;
    QTest::newRow("infinite primary, terminals")
        << infinite << 1387.86 << 29655.15 << 29655.15 << "1,387.9 FLA"
        << "29,655 ISC"
        << "29,655 Amps";
    QTest::newRow("infinite primary, 100 ft of 4/0")
        << withRun(infinite, 100, 15082) << 1387.86 << 29655.15 << 11244.35 << "1,387.9 FLA"
        << "29,655 ISC"
        << "11,244 Amps";
    QTest::newRow("infinite primary, length 0")
        << withRun(infinite, 0, 15082) << 1387.86 << 29655.15 << 29655.15 << "1,387.9 FLA"
        << "29,655 ISC"
        << "29,655 Amps";

    FaultCalcInputs knownPrimary = inputs(Source::KnownPrimary, true);
    knownPrimary.Kva = 500;
    knownPrimary.PercentZ = 5.2;
    knownPrimary.PrimaryVolts = 13800;
    knownPrimary.SecondaryVolts = 480;
    knownPrimary.AvailableFaultAmps = 13000;
    QTest::newRow("known primary") << knownPrimary << 601.41 << 11218.36 << 11218.36 << "601.4 FLA"
                                   << "11,218 ISC"
                                   << "11,218 Amps";

    FaultCalcInputs singlePhase = inputs(Source::InfinitePrimary, false);
    singlePhase.Kva = 50;
    singlePhase.PercentZ = 2;
    singlePhase.SecondaryVolts = 240;
    QTest::newRow("single phase, terminals")
        << singlePhase << 208.33 << 11574.07 << 11574.07 << "208.3 FLA"
        << "11,574 ISC"
        << "11,574 Amps";
    QTest::newRow("single phase, 50 ft of 1 awg")
        << withRun(singlePhase, 50, 7293) << 208.33 << 11574.07 << 6967.07 << "208.3 FLA"
        << "11,574 ISC"
        << "6,967 Amps";

    FaultCalcInputs singleKva = inputs(Source::InfinitePrimary, false);
    singleKva.Kva = 144;
    singleKva.PercentZ = 2;
    singleKva.SecondaryVolts = 240;
    QTest::newRow("whole full-load current keeps its point")
        << singleKva << 600.0 << 33333.33 << 33333.33 << "600. FLA"
        << "33,333 ISC"
        << "33,333 Amps";

    FaultCalcInputs breaker = inputs(Source::Breaker, true);
    breaker.AvailableFaultAmps = 13000;
    breaker.SecondaryVolts = 208;
    QTest::newRow("breaker, terminals") << breaker << -1.0 << 13000.0 << 13000.0 << ""
                                        << ""
                                        << "13,000 Amps";
    QTest::newRow("breaker, 100 ft of 4/0")
        << withRun(breaker, 100, 15082) << -1.0 << 13000.0 << 7567.98 << ""
        << ""
        << "7,568 Amps";
    breaker.AvailableFaultAmps = 0.4;
    QTest::newRow("breaker, rounds to nothing") << breaker << -1.0 << 0.4 << 0.4 << ""
                                                << ""
                                                << " Amps";
    breaker.AvailableFaultAmps = 0;
    QTest::newRow("breaker, no fault current")
        << withRun(breaker, 100, 15082) << -1.0 << 0.0 << 0.0 << ""
        << ""
        << " Amps";

    // The largest and smallest values the page accepts, single phase. FLA = 1e9 kVA x 1000 /
    // 1e-6 V = 1e18 A, the source 100 / (1e-6 x 0.9) x FLA = 1.111e26 A; the run's f = 2 x
    // 1e9 ft x 1.111e26 / (1 x 389 x 1e-6) = 5.7e38, beyond single precision (3.4e38). The
    // run's label keeps what it showed.
    FaultCalcInputs extreme = inputs(Source::InfinitePrimary, false);
    extreme.Kva = 1e9;
    extreme.PercentZ = 1e-6;
    extreme.SecondaryVolts = 1e-6;
    QTest::newRow("an f beyond single precision ends the calculation")
        << withRun(extreme, 1e9, 389) << 1e18 << 1.1111111111111111e26 << -1.0
        << "1,000,000,000,000,000,000. FLA"
        << "111,111,111,111,111,000,000,000,000 ISC"
        << "-";
}

void FaultCalculationTest::workedExamples()
{
    QFETCH(FaultCalcInputs, in);
    QFETCH(double, fullLoadAmps);
    QFETCH(double, sourceAmps);
    QFETCH(double, endAmps);
    QFETCH(QString, fullLoadCaption);
    QFETCH(QString, sourceCaption);
    QFETCH(QString, endCaption);

    const FaultCalcResult result = RunFaultCalculation(in);
    QCOMPARE(result.FullLoadAmps.has_value(), fullLoadAmps >= 0);
    if (result.FullLoadAmps)
        QVERIFY2(qAbs(*result.FullLoadAmps - fullLoadAmps) <= qMax(0.005, fullLoadAmps * 1e-12),
            qPrintable(QString::number(*result.FullLoadAmps, 'f', 4)));
    QCOMPARE(result.SourceFaultAmps.has_value(), sourceAmps >= 0);
    if (result.SourceFaultAmps)
        QVERIFY2(qAbs(*result.SourceFaultAmps - sourceAmps) <= qMax(0.005, sourceAmps * 1e-12),
            qPrintable(QString::number(*result.SourceFaultAmps, 'g', 17)));
    QCOMPARE(result.EndOfRunAmps.has_value(), endAmps >= 0);
    if (result.EndOfRunAmps)
        QVERIFY2(qAbs(*result.EndOfRunAmps - endAmps) < 0.005,
            qPrintable(QString::number(*result.EndOfRunAmps, 'f', 4)));

    // An absent caption leaves its label as it is; "-" stands for it here.
    const FaultCaptions captions = FaultResultCaptions(result);
    QCOMPARE(QString::fromStdString(captions.FullLoad.value_or("")), fullLoadCaption);
    QCOMPARE(QString::fromStdString(captions.SourceFault.value_or("")), sourceCaption);
    QCOMPARE(QString::fromStdString(captions.EndOfRun.value_or("-")), endCaption);
}

void FaultCalculationTest::pointToPointFactors()
{
    // f is a single; the multiplier and currents are worked from it in double.
    static_assert(std::is_same_v<decltype(TransformerFFactor(0, 0, 0, 1, true)), float>);
    static_assert(std::is_same_v<decltype(ConductorFFactor(0, 0, 1, 1, 1, true)), float>);

    QCOMPARE(TransformerFFactor(13000, 13800, 5.2, 500, true), 32.31591f);
    QCOMPARE(TransformerFFactor(13000, 13800, 5.2, 500, false), 18.6576f);
    const double source = InfinitePrimaryFaultAmps(TransformerFullLoadAmps(500, 208, true), 5.2);
    const float f = ConductorFFactor(100, source, 1, 15082, 208, true);
    QCOMPARE(f, 1.637339f);
    QVERIFY(qAbs(PointToPointMultiplier(f) - 0.379170) < 5e-7);
    QCOMPARE(ConductorFFactor(50, 11574.074, 1, 7293, 240, false), 0.661255f);
    // Parallel conductors share the current.
    QCOMPARE(ConductorFFactor(100, source, 2, 15082, 208, true), 1.637339f / 2);
    QCOMPARE(ConductorFFactor(0, source, 1, 15082, 208, true), 0.0f);
    QCOMPARE(PointToPointMultiplier(0), 1.0);
    QCOMPARE(SecondaryFaultAmps(1000, 480, 240, 1), 1000.0);
}

void FaultCalculationTest::conductorC_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<bool>("singleConductors");
    QTest::addColumn<int>("c"); // 0: no value

    QTest::newRow("10 awg MS") << "   10 awg" << true << true << 981;
    QTest::newRow("10 awg MC") << "   10 awg" << true << false << 982;
    QTest::newRow("10 awg NS") << "   10 awg" << false << true << 982;
    QTest::newRow("10 awg NC") << "   10 awg" << false << false << 982;
    QTest::newRow("4/0 MS") << "  4/0 awg" << true << true << 15082;
    QTest::newRow("4/0 MC") << "  4/0 awg" << true << false << 16392;
    QTest::newRow("4/0 NS") << "  4/0 awg" << false << true << 16673;
    QTest::newRow("4/0 NC") << "  4/0 awg" << false << false << 17483;
    QTest::newRow("1000 MS") << "1000 kcmil" << true << true << 25278;
    QTest::newRow("1000 MC") << "1000 kcmil" << true << false << 33864;
    QTest::newRow("1000 NC") << "1000 kcmil" << false << false << 37197;
    QTest::newRow("14 awg, any") << "   14 awg" << false << false << 389;
    QTest::newRow("1 awg MS") << "     1 awg" << true << true << 7293;
    QTest::newRow("250 kcmil NS") << "  250 kcmil" << false << true << 18594;

    QTest::newRow("Terminals") << "Terminals" << true << true << 0;
    QTest::newRow("empty") << "" << true << true << 0;
    QTest::newRow("without its blanks") << "4/0 awg" << true << true << 0;
    QTest::newRow("other case") << "  4/0 AWG" << true << true << 0;
    QTest::newRow("no 18 awg") << "   18 awg" << true << true << 0;
    QTest::newRow("no 700 kcmil") << "  700 kcmil" << true << true << 0;
}

void FaultCalculationTest::conductorC()
{
    QFETCH(QString, size);
    QFETCH(bool, magnetic);
    QFETCH(bool, singleConductors);
    QFETCH(int, c);
    const std::optional<std::int32_t> found
        = LookupConductorC(size.toStdString(), magnetic, singleConductors);
    QCOMPARE(found.has_value(), c != 0);
    if (found)
        QCOMPARE(*found, c);
}

// Catches a mistyped constant: in every installation a larger conductor has a larger C.
void FaultCalculationTest::conductorCTableRisesWithSize()
{
    const auto table = ConductorCTable();
    QCOMPARE(table.size(), std::size_t(21));
    QCOMPARE(QString::fromLatin1(table.front().SizeText.data(), table.front().SizeText.size()),
        QStringLiteral("   14 awg"));
    QCOMPARE(QString::fromLatin1(table.back().SizeText.data(), table.back().SizeText.size()),
        QStringLiteral("1000 kcmil"));
    for (std::size_t i = 1; i < table.size(); ++i) {
        const ConductorCRow& smaller = table[i - 1];
        const ConductorCRow& row = table[i];
        QVERIFY2(row.MS > smaller.MS && row.MC > smaller.MC && row.NS > smaller.NS
                && row.NC > smaller.NC,
            row.SizeText.data());
    }
}

void FaultCalculationTest::readsValidInputs()
{
    FaultInputTexts texts = withRunTexts(pageTexts(Source::KnownPrimary), " 100 ", "2");
    texts.AvailableFaultAmps = "13,000";
    texts.PrimaryVolts = "  4160";
    texts.ThreePhase = false;
    const FaultInputReading reading = ReadFaultInputs(texts, 15082);
    QVERIFY(!reading.Refused);
    const FaultCalcInputs& in = reading.Inputs;
    QVERIFY(!in.SourceIsBreaker && !in.InfinitePrimary && !in.ThreePhase && in.ConductorRun);
    QCOMPARE(in.AvailableFaultAmps, 13000.0);
    QCOMPARE(in.PrimaryVolts, 4160.0);
    QCOMPARE(in.Kva, 500.0);
    QCOMPARE(in.PercentZ, 5.2);
    QCOMPARE(in.SecondaryVolts, 208.0);
    QCOMPARE(in.LengthFeet, 100.0);
    QCOMPARE(in.ConductorsPerPhase, 2.0);
    QCOMPARE(in.ConductorC, 15082);

    // An emptied size box is the terminals.
    texts.WireSize = "";
    QVERIFY(!ReadFaultInputs(texts, 15082).Inputs.ConductorRun);

    // Decimal commas where the user's locale has them.
    texts = pageTexts(Source::Breaker);
    texts.AvailableFaultAmps = "13.000,5";
    const FaultInputReading german = ReadFaultInputs(texts, 0, {",", "."});
    QVERIFY(!german.Refused);
    QCOMPARE(german.Inputs.AvailableFaultAmps, 13000.5);
}

void FaultCalculationTest::singlePhaseVoltages_data()
{
    QTest::addColumn<QString>("volts");
    QTest::addColumn<bool>("singlePhaseOnly");

    QTest::newRow("277") << "277" << true;
    QTest::newRow("120") << "120" << true;
    QTest::newRow("208") << "208" << false;
    QTest::newRow("480") << "480" << false;
    // As typed: nothing is trimmed or read as a number.
    QTest::newRow("leading blank") << " 120" << false;
    QTest::newRow("decimals") << "277.0" << false;
    QTest::newRow("2770") << "2770" << false;
    QTest::newRow("empty") << "" << false;
}

void FaultCalculationTest::singlePhaseVoltages()
{
    QFETCH(QString, volts);
    QFETCH(bool, singlePhaseOnly);
    QCOMPARE(ForcesSinglePhase(volts.toStdString()), singlePhaseOnly);
}

void FaultCalculationTest::refusals_data()
{
    QTest::addColumn<FaultInputTexts>("texts");
    QTest::addColumn<QString>("refused"); // the field's name in the message; empty: accepted

    const FaultInputTexts breaker = pageTexts(Source::Breaker);
    const FaultInputTexts infinite = pageTexts(Source::InfinitePrimary);
    const FaultInputTexts known = pageTexts(Source::KnownPrimary);
    auto with = [](FaultInputTexts texts, std::string FaultInputTexts::*field, const char* text) {
        texts.*field = text;
        return texts;
    };
    using T = FaultInputTexts;

    QTest::newRow("breaker, empty amps")
        << with(breaker, &T::AvailableFaultAmps, "") << "Available Fault Current";
    QTest::newRow("breaker, letters")
        << with(breaker, &T::AvailableFaultAmps, "13k") << "Available Fault Current";
    QTest::newRow("breaker, negative amps")
        << with(breaker, &T::AvailableFaultAmps, "-1") << "Available Fault Current";
    QTest::newRow("breaker, no fault current") << with(breaker, &T::AvailableFaultAmps, "0") << "";
    QTest::newRow("breaker ignores transformer fields")
        << with(with(breaker, &T::Kva, ""), &T::PercentZ, "0") << "";
    QTest::newRow("terminals ignore the run fields")
        << with(with(breaker, &T::LengthFeet, "x"), &T::ConductorsPerPhase, "0") << "";
    QTest::newRow("terminals ignore the voltage") << with(breaker, &T::SecondaryVolts, "") << "";

    const FaultInputTexts run = withRunTexts(breaker, "100", "1");
    QTest::newRow("run, length 0") << with(run, &T::LengthFeet, "0") << "";
    QTest::newRow("run, empty length") << with(run, &T::LengthFeet, "") << "Length of run in feet";
    QTest::newRow("run, negative length")
        << with(run, &T::LengthFeet, "-5") << "Length of run in feet";
    QTest::newRow("run, no wires") << with(run, &T::ConductorsPerPhase, "0") << "Wires Per Phase";
    QTest::newRow("run, half a wire")
        << with(run, &T::ConductorsPerPhase, "1.5") << "Wires Per Phase";
    QTest::newRow("run, negative wires")
        << with(run, &T::ConductorsPerPhase, "-2") << "Wires Per Phase";
    QTest::newRow("run, wires as letters")
        << with(run, &T::ConductorsPerPhase, "two") << "Wires Per Phase";
    QTest::newRow("run, four wires") << with(run, &T::ConductorsPerPhase, "4") << "";
    QTest::newRow("run, zero volts") << with(run, &T::SecondaryVolts, "0") << "Line-Line Voltage";
    QTest::newRow("run, no volts") << with(run, &T::SecondaryVolts, "") << "Line-Line Voltage";
    QTest::newRow("run, source first") << with(with(run, &T::AvailableFaultAmps, ""),
        &T::LengthFeet, "") << "Available Fault Current";
    QTest::newRow("run, length before wires") << with(with(run, &T::LengthFeet, "-1"),
        &T::ConductorsPerPhase, "0") << "Length of run in feet";
    QTest::newRow("run, wires before volts") << with(with(run, &T::ConductorsPerPhase, "0"),
        &T::SecondaryVolts, "0") << "Wires Per Phase";

    QTest::newRow("infinite, defaults") << infinite << "";
    QTest::newRow("infinite, zero kVA") << with(infinite, &T::Kva, "0") << "KVA";
    QTest::newRow("infinite, empty kVA") << with(infinite, &T::Kva, "") << "KVA";
    QTest::newRow("infinite, zero impedance") << with(infinite, &T::PercentZ, "0") << "% Z";
    QTest::newRow("infinite, negative impedance") << with(infinite, &T::PercentZ, "-5.2") << "% Z";
    QTest::newRow("infinite, zero volts")
        << with(infinite, &T::SecondaryVolts, "0") << "Line-Line Voltage";
    QTest::newRow("infinite, kVA before volts")
        << with(with(infinite, &T::Kva, "x"), &T::SecondaryVolts, "x") << "KVA";
    QTest::newRow("infinite, volts before impedance")
        << with(with(infinite, &T::SecondaryVolts, "x"), &T::PercentZ, "x") << "Line-Line Voltage";
    QTest::newRow("infinite ignores the primary")
        << with(with(infinite, &T::AvailableFaultAmps, "x"), &T::PrimaryVolts, "") << "";
    QTest::newRow("infinite, run after transformer")
        << with(withRunTexts(with(infinite, &T::PercentZ, "0"), "x", "1"), &T::LengthFeet, "x")
        << "% Z";

    QTest::newRow("known primary, defaults") << known << "";
    QTest::newRow("known primary, zero primary volts")
        << with(known, &T::PrimaryVolts, "0") << "Primary Volts";
    QTest::newRow("known primary, letters for volts")
        << with(known, &T::PrimaryVolts, "HV") << "Primary Volts";
    QTest::newRow("known primary, amps first") << with(with(known, &T::AvailableFaultAmps, "-1"),
        &T::PrimaryVolts, "") << "Available Fault Current";
    QTest::newRow("known primary, primary volts before impedance")
        << with(with(known, &T::PrimaryVolts, ""), &T::PercentZ, "") << "Primary Volts";
    QTest::newRow("known primary, impedance before kVA")
        << with(with(known, &T::PercentZ, ""), &T::Kva, "") << "% Z";
    QTest::newRow("known primary, kVA before volts")
        << with(with(known, &T::Kva, "0"), &T::SecondaryVolts, "0") << "KVA";
    QTest::newRow("known primary, secondary volts")
        << with(known, &T::SecondaryVolts, "-208") << "Line-Line Voltage";

    // Beyond any real circuit the currents would leave the range of numbers.
    QTest::newRow("a billion amps") << with(breaker, &T::AvailableFaultAmps, "1e9") << "";
    QTest::newRow("more than a billion amps")
        << with(breaker, &T::AvailableFaultAmps, "1000000001") << "Available Fault Current";
    QTest::newRow("absurd kVA") << with(infinite, &T::Kva, "1e300") << "KVA";
    QTest::newRow("absurd length") << with(run, &T::LengthFeet, "1e12") << "Length of run in feet";
    QTest::newRow("a millionth of a volt") << with(infinite, &T::SecondaryVolts, "0.000001") << "";
    QTest::newRow("less than a millionth of a volt")
        << with(infinite, &T::SecondaryVolts, "1e-300") << "Line-Line Voltage";
    QTest::newRow("vanishing impedance") << with(infinite, &T::PercentZ, "1e-7") << "% Z";
}

void FaultCalculationTest::refusals()
{
    QFETCH(FaultInputTexts, texts);
    QFETCH(QString, refused);
    const FaultInputReading reading = ReadFaultInputs(texts, 15082);
    QCOMPARE(reading.Refused.has_value(), !refused.isEmpty());
    if (reading.Refused)
        QCOMPARE(QString::fromUtf8(FaultFieldName(*reading.Refused).data(),
                     FaultFieldName(*reading.Refused).size()),
            refused);
}

TAVILON_ENGINE_TEST_MAIN(FaultCalculationTest)
#include "fault_calculation_test.moc"
