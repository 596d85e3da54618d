#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "PdfWords.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Page count and title of a PDF, as pdfinfo reports them.
QString pdfInfo(const QString& path, const QString& key)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

void expectReportSettings(QPrinter* printer)
{
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(printer->fullPage());
    QCOMPARE(printer->outputFileName(), QStringLiteral("output.pdf"));
    QCOMPARE(printer->docName(), QStringLiteral("setDocName.pdf"));
    // Native output where a printer exists; a machine without one keeps writing the PDF.
    const auto expected = QPrinterInfo::availablePrinterNames().isEmpty() ? QPrinter::PdfFormat
                                                                          : QPrinter::NativeFormat;
    QCOMPARE(printer->outputFormat(), expected);
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printerAndDialogsAreMadeOnce();
    void previewIsNewEachTimeOnTheHeldPrinter();
    void slotPrintAdoptsOtherPrinters();

private:
    // Painting with the report's settings writes output.pdf here, never into the source tree.
    QTemporaryDir workDir;
};

void TestPrinting::initTestCase()
{
    QVERIFY(workDir.isValid());
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestPrinting::printerAndDialogsAreMadeOnce()
{
    MyPrint print;
    QPrinter* const printer = print.printer();
    QVERIFY(printer);
    QVERIFY(!print.printDialog() && !print.pageSetupDialog());
    const QString pdf = workDir.filePath(QStringLiteral("dialog.pdf"));
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);

    // Codes outside 0..3 only keep the printer.
    print.slotPrints(7);
    QCOMPARE(print.printer(), printer);

    // A cancelled print dialog paints nothing.
    {
        ModalAnswerer closer(rejectDialog);
        print.slotPrints(1);
        QVERIFY(print.printDialog());
        QCOMPARE(closer.lastDialog(), static_cast<QWidget*>(print.printDialog()));
    }
    QVERIFY(!QFile::exists(pdf));
    QPrintDialog* const dialog = print.printDialog();

    // Accepted, the same dialog prints the report through the same printer.
    {
        ModalAnswerer closer(acceptDialog);
        print.slotPrints(1);
        QCOMPARE(closer.lastDialog(), static_cast<QWidget*>(dialog));
    }
    QCOMPARE(print.printDialog(), dialog);
    QCOMPARE(print.printer(), printer);
    QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(QFile::remove(pdf));

    // Page set-up: made once, shown each time, never paints.
    QPageSetupDialog* pageSetup = nullptr;
    for (int round = 0; round < 2; ++round) {
        ModalAnswerer closer(acceptDialog);
        print.slotPrints(2);
        if (!pageSetup)
            pageSetup = print.pageSetupDialog();
        QCOMPARE(closer.lastDialog(), static_cast<QWidget*>(pageSetup));
    }
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(print.printer(), printer);

    // Releasing deletes both dialogs; the next request holds a new printer again.
    QPointer<QDialog> printDialog = print.printDialog();
    QPointer<QDialog> setupDialog = print.pageSetupDialog();
    print.releasePrinter();
    QVERIFY(!print.printer() && !print.printDialog() && !print.pageSetupDialog());
    QVERIFY(printDialog.isNull() && setupDialog.isNull());
    print.slotPrints(7);
    QVERIFY(print.printer());
}

void TestPrinting::previewIsNewEachTimeOnTheHeldPrinter()
{
    sample::InstalledGroup group(20);
    sample::fillVaried(group, 20);
    MyPrint print;
    QPrinter* const printer = print.printer();

    const auto preview = [&](int expectedPages) {
        bool bDestroyed = false;
        int nPages = -1;
        QSize size;
        ModalAnswerer closer([&](QWidget* dialog) {
            size = dialog->size();
            if (auto* pages = dialog->findChild<QPrintPreviewWidget*>())
                nPages = pages->pageCount();
            connect(dialog, &QObject::destroyed, [&] { bDestroyed = true; });
            rejectDialog(dialog);
        });
        print.slotPrints(3);
        QCOMPARE(closer.answered(), 1);
        QCOMPARE(size, QSize(1000, 900));
        QCOMPARE(nPages, expectedPages);
        QVERIFY(bDestroyed);
    };

    // A4: 7 + 8 + 5 records. Twice, each time a dialog of its own, deleted when it closes.
    preview(3);
    preview(3);
    QCOMPARE(print.printer(), printer);
    QVERIFY(!printer->fullPage());

    // The preview paints with the paper the held printer carries (A5: 4 + 5 + 5 + 5 + 1).
    printer->setPageSize(QPageSize(QPageSize::A5));
    preview(5);
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A5);
    QVERIFY(printer->outputFileName().isEmpty());
}

void TestPrinting::slotPrintAdoptsOtherPrinters()
{
    MyPrint print;
    {
        ModalAnswerer closer(rejectDialog);
        print.slotPrints(1);
    }
    {
        ModalAnswerer closer(rejectDialog);
        print.slotPrints(2);
    }
    QPointer<QDialog> printDialog = print.printDialog();
    QPointer<QDialog> setupDialog = print.pageSetupDialog();
    QVERIFY(printDialog && setupDialog);

    // A foreign printer is adopted with the report's settings and painted on; the dialogs
    // made for the old printer go with it.
    auto* foreign = new QPrinter(QPrinter::HighResolution);
    foreign->setPageSize(QPageSize(QPageSize::Letter));
    foreign->setPageOrientation(QPageLayout::Landscape);
    print.slotPrint(foreign);
    QCOMPARE(print.printer(), foreign);
    QVERIFY(printDialog.isNull() && setupDialog.isNull());
    expectReportSettings(foreign);
    const QString output = workDir.filePath(QStringLiteral("output.pdf"));
    QCOMPARE(pdfInfo(output, QStringLiteral("Pages")), QStringLiteral("1"));
    QCOMPARE(pdfInfo(output, QStringLiteral("Title")), QStringLiteral("setDocName.pdf"));
    QCOMPARE(pdfInfo(output, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
    QVERIFY(QFile::remove(output));

    // The held printer is painted on as it is.
    const QString own = workDir.filePath(QStringLiteral("own.pdf"));
    foreign->setOutputFileName(own);
    foreign->setPageSize(QPageSize(QPageSize::A5));
    print.slotPrint(foreign);
    QCOMPARE(print.printer(), foreign);
    QCOMPARE(foreign->outputFileName(), own);
    QCOMPARE(foreign->pageLayout().pageSize().id(), QPageSize::A5);
    QCOMPARE(pdfInfo(own, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(!QFile::exists(output));

    // Null makes a new printer with the report's settings, also when none is held.
    print.slotPrint(nullptr);
    QVERIFY(print.printer());
    expectReportSettings(print.printer());
    QCOMPARE(pdfInfo(output, QStringLiteral("Pages")), QStringLiteral("1"));
    QVERIFY(QFile::remove(output));
    print.releasePrinter();
    print.slotPrint(nullptr);
    QVERIFY(print.printer());
    expectReportSettings(print.printer());
    QCOMPARE(pdfInfo(output, QStringLiteral("Pages")), QStringLiteral("1"));
}

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
