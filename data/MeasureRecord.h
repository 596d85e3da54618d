#pragma once

#include <cstdint>

// One stored measurement of the instrument: a short series of impacts taken with
// one probe, in one direction, on one material, in one hardness scale.
// A group is a zero-filled array of these; a record whose reading failed stays all zero.
struct MeasureRecord
{
    uint8_t nMaterial;  // material code 0..9
    uint8_t nUnit;      // hardness scale code: 0 HL, 1 HV, 2 HB, 3 HRC, 4 HS, 5 HRB, 6 HRA
    uint8_t nAngle;     // impact direction code 0..4
    uint8_t nTimes;     // number of single values in pValues
    uint8_t nProbe;     // probe type code 0..7
    float fMax;
    float fMin;
    float fAvg;
    float* pValues;     // nTimes values, scaled to the hardness scale; owned by the record
    int64_t tDate;      // local midnight of the stored date, seconds since the epoch
};

// The downloaded group as the whole program sees it (GUI thread only).
struct MeasureGroup
{
    MeasureRecord* pRecords = nullptr;
    int nCount = 0;
};

extern MeasureGroup CurrentGroup;

// Allocates a zero-filled array of nCount records (null for a count below 1).
MeasureRecord* AllocGroup(int nCount);

// Releases the values of nCount records and then the array itself (a null array is skipped).
// A negative count means the store: every array of CurrentGroup is released, pRecords
// becomes null and nCount 0, ready for the next group.
void FreeGroup(MeasureRecord* pRecords, int nCount);

// Seconds since the epoch of 00:00 local time on a calendar date, as the instrument's dates are
// stored (tDate).
int64_t LocalMidnight(int year, int month, int day);

// Fills the header fields of a zero-filled record from a record-header reply of nReceived
// bytes (byte 0 is the report id). Bytes the reply did not carry read as 0.
void FillRecordHeader(MeasureRecord& rec, const uint8_t* pReply, int nReceived);

// Decodes the record-values reply of nReceived bytes into a new values array and computes
// the statistics. Only values that the reply carried are kept, and nTimes becomes their
// count; a negative nReceived (the exchange failed) leaves the record without values.
void FillRecordValues(MeasureRecord& rec, const uint8_t* pReply, int nReceived);
