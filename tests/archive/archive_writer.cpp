// Stores sample groups into an archive, one per seed, as a separate process: two of these write at
// once, one is killed half-way, one runs as a user that may not write. Prints "stored SEED" after
// each commit; exit code 1 and the archive's error on standard error when opening or storing fails.
#include "ArchiveSamples.h"
#include "MeasureArchive.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 64;
    const int nFirst = atoi(argv[2]), nCount = atoi(argv[3]);
    ArchiveLocation location;
    QString error;
    MeasureArchive archive;
    const QString url = QString::fromLocal8Bit(argv[1]);
    bool bOk = ArchiveLocation::fromUrl(url, location, error) && archive.open(location);
    for (int nSeed = nFirst; bOk && nSeed < nFirst + nCount; ++nSeed) {
        const OwnedGroup group = archiveSample(nSeed, 255);
        bOk = archive.store(QDateTime::currentDateTime(), QStringLiteral("/dev/hidraw0"), 1 + nSeed % 10,
                            group.records(), group.count()) != MeasureArchive::StoreResult::Failed;
        if (bOk)
            printf("stored %d\n", nSeed);
        fflush(stdout);
    }
    if (!bOk)
        fprintf(stderr, "%s\n", qPrintable(error.isEmpty() ? archive.errorText() : error));
    return bOk ? 0 : 1;
}
