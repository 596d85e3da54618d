// hardness-cli and the archive: every download kept once, listed, and exported byte for byte.
#include "Files.h"

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

} // namespace

class TestCliArchive : public QObject
{
    Q_OBJECT

private slots:
    void downloadListExportRoundTrip()
    {
        QTemporaryDir dir;
        const QStringList archive{"--archive", dir.filePath("lab.sqlite")};
        auto download = [&](const QString& group, const QStringList& more = {}) {
            return cli(QStringList{"download", "--simulate", "-g", group} + more + archive);
        };
        const Result csv = download("1"), json = download("2", {"-f", "json"});
        QVERIFY(csv.nExitCode == 0 && json.nExitCode == 0);
        QCOMPARE(download("1").nExitCode, 0);  // kept once
        QCOMPARE(download("4", {"--no-archive"}).nExitCode, 0);

        const Result list = cli(QStringList{"archive", "list", "--format", "json"} + archive);
        const QJsonArray downloads = QJsonDocument::fromJson(list.out).object().value("downloads").toArray();
        QCOMPARE(downloads.size(), 2);
        QCOMPARE(downloads.at(0).toObject().value("group").toInt(), 2);  // newest first
        QCOMPARE(cli(QStringList{"archive", "list"} + archive).out.count('\n'), 3);  // heading and two lines
        QCOMPARE(cli(QStringList{"archive", "export", "2", "--format", "json"} + archive).out, json.out);
        const QString exported = dir.filePath("1.csv");
        QCOMPARE(cli(QStringList{"archive", "export", "1", "-o", exported} + archive).nExitCode, 0);
        QCOMPARE(fileBytes(exported), csv.out);
    }

    // An archive that cannot be used: one line, exit code 74, no output.
    void archiveTroubleIsExit74()
    {
        QTemporaryDir dir;
        const QString notArchive = dir.filePath("notes.txt"), output = dir.filePath("out.csv");
        QVERIFY(writeFile(notArchive, "NO,Material\n"));
        const QStringList commands[] = {{"download", "--simulate", "-g", "1", "-o", output},
                                        {"archive", "list"}, {"archive", "export", "1"}};
        for (const QStringList& command : commands) {
            const Result run = cli(command + QStringList{"--archive", notArchive});
            QCOMPARE(run.nExitCode, 74);
            QCOMPARE(run.err.count('\n'), 1);
            QVERIFY2(run.err.startsWith("hardness-cli: Archive "), run.err.constData());
            QVERIFY(run.out.isEmpty() && !QFile::exists(output));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliArchive)
#include "test_cli_archive.moc"
