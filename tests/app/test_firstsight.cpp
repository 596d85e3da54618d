#include "MainWindow.h"
#include "ModalAnswerer.h"
#include "MyWndControl.h"

#include <QtTest>
#include <QComboBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>

// The window as a user first meets it: the download's progress dialog against the messages
// and clicks that can reach it, and the window's size kept between runs.
class TestFirstSight : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);  // settings go to a folder of the test's own
    }

    void noBusyPopupOverTheWarning()
    {
        MainWindow w;
        w.show();
        disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);  // no worker answers here
        w.slotValidDev(1);
        pControl->findChild<QComboBox*>()->setCurrentIndex(2);
        pControl->pButtons[MyWndControl::LoadData]->click();
        QPointer<QProgressDialog> progress = w.findChild<QProgressDialog*>();
        QVERIFY(progress);
        // Its own timer, shortened and restarted: it runs out while the warning is up.
        progress->setMinimumDuration(50);
        progress->setValue(0);

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

    void clickFromInsideTheDialogsOwnEventsKeepsIt()
    {
        MainWindow w;
        w.show();
        disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);
        w.slotValidDev(1);
        pControl->findChild<QComboBox*>()->setCurrentIndex(0);
        QPushButton* loadData = pControl->pButtons[MyWndControl::LoadData];
        loadData->click();
        QPointer<QProgressDialog> progress = w.findChild<QProgressDialog*>();
        QVERIFY(progress);
        QVERIFY(QMetaObject::invokeMethod(progress, "forceShow"));  // shown, as after its minimum duration
        w.slotValidDev(1);  // the instrument reported again: LoadData is enabled once more

        // A shown window-modal progress dialog processes events in setValue: the click lands there.
        bool bAliveAfterClick = false;
        QTimer::singleShot(0, loadData, [&] {
            loadData->click();
            bAliveAfterClick = !progress.isNull();
        });
        w.slotProcessStatus(1);
        QVERIFY(bAliveAfterClick);
        QTRY_VERIFY(progress.isNull());  // released once control is back in the event loop
    }

    void sizeAndPositionRemembered()
    {
        QSettings().clear();
        const QRect remembered(40, 50, 700, 500);
        {
            MainWindow w;
            QCOMPARE(w.size(), MainWindow::kOpeningSize.boundedTo(QGuiApplication::primaryScreen()->availableGeometry().size()));
            w.setGeometry(remembered);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.close();
        }
        MainWindow w;
        QCOMPARE(w.geometry(), remembered);
    }
};

QTEST_MAIN(TestFirstSight)
#include "test_firstsight.moc"
