// Start-up benchmark: the time from process start to the first painted frame, and the
// peak resident memory at that moment, of the program's main window against a bare Qt
// window with a five-page tab control. Each run is a fresh process; the two alternate.
//
// Usage: tavilon_startup_benchmark [--runs N]
// The probes run on the platform plugin QT_QPA_PLATFORM names (xcb under xvfb-run for
// realistic figures, offscreen for a display-free comparison).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Sample
{
    double milliseconds = 0;
    qint64 peakKb = 0; // VmHWM
};

// The high-water mark of the process's resident set, in kB.
std::optional<qint64> peakResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return std::nullopt;
}

std::optional<Sample> runOnce(const QString& program)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted(10000))
        return std::nullopt;
    QByteArray output;
    while (!output.contains('\n')) {
        if (!process.waitForReadyRead(30000))
            break;
        output += process.readAllStandardOutput();
    }
    Sample sample;
    sample.milliseconds = clock.nsecsElapsed() / 1e6;
    const std::optional<qint64> peak = peakResidentKb(process.processId());
    process.kill();
    process.waitForFinished();
    if (!output.startsWith("first frame") || !peak) {
        std::fputs(process.readAllStandardError().constData(), stderr);
        return std::nullopt;
    }
    sample.peakKb = *peak;
    return sample;
}

template<typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series
{
    const char* name;
    QString program;
    std::vector<double> milliseconds;
    std::vector<double> peakKb;

    // Starts the probe once and keeps its figures; false when it gave no first frame.
    bool measure(bool keep = true)
    {
        const std::optional<Sample> sample = runOnce(program);
        if (!sample) {
            std::fprintf(stderr, "%s gave no first frame\n", qPrintable(program));
            return false;
        }
        if (keep) {
            milliseconds.push_back(sample->milliseconds);
            peakKb.push_back(static_cast<double>(sample->peakKb));
        }
        return true;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int runs = 20;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--runs")); at > 0)
        runs = std::max(1, arguments.value(at + 1).toInt());

    const QDir here(QCoreApplication::applicationDirPath());
    Series bare {"bare window", here.filePath(QStringLiteral("tavilon_bare_probe")), {}, {}};
    Series tavilon {"main window", here.filePath(QStringLiteral("tavilon_startup_probe")), {}, {}};

    // One unmeasured start of each fills the file cache.
    if (!bare.measure(false) || !tavilon.measure(false))
        return 1;

    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        if (!bare.measure() || !tavilon.measure())
            return 1;
        ratios.push_back(tavilon.milliseconds.back() / bare.milliseconds.back());
    }

    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d cores, %d runs of each, alternating\n",
        platform.isEmpty() ? "(default)" : platform.constData(), QThread::idealThreadCount(), runs);
    std::printf("%-12s %22s %22s\n", "", "median to first frame", "median VmHWM");
    for (const Series* series : {&bare, &tavilon}) {
        std::printf("%-12s %19.1f ms %19.0f kB\n", series->name, median(series->milliseconds),
            median(series->peakKb));
    }
    std::printf("%-12s %22.2f %22.2f\n", "ratio",
        median(tavilon.milliseconds) / median(bare.milliseconds),
        median(tavilon.peakKb) / median(bare.peakKb));
    std::printf("median of the paired ratios %.2f\n", median(ratios));
    return 0;
}
