#pragma once

#include "DeviceProtocol.h"

#include <vector>

// The progress values of a download of nCount records: the maximum, then 1, 2, ... nCount.
inline std::vector<int> progressOf(int nCount)
{
    std::vector<int> v{kProgressMaximumFlag | nCount};
    for (int i = 1; i <= nCount; ++i)
        v.push_back(i);
    return v;
}
