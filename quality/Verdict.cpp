#include "Verdict.h"

#include "MeasureRecord.h"

RecordVerdict JudgeRecord(const MeasureRecord& rec, const ToleranceLimits& limits)
{
    RecordVerdict verdict;
    const ToleranceLimit* pLimit = limits.forScale(rec.nUnit);
    if (!pLimit || !rec.pValues || rec.nTimes == 0)
        return verdict;
    verdict.bJudged = true;
    verdict.limit = *pLimit;
    verdict.bPass = pLimit->accepts(RoundedAsShown(StatsOfRecord(rec).dMean));
    for (int k = 0; k < rec.nTimes; ++k)
        verdict.nOutside += pLimit->accepts(RoundedAsShown(rec.pValues[k])) ? 0 : 1;
    return verdict;
}

GroupVerdict JudgeGroup(const MeasureRecord* pRecords, int nCount, const ToleranceLimits& limits)
{
    GroupVerdict group;
    for (int i = 0; i < nCount; ++i) {
        const RecordVerdict verdict = JudgeRecord(pRecords[i], limits);
        if (!verdict.bJudged)
            continue;
        if (group.nJudged++ == 0)
            group.limit = verdict.limit;
        else if (verdict.limit.settingText() != group.limit.settingText())
            group.bOneLimit = false;
        group.nFailed += verdict.bPass ? 0 : 1;
    }
    return group;
}

QString GroupVerdict::text() const
{
    if (nJudged == 0)
        return tr("No record in a scale with limits");
    if (!bOneLimit)
        return tr("%1 of %2 records outside their limits").arg(nFailed).arg(nJudged);
    if (nJudged == 1)
        return tr("%1 of 1 record outside %2").arg(nFailed).arg(limit.text());
    return tr("%1 of %2 records outside %3").arg(nFailed).arg(nJudged).arg(limit.text());
}
