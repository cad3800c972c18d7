#include "fault/fault_report.h"
#include "test_main.h"

namespace {

// The page as it opens: breaker source, 13000 A, 208 V, "Terminals", one wire, 0 ft.
FaultPageState initialPage()
{
    FaultPageState page;
    page.Fields.SourceIsBreaker = true;
    page.Fields.InfinitePrimary = false;
    page.Fields.ThreePhase = true;
    page.Fields.Kva = "500 ";
    page.Fields.PercentZ = "5.2";
    page.Fields.PrimaryVolts = "480";
    page.Fields.SecondaryVolts = "208";
    page.Fields.AvailableFaultAmps = "13000";
    page.Fields.WireSize = "Terminals";
    page.Fields.ConductorsPerPhase = "1";
    page.Fields.LengthFeet = "0";
    page.FullLoadCaption = "FLA";
    page.SourceFaultCaption = "ISC";
    page.EndOfRunCaption = "0  ";
    return page;
}

QString report(const FaultPageState& page, double sourceFaultAmps)
{
    return QString::fromStdString(BuildFaultReport(page, sourceFaultAmps, "12/8/2026 3:04:05 PM"));
}

const QString kHeader = QStringLiteral(
    "Calculation Type: Short Circuit Current\r\n\r\n12/8/2026 3:04:05 PM\r\n\r\n\r\n\r\n");
const QString kMethod = QStringLiteral(
    "\r\n\r\n\r\n\r\n\r\n\r\nCalculations Methods per COOPER BUSSMANN Bulletin EPR-1\r\n"
    "Point-To-Point Method of Short-Circuit Calculation Formulas and Example");

} // namespace

class FaultReportTest : public QObject
{
    Q_OBJECT
private slots:
    void breakerWithInitialValues();
    void transformerWithInfinitePrimary();
    void transformerWithGivenPrimary_data();
    void transformerWithGivenPrimary();
    void beforeAnyCalculation();
    void otherInstallationChoices();
};

void FaultReportTest::breakerWithInitialValues()
{
    QCOMPARE(report(initialPage(), 13000),
        kHeader
            + QStringLiteral("Three Phase System\r\n\r\n\r\n"
                             "13,000 Fault Amperes Available at Breaker\r\n\r\n\r\n"
                             "208 V Secondary Line-to-Line Voltage\r\n"
                             "Wire Size:         Terminals\r\n"
                             "Wires per Phase: 1\r\n"
                             "Length of Run:    0 Feet\r\n"
                             "Conduit Type:    Magnetic\r\n"
                             "Wire Type:    Three Single Conductors"
                             "\r\n\r\n0   Fault Available at End of Circuit")
            + kMethod);
}

void FaultReportTest::transformerWithInfinitePrimary()
{
    FaultPageState page = initialPage();
    page.Fields.SourceIsBreaker = false;
    page.Fields.InfinitePrimary = true;
    page.Fields.WireSize = "  4/0 awg";
    page.Fields.LengthFeet = "100";
    page.FullLoadCaption = "1,387.9 FLA";
    page.SourceFaultCaption = "29,655 ISC";
    page.EndOfRunCaption = "11,244 Amps";
    QCOMPARE(report(page, 29655.15),
        kHeader
            + QStringLiteral("Three Phase System\r\n\r\n\r\n"
                             "500  KVA\r\n"
                             "5.2% Z\r\n"
                             "1,387.9 FLA Available at Secondary Teminals\r\n"
                             "29,655 Amps Fault Available at Secondary Teminals\r\n\r\n"
                             "Infinite Primary Available\r\n\r\n\r\n"
                             "208 V Secondary Line-to-Line Voltage\r\n"
                             "Wire Size:           4/0 awg\r\n"
                             "Wires per Phase: 1\r\n"
                             "Length of Run:    100 Feet\r\n"
                             "Conduit Type:    Magnetic\r\n"
                             "Wire Type:    Three Single Conductors"
                             "\r\n\r\n11,244 Amps Fault Available at End of Circuit")
            + kMethod);
}

void FaultReportTest::transformerWithGivenPrimary_data()
{
    QTest::addColumn<QString>("primaryVolts");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typed") << "13800"
                           << "13,800";
    QTest::newRow("list item with blanks") << "  4160"
                                           << "4,160";
    QTest::newRow("not a number") << "13.8 kV"
                                  << "13.8 kV";
}

void FaultReportTest::transformerWithGivenPrimary()
{
    QFETCH(QString, primaryVolts);
    QFETCH(QString, shown);
    FaultPageState page = initialPage();
    page.Fields.SourceIsBreaker = false;
    page.Fields.InfinitePrimary = false;
    page.Fields.PrimaryVolts = primaryVolts.toStdString();
    page.Fields.SecondaryVolts = "480";
    page.FullLoadCaption = "601.4 FLA";
    page.SourceFaultCaption = "11,218 ISC";
    page.EndOfRunCaption = "11,218 Amps";
    const QString text = report(page, 11218.36);
    QVERIFY(
        text.contains(QStringLiteral("601.4 FLA Available at Secondary Teminals\r\n"
                                     "11,218 Amps Fault Available at Secondary Teminals\r\n\r\n")
            + shown
            + QStringLiteral(" V Primary Line-to-Line Voltage\r\n"
                             "13,000 Primary Fault Amperes Available\r\n\r\n\r\n"
                             "480 V Secondary Line-to-Line Voltage\r\n")));
    QVERIFY(!text.contains(QStringLiteral("Infinite")));
}

void FaultReportTest::beforeAnyCalculation()
{
    FaultPageState page = initialPage();
    page.Fields.SourceIsBreaker = false;
    page.Fields.InfinitePrimary = true;
    const QString text = report(page, 0);
    QVERIFY(text.contains(QStringLiteral("\r\nFLA Available at Secondary Teminals\r\n"
                                         " Amps Fault Available at Secondary Teminals\r\n")));
    QVERIFY(text.contains(QStringLiteral("\r\n\r\n0   Fault Available at End of Circuit")));
}

void FaultReportTest::otherInstallationChoices()
{
    FaultPageState page = initialPage();
    page.Fields.ThreePhase = false;
    page.Fields.AvailableFaultAmps = "";
    page.MagneticConduit = false;
    page.SingleConductors = false;
    const QString text = report(page, 0);
    QVERIFY(text.startsWith(kHeader
        + QStringLiteral("Single Phase System\r\n\r\n\r\n"
                         " Fault Amperes Available at Breaker\r\n")));
    QVERIFY(text.contains(QStringLiteral("Conduit Type:    Non-Magnetic\r\n"
                                         "Wire Type:    Three-Conductor Cable\r\n\r\n")));
    QVERIFY(text.endsWith(kMethod));
}

TAVILON_ENGINE_TEST_MAIN(FaultReportTest)
#include "fault_report_test.moc"
