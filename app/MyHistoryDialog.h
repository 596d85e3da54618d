#pragma once

#include "MeasureArchive.h"
#include "OwnedGroup.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The archived downloads, newest first, filtered by text and by date; one is opened into the
// window or deleted after a confirmation.
class MyHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { DownloadedAt, Group, Records, Scales, Averages, ColumnCount };

    MyHistoryDialog(MeasureArchive& archive, QWidget* parent = nullptr);

    // After the dialog was accepted: the records of the download that was opened.
    OwnedGroup takeGroup() { return std::move(opened); }
    // Which download that was: group number and time of the download.
    const ArchivedDownload& download() const { return openedDownload; }

public slots:
    void slotOpen();
    void slotDelete();

private:
    void reload();
    void applyFilter();
    void updateButtons();
    int chosenRow() const;

    MeasureArchive& archive;
    QVector<ArchivedDownload> downloads;
    OwnedGroup opened;
    ArchivedDownload openedDownload;
    QLineEdit* pFilter;
    QDateEdit* pFrom;
    QDateEdit* pTo;
    QTableWidget* pList;
    QPushButton* pOpen;
    QPushButton* pDelete;
};
