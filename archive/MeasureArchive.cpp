#include "MeasureArchive.h"

#include "MeasureRecord.h"
#include "OwnedGroup.h"
#include "ValueTexts.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

QAtomicInteger<quint32> nConnectionSerial;

// The server's own words, on one line; Qt's addition ("Unable to fetch row") says nothing more.
QString errorLine(const QSqlError& sqlError)
{
    const QString text = sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText();
    return text.simplified();
}

// The single values of a record as little-endian IEEE floats, bit for bit.
QByteArray valueBytes(const MeasureRecord& rec)
{
    QByteArray bytes(rec.pValues ? rec.nTimes * 4 : 0, Qt::Uninitialized);
    for (int k = 0; k * 4 < bytes.size(); ++k) {
        quint32 bits;
        std::memcpy(&bits, &rec.pValues[k], 4);
        qToLittleEndian(bits, bytes.data() + 4 * k);
    }
    return bytes;
}

float* valuesFromBytes(const QByteArray& bytes, int nTimes)
{
    if (nTimes <= 0)
        return nullptr;
    auto* pValues = static_cast<float*>(std::calloc(size_t(nTimes), sizeof(float)));
    for (int k = 0; k < nTimes && 4 * k + 4 <= bytes.size(); ++k) {
        const quint32 bits = qFromLittleEndian<quint32>(bytes.constData() + 4 * k);
        std::memcpy(&pValues[k], &bits, 4);
    }
    return pValues;
}

// The hardness scales of the records, in the order of their codes.
QString scalesOf(const MeasureRecord* pRecords, int nCount)
{
    bool bUsed[256] = {};
    for (int i = 0; i < nCount; ++i)
        bUsed[pRecords[i].nUnit] = true;
    QStringList scales;
    for (unsigned code = 0; code < 256; ++code) {
        if (bUsed[code] && !ScaleText(code).isEmpty())
            scales << ScaleText(code);
    }
    return scales.join(QStringLiteral(", "));
}

// The column types that differ between the two servers; everything else is plain SQL.
struct Dialect
{
    const char* idColumn;
    const char* blobType;
};

const Dialect kSqlite{"id INTEGER PRIMARY KEY AUTOINCREMENT", "BLOB"};
const Dialect kPostgres{"id BIGSERIAL PRIMARY KEY", "BYTEA"};

const char kDownloadColumns[] = "SELECT id, downloaded_at, device_path, group_number, record_count, scales, "
                                "avg_min, avg_max FROM downloads";

const char kSqliteBusy[] = "5";  // SQLITE_BUSY
// Any number, the same in every program that creates the tables on a PostgreSQL server.
const char kPostgresSchemaLock[] = "SELECT pg_advisory_xact_lock(48610066)";

} // namespace

QString GroupContentHash(int nGroupNumber, const MeasureRecord* pRecords, int nCount)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    auto add = [&hash](qint64 n) {
        char bytes[8];
        qToLittleEndian(n, bytes);
        hash.addData(bytes, 8);
    };
    auto addFloat = [&add](float f) {
        quint32 bits;
        std::memcpy(&bits, &f, 4);
        add(bits);
    };
    add(nGroupNumber);
    add(nCount);
    for (int i = 0; i < nCount; ++i) {
        const MeasureRecord& rec = pRecords[i];
        for (int code : {rec.nMaterial, rec.nUnit, rec.nAngle, rec.nTimes, rec.nProbe})
            add(code);
        for (float f : {rec.fMin, rec.fMax, rec.fAvg})
            addFloat(f);
        add(rec.tDate);
        hash.addData(valueBytes(rec));
    }
    return QString::fromLatin1(hash.result().toHex());
}

MeasureArchive::MeasureArchive()
    : connectionName(QStringLiteral("archive-%1").arg(nConnectionSerial.fetchAndAddRelaxed(1)))
{
}

MeasureArchive::~MeasureArchive()
{
    if (QSqlDatabase::contains(connectionName)) {
        database().close();
        QSqlDatabase::removeDatabase(connectionName);
    }
}

QSqlDatabase MeasureArchive::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

bool MeasureArchive::fail(const QString& text)
{
    error = QStringLiteral("Archive %1: %2").arg(where.displayName(), text);
    return false;
}

bool MeasureArchive::open(const ArchiveLocation& location)
{
    where = location;
    bOpen = openConnection() && (where.kind != ArchiveLocation::Kind::Sqlite || prepareSqlite()) && checkSchema();
    if (!bOpen)
        database().close();
    return bOpen;
}

