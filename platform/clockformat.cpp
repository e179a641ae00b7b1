// SPDX-License-Identifier: MIT
#include "platform/clockformat.h"

#include <QRegularExpression>

namespace {

// Qt's formats come from CLDR, whose day period "B" ("in the morning") Qt 6.4
// does not know and would print as the letter: the AM/PM text stands in. Its
// time zone ("t") has no place in a time of day.
QString usable(QString format)
{
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('B'))
            out += QLatin1String("AP");
        else if (quoted || c != QLatin1Char('t'))
            out += c;
    }
    // What held the zone: brackets left empty, and the blanks around it.
    return out.remove(QRegularExpression(QStringLiteral("[\\[(]\\s*[\\])]"))).simplified();
}

} // namespace

QString ClockFormat::hoursAndMinutes(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("HH:mm");
    return usable(locale.timeFormat(QLocale::ShortFormat));
}

QString ClockFormat::withSeconds(const QLocale &locale)
{
    return usable(locale.timeFormat(QLocale::LongFormat));
}
