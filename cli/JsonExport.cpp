#include "JsonExport.h"

#include "MeasureRecord.h"
#include "Statistics.h"
#include "ValueTexts.h"
#include "Verdict.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The float widened to double would print as 52.29999923706055 for 52.3; going through the
// CSV file's number text gives the double nearest to what the table, CSV and report show.
double shownValue(double dValue)
{
    return FormatValue(dValue).toDouble();
}

QJsonValue shownOrNull(const std::optional<double>& value)
{
    return value ? QJsonValue(shownValue(*value)) : QJsonValue(QJsonValue::Null);
}

QString verdictText(bool bPass)
{
    return bPass ? QStringLiteral("pass") : QStringLiteral("fail");
}

QString isoDate(qint64 tDate)
{
    return QDateTime::fromSecsSinceEpoch(tDate, Qt::LocalTime).date().toString(Qt::ISODate);
}

QJsonObject recordObject(const MeasureRecord& rec, int nNumber, const ToleranceLimits& limits)
{
    QJsonArray values;
    for (int k = 0; k < rec.nTimes; ++k)
        values.append(shownValue(rec.pValues[k]));
    const SeriesStats stats = StatsOfRecord(rec);
    QJsonObject object{
        {QStringLiteral("no"), nNumber},
        {QStringLiteral("material"), MaterialText(rec.nMaterial, QString())},
        {QStringLiteral("materialCode"), rec.nMaterial},
        {QStringLiteral("angle"), DirectionText(rec.nAngle)},
        {QStringLiteral("angleCode"), rec.nAngle},
        {QStringLiteral("unit"), ScaleText(rec.nUnit)},
        {QStringLiteral("unitCode"), rec.nUnit},
        {QStringLiteral("probe"), ProbeText(rec.nProbe)},
        {QStringLiteral("probeCode"), rec.nProbe},
        {QStringLiteral("times"), rec.nTimes},
        {QStringLiteral("values"), values},
        {QStringLiteral("min"), shownValue(rec.fMin)},
        {QStringLiteral("max"), shownValue(rec.fMax)},
        {QStringLiteral("avg"), shownValue(rec.fAvg)},
        {QStringLiteral("sd"), shownOrNull(stats.sd)},
        {QStringLiteral("range"), shownValue(stats.dRange)},
        {QStringLiteral("cv"), shownOrNull(stats.cv)},
        {QStringLiteral("date"), isoDate(rec.tDate)},
    };
    const RecordVerdict verdict = JudgeRecord(rec, limits);
    if (verdict.bJudged) {
        object.insert(QStringLiteral("verdict"), verdictText(verdict.bPass));
        object.insert(QStringLiteral("outside"), verdict.nOutside);
    }
    return object;
}

QJsonObject summaryObject(const MeasureRecord* pRecords, int nCount, const ToleranceLimits& limits)
{
    const GroupStats stats = StatsOfGroup(pRecords, nCount);
    const bool bMean = stats.means.nCount > 0;
    QJsonObject object{
        {QStringLiteral("records"), stats.nRecords},
        {QStringLiteral("mean"), bMean ? QJsonValue(shownValue(stats.means.dMean)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("sd"), shownOrNull(stats.means.sd)},
    };
    if (!limits.isEmpty()) {
        const GroupVerdict verdict = JudgeGroup(pRecords, nCount, limits);
        object.insert(QStringLiteral("judged"), verdict.nJudged);
        object.insert(QStringLiteral("failed"), verdict.nFailed);
        object.insert(QStringLiteral("verdict"),
                      verdict.nJudged == 0 ? QStringLiteral("not judged") : verdictText(!verdict.rejected()));
    }
    return object;
}

} // namespace

QByteArray JsonDocument(const MeasureRecord* pRecords, int nCount, int nGroupNumber, const ToleranceLimits& limits)
{
    QJsonArray records;
    for (int i = 0; i < nCount; ++i)
        records.append(recordObject(pRecords[i], i + 1, limits));
    const QJsonObject root{{QStringLiteral("group"), nGroupNumber},
                           {QStringLiteral("records"), records},
                           {QStringLiteral("summary"), summaryObject(pRecords, nCount, limits)}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
