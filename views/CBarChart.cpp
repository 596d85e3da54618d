#include "CBarChart.h"

#include "MeasureRecord.h"
#include "myQwtColumnSymbol.h"

#include <QFontMetricsF>
#include <QPainter>

#include <qwt_scale_map.h>

#include <cmath>

namespace {

constexpr int kSmallestPointSize = 7;

QString labelText(double value)
{
    return QString::number(value, 'f', 1);
}

double textWidth(QFont font, int nPointSize, const QString& text, QPaintDevice* device)
{
    font.setPointSize(nPointSize);
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

} // namespace

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
    const bool bLabelled = sampleIndex >= 0 && sampleIndex % layout.nStride == 0;
    return new UserDefine::myQwtColumnSymbol(barColor(static_cast<ushort>(sampleIndex)),
                                             bLabelled ? labelText(sample.y()) : QString(), layout.nPointSize,
                                             layout.dWidth);
}

void CBarChart::drawSeries(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
                           const QRectF& canvasRect, int from, int to) const
{
    // Bars stand one x unit apart; AutoAdjustSamples makes each one that wide less the spacing.
    const double dPitch = std::abs(xMap.transform(1.0) - xMap.transform(0.0));
    const double dBarWidth = sampleWidth(xMap, canvasRect.width(), boundingRect().width(), 0.0);
    // Digits share one width in the usual fonts, so the longest label is the widest.
    QString widest;
    for (size_t i = 0; i < dataSize(); ++i) {
        const QString text = labelText(sample(int(i)).y());
        if (text.size() > widest.size())
            widest = text;
    }

    // The largest size up to 14 pt at which the widest label fits its bar, but not below 7 pt;
    // where even 7 pt is too wide, only every n-th bar is labelled, with room across n bars.
    layout = LabelLayout();
    for (; layout.nPointSize > kSmallestPointSize; --layout.nPointSize) {
        if (textWidth(painter->font(), layout.nPointSize, widest, painter->device()) <= dBarWidth)
            break;
    }
    const double dWidest = textWidth(painter->font(), layout.nPointSize, widest, painter->device());
    layout.dWidth = dBarWidth;
    while (dWidest > layout.dWidth && dPitch > 0.0) {
        ++layout.nStride;
        layout.dWidth = layout.nStride * dPitch - spacing();
    }
    QwtPlotBarChart::drawSeries(painter, xMap, yMap, canvasRect, from, to);
}
