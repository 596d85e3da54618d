// Our own cost per exchange: a 255-record group of 32 values each, downloaded from the simulated
// instrument without latency, through CHidDevice on this thread and through QHard on its own thread.
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

constexpr int kRecords = 255, kExchanges = 1 + 2 * kRecords, kRuns = 40;

void measure(const char* szWhat, const std::function<short()>& download)
{
    std::vector<double> us;
    for (int run = 0; run < kRuns; ++run) {
        SimulatedInstrument::demo().clearRequests();
        QElapsedTimer timer;
        timer.start();
        const short n = download();
        us.push_back(double(timer.nsecsElapsed()) / 1000.0 / kExchanges);
        if (n != kRecords)
            std::fprintf(stderr, "download gave %d records\n", n);
    }
    std::sort(us.begin(), us.end());
    std::printf("%-28s median %6.2f us, best %6.2f us per exchange (%d exchanges, %d runs)\n", szWhat,
                us[us.size() / 2], us.front(), kExchanges, kRuns);
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
        measure("CHidDevice on this thread:", [&] { return device.collectGroup(0); });
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
    QObject::connect(hard, &QHard::sigResult, &loop, [&](void* p, short n) {
        FreeGroup(static_cast<MeasureRecord*>(p), std::max<int>(n, 0));
        nLast = n;
        loop.quit();
    });
    measure("QHard on its worker thread:", [&] {
        QMetaObject::invokeMethod(hard, "CollectOnce", Qt::QueuedConnection, Q_ARG(int, 0));
        loop.exec();  // until sigResult, every progress signal delivered before it
        return nLast;
    });
    if (nProgress != kRuns * (kRecords + 1))
        std::fprintf(stderr, "%d progress values\n", nProgress);
    thread.quit();
    thread.wait();
    return 0;
}
