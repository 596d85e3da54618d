#include "CBarChart.h"

#include "MeasureRecord.h"
#include "myQwtColumnSymbol.h"

CBarChart::CBarChart()
    : QwtPlotBarChart(QString())
{
    setLegendMode(QwtPlotBarChart::LegendBarTitles);
    setLayoutPolicy(QwtPlotAbstractBarChart::AutoAdjustSamples);
}

int CBarChart::setRecord(const MeasureRecord& rec)
{
    vecSamples.resize(0);  // keeps the storage for the next record
    vecSamples.append(0.0);
    for (int k = 0; k < rec.nTimes; ++k)
        vecSamples.append(rec.pValues[k]);
    setSamples(vecSamples);
    return rec.nTimes + 1;
}

QwtColumnSymbol* CBarChart::specialSymbol(int sampleIndex, const QPointF& sample) const
{
    // The legend asks with index -1; as a ushort that is just another palette entry.
    return new UserDefine::myQwtColumnSymbol(barColor(static_cast<ushort>(sampleIndex)),
                                             QString::number(sample.y(), 'f', 1));
}
