// The hidraw layer end to end on an emulated Linux HID bus (umockdev): the walk over
// /sys/class/hidraw, open, the descriptor and id ioctls, write and read with the report-id byte,
// an unplug seen as an error, and a node this user may not open. Runs under umockdev-wrapper.
#include "CHidDevice.h"
#include "HardnessCli.h"
#include "HidrawPlatform.h"
#include "HidrawTestbed.h"
#include "QHard.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

namespace {

using Kind = HidrawTestbed::Kind;
constexpr int kRecords = 255, kValues = 32;
const char kStatusChild[] = "--status-child";

// Record i: codes that run through their ranges, both value scalings, values that use both bytes.
std::vector<SimRecord> fullGroup()
{
    std::vector<SimRecord> group(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        group[size_t(i)] = SimRecord{uint8_t(i % 10), uint8_t(i % 7), uint8_t(i % 30), uint8_t(1 + i % 12),
                                     uint8_t(1 + i % 28), uint8_t(i % 8), uint8_t(i % 5), {}};
        for (int k = 0; k < kValues; ++k)
            group[size_t(i)].values.push_back(uint16_t(i * 257 + k * 2053 + 1));
    }
    return group;
}

// Whether rec holds what the instrument stores for sim, values back on the wire's scale.
bool sameRecord(const MeasureRecord& rec, const SimRecord& sim)
{
    if (rec.nMaterial != sim.nMaterial || rec.nUnit != sim.nUnit || rec.nAngle != sim.nAngle
        || rec.nProbe != sim.nProbe || rec.nTimes != sim.values.size() || !rec.pValues
        || rec.tDate != QDateTime(QDate(2000 + sim.nYear, sim.nMonth, sim.nDay), QTime(0, 0)).toSecsSinceEpoch())
        return false;
    const int nScale = sim.nUnit >= 3 ? 10 : 1;
    for (size_t k = 0; k < sim.values.size(); ++k)
        if (qRound(rec.pValues[k] * nScale) != sim.values[k])
            return false;
    return true;
}

bool isEmpty(const MeasureRecord& rec)
{
    return rec.nTimes == 0 && !rec.pValues && rec.tDate == 0;
}

// The child's part: the window's presence check and `hardness-cli status` on the real hidraw
// platform, as the user it was started as. Prints the presence state, then the status line.
int statusChild(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bAppRunning = 0;
    QHard hard;
    hard.init();
    short nPresence = QHard::kAbsent;
    QObject::connect(&hard, &QHard::sigValidDev, [&](short b) { nPresence = b; });
    hard.searchDev();
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    HardnessCli cli(DefaultHidPlatform(), DefaultHidPlatform(), {out, err, false});
    const int nExit = cli.run({HardnessCli::kProgramName, "status"});
    std::printf("%d\n%s", nPresence, out.data().constData());
    return nExit;
}

} // namespace

class TestHidrawBed : public QObject
{
    Q_OBJECT

    HidrawTestbed* bed = nullptr;

private slots:
    void initTestCase()
    {
        if (!HidrawTestbed::preloaded())
            QSKIP("needs umockdev's preload library: run under umockdev-wrapper");
    }

    void init()
    {
        bed = new HidrawTestbed;
        bed->plugIn(0, Kind::Keyboard);
        bed->plugIn(1, Kind::Mouse);
        bed->plugIn(2, Kind::Instrument);
        bed->setGroup(1, fullGroup());
    }

    void cleanup() { delete bed; }

    void scanAndFullGroup()
    {
        HidrawPlatform platform(bed->reportWait());
        CHidDevice device(platform);
        QVERIFY(device.openByScan());
        QCOMPARE(device.devicePath(), "/dev/hidraw2");
        QCOMPARE(device.collectGroup(0), short(kRecords));

        const std::vector<std::vector<uint8_t>> requests = bed->requests();
        QCOMPARE(int(requests.size()), 1 + 2 * kRecords);
        std::vector<uint8_t> expected(HidrawTestbed::kInstrumentReportLength, 0);  // report id 0, then 64 bytes
        expected[1] = 0xA8;
        expected[2] = 1;
        QCOMPARE(requests[0], expected);
        expected[1] = 0xA6;
        expected[3] = 255;
        QCOMPARE(requests.back(), expected);
        const std::vector<SimRecord> group = fullGroup();
        for (int i = 0; i < kRecords; ++i)
            QVERIFY2(sameRecord(device.records()[i], group[size_t(i)]), qPrintable(QString::number(i)));
    }

    void unplugDuringDownload_data()
    {
        QTest::addColumn<int>("nCutOff");       // the request after which the instrument is pulled
        QTest::addColumn<int>("nResult");
        QTest::addColumn<int>("nRecordsRead");  // whole records before the cut
        QTest::newRow("group size") << 1 << -1 << 0;
        QTest::newRow("header of record 100") << 1 + 2 * 99 + 1 << kRecords << 99;
        QTest::newRow("values of record 100") << 1 + 2 * 99 + 2 << kRecords << 99;
    }

    void unplugDuringDownload()
    {
        QFETCH(int, nCutOff);
        QFETCH(int, nResult);
        QFETCH(int, nRecordsRead);
        HidrawPlatform platform(bed->reportWait());
        CHidDevice device(platform);
        QCOMPARE(device.reopen(), short(1));
        bed->cutOffAfterRequests(nCutOff);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(device.collectGroup(0), short(nResult));
        QVERIFY(timer.elapsed() < CHidDevice::kTransferTimeoutMs);
        QCOMPARE(int(bed->requests().size()), nCutOff);  // nothing more is sent to a dropped device

        const std::vector<SimRecord> group = fullGroup();
        for (int i = 0; nResult > 0 && i < kRecords; ++i) {
            const MeasureRecord& rec = device.records()[i];
            QVERIFY2(i < nRecordsRead ? sameRecord(rec, group[size_t(i)]) : isEmpty(rec) || i == nRecordsRead,
                     qPrintable(QString::number(i)));
        }

        bed->unplug(2);
        QCOMPARE(device.reopen(), short(0));
        bed->plugIn(5, Kind::Instrument);
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(device.devicePath(), "/dev/hidraw5");
        QCOMPARE(device.collectGroup(0), short(kRecords));
        QVERIFY(sameRecord(device.records()[kRecords - 1], group.back()));
    }

    // Root opens any node, so the presence check runs in a child as an ordinary user.
    void nodeWithoutPermission()
    {
        bed->openToAllUsers();
        bed->denyOpen(2);
        const auto runChild = [](QByteArray& output) {
            QProcess child;
            QStringList command{QCoreApplication::applicationFilePath(), kStatusChild};
            if (::geteuid() == 0)
                command = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            child.start(::geteuid() == 0 ? "setpriv" : command.takeFirst(), command);
            child.waitForFinished(20000);
            output = child.readAllStandardOutput();
            return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
        };
        QByteArray output;
        QCOMPARE(runChild(output), int(kExitDeviceFailed));
        QCOMPARE(output, QByteArray("2\nDevice found at /dev/hidraw2, but no permission to open it: "
                                    "install the udev rule (see README)\n"));

        // The rule is in and the instrument plugged in again.
        bed->unplug(2);
        bed->plugIn(3, Kind::Instrument);
        bed->openToAllUsers();
        QCOMPARE(runChild(output), int(kExitData));
        QCOMPARE(output, QByteArray("1\nDevice Connected: /dev/hidraw3\n"));
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], kStatusChild) == 0)
        return statusChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestHidrawBed test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidraw_bed.moc"
