#include "MyPrint.h"

#include "MeasureRecord.h"
#include "ScreenFit.h"
#include "ValueTexts.h"

#include <QDateTime>
#include <QLine>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

constexpr double kMargin = 15.0;
constexpr double kTitleHeight = 20.0;
constexpr double kDateHeight = 7.0;
constexpr double kPageNumberHeight = 6.0;
constexpr double kCellHeight = 6.0;
constexpr double kRuleOffset = 5.0;
constexpr double kValuesOffset = 24.0;
constexpr double kValuesHeight = 12.0;
constexpr double kBlockHeight = 32.0;
constexpr double kWrapGrowth = 6.0;
constexpr int kValuesLineLength = 74;

const QString kFontFamily = QStringLiteral("Tahoma");
constexpr int kCellFlags = Qt::AlignLeft | Qt::AlignTop;

// The single values joined by ",", with one line feed once the text passes 74 characters.
QString reportValuesText(const MeasureRecord& rec, bool* pWrapped)
{
    QString text;
    *pWrapped = false;
    for (int j = 0; j < rec.nTimes; ++j) {
        text += FormatValue(rec.pValues[j]);
        if (j != rec.nTimes - 1)
            text += QLatin1Char(',');
        if (!*pWrapped && text.length() > kValuesLineLength) {
            text += QLatin1Char('\n');
            *pWrapped = true;
        }
    }
    return text;
}

QString labelText(unsigned nHeading, const QString& value)
{
    return QStringLiteral("%1: %2").arg(HeadingText(nHeading, QString()), value);
}

} // namespace

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
    painter->setFont(QFont(kFontFamily, 12));
    drawPageNumber(painter, QStringLiteral("-- 1 --"));
    int nNextPage = 2;

    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        // A block always reckons with 32 mm here, also when its values will wrap.
        if (*pTop + kBlockHeight > rcContent.bottom()) {
            pPrinter->newPage();
            drawPageNumber(painter, QStringLiteral("-- %1 --").arg(nNextPage++));
            *pTop = rcContent.top();
        }
        const bool bWrapped = drawRecordBlock(painter, CurrentGroup.pRecords[i], i + 1, *pTop);
        *pTop += kBlockHeight + (bWrapped ? kWrapGrowth : 0.0);
    }
}

void MyPrint::drawCell(QPainter* painter, int nColumn, double dTop, const QString& text)
{
    const double dColumnWidth = rcContent.width() / 3.0;
    const QRectF cell(rcContent.left() + nColumn * dColumnWidth, dTop, dColumnWidth, kCellHeight);
    painter->drawText(toDevice(cell), kCellFlags, text);
}

bool MyPrint::drawRecordBlock(QPainter* painter, const MeasureRecord& rec, int nNumber, double dTop)
{
    drawCell(painter, 0, dTop, tr("No. %1").arg(nNumber));

    const int nRuleY = int((dTop + kRuleOffset) * dDotsPerMm);
    const QLine rule(int(rcContent.left() * dDotsPerMm), nRuleY,
                     int((rcContent.left() + rcContent.width()) * dDotsPerMm), nRuleY);
    painter->drawLines(&rule, 1);

    const double dRow1 = dTop + kCellHeight;
    drawCell(painter, 0, dRow1, labelText(0, MaterialText(rec.nMaterial, QString())));
    drawCell(painter, 1, dRow1, labelText(2, ScaleText(rec.nUnit)));
    drawCell(painter, 2, dRow1, labelText(9, FormatDate(rec.tDate)));

    const double dRow2 = dRow1 + kCellHeight;
    drawCell(painter, 0, dRow2, labelText(3, ProbeText(rec.nProbe)));
    drawCell(painter, 1, dRow2, labelText(1, DirectionText(rec.nAngle)));
    drawCell(painter, 2, dRow2, labelText(4, FormatInteger(rec.nTimes)));

    const double dRow3 = dRow2 + kCellHeight;
    drawCell(painter, 0, dRow3, labelText(7, FormatValue(rec.fMax)));
    drawCell(painter, 1, dRow3, labelText(6, FormatValue(rec.fMin)));
    drawCell(painter, 2, dRow3, labelText(8, FormatValue(rec.fAvg)));

    bool bWrapped = false;
    const QString values = reportValuesText(rec, &bWrapped);
    const QRectF valuesBox(rcContent.left(), dTop + kValuesOffset, rcContent.width(), kValuesHeight);
    painter->drawText(toDevice(valuesBox), kCellFlags, values);
    return bWrapped;
}
