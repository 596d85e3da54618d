// CHidDevice and the instrument's protocol over the simulated instrument, on the test's thread.
#include "CHidDevice.h"
#include "DeviceProtocol.h"
#include "SimulatedInstrument.h"

#include <QtTest>

#include <cstring>

namespace {

const char* const kPath = "sim:instrument";

SimRecord hrcRecord(std::vector<uint16_t> values)
{
    SimRecord r;
    r.nMaterial = 2;
    r.nUnit = 3;  // HRC: tenths on the wire
    r.nYear = 22;
    r.nMonth = 9;
    r.nDay = 8;
    r.nProbe = 1;
    r.nAngle = 4;
    r.values = std::move(values);
    return r;
}

std::vector<SimRecord> records(int nCount)
{
    std::vector<SimRecord> group;
    for (int i = 0; i < nCount; ++i)
        group.push_back(hrcRecord({uint16_t(500 + i), 519, 530}));
    return group;
}

std::vector<uint8_t> request(uint8_t nCommand, uint8_t nGroup, uint8_t nRecord, size_t nLen = 65)
{
    std::vector<uint8_t> bytes(nLen, 0);
    bytes[1] = nCommand;
    bytes[2] = nGroup;
    bytes[3] = nRecord;
    return bytes;
}

std::vector<std::vector<uint8_t>> reportsSent(const SimulatedInstrument& sim)
{
    std::vector<std::vector<uint8_t>> reports;
    for (const SimRequest& r : sim.requests())
        reports.push_back(r.report);
    return reports;
}

bool isAllZero(const MeasureRecord& rec)
{
    static const MeasureRecord zero{};
    return std::memcmp(&rec, &zero, sizeof rec) == 0;
}

// A device with its progress values collected and its downloads freed.
struct Link
{
    explicit Link(SimulatedInstrument& sim)
        : device(sim, [this](int n) { progress.push_back(n); })
    {
    }
    ~Link() { FreeGroup(device.takeRecords(), nCount); }

    short collect(int nGroup)
    {
        const short n = device.collectGroup(nGroup);
        nCount = std::max<int>(n, 0);
        return n;
    }

    std::vector<int> progress;
    CHidDevice device;
    int nCount = 0;
};

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    void downloadsTheGroupWithTheExactRequests()
    {
        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(1, {hrcRecord({523, 519}), hrcRecord({200, 210, 205})});
        sim.setGroup(10, records(1));
        Link link(sim);
        QVERIFY(link.device.openByScan());

        QCOMPARE(link.collect(0), short(2));
        const std::vector<std::vector<uint8_t>> expected = {
            request(CMD_GROUP_SIZE, 1, 0),
            request(CMD_RECORD_HEADER, 1, 1), request(CMD_RECORD_VALUES, 1, 1),
            request(CMD_RECORD_HEADER, 1, 2), request(CMD_RECORD_VALUES, 1, 2),
        };
        QVERIFY(reportsSent(sim) == expected);
        QCOMPARE(link.progress, (std::vector<int>{kProgressMaximumFlag | 2, 1, 2}));

        const MeasureRecord* rec = link.device.records();
        QCOMPARE(rec[0].nMaterial, uint8_t(2));
        QCOMPARE(rec[0].nUnit, uint8_t(3));
        QCOMPARE(rec[0].nProbe, uint8_t(1));
        QCOMPARE(rec[0].nAngle, uint8_t(4));
        QCOMPARE(rec[0].nTimes, uint8_t(2));
        QCOMPARE(rec[0].pValues[0], 52.3f);
        QCOMPARE(rec[0].pValues[1], 51.9f);
        QCOMPARE(QDateTime::fromSecsSinceEpoch(rec[0].tDate).date(), QDate(2022, 9, 8));
        QCOMPARE(rec[1].nTimes, uint8_t(3));
        QCOMPARE(rec[1].fMax, 21.0f);

        // The last group and a shorter output report.
        sim.clearRequests();
        sim.setReportLengths(65, 9);
        QVERIFY(link.device.openByScan());
        QCOMPARE(link.device.groupSize(9), short(1));
        QVERIFY(reportsSent(sim) == std::vector<std::vector<uint8_t>>{request(CMD_GROUP_SIZE, 10, 0, 9)});
    }

