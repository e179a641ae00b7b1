// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTime>
#include <optional>

class SetupView;

// A whole number as the command line gives it: leading blanks, an optional
// sign, and "$", "x", "X", "0x" or "0X" before hexadecimal digits. The whole
// text must be used up and fit 32 bits; otherwise empty.
std::optional<qint32> WholeNumberFromText(const QString &text);

// A time of day: hour, optionally minutes, seconds (with the locale's time
// separator) and milliseconds (after its decimal separator), blanks around
// the parts, and an AM or PM marker before or after (the locale's words or
// the letters, any case). With a marker the hour is 1 to 12. The whole text
// must be used up; otherwise empty.
std::optional<QTime> TimeOfDayFromText(const QString &text, const QLocale &locale);

enum class CommandLineOutcome {
    Nothing,           // no arguments
    InvalidParameters, // something did not convert: report it, start nothing
    Start,             // click Start, as the user would
};

// Fills the setup fields from the program's arguments (those after the
// program's name): "registry" alone, or minutes, end action ("sd", "sm",
// "am") and, for "am", the alarm time, "tm" or "td", the wake-up volume and
// the start file. Every argument is applied even after one failed; the
// fields that converted keep their new values.
CommandLineOutcome ApplyCommandLine(const QStringList &arguments, SetupView &view, const QLocale &locale);

// What the program prints for --help and --version.
QString CommandLineHelp(const QString &dataFolder);
QString CommandLineVersion();
