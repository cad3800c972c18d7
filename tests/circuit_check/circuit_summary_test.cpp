// The texts the Circuit Check window shows of a check: its key figures, its summary in
// words and the list of what the inputs lack. The typed texts start from a 400 A, 250 ft,
// 480 V 3-phase 4-wire copper THHN/THWN-2 circuit in EMT (circuit_texts.h); the figures
// are worked by hand from the tables of src/nec/data.

#include "circuit_check/circuit_summary.h"
#include "circuit_texts.h"
#include "nec/circuit_check.h"
#include "test_main.h"

namespace {

QStringList toList(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// The acceptance feeder: 400 A continuous at 40 °C, 42,000 A at the source, 100 A of motors.
const QStringList kFeeder {"ambient=40", "fault=42000", "motor=100"};

} // namespace

class CircuitSummaryTest : public QObject
{
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void problemsInTheOrderOfTheForm();
};

void CircuitSummaryTest::texts_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("figures"); // in the order of CircuitKeyFigures, if given
    QTest::addColumn<QStringList>("lines"); // lines the summary holds, in this order

    // Every check of the feeder in the order of the result, the figures that are no check
    // where they belong, the verdict last. 1.25 · 400 = 500 A; two sets of 250 kcmil (255 A
    // each at 75 °C); Table 9 steel Ze = 0.07329 Ω: 6.35 V, 1.32 %, 567 ft at 3 %; 2 AWG
    // (Table 250.122, 500 A); 4 · 0.3970 + 0.1158 in² in 2-1/2 EMT, 29.1 %; 42,000 ·
    // 0.46526 + 4 · 100 = 19,941 A. (The key figures are read in the window's test.)
    QTest::newRow("feeder")
        << kFeeder << QStringList {}
        << QStringList {"Device rating: 500 A against 500 A needed (125 % of the continuous load "
                        "plus the rest): meets",
               "Conductor size: 2 sets of 250 kcmil copper THHN/THWN-2 (governing factor: "
               "terminals; more than one set because of the largest size per set, 500 kcmil): "
               "meets",
               "Terminals: 510 A at 75 °C against 500 A needed: meets",
               "Conditions of use: 510.0 A against the load of 400 A: meets",
               "Protection: 510.0 A against the 500 A device: meets",
               "Parallel minimum: 250 kcmil against at least 1/0 AWG in parallel: meets",
               "Voltage drop: 6.35 V, 1.32 %, 473.65 V at the load, against the design limit of "
               "3 %: meets",
               "Exact voltage drop (second opinion): 6.35 V", "Maximum length: 567 ft at 3 %",
               "Grounding conductor: 2 AWG copper, one in each of the 2 raceways",
               "Raceway fill: 2-1/2 EMT, 29.1 % filled, 40 % allowed: meets",
               "Fault current at the end: 19,941 A, with 400 A from the motors",
               "Meets every check."};
    // 16 A continuous on 120 V: the 20 A device; 240.4(D) holds 14 AWG to 15 A, 12 AWG to
    // 20 A. Table 9 steel, 12 AWG: Ze = 1.7358 Ω, 2 · 16 · 50 · 1.7358 / 1000 = 2.78 V.
    QTest::newRow("branch circuit")
        << QStringList {"system=1-phase 2-wire", "voltage=120", "kind=Branch circuit", "load=16",
               "length=50"}
        << QStringList {}
        << QStringList {"Device rating: 20 A against 20 A needed (125 % of the continuous load "
                        "plus the rest): meets",
               "Protection: 25.0 A against the 20 A device: meets",
               "Small conductor: the 20 A device against at most 20 A on 12 AWG copper: meets",
               "Voltage drop: 2.78 V, 2.31 %, 117.22 V at the load, against the design limit of "
               "3 %: meets",
               "Fault current at the end: not worked, no available fault current given"};
    // 160 A at 45 °C: 3/0 gives 225 · 0.87 = 195.75 A, below the 200 A device, the next
    // standard rating above it.
    QTest::newRow("next standard rating")
        << QStringList {"load=160", "ambient=45"} << QStringList {}
        << QStringList {"Protection: 195.8 A against the 200 A device, by the next standard "
                        "rating (240.4(B)): meets"};
    // The feeder's conductors on a given 510 A: 1.32 % + 3.5 % upstream.
    QTest::newRow("given non-standard device, upstream drop")
        << QStringList {"ocpd=510", "ambient=40", "upstream=3.5"} << QStringList {}
        << QStringList {"Device rating: 510 A (given; not a standard rating) against 500 A needed "
                        "(125 % of the continuous load plus the rest): meets",
               "Total voltage drop: 4.82 % with 3.5 % upstream, against 5 %: meets"};
    // 48 V DC, 20 A, 50 ft: 6 AWG (0.491 Ω) for the drop, 0.98 V, 2.05 %; no exact drop
    // and no fault current on DC, even with one given.
    QTest::newRow("direct current")
        << QStringList {"system=DC 2-wire", "voltage=48", "load=20", "length=50", "fault=10000"}
        << QStringList {"25 A", "1", "6 AWG", "voltage drop", "65 A", "65.0 A", "2.05 %", "0.98 V",
               "47.02 V", "2.05 %", "", "73 ft", "6 AWG copper", "3/4 EMT", "28.5 %", "",
               "Meets every check."}
        << QStringList {"Fault current at the end: not worked for DC"};
    // TW has no factor above 55 °C: no size, and only the device has figures.
    QTest::newRow("no size")
        << QStringList {"insulation=TW", "ambient=58"}
        << QStringList {"500 A"} + QStringList(15, QString())
            + QStringList {"Does not meet: conductor size."}
        << QStringList {"Conductor size: none, the ambient table gives no factor for 60 °C "
                        "insulation at this ambient: does not meet",
               "Does not meet: conductor size."};
    // No standard rating above 6,250 A, and so no size: the verdict names both.
    QTest::newRow("two checks not met")
        << QStringList {"load=5000"} << QStringList {}
        << QStringList {"Does not meet: device rating, conductor size."};
    // One set of 1000 kcmil and a 2 AWG, 5.507 in², above the largest ENT's 1.316 in².
    QTest::newRow("no raceway")
        << QStringList {"raceway=ENT", "sets=1"} << QStringList {}
        << QStringList {"Raceway fill: no trade size of ENT holds the conductors: does not meet",
               "Does not meet: raceway fill."};
}