    void fullReportsCarryThirtyTwoValues()
    {
        SimulatedInstrument sim;
        sim.plugIn(kPath);
        std::vector<uint16_t> values;
        for (uint16_t k = 0; k < 32; ++k)
            values.push_back(uint16_t(0x100 * k + k + 1));  // both bytes differ from value to value
        SimRecord hl = hrcRecord(values);
        hl.nUnit = 0;
        sim.setGroup(1, {hl});
        Link link(sim);
        QVERIFY(link.device.openByScan());
        QCOMPARE(link.collect(0), short(1));
        const MeasureRecord& rec = link.device.records()[0];
        QCOMPARE(rec.nTimes, uint8_t(32));
        for (int k = 0; k < 32; ++k)
            QCOMPARE(rec.pValues[k], float(values[size_t(k)]));
    }

    void emptyGroupAllocatesNothing()
    {
        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(3, {});
        Link link(sim);
        QVERIFY(link.device.openByScan());
        QCOMPARE(link.collect(2), short(0));
        QCOMPARE(link.progress, std::vector<int>{kProgressMaximumFlag});
        QVERIFY(!link.device.records());
        QCOMPARE(sim.requests().size(), size_t(1));
    }

    void groupSizeFailure_data()
    {
        QTest::addColumn<int>("nTransfer");
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("bSilent");
        QTest::addColumn<int>("nExpected");
        QTest::addColumn<QString>("debugText");
        const int timeout = int(SimulatedInstrument::Fault::Timeout);
        const int waitError = int(SimulatedInstrument::Fault::WaitError);
        QTest::newRow("write times out") << 1 << timeout << false << -2 << "Write WAIT_TIMEOUT";
        QTest::newRow("write wait fails") << 1 << waitError << false << -2 << "Write WaitForSingleObject error";
        QTest::newRow("read times out") << 2 << timeout << false << -1 << "Read WAIT_TIMEOUT";
        QTest::newRow("read wait fails") << 2 << waitError << false << -1 << "Read WaitForSingleObject error";
        QTest::newRow("silent device") << 0 << 0 << true << -1 << "Read WAIT_TIMEOUT";
    }

    void groupSizeFailure()
    {
        QFETCH(int, nTransfer);
        QFETCH(int, fault);
        QFETCH(bool, bSilent);
        QFETCH(int, nExpected);
        QFETCH(QString, debugText);

        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(1, records(2));
        sim.setSilent(bSilent);
        Link link(sim);
        QVERIFY(link.device.openByScan());
        if (nTransfer > 0)
            sim.injectFault(nTransfer, SimulatedInstrument::Fault(fault));

        QTest::ignoreMessage(QtDebugMsg, qPrintable(debugText));
        QCOMPARE(int(link.collect(0)), nExpected);
        QVERIFY(link.progress.empty());
        QVERIFY(!link.device.records());
        QVERIFY(!link.device.isConnected());
        QCOMPARE(link.device.devicePath(), "");  // dropped: the path is forgotten
    }

    void failureMidDownload_data()
    {
        QTest::addColumn<int>("nTransfer");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("nRequestsDelivered");
        QTest::addColumn<int>("nRecordsComplete");
        QTest::addColumn<bool>("bHeaderKept");  // of the record after the complete ones
        QTest::addColumn<QString>("debugText");
        const int timeout = int(SimulatedInstrument::Fault::Timeout);
        const int waitError = int(SimulatedInstrument::Fault::WaitError);
        // Transfers: 1, 2 group size; then 4 per record: header write, read, values write, read.
        QTest::newRow("header read of record 2 times out") << 8 << timeout << 4 << 1 << false
                                                           << "Read WAIT_TIMEOUT";
        QTest::newRow("header write of record 3 fails") << 11 << waitError << 5 << 2 << false
                                                        << "Write WaitForSingleObject error";
        QTest::newRow("values read of record 1 times out") << 6 << timeout << 3 << 0 << true
                                                           << "Read WAIT_TIMEOUT";
    }

