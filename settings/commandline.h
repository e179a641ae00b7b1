// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QTime>
#include <optional>

struct Setup;

namespace CommandLine {

// A whole number as the command line gives it: leading blanks, an optional
// sign, and "$", "x", "X", "0x" or "0X" before hexadecimal digits. The whole
// text must be used up and fit 32 bits; otherwise empty.
std::optional<qint32> wholeNumber(const QString &text);

// A time of day, written the same in every locale (scripts and shortcuts
// carry it from one to another): hour, optionally minutes and seconds after
// ":" and milliseconds after ".", blanks around the parts, and "AM" or "PM"
// before or after, in any case. With a marker the hour is 1 to 12. The whole
// text must be used up; otherwise empty.
std::optional<QTime> timeOfDay(const QString &text);

enum class Outcome {
    Nothing,           // no arguments
    InvalidParameters, // something did not convert: report it, start nothing
    Start,             // click Start, as the user would
};

// Fills a setup from a start command line's words: "registry" alone, or
// minutes, end action ("sd", "sm", "am") and, for "am", the alarm time, "tm"
// or "td", the wake-up volume and the start file. Every word is applied even
// after one failed; the values that converted keep their new values. More
// words than the form takes (an unquoted name with a blank) are invalid too.
// withTrack: the night lasts as long as the track, and the minutes are left out.
Outcome apply(const QStringList &words, Setup &setup, bool withTrack = false);

// What the program prints for --help and --version.
QString help(const QString &dataFolder);
QString version();

} // namespace CommandLine
