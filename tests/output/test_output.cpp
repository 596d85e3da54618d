// The CSV file, and the printed report: its layout and pagination read back from PDF files, and
// the printer and dialogs it keeps.
#include "CsvWriter.h"
#include "Files.h"
#include "ModalAnswerer.h"
#include "MyPrint.h"
#include "NoPrinters.h"
#include "SampleGroup.h"
#include "TestDetails.h"
#include "ValueTexts.h"

#include <QtTest>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <sys/stat.h>

namespace {

// Translates every text into one that would break a bare CSV line.
class AwkwardTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QString::fromUtf8(source) + QStringLiteral(", \"quoted\"\r\n");
    }
    bool isEmpty() const override { return false; }
};

constexpr double kTolerance = 0.8;  // mm; font metrics of the substituted font vary a little

struct Word
{
    QString text;
    QRectF rcMm;  // from the top-left corner of the page
};
using Words = QVector<Word>;

QString joined(const Words& words)
{
    QStringList texts;
    for (const Word& word : words)
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

// The report of CurrentGroup painted into a PDF on the whole paper, its words read back with
// pdftotext; with limits, also with test details (all but the order).
struct Report
{
    explicit Report(const QSizeF& paperMm = QSizeF(210, 297), bool bLandscape = false, const QString& limits = {})
    {
        MyPrint print;
        const TestDetails details{TestDetails::defaultStandard(), "P-7", "", "A. Tester", 23.0, "Ground surface"};
        print.setQuality(limits.isEmpty() ? TestDetails() : details, ToleranceLimits::fromText(limits));
        QPrinter* printer = print.printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setFullPage(true);
        printer->setPageSize(QPageSize(paperMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        printer->setPageOrientation(bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        print.slotPrints(0);
        QXmlStreamReader xml(toolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
        const auto mm = [&](const char* name) { return xml.attributes().value(QLatin1String(name)).toDouble() * 25.4 / 72; };
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("page"))
                pages.append(Words());
            else if (xml.isStartElement() && xml.name() == QLatin1String("word")) {
                const QRectF rc(QPointF(mm("xMin"), mm("yMin")), QPointF(mm("xMax"), mm("yMax")));
                pages.last() << Word{xml.readElementText(), rc};
            }
        }
    }

    // The words of a page lying wholly between y0 and y1 and starting above dTopBelow, left to right.
    Words band(int nPage, double y0, double y1, double dTopBelow = 1e9) const
    {
        Words result;
        for (const Word& word : pages.value(nPage - 1))
            if (word.rcMm.top() >= y0 && word.rcMm.bottom() <= y1 && word.rcMm.top() < dTopBelow)
                result << word;
        std::sort(result.begin(), result.end(), [](const Word& a, const Word& b) { return a.rcMm.left() < b.rcMm.left(); });
        return result;
    }
    // The words whose tops lie within 1 mm of dTop.
    Words line(int nPage, double dTop) const { return band(nPage, dTop - 1, 1e9, dTop + 1); }
    QString lineAt(int nPage, double dTop) const { return joined(line(nPage, dTop)); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("report.pdf"));
    QVector<Words> pages;
};

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

class TestOutput : public QObject
{
    Q_OBJECT

    QTemporaryDir workDir;  // the report's settings write output.pdf here, never into the source tree

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(workDir.path()));
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty() && QPrinterInfo::defaultPrinterName().isEmpty());
    }

    void csvFile()
    {
        const QByteArray header("\xEF\xBB\xBFNO,Material,Angle,Unit,Probe,Times,Values,Min,Max,Avg,DateTime\n");
        // A full record in tenths, a failed (all-zero) one, one without values and with codes outside the tables.
        sample::InstalledGroup group(3);
        sample::fillRecord(group[0], {1, 3, 2, 1}, {5200, 5185, 5220});
        sample::fillRecord(group[2], {10, 7, 5, 8, 23, 12, 31}, {});
        QCOMPARE(CsvDocument(CurrentGroup.pRecords, 3),
                 header + "No.1,Alloy Tool Steel,\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n"
                     + "No.2,Steel and Cast Steel,\xE2\x86\x93,HL,D,0,,0,0,0,1970/01/01\n"
                     + "No.3,,5,,8,0,,0,0,0,2023/12/31\n");

        AwkwardTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QByteArray quoted = CsvDocument(CurrentGroup.pRecords, 1);
        QCoreApplication::removeTranslator(&translator);
        // The header stays in English for the scripts that read it, whatever the translation.
        QCOMPARE(quoted, header + "No.1,\"Alloy Tool Steel, \"\"quoted\"\"\r\n\",\xE2\x86\x92,HRC,DC,3,520;518.5;522,518.5,522,520.167,2022/09/08\n");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("group.csv"));
        QVERIFY(writeFile(path, QByteArray(4000, 'x')));
        // A group saved onto an older, longer file replaces it: nothing of the old file remains.
        QCOMPARE(SaveCsvFile(path, CurrentGroup.pRecords, 3), SaveResult::Saved);
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes, CsvDocument(CurrentGroup.pRecords, 3));

        // A folder, a file in a folder that does not exist and a pipe are not opened, nor replaced.
        const QString subdir = dir.filePath(QStringLiteral("sub.csv")), pipe = dir.filePath(QStringLiteral("pipe.csv"));
        QVERIFY(QDir().mkdir(subdir) && ::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        for (const QString& target : {subdir, dir.filePath(QStringLiteral("no/such/dir.csv")), pipe})
            QCOMPARE(SaveCsvFile(target, CurrentGroup.pRecords, 1), SaveResult::OpenFailed);
        QVERIFY(QFileInfo(subdir).isDir() && !QFileInfo(pipe).isFile());

        QCOMPARE(onFullDisk([&] { return SaveCsvFile(path, CurrentGroup.pRecords, 3); }), SaveResult::WriteFailed);
        // The old file is intact and no half-written temporary file is left beside it.
        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("group.csv")});
    }

    // Block tops and page numbers on every page; on page 1 the title, the date line and the
    // first record's rows in the thirds of the content width. With details and limits, a details
    // block (lines 6 mm apart from 42 mm, then a 2 mm foot) and a line more in each record block.
    void paginates_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("wrapped");  // the record whose values take two lines, or -1
        QTest::addColumn<QStringList>("details");  // the details block's lines; none without details and limits
        QTest::addColumn<QVector<int>>("blocks");  // per page; 32 mm apart (38 after the wrapped one) from 42 mm on page 1, 15 mm later
        QTest::newRow("A4: 7, then 8 a page") << QSizeF(210, 297) << false << 23 << -1 << QStringList() << QVector<int>{7, 8, 8};
        QTest::newRow("landscape A4") << QSizeF(210, 297) << true << 6 << -1 << QStringList() << QVector<int>{4, 2};
        // Content bottom 106 mm: the block at 74 mm ends exactly there and stays; 1 mm less and it moves on.
        QTest::newRow("block fits exactly") << QSizeF(210, 121) << false << 3 << -1 << QStringList() << QVector<int>{2, 1};
        QTest::newRow("block 1 mm too long") << QSizeF(210, 120) << false << 3 << -1 << QStringList() << QVector<int>{1, 2};
        // Content bottom 140 mm: the block at 106 mm would end at 144 mm with its values on two lines,
        // so it starts the next page.
        QTest::newRow("wrapping block at the foot") << QSizeF(210, 155) << false << 4 << 2 << QStringList() << QVector<int>{2, 2};
        // Content 30 mm high: page 1 keeps only title and date, then one block a page.
        QTest::newRow("no room on page 1") << QSizeF(210, 60) << false << 3 << -1 << QStringList() << QVector<int>{0, 1, 1, 1};
        // Content bottom 190 mm: blocks at 80 and 118 mm; one at 156 mm would end at 194 mm.
        QTest::newRow("details and limits") << QSizeF(210, 205) << false << 7 << -1
            << QStringList{"Test details", "Standard: ISO 16859-1 Test piece / part: P-7 Order / batch: \u2013",
                           "Operator: A. Tester Test temperature: 23 \u00B0C", "Notes: Ground surface", "Limits: 519-521 HRC",
                           "Group verdict: ACCEPTED, 0 of 1 record outside 519-521 HRC"} << QVector<int>{2, 4, 1};
    }

    void paginates()
    {
        QFETCH(QSizeF, paper);
        QFETCH(bool, landscape);
        QFETCH(int, records);
        QFETCH(int, wrapped);
        QFETCH(QStringList, details);
        QFETCH(QVector<int>, blocks);
        const bool bQuality = !details.isEmpty();
        sample::InstalledGroup group(records);
        sample::fillRecord(group[0], {1, 3, 2, 1}, {5200, 5185, 5220});
        for (int i = 1; i < records; ++i)
            sample::fillRecord(group[i], {}, i == wrapped ? sample::rising(101, 25) : std::vector<uint16_t>{500, 510});
        const Report report(paper, landscape, bQuality ? "HRC=519:521" : "");
        const double width = landscape ? paper.height() : paper.width();
        const double bottom = (landscape ? paper.width() : paper.height()) - 15;
        QCOMPARE(report.pages.size(), blocks.size());
        // The title in its 20 mm band; the date line right-aligned in 35..42 mm, no blank after the colon.
        QCOMPARE(joined(report.band(1, 15, 35)), QStringLiteral("Hardness Test Report"));
        const Words date = report.band(1, 35, 42);
        QVERIFY2(QRegularExpression(QStringLiteral("^Print date:\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                     .match(joined(date)).hasMatch(), qPrintable(joined(date)));
        QVERIFY(std::abs(date.last().rcMm.right() - (width - 15)) < kTolerance);
        for (int k = 0; k < details.size(); ++k)
            QCOMPARE(report.lineAt(1, 42 + 6 * k), details[k]);
        QStringList firstBlock{"Material: Alloy Tool Steel Unit: HRC DateTime: 2022/09/08", "Probe: DC Angle: \u2192 Times: 3",
                               "Max: 522 Min: 518.5 Avg: 520.167", "520,518.5,522"};
        if (bQuality)  // across the content width
            firstBlock.insert(3, "s: 1.76 Range: 3.5 CV: 0.34 % Verdict: PASS, mean within 519-521 HRC, single values outside: 2");

        int nNumber = 1;
        for (int page = 1; page <= blocks.size(); ++page) {
            double top = page == 1 ? (bQuality ? 44 + 6 * details.size() : 42) : 15;
            QCOMPARE(joined(report.pages[page - 1]).count(QLatin1String("No. ")), blocks[page - 1]);
            for (int k = 0; k < blocks[page - 1]; ++k) {
                QCOMPARE(report.lineAt(page, top), QStringLiteral("No. %1").arg(nNumber));
                for (int line = 0; nNumber == 1 && line < firstBlock.size(); ++line)
                    QCOMPARE(report.lineAt(page, top + 6 + 6 * line), firstBlock[line]);
                for (int column = 0; nNumber == 1 && column < 3; ++column)
                    QVERIFY(std::abs(report.line(page, top + 18).value(2 * column).rcMm.left() - (15 + (width - 30) / 3 * column)) < kTolerance);
                top += (nNumber++ == wrapped + 1 ? 38 : 32) + (bQuality ? 6 : 0);
            }
            QCOMPARE(joined(report.band(page, bottom - 0.2, bottom + 6.2)), QStringLiteral("-- %1 --").arg(page));
        }
    }

    // Long texts in every language and on every paper: ten records of 32 values, one of each
    // material. No value or name is cut: each word read back lies within its column (a values line
    // within the content width), all words of all cells come back whole, and no block reaches the
    // page-number band.
    void longTextsLoseNothing_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("landscape");
        const std::pair<const char*, QSizeF> papers[] = {{"A4", {210, 297}}, {"Letter", {215.9, 279.4}}};
        for (const QString language : {"en", "de", "fr", "es", "zh_CN"})
            for (const auto& [name, size] : papers)
                for (const bool bLandscape : {false, true})
                    QTest::addRow("%s %s %s", qPrintable(language), name, bLandscape ? "landscape" : "portrait")
                        << language << size << bLandscape;
    }

    void longTextsLoseNothing()
    {
        QFETCH(QString, language);
        QFETCH(QSizeF, paper);
        QFETCH(bool, landscape);
        QTranslator catalogue;
        QVERIFY(language == "en" || catalogue.load(":/i18n/hardness-tester_" + language + ".qm"));
        QCoreApplication::installTranslator(&catalogue);
        sample::InstalledGroup group(10);
        const std::vector<uint16_t> raw = sample::rising(7493, 32);  // 749.3 to 752.4 HRC
        QStringList expected;  // every word of every text of the blocks
        for (int i = 0; i < 10; ++i) {
            sample::fillRecord(group[i], {uint8_t(i), 3, uint8_t(i % 5), uint8_t(i % 8)}, raw);
            expected << MyPrint::tr("No. %1").arg(i + 1) << HeadingText(0, {}) + ": " + MaterialText(i, {});
            for (int k = 0; k < 32; ++k)
                expected << FormatValue(group[i].pValues[k]);
        }
        const Report report(paper, landscape);
        QCoreApplication::removeTranslator(&catalogue);

        const double right = (landscape ? paper.height() : paper.width()) - 15;
        const double bottom = (landscape ? paper.width() : paper.height()) - 15;
        const double column = (right - 15) / 3;
        QStringList read;
        for (int page = 1; page <= report.pages.size(); ++page) {
            for (const Word& word : report.band(page, page == 1 ? 42 : 15, bottom + kTolerance)) {
                read << word.text.normalized(QString::NormalizationForm_KC).split(',', Qt::SkipEmptyParts);  // no ligatures
                const int nColumn = int((word.rcMm.left() + kTolerance - 15) / column);
                const double limit = word.text.contains(',') ? right : 15 + column * (1 + nColumn);
                QVERIFY2(word.rcMm.right() <= limit + kTolerance, qPrintable(word.text));
            }
            QCOMPARE(report.band(page, 0, bottom + kTolerance).size(), report.pages[page - 1].size() - 3);
        }
        for (const QString& text : expected) {
            for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
                QVERIFY2(read.removeOne(word), qPrintable(word + " of " + text));
        }
    }

    // Each dialog is made once and kept with its printer; only an accepted print dialog paints, and a
    // PDF printer without a file name gets no painting (QPainter's one warning, no painting on an
    // inactive painter); the preview paints on the paper the held printer carries; saved as PDF, the
    // report names itself.
    void printerAndDialogsAreMadeOnce()
    {
        MyPrint print;
        const QString pdf = workDir.filePath(QStringLiteral("dialog.pdf"));
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(pdf);
        const auto answer = [&](short nType, ModalAnswerer::Handler handler) {
            QWidget* dialog = nullptr;
            ModalAnswerer answerer([&](QWidget* modal) { dialog = modal; handler(modal); });
            print.slotPrints(nType);
            return dialog;
        };
        const QPointer<QWidget> printDialog = answer(1, rejectDialog), setupDialog = answer(2, acceptDialog);
        QVERIFY(printDialog && setupDialog && answer(2, rejectDialog) == setupDialog && !QFile::exists(pdf));
        QCOMPARE(answer(1, acceptDialog), printDialog.data());
        QCOMPARE(pdfSummary(pdf).left(2), QStringLiteral("1|"));

        // A foreign printer is adopted with the report's settings; the dialogs made for the old
        // printer are deleted before it.
        auto* foreign = new QPrinter(QPrinter::HighResolution);
        foreign->setPageSize(QPageSize(QPageSize::Letter));
        foreign->setPageOrientation(QPageLayout::Landscape);
        print.slotPrint(foreign);
        QVERIFY(print.printer() == foreign && !printDialog && !setupDialog);
        QCOMPARE(pdfSummary(QStringLiteral("output.pdf")), kReportPdf);

        // Null makes a new printer with the report's settings.
        print.slotPrint(nullptr);
        QCOMPARE(pdfSummary(QStringLiteral("output.pdf")), kReportPdf);
        QVERIFY(print.saveReportPdf(pdf) && !print.saveReportPdf(workDir.filePath("missing/report.pdf")));
        QCOMPARE(pdfSummary(pdf), QStringLiteral("1|Hardness Test Report|595 x 842 pts (A4)"));
        sample::InstalledGroup group(20);
        print.printer()->setPageSize(QPageSize(QPageSize::A5));
        int nPages = -1;  // A5: 4 + 5 + 5 + 5 + 1 records
        answer(3, [&](QWidget* dialog) { nPages = dialog->findChild<QPrintPreviewWidget*>()->pageCount(); });
        QVERIFY(nPages == 5 && print.printer()->pageLayout().pageSize().id() == QPageSize::A5);
        static int nWarnings;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString&) { nWarnings += type == QtWarningMsg; });
        MyPrint silent;
        silent.printer()->setOutputFormat(QPrinter::PdfFormat);
        silent.slotPrints(0);
        qInstallMessageHandler(previous);
        QCOMPARE(nWarnings, 1);
    }
};

QTEST_MAIN(TestOutput)
#include "test_output.moc"
