#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "MainWindow.h"
#include "MeasureRecord.h"
#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "MyWndControl.h"
#include "QHard.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>

#include <qwt_plot_barchart.h>

#include <sys/stat.h>

namespace {

// A group as a download hands it over: the window takes ownership.
MeasureRecord* makeGroup(int nCount)
{
    MeasureRecord* group = AllocGroup(nCount);
    for (int i = 0; i < nCount; ++i) {
        sample::Header header;
        header.nMaterial = 1;
        sample::fillRecord(group[i], header, {uint16_t(500 + i), uint16_t(510 + i), uint16_t(505 + i)});
    }
    return group;
}

QVector<double> chartHeights()
{
    QVector<double> heights;
    const QwtPlotItemList bars = pPlot->itemList(QwtPlotItem::Rtti_PlotBarChart);
    if (bars.isEmpty())
        return heights;
    auto* chart = static_cast<QwtPlotBarChart*>(bars.first());
    for (size_t i = 0; i < chart->dataSize(); ++i)
        heights << chart->sample(int(i)).y();
    return heights;
}

QPushButton* button(int which)
{
    return pControl->pButtons[which];
}

QComboBox* groupBox()
{
    return pControl->findChild<QComboBox*>();
}

// Collects the text of every message box and closes it.
struct MessageLog
{
    QStringList texts;
    ModalAnswerer answerer{[this](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            texts << box->windowTitle() + "|" + box->text();
            box->accept();
        }
    }};
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FreeGroup(nullptr, -1);
    }

    void stateAfterConstruction()
    {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("MainWindow"));
        QCOMPARE(w.size(), QSize(800, 600));
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled());
        for (int b : {MyWndControl::SaveCsv, MyWndControl::SavePdf, MyWndControl::PrintPreview, MyWndControl::Print})
            QVERIFY(button(b)->isEnabled());
        const QString status = w.statusBar()->currentMessage();
        QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d :Device Disconnected$").match(status).hasMatch(),
                 qPrintable(status));
        QComboBox* groups = groupBox();
        QCOMPARE(groups->count(), 10);
        QCOMPARE(groups->itemText(0), QStringLiteral("1"));
        QCOMPARE(groups->itemText(9), QStringLiteral("10"));
        QCOMPARE(groups->currentIndex(), -1);
        QCOMPARE(nGroupIndex, -1);
        QCOMPARE(pTable->rowCount(), 0);

        groups->setCurrentIndex(0);
        QCOMPARE(nGroupIndex, 0);
        groups->setCurrentIndex(9);
        QCOMPARE(nGroupIndex, 9);

        w.slotValidDev(1);
        QVERIFY(button(MyWndControl::LoadData)->isEnabled());
        QVERIFY(w.statusBar()->currentMessage().endsWith(" :Device Connected"));
        w.slotValidDev(QHard::kNoPermission);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled());
        QVERIFY(w.statusBar()->currentMessage().endsWith(" :Device found, but no permission to open it: install the udev rule (see README)"));
        w.slotValidDev(0);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled());
        QVERIFY(w.statusBar()->currentMessage().endsWith(" :Device Disconnected"));
    }

    void loadDataFlow()
    {
        MainWindow w;
        // Requests stay here: this test plays the worker's part.
        disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);
        QSignalSpy requests(&w, &MainWindow::sigCollectGroup);
        w.slotValidDev(1);

        {
            MessageLog log;
            QTest::mouseClick(button(MyWndControl::LoadData), Qt::LeftButton);
            QCOMPARE(log.texts, QStringList{"Error|Please choose group first!"});
        }
        QCOMPARE(requests.count(), 0);
        QVERIFY(button(MyWndControl::LoadData)->isEnabled());

        groupBox()->setCurrentIndex(1);
        QTest::mouseClick(button(MyWndControl::LoadData), Qt::LeftButton);
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(0).toInt(), 1);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled());

        auto* progress = w.findChild<QProgressDialog*>();
        QVERIFY(progress);
        QCOMPARE(progress->labelText(), QStringLiteral("Load Data......"));
        QCOMPARE(progress->maximum(), 100);
        QVERIFY(progress->findChildren<QPushButton*>().isEmpty());  // no way to abort
        QCOMPARE(progress->windowModality(), Qt::WindowModal);
        QCOMPARE(int(progress->windowFlags() & (Qt::Popup | Qt::FramelessWindowHint)), 0x809);
        QCOMPARE(progress->minimumWidth(), 400);
        w.slotProcessStatus(0x100000 | 12);
        QCOMPARE(progress->maximum(), 12);
        w.slotProcessStatus(5);
        QCOMPARE(progress->value(), 5);

        MeasureRecord* group = makeGroup(5);
        w.slotData(group, 5);
        QVERIFY(button(MyWndControl::LoadData)->isEnabled());
        QCOMPARE(CurrentGroup.pRecords, group);
        QCOMPARE(CurrentGroup.nCount, 5);
        QCOMPARE(pTable->rowCount(), 5);
        QCOMPARE(pTable->item(4, 5)->text(), QStringLiteral("504;514;509;"));
        w.slotProcessStatus(3);  // late progress after the dialog closed: ignored
        QTRY_VERIFY(w.findChildren<QProgressDialog*>().isEmpty());

        // No data: the store, the table and the chart stay as they were.
        w.slotRowSel(1);
        QCOMPARE(chartHeights(), (QVector<double>{0, 501, 511, 506}));
        {
            MessageLog log;
            w.slotData(nullptr, 0);
            QCOMPARE(log.texts, QStringList{"Info|No data is found!"});
        }
        QCOMPARE(CurrentGroup.pRecords, group);
        QCOMPARE(pTable->item(4, 5)->text(), QStringLiteral("504;514;509;"));

        // A smaller group after a larger one: left-over rows are empty and clicks on them do nothing.
        w.slotData(makeGroup(2), 2);
        QCOMPARE(CurrentGroup.nCount, 2);
        QCOMPARE(pTable->rowCount(), 5);
        QCOMPARE(pTable->item(3, 0), nullptr);
        w.slotRowSel(3);
        w.slotRowSel(-1);
        QCOMPARE(chartHeights(), (QVector<double>{0, 501, 511, 506}));
        w.slotRowSel(0);
        QCOMPARE(chartHeights(), (QVector<double>{0, 500, 510, 505}));

        // A download that never answered: the instrument comes back, LoadData starts afresh
        // and the pending dialog is replaced, not piled up.
        w.slotColectgroup();
        w.slotValidDev(1);
        w.slotColectgroup();
        QCOMPARE(w.findChildren<QProgressDialog*>().size(), 1);
    }

    void saveCsvThroughTheDialogs()
    {
        MainWindow w;
        {
            MessageLog log;
            w.saveCSV();
            QCOMPARE(log.texts, QStringList{"Error|No data to save"});
        }

        w.slotData(makeGroup(2), 2);
        QTemporaryDir dir;
        QString path = dir.filePath("group.csv");
        QStringList messages;
        QStringList dialogs;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialogs << dialog->windowTitle() + "|" + dialog->nameFilters().join(";");
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
                static_cast<QDialog*>(dialog)->accept();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                messages << box->text();
                // The dialog's own question before replacing a file is answered Yes.
                QAbstractButton* yes = box->button(QMessageBox::Yes);
                (yes ? yes : box->button(QMessageBox::Ok))->click();
            }
        });
        w.saveCSV();
        QCOMPARE(dialogs, QStringList{"Save File|CSV (*.csv)"});
        QCOMPARE(messages, QStringList{"Successfully saved"});
        w.saveCSV();
        QCOMPARE(messages.size(), 3);
        QVERIFY(messages.at(1).contains("already exists"));
        QCOMPARE(messages.at(2), QStringLiteral("Successfully saved"));

        // Saved twice: the file was replaced, not appended to.
        QFile file(path);
        QVERIFY(file.open(QFile::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF" "NO,Material,Angle,Unit,Probe,Times,Values,Min,Max,Avg,DateTime\n"));
        QCOMPARE(bytes.count("\xEF\xBB\xBF"), 1);
        QCOMPARE(bytes.count('\n'), 3);
        QVERIFY(bytes.contains("\nNo.2,Alloy Tool Steel,"));

        // A target that cannot be replaced: a warning, and no success box after it.
        path = dir.filePath("pipe.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        messages.clear();
        w.saveCSV();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.at(1), QStringLiteral("File open failed"));
        QVERIFY(!QFileInfo(path).isFile());
    }

    void outputButtonsOpenTheirDialogs()
    {
        MainWindow w;
        QStringList seen;
        ModalAnswerer answerer([&](QWidget* modal) {
            seen << modal->metaObject()->className();
            rejectDialog(modal);
        });
        QTest::mouseClick(button(MyWndControl::PrintPreview), Qt::LeftButton);
        MyPrint* first = pPrint;
        QVERIFY(first);
        QTest::mouseClick(button(MyWndControl::PrintPreview), Qt::LeftButton);
        QTest::mouseClick(button(MyWndControl::Print), Qt::LeftButton);
        QCOMPARE(pPrint, first);
        QCOMPARE(w.findChildren<MyPrint*>().size(), 1);
        // Save as PDF offers the chart export even with nothing loaded.
        QTest::mouseClick(button(MyWndControl::SavePdf), Qt::LeftButton);
        QCOMPARE(seen, (QStringList{"QPrintPreviewDialog", "QPrintPreviewDialog", "QPrintDialog", "QFileDialog"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
