#include "CBarChart.h"

#include "MeasureRecord.h"
#include "Verdict.h"
#include "myQwtColumnSymbol.h"

#include <QFontMetricsF>
#include <QPainter>

#include <qwt_scale_map.h>

#include <cmath>

namespace {

constexpr int kLargestPointSize = 14;
constexpr int kSmallestAcrossPointSize = 9;  // below this, upright labels read better
constexpr int kSmallestPointSize = 7;

QString labelText(double value)
{
    return QString::number(value, 'f', 1);
}

QFontMetricsF metricsAt(QFont font, int nPointSize, QPaintDevice* device)
{
    font.setPointSize(nPointSize);
    return QFontMetricsF(font, device);
}

} // namespace

CBarChart::CBarChart()
    : QwtPlotBarChart(QString())
{
    setLegendMode(QwtPlotBarChart::LegendBarTitles);
    setLayoutPolicy(QwtPlotAbstractBarChart::AutoAdjustSamples);
    setSpacing(4);  // wide bars leave room for their labels
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

void CBarChart::setLimit(const std::optional<ToleranceLimit>& newLimit)
{
    limit = newLimit;
    itemChanged();
}

QwtColumnSymbol* CBarChart::specialSymbol(int sampleIndex, const QPointF& sample) const
{
    // The legend asks with index -1; as a ushort that is just another palette entry.
    const bool bLabelled = sampleIndex >= 0 && sampleIndex % layout.nStride == 0;
    // Judged as the record's verdict counts its single values; bar 0 stands for none.
    const bool bOutside = limit && sampleIndex > 0 && !limit->accepts(RoundedAsShown(sample.y()));
    return new UserDefine::myQwtColumnSymbol(barColor(static_cast<ushort>(sampleIndex)),
                                             bLabelled ? labelText(sample.y()) : QString(), layout.nPointSize,
                                             layout.bUpright, bOutside);
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

    // Across the bar at the largest size from 14 pt down to 9 pt that fits; else upright, at the
    // largest size down to 7 pt whose line fits the bar; where even that is too wide, upright
    // on every n-th bar only, so that labels never overlap.
    layout = LabelLayout();
    const auto metrics = [&](int nPointSize) { return metricsAt(painter->font(), nPointSize, painter->device()); };
    for (; layout.nPointSize >= kSmallestAcrossPointSize; --layout.nPointSize) {
        if (metrics(layout.nPointSize).horizontalAdvance(widest) <= dBarWidth)
            return QwtPlotBarChart::drawSeries(painter, xMap, yMap, canvasRect, from, to);
    }
    layout.bUpright = true;
    for (layout.nPointSize = kLargestPointSize; layout.nPointSize > kSmallestPointSize; --layout.nPointSize) {
        if (metrics(layout.nPointSize).height() <= dBarWidth)
            break;
    }
    const double dLine = metrics(layout.nPointSize).height();
    while (layout.nStride * dPitch < dLine && dPitch > 0.0)
        ++layout.nStride;
    QwtPlotBarChart::drawSeries(painter, xMap, yMap, canvasRect, from, to);
}
