#include "MyPrint.h"

#include "MeasureRecord.h"
#include "ScreenFit.h"
#include "Statistics.h"
#include "ValueTexts.h"
#include "Verdict.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLine>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace {

constexpr double kMargin = 15.0;
constexpr double kTitleHeight = 20.0;
constexpr double kDateHeight = 7.0;
constexpr double kPageNumberHeight = 6.0;
constexpr double kLineHeight = 6.0;  // a label cell, a row, a line of values
constexpr double kRuleOffset = 5.0;
constexpr double kValuesHeight = 12.0;
constexpr double kBlockFoot = 2.0;  // below the values' last line
constexpr double kCellGap = 2.0;
constexpr int kRecordPointSize = 12;
constexpr int kSmallestCellPointSize = 10;

const QString kFontFamily = QStringLiteral("Tahoma");
constexpr int kCellFlags = Qt::AlignLeft | Qt::AlignTop;

QString labelled(const QString& name, const QString& value)
{
    return QStringLiteral("%1: %2").arg(name, value);
}

QString labelText(unsigned nHeading, const QString& value)
{
    return labelled(HeadingText(nHeading, QString()), value);
}

} // namespace

// A label cell: its text in the largest size from 12 pt down to 10 pt at which it fits its
// column, else in 10 pt over as many lines as it needs.
struct MyPrint::Cell
{
    QString text;
    int nPointSize = kRecordPointSize;
    int nLines = 1;
};

// A block as it is painted: the title over a rule, rows of label cells (three in the thirds of
// the content width, or one across it), each row as high as its cell with the most lines, and
// for a record the values, broken after a comma where the next value would pass the content
// width. A record's block with one line everywhere is 32 mm high, 38 mm with its quality line.
struct MyPrint::Block
{
    Cell title;
    QVector<QVector<Cell>> rows;
    QString values;
    int nValueLines = 0;  // no values box without

    static int rowLines(const QVector<Cell>& row)
    {
        int nLines = 1;
        for (const Cell& cell : row)
            nLines = std::max(nLines, cell.nLines);
        return nLines;
    }
    double valuesOffset() const
    {
        double dOffset = kLineHeight;
        for (const QVector<Cell>& row : rows)
            dOffset += kLineHeight * rowLines(row);
        return dOffset;
    }
    double height() const { return valuesOffset() + kLineHeight * nValueLines + kBlockFoot; }
};

MyPrint::MyPrint(QObject* parent)
    : QObject(parent)
    , pPrinter(new QPrinter(QPrinter::ScreenResolution))
{
}

MyPrint::~MyPrint()
{
    releasePrinter();
}

void MyPrint::releasePrinter()
{
    // The dialogs refer to the printer they were made for, so they go first.
    delete pPrintDialog;
    pPrintDialog = nullptr;
    delete pPageSetupDialog;
    pPageSetupDialog = nullptr;
    delete pPrinter;
    pPrinter = nullptr;
}

void MyPrint::setupPrinter(QPrinter* p)
{
    if (p && p == pPrinter)
        return;
    releasePrinter();
    pPrinter = p ? p : new QPrinter(QPrinter::ScreenResolution);
    pPrinter->setOutputFormat(QPrinter::NativeFormat);
    pPrinter->setPageSize(QPageSize(QPageSize::A4));
    pPrinter->setPageOrientation(QPageLayout::Portrait);
    pPrinter->setFullPage(true);
    // A ".pdf" name switches the printer to PDF; native output is asked for again afterwards,
    // so the file is only used where no native printer exists.
    pPrinter->setOutputFileName(QStringLiteral("output.pdf"));
    pPrinter->setDocName(QStringLiteral("setDocName.pdf"));
    pPrinter->setOutputFormat(QPrinter::NativeFormat);
}

void MyPrint::setQuality(const TestDetails& newDetails, const ToleranceLimits& newLimits)
{
    details = newDetails;
    limits = newLimits;
}

