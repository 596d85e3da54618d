#include "HidrawTestbed.h"

#include "CHidDevice.h"

#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <linux/hidraw.h>
#include <linux/input.h>
#include <stdexcept>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct DeviceKind
{
    uint16_t nVendor;
    uint16_t nProduct;
    std::vector<uint8_t> descriptor;
};

const DeviceKind& kindOf(HidrawTestbed::Kind kind)
{
    static const DeviceKind kinds[] = {
        // Vendor-defined, 64-byte input and output reports.
        {CHidDevice::kVendorId, CHidDevice::kProductId,
         {0x06, 0x00, 0xff, 0x09, 0x01, 0xa1, 0x01, 0x09, 0x02, 0x15, 0x00, 0x26, 0xff, 0x00, 0x75, 0x08, 0x95,
          0x40, 0x81, 0x02, 0x09, 0x03, 0x15, 0x00, 0x26, 0xff, 0x00, 0x75, 0x08, 0x95, 0x40, 0x91, 0x02, 0xc0}},
        // A keyboard with an 8-byte input report.
        {0x046d, 0xc31c, {0x05, 0x01, 0x09, 0x06, 0xa1, 0x01, 0x75, 0x08, 0x95, 0x08, 0x81, 0x02, 0xc0}},
    };
    return kinds[static_cast<int>(kind)];
}

std::string devicePath(int nHidraw)
{
    return "/dev/hidraw" + std::to_string(nHidraw);
}

void update(UMockdevIoctlData* data, size_t nOffset, const void* pBytes, size_t nSize)
{
    umockdev_ioctl_data_update(data, nOffset, static_cast<guint8*>(const_cast<void*>(pBytes)), int(nSize));
}

} // namespace

HidrawTestbed::HidrawTestbed()
    : testbed(umockdev_testbed_new()), handler(umockdev_ioctl_base_new())
{
    gchar* szRoot = umockdev_testbed_get_root_dir(testbed);
    root = szRoot;
    g_free(szRoot);
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(dispatch<&HidrawTestbed::serveIoctl>), this);
    g_signal_connect(handler, "handle-write", G_CALLBACK(dispatch<&HidrawTestbed::serveWrite>), this);
}

HidrawTestbed::~HidrawTestbed()
{
    for (const auto& named : nodes)
        umockdev_testbed_detach_ioctl(testbed, named.first.c_str(), nullptr);
    g_object_unref(handler);
    g_object_unref(testbed);
}

bool HidrawTestbed::preloaded()
{
    const char* szPreload = std::getenv("LD_PRELOAD");
    return szPreload && std::strstr(szPreload, "libumockdev-preload");
}

void HidrawTestbed::setGroup(int nGroupNumber, std::vector<SimRecord> records)
{
    std::lock_guard<std::mutex> lock(mutex);
    instrument.setGroup(nGroupNumber, std::move(records));
}

void HidrawTestbed::plugIn(int nHidraw, Kind kind)
{
    const DeviceKind& device = kindOf(kind);
    char szHid[32], szHidId[32];
    std::snprintf(szHid, sizeof szHid, "0003:%04X:%04X.%04X", device.nVendor, device.nProduct, nHidraw + 1);
    std::snprintf(szHidId, sizeof szHidId, "0003:%08X:%08X", device.nVendor, device.nProduct);
    const std::string name = "hidraw" + std::to_string(nHidraw);
    const std::string parent = "/devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(nHidraw + 1) + "/" + szHid;
    const std::string description = "P: " + parent + "\nE: SUBSYSTEM=hid\nE: HID_ID=" + szHidId + "\n\nP: " + parent
        + "/hidraw/" + name + "\nN: " + name + "\nL: device=../../../" + szHid + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME="
        + devicePath(nHidraw) + "\n";  // udev's device node, which Wine's HID bus opens
    // The handler comes first: a listener on the udev monitor (Wine's HID bus) opens the node
    // as soon as the device is announced.
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed, devicePath(nHidraw).c_str(), handler, &error)
        || !umockdev_testbed_add_from_string(testbed, description.c_str(), &error)) {
        const std::string message = error->message;
        g_error_free(error);
        throw std::runtime_error("umockdev: " + message);
    }
    // Raw, so that the answers pass unchanged and in one piece.
    const int nAnswerFd = umockdev_testbed_get_dev_fd(testbed, devicePath(nHidraw).c_str());
    termios mode{};
    if (nAnswerFd < 0 || ::tcgetattr(nAnswerFd, &mode) != 0)
        throw std::runtime_error("umockdev: no pseudo-terminal behind " + devicePath(nHidraw));
    ::cfmakeraw(&mode);
    ::tcsetattr(nAnswerFd, TCSANOW, &mode);
    // A program started from here must not hold this end open, or a hang-up would not reach it.
    ::fcntl(nAnswerFd, F_SETFD, FD_CLOEXEC);
    std::lock_guard<std::mutex> lock(mutex);
    nodes[devicePath(nHidraw)] = Node{kind, "/sys" + parent + "/hidraw/" + name, nAnswerFd};
}

