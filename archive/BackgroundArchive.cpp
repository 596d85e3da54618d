#include "BackgroundArchive.h"

#include "OwnedGroup.h"

#include <QPointer>

// Lives on the archive thread; owns the connection, which may only be used there.
class BackgroundArchive::Worker : public QObject
{
public:
    // Runs job on the archive, opened first when it is not; false with the archive's error.
    bool use(const ArchiveLocation& location, MeasureArchive::Mode mode,
             const std::function<bool(MeasureArchive&)>& job, QString& error)
    {
        if (!pArchive) {
            pArchive = std::make_unique<MeasureArchive>();
            pArchive->open(location, mode);
        }
        const bool bOk = pArchive->isOpen() && job(*pArchive);
        error = bOk ? QString() : pArchive->errorText();
        if (!pArchive->isOpen())
            pArchive.reset();
        return bOk;
    }

    std::unique_ptr<MeasureArchive> pArchive;
};

BackgroundArchive::BackgroundArchive(const ArchiveLocation& where, MeasureArchive::Mode openMode, QObject* parent)
    : QObject(parent), location(where), mode(openMode), pWorker(new Worker)
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
        MeasureArchive::StoreResult result = MeasureArchive::StoreResult::Failed;
        QString error;
        worker->use(location, mode, [&](MeasureArchive& archive) {
            result = archive.store(downloadedAt, devicePath, nGroupNumber, group->records(), group->count());
            return result != MeasureArchive::StoreResult::Failed;
        }, error);
        emit sigArchived(int(result), error);
    });
}

void BackgroundArchive::run(QObject* receiver, std::function<bool(MeasureArchive&)> job,
                            std::function<void(const QString&)> done)
{
    Worker* worker = pWorker;
    const QPointer<QObject> target(receiver);
    QMetaObject::invokeMethod(pWorker, [this, worker, target, job, done] {
        QString error;
        worker->use(location, mode, job, error);
        // Through this object, which outlives the thread: the receiver may be gone already.
        QMetaObject::invokeMethod(this, [target, done, error] {
            if (target)
                done(error);
        });
    });
}
