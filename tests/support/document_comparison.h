#pragma once

// Compares two rich-text documents by what they hold, as the text engine keeps it: the
// default font and indent width, the frames, tables and cells with their formats and spans,
// the paragraphs with their formats, the format of their marks and their place in a list,
// the runs of text with their formats, and the images the image formats name.

#include <QString>

class QTextDocument;

namespace testsupport {

// Where `actual` first differs from `expected`, in words: "paragraph 12 (“Project Name:”),
// run 1: property 0x2003 is 400, not 700". Empty when they hold the same.
QString documentDifference(const QTextDocument& expected, const QTextDocument& actual);

} // namespace testsupport
