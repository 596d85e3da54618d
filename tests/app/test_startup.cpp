#include "CTableResult.h"
#include "MainWindow.h"
#include "MyWndControl.h"
#include "Startup.h"

#include <QtTest>
#include <QPushButton>
#include <QStatusBar>

// Runs with the system locale de_DE (set by CTest), so the catalogue looked for is de_DE.qm.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void translationFromTheWorkingDirectoryOnly()
    {
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        // Start away from the build folder, which holds the catalogue this test copies.
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto title = [] {
            SetUpApplication(*qApp);
            return MainWindow().windowTitle();
        };
        QCOMPARE(title(), QStringLiteral("MainWindow"));  // no catalogue: English source texts
        QVERIFY(!qApp->styleSheet().isEmpty() && !QApplication::windowIcon().isNull());

        // A file of that name that is no catalogue: still English, nothing reported.
        QFile broken(dir.filePath("de_DE.qm"));
        QVERIFY(broken.open(QFile::WriteOnly) && broken.write("not a catalogue") > 0);
        broken.close();
        QCOMPARE(title(), QStringLiteral("MainWindow"));

        // A real catalogue: the window, the panel and the headings follow it.
        QVERIFY(QFile::remove(dir.filePath("de_DE.qm")));
        QVERIFY(QFile::copy(QStringLiteral(GERMAN_CATALOGUE), dir.filePath("de_DE.qm")));
        SetUpApplication(*qApp);
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Hauptfenster"));
        QCOMPARE(pControl->pButtons[MyWndControl::LoadData]->text(), QStringLiteral("Daten laden"));
        QVERIFY(w.statusBar()->currentMessage().endsWith(QString::fromUtf8(" :Gerät getrennt")));
        QCOMPARE(pTable->horizontalHeaderItem(0)->text(), QStringLiteral("Werkstoff"));
        QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("Print"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
