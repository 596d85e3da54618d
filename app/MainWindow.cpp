#include "MainWindow.h"

#include "CBarChartPlot.h"
#include "CTableResult.h"
#include "CsvWriter.h"
#include "DeviceProtocol.h"
#include "MeasureArchive.h"
#include "MeasureRecord.h"
#include "MyArchiveMenu.h"
#include "MyPrint.h"
#include "MyStatisticsBox.h"
#include "MyTestDetailsDialog.h"
#include "MyWindowMenus.h"
#include "MyWndControl.h"
#include "QHard.h"
#include "ScreenFit.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QVBoxLayout>

MyWndControl* pControl = nullptr;
CBarChartPlot* pPlot = nullptr;
CTableResult* pTable = nullptr;
QStatusBar* pStatusBar = nullptr;
MyPrint* pPrint = nullptr;
int nGroupIndex = -1;

namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kSaveFolderKey = QStringLiteral("MainWindow/saveFolder");

// "pdf" of a file-dialog filter such as "PDF document (*.pdf)".
QString filterSuffix(const QString& filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}

} // namespace

namespace Ui {
// The window's form: the three widgets every main window has.
struct MainWindow
{
    QWidget* centralwidget;
    QMenuBar* menubar;
    QStatusBar* statusbar;

    void setupUi(QMainWindow* window)
    {
        if (window->objectName().isEmpty())
            window->setObjectName(QStringLiteral("MainWindow"));
        window->resize(800, 600);
        centralwidget = new QWidget(window);
        centralwidget->setObjectName(QStringLiteral("centralwidget"));
        window->setCentralWidget(centralwidget);
        menubar = new QMenuBar(window);
        menubar->setObjectName(QStringLiteral("menubar"));
        window->setMenuBar(menubar);
        statusbar = new QStatusBar(window);
        statusbar->setObjectName(QStringLiteral("statusbar"));
        window->setStatusBar(statusbar);
        window->setWindowTitle(::MainWindow::tr("Hardness Tester"));
        QMetaObject::connectSlotsByName(window);
    }
};
} // namespace Ui

