// The hidraw layer without a hidraw device: report lengths from real report descriptors, and
// the waits and transfers on ordinary file descriptors.
#include "HidReportDescriptor.h"
#include "HidrawIo.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A vendor-defined device with 64-byte input and output reports, no report ids.
const Bytes kVendor64 = {
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,
    0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x81, 0x02,
    0x09, 0x03, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x91, 0x02,
    0xC0,
};

// A keyboard (report 1: modifiers, reserved byte, six keys; LED output with padding) and a
// consumer control (report 2: one 16-bit usage).
const Bytes kKeyboardWithConsumer = {
    0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, 0x01,
    0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x08, 0x81, 0x01,
    0x95, 0x05, 0x75, 0x01, 0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02,
    0x95, 0x01, 0x75, 0x03, 0x91, 0x01,
    0x95, 0x06, 0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00,
    0xC0,
    0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x02,
    0x15, 0x00, 0x26, 0xFF, 0x03, 0x19, 0x00, 0x2A, 0xFF, 0x03, 0x75, 0x10, 0x95, 0x01, 0x81, 0x00,
    0xC0,
};

// A three-button boot mouse: input only.
const Bytes kBootMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00,
    0x05, 0x09, 0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x05, 0x81, 0x01,
    0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06,
    0xC0, 0xC0,
};

HidReportLayout parse(const Bytes& descriptor)
{
    return ParseReportDescriptor(descriptor.data(), descriptor.size());
}

struct Pipe
{
    Pipe() { QVERIFY(::pipe(fd) == 0); }
    ~Pipe() { closeEnd(0); closeEnd(1); }
    void closeEnd(int n)
    {
        if (fd[n] >= 0)
            ::close(fd[n]);
        fd[n] = -1;
    }
    int fd[2] = {-1, -1};
};

} // namespace

class TestHidraw : public QObject
{
    Q_OBJECT

private slots:
    void reportLengthsFromRealDescriptors()
    {
        HidReportLayout layout = parse(kVendor64);
        QCOMPARE(int(layout.caps.InputReportByteLength), 65);
        QCOMPARE(int(layout.caps.OutputReportByteLength), 65);
        QVERIFY(!layout.bNumberedReports);

        layout = parse(kKeyboardWithConsumer);
        QCOMPARE(int(layout.caps.InputReportByteLength), 9);   // report 1: 8 bytes and its id
        QCOMPARE(int(layout.caps.OutputReportByteLength), 2);  // 5 LED bits and 3 padding bits
        QVERIFY(layout.bNumberedReports);

        layout = parse(kBootMouse);
        QCOMPARE(int(layout.caps.InputReportByteLength), 4);
        QCOMPARE(int(layout.caps.OutputReportByteLength), 0);
        QVERIFY(!layout.bNumberedReports);
    }

    void globalStateAndOddItems()
    {
        // The longest numbered report comes second; Push/Pop restore size and count; a long
        // item is skipped whole, even when its data looks like main items.
        const Bytes descriptor = {
            0x06, 0x00, 0xFF, 0xA1, 0x01,
            0x85, 0x01, 0x75, 0x08, 0x95, 0x04, 0x81, 0x02,   // report 1: 4 bytes in
            0xA4, 0x85, 0x02, 0x95, 0x20, 0x81, 0x02, 0xB4,   // report 2: 32 bytes in
            0xFE, 0x04, 0x01, 0x81, 0x02, 0x91, 0x02,         // long item
            0x91, 0x02,                                       // report 1 again: 4 bytes out
            0xB4,                                             // a Pop with nothing pushed
            0xC0,
        };
        const HidReportLayout layout = parse(descriptor);
        QCOMPARE(int(layout.caps.InputReportByteLength), 33);
        QCOMPARE(int(layout.caps.OutputReportByteLength), 5);

        // Cut inside the output item: what came before counts, the rest does not.
        const Bytes cut(kVendor64.begin(), kVendor64.begin() + 32);
        QCOMPARE(int(parse(cut).caps.InputReportByteLength), 65);
        QCOMPARE(int(parse(cut).caps.OutputReportByteLength), 0);
        QCOMPARE(int(ParseReportDescriptor(nullptr, 0).caps.InputReportByteLength), 0);

        // Absurd sizes saturate instead of wrapping round to something small.
        const Bytes huge = {0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0x81, 0x02};
        QCOMPARE(int(parse(huge).caps.InputReportByteLength), 0xFFFF);
    }

    void readsOneReportWithItsId()
    {
        Pipe pipe;
        const uint8_t data[] = {0x11, 0x22, 0x33};
        QCOMPARE(::write(pipe.fd[1], data, sizeof data), ssize_t(sizeof data));
        uint8_t report[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
        HidTransfer t = ReadReport(pipe.fd[0], report, 8, 1000, true);
        QCOMPARE(int(t.outcome), int(HidTransfer::Done));
        QCOMPARE(t.nBytes, 4);  // the report id byte counts
        QCOMPARE(Bytes(report, report + 5), (Bytes{0x00, 0x11, 0x22, 0x33, 0xEE}));

        // Numbered reports arrive with their id already in front.
        QCOMPARE(::write(pipe.fd[1], data, sizeof data), ssize_t(sizeof data));
        t = ReadReport(pipe.fd[0], report, 8, 1000, false);
        QCOMPARE(t.nBytes, 3);
        QCOMPARE(Bytes(report, report + 3), (Bytes{0x11, 0x22, 0x33}));

        // Nothing comes: a time-out; the writer gone: an error, as after an unplug.
        QCOMPARE(int(ReadReport(pipe.fd[0], report, 8, 10, true).outcome), int(HidTransfer::Timeout));
        pipe.closeEnd(1);
        QCOMPARE(int(ReadReport(pipe.fd[0], report, 8, 1000, true).outcome), int(HidTransfer::Error));
    }

    void writesOneReport()
    {
        Pipe pipe;
        const uint8_t request[4] = {0x00, 0xA8, 0x01, 0x00};
        const HidTransfer t = WriteReport(pipe.fd[1], request, 4);
        QCOMPARE(int(t.outcome), int(HidTransfer::Done));
        QCOMPARE(t.nBytes, 4);
        uint8_t sent[4] = {};
        QCOMPARE(::read(pipe.fd[0], sent, 4), ssize_t(4));
        QCOMPARE(Bytes(sent, sent + 4), Bytes(request, request + 4));
        QCOMPARE(int(WriteReport(pipe.fd[0], request, 4).outcome), int(HidTransfer::Error));
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
        HidPlatform& platform = DefaultHidPlatform();
        QVERIFY(!platform.open("/nonexistent/hidraw0", HidPlatform::ForQuery));
        std::unique_ptr<HidConnection> notHid = platform.open("/dev/null", HidPlatform::ForQuery);
        QVERIFY(notHid);
        uint16_t nVendor = 0;
        uint16_t nProduct = 0;
        HidCaps caps;
        QVERIFY(!notHid->readIds(nVendor, nProduct));
        QVERIFY(!notHid->readCaps(caps));
    }
};

QTEST_GUILESS_MAIN(TestHidraw)
#include "test_hidraw.moc"
