#include "CHidDevice.h"

#include <cstring>
#include <utility>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <QByteArray>
#include <QDebug>
#endif

namespace {

// Transport trouble is for a developer's debugger only, never for the user.
void debugText(const char* szText)
{
#ifdef _WIN32
    OutputDebugStringA(szText);
#else
    qDebug().noquote() << QByteArray(szText).trimmed();
#endif
}

} // namespace

CHidDevice::CHidDevice(HidPlatform& platform, ProgressFn progress)
    : platform(platform), progress(std::move(progress))
{
}

CHidDevice::~CHidDevice()
{
    FreeGroup(pRecords, nRecordCount);
}

bool CHidDevice::hasInstrumentIds(HidConnection& connection) const
{
    uint16_t nVendor = 0;
    uint16_t nProduct = 0;
    return connection.readIds(nVendor, nProduct) && nVendor == nVendorId && nProduct == nProductId;
}

// Reports that would not fit the report buffers make the device unusable rather than
// overflow them; a device without both kinds of report cannot be talked to at all.
bool CHidDevice::fitsBuffers(const HidCaps& found)
{
    auto fits = [](int nLen) { return nLen >= 1 && nLen <= kReportBufferSize; };
    return fits(found.InputReportByteLength) && fits(found.OutputReportByteLength);
}

bool CHidDevice::openByScan()
{
    close();
    for (const std::string& path : platform.devicePaths()) {
        if (path.size() >= kPathCapacity)
            continue;  // could not be remembered whole
        HidCaps found;
        {
            std::unique_ptr<HidConnection> query = platform.open(path, HidPlatform::ForQuery);
            if (!query || !hasInstrumentIds(*query) || !query->readCaps(found) || !fitsBuffers(found))
                continue;
        }
        hDevice = platform.open(path, HidPlatform::ForTransfers);
        if (!hDevice)
            continue;
        caps = found;
        std::memcpy(szDevicePath, path.c_str(), path.size() + 1);
        bFound = true;
        break;
    }
    return bFound;
}

short CHidDevice::reopen()
{
    hDevice.reset();  // the remembered path and the report lengths stay
    if (szDevicePath[0] != '\0') {
        hDevice = platform.open(szDevicePath, HidPlatform::ForTransfers);
        if (hDevice && hasInstrumentIds(*hDevice)) {
            bFound = true;
            return 1;
        }
        // Another device took the instrument's place (hidraw numbers are reused): forget the path.
        close();
    }
    return openByScan() ? 1 : 0;
}

void CHidDevice::close()
{
    if (hDevice) {
        hDevice.reset();
        szDevicePath[0] = '\0';
    }
    bFound = false;
}

int CHidDevice::write()
{
    if (!hDevice)
        return -1;
    return finishTransfer(hDevice->write(outReport, caps.OutputReportByteLength, kTransferTimeoutMs),
                          "Write WAIT_TIMEOUT\n", "Write WaitForSingleObject error\n");
}

int CHidDevice::read()
{
    if (!hDevice)
        return -1;
    std::memset(inReport, 0, sizeof inReport);
    return finishTransfer(hDevice->read(inReport, caps.InputReportByteLength, kTransferTimeoutMs),
                          "Read WAIT_TIMEOUT\n", "Read WaitForSingleObject error\n");
}

int CHidDevice::finishTransfer(const HidTransfer& transfer, const char* szTimeoutText,
                               const char* szErrorText)
{
    switch (transfer.outcome) {
    case HidTransfer::Done:
        return transfer.nBytes;
    case HidTransfer::Timeout:
        debugText(szTimeoutText);
        hDevice->cancel();
        close();
        return -1;
    case HidTransfer::Error:
        break;
    }
    debugText(szErrorText);
    close();
    return -1;
}

short CHidDevice::exchange()
{
    if (write() <= 0)
        return -2;
    flushProgress();  // while the instrument prepares its answer
    return static_cast<short>(read());
}
