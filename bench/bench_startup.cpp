// Prints the time to the first painted window, for the demo program's window and, for
// comparison, for an empty QMainWindow, each in fresh processes of this same program: from the
// launch of the process (what a user waits for: loading the libraries included) and from the
// start of main. The median and the fastest of several processes (the fastest is the steadier
// figure on a busy machine), and their ratios. Not a test: figures only.
#include "MainWindow.h"
#include "Startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

qint64 nowNs()
{
    // steady_clock is the system's monotonic clock: comparable across processes.
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints the clock at the start of main and once the window's first expose has been handled:
// the window paints itself while handling it.
int measureOnce(const char* mode, int argc, char* argv[])
{
    const qint64 started = nowNs();
    QApplication app(argc, argv);
    QMainWindow* window;
    if (qstrcmp(mode, "window") == 0) {
        SetUpApplication(app);
        window = new MainWindow;
    } else {
        window = new QMainWindow;
    }
    window->show();
    while (!window->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    std::printf("%lld %lld\n", static_cast<long long>(started), static_cast<long long>(nowNs()));
    delete window;
    return 0;
}

struct Figures
{
    std::vector<double> fromLaunch;
    std::vector<double> fromMain;
};

void runOnce(const QString& self, const QString& mode, Figures& figures)
{
    QProcess child;
    const qint64 launched = nowNs();
    child.start(self, {mode});
    child.waitForFinished(30000);
    const QList<QByteArray> stamps = child.readAllStandardOutput().trimmed().split(' ');
    if (stamps.size() != 2)
        return;
    figures.fromLaunch.push_back((stamps[1].toLongLong() - launched) / 1e6);
    figures.fromMain.push_back((stamps[1].toLongLong() - stamps[0].toLongLong()) / 1e6);
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

double fastest(const std::vector<double>& samples)
{
    return samples.empty() ? 0.0 : *std::min_element(samples.begin(), samples.end());
}

void printRow(const char* name, const std::vector<double>& window, const std::vector<double>& empty)
{
    std::printf("  %-12s window median %5.1f ms, fastest %5.1f ms | empty median %5.1f ms, fastest %5.1f ms"
                " | ratio median %.2f, fastest %.2f\n",
                name, median(window), fastest(window), median(empty), fastest(empty),
                median(window) / median(empty), fastest(window) / fastest(empty));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        return measureOnce(argv[1], argc, argv);
    const QString self = QString::fromLocal8Bit(argv[0]);
    const int runs = 15;
    std::printf("first painted window: demo program window against an empty QMainWindow, %d processes each"
                " (QT_QPA_PLATFORM=%s):\n",
                runs, qgetenv("QT_QPA_PLATFORM").constData());
    // Taken in turns, so that both meet the same load.
    Figures window, empty;
    for (int i = 0; i < runs; ++i) {
        runOnce(self, QStringLiteral("window"), window);
        runOnce(self, QStringLiteral("empty"), empty);
    }
    printRow("from launch:", window.fromLaunch, empty.fromLaunch);
    printRow("from main:", window.fromMain, empty.fromMain);
    return 0;
}
