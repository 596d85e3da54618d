// The result table and the bar chart, under the program's dark theme.
#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "Files.h"
#include "SampleGroup.h"

#include <QLineEdit>
#include <QToolTip>
#include <QtTest>

#include <qwt_plot_marker.h>
#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>

class TestViews : public QObject
{
    Q_OBJECT

private slots:
    // The program's dark theme, under which the chart must still paint on its white canvas.
    void initTestCase()
    {
        QFile sheet(QStringLiteral(":/dark/dark/style.qss"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    }

    // A row is picked once whichever cell the mouse or the keys land on. A new group starts with
    // none picked, leaves no empty rows behind and shows each field in its own column.
    void showsAndPicksRows()
    {
        CTableResult table;
        table.resize(900, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        {
            sample::InstalledGroup group(30);
            for (int i = 0; i < 30; ++i)
                sample::fillRecord(group[i], {}, {uint16_t(i + 1)});
            table.showGroup();
        }
        QSignalSpy spy(&table, &CTableResult::sigRowSet);
        const auto centre = [&](int row, int column) { return table.visualItemRect(table.item(row, column)).center(); };
        for (int column : {0, 5, 9})
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(2, column));
        // Neither a click on the selected row nor a double click opens an editor.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(1, 3));
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, centre(1, 3));
        QVERIFY(table.viewport()->findChildren<QLineEdit*>().isEmpty());
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown})
            QTest::keyClick(&table, key);
        const int nPaged = table.currentRow();
        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {1, 3, 2, 4}, {498, 512, 505});
        table.showGroup();
        QStringList texts;
        for (int column = 0; column < table.columnCount(); ++column)
            texts << table.item(0, column)->text();
        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(texts.join('|'), QStringLiteral("Alloy Tool Steel|\u2192|HRC|G|3|49.8;51.2;50.5;|49.8|51.2|50.5|2022/09/08"));
        QTest::keyClick(&table, Qt::Key_Down);
        QList<int> rows;
        for (const QList<QVariant>& args : spy)
            rows << args.at(0).toInt();
        QVERIFY(nPaged > 1);
        QCOMPARE(rows, (QList<int>{2, 1, 2, 29, 0, nPaged, -1, 0}));
    }

    // With limits for the record's scale: lines at the limits and at the mean, the bars outside
    // outlined (judged as shown: 505.2 passes a limit of 505.2); none for other scales' limits.
    void showsTheRecordAsColouredLabelledBars_data()
    {
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("lines");     // label=height of each line shown
        QTest::addColumn<QString>("outlined");  // the bars outlined
        QTest::newRow("no limits") << "" << "" << "";
        QTest::newRow("another scale's") << "HB=1:2" << "" << "";
        QTest::newRow("both") << "HRC=500:510" << "Lower limit 500=500|Upper limit 510=510|Mean 505.233=505.233" << "1 2";
        QTest::newRow("upper for all scales") << "HB=1:2 :505.2" << "Upper limit 505.2=505.2|Mean 505.233=505.233" << "2";
    }

    void showsTheRecordAsColouredLabelledBars()
    {
        QFETCH(QString, limits);
        QFETCH(QString, lines);
        QFETCH(QString, outlined);
        CBarChartPlot plot;
        const auto shownLines = [&] {
            QStringList shown;
            for (const QwtPlotItem* item : plot.itemList(QwtPlotItem::Rtti_PlotMarker))
                if (const auto* line = static_cast<const QwtPlotMarker*>(item); line->isVisible())
                    shown << QStringLiteral("%1=%2").arg(line->label().text()).arg(line->yValue());
            return shown.join('|');
        };
        const CBarChart& chart = *plot.barChart();
        const auto xRange = [&] { return plot.axisScaleDiv(QwtPlot::xBottom).interval(); };
        plot.resize(800, 500);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));

        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {0, 3}, {4980, 5125, 5052});  // HRC, in tenths
        sample::fillRecord(group[1], {}, {1, 2, 3});
        plot.showRecord(group[0], 1);
        plot.setLimits(ToleranceLimits::fromText(limits));  // as "Limits..." sets them, on a record shown
        QCOMPARE(shownLines(), lines);
        QCOMPARE(plot.title().text(), QStringLiteral("No. 1, 2022/09/08, HRC"));
        QCOMPARE(plot.accessibleName(), QStringLiteral("Impacts of record 1: 3 values from 498 to 512.5 HRC"));
        QCOMPARE(chart.dataSize(), size_t(4));
        QCOMPARE(chart.sample(0), QPointF(0, 0));  // bar 0 is always empty
        QCOMPARE(chart.sample(3), QPointF(3, double(505.2f)));
        QCOMPARE(xRange(), QwtInterval(0, 4));

        // As painted, with no replot asked for: the fill in the bar's colour, white above it (no
        // line there), the label at its foot, a black outline at its edge or none.
        const QImage image = plot.canvas()->grab().toImage();
        const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
        const QwtScaleMap yMap = plot.canvasMap(QwtPlot::yLeft);
        const int foot = qRound(yMap.transform(0));
        QStringList outlines;
        for (int i = 1; i <= 3; ++i) {
            int x = qRound(xMap.transform(i));
            const int top = qRound(yMap.transform(group[0].pValues[i - 1])), middle = (top + foot) / 2;
            QCOMPARE(image.pixelColor(x, middle), barColor(i));
            QVERIFY(!lines.isEmpty() || image.pixelColor(x, top - 3) == Qt::white);
            const QImage label = image.copy(x - 15, foot - 20, 31, 20);
            QImage plain = label;
            plain.fill(barColor(i));
            QVERIFY2(label != plain, qPrintable(QStringLiteral("no label in bar %1").arg(i)));
            while (image.pixelColor(x, middle) == barColor(i))
                --x;
            if (image.pixelColor(x, middle) == Qt::black)
                outlines << QString::number(i);
        }
        QCOMPARE(outlines.join(' '), outlined);
        QHelpEvent tip(QEvent::ToolTip, QPoint(qRound(xMap.transform(2)), foot - 5), QPoint());
        QCoreApplication::sendEvent(plot.canvas(), &tip);
        QCOMPARE(QToolTip::text(), QStringLiteral("Impact 2: 512.5"));

        // As many values again: the bars change, the axis is left alone; none: one empty bar.
        plot.setAxisScale(QwtPlot::xBottom, 0, 10);
        plot.showRecord(group[1], 2);
        QVERIFY(chart.sample(3) == QPointF(3, 3.0) && xRange() == QwtInterval(0, 10));
        plot.showRecord(group[2], 3);
        QVERIFY(chart.dataSize() == 1 && xRange() == QwtInterval(0, 1));
        // Cleared: as before the first record, and the next record sets its axis again.
        plot.clearRecord();
        QVERIFY(chart.dataSize() == 0 && plot.title().isEmpty() && xRange() == QwtInterval(0, 32) && shownLines().isEmpty());
        plot.showRecord(group[2], 3);
        QCOMPARE(xRange(), QwtInterval(0, 1));
        QCOMPARE(plot.accessibleName(), QStringLiteral("Impacts of record 3: no values"));
    }

    // Every bar carries its value where 32 bars share the chart, across or upright; labels never
    // overlap, however many bars there are.
    void barLabelsNeverOverlap_data()
    {
        QTest::addColumn<int>("nValues");
        QTest::addColumn<int>("nWidth");
        QTest::addColumn<bool>("bEveryBar");
        QTest::newRow("3 bars, 14 pt") << 3 << 900 << true;
        QTest::newRow("20 bars") << 20 << 900 << true;
        QTest::newRow("32 bars, as in the window") << 32 << 930 << true;
        QTest::newRow("32 bars in a narrow chart") << 32 << 500 << true;
        QTest::newRow("127 bars, as many as a record holds") << 127 << 900 << false;
        QTest::newRow("127 bars on a small screen") << 127 << 600 << false;
    }

    void barLabelsNeverOverlap()
    {
        QFETCH(int, nValues);
        QFETCH(int, nWidth);
        QFETCH(bool, bEveryBar);
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {}, sample::rising(700, nValues));
        CBarChartPlot plot;
        plot.resize(nWidth, 300);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        plot.showRecord(group[0], 1);
        plot.canvas()->grab();
        const CBarChart::LabelLayout layout = plot.barChart()->labelLayout();

        const auto metrics = [&](int nPointSize) {
            QFont font = plot.canvas()->font();
            font.setPointSize(nPointSize);
            return QFontMetricsF(font);
        };
        const QString widest = QStringLiteral("%1.0").arg(700 + nValues - 1);
        const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
        const double dPitch = xMap.transform(1) - xMap.transform(0), dBar = dPitch - plot.barChart()->spacing();
        QCOMPARE(layout.nStride == 1, bEveryBar);
        QCOMPARE(nValues == 3, layout.nPointSize == 14 && !layout.bUpright);
        // The chart measures with the font and device it paints on: 10 % either way.
        if (!layout.bUpright) {  // across at 9 pt or more, shrunk no further than needed
            QVERIFY(layout.nPointSize >= 9 && metrics(layout.nPointSize).horizontalAdvance(widest) <= dBar * 1.1);
            QVERIFY(layout.nPointSize == 14 || metrics(layout.nPointSize + 1).horizontalAdvance(widest) > dBar * 0.9);
        } else {  // upright only where 9 pt would not fit across; the lines stand apart
            QVERIFY(metrics(9).horizontalAdvance(widest) > dBar * 0.9 && layout.nPointSize >= 7);
            QVERIFY(metrics(layout.nPointSize).height() <= layout.nStride * dPitch * 1.05);
        }

        // The numbers under the bars do not run together either.
        const QList<double> ticks = plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
        const QFontMetrics axisFont(plot.axisWidget(QwtPlot::xBottom)->font());
        for (int i = 1; i < ticks.size(); ++i) {
            const double dGap = xMap.transform(ticks[i]) - xMap.transform(ticks[i - 1]);
            QVERIFY(dGap > axisFont.horizontalAdvance(QString::number(ticks[i])));
        }
    }

    // The export is 300 x 200 mm and carries every value of a 32-impact record as text; one that
    // cannot be written says so and leaves the file that was there.
    void exportCarriesEveryValue()
    {
        sample::InstalledGroup group(1);
        sample::fillRecord(group[0], {}, sample::rising(7400, 32));
        CBarChartPlot plot;
        plot.showRecord(group[0], 1);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("chart.pdf");
        QVERIFY(plot.exportChart(pdf));
        QVERIFY(toolOutput("pdfinfo", {pdf}).contains("850 x 567 pts"));  // 300 x 200 mm
        const QStringList words = QString::fromUtf8(toolOutput("pdftotext", {pdf, "-"})).split(QRegularExpression("\\s+"));
        for (int k = 0; k < 32; ++k)
            QVERIFY2(words.contains(QStringLiteral("%1.0").arg(7400 + k)), qPrintable(words.join(' ')));
        QVERIFY(!plot.exportChart(dir.filePath("missing/chart.pdf")));
        QVERIFY(writeFile(pdf, "old"));
        QVERIFY(!plot.exportChart(pdf + "/x.pdf") && fileBytes(pdf) == "old");
    }
};

QTEST_MAIN(TestViews)
#include "test_views.moc"
