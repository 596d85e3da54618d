// CHidDevice and the instrument's protocol over the simulated instrument, and QHard over the demo
// instrument that DefaultHidPlatform() gives; all on the test's thread (the window tests run QHard
// on the window's worker thread).
#include "CHidDevice.h"
#include "DeviceProtocol.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QtTest>

namespace {

using Fault = SimulatedInstrument::Fault;

// Record i: material 2, HRC (tenths on the wire), 2022/09/08, probe 1, angle 4; 50.0 + i/10, 51.9, 53.0.
std::vector<SimRecord> records(int nCount)
{
    std::vector<SimRecord> group;
    for (int i = 0; i < nCount; ++i)
        group.push_back(SimRecord{2, 3, 22, 9, 8, 1, 4, {uint16_t(500 + i), 519, 530}});
    return group;
}

std::vector<float> valuesOf(const MeasureRecord& rec) { return {rec.pValues, rec.pValues + rec.nTimes}; }

// The progress values of a download of nCount records: the maximum, then 1, 2, ... nCount.
std::vector<int> progressOf(int nCount)
{
    std::vector<int> v{kProgressMaximumFlag | nCount};
    for (int i = 1; i <= nCount; ++i)
        v.push_back(i);
    return v;
}

struct Failure
{
    int nTransfer, fault, nReceived, nDelivered;  // nReceived -1: failed before the group size
    const char* debugText;  // none: the device is not dropped
};

// The instrument holding group 1, and a device that collects its progress values.
struct Link
{
    explicit Link(std::vector<SimRecord> group) { sim.plugIn("sim:instrument"); sim.setGroup(1, std::move(group)); }
    SimulatedInstrument sim;
    std::vector<int> progress;
    CHidDevice device{sim, [this](int n) { progress.push_back(n); }};
};

SimulatedInstrument& demo() { return SimulatedInstrument::demo(); }
const std::string kDemo = SimulatedInstrument::kDemoPath;
using Result = std::pair<MeasureRecord*, DownloadOutcome>;
bool is(const Result& r, DownloadOutcome::Result result, int nReceived)
{
    return r.second.result == result && r.second.nReceived == nReceived && (r.first != nullptr) == (nReceived > 0);
}

// QHard after init, and what it says; the groups it hands over are freed at the end.
struct Worker
{
    Worker()
    {
        QObject::connect(&hard, &QHard::sigValidDev, [this](short b) { valid.push_back(b); });
        QObject::connect(&hard, &QHard::sigProcessStatus, [this](int n) { progress.push_back(n); });
        QObject::connect(&hard, &QHard::sigResult, [this](void* p, const DownloadOutcome& outcome) {
            results.push_back({static_cast<MeasureRecord*>(p), outcome});
        });
        hard.init();
    }
    ~Worker()
    {
        for (auto [pRecords, outcome] : results)
            FreeGroup(pRecords, outcome.nReceived);
    }
    void collect(int nGroup)
    {
        progress.clear();
        hard.CollectOnce(nGroup);
    }

    QHard hard;
    std::vector<int> valid, progress;
    std::vector<Result> results;
};

} // namespace

