// Our own cost per exchange: a 255-record group of 32 values each, downloaded from the simulated
// instrument without latency, through CHidDevice on this thread and through QHard on its own thread.
// Then the same download through QHard from an instrument that answers each request after 1 ms, as
// a full-speed USB interrupt endpoint polled once per millisecond does: 511 exchanges take at least
// 511 ms, and the program should stay within 2 % of that floor.
#include "CHidDevice.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRecords = 255, kExchanges = 1 + 2 * kRecords, kRuns = 40, kWireRuns = 5;

// Microseconds per exchange of each run, sorted; without the simulated instrument's late replies.
std::vector<double> measure(int nRuns, const std::function<short()>& download)
{
    std::vector<double> us;
    for (int run = 0; run < nRuns; ++run) {
        SimulatedInstrument::demo().clearRequests();
        QElapsedTimer timer;
        timer.start();
        const short n = download();
        const qint64 nLateNs = SimulatedInstrument::demo().lateness().count();
        us.push_back(double(timer.nsecsElapsed() - nLateNs) / 1000.0 / kExchanges);
        if (n != kRecords)
            std::fprintf(stderr, "download gave %d records\n", n);
    }
    std::sort(us.begin(), us.end());
    return us;
}

void printPerExchange(const char* szWhat, const std::vector<double>& us)
{
    std::printf("%-28s median %6.2f us, best %6.2f us per exchange (%d exchanges, %zu runs)\n", szWhat,
                us[us.size() / 2], us.front(), kExchanges, us.size());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bAppRunning = 0;  // no presence timer during the measurement
    SimulatedInstrument& sim = SimulatedInstrument::demo();
    std::vector<SimRecord> group(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        group[size_t(i)] = SimRecord{uint8_t(i % 10), uint8_t(i % 7), 23, 1, 1, 0, 0, {}};
        for (int k = 0; k < 32; ++k)
            group[size_t(i)].values.push_back(uint16_t(300 + (i * 7 + k * 13) % 500));
    }
    sim.setGroup(1, group);
    {
        CHidDevice device(sim);
        device.openByScan();
        printPerExchange("CHidDevice on this thread:", measure(kRuns, [&] { return device.collectGroup(0).nReceived; }));
    }

    QThread thread;  // QHard as the window runs it: queued request, progress signals, sigResult back
    QHard* hard = new QHard;
    hard->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, hard, &QObject::deleteLater);
    thread.start();
    QMetaObject::invokeMethod(hard, "init", Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(hard, "searchDev", Qt::BlockingQueuedConnection);
    QEventLoop loop;
    int nProgress = 0;
    short nLast = 0;
    QObject::connect(hard, &QHard::sigProcessStatus, &loop, [&](int) { ++nProgress; });
    QObject::connect(hard, &QHard::sigResult, &loop, [&](void* p, const DownloadOutcome& outcome) {
        FreeGroup(static_cast<MeasureRecord*>(p), outcome.nReceived);
        nLast = short(outcome.nReceived);
        loop.quit();
    });
    const auto viaWorker = [&] {
        QMetaObject::invokeMethod(hard, "CollectOnce", Qt::QueuedConnection, Q_ARG(int, 0));
        loop.exec();  // until sigResult, every progress signal delivered before it
        return nLast;
    };
    printPerExchange("QHard on its worker thread:", measure(kRuns, viaWorker));

    sim.setLatency(std::chrono::milliseconds(1));
    const std::vector<double> us = measure(kWireRuns, viaWorker);
    const double fFloorMs = kExchanges * 1.0;  // one millisecond per exchange
    const double fMedianMs = us[us.size() / 2] * kExchanges / 1000.0;
    std::printf("%-28s median %6.1f ms, best %6.1f ms for %d exchanges (the scheduler's late wake-ups taken\n"
                "%-28s off); floor %.0f ms, median %+.2f %%\n",
                "QHard, 1 ms per reply:", fMedianMs, us.front() * kExchanges / 1000.0, kExchanges, "", fFloorMs,
                (fMedianMs / fFloorMs - 1.0) * 100.0);
    if (nProgress != (kRuns + kWireRuns) * (kRecords + 1))
        std::fprintf(stderr, "%d progress values\n", nProgress);
    thread.quit();
    thread.wait();
    return 0;
}
