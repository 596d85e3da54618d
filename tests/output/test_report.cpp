#include "MyPrint.h"
#include "PdfWords.h"
#include "SampleGroup.h"

#include <QtTest>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr double kTolerance = 0.8;  // mm; font metrics of the substituted font vary a little

// Paints the report of CurrentGroup into a PDF, measured from the paper's own corner.
class ReportPdf
{
public:
    explicit ReportPdf(const QPageSize& pageSize = QPageSize(QPageSize::A4),
                       QPageLayout::Orientation orientation = QPageLayout::Portrait)
        : path(dir.filePath(QStringLiteral("report.pdf")))
    {
        MyPrint print;
        QPrinter* printer = print.printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setFullPage(true);
        printer->setPageSize(pageSize);
        printer->setPageOrientation(orientation);
        print.slotPrints(0);
        text = ReadPdfText(path);
    }

    int pageCount() const { return text.pagesMm.size(); }

    // Record number and top (mm) of every block on a page, top to bottom.
    QVector<QPair<int, double>> blocks(int nPage) const
    {
        QVector<QPair<int, double>> result;
        for (const PdfWord& word : text.onPage(nPage)) {
            if (word.text != QLatin1String("No."))
                continue;
            const QStringList line = text.lineAt(nPage, word.rcMm.top()).split(QLatin1Char(' '));
            const int n = line.indexOf(QStringLiteral("No."));
            result << qMakePair(line.value(n + 1).toInt(), word.rcMm.top());
        }
        return result;
    }

    QVector<double> tops(int nPage) const
    {
        QVector<double> result;
        for (const auto& block : blocks(nPage))
            result << block.second;
        return result;
    }

    // The words inside the 6 mm page-number band below a content bottom.
    QVector<PdfWord> pageNumberWords(int nPage, double dContentBottom) const
    {
        QVector<PdfWord> band;
        for (const PdfWord& word : text.onPage(nPage)) {
            if (word.rcMm.top() >= dContentBottom - 0.2 && word.rcMm.bottom() <= dContentBottom + 6.2)
                band << word;
        }
        return band;
    }

    QString pageNumber(int nPage, double dContentBottom) const
    {
        QStringList texts;
        for (const PdfWord& word : pageNumberWords(nPage, dContentBottom))
            texts << word.text;
        return texts.join(QLatin1Char(' '));
    }

    QTemporaryDir dir;
    QString path;
    PdfText text;
};

QVector<double> arithmetic(double first, double step, int n)
{
    QVector<double> result;
    for (int k = 0; k < n; ++k)
        result << first + k * step;
    return result;
}

bool near(const QVector<double>& actual, const QVector<double>& expected, double tolerance)
{
    if (actual.size() != expected.size())
        return false;
    for (int k = 0; k < actual.size(); ++k) {
        if (std::abs(actual[k] - expected[k]) > tolerance)
            return false;
    }
    return true;
}

QByteArray show(const QVector<double>& values)
{
    QStringList texts;
    for (double v : values)
        texts << QString::number(v, 'f', 1);
    return texts.join(QLatin1Char(' ')).toLatin1();
}

void fillPlain(sample::InstalledGroup& group, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        sample::fillRecord(group[i], sample::Header{}, {500, 510, 520});
}

} // namespace

#define COMPARE_MM(actual, expected, tolerance) \
    QVERIFY2(near(actual, expected, tolerance), show(actual) + " instead of " + show(expected))
#define COMPARE_TOPS(actual, expected) COMPARE_MM(actual, expected, kTolerance)

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paginatesA4();
    void laysOutOneBlock();
    void breaksLongValueLines();
    void breaksPagesOnCustomPaper();
    void emptyGroupIsOnePage();
    void landscapeKeepsEverythingOnThePaper();
};

void TestReport::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext and pdftoppm (poppler-utils) read the painted report back");
}

