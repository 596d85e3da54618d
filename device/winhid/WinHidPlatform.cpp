#include "HidPlatform.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <setupapi.h>

// The HID headers of the Windows SDK and of MinGW declare plain C functions without saying so.
extern "C" {
#include <hidsdi.h>  // before hidpi.h: it defines NTSTATUS and pulls in hidusage.h
#include <hidpi.h>
}

#include <vector>

namespace {

// One open device handle with the overlapped record and event its transfers use.
class WinHidConnection : public HidConnection
{
public:
    WinHidConnection(HANDLE hFile, bool bOverlapped)
        : hFile(hFile)
    {
        if (bOverlapped)
            overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }

    ~WinHidConnection() override
    {
        CloseHandle(hFile);
        if (overlapped.hEvent)
            CloseHandle(overlapped.hEvent);
    }

    bool readIds(uint16_t& nVendor, uint16_t& nProduct) override
    {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (!HidD_GetAttributes(hFile, &attributes))
            return false;
        nVendor = attributes.VendorID;
        nProduct = attributes.ProductID;
        return true;
    }

    bool readCaps(HidCaps& caps) override
    {
        PHIDP_PREPARSED_DATA pPreparsed = nullptr;
        if (!HidD_GetPreparsedData(hFile, &pPreparsed))
            return false;
        HIDP_CAPS hidCaps{};
        const bool bRead = HidP_GetCaps(pPreparsed, &hidCaps) == HIDP_STATUS_SUCCESS;
        HidD_FreePreparsedData(pPreparsed);
        if (bRead) {
            caps.InputReportByteLength = hidCaps.InputReportByteLength;
            caps.OutputReportByteLength = hidCaps.OutputReportByteLength;
        }
        return bRead;
    }

    HidTransfer write(const uint8_t* pReport, int nLen, int nTimeoutMs) override
    {
        if (!overlapped.hEvent)
            return HidTransfer::failed();
        const BOOL bStarted = WriteFile(hFile, pReport, static_cast<DWORD>(nLen), nullptr, &overlapped);
        return finish(bStarted, nTimeoutMs);
    }

    HidTransfer read(uint8_t* pReport, int nLen, int nTimeoutMs) override
    {
        if (!overlapped.hEvent)
            return HidTransfer::failed();
        const BOOL bStarted = ReadFile(hFile, pReport, static_cast<DWORD>(nLen), nullptr, &overlapped);
        return finish(bStarted, nTimeoutMs);
    }

    void cancel() override
    {
        CancelIo(hFile);
        // Wait until the cancelled request has really ended: until then the driver may still
        // write into the report buffer and the overlapped record.
        DWORD nIgnored = 0;
        GetOverlappedResult(hFile, &overlapped, &nIgnored, TRUE);
        ResetEvent(overlapped.hEvent);
    }

private:
    HidTransfer finish(BOOL bStarted, int nTimeoutMs)
    {
        if (!bStarted && GetLastError() != ERROR_IO_PENDING) {
            ResetEvent(overlapped.hEvent);
            return HidTransfer::failed();
        }
        const DWORD nWait = WaitForSingleObject(overlapped.hEvent, static_cast<DWORD>(nTimeoutMs));
        if (nWait == WAIT_TIMEOUT)
            return HidTransfer::timedOut();  // cancel() resets the event once the request has ended
        if (nWait != WAIT_OBJECT_0) {
            cancel();  // the request must end before its buffer goes
            return HidTransfer::failed();
        }
        DWORD nTransferred = 0;
        const bool bDone = GetOverlappedResult(hFile, &overlapped, &nTransferred, FALSE);
        ResetEvent(overlapped.hEvent);
        // A request that completed with an error (the device was unplugged) is no answer.
        return bDone ? HidTransfer::done(static_cast<int>(nTransferred)) : HidTransfer::failed();
    }

    const HANDLE hFile;
    OVERLAPPED overlapped{};
};

// The device path of one interface: a size query first, then the detail record of that size.
bool interfacePath(HDEVINFO hSet, SP_DEVICE_INTERFACE_DATA& interfaceData, std::string& path)
{
    DWORD nNeeded = 0;
    SetupDiGetDeviceInterfaceDetailA(hSet, &interfaceData, nullptr, 0, &nNeeded, nullptr);
    if (nNeeded < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
        return false;
    std::vector<DWORD> storage((nNeeded + sizeof(DWORD) - 1) / sizeof(DWORD));  // DWORD-aligned
    auto* pDetail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(storage.data());
    pDetail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);  // the fixed part only, by design
    if (!SetupDiGetDeviceInterfaceDetailA(hSet, &interfaceData, pDetail, nNeeded, nullptr, nullptr))
        return false;
    path = pDetail->DevicePath;
    return true;
}

class WinHidPlatform : public HidPlatform
{
public:
    std::vector<std::string> devicePaths() override
    {
        std::vector<std::string> paths;
        GUID hidGuid;
        HidD_GetHidGuid(&hidGuid);
        const HDEVINFO hSet = SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr,
                                                   DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
        if (hSet == INVALID_HANDLE_VALUE)
            return paths;
        SP_DEVICE_INTERFACE_DATA interfaceData{};
        interfaceData.cbSize = sizeof interfaceData;
        for (DWORD nIndex = 0; SetupDiEnumDeviceInterfaces(hSet, nullptr, &hidGuid, nIndex, &interfaceData);
             ++nIndex) {
            std::string path;
            if (interfacePath(hSet, interfaceData, path))
                paths.push_back(path);
        }
        SetupDiDestroyDeviceInfoList(hSet);
        return paths;
    }

    std::unique_ptr<HidConnection> open(const std::string& path, OpenMode mode) override
    {
        const bool bOverlapped = mode == ForTransfers;
        const HANDLE hFile = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         bOverlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            return nullptr;
        return std::make_unique<WinHidConnection>(hFile, bOverlapped);
    }
};

} // namespace

HidPlatform& DefaultHidPlatform()
{
    static WinHidPlatform platform;
    return platform;
}
