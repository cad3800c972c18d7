#include "ui/number_locale.h"

#include <QLocale>

namespace ui {

numtext::Separators localeSeparators()
{
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::optional<double> toNumber(const QString& text)
{
    return numtext::toNumber(text.toStdString(), localeSeparators());
}

std::optional<qint16> toInt16(const QString& text)
{
    return numtext::toInt16(text.toStdString(), localeSeparators());
}

QString format(double value, numtext::Mask mask)
{
    return QString::fromStdString(numtext::format(value, mask, localeSeparators()));
}

} // namespace ui
