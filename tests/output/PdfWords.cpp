#include "PdfWords.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr int kRenderDpi = 150;

QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

double attribute(const QXmlStreamReader& xml, const char* name)
{
    return xml.attributes().value(QLatin1String(name)).toDouble() * kMmPerPoint;
}

} // namespace

QVector<PdfWord> PdfText::onPage(int nPage) const
{
    QVector<PdfWord> result;
    for (const PdfWord& word : words) {
        if (word.nPage == nPage)
            result << word;
    }
    return result;
}

QString PdfText::lineAt(int nPage, double dTopMm) const
{
    QVector<PdfWord> line;
    for (const PdfWord& word : onPage(nPage)) {
        if (std::abs(word.rcMm.top() - dTopMm) < 1.0)
            line << word;
    }
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.rcMm.left() < b.rcMm.left(); });
    QStringList texts;
    for (const PdfWord& word : line)
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

PdfWord PdfText::find(int nPage, const QString& text) const
{
    for (const PdfWord& word : onPage(nPage)) {
        if (word.text == text)
            return word;
    }
    return PdfWord();
}

PdfText ReadPdfText(const QString& pdfPath)
{
    PdfText result;
    QXmlStreamReader xml(runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            result.pagesMm << QSizeF(attribute(xml, "width"), attribute(xml, "height"));
        } else if (xml.name() == QLatin1String("word")) {
            PdfWord word;
            word.nPage = result.pagesMm.size();
            word.rcMm = QRectF(QPointF(attribute(xml, "xMin"), attribute(xml, "yMin")),
                               QPointF(attribute(xml, "xMax"), attribute(xml, "yMax")));
            word.text = xml.readElementText();
            result.words << word;
        }
    }
    return result;
}

QVector<double> HorizontalRules(const QString& pdfPath, int nPage, double x0Mm, double x1Mm)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString page = QString::number(nPage);
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(kRenderDpi),
             QStringLiteral("-f"), page, QStringLiteral("-l"), page, QStringLiteral("-singlefile"),
             pdfPath, prefix});
    const QImage image(prefix + QStringLiteral(".pgm"));
    QVector<double> rules;
    if (image.isNull())
        return rules;

    const double pixelsPerMm = kRenderDpi / 25.4;
    const int x0 = int(std::ceil(x0Mm * pixelsPerMm));
    const int x1 = std::min(image.width() - 1, int(x1Mm * pixelsPerMm));
    int runStart = -1;
    for (int y = 0; y <= image.height(); ++y) {
        bool dark = y < image.height();
        for (int x = x0; dark && x <= x1; ++x)
            dark = qGray(image.pixel(x, y)) < 192;
        if (dark && runStart < 0)
            runStart = y;
        if (!dark && runStart >= 0) {
            rules << (runStart + y) / 2.0 / pixelsPerMm;
            runStart = -1;
        }
    }
    return rules;
}
