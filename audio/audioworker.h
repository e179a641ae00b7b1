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
// So a caller waits for a job only briefly, and not at all while the worker
// is held up: one whose device answered nothing for a while stays held up
// until it has done all that was queued. At the end a worker that is still
// busy is let go, and ends by itself once its device answers: so the jobs
// keep alive what they use, and touch the owner only through their news.
//
// What the jobs share with the owner is under the worker's lock. A job runs
// with it held, and lets go of it around the device's calls; its news for the
// owner are delivered on the owner's thread.
class AudioWorker {
public:
    using Lock = std::unique_lock<std::mutex>;
    class Turn;
    using Job = std::function<void(Turn &)>;

    // answerWait: how long a caller waits for the device to answer at all;
    // while answers (a count of the device's answers, when they are counted)
    // grows, it waits on, up to ten times that. endWait: how long the end
    // waits for the jobs still queued.
    AudioWorker(std::chrono::milliseconds answerWait, std::chrono::milliseconds endWait,
                std::function<quint64()> answers = {});
    ~AudioWorker();
    AudioWorker(const AudioWorker &) = delete;
    AudioWorker &operator=(const AudioWorker &) = delete;

    // False when no thread could be started: then every job is run at once,
    // by the caller that posts it.
    bool hasThread() const { return thread_.joinable(); }

    Lock lock() const;
    // Queues a job; its number.
    quint64 post(Job job);
    quint64 post(Lock &lock, Job job);
    // Lets go of held on the worker, in turn: its end may be a device's close.
    void release(std::shared_ptr<void> held);
    // Waits for the job to be done while the worker answers, unless it is held
    // up already; whether it was done.
    bool waitFor(Lock &lock, quint64 job);
    bool hasStarted(const Lock &lock, quint64 job) const;
    bool hasFinished(const Lock &lock, quint64 job) const;

private:
    // What the thread shares with the owner; it keeps it alive.
    struct Queue;
    static void run(std::shared_ptr<Queue> queue);

    std::shared_ptr<Queue> queue_;
    std::thread thread_;
    QObject news_; // where the news are delivered, on the owner's thread
    const std::chrono::milliseconds answerWait_;
    const std::chrono::milliseconds endWait_;
    const std::function<quint64()> answers_;
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
    // Whether a caller waits for this job's answer.
    bool isAwaited() const;
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
