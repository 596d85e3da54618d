#pragma once

#include <QByteArray>

class ToleranceLimits;
struct MeasureRecord;

// The group as an indented UTF-8 JSON document, {"group": N, "records": [...], "summary": {...}},
// one object per record with the keys no, material, materialCode, angle, angleCode, unit,
// unitCode, probe, probeCode, times, values, min, max, avg, sd, range, cv and date (written in
// alphabetical order). Texts as the table and the CSV file show them; numbers as JSON numbers
// with the CSV file's six significant digits; sd and cv (in percent) null where a record has
// too few values; the date in local time as "yyyy-MM-dd". With limits, each record judged by
// them also has verdict ("pass" or "fail") and outside (its single values outside the limits).
// The summary: records, mean and sd of the record means (null for mixed scales) and, with
// limits, judged, failed and verdict ("pass" or "fail") of the group.
QByteArray JsonDocument(const MeasureRecord* pRecords, int nCount, int nGroupNumber, const ToleranceLimits& limits);
