// The hidraw layer end to end on an emulated HID bus: the walk over /sys/class/hidraw, open, the
// id and descriptor ioctls, write, poll and read with the report-id byte, an unplug seen as an
// error, and a node this user may not open. Runs under umockdev-wrapper.
#include "CHidDevice.h"
#include "HardnessCli.h"
#include "HidrawTestbed.h"
#include "QHard.h"

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

// Whether rec holds what the instrument stores as sim, the values back on the wire's scale.
bool sameRecord(const MeasureRecord& rec, const SimRecord& sim)
{
    const QDateTime date(QDate(2000 + sim.nYear, sim.nMonth, sim.nDay), QTime(0, 0));
    bool bSame = rec.nMaterial == sim.nMaterial && rec.nUnit == sim.nUnit && rec.nAngle == sim.nAngle
        && rec.nProbe == sim.nProbe && rec.nTimes == sim.values.size() && rec.tDate == date.toSecsSinceEpoch()
        && rec.pValues;
    for (size_t k = 0; bSame && k < sim.values.size(); ++k)
        bSame = qRound(rec.pValues[k] * (sim.nUnit >= 3 ? 10 : 1)) == sim.values[k];
    return bSame;
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
        bed->plugIn(1, Kind::Mouse);
        bed->plugIn(2, Kind::Instrument);
        bed->setGroup(1, group);
    }

    void cleanup() { bed.reset(); }

    // The scan finds the instrument among the others; a whole group arrives byte-exact, and
    // an unplug during a download fails at once, keeps what came before and is seen by the next
    // presence check; plugged in again under another number, the instrument works.
    void download_data()
    {
        QTest::addColumn<int>("nCutOff");  // the request after which the instrument is pulled out
        QTest::addColumn<int>("nExpected");  // the group size that came
        QTest::addColumn<int>("nRecordsRead");
        QTest::newRow("whole group") << 0 << kRecords << kRecords;
        QTest::newRow("at the group size") << 1 << 0 << 0;
        QTest::newRow("at the header of record 100") << 1 + 2 * 99 + 1 << kRecords << 99;
        QTest::newRow("at the values of record 100") << 1 + 2 * 99 + 2 << kRecords << 99;
    }

    void download()
    {
        QFETCH(int, nCutOff);
        QFETCH(int, nExpected);
        QFETCH(int, nRecordsRead);
        CHidDevice device(DefaultHidPlatform());
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(device.devicePath(), "/dev/hidraw2");
        bed->cutOffAfterRequests(nCutOff);
        if (nCutOff)  // the hang-up ends the wait at once, no 1800 ms time-out
            QTest::ignoreMessage(QtDebugMsg, "Read WaitForSingleObject error");
        const DownloadOutcome outcome = device.collectGroup(0);
        QVERIFY(outcome.nReceived == nRecordsRead && outcome.nExpected == nExpected);

        const std::vector<std::vector<uint8_t>> requests = bed->requests();
        QCOMPARE(int(requests.size()), nCutOff ? nCutOff : 1 + 2 * kRecords);  // nothing more to a dropped device
        std::vector<uint8_t> expected(HidrawTestbed::kInstrumentReportLength, 0);  // report id 0, then 64 bytes
        expected[1] = 0xA8;
        expected[2] = 1;
        QCOMPARE(requests[0], expected);
        for (int i = 0; i < nRecordsRead; ++i)
            QVERIFY2(sameRecord(device.records()[i], group[size_t(i)]), qPrintable(QString::number(i)));
        if (nCutOff == 0)
            return;

        bed->unplug(2);
        QCOMPARE(device.reopen(), short(0));
        bed->plugIn(5, Kind::Instrument);
        QCOMPARE(device.reopen(), short(1));
        QCOMPARE(device.devicePath(), "/dev/hidraw5");
        QCOMPARE(device.collectGroup(0).nReceived, kRecords);
        QVERIFY(sameRecord(device.records()[kRecords - 1], group.back()));
    }

    // Root opens any node: the presence check runs in a child as an ordinary user.
    void nodeWithoutPermission()
    {
        QTemporaryDir dir;  // a copy of this program where any user may run it
        const QString program = dir.filePath("child");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
        QFile(dir.path()).setPermissions(QFile::permissions(program));
        const auto runChild = [&](QByteArray& output) {
            QProcess child;
            QStringList command{program, kStatusChild};
            if (::geteuid() == 0)
                command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            child.start(command.takeFirst(), command);
            child.waitForFinished(20000);
            output = child.readAllStandardOutput();
            return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
        };
        bed->openToAllUsers();
        bed->denyOpen(2);
        QByteArray output;
        QCOMPARE(runChild(output), int(kExitDeviceFailed));
        QCOMPARE(output, "2\nDevice found at /dev/hidraw2, but no permission to open it: install the udev rule (see README)\n");

        // The rule is in and the instrument plugged in again.
        bed->unplug(2);
        bed->plugIn(3, Kind::Instrument);
        bed->openToAllUsers();
        QCOMPARE(runChild(output), int(kExitData));
        QCOMPARE(output, "1\nDevice Connected: /dev/hidraw3\n");
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
