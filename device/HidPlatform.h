#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The few operating-system services the transport needs, so that CHidDevice's logic runs the
// same over Windows' HID class driver, Linux' hidraw and the simulated instrument.

// Report lengths as the HID class driver reports them: the longest report of each kind in
// bytes, plus one byte for the report id (also when the device uses no numbered reports).
struct HidCaps
{
    uint16_t InputReportByteLength = 0;
    uint16_t OutputReportByteLength = 0;
};

// How one write or read ended.
struct HidTransfer
{
    enum Outcome { Done, Timeout, Error };
    Outcome outcome;
    int nBytes;  // bytes transferred when Done, report id byte included

    static HidTransfer done(int n) { return {Done, n}; }
    static HidTransfer timedOut() { return {Timeout, 0}; }
    static HidTransfer failed() { return {Error, 0}; }
};

// One open device path. Destroying it closes the device.
class HidConnection
{
public:
    virtual ~HidConnection() = default;

    virtual bool readIds(uint16_t& nVendor, uint16_t& nProduct) = 0;
    virtual bool readCaps(HidCaps& caps) = 0;

    // Each starts one transfer of one report (byte 0 the report id) and waits for it at most
    // nTimeoutMs. A transfer that cannot be started ends as Error.
    virtual HidTransfer write(const uint8_t* pReport, int nLen, int nTimeoutMs) = 0;
    virtual HidTransfer read(uint8_t* pReport, int nLen, int nTimeoutMs) = 0;

    // Gives up a transfer that timed out; afterwards its buffer is no longer touched.
    virtual void cancel() = 0;
};

class HidPlatform
{
public:
    enum OpenMode { ForQuery, ForTransfers };

    virtual ~HidPlatform() = default;

    // The device paths of the HID interfaces present now, in the system's enumeration order.
    virtual std::vector<std::string> devicePaths() = 0;

    // Null when the path cannot be opened.
    virtual std::unique_ptr<HidConnection> open(const std::string& path, OpenMode mode) = 0;

    // The path of a present device with these ids that this user lacks the permission to open,
    // found without opening it; empty when there is none or the platform cannot tell.
    virtual std::string deniedPath(uint16_t /*nVendor*/, uint16_t /*nProduct*/) { return {}; }
};

// Defined once by each platform library (hidraw, Windows, simulated); the executable links one.
HidPlatform& DefaultHidPlatform();
