#include "CBarChartPlot.h"

#include "MeasureRecord.h"
#include "Statistics.h"
#include "ValueTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>
#include <QFontMetrics>

#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_renderer.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_widget.h>

#include <algorithm>

namespace {

constexpr int kEmptyAxisEnd = 32;

// Axis numbers written as the table writes them, alike in every language (no digit grouping:
// 1000, not 1.000 in German).
class ValueScaleDraw : public QwtScaleDraw
{
public:
    QwtText label(double value) const override
    {
        // A tick at zero may come out of the step arithmetic as a tiny remainder.
        return FormatValue(qFuzzyCompare(value + 1.0, 1.0) ? 0.0 : value);
    }
};

} // namespace

CBarChartPlot::CBarChartPlot(QWidget* parent)
    : QwtPlot(parent)
{
    setAutoFillBackground(true);
    // Smaller than its axes would like if the screen is small; the table needs the room too.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* canvas = new QwtPlotCanvas(this);
    canvas->setFrameStyle(QFrame::Box | QFrame::Plain);
    canvas->setLineWidth(1);
    canvas->setPalette(QPalette(Qt::white));
    canvas->setPaintAttribute(QwtPlotCanvas::BackingStore, true);
    canvas->setPaintAttribute(QwtPlotCanvas::ImmediatePaint, false);
    setCanvas(canvas);

    pBarChart = new CBarChart;
    pBarChart->attach(this);
    canvas->setBorderRadius(10);

    pBarChart->setOrientation(Qt::Vertical);
    setAxisMaxMinor(QwtPlot::xBottom, 0);
    plotLayout()->setCanvasMargin(0, -1);

    auto* grid = new QwtPlotGrid;
    grid->enableX(false);
    grid->enableXMin(false);
    grid->enableY(true);
    grid->enableYMin(false);
    grid->setMajorPen(QColor(100, 100, 100), 1.0, Qt::SolidLine);
    grid->setMinorPen(QColor(100, 100, 100), 1.0, Qt::DotLine);
    grid->setVisible(true);
    grid->attach(this);

    setAxisScaleDraw(QwtPlot::xBottom, new ValueScaleDraw);
    setAxisScaleDraw(QwtPlot::yLeft, new ValueScaleDraw);
    setAxisScale(QwtPlot::xBottom, 0, kEmptyAxisEnd, 0);

    // Dark red dashes for the limits, a solid dark blue line for the mean: told apart by the dash too.
    const QPen pens[LineCount] = {QPen(QColor(0xB0, 0, 0), 2, Qt::DashLine), QPen(QColor(0xB0, 0, 0), 2, Qt::DashLine),
                                  QPen(QColor(0x1F, 0x3A, 0x93), 2, Qt::SolidLine)};
    // The limits' labels outside the band between them, the mean's at the other end.
    const Qt::Alignment alignments[LineCount] = {Qt::AlignRight | Qt::AlignBottom, Qt::AlignRight | Qt::AlignTop,
                                                 Qt::AlignLeft | Qt::AlignTop};
    for (int line = 0; line < LineCount; ++line) {
        pLines[line] = new QwtPlotMarker;
        pLines[line]->setLineStyle(QwtPlotMarker::HLine);
        pLines[line]->setLinePen(pens[line]);
        pLines[line]->setLabelAlignment(alignments[line]);
        pLines[line]->setItemAttribute(QwtPlotItem::AutoScale, true);  // a limit above the bars still shows
        pLines[line]->setVisible(false);
        pLines[line]->attach(this);
    }
    // From here on every change repaints the chart by itself; the first paint draws it all.
    setAutoReplot(true);

    describe(nullptr, 0);
    canvas->setAccessibleName(tr("Bars"));
    axisWidget(QwtPlot::xBottom)->setAccessibleName(tr("Impact axis"));
    axisWidget(QwtPlot::yLeft)->setAccessibleName(tr("Hardness axis"));
}

void CBarChartPlot::showRecord(const MeasureRecord& rec, int nNumber)
{
    QwtText title(tr("No. %1, %2, %3").arg(nNumber).arg(FormatDate(rec.tDate), ScaleText(rec.nUnit)));
    QFont font = this->font();
    font.setBold(true);
    title.setFont(font);
    setTitle(title);
    const int n = pBarChart->setRecord(rec);
    describe(&rec, nNumber);
    nShownUnit = rec.nTimes > 0 ? rec.nUnit : -1;
    dShownMean = StatsOfRecord(rec).dMean;
    showLimits();
    if (n == nBarCount)
        return;
    nBarCount = n;
    setAxisScale(QwtPlot::xBottom, 0, n, 0);
    thinImpactAxis();
}

