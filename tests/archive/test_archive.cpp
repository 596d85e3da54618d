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

// Runs the writer; as root it runs as nobody, as root would write to any file.
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
        MeasureArchive archive, other;  // two connections, as the window and hardness-cli have
        QCOMPARE(openError(archive, url), QString());
        QCOMPARE(openError(other, url), QString());

        const OwnedGroup group = archiveSample(3, 255);
        const QDateTime when = QDateTime::fromMSecsSinceEpoch(1700000000123);
        qint64 nId = 0, nAgain = 0;
        QCOMPARE(archive.store(when, "/dev/hidraw3", 4, group.records(), 255, &nId),
                 MeasureArchive::StoreResult::Stored);
        QCOMPARE(other.store(when.addDays(1), "/dev/hidraw1", 4, group.records(), 255, &nAgain),
                 MeasureArchive::StoreResult::Duplicate);
        QCOMPARE(nAgain, nId);
        // The same records as another group are another download.
        QCOMPARE(other.store(when.addSecs(60), "/dev/hidraw3", 5, group.records(), 255),
                 MeasureArchive::StoreResult::Stored);

        QVector<ArchivedDownload> downloads;
        QVERIFY(archive.list(downloads));
        QCOMPARE(downloads.size(), 2);
        QCOMPARE(downloads[0].nGroupNumber, 5);  // newest first
        const ArchivedDownload& d = downloads[1];
        const auto [low, high] = std::minmax_element(group.records(), group.records() + 255,
                                                     [](auto& a, auto& b) { return a.fAvg < b.fAvg; });
        const QVariantList listed{d.nId, d.downloadedAt, d.devicePath, d.nRecordCount, d.scales, d.fAvgMin,
                                  d.fAvgMax};
        QCOMPARE(listed, (QVariantList{nId, when, "/dev/hidraw3", 255, "HL, HV, HB, HRC, HS, HRB, HRA",
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
        QTest::newRow("newer format, SQLite") << "sqlite" << newer << "newer version";
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
            QVERIFY(db.open() && QSqlQuery(db).exec(damage));
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
