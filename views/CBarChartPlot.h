#pragma once

#include "CBarChart.h"
#include "myQwtColumnSymbol.h"  // barColor and the bar symbol come with the chart

#include <qwt_plot.h>

struct MeasureRecord;

// The single values of the chosen record as coloured, labelled vertical bars.
class CBarChartPlot : public QwtPlot
{
public:
    explicit CBarChartPlot(QWidget* parent = nullptr);

    void showRecord(const MeasureRecord& rec);

    // Lets the user pick file and format; 300 x 200 mm at 85 dpi. A cancel writes nothing.
    void exportChart(const QString& name);

    const CBarChart* barChart() const { return pBarChart; }

private:
    CBarChart* pBarChart;  // owned by the plot once attached
    int nBarCount = -1;
};
