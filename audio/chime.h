// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// A wake-up sound of the program's own, for when the start file cannot play.
class Chime {
public:
    virtual ~Chime() = default;
    // Starts a minute of chiming without blocking the caller; false when no
    // sound device could be opened.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Calls done on this thread once the chime has played out or been
    // stopped; at once when it is silent. A new call replaces the old one.
    virtual void whenSilent(std::function<void()> done) = 0;
};
