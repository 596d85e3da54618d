#pragma once

#include "MeasureRecord.h"

#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

// A record as a download leaves it: values on the heap (FreeGroup releases them), statistics set.
inline MeasureRecord makeRecord(const std::vector<float>& values, uint8_t nUnit = 0,
                                QDate date = QDate(2022, 9, 8))
{
    MeasureRecord rec{};
    rec.nMaterial = 1;
    rec.nUnit = nUnit;
    rec.nAngle = 2;
    rec.nTimes = static_cast<uint8_t>(values.size());
    if (!values.empty()) {
        rec.pValues = static_cast<float*>(std::malloc(values.size() * sizeof(float)));
        std::copy(values.begin(), values.end(), rec.pValues);
        const auto [min, max] = std::minmax_element(values.begin(), values.end());
        rec.fMin = *min;
        rec.fMax = *max;
        rec.fAvg = float(std::accumulate(values.begin(), values.end(), 0.0) / values.size());
    }
    rec.tDate = QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
    return rec;
}

// Empties CurrentGroup.
inline void clearGroup()
{
    FreeGroup(nullptr, -1);
}

// Replaces CurrentGroup the way the main window does after a download.
inline void installGroup(const std::vector<MeasureRecord>& records)
{
    clearGroup();
    CurrentGroup.pRecords = AllocGroup(int(records.size()));
    std::copy(records.begin(), records.end(), CurrentGroup.pRecords);
    CurrentGroup.nCount = int(records.size());
}
