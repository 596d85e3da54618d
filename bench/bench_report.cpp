// Times painting the report of a group to PDF; prints the figures, never fails on speed.
// Usage: bench_report [records (0..255, default 255)] [pdf file to keep]
#include "MyPrint.h"
#include "SampleGroup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

// A varied group as an instrument might hold it: every code in turn, mostly a few values,
// now and then a long series that wraps in the report.
static void fillVaried(sample::InstalledGroup& group, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        sample::Header h;
        h.nMaterial = uint8_t(i % 10);
        h.nUnit = uint8_t(i % 7);
        h.nAngle = uint8_t(i % 5);
        h.nProbe = uint8_t(i % 7);
        h.nYear = 24;
        h.nMonth = uint8_t(1 + i % 12);
        h.nDay = uint8_t(1 + i % 28);
        const int nTimes = (i % 6 == 5) ? 24 : 3 + i % 5;
        std::vector<uint16_t> raw;
        for (int k = 0; k < nTimes; ++k)
            raw.push_back(uint16_t(h.nUnit <= 2 ? 480 + (i * 7 + k * 13) % 90 : 420 + (i * 11 + k * 17) % 230));
        sample::fillRecord(group[i], h, raw);
    }
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int nRecords = std::clamp(args.size() > 1 ? args[1].toInt() : 255, 0, 255);
    QTemporaryDir dir;
    const QString path = args.size() > 2 ? args[2] : dir.filePath(QStringLiteral("report.pdf"));
    sample::InstalledGroup group(nRecords);
    fillVaried(group, nRecords);
    MyPrint print;
    QPrinter* printer = print.printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setFullPage(true);

    constexpr int kRuns = 7;
    double ms[kRuns];
    for (double& run : ms) {
        QElapsedTimer timer;
        timer.start();
        print.paintReport();
        run = timer.nsecsElapsed() / 1e6;
    }
    std::sort(ms, ms + kRuns);
    std::printf("report of %d records to PDF (A4, %d dpi): median %.1f ms, best %.1f ms over %d runs, %lld bytes\n",
                nRecords, printer->resolution(), ms[kRuns / 2], ms[0], kRuns, qint64(QFileInfo(path).size()));
    return 0;
}
