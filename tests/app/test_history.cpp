// The archive in the window: a download lands in the history, and opened from there with the
// instrument unplugged it fills table and chart and saves the same CSV bytes.
#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "Files.h"
#include "MainWindow.h"
#include "MeasureArchive.h"
#include "MeasureRecord.h"
#include "ModalAnswerer.h"
#include "MyHistoryDialog.h"
#include "MyWndControl.h"
#include "SimulatedInstrument.h"

#include <QtTest>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <qwt_plot_barchart.h>

class TestHistory : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // Save as CSV through the file dialog; the answerer closes the message that follows.
    QByteArray savedCsv(MainWindow& w, const QString& name)
    {
        const QString path = dir.filePath(name);
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                acceptDialog(dialog);
            }
        });
        w.saveCSV();
        return fileBytes(path);
    }

    // Chooses the newest download in Archive > History... and presses the button named action.
    void useHistory(MainWindow& w, const QString& action)
    {
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                box->button(QMessageBox::Yes)->click();  // the confirmation before deleting
            if (auto* history = qobject_cast<MyHistoryDialog*>(modal)) {
                history->findChild<QTableWidget*>()->setCurrentCell(0, 0);
                for (QPushButton* button : history->findChildren<QPushButton*>()) {
                    if (button->text() == action)
                        button->click();
                }
            }
        });
        for (QAction* item : w.menuBar()->findChildren<QAction*>()) {
            if (item->text() == "&History...")
                item->trigger();
        }
    }

    // Group nGroupNumber from the demo instrument, as a user loads it.
    bool download(int nGroupNumber)
    {
        SimulatedInstrument::demo().resetToDemo();
        QPushButton* loadData = pControl->pButtons[MyWndControl::LoadData];
        if (!QTest::qWaitFor([&] { return loadData->isEnabled(); }, 10000))
            return false;
        pControl->findChild<QComboBox*>()->setCurrentIndex(nGroupNumber - 1);
        QTest::mouseClick(loadData, Qt::LeftButton);
        const int nCount = int(SimulatedInstrument::demoGroup(nGroupNumber).size());
        return QTest::qWaitFor([&] { return CurrentGroup.nCount == nCount; }, 10000);
    }

private slots:
    void downloadOpensFromHistoryWithoutTheInstrument()
    {
        MainWindow w;
        w.show();
        QVERIFY(download(2));
        const int nCount = CurrentGroup.nCount;
        QPushButton* loadData = pControl->pButtons[MyWndControl::LoadData];
        const QByteArray csv = savedCsv(w, "downloaded.csv");

        MeasureArchive archive;  // where the window keeps it, the default archive
        ArchiveLocation location;
        QString error;
        QVERIFY(ArchiveLocation::fromUrl(QString(), location, error) && archive.open(location));
        QVector<ArchivedDownload> downloads;
        QTRY_VERIFY_WITH_TIMEOUT(archive.list(downloads) && downloads.size() == 1, 10000);
        QCOMPARE(downloads[0].nGroupNumber, 2);
        QCOMPARE(downloads[0].devicePath, QString(SimulatedInstrument::kDemoPath));

        SimulatedInstrument::demo().unplug(SimulatedInstrument::kDemoPath);
        QTRY_VERIFY_WITH_TIMEOUT(!loadData->isEnabled(), 10000);
        FreeGroup(nullptr, -1);
        pTable->showGroup();

        useHistory(w, "Open");
        QCOMPARE(CurrentGroup.nCount, nCount);
        QVERIFY(!loadData->isEnabled());
        QCOMPARE(pTable->item(nCount - 1, 0)->text().isEmpty(), false);
        const QPoint firstRow = pTable->visualItemRect(pTable->item(0, 0)).center();
        QTest::mouseClick(pTable->viewport(), Qt::LeftButton, {}, firstRow);
        auto* chart = static_cast<QwtPlotBarChart*>(pPlot->itemList(QwtPlotItem::Rtti_PlotBarChart).first());
        QCOMPARE(int(chart->dataSize()), CurrentGroup.pRecords[0].nTimes + 1);
        QCOMPARE(savedCsv(w, "opened.csv"), csv);

        useHistory(w, "Delete...");
        QVERIFY(archive.list(downloads) && downloads.isEmpty());
        FreeGroup(nullptr, -1);
    }

    // An archive that cannot be used costs one status line; the download is shown as ever.
    void archiveTroubleIsOneStatusLine()
    {
        const QString notArchive = dir.filePath("notes.txt");
        QVERIFY(writeFile(notArchive, "NO,Material\n"));
        QSettings settings("hardness-tester", "hardness-tester");
        settings.setValue("archive/url", notArchive);
        settings.sync();

        MainWindow w;
        w.show();
        QVERIFY(download(1));
        QTRY_VERIFY(w.statusBar()->currentMessage().endsWith(" :Not archived: Archive " + notArchive +
                                                              ": file is not a database"));
        QCOMPARE(pTable->item(0, 0)->text().isEmpty(), false);
        QStatusTipEvent tip{QString()};  // the pointer crossing the menu keeps that line
        QCoreApplication::sendEvent(&w, &tip);
        QVERIFY(w.statusBar()->currentMessage().contains(" :Not archived: "));
        settings.remove("archive/url");
        FreeGroup(nullptr, -1);
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
