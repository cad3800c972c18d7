#pragma once

// Writing a file that is either whole or not there: the old file stays until the new one
// is complete.

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces the file at `path` with `bytes`; the reason it could not, from the file system.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);
