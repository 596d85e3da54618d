#pragma once

#include <QByteArray>

struct MeasureRecord;

// The group as an indented UTF-8 JSON document, {"group": N, "records": [...]}, one object per
// record with the keys no, material, materialCode, angle, angleCode, unit, unitCode, probe,
// probeCode, times, values, min, max, avg and date (written in alphabetical order).
// Texts as the table and the CSV file show them; numbers as JSON numbers with the CSV file's
// six significant digits; the date in local time as "yyyy-MM-dd".
QByteArray JsonDocument(const MeasureRecord* pRecords, int nCount, int nGroupNumber);
