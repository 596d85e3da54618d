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
    uint8_t nMaterial = 0, nUnit = 0, nAngle = 0, nProbe = 0;
    uint8_t nYear = 22, nMonth = 9, nDay = 8;
};

// A header reply and a values reply of the given lengths in bytes (a negative values length: that
// exchange failed). The values go little-endian after the report id, at most 127 of them.
inline void fillRecord(MeasureRecord& rec, const Header& h, const std::vector<uint16_t>& raw,
                       int nValueBytes = 256, int nHeaderBytes = 256)
{
    std::array<uint8_t, 256> r{};
    r[4] = h.nMaterial; r[5] = h.nUnit; r[6] = h.nYear; r[7] = h.nMonth; r[8] = h.nDay;
    r[9] = h.nProbe; r[10] = h.nAngle; r[11] = uint8_t(raw.size());
    FillRecordHeader(rec, r.data(), nHeaderBytes);
    r.fill(0);
    for (size_t k = 0; k < raw.size() && k < 127; ++k) {
        r[1 + 2 * k] = uint8_t(raw[k] & 0xFF);
        r[2 + 2 * k] = uint8_t(raw[k] >> 8);
    }
    FillRecordValues(rec, nValueBytes < 0 ? nullptr : r.data(), nValueBytes);
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
    ~InstalledGroup() { FreeGroup(nullptr, -1); }
    InstalledGroup(const InstalledGroup&) = delete;
    InstalledGroup& operator=(const InstalledGroup&) = delete;

    MeasureRecord& operator[](int i) { return CurrentGroup.pRecords[i]; }
};

} // namespace sample