void CBarChartPlot::describe(const MeasureRecord* pRec, int nNumber)
{
    if (!pRec) {
        setAccessibleName(tr("Impacts chart"));
        setAccessibleDescription(tr("Choose a row of the table to see its single impacts here."));
        return;
    }
    const MeasureRecord& rec = *pRec;
    QStringList values;
    for (int k = 0; k < rec.nTimes; ++k)
        values << FormatValue(rec.pValues[k]);
    const auto [low, high] = std::minmax_element(rec.pValues, rec.pValues + rec.nTimes);
    const QString unit = ScaleText(rec.nUnit);
    if (rec.nTimes == 0)
        setAccessibleName(tr("Impacts of record %1: no values").arg(nNumber));
    else if (rec.nTimes == 1)
        setAccessibleName(tr("Impacts of record %1: one value, %2 %3").arg(nNumber).arg(values[0], unit).trimmed());
    else
        setAccessibleName(tr("Impacts of record %1: %2 values from %3 to %4 %5")
                              .arg(nNumber)
                              .arg(rec.nTimes)
                              .arg(FormatValue(*low), FormatValue(*high), unit)
                              .trimmed());
    setAccessibleDescription(tr("Values: %1").arg(values.join(QStringLiteral(", "))));
}

void CBarChartPlot::resizeEvent(QResizeEvent* event)
{
    QwtPlot::resizeEvent(event);
    thinImpactAxis();
    if (nShownUnit >= 0)
        showLimits();  // the room for the top line's label is counted in pixels
}

void CBarChartPlot::thinImpactAxis()
{
    const int nEnd = nBarCount > 0 ? nBarCount : kEmptyAxisEnd;
    // The widest number with two digits' room beside it; the scale engine then picks a step
    // (1, 2, 5, 10, ...) that leaves no more numbers than that.
    const QFontMetrics metrics(axisWidget(QwtPlot::xBottom)->font());
    const int nLabelWidth = metrics.horizontalAdvance(FormatValue(nEnd) + QStringLiteral("00"));
    const int nFitting = std::max(1, axisWidget(QwtPlot::xBottom)->width() / nLabelWidth);
    setAxisMaxMajor(QwtPlot::xBottom, std::min(nEnd, nFitting));
}

void CBarChartPlot::clearRecord()
{
    setTitle(QwtText());
    pBarChart->setSamples(QVector<double>());
    nBarCount = -1;
    describe(nullptr, 0);
    nShownUnit = -1;
    showLimits();
    setAxisScale(QwtPlot::xBottom, 0, kEmptyAxisEnd, 0);
    thinImpactAxis();
}

void CBarChartPlot::setLimits(const ToleranceLimits& newLimits)
{
    limits = newLimits;
    showLimits();
}

void CBarChartPlot::showLimits()
{
    const ToleranceLimit* pLimit = nShownUnit < 0 ? nullptr : limits.forScale(nShownUnit);
    pBarChart->setLimit(pLimit ? std::optional<ToleranceLimit>(*pLimit) : std::nullopt);
    const std::optional<double> values[LineCount] = {pLimit ? pLimit->lower : std::nullopt,
                                                     pLimit ? pLimit->upper : std::nullopt,
                                                     pLimit ? std::optional<double>(dShownMean) : std::nullopt};
    const QString texts[LineCount] = {tr("Lower limit %1"), tr("Upper limit %1"), tr("Mean %1")};
    // Room above the highest bar or line for a label, clear of the canvas' rounded corners, no
    // more: a band that many pixels high on top of the scale from 0 to the highest.
    const double dHighest = std::max({pBarChart->boundingRect().bottom(), values[LowerLimit].value_or(0),
                                      values[UpperLimit].value_or(0)});
    const double dBand = canvas()->fontMetrics().height() + 8;
    const double dRest = std::max(canvas()->height() - dBand, dBand);
    axisScaleEngine(QwtPlot::yLeft)->setMargins(0.0, pLimit ? dBand * dHighest / dRest : 0.0);
    axisScaleEngine(QwtPlot::yLeft)->setAttribute(QwtScaleEngine::Floating, pLimit != nullptr);
    for (int line = 0; line < LineCount; ++line) {
        pLines[line]->setVisible(values[line].has_value());
        if (!values[line])
            continue;
        pLines[line]->setYValue(*values[line]);
        QwtText label(texts[line].arg(FormatValue(*values[line])));
        label.setColor(pLines[line]->linePen().color());
        label.setBackgroundBrush(QColor(255, 255, 255, 200));
        pLines[line]->setLabel(label);
    }
}

bool CBarChartPlot::exportChart(const QString& fileName)
{
    // Written beside the target and put in its place only once it is there.
    const QString partName = fileName + QStringLiteral(".part");
    QFile::remove(partName);
    QwtPlotRenderer renderer;
    renderer.renderDocument(this, partName, QFileInfo(fileName).suffix().toLower(), QSizeF(300, 200), 85);
    const bool bWritten = QFileInfo(partName).size() > 0 && (!QFile::exists(fileName) || QFile::remove(fileName))
                          && QFile::rename(partName, fileName);
    QFile::remove(partName);  // there only when something failed
    return bWritten;
}

bool CBarChartPlot::eventFilter(QObject* object, QEvent* event)
{
    if (object != canvas() || event->type() != QEvent::ToolTip)
        return QwtPlot::eventFilter(object, event);
    const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
    const int nBar = qRound(canvasMap(QwtPlot::xBottom).invTransform(pos.x()));
    if (nBar >= 1 && size_t(nBar) < pBarChart->dataSize()) {
        const QString text = tr("Impact %1: %2")
                                 .arg(nBar)
                                 .arg(FormatValue(pBarChart->sample(nBar).y()));
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, canvas());
    } else {
        QToolTip::hideText();
    }
    return true;
}
