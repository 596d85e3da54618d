#include "OwnedGroup.h"

#include "MeasureRecord.h"

#include <cstdlib>
#include <cstring>
#include <utility>

OwnedGroup::OwnedGroup(MeasureRecord* pGroup, int nRecords)
    : pRecords(pGroup), nCount(pGroup ? nRecords : 0)
{
}

OwnedGroup::OwnedGroup(OwnedGroup&& other) noexcept
    : pRecords(std::exchange(other.pRecords, nullptr)), nCount(std::exchange(other.nCount, 0))
{
}

OwnedGroup& OwnedGroup::operator=(OwnedGroup&& other) noexcept
{
    std::swap(pRecords, other.pRecords);
    std::swap(nCount, other.nCount);
    return *this;
}

OwnedGroup::~OwnedGroup()
{
    FreeGroup(pRecords, nCount);
}

OwnedGroup OwnedGroup::copyOf(const MeasureRecord* pSource, int nRecords)
{
    OwnedGroup copy(AllocGroup(nRecords), nRecords);
    for (int i = 0; i < copy.nCount; ++i) {
        MeasureRecord& rec = copy.pRecords[i];
        rec = pSource[i];
        rec.pValues = nullptr;
        if (pSource[i].pValues && rec.nTimes > 0) {
            const size_t bytes = rec.nTimes * sizeof(float);
            rec.pValues = static_cast<float*>(std::malloc(bytes));
            std::memcpy(rec.pValues, pSource[i].pValues, bytes);
        }
    }
    return copy;
}

MeasureRecord* OwnedGroup::release()
{
    nCount = 0;
    return std::exchange(pRecords, nullptr);
}
