#pragma once

#include "DownloadOutcome.h"
#include "HidPlatform.h"
#include "MeasureRecord.h"

#include <functional>
#include <memory>

// The instrument on the HID bus: finds it by vendor and product id, remembers its path,
// re-opens it for every presence check, moves one report at a time with a time-out and
// drops the device when a transfer goes wrong. On top of that, the instrument's protocol:
// group size, one record, one whole group.
//
// States: Initial (closed, no path), Connected (open, path), Lost (closed, path kept after a
// failed presence check), Dropped (closed, path forgotten after a failed transfer).
// Used from one thread only; no lock.
class CHidDevice
{
public:
    using ProgressFn = std::function<void(int)>;

    static constexpr int kVendorId = 0x0583;
    static constexpr int kProductId = 0x0066;
    static constexpr int kTransferTimeoutMs = 1800;
    static constexpr int kReportBufferSize = 256;
    static constexpr int kPathCapacity = 256;  // 255 characters and the terminating zero

    // progress receives the download's progress values (maximum flag, then records done).
    explicit CHidDevice(HidPlatform& platform, ProgressFn progress = {});
    ~CHidDevice();  // frees a download nobody took
    CHidDevice(const CHidDevice&) = delete;
    CHidDevice& operator=(const CHidDevice&) = delete;

    // Transport
    bool openByScan();
    short reopen();  // the presence check: 1 when the device is open afterwards, else 0
    void close();
    int write();     // sends outReport; bytes sent or -1
    int read();      // receives into inReport; bytes received or -1
    short exchange();  // write, then read; -2 when the write sent nothing, -1 when the read failed

    bool isConnected() const { return bFound; }
    const char* devicePath() const { return szDevicePath; }
    // A present instrument that this user may not open (no udev rule on Linux); empty if none.
    std::string deniedPath() const { return platform.deniedPath(nVendorId, nProductId); }

    // Protocol. nGroup counts from 0; the wire carries nGroup + 1.
    short groupSize(int nGroup);  // record count, or the failed exchange's result
    // False when a transfer failed: the record is then incomplete.
    bool readRecord(int nGroup, int nIndex, MeasureRecord& rec);
    // Downloads the group into records(), stopping at the first failed transfer.
    DownloadOutcome collectGroup(int nGroup);
    const MeasureRecord* records() const { return pRecords; }
    // Hands the last download over to the caller, who frees it with FreeGroup.
    MeasureRecord* takeRecords();

private:
    bool hasInstrumentIds(HidConnection& connection) const;
    static bool fitsBuffers(const HidCaps& found);
    int finishTransfer(const HidTransfer& transfer, const char* szTimeoutText, const char* szErrorText);
    void prepareRequest(uint8_t nCommand, int nGroup, int nRecord);
    void deferProgress(int n);  // reported at the next request sent, or by flushProgress
    void flushProgress();

    HidPlatform& platform;
    ProgressFn progress;

    HidCaps caps;
    std::unique_ptr<HidConnection> hDevice;  // null while closed
    bool bFound = false;
    char szDevicePath[kPathCapacity] = {};
    uint8_t inReport[kReportBufferSize] = {};
    uint8_t outReport[kReportBufferSize] = {};
    const int nVendorId = kVendorId;
    const int nProductId = kProductId;
    MeasureRecord* pRecords = nullptr;  // the last download, until taken
    int nRecordCount = 0;               // records allocated in pRecords
    int nPendingProgress = 0;  // 0: none; a real value is never 0
};
