// Cost of one exchange through the device link: a 255-record group of 32 values each, downloaded
// from the simulated instrument without latency, so that only the program's own work is timed.
// Once through CHidDevice on this thread, once through QHard on its worker thread as the window
// asks for it (queued request, progress signals, sigResult back).
#include "CHidDevice.h"
#include "QHard.h"
#include "SimulatedInstrument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 255;
constexpr int kValues = 32;
constexpr int kExchanges = 1 + 2 * kRecords;
constexpr int kRuns = 40;

std::vector<SimRecord> largestGroup()
{
    std::vector<SimRecord> group(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        group[size_t(i)].nUnit = uint8_t(i % 7);
        group[size_t(i)].nYear = 23;
        for (int k = 0; k < kValues; ++k)
            group[size_t(i)].values.push_back(uint16_t(300 + (i * 7 + k * 13) % 500));
    }
    return group;
}

void report(const char* szWhat, std::vector<double> nsPerExchange)
{
    std::sort(nsPerExchange.begin(), nsPerExchange.end());
    std::printf("%-34s median %6.2f us, best %6.2f us per exchange (%d exchanges, %d runs)\n", szWhat,
                nsPerExchange[nsPerExchange.size() / 2] / 1000.0, nsPerExchange.front() / 1000.0,
                kExchanges, int(nsPerExchange.size()));
}

std::vector<double> directDownloads(SimulatedInstrument& sim)
{
    CHidDevice device(sim);
    device.openByScan();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        sim.clearRequests();
        QElapsedTimer timer;
        timer.start();
        const short n = device.collectGroup(0);
        const qint64 ns = timer.nsecsElapsed();
        FreeGroup(device.takeRecords(), n);
        if (n != kRecords)
            std::fprintf(stderr, "download gave %d records\n", n);
        times.push_back(double(ns) / kExchanges);
    }
    return times;
}

std::vector<double> workerDownloads(SimulatedInstrument& sim)
{
    QThread thread;
    QHard* pHard = new QHard;
    pHard->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, pHard, &QObject::deleteLater);
    thread.start();
    QMetaObject::invokeMethod(pHard, "init", Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(pHard, "searchDev", Qt::BlockingQueuedConnection);

    QEventLoop loop;
    int nProgress = 0;
    QObject::connect(pHard, &QHard::sigProcessStatus, &loop, [&](int) { ++nProgress; });
    QObject::connect(pHard, &QHard::sigResult, &loop, [&](void* p, short n) {
        FreeGroup(static_cast<MeasureRecord*>(p), std::max<int>(n, 0));
        loop.quit();
    });

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        sim.clearRequests();
        QElapsedTimer timer;
        timer.start();
        QMetaObject::invokeMethod(pHard, "CollectOnce", Qt::QueuedConnection, Q_ARG(int, 0));
        loop.exec();  // until sigResult, with every progress signal delivered before it
        times.push_back(double(timer.nsecsElapsed()) / kExchanges);
    }
    if (nProgress != kRuns * (kRecords + 1))
        std::fprintf(stderr, "%d progress values\n", nProgress);

    thread.quit();
    thread.wait();
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bAppRunning = 0;  // no presence timer during the measurement
    SimulatedInstrument& sim = SimulatedInstrument::demo();
    sim.setGroup(1, largestGroup());

    report("CHidDevice on this thread:", directDownloads(sim));
    report("QHard on its worker thread:", workerDownloads(sim));
    return 0;
}
