// The archive on a real SQLite file and on a PostgreSQL server started for the test: every case
// runs on both.
#include "ArchiveSamples.h"
#include "Files.h"
#include "MeasureArchive.h"
#include "PostgresServer.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// Every field of every record, floats in hexadecimal: equal texts mean equal bits.
QStringList groupText(const OwnedGroup& group)
{
    QStringList lines;
    for (int i = 0; i < group.count(); ++i) {
        const MeasureRecord& rec = group.records()[i];
        QString line = QString::asprintf("%d %d %d %d %d %a %a %a %lld:", rec.nMaterial, rec.nUnit,
                                         rec.nAngle, rec.nTimes, rec.nProbe, rec.fMin, rec.fMax, rec.fAvg,
                                         static_cast<long long>(rec.tDate));
        for (int k = 0; k < rec.nTimes; ++k)
            line += QString::asprintf(" %a", rec.pValues[k]);
        lines << line;
    }
    return lines;
}

QString openError(MeasureArchive& archive, const QString& url)
{
    ArchiveLocation location;
    QString error;
    if (!ArchiveLocation::fromUrl(url, location, error))
        return error;
    return archive.open(location) ? QString() : archive.errorText();
}

// Runs the writer, in another time zone when one is given; unprivileged and as root it runs as
// nobody, as root would write to any file.
std::unique_ptr<QProcess> startWriter(const QString& url, int nFirst, int nCount, bool bUnprivileged = false,
                                      const QString& zone = QString())
{
    const QStringList arguments{url, QString::number(nFirst), QString::number(nCount)};
    const QStringList asNobody{"--reuid=65534", "--regid=65534", "--clear-groups", ARCHIVE_WRITER};
    auto process = std::make_unique<QProcess>();
    if (!zone.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", zone);
        process->setProcessEnvironment(environment);
    }
    if (bUnprivileged && geteuid() == 0)
        process->start("setpriv", asNobody + arguments);
    else
        process->start(ARCHIVE_WRITER, arguments);
    return process;
}

// Empty when the writer stored all its groups, else what went wrong.
QString writerError(QProcess& writer)
{
    if (!writer.waitForFinished(120000))
        return "the writer did not finish";
    return writer.exitCode() == 0 ? QString() : QString::fromLocal8Bit(writer.readAllStandardError());
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<PostgresServer> server;
    int nArchives = 0;
    QString databaseName;

    // A new, empty archive on the backend of the current data row; empty when there is no server.
    QString freshArchive()
    {
        QFETCH(QString, backend);
        databaseName = QString("archive%1").arg(++nArchives);
        if (backend == "sqlite")
            return dir.filePath(databaseName + ".sqlite");
        if (!server)
            server = std::make_unique<PostgresServer>();
        if (!server->isRunning() || !server->sql("postgres", "CREATE DATABASE " + databaseName))
            return {};
        return server->url(databaseName);
    }

    void backends()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << "sqlite";
        QTest::newRow("postgresql") << "postgresql";
    }

    // Every download in the archive loads whole; returns how many there are.
    int completeDownloads(const QString& url)
    {
        MeasureArchive archive;
        QVector<ArchivedDownload> downloads;
        if (!openError(archive, url).isEmpty() || !archive.list(downloads))
            return -1;
        for (const ArchivedDownload& download : downloads) {
            OwnedGroup group;
            if (!archive.load(download.nId, group) || group.count() != 255)
                return -1;
        }
        return downloads.size();
    }

