#include "MeasureArchive.h"

#include "MeasureRecord.h"
#include "OwnedGroup.h"
#include "ValueTexts.h"

#include <QAtomicInteger>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPair>
#include <QSet>
#include <QStorageInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QTimeZone>
#include <QUrl>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

QAtomicInteger<quint32> nConnectionSerial;

const char kSqliteFull[] = "13";     // SQLITE_FULL
constexpr qint64 kFullBelow = 1 << 20;  // bytes free
const char kSqliteCantOpen[] = "14";  // SQLITE_CANTOPEN

// The first meaningful line of the driver's words: the server's own, else Qt's.
QString errorLine(const QSqlError& sqlError)
{
    if (sqlError.nativeErrorCode() == QLatin1String(kSqliteFull))
        return QStringLiteral("the disk is full.");

    const QString text = sqlError.databaseText().isEmpty() ? sqlError.text() : sqlError.databaseText();
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            return simple;
    }
    return QStringLiteral("unknown error.");
}

// Records' stored dates (tDate, a local midnight) as the calendar dates they stand for,
// yyyymmdd; 0 for a record whose reading failed (tDate 0). The zone's rules are asked in memory,
// and once for a run of records of one date: the C library would look at the zone file each time.
class CalendarDates
{
public:
    qint64 of(qint64 tDate)
    {
        if (tDate == 0)
            return 0;
        if (tDate != nLast) {
            const QDateTime instant = QDateTime::fromSecsSinceEpoch(tDate, Qt::UTC);
            const QDate date = instant.addSecs(zone.offsetFromUtc(instant)).date();
            nLast = tDate;
            nDate = date.year() * 10000 + date.month() * 100 + date.day();
        }
        return nDate;
    }

private:
    const QTimeZone zone = QTimeZone::systemTimeZone();
    qint64 nLast = 0, nDate = 0;
};

qint64 localMidnight(qint64 nDate, QPair<qint64, qint64>& last)
{
    if (nDate == 0)
        return 0;
    if (last.first != nDate)
        last = {nDate, LocalMidnight(int(nDate / 10000), int(nDate / 100 % 100), int(nDate % 100))};
    return last.second;
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

// The codes one field of the records holds, in order.
QVector<unsigned> codesOf(const MeasureRecord* pRecords, int nCount, uint8_t MeasureRecord::*field)
{
    bool bUsed[256] = {};
    for (int i = 0; i < nCount; ++i)
        bUsed[pRecords[i].*field] = true;
    QVector<unsigned> codes;
    for (unsigned code = 0; code < 256; ++code) {
        if (bUsed[code])
            codes << code;
    }
    return codes;
}

// The hardness scales of the records, in the order of their codes: "HRC, HB".
QString scalesOf(const MeasureRecord* pRecords, int nCount)
{
    QStringList scales;
    for (unsigned code : codesOf(pRecords, nCount, &MeasureRecord::nUnit)) {
        if (!ScaleText(code).isEmpty())
            scales << ScaleText(code);
    }
    return scales.join(QStringLiteral(", "));
}

// The material codes of the records, as kept with each download: "0 3 5".
QString materialCodesOf(const MeasureRecord* pRecords, int nCount)
{
    QStringList codes;
    for (unsigned code : codesOf(pRecords, nCount, &MeasureRecord::nMaterial))
        codes << QString::number(code);
    return codes.join(QLatin1Char(' '));
}

// The column types that differ between the two servers; everything else is plain SQL.
struct Dialect
{
    const char* idColumn;
    const char* blobType;
    const char* blobLiteral;  // bytes given in hexadecimal
};

const Dialect kSqlite{"id INTEGER PRIMARY KEY AUTOINCREMENT", "BLOB", "X'%1'"};
const Dialect kPostgres{"id BIGSERIAL PRIMARY KEY", "BYTEA", "'\\x%1'"};

const char kSqliteBusy[] = "5";  // SQLITE_BUSY
// Any number, the same in every program that creates the tables on a PostgreSQL server.
const char kPostgresSchemaLock[] = "SELECT pg_advisory_xact_lock(48610066)";

// The hash that recognises a download seen before: the group number and every field of every
// record, values bit for bit, dates as calendar dates.
QString groupContentHash(int nGroupNumber, const MeasureRecord* pRecords, int nCount)
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
    CalendarDates dates;
    add(nGroupNumber);
    add(nCount);
    for (int i = 0; i < nCount; ++i) {
        const MeasureRecord& rec = pRecords[i];
        for (int code : {rec.nMaterial, rec.nUnit, rec.nAngle, rec.nTimes, rec.nProbe})
            add(code);
        for (float f : {rec.fMin, rec.fMax, rec.fAvg})
            addFloat(f);
        add(dates.of(rec.tDate));
        hash.addData(valueBytes(rec));
    }
    return QString::fromLatin1(hash.result().toHex());
}

