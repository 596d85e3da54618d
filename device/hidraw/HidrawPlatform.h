#pragma once

#include "HidPlatform.h"
#include "HidrawIo.h"

// Linux' raw HID device files, /dev/hidrawN, found through /sys/class/hidraw. Reads wait for
// their report with poll() unless given another wait (a device file emulated in user space,
// where poll() does not see the emulated input).
class HidrawPlatform : public HidPlatform
{
public:
    explicit HidrawPlatform(ReportWait wait = PollForInput);

    std::vector<std::string> devicePaths() override;
    std::unique_ptr<HidConnection> open(const std::string& path, OpenMode mode) override;
    std::string deniedPath(uint16_t nVendor, uint16_t nProduct) override;

private:
    const ReportWait wait;
};
