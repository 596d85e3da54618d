#pragma once

#include "HidPlatform.h"
#include "InstrumentModel.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// One output report that reached a simulated device.
struct SimRequest
{
    std::string path;
    std::vector<uint8_t> report;
};

// An in-process HID bus with the instrument on it, answering from an InstrumentModel. It can
// misbehave on demand: time-outs and wait errors on chosen transfers, short replies, silence,
// unplugging, foreign devices, two instruments.
// Thread-safe: tests and the demo change it from the GUI thread while the worker transfers.
class SimulatedInstrument : public HidPlatform
{
public:
    enum class Fault { Timeout, WaitError, ShortReply, NothingSent };
    enum class Access { Normal, CannotOpen, IdsUnreadable };

    static constexpr const char* kDemoPath = "sim:hid#0583&0066#1";

    SimulatedInstrument();  // an empty bus holding no groups
    ~SimulatedInstrument() override;

    // The instance behind the simulated DefaultHidPlatform(): the demo instrument, plugged in.
    static SimulatedInstrument& demo();
    // Back to the demo state: demo groups, one instrument at kDemoPath, 65-byte reports,
    // no latency, no faults, empty request log and counters.
    void resetToDemo();
    // The demo groups (numbers 1 to 10; group 3 and groups 6 to 10 are empty).
    static std::vector<SimRecord> demoGroup(int nGroupNumber);

    // Groups by the number the instrument uses on the wire, 1 to 10 (the program's nGroup + 1).
    // At most 255 records count; the rest are dropped.
    void setGroup(int nGroupNumber, std::vector<SimRecord> records);

    // The bus, in enumeration order. plugIn adds an instrument (vendor 0x0583, product 0x0066).
    void plugIn(const std::string& path);
    void addOtherDevice(const std::string& path, uint16_t nVendor, uint16_t nProduct,
                        Access access = Access::Normal);
    void unplug(const std::string& path);  // connections to it fail from now on

    void setReportLengths(int nInput, int nOutput);
    void setLatency(std::chrono::microseconds latency);        // from a request to its reply
    void setTimeoutWait(std::chrono::milliseconds wait);       // how long a time-out takes, 0 by default
    void setSilent(bool bSilent);                              // requests arrive, no reply ever comes
    // The nTransfer-th write or read from now (1 is the next) goes wrong; a ShortReply read
    // delivers only nShortLength bytes.
    void injectFault(int nTransfer, Fault fault, int nShortLength = 0);

    std::vector<SimRequest> requests() const;  // every output report that arrived, in order
    void clearRequests();  // also the lateness below
    // With a latency: how much later than due the replies came in all, through the scheduler's
    // late wake-ups; the rest of a download's time is the floor and the program's own.
    std::chrono::nanoseconds lateness() const;
    int scanCount() const;  // devicePaths() calls
    int openCount() const;  // successful opens

    std::vector<std::string> devicePaths() override;
    std::unique_ptr<HidConnection> open(const std::string& path, OpenMode mode) override;

private:
    friend class SimConnection;

    struct Device
    {
        std::string path;
        uint16_t nVendor;
        uint16_t nProduct;
        Access access;
        bool bInstrument;
        unsigned nSerial;  // new for every plug-in, so old connections notice the unplug
    };
    struct PlannedFault
    {
        Fault fault;
        int nShortLength;
    };

    void addDevice(Device device);
    const Device* findDevice(unsigned nSerial) const;
    // Counts one transfer and returns the fault planned for it, if any.
    bool takeFault(PlannedFault& planned);

    mutable std::mutex mutex;
    std::vector<Device> devices;
    InstrumentModel instrument;
    std::map<long, PlannedFault> faults;  // by transfer number
    std::vector<SimRequest> requestLog;
    long nTransfers = 0;
    unsigned nNextSerial = 1;
    int nInputLength = 65;
    int nOutputLength = 65;
    std::chrono::microseconds latency{0};
    std::chrono::milliseconds timeoutWait{0};
    bool bSilent = false;
    int nScans = 0;
    int nOpens = 0;
    std::chrono::nanoseconds lateReplies{0};
};