// Test details as kept with a download: a JSON object, or nothing when none were entered.
QString detailsText(const TestDetails& details)
{
    if (details.isEmpty())
        return QString();
    QJsonObject object{{QStringLiteral("standard"), details.standard}, {QStringLiteral("testPiece"), details.testPiece},
                       {QStringLiteral("order"), details.order}, {QStringLiteral("operator"), details.operatorName},
                       {QStringLiteral("notes"), details.notes}};
    if (details.temperature)
        object.insert(QStringLiteral("temperature"), *details.temperature);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

TestDetails detailsFromText(const QString& text)
{
    TestDetails details;
    if (text.isEmpty())
        return details;
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    details.standard = object.value(QStringLiteral("standard")).toString();
    details.testPiece = object.value(QStringLiteral("testPiece")).toString();
    details.order = object.value(QStringLiteral("order")).toString();
    details.operatorName = object.value(QStringLiteral("operator")).toString();
    details.notes = object.value(QStringLiteral("notes")).toString();
    if (object.contains(QStringLiteral("temperature")))
        details.temperature = object.value(QStringLiteral("temperature")).toDouble();
    return details;
}

} // namespace

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
    // SQLite reports some writes that found no room as a disk I/O error.
    const bool bFull = where.kind == ArchiveLocation::Kind::Sqlite && text == QLatin1String("disk I/O error") &&
                       QStorageInfo(QFileInfo(where.filePath).absolutePath()).bytesAvailable() < kFullBelow;
    error = QStringLiteral("Archive %1: %2").arg(where.displayName(), bFull ? QStringLiteral("the disk is full.") : text);
    return false;
}

bool MeasureArchive::open(const ArchiveLocation& location, Mode mode)
{
    where = location;
    bReadOnly = mode == Mode::ReadOnly;
    const bool bSqlite = where.kind == ArchiveLocation::Kind::Sqlite;
    const bool bNewFile = bSqlite && !QFileInfo::exists(where.filePath);
    bOpen = openConnection() && setUpConnection() && checkSchema() && (bReadOnly || createOrConvert());
    if (!bOpen) {
        database().close();
        // A file made here that never became an archive (a full disk) goes, with the files SQLite
        // keeps beside it. Tables would take pages beyond the first, in the file or in its log.
        const QString log = where.filePath + QStringLiteral("-wal");
        if (bNewFile && QFileInfo(where.filePath).size() <= 4096 && (!QFile::exists(log) || QFileInfo(log).size() == 0)) {
            for (const char* suffix : {"", "-wal", "-shm", "-journal"})
                QFile::remove(where.filePath + QLatin1String(suffix));
        }
    }
    return bOpen;
}

