// hardness-cli's pieces in-process: downloads that go wrong part-way, the progress bar, and the
// JSON numbers of records the demo groups do not hold.
#include "DeviceProtocol.h"
#include "HardnessCli.h"
#include "JsonExport.h"
#include "MeasureRecord.h"
#include "ProgressReporter.h"
#include "SimulatedInstrument.h"

#include <QtTest>

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// The program over one simulated bus, its streams kept in memory.
struct CliRun
{
    explicit CliRun(SimulatedInstrument& sim)
        : cli(sim, sim, {out, err, false})
    {
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
    }
    int run(const QString& words, const QStringList& extra = {})
    {
        return cli.run(QStringList{QStringLiteral("hardness-cli")} + words.split(QLatin1Char(' ')) + extra);
    }

    QBuffer out;
    QBuffer err;
    HardnessCli cli;
};

QByteArray fileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void fillRecord(MeasureRecord& rec, uint8_t nMaterial, uint8_t nUnit, uint8_t nProbe, uint8_t nAngle,
                std::initializer_list<float> values, float fAvg)
{
    rec.nMaterial = nMaterial;
    rec.nUnit = nUnit;
    rec.nProbe = nProbe;
    rec.nAngle = nAngle;
    rec.nTimes = static_cast<uint8_t>(values.size());
    rec.pValues = static_cast<float*>(std::malloc(std::max<size_t>(values.size(), 1) * sizeof(float)));
    std::copy(values.begin(), values.end(), rec.pValues);
    rec.fMin = rec.fMax = rec.fAvg = fAvg;
    rec.tDate = QDateTime(QDate(2022, 9, 8), QTime(0, 0)).toSecsSinceEpoch();
}

} // namespace

class TestCliParts : public QObject
{
    Q_OBJECT

private slots:
    // The device link ends a broken download with the unread records as zeros and the full
    // count; written out, they would pass for measurements. The program refuses them.
    void brokenTransfersWriteNothing()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("group.csv"));
        // Transfer 1 is the group-size write, 2 its read, 3 and 4 record 1's header, 5 and 6 its values.
        const std::pair<int, SimulatedInstrument::Fault> faults[] = {
            {2, SimulatedInstrument::Fault::Timeout},
            {6, SimulatedInstrument::Fault::Timeout},
            {11, SimulatedInstrument::Fault::WaitError},
            {2 + 4 * 4, SimulatedInstrument::Fault::WaitError},  // the last transfer of group 2
        };
        for (const auto& fault : faults) {
            for (const QString format : {"csv", "json"}) {
                QFile old(target);
                QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
                old.close();
                SimulatedInstrument sim;
                sim.resetToDemo();
                sim.injectFault(fault.first, fault.second);
                CliRun cli(sim);
                QCOMPARE(cli.run(QStringLiteral("download -g 2 -f ") + format, {QStringLiteral("-o"), target}),
                         int(kExitDeviceFailed));
                QVERIFY(cli.err.data().endsWith("hardness-cli: The transfer from the instrument failed; "
                                                "nothing was written.\n"));
                QCOMPARE(fileBytes(target), QByteArray("old\n"));
            }
        }
        // Without a fault the same download succeeds: the faults were what failed above.
        SimulatedInstrument sim;
        sim.resetToDemo();
        QCOMPARE(CliRun(sim).run(QStringLiteral("download -g 2 -o"), {target}), int(kExitData));
        QVERIFY(fileBytes(target).startsWith("\xEF\xBB\xBFNO,"));
    }

    void absentInstrument()
    {
        SimulatedInstrument sim;
        sim.addOtherDevice("sim:keyboard", 0x046d, 0xc31c);
        CliRun status(sim);
        QCOMPARE(status.run(QStringLiteral("status")), int(kExitDeviceFailed));
        QCOMPARE(status.out.data(), QByteArray("Device Disconnected\n"));
        CliRun download(sim);
        QCOMPARE(download.run(QStringLiteral("download -g 1")), int(kExitDeviceFailed));
        QCOMPARE(download.err.data(),
                 QByteArray("hardness-cli: No instrument found (USB vendor 0x0583, product 0x0066).\n"));
    }

    void progressBarOnTerminal()
    {
        QBuffer terminal;
        terminal.open(QIODevice::WriteOnly);
        ProgressReporter bar(terminal, true, 7);
        bar.report(kProgressMaximumFlag | 4);
        bar.report(2);
        const QByteArray half = "\rGroup 7 [" + QByteArray(15, '#') + QByteArray(15, '-') + "] 2/4";
        QVERIFY(terminal.data().endsWith(half));
        bar.endLine();  // a download that stops half-way still ends its line
        QVERIFY(terminal.data().endsWith(half + '\n'));
        for (int n : {kProgressMaximumFlag | 4, 1, 2, 3, 4})
            bar.report(n);
        bar.endLine();  // nothing more after a finished bar
        QVERIFY(terminal.data().endsWith("\rGroup 7 [" + QByteArray(30, '#') + "] 4/4\n"));
        QCOMPARE(terminal.data().count('\n'), 2);
    }

    void jsonRecordFields()
    {
        MeasureRecord* group = AllocGroup(3);
        fillRecord(group[0], 2, 3, 1, 4, {52.3f, 51.9f, 1234.5f}, 446.233337f);
        fillRecord(group[1], 12, 9, 8, 5, {}, 0.0f);
        fillRecord(group[2], 0, 0, 0, 0, {1234567.0f}, 1234567.0f);
        const QByteArray text = JsonDocument(group, 3, 6);
        FreeGroup(group, 3);

        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(text, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(root.value(QStringLiteral("group")).toInt(), 6);
        const QJsonArray records = root.value(QStringLiteral("records")).toArray();
        QCOMPARE(records.size(), 3);

        const QJsonObject first = records.at(0).toObject();
        QVERIFY(!text.contains("52.29999"));
        QCOMPARE(first.value(QStringLiteral("values")).toArray(), (QJsonArray{52.3, 51.9, 1234.5}));
        QCOMPARE(first.value(QStringLiteral("avg")).toDouble(), 446.233);  // six digits, as shown
        const QStringList texts = {first.value(QStringLiteral("material")).toString(),
                                   first.value(QStringLiteral("angle")).toString(),
                                   first.value(QStringLiteral("unit")).toString(),
                                   first.value(QStringLiteral("probe")).toString(),
                                   first.value(QStringLiteral("date")).toString()};
        QCOMPARE(texts, (QStringList{"Stainless Steel", "↑", "HRC", "DC", "2022-09-08"}));

        // A code outside the tables keeps its number.
        QCOMPARE(records.at(1).toObject().value(QStringLiteral("materialCode")).toInt(), 12);
        QCOMPARE(records.at(1).toObject().value(QStringLiteral("values")).toArray(), QJsonArray());

        // Beyond six digits the number is rounded as the CSV file rounds it, and stays a number.
        QCOMPARE(records.at(2).toObject().value(QStringLiteral("max")).toDouble(), 1234570.0);
    }
};

QTEST_GUILESS_MAIN(TestCliParts)
#include "test_cli_parts.moc"
