#include "Statistics.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <algorithm>
#include <cmath>
#include <vector>

SeriesStats StatsOfSeries(const double* pValues, int nCount)
{
    SeriesStats stats;
    stats.nCount = std::max(nCount, 0);
    if (nCount < 1)
        return stats;
    const auto [pMin, pMax] = std::minmax_element(pValues, pValues + nCount);
    stats.dRange = *pMax - *pMin;
    double dSum = 0;
    for (int i = 0; i < nCount; ++i)
        dSum += pValues[i];
    // Equal values have themselves as mean, not a rounding residue of their sum.
    stats.dMean = stats.dRange == 0 ? *pMin : dSum / nCount;
    if (nCount < 2)
        return stats;
    double dSquares = 0;
    for (int i = 0; i < nCount; ++i)
        dSquares += (pValues[i] - stats.dMean) * (pValues[i] - stats.dMean);
    stats.sd = std::sqrt(dSquares / (nCount - 1));
    if (stats.dMean != 0)
        stats.cv = *stats.sd / std::fabs(stats.dMean) * 100;
    return stats;
}

double RoundedAsShown(double dValue)
{
    if (dValue == 0 || !std::isfinite(dValue))
        return dValue;
    // Dividing by an exact power of ten gives the double nearest to the shown decimal, as
    // reading the shown text back would.
    const int nDecimals = 5 - int(std::floor(std::log10(std::fabs(dValue))));
    if (nDecimals >= 0) {
        const double dScale = std::pow(10.0, nDecimals);
        return std::round(dValue * dScale) / dScale;
    }
    const double dScale = std::pow(10.0, -nDecimals);
    return std::round(dValue / dScale) * dScale;
}

SeriesStats StatsOfRecord(const MeasureRecord& rec)
{
    std::vector<double> values;
    for (int k = 0; rec.pValues && k < rec.nTimes; ++k)
        values.push_back(RoundedAsShown(rec.pValues[k]));
    return StatsOfSeries(values.data(), int(values.size()));
}

GroupStats StatsOfGroup(const MeasureRecord* pRecords, int nCount)
{
    GroupStats group;
    group.nRecords = std::max(nCount, 0);
    std::vector<double> means;
    int nUnit = -1;
    for (int i = 0; i < nCount; ++i) {
        const SeriesStats record = StatsOfRecord(pRecords[i]);
        if (record.nCount == 0)
            continue;
        group.bMixedScales = group.bMixedScales || (nUnit >= 0 && nUnit != pRecords[i].nUnit);
        nUnit = pRecords[i].nUnit;
        means.push_back(record.dMean);
    }
    if (!group.bMixedScales)
        group.means = StatsOfSeries(means.data(), int(means.size()));
    return group;
}

namespace {

const QString kNone = QStringLiteral("\u2013");

} // namespace

QString SdText(const std::optional<double>& sd)
{
    return sd ? QString::number(*sd, 'g', 3) : kNone;
}

QString CvText(const std::optional<double>& cv)
{
    return cv ? QStringLiteral("%1 %").arg(*cv, 0, 'f', 2) : kNone;
}

QString RangeText(const SeriesStats& stats)
{
    return stats.nCount > 0 ? FormatValue(stats.dRange) : kNone;
}
