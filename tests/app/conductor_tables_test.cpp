#include "app/conductor_tables.h"
#include "app/design_data_documents.h"
#include "test_main.h"

#include <QMap>
#include <QRegularExpression>

class ConductorTablesTest : public QObject
{
    Q_OBJECT
private slots:
    void landmarkRows_data();
    void landmarkRows();
    void smallConductorLimits();
    void rowPastTableReadsEmpty();
    void rowsOutsideTableReadEmpty();
    void smallSizesHaveNoReactance();
    void resistanceSeriesAreSeparate();
    void sizesRiseSteadily();
    void ampacityDocumentAgrees();
};

void ConductorTablesTest::landmarkRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("areaCmil");

    QTest::newRow("first") << 0 << "18 awg" << 1620;
    QTest::newRow("14 awg") << 2 << "14 awg" << 4110;
    QTest::newRow("12 awg") << 3 << "12 awg" << 6530;
    QTest::newRow("1/0 awg") << 11 << "1/0 awg" << 105600;
    QTest::newRow("250 kcmil") << 15 << "250 kcmil" << 250000;
    QTest::newRow("largest") << 22 << "1000 kcmil" << 1000000;
}

void ConductorTablesTest::landmarkRows()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(int, areaCmil);
    QCOMPARE(QString::fromLatin1(
                 ConductorTable(row).SizeName.data(), ConductorTable(row).SizeName.size()),
        name);
    QCOMPARE(ConductorTable(row).AreaCmil, areaCmil);
}

void ConductorTablesTest::smallConductorLimits()
{
    QCOMPARE(ConductorTable(2).AmpsCu75, 15); // not the 20 A of the ampacity table
    QCOMPARE(ConductorTable(3).AmpsAl75, 15);
    QCOMPARE(ConductorTable(3).AmpsCu75, 20);
    QCOMPARE(ConductorTable(4).AmpsCu75, 30);
    QCOMPARE(ConductorTable(4).AmpsAl75, 25);
    QCOMPARE(ConductorTable(0).amps(AmpsColumn::AmpsCu90), 14);
    QCOMPARE(ConductorTable(1).amps(AmpsColumn::AmpsCu90), 18);
    QCOMPARE(ConductorTable(0).amps(AmpsColumn::AmpsAl90), 7);
    QCOMPARE(ConductorTable(5).amps(AmpsColumn::AmpsCu90), 55);
    QCOMPARE(ConductorTable(22).amps(AmpsColumn::AmpsAl90), 500);
}

void ConductorTablesTest::rowPastTableReadsEmpty()
{
    const ConductorRow& row = ConductorTable(kRowPastTable);
    QVERIFY(row.SizeName.empty());
    QCOMPARE(row.AreaCmil, 0);
    for (AmpsColumn column :
        {AmpsColumn::AmpsCu75, AmpsColumn::AmpsAl75, AmpsColumn::AmpsCu90, AmpsColumn::AmpsAl90})
        QCOMPARE(row.amps(column), 0);
    for (int column = 0; column < kImpedanceColumns; ++column)
        QCOMPARE(ImpedanceTable(kRowPastTable, static_cast<ImpedanceColumn>(column)), 0.0);
}

void ConductorTablesTest::rowsOutsideTableReadEmpty()
{
    for (int row : {-1, 24, 1000}) {
        QVERIFY(ConductorTable(row).SizeName.empty());
        QCOMPARE(ImpedanceTable(row, ImpedanceColumn::RacCuSteel), 0.0);
    }
}

void ConductorTablesTest::smallSizesHaveNoReactance()
{
    for (int row : {0, 1}) {
        QCOMPARE(ImpedanceTable(row, ImpedanceColumn::XlPvcAl), 0.0);
        QCOMPARE(ImpedanceTable(row, ImpedanceColumn::XlSteel), 0.0);
        QVERIFY(ImpedanceTable(row, ImpedanceColumn::RacCuSteel) > 0);
    }
    QCOMPARE(ImpedanceTable(2, ImpedanceColumn::XlSteel), 0.073);
}

void ConductorTablesTest::resistanceSeriesAreSeparate()
{
    QCOMPARE(ImpedanceTable(14, ImpedanceColumn::RacAlSteel), 0.1);
    QCOMPARE(ImpedanceTable(14, ImpedanceColumn::RdcCuUncoated), 0.0608);
    QCOMPARE(ImpedanceTable(14, ImpedanceColumn::RdcCuCoated), 0.0626);
    QCOMPARE(ImpedanceTable(8, ImpedanceColumn::RacAlAl), 0.41);
    QCOMPARE(ImpedanceTable(3, ImpedanceColumn::RdcAl), 3.25);
    QCOMPARE(ImpedanceTable(22, ImpedanceColumn::RdcAl), 0.0212);
}

void ConductorTablesTest::sizesRiseSteadily()
{
    // Every larger size has more area, no less ampacity and less DC resistance: a
    // transposed digit in the tables breaks one of these.
    for (int row = 1; row <= kLastSizeRow; ++row) {
        QVERIFY2(ConductorTable(row).AreaCmil > ConductorTable(row - 1).AreaCmil,
            qPrintable(QString::number(row)));
        QVERIFY(ImpedanceTable(row, ImpedanceColumn::RdcCuUncoated)
            < ImpedanceTable(row - 1, ImpedanceColumn::RdcCuUncoated));
        QVERIFY(ImpedanceTable(row, ImpedanceColumn::RdcAl)
            < ImpedanceTable(row - 1, ImpedanceColumn::RdcAl));
        if (row > 4) {
            QVERIFY(ConductorTable(row).AmpsCu75 > ConductorTable(row - 1).AmpsCu75);
            QVERIFY(ConductorTable(row).AmpsAl90 > ConductorTable(row - 1).AmpsAl90);
        }
    }
}

// The Design Data page's ampacity table shows, from 8 awg up, the very ampacities the
// calculator works with; the smaller sizes show the table's own values, with the limits
// of their overcurrent protection marked.
void ConductorTablesTest::ampacityDocumentAgrees()
{
    QMap<QString, QStringList> documentRows; // by size, without its unit
    const QString html = designDocumentHtml(DesignDocument::WireAmpacities);
    static const QRegularExpression rowPattern(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cellPattern(QStringLiteral("<td[^>]*>(.*?)</td>"));
    for (const QRegularExpressionMatch& row : rowPattern.globalMatch(html)) {
        QStringList cells;
        for (const QRegularExpressionMatch& cell : cellPattern.globalMatch(row.captured(1)))
            cells << cell.captured(1);
        if (cells.size() == 5)
            documentRows.insert(cells.takeFirst(), cells);
    }

    for (int row = kRow8Awg; row <= kLastSizeRow; ++row) {
        const ConductorRow& conductor = ConductorTable(row);
        const QString size
            = QString::fromLatin1(conductor.SizeName.data(), conductor.SizeName.size())
                  .section(QLatin1Char(' '), 0, 0);
        // Copper 75 C and 90 C, then aluminum 75 C and 90 C.
        const QStringList expected {QString::number(conductor.AmpsCu75),
            QString::number(conductor.AmpsCu90), QString::number(conductor.AmpsAl75),
            QString::number(conductor.AmpsAl90)};
        QVERIFY2(documentRows.contains(size), qPrintable(size));
        QCOMPARE(documentRows.value(size), expected);
    }
}

TAVILON_ENGINE_TEST_MAIN(ConductorTablesTest)
#include "conductor_tables_test.moc"
