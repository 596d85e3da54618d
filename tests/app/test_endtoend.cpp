#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "MainWindow.h"
#include "MeasureRecord.h"
#include "MyWndControl.h"
#include "SimulatedInstrument.h"

#include <QtTest>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

#include <qwt_plot_barchart.h>

// The real window, the real worker thread and the simulated instrument, as a user meets them.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void arriveLoadAndChooseARow()
    {
        SimulatedInstrument& instrument = SimulatedInstrument::demo();
        instrument.resetToDemo();
        const std::vector<SimRecord> group2 = SimulatedInstrument::demoGroup(2);
        QVERIFY(group2.size() >= 2);

        delete new MainWindow;  // a window closed before: its shutdown must not stop the next one's polling
        MainWindow w;
        w.show();
        QPushButton* loadData = pControl->pButtons[MyWndControl::LoadData];
        // The first presence check runs 2.1 s after start.
        QTRY_VERIFY_WITH_TIMEOUT(loadData->isEnabled(), 10000);
        QVERIFY(w.statusBar()->currentMessage().endsWith(" :Device Connected"));

        pControl->findChild<QComboBox*>()->setCurrentIndex(1);
        QTest::mouseClick(loadData, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(CurrentGroup.nCount, int(group2.size()), 10000);
        QTRY_VERIFY(loadData->isEnabled());

        const SimRecord& last = group2.back();
        const int row = int(group2.size()) - 1;
        QCOMPARE(pTable->item(row, 9)->text(), QDate(2000 + last.nYear, last.nMonth, last.nDay).toString("yyyy/MM/dd"));

        QTest::mouseClick(pTable->viewport(), Qt::LeftButton, {}, pTable->visualItemRect(pTable->item(row, 0)).center());
        auto* chart = static_cast<QwtPlotBarChart*>(pPlot->itemList(QwtPlotItem::Rtti_PlotBarChart).first());
        QCOMPARE(int(chart->dataSize()), int(last.values.size()) + 1);
        const double scale = last.nUnit <= 2 ? 1.0 : 0.1;
        QCOMPARE(float(chart->sample(1).y()), float(last.values[0] * scale));

        FreeGroup(nullptr, -1);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
