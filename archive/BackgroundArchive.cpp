#include "BackgroundArchive.h"

#include "MeasureArchive.h"
#include "OwnedGroup.h"

// Lives on the archive thread; owns the connection, which may only be used there.
class BackgroundArchive::Worker : public QObject
{
public:
    std::unique_ptr<MeasureArchive> pArchive;
};

BackgroundArchive::BackgroundArchive(const ArchiveLocation& where, QObject* parent)
    : QObject(parent), location(where), pWorker(new Worker)
{
    pWorker->moveToThread(&thread);
    thread.start();
}

BackgroundArchive::~BackgroundArchive()
{
    Worker* worker = pWorker;
    QMetaObject::invokeMethod(pWorker, [worker] { worker->pArchive.reset(); });
    thread.quit();
    thread.wait();
    delete pWorker;
}

void BackgroundArchive::archive(const QDateTime& downloadedAt, const QString& devicePath, int nGroupNumber,
                                const MeasureRecord* pRecords, int nCount)
{
    auto group = std::make_shared<OwnedGroup>(OwnedGroup::copyOf(pRecords, nCount));
    Worker* worker = pWorker;
    QMetaObject::invokeMethod(pWorker, [this, worker, group, downloadedAt, devicePath, nGroupNumber] {
        if (!worker->pArchive) {
            worker->pArchive = std::make_unique<MeasureArchive>();
            worker->pArchive->open(location);
        }
        MeasureArchive& archive = *worker->pArchive;
        const MeasureArchive::StoreResult result =
            archive.isOpen() ? archive.store(downloadedAt, devicePath, nGroupNumber, group->records(), group->count())
                             : MeasureArchive::StoreResult::Failed;
        emit sigArchived(int(result), result == MeasureArchive::StoreResult::Failed ? archive.errorText() : QString());
        // A failed open is tried again with the next download (the disk may have room by then).
        if (!archive.isOpen())
            worker->pArchive.reset();
    });
}
