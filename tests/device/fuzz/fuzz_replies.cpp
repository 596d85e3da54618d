// Feeds arbitrary instrument replies through a whole group download: the reply decoding and
// the records built from it must stay in bounds, free of leaks and consistent.
//
// Input: two bytes for the input and output report lengths (each byte + 1), then one control
// byte per read: 0xFF a time-out, 0xFE a failed wait, anything else n: a reply of the next
// n bytes. When the input runs out, every further read times out.
#include "CHidDevice.h"
#include "DeviceProtocol.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

struct Script
{
    const uint8_t* pData;
    size_t nSize;
    size_t nOffset;

    uint16_t lengthAt(size_t nIndex) const { return uint16_t(nIndex < nSize ? pData[nIndex] + 1 : 65); }
};

// Every open of the one device continues the same script.
class ScriptedConnection : public HidConnection
{
public:
    explicit ScriptedConnection(Script& script) : script(script) {}

    bool readIds(uint16_t& nVendor, uint16_t& nProduct) override
    {
        nVendor = CHidDevice::kVendorId;
        nProduct = CHidDevice::kProductId;
        return true;
    }

    bool readCaps(HidCaps& caps) override
    {
        caps.InputReportByteLength = script.lengthAt(0);
        caps.OutputReportByteLength = script.lengthAt(1);
        return true;
    }

    HidTransfer write(const uint8_t*, int nLen, int) override { return HidTransfer::done(nLen); }

    HidTransfer read(uint8_t* pReport, int nLen, int) override
    {
        if (script.nOffset >= script.nSize)
            return HidTransfer::timedOut();
        const uint8_t nControl = script.pData[script.nOffset++];
        if (nControl == 0xFF)
            return HidTransfer::timedOut();
        if (nControl == 0xFE)
            return HidTransfer::failed();
        const size_t nReply = std::min<size_t>({nControl, script.nSize - script.nOffset, size_t(nLen)});
        std::memcpy(pReport, script.pData + script.nOffset, nReply);
        script.nOffset += std::min<size_t>(nControl, script.nSize - script.nOffset);
        return HidTransfer::done(static_cast<int>(nReply));
    }

    void cancel() override {}

private:
    Script& script;
};

class ScriptedPlatform : public HidPlatform
{
public:
    ScriptedPlatform(const uint8_t* pData, size_t nSize) : script{pData, nSize, std::min<size_t>(nSize, 2)} {}

    std::vector<std::string> devicePaths() override { return {"fuzz:instrument"}; }

    std::unique_ptr<HidConnection> open(const std::string&, OpenMode) override
    {
        return std::make_unique<ScriptedConnection>(script);
    }

private:
    Script script;
};

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);  // the transport's debug texts would drown the fuzzer's output
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    ScriptedPlatform platform(pData, nSize);
    int nMaximum = -1;
    int nDone = 0;
    CHidDevice device(platform, [&](int n) {
        if (n & kProgressMaximumFlag) {
            if (nMaximum >= 0)
                std::abort();  // the maximum comes once, first
            nMaximum = n & kProgressValueMask;
        } else if (nMaximum < 0 || n != ++nDone) {
            std::abort();  // then the records done, one by one
        }
    });
    if (!device.openByScan())
        return 0;

    const short nCount = device.collectGroup(0);
    if (nCount < -2 || nCount > 255)
        std::abort();
    if (nCount >= 0 ? (nMaximum != nCount || nDone != nCount) : nMaximum != -1)
        std::abort();

    MeasureRecord* pRecords = device.takeRecords();
    for (int i = 0; i < nCount; ++i) {
        const MeasureRecord& rec = pRecords[i];
        if (rec.nTimes > 0 && (!rec.pValues || rec.fMin > rec.fAvg || rec.fAvg > rec.fMax))
            std::abort();
        for (int k = 0; k < rec.nTimes; ++k)
            if (rec.pValues[k] < rec.fMin || rec.pValues[k] > rec.fMax)
                std::abort();
    }
    FreeGroup(pRecords, std::max<int>(nCount, 0));
    return 0;
}
