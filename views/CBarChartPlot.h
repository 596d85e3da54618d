#pragma once

#include "CBarChart.h"
#include "myQwtColumnSymbol.h"  // barColor and the bar symbol come with the chart

#include <QCoreApplication>

#include <qwt_plot.h>

class QwtPlotMarker;
struct MeasureRecord;

// The single values of the chosen record as coloured, labelled vertical bars, under a title
// that names the record ("No. 3, 2022/09/09, HRC"); a bar's value also shows as its tooltip.
// Its accessible name says which record it shows and the range of its values, its description
// lists them. With tolerance limits for the record's scale, the limits and the record's mean are
// drawn as lines across the chart, and the bars outside the limits are outlined.
class CBarChartPlot : public QwtPlot
{
    Q_DECLARE_TR_FUNCTIONS(CBarChartPlot)

public:
    explicit CBarChartPlot(QWidget* parent = nullptr);

    // nNumber: the record's 1-based number in its group, for the title.
    void showRecord(const MeasureRecord& rec, int nNumber);
    // No bars and no title, the x axis from 0 to 32, as before the first record.
    void clearRecord();
    // The limits in force; those of the shown record's scale show at once.
    void setLimits(const ToleranceLimits& newLimits);

    // Writes the chart to fileName, 300 x 200 mm at 85 dpi, in the format its suffix names
    // (pdf, svg, png, ...). On failure a file already there stays as it was.
    bool exportChart(const QString& fileName);

    bool eventFilter(QObject* object, QEvent* event) override;

    const CBarChart* barChart() const { return pBarChart; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Line { LowerLimit, UpperLimit, MeanLine, LineCount };

    // The lines and outlines for the limits of the shown record's scale, or none.
    void showLimits();
    // The accessible name and description: the record shown (number and values), or none.
    void describe(const MeasureRecord* pRec, int nNumber);
    // As many numbers on the impact axis as fit side by side with room between them.
    void thinImpactAxis();

    CBarChart* pBarChart;  // owned by the plot once attached
    QwtPlotMarker* pLines[LineCount];  // owned by the plot too
    int nBarCount = -1;
    ToleranceLimits limits;
    int nShownUnit = -1;  // scale of the shown record; -1 while none or it has no values
    double dShownMean = 0;
};
