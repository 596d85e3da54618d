// Prints the time from the start of main to the first shown window, for the demo program's
// window and, for comparison, for an empty QMainWindow: the median and the fastest of several
// fresh processes (the fastest is the steadier figure on a busy machine), and their ratios.
// Not a test: figures only.
#include "MainWindow.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int measureOnce(const char* mode, int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QMainWindow* window;
    if (qstrcmp(mode, "window") == 0) {
        SetUpApplication(app);
        window = new MainWindow;
    } else {
        window = new QMainWindow;
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000));
    delete window;
    return 0;
}

double runOnce(const QString& self, const QString& mode)
{
    QProcess child;
    child.start(self, {mode});
    child.waitForFinished(30000);
    return child.readAllStandardOutput().trimmed().toDouble() / 1000.0;
}

struct Figures
{
    std::vector<double> samples;

    double median() { return sorted()[samples.size() / 2]; }
    double fastest() { return sorted().front(); }
    const std::vector<double>& sorted()
    {
        std::sort(samples.begin(), samples.end());
        return samples;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        return measureOnce(argv[1], argc, argv);
    const QString self = QString::fromLocal8Bit(argv[0]);
    const int runs = 15;
    std::printf("start-up to first shown window, %d processes each (QT_QPA_PLATFORM=%s):\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    // Taken in turns, so that both meet the same load.
    Figures window, empty;
    for (int i = 0; i < runs; ++i) {
        window.samples.push_back(runOnce(self, QStringLiteral("window")));
        empty.samples.push_back(runOnce(self, QStringLiteral("empty")));
    }
    std::printf("  demo program window: median %.1f ms, fastest %.1f ms\n", window.median(), window.fastest());
    std::printf("  empty QMainWindow:   median %.1f ms, fastest %.1f ms\n", empty.median(), empty.fastest());
    std::printf("  ratio:               median %.2f, fastest %.2f\n", window.median() / empty.median(),
                window.fastest() / empty.fastest());
    return 0;
}