Q_DECLARE_METATYPE(Failure)

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    // As when the window is already closing: init starts no presence checks, the tests run them.
    void init()
    {
        demo().resetToDemo();
        bAppRunning = 0;
    }

    void downloadsAndPresence()
    {
        Worker w;
        QVERIFY(!w.hard.presenceTimer()->isActive());  // no presence checks after shutdown
        demo().unplug(kDemo);
        w.hard.searchDev();  // the first check always answers, absent too
        demo().plugIn(kDemo);
        w.hard.searchDev();
        w.hard.searchDev();
        QCOMPARE(w.valid, (std::vector<int>{0, 1}));

        const int n = int(SimulatedInstrument::demoGroup(1).size());
        w.collect(0);
        QVERIFY(is(w.results.at(0), DownloadOutcome::Whole, n));
        QCOMPARE(w.progress, progressOf(n));

        w.collect(2);  // an empty group: the maximum 0, then no data
        QVERIFY(is(w.results.at(1), DownloadOutcome::EmptyGroup, 0));
        QCOMPARE(w.progress, std::vector<int>{kProgressMaximumFlag});

        demo().injectFault(1, Fault::WaitError);  // the group size fails
        QTest::ignoreMessage(QtDebugMsg, "Write WaitForSingleObject error");
        w.collect(0);
        QVERIFY(is(w.results.at(2), DownloadOutcome::FailedBeforeSize, 0));
        QVERIFY(w.progress.empty());

        demo().unplug(kDemo);  // the next check finds nothing and says so, once
        w.hard.searchDev();
        w.hard.searchDev();
        demo().plugIn(kDemo);
        w.hard.searchDev();
        QCOMPARE(w.valid, (std::vector<int>{0, 1, 0, 1}));
    }

    void failures_data()
    {
        QTest::addColumn<Failure>("f");
        const int timeout = int(Fault::Timeout), waitError = int(Fault::WaitError);
        // Transfers: 1, 2 the group size; then per record header write, read, values write, read.
        // A record is counted only when read whole, and nothing is asked after a failed transfer.
        QTest::newRow("size write times out") << Failure{1, timeout, -1, 0, "Write WAIT_TIMEOUT"};
        QTest::newRow("size read times out") << Failure{2, timeout, -1, 1, "Read WAIT_TIMEOUT"};
        QTest::newRow("values read 1 times out") << Failure{6, timeout, 0, 3, "Read WAIT_TIMEOUT"};
        QTest::newRow("header read 2 times out") << Failure{8, timeout, 1, 4, "Read WAIT_TIMEOUT"};
        QTest::newRow("header 2 not sent") << Failure{7, int(Fault::NothingSent), 1, 3, ""};
        QTest::newRow("header write 13 of 40 fails") << Failure{51, waitError, 12, 25, "Write WaitForSingleObject error"};
    }

    void failures()
    {
        QFETCH(Failure, f);
        const int nGroupSize = f.nTransfer > 40 ? 40 : 3;
        Link l(records(nGroupSize));
        QVERIFY(l.device.openByScan());
        l.sim.injectFault(f.nTransfer, Fault(f.fault));
        if (*f.debugText)
            QTest::ignoreMessage(QtDebugMsg, f.debugText);

        const DownloadOutcome outcome = l.device.collectGroup(0);
        QCOMPARE(outcome.result, f.nReceived < 0 ? DownloadOutcome::FailedBeforeSize : DownloadOutcome::FailedPartWay);
        QVERIFY(outcome.nReceived == std::max(0, f.nReceived) && outcome.nExpected == (f.nReceived < 0 ? 0 : nGroupSize));
        QCOMPARE(int(l.sim.requests().size()), f.nDelivered);
        std::vector<int> progress = progressOf(outcome.nReceived);
        progress[0] = kProgressMaximumFlag | outcome.nExpected;
        QCOMPARE(l.progress, f.nReceived < 0 ? std::vector<int>{} : progress);
        for (int i = 0; i < outcome.nReceived; ++i)  // the records handed over are whole
            QCOMPARE(valuesOf(l.device.records()[i]), (std::vector<float>{float((500 + i) * 0.1), 51.9f, 53.0f}));
        const bool bDropped = *f.debugText;
        QCOMPARE(l.device.isConnected(), !bDropped);
        if (bDropped) {  // forgotten, fails at once, and the next presence check finds it again
            QVERIFY(l.device.devicePath() == std::string() && l.device.exchange() == -2);
            QCOMPARE(l.device.reopen(), short(1));
        }
    }

    void shortRepliesReadAsZero()
    {
        Link l(records(2));
        QVERIFY(l.device.openByScan());
        l.sim.injectFault(6, Fault::ShortReply, 5);  // values of record 1: two values
        QCOMPARE(l.device.collectGroup(0).nReceived, 2);
        QCOMPARE(valuesOf(l.device.records()[0]), (std::vector<float>{50.0f, 51.9f}));
        l.sim.injectFault(2, Fault::ShortReply, 3);  // the count is byte 3: what an earlier reply held is gone
        QCOMPARE(l.device.groupSize(0), short(0));
    }

    void findsAndRefindsTheInstrument()
    {
        const int nVendor = CHidDevice::kVendorId, nProduct = CHidDevice::kProductId;
        SimulatedInstrument sim;
        sim.addOtherDevice("sim:mouse", 0x046d, 0xc077);
        sim.addOtherDevice("sim:locked", nVendor, nProduct, SimulatedInstrument::Access::CannotOpen);
        sim.addOtherDevice("sim:mute", nVendor, nProduct, SimulatedInstrument::Access::IdsUnreadable);
        sim.addOtherDevice("sim:sibling", nVendor, nProduct + 1);
        sim.addOtherDevice("sim:cousin", nVendor + 1, nProduct);
        sim.setGroup(1, records(1));
        CHidDevice device(sim);
        QVERIFY(device.reopen() == 0 && device.write() == -1);  // none of them is the instrument

        sim.plugIn("sim:a");
        sim.plugIn("sim:b");
        QCOMPARE(device.reopen(), short(1));  // the first of two
        QCOMPARE(device.devicePath(), "sim:a");
        const int nScans = sim.scanCount();
        sim.unplug("sim:a");  // both gone: the scan finds nothing, the path is kept
        sim.unplug("sim:b");
        QCOMPARE(device.reopen(), short(0));
        sim.plugIn("sim:b");  // back at the same port, behind another one: opened without a scan
        sim.plugIn("sim:a");
        QVERIFY(device.reopen() == 1 && sim.scanCount() == nScans + 1);
        QVERIFY(device.groupSize(0) == 1 && sim.requests().back().path == "sim:a");

        sim.unplug("sim:a");  // another device took the remembered path: not the instrument
        sim.unplug("sim:b");
        sim.addOtherDevice("sim:a", 0x046d, 0xc077);
        QCOMPARE(device.reopen(), short(0));
        QCOMPARE(device.devicePath(), "");
    }

    void refusesWhatWouldNotFit()
    {
        for (auto [nInput, nOutput] : {std::pair{257, 65}, {65, 257}, {0, 65}, {65, 0}, {256, 256}}) {
            Link l({});
            l.sim.setReportLengths(nInput, nOutput);
            QCOMPARE(l.device.openByScan(), nInput == 256);
        }
        const std::string longest(CHidDevice::kPathCapacity - 1, 'p');
        SimulatedInstrument sim;
        sim.plugIn(std::string(CHidDevice::kPathCapacity, 'q'));
        CHidDevice device(sim);
        QVERIFY(!device.openByScan());
        sim.plugIn(longest);
        QVERIFY(device.openByScan());
        QCOMPARE(std::string(device.devicePath()), longest);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
