#include "JsonExport.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The float widened to double would print as 52.29999923706055 for 52.3; going through the
// CSV file's number text gives the double nearest to what the table, CSV and report show.
double shownValue(float fValue)
{
    return FormatValue(fValue).toDouble();
}

QString isoDate(qint64 tDate)
{
    return QDateTime::fromSecsSinceEpoch(tDate, Qt::LocalTime).date().toString(Qt::ISODate);
}

QJsonObject recordObject(const MeasureRecord& rec, int nNumber)
{
    QJsonArray values;
    for (int k = 0; k < rec.nTimes; ++k)
        values.append(shownValue(rec.pValues[k]));
    return QJsonObject{
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
        {QStringLiteral("date"), isoDate(rec.tDate)},
    };
}

} // namespace

QByteArray JsonDocument(const MeasureRecord* pRecords, int nCount, int nGroupNumber)
{
    QJsonArray records;
    for (int i = 0; i < nCount; ++i)
        records.append(recordObject(pRecords[i], i + 1));
    const QJsonObject root{{QStringLiteral("group"), nGroupNumber}, {QStringLiteral("records"), records}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
