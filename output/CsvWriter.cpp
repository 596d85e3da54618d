#include "CsvWriter.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QStringList>

namespace {

// Only fields that would break the line apart are quoted, so plain files stay as they were.
QString csvField(const QString& text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
                             || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (!needsQuotes)
        return text;
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString csvLine(const QStringList& fields)
{
    QStringList line;
    line.reserve(fields.size());
    for (const QString& field : fields)
        line << csvField(field);
    return line.join(QLatin1Char(',')) + QLatin1Char('\n');
}

// In English whatever the language of the window: files and scripts read these names.
QString headerLine()
{
    QStringList fields{QStringLiteral("NO")};
    for (unsigned column = 0; column < 10; ++column)
        fields << HeadingSourceText(column);
    return csvLine(fields);
}

QString joinedValues(const MeasureRecord& rec)
{
    QStringList values;
    for (int k = 0; k < rec.nTimes; ++k)
        values << FormatValue(rec.pValues[k]);
    return values.join(QLatin1Char(';'));
}

QString recordLine(const MeasureRecord& rec, int nNumber)
{
    return csvLine({QStringLiteral("No.%1").arg(nNumber),
                    MaterialText(rec.nMaterial, QString()),
                    DirectionText(rec.nAngle),
                    ScaleText(rec.nUnit),
                    ProbeText(rec.nProbe),
                    FormatInteger(rec.nTimes),
                    joinedValues(rec),
                    FormatValue(rec.fMin),
                    FormatValue(rec.fMax),
                    FormatValue(rec.fAvg),
                    FormatDate(rec.tDate)});
}

} // namespace

QByteArray CsvDocument(const MeasureRecord* pRecords, int nCount)
{
    QString text = headerLine();
    for (int i = 0; i < nCount; ++i)
        text += recordLine(pRecords[i], i + 1);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

SaveResult SaveCsvFile(const QString& fileName, const MeasureRecord* pRecords, int nCount)
{
    return ReplaceFile(fileName, CsvDocument(pRecords, nCount), true);
}