void TestReport::paginatesA4()
{
    sample::InstalledGroup group(23);
    fillPlain(group, 23);
    const ReportPdf report;
    QCOMPARE(report.pageCount(), 3);

    // Page 1: 7 blocks below title and date; later pages: 8 blocks from the content top.
    COMPARE_TOPS(report.tops(1), arithmetic(42, 32, 7));
    COMPARE_TOPS(report.tops(2), arithmetic(15, 32, 8));
    COMPARE_TOPS(report.tops(3), arithmetic(15, 32, 8));
    QCOMPARE(report.blocks(1).first().first, 1);
    QCOMPARE(report.blocks(2).first().first, 8);
    QCOMPARE(report.blocks(3).last().first, 23);

    for (int page = 1; page <= 3; ++page) {
        QCOMPARE(report.pageNumber(page, 282), QStringLiteral("-- %1 --").arg(page));
        const QVector<PdfWord> band = report.pageNumberWords(page, 282);
        QVERIFY(std::abs((band.first().rcMm.left() + band.last().rcMm.right()) / 2 - 105) < kTolerance);
    }

    // Title and date line only on the first page.
    QVERIFY(!report.text.find(1, QStringLiteral("Hardness")).text.isEmpty());
    QVERIFY(report.text.find(2, QStringLiteral("Hardness")).text.isEmpty());
    QVERIFY(report.text.find(2, QStringLiteral("Print")).text.isEmpty());

    // One rule across the content width 5 mm below each block top, found within a pixel.
    COMPARE_MM(HorizontalRules(report.path, 1, 15.5, 194.5), arithmetic(47, 32, 7), 0.3);
    COMPARE_MM(HorizontalRules(report.path, 2, 15.5, 194.5), arithmetic(20, 32, 8), 0.3);
}

