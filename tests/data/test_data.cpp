#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QtTest>
#include <QTranslator>

#include <array>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

using Reply = std::array<uint8_t, 256>;

Reply headerReply(uint8_t material, uint8_t unit, uint8_t year, uint8_t month, uint8_t day,
                  uint8_t probe, uint8_t angle, uint8_t times)
{
    Reply r{};
    r[4] = material; r[5] = unit; r[6] = year; r[7] = month; r[8] = day;
    r[9] = probe; r[10] = angle; r[11] = times;
    return r;
}

Reply valuesReply(const std::vector<uint16_t>& raw)
{
    Reply r{};
    for (size_t k = 0; k < raw.size(); ++k) {
        r[1 + 2 * k] = raw[k] & 0xFF;
        r[2 + 2 * k] = raw[k] >> 8;
    }
    return r;
}

// A record filled the way a download fills it, from 65-byte replies.
MeasureRecord readRecord(uint8_t unit, const std::vector<uint16_t>& raw, int valuesReceived = 65)
{
    MeasureRecord rec{};
    const Reply header = headerReply(1, unit, 22, 9, 8, 0, 2, uint8_t(raw.size()));
    FillRecordHeader(rec, header.data(), 65);
    const Reply values = valuesReply(raw);
    FillRecordValues(rec, values.data(), valuesReceived);
    return rec;
}