    void failureMidDownload()
    {
        QFETCH(int, nTransfer);
        QFETCH(int, fault);
        QFETCH(int, nRequestsDelivered);
        QFETCH(int, nRecordsComplete);
        QFETCH(bool, bHeaderKept);
        QFETCH(QString, debugText);

        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(1, records(3));
        Link link(sim);
        QVERIFY(link.device.openByScan());
        const int nScansBefore = sim.scanCount();
        sim.injectFault(nTransfer, SimulatedInstrument::Fault(fault));

        QTest::ignoreMessage(QtDebugMsg, qPrintable(debugText));
        QCOMPARE(link.collect(0), short(3));  // the full count, whatever failed
        QCOMPARE(link.progress, (std::vector<int>{kProgressMaximumFlag | 3, 1, 2, 3}));
        QCOMPARE(int(sim.requests().size()), nRequestsDelivered);  // later exchanges never reach the device
        QVERIFY(!link.device.isConnected());
        QCOMPARE(link.device.devicePath(), "");

        const MeasureRecord* rec = link.device.records();
        for (int i = 0; i < 3; ++i) {
            if (i < nRecordsComplete) {
                QCOMPARE(rec[i].nTimes, uint8_t(3));
                QCOMPARE(rec[i].pValues[0], float((500 + i) * 0.1));
            } else if (i == nRecordsComplete && bHeaderKept) {
                // The header arrived, the values did not: the header stays, without values.
                QCOMPARE(rec[i].nMaterial, uint8_t(2));
                QCOMPARE(rec[i].nTimes, uint8_t(0));
                QVERIFY(!rec[i].pValues);
            } else {
                QVERIFY2(isAllZero(rec[i]), qPrintable(QString("record %1").arg(i)));
            }
        }
        QCOMPARE(link.device.exchange(), short(-2));  // fails at once, nothing sent

        // The next presence check scans afresh and finds the instrument again.
        QCOMPARE(link.device.reopen(), short(1));
        QCOMPARE(sim.scanCount(), nScansBefore + 1);
        QCOMPARE(link.device.devicePath(), kPath);
    }

    void unsentHeaderSkipsOnlyThatRecord()
    {
        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(1, records(3));
        Link link(sim);
        QVERIFY(link.device.openByScan());
        sim.injectFault(7, SimulatedInstrument::Fault::NothingSent);  // header write of record 2

        QCOMPARE(link.collect(0), short(3));
        const MeasureRecord* rec = link.device.records();
        QVERIFY(isAllZero(rec[1]));
        QVERIFY(link.device.isConnected());  // nothing timed out: the download goes on
        for (int i : {0, 2}) {
            QCOMPARE(rec[i].nTimes, uint8_t(3));
            QVERIFY(rec[i].pValues[0] == float((500 + i) * 0.1));
        }
    }

    void shortRepliesReadAsZero()
    {
        SimulatedInstrument sim;
        sim.plugIn(kPath);
        sim.setGroup(1, {hrcRecord({523, 519, 530, 541}), hrcRecord({523, 519, 530, 541})});
        Link link(sim);
        QVERIFY(link.device.openByScan());
        sim.injectFault(6, SimulatedInstrument::Fault::ShortReply, 5);  // values of record 1: two values
        sim.injectFault(8, SimulatedInstrument::Fault::ShortReply, 8);  // header of record 2: up to the month
        QCOMPARE(link.collect(0), short(2));

        const MeasureRecord* rec = link.device.records();
        QCOMPARE(rec[0].nTimes, uint8_t(2));
        QCOMPARE(rec[0].fMax, 52.3f);
        // What the earlier, longer header reply held must not show through.
        QCOMPARE(rec[1].nMaterial, uint8_t(2));
        QCOMPARE(rec[1].nUnit, uint8_t(3));
        QCOMPARE(rec[1].nProbe, uint8_t(0));
        QCOMPARE(rec[1].nAngle, uint8_t(0));
        QCOMPARE(rec[1].nTimes, uint8_t(0));
        QVERIFY(link.device.isConnected());

        sim.injectFault(2, SimulatedInstrument::Fault::ShortReply, 3);  // the count is byte 3
        QCOMPARE(link.device.groupSize(0), short(0));
    }

