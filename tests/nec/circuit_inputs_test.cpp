#include "circuit_texts.h"
#include "nec/circuit_inputs.h"
#include "test_main.h"

#include <map>

using nec::CircuitField;
using nec::CircuitTexts;

Q_DECLARE_METATYPE(CircuitField)

namespace {

CircuitTexts edited(const QStringList& edits)
{
    return editedCircuitTexts(edits);
}

const numtext::Separators kGerman {",", "."};

} // namespace

class CircuitInputsTest : public QObject
{
    Q_OBJECT
private slots:
    void startingTextsNeedLoadAndLength();
    void readsTheStartingValues();
    void reads_data();
    void reads();
    void marksFields_data();
    void marksFields();
    void listsEveryProblemInFieldOrder();
    void leavesOutWhatTheSystemDoesNotUse();
};

void CircuitInputsTest::startingTextsNeedLoadAndLength()
{
    const nec::CircuitReading reading = nec::ReadCircuitInputs(CircuitTexts {}, {});
    QVERIFY(!reading.Input);
    QVERIFY(reading.Problems.empty());
    QCOMPARE(reading.StillNeeded, (std::vector {CircuitField::Load, CircuitField::Length}));

    CircuitTexts cleared = edited({"voltage= ", "ocpd="});
    const nec::CircuitReading emptied = nec::ReadCircuitInputs(cleared, {});
    QVERIFY(!emptied.Input);
    QVERIFY(emptied.Problems.empty());
    QCOMPARE(emptied.StillNeeded, (std::vector {CircuitField::Voltage, CircuitField::Ocpd}));
}

void CircuitInputsTest::readsTheStartingValues()
{
    const nec::CircuitReading reading = nec::ReadCircuitInputs(edited({}), {});
    QVERIFY(reading.Input);
    const nec::CircuitInput& input = *reading.Input;
    QCOMPARE(input.System, nec::SystemType::ThreePhase4Wire);
    QCOMPARE(input.Volts, 480.0);
    QCOMPARE(input.Load, 400.0);
    QCOMPARE(input.ContinuousPercent, 100.0);
    QVERIFY(!input.GivenOcpd);
    QVERIFY(!input.GivenSets);
    QCOMPARE(input.LargestSizePerSet, nec::ConductorSize::Kcmil500);
    QCOMPARE(input.Ambient, 30.0);
    QVERIFY(!input.GivenConductorCount);
    QCOMPARE(input.LengthFeet, 250.0);
    QCOMPARE(input.PowerFactor, 0.85);
    QCOMPARE(input.DropLimitPercent, 3.0);
    QCOMPARE(input.DropUpstreamPercent, 0.0);
    QVERIFY(!input.SourceFaultAmps);
    QCOMPARE(input.MotorAmps, 0.0);
}

void CircuitInputsTest::reads_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("read"); // the figures read, as "name value" pairs

    QTest::newRow("given rating, sets and count")
        << QStringList {"ocpd=225", "sets=2", "count= 6 "} << false << "ocpd 225 sets 2 count 6";
    QTest::newRow("automatic in any case") << QStringList {"ocpd=automatic", "sets= AUTOMATIC "}
                                           << false << "ocpd none sets none count none";
    QTest::newRow("whole numbers written otherwise") << QStringList {"ocpd=1,200", "sets=3.0",
        "count=1e1"} << false << "ocpd 1200 sets 3 count 10";
    QTest::newRow("German separators") << QStringList {"load=1.234,5", "pf=0,9", "ocpd=1.200",
        "voltage=480,0"} << true << "load 1234.5 pf 0.9 ocpd 1200 volts 480";
    QTest::newRow("ends of the ranges") << QStringList {"voltage=1000", "continuous=0", "pf=0.5",
        "limit=100", "upstream=100", "length=100000", "fault=300000", "ocpd=6000", "sets=20",
        "count=60"} << false << "volts 1000 pf 0.5 fault 300000 ocpd 6000 sets 20 count 60";
    QTest::newRow("a fault current, motors empty")
        << QStringList {"fault=42,000", "motor="} << false << "fault 42000 motor 0";
    QTest::newRow("1-phase 3-wire at 240 V")
        << QStringList {"system=1-phase 3-wire", "voltage=240"} << false << "volts 240";
    QTest::newRow("ambient in °F, far beyond the table")
        << QStringList {"ambient unit=°F", "ambient=1000"} << false << "ambient 1000";
    QTest::newRow("harmonic neutral only on 3-phase 4-wire")
        << QStringList {"system=3-phase 3-wire", "harmonic neutral"} << false << "harmonic 0";
    QTest::newRow("harmonic neutral on 3-phase 4-wire")
        << QStringList {"harmonic neutral"} << false << "harmonic 1";
}

