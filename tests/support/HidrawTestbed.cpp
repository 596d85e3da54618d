#include "HidrawTestbed.h"

#include "CHidDevice.h"

#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <linux/hidraw.h>
#include <linux/input.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <poll.h>
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
    // Vendor-defined 64-byte input and output reports; a boot keyboard; a boot mouse.
    static const DeviceKind kinds[] = {
        {CHidDevice::kVendorId, CHidDevice::kProductId,
         {0x06, 0x00, 0xff, 0x09, 0x01, 0xa1, 0x01, 0x09, 0x02, 0x15, 0x00, 0x26, 0xff, 0x00, 0x75, 0x08, 0x95,
          0x40, 0x81, 0x02, 0x09, 0x03, 0x15, 0x00, 0x26, 0xff, 0x00, 0x75, 0x08, 0x95, 0x40, 0x91, 0x02, 0xc0}},
        {0x046d, 0xc31c,
         {0x05, 0x01, 0x09, 0x06, 0xa1, 0x01, 0x05, 0x07, 0x19, 0xe0, 0x29, 0xe7, 0x15, 0x00, 0x25, 0x01,
          0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x95, 0x01, 0x75, 0x08, 0x81, 0x01, 0x95, 0x05, 0x75, 0x01,
          0x05, 0x08, 0x19, 0x01, 0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x95, 0x06,
          0x75, 0x08, 0x15, 0x00, 0x25, 0x65, 0x05, 0x07, 0x19, 0x00, 0x29, 0x65, 0x81, 0x00, 0xc0}},
        {0x046d, 0xc077,
         {0x05, 0x01, 0x09, 0x02, 0xa1, 0x01, 0x09, 0x01, 0xa1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x03,
          0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x01,
          0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15, 0x81, 0x25, 0x7f, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06,
          0xc0, 0xc0}},
    };
    return kinds[static_cast<int>(kind)];
}

void complete(UMockdevIoctlClient* client, long nResult, int nErrno = 0)
{
    umockdev_ioctl_client_complete(client, nResult, nErrno);
}

template <typename T>
void update(UMockdevIoctlData* arg, size_t nOffset, const T* pData, size_t nSize)
{
    umockdev_ioctl_data_update(arg, nOffset, reinterpret_cast<guint8*>(const_cast<T*>(pData)),
                               static_cast<gint>(nSize));
}

} // namespace

HidrawTestbed::HidrawTestbed(Transfers transfers)
    : testbed(umockdev_testbed_new()), handler(umockdev_ioctl_base_new()),
      bServing(transfers == Transfers::OnTerminal)
{
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(onIoctl), this);
    if (bServing) {
        server = std::thread([this] { serveTerminals(); });
        return;
    }
    g_signal_connect(handler, "handle-read", G_CALLBACK(onRead), this);
    g_signal_connect(handler, "handle-write", G_CALLBACK(onWrite), this);
}

HidrawTestbed::~HidrawTestbed()
{
    bServing = false;
    if (server.joinable())
        server.join();
    for (const auto& entry : nodes)
        umockdev_testbed_detach_ioctl(testbed, entry.first.c_str(), nullptr);
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

std::string HidrawTestbed::devicePath(int nHidraw)
{
    return "/dev/hidraw" + std::to_string(nHidraw);
}

void HidrawTestbed::plugIn(int nHidraw, Kind kind)
{
    const DeviceKind& device = kindOf(kind);
    const std::string name = "hidraw" + std::to_string(nHidraw);
    char szHid[32];
    std::snprintf(szHid, sizeof szHid, "0003:%04X:%04X.%04X", device.nVendor, device.nProduct, nHidraw + 1);
    const std::string parent = "/devices/pci0000:00/0000:00:14.0/usb1/1-" + std::to_string(nHidraw + 1) + "/" + szHid;
    char szHidId[40];
    std::snprintf(szHidId, sizeof szHidId, "0003:%08X:%08X", device.nVendor, device.nProduct);
    const std::string description = "P: " + parent + "\nE: SUBSYSTEM=hid\nE: HID_ID=" + szHidId + "\n\n"
        "P: " + parent + "/hidraw/" + name + "\nN: " + name + "\nL: device=../../../" + szHid + "\n"
        "E: SUBSYSTEM=hidraw\nE: DEVNAME=" + devicePath(nHidraw) + "\n";
    GError* error = nullptr;
    // The handler comes first: a listener on the udev monitor (Wine's HID bus) opens the node
    // as soon as the device is announced.
    if (!umockdev_testbed_attach_ioctl(testbed, devicePath(nHidraw).c_str(), handler, &error)
        || !umockdev_testbed_add_from_string(testbed, description.c_str(), &error)) {
        const std::string message = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("umockdev: " + message);
    }
    auto node = std::make_shared<Node>();
    node->kind = kind;
    node->sysPath = "/sys" + parent;
    node->filePath = fileBehind(nHidraw);
    node->nHidraw = nHidraw;
    if (bServing && kind == Kind::Instrument) {
        // Raw, so that report bytes pass the terminal unchanged.
        node->nTerminal = umockdev_testbed_get_dev_fd(testbed, devicePath(nHidraw).c_str());
        termios raw{};
        ::tcgetattr(node->nTerminal, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(node->nTerminal, TCSANOW, &raw);
    }
    std::lock_guard<std::mutex> lock(mutex);
    nodes[devicePath(nHidraw)] = node;
}

void HidrawTestbed::unplug(int nHidraw)
{
    std::shared_ptr<Node> node;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto it = nodes.find(devicePath(nHidraw));
        if (it == nodes.end())
            return;
        node = it->second;
        node->bGone = true;
        nodes.erase(it);
    }
    changed.notify_all();
    const std::string hidrawPath = node->sysPath + "/hidraw/hidraw" + std::to_string(nHidraw);
    umockdev_testbed_uevent(testbed, hidrawPath.c_str(), "remove");
    umockdev_testbed_detach_ioctl(testbed, devicePath(nHidraw).c_str(), nullptr);
    umockdev_testbed_remove_device(testbed, hidrawPath.c_str());
    umockdev_testbed_remove_device(testbed, node->sysPath.c_str());
}

void HidrawTestbed::cutOffAfterRequests(int nMore)
{
    std::lock_guard<std::mutex> lock(mutex);
    nCutOffAt = requestLog.size() + size_t(nMore);
}

std::vector<std::vector<uint8_t>> HidrawTestbed::requests() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return requestLog;
}

