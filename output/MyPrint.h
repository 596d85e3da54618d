#pragma once

#include <QObject>
#include <QRectF>

class QPainter;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;
struct MeasureRecord;

// Prints the "Hardness Test Report" of the loaded group. One printer is held for the whole
// run, so the choices made in the print and page set-up dialogs carry over to the next print.
// All layout arithmetic is in millimetres from the paper's top-left corner.
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

    // Paints the whole report onto the held printer.
    void paintReport();
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

    QRectF toDevice(const QRectF& rcMm) const;
    void drawPageNumber(QPainter* painter, const QString& text);
    // Fits the texts of a record's block to the page: the font of each label cell, the lines of
    // each row and of the values, and so the block's height.
    Block layoutBlock(const QFont& font, const MeasureRecord& rec, int nNumber) const;
    Cell layoutCell(const QFont& font, const QString& text) const;
    void drawBlock(QPainter* painter, const Block& block, double dTop);

    QRectF rcContent;
    double dDotsPerMm = 0.0;
    QPrinter* pPrinter = nullptr;
    QPrintDialog* pPrintDialog = nullptr;
    QPageSetupDialog* pPageSetupDialog = nullptr;
};
