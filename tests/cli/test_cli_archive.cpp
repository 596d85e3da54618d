// hardness-cli and the archive: every download kept once, listed, and exported byte for byte.
#include <QtTest>

namespace {

struct Result { int nExitCode = -1; QByteArray out, err; };

Result cli(const QStringList& arguments)
{
    QProcess process;
    process.start(HARDNESS_CLI, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QJsonArray listed(const QStringList& archiveArguments)
{
    const Result list = cli(QStringList{"archive", "list", "--format", "json"} + archiveArguments);
    return QJsonDocument::fromJson(list.out).object().value("downloads").toArray();
}

} // namespace

class TestCliArchive : public QObject
{
    Q_OBJECT

private slots:
    void downloadListExportRoundTrip()
    {
        QTemporaryDir dir;
        const QStringList archive{"--archive", dir.filePath("lab.sqlite")};
        const Result csv = cli(QStringList{"download", "--simulate", "-g", "1"} + archive);
        const Result json = cli(QStringList{"download", "--simulate", "-g", "2", "-f", "json"} + archive);
        QVERIFY(csv.nExitCode == 0 && json.nExitCode == 0);
        const Result again = cli(QStringList{"download", "--simulate", "-g", "1", "-o", dir.filePath("a.csv")} + archive);
        QCOMPARE(again.nExitCode, 0);
        QVERIFY(again.err.endsWith("hardness-cli: Group 1 is already in the archive as download 1; not stored again.\n"));
        QCOMPARE(cli(QStringList{"download", "--simulate", "-g", "4", "--no-archive"} + archive).nExitCode, 0);

        const QJsonArray downloads = listed(archive);
        QCOMPARE(downloads.size(), 2);
        QCOMPARE(downloads.at(0).toObject().value("group").toInt(), 2);  // newest first
        QCOMPARE(downloads.at(1).toObject().value("records").toInt(), 9);
        QCOMPARE(cli(QStringList{"archive", "list"} + archive).out.count('\n'), 3);  // heading and two lines

        QCOMPARE(cli(QStringList{"archive", "export", "1"} + archive).out, csv.out);
        QCOMPARE(cli(QStringList{"archive", "export", "2", "--format", "json"} + archive).out, json.out);
        QCOMPARE(cli(QStringList{"archive", "export", "1", "-o", dir.filePath("b.csv")} + archive).nExitCode, 0);
        QFile a(dir.filePath("a.csv")), b(dir.filePath("b.csv"));
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
    }

    // An archive that cannot be used: one line, exit code 74, the file left as it was.
    void archiveTroubleIsExit74()
    {
        QTemporaryDir dir;
        const QString notArchive = dir.filePath("notes.txt"), output = dir.filePath("out.csv");
        QFile file(notArchive);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("NO,Material\n") > 0);
        file.close();
        for (const QStringList& arguments : {QStringList{"download", "--simulate", "-g", "1", "-o", output},
                                             QStringList{"archive", "list"}, QStringList{"archive", "export", "1"}}) {
            const Result run = cli(arguments + QStringList{"--archive", notArchive});
            QCOMPARE(run.nExitCode, 74);
            QVERIFY2(run.err.startsWith("hardness-cli: Archive ") && run.err.count('\n') == 1, run.err.constData());
            QVERIFY(run.out.isEmpty() && !QFile::exists(output));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("NO,Material\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliArchive)
#include "test_cli_archive.moc"