private slots:
    void storesListsLoadsAndRemoves_data() { backends(); }
    void storesListsLoadsAndRemoves()
    {
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        // Stored 14 hours ahead of the zone this test reads in: the records' dates stay theirs,
        // and the same group downloaded here is the same download.
        QCOMPARE(writerError(*startWriter(url, 3, 1, false, "Pacific/Kiritimati")), QString());
        MeasureArchive archive, other;  // two connections, as the window and hardness-cli have
        QCOMPARE(openError(archive, url), QString());
        QCOMPARE(openError(other, url), QString());
        const OwnedGroup group = archiveSample(3, 255);
        const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(60);
        QVector<ArchivedDownload> downloads;
        QVERIFY(archive.list(downloads) && downloads.size() == 1);
        const qint64 nId = downloads[0].nId;
        qint64 nAgain = 0;
        QCOMPARE(other.store(later, "/dev/hidraw1", 4, group.records(), 255, &nAgain),
                 MeasureArchive::StoreResult::Duplicate);
        QCOMPARE(nAgain, nId);
        // The same records as another group are another download.
        QCOMPARE(other.store(later, "/dev/hidraw3", 5, group.records(), 255),
                 MeasureArchive::StoreResult::Stored);

        QVERIFY(archive.list(downloads));
        QCOMPARE(downloads.size(), 2);
        QCOMPARE(downloads[0].downloadedAt, later);  // newest first
        const ArchivedDownload& d = downloads[1];
        const auto [low, high] = std::minmax_element(group.records(), group.records() + 255,
                                                     [](auto& a, auto& b) { return a.fAvg < b.fAvg; });
        const QVariantList listed{d.nId, d.devicePath, d.nGroupNumber, d.nRecordCount, d.scales, d.fAvgMin, d.fAvgMax};
        QCOMPARE(listed, (QVariantList{nId, "/dev/hidraw0", 4, 255, "HL, HV, HB, HRC, HS, HRB, HRA",
                                       double(low->fAvg), double(high->fAvg)}));

        OwnedGroup loaded;
        QVERIFY(other.load(nId, loaded));
        QCOMPARE(groupText(loaded), groupText(group));

        QVERIFY(other.remove(nId));
        QVERIFY(archive.list(downloads));
        QCOMPARE(downloads.size(), 1);
        QVERIFY(!archive.load(nId, loaded));
    }

    void writersAtOnceAndKilled_data() { backends(); }
    void writersAtOnceAndKilled()
    {
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        // Seeds 6 to 11 are written by both: each of those lands once.
        const auto first = startWriter(url, 0, 12), second = startWriter(url, 6, 12);
        QCOMPARE(writerError(*first), QString());
        QCOMPARE(writerError(*second), QString());
        QCOMPARE(completeDownloads(url), 18);

        // A writer killed half-way through a download leaves none of it.
        const auto killed = startWriter(url, 100, 1000);
        QVERIFY(killed->waitForReadyRead(60000));
        QTest::qWait(45);  // well inside the next download
        killed->kill();
        QVERIFY(killed->waitForFinished(10000));
        QVERIFY(completeDownloads(url) > 18);
    }

    // Format 1 kept dates as local midnights; converted once, every download is kept whole, read
    // as stored, and recognised when it comes again. Read-only use reads it as it is.
    void convertsFormat1_data() { backends(); }
    void convertsFormat1()
    {
        QFETCH(QString, backend);
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        QCOMPARE(writerError(*startWriter(url, 1, 3)), QString());
        const QString format1 = "ALTER TABLE records DROP COLUMN measured_on; ALTER TABLE downloads DROP COLUMN "
                                "materials; UPDATE archive_schema SET version = 1";
        if (backend == "sqlite") {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "format1");
            db.setDatabaseName(url);
            QVERIFY(db.open());
            for (const QString& statement : format1.split(';'))
                QVERIFY(QSqlQuery(db).exec(statement));
            db.close();
        } else {
            QVERIFY(server->sql(databaseName, format1));
        }
        QSqlDatabase::removeDatabase("format1");
        const QByteArray before = fileBytes(url);
        {
            MeasureArchive reader;
            ArchiveLocation location;
            QString error;
            QVector<ArchivedDownload> downloads;
            QVERIFY(ArchiveLocation::fromUrl(url, location, error) && reader.open(location, MeasureArchive::Mode::ReadOnly));
            QVERIFY(reader.list(downloads) && downloads.size() == 3);
        }
        QCOMPARE(fileBytes(url), before);

        QCOMPARE(completeDownloads(url), 3);
        MeasureArchive archive;
        QCOMPARE(openError(archive, url), QString());
        QVector<ArchivedDownload> downloads;
        QVERIFY(archive.list(downloads));
        for (const ArchivedDownload& download : downloads) {
            const int nSeed = download.nGroupNumber - 1;
            OwnedGroup loaded;
            const OwnedGroup group = archiveSample(nSeed, 255);
            QVERIFY(archive.load(download.nId, loaded));
            QCOMPARE(groupText(loaded), groupText(group));
            QCOMPARE(archive.store(QDateTime::currentDateTime(), "/dev/hidraw0", download.nGroupNumber,
                                   group.records(), 255), MeasureArchive::StoreResult::Duplicate);
        }
    }

    // PostgreSQL over TCP: the URL's options reach the server, and a held lock ends a read in time.
    void connectionOptionsAndLocks_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("message");
        QTest::newRow("TLS required") << "postgresql" << "?sslmode=require" << "" << "server does not support SSL";
        QTest::newRow("TLS off") << "postgresql" << "?sslmode=disable&application_name=bench%203" << "" << "";
        QTest::newRow("table locked") << "postgresql" << "" << "LOCK TABLE downloads" << "lock timeout";
    }
    void connectionOptionsAndLocks()
    {
        QFETCH(QString, options);
        QFETCH(QString, held);
        QFETCH(QString, message);
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        QCOMPARE(writerError(*startWriter(url, 1, 1)), QString());
        std::unique_ptr<QProcess> holder;
        if (!held.isEmpty()) {
            holder = server->startSql(databaseName, "BEGIN; " + held + "; SELECT pg_sleep(20)");
            QTRY_VERIFY(server->sql(databaseName, "SELECT 1 / COUNT(*) FROM pg_locks WHERE relation = 'downloads'::regclass "
                                                  "AND mode = 'AccessExclusiveLock'"));
        }
        ArchiveLocation location;
        QString error;
        QVERIFY(ArchiveLocation::fromUrl(server->tcpUrl(databaseName) + options, location, error));
        location.nLockTimeout = 1;
        QElapsedTimer waited;
        waited.start();
        MeasureArchive archive;
        QVector<ArchivedDownload> downloads;
        if (!archive.open(location, MeasureArchive::Mode::ReadOnly) || !archive.list(downloads))
            error = archive.errorText();
        QVERIFY2(message.isEmpty() ? error.isEmpty() && downloads.size() == 1 : error.contains(message), qPrintable(error));
        QVERIFY(waited.elapsed() < 5000);
        if (holder) {
            holder->kill();
            holder->waitForFinished();
        }
    }

    void refusesDamagedArchives_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a database") << "sqlite" << "text" << "file is not a database";
        QTest::newRow("corrupt") << "sqlite" << "garble" << "malformed";
        QTest::newRow("read-only file") << "sqlite" << "read-only" << "read-only";
        QTest::newRow("another program's") << "sqlite" << "DROP TABLE archive_schema" << "another program";
        const char* newer = "UPDATE archive_schema SET version = version + 1";
        // Not in write-ahead-log mode: switching it would change its header.
        QTest::newRow("newer format, SQLite") << "sqlite" << QString("PRAGMA journal_mode=DELETE;") + newer
                                              << "newer version";
        QTest::newRow("newer format, PostgreSQL") << "postgresql" << newer << "newer version";
        QTest::newRow("read-only database") << "postgresql"
                                            << "ALTER DATABASE $db SET default_transaction_read_only = on"
                                            << "read-only transaction";
    }
    void refusesDamagedArchives()
    {
        QFETCH(QString, backend);
        QFETCH(QString, damage);
        QFETCH(QString, message);
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        QCOMPARE(writerError(*startWriter(url, 1, 1)), QString());
        const bool bSqlite = backend == "sqlite";
        if (damage == "text") {
            QVERIFY(writeFile(url, "NO,Material\nNo.1,Steel\n"));
        } else if (damage == "garble") {
            QFile file(url);  // the rest of the first page, after the 100-byte file header
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(100));
            QVERIFY(file.write(QByteArray(3996, 'U')) == 3996);
        } else if (damage == "read-only") {
            QVERIFY(chmod(qPrintable(dir.path()), 0755) == 0 && chmod(qPrintable(url), 0444) == 0);
        } else if (bSqlite) {  // an SQL statement
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damage");
            db.setDatabaseName(url);
            QVERIFY(db.open());
            for (const QString& statement : damage.split(';'))
                QVERIFY(QSqlQuery(db).exec(statement));
            db.close();
        } else {
            QVERIFY(server->sql(databaseName, QString(damage).replace("$db", databaseName)));
        }
        QSqlDatabase::removeDatabase("damage");
        const QByteArray before = fileBytes(url);

        const QString error = writerError(*startWriter(url, 2, 1, damage == "read-only"));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fileBytes(url), before);  // a file is neither deleted nor rewritten
        if (damage.contains("read_only"))  // still read as ever
            QCOMPARE(completeDownloads(url), 1);
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "test_archive.moc"
