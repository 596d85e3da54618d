#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QToolTip>

#include <qwt_scale_map.h>

// What keeps the views readable when their texts outgrow the room they get.
class TestReadable : public QObject
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
        sample::fillRecord(group[0], {}, sample::rising(700, nValues));  // labels up to "826.0"
        CBarChartPlot plot;
        plot.resize(nWidth, 300);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.showRecord(group[0]);
        plot.canvas()->grab();
        const CBarChart::LabelLayout layout = plot.barChart()->labelLayout();

        // Labelled bars stand nStride bars apart; the widest label must fit between them.
        const QString widest = QString::number(700 + nValues - 1) + ".0";
        const auto labelWidth = [&](int nPointSize) {
            QFont font = plot.canvas()->font();
            font.setPointSize(nPointSize);
            return QFontMetricsF(font).horizontalAdvance(widest);
        };
        const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
        const double dPitch = xMap.transform(1) - xMap.transform(0);
        QVERIFY(layout.nPointSize >= 7 && layout.nPointSize <= 14);
        QVERIFY(labelWidth(layout.nPointSize) < layout.nStride * dPitch);
        // Shrunk no further than needed: one point larger would not fit its bar, and labels are
        // left out only at the smallest size.
        if (layout.nPointSize < 14)
            QVERIFY(labelWidth(layout.nPointSize + 1) > dPitch - plot.barChart()->spacing());
        QVERIFY(layout.nStride == 1 || layout.nPointSize == 7);
        if (nValues == 3)
            QCOMPARE(layout.nPointSize * layout.nStride, 14);
    }

    void cutCellsShowTheirTextAsTooltip()
    {
        CTableResult table;
        table.resize(700, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {}, sample::rising(500, 32));
        table.showGroup();
        const auto tipOver = [&](int column) {
            const QPoint centre = table.visualItemRect(table.item(0, column)).center();
            QHelpEvent help(QEvent::ToolTip, centre, table.viewport()->mapToGlobal(centre));
            QCoreApplication::sendEvent(table.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipOver(9), QString());  // the date fits its column
        QCOMPARE(tipOver(5), table.item(0, 5)->text());
    }
};

QTEST_MAIN(TestReadable)
#include "test_readable.moc"
