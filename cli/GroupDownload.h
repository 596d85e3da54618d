#pragma once

#include "CHidDevice.h"
#include "OwnedGroup.h"

// A downloaded group and how its download ended; the records that came whole go with it.
class DownloadedGroup
{
public:
    explicit DownloadedGroup(bool bFound, const DownloadOutcome& outcome = {}, MeasureRecord* pRecords = nullptr)
        : bFound(bFound), result(outcome), group(pRecords, outcome.nReceived)
    {
    }

    bool found() const { return bFound; }  // false: no instrument, nothing was asked
    const DownloadOutcome& outcome() const { return result; }
    const MeasureRecord* records() const { return group.records(); }
    int count() const { return group.count(); }

private:
    bool bFound;
    DownloadOutcome result;
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

    // nGroupNumber counts from 1.
    DownloadedGroup download(int nGroupNumber);

private:
    CHidDevice device;
};
