#pragma once

#include <QByteArray>
#include <QString>

#include "SaveFile.h"

struct MeasureRecord;

// The whole CSV file of a group: UTF-8 byte-order mark, the header line ("NO" and the ten
// column headings), then one line per record, each line ended by "\n". Fields are joined
// with ","; a field holding a comma, a double quote, CR or LF is quoted as RFC 4180 says.
QByteArray CsvDocument(const MeasureRecord* pRecords, int nCount);

// Replaces fileName with the CSV file of the group (ReplaceFile, in text mode: CRLF line ends
// on Windows).
SaveResult SaveCsvFile(const QString& fileName, const MeasureRecord* pRecords, int nCount);
