#pragma once

#include "HidrawIo.h"
#include "InstrumentModel.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;

// A Linux HID bus emulated in user space (umockdev), to run the hidraw layer without hardware:
// /sys/class/hidraw entries with their parent HID devices, and /dev/hidrawN nodes whose ioctl,
// read and write calls this object answers. The instrument answers from an InstrumentModel; a
// keyboard and a mouse only tell their ids and descriptors. The program must run with umockdev's
// preload library (umockdev-wrapper). The calls are answered on umockdev's own thread; every
// method here may be called meanwhile.
//
// With Transfers::OnTerminal the instrument's reads and writes go to the terminal that umockdev
// puts behind each node, and a thread of this object serves its other end. There poll() works,
// so programs in other processes that wait with poll() (Wine's HID bus) can be served too;
// a cut-off then unplugs the instrument.
class HidrawTestbed
{
public:
    enum class Kind { Instrument, Keyboard, Mouse };
    enum class Transfers { Answered, OnTerminal };
    static constexpr int kInstrumentReportLength = 65;  // 64 bytes and the report id

    explicit HidrawTestbed(Transfers transfers = Transfers::Answered);
    ~HidrawTestbed();
    HidrawTestbed(const HidrawTestbed&) = delete;
    HidrawTestbed& operator=(const HidrawTestbed&) = delete;

    static bool preloaded();  // whether umockdev's preload library is in this process

    void setGroup(int nGroupNumber, std::vector<SimRecord> records);
    void plugIn(int nHidraw, Kind kind);  // /dev/hidrawN and its sysfs entries
    void unplug(int nHidraw);             // the entries go; open files fail as after an unplug
    // The instrument is pulled out right after the nth request from now (1 the next) reached it,
    // before it answers: its open files fail as after an unplug; the entries stay until unplug().
    void cutOffAfterRequests(int nRequests);
    // From the nth request from now on (1 the next) the instrument hears requests and answers
    // none, as a hung instrument; 0 lets it answer again.
    void silenceAfterRequests(int nRequests);
    std::vector<std::vector<uint8_t>> requests() const;  // as the instrument received them

    // For a program run as another user: every user may reach the bed and its nodes; then,
    // like a node without a udev rule, the chosen one opens for root only.
    void openToAllUsers();
    void denyOpen(int nHidraw);

    // Stands in for poll() on the emulated nodes, where poll() does not see their input.
    ReportWait reportWait();

private:
    struct Node
    {
        Kind kind;
        std::string sysPath;   // of the hidraw device; its parent is the HID device
        std::string filePath;  // what the node links to, as an open file shows in /proc/self/fd
        bool bGone = false;
        std::deque<std::vector<uint8_t>> replies;  // input reports without their report id
        int nHidraw = -1;
        int nTerminal = -1;            // the far end of the node's terminal (OnTerminal)
        std::vector<uint8_t> written;  // bytes from it not yet a whole output report
    };
    using Serve = void (HidrawTestbed::*)(Node&, UMockdevIoctlClient*);

    template <Serve serve>
    static int dispatch(UMockdevIoctlBase*, UMockdevIoctlClient* client, HidrawTestbed* self);
    void serveIoctl(Node& node, UMockdevIoctlClient* client);
    void serveRead(Node& node, UMockdevIoctlClient* client);
    void serveWrite(Node& node, UMockdevIoctlClient* client);
    std::vector<uint8_t> takeRequest(Node& node, std::vector<uint8_t> request);
    void serveTerminals();
    int waitForReport(pollfd& entry, int nTimeoutMs);

    UMockdevTestbed* testbed;
    UMockdevIoctlBase* handler;
    std::string root;  // $UMOCKDEV_DIR
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::map<std::string, std::shared_ptr<Node>> nodes;  // by /dev path
    InstrumentModel instrument;
    std::vector<std::vector<uint8_t>> requestLog;
    size_t nCutOffAt = 0;  // request count at which the instrument goes; 0 never
    size_t nSilentFrom = 0;  // request count from which the instrument answers nothing; 0 never
    std::atomic<bool> bServing;
    std::thread server;  // serves the terminals (OnTerminal)
};
