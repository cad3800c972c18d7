#pragma once

// The text engine's formats as the sheet file's named properties, and back.
//
// Every property Qt uses in a text document has a readable name and a kind of value in one
// table in sheet_formats.cpp ("font-point-size", a real number; "alignment", a list of
// words); enumerations are written as words, any value the table does not name as its
// number. A property outside the table (a later Qt's, or a program's own UserProperty) is
// carried as "qt-<number>" with its value as it is, when the file's values can hold it: yes
// or no, numbers, text, colours, solid and patterned brushes, pens, lengths, tab stops and
// lists of these. What they cannot hold (a gradient or texture brush, a value of another
// type) is left out. ObjectIndex, which ties a format to a list or frame of one document,
// is no property here: the file's structure says it.

#include "sheet/sheet_file.h"

#include <QString>
#include <QTextFormat>

#include <variant>
#include <vector>

// The file's kind of format for a block, char, list or frame (table) format.
sheetfile::FormatKind sheetFormatKind(const QTextFormat& format);

// The properties of a format, in the order of Qt's property numbers.
std::vector<sheetfile::Property> sheetProperties(const QTextFormat& format);

// A text format of the file's kind with the file's properties; or why not, in words. A name
// the table does not know is skipped when `skipUnknown` (in a file of a newer minor version)
// and refused otherwise; a value of the wrong kind is refused.
std::variant<QTextFormat, QString> textFormat(sheetfile::FormatKind kind,
    const std::vector<sheetfile::Property>& properties, bool skipUnknown);
