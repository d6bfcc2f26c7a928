#include "report/engine/SystemDataText.h"

#include <langinfo.h>

namespace {
QString Formatted(const char *format, const std::tm &time)
{
    char text[256];
    const size_t length = std::strftime(text, sizeof text, format, &time);
    return QString::fromLocal8Bit(text, static_cast<qsizetype>(length));
}

void ReplaceAll(std::string &text, const std::string &from, const std::string &to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}
} // namespace

QString ShortDateText(const std::tm &time)
{
    return Formatted(nl_langinfo(D_FMT), time);
}

QString LongTimeText(const std::tm &time)
{
    return Formatted(nl_langinfo(T_FMT), time);
}

QString ShortTimeText(const std::tm &time)
{
    return Formatted(ShortTimeFormat(nl_langinfo(T_FMT), nl_langinfo(T_FMT_AMPM)).c_str(), time);
}

QString DateTimeText(const std::tm &time)
{
    if (time.tm_hour == 0 && time.tm_min == 0 && time.tm_sec == 0)
        return ShortDateText(time);
    return ShortDateText(time) + QLatin1Char(' ') + LongTimeText(time);
}

std::string ShortTimeFormat(const std::string &timeFormat, const std::string &twelveHourFormat)
{
    std::string format = timeFormat;
    ReplaceAll(format, "%T", "%H:%M:%S");
    ReplaceAll(format, "%r", twelveHourFormat);
    // The literal text after the previous conversion is the seconds' separator.
    size_t previousEnd = 0;
    for (size_t at = 0; at + 1 < format.size(); ++at) {
        if (format[at] != '%')
            continue;
        size_t letter = at + 1;
        if ((format[letter] == 'E' || format[letter] == 'O') && letter + 1 < format.size())
            ++letter;
        if (format[letter] == 'S') {
            format.erase(previousEnd, letter + 1 - previousEnd);
            return format;
        }
        previousEnd = letter + 1;
        at = letter;
    }
    return format;
}
