#pragma once

// Bridges the toolkit-free number texts and Qt: the user's locale supplies the
// separators, and texts cross as UTF-8.

#include "app/number_text.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace ui {

numtext::Separators localeSeparators();

std::optional<double> toNumber(const QString& text);
std::optional<qint16> toInt16(const QString& text);

// A value the program writes, in the user's number form: 3.0 with Mask::Fixed1 reads
// "3,0" where the decimal separator is a comma, so that the box accepts it back.
QString format(double value, numtext::Mask mask);

inline QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string toStd(const QString& text)
{
    return text.toStdString();
}

} // namespace ui
