#pragma once

#include "ArchiveLocation.h"
#include "MeasureArchive.h"

#include <QDateTime>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

struct MeasureRecord;

// The archive on a thread of its own, so that a slow disk, a busy archive or a distant server
// never holds up the window. The archive is opened there, on first use, and opened again with
// the next job after a failure (the disk may have room by then).
class BackgroundArchive : public QObject
{
    Q_OBJECT
public:
    BackgroundArchive(const ArchiveLocation& location, MeasureArchive::Mode mode, QObject* parent = nullptr);
    // Waits for a job under way to finish: a download is archived whole or not at all.
    ~BackgroundArchive() override;

    // Queues a copy of the group; the caller keeps its records.
    void archive(const QDateTime& downloadedAt, const QString& devicePath, int nGroupNumber,
                 const MeasureRecord* pRecords, int nCount);

    // Runs job with the open archive on the archive thread, then done on this object's thread
    // with the archive's error (empty when the job returned true). done is dropped when
    // receiver is gone by then.
    void run(QObject* receiver, std::function<bool(MeasureArchive&)> job,
             std::function<void(const QString& error)> done);

signals:
    // Emitted for each queued group (nResult is a MeasureArchive::StoreResult); text is the
    // archive's error for a failure.
    void sigArchived(int nResult, const QString& text);

private:
    class Worker;

    QThread thread;
    ArchiveLocation location;
    MeasureArchive::Mode mode;
    Worker* pWorker;
};
