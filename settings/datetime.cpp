// SPDX-License-Identifier: MIT
#include "settings/datetime.h"

#include <cmath>

namespace {
constexpr double MillisecondsPerDay = 86400000.0;
} // namespace

double StoredDateTime::fromDateTime(const QDateTime &dateTime)
{
    const double days = double(FirstDay.daysTo(dateTime.date()));
    const double fraction = dateTime.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime StoredDateTime::toDateTime(double stored)
{
    // Qt's dates end long before a double does.
    if (!std::isfinite(stored) || std::fabs(stored) > 1e9)
        return {};
    double wholeDays = std::trunc(stored);
    qint64 milliseconds = std::llround(std::fabs(stored - wholeDays) * MillisecondsPerDay);
    // Rounding can carry into the next day.
    if (milliseconds >= qint64(MillisecondsPerDay)) {
        milliseconds -= qint64(MillisecondsPerDay);
        wholeDays += stored >= 0 ? 1 : -1;
    }
    return QDateTime(FirstDay.addDays(qint64(wholeDays)), QTime::fromMSecsSinceStartOfDay(int(milliseconds)));
}
