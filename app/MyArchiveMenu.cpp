#include "MyArchiveMenu.h"

#include "BackgroundArchive.h"
#include "MainWindow.h"
#include "MeasureArchive.h"
#include "MeasureRecord.h"
#include "MyHistoryDialog.h"
#include "MyWndControl.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

MyArchiveMenu::MyArchiveMenu(QMenuBar* pMenuBar, QWidget* window)
    : QObject(window), pWindow(window)
{
    QMenu* menu = pMenuBar->addMenu(tr("&Archive"));
    menu->addAction(tr("&History..."), this, &MyArchiveMenu::slotHistory, QKeySequence(Qt::CTRL + Qt::Key_H));
    menu->addAction(tr("Test &details..."), this, &MyArchiveMenu::sigEditDetails);

    if (!ArchiveLocation::configured(location, locationError))
        showStatus(tr("Archive: %1").arg(locationError));
}

MyArchiveMenu::~MyArchiveMenu() = default;

void MyArchiveMenu::slotDownloadSource(const QString& path)
{
    devicePath = path;
}

void MyArchiveMenu::slotDownloaded(void* p, short nLen)
{
    if (nLen < 1 || !locationError.isEmpty() || p != CurrentGroup.pRecords)
        return;
    writer().archive(QDateTime::currentDateTime(), devicePath, nGroupIndex + 1, CurrentGroup.pRecords,
                     CurrentGroup.nCount);
}

void MyArchiveMenu::slotDetailsChanged(const TestDetails& details, const QString& limits)
{
    if (CurrentGroup.nCount < 1 || !locationError.isEmpty())
        return;
    const auto group = std::make_shared<OwnedGroup>(OwnedGroup::copyOf(CurrentGroup.pRecords, CurrentGroup.nCount));
    const int nGroupNumber = nGroupIndex + 1;
    writer().run(this, [group, nGroupNumber, details, limits](MeasureArchive& archive) {
        // An incomplete download is not archived, nor are its details.
        const qint64 nId = archive.idOfGroup(nGroupNumber, group->records(), group->count());
        return nId == 0 || (nId > 0 && archive.setDetails(nId, details, limits));
    }, [](const QString& error) {
        if (!error.isEmpty())
            showStatus(tr("Test details not archived: %1").arg(error));
    });
}

BackgroundArchive& MyArchiveMenu::writer()
{
    if (!pWriter) {  // its thread starts when first needed, not with the window
        pWriter = std::make_unique<BackgroundArchive>(location, MeasureArchive::Mode::ReadWrite);
        connect(pWriter.get(), &BackgroundArchive::sigArchived, this, &MyArchiveMenu::slotArchived);
    }
    return *pWriter;
}

void MyArchiveMenu::slotArchived(int nResult, const QString& text)
{
    // Said also when it went well, so that no earlier download's message stays beside this one.
    if (nResult == int(MeasureArchive::StoreResult::Stored))
        showStatus(tr("Download archived."));
    else if (nResult == int(MeasureArchive::StoreResult::Duplicate))
        showStatus(tr("This group is already in the archive."));
    else if (nResult == int(MeasureArchive::StoreResult::Failed))
        showStatus(tr("Not archived: %1").arg(text));
}

void MyArchiveMenu::slotHistory()
{
    if (!locationError.isEmpty()) {
        showStatus(tr("Archive: %1").arg(locationError));
        return;
    }
    if (!pReader)
        pReader = std::make_unique<BackgroundArchive>(location, MeasureArchive::Mode::ReadOnly);
    MyHistoryDialog dialog(*pReader, writer(), pWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    OwnedGroup group = dialog.takeGroup();
    const short nLen = short(group.count());
    QPushButton* loadData = pControl->pButtons[MyWndControl::LoadData];
    const bool bEnabled = loadData->isEnabled();
    emit sigOpenGroup(group.release(), nLen, dialog.download());
    loadData->setEnabled(bEnabled);  // LoadData keeps following the instrument
}
