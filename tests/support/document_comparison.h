#pragma once

// Compares two rich-text documents by what the text engine holds: the default font and
// indent width, the frames and tables with their formats and cells, the paragraphs with
// their text, formats, marks and lists, the runs of text with their formats, and the
// images those name.

#include <QString>

class QTextDocument;

namespace testsupport {

// Where `actual` first differs from `expected`, in words; empty when they hold the same.
QString documentDifference(const QTextDocument& expected, const QTextDocument& actual);

} // namespace testsupport
