#include "CBarChartPlot.h"

#include "MeasureRecord.h"

#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_renderer.h>

CBarChartPlot::CBarChartPlot(QWidget* parent)
    : QwtPlot(parent)
{
    setAutoFillBackground(true);

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
    replot();
    setAutoReplot(true);

    auto* grid = new QwtPlotGrid;
    grid->enableX(false);
    grid->enableXMin(false);
    grid->enableY(true);
    grid->enableYMin(false);
    grid->setMajorPen(QColor(100, 100, 100), 1.0, Qt::SolidLine);
    grid->setMinorPen(QColor(100, 100, 100), 1.0, Qt::DotLine);
    grid->setVisible(true);
    grid->attach(this);

    setAxisScale(QwtPlot::xBottom, 0, 32, 0);
}

void CBarChartPlot::showRecord(const MeasureRecord& rec)
{
    const int n = pBarChart->setRecord(rec);
    if (n == nBarCount)
        return;
    nBarCount = n;
    setAxisMaxMajor(QwtPlot::xBottom, n);
    setAxisScale(QwtPlot::xBottom, 0, n, 0);
}

void CBarChartPlot::exportChart(const QString& name)
{
    QwtPlotRenderer renderer;
    renderer.exportTo(this, name, QSizeF(300, 200), 85);
}
