// The hidraw layer end to end on an emulated HID bus: the walk over /sys/class/hidraw, open, the
// id and descriptor ioctls, write, poll and read with the report-id byte, an unplug seen as an
// error, and a node this user may not open. Runs under umockdev-wrapper.
#include "CHidDevice.h"
#include "CsvWriter.h"
#include "HardnessCli.h"
#include "HidrawTestbed.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QBuffer>
#include <QtTest>

#include <unistd.h>

namespace {

using Kind = HidrawTestbed::Kind;
constexpr int kRecords = 255;
const char kStatusChild[] = "--status-child";

// Record i: codes through their ranges, both value scalings, 32 values that use both bytes.
std::vector<SimRecord> fullGroup()
{
    std::vector<SimRecord> group;
    for (int i = 0; i < kRecords; ++i) {
        group.push_back({uint8_t(i % 10), uint8_t(i % 7), uint8_t(i % 30), uint8_t(1 + i % 12),
                         uint8_t(1 + i % 28), uint8_t(i % 8), uint8_t(i % 5), {}});
        for (int k = 0; k < 32; ++k)
            group.back().values.push_back(uint16_t(i * 257 + k * 2053 + 1));
    }
    return group;
}

// The first nCount records of the group as CSV bytes, downloaded over the in-process bus.
QByteArray expectedCsv(const std::vector<SimRecord>& group, int nCount)
{
    SimulatedInstrument sim;
    sim.plugIn("sim:instrument");
    sim.setGroup(1, group);
    CHidDevice device(sim);
    const bool bWhole = device.openByScan() && device.collectGroup(0).isWhole();
    return bWhole ? CsvDocument(device.records(), nCount) : QByteArray();
}

// As the user it was started as: the window's presence check and `hardness-cli status` on the
// real hidraw platform. Prints the presence state, then the status line.
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
    const int nExit = HardnessCli(DefaultHidPlatform(), DefaultHidPlatform(), {out, err, false}).run({"cli", "status"});
    std::printf("%d\n%s", nPresence, out.data().constData());
    return nExit;
}

} // namespace

class TestHidrawBed : public QObject
{
    Q_OBJECT

    std::unique_ptr<HidrawTestbed> bed;
    const std::vector<SimRecord> group = fullGroup();

private slots:
    void init()
    {
        if (!HidrawTestbed::preloaded())
            QSKIP("needs umockdev's preload library: run under umockdev-wrapper");
        bed = std::make_unique<HidrawTestbed>();
        bed->plugIn(0, Kind::Keyboard);
        bed->plugIn(1, Kind::Instrument);
        bed->setGroup(1, group);
    }

    void cleanup() { bed.reset(); }

    // The scan finds the instrument behind a keyboard and a whole group arrives byte-exact. An
    // unplug during a download fails at once (no 1800 ms time-out), nothing more is sent, the
    // records before it are kept and the next presence check sees it gone; plugged in again
    // under another number, the instrument works.
    void download()
    {
        CHidDevice device(DefaultHidPlatform());
        QVERIFY(device.reopen() == 1 && device.devicePath() == std::string("/dev/hidraw1"));
        QCOMPARE(device.collectGroup(0).nReceived, kRecords);
        QCOMPARE(CsvDocument(device.records(), kRecords), expectedCsv(group, kRecords));
        std::vector<uint8_t> sizeRequest(HidrawTestbed::kInstrumentReportLength, 0);  // report id 0, 64 bytes
        sizeRequest[1] = 0xA8;
        sizeRequest[2] = 1;
        QCOMPARE(bed->requests().front(), sizeRequest);
        QCOMPARE(int(bed->requests().size()), 1 + 2 * kRecords);

        const int nCutOff = 1 + 2 * 99 + 2;  // the values request of record 100
        bed->cutOffAfterRequests(nCutOff);
        QTest::ignoreMessage(QtDebugMsg, "Read WaitForSingleObject error");
        const DownloadOutcome outcome = device.collectGroup(0);
        QVERIFY(outcome.nReceived == 99 && outcome.nExpected == kRecords);
        QCOMPARE(CsvDocument(device.records(), 99), expectedCsv(group, 99));
        QCOMPARE(int(bed->requests().size()), 1 + 2 * kRecords + nCutOff);

        bed->unplug(1);
        QCOMPARE(device.reopen(), short(0));
        bed->plugIn(5, Kind::Instrument);
        QVERIFY(device.reopen() == 1 && device.devicePath() == std::string("/dev/hidraw5"));
        QCOMPARE(device.collectGroup(0).nReceived, kRecords);
        QCOMPARE(CsvDocument(device.records(), kRecords), expectedCsv(group, kRecords));
    }

    // Root opens any node: the presence check runs in a child as an ordinary user.
    void nodeWithoutPermission()
    {
        QTemporaryDir dir;  // a copy of this program where any user may run it
        const QString program = dir.filePath("child");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QFile(dir.path()).setPermissions(QFile::permissions(program));
        const auto runChild = [&] {  // the exit code, the presence state, the status line
            QProcess child;
            QStringList command{program, kStatusChild};
            if (::geteuid() == 0)
                command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            child.start(command.takeFirst(), command);
            const bool bExited = child.waitForFinished(20000) && child.exitStatus() == QProcess::NormalExit;
            return QByteArray::number(bExited ? child.exitCode() : -1) + ' ' + child.readAllStandardOutput();
        };
        bed->openToAllUsers(1);
        QCOMPARE(runChild(), QByteArray::number(kExitDeviceFailed) + " 2\nDevice found at /dev/hidraw1, but no "
                                 "permission to open it: install the udev rule (see README)\n");

        // The rule is in and the instrument plugged in again.
        bed->unplug(1);
        bed->plugIn(3, Kind::Instrument);
        bed->openToAllUsers();
        QCOMPARE(runChild(), QByteArray::number(kExitData) + " 1\nDevice Connected: /dev/hidraw3\n");
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], kStatusChild) == 0)
        return statusChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestHidrawBed test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidraw_bed.moc"
