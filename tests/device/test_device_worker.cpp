// QHard on a real worker thread, over the demo instrument that DefaultHidPlatform() gives.
#include "CHidDevice.h"
#include "DeviceProtocol.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QtTest>

namespace {

const int kSignalTimeoutMs = 5000;

// QHard moved to a thread of its own, as the main window does it. The thread is stopped (and
// the worker deleted on it) when this goes out of scope, also after a failed check.
struct Worker
{
    Worker()
        : pHard(new QHard)
    {
        pHard->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, pHard, &QObject::deleteLater);
        thread.start();
    }

    ~Worker()
    {
        thread.quit();
        thread.wait();
    }

    // Runs a slot on the worker thread and returns once it has run.
    template <typename... Args>
    void run(const char* szSlot, Args... args)
    {
        QVERIFY(QMetaObject::invokeMethod(pHard, szSlot, Qt::BlockingQueuedConnection, args...));
    }

    QThread thread;
    QHard* pHard;
};

SimulatedInstrument& instrument()
{
    return SimulatedInstrument::demo();
}

// sigResult with its groups, freed with the spy.
struct ResultSpy : QSignalSpy
{
    explicit ResultSpy(QHard* pHard)
        : QSignalSpy(pHard, &QHard::sigResult)
    {
    }
    ~ResultSpy()
    {
        for (const QList<QVariant>& args : *this)
            FreeGroup(static_cast<MeasureRecord*>(args.at(0).value<void*>()),
                      std::max(0, int(args.at(1).value<short>())));
    }
    MeasureRecord* records(int n) const { return static_cast<MeasureRecord*>(at(n).at(0).value<void*>()); }
    short nLen(int n) const { return at(n).at(1).value<short>(); }
};

std::vector<int> values(const QSignalSpy& spy)
{
    std::vector<int> v;
    for (const QList<QVariant>& args : spy)
        v.push_back(args.at(0).toInt());
    return v;
}

std::vector<int> downloadProgress(int nCount)
{
    std::vector<int> v{kProgressMaximumFlag | nCount};
    for (int i = 1; i <= nCount; ++i)
        v.push_back(i);
    return v;
}

} // namespace

