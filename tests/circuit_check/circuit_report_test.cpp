// The Circuit Check report for the results sheet: its heading and date, the inputs as the
// check read them, the summary and the working, with the line breaks of the other reports.

#include "circuit_check/circuit_report.h"
#include "circuit_check/circuit_summary.h"
#include "circuit_texts.h"
#include "nec/circuit_check.h"
#include "test_main.h"

namespace {

const numtext::Separators kGerman {",", "."};
const char kStamp[] = "12/8/2026 3:04:05 PM";

nec::CircuitInput readInput(const QStringList& edits, const numtext::Separators& separators)
{
    const nec::CircuitReading reading
        = nec::ReadCircuitInputs(editedCircuitTexts(edits), separators);
    if (!reading.Input)
        qFatal("the edits %s are not a complete input", qPrintable(edits.join(", ")));
    return *reading.Input;
}

} // namespace

class CircuitReportTest : public QObject
{
    Q_OBJECT
private slots:
    void inputs_data();
    void inputs();
    void wholeReport_data();
    void wholeReport();
    void feederSteps();
};

void CircuitReportTest::inputs_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("feeder")
        << QStringList {"ambient=40", "fault=42000", "motor=100"} << false
        << QStringList {"System: 3-phase 4-wire", "Voltage: 480 V", "Load: 400 A, 100 % continuous",
               "Circuit: feeder", "Overcurrent device: automatic",
               "More than one receptacle for portable loads: no",
               "Conductors: copper THHN/THWN-2, 75 °C terminals",
               "Parallel sets: automatic, at most 500 kcmil per set", "Ambient temperature: 40 °C",
               "Current-carrying conductors in one raceway: automatic", "Length: 250 ft, one way",
               "Raceway: EMT, steel", "Power factor: 0.85, lagging",
               "Voltage-drop limit: 3 %, with 0 % dropped upstream", "Grounding conductor: copper",
               "Available fault current at the source: 42,000 A", "Motor load: 100 A"};
    // Typed decimals come back as typed, in the user's separators; given counts as given.
    QTest::newRow("branch circuit, German")
        << QStringList {"system=1-phase 3-wire", "voltage=240", "unit=kW", "load=12,5",
               "continuous=80", "kind=Branch circuit", "ocpd=90", "receptacles",
               "material=Aluminum", "egc=Copper", "insulation=THW", "terminal=60 °C", "sets=2",
               "ambient=95,5", "ambient unit=°F", "count=6", "harmonic neutral", "length=1.250,75",
               "raceway=PVC Schedule 40", "raceway material=Aluminum", "pf=0,875", "limit=2,5",
               "upstream=1,25"}
        << true
        << QStringList {"System: 1-phase 3-wire", "Voltage: 240 V",
               "Load: 12,5 kW, 80 % continuous", "Circuit: branch circuit",
               "Overcurrent device: 90 A", "More than one receptacle for portable loads: yes",
               "Conductors: aluminum THW, 60 °C terminals", "Parallel sets: 2",
               "Ambient temperature: 95,5 °F",
               // The harmonic neutral is read for 3-phase 4-wire only.
               "Current-carrying conductors in one raceway: 6", "Length: 1.250,75 ft, one way",
               "Raceway: PVC Schedule 40, aluminum", "Power factor: 0,875, lagging",
               "Voltage-drop limit: 2,5 %, with 1,25 % dropped upstream",
               "Grounding conductor: copper", "Available fault current at the source: none given",
               "Motor load: 0 A"};
    // DC reads no power factor and works no fault current.
    QTest::newRow("direct current")
        << QStringList {"system=DC 2-wire", "voltage=48", "load=20", "length=50", "fault=10000",
               "count=4"}
        << false
        << QStringList {"System: DC 2-wire", "Voltage: 48 V", "Load: 20 A, 100 % continuous",
               "Circuit: feeder", "Overcurrent device: automatic",
               "More than one receptacle for portable loads: no",
               "Conductors: copper THHN/THWN-2, 75 °C terminals",
               "Parallel sets: automatic, at most 500 kcmil per set", "Ambient temperature: 30 °C",
               "Current-carrying conductors in one raceway: 4", "Length: 50 ft, one way",
               "Raceway: EMT, steel", "Voltage-drop limit: 3 %, with 0 % dropped upstream",
               "Grounding conductor: copper"};
}

