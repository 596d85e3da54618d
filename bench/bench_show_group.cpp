// Times showing a downloaded group: from the window's slotData receiving a group of 255
// records of 32 impacts each to the table and the chart (on a row of 32 bars) painted.
// Prints the figures, never fails on speed. Not a test.
#include "MainWindow.h"
#include "SampleGroup.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRecords = 255;
constexpr int kImpacts = 32;

// A group as a download hands it over: the window takes ownership.
MeasureRecord* makeGroup()
{
    MeasureRecord* group = AllocGroup(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        sample::Header header;
        header.nMaterial = uint8_t(i % 10);
        header.nUnit = uint8_t(i % 7);
        sample::fillRecord(group[i], header, sample::rising(uint16_t(400 + i), kImpacts));
    }
    return group;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.slotData(makeGroup(), DownloadOutcome::whole(kRecords));
    window.slotRowSel(0);  // the chart shows 32 bars from here on

    constexpr int kRuns = 15;
    double shown[kRuns];
    double painted[kRuns];
    for (int run = 0; run < kRuns; ++run) {
        MeasureRecord* group = makeGroup();
        QElapsedTimer timer;
        timer.start();
        window.slotData(group, DownloadOutcome::whole(kRecords));
        shown[run] = timer.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();  // the column widths follow the new texts
        window.repaint();
        painted[run] = timer.nsecsElapsed() / 1e6;
    }
    std::sort(shown, shown + kRuns);
    std::sort(painted, painted + kRuns);
    std::printf("group of %d records x %d impacts, window %d x %d (QT_QPA_PLATFORM=%s), median of %d runs:\n",
                kRecords, kImpacts, window.width(), window.height(), qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    std::printf("  slotData (table filled):       %.1f ms (best %.1f ms)\n", shown[kRuns / 2], shown[0]);
    std::printf("  to table and chart painted:    %.1f ms (best %.1f ms)\n", painted[kRuns / 2], painted[0]);
    return 0;
}
