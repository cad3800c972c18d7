// The Circuit Check report for the results sheet: its heading and date, the inputs as the
// check read them, the summary and the working, with the line breaks of the other reports.

#include "circuit_check/circuit_report.h"
#include "circuit_texts.h"
#include "nec/circuit_check.h"
#include "test_main.h"

#include <QRegularExpression>

namespace {

const char kStamp[] = "12/8/2026 3:04:05 PM";

} // namespace

class CircuitReportTest : public QObject
{
    Q_OBJECT
private slots:
    void report_data();
    void report();
};

void CircuitReportTest::report_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("inputs"); // every line under "Inputs"
    QTest::addColumn<QStringList>("parts"); // further texts the report holds

    // The feeder's steps as the sheet shows them: what is worked out with its section,
    // then the formula, the numbers and the table, indented (the figures as in
    // circuit_summary_test).
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
               "Available fault current at the source: 42,000 A", "Motor load: 100 A"}
        << QStringList {"\r\n\r\nSummary\r\nDevice rating: 500 A against 500 A needed",
               "\r\nMeets every check.\r\n\r\nWorking\r\nLoad current\r\n    I = the load as "
               "given\r\n    I = 400 A\r\n\r\n",
               "\r\n\r\nRule 1, terminals (110.14(C), 215.2(A)(1))\r\n"
               "    n · A_T(s, t_T) ≥ 1.25 · I_c + I_nc\r\n"
               "    2 · 255 A = 510 A against 500 A: meets\r\n"
               "    Source: Table 310.16, 75 °C copper, 250 kcmil: 255 A\r\n\r\n"};
    // Typed decimals come back as typed, in the user's separators; given counts as given.
    // The harmonic neutral is read for 3-phase 4-wire only.
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
               "Ambient temperature: 95,5 °F", "Current-carrying conductors in one raceway: 6",
               "Length: 1.250,75 ft, one way", "Raceway: PVC Schedule 40, aluminum",
               "Power factor: 0,875, lagging",
               "Voltage-drop limit: 2,5 %, with 1,25 % dropped upstream",
               "Grounding conductor: copper", "Available fault current at the source: none given",
               "Motor load: 0 A"}
        << QStringList {};
    // DC reads no power factor and works no fault current: nothing between the raceway and
    // the limit, nor after the grounding conductor.
    QTest::newRow("direct current")
        << QStringList {"system=DC 2-wire", "voltage=48", "load=20", "length=50", "fault=10000"}
        << false << QStringList {}
        << QStringList {"\r\nRaceway: EMT, steel\r\nVoltage-drop limit: 3 %, with 0 % dropped "
                        "upstream\r\nGrounding conductor: copper\r\n\r\nSummary\r\n"};
}

// Heading and date, then the inputs, the summary and the working, each under its own
// heading and a blank line apart, one paragraph a step of the working; lines break with
// CR LF only, and the report ends without one.
void CircuitReportTest::report()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, parts);
    const numtext::Separators separators
        = german ? numtext::Separators {",", "."} : numtext::Separators {};
    const nec::CircuitInput input = readCircuitInput(edits, separators);
    const nec::CircuitResult result = nec::CheckCircuit(input, separators);
    const QString report
        = QString::fromStdString(BuildCircuitReport(input, result, kStamp, separators));

    QVERIFY(!report.contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
    QVERIFY(!report.endsWith(QLatin1Char('\n')));
    const QString head = QStringLiteral("Calculation Type: Circuit Check (NEC 2023)\r\n\r\n%1"
                                        "\r\n\r\n\r\nInputs\r\n")
                             .arg(QLatin1String(kStamp));
    QVERIFY2(report.startsWith(head), qPrintable(report));
    if (!inputs.isEmpty()) {
        QVERIFY2(report.startsWith(head + inputs.join(QStringLiteral("\r\n"))
                     + QStringLiteral("\r\n\r\nSummary\r\n")),
            qPrintable(report));
    }
    for (const QString& part : parts)
        QVERIFY2(report.contains(part), qPrintable(part));
    const QString working = report.section(QStringLiteral("\r\n\r\nWorking\r\n"), 1);
    QCOMPARE(working.split(QStringLiteral("\r\n\r\n")).size(), qsizetype(result.Working.size()));
}

TAVILON_ENGINE_TEST_MAIN(CircuitReportTest)
#include "circuit_report_test.moc"
