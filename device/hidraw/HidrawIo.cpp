#include "HidrawIo.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <unistd.h>

namespace {

// The N of "hidrawN", or -1 for any other name.
int hidrawNumber(const char* szName)
{
    static const char kPrefix[] = "hidraw";
    const size_t nPrefix = sizeof kPrefix - 1;
    if (std::strncmp(szName, kPrefix, nPrefix) != 0 || szName[nPrefix] == '\0')
        return -1;
    char* pEnd = nullptr;
    const long n = std::strtol(szName + nPrefix, &pEnd, 10);
    return *pEnd == '\0' && n >= 0 && n < 1000000 ? static_cast<int>(n) : -1;
}

std::vector<int> hidrawNumbers(const std::string& sysClassDir)
{
    std::vector<int> numbers;
    if (DIR* dir = ::opendir(sysClassDir.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const int n = hidrawNumber(entry->d_name);
            if (n >= 0)
                numbers.push_back(n);
        }
        ::closedir(dir);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The bus, vendor and product of "HID_ID=0003:00000583:00000066" in a uevent file.
bool hasHidIds(const std::string& ueventPath, uint16_t nVendor, uint16_t nProduct)
{
    std::ifstream uevent(ueventPath);
    std::string line;
    while (std::getline(uevent, line)) {
        unsigned nBus = 0, nFoundVendor = 0, nFoundProduct = 0;
        if (std::sscanf(line.c_str(), "HID_ID=%x:%x:%x", &nBus, &nFoundVendor, &nFoundProduct) == 3)
            return nFoundVendor == nVendor && nFoundProduct == nProduct;
    }
    return false;
}

// poll for POLLIN, resumed after signals with the time that is left.
int pollForInput(pollfd& entry, int nTimeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(nTimeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int nReady = ::poll(&entry, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (nReady >= 0 || errno != EINTR)
            return nReady;
    }
}

} // namespace

std::vector<std::string> HidrawDevicePaths(const std::string& sysClassDir)
{
    std::vector<std::string> paths;
    for (int n : hidrawNumbers(sysClassDir))
        paths.push_back("/dev/hidraw" + std::to_string(n));
    return paths;
}

std::string HidrawDeniedPath(uint16_t nVendor, uint16_t nProduct, const std::string& sysClassDir)
{
    for (int n : hidrawNumbers(sysClassDir)) {
        const std::string name = "hidraw" + std::to_string(n);
        if (!hasHidIds(sysClassDir + "/" + name + "/device/uevent", nVendor, nProduct))
            continue;
        const std::string path = "/dev/" + name;
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        else if (errno == EACCES || errno == EPERM)
            return path;
    }
    return {};
}

HidTransfer ReadReport(int fd, uint8_t* pReport, int nLen, int nTimeoutMs, bool bPrependReportId)
{
    const int nOffset = bPrependReportId ? 1 : 0;
    if (nLen <= nOffset)
        return HidTransfer::failed();
    pollfd entry{fd, POLLIN, 0};
    const int nReady = pollForInput(entry, nTimeoutMs);
    if (nReady == 0)
        return HidTransfer::timedOut();
    if (nReady < 0 || !(entry.revents & POLLIN))
        return HidTransfer::failed();  // POLLERR or POLLHUP: the device went away

    ssize_t nRead;
    do
        nRead = ::read(fd, pReport + nOffset, static_cast<size_t>(nLen - nOffset));
    while (nRead < 0 && errno == EINTR);
    if (nRead <= 0)
        return HidTransfer::failed();
    if (bPrependReportId)
        pReport[0] = 0;
    return HidTransfer::done(static_cast<int>(nRead) + nOffset);
}

HidTransfer WriteReport(int fd, const uint8_t* pReport, int nLen)
{
    ssize_t nWritten;
    do
        nWritten = ::write(fd, pReport, static_cast<size_t>(std::max(nLen, 0)));
    while (nWritten < 0 && errno == EINTR);
    if (nWritten < 0)
        return errno == ETIMEDOUT ? HidTransfer::timedOut() : HidTransfer::failed();
    return HidTransfer::done(static_cast<int>(nWritten));
}