void CircuitReportTest::inputs()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QStringList, lines);
    const numtext::Separators separators = german ? kGerman : numtext::Separators {};
    QStringList described;
    for (const std::string& line : DescribeCircuitInputs(readInput(edits, separators), separators))
        described << QString::fromStdString(line);
    QCOMPARE(described, lines);
}

void CircuitReportTest::wholeReport_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");

    QTest::newRow("feeder") << QStringList {"ambient=40", "fault=42000", "motor=100"} << false;
    QTest::newRow("German") << QStringList {"load=12,5", "pf=0,9"} << true;
    QTest::newRow("no size") << QStringList {"insulation=TW", "ambient=58"} << false;
    QTest::newRow("direct current")
        << QStringList {"system=DC 2-wire", "voltage=48", "load=20", "length=50"} << false;
}

// Heading and date, then the inputs, the summary and the working, each under its own
// heading and a blank line apart, the steps of the working too; lines break with CR LF
// only, and the report ends without one.
void CircuitReportTest::wholeReport()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    const numtext::Separators separators = german ? kGerman : numtext::Separators {};
    const nec::CircuitInput input = readInput(edits, separators);
    const nec::CircuitResult result = nec::CheckCircuit(input, separators);
    const QString report
        = QString::fromStdString(BuildCircuitReport(input, result, kStamp, separators));

    QVERIFY(!report.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    QVERIFY(!report.endsWith(QLatin1Char('\n')));
    const QStringList parts = report.split(QStringLiteral("\r\n\r\n"));
    QCOMPARE(parts.value(0), QStringLiteral("Calculation Type: Circuit Check (NEC 2023)"));
    // The date stands alone, three line breaks before the inputs.
    QCOMPARE(parts.value(1), QString::fromLatin1(kStamp));
    QCOMPARE(parts.value(2).section(QStringLiteral("\r\n"), 0, 1), QStringLiteral("\r\nInputs"));
    QCOMPARE(parts.value(2).count(QStringLiteral("\r\n")),
        qsizetype(DescribeCircuitInputs(input, separators).size() + 1));
    QCOMPARE(parts.value(3).section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("Summary"));
    QCOMPARE(parts.value(3).count(QStringLiteral("\r\n")),
        qsizetype(BuildCircuitSummary(input, result, separators).size()));
    QCOMPARE(parts.value(4).section(QStringLiteral("\r\n"), 0, 0), QStringLiteral("Working"));
    // One paragraph a step, the first under the heading.
    QCOMPARE(parts.size() - 4, qsizetype(result.Working.size()));
    QVERIFY(parts.value(4).contains(QString::fromStdString(result.Working.front().What)));
    QVERIFY(parts.last().startsWith(QString::fromStdString(result.Working.back().What)));
}

// The feeder's steps as the sheet shows them: what is worked out with its section, then
// the formula, the numbers and the table, indented (the figures as in
// circuit_summary_test).
void CircuitReportTest::feederSteps()
{
    const nec::CircuitInput input = readInput({"ambient=40", "fault=42000", "motor=100"}, {});
    const QString report
        = QString::fromStdString(BuildCircuitReport(input, nec::CheckCircuit(input), kStamp));
    QVERIFY(report.contains(QStringLiteral(
        "\r\n\r\nWorking\r\nLoad current\r\n    I = the load as given\r\n    I = 400 A\r\n\r\n")));
    QVERIFY(report.contains(
        QStringLiteral("\r\n\r\nRule 1, terminals (110.14(C), 215.2(A)(1))\r\n"
                       "    n · A_T(s, t_T) ≥ 1.25 · I_c + I_nc\r\n"
                       "    2 · 255 A = 510 A against 500 A: meets\r\n"
                       "    Source: Table 310.16, 75 °C copper, 250 kcmil: 255 A\r\n\r\n")));
    QVERIFY(report.contains(
        QStringLiteral("\r\n\r\nSummary\r\nDevice rating: 500 A against 500 A needed")));
    QVERIFY(report.contains(QStringLiteral("\r\nMeets every check.\r\n\r\nWorking\r\n")));
}

TAVILON_ENGINE_TEST_MAIN(CircuitReportTest)
#include "circuit_report_test.moc"
