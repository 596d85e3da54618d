#include "CHidDevice.h"
#include "DeviceProtocol.h"

#include <cstring>

void CHidDevice::prepareRequest(uint8_t nCommand, int nGroup, int nRecord)
{
    std::memset(outReport, 0, sizeof outReport);
    outReport[1] = nCommand;
    outReport[2] = static_cast<uint8_t>(nGroup + 1);
    outReport[3] = static_cast<uint8_t>(nRecord);
}

// Progress goes out while the instrument works on the next request: handing a value to another
// thread can cost tens of microseconds (waking it), which would otherwise add to every record's
// time on the wire. The order of the values stays as it is.
void CHidDevice::deferProgress(int n)
{
    flushProgress();
    nPendingProgress = n;
}

void CHidDevice::flushProgress()
{
    if (nPendingProgress != 0 && progress)
        progress(nPendingProgress);
    nPendingProgress = 0;
}

short CHidDevice::groupSize(int nGroup)
{
    prepareRequest(CMD_GROUP_SIZE, nGroup, 0);
    const short nReceived = exchange();
    return nReceived < 0 ? nReceived : inReport[3];
}

bool CHidDevice::readRecord(int nGroup, int nIndex, MeasureRecord& rec)
{
    prepareRequest(CMD_RECORD_HEADER, nGroup, nIndex + 1);
    const short nHeader = exchange();
    if (nHeader < 0)
        return false;
    FillRecordHeader(rec, inReport, nHeader);

    prepareRequest(CMD_RECORD_VALUES, nGroup, nIndex + 1);
    const short nValues = exchange();
    FillRecordValues(rec, inReport, nValues);
    return nValues >= 0;
}

DownloadOutcome CHidDevice::collectGroup(int nGroup)
{
    // A download nobody took goes first, so that a failed one never leaves it looking current.
    const int nUntaken = nRecordCount;
    FreeGroup(takeRecords(), nUntaken);
    const short nCount = groupSize(nGroup);
    if (nCount < 0)
        return {DownloadOutcome::FailedBeforeSize, 0, 0};
    deferProgress(nCount | kProgressMaximumFlag);
    if (nCount == 0) {
        flushProgress();
        return {DownloadOutcome::EmptyGroup, 0, 0};
    }

    pRecords = AllocGroup(nCount);
    nRecordCount = nCount;
    // After a failed transfer the records that follow are not asked for: the device is gone,
    // or its answers can no longer be told apart from the next request's.
    int nRead = 0;
    while (nRead < nCount && readRecord(nGroup, nRead, pRecords[nRead]))
        deferProgress(++nRead);
    flushProgress();
    if (nRead < nCount)
        return {DownloadOutcome::FailedPartWay, nRead, nCount};
    return DownloadOutcome::whole(nCount);
}

MeasureRecord* CHidDevice::takeRecords()
{
    MeasureRecord* p = pRecords;
    pRecords = nullptr;
    nRecordCount = 0;
    return p;
}
