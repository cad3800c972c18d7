// The reader of src/nec/data's tables: what it reads, and the faults it refuses, with the
// line where the faulty row starts.

#include "nec/csv_reader.h"
#include "test_main.h"

class CsvReaderTest : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
};

void CsvReaderTest::reads_data()
{
    QTest::addColumn<QByteArray>("text");
    // The header and each row, the cells joined by "|", an unconfirmed cell followed by
    // " (?)"; or the line of the fault.
    QTest::addColumn<QStringList>("read");

    QTest::newRow("line ends, the last one left out")
        << QByteArray("a,b\r\n1,2\n3,4") << QStringList {"a|b", "1|2", "3|4"};
    QTest::newRow("header only") << QByteArray("a,b\n") << QStringList {"a|b"};
    QTest::newRow("quoted comma") << QByteArray("types,size\n\"THHN, THWN\",14 AWG\n")
                                  << QStringList {"types|size", "THHN, THWN|14 AWG"};
    QTest::newRow("doubled quotes and a line end inside quotes") << QByteArray(
        "a,b\n\"say \"\"hi\"\"\",\"x\ny\"\n") << QStringList {"a|b", "say \"hi\"|x\ny"};
    QTest::newRow("empty cells") << QByteArray("a,b,c\n,\"\",\n") << QStringList {"a|b|c", "||"};
    QTest::newRow("unconfirmed, in quotes too") << QByteArray(
        "size,c,d\n14 AWG,389?,\"x, y?\"\n") << QStringList {"size|c|d", "14 AWG|389 (?)|x, y (?)"};
    QTest::newRow("the mark alone, twice, inside")
        << QByteArray("a,b,c\n?,x??,why? not\n") << QStringList {"a|b|c", " (?)|x? (?)|why? not"};
    QTest::newRow("header keeps its mark") << QByteArray("a?\n1\n") << QStringList {"a?", "1"};

    QTest::newRow("empty") << QByteArray() << QStringList {"fault at line 1"};
    QTest::newRow("short row") << QByteArray("a,b\n1\n") << QStringList {"fault at line 2"};
    QTest::newRow("long row") << QByteArray("a,b\n1,2\n1,2,3\n") << QStringList {"fault at line 3"};
    QTest::newRow("blank line") << QByteArray("a,b\n1,2\n\n3,4\n")
                                << QStringList {"fault at line 3"};
    QTest::newRow("unclosed quote") << QByteArray("a\n\"x\n") << QStringList {"fault at line 2"};
    QTest::newRow("quote inside a plain cell")
        << QByteArray("a\nx\"y\n") << QStringList {"fault at line 2"};
    QTest::newRow("text after a closing quote")
        << QByteArray("a\n\"x\"y\n") << QStringList {"fault at line 2"};
    QTest::newRow("carriage return alone")
        << QByteArray("a,b\r1,2\n") << QStringList {"fault at line 1"};
    QTest::newRow("repeated column")
        << QByteArray("a,b,a\n1,2,3\n") << QStringList {"fault at line 1"};
    QTest::newRow("lines counted through quotes")
        << QByteArray("a\n\"x\ny\"\n\"z\n") << QStringList {"fault at line 4"};
}

void CsvReaderTest::reads()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, read);
    const nec::CsvReading reading = nec::ReadCsv(text.toStdString());
    QStringList found;
    if (reading.Error) {
        QVERIFY(!reading.Error->Reason.empty());
        found << QString("fault at line %1").arg(reading.Error->Line);
    } else {
        QStringList header;
        for (const std::string& name : reading.Table.Header)
            header << QString::fromStdString(name);
        found << header.join('|');
        for (const std::vector<nec::CsvCell>& row : reading.Table.Rows) {
            QStringList cells;
            for (const nec::CsvCell& cell : row)
                cells << QString::fromStdString(cell.Text) + (cell.Unconfirmed ? " (?)" : "");
            found << cells.join('|');
        }
    }
    QCOMPARE(found, read);
}

TAVILON_ENGINE_TEST_MAIN(CsvReaderTest)
#include "csv_reader_test.moc"
