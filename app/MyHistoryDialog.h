#pragma once

#include "MeasureArchive.h"
#include "OwnedGroup.h"

#include <QDialog>

class BackgroundArchive;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The archived downloads, newest first, filtered by text (date, group, scale, material, device,
// test details) and by date; one is opened into the window or its test details edited, or chosen
// ones deleted after a confirmation.
// The archive is read and written on its own threads: the dialog shows "Loading..." and never
// waits for it.
class MyHistoryDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { DownloadedAt, Group, Records, Scales, Materials, Averages, Device, ColumnCount };

    MyHistoryDialog(BackgroundArchive& reader, BackgroundArchive& writer, QWidget* parent = nullptr);
    ~MyHistoryDialog() override;

    // After the dialog was accepted: the records of the download that was opened.
    OwnedGroup takeGroup() { return std::move(opened); }
    // Which download that was: group number and time of the download.
    const ArchivedDownload& download() const { return openedDownload; }

signals:
    // The list is shown (or its failure is); for those who wait for it.
    void sigLoaded();

public slots:
    void slotOpen();
    void slotDelete();
    void slotEditDetails();

private:
    class Model;

    void reload();
    void applyFilter();
    void updateButtons();
    QVector<int> chosenRows() const;
    void showProblem(const QString& error);
    // After a change to the archive: the list anew, and the failure if there was one.
    void showChange(const QString& error);

    BackgroundArchive& reader;
    BackgroundArchive& writer;
    OwnedGroup opened;
    ArchivedDownload openedDownload;
    Model* pModel;
    QLineEdit* pFilter;
    QDateEdit* pFrom;
    QDateEdit* pTo;
    QLabel* pStatus;
    QTableView* pList;
    QPushButton* pOpen;
    QPushButton* pDelete;
    QPushButton* pDetails;
    bool bDatesSet = false;
};
