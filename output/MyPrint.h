#pragma once

#include "TestDetails.h"
#include "ToleranceLimits.h"

#include <QObject>
#include <QRectF>

class QPainter;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
struct MeasureRecord;

// Prints the "Hardness Test Report" of the loaded group. One printer is held for the whole
// run, so the choices made in the print and page set-up dialogs carry over to the next print.
// All layout arithmetic is in millimetres from the paper's top-left corner. With test details or
// tolerance limits the report also carries a details block on page 1 and, per record, a line
// with its spread and verdict; without either it is the plain report.
class MyPrint : public QObject
{
    Q_OBJECT

public:
    explicit MyPrint(QObject* parent = nullptr);
    ~MyPrint() override;

    // Deletes the held printer and the dialogs made for it.
    void releasePrinter();
    // Holds p (a new printer when null) with the report's settings: A4, portrait, full page,
    // "output.pdf", native output. A foreign p becomes owned by this object.
    void setupPrinter(QPrinter* p);

    // What the report says about the test, and the limits its records are judged by.
    void setQuality(const TestDetails& newDetails, const ToleranceLimits& newLimits);

    // Paints the whole report onto the held printer.
    void paintReport();
    // Writes the report into a PDF file on the held printer's paper; on failure a file already
    // there stays as it was.
    bool saveReportPdf(const QString& fileName);
    void drawTitle(QPainter* painter, const QRectF& rcTitle);
    void drawPrintDate(QPainter* painter, const QRectF& rcDate);
    // Paints every record of the loaded group from *pTop on, breaking and numbering pages.
    void drawRecords(QPainter* painter, double* pTop);

    QPrinter* printer() const { return pPrinter; }
    QPrintDialog* printDialog() const { return pPrintDialog; }
    QPageSetupDialog* pageSetupDialog() const { return pPageSetupDialog; }

public slots:
    // Paints the report onto p; a printer other than the held one is adopted first.
    void slotPrint(QPrinter* p = nullptr);
    // 0 paint at once, 1 print dialog, 2 page set-up, 3 print preview.
    void slotPrints(short nType = 0);

private:
    struct Cell;
    struct Block;

    bool hasQuality() const { return !details.isEmpty() || !limits.isEmpty(); }
    // False when the printer could not be painted on, or the document not finished.
    bool paintReport(QPrinter* printer);
    QRectF toDevice(const QRectF& rcMm) const;
    void drawPageNumber(QPainter* painter, const QString& text);
    // Fits the texts of a record's block to the page: the font of each label cell, the lines of
    // each row and of the values, and so the block's height.
    Block layoutBlock(const QFont& font, const MeasureRecord& rec, int nNumber) const;
    // The details, the limits and the group's verdict.
    Block layoutDetails(const QFont& font) const;
    // nColumns: how many cells share the content width.
    Cell layoutCell(const QFont& font, const QString& text, int nColumns = 3) const;
    // A record's s, range, CV and verdict.
    QString qualityText(const MeasureRecord& rec) const;
    void drawBlock(QPainter* painter, const Block& block, double dTop);

    QRectF rcContent;
    double dDotsPerMm = 0.0;
    QPrinter* pPainted = nullptr;  // the printer of the paint under way
    TestDetails details;
    ToleranceLimits limits;
    QPrinter* pPrinter = nullptr;
    QPrintDialog* pPrintDialog = nullptr;
    QPageSetupDialog* pPageSetupDialog = nullptr;
};
