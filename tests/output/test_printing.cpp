#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

// One field of what pdfinfo says about a PDF ("Pages", "Title", ...).
QString pdfInfo(const QString& path, const QString& key)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    const QRegularExpression line(QLatin1Char('^') + key + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).trimmed();
}

void expectReportSettings(QPrinter* printer)
{
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(printer->fullPage());
    QCOMPARE(printer->outputFileName(), QStringLiteral("output.pdf"));
    QCOMPARE(printer->docName(), QStringLiteral("setDocName.pdf"));
    // Native output where a printer exists; a machine without one keeps writing the PDF.
    QCOMPARE(printer->outputFormat(),
             QPrinterInfo::availablePrinterNames().isEmpty() ? QPrinter::PdfFormat : QPrinter::NativeFormat);
    QCOMPARE(pdfInfo(QStringLiteral("output.pdf"), QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(QFile::remove(QStringLiteral("output.pdf")));
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir;  // the report's settings write output.pdf here, never into the source tree

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(workDir.path())); }

    void printerAndDialogsAreMadeOnce()
    {
        MyPrint print;
        QPrinter* const printer = print.printer();
        QVERIFY(printer && !print.printDialog() && !print.pageSetupDialog());
        const QString pdf = workDir.filePath(QStringLiteral("dialog.pdf"));
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        print.slotPrints(7);  // codes outside 0..3 only keep the printer
        QCOMPARE(print.printer(), printer);

        const auto answer = [&](short nType, ModalAnswerer::Handler handler) {
            ModalAnswerer answerer(std::move(handler));
            print.slotPrints(nType);
            return answerer.lastDialog();
        };
        // Each dialog is made once and shown each time; only an accepted print dialog paints.
        QWidget* const printDialog = answer(1, rejectDialog);
        QWidget* const setupDialog = answer(2, acceptDialog);
        QVERIFY(printDialog && setupDialog);
        QCOMPARE(answer(2, rejectDialog), setupDialog);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(answer(1, acceptDialog), printDialog);
        QCOMPARE(printDialog, static_cast<QWidget*>(print.printDialog()));
        QCOMPARE(setupDialog, static_cast<QWidget*>(print.pageSetupDialog()));
        QCOMPARE(print.printer(), printer);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));

        // Releasing deletes both dialogs; the next request holds a new printer again.
        QPointer<QWidget> deadPrint = printDialog, deadSetup = setupDialog;
        print.releasePrinter();
        QVERIFY(!print.printer() && !print.printDialog() && !print.pageSetupDialog() && !deadPrint && !deadSetup);
        print.slotPrints(7);
        QVERIFY(print.printer());

        // A foreign printer is adopted with the report's settings and painted on; the dialogs
        // made for the old printer go with it.
        QPointer<QWidget> oldPrint = answer(1, rejectDialog), oldSetup = answer(2, rejectDialog);
        QVERIFY(oldPrint && oldSetup);
        auto* foreign = new QPrinter(QPrinter::HighResolution);
        foreign->setPageSize(QPageSize(QPageSize::Letter));
        foreign->setPageOrientation(QPageLayout::Landscape);
        print.slotPrint(foreign);
        QCOMPARE(print.printer(), foreign);
        QVERIFY(!oldPrint && !oldSetup);
        QCOMPARE(pdfInfo(QStringLiteral("output.pdf"), QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
        expectReportSettings(foreign);

        // The held printer is painted on as it is.
        foreign->setOutputFileName(pdf);
        foreign->setPageSize(QPageSize(QPageSize::A5));
        print.slotPrint(foreign);
        QCOMPARE(print.printer(), foreign);
        QCOMPARE(foreign->pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Page size")), QStringLiteral("420 x 595 pts (A5)"));
        QVERIFY(!QFile::exists(QStringLiteral("output.pdf")));

        // Null makes a new printer with the report's settings, also when none is held.
        print.slotPrint(nullptr);
        expectReportSettings(print.printer());
        print.releasePrinter();
        print.slotPrint(nullptr);
        expectReportSettings(print.printer());
    }

    void previewIsNewEachTimeOnTheHeldPrinter()
    {
        sample::InstalledGroup group(20);
        sample::fillVaried(group, 20);
        MyPrint print;
        QPrinter* const printer = print.printer();
        // A4: 7 + 8 + 5 records, twice, each time a dialog of its own, deleted when it closes;
        // then on the paper the held printer carries (A5: 4 + 5 + 5 + 5 + 1).
        for (const auto& [paper, nExpected] : {std::make_pair(QPageSize::A4, 3), std::make_pair(QPageSize::A4, 3),
                                               std::make_pair(QPageSize::A5, 5)}) {
            printer->setPageSize(QPageSize(paper));
            bool bDestroyed = false;
            int nPages = -1;
            QSize size;
            ModalAnswerer answerer([&](QWidget* dialog) {
                size = dialog->size();
                if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
                    nPages = pages->pageCount();
                connect(dialog, &QObject::destroyed, [&] { bDestroyed = true; });
                rejectDialog(dialog);
            });
            print.slotPrints(3);
            QCOMPARE(size, QSize(1000, 900));
            QCOMPARE(nPages, nExpected);
            QVERIFY(bDestroyed);
            QCOMPARE(print.printer(), printer);
            QCOMPARE(printer->pageLayout().pageSize().id(), paper);
            QVERIFY(!printer->fullPage() && printer->outputFileName().isEmpty());
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
