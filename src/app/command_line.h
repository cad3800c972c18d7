#pragma once

// The program's command line: `tavilon [FILE]`, FILE a Tavilon sheet to open beside the
// main window, with --help and --version. Qt's own options (-platform, -style, ...) are
// taken by the application object before this reads what is left.

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine
{
    QString sheetFile; // empty: none
    // When set, the program ends with this status before any window opens: 0 after
    // --help or --version, 2 after a command line it does not understand.
    std::optional<int> exitStatus;
};

// Reads the arguments of the running application; what --help, --version or a wrong
// command line print goes to standard output or standard error.
CommandLine readCommandLine(const QStringList& arguments);
