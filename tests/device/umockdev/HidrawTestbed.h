#pragma once

#include "InstrumentModel.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;

// A Linux HID bus emulated in user space (umockdev), to run the hidraw layer without hardware:
// /sys/class/hidraw entries with their parent HID devices, and /dev/hidrawN nodes whose ioctl and
// write calls this object answers. Each node is a pseudo-terminal in raw mode: the instrument's
// answers (from an InstrumentModel) are written to its other end, so that poll() and read() on the
// node work as on a real one, and it is hung up when the device goes. A keyboard and a mouse only
// tell their ids and descriptors. The program must run with umockdev's preload library
// (umockdev-wrapper); any process that has it may use the bus. The calls are answered on
// umockdev's own thread; every method here may be called meanwhile.
class HidrawTestbed
{
public:
    enum class Kind { Instrument, Keyboard, Mouse };
    static constexpr int kInstrumentReportLength = 65;  // 64 bytes and the report id

    HidrawTestbed();
    ~HidrawTestbed();
    HidrawTestbed(const HidrawTestbed&) = delete;
    HidrawTestbed& operator=(const HidrawTestbed&) = delete;

    static bool preloaded();  // whether umockdev's preload library is in this process

    void setGroup(int nGroupNumber, std::vector<SimRecord> records);
    void plugIn(int nHidraw, Kind kind);  // /dev/hidrawN and its sysfs entries
    void unplug(int nHidraw);             // the entries go; open files are hung up
    // The instrument is pulled out right after the nth request from now (1 the next) reached it,
    // before it answers: its open files are hung up and udev listeners hear of the removal; the
    // entries stay until unplug().
    void cutOffAfterRequests(int nRequests);
    // From the nth request from now on (1 the next) the instrument hears requests and answers
    // none, as a hung instrument; 0 lets it answer again.
    void silenceAfterRequests(int nRequests);
    std::vector<std::vector<uint8_t>> requests() const;  // as the instrument received them

    // For a program run as another user: every user may reach the bed and its nodes; then,
    // like a node without a udev rule, the chosen one opens for root only.
    void openToAllUsers();
    void denyOpen(int nHidraw);

private:
    struct Node
    {
        Kind kind;
        std::string sysPath;   // of the hidraw device; its parent is the HID device
        std::string filePath;  // the pseudo-terminal the node links to
        int nAnswerFd;         // its other end, held by umockdev
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
    std::map<std::string, std::shared_ptr<Node>> nodes;  // by /dev path
    InstrumentModel instrument;
    std::vector<std::vector<uint8_t>> requestLog;
    size_t nCutOffAt = 0;  // request count at which the instrument goes; 0 never
    size_t nSilentFrom = 0;  // request count from which the instrument answers nothing; 0 never
};
