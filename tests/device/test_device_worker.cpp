// QHard on a real worker thread, over the demo instrument that DefaultHidPlatform() gives.
#include "CHidDevice.h"
#include "DeviceProtocol.h"
#include "ExpectedProgress.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QtTest>

namespace {

SimulatedInstrument& sim() { return SimulatedInstrument::demo(); }
const std::string kDemo = SimulatedInstrument::kDemoPath;
using Result = std::pair<MeasureRecord*, short>;

// QHard on a thread of its own, as the main window runs it; stopped, and QHard deleted, at scope end.
// What it says arrives on the test's thread through queued connections, as the window receives it;
// the groups handed over are freed at the end.
struct Worker : QObject
{
    Worker()
    {
        hard->moveToThread(&thread);
        connect(&thread, &QThread::finished, hard, &QObject::deleteLater);
        connect(hard, &QHard::sigValidDev, this, [this](short b) { valid.push_back(b); });
        connect(hard, &QHard::sigProcessStatus, this, [this](int n) { progress.push_back(n); });
        connect(hard, &QHard::sigResult, this, [this](void* p, short nLen) {
            results.push_back({static_cast<MeasureRecord*>(p), nLen});
        });
        thread.start();
    }
    ~Worker() override
    {
        thread.quit();
        thread.wait();
        for (auto [pRecords, nLen] : results)
            FreeGroup(pRecords, std::max<int>(0, nLen));
    }
    // Runs a slot on the worker thread and takes in the signals it sent.
    template <typename... Args> void run(const char* szSlot, Args... args)
    {
        QVERIFY(QMetaObject::invokeMethod(hard, szSlot, Qt::BlockingQueuedConnection, args...));
        QCoreApplication::processEvents();
    }
    void collect(int nGroup)
    {
        progress.clear();
        run("CollectOnce", Q_ARG(int, nGroup));
    }

    QThread thread;
    QHard* hard = new QHard;
    std::vector<int> valid, progress;
    std::vector<Result> results;
};

} // namespace

class TestDeviceWorker : public QObject
{
    Q_OBJECT

private slots:
    // As when the window is already closing: init starts no presence checks, the tests run them.
    void init()
    {
        sim().resetToDemo();
        bAppRunning = 0;
    }

    void noPresenceChecksAfterShutdown()
    {
        Worker stopped;
        stopped.run("init");
        QVERIFY(!stopped.hard->presenceTimer()->isActive());
    }

    void downloadsAndPresence()
    {
        Worker w;
        w.run("init");
        sim().unplug(kDemo);
        w.run("searchDev");  // absent from the start: nothing to say
        sim().plugIn(kDemo);
        w.run("searchDev");
        w.run("searchDev");
        QCOMPARE(w.valid, std::vector<int>{1});

        const std::vector<SimRecord> group = SimulatedInstrument::demoGroup(1);
        const int n = int(group.size());
        w.collect(0);
        QCOMPARE(int(w.results.at(0).second), n);
        QCOMPARE(w.progress, progressOf(n));
        QCOMPARE(size_t(w.results[0].first[n - 1].nTimes), group.back().values.size());

        w.collect(2);  // an empty group: the maximum 0, then no data
        QVERIFY(w.results.at(1) == Result(nullptr, 0));
        QCOMPARE(w.progress, std::vector<int>{kProgressMaximumFlag});

        sim().injectFault(1, SimulatedInstrument::Fault::WaitError);  // the group size fails
        QTest::ignoreMessage(QtDebugMsg, "Write WaitForSingleObject error");
        w.collect(0);
        QVERIFY(w.results.at(2) == Result(nullptr, -2));
        QVERIFY(w.progress.empty());

        sim().unplug(kDemo);  // the next check finds nothing and says so, once
        w.run("searchDev");
        w.run("searchDev");
        w.collect(0);  // gone: no data, no progress, never again the group already handed over
        QVERIFY(w.results.at(3) == Result(nullptr, 0));
        QVERIFY(w.progress.empty());
        sim().plugIn(kDemo);
        w.run("searchDev");
        QCOMPARE(w.valid, (std::vector<int>{1, 0, 1}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceWorker)
#include "test_device_worker.moc"