void CircuitSummaryTest::texts()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, figures);
    QFETCH(QStringList, lines);
    const nec::CircuitInput input = readCircuitInput(edits);
    const nec::CircuitResult result = nec::CheckCircuit(input);
    if (!figures.isEmpty()) {
        const CircuitKeyFigures f = BuildCircuitKeyFigures(input, result);
        QStringList shown;
        for (const std::string* figure : {&f.Ocpd, &f.Sets, &f.Size, &f.Governing, &f.TerminalAmps,
                 &f.CorrectedAmps, &f.Drop, &f.DropVolts, &f.LoadVolts, &f.TotalDrop, &f.ExactDrop,
                 &f.MaxLength, &f.Egc, &f.Raceway, &f.Fill, &f.Fault, &f.Verdict})
            shown << QString::fromStdString(*figure);
        QCOMPARE(shown, figures);
    }
    const QStringList summary = toList(BuildCircuitSummary(input, result));
    qsizetype at = 0;
    for (const QString& line : lines) {
        at = summary.indexOf(line, at);
        QVERIFY2(at >= 0, qPrintable(line + QStringLiteral("\nnot in\n") + summary.join('\n')));
    }
    // The verdict closes every summary; the feeder's lines are the whole of its summary.
    QVERIFY(summary.last() == QLatin1String("Meets every check.")
        || summary.last().startsWith(QLatin1String("Does not meet: ")));
    if (QTest::currentDataTag() == QLatin1String("feeder"))
        QCOMPARE(summary, lines);
}

// The wrong fields in the order of the form, then the empty ones in one line.
void CircuitSummaryTest::problemsInTheOrderOfTheForm()
{
    const QStringList edits {"voltage=abc", "load=", "length=", "pf=1.2"};
    QCOMPARE(toList(DescribeCircuitProblems(nec::ReadCircuitInputs(editedCircuitTexts(edits), {}))),
        QStringList({"Voltage: not a number", "Power factor: from 0.50 to 1.00",
            "Still needed: load, length."}));
}

TAVILON_ENGINE_TEST_MAIN(CircuitSummaryTest)
#include "circuit_summary_test.moc"