void HidrawTestbed::unplug(int nHidraw)
{
    std::unique_lock<std::mutex> lock(mutex);
    const auto it = nodes.find(devicePath(nHidraw));
    if (it == nodes.end())
        return;
    const std::string sysPath = it->second.sysPath;
    hangUp(it->second);
    nodes.erase(it);
    lock.unlock();
    umockdev_testbed_detach_ioctl(testbed, devicePath(nHidraw).c_str(), nullptr);
    umockdev_testbed_remove_device(testbed, sysPath.c_str());
    umockdev_testbed_remove_device(testbed, sysPath.substr(0, sysPath.rfind("/hidraw/")).c_str());
}

void HidrawTestbed::cutOffAfterRequests(int nMore)
{
    std::lock_guard<std::mutex> lock(mutex);
    nCutOffAt = requestLog.size() + size_t(nMore);
}

void HidrawTestbed::silenceAfterRequests(int nMore)
{
    std::lock_guard<std::mutex> lock(mutex);
    nSilentFrom = nMore > 0 ? requestLog.size() + size_t(nMore) : 0;
}

std::vector<std::vector<uint8_t>> HidrawTestbed::requests() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return requestLog;
}

void HidrawTestbed::openToAllUsers(int nDenied)
{
    if (std::system(("chmod -R a+rwX '" + root + "'").c_str()) != 0)
        throw std::runtime_error("cannot open " + root + " to all users");
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto& named : nodes) {  // each node links to its terminal, which chmod follows
        const mode_t mode = named.first == devicePath(nDenied) ? 0 : 0666;
        if (::chmod((root + named.first).c_str(), mode) != 0)
            throw std::runtime_error("cannot change the access to " + named.first);
    }
}

// As an unplug does to a hidraw node's open files, closing the terminal's other end makes poll()
// report POLLHUP and reads fail; /dev/null takes its file number, which umockdev closes in the
// end. Listeners on the udev monitor (Wine's HID bus) hear of the removal at once.
void HidrawTestbed::hangUp(Node& node)
{
    if (node.bGone)
        return;
    node.bGone = true;
    umockdev_testbed_uevent(testbed, node.sysPath.c_str(), "remove");
    const int nNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2(nNull, node.nAnswerFd);
    ::close(nNull);
}

template <HidrawTestbed::Serve serve>
int HidrawTestbed::dispatch(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self)
{
    std::lock_guard<std::mutex> lock(self->mutex);
    const auto it = self->nodes.find(umockdev_ioctl_client_get_devnode(client));
    if (it == self->nodes.end() || it->second.bGone)
        umockdev_ioctl_client_complete(client, -1, EIO);  // as on the open file of an unplugged device
    else
        (self->*serve)(it->second, client);
    return TRUE;
}

void HidrawTestbed::serveIoctl(Node& node, UMockdevIoctlClient* client)
{
    const unsigned long nRequest = umockdev_ioctl_client_get_request(client);
    if (nRequest != HIDIOCGRAWINFO && nRequest != HIDIOCGRDESCSIZE && nRequest != HIDIOCGRDESC)
        return umockdev_ioctl_client_complete(client, -1, ENOTTY);
    // The argument is the caller's pointer; resolving it reaches the memory it points to.
    UMockdevIoctlData* data =
        umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, _IOC_SIZE(nRequest), nullptr);
    if (!data)
        return umockdev_ioctl_client_complete(client, -1, EFAULT);
    const DeviceKind& device = kindOf(node.kind);
    const int nDescriptorSize = int(device.descriptor.size());
    const hidraw_devinfo info{BUS_USB, __s16(device.nVendor), __s16(device.nProduct)};
    if (nRequest == HIDIOCGRAWINFO) {
        update(data, 0, &info, sizeof info);
    } else if (nRequest == HIDIOCGRDESCSIZE) {
        update(data, 0, &nDescriptorSize, sizeof nDescriptorSize);
    } else {
        __u32 nWanted = 0;
        std::memcpy(&nWanted, data->data, sizeof nWanted);
        update(data, offsetof(hidraw_report_descriptor, value), device.descriptor.data(),
               std::min<size_t>(nWanted, device.descriptor.size()));
    }
    g_object_unref(data);
    umockdev_ioctl_client_complete(client, 0, 0);
}

void HidrawTestbed::serveWrite(Node& node, UMockdevIoctlClient* client)
{
    const UMockdevIoctlData* report = umockdev_ioctl_client_get_arg(client);
    if (report->data_len < 2)  // hidraw wants the report id and at least one byte
        return umockdev_ioctl_client_complete(client, -1, EINVAL);
    if (node.kind == Kind::Instrument) {
        requestLog.emplace_back(report->data, report->data + report->data_len);
        const std::vector<uint8_t> reply = instrument.replyTo(requestLog.back(), kInstrumentReportLength);
        const bool bSilent = nSilentFrom > 0 && requestLog.size() >= nSilentFrom;  // heard, never answered
        if (requestLog.size() == nCutOffAt)
            hangUp(node);
        else if (!bSilent && !reply.empty()  // without the report id 0, as hidraw reads it
                 && ::write(node.nAnswerFd, reply.data() + 1, reply.size() - 1) < 0)
            return umockdev_ioctl_client_complete(client, -1, EIO);
    }
    umockdev_ioctl_client_complete(client, report->data_len, 0);
}
