#pragma once

#include <QString>
#include <ctime>
#include <string>

// Dates and times in the formats of the process's locale (LC_TIME, as set with setlocale): the short
// date is its date format, the long time its time format and the short time that format without the
// seconds.
QString ShortDateText(const std::tm &time);
QString LongTimeText(const std::tm &time);
QString ShortTimeText(const std::tm &time);
// The short date, a space and the long time; the date alone when the time is exactly midnight.
QString DateTimeText(const std::tm &time);

// A strftime time format without its seconds and the separator before them ("%H:%M:%S" gives
// "%H:%M", "%I:%M:%S %p" gives "%I:%M %p"); %T and %r are expanded first, the latter to
// `twelveHourFormat`. A format without seconds is returned as it is.
std::string ShortTimeFormat(const std::string &timeFormat, const std::string &twelveHourFormat);
