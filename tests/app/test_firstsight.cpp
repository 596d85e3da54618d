#include "MainWindow.h"
#include "ModalAnswerer.h"
#include "MyWndControl.h"

#include <QtTest>
#include <QComboBox>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>

namespace {

// Presses LoadData with a group chosen; no worker answers, the progress dialog stays pending.
QPointer<QProgressDialog> startDownload(MainWindow& w)
{
    w.show();
    QObject::disconnect(&w, &MainWindow::sigCollectGroup, nullptr, nullptr);
    w.slotValidDev(1);
    pControl->findChild<QComboBox*>()->setCurrentIndex(2);
    pControl->pButtons[MyWndControl::LoadData]->click();
    return w.findChild<QProgressDialog*>();
}

} // namespace

// The progress dialog against the messages and clicks that reach it, and the window's size.
class TestFirstSight : public QObject
{
    Q_OBJECT

private slots:
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

    void clickFromInsideTheDialogsOwnEventsKeepsIt()
    {
        MainWindow w;
        QPointer<QProgressDialog> progress = startDownload(w);
        QVERIFY(QMetaObject::invokeMethod(progress, "forceShow"));  // as after its minimum duration
        w.slotValidDev(1);  // the instrument reported again: LoadData is enabled once more
        // A shown window-modal progress dialog processes events in setValue: the click lands there.
        bool bAliveAfterClick = false;
        QTimer::singleShot(0, &w, [&] {
            pControl->pButtons[MyWndControl::LoadData]->click();
            bAliveAfterClick = !progress.isNull();
        });
        w.slotProcessStatus(1);
        QVERIFY(bAliveAfterClick);
        QTRY_VERIFY(progress.isNull());  // released once control is back in the event loop
    }

    void sizeAndPositionRemembered()
    {
        QStandardPaths::setTestModeEnabled(true);  // settings in a folder of the test's own
        QSettings().clear();
        const QRect remembered(40, 50, 700, 500);
        {
            MainWindow w;
            QCOMPARE(w.size(), MainWindow::kOpeningSize.boundedTo(QGuiApplication::primaryScreen()->availableGeometry().size()));
            w.setGeometry(remembered);
            w.show();
            w.close();
        }
        MainWindow w;
        QCOMPARE(w.geometry(), remembered);
    }
};

QTEST_MAIN(TestFirstSight)
#include "test_firstsight.moc"