bool MeasureArchive::openConnection()
{
    const bool bSqlite = where.kind == ArchiveLocation::Kind::Sqlite;
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
    if (!bSqlite) {
        db.setHostName(where.hostName);
        db.setPort(where.nPort);
        db.setDatabaseName(where.databaseName);
        db.setUserName(where.userName);
        db.setPassword(where.password);
        // The URL's own options come last, so that its connect_timeout wins.
        const QStringList options = QStringList{QStringLiteral("connect_timeout=%1").arg(where.nConnectTimeout)} +
                                    where.connectOptions;
        db.setConnectOptions(options.join(QLatin1Char(';')));
        return db.open() || fail(errorLine(db.lastError()));
    }

    const QFileInfo file(where.filePath);
    QStringList options{QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs)};
    db.setDatabaseName(where.filePath);
    const bool bFolderWritable = QFileInfo(file.absolutePath()).isWritable();
    if (bReadOnly) {
        if (!file.exists())
            return fail(QStringLiteral("no archive yet."));
        // A writable file is opened as usual (and only read), so that closing it removes the
        // write-ahead log's files as after any use; a read-only connection would leave them.
        const bool bWritable = file.isWritable() && bFolderWritable;
        if (!bWritable)
            options << QStringLiteral("QSQLITE_OPEN_READONLY");
        // Nor may it make them: left behind, owned by this user and as read-only as the file,
        // they would keep the archive's owner from storing anything. While nobody has the
        // archive open (no log files beside it) the file is read as it stands.
        if (!bWritable && !QFile::exists(where.filePath + QStringLiteral("-shm"))
            && !QFile::exists(where.filePath + QStringLiteral("-wal"))) {
            options << QStringLiteral("QSQLITE_OPEN_URI");
            db.setDatabaseName(QUrl::fromLocalFile(where.filePath).toString(QUrl::FullyEncoded) +
                               QStringLiteral("?immutable=1"));
        }
    } else {
        if (!QDir().mkpath(file.absolutePath()))
            return fail(QStringLiteral("cannot create the folder %1.").arg(QDir::toNativeSeparators(file.absolutePath())));
        // SQLite would quietly open such a file read-only and fail only at the first download.
        if (file.exists() && (!file.isFile() || !file.isWritable()))
            return fail(file.isFile() ? QStringLiteral("the file is read-only.") : QStringLiteral("not a file."));
    }
    db.setConnectOptions(options.join(QLatin1Char(';')));
    return db.open() || fail(errorLine(db.lastError()));
}

bool MeasureArchive::setUpConnection()
{
    if (where.kind == ArchiveLocation::Kind::Sqlite)
        return !bReadOnly || exec(QStringLiteral("PRAGMA query_only = ON"));
    // Notices ("relation ... already exists") are no news to the user; no wait lasts for ever.
    QStringList statements{QStringLiteral("SET client_min_messages TO warning"),
                           QStringLiteral("SET statement_timeout TO '%1s'").arg(where.nStatementTimeout),
                           QStringLiteral("SET lock_timeout TO '%1s'").arg(where.nLockTimeout)};
    if (bReadOnly)
        statements << QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
    for (const QString& statement : statements) {
        if (!exec(statement))
            return false;
    }
    return true;
}

// The archive format; -1 when the database holds no archive yet (and nothing else), -2 on failure.
int MeasureArchive::schemaVersion()
{
    auto failed = [this](const QString& text) {
        fail(text);
        return -2;
    };
    const QStringList tables = database().tables();
    if (database().lastError().isValid())
        return failed(errorLine(database().lastError()));
    if (!tables.contains(QStringLiteral("archive_schema"))) {
        // Another program's database is left alone.
        if (where.kind == ArchiveLocation::Kind::Sqlite && !tables.isEmpty())
            return failed(QStringLiteral("the file is another program's database."));
        return -1;
    }
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM archive_schema")) || !query.next())
        return failed(errorLine(query.lastError()));
    return query.value(0).toInt();
}