void HidrawTestbed::openToAllUsers()
{
    gchar* szRoot = umockdev_testbed_get_root_dir(testbed);
    const std::string command = std::string("chmod -R a+rwX '") + szRoot + "'";
    g_free(szRoot);
    if (std::system(command.c_str()) != 0)
        throw std::runtime_error("cannot open the test bed to all users");
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto& named : nodes)
        ::chmod(named.second->filePath.c_str(), 0666);
}

void HidrawTestbed::denyOpen(int nHidraw)
{
    if (::chmod(fileBehind(nHidraw).c_str(), 0) != 0)
        throw std::runtime_error("cannot deny access to " + devicePath(nHidraw));
}

ReportWait HidrawTestbed::reportWait()
{
    return [this](pollfd& entry, int nTimeoutMs) { return waitForReport(entry, nTimeoutMs); };
}

std::shared_ptr<HidrawTestbed::Node> HidrawTestbed::nodeOf(const char* szDevicePath) const
{
    const auto it = szDevicePath ? nodes.find(szDevicePath) : nodes.end();
    return it == nodes.end() ? nullptr : it->second;
}

std::string HidrawTestbed::fileBehind(int nHidraw) const
{
    gchar* szRoot = umockdev_testbed_get_root_dir(testbed);
    const std::string node = szRoot + devicePath(nHidraw);
    g_free(szRoot);
    char szTarget[4096];
    const ssize_t nLen = ::readlink(node.c_str(), szTarget, sizeof szTarget - 1);
    return nLen > 0 ? std::string(szTarget, size_t(nLen)) : node;
}

int HidrawTestbed::waitForReport(pollfd& entry, int nTimeoutMs)
{
    // The open file's own path tells which node it belongs to.
    char szPath[4096];
    const ssize_t nLen = ::readlink(("/proc/self/fd/" + std::to_string(entry.fd)).c_str(), szPath, sizeof szPath - 1);
    const std::string path(szPath, size_t(std::max<ssize_t>(nLen, 0)));
    std::unique_lock<std::mutex> lock(mutex);
    std::shared_ptr<Node> node;
    for (const auto& named : nodes)
        if (named.second->filePath == path)
            node = named.second;
    if (!node) {
        lock.unlock();
        return PollForInput(entry, nTimeoutMs);
    }
    if (!changed.wait_for(lock, std::chrono::milliseconds(nTimeoutMs),
                          [&] { return node->bGone || !node->replies.empty(); }))
        return 0;
    entry.revents = node->bGone ? POLLERR | POLLHUP : POLLIN;
    return 1;
}

