// The parts of the hidraw layer that the emulated bus does not reach: report lengths from real
// report descriptors, the read time-out, the walk's order and nodes that are no HID device.
#include "HidReportDescriptor.h"
#include "HidrawIo.h"

#include <QtTest>

#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

// Real report descriptors from the fuzz seed corpus.
Bytes seed(const char* szName)
{
    QFile file(QFINDTESTDATA(QString("fuzz/corpus/report_descriptor/") + szName));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return Bytes(bytes.begin(), bytes.end());
}

// Input length, output length, numbered reports.
std::tuple<int, int, bool> lengths(const Bytes& descriptor)
{
    const HidReportLayout l = ParseReportDescriptor(descriptor.data(), descriptor.size());
    return {l.caps.InputReportByteLength, l.caps.OutputReportByteLength, l.bNumberedReports};
}

} // namespace

class TestHidraw : public QObject
{
    Q_OBJECT

private slots:
    void reportLengthsFromDescriptors()
    {
        const Bytes vendor64 = seed("vendor_64");  // vendor-defined, 64-byte input and output reports
        QCOMPARE(lengths(vendor64), std::make_tuple(65, 65, false));
        // Keyboard report 1 with 5 LED + 3 padding bits of output, consumer control report 2.
        QCOMPARE(lengths(seed("keyboard_numbered")), std::make_tuple(9, 2, true));
        QCOMPARE(lengths(seed("boot_mouse")), std::make_tuple(4, 0, false));
        // Report 1 (4 bytes in), then in a Push/Pop pair report 2 (32 bytes in), a long item whose data
        // looks like main items, report 1 again (4 bytes out), and a Pop with nothing pushed.
        QCOMPARE(lengths(seed("push_pop_long_item")), std::make_tuple(33, 5, true));
        // Cut inside the output item: what came before counts, the rest does not.
        QCOMPARE(lengths(Bytes(vendor64.begin(), vendor64.begin() + 32)), std::make_tuple(65, 0, false));
        // Absurd sizes saturate instead of wrapping round to something small.
        QCOMPARE(std::get<0>(lengths({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02})),
                 0xFFFF);
    }

    // A report that never comes: the wait ends after its time-out (an unplug ends it at once).
    void readTimesOut()
    {
        int fd[2];
        QVERIFY(::pipe(fd) == 0);
        uint8_t report[8];
        QCOMPARE(int(ReadReport(fd[0], report, 8, 10, true).outcome), int(HidTransfer::Timeout));
        ::close(fd[1]);
        ::close(fd[0]);
    }

    void findsDevicesInNumberOrder()
    {
        QTemporaryDir dir;
        for (const char* name : {"hidraw10", "hidraw2", "hidraw0", "hidrawx", "hidraw", "event3"})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QCOMPARE(HidrawDevicePaths(dir.path().toStdString()),
                 (std::vector<std::string>{"/dev/hidraw0", "/dev/hidraw2", "/dev/hidraw10"}));
        QVERIFY(HidrawDevicePaths(dir.filePath("missing").toStdString()).empty());
    }

    void somethingElseIsNoHidDevice()
    {
        const std::unique_ptr<HidConnection> notHid = DefaultHidPlatform().open("/dev/null", HidPlatform::ForQuery);
        uint16_t nVendor = 0, nProduct = 0;
        HidCaps caps;
        QVERIFY(notHid && !notHid->readIds(nVendor, nProduct) && !notHid->readCaps(caps));
    }
};

QTEST_GUILESS_MAIN(TestHidraw)
#include "test_hidraw.moc"