// Runs before anything is written: a newer archive is refused as it is.
bool MeasureArchive::checkSchema()
{
    // Reading the first page fails for a file that is no database or a damaged one.
    QSqlQuery probe(database());
    if (where.kind == ArchiveLocation::Kind::Sqlite && !probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return fail(errorLine(probe.lastError()));
    nSchema = schemaVersion();
    if (nSchema == -2)
        return false;
    if (nSchema > kSchemaVersion)
        return fail(QStringLiteral("written by a newer version of the program (archive format %1; this "
                                   "version reads format %2 and older). Nothing was changed.")
                        .arg(nSchema)
                        .arg(kSchemaVersion));
    if (nSchema == 0)
        return fail(QStringLiteral("the database holds no archive format version."));
    if (nSchema < 0 && bReadOnly)
        return fail(QStringLiteral("no archive yet."));
    return true;
}

// Creates the tables of a new archive, or converts an older one, in one transaction.
bool MeasureArchive::createOrConvert()
{
    const bool bSqlite = where.kind == ArchiveLocation::Kind::Sqlite;
    if (bSqlite) {
        // Switching a new file to WAL needs it to itself for a moment, and SQLite reports
        // another program opening it at the same moment as busy without waiting.
        QSqlQuery query(database());
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
        if (!exec(QStringLiteral("PRAGMA synchronous=FULL")))
            return false;
    }
    if (nSchema == kSchemaVersion)
        return true;

    // Two programs may do this at the same moment: the second one finds the work done.
    // (PostgreSQL lets two CREATE TABLE IF NOT EXISTS collide: a lock lets them take turns.)
    if (!begin() || (!bSqlite && !exec(QLatin1String(kPostgresSchemaLock)))) {
        rollback();
        return false;
    }
    nSchema = schemaVersion();
    const Dialect& dialect = bSqlite ? kSqlite : kPostgres;
    bool bDone = nSchema != -2;
    if (bDone && nSchema < 0) {
        bDone = exec(QStringLiteral("CREATE TABLE archive_schema (version INTEGER NOT NULL)")) &&
                exec(QStringLiteral("CREATE TABLE downloads (%1, downloaded_at BIGINT NOT NULL, "
                                    "device_path TEXT NOT NULL, group_number INTEGER NOT NULL, "
                                    "record_count INTEGER NOT NULL, scales TEXT NOT NULL, "
                                    "avg_min DOUBLE PRECISION NOT NULL, avg_max DOUBLE PRECISION NOT NULL, "
                                    "content_hash TEXT NOT NULL UNIQUE, materials TEXT NOT NULL DEFAULT '', "
                                    "details TEXT NOT NULL DEFAULT '', limits TEXT NOT NULL DEFAULT '')")
                         .arg(QLatin1String(dialect.idColumn))) &&
                exec(QStringLiteral("CREATE TABLE records (download_id BIGINT NOT NULL, "
                                    "position INTEGER NOT NULL, material INTEGER NOT NULL, unit INTEGER NOT NULL, "
                                    "angle INTEGER NOT NULL, times INTEGER NOT NULL, probe INTEGER NOT NULL, "
                                    "min_value DOUBLE PRECISION NOT NULL, max_value DOUBLE PRECISION NOT NULL, "
                                    "avg_value DOUBLE PRECISION NOT NULL, value_bytes %1 NOT NULL, "
                                    "measured_at BIGINT NOT NULL, measured_on INTEGER NOT NULL DEFAULT 0, "
                                    "PRIMARY KEY (download_id, position))")
                         .arg(QLatin1String(dialect.blobType))) &&
                exec(QStringLiteral("CREATE INDEX downloads_by_time ON downloads (downloaded_at)")) &&
                exec(QStringLiteral("INSERT INTO archive_schema (version) VALUES (%1)").arg(kSchemaVersion));
    } else if (bDone && nSchema < kSchemaVersion) {
        bDone = (nSchema >= 2 || convertToCalendarDates()) && addDetailColumns() &&
                exec(QStringLiteral("UPDATE archive_schema SET version = %1").arg(kSchemaVersion));
    }
    if (bDone && commit()) {
        nSchema = kSchemaVersion;
        return true;
    }
    rollback();
    return false;
}

// Format 1 kept each record's date as the local midnight of the zone that stored it. It becomes
// the calendar date of this computer's zone (where the archive was written, as a rule), and each
// download's hash and materials follow.
bool MeasureArchive::convertToCalendarDates()
{
    struct Download { qint64 nId; int nGroupNumber, nCount; };
    QVector<Download> downloads;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!exec(QStringLiteral("ALTER TABLE records ADD COLUMN measured_on INTEGER NOT NULL DEFAULT 0")) ||
        !exec(QStringLiteral("ALTER TABLE downloads ADD COLUMN materials TEXT NOT NULL DEFAULT ''")) ||
        (where.kind == ArchiveLocation::Kind::Postgres && !exec(QStringLiteral("SET LOCAL statement_timeout TO 0"))) ||
        // Out of the way of the new hashes first.
        !exec(QStringLiteral("UPDATE downloads SET content_hash = 'format1-' || CAST(id AS TEXT)")) ||
        !query.exec(QStringLiteral("SELECT id, group_number, record_count FROM downloads")))
        return false;
    while (query.next())
        downloads.append({query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toInt()});

    QSet<QString> hashes;
    for (const Download& download : downloads) {
        OwnedGroup group;
        if (!loadRecords(download.nId, download.nCount, group))
            return false;
        QString hash = groupContentHash(download.nGroupNumber, group.records(), group.count());
        // Stored twice before (another time zone): both are kept, the first one is recognised.
        if (hashes.contains(hash))
            hash += QStringLiteral("-%1").arg(download.nId);
        hashes.insert(hash);
        QSqlQuery update(database());
        update.prepare(QStringLiteral("UPDATE downloads SET content_hash = ?, materials = ? WHERE id = ?"));
        for (const QVariant& value :
             {QVariant(hash), QVariant(materialCodesOf(group.records(), group.count())), QVariant(download.nId)})
            update.addBindValue(value);
        if (!exec(update))
            return false;
        CalendarDates calendar;
        QSet<qint64> dates;
        update.prepare(QStringLiteral("UPDATE records SET measured_on = ? WHERE download_id = ? AND measured_at = ?"));
        for (int i = 0; i < group.count(); ++i) {
            const qint64 tDate = group.records()[i].tDate;
            if (dates.contains(tDate))
                continue;
            dates.insert(tDate);
            for (const QVariant& value : {QVariant(calendar.of(tDate)), QVariant(download.nId), QVariant(tDate)})
                update.addBindValue(value);
            if (!exec(update))
                return false;
        }
    }
    return true;
}

