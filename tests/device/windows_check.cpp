// The Windows HID layer against the HID devices the system has: lists them, looks for the
// instrument and downloads one group when it is there. scripts/ci-windows.sh builds it with
// MinGW-w64 and runs it under Wine.
//
//   windows_check [GROUP [WAIT_SECONDS]]
//
// GROUP counts from 1 as in the window (default 1). With WAIT_SECONDS it waits that long for the
// instrument (Wine announces devices a moment after start), and after a download that lost it,
// until it is gone and back, then downloads again. Exit code: 0 absent, or the last download
// went through; 1 a download failed; 64 a usage error.
#include "CHidDevice.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace {

void listInterfaces(HidPlatform& platform)
{
    const std::vector<std::string> paths = platform.devicePaths();
    std::printf("%zu HID interfaces\n", paths.size());
    for (const std::string& path : paths) {
        uint16_t nVendor = 0, nProduct = 0;
        std::unique_ptr<HidConnection> query = platform.open(path, HidPlatform::ForQuery);
        if (query && query->readIds(nVendor, nProduct))
            std::printf("  %04x:%04x %s\n", nVendor, nProduct, path.c_str());
        else
            std::printf("  cannot open %s\n", path.c_str());
    }
}

void printRecord(int nIndex, const MeasureRecord& rec)
{
    char szDate[16] = "-";
    const std::time_t tDate = static_cast<std::time_t>(rec.tDate);
    const std::tm* pDay = rec.tDate != 0 ? std::localtime(&tDate) : nullptr;  // none for a failed header
    if (pDay)
        std::strftime(szDate, sizeof szDate, "%Y-%m-%d", pDay);
    std::printf("%d: material %u unit %u angle %u probe %u date %s min %g max %g avg %g values",
                nIndex + 1, rec.nMaterial, rec.nUnit, rec.nAngle, rec.nProbe, szDate, rec.fMin,
                rec.fMax, rec.fAvg);
    for (int k = 0; k < rec.nTimes; ++k)
        std::printf(" %g", rec.pValues[k]);
    std::printf("\n");
}

// Downloads and prints the group; true when it went through without losing the instrument.
bool download(CHidDevice& device, int nGroup)
{
    const DownloadOutcome outcome = device.collectGroup(nGroup);
    const int nCount = outcome.nReceived;
    std::printf("group %d: %d of %d records\n", nGroup + 1, nCount, outcome.nExpected);
    MeasureRecord* pRecords = device.takeRecords();
    for (int i = 0; i < nCount; ++i)
        printRecord(i, pRecords[i]);
    FreeGroup(pRecords, nCount);
    if (outcome.result == DownloadOutcome::FailedBeforeSize || outcome.result == DownloadOutcome::FailedPartWay) {
        std::printf("transfer failed, instrument dropped\n");
        return false;
    }
    return true;
}

// Presence checks as the program's worker makes them, a little more often, until the
// instrument is there (or gone) or the time is up; at least one.
bool waitFor(CHidDevice& device, bool bPresent, int nSeconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(nSeconds);
    while ((device.reopen() == 1) != bPresent) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const int nGroup = argc > 1 ? std::atoi(argv[1]) : 1;
    const int nWaitSeconds = argc > 2 ? std::atoi(argv[2]) : 0;
    if (argc > 3 || nGroup < 1 || nGroup > 10 || nWaitSeconds < 0) {
        std::fprintf(stderr, "usage: windows_check [GROUP 1-10 [WAIT_SECONDS]]\n");
        return 64;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // a test bed follows the output as it comes

    CHidDevice device(DefaultHidPlatform());
    const bool bFound = waitFor(device, true, nWaitSeconds);
    listInterfaces(DefaultHidPlatform());
    if (!bFound) {
        std::printf("absent\n");
        return 0;
    }
    std::printf("found %s\n", device.devicePath());
    if (download(device, nGroup - 1))
        return 0;
    // Recovery as the window sees it: the instrument is gone, comes back, and downloads again.
    if (nWaitSeconds == 0 || !waitFor(device, false, nWaitSeconds))
        return 1;
    std::printf("absent\n");
    if (!waitFor(device, true, nWaitSeconds))
        return 1;
    std::printf("found %s\n", device.devicePath());
    return download(device, nGroup - 1) ? 0 : 1;
}
