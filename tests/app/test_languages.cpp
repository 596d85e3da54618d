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

// Installed before the shipped catalogue, so asked only for the texts that it lacks; those of
// Qt and Qwt are in contexts that start with a Q.
struct MissingTexts : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (context[0] != 'Q')
            texts << QStringLiteral("%1: %2").arg(context, sourceText);
        return QString();
    }
    mutable QStringList texts;
};

// Run once per shipped language (CTest sets the locale): every text of the program's own that
// the window, its messages and the report show is translated, and none is cut off. A catalogue
// in the working directory takes the place of the shipped one; a file of that name that is no
// catalogue does not.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslatedAndShownInFull()
    {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()) && writeFile(QLocale::system().name() + ".qm", "not a catalogue"));
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
        // Qt's own catalogue, the style and the icon, the last two once the window is painted.
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), 2);
        QVERIFY(!qApp->styleSheet().isEmpty() && !QApplication::windowIcon().isNull());
        // Axis numbers as the table writes them, not in the locale's manner ("1.000" in German).
        QCOMPARE(pPlot->axisScaleDraw(QwtPlot::yLeft)->label(1000).text(), QStringLiteral("1000"));

        // Buttons and labels wide enough (or tall enough, when they wrap), not cut off by a scroll area.
        const QList<QWidget*> widgets = pControl->findChildren<QWidget*>();
        for (QWidget* widget : widgets + w.findChild<MyStatisticsBox*>()->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const int nShown = widget->visibleRegion().boundingRect().width();
            const bool bFits = label && label->wordWrap()
                                   ? nShown == label->width() && label->heightForWidth(nShown) <= label->height()
                                   : widget->sizeHint().width() <= nShown;
            QVERIFY2(!(label || qobject_cast<QAbstractButton*>(widget)) || !widget->isVisible() || bFits,
                     qPrintable(widget->property("text").toString()));
        }
        // Alt and a letter: one control or menu of the window's each, one entry of a menu's each.
        QList<QList<QAction*>> scopes{w.menuBar()->actions()};
        for (QAction* menu : w.menuBar()->actions())
            scopes << menu->menu()->actions();
        for (QWidget* widget : widgets + QList<QWidget*>{w.findChild<MyStatisticsBox*>()->findChild<QPushButton*>()}) {
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget))
                scopes[0] << new QAction(widget->property("text").toString(), widget);
        }
        for (const QList<QAction*>& actions : scopes) {
            QSet<QKeySequence> letters;
            for (const QAction* action : actions) {
                const QKeySequence letter = QKeySequence::mnemonic(action->text());
                QVERIFY2(action->isSeparator() || (!letter.isEmpty() && !letters.contains(letter)),
                         qPrintable(action->text()));
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

    // Under German, the test's own catalogue, which lacks "Print", replaces the shipped one whole.
    void workingDirectoryCatalogueWins()
    {
        if (QLocale::system().name() != QLatin1String("de_DE"))
            QSKIP("the catalogue at hand is German");
        QTemporaryDir dir;  // away from the build folder, which holds that catalogue
        QVERIFY(QDir::setCurrent(dir.path()) && QFile::copy(GERMAN_CATALOGUE, "de_DE.qm"));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        SetUpApplication(*qApp);
        MainWindow w;
        QCOMPARE(pControl->pButtons[MyWndControl::LoadData]->text(), QStringLiteral("Daten &laden"));
        QCOMPARE(pControl->pButtons[MyWndControl::Print]->text(), QStringLiteral("&Print"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