// Format 3: every download so far without details and limits.
bool MeasureArchive::addDetailColumns()
{
    return exec(QStringLiteral("ALTER TABLE downloads ADD COLUMN details TEXT NOT NULL DEFAULT ''")) &&
           exec(QStringLiteral("ALTER TABLE downloads ADD COLUMN limits TEXT NOT NULL DEFAULT ''"));
}

bool MeasureArchive::exec(QSqlQuery& query)
{
    // A statement the server could not prepare (a lock time-out) fails with the server's reason.
    if (query.lastError().isValid())
        return fail(errorLine(query.lastError()));
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

// Statements are written out whole: a server far away costs one round trip for each, where a
// prepared statement costs three. The hash holds hexadecimal digits and '-' only.
qint64 MeasureArchive::downloadWithHash(const QString& hash)
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT id FROM downloads WHERE content_hash = '%1'").arg(hash))) {
        fail(errorLine(query.lastError()));
        return -1;
    }
    return query.next() ? query.value(0).toLongLong() : 0;
}

QString MeasureArchive::textLiteral(const QString& text) const
{
    QSqlField field(QString(), QVariant::String);
    field.setValue(text);
    return database().driver()->formatValue(field);
}

MeasureArchive::StoreResult MeasureArchive::store(const QDateTime& downloadedAt, const QString& devicePath,
                                                  int nGroupNumber, const MeasureRecord* pRecords, int nCount,
                                                  qint64* pId)
{
    if (!bOpen || bReadOnly)
        return StoreResult::Failed;
    const QString hash = groupContentHash(nGroupNumber, pRecords, nCount);
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
    const bool bPostgres = where.kind == ArchiveLocation::Kind::Postgres;
    const QStringList values{QString::number(downloadedAt.toMSecsSinceEpoch()), textLiteral(devicePath),
                             QString::number(nGroupNumber), QString::number(nCount),
                             textLiteral(scalesOf(pRecords, nCount)), QString::number(double(fAvgMin), 'g', 17),
                             QString::number(double(fAvgMax), 'g', 17), QLatin1Char('\'') + hash + QLatin1Char('\''),
                             textLiteral(materialCodesOf(pRecords, nCount))};
    QSqlQuery insert(database());
    if (!insert.exec(QStringLiteral("INSERT INTO downloads (downloaded_at, device_path, group_number, record_count, "
                                    "scales, avg_min, avg_max, content_hash, materials) VALUES (%1)%2")
                         .arg(values.join(QStringLiteral(", ")), bPostgres ? QStringLiteral(" RETURNING id") : QString()))) {
        // Another writer stored the same content a moment ago (PostgreSQL does not wait for it).
        const QString insertError = errorLine(insert.lastError());
        rollback();
        nId = downloadWithHash(hash);
        if (pId)
            *pId = nId;
        fail(insertError);
        return nId > 0 ? StoreResult::Duplicate : StoreResult::Failed;
    }
    nId = bPostgres ? (insert.next() ? insert.value(0).toLongLong() : 0) : insert.lastInsertId().toLongLong();
    if (nId <= 0 || !insertRecords(nId, pRecords, nCount) || !commit()) {
        rollback();
        return StoreResult::Failed;
    }
    if (pId)
        *pId = nId;
    return StoreResult::Stored;
}

