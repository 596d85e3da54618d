#pragma once

#include "ArchiveLocation.h"
#include "TestDetails.h"

#include <QObject>
#include <QString>

#include <memory>

class BackgroundArchive;
class QMenuBar;
class QWidget;
struct ArchivedDownload;

// The window's side of the archive: keeps every download that reached the table (on a thread
// of its own, so the window never waits), and the "History..." menu entry that lists the
// archived downloads and opens one. Trouble with the archive is one status-bar line; the
// window works on without it.
class MyArchiveMenu : public QObject
{
    Q_OBJECT

public:
    MyArchiveMenu(QMenuBar* pMenuBar, QWidget* pWindow);
    ~MyArchiveMenu() override;

signals:
    // A download opened from the history; its records pass to the receiver, as with sigResult.
    // Connect it directly: LoadData's state is kept across the call.
    void sigOpenGroup(void* p, short nLen, const ArchivedDownload& download);
    // "Test details...": the window's dialog for the details of the shown download.
    void sigEditDetails();

public slots:
    void slotDownloadSource(const QString& devicePath);
    // Connected after the window's own slotData: the group is already in CurrentGroup.
    void slotDownloaded(void* p, short nLen);
    void slotHistory();
    // New test details for the shown group, kept with its download (if it is archived) together
    // with the limits in force.
    void slotDetailsChanged(const TestDetails& details, const QString& limits);

private:
    BackgroundArchive& writer();
    void slotArchived(int nResult, const QString& text);

    QWidget* pWindow;
    ArchiveLocation location;
    QString locationError;  // a configured URL that names no archive
    QString devicePath;
    std::unique_ptr<BackgroundArchive> pWriter;
    std::unique_ptr<BackgroundArchive> pReader;  // read-only, for the history
};
