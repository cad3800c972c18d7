#pragma once

// The date and time as a report states them: the locale's short date with the full year,
// and its long time without a time zone (in the U.S. "12/8/2026 3:04:05 PM").

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace ui {

QString generalDateTimeText(const QDateTime& moment, const QLocale& locale = QLocale());

} // namespace ui
