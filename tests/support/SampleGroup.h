#pragma once

#include "MeasureRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Records filled through the same functions a download uses, from made-up instrument replies.
namespace sample {

struct Header
{
    uint8_t nMaterial = 0;
    uint8_t nUnit = 0;
    uint8_t nAngle = 0;
    uint8_t nProbe = 0;
    uint8_t nYear = 22;
    uint8_t nMonth = 9;
    uint8_t nDay = 8;
};

inline void fillRecord(MeasureRecord& rec, const Header& h, const std::vector<uint16_t>& raw)
{
    std::array<uint8_t, 256> header{};
    header[4] = h.nMaterial;
    header[5] = h.nUnit;
    header[6] = h.nYear;
    header[7] = h.nMonth;
    header[8] = h.nDay;
    header[9] = h.nProbe;
    header[10] = h.nAngle;
    header[11] = uint8_t(raw.size());
    FillRecordHeader(rec, header.data(), int(header.size()));

    std::array<uint8_t, 256> values{};
    for (size_t k = 0; k < raw.size(); ++k) {
        values[1 + 2 * k] = uint8_t(raw[k] & 0xFF);
        values[2 + 2 * k] = uint8_t(raw[k] >> 8);
    }
    FillRecordValues(rec, values.data(), int(values.size()));
}

// Raw values first, first + 1, ... (three digits each for 100 <= first, first + n <= 999).
inline std::vector<uint16_t> rising(uint16_t first, int n)
{
    std::vector<uint16_t> raw;
    for (int k = 0; k < n; ++k)
        raw.push_back(uint16_t(first + k));
    return raw;
}

// Holds a group in CurrentGroup while it lives; records start all zero.
class InstalledGroup
{
public:
    explicit InstalledGroup(int nCount)
    {
        CurrentGroup.pRecords = AllocGroup(nCount);
        CurrentGroup.nCount = nCount;
    }
    ~InstalledGroup()
    {
        FreeGroup(nullptr, -1);
    }
    InstalledGroup(const InstalledGroup&) = delete;
    InstalledGroup& operator=(const InstalledGroup&) = delete;

    MeasureRecord& operator[](int i) { return CurrentGroup.pRecords[i]; }
};

// A varied group as an instrument might hold it: every code in turn, mostly a few values,
// now and then a long series that wraps in the report.
inline void fillVaried(InstalledGroup& group, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        Header h;
        h.nMaterial = uint8_t(i % 10);
        h.nUnit = uint8_t(i % 7);
        h.nAngle = uint8_t(i % 5);
        h.nProbe = uint8_t(i % 7);
        h.nYear = 24;
        h.nMonth = uint8_t(1 + i % 12);
        h.nDay = uint8_t(1 + i % 28);
        const int nTimes = (i % 6 == 5) ? 24 : 3 + i % 5;
        std::vector<uint16_t> raw;
        for (int k = 0; k < nTimes; ++k)
            raw.push_back(uint16_t(h.nUnit <= 2 ? 480 + (i * 7 + k * 13) % 90 : 420 + (i * 11 + k * 17) % 230));
        fillRecord(group[i], h, raw);
    }
}

} // namespace sample
