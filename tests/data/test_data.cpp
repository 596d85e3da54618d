#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QtTest>
#include <QTranslator>

#include <array>
#include <cstddef>  // before SampleGroup.h, which uses size_t
#include <cstdlib>
#include <ctime>
#include <utility>
#include <vector>

#include "SampleGroup.h"

namespace {

// A record filled as a download fills it: a header reply, then a values reply, each of the
// given number of received bytes (a negative count: the exchange failed). Frees its values.
struct Rec : MeasureRecord
{
    Rec(const sample::Header& h, const std::vector<uint16_t>& raw, int nValueBytes = 65, int nHeaderBytes = 65)
        : MeasureRecord{}
    {
        std::array<uint8_t, 256> r{};
        r[4] = h.nMaterial; r[5] = h.nUnit; r[6] = h.nYear; r[7] = h.nMonth; r[8] = h.nDay;
        r[9] = h.nProbe; r[10] = h.nAngle; r[11] = uint8_t(raw.size());
        FillRecordHeader(*this, r.data(), nHeaderBytes);
        r.fill(0);
        for (size_t k = 0; k < raw.size() && k < 127; ++k) {
            r[1 + 2 * k] = uint8_t(raw[k] & 0xFF);  // little-endian after the report id
            r[2 + 2 * k] = uint8_t(raw[k] >> 8);
        }
        FillRecordValues(*this, nValueBytes < 0 ? nullptr : r.data(), nValueBytes);
    }
    ~Rec() { std::free(pValues); }
    Rec(const Rec&) = delete;
    Rec& operator=(const Rec&) = delete;
};

// Marks every text of the MyTranslate context, so that a loaded catalogue can be seen.
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
    // Whole units up to HB, tenths (scaled in double, rounded to float once) from HRC on, also for
    // unknown codes; statistics summed in double.
    void scalesAndSummarisesValues()
    {
        const struct { const char* name; uint8_t nUnit; std::vector<uint16_t> raw; double first, min, max, avg; } cases[] = {
            {"HL whole", 0, {523}, 523, 523, 523, 523},
            {"HB whole", 2, {200, 210}, 200, 200, 210, 205},
            {"HRC tenths, float nearest 52.4", 3, {523, 519, 530}, 523 * 0.1, 519 * 0.1, 53, 52.4},
            {"unknown unit in tenths", 200, {1234}, 1234 * 0.1, 1234 * 0.1, 1234 * 0.1, 1234 * 0.1},
            {"max first, min last", 1, {9, 5, 3}, 9, 3, 9, 17 / 3.0},
            {"all equal", 4, {777, 777, 777, 777}, 777 * 0.1, 777 * 0.1, 777 * 0.1, 777 * 0.1},
        };
        for (const auto& c : cases) {
            const Rec rec(sample::Header{0, c.nUnit}, c.raw);
            QVERIFY2(rec.nTimes == int(c.raw.size()) && rec.pValues[0] == float(c.first) && rec.fMin == float(c.min)
                         && rec.fMax == float(c.max) && rec.fAvg == float(c.avg), c.name);
        }
    }

    void keepsOnlyValuesTheReplyCarried()
    {
        const struct { const char* name; std::vector<uint16_t> raw; int nBytes, nTimes; float min, max, avg; } cases[] = {
            {"no values", {}, 65, 0, 0, 0, 0},
            {"40 announced, 32 in a 65-byte report", sample::rising(100, 40), 65, 32, 100, 131, 115.5},
            {"half a value at bytes 5..6 dropped", {10, 20, 30}, 6, 2, 10, 20, 15},
            {"never past the 256-byte buffer", std::vector<uint16_t>(255, 7), 4096, 127, 7, 7, 7},
            {"failed values exchange", {523, 519}, -1, 0, 0, 0, 0},
        };
        for (const auto& c : cases) {
            const Rec rec(sample::Header{2, 0, 1, 4}, c.raw, c.nBytes);
            QVERIFY2(rec.nTimes == c.nTimes && (rec.pValues != nullptr) == (c.nTimes > 0) && rec.fMin == c.min
                         && rec.fMax == c.max && rec.fAvg == c.avg, c.name);
            QVERIFY2(rec.nMaterial == 2 && rec.nAngle == 1 && rec.nProbe == 4
                         && FormatDate(rec.tDate) == QLatin1String("2022/09/08"), c.name);  // the header stays
        }
    }

    void readsHeaderFields()
    {
        const Rec rec(sample::Header{9, 6, 3, 5}, {});
        QVERIFY(rec.nMaterial == 9 && rec.nUnit == 6 && rec.nAngle == 3 && rec.nProbe == 5);
        // A 5-byte header reply: the bytes it did not carry read as 0.
        const Rec cut(sample::Header{9, 6, 3, 5}, {1, 2}, 65, 5);
        QVERIFY(cut.nMaterial == 9 && cut.nUnit == 0 && cut.nTimes == 0 && cut.nProbe == 0);
    }