// Replaces the material names and headings so that a loaded catalogue can be seen.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QByteArray(context) == "MyTranslate" ? QStringLiteral("<%1>").arg(source) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestData : public QObject
{
    Q_OBJECT

private slots:
    void scalesRawValuesByUnit()
    {
        MeasureRecord hl = readRecord(0, {523});
        QCOMPARE(hl.pValues[0], 523.0f);
        MeasureRecord hrc = readRecord(3, {523, 519, 530});
        QVERIFY(hrc.pValues[0] == float(523 * 0.1));  // scaled in double, then rounded once
        QCOMPARE(FormatValue(hrc.pValues[0]), QStringLiteral("52.3"));
        QCOMPARE(FormatValue(hrc.pValues[2]), QStringLiteral("53"));
        // Every code from 3 up, also unknown ones, is carried in tenths.
        MeasureRecord unknown = readRecord(200, {1234});
        QVERIFY(unknown.pValues[0] == float(1234 * 0.1));
        // Little-endian 16-bit values: 0x020B = 523, 0x0207 = 519.
        MeasureRecord wire{};
        wire.nUnit = 3; wire.nTimes = 2;
        const uint8_t reply[] = {0, 0x0B, 0x02, 0x07, 0x02};
        FillRecordValues(wire, reply, sizeof reply);
        QVERIFY(wire.pValues[0] == float(52.3));
        QVERIFY(wire.pValues[1] == float(51.9));
        for (MeasureRecord* rec : {&hl, &hrc, &unknown, &wire})
            std::free(rec->pValues);
    }

    void computesStatistics()
    {
        MeasureRecord hb = readRecord(2, {200, 210});
        QCOMPARE(hb.fMin, 200.0f);
        QCOMPARE(hb.fMax, 210.0f);
        QCOMPARE(hb.fAvg, 205.0f);

        MeasureRecord hrc = readRecord(3, {523, 519, 530});
        QCOMPARE(hrc.fMin, float(51.9));
        QCOMPARE(hrc.fMax, float(53.0));
        QVERIFY(hrc.fAvg == 52.4f);  // a float sum would give 52.3999977

        // The minimum and maximum come from anywhere in the series, not only the ends.
        MeasureRecord spread = readRecord(0, {5, 3, 9});
        QCOMPARE(spread.fMin, 3.0f);
        QCOMPARE(spread.fMax, 9.0f);
        MeasureRecord falling = readRecord(0, {9, 5, 3});
        QCOMPARE(falling.fMin, 3.0f);
        QCOMPARE(falling.fMax, 9.0f);

        MeasureRecord equal = readRecord(4, {777, 777, 777, 777});
        QCOMPARE(equal.fMin, equal.fMax);
        QCOMPARE(equal.fAvg, equal.fMin);
        QVERIFY(equal.fAvg == float(777 * 0.1));
        for (MeasureRecord* rec : {&hb, &hrc, &spread, &falling, &equal})
            std::free(rec->pValues);
    }

    void readsHeaderFieldsAndDate()
    {
        const Reply header = headerReply(9, 6, 22, 9, 8, 5, 3, 0);
        MeasureRecord rec{};
        FillRecordHeader(rec, header.data(), 65);
        QCOMPARE(int(rec.nMaterial), 9);
        QCOMPARE(int(rec.nUnit), 6);
        QCOMPARE(int(rec.nProbe), 5);
        QCOMPARE(int(rec.nAngle), 3);

        // A short header reply: the bytes it did not carry read as 0.
        MeasureRecord shortRec{};
        FillRecordHeader(shortRec, header.data(), 5);
        QCOMPARE(int(shortRec.nUnit), 0);
        QCOMPARE(int(shortRec.nMaterial), 9);
        QCOMPARE(int(shortRec.nTimes), 0);
    }

    void datesKeepTheirCalendarDayInAnyZone()
    {
        const QByteArray savedZone = qgetenv("TZ");
        auto dateOf = [](uint8_t year, uint8_t month, uint8_t day) {
            MeasureRecord rec{};
            const Reply header = headerReply(0, 0, year, month, day, 0, 0, 0);
            FillRecordHeader(rec, header.data(), 65);
            return FormatDate(rec.tDate);
        };
        // East and west of Greenwich, south of the equator, and Irish time, whose winter time
        // counts as its daylight-saving side.
        for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Sydney", "Europe/Dublin", "UTC"}) {
            qputenv("TZ", zone);
            tzset();
            QCOMPARE(dateOf(22, 9, 8), QStringLiteral("2022/09/08"));
            QCOMPARE(dateOf(22, 1, 15), QStringLiteral("2022/01/15"));
            QCOMPARE(dateOf(23, 3, 26), QStringLiteral("2023/03/26"));  // Europe's spring change
            // Month 0 normalises to December of the year before, as mktime does.
            QCOMPARE(dateOf(23, 0, 15), QStringLiteral("2022/12/15"));
        }
        qputenv("TZ", savedZone);
        tzset();
    }

    void textsOfCodes()
    {
        QCOMPARE(ProbeText(0), QStringLiteral("D"));
        QCOMPARE(ProbeText(7), QStringLiteral("NO"));
        QCOMPARE(ProbeText(8), QStringLiteral("8"));
        QCOMPARE(DirectionText(0), QString::fromUtf8("\u2193"));
        QCOMPARE(DirectionText(1), QString::fromUtf8("\u2198"));
        QCOMPARE(DirectionText(3), QString::fromUtf8("\u2197"));
        QCOMPARE(DirectionText(4), QString::fromUtf8("\u2191"));
        QCOMPARE(DirectionText(5), QStringLiteral("5"));
        QCOMPARE(ScaleText(3), QStringLiteral("HRC"));
        QCOMPARE(ScaleText(7), QString());
        QCOMPARE(MaterialText(9, QString()), QStringLiteral("Forged Steel"));
        QCOMPARE(MaterialText(10, QString()), QString());
        QCOMPARE(MaterialText(10, QStringLiteral("x")), QStringLiteral("x"));
        QCOMPARE(HeadingText(9, QString()), QStringLiteral("DateTime"));
        QCOMPARE(HeadingText(10, QString()), QString());

        // An all-zero record, as a failed header leaves it.
        MeasureRecord zero{};
        QCOMPARE(MaterialText(zero.nMaterial, QString()), QStringLiteral("Steel and Cast Steel"));
        QCOMPARE(DirectionText(zero.nAngle), QString::fromUtf8("\u2193"));
        QCOMPARE(ScaleText(zero.nUnit), QStringLiteral("HL"));
        QCOMPARE(ProbeText(zero.nProbe), QStringLiteral("D"));
        QCOMPARE(FormatInteger(zero.nTimes), QStringLiteral("0"));
        QCOMPARE(ValuesText(zero), QString());
        QCOMPARE(FormatValue(zero.fAvg), QStringLiteral("0"));
        const QString epoch = FormatDate(zero.tDate);
        QVERIFY2(epoch == "1970/01/01" || epoch == "1969/12/31", qPrintable(epoch));
    }

    void translationChangesOnlyMaterialsAndHeadings()
    {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(MaterialText(2, QString()), QStringLiteral("<Stainless Steel>"));
        QCOMPARE(HeadingText(0, QString()), QStringLiteral("<Material>"));
        QCOMPARE(ProbeText(1), QStringLiteral("DC"));
        QCOMPARE(ScaleText(1), QStringLiteral("HV"));
        QCOMPARE(DirectionText(2), QString::fromUtf8("\u2192"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(MaterialText(2, QString()), QStringLiteral("Stainless Steel"));
    }

    void formatsNumbers()
    {
        QCOMPARE(FormatValue(1234.5), QStringLiteral("1234.5"));
        QCOMPARE(FormatValue(1234.5678), QStringLiteral("1234.57"));
        QCOMPARE(FormatValue(double(52.3f)), QStringLiteral("52.3"));
        QCOMPARE(FormatValue(205.0), QStringLiteral("205"));
        QCOMPARE(FormatValue(1234567.0), QStringLiteral("1.23457e+06"));
        QCOMPARE(FormatInteger(-12), QStringLiteral("-12"));
        MeasureRecord rec{};
        float values[] = {498.0f, 512.5f, 505.25f};
        rec.nTimes = 3;
        rec.pValues = values;
        QCOMPARE(ValuesText(rec), QStringLiteral("498;512.5;505.25;"));
    }

    void freesGroupsAndTheStore()
    {
        MeasureRecord* group = AllocGroup(3);
        QVERIFY(group);
        QCOMPARE(group[1].pValues, nullptr);
        QCOMPARE(group[2].tDate, int64_t(0));
        group[0].pValues = static_cast<float*>(std::malloc(4 * sizeof(float)));
        group[2].pValues = static_cast<float*>(std::malloc(sizeof(float)));
        CurrentGroup.pRecords = group;
        CurrentGroup.nCount = 3;
        FreeGroup(nullptr, -1);  // a negative count: the store itself
        QCOMPARE(CurrentGroup.nCount, 0);
        QCOMPARE(CurrentGroup.pRecords, nullptr);

        QCOMPARE(AllocGroup(0), nullptr);
        FreeGroup(nullptr, 5);  // a null array is skipped
        FreeGroup(nullptr, -1); // an empty store is fine too
        QCOMPARE(CurrentGroup.nCount, 0);
        // AddressSanitizer reports a double free or a leak here if FreeGroup is wrong.
    }

    void recordWithoutValues()
    {
        MeasureRecord rec = readRecord(3, {});
        QCOMPARE(int(rec.nTimes), 0);
        QCOMPARE(rec.pValues, nullptr);
        QCOMPARE(rec.fMin, 0.0f);
        QCOMPARE(rec.fMax, 0.0f);
        QCOMPARE(rec.fAvg, 0.0f);
        QCOMPARE(ValuesText(rec), QString());
    }

    void keepsOnlyValuesTheReplyCarried()
    {
        // 40 values announced, but a 65-byte report carries 32.
        std::vector<uint16_t> raw(40);
        for (size_t k = 0; k < raw.size(); ++k)
            raw[k] = uint16_t(100 + k);
        MeasureRecord full = readRecord(0, raw, 65);
        QCOMPARE(int(full.nTimes), 32);
        QCOMPARE(full.pValues[31], 131.0f);
        QCOMPARE(full.fMax, 131.0f);
        QCOMPARE(full.fAvg, float((100 + 131) / 2.0));
        std::free(full.pValues);

        // A short reply of 6 bytes carries values 0 and 1; the half value at bytes 5..6 is dropped.
        MeasureRecord cut = readRecord(0, {10, 20, 30}, 6);
        QCOMPARE(int(cut.nTimes), 2);
        QCOMPARE(cut.fMax, 20.0f);
        std::free(cut.pValues);

        // A reply claiming more than the 256-byte buffer is never read past it.
        MeasureRecord big{};
        big.nTimes = 255;
        Reply buffer = valuesReply(std::vector<uint16_t>(127, 7));
        FillRecordValues(big, buffer.data(), 4096);
        QCOMPARE(int(big.nTimes), 127);
        QCOMPARE(big.fAvg, 7.0f);
        std::free(big.pValues);
    }

    void failedValuesExchangeLeavesNoValues()
    {
        MeasureRecord rec{};
        const Reply header = headerReply(2, 3, 22, 9, 8, 1, 0, 5);
        FillRecordHeader(rec, header.data(), 65);
        FillRecordValues(rec, nullptr, -1);
        QCOMPARE(int(rec.nTimes), 0);
        QCOMPARE(rec.pValues, nullptr);
        QCOMPARE(rec.fAvg, 0.0f);
        QCOMPARE(int(rec.nMaterial), 2);
        QCOMPARE(int(rec.nUnit), 3);
        QCOMPARE(FormatDate(rec.tDate), QStringLiteral("2022/09/08"));
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
