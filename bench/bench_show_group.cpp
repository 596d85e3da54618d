// Times showing a downloaded group: from the window's slotData receiving a group of 255
// records of 32 impacts each to the table and the chart (on a row of 32 bars) painted, without
// and with tolerance limits (about half of the records outside); and the group's statistics
// and verdicts alone. Prints the figures, never fails on speed. Not a test.
#include "MainWindow.h"
#include "MyStatisticsBox.h"
#include "SampleGroup.h"
#include "Startup.h"
#include "Statistics.h"
#include "Verdict.h"

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

    const ToleranceLimits limits =
        ToleranceLimits::fromText(QStringLiteral("HL=:550 HV=:550 HB=:550 HRC=:55 HS=:55 HRB=:55 HRA=:55"));

    constexpr int kRuns = 15;
    std::printf("group of %d records x %d impacts, window %d x %d (QT_QPA_PLATFORM=%s), median of %d runs:\n",
                kRecords, kImpacts, window.width(), window.height(), qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    for (const bool bLimits : {false, true}) {
        window.findChild<MyStatisticsBox*>()->setLimits(bLimits ? limits : ToleranceLimits());
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
        std::printf("%s\n", bLimits ? "with limits for every scale:" : "without limits:");
        std::printf("  slotData (table filled):       %.1f ms (best %.1f ms)\n", shown[kRuns / 2], shown[0]);
        std::printf("  to table and chart painted:    %.1f ms (best %.1f ms)\n", painted[kRuns / 2], painted[0]);
    }

    double computed[kRuns];
    int nFailed = 0;
    int nRecords = 0;
    for (double& ms : computed) {
        QElapsedTimer timer;
        timer.start();
        const GroupStats stats = StatsOfGroup(CurrentGroup.pRecords, CurrentGroup.nCount);
        nFailed = JudgeGroup(CurrentGroup.pRecords, CurrentGroup.nCount, limits).nFailed;
        nRecords = stats.nRecords;
        ms = timer.nsecsElapsed() / 1e6;
    }
    std::sort(computed, computed + kRuns);
    std::printf("statistics and verdicts of the group (%d records, %d outside): %.3f ms (best %.3f ms)\n", nRecords,
                nFailed, computed[kRuns / 2], computed[0]);
    return 0;
}
