// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Runs jobs in order on a thread of its own, for devices whose every call
// may wait for as long as a sound server does not answer (a hung or stopped
// server): the open and the close included.
//
// Nobody waits for a job: its answers for the owner are delivered on the
// owner's thread, from its event loop. At the end a worker that is still
// busy is let go, and ends by itself once its device answers: so the jobs
// keep alive what they use, and touch the owner only through their news.
//
// What the jobs share with the owner is under the worker's lock. A job runs
// with it held, and lets go of it around the device's calls.
class AudioWorker {
public:
    using Lock = std::unique_lock<std::mutex>;
    class Turn;
    using Job = std::function<void(Turn &)>;

    // endWait: how long the end waits for the jobs still queued.
    explicit AudioWorker(std::chrono::milliseconds endWait);
    ~AudioWorker();
    AudioWorker(const AudioWorker &) = delete;
    AudioWorker &operator=(const AudioWorker &) = delete;

    // False when no thread could be started: then every job is run at once,
    // by the caller that posts it, and its news still come from the event loop.
    bool hasThread() const { return thread_.joinable(); }

    Lock lock() const;
    // Queues a job.
    void post(Job job);
    void post(Lock &lock, Job job);
    // Lets go of held on the worker, in turn: its end may be a device's close.
    void release(std::shared_ptr<void> held);
    // Waits for the jobs queued to be done, as the end does, for endWait at
    // most: for a program that ends without its destructors. Whether they were.
    bool finish(Lock &lock);

private:
    // What the thread shares with the owner; it keeps it alive.
    struct Queue;
    static void run(std::shared_ptr<Queue> queue);

    std::shared_ptr<Queue> queue_;
    std::thread thread_;
    QObject news_; // where the news are delivered, on the owner's thread
    const std::chrono::milliseconds endWait_;
};

// What a running job has of its worker.
class AudioWorker::Turn {
public:
    // Runs call with the lock let go of, for the device's calls: none
    // waits for the lock meanwhile.
    template <typename Call>
    auto unlocked(Call call)
    {
        const Relock relock {lock_};
        lock_.unlock();
        return call();
    }
    // Runs news on the owner's thread, from its event loop, unless the worker
    // is gone by then.
    void deliver(std::function<void()> news) const;

private:
    friend class AudioWorker;
    Turn(Queue &queue, Lock &lock)
        : queue_(queue)
        , lock_(lock)
    {
    }
    struct Relock {
        Lock &lock;
        ~Relock() { lock.lock(); }
    };

    Queue &queue_;
    Lock &lock_;
};