class TestDeviceWorker : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        instrument().resetToDemo();
        bAppRunning = 0;  // no presence timer unless a test wants one: checks are run by hand
    }

    void cleanupTestCase() { bAppRunning = 1; }

    void presenceTimerRunsOnlyWhileTheProgramRuns()
    {
        {
            Worker stopped;
            stopped.run("init");
            QVERIFY(stopped.pHard->device());
            QCOMPARE(stopped.pHard->presenceTimer()->interval(), QHard::kPresenceIntervalMs);
            QVERIFY(!stopped.pHard->presenceTimer()->isActive());
            QCOMPARE(instrument().scanCount(), 0);  // init itself checks nothing
        }

        // The one real wait of the suite: the first check 2000 ms after init reports the instrument.
        bAppRunning = 1;
        Worker running;
        QSignalSpy valid(running.pHard, &QHard::sigValidDev);
        running.run("init");
        QVERIFY(running.pHard->presenceTimer()->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(valid.count(), 1, kSignalTimeoutMs);
        QCOMPARE(valid.at(0).at(0).value<short>(), short(1));
    }

    void presenceIsReportedOnlyOnChange()
    {
        Worker worker;
        QSignalSpy valid(worker.pHard, &QHard::sigValidDev);
        worker.run("init");
        instrument().unplug(SimulatedInstrument::kDemoPath);

        worker.run("searchDev");  // absent from the start: nothing to say
        instrument().plugIn(SimulatedInstrument::kDemoPath);
        worker.run("searchDev");
        worker.run("searchDev");
        instrument().unplug(SimulatedInstrument::kDemoPath);
        worker.run("searchDev");
        worker.run("searchDev");
        instrument().plugIn(SimulatedInstrument::kDemoPath);
        worker.run("searchDev");

        QTRY_COMPARE_WITH_TIMEOUT(valid.count(), 3, kSignalTimeoutMs);
        QCOMPARE(values(valid), (std::vector<int>{1, 0, 1}));
    }

    void downloadsHandOverTheGroup()
    {
        Worker worker;
        ResultSpy result(worker.pHard);
        QSignalSpy progress(worker.pHard, &QHard::sigProcessStatus);
        worker.run("init");

        // Not connected yet: no data, no progress.
        worker.run("CollectOnce", Q_ARG(int, 0));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 1, kSignalTimeoutMs);
        QCOMPARE(result.nLen(0), short(0));
        QVERIFY(!result.records(0));
        QCOMPARE(progress.count(), 0);

        worker.run("searchDev");
        const std::vector<SimRecord> group = SimulatedInstrument::demoGroup(1);
        const int nCount = int(group.size());
        worker.run("CollectOnce", Q_ARG(int, 0));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 2, kSignalTimeoutMs);
        QCOMPARE(int(result.nLen(1)), nCount);
        QCOMPARE(values(progress), downloadProgress(nCount));
        QCOMPARE(int(instrument().requests().size()), 1 + 2 * nCount);
        const MeasureRecord* rec = result.records(1);
        QVERIFY(rec);
        for (int i = 0; i < nCount; ++i) {
            QCOMPARE(rec[i].nUnit, group[size_t(i)].nUnit);
            QCOMPARE(size_t(rec[i].nTimes), group[size_t(i)].values.size());
        }

        // An empty group: the maximum 0, then no data.
        progress.clear();
        worker.run("CollectOnce", Q_ARG(int, 2));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 3, kSignalTimeoutMs);
        QCOMPARE(result.nLen(2), short(0));
        QVERIFY(!result.records(2));
        QCOMPARE(values(progress), std::vector<int>{kProgressMaximumFlag});

        // Gone: no data, and never again the group already handed over.
        instrument().unplug(SimulatedInstrument::kDemoPath);
        worker.run("searchDev");
        worker.run("CollectOnce", Q_ARG(int, 0));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 4, kSignalTimeoutMs);
        QCOMPARE(result.nLen(3), short(0));
        QVERIFY(!result.records(3));
    }

    void failedTransfersDuringADownload()
    {
        Worker worker;
        ResultSpy result(worker.pHard);
        QSignalSpy progress(worker.pHard, &QHard::sigProcessStatus);
        QSignalSpy valid(worker.pHard, &QHard::sigValidDev);
        worker.run("init");
        worker.run("searchDev");

        // The group size request fails: its code goes out, no progress, no data.
        instrument().injectFault(1, SimulatedInstrument::Fault::WaitError);
        QTest::ignoreMessage(QtDebugMsg, "Write WaitForSingleObject error");
        worker.run("CollectOnce", Q_ARG(int, 0));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 1, kSignalTimeoutMs);
        QCOMPARE(result.nLen(0), short(-2));
        QVERIFY(!result.records(0));
        QCOMPARE(progress.count(), 0);

        // A read times out on record 2: the device is dropped, the rest stays all zero,
        // the full count still comes.
        worker.run("searchDev");
        const int nCount = int(SimulatedInstrument::demoGroup(1).size());
        instrument().injectFault(8, SimulatedInstrument::Fault::Timeout);
        QTest::ignoreMessage(QtDebugMsg, "Read WAIT_TIMEOUT");
        worker.run("CollectOnce", Q_ARG(int, 0));
        QTRY_COMPARE_WITH_TIMEOUT(result.count(), 2, kSignalTimeoutMs);
        QCOMPARE(int(result.nLen(1)), nCount);
        QCOMPARE(values(progress), downloadProgress(nCount));
        QVERIFY(result.records(1)[0].nTimes > 0);
        QCOMPARE(result.records(1)[nCount - 1].nTimes, uint8_t(0));
        QVERIFY(!worker.pHard->device()->isConnected());
        QCOMPARE(worker.pHard->device()->devicePath(), "");

        // Unplugged meanwhile: the next check scans, finds nothing and says so.
        instrument().unplug(SimulatedInstrument::kDemoPath);
        const int nScans = instrument().scanCount();
        worker.run("searchDev");
        QCOMPARE(instrument().scanCount(), nScans + 1);
        QTRY_COMPARE_WITH_TIMEOUT(valid.count(), 2, kSignalTimeoutMs);
        QCOMPARE(values(valid), (std::vector<int>{1, 0}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceWorker)
#include "test_device_worker.moc"
