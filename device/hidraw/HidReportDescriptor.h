#pragma once

#include "HidPlatform.h"

#include <cstddef>
#include <cstdint>

struct HidReportLayout
{
    HidCaps caps;                   // as the Windows HID class driver would report them
    bool bNumberedReports = false;  // the descriptor declares report ids
};

// Report lengths from a raw report descriptor: for each kind, the longest report in bytes
// plus one byte for the report id (also for unnumbered reports); 0 when there is no report of
// that kind. Malformed or truncated descriptors give what the well-formed part declares.
HidReportLayout ParseReportDescriptor(const uint8_t* pDescriptor, size_t nSize);
