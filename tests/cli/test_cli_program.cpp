// The built hardness-cli run as a separate process on its own simulated instrument: output bytes
// and exit codes. That instrument holds the demo groups, so the expected documents come from a
// demo instrument of this process, read through the same device link.
#include "CHidDevice.h"
#include "CsvWriter.h"
#include "MeasureRecord.h"
#include "SimulatedInstrument.h"

#include <QtTest>

#include <sys/stat.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run
{
    int nExitCode = -1;
    QByteArray out;
    QByteArray err;
};

// words is split at blanks; file names go in whole through extra.
Run runCli(const QString& words, const QStringList& extra = {}, const QString& stdoutFile = {})
{
    QProcess process;
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    process.start(QStringLiteral(HARDNESS_CLI), words.split(QLatin1Char(' '), Qt::SkipEmptyParts) + extra);
    Run run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
        run.nExitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
    }
    return run;
}

QByteArray fileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool isOneErrorLine(const QByteArray& err)
{
    return err.startsWith("hardness-cli: ") && err.endsWith('\n') && err.count('\n') == 1;
}

// One demo group downloaded in this process through the window's device link.
struct ExpectedGroup
{
    explicit ExpectedGroup(int nGroupNumber)
    {
        sim.resetToDemo();
        CHidDevice device(sim);
        if (device.openByScan())
            nCount = device.collectGroup(nGroupNumber - 1);
        pRecords = device.takeRecords();
    }
    ~ExpectedGroup() { FreeGroup(pRecords, nCount); }

    SimulatedInstrument sim;
    MeasureRecord* pRecords = nullptr;
    int nCount = 0;
};

} // namespace

class TestCliProgram : public QObject
{
    Q_OBJECT

private slots:
    void csvIsTheWindowsExport()
    {
        QTemporaryDir dir;
        for (int nGroup : {1, 2, 4, 5}) {
            const ExpectedGroup expected(nGroup);
            QVERIFY(expected.nCount > 0);
            const Run toStdout = runCli(QStringLiteral("download --simulate --group %1").arg(nGroup));
            QCOMPARE(toStdout.nExitCode, 0);
            QCOMPARE(toStdout.out, CsvDocument(expected.pRecords, expected.nCount));
            // Not a terminal: plain progress lines, the last one for the last record.
            QVERIFY(toStdout.err.endsWith(QStringLiteral("Record %1 of %1\n").arg(expected.nCount).toUtf8()));

            // Into a file, replacing an older, longer one: what the window's "Save as CSV" writes.
            const QString windowFile = dir.filePath(QStringLiteral("window.csv"));
            const QString cliFile = dir.filePath(QStringLiteral("cli.csv"));
            QCOMPARE(SaveCsvFile(windowFile, expected.pRecords, expected.nCount), SaveResult::Saved);
            QVERIFY(writeFile(cliFile, QByteArray(4000, 'x')));
            const Run toFile = runCli(QStringLiteral("download --simulate -g %1 --output").arg(nGroup), {cliFile});
            QCOMPARE(toFile.nExitCode, 0);
            QVERIFY(toFile.out.isEmpty());
            QCOMPARE(fileBytes(cliFile), fileBytes(windowFile));
        }
    }