void showStatus(const QString& text)
{
    const QString stamp = QTime::currentTime().toString(QStringLiteral("hh:mm:ss %1:%2"));
    pStatusBar->showMessage(stamp.arg(QString(), text), 0);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , pHard(nullptr)
    , pProgress(nullptr)
    , pStatistics(nullptr)
    , ui(new Ui::MainWindow)
{
    // The program-wide state starts afresh with every window.
    bAppRunning = 1;
    nGroupIndex = -1;
    ui->setupUi(this);

    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    auto* columns = new QHBoxLayout;

    // Made in the widget they are shown in: moving a widget to another parent applies the style
    // sheet to it and its children once more.
    QWidget* central = ui->centralwidget;
    pTable = new CTableResult(central);
    pPlot = new CBarChartPlot(central);
    pControl = new MyWndControl(central);

    left->addWidget(pPlot);
    left->addWidget(pTable);
    right->addWidget(pControl);
    // The spread and, with limits, the verdicts of the shown group and of the row clicked.
    pStatistics = new MyStatisticsBox(central);
    right->addWidget(pStatistics, 1);  // down to the status bar
    connect(pTable, &CTableResult::sigRowSet, pStatistics, &MyStatisticsBox::showRow);
    connect(pStatistics, &MyStatisticsBox::sigLimitsChanged, pTable, &CTableResult::setLimits);
    connect(pStatistics, &MyStatisticsBox::sigLimitsChanged, pPlot, &CBarChartPlot::setLimits);
    pPlot->setLimits(pStatistics->limits());
    columns->addLayout(left, 0);
    columns->addLayout(right, 0);
    central->setLayout(columns);

    pHard = new QHard;
    pHard->moveToThread(&workerThread);
    // The worker, its device and its timer are released on their own thread once it ends.
    connect(&workerThread, &QThread::finished, pHard, &QObject::deleteLater);
    workerThread.start();

    initTimer.setInterval(100);
    initTimer.setSingleShot(true);

    connect(&initTimer, &QTimer::timeout, pHard, &QHard::init);
    connect(pHard, &QHard::sigResult, this, &MainWindow::slotData);
    connect(pHard, &QHard::sigValidDev, this, &MainWindow::slotValidDev);
    connect(pHard, &QHard::sigProcessStatus, this, &MainWindow::slotProcessStatus);
    QPushButton* const* buttons = pControl->pButtons;
    connect(buttons[MyWndControl::LoadData], &QPushButton::clicked, this, &MainWindow::slotColectgroup);
    connect(buttons[MyWndControl::SaveCsv], &QPushButton::clicked, this, &MainWindow::saveCSV);
    connect(buttons[MyWndControl::SavePdf], &QPushButton::clicked, this, &MainWindow::slotSavepdf);
    connect(buttons[MyWndControl::PrintPreview], &QPushButton::clicked, buttons[MyWndControl::PrintPreview],
            [this] { printReport(0); });
    connect(buttons[MyWndControl::Print], &QPushButton::clicked, buttons[MyWndControl::Print],
            [this] { printReport(1); });
    connect(pTable, &CTableResult::sigRowSet, this, &MainWindow::slotRowSel);
    connect(this, &MainWindow::sigCollectGroup, pHard, &QHard::CollectOnce);

    initTimer.start();

    auto* clock = new QLabel;
    ui->statusbar->addPermanentWidget(clock, 0);
    auto* clockTimer = new QTimer(this);
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, clockTimer, [clock] {
        clock->setText(QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss")));
    });
    clockTimer->start();

    pSource = new QLabel;
    pSource->setObjectName(QStringLiteral("source"));
    ui->statusbar->insertPermanentWidget(0, pSource, 0);

    pStatusBar = ui->statusbar;
    showStatus(tr("Looking for the instrument..."));
    pProgress = nullptr;

    // Every whole download goes to the archive once it is in the table; an incomplete one is not
    // kept. The history opens an archived download again, marked as such.
    auto* archive = new MyArchiveMenu(ui->menubar, this);
    connect(pHard, &QHard::sigDownloadSource, archive, &MyArchiveMenu::slotDownloadSource);
    connect(this, &MainWindow::sigWholeDownload, archive, &MyArchiveMenu::slotDownloaded);
    connect(archive, &MyArchiveMenu::sigOpenGroup, this, &MainWindow::slotArchivedData, Qt::DirectConnection);
    connect(archive, &MyArchiveMenu::sigEditDetails, this, &MainWindow::slotEditDetails);
    connect(this, &MainWindow::sigDetailsChanged, archive, &MyArchiveMenu::slotDetailsChanged);
    auto* menus = new MyWindowMenus(this, pControl);
    connect(menus, &MyWindowMenus::sigSaveReport, this, &MainWindow::slotSaveReport);
    restoreWindowGeometry();
    KeepInScreenWhenShown(this);
}

MainWindow::~MainWindow()
{
    bAppRunning = 0;
    workerThread.quit();
    delete ui;
    // No time-out: a download under way ends first (a silent instrument fails its first transfer
    // within seconds, and every later one fails at once because the device is then closed).
    workerThread.wait();
    pControl = nullptr;
    pPlot = nullptr;
    pTable = nullptr;
    pStatusBar = nullptr;
    pPrint = nullptr;
}

void MainWindow::restoreWindowGeometry()
{
    if (restoreGeometry(QSettings().value(kGeometryKey).toByteArray()))
        return;
    resize(SizeWithinScreen(this, kOpeningSize));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings().setValue(kGeometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}

// The status bar carries the instrument's state and the last outcome; the menu's status tips
// (empty ones too) would wipe that line whenever the pointer crosses the menu.
bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

MyPrint* MainWindow::report()
{
    if (!pPrint)
        pPrint = new MyPrint(this);
    pPrint->setQuality(details, pStatistics->limits());
    return pPrint;
}

void MainWindow::printReport(short kind)
{
    if (kind == 0)
        report()->slotPrints(3);
    else if (kind == 1)
        report()->slotPrints(1);
}

void MainWindow::slotValidDev(short b)
{
    pControl->pButtons[MyWndControl::LoadData]->setEnabled(b == QHard::kConnected);
    if (b == QHard::kConnected)
        showStatus(tr("Device Connected"));
    else if (b == QHard::kNoPermission)
        showStatus(tr("Device found, but no permission to open it: install the udev rule (see README)"));
    else
        showStatus(tr("Device Disconnected"));
}

void MainWindow::slotColectgroup()
{
    if (nGroupIndex < 0) {
        QMessageBox::warning(this, tr("Error"), tr("Please choose group first!"), QMessageBox::Ok,
                             QMessageBox::NoButton);
        return;
    }
    pTable->setFocus();  // rather than on the next button, once LoadData is disabled
    pControl->pButtons[MyWndControl::LoadData]->setEnabled(false);
    // A download that never delivered its result. Not deleted at once: this slot may run from
    // inside that dialog's own setValue, which processes events while the dialog is shown.
    closeProgress();
    pProgress = new QProgressDialog(tr("Load Data......"), QStringLiteral("Abort Load"), 0, 100, this);
    pProgress->setMinimumWidth(400);
    pProgress->setCancelButton(nullptr);
    pProgress->setWindowModality(Qt::WindowModal);
    pProgress->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    pProgress->setStyleSheet(QStringLiteral("background-color:#303030"));
    emit sigCollectGroup(nGroupIndex);
}

void MainWindow::slotProcessStatus(int n)
{
    if (!pProgress)
        return;
    if (n & kProgressMaximumFlag)
        pProgress->setMaximum(n & kProgressValueMask);
    else
        pProgress->setValue(n);
}

void MainWindow::slotData(void* p, const DownloadOutcome& outcome)
{
    // Closed first: a dialog left open would pop up over the warning below once its minimum
    // duration passes inside the message box's event loop, covering it and taking the mouse.
    closeProgress();
    pControl->pButtons[MyWndControl::LoadData]->setEnabled(true);
    const int nGroupNumber = nGroupIndex + 1;
    switch (outcome.result) {
    case DownloadOutcome::FailedBeforeSize:
        QMessageBox::warning(this, tr("Error"), tr("The instrument did not answer; nothing was downloaded."),
                             QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case DownloadOutcome::EmptyGroup:
        QMessageBox::warning(this, tr("Info"), tr("No data is found!"), QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case DownloadOutcome::FailedPartWay:
        // The records that came are shown, marked incomplete, and not archived.
        if (outcome.nReceived > 0) {
            showNewGroup(p, outcome.nReceived, nGroupNumber, QDate::currentDate(),
                         tr("Incomplete download: group %1, %2 of %3 records")
                             .arg(nGroupNumber).arg(outcome.nReceived).arg(outcome.nExpected));
        }
        QMessageBox::warning(this, tr("Error"),
                             tr("The instrument was lost after %1 of %2 records; the rest were not downloaded.")
                                 .arg(outcome.nReceived).arg(outcome.nExpected),
                             QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case DownloadOutcome::Whole:
        showNewGroup(p, outcome.nReceived, nGroupNumber, QDate::currentDate(), QString());
        emit sigWholeDownload(p, outcome.nReceived);
        break;
    }
}

void MainWindow::slotArchivedData(void* p, short nLen, const ArchivedDownload& download)
{
    const QDateTime at = download.downloadedAt.toLocalTime();
    // LoadData then fetches the same group from the instrument.
    pControl->findChild<QComboBox*>()->setCurrentIndex(download.nGroupNumber - 1);
    showNewGroup(p, nLen, download.nGroupNumber, at.date(),
                 tr("Archived download: group %1, %2")
                     .arg(download.nGroupNumber)
                     .arg(at.toString(QStringLiteral("yyyy/MM/dd hh:mm"))));
    if (!download.details.isEmpty())
        details = download.details;
}

void MainWindow::showNewGroup(void* p, short nLen, int nGroupNumber, const QDate& date, const QString& source)
{
    FreeGroup(nullptr, -1);
    CurrentGroup.nCount = nLen;
    CurrentGroup.pRecords = static_cast<MeasureRecord*>(p);
    pTable->showGroup();
    pStatistics->showGroup();
    pPlot->clearRecord();  // its bars belonged to a record of the group before
    nShownGroup = nGroupNumber;
    shownDate = date;
    details = details.forNextDownload();
    pSource->setText(source);
    setWindowTitle(source.isEmpty() ? tr("Hardness Tester")
                                    : QStringLiteral("%1 \u2013 %2").arg(tr("Hardness Tester"), source));
}

void MainWindow::closeProgress()
{
    if (!pProgress)
        return;
    pProgress->close();
    pProgress->deleteLater();
    pProgress = nullptr;
}

void MainWindow::slotRowSel(int nrow)
{
    if (nrow >= 0 && nrow < CurrentGroup.nCount)
        pPlot->showRecord(CurrentGroup.pRecords[nrow], nrow + 1);
}

void MainWindow::slotSavepdf()
{
    saveFile({tr("PDF document (*.pdf)"), tr("SVG image (*.svg)"), tr("PNG image (*.png)")}, QString(),
             [](const QString& fileName) { return pPlot->exportChart(fileName); },
             tr("The chart could not be saved as %1."));
}

void MainWindow::slotSaveReport()
{
    saveFile({tr("PDF document (*.pdf)")}, QStringLiteral("report"),
             [this](const QString& fileName) { return report()->saveReportPdf(fileName); },
             tr("The report could not be saved as %1."));
}

void MainWindow::saveFile(const QStringList& filters, const QString& nameTail,
                          const std::function<bool(const QString&)>& write, const QString& failedText)
{
    const QString fileName = askSaveFileName(filters, nameTail);
    if (fileName.isEmpty())
        return;
    if (!write(fileName)) {
        QMessageBox::warning(this, tr("Error"), failedText.arg(QDir::toNativeSeparators(fileName)), QMessageBox::Ok,
                             QMessageBox::NoButton);
        return;
    }
    reportSaved(fileName);
}

void MainWindow::slotEditDetails()
{
    MyTestDetailsDialog dialog(details, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    details = dialog.details();
    emit sigDetailsChanged(details, pStatistics->limits().toText());
}

QString MainWindow::askSaveFileName(const QStringList& filters, const QString& nameTail)
{
    QSettings settings;
    QFileDialog dialog(this, tr("Save File"), settings.value(kSaveFolderKey, QDir::homePath()).toString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // The dialog adds the suffix before it asks whether to replace a file of that name.
    dialog.setDefaultSuffix(filterSuffix(filters.first()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    QStringList name;
    if (nShownGroup > 0)
        name << QStringLiteral("group-%1-%2").arg(nShownGroup).arg(shownDate.toString(QStringLiteral("yyyy-MM-dd")));
    name << (nameTail.isEmpty() && name.isEmpty() ? QStringLiteral("chart") : nameTail);
    name.removeAll(QString());
    dialog.selectFile(name.join(QLatin1Char('-')) + QLatin1Char('.') + dialog.defaultSuffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString fileName = dialog.selectedFiles().constFirst();
    settings.setValue(kSaveFolderKey, QFileInfo(fileName).absolutePath());
    return fileName;
}

void MainWindow::reportSaved(const QString& fileName)
{
    QMessageBox::information(this, tr("Info"), tr("Saved as %1").arg(QDir::toNativeSeparators(fileName)),
                             QMessageBox::Ok);
}

void MainWindow::saveCSV()
{
    if (CurrentGroup.nCount <= 0) {
        QMessageBox::warning(this, tr("Error"), tr("No data to save"), QMessageBox::Ok,
                             QMessageBox::NoButton);
        return;
    }
    const QString fileName = askSaveFileName({tr("CSV (*.csv)")});
    if (fileName.isEmpty())
        return;
    switch (SaveCsvFile(fileName, CurrentGroup.pRecords, CurrentGroup.nCount)) {
    case SaveResult::OpenFailed:
        QMessageBox::warning(this, tr("Error"), tr("File open failed"), QMessageBox::Ok,
                             QMessageBox::NoButton);
        break;
    case SaveResult::WriteFailed:
        QMessageBox::warning(this, tr("Error"), WriteFailedText(),
                             QMessageBox::Ok, QMessageBox::NoButton);
        break;
    case SaveResult::Saved:
        reportSaved(fileName);
        break;
    }
}