void CircuitInputsTest::reads()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QString, read);
    const nec::CircuitReading reading
        = nec::ReadCircuitInputs(edited(edits), german ? kGerman : numtext::Separators {});
    QVERIFY2(reading.Problems.empty(),
        reading.Problems.empty() ? "" : reading.Problems.front().Reason.c_str());
    QVERIFY(reading.Input);
    const nec::CircuitInput& input = *reading.Input;
    const auto given = [](std::optional<int> value) {
        return value ? QString::number(*value) : QString("none");
    };
    const std::map<QString, QString> figures {
        {"ocpd", given(input.GivenOcpd)},
        {"sets", given(input.GivenSets)},
        {"count", given(input.GivenConductorCount)},
        {"load", QString::number(input.Load)},
        {"pf", QString::number(input.PowerFactor)},
        {"volts", QString::number(input.Volts)},
        {"fault", input.SourceFaultAmps ? QString::number(*input.SourceFaultAmps) : "none"},
        {"motor", QString::number(input.MotorAmps)},
        {"ambient", QString::number(input.Ambient)},
        {"harmonic", QString::number(input.HarmonicNeutral)},
    };
    const QStringList words = read.split(' ');
    for (qsizetype i = 0; i + 1 < words.size(); i += 2)
        QCOMPARE(figures.at(words[i]), words[i + 1]);
}

