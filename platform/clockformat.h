// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

// How the user's locale writes a time of day, for the texts people read (the
// status line, the warning, the wake-up picker). What scripts read keeps 24
// hours whatever the locale.
namespace ClockFormat {

// Hours and minutes as the locale writes them: "22:01", "22.01", "10:01 PM".
// The C locale's own has seconds: there it is "22:01".
QString hoursAndMinutes(const QLocale &locale);
// With the seconds, in the locale's one format: "22.01.48", "22 h 01 min 48 s".
QString withSeconds(const QLocale &locale);

} // namespace ClockFormat
