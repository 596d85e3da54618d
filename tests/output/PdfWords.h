#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

// What a PDF shows, read back with poppler's command-line tools; positions in millimetres
// from the top-left corner of the page.
struct PdfWord
{
    int nPage = 0;  // 1-based
    QString text;
    QRectF rcMm;
};

struct PdfText
{
    QVector<QSizeF> pagesMm;
    QVector<PdfWord> words;

    QVector<PdfWord> onPage(int nPage) const;
    // The words of one line (tops within 1 mm of dTopMm) joined by blanks, left to right.
    QString lineAt(int nPage, double dTopMm) const;
    // The first word of that text on the page, or an empty word.
    PdfWord find(int nPage, const QString& text) const;
};

// Runs pdftotext -bbox on the file; an empty result when it fails.
PdfText ReadPdfText(const QString& pdfPath);

// Centres (mm from the top) of the dark horizontal lines on one page that run unbroken
// from x0Mm to x1Mm; the page is rendered with pdftoppm.
QVector<double> HorizontalRules(const QString& pdfPath, int nPage, double x0Mm, double x1Mm);
