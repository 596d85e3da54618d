#pragma once

#include "CHidDevice.h"
#include "OwnedGroup.h"

// A downloaded group and how its download ended; the records go with it.
class DownloadedGroup
{
public:
    enum class Outcome { Data, Empty, Absent, TransferFailed };

    DownloadedGroup(Outcome outcome, MeasureRecord* pRecords = nullptr, int nCount = 0)
        : result(outcome), group(pRecords, nCount)
    {
    }

    Outcome outcome() const { return result; }
    const MeasureRecord* records() const { return group.records(); }
    int count() const { return group.count(); }

private:
    Outcome result;
    OwnedGroup group;
};

// One group from the instrument through the window's own device link, on the calling thread:
// no worker thread, as nothing else has to stay responsive meanwhile.
class GroupDownload
{
public:
    explicit GroupDownload(HidPlatform& platform, CHidDevice::ProgressFn progress = {});

    // Finds the instrument by vendor and product id, as the window's presence check does.
    bool findInstrument();
    const char* devicePath() const { return device.devicePath(); }
    std::string deniedPath() const { return device.deniedPath(); }

    // nGroupNumber counts from 1. A transfer that fails part-way is a failed download: the
    // device link would otherwise hand back the unread records as zeros, indistinguishable
    // from real data in a file that nobody looks at.
    DownloadedGroup download(int nGroupNumber);

private:
    CHidDevice device;
};
