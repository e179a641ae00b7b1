// SPDX-License-Identifier: MIT
#include "audio/audioworker.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <utility>

struct AudioWorker::Queue {
    std::mutex mutex;
    std::condition_variable wake; // a job queued, or the end
    std::condition_variable done; // a job done
    std::deque<Job> jobs;
    quint64 posted = 0, finished = 0;
    bool ending = false;
    QObject *news = nullptr; // null once the owner is gone

    void perform(Lock &lock);
};

void AudioWorker::Queue::perform(Lock &lock)
{
    Job job = std::move(jobs.front());
    jobs.pop_front();
    Turn turn(*this, lock);
    try {
        job(turn);
    } catch (const std::exception &) {
        // No memory: the job is left undone, as at a failed call.
    }
    // What it held may be a connection, whose close waits for the server too.
    turn.unlocked([&job] { job = nullptr; });
    ++finished;
    done.notify_all();
}

void AudioWorker::Turn::deliver(std::function<void()> news) const
{
    if (queue_.news)
        QMetaObject::invokeMethod(queue_.news, std::move(news), Qt::QueuedConnection);
}

AudioWorker::AudioWorker(std::chrono::milliseconds endWait)
    : queue_(std::make_shared<Queue>())
    , endWait_(endWait)
{
    queue_->news = &news_;
    try {
        thread_ = std::thread(&AudioWorker::run, queue_);
    } catch (const std::exception &) {
        // No thread: the jobs are run by their callers, who wait for the device.
    }
}

AudioWorker::~AudioWorker()
{
    Lock lock(queue_->mutex);
    queue_->news = nullptr;
    if (!hasThread())
        return;
    queue_->ending = true;
    queue_->wake.notify_one();
    // The jobs still queued are done on the worker; one held up by the server
    // is let go, and ends by itself once the server answers.
    const bool done = finish(lock);
    lock.unlock();
    if (done)
        thread_.join();
    else
        thread_.detach();
}

void AudioWorker::run(std::shared_ptr<Queue> queue)
{
    Lock lock(queue->mutex);
    while (!queue->ending || !queue->jobs.empty()) {
        if (queue->jobs.empty())
            queue->wake.wait(lock);
        else
            queue->perform(lock);
    }
}

AudioWorker::Lock AudioWorker::lock() const
{
    return Lock(queue_->mutex);
}

void AudioWorker::post(Job job)
{
    Lock lock(queue_->mutex);
    post(lock, std::move(job));
}

void AudioWorker::post(Lock &lock, Job job)
{
    queue_->jobs.push_back(std::move(job));
    ++queue_->posted;
    if (hasThread())
        queue_->wake.notify_one();
    else
        queue_->perform(lock);
}

void AudioWorker::release(std::shared_ptr<void> held)
{
    // The worker lets go of a job's captures once it is done.
    post([held = std::move(held)](Turn &) {});
}

bool AudioWorker::finish(Lock &lock)
{
    return queue_->done.wait_for(lock, endWait_, [this] { return queue_->finished == queue_->posted; });
}
