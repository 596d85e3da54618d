#pragma once

#include "HidPlatform.h"

#include <string>
#include <vector>

// The hidraw layer's system calls, usable on any file descriptor.

// "/dev/hidrawN" for every hidrawN in sysClassDir, in the order of N.
std::vector<std::string> HidrawDevicePaths(const std::string& sysClassDir = "/sys/class/hidraw");

// The first "/dev/hidrawN" whose ids in sysClassDir/hidrawN/device/uevent match but which this
// user may not open; empty when there is none.
std::string HidrawDeniedPath(uint16_t nVendor, uint16_t nProduct,
                             const std::string& sysClassDir = "/sys/class/hidraw");

// Waits at most nTimeoutMs for one report and reads it. hidraw hands over an unnumbered report
// without its report id: with bPrependReportId the 0 is put in front, so byte 0 is always the
// report id and the count includes it.
HidTransfer ReadReport(int fd, uint8_t* pReport, int nLen, int nTimeoutMs, bool bPrependReportId);

// Sends one report, byte 0 the report id. The kernel completes or fails the transfer itself.
HidTransfer WriteReport(int fd, const uint8_t* pReport, int nLen);
