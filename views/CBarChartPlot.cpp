#include "CBarChartPlot.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>

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

void CBarChartPlot::showRecord(const MeasureRecord& rec, int nNumber)
{
    QwtText title(QStringLiteral("No. %1, %2, %3").arg(nNumber).arg(FormatDate(rec.tDate), ScaleText(rec.nUnit)));
    QFont font = this->font();
    font.setBold(true);
    title.setFont(font);
    setTitle(title);
    const int n = pBarChart->setRecord(rec);
    if (n == nBarCount)
        return;
    nBarCount = n;
    setAxisMaxMajor(QwtPlot::xBottom, n);
    setAxisScale(QwtPlot::xBottom, 0, n, 0);
}

void CBarChartPlot::clearRecord()
{
    setTitle(QwtText());
    pBarChart->setSamples(QVector<double>());
    nBarCount = -1;
    setAxisMaxMajor(QwtPlot::xBottom, 8);
    setAxisScale(QwtPlot::xBottom, 0, 32, 0);
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
        const QString text = QCoreApplication::translate("CBarChartPlot", "Impact %1: %2")
                                 .arg(nBar)
                                 .arg(FormatValue(pBarChart->sample(nBar).y()));
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, canvas());
    } else {
        QToolTip::hideText();
    }
    return true;
}