// All records in one statement, written out: a server far away costs one round trip, and the
// driver's formatting of bound values would cost more than the statement. Every value is a
// number or hexadecimal bytes.
bool MeasureArchive::insertRecords(qint64 nId, const MeasureRecord* pRecords, int nCount)
{
    const Dialect& dialect = where.kind == ArchiveLocation::Kind::Sqlite ? kSqlite : kPostgres;
    QString statement = QStringLiteral("INSERT INTO records (download_id, position, material, unit, angle, times, probe, "
                                       "min_value, max_value, avg_value, value_bytes, measured_at, measured_on) VALUES ");
    CalendarDates dates;
    for (int i = 0; i < nCount; ++i) {
        const MeasureRecord& rec = pRecords[i];
        QString row = QStringLiteral("(%1, %2, %3, %4, %5, %6, %7, ").arg(nId).arg(i).arg(rec.nMaterial).arg(rec.nUnit)
                          .arg(rec.nAngle).arg(rec.pValues ? rec.nTimes : 0).arg(rec.nProbe);
        for (float f : {rec.fMin, rec.fMax, rec.fAvg})  // the float's exact value
            row += QString::number(double(f), 'g', 17) + QStringLiteral(", ");
        row += QString::fromLatin1(dialect.blobLiteral).arg(QString::fromLatin1(valueBytes(rec).toHex()));
        row += QStringLiteral(", %1, %2)").arg(qint64(rec.tDate)).arg(dates.of(rec.tDate));
        statement += (i == 0 ? QString() : QStringLiteral(", ")) + row;
    }
    return nCount == 0 || exec(statement);
}

QString MeasureArchive::downloadColumns() const
{
    return QStringLiteral("SELECT id, downloaded_at, device_path, group_number, record_count, scales, avg_min, "
                          "avg_max, %1, %2 FROM downloads")
        .arg(nSchema >= 2 ? QStringLiteral("materials") : QStringLiteral("''"),
             nSchema >= 3 ? QStringLiteral("details, limits") : QStringLiteral("'', ''"));
}

