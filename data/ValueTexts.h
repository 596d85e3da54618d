#pragma once

#include <QObject>
#include <QString>

struct MeasureRecord;

// Translation context of the material names and the column headings. Never instantiated.
class MyTranslate : public QObject
{
    Q_OBJECT
};

// Code-to-text tables shared by the table, the CSV file and the report.
QString ProbeText(unsigned code);                               // "D" .. "NO", else the digits
QString DirectionText(unsigned code);                           // arrows, else the digits
QString ScaleText(unsigned code);                               // "HL" .. "HRA", else empty
QString MaterialText(unsigned code, const QString& suffix);      // translated, else empty
QString HeadingText(unsigned column, const QString& suffix);     // translated, else empty
QString HeadingSourceText(unsigned column);                      // the English heading, else empty

// "%1" with a whole number: decimal digits, a minus sign only for negative numbers.
QString FormatInteger(qint64 n);
// "%1" with a float widened to double, format 'g', six significant digits.
QString FormatValue(double v);
// The stored date in local time as "yyyy/MM/dd".
QString FormatDate(qint64 tDate);
// The single values of a record, each followed by ";" (the table's "Values" column).
QString ValuesText(const MeasureRecord& rec);
