#pragma once

#include "ArchiveLocation.h"

#include <QDateTime>
#include <QObject>
#include <QThread>

#include <memory>

class MeasureArchive;
struct MeasureRecord;

// Stores downloads on a thread of its own, so that a slow disk, a busy archive or a distant
// server never holds up the window. The archive is opened there, on first use.
class BackgroundArchive : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundArchive(const ArchiveLocation& location, QObject* parent = nullptr);
    // Waits for a store under way to finish: a download is archived whole or not at all.
    ~BackgroundArchive() override;

    // Queues a copy of the group; the caller keeps its records.
    void archive(const QDateTime& downloadedAt, const QString& devicePath, int nGroupNumber,
                 const MeasureRecord* pRecords, int nCount);

signals:
    // Emitted for each queued group (nResult is a MeasureArchive::StoreResult); text is the
    // archive's error for a failure.
    void sigArchived(int nResult, const QString& text);

private:
    class Worker;

    QThread thread;
    ArchiveLocation location;
    Worker* pWorker;
};
