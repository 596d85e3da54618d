#include "HidReportDescriptor.h"
#include "HidrawIo.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// One open /dev/hidrawN.
class HidrawConnection : public HidConnection
{
public:
    explicit HidrawConnection(int fd)
        : fd(fd)
    {
        // Read once per open: it tells the report lengths and whether reads carry a report id.
        int nSize = 0;
        hidraw_report_descriptor descriptor{};
        if (::ioctl(fd, HIDIOCGRDESCSIZE, &nSize) == 0 && nSize > 0 && nSize <= HID_MAX_DESCRIPTOR_SIZE) {
            descriptor.size = static_cast<__u32>(nSize);
            if (::ioctl(fd, HIDIOCGRDESC, &descriptor) == 0) {
                layout = ParseReportDescriptor(descriptor.value, descriptor.size);
                bLayoutKnown = true;
            }
        }
    }

    ~HidrawConnection() override { ::close(fd); }

    bool readIds(uint16_t& nVendor, uint16_t& nProduct) override
    {
        hidraw_devinfo info{};
        if (::ioctl(fd, HIDIOCGRAWINFO, &info) != 0)
            return false;
        nVendor = static_cast<uint16_t>(info.vendor);  // the kernel declares them signed
        nProduct = static_cast<uint16_t>(info.product);
        return true;
    }

    bool readCaps(HidCaps& caps) override
    {
        if (bLayoutKnown)
            caps = layout.caps;
        return bLayoutKnown;
    }

    HidTransfer write(const uint8_t* pReport, int nLen, int) override
    {
        return WriteReport(fd, pReport, nLen);
    }

    HidTransfer read(uint8_t* pReport, int nLen, int nTimeoutMs) override
    {
        return ReadReport(fd, pReport, nLen, nTimeoutMs, !layout.bNumberedReports);
    }

    // A read starts only once poll saw a report, so nothing is ever left pending. A reply that
    // comes late stays in this file's own queue and goes with it when the device is closed.
    void cancel() override {}

private:
    const int fd;
    HidReportLayout layout;
    bool bLayoutKnown = false;
};

class HidrawPlatform : public HidPlatform
{
public:
    std::vector<std::string> devicePaths() override { return HidrawDevicePaths(); }

    std::string deniedPath(uint16_t nVendor, uint16_t nProduct) override
    {
        return HidrawDeniedPath(nVendor, nProduct);
    }

    std::unique_ptr<HidConnection> open(const std::string& path, OpenMode mode) override
    {
        const int nFlags = O_RDWR | O_CLOEXEC | (mode == ForTransfers ? O_NONBLOCK : 0);
        const int fd = ::open(path.c_str(), nFlags);
        if (fd < 0)
            return nullptr;
        return std::make_unique<HidrawConnection>(fd);
    }
};

} // namespace

HidPlatform& DefaultHidPlatform()
{
    static HidrawPlatform platform;
    return platform;
}
