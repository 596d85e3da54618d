#pragma once

#include "ArchiveLocation.h"
#include "TestDetails.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

class OwnedGroup;
class QSqlDatabase;
class QSqlQuery;
struct MeasureRecord;

// One archived download as the history lists it.
struct ArchivedDownload
{
    qint64 nId = 0;
    QDateTime downloadedAt;  // when the group came from the instrument (in UTC)
    QString devicePath;      // the instrument's device node or path
    int nGroupNumber = 0;    // 1 to 10, as the window's combo box counts
    int nRecordCount = 0;
    QString scales;          // the hardness scales of its records, e.g. "HRC, HB"
    QString materials;       // the material names of its records, in the program's language
    double fAvgMin = 0;      // range of the records' averages
    double fAvgMax = 0;
    TestDetails details;  // as entered for it, or none
    QString limits;       // the tolerance limits in force for it, as ToleranceLimits writes them
};

// The measurement archive: every downloaded group with all fields of its records, values in
// full precision. One download is one transaction, whole or not at all; a group downloaded
// again with identical content is recognised by a hash of that content and kept only once.
//
// Each record's date is kept as the calendar date the instrument gave, so that it reads the same
// in every time zone; the download time is an instant.
//
// One object is one database connection and is used on the thread that made it.
class MeasureArchive
{
public:
    enum class StoreResult { Stored, Duplicate, Failed };
    // Reading never creates, converts or writes anything.
    enum class Mode { ReadOnly, ReadWrite };

    // The archive format this program writes; older archives are converted when opened for
    // writing, newer ones refused before anything is written. 2: records keep calendar dates;
    // 3: downloads keep their test details and the limits in force.
    static constexpr int kSchemaVersion = 3;
    // How long a writer waits for another one to finish its transaction.
    static constexpr int kBusyTimeoutMs = 10000;

    MeasureArchive();
    ~MeasureArchive();
    MeasureArchive(const MeasureArchive&) = delete;
    MeasureArchive& operator=(const MeasureArchive&) = delete;

    // Opens (for writing: on first use creates) the archive. Never deletes or rewrites what is
    // there: a file that is not an archive, a damaged one or one of a newer format is refused.
    bool open(const ArchiveLocation& location, Mode mode = Mode::ReadWrite);
    bool isOpen() const { return bOpen; }
    // The last failure as one line, naming the archive.
    QString errorText() const { return error; }

    // Stores one download; nId receives the id of the stored (or already archived) download.
    StoreResult store(const QDateTime& downloadedAt, const QString& devicePath, int nGroupNumber,
                      const MeasureRecord* pRecords, int nCount, qint64* pId = nullptr);

    // Every download, newest first. False on failure.
    bool list(QVector<ArchivedDownload>& downloads);
    // The records of one download exactly as they were stored, and what the list shows of it.
    bool load(qint64 nId, OwnedGroup& group, ArchivedDownload* pDownload = nullptr);
    bool remove(qint64 nId);
    // Keeps the test details of a download and the limits in force for it, in place of those before.
    bool setDetails(qint64 nId, const TestDetails& details, const QString& limits);
    // The id of the download that holds this group, 0 when none does, -1 on failure.
    qint64 idOfGroup(int nGroupNumber, const MeasureRecord* pRecords, int nCount);

private:
    bool openConnection();
    bool setUpConnection();
    bool checkSchema();
    int schemaVersion();
    bool createOrConvert();
    bool convertToCalendarDates();
    bool addDetailColumns();
    bool begin();
    bool commit();
    void rollback();
    bool exec(QSqlQuery& query);
    bool exec(const QString& statement);
    bool fail(const QString& text);
    QSqlDatabase database() const;
    qint64 downloadWithHash(const QString& hash);
    QString textLiteral(const QString& text) const;
    ArchivedDownload downloadFromRow(const QSqlQuery& query);
    QString downloadColumns() const;
    bool loadRecords(qint64 nId, int nCount, OwnedGroup& group);
    bool insertRecords(qint64 nId, const MeasureRecord* pRecords, int nCount);

    ArchiveLocation where;
    QString connectionName;
    QString error;
    bool bOpen = false;
    bool bReadOnly = false;
    int nSchema = 0;  // the format of the open archive
    QHash<QString, QString> materialNames;  // material codes as stored: their names
};
