#pragma once

#include "DownloadOutcome.h"
#include "TestDetails.h"

#include <QDate>
#include <QMainWindow>
#include <QThread>
#include <QTimer>

#include <functional>

class CBarChartPlot;
class CTableResult;
class MyPrint;
class MyStatisticsBox;
class MyWndControl;
class QHard;
class QLabel;
class QProgressDialog;
class QStatusBar;
struct ArchivedDownload;

namespace Ui {
struct MainWindow;
}

// The program's only top-level window: chart above table on the left, control panel on the
// right, status bar with clock. It owns the device worker's thread and wires the main flow.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The size of a first run (one that remembers none), as far as the screen allows: room for
    // every heading, date and number of the table beside the control panel, and low enough for
    // a 1366 x 768 screen with a title bar and a desktop panel.
    static constexpr QSize kOpeningSize{1280, 680};

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Behind "Print preview" (kind 0) and "Print" (kind 1).
    void printReport(short kind);
    // The test details of the shown group, as the report gives them.
    const TestDetails& testDetails() const { return details; }

signals:
    void sigCollectGroup(int nGroup);
    // A whole group from the instrument is in CurrentGroup now (p is its records).
    void sigWholeDownload(void* p, short nLen);
    // The test details of the shown group were edited; limits: those in force, as text.
    void sigDetailsChanged(const TestDetails& details, const QString& limits);

public slots:
    void slotValidDev(short b);
    // The end of a download from the instrument; takes over the records in p.
    void slotData(void* p, const DownloadOutcome& outcome);
    // A download opened from the history; takes over the records in p.
    void slotArchivedData(void* p, short nLen, const ArchivedDownload& download);
    void slotRowSel(int nrow);
    void saveCSV();
    void slotSavepdf();
    // "Save report as PDF...": the report itself, as printed, into a PDF file.
    void slotSaveReport();
    // "Test details...": the details of the shown group.
    void slotEditDetails();
    void slotColectgroup();
    void slotProcessStatus(int n);

protected:
    // Remembers size and position for the next run.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Size and position of the last run, or the opening size on a first run.
    void restoreWindowGeometry();
    // Closes the download's progress dialog; freed once control is back in the event loop.
    void closeProgress();
    // Puts nLen records from p in CurrentGroup and the table, and clears the chart. nGroupNumber
    // and date name the group in suggested file names; source (empty for a whole download from
    // the instrument) says in the title and the status bar where the group came from.
    void showNewGroup(void* p, short nLen, int nGroupNumber, const QDate& date, const QString& source);
    // Asks for a file to save into: a name after the group is suggested in the folder used last,
    // and a name typed without a suffix gets the chosen filter's. Empty when cancelled.
    // nameTail names what the file holds beside the group's data ("report"), empty for that data.
    QString askSaveFileName(const QStringList& filters, const QString& nameTail = QString());
    // Asks for a file (as askSaveFileName) and has write write it; failedText, with %1 for the
    // file, says that it could not.
    void saveFile(const QStringList& filters, const QString& nameTail, const std::function<bool(const QString&)>& write,
                  const QString& failedText);
    // The report's printer, made on first use, with the details and limits in force.
    MyPrint* report();
    void reportSaved(const QString& fileName);

    QLabel* pSource;     // where the shown group came from, beside the clock
    int nShownGroup = 0;  // the shown group's number (1 to 10), 0 while none
    QDate shownDate;      // the day the shown group was downloaded
    TestDetails details;  // of the shown group
    QThread workerThread;
    QHard* pHard;
    QTimer initTimer;
    QProgressDialog* pProgress;
    MyStatisticsBox* pStatistics;
    Ui::MainWindow* ui;
};

// Shows text in the status bar, prefixed by the current local time ("14:03:22 :Ready").
void showStatus(const QString& text);

// Program-wide references, GUI thread only.
extern MyWndControl* pControl;
extern CBarChartPlot* pPlot;
extern CTableResult* pTable;
extern QStatusBar* pStatusBar;
extern MyPrint* pPrint;
extern int nGroupIndex;  // chosen group, 0 for "1"; -1 until the user picks one
