// The texts of a circuit check, for circuits worked by hand from the tables of
// src/nec/data; each row says how. The typed texts start from a 400 A, 250 ft,
// 480 V 3-phase 4-wire copper THHN/THWN-2 circuit in EMT (circuit_texts.h).

#include "circuit_check/circuit_summary.h"
#include "circuit_texts.h"
#include "nec/circuit_check.h"
#include "test_main.h"

namespace {

const numtext::Separators kUs {".", ","};
const numtext::Separators kGerman {",", "."};

nec::CircuitInput readInput(const QStringList& edits)
{
    const nec::CircuitReading reading = nec::ReadCircuitInputs(editedCircuitTexts(edits), {});
    if (!reading.Input)
        qFatal("the edits %s are not a complete input", qPrintable(edits.join(", ")));
    return *reading.Input;
}

QStringList toList(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// The key figures in the order of their fields.
QStringList figureList(const CircuitKeyFigures& f)
{
    QStringList list;
    for (const std::string* figure : {&f.Ocpd, &f.Sets, &f.Size, &f.Governing, &f.TerminalAmps,
             &f.CorrectedAmps, &f.Drop, &f.DropVolts, &f.LoadVolts, &f.TotalDrop, &f.ExactDrop,
             &f.MaxLength, &f.Egc, &f.Raceway, &f.Fill, &f.Fault, &f.Verdict})
        list << QString::fromStdString(*figure);
    return list;
}

// The acceptance feeder: 400 A continuous at 40 °C, 42,000 A at the source, 100 A of motors.
const QStringList kFeeder {"ambient=40", "fault=42000", "motor=100"};

} // namespace

class CircuitSummaryTest : public QObject
{
    Q_OBJECT
private slots:
    void keyFigures_data();
    void keyFigures();
    void summaryLines_data();
    void summaryLines();
    void wholeSummaryOfTheFeeder();
    void problems_data();
    void problems();
    void trimmedNumber_data();
    void trimmedNumber();
};

void CircuitSummaryTest::keyFigures_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QStringList>("figures");

    // 1.25 · 400 = 500 A: the 500 A device. 40 °C reads 36-40, 0.91 for 90 °C. One set
    // would need 1000 kcmil (545 A at 75 °C), above the largest per set, so two sets of
    // 250 kcmil: 2 · 255 = 510 A at 75 °C for 500 A needed (4/0 gives 460 A): the
    // terminals govern; A = min(290 · 0.91, 255) = 255 A, 510.0 A for both.
    // Table 9, copper in steel, 250 kcmil: R 0.054, XL 0.052; Ze = 0.054 · 0.85 +
    // 0.052 · 0.5268 = 0.07329; VD = √3 · 400 · 250 · 0.07329 / 2000 = 6.35 V, 1.32 %,
    // 473.65 V left; L_max = 0.03 · 480 · 1000 · 2 / (√3 · 400 · 0.07329) = 567.2 ft.
    // Exact: R = 0.00675 Ω, X = 0.0065 Ω, E = 277.13 V: VD_E = 3.6646 + 0.0011 V,
    // · √3 = 6.35 V. Table 250.122, 500 A: 2 AWG copper, not increased (the base is the
    // same 2 · 250 kcmil). Raceway: 4 · 0.3970 + 0.1158 = 1.7038 in², above the 2 in
    // EMT's 1.342 in² at 40 %, within 2-1/2 in's 2.343; 1.7038 / 5.858 = 29.1 %.
    // Fault: f = √3 · 250 · 42,000 / (16,483 · 2 · 480) = 1.1493, M = 0.46526;
    // 42,000 · M + 4 · 100 = 19,541 + 400 = 19,941 A.
    const QStringList feeder {"500 A", "2", "250 kcmil", "terminals", "510 A", "510.0 A", "1.32 %",
        "6.35 V", "473.65 V", "1.32 %", "6.35 V", "567 ft", "2 AWG copper", "2-1/2 EMT", "29.1 %",
        "19,941 A", "Meets every check."};
    QTest::newRow("feeder") << kFeeder << false << feeder;
    QTest::newRow("feeder, German numbers")
        << kFeeder << true
        << QStringList {"500 A", "2", "250 kcmil", "terminals", "510 A", "510,0 A", "1,32 %",
               "6,35 V", "473,65 V", "1,32 %", "6,35 V", "567 ft", "2 AWG copper", "2-1/2 EMT",
               "29,1 %", "19.941 A", "Meets every check."};
    // With 3 % dropped upstream the total is 4.32 %, within 5 %; the limit for the
    // maximum length is min(3, 5 − 3) = 2 %: 567.2 · 2 / 3 = 378.1 ft.
    QStringList upstream = feeder;
    upstream[9] = "4.32 %";
    upstream[11] = "378 ft";
    QTest::newRow("feeder with a drop upstream")
        << kFeeder + QStringList {"upstream=3"} << false << upstream;

