// Statistics against values worked out by hand or in long double, limits and verdicts.
#include "MeasureRecord.h"
#include "Statistics.h"
#include "Verdict.h"

#include <QtTest>

#include <cmath>
#include <random>

#include "SampleGroup.h"

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

using Values = QVector<double>;
const std::optional<double> kNone;

bool near(const std::optional<double>& a, const std::optional<double>& b, double dRelative = 1e-12)
{
    return a.has_value() == b.has_value() && (!a || std::fabs(*a - *b) <= dRelative * std::fabs(*b));
}

// Mean and sample standard deviation in long double, two passes.
std::pair<long double, long double> reference(const std::vector<long double>& values)
{
    long double sum = 0, squares = 0;
    for (long double v : values)
        sum += v;
    const long double mean = sum / values.size();
    for (long double v : values)
        squares += (v - mean) * (v - mean);
    return {mean, std::sqrt(squares / (values.size() - 1))};
}

} // namespace

class TestQuality : public QObject
{
    Q_OBJECT

private slots:
    void seriesStatistics_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("range");
        QTest::addColumn<std::optional<double>>("sd");
        QTest::addColumn<std::optional<double>>("cv");
        // Deviations -3 -1 -1 -1 0 0 2 4: squares 32, over 7.
        QTest::newRow("hand-worked") << Values{2, 4, 4, 4, 5, 5, 7, 9} << 5.0 << 7.0
                                     << std::optional(std::sqrt(32 / 7.0)) << std::optional(std::sqrt(32 / 7.0) * 20);
        // A naive sum of squares loses every digit here.
        QTest::newRow("large offset") << Values{1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16} << 1e9 + 10 << 12.0
                                      << std::optional(std::sqrt(30.0)) << std::optional(std::sqrt(30.0) * 100 / (1e9 + 10));
        QTest::newRow("n = 1: no s") << Values{58} << 58.0 << 0.0 << kNone << kNone;
        QTest::newRow("all equal: s 0, CV 0") << Values{0.1, 0.1, 0.1} << 0.1 << 0.0 << std::optional(0.0)
                                              << std::optional(0.0);
        QTest::newRow("mean 0: no CV") << Values{-1, 1} << 0.0 << 2.0 << std::optional(std::sqrt(2.0)) << kNone;
        QTest::newRow("empty") << Values{} << 0.0 << 0.0 << kNone << kNone;
    }

    void seriesStatistics()
    {
        QFETCH(Values, values);
        QFETCH(double, mean);
        QFETCH(double, range);
        QFETCH(std::optional<double>, sd);
        QFETCH(std::optional<double>, cv);
        const SeriesStats stats = StatsOfSeries(values.constData(), values.size());
        QCOMPARE(stats.nCount, values.size());
        QVERIFY(near(stats.dMean, mean) && near(stats.dRange, range));
        QVERIFY2(near(stats.sd, sd) && near(stats.cv, cv), qPrintable(QString::number(stats.sd.value_or(-1), 'g', 17)));
    }

    // A group of 255 records of 32 single values: each record's spread and that of the means. A
    // record without values (here one in HRC) has no mean and no scale that counts; the means of
    // different scales do not mix.
    void fullGroupAgainstLongDouble()
    {
        sample::InstalledGroup group(255);
        std::mt19937 random(19);
        std::vector<long double> means;
        for (int i = 0; i < 255; ++i) {
            std::vector<uint16_t> raw;
            for (int k = 0; k < 32; ++k)
                raw.push_back(uint16_t(std::uniform_int_distribution<>(200, 900)(random)));
            sample::fillRecord(group[i], {0, 0}, raw);
            const auto [mean, sd] = reference(std::vector<long double>(raw.begin(), raw.end()));
            const SeriesStats stats = StatsOfRecord(group[i]);
            QVERIFY(near(stats.dMean, double(mean), 1e-9) && near(stats.sd, double(sd), 1e-9));
            means.push_back(mean);
        }
        sample::fillRecord(group[254], {0, 3}, {});
        means.pop_back();
        const GroupStats stats = StatsOfGroup(CurrentGroup.pRecords, 255);
        const auto [grandMean, sdOfMeans] = reference(means);
        QVERIFY(stats.nRecords == 255 && stats.means.nCount == 254 && !stats.bMixedScales);
        QVERIFY(near(stats.means.dMean, double(grandMean), 1e-9) && near(stats.means.sd, double(sdOfMeans), 1e-9));
        group[3].nUnit = 3;  // HRC among HL
        const GroupStats mixed = StatsOfGroup(CurrentGroup.pRecords, 255);
        QVERIFY(mixed.bMixedScales && mixed.means.nCount == 0 && !mixed.means.sd);
    }

    void parsesLimits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed");  // the texts read back; empty for an error
        QTest::addColumn<QString>("shown");
        QTest::newRow("both sides") << "HRC=58:62" << "HRC=58:62" << "58-62 HRC";
        QTest::newRow("minimum only, any case") << " hb=200.5: " << "HB=200.5:" << "\u2265 200.5 HB";
        QTest::newRow("maximum, every scale") << ":780" << ":780" << "\u2264 780";
        QTest::newRow("several, scale order, the last wins") << "HRC=1:2; :780 HL=300:,HRC=58:62"
                                                             << ":780 HL=300: HRC=58:62" << "\u2264 780";
        for (const char* bad : {"HRX=1:2", "62:58", ":", "HRC=", "a:b", "58-62", "1:2:3", "HRC=1:inf"})
            QTest::newRow(bad) << bad << "" << "";
    }

    void parsesLimits()
    {
        QFETCH(QString, text);
        QFETCH(QString, parsed);
        QFETCH(QString, shown);
        // A bad entry leaves the limits as they were and says why in one line.
        ToleranceLimits limits = parsed.isEmpty() ? ToleranceLimits::fromText("HV=1:2") : ToleranceLimits();
        QString error;
        QCOMPARE(ToleranceLimits::parse(text, limits, error), !parsed.isEmpty());
        QCOMPARE(limits.toText(), parsed.isEmpty() ? QString("HV=1:2") : parsed);
        QCOMPARE(limits.all().first().text(), parsed.isEmpty() ? QString("1-2 HV") : shown);
        QVERIFY(error.isEmpty() != parsed.isEmpty() && !error.contains('\n'));
    }

    void judgesRecords_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QVector<int>>("raw");  // as the instrument sends them: tenths from HRC on
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("verdict");   // and the single values outside; "-" not judged
        // Floats such as 57.9 and 58.1 average to 57.99999...: a mean that reads 58 is on the limit.
        QTest::newRow("mean on the lower limit") << 3 << QVector<int>{579, 581} << "HRC=58:62" << "pass 1";
        QTest::newRow("values on both limits") << 3 << QVector<int>{580, 620, 600} << "HRC=58:62" << "pass 0";
        QTest::newRow("float 52.3 on an upper limit") << 3 << QVector<int>{523} << "HRC=:52.3" << "pass 0";
        QTest::newRow("mean above") << 3 << QVector<int>{620, 621} << "HRC=58:62" << "fail 1";
        QTest::newRow("minimum only") << 2 << QVector<int>{199, 200, 201} << "HB=200:" << "pass 1";
        QTest::newRow("another scale's limits") << 3 << QVector<int>{100} << "HB=200:" << "-";
        QTest::newRow("limits for every scale") << 0 << QVector<int>{790, 781} << ":780" << "fail 2";
        QTest::newRow("the scale's own first") << 0 << QVector<int>{790, 781} << ":780;HL=700:800" << "pass 0";
        QTest::newRow("no values") << 0 << QVector<int>{} << ":780" << "-";
    }

    void judgesRecords()
    {
        QFETCH(int, unit);
        QFETCH(QVector<int>, raw);
        QFETCH(QString, limits);
        QFETCH(QString, verdict);
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {0, uint8_t(unit)}, std::vector<uint16_t>(raw.begin(), raw.end()));
        const RecordVerdict judged = JudgeRecord(group[0], ToleranceLimits::fromText(limits));
        QCOMPARE(judged.bJudged ? (judged.bPass ? "pass " : "fail ") + QString::number(judged.nOutside) : "-", verdict);
    }

    // The group's one line.
    void judgesGroups()
    {
        sample::InstalledGroup group(10);
        for (int i = 0; i < 9; ++i)
            sample::fillRecord(group[i], {0, 3}, {uint16_t(i < 3 ? 570 : 600)});
        sample::fillRecord(group[9], {0, 2}, {100});  // HB: no limits, not judged
        const auto verdictOf = [](const QString& limits) {
            const GroupVerdict verdict = JudgeGroup(CurrentGroup.pRecords, 10, ToleranceLimits::fromText(limits));
            return QString::number(verdict.rejected()) + ' ' + verdict.text();
        };
        QCOMPARE(verdictOf("HRC=58:62"), QString("1 3 of 9 records outside 58-62 HRC"));
        QCOMPARE(verdictOf("HRC=57:"), QString("0 0 of 9 records outside \u2265 57 HRC"));
        QCOMPARE(verdictOf("HRC=58:62;HB=:99"), QString("1 4 of 10 records outside their limits"));
        QCOMPARE(verdictOf("HV=1:2"), QString("0 No record in a scale with limits"));
    }
};

QTEST_GUILESS_MAIN(TestQuality)
#include "test_quality.moc"