bool MeasureArchive::openConnection()
{
    const bool bSqlite = where.kind == ArchiveLocation::Kind::Sqlite;
    if (bSqlite) {
        const QFileInfo file(where.filePath);
        if (!QDir().mkpath(file.absolutePath()))
            return fail(QStringLiteral("cannot create the folder %1.").arg(QDir::toNativeSeparators(file.absolutePath())));
        // SQLite would quietly open such a file read-only and fail only at the first download.
        if (file.exists() && (!file.isFile() || !file.isWritable()))
            return fail(file.isFile() ? QStringLiteral("the file is read-only.") : QStringLiteral("not a file."));
    }
#ifdef Q_OS_WIN
    // The Windows build has no PostgreSQL client library (there is none for MinGW to link).
    if (!bSqlite)
        return fail(QStringLiteral("PostgreSQL archives are not supported on Windows: use a SQLite file "
                                   "(its path) instead."));
#endif
    const QString driver = bSqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    QSqlDatabase db = QSqlDatabase::contains(connectionName) ? database()
                                                              : QSqlDatabase::addDatabase(driver, connectionName);
    if (!db.isValid())
        return fail(QStringLiteral("the Qt SQL driver %1 is not installed.").arg(driver));
    if (bSqlite) {
        db.setDatabaseName(where.filePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    } else {
        db.setHostName(where.hostName);
        db.setPort(where.nPort);
        db.setDatabaseName(where.databaseName);
        db.setUserName(where.userName);
        db.setPassword(where.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    }
    if (!db.open())
        return fail(errorLine(db.lastError()));
    return true;
}

bool MeasureArchive::prepareSqlite()
{
    // Read before anything is written: a file that is no database (or a damaged one) fails
    // here, and another program's database is left alone.
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return fail(errorLine(query.lastError()));
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    if (query.lastError().isValid())
        return fail(errorLine(query.lastError()));
    if (!tables.isEmpty() && !tables.contains(QStringLiteral("archive_schema")))
        return fail(QStringLiteral("the file is another program's database."));

    // Switching a new file to WAL needs it to itself for a moment, and SQLite reports another
    // program opening it at the same moment as busy without waiting.
    QElapsedTimer waited;
    waited.start();
    while (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()) {
        if (query.lastError().nativeErrorCode() != QLatin1String(kSqliteBusy) || waited.hasExpired(kBusyTimeoutMs))
            return fail(errorLine(query.lastError()));
        QThread::msleep(20);
    }
    if (query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(QStringLiteral("cannot switch the file to write-ahead logging."));
    // A commit that returned is on disk.
    return exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool MeasureArchive::checkSchema()
{
    const Dialect& dialect = where.kind == ArchiveLocation::Kind::Sqlite ? kSqlite : kPostgres;
    if (!database().tables().contains(QStringLiteral("archive_schema"))) {
        // Two programs may create it at the same moment; IF NOT EXISTS and the guarded insert
        // make the second one a no-op.
        // (PostgreSQL lets two CREATE TABLE IF NOT EXISTS collide: a lock lets them take turns.)
        const bool bPostgres = where.kind == ArchiveLocation::Kind::Postgres;
        const bool bCreated =
            begin() && (!bPostgres || exec(QLatin1String(kPostgresSchemaLock))) &&
            exec(QStringLiteral("CREATE TABLE IF NOT EXISTS archive_schema (version INTEGER NOT NULL)")) &&
            exec(QStringLiteral("CREATE TABLE IF NOT EXISTS downloads (%1, downloaded_at BIGINT NOT NULL, "
                                "device_path TEXT NOT NULL, group_number INTEGER NOT NULL, "
                                "record_count INTEGER NOT NULL, scales TEXT NOT NULL, "
                                "avg_min DOUBLE PRECISION NOT NULL, avg_max DOUBLE PRECISION NOT NULL, "
                                "content_hash TEXT NOT NULL UNIQUE)")
                     .arg(QLatin1String(dialect.idColumn))) &&
            exec(QStringLiteral("CREATE TABLE IF NOT EXISTS records (download_id BIGINT NOT NULL, "
                                "position INTEGER NOT NULL, material INTEGER NOT NULL, unit INTEGER NOT NULL, "
                                "angle INTEGER NOT NULL, times INTEGER NOT NULL, probe INTEGER NOT NULL, "
                                "min_value DOUBLE PRECISION NOT NULL, max_value DOUBLE PRECISION NOT NULL, "
                                "avg_value DOUBLE PRECISION NOT NULL, value_bytes %1 NOT NULL, "
                                "measured_at BIGINT NOT NULL, PRIMARY KEY (download_id, position))")
                     .arg(QLatin1String(dialect.blobType))) &&
            exec(QStringLiteral("CREATE INDEX IF NOT EXISTS downloads_by_time ON downloads (downloaded_at)")) &&
            exec(QStringLiteral("INSERT INTO archive_schema (version) SELECT %1 "
                                "WHERE NOT EXISTS (SELECT 1 FROM archive_schema)").arg(kSchemaVersion)) &&
            commit();
        if (!bCreated) {
            rollback();
            return false;
        }
    }
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM archive_schema")) || !query.next())
        return fail(errorLine(query.lastError()));
    const int nVersion = query.value(0).toInt();
    if (nVersion > kSchemaVersion)
        return fail(QStringLiteral("written by a newer version of the program (archive format %1; this "
                                   "version reads format %2 and older). Nothing was changed.")
                        .arg(nVersion)
                        .arg(kSchemaVersion));
    if (nVersion < 1)
        return fail(QStringLiteral("the database holds no archive format version."));
    return true;
}

bool MeasureArchive::exec(QSqlQuery& query)
{
    return query.exec() || fail(errorLine(query.lastError()));
}

bool MeasureArchive::exec(const QString& statement)
{
    QSqlQuery query(database());
    return query.exec(statement) || fail(errorLine(query.lastError()));
}

bool MeasureArchive::begin()
{
    // SQLite: take the write lock at once, so that a second writer waits for it (busy time-out)
    // instead of failing when its read snapshot turns out to be stale.
    return exec(where.kind == ArchiveLocation::Kind::Sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                                                            : QStringLiteral("BEGIN"));
}

bool MeasureArchive::commit()
{
    return exec(QStringLiteral("COMMIT"));
}

void MeasureArchive::rollback()
{
    QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
}

qint64 MeasureArchive::downloadWithHash(const QString& hash)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id FROM downloads WHERE content_hash = ?"));
    query.addBindValue(hash);
    if (!exec(query))
        return -1;
    return query.next() ? query.value(0).toLongLong() : 0;
}

MeasureArchive::StoreResult MeasureArchive::store(const QDateTime& downloadedAt, const QString& devicePath,
                                                  int nGroupNumber, const MeasureRecord* pRecords, int nCount,
                                                  qint64* pId)
{
    if (!bOpen)
        return StoreResult::Failed;
    const QString hash = GroupContentHash(nGroupNumber, pRecords, nCount);
    if (!begin())
        return StoreResult::Failed;
    qint64 nId = downloadWithHash(hash);
    if (nId != 0) {
        rollback();
        if (pId)
            *pId = nId;
        return nId > 0 ? StoreResult::Duplicate : StoreResult::Failed;
    }

    float fAvgMin = 0, fAvgMax = 0;
    for (int i = 0; i < nCount; ++i) {
        fAvgMin = i == 0 ? pRecords[i].fAvg : std::min(fAvgMin, pRecords[i].fAvg);
        fAvgMax = i == 0 ? pRecords[i].fAvg : std::max(fAvgMax, pRecords[i].fAvg);
    }
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral("INSERT INTO downloads (downloaded_at, device_path, group_number, record_count, "
                                  "scales, avg_min, avg_max, content_hash) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(downloadedAt.toMSecsSinceEpoch()), QVariant(devicePath), QVariant(nGroupNumber), QVariant(nCount),
          QVariant(scalesOf(pRecords, nCount)), QVariant(double(fAvgMin)), QVariant(double(fAvgMax)), QVariant(hash)})
        insert.addBindValue(value);
    if (!exec(insert)) {
        // Another writer stored the same content a moment ago (PostgreSQL does not wait for it).
        const QString insertError = error;
        rollback();
        nId = downloadWithHash(hash);
        if (pId)
            *pId = nId;
        error = insertError;
        return nId > 0 ? StoreResult::Duplicate : StoreResult::Failed;
    }
    nId = downloadWithHash(hash);
    if (nId <= 0 || !insertRecords(nId, pRecords, nCount) || !commit()) {
        rollback();
        return StoreResult::Failed;
    }
    if (pId)
        *pId = nId;
    return StoreResult::Stored;
}

bool MeasureArchive::insertRecords(qint64 nId, const MeasureRecord* pRecords, int nCount)
{
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral("INSERT INTO records (download_id, position, material, unit, angle, times, probe, "
                                  "min_value, max_value, avg_value, value_bytes, measured_at) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < nCount; ++i) {
        const MeasureRecord& rec = pRecords[i];
        int nColumn = 0;
        for (const QVariant& value :
             {QVariant(nId), QVariant(i), QVariant(rec.nMaterial), QVariant(rec.nUnit), QVariant(rec.nAngle),
              QVariant(rec.pValues ? rec.nTimes : 0), QVariant(rec.nProbe), QVariant(double(rec.fMin)),
              QVariant(double(rec.fMax)), QVariant(double(rec.fAvg)), QVariant(valueBytes(rec)),
              QVariant(qint64(rec.tDate))})
            insert.bindValue(nColumn++, value);
        if (!exec(insert))
            return false;
    }
    return true;
}

bool MeasureArchive::list(QVector<ArchivedDownload>& downloads)
{
    downloads.clear();
    if (!bOpen)
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QLatin1String(kDownloadColumns) + QStringLiteral(" ORDER BY downloaded_at DESC, id DESC")))
        return fail(errorLine(query.lastError()));
    while (query.next())
        downloads.append(downloadFromRow(query));
    return query.lastError().type() == QSqlError::NoError || fail(errorLine(query.lastError()));
}

