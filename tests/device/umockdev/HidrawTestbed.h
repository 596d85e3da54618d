#pragma once

#include "InstrumentModel.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;

// A Linux HID bus emulated in user space (umockdev): /sys/class/hidraw entries with their parent
// HID devices, and /dev/hidrawN nodes whose ioctl and write calls this object answers. Each node
// is a raw pseudo-terminal: the instrument's answers are written to its other end, so that poll()
// and read() work as on a real node, and it is hung up when the device goes. A keyboard only
// tells its ids and descriptor. Needs umockdev's preload library (umockdev-wrapper) in every
// process that uses the bus. The calls are answered on umockdev's own thread.
class HidrawTestbed
{
public:
    enum class Kind { Instrument, Keyboard };
    static constexpr int kInstrumentReportLength = 65;  // 64 bytes and the report id

    HidrawTestbed();
    ~HidrawTestbed();
    HidrawTestbed(const HidrawTestbed&) = delete;
    HidrawTestbed& operator=(const HidrawTestbed&) = delete;

    static bool preloaded();

    void setGroup(int nGroupNumber, std::vector<SimRecord> records);
    void plugIn(int nHidraw, Kind kind);
    void unplug(int nHidraw);  // open files are hung up
    // The instrument is pulled out when the nth request from now (1 the next) reaches it: open
    // files are hung up and udev listeners hear of it; the entries stay until unplug().
    void cutOffAfterRequests(int nRequests);
    // From the nth request from now on it answers none, as a hung instrument; 0 lets it answer.
    void silenceAfterRequests(int nRequests);
    std::vector<std::vector<uint8_t>> requests() const;

    // For a program run as another user: every user may reach the bed and its nodes, except
    // nDenied, which opens for root only, like a node without a udev rule.
    void openToAllUsers(int nDenied = -1);

private:
    struct Node
    {
        Kind kind;
        std::string sysPath;  // of the hidraw device; its parent is the HID device
        int nAnswerFd;        // the pseudo-terminal's other end, held by umockdev
        bool bGone = false;
    };
    using Serve = void (HidrawTestbed::*)(Node&, UMockdevIoctlClient*);

    template <Serve serve>
    static int dispatch(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self);
    void serveIoctl(Node& node, UMockdevIoctlClient* client);
    void serveWrite(Node& node, UMockdevIoctlClient* client);
    void hangUp(Node& node);

    UMockdevTestbed* testbed;
    UMockdevIoctlBase* handler;
    std::string root;  // $UMOCKDEV_DIR
    mutable std::mutex mutex;
    std::map<std::string, Node> nodes;  // by /dev path
    InstrumentModel instrument;
    std::vector<std::vector<uint8_t>> requestLog;
    size_t nCutOffAt = 0;    // request count at which the instrument goes; 0 never
    size_t nSilentFrom = 0;  // request count from which it answers nothing; 0 never
};
