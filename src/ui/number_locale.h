#pragma once

// Bridges the toolkit-free number texts and Qt: the user's locale supplies the
// separators, and texts cross as UTF-8.

#include "app/number_text.h"

#include <QString>

#include <optional>

namespace ui {

numtext::Separators localeSeparators();

std::optional<double> toNumber(const QString& text);
std::optional<qint16> toInt16(const QString& text);

// A value the program writes, in the user's number form: 3.0 with Mask::Fixed1 reads
// "3,0" where the decimal separator is a comma, so that the box accepts it back.
QString format(double value, numtext::Mask mask);

inline QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string toStd(const QString& text)
{
    return text.toStdString();
}

} // namespace ui
