#pragma once

#include "DownloadOutcome.h"

#include <QMetaType>
#include <QObject>

#include <atomic>
#include <memory>

class CHidDevice;
class QTimer;

Q_DECLARE_METATYPE(DownloadOutcome)

extern std::atomic<short> bAppRunning;  // 1 while the program runs; the window clears it at shutdown

// The instrument as the rest of the program sees it. Lives on a worker thread of its own so that
// blocking transfers never stall the window: checks every 2000 ms whether the instrument is there,
// reports each change, and downloads a group when asked. A downloaded group passes to the
// receiver of sigResult together with its ownership.
class QHard : public QObject
{
    Q_OBJECT
public:
    explicit QHard(QObject* parent = nullptr);
    ~QHard() override;

    static constexpr int kPresenceIntervalMs = 2000;

    // The presence states sigValidDev carries.
    enum Presence : short {
        kAbsent = 0,
        kConnected = 1,
        kNoPermission = 2,  // the instrument is there, but this user may not open it
    };

    // Both null until init has run on the worker thread.
    const CHidDevice* device() const { return pDevice.get(); }
    const QTimer* presenceTimer() const { return pTimer; }

signals:
    // The end of a download: p holds outcome.nReceived records (null when none came).
    void sigResult(void* p, const DownloadOutcome& outcome);
    void sigValidDev(short b);            // the Presence state changed
    void sigProcessStatus(int n);         // maximum with bit 0x100000, then records done
    void sigDownloadSource(const QString& devicePath);  // just before the sigResult of a download

public slots:
    void CollectOnce(int nGroup);
    void init();
    void searchDev();

private:
    std::unique_ptr<CHidDevice> pDevice;
    QTimer* pTimer = nullptr;  // child of this object, on the worker thread
    short nLastValid = -1;     // the presence state last reported; none before the first check
};
