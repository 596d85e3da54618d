#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "Files.h"
#include "MainWindow.h"
#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "MyStatisticsBox.h"
#include "MyWndControl.h"
#include "SampleGroup.h"
#include "Startup.h"

#include <QtTest>
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QToolTip>
#include <QTranslator>

#include <qwt_scale_draw.h>

// Installed before the shipped catalogue, so asked only for the program's texts that it lacks.
struct MissingTexts : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QStringList{"MainWindow", "MyWndControl", "MyArchiveMenu", "MyWindowMenus", "CBarChartPlot", "CTableResult",
                        "MyTranslate", "MyPrint", "SaveFile", "MyStatisticsBox", "GroupVerdict"}
                .contains(context))
            texts << QStringLiteral("%1: %2").arg(context, sourceText);
        return QString();
    }
    mutable QStringList texts;
};

// Run once per shipped language (CTest sets the locale): every text of the program's own that
// the window, its messages and the report show is translated, and none is cut off. A catalogue
// in the working directory takes the place of the shipped one.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslatedAndShownInFull()
    {
        QTemporaryDir dir;  // a working directory without a catalogue of its own, which would win
        QVERIFY(QDir::setCurrent(dir.path()));
        MissingTexts missing;
        QCoreApplication::installTranslator(&missing);
        SetUpApplication(*qApp);
        ToleranceLimits::fromText("HL=750:").save();  // the verdicts and marks show too
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();  // the window kept inside this small screen first
        w.resize(MainWindow::kOpeningSize);  // as it opens on a 1366 x 768 screen, larger than this one

        int nAnswered = 0;
        ModalAnswerer answerer([&](QWidget* modal) { ++nAnswered, acceptDialog(modal); });
        w.saveCSV();          // nothing to save
        w.slotColectgroup();  // no group chosen
        w.slotData(nullptr, DownloadOutcome{DownloadOutcome::EmptyGroup});
        const int nRecords = 10;  // every material, and long series of values
        MeasureRecord* group = AllocGroup(nRecords);
        for (int i = 0; i < nRecords; ++i)
            sample::fillRecord(group[i], {uint8_t(i), uint8_t(i % 7), uint8_t(i % 5)}, sample::rising(700, 3 + 3 * i));
        w.slotData(group, DownloadOutcome::whole(nRecords));
        pTable->setCurrentCell(0, 0);  // an HL record below the limit
        for (QAction* help : w.menuBar()->actions().last()->menu()->actions())
            help->trigger();  // the short guide, the About box
        QCoreApplication::processEvents();  // laid out anew
        MyPrint report;
        report.printer()->setOutputFileName(dir.filePath("report.pdf"));
        report.paintReport();
        QCOMPARE(nAnswered, 5);
        QVERIFY2(missing.texts.isEmpty(), qPrintable(missing.texts.join('\n')));
        // Axis numbers as the table writes them, not in the locale's manner ("1.000" in German).
        QCOMPARE(pPlot->axisScaleDraw(QwtPlot::yLeft)->label(1000).text(), QStringLiteral("1000"));

        for (QWidget* box : std::initializer_list<QWidget*>{pControl, w.findChild<MyStatisticsBox*>()}) {
            for (QWidget* widget : box->findChildren<QWidget*>()) {
                // Wide enough (or tall enough, when it wraps), and not cut off by a scroll area either.
                const auto* label = qobject_cast<QLabel*>(widget);
                const int nShown = widget->visibleRegion().boundingRect().width();
                const bool bFits = label && label->wordWrap()
                                       ? nShown == label->width() && label->heightForWidth(nShown) <= label->height()
                                       : widget->sizeHint().width() <= nShown;
                QVERIFY2(!(label || qobject_cast<QAbstractButton*>(widget)) || !widget->isVisible() || bFits,
                         qPrintable(widget->property("text").toString()));
            }
        }
        // Alt and a letter: one control or menu of the window's each, one entry of a menu's each.
        QList<QList<QAction*>> scopes{w.menuBar()->actions()};
        for (QAction* menu : w.menuBar()->actions())
            scopes << menu->menu()->actions();
        for (QWidget* widget : pControl->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))
                scopes[0] << new QAction(widget->property("text").toString(), widget);
        }
        for (const QList<QAction*>& actions : scopes) {
            QSet<QKeySequence> letters;
            for (const QAction* action : actions) {
                const QKeySequence letter = QKeySequence::mnemonic(action->text());
                QVERIFY2(action->isSeparator() || (!letter.isEmpty() && !letters.contains(letter)), qPrintable(action->text()));
                letters << letter;
            }
        }
        // Every heading, and the numbers and dates under Min, Max, Avg and DateTime, in full and
        // in sight; a cut values list shows itself as a tooltip.
        QHeaderView* header = pTable->horizontalHeader();
        QVERIFY(header->length() <= pTable->viewport()->width());
        for (int column = 0; column < pTable->columnCount(); ++column) {
            QVERIFY2(header->sectionSizeHint(column) <= header->sectionSize(column),
                     qPrintable(pTable->horizontalHeaderItem(column)->text()));
            for (int row = 0; (column == 0 || column >= 6) && row < nRecords; ++row) {
                const QString text = pTable->item(row, column)->text();
                QVERIFY2(pTable->fontMetrics().horizontalAdvance(text) < header->sectionSize(column), qPrintable(text));
            }
        }
        const auto tipOver = [&](int row, int column) {
            const QPoint centre = pTable->visualItemRect(pTable->item(row, column)).center();
            QHelpEvent help(QEvent::ToolTip, centre, pTable->viewport()->mapToGlobal(centre));
            QCoreApplication::sendEvent(pTable->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipOver(1, 9), QString());  // a date fits
        QCOMPARE(tipOver(9, 5), pTable->item(9, 5)->text());
        FreeGroup(nullptr, -1);
    }

    // With the test's own German catalogue, which lacks "Print".
    void workingDirectoryCatalogueWins()
    {
        if (QLocale::system().name() != QLatin1String("de_DE"))
            QSKIP("the catalogue at hand is German");
        QTemporaryDir dir;  // away from the build folder, which holds that catalogue
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto setUpAfresh = [] {
            for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
            QApplication::setWindowIcon(QIcon());
            SetUpApplication(*qApp);
        };

        // A file of that name that is no catalogue: the shipped German one.
        QVERIFY(writeFile(dir.filePath("de_DE.qm"), "not a catalogue"));
        setUpAfresh();
        QVERIFY(!qApp->styleSheet().isEmpty());
        {
            MainWindow w;
            w.show();
            // Qt's own catalogue and the icon come once the window is painted.
            QTRY_VERIFY(!QApplication::windowIcon().isNull());
            QCOMPARE(qApp->findChildren<QTranslator*>().size(), 2);
            QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("D&rucken"));
        }

        // A real catalogue in the working directory replaces the shipped one whole.
        QVERIFY(QFile::remove(dir.filePath("de_DE.qm")));
        QVERIFY(QFile::copy(QStringLiteral(GERMAN_CATALOGUE), dir.filePath("de_DE.qm")));
        setUpAfresh();
        MainWindow w;
        QCOMPARE(pControl->pButtons[MyWndControl::LoadData]->text(), QStringLiteral("Daten &laden"));
        QCOMPARE(pTable->horizontalHeaderItem(0)->text(), QStringLiteral("Werkstoff"));
        QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("&Print"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
