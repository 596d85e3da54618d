#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "CsvWriter.h"
#include "Files.h"
#include "MainWindow.h"
#include "MeasureArchive.h"
#include "MeasureRecord.h"
#include "ModalAnswerer.h"
#include "NoPrinters.h"
#include "MyPrint.h"
#include "MyStatisticsBox.h"
#include "MyWndControl.h"
#include "QHard.h"
#include "SampleGroup.h"
#include "SimulatedInstrument.h"

#include <QtTest>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

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

// The downloads in the window's archive, newest first.
QVector<ArchivedDownload> archived()
{
    MeasureArchive archive;
    ArchiveLocation location;
    QString error;
    QVector<ArchivedDownload> downloads;
    if (ArchiveLocation::fromUrl(QString(), location, error) && archive.open(location))
        archive.list(downloads);
    return downloads;
}

// "title|text" of every message box that action brings up, each closed (the question before
// replacing a file answered Yes); a file dialog gets the name given, after the name it suggested
// (folder and file) went into *pSuggested.
QStringList messagesOf(const std::function<void()>& action, const QString& fileName = {}, QString* pSuggested = nullptr)
{
    QStringList texts;
    ModalAnswerer answerer([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (pSuggested)
                *pSuggested = dialog->directory().absoluteFilePath(edit->text());
            edit->setText(fileName);
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

    void followsTheInstrumentAndLoadsData()
    {
        delete new MainWindow;  // a window closed before: its shutdown must not stop the next one's polling
        MainWindow w;
        QCOMPARE(int(bAppRunning), 1);
        QVERIFY(!button(MyWndControl::LoadData)->isEnabled() && nGroupIndex == -1);
        QVERIFY(w.statusBar()->currentMessage().endsWith(":Looking for the instrument..."));
        const std::pair<short, QString> states[] = {
            {QHard::kConnected, "Device Connected"},
            {QHard::kNoPermission, "Device found, but no permission to open it: install the udev rule (see README)"},
            {QHard::kAbsent, "Device Disconnected"},
        };
        for (const auto& [nPresence, text] : states) {
            w.slotValidDev(nPresence);
            QCOMPARE(button(MyWndControl::LoadData)->isEnabled(), nPresence == QHard::kConnected);
            QVERIFY(w.statusBar()->currentMessage().endsWith(" :" + text));
        }

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
        w.slotData(group, DownloadOutcome::whole(5));
        QVERIFY(button(MyWndControl::LoadData)->isEnabled());
        QVERIFY(CurrentGroup.pRecords == group && CurrentGroup.nCount == 5 && pTable->rowCount() == 5);
        w.slotProcessStatus(3);  // late progress after the dialog closed: ignored
        QTRY_VERIFY(w.findChildren<QProgressDialog*>().isEmpty());

        // The chart follows the keys through the table.
        QTest::keyClick(pTable, Qt::Key_Down);
        QCOMPARE(firstBar(), 500.0);
        QTest::keyClick(pTable, Qt::Key_End);
        QTest::keyClick(pTable, Qt::Key_Up);
        QCOMPARE(firstBar(), 503.0);
        // No data, or no answer at all: the store, the table and the chart stay as they were.
        QCOMPARE(messagesOf([&] { w.slotData(nullptr, {DownloadOutcome::EmptyGroup}); }), QStringList{"Info|No data is found!"});
        QCOMPARE(messagesOf([&] { w.slotData(nullptr, {}); }),
                 QStringList{"Error|The instrument did not answer; nothing was downloaded."});
        QVERIFY(CurrentGroup.pRecords == group && pTable->rowCount() == 5 && firstBar() == 503.0);

        // A new group clears the chart; no rows are left over, and rows beyond it pick nothing.
        w.slotData(makeGroup(2), DownloadOutcome::whole(2));
        QVERIFY(pTable->rowCount() == 2 && pPlot->barChart()->dataSize() == 0);
        w.slotRowSel(3);
        w.slotRowSel(-1);
        QCOMPARE(pPlot->barChart()->dataSize(), size_t(0));
        w.slotRowSel(0);
        QCOMPARE(firstBar(), 500.0);
    }

    // The instrument lost at record 13 of 40: the 12 records are shown and nothing stands for the
    // others, the window says so and marks the group, and the archive does not keep it; the whole
    // download after it is kept and shown as such.
    void incompleteDownloadIsShownAsSuchAndNotArchived()
    {
        SimulatedInstrument& demo = SimulatedInstrument::demo();
        const auto setGroup = [&] { demo.setGroup(3, std::vector<SimRecord>(40, SimRecord{2, 3, 22, 9, 8, 1, 4, {500, 766}})); };
        demo.resetToDemo();
        setGroup();
        const int nArchived = archived().size();
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitFor([] { return button(MyWndControl::LoadData)->isEnabled(); }, 10000));
        pControl->findChild<QComboBox*>()->setCurrentIndex(2);
        demo.injectFault(51, SimulatedInstrument::Fault::WaitError);  // the header request of record 13
        QTest::ignoreMessage(QtDebugMsg, "Write WaitForSingleObject error");
        const auto load = [] {
            button(MyWndControl::LoadData)->click();
            QVERIFY(QTest::qWaitFor([] { return button(MyWndControl::LoadData)->isEnabled(); }, 10000));
        };
        QCOMPARE(messagesOf(load),
                 QStringList{"Error|The instrument was lost after 12 of 40 records; the rest were not downloaded."});
        QVERIFY(CurrentGroup.nCount == 12 && pTable->rowCount() == 12);
        QCOMPARE(w.windowTitle(), QStringLiteral("Hardness Tester \u2013 Incomplete download: group 3, 12 of 40 records"));

        setGroup();
        QTest::qWait(QHard::kPresenceIntervalMs + 100);  // the next presence check opens the instrument again
        QCOMPARE(messagesOf(load), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(archived().size(), nArchived + 1, 10000);
        QCOMPARE(archived().first().nRecordCount, 40);  // the one before it was never stored
        QVERIFY(pTable->rowCount() == 40 && w.windowTitle() == "Hardness Tester");
    }

    // Opened from the history, a download says which one it is until the next from the instrument.
    // Save dialogs suggest a name after the group shown, in the folder used last, add the suffix,
    // and every outcome is reported.
    void archivedDownloadAndSaving()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        MainWindow w;
        QTemporaryDir dir;
        QString suggested;
        const auto save = [&](void (MainWindow::*slot)(), const QString& name) {
            return messagesOf([&] { (w.*slot)(); }, dir.filePath(name), &suggested);
        };
        QLabel* source = w.statusBar()->findChild<QLabel*>("source");
        w.slotData(makeGroup(3), DownloadOutcome::whole(3));
        w.slotRowSel(0);
        ArchivedDownload download;
        download.nGroupNumber = 5;
        download.downloadedAt = QDateTime(QDate(2026, 11, 30), QTime(14, 2)).toUTC();
        w.slotArchivedData(makeGroup(2), 2, download);
        const QString text = "Archived download: group 5, 2026/11/30 14:02";
        QVERIFY(w.windowTitle().endsWith(text) && source->text() == text);
        QVERIFY(pPlot->barChart()->dataSize() == 0 && pTable->rowCount() == 2);
        QCOMPARE(pControl->findChild<QComboBox*>()->currentText(), QStringLiteral("5"));
        w.slotValidDev(1);
        QCOMPARE(source->text(), text);

        const QString path = dir.filePath("mytest.csv");
        QCOMPARE(save(&MainWindow::saveCSV, "mytest"), QStringList{"Info|Saved as " + path});
        QCOMPARE(suggested, QDir::home().absoluteFilePath("group-5-2026-11-30.csv"));
        QCOMPARE(fileBytes(path), CsvDocument(CurrentGroup.pRecords, 2));
        const QStringList texts = onFullDisk([&] { return save(&MainWindow::saveCSV, "mytest"); });
        QVERIFY(texts.size() == 2 && texts[1] == "Error|The file could not be written.");  // after the replace question

        pControl->findChild<QComboBox*>()->setCurrentIndex(0);
        w.slotData(makeGroup(1), DownloadOutcome::whole(1));
        QVERIFY(w.windowTitle() == "Hardness Tester" && source->text().isEmpty());
        w.slotRowSel(0);
        QCOMPARE(save(&MainWindow::slotSavepdf, "chart"), QStringList{"Info|Saved as " + dir.filePath("chart.pdf")});
        QCOMPARE(suggested, dir.filePath("group-1-" + QDate::currentDate().toString("yyyy-MM-dd") + ".pdf"));
        QVERIFY(toolOutput("pdftotext", {dir.filePath("chart.pdf"), "-"}).contains("No. 1, 2022/09/08, HL"));
    }

    // No busy popup over a warning. A download that never answered: the instrument comes back and
    // LoadData starts afresh; the pending dialog is replaced, but not while a click from inside
    // its own events is running.
    void progressDialogNeverInTheWay()
    {
        MainWindow w;
        QPointer<QProgressDialog> progress = startDownload(w);
        progress->setMinimumDuration(50);  // its own timer, shortened and restarted: it runs out
        progress->setValue(0);             // while the warning is up
        bool bPopupOverWarning = false;
        {
            ModalAnswerer answerer([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (!box)
                    return rejectDialog(modal);  // the popup, where it came up
                QTest::qWait(300);
                bPopupOverWarning = progress && progress->isVisible();
                box->accept();
            });
            w.slotData(nullptr, {DownloadOutcome::EmptyGroup});
        }
        QVERIFY(!bPopupOverWarning);

        progress = startDownload(w);
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

    // Failing records marked by colour, a sign and a tooltip, the group's verdict, the chart's
    // lines; the test details and verdicts in the report saved as PDF; once the limits are cleared
    // in "Limits...", none of it, and the next download keeps the operator only.
    void qualityMarksFollowTheLimits()
    {
        ToleranceLimits::fromText("HRC=58:62 HV=1:2").save();  // no HV record here
        MainWindow w;
        MeasureRecord* group = AllocGroup(4);
        const std::vector<uint16_t> raw[] = {{570, 575}, {580, 620}, {620, 630}, {100}};
        for (int i = 0; i < 4; ++i)
            sample::fillRecord(group[i], {0, uint8_t(i < 3 ? 3 : 2)}, raw[i]);  // three HRC, one HB
        w.slotData(group, DownloadOutcome::whole(4));
        auto* box = w.findChild<MyStatisticsBox*>();
        const auto marks = [] {
            QStringList rows;
            for (int i = 0; i < pTable->rowCount(); ++i)
                rows << pTable->model()->headerData(i, Qt::Vertical).toString() + "|"
                            + pTable->item(i, 8)->toolTip() + "|" + pTable->item(i, 0)->background().color().name();
            return rows;
        };
        QCOMPARE(marks(), (QStringList{"\u2717 1|Mean outside 58-62 HRC; single values outside: 2|#7a2424",
                                       "2||#000000", "\u2717 3|Mean outside 58-62 HRC; single values outside: 1|#7a2424",
                                       "4||#000000"}));
        const QLabel* verdict = box->findChild<QLabel*>("groupVerdict");
        QVERIFY(!verdict->isHidden() && verdict->text() == "\u2717 2 of 3 records outside 58-62 HRC");
        const auto chartLines = [] {
            const QwtPlotItemList lines = pPlot->itemList(QwtPlotItem::Rtti_PlotMarker);
            return std::count_if(lines.begin(), lines.end(), [](const QwtPlotItem* line) { return line->isVisible(); });
        };
        w.slotRowSel(0);
        QCOMPARE(chartLines(), 3);
        const auto trigger = [&](const QString& text) {
            for (QAction* action : w.menuBar()->findChildren<QAction*>())
                action->text() == text ? action->trigger() : void();
        };
        {
            ModalAnswerer details([](QWidget* modal) {
                for (auto* field : modal->findChildren<QLineEdit*>())
                    field->setText(field->accessibleName() == "Operator" ? "A. Tester" : field->text() + "P-7");
                acceptDialog(modal);
            });
            trigger("Test &details...");
        }
        QTemporaryDir dir;
        messagesOf([&] { trigger("Save &report as PDF..."); }, dir.filePath("r"));  // the suffix added
        const QString report = QString::fromUtf8(toolOutput("pdftotext", {dir.filePath("r.pdf"), "-"})).simplified();
        QVERIFY2(report.contains("Standard: ISO 16859-1P-7 Test piece / part: P-7") && report.contains("Operator: A. Tester")
                     && report.contains("REJECTED, 2 of 3 records outside 58-62 HRC"), qPrintable(report));

        QString lowerHrc;
        ModalAnswerer answerer([&](QWidget* modal) {
            for (auto* field : modal->findChildren<QLineEdit*>())
                lowerHrc += QStringList{"Lower limit HRC", "Upper limit HV"}.contains(field->accessibleName()) ? field->text() : "";
            for (auto* button : modal->findChildren<QPushButton*>())
                button->text() == "&Clear all" ? button->click() : void();
            acceptDialog(modal);
        });
        box->slotEditLimits();
        QCOMPARE(lowerHrc, QString("258"));  // both limits back from the settings file: HV 2, HRC 58
        QCOMPARE(marks(), (QStringList{"1||#000000", "2||#000000", "3||#000000", "4||#000000"}));
        QVERIFY(verdict->isHidden() && ToleranceLimits::load().isEmpty() && chartLines() == 0);
        w.slotData(makeGroup(1), DownloadOutcome::whole(1));
        QVERIFY(w.testDetails().operatorName == "A. Tester" && w.testDetails().standard == "ISO 16859-1P-7"
                && w.testDetails().testPiece.isEmpty());
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
