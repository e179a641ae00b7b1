#pragma once

#include <QtGlobal>
#include <vector>

struct pa_context;
struct pa_glib_mainloop;
struct pa_sink_info;

// The default sink of a sound server that speaks PulseAudio's protocol
// (PulseAudio, or PipeWire through pipewire-pulse), reached with libpulse on
// the program's own event loop: no thread, and one request and one answer
// for each volume change. Everything is asynchronous; a connection that
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
    // Lets go of the connection as soon as the volumes sent are answered.
    void close();

private:
    static void onStateChanged(pa_context *context, void *self);
    static void onSinkInfo(pa_context *context, const pa_sink_info *info, int last, void *self);
    static void onVolumeSet(pa_context *context, int success, void *self);
    void drop();

    pa_glib_mainloop *loop_ = nullptr;
    pa_context *context_ = nullptr;
    std::vector<long> channels_; // as last read or set; empty until ready
    int unanswered_ = 0;
    bool closing_ = false;
};