    void jsonCarriesTheShownNumbers()
    {
        QTemporaryDir dir;
        const QString jsonFile = dir.filePath(QStringLiteral("group.json"));
        for (int nGroup : {1, 2}) {
            const ExpectedGroup expected(nGroup);
            const std::vector<SimRecord> demo = SimulatedInstrument::demoGroup(nGroup);
            QCOMPARE(runCli(QStringLiteral("download --simulate -g %1 --format json -o").arg(nGroup), {jsonFile}).nExitCode, 0);
            const QByteArray text = fileBytes(jsonFile);

            QJsonParseError error;
            const QJsonObject root = QJsonDocument::fromJson(text, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            QCOMPARE(root.value(QStringLiteral("group")).toInt(), nGroup);
            const QJsonArray records = root.value(QStringLiteral("records")).toArray();
            QCOMPARE(records.size(), int(demo.size()));

            const QList<QByteArray> csvLines = CsvDocument(expected.pRecords, expected.nCount).split('\n');
            for (int i = 0; i < records.size(); ++i) {
                const QJsonObject rec = records.at(i).toObject();
                const SimRecord& raw = demo[size_t(i)];
                QCOMPARE(rec.value(QStringLiteral("unitCode")).toInt(), int(raw.nUnit));
                QCOMPARE(rec.value(QStringLiteral("probeCode")).toInt(), int(raw.nProbe));
                QCOMPARE(rec.value(QStringLiteral("date")).toString(),
                         QDate(2000 + raw.nYear, raw.nMonth, raw.nDay).toString(Qt::ISODate));

                // Whole units up to HB, tenths from HRC on: 523 tenths is exactly the double 52.3,
                // which the float widened to double (52.29999923706055) would not be.
                const double fDivisor = raw.nUnit >= 3 ? 10.0 : 1.0;
                QJsonArray values;
                for (uint16_t nRaw : raw.values)
                    values.append(nRaw / fDivisor);
                QCOMPARE(rec.value(QStringLiteral("values")).toArray(), values);

                // The statistics say what the CSV file says (No, ..., Min, Max, Avg, DateTime).
                const QList<QByteArray> fields = csvLines.at(i + 1).split(',');
                QCOMPARE(rec.value(QStringLiteral("min")).toDouble(), fields.at(7).toDouble());
                QCOMPARE(rec.value(QStringLiteral("max")).toDouble(), fields.at(8).toDouble());
                QCOMPARE(rec.value(QStringLiteral("avg")).toDouble(), fields.at(9).toDouble());
            }
        }
        // The same document on standard output.
        QCOMPARE(runCli(QStringLiteral("download --simulate -g 2 -f json")).out, fileBytes(jsonFile));
    }

    void emptyGroupWritesNothing()
    {
        QTemporaryDir dir;
        const QString oldFile = dir.filePath(QStringLiteral("old.csv"));
        QVERIFY(writeFile(oldFile, "kept\n"));
        for (const QString format : {"csv", "json"}) {
            const Run toStdout = runCli(QStringLiteral("download --simulate -g 3 -f ") + format);
            QCOMPARE(toStdout.nExitCode, 1);
            QVERIFY(toStdout.out.isEmpty());
            QVERIFY(toStdout.err.endsWith("\nhardness-cli: Group 3 holds no records.\n"));
            QCOMPARE(runCli(QStringLiteral("download --simulate -g 10 -f ") + format, {QStringLiteral("-o"), oldFile}).nExitCode, 1);
        }
        QCOMPARE(fileBytes(oldFile), QByteArray("kept\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.csv")});
    }

    void usageErrorsExit64WithOneLine()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("never.csv"));
        for (const char* line : {"download --simulate -g 1 --colour", "download --simulate --group 0",
                                 "download --simulate --group 11", "download --simulate --group two",
                                 "download --simulate", "download --simulate -g 1 --format xml",
                                 "download --simulate -g 1 extra", "status --simulate --group 1",
                                 "upload --simulate", "--simulate"}) {
            const Run run = runCli(QLatin1String(line), {QStringLiteral("-o"), target});
            QVERIFY2(run.nExitCode == 64, line);
            QVERIFY2(isOneErrorLine(run.err), (line + (" -> " + run.err)).constData());
            QVERIFY2(run.out.isEmpty(), line);
        }
        QVERIFY(!QFile::exists(target));
        QVERIFY(runCli(QStringLiteral("download -g 0")).err.contains("'0'"));
        QVERIFY(runCli(QStringLiteral("--colour")).err.contains("'colour'"));
    }

    void unwritableOutputLeavesNothing()
    {
        QTemporaryDir dir;
        // A pipe (or a device) is never swapped for a plain file.
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString format : {"csv", "json"}) {
            for (const QString& target : {dir.filePath(QStringLiteral("missing/group.csv")), dir.path(), pipe}) {
                const Run run = runCli(QStringLiteral("download --simulate -g 1 -f ") + format, {QStringLiteral("-o"), target});
                QCOMPARE(run.nExitCode, 73);
                QVERIFY2(isOneErrorLine(run.err) && run.err.contains(target.toUtf8()), run.err.constData());
                QVERIFY(run.out.isEmpty());
            }
        }
        // No temporary file left behind, no folder made, the pipe still a pipe.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{QStringLiteral("pipe")});
        QVERIFY(!QFileInfo(pipe).isFile());

#ifdef Q_OS_LINUX
        // A standard output that takes nothing is an error, not a silent success.
        const Run full = runCli(QStringLiteral("download --simulate -g 2"), {}, QStringLiteral("/dev/full"));
        QCOMPARE(full.nExitCode, 73);
        QVERIFY(full.err.endsWith("\nhardness-cli: Cannot write to standard output.\n"));
#endif
    }

    void statusHelpAndVersion()
    {
        const Run status = runCli(QStringLiteral("status --simulate"));
        QCOMPARE(status.nExitCode, 0);
        QCOMPARE(status.out, QByteArray("Device Connected: ") + SimulatedInstrument::kDemoPath + '\n');

        const Run help = runCli(QStringLiteral("--help"));
        QCOMPARE(help.nExitCode, 0);
        QVERIFY(help.out.contains("--group <N>") && help.out.contains("status|download"));
        QCOMPARE(runCli(QStringLiteral("download --version")).out, QByteArray("hardness-cli " HARDNESS_VERSION "\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliProgram)
#include "test_cli_program.moc"