    // The given 400 A device is below the 500 A the load needs; the size is worked on it
    // as on the automatic one (the terminals need 500 A all the same), but the grounding
    // conductor is 3 AWG (Table 250.122, 400 A): 4 · 0.3970 + 0.0973 = 1.6853 in²,
    // 2-1/2 EMT, 28.8 %. No fault current given: no fault figure.
    QTest::newRow("given device too small")
        << QStringList {"ambient=40", "ocpd=400"} << false
        << QStringList {"400 A", "2", "250 kcmil", "terminals", "510 A", "510.0 A", "1.32 %",
               "6.35 V", "473.65 V", "1.32 %", "6.35 V", "567 ft", "3 AWG copper", "2-1/2 EMT",
               "28.8 %", "", "Does not meet: device rating."};

    // 48 V DC, 20 A continuous, 50 ft: the 25 A device. 12 AWG carries 25 A at 75 °C but
    // 240.4(D) holds it to 20 A; 10 AWG drops 2 · 20 · 50 · 1.24 / 1000 = 2.48 V, 5.17 %,
    // and 8 AWG 1.556 V, 3.24 %; 6 AWG (Table 8, 0.491 Ω) drops 0.982 V, 2.05 %: the
    // voltage drop governs. 65 A at 75 °C; A = min(75, 65). L_max = 0.03 · 48 · 1000 /
    // (2 · 20 · 0.491) = 73.3 ft. Grounding conductor: 10 AWG for 25 A, grown with the
    // phases in the ratio 26,240 / 10,380 cmil: 26,240 cmil, 6 AWG. Three 6 AWG THHN,
    // 3 · 0.0507 = 0.1521 in²: 1/2 EMT allows 0.122 (and holds two by Note 7), 3/4 EMT
    // 0.213; 0.1521 / 0.533 = 28.5 %. No exact drop and no fault current on DC.
    QTest::newRow("direct current")
        << QStringList {"system=DC 2-wire", "voltage=48", "load=20", "length=50", "fault=10000"}
        << false
        << QStringList {"25 A", "1", "6 AWG", "voltage drop", "65 A", "65.0 A", "2.05 %", "0.98 V",
               "47.02 V", "2.05 %", "", "73 ft", "6 AWG copper", "3/4 EMT", "28.5 %", "",
               "Meets every check."};

    // TW has no factor above 55 °C: no size, and only the device has figures.
    QTest::newRow("no size") << QStringList {"insulation=TW", "ambient=58"} << false
                             << QStringList {"500 A", "", "", "", "", "", "", "", "", "", "", "",
                                    "", "", "", "", "Does not meet: conductor size."};

