#include "sheet/sheet_texts.h"
#include "test_main.h"

class SheetTextsTest : public QObject
{
    Q_OBJECT
private slots:
    void voltageDropHeader();
    void voltageDropNotes();
    void layout_data();
    void layout();
    void projectName_data();
    void projectName();
};

void SheetTextsTest::voltageDropHeader()
{
    QCOMPARE(QString::fromStdString(BuildVoltageDropHeader("12/8/2026 3:04:05 PM")),
        QStringLiteral(
            "Calculation Type: Circuit Voltage Drop\r\n\r\n12/8/2026 3:04:05 PM\r\n\r\n\r\n\r\n"));
}

void SheetTextsTest::voltageDropNotes()
{
    QCOMPARE(QString::fromStdString(VoltageDropNotes),
        QStringLiteral(
            "\r\n\r\n\r\n\r\n\r\n\r\n"
            "Calculations Methods per NEC Table 8 and Table 9 impedance data.\r\n"
            "Ampacity of wire per Table 310-16,\r\n"
            "Three Conductors in Raceway or Cable or Air\r\n\r\n"
            "Note: Apply ampacity correction factors for more than 3 wires per conduit."));
}

void SheetTextsTest::layout_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<int>("textHeight");
    QTest::addColumn<int>("buttonTop");

    QTest::newRow("larger window") << 10000 << 8000 << 9640 << 6000 << 7000;
    QTest::newRow("designed size") << 9405 << 8190 << 9045 << 6190 << 7190;
    QTest::newRow("just high enough") << 5000 << 2000 << 4640 << 0 << 1000;
    QTest::newRow("too low for a document") << 5000 << 1500 << 4640 << 0 << 500;
    QTest::newRow("narrower than the margin") << 300 << 3000 << 0 << 1000 << 2000;
}

void SheetTextsTest::layout()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const SheetLayout layout = LayoutSheet(width, height);
    QTEST(layout.textWidth, "textWidth");
    QTEST(layout.textHeight, "textHeight");
    QTEST(layout.buttonTop, "buttonTop");
}

void SheetTextsTest::projectName_data()
{
    QTest::addColumn<QString>("sheetText");
    QTest::addColumn<QString>("name");

    // The template as it comes, one paragraph to a line.
    const QString heading
        = QStringLiteral("\n\uFFFC\n       Calculation Results and Record Sheet\n\n      \n");
    QTest::newRow("none typed") << heading + "Project Name:\nEquipment No:\n\n"
                                << "";
    QTest::newRow("only blanks") << heading + "Project Name:   \t \nEquipment No:\n"
                                 << "";
    QTest::newRow("blanks around, inner ones kept")
        << heading + "Project Name: \t Riverside Clinic,  Phase 2 \t\nEquipment No: MDP-1"
        << "Riverside Clinic,  Phase 2";
    QTest::newRow("typed right after the label") << "Project Name:Depot"
                                                 << "Depot";
    // The next paragraph is not the name, however close.
    QTest::newRow("the name on a line of its own")
        << heading + "Project Name:\nRiverside Clinic\nEquipment No:"
        << "";
    QTest::newRow("the first of two labels") << "Project Name: A\nProject Name: B"
                                             << "A";
    QTest::newRow("label moved off the paragraph's start")
        << heading + "  Project Name: Depot\nEquipment No:"
        << "";
    QTest::newRow("label deleted, a report quoting it")
        << heading + "Equipment No:\nCalculation Type: Conduit Fill\nProject Name: Depot"
        << "";
}

void SheetTextsTest::projectName()
{
    QFETCH(QString, sheetText);
    QTEST(QString::fromStdString(ProjectNameOf(sheetText.toStdString())), "name");
}

TAVILON_ENGINE_TEST_MAIN(SheetTextsTest)
#include "sheet_texts_test.moc"