gboolean HidrawTestbed::onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self)
{
    std::lock_guard<std::mutex> lock(self->mutex);
    const std::shared_ptr<Node> node = self->nodeOf(umockdev_ioctl_client_get_devnode(client));
    if (!node || node->bGone) {
        complete(client, -1, EIO);
        return TRUE;
    }
    // The argument is the caller's pointer; resolving it reaches the memory it points to.
    const DeviceKind& device = kindOf(node->kind);
    const auto answer = [client](size_t nSize, const std::function<void(UMockdevIoctlData*)>& fill) {
        UMockdevIoctlData* data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, nSize, nullptr);
        if (!data)
            return complete(client, -1, EFAULT);
        fill(data);
        g_object_unref(data);
        complete(client, 0);
    };
    const int nDescriptorSize = static_cast<int>(device.descriptor.size());
    switch (umockdev_ioctl_client_get_request(client)) {
    case HIDIOCGRAWINFO:
        answer(sizeof(hidraw_devinfo), [&](UMockdevIoctlData* data) {
            const hidraw_devinfo info{BUS_USB, static_cast<__s16>(device.nVendor), static_cast<__s16>(device.nProduct)};
            update(data, 0, &info, sizeof info);
        });
        break;
    case HIDIOCGRDESCSIZE:
        answer(sizeof nDescriptorSize, [&](UMockdevIoctlData* data) { update(data, 0, &nDescriptorSize, sizeof nDescriptorSize); });
        break;
    case HIDIOCGRDESC:
        answer(sizeof(hidraw_report_descriptor), [&](UMockdevIoctlData* data) {
            __u32 nWanted = 0;
            std::memcpy(&nWanted, data->data, sizeof nWanted);
            update(data, offsetof(hidraw_report_descriptor, value), device.descriptor.data(),
                   std::min<size_t>(nWanted, device.descriptor.size()));
        });
        break;
    default:
        complete(client, -1, ENOTTY);
    }
    return TRUE;
}

gboolean HidrawTestbed::onRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self)
{
    std::lock_guard<std::mutex> lock(self->mutex);
    const std::shared_ptr<Node> node = self->nodeOf(umockdev_ioctl_client_get_devnode(client));
    if (!node || node->bGone) {
        complete(client, -1, EIO);
    } else if (node->replies.empty()) {
        complete(client, -1, EAGAIN);
    } else {
        UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
        const std::vector<uint8_t> reply = std::move(node->replies.front());
        node->replies.pop_front();
        const size_t nLen = std::min<size_t>(reply.size(), size_t(std::max(arg->data_len, 0)));  // hidraw truncates
        update(arg, 0, reply.data(), nLen);
        complete(client, static_cast<long>(nLen));
    }
    return TRUE;
}

gboolean HidrawTestbed::onWrite(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self)
{
    std::unique_lock<std::mutex> lock(self->mutex);
    const std::shared_ptr<Node> node = self->nodeOf(umockdev_ioctl_client_get_devnode(client));
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    if (!node || node->bGone) {
        complete(client, -1, EIO);
        return TRUE;
    }
    if (arg->data_len < 2) {  // as hidraw: the report id and at least one byte
        complete(client, -1, EINVAL);
        return TRUE;
    }
    if (node->kind == Kind::Instrument) {
        std::vector<uint8_t> reply = self->takeRequest(*node, {arg->data, arg->data + arg->data_len});
        if (!reply.empty())
            node->replies.push_back(std::move(reply));
    }
    lock.unlock();
    self->changed.notify_all();
    complete(client, arg->data_len);
    return TRUE;
}

// Logs one output report that reached the instrument (called with the lock held) and gives its
// answer without the report id, as hidraw hands it over; nothing when the instrument ignores the
// request or is cut off by it.
std::vector<uint8_t> HidrawTestbed::takeRequest(Node& node, std::vector<uint8_t> request)
{
    requestLog.push_back(std::move(request));
    if (requestLog.size() == nCutOffAt) {
        node.bGone = true;
        return {};
    }
    std::vector<uint8_t> reply = instrument.replyTo(requestLog.back(), kInstrumentReportLength);
    if (!reply.empty())
        reply.erase(reply.begin());
    return reply;
}

// The instrument's side of the terminals: whole output reports in, one answer out for each.
void HidrawTestbed::serveTerminals()
{
    while (bServing) {
        std::vector<pollfd> entries;
        std::vector<std::shared_ptr<Node>> served;
        {
            std::lock_guard<std::mutex> lock(mutex);
            for (const auto& named : nodes)
                if (named.second->nTerminal >= 0) {
                    entries.push_back({named.second->nTerminal, POLLIN, 0});
                    served.push_back(named.second);
                }
        }
        bool bRead = false;
        if (::poll(entries.data(), entries.size(), 50) > 0) {
            for (size_t i = 0; i < entries.size(); ++i) {
                uint8_t buffer[256];
                const ssize_t nRead = (entries[i].revents & POLLIN) ? ::read(entries[i].fd, buffer, sizeof buffer) : 0;
                if (nRead <= 0)
                    continue;
                bRead = true;
                Node& node = *served[i];
                std::unique_lock<std::mutex> lock(mutex);
                node.written.insert(node.written.end(), buffer, buffer + nRead);
                while (!node.bGone && node.written.size() >= size_t(kInstrumentReportLength)) {
                    const auto end = node.written.begin() + kInstrumentReportLength;
                    const std::vector<uint8_t> reply = takeRequest(node, {node.written.begin(), end});
                    node.written.erase(node.written.begin(), end);
                    if (!reply.empty() && ::write(node.nTerminal, reply.data(), reply.size()) < 0)
                        break;
                }
                if (node.bGone) {
                    lock.unlock();
                    unplug(node.nHidraw);
                }
            }
        }
        // With no file open on a node, its far end reports a hang-up at once: do not spin.
        if (!bRead)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}
