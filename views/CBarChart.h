#pragma once

#include "ToleranceLimits.h"

#include <QVector>

#include <qwt_plot_barchart.h>

struct MeasureRecord;

// The bars of one record: a zero-height bar at x = 0, then one bar per single value.
class CBarChart : public QwtPlotBarChart
{
public:
    // How the value labels are written: in one font size for all bars, across or upright, on
    // every n-th bar (every bar unless even upright labels are wider than the bars).
    struct LabelLayout
    {
        int nPointSize = 14;
        bool bUpright = false;
        int nStride = 1;
    };

    CBarChart();

    // Replaces the bars with the values of rec; returns the number of bars.
    int setRecord(const MeasureRecord& rec);
    // The limits the bars are checked against; a bar outside them is outlined. None: no outlines.
    void setLimit(const std::optional<ToleranceLimit>& newLimit);

    // A new symbol for every bar on every paint; the base class deletes it after drawing.
    QwtColumnSymbol* specialSymbol(int sampleIndex, const QPointF& sample) const override;

    // Fits the labels to the bar width of this paint before the bars are drawn.
    void drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap, const QRectF& canvasRect,
                    int from, int to) const override;

    // The layout of the last paint.
    LabelLayout labelLayout() const { return layout; }

private:
    QVector<double> vecSamples;
    std::optional<ToleranceLimit> limit;
    mutable LabelLayout layout;
};
