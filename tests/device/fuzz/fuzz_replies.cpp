// Arbitrary instrument replies through a whole group download: the decoding and the records built
// from it must stay in bounds, free of leaks and consistent. Input: the input and output report
// lengths (byte + 1 each), then one control byte per read: 0xFF a time-out, 0xFE a failed wait, any
// other n a reply of the next n bytes. When the input runs out, every further read times out.
#include "CHidDevice.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The one input being run; every open of the instrument continues it.
const uint8_t* pData;
size_t nSize, nOffset;

struct Connection : HidConnection
{
    static uint16_t lengthAt(size_t n) { return uint16_t(n < nSize ? pData[n] + 1 : 65); }
    bool readCaps(HidCaps& caps) override { caps = {lengthAt(0), lengthAt(1)}; return true; }
    bool readIds(uint16_t& nVendor, uint16_t& nProduct) override
    {
        nVendor = CHidDevice::kVendorId;
        nProduct = CHidDevice::kProductId;
        return true;
    }
    HidTransfer write(const uint8_t*, int nLen, int) override { return HidTransfer::done(nLen); }
    HidTransfer read(uint8_t* pReport, int nLen, int) override
    {
        const uint8_t nControl = nOffset < nSize ? pData[nOffset++] : 0xFF;
        if (nControl >= 0xFE)
            return nControl == 0xFF ? HidTransfer::timedOut() : HidTransfer::failed();
        const size_t nAvailable = std::min<size_t>(nControl, nSize - nOffset);
        const size_t nReply = std::min<size_t>(nAvailable, size_t(nLen));
        std::memcpy(pReport, pData + nOffset, nReply);
        nOffset += nAvailable;
        return HidTransfer::done(int(nReply));
    }
    void cancel() override {}
};

struct Platform : HidPlatform
{
    std::vector<std::string> devicePaths() override { return {"fuzz:instrument"}; }
    std::unique_ptr<HidConnection> open(const std::string&, OpenMode) override { return std::make_unique<Connection>(); }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});  // no debug texts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pInput, size_t nInputSize)
{
    pData = pInput;
    nSize = nInputSize;
    nOffset = std::min<size_t>(nSize, 2);
    Platform platform;
    CHidDevice device(platform);
    if (!device.openByScan())
        return 0;
    const DownloadOutcome outcome = device.collectGroup(0);
    const int nCount = outcome.nReceived;
    if (nCount > outcome.nExpected || outcome.nExpected > 255)
        std::abort();
    for (int i = 0; i < nCount; ++i) {  // the device frees the records
        const MeasureRecord& rec = device.records()[i];
        if (rec.nTimes > 0 && (!rec.pValues || rec.fMin > rec.fAvg || rec.fAvg > rec.fMax))
            std::abort();
        for (int k = 0; k < rec.nTimes; ++k)
            if (rec.pValues[k] < rec.fMin || rec.pValues[k] > rec.fMax)
                std::abort();
    }
    return 0;
}
