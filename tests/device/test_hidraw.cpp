// The hidraw layer without a hidraw device: report lengths from real report descriptors, and
// the waits and transfers on ordinary file descriptors.
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
        QCOMPARE(lengths({}), std::make_tuple(0, 0, false));
        // Absurd sizes saturate instead of wrapping round to something small.
        QCOMPARE(std::get<0>(lengths({0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02})),
                 0xFFFF);
    }

    void transfersOnAPipe()
    {
        int fd[2];
        QVERIFY(::pipe(fd) == 0);
        const uint8_t request[4] = {0x00, 0xA8, 0x01, 0x00};
        const HidTransfer sent = WriteReport(fd[1], request, 4);
        QVERIFY(sent.outcome == HidTransfer::Done && sent.nBytes == 4);
        QCOMPARE(int(WriteReport(fd[0], request, 4).outcome), int(HidTransfer::Error));
        // An unnumbered report gets its id 0 in front, and the count includes it; numbered reports
        // arrive with their id already in front.
        uint8_t report[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        QCOMPARE(ReadReport(fd[0], report, 8, 1000, true).nBytes, 5);
        QCOMPARE(Bytes(report, report + 6), (Bytes{0x00, 0x00, 0xA8, 0x01, 0x00, 0xEE}));
        QCOMPARE(::write(fd[1], request + 1, 3), ssize_t(3));
        QCOMPARE(ReadReport(fd[0], report, 8, 1000, false).nBytes, 3);
        QCOMPARE(Bytes(report, report + 3), Bytes(request + 1, request + 4));
        // Nothing comes: a time-out; the writer gone: an error, as after an unplug.
        QCOMPARE(int(ReadReport(fd[0], report, 8, 10, true).outcome), int(HidTransfer::Timeout));
        ::close(fd[1]);
        QCOMPARE(int(ReadReport(fd[0], report, 8, 1000, true).outcome), int(HidTransfer::Error));
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
        QVERIFY(!DefaultHidPlatform().open("/nonexistent/hidraw0", HidPlatform::ForQuery));
        const std::unique_ptr<HidConnection> notHid = DefaultHidPlatform().open("/dev/null", HidPlatform::ForQuery);
        uint16_t nVendor = 0, nProduct = 0;
        HidCaps caps;
        QVERIFY(notHid && !notHid->readIds(nVendor, nProduct) && !notHid->readCaps(caps));
    }
};

QTEST_GUILESS_MAIN(TestHidraw)
#include "test_hidraw.moc"