    // One given set in ENT: 1000 kcmil (545 A at 75 °C; 750 kcmil gives 475 A), four of
    // them with 2 AWG, 4 · 1.3478 + 0.1158 = 5.507 in², above the 1.316 in² of the largest
    // ENT, 2 in: no raceway and no fill. Table 9 in PVC: R 0.015, XL 0.037; Ze =
    // 0.03224; VD = √3 · 400 · 250 · 0.03224 / 1000 = 5.58 V, 1.16 %; L_max = 14,400 /
    // (√3 · 400 · 0.03224) = 644.7 ft. Exact: R = 0.00375 Ω, X = 0.00925 Ω: VD_E =
    // 3.2241 + 0.0100 V, · √3 = 5.60 V.
    QTest::newRow("no raceway holds them")
        << QStringList {"raceway=ENT", "sets=1"} << false
        << QStringList {"500 A", "1", "1000 kcmil", "terminals", "545 A", "545.0 A", "1.16 %",
               "5.58 V", "474.42 V", "1.16 %", "5.60 V", "644 ft", "2 AWG copper", "", "", "",
               "Does not meet: raceway fill."};
}

void CircuitSummaryTest::keyFigures()
{
    QFETCH(QStringList, edits);
    QFETCH(bool, german);
    QFETCH(QStringList, figures);
    const numtext::Separators& separators = german ? kGerman : kUs;
    const nec::CircuitInput input = readInput(edits);
    const nec::CircuitResult result = nec::CheckCircuit(input, separators);
    QCOMPARE(figureList(BuildCircuitKeyFigures(input, result, separators)), figures);
}

void CircuitSummaryTest::summaryLines_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QString>("line"); // one line the summary holds

    // 16 A continuous on 120 V: the 20 A device. 14 AWG carries 20 A at 75 °C but
    // 240.4(D) holds it to 15 A; 12 AWG to 20 A.
    const QStringList branch {
        "system=1-phase 2-wire", "voltage=120", "kind=Branch circuit", "load=16", "length=50"};
    QTest::newRow("small conductor")
        << branch
        << "Small conductor: the 20 A device against at most 20 A on 12 AWG copper: meets";
    QTest::newRow("protection") << branch << "Protection: 25.0 A against the 20 A device: meets";
    QTest::newRow("device")
        << branch
        << "Device rating: 20 A against 20 A needed (125 % of the continuous load plus the rest): "
           "meets";
    // 12 AWG, Table 9 in steel: Ze = 2.0 · 0.85 + 0.068 · 0.5268 = 1.7358; 2 · 16 · 50 ·
    // 1.7358 / 1000 = 2.78 V, 2.31 %, 117.22 V left.
    QTest::newRow("voltage drop")
        << branch
        << "Voltage drop: 2.78 V, 2.31 %, 117.22 V at the load, against the design limit of "
           "3 %: meets";
    QTest::newRow("fault not given")
        << branch << "Fault current at the end: not worked, no available fault current given";

    // 160 A continuous at 45 °C: the 200 A device. 3/0 carries 200 A at 75 °C, and
    // 225 · 0.87 = 195.75 A under its conditions of use, below 200 A; 200 A is the next
    // standard rating above it (240.4(B)). 2/0 gives 175 A at 75 °C.
    QTest::newRow("next standard rating")
        << QStringList {"load=160", "ambient=45"}
        << "Protection: 195.8 A against the 200 A device, by the next standard rating "
           "(240.4(B)): meets";
    QTest::newRow("given non-standard device")
        << QStringList {"ocpd=510"}
        << "Device rating: 510 A (given; not a standard rating) against 500 A needed (125 % "
           "of the continuous load plus the rest): meets";
    QTest::newRow("upstream") << QStringList {"ambient=40",
        "upstream=3.5"} << "Total voltage drop: 4.82 % with 3.5 % upstream, against 5 %: meets";
    QTest::newRow("direct current") << QStringList {"system=DC 2-wire", "voltage=48", "load=20",
        "length=50"} << "Fault current at the end: not worked for DC";
    // The feeder's fault: 19,541 A from the source and 4 · 100 A from the motors.
    QTest::newRow("motors") << kFeeder
                            << "Fault current at the end: 19,941 A, with 400 A from the motors";
    QTest::newRow("no size")
        << QStringList {"insulation=TW", "ambient=58"}
        << "Conductor size: none, the ambient table gives no factor for 60 °C insulation at "
           "this ambient: does not meet";
    QTest::newRow("no raceway") << QStringList {"raceway=ENT",
        "sets=1"} << "Raceway fill: no trade size of ENT holds the conductors: does not meet";
}

