#include "GroupDownload.h"

#include "MeasureRecord.h"

#include <utility>

GroupDownload::GroupDownload(HidPlatform& platform, CHidDevice::ProgressFn progress)
    : device(platform, std::move(progress))
{
}

bool GroupDownload::findInstrument()
{
    return device.openByScan();
}

DownloadedGroup GroupDownload::download(int nGroupNumber)
{
    if (!device.isConnected() && !findInstrument())
        return DownloadedGroup(false);
    const DownloadOutcome outcome = device.collectGroup(nGroupNumber - 1);
    return DownloadedGroup(true, outcome, device.takeRecords());
}
