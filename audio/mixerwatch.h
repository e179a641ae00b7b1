// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>
#include <vector>

class AlsaControl;
class AudioWorker;
class QSocketNotifier;

// Follows the changes made to a control device's master volume, by anyone
// (our own writes included). The watch is a connection of its own,
// subscribed to the control's events; its descriptors wake the event loop
// only when something changed. The worker opens and closes it, as every
// call on a sound server's plug-in may wait; the events are read here, which
// never waits. A watch that cannot be opened, or that breaks (its server
// went away), is opened again after a pause that grows from a second up to a
// minute.
class MixerWatch : public QObject {
    Q_OBJECT
public:
    // The worker opens and closes the watch in turn with its other jobs; it
    // must outlive the watch.
    MixerWatch(QByteArray device, AudioWorker &worker);
    ~MixerWatch() override;

    // Follows the changes from now on, once the worker has opened the watch;
    // changed() says it is open, as the level may have changed meanwhile.
    void start();
    // Closes the watch for a while (a fade has control): changes are not
    // followed meanwhile.
    void pause();
    // Opens it again after a pause, once started.
    void resume();
    bool isOpen() const { return control_ != nullptr; }

Q_SIGNALS:
    // The master volume may have changed.
    void changed();
    // The watch has no connection (it broke, or could not be opened); it opens one again later.
    void disconnected();

private:
    // A watch opened by the worker, until this takes it; under the worker's lock.
    struct Opened;

    // Queues the watch's open.
    void open();
    void close();
    // Takes the watch opened on the worker.
    void takeOpened();
    void openLater();
    void readEvents();

    const QByteArray device_;
    AudioWorker &worker_;
    bool started_ = false;
    std::shared_ptr<AlsaControl> control_;
    std::vector<std::unique_ptr<QSocketNotifier>> notifiers_;
    std::shared_ptr<Opened> opened_;
    bool opening_ = false;
    quint64 attempt_ = 0; // numbers the opens: an answer to an older one is not wanted
    int retryMs_ = 1000;
};
