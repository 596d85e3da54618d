#pragma once

struct MeasureRecord;

// A group of records with its own memory (AllocGroup and FreeGroup), released when it goes.
// Move-only; copyOf makes an independent deep copy, for instance to hand to another thread.
class OwnedGroup
{
public:
    OwnedGroup() = default;
    OwnedGroup(MeasureRecord* pRecords, int nCount);  // takes ownership
    OwnedGroup(OwnedGroup&& other) noexcept;
    OwnedGroup& operator=(OwnedGroup&& other) noexcept;
    OwnedGroup(const OwnedGroup&) = delete;
    OwnedGroup& operator=(const OwnedGroup&) = delete;
    ~OwnedGroup();

    static OwnedGroup copyOf(const MeasureRecord* pRecords, int nCount);

    const MeasureRecord* records() const { return pRecords; }
    MeasureRecord* records() { return pRecords; }
    int count() const { return nCount; }

    // Gives up the memory to the caller, who frees it with FreeGroup.
    MeasureRecord* release();

private:
    MeasureRecord* pRecords = nullptr;
    int nCount = 0;
};