void CircuitSummaryTest::summaryLines()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, line);
    const nec::CircuitInput input = readInput(edits);
    const QStringList lines = toList(BuildCircuitSummary(input, nec::CheckCircuit(input)));
    QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('\n'))));
}

// Every check of the feeder in the order of the result, the figures that are no check
// where they belong, the verdict last (the figures as worked for keyFigures).
void CircuitSummaryTest::wholeSummaryOfTheFeeder()
{
    const nec::CircuitInput input = readInput(kFeeder);
    QCOMPARE(toList(BuildCircuitSummary(input, nec::CheckCircuit(input))),
        (QStringList {
            "Device rating: 500 A against 500 A needed (125 % of the continuous load plus the "
            "rest): meets",
            "Conductor size: 2 sets of 250 kcmil copper THHN/THWN-2 (governing factor: "
            "terminals; more than one set because of the largest size per set, 500 kcmil): meets",
            "Terminals: 510 A at 75 °C against 500 A needed: meets",
            "Conditions of use: 510.0 A against the load of 400 A: meets",
            "Protection: 510.0 A against the 500 A device: meets",
            "Parallel minimum: 250 kcmil against at least 1/0 AWG in parallel: meets",
            "Voltage drop: 6.35 V, 1.32 %, 473.65 V at the load, against the design limit of "
            "3 %: meets",
            "Exact voltage drop (second opinion): 6.35 V",
            "Maximum length: 567 ft at 3 %",
            "Grounding conductor: 2 AWG copper, one in each of the 2 raceways",
            "Raceway fill: 2-1/2 EMT, 29.1 % filled, 40 % allowed: meets",
            "Fault current at the end: 19,941 A, with 400 A from the motors",
            "Meets every check.",
        }));
}

void CircuitSummaryTest::problems_data()
{
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("complete") << QStringList {} << QStringList {};
    QTest::newRow("wrong and missing")
        << QStringList {"voltage=abc", "load=", "length=", "pf=1.2"}
        << QStringList {"Voltage: not a number", "Power factor: from 0.50 to 1.00",
               "Still needed: load, length."};
    QTest::newRow("one missing") << QStringList {"length= "}
                                 << QStringList {"Still needed: length."};
    QTest::newRow("device") << QStringList {"ocpd=12.5"}
                            << QStringList {
                                   "Overcurrent device: Automatic, or a whole number of amperes "
                                   "from 1 to 6,000"};
}

void CircuitSummaryTest::problems()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, lines);
    QCOMPARE(toList(DescribeCircuitProblems(nec::ReadCircuitInputs(editedCircuitTexts(edits), {}))),
        lines);
}

void CircuitSummaryTest::trimmedNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 480.0 << 2 << false << "480";
    QTest::newRow("grouped") << 1234.5 << 2 << false << "1,234.5";
    QTest::newRow("rounded on the decimal form") << 2.675 << 2 << false << "2.68";
    QTest::newRow("rounds to whole") << 399.999 << 2 << false << "400";
    QTest::newRow("no decimals asked") << 12.5 << 0 << false << "13";
    QTest::newRow("German") << 42000.25 << 2 << true << "42.000,25";
    QTest::newRow("German whole") << 0.5 << 0 << true << "1";
}

void CircuitSummaryTest::trimmedNumber()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, german);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(TrimmedNumber(value, decimals, german ? kGerman : kUs)), text);
}

TAVILON_ENGINE_TEST_MAIN(CircuitSummaryTest)
#include "circuit_summary_test.moc"
