#pragma once

#include "CBarChart.h"
#include "myQwtColumnSymbol.h"  // barColor and the bar symbol come with the chart

#include <QCoreApplication>

#include <qwt_plot.h>

struct MeasureRecord;

// The single values of the chosen record as coloured, labelled vertical bars. Its accessible
// name says which record it shows and the range of its values, its description lists them.
class CBarChartPlot : public QwtPlot
{
    Q_DECLARE_TR_FUNCTIONS(CBarChartPlot)

public:
    explicit CBarChartPlot(QWidget* parent = nullptr);

    // nNumber: the record's number as the table counts (from 1).
    void showRecord(const MeasureRecord& rec, int nNumber);

    // Lets the user pick file and format; 300 x 200 mm at 85 dpi. A cancel writes nothing.
    void exportChart(const QString& name);

    const CBarChart* barChart() const { return pBarChart; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The accessible name and description: the record shown (number and values), or none.
    void describe(const MeasureRecord* pRec, int nNumber);
    // As many numbers on the impact axis as fit side by side with room between them.
    void thinImpactAxis();

    CBarChart* pBarChart;  // owned by the plot once attached
    int nBarCount = -1;
};
