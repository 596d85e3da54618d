#pragma once

#include <QByteArray>
#include <QString>

struct MeasureRecord;

// The whole CSV file of a group: UTF-8 byte-order mark, the header line ("NO" and the ten
// column headings), then one line per record, each line ended by "\n". Fields are joined
// with ","; a field holding a comma, a double quote, CR or LF is quoted as RFC 4180 says.
QByteArray CsvDocument(const MeasureRecord* pRecords, int nCount);

enum class CsvSaveResult { Saved, OpenFailed, WriteFailed };

// Replaces fileName with the CSV file of the group. The file is opened in text mode, so the
// line ends become CRLF on Windows. The new content appears only once it is complete: on any
// failure the old file stays as it was.
CsvSaveResult SaveCsvFile(const QString& fileName, const MeasureRecord* pRecords, int nCount);

// Message for CsvSaveResult::WriteFailed (shown untranslated, like the other CSV messages).
QString CsvWriteFailedText();
