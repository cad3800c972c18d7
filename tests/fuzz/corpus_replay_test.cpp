// Replays a fuzzer's checked-in corpus as an ordinary test: every input must run through
// without tripping a property.

#include "test_main.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

class CorpusReplayTest : public QObject
{
    Q_OBJECT
private slots:
    void replay_data();
    void replay();
};

void CorpusReplayTest::replay_data()
{
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(TAVILON_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), TAVILON_FUZZ_CORPUS " holds no inputs");
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << corpus.filePath(file);
}

void CorpusReplayTest::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                 static_cast<std::size_t>(input.size())),
        0);
}

TAVILON_ENGINE_TEST_MAIN(CorpusReplayTest)
#include "corpus_replay_test.moc"
