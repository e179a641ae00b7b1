// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// What one run of the program is asked to do, read from its arguments (those
// after its name). Options begin with "--" ("-h" and "-help" ask for help
// too); any other word that begins with "-" and no digit is misuse, and the
// rest belong to a start command line (minutes, end action, ...; see
// CommandLine::apply).
struct Invocation {
    enum class Kind {
        Start,   // open the window, or hand over to the Somnelle that runs; with words, start a session
        Help,    // --help, -h, -help
        Version, // --version
        Status,  // --status: ask the Somnelle that runs
        Cancel,  // --cancel
        Extend,  // --extend MINUTES
        Resume,  // --resume: where the listener fell asleep
        Misuse,  // an unknown option, or words an option does not take: error says which
    };

    Kind kind = Kind::Start;
    QStringList words; // Start: the start command line, without its options
    // Start: --dry-run. With a start command line, that session is a dry run;
    // the window this run opens makes every Start one.
    bool dryRun = false;
    bool sleepUntilAlarm = false; // Start: --sleep-until-alarm, with an alarm ("am") only
    bool endWithTrack = false;    // Start: --end-with-track, an action without minutes
    bool decibelFade = false;     // Start: --decibel-fade
    int minutes = 0;              // Extend
    QString error;                // Misuse: one line for standard error
    // Start: the folder of the command that typed the words, where a relative start file is.
    QString folder;

    static Invocation parse(const QStringList &arguments);
    // "registry": the setup stored by the last session, whatever the window shows.
    bool usesStoredSetup() const { return words.value(0) == QLatin1String("registry"); }
    // Of the start command line's words: the action, and the alarm's (the minutes are left out with the track).
    QString action() const { return words.value(endWithTrack ? 0 : 1); }
    QString startFileWord() const { return words.value(endWithTrack ? 4 : 5); }
};
