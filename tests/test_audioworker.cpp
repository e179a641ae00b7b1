// SPDX-License-Identifier: MIT
// The audio worker on its own, with jobs that stand for a device's calls.

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <thread>

#include "audio/audioworker.h"

using namespace std::chrono_literals;

class AudioWorkerTest : public QObject {
    Q_OBJECT

private slots:
    void runsJobsInOrderAndDeliversNewsOnTheOwnersThread()
    {
        AudioWorker worker(100ms, 100ms);
        QVERIFY(worker.hasThread());
        auto done = std::make_shared<QList<int>>(); // under the worker's lock
        QThread *newsThread = nullptr;
        quint64 last = 0;
        for (int job = 1; job <= 3; ++job)
            last = worker.post([done, job, &newsThread](AudioWorker::Turn &turn) {
                done->append(job);
                turn.deliver([&newsThread] { newsThread = QThread::currentThread(); });
            });
        AudioWorker::Lock lock = worker.lock();
        QVERIFY(worker.waitFor(lock, last));
        QCOMPARE(*done, QList<int>({1, 2, 3}));
        lock.unlock();
        QTRY_COMPARE(newsThread, QThread::currentThread());
    }

    // A device that answers, however slowly, is waited for.
    void aDeviceThatAnswersIsWaitedFor()
    {
        static std::atomic<quint64> answers {0};
        AudioWorker worker(100ms, 100ms, [] { return quint64(answers); });
        const quint64 slow = worker.post([](AudioWorker::Turn &turn) {
            turn.unlocked([] {
                for (int call = 0; call < 15; ++call) {
                    std::this_thread::sleep_for(20ms);
                    ++answers;
                }
            });
        });
        AudioWorker::Lock lock = worker.lock();
        QVERIFY(worker.waitFor(lock, slow));
    }

    // A job that hangs, as on a stopped server: its caller waits only
    // briefly, the next caller not at all, and the end lets the worker go.
    void aHeldUpWorkerHoldsNoCallerUp()
    {
        const auto answered = std::make_shared<std::atomic<bool>>(false);
        QElapsedTimer elapsed;
        qint64 firstMs = 0, nextMs = 0;
        {
            AudioWorker worker(100ms, 100ms);
            const quint64 hung = worker.post([answered](AudioWorker::Turn &turn) {
                turn.unlocked([&] {
                    while (!*answered)
                        std::this_thread::sleep_for(10ms);
                });
            });
            AudioWorker::Lock lock = worker.lock();
            elapsed.start();
            QVERIFY(!worker.waitFor(lock, hung));
            firstMs = elapsed.restart();
            QVERIFY(!worker.waitFor(lock, worker.post(lock, [](AudioWorker::Turn &) {})));
            nextMs = elapsed.restart();
        }
        const qint64 endMs = elapsed.elapsed();
        *answered = true; // the worker ends by itself
        QVERIFY2(firstMs < 500 && nextMs < 50 && endMs < 500,
                 qPrintable(QStringLiteral("%1, %2, %3 ms").arg(firstMs).arg(nextMs).arg(endMs)));
    }
};

QTEST_GUILESS_MAIN(AudioWorkerTest)
#include "test_audioworker.moc"
