#include "HidReportDescriptor.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

// Item prefixes with their size bits masked off.
constexpr uint8_t kInput = 0x80;
constexpr uint8_t kOutput = 0x90;
constexpr uint8_t kReportSize = 0x74;
constexpr uint8_t kReportId = 0x84;
constexpr uint8_t kReportCount = 0x94;
constexpr uint8_t kPush = 0xA4;
constexpr uint8_t kPop = 0xB4;
constexpr uint8_t kLongItem = 0xFE;

constexpr size_t kMaxPushDepth = 32;
constexpr uint64_t kMaxBits = uint64_t(1) << 40;  // far above any real report, keeps sums from overflowing

struct GlobalState
{
    uint32_t nReportSize = 0;
    uint32_t nReportCount = 0;
    uint8_t nReportId = 0;
};

using BitsPerReportId = std::array<uint64_t, 256>;

void addMainItem(uint64_t& nBits, const GlobalState& state)
{
    const uint64_t nItemBits = std::min<uint64_t>(uint64_t(state.nReportSize) * state.nReportCount, kMaxBits);
    nBits = std::min(nBits + nItemBits, kMaxBits);
}

uint16_t longestReportLength(const BitsPerReportId& bits)
{
    const uint64_t nMaxBits = *std::max_element(bits.begin(), bits.end());
    if (nMaxBits == 0)
        return 0;
    return static_cast<uint16_t>(std::min<uint64_t>((nMaxBits + 7) / 8 + 1, 0xFFFF));
}

} // namespace

HidReportLayout ParseReportDescriptor(const uint8_t* pDescriptor, size_t nSize)
{
    BitsPerReportId inputBits{};
    BitsPerReportId outputBits{};
    GlobalState state;
    std::vector<GlobalState> pushed;
    HidReportLayout layout;

    size_t i = 0;
    while (i < nSize) {
        const uint8_t nPrefix = pDescriptor[i];
        if (nPrefix == kLongItem) {
            if (i + 1 >= nSize)
                break;
            i += 3 + size_t(pDescriptor[i + 1]);  // prefix, data size, long tag, data
            continue;
        }
        const size_t nDataSize = (nPrefix & 3) == 3 ? 4 : (nPrefix & 3);
        if (i + 1 + nDataSize > nSize)
            break;
        uint32_t nData = 0;
        for (size_t k = 0; k < nDataSize; ++k)
            nData |= uint32_t(pDescriptor[i + 1 + k]) << (8 * k);

        switch (nPrefix & 0xFC) {
        case kReportSize:
            state.nReportSize = nData;
            break;
        case kReportCount:
            state.nReportCount = nData;
            break;
        case kReportId:
            state.nReportId = static_cast<uint8_t>(nData);
            layout.bNumberedReports = true;
            break;
        case kPush:
            if (pushed.size() < kMaxPushDepth)
                pushed.push_back(state);
            break;
        case kPop:
            if (!pushed.empty()) {
                state = pushed.back();
                pushed.pop_back();
            }
            break;
        case kInput:
            addMainItem(inputBits[state.nReportId], state);
            break;
        case kOutput:
            addMainItem(outputBits[state.nReportId], state);
            break;
        default:
            break;
        }
        i += 1 + nDataSize;
    }

    layout.caps.InputReportByteLength = longestReportLength(inputBits);
    layout.caps.OutputReportByteLength = longestReportLength(outputBits);
    return layout;
}
