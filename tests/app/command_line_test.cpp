#include "test_main.h"

#include <QProcess>
#include <QTemporaryDir>

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void endsBeforeAnyWindow_data();
    void endsBeforeAnyWindow();

private:
    QTemporaryDir m_runtime; // the session's own folder, as the desktop gives one
};

void CommandLineTest::endsBeforeAnyWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // on standard output
    QTest::addColumn<QString>("errors"); // on standard error

    QTest::newRow("help") << QStringList {"--help"} << 0 << "Usage: "
                          << "";
    QTest::newRow("short help") << QStringList {"-h"} << 0 << "[FILE]"
                                << "";
    QTest::newRow("version") << QStringList {"--version"} << 0 << "Tavilon 1.0.0\n"
                             << "";
    QTest::newRow("an unknown option")
        << QStringList {"--frobnicate"} << 2 << ""
        << "tavilon: Unknown option 'frobnicate'.\nUsage: tavilon [--help] [--version] [FILE]\n";
    QTest::newRow("a second file")
        << QStringList {"one.tavilon", "two.tavilon"} << 2 << ""
        << "tavilon: one sheet at a time, not 2\nUsage: tavilon [--help] [--version] [FILE]\n";
    // Qt's own options are Qt's: they do not count as the program's.
    QTest::newRow("Qt's options stay Qt's")
        << QStringList {"-style", "fusion", "--version"} << 0 << "Tavilon 1.0.0\n"
        << "";
}

void CommandLineTest::endsBeforeAnyWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TAVILON_PROGRAM), arguments);
    // A window would keep the program running past this.
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "status");
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    QVERIFY2(output.isEmpty() ? printed.isEmpty() : printed.contains(output), qPrintable(printed));
    if (QTest::currentDataTag() == QLatin1String("version")
        || QTest::currentDataTag() == QLatin1String("Qt's options stay Qt's"))
        QCOMPARE(printed, output);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), errors);
}

TAVILON_ENGINE_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
