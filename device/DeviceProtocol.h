#pragma once

#include <cstdint>

// The instrument's three requests, one output report each, answered by one input report.
// Byte 0 of every report is the report id (0, the instrument uses no numbered reports),
// byte 1 the command, byte 2 the group (1 to 10), byte 3 the record (1 to 255, 0 for the size).
enum DeviceCommand : uint8_t {
    CMD_GROUP_SIZE = 0xA8,     // reply byte 3: number of records in the group
    CMD_RECORD_HEADER = 0xA9,  // reply bytes 4 to 11: material, unit, date, probe, angle, times
    CMD_RECORD_VALUES = 0xA6,  // reply from byte 1: 16-bit little-endian values
};

// A progress value with this bit set carries the new maximum in its low 20 bits;
// without it, it is the number of records done.
constexpr int kProgressMaximumFlag = 0x100000;
constexpr int kProgressValueMask = 0xFFFFF;
