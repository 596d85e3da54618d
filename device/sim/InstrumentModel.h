#pragma once

#include <cstdint>
#include <map>
#include <vector>

// One stored measurement as the instrument keeps it: codes, date, raw values as they
// travel on the wire (whole units for HL, HV and HB, tenths for the other scales).
struct SimRecord
{
    uint8_t nMaterial = 0;
    uint8_t nUnit = 0;
    uint8_t nYear = 0;   // years since 2000
    uint8_t nMonth = 1;
    uint8_t nDay = 1;
    uint8_t nProbe = 0;
    uint8_t nAngle = 0;
    std::vector<uint16_t> values;
};

// The instrument's side of the protocol: the groups it stores and the input report it answers
// each request with. Every emulated bus serves its instrument from this one model.
// Not synchronised: its owner serialises access.
class InstrumentModel
{
public:
    // Groups by the number the instrument uses on the wire, 1 to 10 (the program's nGroup + 1).
    // At most 255 records count; the rest are dropped.
    void setGroup(int nGroupNumber, std::vector<SimRecord> records);
    void clear();

    // The answer to one output report (byte 0 the report id) as an input report of nReplyLength
    // bytes, byte 0 the report id; empty for a request the instrument ignores.
    std::vector<uint8_t> replyTo(const std::vector<uint8_t>& request, int nReplyLength) const;

private:
    std::map<int, std::vector<SimRecord>> groups;
};