void CircuitInputsTest::marksFields_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<CircuitField>("field");
    QTest::addColumn<QString>("reason");

    const QString volts = "above 0 and at most 1,000 V";
    QTest::newRow("no voltage") << QStringList {"voltage=0"} << false << CircuitField::Voltage
                                << volts;
    QTest::newRow("voltage above 1,000")
        << QStringList {"voltage=1000.5"} << false << CircuitField::Voltage << volts;
    QTest::newRow("voltage not a number")
        << QStringList {"voltage=480 V"} << false << CircuitField::Voltage << "not a number";
    QTest::newRow("voltage too small to divide by")
        << QStringList {"voltage=1e-7"} << false << CircuitField::Voltage
        << "too small to compute with";
    QTest::newRow("1-phase 3-wire at 208 V")
        << QStringList {"system=1-phase 3-wire", "voltage=208"} << false << CircuitField::Voltage
        << "1-phase 3-wire is 120/240 V: 240 V only";
    QTest::newRow("German voltage range") << QStringList {"voltage=1.000,5", "pf=0,85"} << true
                                          << CircuitField::Voltage << "above 0 and at most 1.000 V";
    QTest::newRow("negative load") << QStringList {"load=-5"} << false << CircuitField::Load
                                   << "above 0 and at most 1,000,000,000 A";
    QTest::newRow("load in kVA") << QStringList {"unit=kVA", "load=0"} << false
                                 << CircuitField::Load << "above 0 and at most 1,000,000,000 kVA";
    QTest::newRow("continuous above 100") << QStringList {"continuous=101"} << false
                                          << CircuitField::ContinuousPercent << "from 0 to 100 %";
    const QString rating = "Automatic, or a whole number of amperes from 1 to 6,000";
    QTest::newRow("fractional rating")
        << QStringList {"ocpd=12.5"} << false << CircuitField::Ocpd << rating;
    QTest::newRow("rating 0") << QStringList {"ocpd=0"} << false << CircuitField::Ocpd << rating;
    QTest::newRow("rating above 6,000")
        << QStringList {"ocpd=6001"} << false << CircuitField::Ocpd << rating;
    QTest::newRow("rating half a word")
        << QStringList {"ocpd=Auto"} << false << CircuitField::Ocpd << rating;
    QTest::newRow("bare conductors")
        << QStringList {"insulation=Bare"} << false << CircuitField::Insulation
        << "a bare conductor is for raceway fill only";
    QTest::newRow("21 sets") << QStringList {"sets=21"} << false << CircuitField::Sets
                             << "Automatic, or a whole number from 1 to 20";
    QTest::newRow("0 sets") << QStringList {"sets=0"} << false << CircuitField::Sets
                            << "Automatic, or a whole number from 1 to 20";
    QTest::newRow("61 conductors")
        << QStringList {"count=61"} << false << CircuitField::ConductorCount
        << "Automatic, or a whole number from 1 to 60";
    QTest::newRow("below absolute zero") << QStringList {"ambient=-300"} << false
                                         << CircuitField::Ambient << "from -273.15 to 1,000.00 °C";
    QTest::newRow("below absolute zero in °F")
        << QStringList {"ambient unit=°F", "ambient=-460"} << false << CircuitField::Ambient
        << "from -459.67 to 1,000.00 °F";
    QTest::newRow("no length") << QStringList {"length=0"} << false << CircuitField::Length
                               << "above 0 and at most 100,000 ft";
    QTest::newRow("power factor below 0.50")
        << QStringList {"pf=0.49"} << false << CircuitField::PowerFactor << "from 0.50 to 1.00";
    QTest::newRow("power factor above 1")
        << QStringList {"pf=1.01"} << false << CircuitField::PowerFactor << "from 0.50 to 1.00";
    QTest::newRow("no drop limit") << QStringList {"limit=0"} << false << CircuitField::DropLimit
                                   << "above 0 and at most 100 %";
    QTest::newRow("negative upstream")
        << QStringList {"upstream=-1"} << false << CircuitField::DropUpstream << "from 0 to 100 %";
    QTest::newRow("fault current 0")
        << QStringList {"fault=0"} << false << CircuitField::SourceFaultAmps
        << "above 0 and at most 300,000 A";
    QTest::newRow("fault current above 300,000")
        << QStringList {"fault=300001"} << false << CircuitField::SourceFaultAmps
        << "above 0 and at most 300,000 A";
    QTest::newRow("negative motors") << QStringList {"motor=-1"} << false << CircuitField::MotorAmps
                                     << "from 0 to 1,000,000,000 A";
}

void CircuitInputsTest::marksFields()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(CircuitField, field);
    QFETCH(QString, reason);
    const nec::CircuitReading reading
        = nec::ReadCircuitInputs(edited(edits), german ? kGerman : numtext::Separators {});
    QVERIFY(!reading.Input);
    QVERIFY(reading.StillNeeded.empty());
    QCOMPARE(int(reading.Problems.size()), 1);
    QCOMPARE(reading.Problems[0].Field, field);
    QCOMPARE(QString::fromStdString(reading.Problems[0].Reason), reason);
}

void CircuitInputsTest::listsEveryProblemInFieldOrder()
{
    const nec::CircuitReading reading
        = nec::ReadCircuitInputs(edited({"motor=x", "voltage=x", "length=", "sets=x"}), {});
    QVERIFY(!reading.Input);
    std::vector<CircuitField> fields;
    for (const nec::FieldProblem& problem : reading.Problems)
        fields.push_back(problem.Field);
    QCOMPARE(
        fields, (std::vector {CircuitField::Voltage, CircuitField::Sets, CircuitField::MotorAmps}));
    QCOMPARE(reading.StillNeeded, std::vector {CircuitField::Length});
}

void CircuitInputsTest::leavesOutWhatTheSystemDoesNotUse()
{
    // DC uses no power factor and gives no fault figure.
    const nec::CircuitReading reading = nec::ReadCircuitInputs(
        edited({"system=DC 2-wire", "voltage=48", "pf=x", "fault=x", "motor=x"}), {});
    QVERIFY(reading.Problems.empty());
    QVERIFY(reading.Input);
    QVERIFY(!reading.Input->SourceFaultAmps);
}

TAVILON_ENGINE_TEST_MAIN(CircuitInputsTest)
#include "circuit_inputs_test.moc"
