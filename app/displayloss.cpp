// SPDX-License-Identifier: MIT
#include "app/displayloss.h"

#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <cstdlib>
#include <memory>

namespace {

std::atomic<DisplayLoss *> watching {nullptr};
std::atomic<bool> ended {false};
QtMessageHandler previousHandler = nullptr;

} // namespace

DisplayLoss::DisplayLoss(QObject *context, std::function<void()> ending)
    : context_(context)
    , ending_(std::move(ending))
{
    static const bool registered = std::atexit(&DisplayLoss::end) == 0;
    Q_UNUSED(registered)
    ended = false;
    watching = this;
    previousHandler = qInstallMessageHandler(onMessage);
}

DisplayLoss::~DisplayLoss()
{
    watching = nullptr;
    qInstallMessageHandler(previousHandler);
}

void DisplayLoss::end()
{
    DisplayLoss *self = watching;
    if (!self || !self->context_)
        return;
    const auto endOnce = [self] {
        if (watching == self && !ended.exchange(true))
            self->ending_();
    };
    QObject *context = self->context_;
    // On the context's thread it ends now, also when Qt's own thread asked
    // first and waits: whichever thread Qt ends the process from next, the
    // ending is done.
    if (QThread::currentThread() == context->thread()) {
        endOnce();
        return;
    }
    // Qt's own thread is about to end the process: the ending runs on the
    // context's thread while this one waits, for a while at most.
    const auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        context,
        [endOnce, done] {
            endOnce();
            done->release();
        },
        Qt::QueuedConnection);
    done->tryAcquire(1, 2000);
}

void DisplayLoss::onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    previousHandler(type, context, message);
    // Qt's words when the compositor is gone; _exit() follows.
    if (type == QtWarningMsg && message.startsWith(QLatin1String("The Wayland connection")))
        end();
}
