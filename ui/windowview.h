// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the window shows of the night, told as one value: whether a night
// runs or its wake-up sounds, the status line, and the title.
struct WindowView {
    enum class State {
        Idle,     // the setup can be changed; Start
        Running,  // the setup is disabled; Cancel; a close waits for the night's end
        Sounding, // a press anywhere only silences the wake-up; a close waits for it
    };

    State state = State::Idle;
    QString status; // the status line
    QString rest;   // what the status line says when it is cleared
    QString title;  // while a night runs, its percent; empty: the rest caption
    // Counts the sayings: the status line is set again for each, also for
    // words it had before (the window's own rules may have cleared them).
    quint64 said = 0;

    bool operator==(const WindowView &other) const
    {
        return state == other.state && status == other.status && rest == other.rest && title == other.title
            && said == other.said;
    }
};