ArchivedDownload MeasureArchive::downloadFromRow(const QSqlQuery& query)
{
    ArchivedDownload download;
    download.nId = query.value(0).toLongLong();
    // In UTC: converting ten thousand times to local time would cost more than the whole query.
    download.downloadedAt = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
    download.devicePath = query.value(2).toString();
    download.nGroupNumber = query.value(3).toInt();
    download.nRecordCount = query.value(4).toInt();
    download.scales = query.value(5).toString();
    download.fAvgMin = query.value(6).toDouble();
    download.fAvgMax = query.value(7).toDouble();
    return download;
}

bool MeasureArchive::load(qint64 nId, OwnedGroup& group, ArchivedDownload* pDownload)
{
    group = OwnedGroup();
    if (!bOpen)
        return false;
    QSqlQuery row(database());
    row.prepare(QLatin1String(kDownloadColumns) + QStringLiteral(" WHERE id = ?"));
    row.addBindValue(nId);
    if (!exec(row))
        return false;
    if (!row.next())
        return fail(QStringLiteral("there is no download %1.").arg(nId));
    const ArchivedDownload download = downloadFromRow(row);
    const int nCount = download.nRecordCount;

    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT position, material, unit, angle, times, probe, min_value, max_value, "
                                 "avg_value, value_bytes, measured_at FROM records WHERE download_id = ? "
                                 "ORDER BY position"));
    query.addBindValue(nId);
    if (!exec(query))
        return false;
    OwnedGroup loaded(AllocGroup(nCount), nCount);
    int nRead = 0;
    while (query.next()) {
        const int nPosition = query.value(0).toInt();
        if (nPosition != nRead || nRead >= nCount)
            return fail(QStringLiteral("download %1 is incomplete.").arg(nId));
        MeasureRecord& rec = loaded.records()[nRead++];
        rec.nMaterial = uint8_t(query.value(1).toUInt());
        rec.nUnit = uint8_t(query.value(2).toUInt());
        rec.nAngle = uint8_t(query.value(3).toUInt());
        rec.nTimes = uint8_t(query.value(4).toUInt());
        rec.nProbe = uint8_t(query.value(5).toUInt());
        rec.fMin = float(query.value(6).toDouble());
        rec.fMax = float(query.value(7).toDouble());
        rec.fAvg = float(query.value(8).toDouble());
        rec.pValues = valuesFromBytes(query.value(9).toByteArray(), rec.nTimes);
        rec.tDate = query.value(10).toLongLong();
    }
    if (nRead != nCount)
        return fail(QStringLiteral("download %1 is incomplete.").arg(nId));
    group = std::move(loaded);
    if (pDownload)
        *pDownload = download;
    return true;
}

bool MeasureArchive::remove(qint64 nId)
{
    if (!bOpen || !begin())
        return false;
    for (const char* statement : {"DELETE FROM records WHERE download_id = ?", "DELETE FROM downloads WHERE id = ?"}) {
        QSqlQuery query(database());
        query.prepare(QLatin1String(statement));
        query.addBindValue(nId);
        if (!exec(query)) {
            rollback();
            return false;
        }
    }
    if (commit())
        return true;
    rollback();
    return false;
}
