// Prints the time from the start of main to the first shown window, for the demo program's
// window and, for comparison, for an empty QMainWindow. Each figure is the median of
// several fresh processes. Not a test: figures only.
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

double medianMs(const QString& self, const QString& mode, int runs)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.start(self, {mode});
        child.waitForFinished(30000);
        samples.push_back(child.readAllStandardOutput().trimmed().toDouble() / 1000.0);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        return measureOnce(argv[1], argc, argv);
    const QString self = QString::fromLocal8Bit(argv[0]);
    const int runs = 9;
    std::printf("start-up to first shown window, median of %d processes (QT_QPA_PLATFORM=%s):\n", runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  demo program window: %.1f ms\n", medianMs(self, QStringLiteral("window"), runs));
    std::printf("  empty QMainWindow:   %.1f ms\n", medianMs(self, QStringLiteral("empty"), runs));
    return 0;
}
