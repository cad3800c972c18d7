#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

CommandLine refuse(const QString& reason)
{
    std::fprintf(
        stderr, "tavilon: %s\nUsage: tavilon [--help] [--version] [FILE]\n", qPrintable(reason));
    return {{}, kUsageError};
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Voltage drop, wire size, conduit fill and fault current for building wiring."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("A Tavilon sheet (.tavilon) to open beside the main window."),
        QStringLiteral("[FILE]"));
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {{}, 0};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return {{}, 0};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("one sheet at a time, not %1").arg(files.size()));
    return {files.value(0), std::nullopt};
}
