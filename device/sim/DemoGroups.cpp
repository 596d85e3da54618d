#include "SimulatedInstrument.h"

namespace {

// Impacts scattered around a typical reading, the same on every run.
std::vector<uint16_t> impacts(int nCenter, int nSpread, int nCount, unsigned nSeed)
{
    std::vector<uint16_t> values;
    unsigned state = nSeed;
    for (int k = 0; k < nCount; ++k) {
        state = state * 1103515245u + 12345u;
        const int offset = static_cast<int>((state >> 16) % (2u * nSpread + 1)) - nSpread;
        values.push_back(static_cast<uint16_t>(nCenter + offset));
    }
    return values;
}

// Codes: material 0 to 9 (0 steel, 9 forged steel); unit 0 HL, 1 HV, 2 HB, 3 HRC, 4 HS, 5 HRB, 6 HRA (tenths from
// HRC on); probe 0 D, 1 DC, 2 D15, 3 C, 4 G, 5 DL, 6 E; angle 0 to 4.
SimRecord record(uint8_t nMaterial, uint8_t nUnit, uint8_t nProbe, uint8_t nAngle,
                 uint8_t nYear, uint8_t nMonth, uint8_t nDay, std::vector<uint16_t> values)
{
    SimRecord r;
    r.nMaterial = nMaterial;
    r.nUnit = nUnit;
    r.nYear = nYear;
    r.nMonth = nMonth;
    r.nDay = nDay;
    r.nProbe = nProbe;
    r.nAngle = nAngle;
    r.values = std::move(values);
    return r;
}

} // namespace

std::vector<SimRecord> SimulatedInstrument::demoGroup(int nGroupNumber)
{
    switch (nGroupNumber) {
    case 1:  // a morning's work on mixed parts
        return {
            record(0, 0, 0, 0, 23, 3, 14, impacts(530, 8, 5, 1)),
            record(0, 3, 0, 0, 23, 3, 14, impacts(523, 9, 5, 2)),
            record(1, 2, 0, 1, 23, 3, 14, impacts(205, 6, 6, 3)),
            record(2, 1, 1, 2, 23, 3, 15, impacts(312, 10, 5, 4)),
            record(0, 3, 2, 0, 23, 3, 15, impacts(612, 7, 10, 5)),
            record(4, 4, 0, 3, 23, 3, 16, impacts(655, 12, 3, 6)),
            record(6, 5, 4, 4, 23, 3, 16, impacts(882, 9, 5, 7)),
            record(0, 6, 0, 0, 23, 3, 17, impacts(735, 6, 8, 8)),
            record(3, 0, 5, 1, 23, 3, 17, impacts(701, 15, 1, 9)),
        };
    case 2:  // long series, up to what one report carries
        return {
            record(0, 0, 0, 0, 22, 9, 8, impacts(760, 11, 32, 21)),
            record(5, 2, 3, 0, 22, 9, 8, impacts(121, 5, 20, 22)),
            record(7, 3, 6, 2, 22, 9, 9, impacts(455, 14, 32, 23)),
            record(8, 0, 0, 4, 22, 12, 31, impacts(398, 9, 12, 24)),
        };
    case 4:  // a single impact
        return {record(9, 1, 1, 0, 24, 1, 2, {268})};
    case 5:
        return {
            record(0, 2, 0, 0, 21, 6, 30, impacts(180, 4, 3, 41)),
            record(0, 2, 0, 0, 21, 7, 1, impacts(182, 4, 3, 42)),
        };
    default:  // group 3 and groups 6 to 10 hold nothing
        return {};
    }
}
