#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "CsvWriter.h"
#include "Files.h"
#include "MainWindow.h"
#include "MeasureRecord.h"
#include "ModalAnswerer.h"
#include "NoPrinters.h"
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
#include <QScreen>
#include <QStatusBar>

#include <sys/stat.h>

namespace {

// A group as a download hands it over: the window takes ownership.
MeasureRecord* makeGroup(int nCount)
{
    MeasureRecord* group = AllocGroup(nCount);
    for (int i = 0; i < nCount; ++i)
        sample::fillRecord(group[i], {1}, {uint16_t(500 + i), uint16_t(510 + i), uint16_t(505 + i)});
    return group;
}

// The height of the chart's first bar: the first value of the record it shows.
double firstBar() { return pPlot->barChart()->sample(1).y(); }

QPushButton* button(int which) { return pControl->pButtons[which]; }

// Presses LoadData with a group chosen; no worker answers, the progress dialog stays pending.
QPointer<QProgressDialog> startDownload(MainWindow& w)
{
    w.show();
    QObject::disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);
    w.slotValidDev(1);
    pControl->findChild<QComboBox*>()->setCurrentIndex(2);
    button(MyWndControl::LoadData)->click();
    return w.findChild<QProgressDialog*>();
}

// "title|text" of every message box that action brings up, each closed (the question before
// replacing a file answered Yes); a file dialog gets the name given.
QStringList messagesOf(const std::function<void()>& action, const QString& fileName = {})
{
    QStringList texts;
    ModalAnswerer answerer([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(fileName);
            acceptDialog(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts << box->windowTitle() + "|" + box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        }
    });
    action();
    return texts;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FreeGroup(nullptr, -1); }

    void followsTheInstrument()
    {
        delete new MainWindow;  // a window closed before: its shutdown must not stop the next one's polling
        MainWindow w;
        QCOMPARE(int(bAppRunning), 1);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled());
        QCOMPARE(nGroupIndex, -1);
        QVERIFY(w.statusBar()->currentMessage().endsWith(":Looking for the instrument..."));
        const std::pair<short, QString> states[] = {
            {QHard::kConnected, "Device Connected"},
            {QHard::kNoPermission, "Device found, but no permission to open it: install the udev rule (see README)"},
            {QHard::kAbsent, "Device Disconnected"},
        };
        for (const auto& [nPresence, text] : states) {
            w.slotValidDev(nPresence);
            QCOMPARE(button(MyWndControl::LoadData)->isEnabled(), nPresence == QHard::kConnected);
            const QRegularExpression line("^\\d\\d:\\d\\d:\\d\\d :" + QRegularExpression::escape(text) + '$');
            QVERIFY(line.match(w.statusBar()->currentMessage()).hasMatch());
        }
    }

    void loadDataFlow()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Requests stay here: this test plays the worker's part.
        disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);
        QSignalSpy requests(&w, &MainWindow::sigCollectGroup);
        w.slotValidDev(1);
        const auto click = [] { QTest::mouseClick(button(MyWndControl::LoadData), Qt::LeftButton); };
        QCOMPARE(messagesOf(click), QStringList{"Error|Please choose group first!"});
        QVERIFY(requests.isEmpty() && button(MyWndControl::LoadData)->isEnabled());

        pControl->findChild<QComboBox*>()->setCurrentIndex(1);
        click();
        QVERIFY(requests.count() == 1 && requests.at(0).at(0).toInt() == 1);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled() && w.focusWidget() == pTable);
        auto* progress = w.findChild<QProgressDialog*>();
        QVERIFY(progress);
        w.slotProcessStatus(0x100000 | 12);
        w.slotProcessStatus(5);
        QVERIFY(progress->maximum() == 12 && progress->value() == 5);

        MeasureRecord* group = makeGroup(5);
        w.slotData(group, 5);
        QVERIFY(button(MyWndControl::LoadData)->isEnabled());
        QVERIFY(CurrentGroup.pRecords == group && CurrentGroup.nCount == 5 && pTable->rowCount() == 5);
        w.slotProcessStatus(3);  // late progress after the dialog closed: ignored
        QTRY_VERIFY(w.findChildren<QProgressDialog*>().isEmpty());

        // The chart follows the keys through the table.
        QTest::keyClick(pTable, Qt::Key_Down);
        QCOMPARE(firstBar(), 500.0);
        QTest::keyClick(pTable, Qt::Key_End);
        QTest::keyClick(pTable, Qt::Key_Up);
        QVERIFY(firstBar() == 503.0 && pPlot->accessibleName().startsWith("Impacts of record 4: 3 values"));
        // No data: the store, the table and the chart stay as they were.
        QCOMPARE(messagesOf([&] { w.slotData(nullptr, 0); }), QStringList{"Info|No data is found!"});
        QVERIFY(CurrentGroup.pRecords == group && pTable->rowCount() == 5);

        // A smaller group after a larger one: no rows are left over, and rows beyond it pick nothing.
        w.slotData(makeGroup(2), 2);
        QVERIFY(CurrentGroup.nCount == 2 && pTable->rowCount() == 2);
        w.slotRowSel(3);
        w.slotRowSel(-1);
        QCOMPARE(firstBar(), 503.0);
        w.slotRowSel(0);
        QCOMPARE(firstBar(), 500.0);
    }

    void noBusyPopupOverTheWarning()
    {
        MainWindow w;
        QPointer<QProgressDialog> progress = startDownload(w);
        progress->setMinimumDuration(50);  // its own timer, shortened and restarted: it runs out
        progress->setValue(0);             // while the warning is up
        bool bPopupOverWarning = false;
        ModalAnswerer answerer([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return rejectDialog(modal);  // the popup, where it came up
            QTest::qWait(300);
            bPopupOverWarning = progress && progress->isVisible();
            box->accept();
        });
        w.slotData(nullptr, 0);  // an empty group, no instrument or a failed first exchange
        QVERIFY(!bPopupOverWarning);
    }

    // A download that never answered: the instrument comes back and LoadData starts afresh. The
    // pending dialog is replaced, but not while a click from inside its own events is running.
    void clickFromInsideTheDialogsOwnEventsKeepsIt()
    {
        MainWindow w;
        QPointer<QProgressDialog> progress = startDownload(w);
        QVERIFY(QMetaObject::invokeMethod(progress, "forceShow"));  // as after its minimum duration
        w.slotValidDev(1);
        // A shown window-modal progress dialog processes events in setValue: the click lands there.
        bool bAliveAfterClick = false;
        QTimer::singleShot(0, &w, [&] {
            button(MyWndControl::LoadData)->click();
            bAliveAfterClick = !progress.isNull();
        });
        w.slotProcessStatus(1);
        QVERIFY(bAliveAfterClick);
        QTRY_VERIFY(progress.isNull());  // released once control is back in the event loop
        QCOMPARE(w.findChildren<QProgressDialog*>().size(), 1);
    }

    void saveCsvReportsWhatHappened()
    {
        MainWindow w;
        QTemporaryDir dir;
        const QString path = dir.filePath("group.csv"), pipe = dir.filePath("pipe.csv");
        const auto save = [&](const QString& fileName) { return messagesOf([&] { w.saveCSV(); }, fileName); };
        QCOMPARE(save(path), QStringList{"Error|No data to save"});
        w.slotData(makeGroup(2), 2);
        QCOMPARE(save(path), QStringList{"Info|Successfully saved"});
        QCOMPARE(fileBytes(path), CsvDocument(CurrentGroup.pRecords, 2));
        const QStringList texts = onFullDisk([&] { return save(path); });  // replace question, failure
        QCOMPARE(texts.value(1), QStringLiteral("Error|The file could not be written."));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(save(pipe).value(1), QStringLiteral("Error|File open failed"));
    }

    // Every shortcut and mnemonic reaches its action; the print actions share one printer.
    void keysReachTheirActions()
    {
        MainWindow w;
        w.show();
        w.slotValidDev(QHard::kConnected);
        QStringList seen;  // the message boxes' titles, the other dialogs' classes
        ModalAnswerer answerer([&](QWidget* modal) {
            seen << (qobject_cast<QMessageBox*>(modal) ? modal->windowTitle() : modal->metaObject()->className());
        });
        const std::pair<QKeySequence, QString> keys[] = {
            {QKeySequence::Save, "Error"},  // nothing to save
            {Qt::CTRL + Qt::Key_L, "Error"},  // no group chosen
            {Qt::ALT + Qt::Key_V, "QPrintPreviewDialog"},
            {QKeySequence::Print, "QPrintDialog"},
            {Qt::ALT + Qt::Key_P, "QPrintDialog"},
            {Qt::ALT + Qt::Key_D, "QFileDialog"},  // the chart export, also with nothing loaded
            {Qt::CTRL + Qt::Key_H, "MyHistoryDialog"},
            {QKeySequence::HelpContents, "Help"},
        };
        const auto press = [&](const QKeySequence& sequence) {
            seen.clear();
            w.activateWindow();  // back from the last dialog
            return QTest::qWaitForWindowActive(&w) && (QTest::keySequence(&w, sequence), true);
        };
        for (const auto& [sequence, modal] : keys) {
            QVERIFY(press(sequence));
            // A button's letter presses it after a short flash.
            QTRY_VERIFY2(seen == QStringList{modal}, qPrintable(sequence.toString() + ": " + seen.join(',')));
        }
        QVERIFY(pPrint && w.findChildren<MyPrint*>().size() == 1);
        QVERIFY(press(Qt::ALT + Qt::Key_G) && w.focusWidget() == pControl->findChild<QComboBox*>());
        QVERIFY(press(Qt::CTRL + Qt::Key_Q) && !w.isVisible());
    }

    // Last, as it leaves a remembered geometry behind. A first run opens inside the screen, frame
    // included (a small one here: 800 x 600).
    void sizeAndPositionRemembered()
    {
        QStandardPaths::setTestModeEnabled(true);  // settings in a folder of the test's own
        QSettings().clear();
        const QRect remembered(40, 50, 700, 500);
        {
            MainWindow w;
            w.show();
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            QTRY_VERIFY(screen.contains(w.frameGeometry()) && w.height() > screen.height() - 50);
            w.setGeometry(remembered);
            w.close();
        }
        MainWindow w;
        QCOMPARE(w.geometry(), remembered);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
