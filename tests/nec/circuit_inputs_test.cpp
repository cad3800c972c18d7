// Reading the Circuit Check window's boxes: what is read, and what is refused or still
// needed, one row for each kind of problem.

#include "circuit_texts.h"
#include "nec/circuit_inputs.h"
#include "test_main.h"

#include <map>

namespace {

nec::CircuitReading readEdits(const QStringList& edits, bool german)
{
    return nec::ReadCircuitInputs(editedCircuitTexts(edits),
        german ? numtext::Separators {",", "."} : numtext::Separators {});
}

QString name(nec::CircuitField field)
{
    return QString::fromUtf8(nec::CircuitFieldName(field).data());
}

} // namespace

class CircuitInputsTest : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
};

void CircuitInputsTest::reads_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("read"); // the figures read, as "name value" pairs

    QTest::newRow("whole numbers written otherwise") << QStringList {"ocpd=1,200", "sets= 3.0 ",
        "count=1e1"} << false << "ocpd 1200 sets 3 count 10";
    QTest::newRow("automatic in any case") << QStringList {"ocpd=automatic", "sets= AUTOMATIC "}
                                           << false << "ocpd none sets none count none";
    QTest::newRow("German separators, motors empty") << QStringList {"load=1.234,5", "pf=0,9",
        "ocpd=1.200", "voltage=480,0", "fault=42.000",
        "motor="} << true << "load 1234.5 pf 0.9 ocpd 1200 volts 480 fault 42000 motor 0";
    QTest::newRow("ends of the ranges") << QStringList {"voltage=1000", "continuous=0", "pf=0.5",
        "limit=100", "upstream=100", "length=100000", "fault=300000", "ocpd=6000", "sets=20",
        "count=60", "ambient=1000"} << false
                                        << "volts 1000 pf 0.5 fault 300000 ocpd 6000 sets 20 "
                                           "count 60 ambient 1000";
    QTest::newRow("harmonic neutral only on 3-phase 4-wire")
        << QStringList {"system=3-phase 3-wire", "harmonic neutral"} << false << "harmonic 0";
    // DC reads no power factor and gives no fault figure.
    QTest::newRow("what DC does not use") << QStringList {"system=DC 2-wire", "voltage=48", "pf=x",
        "fault=x", "motor=x"} << false << "fault none";
}

void CircuitInputsTest::reads()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QString, read);
    const nec::CircuitReading reading = readEdits(edits, german);
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

void CircuitInputsTest::refuses_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("problems"); // "field: reason; ...; still needed: field, ..."

    QTest::newRow("empty boxes are needed, not wrong") << QStringList {
        "load=", "length=", "voltage= "} << false << "still needed: voltage, load, length";
    QTest::newRow("every problem, in field order")
        << QStringList {"motor=x", "voltage=x", "length=", "sets=x", "ocpd="} << false
        << "voltage: not a number; parallel sets: Automatic, or a whole number from 1 to 20; "
           "motor load: not a number; still needed: overcurrent device, length";
    QTest::newRow("out of range, in the user's separators") << QStringList {
        "voltage=1.000,5", "pf=0,85"} << true << "voltage: above 0 and at most 1.000 V";
    QTest::newRow("too small to compute with")
        << QStringList {"voltage=1e-7"} << false << "voltage: too small to compute with";
    QTest::newRow("1-phase 3-wire at 208 V") << QStringList {"system=1-phase 3-wire",
        "voltage=208"} << false << "voltage: 1-phase 3-wire is 120/240 V: 240 V only";
    QTest::newRow("load in kVA") << QStringList {"unit=kVA", "load=0"} << false
                                 << "load: above 0 and at most 1,000,000,000 kVA";
    QTest::newRow("fractional rating")
        << QStringList {"ocpd=12.5"} << false
        << "overcurrent device: Automatic, or a whole number of amperes from 1 to 6,000";
    QTest::newRow("bare conductors") << QStringList {"insulation=Bare"} << false
                                     << "insulation: a bare conductor is for raceway fill only";
    QTest::newRow("below absolute zero in °F") << QStringList {"ambient unit=°F",
        "ambient=-460"} << false << "ambient temperature: from -459.67 to 1,000.00 °F";
}

void CircuitInputsTest::refuses()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QString, problems);
    const nec::CircuitReading reading = readEdits(edits, german);
    QVERIFY(!reading.Input);
    QStringList described;
    for (const nec::FieldProblem& problem : reading.Problems)
        described << name(problem.Field) + ": " + QString::fromStdString(problem.Reason);
    QStringList needed;
    for (nec::CircuitField field : reading.StillNeeded)
        needed << name(field);
    if (!needed.isEmpty())
        described << "still needed: " + needed.join(", ");
    QCOMPARE(described.join("; "), problems);
}

TAVILON_ENGINE_TEST_MAIN(CircuitInputsTest)
#include "circuit_inputs_test.moc"
