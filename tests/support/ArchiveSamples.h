#pragma once

#include "OwnedGroup.h"
#include "SampleGroup.h"

// A group of nCount records that differs for every seed (up to 80,000): all scales, materials, directions and
// probes, 1 to 32 values, the second record all zero as after a failed header exchange.
inline OwnedGroup archiveSample(int nSeed, int nCount)
{
    OwnedGroup group(AllocGroup(nCount), nCount);
    for (int i = 0; i < nCount; ++i) {
        if (i == 1)
            continue;
        const sample::Header header{uint8_t((nSeed + i) % 10), uint8_t(i % 7), uint8_t(i % 5), uint8_t(i % 8),
                                    uint8_t((nSeed / 800 + i) % 100), uint8_t(1 + i % 12), uint8_t(1 + i % 28)};
        sample::fillRecord(group.records()[i], header, sample::rising(uint16_t(100 + (nSeed + 7 * i) % 800), 1 + i % 32));
    }
    return group;
}
