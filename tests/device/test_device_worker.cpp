// QHard on a real worker thread, over the demo instrument that DefaultHidPlatform() gives.
// The spies connect directly, so a blocking call's signals are recorded when it returns.
#include "CHidDevice.h"
#include "DeviceProtocol.h"
#include "ExpectedProgress.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QtTest>

namespace {

SimulatedInstrument& sim() { return SimulatedInstrument::demo(); }
const std::string kDemo = SimulatedInstrument::kDemoPath;

// QHard on a thread of its own, as the main window runs it; stopped, and QHard deleted, at scope end.
struct Worker
{
    Worker()
    {
        hard->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, hard, &QObject::deleteLater);
        thread.start();
    }
    ~Worker() { thread.quit(); thread.wait(); }
    template <typename... Args> void run(const char* szSlot, Args... args)
    {
        QVERIFY(QMetaObject::invokeMethod(hard, szSlot, Qt::BlockingQueuedConnection, args...));
    }
    QThread thread;
    QHard* hard = new QHard;
};

// sigResult; the groups handed over are freed with the spy.
struct ResultSpy : QSignalSpy
{
    explicit ResultSpy(QHard* hard) : QSignalSpy(hard, &QHard::sigResult) {}
    ~ResultSpy()
    {
        for (int n = 0; n < count(); ++n)
            FreeGroup(records(n), std::max<int>(0, nLen(n)));
    }
    MeasureRecord* records(int n) const { return static_cast<MeasureRecord*>(at(n).at(0).value<void*>()); }
    short nLen(int n) const { return at(n).at(1).value<short>(); }
};

std::vector<int> ints(const QSignalSpy& spy)
{
    std::vector<int> v;
    for (const QList<QVariant>& args : spy)
        v.push_back(args.at(0).toInt());
    return v;
}

} // namespace

class TestDeviceWorker : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        sim().resetToDemo();
        bAppRunning = 0;  // no presence timer unless a test wants one: checks are run by hand
    }
    void cleanupTestCase() { bAppRunning = 1; }

    void presenceTimerRunsOnlyWhileTheProgramRuns()
    {
        {
            Worker stopped;
            stopped.run("init");
            QVERIFY(!stopped.hard->presenceTimer()->isActive());
        }
        QCOMPARE(sim().scanCount(), 0);  // init itself checks nothing
        // The one real wait of the suite: the first check 2000 ms after init reports the instrument.
        bAppRunning = 1;
        Worker running;
        QSignalSpy valid(running.hard, &QHard::sigValidDev);
        running.run("init");
        QCOMPARE(running.hard->presenceTimer()->interval(), 2000);
        QTRY_COMPARE_WITH_TIMEOUT(valid.count(), 1, 5000);
        QCOMPARE(valid.at(0).at(0).value<short>(), short(1));
    }

    void downloadsAndPresence()
    {
        Worker w;
        ResultSpy result(w.hard);
        QSignalSpy progress(w.hard, &QHard::sigProcessStatus), valid(w.hard, &QHard::sigValidDev);
        w.run("init");
        auto collect = [&](int nGroup) { progress.clear(); w.run("CollectOnce", Q_ARG(int, nGroup)); };

        sim().unplug(kDemo);
        w.run("searchDev");  // absent from the start: nothing to say
        sim().plugIn(kDemo);
        w.run("searchDev");
        w.run("searchDev");
        QCOMPARE(ints(valid), std::vector<int>{1});

        const std::vector<SimRecord> group = SimulatedInstrument::demoGroup(1);
        const int n = int(group.size());
        collect(0);
        QCOMPARE(int(result.nLen(0)), n);
        QCOMPARE(ints(progress), progressOf(n));
        QCOMPARE(int(sim().requests().size()), 1 + 2 * n);
        QCOMPARE(size_t(result.records(0)[n - 1].nTimes), group.back().values.size());

        collect(2);  // an empty group: the maximum 0, then no data
        QCOMPARE(result.nLen(1), short(0));
        QVERIFY(!result.records(1));
        QCOMPARE(ints(progress), std::vector<int>{kProgressMaximumFlag});

        sim().injectFault(1, SimulatedInstrument::Fault::WaitError);  // the group size fails
        QTest::ignoreMessage(QtDebugMsg, "Write WaitForSingleObject error");
        collect(0);
        QCOMPARE(result.nLen(2), short(-2));
        QVERIFY(!result.records(2));
        QCOMPARE(progress.count(), 0);

        w.run("searchDev");  // found again, nothing to say
        sim().injectFault(8, SimulatedInstrument::Fault::Timeout);  // header read of record 2
        QTest::ignoreMessage(QtDebugMsg, "Read WAIT_TIMEOUT");
        collect(0);
        QCOMPARE(int(result.nLen(3)), n);  // the full count, handed over with the rest all zero
        QCOMPARE(ints(progress), progressOf(n));
        QVERIFY(result.records(3)[0].nTimes > 0);
        QCOMPARE(result.records(3)[n - 1].nTimes, uint8_t(0));

        sim().unplug(kDemo);  // the next check finds nothing and says so, once
        w.run("searchDev");
        w.run("searchDev");
        collect(0);  // gone: no data, no progress, never again the group already handed over
        QCOMPARE(result.nLen(4), short(0));
        QVERIFY(!result.records(4));
        QCOMPARE(progress.count(), 0);
        sim().plugIn(kDemo);
        w.run("searchDev");
        QCOMPARE(ints(valid), (std::vector<int>{1, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceWorker)
#include "test_device_worker.moc"
