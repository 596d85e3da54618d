#pragma once

#include <QVector>

#include <qwt_plot_barchart.h>

struct MeasureRecord;

// The bars of one record: a zero-height bar at x = 0, then one bar per single value.
class CBarChart : public QwtPlotBarChart
{
public:
    CBarChart();

    // Replaces the bars with the values of rec; returns the number of bars.
    int setRecord(const MeasureRecord& rec);

    // A new symbol for every bar on every paint; the base class deletes it after drawing.
    QwtColumnSymbol* specialSymbol(int sampleIndex, const QPointF& sample) const override;

private:
    QVector<double> vecSamples;
};
