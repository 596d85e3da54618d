#include "MeasureRecord.h"
#include "ValueTexts.h"
#include "SampleGroup.h"

#include <QtTest>

#include <ctime>

class TestData : public QObject
{
    Q_OBJECT

private slots:
    // Whole units up to HB, tenths (scaled in double, rounded to float once) from HRC on, also for
    // unknown codes; statistics summed in double. Only values the reply carried are kept.
    void decodesValues()
    {
        const struct { const char* name; uint8_t nUnit; std::vector<uint16_t> raw; int nBytes, nTimes; double first, min, max, avg; } cases[] = {
            {"HB whole", 2, {200, 210}, 65, 2, 200, 200, 210, 205},
            {"HRC tenths, float nearest 52.4", 3, {523, 519, 530}, 65, 3, 52.3, 51.9, 53, 52.4},
            {"unknown unit in tenths", 200, {1234}, 65, 1, 123.4, 123.4, 123.4, 123.4},
            {"max first, min last", 1, {9, 5, 3}, 65, 3, 9, 3, 9, 17 / 3.0},
            {"no values", 0, {}, 65, 0, 0, 0, 0, 0},
            {"40 announced, 32 in a 65-byte report", 0, sample::rising(100, 40), 65, 32, 100, 100, 131, 115.5},
            {"half a value at bytes 5..6 dropped", 0, {10, 20, 30}, 6, 2, 10, 10, 20, 15},
            {"never past the 256-byte buffer", 0, std::vector<uint16_t>(255, 7), 4096, 127, 7, 7, 7, 7},
            {"failed values exchange", 0, {523, 519}, -1, 0, 0, 0, 0, 0},
        };
        for (const auto& c : cases) {
            sample::InstalledGroup group(1);  // frees the values
            const MeasureRecord& rec = group[0];
            sample::fillRecord(group[0], {0, c.nUnit}, c.raw, c.nBytes);
            QVERIFY2(rec.nTimes == c.nTimes && (rec.pValues != nullptr) == (c.nTimes > 0)
                         && (!rec.pValues || rec.pValues[0] == float(c.first)) && rec.fMin == float(c.min)
                         && rec.fMax == float(c.max) && rec.fAvg == float(c.avg), c.name);
        }
        // A 5-byte header reply: the bytes it did not carry read as 0.
        MeasureRecord cut{};
        sample::fillRecord(cut, sample::Header{9, 6, 3, 5}, {1, 2}, 65, 5);
        QVERIFY(cut.nMaterial == 9 && cut.nUnit == 0 && cut.nTimes == 0 && cut.nProbe == 0);
    }

    void datesKeepTheirCalendarDayInAnyZone()
    {
        const QByteArray savedZone = qgetenv("TZ");
        auto dateOf = [](uint8_t year, uint8_t month, uint8_t day) {
            MeasureRecord rec{};
            sample::fillRecord(rec, sample::Header{0, 0, 0, 0, year, month, day}, {});
            return FormatDate(rec.tDate);
        };
        // East and west of Greenwich, south of the equator, and Irish time, whose winter time
        // counts as its daylight-saving side.
        for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Sydney", "Europe/Dublin", "UTC"}) {
            qputenv("TZ", zone);
            tzset();
            const QStringList dates{dateOf(22, 9, 8), dateOf(22, 1, 15), dateOf(23, 3, 26), dateOf(23, 0, 15)};
            // Europe's spring change; month 0 normalised, as mktime does.
            QCOMPARE(dates, QStringList({"2022/09/08", "2022/01/15", "2023/03/26", "2022/12/15"}));
        }
        qputenv("TZ", savedZone);
        tzset();
    }

    // The last code of each table and the first beyond the headings (the first codes and those
    // beyond the other tables are the CSV test's); numbers with six significant digits.
    void valueTexts()
    {
        QCOMPARE((QStringList{ProbeText(7), ScaleText(6), MaterialText(9, {}), HeadingText(9, {}), HeadingText(10, {})}),
                 (QStringList{"NO", "HRA", "Forged Steel", "DateTime", ""}));
        QCOMPARE((QStringList{FormatValue(1234.5678), FormatValue(double(52.3f)), FormatValue(205.0),
                              FormatValue(1234567.0), FormatInteger(-12)}),
                 (QStringList{"1234.57", "52.3", "205", "1.23457e+06", "-12"}));
    }

    // The store is freed and never left dangling; AddressSanitizer reports a leak or a double free.
    void freesTheStore()
    {
        sample::InstalledGroup group(3);
        sample::fillRecord(group[1], {}, {1, 2});
        FreeGroup(nullptr, -1);  // a negative count: the store itself
        QVERIFY(!CurrentGroup.pRecords && CurrentGroup.nCount == 0);
        QCOMPARE(AllocGroup(0), nullptr);
        FreeGroup(nullptr, 5);  // a null array is skipped, and so is the empty store at the end
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
