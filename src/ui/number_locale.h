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

inline QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}
inline std::string toStd(const QString& text)
{
    return text.toStdString();
}

} // namespace ui