void MyPrint::slotPrint(QPrinter* p)
{
    setupPrinter(p);
    paintReport();
}

void MyPrint::slotPrints(short nType)
{
    if (!pPrinter)
        pPrinter = new QPrinter(QPrinter::ScreenResolution);

    switch (nType) {
    case 0:
        paintReport();
        break;
    case 1:
        if (!pPrintDialog)
            pPrintDialog = new QPrintDialog(pPrinter);
        if (pPrintDialog->exec() == QDialog::Accepted)
            paintReport();
        break;
    case 2:
        if (!pPageSetupDialog)
            pPageSetupDialog = new QPageSetupDialog(pPrinter);
        pPageSetupDialog->exec();
        break;
    case 3: {
        QPrintPreviewDialog preview(pPrinter);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, &MyPrint::slotPrint);
        preview.resize(SizeWithinScreen(&preview, QSize(1000, 900)));
        preview.exec();
        break;
    }
    default:
        break;
    }
}

QRectF MyPrint::toDevice(const QRectF& rcMm) const
{
    return QRectF(rcMm.left() * dDotsPerMm, rcMm.top() * dDotsPerMm,
                  rcMm.width() * dDotsPerMm, rcMm.height() * dDotsPerMm);
}

void MyPrint::paintReport()
{
    paintReport(pPrinter);
}

bool MyPrint::saveReportPdf(const QString& fileName)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (pPrinter)
        pdf.setPageLayout(pPrinter->pageLayout());
    pdf.setFullPage(true);
    pdf.setDocName(tr("Hardness Test Report"));
    // Written beside the target and put in its place only once it is complete.
    const QString partName = fileName + QStringLiteral(".part");
    QFile::remove(partName);
    pdf.setOutputFileName(partName);
    const bool bWritten = paintReport(&pdf) && QFileInfo(partName).size() > 0
                          && (!QFile::exists(fileName) || QFile::remove(fileName)) && QFile::rename(partName, fileName);
    QFile::remove(partName);  // there only when something failed
    return bWritten;
}

bool MyPrint::paintReport(QPrinter* printer)
{
    QPainter painter;
    // A printer that cannot be painted on (PDF output without a file name) gives no pages.
    if (!painter.begin(printer))
        return false;

    // The paper as the printer feeds it: a landscape page is laid out landscape.
    pPainted = printer;
    const QRectF rcPaper = printer->pageLayout().fullRect(QPageLayout::Millimeter);
    dDotsPerMm = printer->resolution() / 25.4;
    rcContent = rcPaper.adjusted(kMargin, kMargin, -kMargin, -kMargin);

    double dTop = rcContent.top();
    drawTitle(&painter, QRectF(rcContent.left(), dTop, rcContent.width(), kTitleHeight));
    dTop += kTitleHeight;
    drawPrintDate(&painter, QRectF(rcContent.left(), dTop, rcContent.width(), kDateHeight));
    dTop += kDateHeight;
    drawRecords(&painter, &dTop);
    return painter.end();
}

void MyPrint::drawTitle(QPainter* painter, const QRectF& rcTitle)
{
    QFont font(kFontFamily, 25, QFont::Bold);
    font.setUnderline(true);
    painter->setFont(font);
    painter->drawText(toDevice(rcTitle), Qt::AlignCenter, tr("Hardness Test Report"));
}

void MyPrint::drawPrintDate(QPainter* painter, const QRectF& rcDate)
{
    painter->setFont(QFont(kFontFamily, 8));
    const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    painter->drawText(toDevice(rcDate), Qt::AlignRight | Qt::AlignVCenter, tr("Print date:") + now);
}

void MyPrint::drawPageNumber(QPainter* painter, const QString& text)
{
    const QRectF band(rcContent.left(), rcContent.bottom(), rcContent.width(), kPageNumberHeight);
    painter->drawText(toDevice(band), Qt::AlignCenter, text);
}