    void datesKeepTheirCalendarDayInAnyZone()
    {
        const QByteArray savedZone = qgetenv("TZ");
        auto dateOf = [](uint8_t year, uint8_t month, uint8_t day) {
            return FormatDate(Rec(sample::Header{0, 0, 0, 0, year, month, day}, {}).tDate);
        };
        // East and west of Greenwich, south of the equator, and Irish time, whose winter time
        // counts as its daylight-saving side.
        for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Sydney", "Europe/Dublin", "UTC"}) {
            qputenv("TZ", zone);
            tzset();
            QCOMPARE(dateOf(22, 9, 8), QStringLiteral("2022/09/08"));
            QCOMPARE(dateOf(22, 1, 15), QStringLiteral("2022/01/15"));
            QCOMPARE(dateOf(23, 3, 26), QStringLiteral("2023/03/26"));  // Europe's spring change
            QCOMPARE(dateOf(23, 0, 15), QStringLiteral("2022/12/15"));  // month 0 normalised, as mktime does
        }
        qputenv("TZ", savedZone);
        tzset();
    }

    void textsOfCodesAndNumbers()
    {
        const MeasureRecord zero{};  // as a failed header leaves a record
        float values[] = {498.0f, 512.5f, 505.25f};
        MeasureRecord three{};
        three.nTimes = 3;
        three.pValues = values;
        const std::pair<QString, QString> cases[] = {
            {MaterialText(zero.nMaterial, {}), "Steel and Cast Steel"}, {ScaleText(zero.nUnit), "HL"},
            {ProbeText(zero.nProbe), "D"}, {DirectionText(zero.nAngle), "↓"}, {FormatInteger(zero.nTimes), "0"},
            {ValuesText(zero), ""}, {FormatValue(zero.fAvg), "0"},
            // the ends of the tables and codes beyond them
            {ProbeText(7), "NO"}, {ProbeText(8), "8"}, {DirectionText(1), "↘"}, {DirectionText(3), "↗"},
            {DirectionText(4), "↑"}, {DirectionText(5), "5"}, {ScaleText(3), "HRC"}, {ScaleText(7), ""},
            {MaterialText(9, {}), "Forged Steel"}, {MaterialText(10, {}), ""}, {MaterialText(10, "x"), "x"},
            {HeadingText(9, {}), "DateTime"}, {HeadingText(10, {}), ""},
            // "%1" with 'g' and six significant digits
            {FormatValue(1234.5), "1234.5"}, {FormatValue(1234.5678), "1234.57"}, {FormatValue(double(52.3f)), "52.3"},
            {FormatValue(205.0), "205"}, {FormatValue(1234567.0), "1.23457e+06"}, {FormatInteger(-12), "-12"},
            {ValuesText(three), "498;512.5;505.25;"},
        };
        for (const auto& c : cases)
            QCOMPARE(c.first, c.second);
        const QString epoch = FormatDate(zero.tDate);
        QVERIFY2(epoch == "1970/01/01" || epoch == "1969/12/31", qPrintable(epoch));
    }

    void translationChangesOnlyMaterialsAndHeadings()
    {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(MaterialText(2, QString()), QStringLiteral("<Stainless Steel>"));
        QCOMPARE(HeadingText(0, QString()), QStringLiteral("<Material>"));
        QCOMPARE(ProbeText(1) + ScaleText(1) + DirectionText(2), QString::fromUtf8("DCHV\u2192"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(MaterialText(2, QString()), QStringLiteral("Stainless Steel"));
    }

    // AddressSanitizer reports a leak or a double free if FreeGroup is wrong.
    void freesGroupsAndTheStore()
    {
        MeasureRecord* group = AllocGroup(3);
        QVERIFY(group && !group[1].pValues && group[2].tDate == 0);  // zero-filled
        group[0].pValues = static_cast<float*>(std::malloc(4 * sizeof(float)));
        group[2].pValues = static_cast<float*>(std::malloc(sizeof(float)));
        CurrentGroup = {group, 3};
        FreeGroup(nullptr, -1);  // a negative count: the store itself
        QVERIFY(!CurrentGroup.pRecords && CurrentGroup.nCount == 0);

        MeasureRecord* other = AllocGroup(2);
        other[1].pValues = static_cast<float*>(std::malloc(sizeof(float)));
        FreeGroup(other, 2);
        QCOMPARE(AllocGroup(0), nullptr);
        FreeGroup(nullptr, 5);   // a null array is skipped
        FreeGroup(nullptr, -1);  // so is an empty store
        QCOMPARE(CurrentGroup.nCount, 0);
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "test_data.moc"
