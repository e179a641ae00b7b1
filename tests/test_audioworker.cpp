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
        AudioWorker worker(100ms);
        QVERIFY(worker.hasThread());
        auto done = std::make_shared<QList<int>>(); // under the worker's lock
        QList<int> news;
        QThread *newsThread = nullptr;
        for (int job = 1; job <= 3; ++job)
            worker.post([done, job, &news, &newsThread](AudioWorker::Turn &turn) {
                done->append(job);
                turn.deliver([job, &news, &newsThread] {
                    news << job;
                    newsThread = QThread::currentThread();
                });
            });
        QTRY_COMPARE(news, QList<int>({1, 2, 3}));
        QCOMPARE(newsThread, QThread::currentThread());
        const AudioWorker::Lock lock = worker.lock();
        QCOMPARE(*done, QList<int>({1, 2, 3}));
    }

    // A device that answers slowly, and one that hangs as on a stopped
    // server, hold no caller up: a job's news come once it is done, and the
    // end lets a worker that is still held up go.
    void aSlowOrHeldUpWorkerHoldsNoCallerUp_data()
    {
        QTest::addColumn<int>("answerMs"); // -1: until the test lets it go, after the worker's end
        QTest::newRow("slow") << 300;
        QTest::newRow("held up") << -1;
    }

    void aSlowOrHeldUpWorkerHoldsNoCallerUp()
    {
        QFETCH(int, answerMs);
        const auto answered = std::make_shared<std::atomic<bool>>(false);
        bool told = false;
        QElapsedTimer elapsed;
        qint64 postMs = 0, nextMs = 0;
        {
            AudioWorker worker(100ms);
            elapsed.start();
            worker.post([answered, answerMs](AudioWorker::Turn &turn) {
                turn.unlocked([&] {
                    for (int waited = 0; !*answered && waited != answerMs; waited += 10)
                        std::this_thread::sleep_for(10ms);
                });
            });
            postMs = elapsed.restart();
            worker.post([](AudioWorker::Turn &turn) { turn.deliver([] {}); });
            worker.post([&told](AudioWorker::Turn &turn) { turn.deliver([&told] { told = true; }); });
            nextMs = elapsed.restart();
            if (answerMs > 0)
                QTRY_VERIFY(told);
            elapsed.restart();
        }
        const qint64 endMs = elapsed.elapsed();
        *answered = true; // the worker ends by itself
        QVERIFY2(postMs < 50 && nextMs < 50 && endMs < 500,
                 qPrintable(QStringLiteral("%1, %2, %3 ms").arg(postMs).arg(nextMs).arg(endMs)));
        // A worker let go tells its owner nothing more.
        QTest::qWait(100);
        QCOMPARE(told, answerMs > 0);
    }
};

QTEST_GUILESS_MAIN(AudioWorkerTest)
#include "test_audioworker.moc"
