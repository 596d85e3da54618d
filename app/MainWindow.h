#pragma once

#include <QMainWindow>
#include <QThread>
#include <QTimer>

class CBarChartPlot;
class CTableResult;
class MyPrint;
class MyStatisticsBox;
class MyWndControl;
class QHard;
class QProgressDialog;
class QStatusBar;

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

signals:
    void sigCollectGroup(int nGroup);

public slots:
    void slotValidDev(short b);
    void slotData(void* p, short nLen);
    void slotRowSel(int nrow);
    void saveCSV();
    void slotSavepdf();
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
