#pragma once

#include "Statistics.h"
#include "ToleranceLimits.h"

#include <QCoreApplication>
#include <QString>

struct MeasureRecord;

// One record against the limits of its scale: it passes or fails on its mean; the single
// values outside the limits are counted (and kept: an outlier is flagged, never dropped).
// Numbers are compared as they are shown, to six significant digits, so a mean that reads
// 58 passes a limit of 58. A record without limits for its scale, or without values, is not judged.
struct RecordVerdict
{
    bool bJudged = false;
    bool bPass = true;
    int nOutside = 0;
    ToleranceLimit limit;  // the limits it was judged by
};

RecordVerdict JudgeRecord(const MeasureRecord& rec, const ToleranceLimits& limits);

// The group: how many records were judged and how many of them failed.
struct GroupVerdict
{
    Q_DECLARE_TR_FUNCTIONS(GroupVerdict)

public:
    int nJudged = 0;
    int nFailed = 0;
    bool bOneLimit = true;  // every judged record had the same limits
    ToleranceLimit limit;   // those limits, when bOneLimit

    bool rejected() const { return nFailed > 0; }
    // "3 of 9 records outside 58-62 HRC", translated.
    QString text() const;
};

GroupVerdict JudgeGroup(const MeasureRecord* pRecords, int nCount, const ToleranceLimits& limits);
