#include "CBarChartPlot.h"
#include "MeasureRecord.h"
#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <qwt_scale_map.h>

#include <memory>
#include <vector>

namespace {

// The chart reads only nTimes and pValues; the caller keeps the values alive.
MeasureRecord recordOf(std::vector<float>& values)
{
    MeasureRecord rec{};
    rec.nTimes = uint8_t(values.size());
    rec.pValues = values.data();
    return rec;
}

QwtInterval xRange(const CBarChartPlot& plot)
{
    return plot.axisScaleDiv(QwtPlot::xBottom).interval();
}

std::unique_ptr<UserDefine::myQwtColumnSymbol> symbolOf(const CBarChart& chart, int index)
{
    const QPointF sample = index >= 0 ? chart.sample(index) : QPointF();
    return std::unique_ptr<UserDefine::myQwtColumnSymbol>(
        dynamic_cast<UserDefine::myQwtColumnSymbol*>(chart.specialSymbol(index, sample)));
}

} // namespace

class TestBarChart : public QObject
{
    Q_OBJECT

private slots:
    void samplesAndAxisFollowTheRecord()
    {
        CBarChartPlot plot;
        QCOMPARE(xRange(plot), QwtInterval(0, 32));
        const CBarChart& chart = *plot.barChart();
        QCOMPARE(chart.dataSize(), size_t(0));

        std::vector<float> values{498.0f, 512.5f, 505.2f};
        plot.showRecord(recordOf(values));
        QCOMPARE(chart.dataSize(), size_t(4));
        QCOMPARE(chart.sample(0), QPointF(0, 0));  // bar 0 is always empty
        QCOMPARE(chart.sample(1), QPointF(1, 498.0));
        QCOMPARE(chart.sample(3), QPointF(3, double(505.2f)));
        QCOMPARE(xRange(plot), QwtInterval(0, 4));
        QVERIFY(plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MinorTick).isEmpty());
        // At most nTimes + 1 = 4 major steps: ticks 0 to 4 (the default of 8 would give 9).
        QVERIFY(plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick).size() <= 5);
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).contains(0));
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).contains(512.5));

        // As many values again: the bars change, the axis is left alone.
        plot.setAxisScale(QwtPlot::xBottom, 0, 10);
        std::vector<float> same{1.0f, 2.0f, 3.0f};
        plot.showRecord(recordOf(same));
        QCOMPARE(chart.sample(3), QPointF(3, 3.0));
        QCOMPARE(xRange(plot), QwtInterval(0, 10));

        std::vector<float> none;
        plot.showRecord(recordOf(none));
        QCOMPARE(chart.dataSize(), size_t(1));
        QCOMPARE(xRange(plot), QwtInterval(0, 1));
    }

    void eachBarHasItsColourAndLabel()
    {
        CBarChartPlot plot;
        std::vector<float> values{498.0f, 512.5f, 505.2f};
        plot.showRecord(recordOf(values));

        const QColor colours[] = {Qt::red, Qt::green, Qt::yellow, QColor(0x00CCFF)};
        const char* labels[] = {"0.0", "498.0", "512.5", "505.2"};
        for (int i = 0; i < 4; ++i) {
            auto symbol = symbolOf(*plot.barChart(), i);
            QVERIFY(symbol);
            QCOMPARE(symbol->style(), QwtColumnSymbol::UserStyle);
            QCOMPARE(symbol->color(), colours[i]);
            QCOMPARE(symbol->label(), QString(labels[i]));
        }
        QCOMPARE(barColor(20), QColor(Qt::red));
        QCOMPARE(barColor(21), QColor(Qt::green));
        QCOMPARE(barColor(19), QColor(0xFFCC66));
        // The legend asks for index -1, which wraps to 65535: palette entry 15.
        QCOMPARE(symbolOf(*plot.barChart(), -1)->color(), QColor(0x00CC66));
    }

    void paintsColouredLabelledBars()
    {
        CBarChartPlot plot;
        plot.resize(800, 500);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        std::vector<float> values{498.0f, 512.5f, 505.2f};
        plot.showRecord(recordOf(values));
        plot.replot();
        const QImage image = plot.canvas()->grab().toImage();
        const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
        const QwtScaleMap yMap = plot.canvasMap(QwtPlot::yLeft);
        const int foot = qRound(yMap.transform(0));

        for (int i = 1; i <= 3; ++i) {
            const int x = qRound(xMap.transform(i));
            const int top = qRound(yMap.transform(values[i - 1]));
            QCOMPARE(image.pixelColor(x, (top + foot) / 2), barColor(i));
            QCOMPARE(image.pixelColor(x, top - 3), QColor(Qt::white));
            // The label is written at the foot of the bar, over its fill.
            bool labelSeen = false;
            for (int dx = -15; dx <= 15; ++dx)
                for (int y = foot - 20; y < foot; ++y)
                    labelSeen = labelSeen || image.pixelColor(x + dx, y) != barColor(i);
            QVERIFY2(labelSeen, qPrintable(QStringLiteral("no label in bar %1").arg(i)));
        }
    }

    void exportsOnlyWhenTheUserPicksAFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        CBarChartPlot plot;
        std::vector<float> values{52.3f, 51.9f, 53.0f};
        plot.showRecord(recordOf(values));

        {
            QString title;
            ModalAnswerer cancel([&](QWidget* dialog) {
                title = dialog->windowTitle();
                rejectDialog(dialog);
            });
            plot.exportChart(QString());
            QCOMPARE(title, QStringLiteral("Export File Name"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        }

        // A name only proposes the file; the user still confirms it.
        const QString pdf = dir.filePath("chart.pdf");
        ModalAnswerer pick(acceptDialog);
        plot.exportChart(pdf);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // 300 x 200 mm is 850 x 567 pt.
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromLatin1(bytes.constData(), bytes.size());  // streams hold NULs
        const auto box = QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(text);
        QVERIFY(box.hasMatch());
        QCOMPARE(qRound(box.captured(1).toDouble()), 850);
        QCOMPARE(qRound(box.captured(2).toDouble()), 567);
    }
};

QTEST_MAIN(TestBarChart)
#include "test_barchart.moc"
