#include "CTableResult.h"
#include "MainWindow.h"
#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "MyWndControl.h"
#include "SampleGroup.h"
#include "Startup.h"

#include <QtTest>
#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QTranslator>

namespace {

// Installed before the shipped catalogue, so asked only for what that one lacks.
class MissingTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QStringList ours{"MainWindow", "MyWndControl", "MyTranslate", "MyPrint", "SaveFile"};
        if (ours.contains(QLatin1String(context)))
            texts << QStringLiteral("%1: %2").arg(context, sourceText);
        return QString();
    }

    mutable QStringList texts;
};

} // namespace

// Run once per shipped language (CTest sets the locale): every text of the program's own that
// the window, its messages and the report show is translated, and none is cut off.
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
        MainWindow w;
        w.resize(MainWindow::kOpeningSize);  // as it opens on a 1366 x 768 screen
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        ModalAnswerer answerer(acceptDialog);
        w.saveCSV();          // nothing to save
        w.slotColectgroup();  // no group chosen
        w.slotData(nullptr, 0);
        const int nRecords = 10;  // every material, one long series
        MeasureRecord* group = AllocGroup(nRecords);
        for (int i = 0; i < nRecords; ++i)
            sample::fillRecord(group[i], {uint8_t(i), uint8_t(i % 7), uint8_t(i % 5)}, sample::rising(700, 3 + 3 * i));
        w.slotData(group, nRecords);
        MyPrint report;
        report.printer()->setOutputFileName(dir.filePath("report.pdf"));
        report.paintReport();
        QCOMPARE(answerer.answered(), 3);
        QVERIFY2(missing.texts.isEmpty(), qPrintable(missing.texts.join('\n')));

        for (QWidget* widget : pControl->findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const auto* label = qobject_cast<QLabel*>(widget);
            if (button || label)
                QVERIFY2(widget->sizeHint().width() <= widget->width(),
                         qPrintable(button ? button->text() : label->text()));
        }
        // Every heading, and the numbers and dates under Min, Max, Avg and DateTime, in full and
        // in sight; the values list may be cut.
        QHeaderView* header = pTable->horizontalHeader();
        QVERIFY(header->length() <= pTable->viewport()->width());
        for (int column = 0; column < pTable->columnCount(); ++column) {
            QVERIFY2(header->sectionSizeHint(column) <= header->sectionSize(column),
                     qPrintable(pTable->horizontalHeaderItem(column)->text()));
            for (int row = 0; column >= 6 && row < nRecords; ++row) {
                const QString text = pTable->item(row, column)->text();
                QVERIFY2(pTable->fontMetrics().horizontalAdvance(text) < header->sectionSize(column), qPrintable(text));
            }
        }
        FreeGroup(nullptr, -1);
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
