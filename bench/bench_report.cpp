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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int nRecords = std::clamp(args.size() > 1 ? args[1].toInt() : 255, 0, 255);
    QTemporaryDir dir;
    const QString path = args.size() > 2 ? args[2] : dir.filePath(QStringLiteral("report.pdf"));
    sample::InstalledGroup group(nRecords);
    sample::fillVaried(group, nRecords);
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
