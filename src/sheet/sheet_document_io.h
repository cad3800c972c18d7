#pragma once

// Saving the Calculation Results Sheet's document as a Tavilon sheet file and opening it
// again; sheet_file.h describes the file, sheet_formats.h its properties. The document
// comes back as it was saved: its paragraphs with their text, character formats and
// paragraph formats (and the format of each paragraph mark, which an empty paragraph
// shows), its lists, tables and frames, its default font and indent width, and the images
// its formats name, which the file holds. An opened document has no undo history and is
// not modified.
//
// A refusal comes back as one or two sentences that do not name the file, so that the
// caller can put its name in front.

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

// No sheet is larger: a larger file is refused before it is read, and a larger sheet is not
// saved.
inline constexpr qint64 kMaxSheetFileBytes = 50 * 1024 * 1024;

// The document as the bytes of a sheet file.
QByteArray sheetFileBytes(const QTextDocument& document);

// Puts the document a sheet file's bytes hold into `into`, in place of what it held; or says
// why the bytes are refused, and leaves `into` as it was.
[[nodiscard]] std::optional<QString> readSheetFile(const QByteArray& bytes, QTextDocument* into);

// Writes the document to the file at `path` whole or not at all: when saving fails, the file
// is as it was and the reason comes back.
[[nodiscard]] std::optional<QString> saveSheet(const QTextDocument& document, const QString& path);

// Opens the sheet file at `path` into `into`; or says why it is refused, and leaves `into`
// as it was.
[[nodiscard]] std::optional<QString> openSheet(const QString& path, QTextDocument* into);
