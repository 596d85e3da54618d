#include "MeasureRecord.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

MeasureGroup CurrentGroup;

namespace {

// The report buffers of the device link hold 256 bytes; nothing past them is ever read.
constexpr int kReplyBufferSize = 256;

uint8_t replyByte(const uint8_t* pReply, int nReceived, int index)
{
    return index < std::min(nReceived, kReplyBufferSize) ? pReply[index] : 0;
}

} // namespace

int64_t LocalMidnight(int year, int month, int day)
{
    std::tm broken{};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_isdst = 0;  // the instrument's dates carry no daylight saving
    std::tm wanted = broken;
    const std::time_t seconds = std::mktime(&broken);
    // Where winter time counts as the zone's daylight-saving side (Irish time), the flag 0
    // lands in the evening before; the zone's own rule keeps the stored calendar day.
    if (broken.tm_hour >= 12) {
        wanted.tm_isdst = -1;
        return static_cast<int64_t>(std::mktime(&wanted));
    }
    return static_cast<int64_t>(seconds);
}

namespace {

float scaledValue(uint16_t raw, uint8_t nUnit)
{
    // HL, HV and HB travel as whole numbers, every other scale in tenths.
    return nUnit <= 2 ? static_cast<float>(raw) : static_cast<float>(raw * 0.1);
}

void computeStatistics(MeasureRecord& rec)
{
    rec.fMin = rec.fMax = rec.fAvg = 0.0f;
    if (rec.nTimes == 0)
        return;
    rec.fMin = rec.fMax = rec.pValues[0];
    double sum = 0.0;
    for (int k = 0; k < rec.nTimes; ++k) {
        const float v = rec.pValues[k];
        sum += v;
        if (rec.fMin > v)
            rec.fMin = v;
        else if (v > rec.fMax)
            rec.fMax = v;
    }
    rec.fAvg = static_cast<float>(sum / rec.nTimes);
}

} // namespace

MeasureRecord* AllocGroup(int nCount)
{
    if (nCount < 1)
        return nullptr;
    return static_cast<MeasureRecord*>(std::calloc(static_cast<size_t>(nCount), sizeof(MeasureRecord)));
}

void FreeGroup(MeasureRecord* pRecords, int nCount)
{
    if (nCount < 0) {
        FreeGroup(CurrentGroup.pRecords, CurrentGroup.nCount);
        CurrentGroup.pRecords = nullptr;  // never left dangling, even for a moment
        CurrentGroup.nCount = 0;
        return;
    }
    if (!pRecords)
        return;
    for (int i = 0; i < nCount; ++i)
        std::free(pRecords[i].pValues);
    std::free(pRecords);
}

void FillRecordHeader(MeasureRecord& rec, const uint8_t* pReply, int nReceived)
{
    auto byte = [&](int index) { return replyByte(pReply, nReceived, index); };
    rec.nMaterial = byte(4);
    rec.nUnit = byte(5);
    rec.nProbe = byte(9);
    rec.nAngle = byte(10);
    rec.nTimes = byte(11);
    rec.tDate = LocalMidnight(2000 + byte(6), byte(7), byte(8));
}

void FillRecordValues(MeasureRecord& rec, const uint8_t* pReply, int nReceived)
{
    std::free(rec.pValues);
    rec.pValues = nullptr;
    const int carried = std::max(0, (std::min(nReceived, kReplyBufferSize) - 1) / 2);
    rec.nTimes = static_cast<uint8_t>(std::min<int>(rec.nTimes, carried));
    if (rec.nTimes > 0) {
        rec.pValues = static_cast<float*>(std::malloc(rec.nTimes * sizeof(float)));
        for (int k = 0; k < rec.nTimes; ++k) {
            const uint16_t raw = static_cast<uint16_t>(pReply[1 + 2 * k] | (pReply[2 + 2 * k] << 8));
            rec.pValues[k] = scaledValue(raw, rec.nUnit);
        }
    }
    computeStatistics(rec);
}
