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
    using Outcome = DownloadedGroup::Outcome;
    if (!device.isConnected() && !findInstrument())
        return DownloadedGroup(Outcome::Absent);
    const short nCount = device.collectGroup(nGroupNumber - 1);
    MeasureRecord* pRecords = device.takeRecords();
    // The link closes the device after any failed write or read.
    if (nCount < 0 || !device.isConnected())
        return DownloadedGroup(Outcome::TransferFailed, pRecords, nCount > 0 ? nCount : 0);
    if (nCount == 0)
        return DownloadedGroup(Outcome::Empty);
    return DownloadedGroup(Outcome::Data, pRecords, nCount);
}