void TestReport::laysOutOneBlock()
{
    sample::InstalledGroup group(1);
    sample::Header h;
    h.nMaterial = 1;
    h.nUnit = 3;
    h.nAngle = 2;
    h.nProbe = 1;
    sample::fillRecord(group[0], h, {5200, 5185, 5220});
    const ReportPdf report;
    const PdfText& text = report.text;
    QCOMPARE(report.pageCount(), 1);

    // Three rows 6 mm apart under the record title, in columns a third of 180 mm wide.
    QCOMPARE(text.lineAt(1, 48), QStringLiteral("Material: Alloy Tool Steel Unit: HRC DateTime: 2022/09/08"));
    QCOMPARE(text.lineAt(1, 54), QStringLiteral("Probe: DC Angle: \u2192 Times: 3"));
    QCOMPARE(text.lineAt(1, 60), QStringLiteral("Max: 522 Min: 518.5 Avg: 520.167"));
    const QVector<double> columns{text.find(1, QStringLiteral("Max:")).rcMm.left(),
                                  text.find(1, QStringLiteral("Min:")).rcMm.left(),
                                  text.find(1, QStringLiteral("Avg:")).rcMm.left()};
    COMPARE_TOPS(columns, (QVector<double>{15, 75, 135}));
    const PdfWord values = text.find(1, QStringLiteral("520,518.5,522"));
    QVERIFY(std::abs(values.rcMm.left() - 15) < kTolerance);
    QVERIFY(std::abs(values.rcMm.top() - 66) < kTolerance);

    // Title centred in its 20 mm band, the date line right-aligned in 35..42 mm with no
    // blank after the colon.
    const PdfWord first = text.find(1, QStringLiteral("Hardness"));
    const PdfWord last = text.find(1, QStringLiteral("Report"));
    QVERIFY(std::abs((first.rcMm.left() + last.rcMm.right()) / 2 - 105) < kTolerance);
    QVERIFY(std::abs(first.rcMm.center().y() - 25) < 1.5);
    const QString dateLine = text.lineAt(1, text.find(1, QStringLiteral("Print")).rcMm.top());
    QVERIFY2(QRegularExpression(QStringLiteral("^Print date:\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                 .match(dateLine).hasMatch(), qPrintable(dateLine));
    const PdfWord time = text.find(1, dateLine.section(QLatin1Char(' '), -1));
    QVERIFY(std::abs(time.rcMm.right() - 195) < kTolerance);
    QVERIFY(time.rcMm.top() > 35 && time.rcMm.bottom() < 42);
}

void TestReport::breaksLongValueLines()
{
    // 25 values of three characters, then 19 (the last one passes 74 characters), then 18.
    sample::InstalledGroup group(4);
    sample::fillRecord(group[0], sample::Header{}, sample::rising(101, 25));
    sample::fillRecord(group[1], sample::Header{}, sample::rising(101, 19));
    sample::fillRecord(group[2], sample::Header{}, sample::rising(101, 18));
    sample::fillRecord(group[3], sample::Header{}, {100});
    const ReportPdf report;

    // The first two blocks grew by 6 mm, the third did not.
    COMPARE_TOPS(report.tops(1), (QVector<double>{42, 80, 118, 150}));

    // The line feed follows the 19th value; the values box starts 24 mm below the block top.
    const QString firstLine = report.text.lineAt(1, 66);
    QVERIFY2(firstLine.startsWith(QLatin1String("101,102,")) && firstLine.endsWith(QLatin1String(",119,")),
             qPrintable(firstLine));
    const PdfWord second = report.text.find(1, QStringLiteral("120,121,122,123,124,125"));
    QVERIFY(second.rcMm.top() > 66 + 3 && second.rcMm.bottom() < 42 + 36);
    QCOMPARE(report.text.lineAt(1, 80 + 24),
             QStringLiteral("101,102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117,118,119"));
}

void TestReport::breaksPagesOnCustomPaper()
{
    const auto paper = [](double height) {
        return QPageSize(QSizeF(210, height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    };
    sample::InstalledGroup group(3);
    fillPlain(group, 3);
    {
        // Content bottom 106 mm: the block at 74 mm ends exactly there and stays.
        const ReportPdf report(paper(121));
        QCOMPARE(report.pageCount(), 2);
        COMPARE_TOPS(report.tops(1), (QVector<double>{42, 74}));
        COMPARE_TOPS(report.tops(2), QVector<double>{15});
        QCOMPARE(report.pageNumber(2, 106), QStringLiteral("-- 2 --"));
    }
    {
        // One millimetre less and it moves on.
        const ReportPdf report(paper(120));
        COMPARE_TOPS(report.tops(1), QVector<double>{42});
        COMPARE_TOPS(report.tops(2), (QVector<double>{15, 47}));
    }
    {
        // Content 30 mm high: page 1 keeps only title and date, then one block per page.
        const ReportPdf report(paper(60));
        QCOMPARE(report.pageCount(), 4);
        QVERIFY(report.tops(1).isEmpty());
        QCOMPARE(report.pageNumber(1, 45), QStringLiteral("-- 1 --"));
        for (int page = 2; page <= 4; ++page) {
            COMPARE_TOPS(report.tops(page), QVector<double>{15});
            QCOMPARE(report.pageNumber(page, 45), QStringLiteral("-- %1 --").arg(page));
        }
    }
}

void TestReport::emptyGroupIsOnePage()
{
    const ReportPdf report;
    QCOMPARE(report.pageCount(), 1);
    QCOMPARE(report.text.lineAt(1, report.text.find(1, QStringLiteral("Hardness")).rcMm.top()),
             QStringLiteral("Hardness Test Report"));
    QVERIFY(report.text.lineAt(1, report.text.find(1, QStringLiteral("Print")).rcMm.top())
                .startsWith(QLatin1String("Print date:")));
    QCOMPARE(report.pageNumber(1, 282), QStringLiteral("-- 1 --"));
    QVERIFY(report.blocks(1).isEmpty());
    QCOMPARE(report.text.words.size(), 3 + 3 + 3);
}

void TestReport::landscapeKeepsEverythingOnThePaper()
{
    sample::InstalledGroup group(6);
    fillPlain(group, 6);
    const ReportPdf report(QPageSize(QPageSize::A4), QPageLayout::Landscape);

    // The paper is 297 x 210 mm as fed: the content ends at 195 mm.
    QCOMPARE(report.pageCount(), 2);
    COMPARE_TOPS(report.tops(1), arithmetic(42, 32, 4));
    COMPARE_TOPS(report.tops(2), arithmetic(15, 32, 2));
    QCOMPARE(report.pageNumber(1, 195), QStringLiteral("-- 1 --"));
    QCOMPARE(report.pageNumber(2, 195), QStringLiteral("-- 2 --"));
    const PdfWord first = report.text.find(1, QStringLiteral("Hardness"));
    const PdfWord last = report.text.find(1, QStringLiteral("Report"));
    QVERIFY(std::abs((first.rcMm.left() + last.rcMm.right()) / 2 - 148.5) < kTolerance);
    for (const PdfWord& word : report.text.words)
        QVERIFY2(word.rcMm.right() <= 297 && word.rcMm.bottom() <= 210, qPrintable(word.text));
}

QTEST_MAIN(TestReport)
#include "test_report.moc"
