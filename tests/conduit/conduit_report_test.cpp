#include "conduit/conduit_report.h"
#include "test_main.h"

class ConduitReportTest : public QObject
{
    Q_OBJECT
private slots:
    void report_data();
    void report();
};

void ConduitReportTest::report_data()
{
    QTest::addColumn<QStringList>("groupLines"); // ten lines, empty for a group not used
    QTest::addColumn<QString>("groups"); // the report's group part

    QStringList workedExample(10);
    workedExample[0] = QStringLiteral("12 awg:  0.0117 * 3 = 0.0351");
    workedExample[1] = QStringLiteral("10 awg:  0.0252 * 2 = 0.0504");
    QTest::newRow("the first two groups") << workedExample
                                          << "Group 1:  12 awg:  0.0117 * 3 = 0.0351\r\n"
                                             "Group 2:  10 awg:  0.0252 * 2 = 0.0504\r\n";
    QStringList gaps(10);
    gaps[2] = QStringLiteral("  1/0 awg:  0.1855 * 3 = 0.5565");
    gaps[9] = QStringLiteral("1000 kcmil:  1.3478 * 1 = 1.3478");
    QTest::newRow("groups keep their numbers") << gaps
                                               << "Group 3:    1/0 awg:  0.1855 * 3 = 0.5565\r\n"
                                                  "Group 10:  1000 kcmil:  1.3478 * 1 = 1.3478\r\n";
    QTest::newRow("no group") << QStringList(10) << "";
}

void ConduitReportTest::report()
{
    QFETCH(QStringList, groupLines);
    QFETCH(QString, groups);
    ConduitResultCaptions captions;
    for (int i = 0; i < kConduitGroups; ++i)
        captions.GroupLines[i] = groupLines[i].toStdString();
    captions.TotalArea = "Area Total: 0.0855";
    captions.Diameter = "Diameter Required: 0.5216841";
    captions.ConduitSize = "Conduit Size = 1/2 inch";

    const QString expected = QStringLiteral("Calculation Type: Conduit Fill\r\n\r\n"
                                            "12/9/2026 1:02:03 AM\r\n\r\n\r\n")
        + groups
        + QStringLiteral("\r\nArea Total: 0.0855\r\nDiameter Required: 0.5216841\r\n\r\n"
                         "Conduit Size = 1/2 inch\r\n\r\n\r\n\r\n\r\n\r\n"
                         "Conduit fill held at 40 % of the inside area of Schedule 40 pipe.\r\n"
                         "Conductor areas from the program's own table for THHN and THW "
                         "insulation.");
    QCOMPARE(
        QString::fromStdString(BuildConduitReport(captions, "12/9/2026 1:02:03 AM")), expected);
}

TAVILON_ENGINE_TEST_MAIN(ConduitReportTest)
#include "conduit_report_test.moc"
