// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>

// Date-times as stored: days since 1899-12-30 in a double, the time of day as
// the fraction. Before that day the whole days count back and the fraction
// still counts forward into the day (-1.25 is 1899-12-29 06:00).
namespace StoredDateTime {

// The day the count starts from.
inline const QDate FirstDay {1899, 12, 30};

double fromDateTime(const QDateTime &dateTime);
// Exact to the millisecond; an invalid or out-of-range value gives an invalid QDateTime.
QDateTime toDateTime(double stored);

} // namespace StoredDateTime
