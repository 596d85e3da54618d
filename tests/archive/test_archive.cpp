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

QString openError(MeasureArchive& archive, const QString& url,
                  MeasureArchive::Mode mode = MeasureArchive::Mode::ReadWrite)
{
    ArchiveLocation location;
    QString error;
    if (!ArchiveLocation::fromUrl(url, location, error))
        return error;
    return archive.open(location, mode) ? QString() : archive.errorText();
}

// Runs the writer; unprivileged and as root it runs as nobody, as root would write to any file.
std::unique_ptr<QProcess> startWriter(const QString& url, int nFirst, int nCount, bool bUnprivileged = false)
{
    const QStringList arguments{url, QString::number(nFirst), QString::number(nCount)};
    const QStringList asNobody{"--reuid=65534", "--regid=65534", "--clear-groups", ARCHIVE_WRITER};
    auto process = std::make_unique<QProcess>();
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

    // Runs SQL statements, separated by ';', on the current archive.
    bool applySql(const QString& url, const QString& statements)
    {
        if (!url.endsWith(".sqlite"))
            return server->sql(databaseName, QString(statements).replace("$db", databaseName));
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damage");
        db.setDatabaseName(url);
        bool bDone = db.open();
        for (const QString& statement : statements.split(';'))
            bDone = bDone && QSqlQuery(db).exec(statement);
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("damage");
        return bDone;
    }

    // Every download in the archive loads whole; returns how many there are.
    int completeDownloads(const QString& url, MeasureArchive::Mode mode = MeasureArchive::Mode::ReadWrite)
    {
        MeasureArchive archive;
        QVector<ArchivedDownload> downloads;
        if (!openError(archive, url, mode).isEmpty() || !archive.list(downloads))
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
        qputenv("TZ", "Pacific/Kiritimati");
        const auto writer = startWriter(url, 3, 1);
        qputenv("TZ", "America/New_York");
        QCOMPARE(writerError(*writer), QString());
        MeasureArchive archive, other;  // two connections, as the window and hardness-cli have
        QCOMPARE(openError(archive, url), QString());
        // The URL's options reach the server.
        const QString tcp = server ? server->tcpUrl(databaseName) + "?sslmode=disable&application_name=bench%203" : url;
        QCOMPARE(openError(other, url.endsWith(".sqlite") ? url : tcp), QString());
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

        // Test details and limits kept with it, found again by its group, read back as given.
        const TestDetails details{TestDetails::defaultStandard(), "Welle 7, \"S\u00FCd\"", "", "", -5.5, "Oil;\nwiped off"};
        QVERIFY(archive.idOfGroup(4, group.records(), 255) == nId && archive.setDetails(nId, details, "HRC=58:62 HB=200:"));
        OwnedGroup loaded;
        ArchivedDownload back;
        QVERIFY(other.load(nId, loaded, &back));
        QCOMPARE(groupText(loaded), groupText(group));
        QCOMPARE((QVariantList{back.details.standard, back.details.testPiece, *back.details.temperature, back.details.notes,
                               back.details.operatorName, back.limits}),
                 (QVariantList{"ISO 16859-1", details.testPiece, -5.5, details.notes, "", "HRC=58:62 HB=200:"}));

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

    // Format 1 kept dates as local midnights, formats 1 and 2 no test details; converted once, in
    // one step, every download is kept whole, read as stored, recognised when it comes again, and
    // takes details. Read-only use reads it as it is.
    void convertsOlderFormats_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("downgrade");
        const QString format2 = "ALTER TABLE downloads DROP COLUMN details; ALTER TABLE downloads DROP COLUMN limits; ";
        const QString format1 = "ALTER TABLE records DROP COLUMN measured_on; ALTER TABLE downloads DROP COLUMN materials; ";
        for (const char* backend : {"sqlite", "postgresql"}) {
            QTest::addRow("%s, format 1", backend) << backend << format2 + format1 + "UPDATE archive_schema SET version = 1";
            QTest::addRow("%s, format 2", backend) << backend << format2 + "UPDATE archive_schema SET version = 2";
        }
    }

    void convertsOlderFormats()
    {
        QFETCH(QString, downgrade);
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        QCOMPARE(writerError(*startWriter(url, 1, 3)), QString());
        QVERIFY(applySql(url, downgrade));
        const QByteArray before = fileBytes(url);
        QCOMPARE(completeDownloads(url, MeasureArchive::Mode::ReadOnly), 3);
        QCOMPARE(fileBytes(url), before);

        QCOMPARE(completeDownloads(url), 3);
        MeasureArchive archive;
        QVector<ArchivedDownload> downloads;
        QVERIFY(openError(archive, url).isEmpty() && archive.list(downloads));
        for (const ArchivedDownload& download : downloads) {
            OwnedGroup loaded;
            const OwnedGroup group = archiveSample(download.nGroupNumber - 1, 255);
            QVERIFY(archive.load(download.nId, loaded));
            QCOMPARE(groupText(loaded), groupText(group));
            QCOMPARE(archive.store(QDateTime::currentDateTime(), "/dev/hidraw0", download.nGroupNumber,
                                   group.records(), 255), MeasureArchive::StoreResult::Duplicate);
            QVERIFY(download.details.isEmpty() && archive.setDetails(download.nId, TestDetails(), "HV=1:"));
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
        // Over TCP to the server without TLS; a lock held by another session.
        QTest::newRow("TLS required") << "postgresql" << "?sslmode=require" << "server does not support SSL";
        QTest::newRow("table locked") << "postgresql" << "hold LOCK TABLE downloads" << "lock timeout";
    }
    void refusesDamagedArchives()
    {
        QFETCH(QString, damage);
        QFETCH(QString, message);
        const QString url = freshArchive();
        if (url.isEmpty())
            QSKIP(qPrintable(server->whyNotRunning()));
        QCOMPARE(writerError(*startWriter(url, 1, 1)), QString());
        QString writeTo = url;
        std::unique_ptr<QProcess> holder;
        if (damage == "text") {
            QVERIFY(writeFile(url, "NO,Material\nNo.1,Steel\n"));
        } else if (damage == "garble") {
            QFile file(url);  // the rest of the first page, after the 100-byte file header
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(100));
            QVERIFY(file.write(QByteArray(3996, 'U')) == 3996);
        } else if (damage == "read-only") {
            QVERIFY(chmod(qPrintable(dir.path()), 0755) == 0 && chmod(qPrintable(url), 0444) == 0);
        } else if (damage.startsWith('?')) {
            writeTo = server->tcpUrl(databaseName) + damage;
        } else if (damage.startsWith("hold ")) {
            holder = server->startSql(databaseName, "BEGIN; " + damage.mid(5) + "; SELECT pg_sleep(20)");
            QTRY_VERIFY(server->sql(databaseName, "SELECT 1 / COUNT(*) FROM pg_locks WHERE granted AND "
                                                  "relation = 'downloads'::regclass"));
        } else {
            QVERIFY(applySql(url, damage));
        }
        const QByteArray before = fileBytes(url);

        const QString error = writerError(*startWriter(writeTo, 2, 1, damage == "read-only"));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(fileBytes(url), before);  // a file is neither deleted nor rewritten
        if (damage.contains("read_only"))  // still read as ever
            QCOMPARE(completeDownloads(url), 1);
        if (holder) {  // reading waits no longer than writing (else it would succeed after the sleep)
            QCOMPARE(completeDownloads(url, MeasureArchive::Mode::ReadOnly), -1);
            holder->kill();
            holder->waitForFinished();
        }
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "test_archive.moc"
