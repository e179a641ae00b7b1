// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

#include <QtGlobal>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_glib_mainloop;
struct pa_sink_info;

// The default sink of a sound server that speaks PulseAudio's protocol
// (PulseAudio, or PipeWire through pipewire-pulse), reached with libpulse on
// the program's own event loop: no thread, and one request and one answer
// for each change. Everything is asynchronous; a connection that
// fails is dropped and connect() starts another one.
class PulseSink {
public:
    // libpulse runs on GLib's main context, which Qt's event loop drives
    // unless Qt was built or told to do without GLib.
    static bool canRunHere();

    PulseSink();
    ~PulseSink();
    PulseSink(const PulseSink &) = delete;
    PulseSink &operator=(const PulseSink &) = delete;

    // Starts connecting, unless connected or on the way.
    void connect();
    // Connected, and the sink's channels known.
    bool isReady() const;
    // Only when ready: sets the loudest channel to the level, keeping the
    // balance. The answer comes later; a refusal drops the connection.
    void setLevel(quint16 level);
    // Only when ready: whether the sink is muted, as it was on connecting or
    // as last set here. A fade has the sink to itself: what others may
    // change meanwhile is not followed, which would cost a wake-up a tick.
    bool isMuted() const { return muted_; }
    // Only when ready: mutes or unmutes the sink; the answer comes later.
    void setMuted(bool muted);
    // Lets go of the connection as soon as the requests sent are answered.
    void close();
    // Requests sent are not all answered yet.
    bool isBusy() const { return unanswered_ > 0; }
    // At the program's end, which comes without another turn of the event
    // loop: runs the loop until the requests are answered, for `most` at most.
    void flush(std::chrono::milliseconds most);

private:
    static void onStateChanged(pa_context *context, void *self);
    static void onSinkInfo(pa_context *context, const pa_sink_info *info, int last, void *self);
    static void onAnswered(pa_context *context, int success, void *self);
    // Counts a request sent, or drops the connection when it could not be.
    void sent(pa_operation *operation);
    void drop();

    pa_glib_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    std::vector<long> channels_; // as last read or set; empty until ready
    bool muted_ = false;
    int unanswered_ = 0;
    bool closing_ = false;
};
