#include "QHard.h"

#include "CHidDevice.h"

#include <QTimer>

std::atomic<short> bAppRunning{1};

QHard::QHard(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<DownloadOutcome>();  // crosses to the window's thread in sigResult
}

QHard::~QHard() = default;

void QHard::init()
{
    pDevice = std::make_unique<CHidDevice>(DefaultHidPlatform(),
                                           [this](int n) { emit sigProcessStatus(n); });
    pTimer = new QTimer(this);
    pTimer->setInterval(kPresenceIntervalMs);
    connect(pTimer, &QTimer::timeout, this, &QHard::searchDev);
    if (bAppRunning != 0)
        pTimer->start();
}

void QHard::searchDev()
{
    if (!pDevice)
        return;
    short nValid = pDevice->reopen();
    if (nValid == kAbsent && !pDevice->deniedPath().empty())
        nValid = kNoPermission;
    if (nValid == nLastValid)
        return;
    nLastValid = nValid;
    emit sigValidDev(nValid);
}

void QHard::CollectOnce(int nGroup)
{
    // Nothing that already belongs to the receiver goes out again: no data means a null pointer.
    if (!pDevice || !pDevice->isConnected()) {
        emit sigResult(nullptr, DownloadOutcome());
        return;
    }
    const DownloadOutcome outcome = pDevice->collectGroup(nGroup);
    emit sigDownloadSource(QString::fromUtf8(pDevice->devicePath()));
    MeasureRecord* pRecords = pDevice->takeRecords();
    if (outcome.nReceived == 0) {
        FreeGroup(pRecords, 0);
        pRecords = nullptr;
    }
    emit sigResult(pRecords, outcome);
}