    void scanSkipsWhatDoesNotMatch()
    {
        SimulatedInstrument sim;
        sim.addOtherDevice("sim:mouse", 0x046d, 0xc077);
        sim.addOtherDevice("sim:locked", CHidDevice::kVendorId, CHidDevice::kProductId,
                           SimulatedInstrument::Access::CannotOpen);
        sim.addOtherDevice("sim:mute", CHidDevice::kVendorId, CHidDevice::kProductId,
                           SimulatedInstrument::Access::IdsUnreadable);
        sim.addOtherDevice("sim:sibling", CHidDevice::kVendorId, CHidDevice::kProductId + 1);
        sim.addOtherDevice("sim:cousin", CHidDevice::kVendorId + 1, CHidDevice::kProductId);
        CHidDevice device(sim);
        QVERIFY(!device.openByScan());
        QCOMPARE(device.reopen(), short(0));
        QCOMPARE(device.devicePath(), "");
        QCOMPARE(device.write(), -1);

        sim.plugIn("sim:first");
        sim.plugIn("sim:second");
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(device.devicePath(), "sim:first");
        QCOMPARE(device.groupSize(0), short(0));
        QCOMPARE(sim.requests().size(), size_t(1));
        QCOMPARE(sim.requests()[0].path, std::string("sim:first"));
    }

    void presenceCheckReopensTheRememberedPath()
    {
        SimulatedInstrument sim;
        sim.plugIn("sim:a");
        sim.setGroup(1, records(1));
        CHidDevice device(sim);
        QCOMPARE(device.reopen(), short(1));
        int nScans = sim.scanCount();

        // Present: close and open the same path again, no scan.
        const int nOpens = sim.openCount();
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(sim.scanCount(), nScans);
        QCOMPARE(sim.openCount(), nOpens + 1);

        // Unplugged: the path does not open, the scan finds nothing, the path is kept.
        sim.unplug("sim:a");
        QCOMPARE(device.reopen(), short(0));
        QCOMPARE(sim.scanCount(), ++nScans);
        QVERIFY(!device.isConnected());
        QCOMPARE(device.devicePath(), "sim:a");

        // Back at the same port: the remembered path opens, no scan, and downloads work again.
        sim.plugIn("sim:a");
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(sim.scanCount(), nScans);
        QVERIFY(device.isConnected());
        QCOMPARE(device.groupSize(0), short(1));

        // Back at another port: found by the scan.
        sim.unplug("sim:a");
        sim.plugIn("sim:b");
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(device.devicePath(), "sim:b");

        // Another device took the remembered path: it is not taken for the instrument.
        sim.unplug("sim:b");
        sim.addOtherDevice("sim:b", 0x046d, 0xc077);
        QCOMPARE(device.reopen(), short(0));
        QCOMPARE(device.devicePath(), "");
        QCOMPARE(device.exchange(), short(-2));
    }

    void refusesWhatWouldNotFit()
    {
        struct Lengths { int nInput, nOutput; bool bUsable; };
        for (const Lengths& l : {Lengths{257, 65, false}, Lengths{65, 257, false}, Lengths{0, 65, false},
                                 Lengths{65, 0, false}, Lengths{256, 256, true}}) {
            SimulatedInstrument sim;
            sim.plugIn(kPath);
            sim.setReportLengths(l.nInput, l.nOutput);
            CHidDevice device(sim);
            QCOMPARE(device.openByScan(), l.bUsable);
            if (l.bUsable) {
                QCOMPARE(device.groupSize(0), short(0));
                QCOMPARE(sim.requests().at(0).report.size(), size_t(256));
                QTest::ignoreMessage(QtDebugMsg, "Read WAIT_TIMEOUT");
                QCOMPARE(device.read(), -1);  // no reply waiting: times out
            }
        }

        const std::string longest(CHidDevice::kPathCapacity - 1, 'p');
        const std::string tooLong(CHidDevice::kPathCapacity, 'q');
        SimulatedInstrument sim;
        sim.plugIn(tooLong);
        CHidDevice device(sim);
        QVERIFY(!device.openByScan());
        sim.plugIn(longest);
        QVERIFY(device.openByScan());
        QCOMPARE(std::string(device.devicePath()), longest);
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "test_device_link.moc"
