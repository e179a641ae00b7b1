// SPDX-License-Identifier: MIT
#include "settings/setup.h"

namespace {

// A field's whole number in [1, max]. A text that is not a plain decimal
// number (possible only from stored settings or a signed command-line value)
// or is out of range counts as unset.
std::optional<quint8> fieldNumber(const QString &text, uint max)
{
    if (text.isEmpty() || text.size() > 3)
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const uint number = text.toUInt();
    if (number < 1 || number > max)
        return std::nullopt;
    return quint8(number);
}

} // namespace

std::optional<quint8> Setup::minutesValue() const
{
    return fieldNumber(minutes, 255);
}

std::optional<quint8> Setup::wakeUpPercentValue() const
{
    return fieldNumber(wakeUpPercent, 100);
}

void Setup::takeFieldsFrom(const Setup &window)
{
    const bool decibels = decibelFade;
    *this = window;
    decibelFade = decibels;
}
