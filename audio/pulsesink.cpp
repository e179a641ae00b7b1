// SPDX-License-Identifier: MIT
#include "audio/pulsesink.h"
#include "audio/levels.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QThread>
#include <glib.h>
#include <pulse/context.h>
#include <pulse/glib-mainloop.h>
#include <pulse/introspect.h>
#include <pulse/volume.h>

namespace {

// Understood by both servers: whichever sink is the default when asked.
const char *const DefaultSink = "@DEFAULT_SINK@";
const Levels::RawRange SinkRange {PA_VOLUME_MUTED, PA_VOLUME_NORM};

} // namespace

bool PulseSink::canRunHere()
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    return dispatcher && dispatcher->inherits("QEventDispatcherGlib");
}

PulseSink::PulseSink() = default;

PulseSink::~PulseSink()
{
    drop();
    if (loop_)
        pa_glib_mainloop_free(loop_);
}

void PulseSink::connect()
{
    closing_ = false;
    if (context_)
        return;
    // Made with the first connection: the main loop's source runs at every wake-up of the event loop.
    if (!loop_)
        loop_ = pa_glib_mainloop_new(nullptr);
    context_ = pa_context_new(pa_glib_mainloop_get_api(loop_), "Somnelle");
    if (!context_)
        return;
    pa_context_set_state_callback(context_, onStateChanged, this);
    // A sleep timer never starts a sound server of its own.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        drop();
}

bool PulseSink::isReady() const
{
    return context_ && !channels_.empty();
}

void PulseSink::setLevel(quint16 level)
{
    if (!isReady())
        return;
    channels_ = Levels::keepingBalance(level, SinkRange, channels_);
    pa_cvolume volume;
    volume.channels = quint8(channels_.size());
    for (size_t channel = 0; channel < channels_.size(); ++channel)
        volume.values[channel] = pa_volume_t(channels_[channel]);
    sent(pa_context_set_sink_volume_by_name(context_, DefaultSink, &volume, onAnswered, this));
}

void PulseSink::setMuted(bool muted)
{
    if (!isReady())
        return;
    muted_ = muted;
    sent(pa_context_set_sink_mute_by_name(context_, DefaultSink, muted, onAnswered, this));
}

void PulseSink::sent(pa_operation *operation)
{
    if (!operation) {
        drop();
        return;
    }
    ++unanswered_;
    pa_operation_unref(operation);
}

void PulseSink::flush(std::chrono::milliseconds most)
{
    const QDeadlineTimer deadline(most);
    while (isBusy() && !deadline.hasExpired())
        if (!g_main_context_iteration(nullptr, false))
            QThread::msleep(1);
}

void PulseSink::close()
{
    closing_ = true;
    if (unanswered_ == 0)
        drop();
}

void PulseSink::onStateChanged(pa_context *context, void *self)
{
    auto *sink = static_cast<PulseSink *>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (pa_operation *operation = pa_context_get_sink_info_by_name(context, DefaultSink, onSinkInfo, self))
            pa_operation_unref(operation);
        else
            sink->drop();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        sink->drop();
        break;
    default:
        break;
    }
}

void PulseSink::onSinkInfo(pa_context *, const pa_sink_info *info, int last, void *self)
{
    auto *sink = static_cast<PulseSink *>(self);
    if (last < 0) {
        // No default sink: nothing here to set.
        sink->drop();
        return;
    }
    if (!info)
        return;
    sink->channels_.assign(info->volume.values, info->volume.values + info->volume.channels);
    sink->muted_ = info->mute != 0;
    if (sink->channels_.empty())
        sink->drop();
}

void PulseSink::onAnswered(pa_context *, int success, void *self)
{
    auto *sink = static_cast<PulseSink *>(self);
    --sink->unanswered_;
    if (!success || (sink->closing_ && sink->unanswered_ == 0))
        sink->drop();
}

void PulseSink::drop()
{
    channels_.clear();
    unanswered_ = 0;
    if (!context_)
        return;
    // Cleared first: disconnecting would otherwise call back into a sink half gone.
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}
