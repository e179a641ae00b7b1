// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// The media players of the desktop session.
class MediaPlayers {
public:
    virtual ~MediaPlayers() = default;
    // Asks every player that is playing to pause; done runs once all have
    // answered, or after a short time at most, whatever they do.
    virtual void pauseAll(std::function<void()> done) = 0;
};