bool MeasureArchive::list(QVector<ArchivedDownload>& downloads)
{
    downloads.clear();
    if (!bOpen)
        return false;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(downloadColumns() + QStringLiteral(" ORDER BY downloaded_at DESC, id DESC")))
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
    // A lab uses few materials: their names are looked up once per combination.
    const QString codes = query.value(8).toString();
    auto found = materialNames.constFind(codes);
    if (found == materialNames.constEnd()) {
        QStringList names;
        for (const QStringRef& code : codes.splitRef(QLatin1Char(' '), Qt::SkipEmptyParts))
            names << MaterialText(code.toUInt(), QString());
        found = materialNames.insert(codes, names.join(QStringLiteral(", ")));
    }
    download.materials = *found;
    download.details = detailsFromText(query.value(9).toString());
    download.limits = query.value(10).toString();
    return download;
}

bool MeasureArchive::load(qint64 nId, OwnedGroup& group, ArchivedDownload* pDownload)
{
    group = OwnedGroup();
    if (!bOpen)
        return false;
    QSqlQuery row(database());
    row.prepare(downloadColumns() + QStringLiteral(" WHERE id = ?"));
    row.addBindValue(nId);
    if (!exec(row))
        return false;
    if (!row.next())
        return fail(QStringLiteral("there is no download %1.").arg(nId));
    const ArchivedDownload download = downloadFromRow(row);
    if (!loadRecords(nId, download.nRecordCount, group))
        return false;
    if (pDownload)
        *pDownload = download;
    return true;
}

bool MeasureArchive::loadRecords(qint64 nId, int nCount, OwnedGroup& group)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT position, material, unit, angle, times, probe, min_value, max_value, "
                                 "avg_value, value_bytes, %1 FROM records WHERE download_id = ? ORDER BY position")
                      .arg(nSchema >= 2 ? QStringLiteral("measured_on") : QStringLiteral("measured_at")));
    query.addBindValue(nId);
    if (!exec(query))
        return false;
    OwnedGroup loaded(AllocGroup(nCount), nCount);
    int nRead = 0;
    QPair<qint64, qint64> lastDate;
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
        const qint64 nDate = query.value(10).toLongLong();
        rec.tDate = nSchema >= 2 ? localMidnight(nDate, lastDate) : nDate;
    }
    if (nRead != nCount) {
        // Deleted between the two statements (by another program) is no damage.
        QSqlQuery still(database());
        still.prepare(QStringLiteral("SELECT id FROM downloads WHERE id = ?"));
        still.addBindValue(nId);
        if (still.exec() && !still.next())
            return fail(QStringLiteral("there is no download %1.").arg(nId));
        return fail(QStringLiteral("download %1 is incomplete.").arg(nId));
    }
    group = std::move(loaded);
    return true;
}

bool MeasureArchive::setDetails(qint64 nId, const TestDetails& details, const QString& limits)
{
    if (!bOpen || bReadOnly)
        return false;
    QSqlQuery update(database());
    update.prepare(QStringLiteral("UPDATE downloads SET details = ?, limits = ? WHERE id = ?"));
    // An empty text, not NULL: the columns hold text.
    for (const QString& text : {detailsText(details), limits})
        update.addBindValue(text.isNull() ? QStringLiteral("") : text);
    update.addBindValue(nId);
    return exec(update);
}

qint64 MeasureArchive::idOfGroup(int nGroupNumber, const MeasureRecord* pRecords, int nCount)
{
    return bOpen ? downloadWithHash(groupContentHash(nGroupNumber, pRecords, nCount)) : -1;
}

bool MeasureArchive::remove(qint64 nId)
{
    if (!bOpen || bReadOnly || !begin())
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
