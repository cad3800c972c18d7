#include "ui/date_time_text.h"

#include <QRegularExpression>

namespace ui {

QString generalDateTimeText(const QDateTime& moment, const QLocale& locale)
{
    QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy")))
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));

    // The long time format names the time zone ("t"); a record sheet does without it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression timeZone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    timeFormat.replace(timeZone, QStringLiteral(" "));
    timeFormat = timeFormat.trimmed();

    return locale.toString(moment.date(), dateFormat) + QLatin1Char(' ')
        + locale.toString(moment.time(), timeFormat);
}

} // namespace ui
