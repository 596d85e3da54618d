#include "Files.h"
#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "NoPrinters.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

// "Pages|Title|Page size" as pdfinfo reads them from a PDF, which is then removed.
QString pdfSummary(const QString& path)
{
    const QString info = QString::fromUtf8(toolOutput(QStringLiteral("pdfinfo"), {path}));
    QStringList fields;
    for (const QString key : {"Pages", "Title", "Page size"})
        fields << QRegularExpression('^' + key + ":\\s*(.*)$", QRegularExpression::MultilineOption).match(info).captured(1);
    QFile::remove(path);
    return fields.join('|');
}

// The report's own settings: A4 portrait into output.pdf, named setDocName.pdf.
const QString kReportPdf = QStringLiteral("1|setDocName.pdf|595 x 842 pts (A4)");

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir;  // the report's settings write output.pdf here, never into the source tree

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty() && QPrinterInfo::defaultPrinterName().isEmpty());
    }

    void printerAndDialogsAreMadeOnce()
    {
        MyPrint print;
        QPrinter* const printer = print.printer();
        QVERIFY(printer && !print.printDialog() && !print.pageSetupDialog());
        const QString pdf = workDir.filePath(QStringLiteral("dialog.pdf"));
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        const auto answer = [&](short nType, ModalAnswerer::Handler handler) {
            QWidget* dialog = nullptr;
            ModalAnswerer answerer([&](QWidget* modal) {
                dialog = modal;
                handler(modal);
            });
            print.slotPrints(nType);
            return dialog;
        };
        // Each dialog is made once and shown each time; only an accepted print dialog paints.
        QWidget* const printDialog = answer(1, rejectDialog);
        QWidget* const setupDialog = answer(2, acceptDialog);
        QVERIFY(printDialog && setupDialog && answer(2, rejectDialog) == setupDialog && !QFile::exists(pdf));
        QCOMPARE(answer(1, acceptDialog), printDialog);
        QCOMPARE(print.printer(), printer);
        QCOMPARE(pdfSummary(pdf).left(2), QStringLiteral("1|"));

        // Releasing deletes both dialogs; null makes a new printer with the report's settings.
        QPointer<QWidget> deadPrint = printDialog, deadSetup = setupDialog;
        print.releasePrinter();
        QVERIFY(!print.printer() && !deadPrint && !deadSetup);
        print.slotPrint(nullptr);
        QVERIFY(print.printer() && print.printer()->fullPage());
        QCOMPARE(pdfSummary(QStringLiteral("output.pdf")), kReportPdf);

        // A foreign printer is adopted with the report's settings; the dialogs made for the old
        // printer go with it.
        QPointer<QWidget> oldPrint = answer(1, rejectDialog), oldSetup = answer(2, rejectDialog);
        QVERIFY(oldPrint && oldSetup);
        auto* foreign = new QPrinter(QPrinter::HighResolution);
        foreign->setPageSize(QPageSize(QPageSize::Letter));
        foreign->setPageOrientation(QPageLayout::Landscape);
        print.slotPrint(foreign);
        QVERIFY(print.printer() == foreign && !oldPrint && !oldSetup);
        QCOMPARE(pdfSummary(QStringLiteral("output.pdf")), kReportPdf);

        // The held printer is painted on as it is.
        foreign->setOutputFileName(pdf);
        foreign->setPageSize(QPageSize(QPageSize::A5));
        print.slotPrint(foreign);
        QCOMPARE(pdfSummary(pdf), QStringLiteral("1|setDocName.pdf|420 x 595 pts (A5)"));
    }

    // A PDF printer without a file name cannot be painted on: the report stops at once, with
    // QPainter's one warning and no painting on an inactive painter.
    void nothingPaintedWithoutAnOutput()
    {
        sample::InstalledGroup group(9);  // two pages
        MyPrint print;
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(QString());
        static int nWarnings;
        nWarnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString&) { nWarnings += type == QtWarningMsg; });
        print.slotPrints(0);
        qInstallMessageHandler(previous);
        QCOMPARE(nWarnings, 1);
    }

    void previewIsNewEachTimeOnTheHeldPrinter()
    {
        sample::InstalledGroup group(20);
        MyPrint print;
        QPrinter* const printer = print.printer();
        // A4: 7 + 8 + 5 records, twice, each time a dialog of its own, deleted when it closes;
        // then on the paper the held printer carries (A5: 4 + 5 + 5 + 5 + 1).
        for (const auto& [paper, nExpected] : {std::pair{QPageSize::A4, 3}, {QPageSize::A4, 3}, {QPageSize::A5, 5}}) {
            printer->setPageSize(QPageSize(paper));
            bool bDestroyed = false;
            int nPages = -1;
            ModalAnswerer answerer([&](QWidget* dialog) {
                if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
                    nPages = pages->pageCount();
                connect(dialog, &QObject::destroyed, [&] { bDestroyed = true; });
            });
            print.slotPrints(3);
            QVERIFY(nPages == nExpected && bDestroyed);
            QVERIFY(print.printer() == printer && printer->pageLayout().pageSize().id() == paper);
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
