#pragma once

#include <QString>

#include <optional>

struct MeasureRecord;

// Spread of a series of numbers, in double precision. The sample standard deviation (n - 1)
// needs two values; the coefficient of variation (in percent) also needs a mean other than 0.
struct SeriesStats
{
    int nCount = 0;
    double dMean = 0;
    double dRange = 0;  // largest minus smallest
    std::optional<double> sd;
    std::optional<double> cv;
};

// Two passes: the mean first, then the squared deviations from it (no cancellation of large sums).
SeriesStats StatsOfSeries(const double* pValues, int nCount);

// The value rounded to the six significant digits the table, CSV file and report show.
double RoundedAsShown(double dValue);

// The single values of one record, as shown: the instrument's 65.3 and 66.2 are floats a few
// millionths off, and their range is 0.9, not 0.899994.
SeriesStats StatsOfRecord(const MeasureRecord& rec);

// A group: how many records, and the spread of the means of those that carry values. The means
// of records in different scales do not mix: bMixedScales is set and the spread stays empty.
struct GroupStats
{
    int nRecords = 0;
    bool bMixedScales = false;
    SeriesStats means;
};

GroupStats StatsOfGroup(const MeasureRecord* pRecords, int nCount);

// s, CV and range as the window and the report show them ("1.23", "0.45 %"), a dash where there are none.
QString SdText(const std::optional<double>& sd);
QString CvText(const std::optional<double>& cv);
QString RangeText(const SeriesStats& stats);
