#include "CBarChartPlot.h"
#include "SampleGroup.h"

#include <QtTest>

#include <qwt_scale_map.h>

// Labels stay readable however many bars share the chart's width.
class TestBarLabels : public QObject
{
    Q_OBJECT

private slots:
    void barLabelsNeverOverlap_data()
    {
        QTest::addColumn<int>("nValues");
        QTest::addColumn<int>("nWidth");
        QTest::newRow("3 bars, 14 pt") << 3 << 900;
        QTest::newRow("20 bars") << 20 << 900;
        QTest::newRow("32 bars in a narrow chart") << 32 << 500;
        QTest::newRow("127 bars, as many as a record holds") << 127 << 900;
    }

    void barLabelsNeverOverlap()
    {
        QFETCH(int, nValues);
        QFETCH(int, nWidth);
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {}, sample::rising(700, nValues));
        CBarChartPlot plot;
        plot.resize(nWidth, 300);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.showRecord(group[0]);
        plot.canvas()->grab();
        const CBarChart::LabelLayout layout = plot.barChart()->labelLayout();

        const auto widestLabel = [&](int nPointSize) {
            QFont font = plot.canvas()->font();
            font.setPointSize(nPointSize);
            return QFontMetricsF(font).horizontalAdvance(QStringLiteral("%1.0").arg(700 + nValues - 1));
        };
        const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
        const double dPitch = xMap.transform(1) - xMap.transform(0);
        // Labelled bars stand nStride bars apart, and the widest label fits between them.
        QVERIFY(layout.nPointSize >= 7 && layout.nPointSize <= 14);
        QVERIFY(widestLabel(layout.nPointSize) < layout.nStride * dPitch);
        // Shrunk no further than needed, and labels left out only at the smallest size.
        if (layout.nPointSize < 14)
            QVERIFY(widestLabel(layout.nPointSize + 1) > dPitch - plot.barChart()->spacing());
        QVERIFY(layout.nStride == 1 || layout.nPointSize == 7);
        QCOMPARE(nValues == 3, layout.nPointSize * layout.nStride == 14);
    }
};

QTEST_MAIN(TestBarLabels)
#include "test_barlabels.moc"
