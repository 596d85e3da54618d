// Times the archive: storing a 255-record group, listing 20,000 downloads, History opening and
// filtering them, and opening a 255-record download into the window. Prints the figures, never fails on speed. SQLite in a
// temporary folder, then PostgreSQL on a throwaway server when its programs are there.
#include "ArchiveSamples.h"
#include "BackgroundArchive.h"
#include "MainWindow.h"
#include "MeasureArchive.h"
#include "MyHistoryDialog.h"
#include "PostgresServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

template <typename Step>
double timed(Step step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return timer.nsecsElapsed() / 1e6;
}

bool open(MeasureArchive& archive, const char* what, const QString& url)
{
    ArchiveLocation location;
    QString error;
    if (ArchiveLocation::fromUrl(url, location, error) && archive.open(location))
        return true;
    std::printf("%s: %s\n", what, qPrintable(error + archive.errorText()));
    return false;
}

// Archiving 255-record groups, then opening one of them into the window.
void storeAndOpen(const char* what, const QString& url)
{
    MeasureArchive archive;
    if (!open(archive, what, url))
        return;
    std::vector<double> stores;
    qint64 nId = 0;
    for (int nSeed = 0; nSeed < 21; ++nSeed) {
        const OwnedGroup group = archiveSample(nSeed, 255);
        stores.push_back(timed([&] {
            archive.store(QDateTime::currentDateTime(), "/dev/hidraw0", 1, group.records(), 255, &nId);
        }));
    }
    std::printf("%s: archiving a 255-record group: median %.1f ms over %zu\n", what, median(stores), stores.size());

    MainWindow window;
    std::vector<double> opens;
    for (int i = 0; i < 7; ++i) {
        opens.push_back(timed([&] {
            OwnedGroup group;
            ArchivedDownload download;
            archive.load(nId, group, &download);
            const short nLen = short(group.count());
            window.slotArchivedData(group.release(), nLen, download);
        }));
    }
    std::printf("%s: opening a 255-record download into the window: median %.1f ms\n", what, median(opens));
}

// History from opening to the list painted, and each keystroke of a filter.
void history(const ArchiveLocation& location)
{
    BackgroundArchive writer(location, MeasureArchive::Mode::ReadWrite);
    std::vector<double> opens;
    for (int i = 0; i < 5; ++i) {
        BackgroundArchive reader(location, MeasureArchive::Mode::ReadOnly);  // opened with the window's first use
        opens.push_back(timed([&] {
            MyHistoryDialog dialog(reader, writer);
            QEventLoop loop;
            QObject::connect(&dialog, &MyHistoryDialog::sigLoaded, &loop, &QEventLoop::quit);
            dialog.show();
            loop.exec();
            QApplication::processEvents();
        }));
    }
    std::printf("SQLite: History showing 20,000 downloads: median %.1f ms from opening to painted\n", median(opens));

    BackgroundArchive reader(location, MeasureArchive::Mode::ReadOnly);
    MyHistoryDialog dialog(reader, writer);
    QEventLoop loop;
    QObject::connect(&dialog, &MyHistoryDialog::sigLoaded, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    auto* filter = dialog.findChild<QLineEdit*>();
    std::vector<double> keys;
    for (const QString& typed : {QStringLiteral("steel"), QStringLiteral("hrc"), QStringLiteral("2026/"),
                                 QStringLiteral("hidraw")}) {
        for (int n = 1; n <= typed.size(); ++n) {
            keys.push_back(timed([&] {
                filter->setText(typed.left(n));
                QApplication::processEvents();
            }));
        }
        keys.push_back(timed([&] {
            filter->clear();
            QApplication::processEvents();
        }));
    }
    std::printf("SQLite: History filter, per keystroke to painted: median %.1f ms, at most %.1f ms over %zu\n",
                median(keys), *std::max_element(keys.begin(), keys.end()), keys.size());
}

// Listing reads only the downloads, so small groups fill the list; in memory-backed files the
// 20,000 durable commits take seconds rather than minutes.
void list(const char* what, const QString& url, int nDownloads)
{
    MeasureArchive archive;
    if (!open(archive, what, url))
        return;
    const QDateTime start = QDateTime::currentDateTime();
    for (int nSeed = 0; nSeed < nDownloads; ++nSeed) {
        const OwnedGroup group = archiveSample(nSeed, 1);
        archive.store(start.addSecs(nSeed), "/dev/hidraw0", 1 + nSeed % 10, group.records(), 1);
    }
    std::vector<double> lists;
    QVector<ArchivedDownload> downloads;
    for (int i = 0; i < 7; ++i)
        lists.push_back(timed([&] { archive.list(downloads); }));
    std::printf("%s: listing %d downloads: median %.1f ms\n", what, downloads.size(), median(lists));
    ArchiveLocation location;
    QString error;
    ArchiveLocation::fromUrl(url, location, error);
    history(location);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    storeAndOpen("SQLite", dir.filePath(QStringLiteral("bench.sqlite")));
    QTemporaryDir memory(QStringLiteral("/dev/shm/bench-XXXXXX"));
    list("SQLite", (memory.isValid() ? memory : dir).filePath(QStringLiteral("list.sqlite")), 20000);
    PostgresServer server;
    if (server.isRunning() && server.sql(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE bench")))
        storeAndOpen("PostgreSQL", server.url(QStringLiteral("bench")));
    else
        std::printf("PostgreSQL: skipped, %s\n", qPrintable(server.whyNotRunning()));
    FreeGroup(nullptr, -1);
    return 0;
}
