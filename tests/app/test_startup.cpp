#include "CTableResult.h"
#include "Files.h"
#include "MainWindow.h"
#include "MyWndControl.h"
#include "Startup.h"

#include <QtTest>
#include <QPushButton>

// Runs with the system locale de_DE (set by CTest), so the catalogue looked for is de_DE.qm.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Start away from the build folder, which holds the catalogue this test copies.
        QVERIFY(dir.isValid());
        QVERIFY(QDir::setCurrent(dir.path()));
    }

    void workingDirectoryCatalogueWins()
    {
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
        const auto setUpAfresh = [] {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
            SetUpApplication(*qApp);
        };

        // A file of that name that is no catalogue: the shipped German one.
        QVERIFY(writeFile(dir.filePath("de_DE.qm"), "not a catalogue"));
        setUpAfresh();
        QVERIFY(!qApp->styleSheet().isEmpty() && !QApplication::windowIcon().isNull());
        {
            MainWindow w;
            QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("Drucken"));
        }

        // A real catalogue in the working directory replaces the shipped one whole.
        QVERIFY(QFile::remove(dir.filePath("de_DE.qm")));
        QVERIFY(QFile::copy(QStringLiteral(GERMAN_CATALOGUE), dir.filePath("de_DE.qm")));
        setUpAfresh();
        MainWindow w;
        QCOMPARE(pControl->pButtons[MyWndControl::LoadData]->text(), QStringLiteral("Daten laden"));
        QCOMPARE(pTable->horizontalHeaderItem(0)->text(), QStringLiteral("Werkstoff"));
        QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("Print"));
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
