// hardness-cli: the built program run as a separate process on its own simulated instrument (output
// bytes and exit codes), and its pieces in-process on an instrument the test controls.
#include "CHidDevice.h"
#include "CsvWriter.h"
#include "DeviceProtocol.h"
#include "HardnessCli.h"
#include "JsonExport.h"
#include "ProgressReporter.h"
#include "SimulatedInstrument.h"
#include "ToleranceLimits.h"

#include <QtTest>
#include <sys/stat.h>

#include "Files.h"
#include "SampleGroup.h"

namespace {

using Fault = SimulatedInstrument::Fault;
struct Run { int nExitCode = -1; QByteArray out, err; };

// words is split at blanks; file names go in whole through extra.
Run runCli(const QString& words, const QStringList& extra = {}, const QString& stdoutFile = {})
{
    QProcess process;
    process.setStandardOutputFile(stdoutFile);  // none: kept in the pipe
    process.start(HARDNESS_CLI, words.split(' ', Qt::SkipEmptyParts) + extra);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The program in-process over one simulated bus, its streams kept in memory.
Run runInProcess(SimulatedInstrument& sim, const QString& words, const QStringList& extra = {})
{
    Run run;
    QBuffer out(&run.out), err(&run.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    run.nExitCode = HardnessCli(sim, sim, {out, err, false}).run(QStringList{"hardness-cli"} + words.split(' ') + extra);
    return run;
}

bool isOneErrorLine(const QByteArray& err)
{
    return err.startsWith("hardness-cli: ") && err.endsWith('\n') && err.count('\n') == 1;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void writesTheWindowsBytes()
    {
        QTemporaryDir dir;
        const QString cliFile = dir.filePath("cli.csv");
        SimulatedInstrument sim;  // demo group 2 (long series), downloaded through the window's device link
        sim.resetToDemo();
        CHidDevice device(sim);
        QVERIFY(device.openByScan());
        const int nCount = device.collectGroup(1).nReceived;
        const MeasureRecord* pRecords = device.records();
        const QByteArray csv = CsvDocument(pRecords, nCount), json = JsonDocument(pRecords, nCount, 2, {}),
                         judged = JsonDocument(pRecords, nCount, 2, ToleranceLimits::fromText("HL=700:"));  // record 4 fails

        const Run toStdout = runCli("download --simulate --group 2");
        QVERIFY(toStdout.nExitCode == 0 && toStdout.out == csv && runCli("download --simulate -g 2 -o -").out == csv);
        // Not a terminal: plain progress lines, the last one for the last record.
        QVERIFY(toStdout.err.endsWith(QString("Record %1 of %1\n").arg(nCount).toUtf8()));
        // /dev/stdout leads to the file a shell appends to: replaced, that would lose its lines.
        QCOMPARE(runCli("download --simulate -g 2 -o /dev/stdout", {}, cliFile).nExitCode, int(kExitOutputFailed));
        // Into a file, replacing an older, longer one: what the window's "Save as CSV" writes.
        QVERIFY(writeFile(cliFile, QByteArray(4000, 'x')));
        const Run toFile = runCli("download --simulate -g 2 --output", {cliFile});
        QVERIFY(toFile.nExitCode == 0 && toFile.out.isEmpty() && fileBytes(cliFile) == csv);
        QCOMPARE(runCli("download --simulate -g 2 --format json -o", {cliFile}).nExitCode, 0);
        QCOMPARE(fileBytes(cliFile), json);
        // A rejected part is no program error; the CSV file stays as it was without limits.
        const Run rejected = runCli("download --simulate -g 2 --limits HL=700: --fail-on-reject");
        QVERIFY(rejected.nExitCode == kExitRejected && rejected.out == csv);
        QVERIFY(rejected.err.endsWith("hardness-cli: 1 of 2 records outside \u2265 700 HL.\n"));
        const Run passed = runCli("download --simulate -g 2 -f json --limits HB=100:200 --limits HL=700: --limits HL=300: --fail-on-reject");
        QVERIFY(passed.nExitCode == 0 && passed.out != judged);
        QCOMPARE(runCli("download --simulate -g 2 --limits HL=700: --format json").out, judged);
        // Limits for no scale of the group judge nothing, and that is no pass.
        QCOMPARE(runCli("download --simulate -g 2 --limits HRC=58:62 --fail-on-reject").nExitCode, int(kExitRejected));
    }

    void jsonRecordFields()
    {
        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {2, 3, 4, 1}, {523, 519, 12345});  // Stainless Steel, HRC, up, DC
        sample::fillRecord(group[1], {12, 9, 5, 8}, {});                // codes beyond the tables
        sample::fillRecord(group[2], {0, 3}, {653, 662});
        group[2].fMax = 1234567.0f;
        const QByteArray document = JsonDocument(CurrentGroup.pRecords, 3, 6, ToleranceLimits::fromText("HRC=50:60"));
        const QJsonObject root = QJsonDocument::fromJson(document).object();
        const QJsonArray records = root.value("records").toArray();
        QVERIFY(root.value("group").toInt() == 6 && records.size() == 3);
        // The average with six digits, as shown; tenths as exact decimals (52.3, not the float's
        // 52.29999923706055); the verdict on the mean, the outlier counted.
        QCOMPARE(QJsonDocument(records.at(0).toObject()).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"angle":"↑","angleCode":4,"avg":446.233,"cv":152.983,"date":"2022-09-08",)"
                            R"("material":"Stainless Steel","materialCode":2,"max":1234.5,"min":51.9,)"
                            R"("no":1,"outside":1,"probe":"DC","probeCode":1,"range":1182.6,"sd":682.659,"times":3,)"
                            R"("unit":"HRC","unitCode":3,"values":[52.3,51.9,1234.5],"verdict":"fail"})"));
        // A record without values has no spread, is not judged and leaves the group's mean alone.
        QCOMPARE(QJsonDocument(root.value("summary").toObject()).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"failed":2,"judged":2,"mean":255.992,"records":3,"sd":269.042,"verdict":"fail"})"));
        QVERIFY(records.at(1).toObject().value("sd").isNull() && !records.at(1).toObject().contains("verdict"));
        // The spread of the values as shown: the floats of 65.3 and 66.2 are 0.899994 apart.
        QVERIFY(records.at(2)["range"] == 0.9 && records.at(2)["sd"] == 0.636396);
        // Beyond six digits, rounded as in the CSV file.
        QCOMPARE(records.at(2).toObject().value("max").toDouble(), 1234570.0);
    }

    // Nothing is written when the command line is wrong, the group is empty or the output cannot
    // be written. {dir} holds old.csv and a pipe.
    void exitCodes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("error");  // how standard error ends; empty: one error line
        for (const char* line : {"-g 1 --colour", "--group 0", "--group 11", "--group two", "", "-g 1 --format xml",
                                 "-g 1 extra", "-g 1 -o {dir}/never.csv extra", "-g 1 --limits 62:58",
                                 "-g 1 --limits HRX=1: -o {dir}/old.csv", "-g 1 --fail-on-reject"})
            QTest::newRow(line) << QString("download --simulate %1").arg(line) << 64 << QByteArray();
        for (const char* line : {"status --simulate --group 1", "upload --simulate", "--simulate", "status --limits 1:2"})
            QTest::newRow(line) << QString(line) << 64 << QByteArray();
        QTest::newRow("empty group") << "download --simulate -g 3 -f json -o {dir}/old.csv" << 1
                                     << QByteArray("hardness-cli: Group 3 holds no records.\n");
        for (const char* target : {"{dir}/missing/group.csv", "{dir}", "{dir}/pipe", "{dir}/pipe -f json"})
            QTest::newRow(target) << QString("download --simulate -g 1 -o %1").arg(target) << 73 << QByteArray();
        for (const char* line : {"download --simulate -g 2 > /dev/full", "status --simulate > /dev/full"})
            QTest::newRow(line) << line << 73 << QByteArray("hardness-cli: Cannot write to standard output.\n");
    }

    void exitCodes()
    {
        QFETCH(QString, line);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, error);
        QTemporaryDir dir;
        const QString pipe = dir.filePath("pipe");
        QVERIFY(writeFile(dir.filePath("old.csv"), "kept\n"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QStringList redirect = line.split(" > ");
        const Run run = runCli(QString(redirect[0]).replace("{dir}", dir.path()), {}, redirect.value(1));
        QCOMPARE(run.nExitCode, exitCode);
        QVERIFY2(run.out.isEmpty() && (error.isEmpty() ? isOneErrorLine(run.err) : run.err.endsWith(error)), run.err.constData());
        // The old file as it was, no temporary file left behind, no folder made, the pipe still a pipe.
        QCOMPARE(fileBytes(dir.filePath("old.csv")), QByteArray("kept\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
                 (QStringList{"old.csv", "pipe"}));
        QVERIFY(!QFileInfo(pipe).isFile());
    }

    // An absent instrument or an incomplete download writes nothing, as the window keeps nothing.
    void absentOrFailingInstrumentExits2()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("group.csv");
        // Group 2 has 4 records: transfers 1 and 2 ask its size, then 2 for each header and 2 for
        // each values; 8 reads the header of record 2.
        const std::tuple<int, const char*, QByteArray> cuts[] = {
            {2, "csv", "The transfer from the instrument failed; nothing was written.\n"},
            {8, "json", "The instrument was lost after 1 of 4 records; nothing was written.\n"},
        };
        for (const auto& [nTransfer, format, text] : cuts) {
            QVERIFY(writeFile(target, "old\n"));
            SimulatedInstrument sim;
            sim.resetToDemo();
            sim.injectFault(nTransfer, Fault::Timeout);
            const Run run = runInProcess(sim, QStringLiteral("download -g 2 -f ") + format, {"-o", target});
            QCOMPARE(run.nExitCode, int(kExitDeviceFailed));
            QVERIFY2(run.err.endsWith("hardness-cli: " + text), run.err.constData());
            QCOMPARE(fileBytes(target), QByteArray("old\n"));
        }
        SimulatedInstrument absent;
        absent.addOtherDevice("sim:keyboard", 0x046d, 0xc31c);
        const Run status = runInProcess(absent, "status"), download = runInProcess(absent, "download -g 1");
        QVERIFY(status.nExitCode == kExitDeviceFailed && download.nExitCode == kExitDeviceFailed);
        QCOMPARE(status.out, QByteArray("Device Disconnected\n"));
        QCOMPARE(download.err, QByteArray("hardness-cli: No instrument found (USB vendor 0x0583, product 0x0066).\n"));
    }

    // A download that stops half-way still ends its line; nothing more after a finished bar.
    void progressBarOnTerminal()
    {
        QBuffer terminal;
        terminal.open(QIODevice::WriteOnly);
        ProgressReporter bar(terminal, true, 7);
        for (int n : {kProgressMaximumFlag | 4, 2, -1, kProgressMaximumFlag | 4, 1, 2, 3, 4, -1})
            n < 0 ? bar.endLine() : bar.report(n);
        const QByteArrayList lines = terminal.data().split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].endsWith("\rGroup 7 [" + QByteArray(15, '#') + QByteArray(15, '-') + "] 2/4"));
        QVERIFY(lines[1].endsWith("\rGroup 7 [" + QByteArray(30, '#') + "] 4/4"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
