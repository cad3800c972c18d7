#include "nec/csv_reader.h"
#include "test_main.h"

namespace {

// A row as the expected columns write it: the cells joined by "|", an unconfirmed
// cell followed by " (?)".
QString rowText(const std::vector<nec::CsvCell>& row)
{
    QStringList cells;
    for (const nec::CsvCell& cell : row)
        cells << QString::fromStdString(cell.Text) + (cell.Unconfirmed ? " (?)" : "");
    return cells.join('|');
}

} // namespace

class CsvReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void findsColumnsByName();
};

void CsvReaderTest::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("plain") << QByteArray("a,b\n1,2\n") << "a|b" << QStringList {"1|2"};
    QTest::newRow("carriage returns")
        << QByteArray("a,b\r\n1,2\r\n3,4\r\n") << "a|b" << QStringList {"1|2", "3|4"};
    QTest::newRow("no line end at the end")
        << QByteArray("a,b\n1,2") << "a|b" << QStringList {"1|2"};
    QTest::newRow("header only") << QByteArray("a,b\n") << "a|b" << QStringList {};
    QTest::newRow("quoted comma") << QByteArray("types,size\n\"THHN, THWN\",14 AWG\n")
                                  << "types|size" << QStringList {"THHN, THWN|14 AWG"};
    QTest::newRow("doubled quotes")
        << QByteArray("a\n\"say \"\"hi\"\"\"\n") << "a" << QStringList {"say \"hi\""};
    QTest::newRow("line end inside quotes")
        << QByteArray("a,b\n\"x\ny\",2\n") << "a|b" << QStringList {"x\ny|2"};
    QTest::newRow("empty cells") << QByteArray("a,b,c\n,,\n") << "a|b|c" << QStringList {"||"};
    QTest::newRow("empty quoted cell")
        << QByteArray("a,b\n\"\",2\n") << "a|b" << QStringList {"|2"};
    QTest::newRow("unconfirmed") << QByteArray("size,c\n14 AWG,389?\n") << "size|c"
                                 << QStringList {"14 AWG|389 (?)"};
    QTest::newRow("mark alone") << QByteArray("a\n?\n") << "a" << QStringList {" (?)"};
    QTest::newRow("mark inside quotes")
        << QByteArray("a\n\"x, y?\"\n") << "a" << QStringList {"x, y (?)"};
    QTest::newRow("mark twice keeps one")
        << QByteArray("a\nx??\n") << "a" << QStringList {"x? (?)"};
    QTest::newRow("question mark inside")
        << QByteArray("a\nwhy? not\n") << "a" << QStringList {"why? not"};
    QTest::newRow("header keeps its mark") << QByteArray("a?\n1\n") << "a?" << QStringList {"1"};
}

void CsvReaderTest::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, header);
    QFETCH(QStringList, rows);
    const nec::CsvReading reading = nec::ReadCsv(text.toStdString());
    QVERIFY2(!reading.Error, reading.Error ? reading.Error->Reason.c_str() : "");
    QStringList headerCells;
    for (const std::string& name : reading.Table.Header)
        headerCells << QString::fromStdString(name);
    QCOMPARE(headerCells.join('|'), header);
    QStringList read;
    for (const std::vector<nec::CsvCell>& row : reading.Table.Rows)
        read << rowText(row);
    QCOMPARE(read, rows);
}

void CsvReaderTest::refuses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");

    QTest::newRow("empty") << QByteArray() << 1;
    QTest::newRow("short row") << QByteArray("a,b\n1\n") << 2;
    QTest::newRow("long row") << QByteArray("a,b\n1,2\n1,2,3\n") << 3;
    QTest::newRow("blank line") << QByteArray("a,b\n1,2\n\n3,4\n") << 3;
    QTest::newRow("unclosed quote") << QByteArray("a\n\"x\n") << 2;
    QTest::newRow("quote inside a plain cell") << QByteArray("a\nx\"y\n") << 2;
    QTest::newRow("text after a closing quote") << QByteArray("a\n\"x\"y\n") << 2;
    QTest::newRow("carriage return alone") << QByteArray("a,b\r1,2\n") << 1;
    QTest::newRow("repeated column") << QByteArray("a,b,a\n1,2,3\n") << 1;
    QTest::newRow("lines counted through quotes") << QByteArray("a\n\"x\ny\"\n\"z\n") << 4;
}

void CsvReaderTest::refuses()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    const nec::CsvReading reading = nec::ReadCsv(text.toStdString());
    QVERIFY(reading.Error);
    QCOMPARE(reading.Error->Line, line);
    QVERIFY(!reading.Error->Reason.empty());
}

void CsvReaderTest::findsColumnsByName()
{
    const nec::CsvReading reading = nec::ReadCsv("size,cu_75C_A,al_75C_A\n");
    QCOMPARE(reading.Table.Column("size").value_or(99), 0u);
    QCOMPARE(reading.Table.Column("al_75C_A").value_or(99), 2u);
    QVERIFY(!reading.Table.Column("al_75C").has_value());
}

TAVILON_ENGINE_TEST_MAIN(CsvReaderTest)
#include "csv_reader_test.moc"
