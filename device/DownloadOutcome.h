#pragma once

// How a group download ended, as one value. The records handed over with it are always the
// first nReceived of the group, each one read whole; nothing stands in for a record not read.
struct DownloadOutcome
{
    enum Result : short {
        FailedBeforeSize,  // no group size came: no instrument, or its first exchange failed
        EmptyGroup,        // the instrument holds no records in this group
        FailedPartWay,     // a transfer failed after nReceived of nExpected records
        Whole,             // all nExpected records
    };

    Result result = FailedBeforeSize;
    int nReceived = 0;
    int nExpected = 0;

    static DownloadOutcome whole(int nCount) { return {Whole, nCount, nCount}; }
    bool isWhole() const { return result == Whole; }
};
