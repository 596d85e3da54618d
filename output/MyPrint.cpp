#include "MyPrint.h"

#include "MeasureRecord.h"
#include "ScreenFit.h"
#include "ValueTexts.h"

#include <QDateTime>
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

QString labelText(unsigned nHeading, const QString& value)
{
    return QStringLiteral("%1: %2").arg(HeadingText(nHeading, QString()), value);
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

// One record's block as it is painted: the title, three rows of three label cells, each row as
// high as its cell with the most lines, and the values, broken after a comma where the next
// value would pass the content width. With one line everywhere it is 32 mm high.
struct MyPrint::Block
{
    Cell title;
    Cell rows[3][3];
    QString values;
    int nValueLines = 1;

    int rowLines(int nRow) const
    {
        return std::max({rows[nRow][0].nLines, rows[nRow][1].nLines, rows[nRow][2].nLines});
    }
    double valuesOffset() const { return kLineHeight * (1 + rowLines(0) + rowLines(1) + rowLines(2)); }
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
    QPainter painter;
    // A printer that cannot be painted on (PDF output without a file name) gives no pages.
    if (!painter.begin(pPrinter))
        return;

    // The paper as the printer feeds it: a landscape page is laid out landscape.
    const QRectF rcPaper = pPrinter->pageLayout().fullRect(QPageLayout::Millimeter);
    dDotsPerMm = pPrinter->resolution() / 25.4;
    rcContent = rcPaper.adjusted(kMargin, kMargin, -kMargin, -kMargin);

    double dTop = rcContent.top();
    drawTitle(&painter, QRectF(rcContent.left(), dTop, rcContent.width(), kTitleHeight));
    dTop += kTitleHeight;
    drawPrintDate(&painter, QRectF(rcContent.left(), dTop, rcContent.width(), kDateHeight));
    dTop += kDateHeight;
    drawRecords(&painter, &dTop);
    painter.end();
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

    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        const Block block = layoutBlock(font, CurrentGroup.pRecords[i], i + 1);
        if (*pTop + block.height() > rcContent.bottom()) {
            pPrinter->newPage();
            drawPageNumber(painter, QStringLiteral("-- %1 --").arg(nNextPage++));
            *pTop = rcContent.top();
        }
        drawBlock(painter, block, *pTop);
        *pTop += block.height();
    }
}

MyPrint::Cell MyPrint::layoutCell(const QFont& font, const QString& text) const
{
    // A gap before the next column keeps the texts of neighbouring cells apart.
    const double dWidth = (rcContent.width() / 3.0 - kCellGap) * dDotsPerMm;
    Cell cell{text};
    QFont sized = font;
    for (;; --cell.nPointSize) {
        sized.setPointSize(cell.nPointSize);
        const QFontMetricsF metrics(sized, pPrinter);
        if (metrics.horizontalAdvance(text) <= dWidth)
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
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            block.rows[row][column] = layoutCell(font, texts[row][column]);

    const QFontMetricsF metrics(font, pPrinter);
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

void MyPrint::drawBlock(QPainter* painter, const Block& block, double dTop)
{
    const QFont font = painter->font();
    const double dColumnWidth = rcContent.width() / 3.0;
    const auto drawCell = [&](const Cell& cell, int nColumn, double dCellTop, int nLines) {
        QFont sized = font;
        sized.setPointSize(cell.nPointSize);
        painter->setFont(sized);
        const QRectF box(rcContent.left() + nColumn * dColumnWidth, dCellTop, dColumnWidth - kCellGap,
                         kLineHeight * nLines);
        painter->drawText(toDevice(box), cell.nLines > 1 ? kCellFlags | Qt::TextWordWrap : kCellFlags, cell.text);
    };

    drawCell(block.title, 0, dTop, 1);
    const int nRuleY = int((dTop + kRuleOffset) * dDotsPerMm);
    const QLine rule(int(rcContent.left() * dDotsPerMm), nRuleY,
                     int((rcContent.left() + rcContent.width()) * dDotsPerMm), nRuleY);
    painter->drawLines(&rule, 1);

    double dRowTop = dTop + kLineHeight;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            drawCell(block.rows[row][column], column, dRowTop, block.rowLines(row));
        dRowTop += kLineHeight * block.rowLines(row);
    }

    painter->setFont(font);
    const QRectF valuesBox(rcContent.left(), dTop + block.valuesOffset(), rcContent.width(),
                           std::max(kValuesHeight, kLineHeight * block.nValueLines));
    painter->drawText(toDevice(valuesBox), kCellFlags, block.values);
}
