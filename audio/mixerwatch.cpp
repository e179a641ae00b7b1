// SPDX-License-Identifier: MIT
#include "audio/mixerwatch.h"
#include "audio/alsacontrol.h"
#include "audio/audioworker.h"

#include <QSocketNotifier>
#include <QTimer>
#include <utility>

struct MixerWatch::Opened {
    quint64 attempt = 0;                  // the open it answers
    std::shared_ptr<AlsaControl> control; // none when it failed
    std::vector<int> descriptors;
};

MixerWatch::MixerWatch(QByteArray device, AudioWorker &worker)
    : device_(std::move(device))
    , worker_(worker)
    , opened_(std::make_shared<Opened>())
{
}

MixerWatch::~MixerWatch()
{
    close();
    // It may hold a watch opened since: closed on the worker too.
    worker_.release(std::move(opened_));
}

void MixerWatch::start()
{
    started_ = true;
    open();
}

void MixerWatch::pause()
{
    close();
}

void MixerWatch::resume()
{
    if (started_ && !isOpen() && !opening_)
        open();
}

void MixerWatch::open()
{
    close();
    opening_ = true;
    worker_.post([this, device = device_, attempt = attempt_, opened = opened_](AudioWorker::Turn &turn) {
        std::shared_ptr<AlsaControl> control;
        std::vector<int> descriptors;
        turn.unlocked([&] {
            auto candidate = std::make_shared<AlsaControl>(device.constData(), AlsaControl::Use::Events);
            descriptors = candidate->watchEvents();
            if (!descriptors.empty())
                control = std::move(candidate);
        });
        // One the watch has not taken yet is not wanted any more.
        std::swap(opened->control, control);
        opened->attempt = attempt;
        opened->descriptors = std::move(descriptors);
        // The news run only while the worker lives, which the watch outlives.
        turn.deliver([this] { takeOpened(); });
        turn.unlocked([&] { control.reset(); });
    });
}

void MixerWatch::close()
{
    notifiers_.clear();
    ++attempt_; // an open on the way is not wanted any more
    opening_ = false;
    if (control_)
        worker_.release(std::move(control_));
}

void MixerWatch::takeOpened()
{
    AudioWorker::Lock lock = worker_.lock();
    std::shared_ptr<AlsaControl> control = std::move(opened_->control);
    const std::vector<int> descriptors = std::move(opened_->descriptors);
    const bool wanted = opening_ && opened_->attempt == attempt_;
    lock.unlock();

    if (!wanted) {
        if (control)
            worker_.release(std::move(control));
        return;
    }
    if (!control) {
        openLater();
        return;
    }
    opening_ = false;
    control_ = std::move(control);
    retryMs_ = 1000;
    for (const int descriptor : descriptors) {
        auto notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, this, &MixerWatch::readEvents);
        notifiers_.push_back(std::move(notifier));
    }
    // What changed while it was being opened came with no event.
    Q_EMIT changed();
}

void MixerWatch::openLater()
{
    close();
    // The server may come back: look again after a pause that grows up to a minute.
    QTimer::singleShot(retryMs_, this, [this] {
        if (!isOpen() && !opening_)
            open();
    });
    retryMs_ = qMin(retryMs_ * 2, 60000);
    Q_EMIT disconnected();
}

void MixerWatch::readEvents()
{
    switch (control_->readEvents(MixerElements::MasterVolume)) {
    case AlsaControl::Events::Lost:
        // The server went away: the watch is broken until it is opened again.
        openLater();
        break;
    case AlsaControl::Events::ElementChanged:
        Q_EMIT changed();
        break;
    case AlsaControl::Events::None:
        break;
    }
}