void MyPrint::drawRecords(QPainter* painter, double* pTop)
{
    const QFont font(kFontFamily, kRecordPointSize);
    painter->setFont(font);
    drawPageNumber(painter, QStringLiteral("-- 1 --"));
    int nNextPage = 2;
    if (hasQuality()) {
        const Block block = layoutDetails(font);
        drawBlock(painter, block, *pTop);
        *pTop += block.height();
    }

    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        const Block block = layoutBlock(font, CurrentGroup.pRecords[i], i + 1);
        if (*pTop + block.height() > rcContent.bottom()) {
            pPainted->newPage();
            drawPageNumber(painter, QStringLiteral("-- %1 --").arg(nNextPage++));
            *pTop = rcContent.top();
        }
        drawBlock(painter, block, *pTop);
        *pTop += block.height();
    }
}

MyPrint::Cell MyPrint::layoutCell(const QFont& font, const QString& text, int nColumns) const
{
    // A gap before the next column keeps the texts of neighbouring cells apart.
    const double dWidth = (rcContent.width() / nColumns - kCellGap) * dDotsPerMm;
    Cell cell{text};
    QFont sized = font;
    for (;; --cell.nPointSize) {
        sized.setPointSize(cell.nPointSize);
        const QFontMetricsF metrics(sized, pPainted);
        if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= dWidth)
            return cell;
        if (cell.nPointSize == kSmallestCellPointSize) {
            const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, dWidth, 1e6), kCellFlags | Qt::TextWordWrap, text);
            cell.nLines = std::max(1, qRound(wrapped.height() / metrics.lineSpacing()));
            return cell;
        }
    }
}

MyPrint::Block MyPrint::layoutBlock(const QFont& font, const MeasureRecord& rec, int nNumber) const
{
    Block block;
    block.title = layoutCell(font, tr("No. %1").arg(nNumber));
    const QString texts[3][3] = {
        {labelText(0, MaterialText(rec.nMaterial, QString())), labelText(2, ScaleText(rec.nUnit)),
         labelText(9, FormatDate(rec.tDate))},
        {labelText(3, ProbeText(rec.nProbe)), labelText(1, DirectionText(rec.nAngle)),
         labelText(4, FormatInteger(rec.nTimes))},
        {labelText(7, FormatValue(rec.fMax)), labelText(6, FormatValue(rec.fMin)),
         labelText(8, FormatValue(rec.fAvg))},
    };
    for (const auto& row : texts)
        block.rows.append({layoutCell(font, row[0]), layoutCell(font, row[1]), layoutCell(font, row[2])});
    if (hasQuality())
        block.rows.append({layoutCell(font, qualityText(rec), 1)});

    block.nValueLines = 1;
    const QFontMetricsF metrics(font, pPainted);
    const double dWidth = rcContent.width() * dDotsPerMm;
    QString line;
    for (int j = 0; j < rec.nTimes; ++j) {
        QString value = FormatValue(rec.pValues[j]);
        if (j != rec.nTimes - 1)
            value += QLatin1Char(',');
        if (!line.isEmpty() && metrics.horizontalAdvance(line + value) > dWidth) {
            block.values += line + QLatin1Char('\n');
            ++block.nValueLines;
            line.clear();
        }
        line += value;
    }
    block.values += line;
    return block;
}

MyPrint::Block MyPrint::layoutDetails(const QFont& font) const
{
    Block block;
    block.title = layoutCell(font, tr("Test details"));
    const auto given = [](const QString& text) { return text.isEmpty() ? QStringLiteral("\u2013") : text; };
    if (!details.isEmpty()) {
        const QString temperature =
            details.temperature ? FormatValue(*details.temperature) + QStringLiteral(" \u00B0C") : QString();
        const auto field = [&](TestDetails::Field name, const QString& text) {
            return layoutCell(font, labelled(TestDetails::fieldName(name), given(text)));
        };
        block.rows.append({field(TestDetails::Standard, details.standard), field(TestDetails::TestPiece, details.testPiece),
                           field(TestDetails::Order, details.order)});
        block.rows.append({field(TestDetails::Operator, details.operatorName),
                           field(TestDetails::Temperature, temperature), Cell()});
        if (!details.notes.isEmpty())
            block.rows.append({layoutCell(font, labelled(TestDetails::fieldName(TestDetails::Notes), details.notes), 1)});
    }
    if (!limits.isEmpty()) {
        QStringList texts;
        for (const ToleranceLimit& limit : limits.all())
            texts << (limit.nUnit == ToleranceLimit::kAnyScale ? tr("%1 (any scale)").arg(limit.text()) : limit.text());
        block.rows.append({layoutCell(font, labelled(tr("Limits"), texts.join(QStringLiteral(", "))), 1)});
        const GroupVerdict verdict = JudgeGroup(CurrentGroup.pRecords, CurrentGroup.nCount, limits);
        QString text = verdict.text();
        if (verdict.nJudged > 0)
            text = (verdict.rejected() ? tr("REJECTED, %1") : tr("ACCEPTED, %1")).arg(text);
        block.rows.append({layoutCell(font, labelled(tr("Group verdict"), text), 1)});
    }
    return block;
}

QString MyPrint::qualityText(const MeasureRecord& rec) const
{
    const SeriesStats stats = StatsOfRecord(rec);
    QStringList parts{labelled(tr("s"), SdText(stats.sd)), labelled(tr("Range"), RangeText(stats)),
                      labelled(tr("CV"), CvText(stats.cv))};
    const RecordVerdict verdict = JudgeRecord(rec, limits);
    if (verdict.bJudged) {
        const QString text = verdict.bPass ? tr("Verdict: PASS, mean within %1, single values outside: %2")
                                           : tr("Verdict: FAIL, mean outside %1, single values outside: %2");
        parts << text.arg(verdict.limit.text()).arg(verdict.nOutside);
    }
    return parts.join(QStringLiteral("   "));
}

void MyPrint::drawBlock(QPainter* painter, const Block& block, double dTop)
{
    const QFont font = painter->font();
    const auto drawCell = [&](const Cell& cell, int nColumn, int nColumns, double dCellTop, int nLines) {
        QFont sized = font;
        sized.setPointSize(cell.nPointSize);
        painter->setFont(sized);
        const double dColumnWidth = rcContent.width() / nColumns;
        const QRectF box(rcContent.left() + nColumn * dColumnWidth, dCellTop, dColumnWidth - kCellGap,
                         kLineHeight * nLines);
        painter->drawText(toDevice(box), cell.nLines > 1 ? kCellFlags | Qt::TextWordWrap : kCellFlags, cell.text);
    };

    drawCell(block.title, 0, 3, dTop, 1);
    const int nRuleY = int((dTop + kRuleOffset) * dDotsPerMm);
    const QLine rule(int(rcContent.left() * dDotsPerMm), nRuleY,
                     int((rcContent.left() + rcContent.width()) * dDotsPerMm), nRuleY);
    painter->drawLines(&rule, 1);

    double dRowTop = dTop + kLineHeight;
    for (const QVector<Cell>& row : block.rows) {
        for (int column = 0; column < row.size(); ++column)
            drawCell(row[column], column, row.size(), dRowTop, Block::rowLines(row));
        dRowTop += kLineHeight * Block::rowLines(row);
    }

    painter->setFont(font);
    if (block.nValueLines == 0)
        return;
    const QRectF valuesBox(rcContent.left(), dTop + block.valuesOffset(), rcContent.width(),
                           std::max(kValuesHeight, kLineHeight * block.nValueLines));
    painter->drawText(toDevice(valuesBox), kCellFlags, block.values);
}
