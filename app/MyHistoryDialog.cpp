#include "MyHistoryDialog.h"

#include "BackgroundArchive.h"
#include "MyTestDetailsDialog.h"
#include "ValueTexts.h"

#include <QAbstractTableModel>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimeZone>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// One download as the list shows it, with what the filter looks at.
struct HistoryRow
{
    ArchivedDownload download;
    QDate localDate;
    QString texts[MyHistoryDialog::ColumnCount];  // but Averages; what the filter looks at
    QString details;  // the filter looks at them too
};

// Made on the archive's thread, so that 20,000 downloads cost the window nothing.
QVector<HistoryRow> historyRows(const QVector<ArchivedDownload>& downloads)
{
    // The zone's rules in memory, asked once per hour of downloads (the list is in time order):
    // the C library would read the zone file for every download.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    constexpr qint64 kHourMs = 3600 * 1000, kDayMs = 24 * kHourMs;
    qint64 nHour = -1, nOffsetMs = 0;
    QVector<HistoryRow> rows(downloads.size());
    for (int i = 0; i < downloads.size(); ++i) {
        HistoryRow& row = rows[i];
        const ArchivedDownload& d = row.download = downloads.at(i);
        const qint64 ms = d.downloadedAt.toMSecsSinceEpoch();
        if (ms / kHourMs != nHour) {
            nHour = ms / kHourMs;
            nOffsetMs = 1000LL * zone.offsetFromUtc(d.downloadedAt);
        }
        const qint64 local = ms + nOffsetMs;
        const qint64 nDay = local >= 0 ? local / kDayMs : (local + 1) / kDayMs - 1;
        const int nSecond = int((local - nDay * kDayMs) / 1000);
        row.localDate = QDate::fromJulianDay(QDate(1970, 1, 1).toJulianDay() + nDay);
        char text[32];
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", row.localDate.year(), row.localDate.month(),
                      row.localDate.day(), nSecond / 3600, nSecond / 60 % 60, nSecond % 60);
        row.texts[MyHistoryDialog::DownloadedAt] = QString::fromLatin1(text);
        row.texts[MyHistoryDialog::Group] = QString::number(d.nGroupNumber);
        row.texts[MyHistoryDialog::Records] = QString::number(d.nRecordCount);
        row.texts[MyHistoryDialog::Scales] = d.scales;
        row.texts[MyHistoryDialog::Materials] = d.materials;
        // The averages are written when shown: the filter does not look at them.
        row.texts[MyHistoryDialog::Device] = d.devicePath;
        if (!d.details.isEmpty())
            row.details = QStringList{d.details.standard, d.details.testPiece, d.details.order,
                                      d.details.operatorName, d.details.notes}.join(QLatin1Char('\n'));
    }
    return rows;
}

constexpr int kWidestColumn = 240;  // pixels

} // namespace

// The downloads the filter lets through, read straight from the rows.
class MyHistoryDialog::Model : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : shown.size(); }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid())
            return QVariant();
        const HistoryRow& row = rows.at(shown.at(index.row()));
        if (index.column() == Averages)
            return FormatValue(row.download.fAvgMin) + QStringLiteral(" - ") + FormatValue(row.download.fAvgMax);
        return row.texts[index.column()];
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        const QString headings[ColumnCount] = {tr("Date and time"), tr("Group"), tr("Records"), tr("Scales"),
                                               tr("Materials"), tr("Averages"), tr("Device")};
        return headings[section];
    }

    void filter(const QString& text, const QDate& from, const QDate& to)
    {
        const QString wanted = text.trimmed();
        beginResetModel();
        shown.clear();
        for (int i = 0; i < rows.size(); ++i) {
            const HistoryRow& row = rows.at(i);
            const auto matches = [&](const QString& text) { return text.contains(wanted, Qt::CaseInsensitive); };
            if (row.localDate >= from && row.localDate <= to &&
                (std::any_of(std::begin(row.texts), std::end(row.texts), matches) || matches(row.details)))
                shown.append(i);
        }
        endResetModel();
    }

    const ArchivedDownload& download(int row) const { return rows.at(shown.at(row)).download; }

    QVector<HistoryRow> rows;
    QVector<int> shown;  // indexes into rows

    static QString tr(const char* text) { return MyHistoryDialog::tr(text); }
};

MyHistoryDialog::MyHistoryDialog(BackgroundArchive& readArchive, BackgroundArchive& writeArchive, QWidget* parent)
    : QDialog(parent)
    , reader(readArchive)
    , writer(writeArchive)
    , pModel(new Model(this))
    , pFilter(new QLineEdit)
    , pFrom(new QDateEdit)
    , pTo(new QDateEdit)
    , pStatus(new QLabel)
    , pList(new QTableView)
{
    setWindowTitle(tr("History"));
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    resize(QSize(980, 480).boundedTo(screen->availableGeometry().size()));
    pFilter->setPlaceholderText(tr("Group, date, scale, material, device or test details"));
    pFilter->setClearButtonEnabled(true);
    pFilter->setAccessibleName(tr("Filter"));
    pFrom->setAccessibleName(tr("From date"));
    pTo->setAccessibleName(tr("To date"));
    pList->setAccessibleName(tr("Archived downloads"));
    for (QDateEdit* edit : {pFrom, pTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    }
    pList->setModel(pModel);
    pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pList->setTabKeyNavigation(false);  // Tab goes on to the buttons, the arrows move in the list
    pList->setWordWrap(false);
    pList->verticalHeader()->hide();
    pList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pList->horizontalHeader()->setStretchLastSection(true);
    pList->horizontalHeader()->setResizeContentsPrecision(100);  // widths from the first rows
    pStatus->setAccessibleName(tr("Archive status"));
    pStatus->setObjectName(QStringLiteral("status"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    pOpen = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    pDelete = buttons->addButton(tr("De&lete..."), QDialogButtonBox::ActionRole);
    pDetails = buttons->addButton(tr("Test d&etails..."), QDialogButtonBox::ActionRole);
    // Open accepts the dialog itself, once the download has loaded.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pOpen, &QPushButton::clicked, this, &MyHistoryDialog::slotOpen);
    connect(pDelete, &QPushButton::clicked, this, &MyHistoryDialog::slotDelete);
    connect(pDetails, &QPushButton::clicked, this, &MyHistoryDialog::slotEditDetails);
    connect(pList, &QTableView::doubleClicked, this, &MyHistoryDialog::slotOpen);
    connect(pFilter, &QLineEdit::textChanged, this, &MyHistoryDialog::applyFilter);
    connect(pFrom, &QDateEdit::dateChanged, this, &MyHistoryDialog::applyFilter);
    connect(pTo, &QDateEdit::dateChanged, this, &MyHistoryDialog::applyFilter);
    connect(pModel, &QAbstractItemModel::modelReset, this, &MyHistoryDialog::updateButtons);
    connect(pList->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MyHistoryDialog::updateButtons);

    auto* filters = new QHBoxLayout;
    const std::pair<QString, QWidget*> labelled[] = {{tr("&Filter:"), pFilter}, {tr("F&rom:"), pFrom}, {tr("&To:"), pTo}};
    for (const auto& [text, field] : labelled) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        filters->addWidget(label);
        filters->addWidget(field, field == pFilter ? 1 : 0);
    }
    auto* listLabel = new QLabel(tr("&Downloads:"));
    listLabel->setBuddy(pList);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(listLabel);
    layout->addWidget(pList);
    layout->addWidget(pStatus);
    layout->addWidget(buttons);

    reload();
}

MyHistoryDialog::~MyHistoryDialog() = default;

void MyHistoryDialog::showProblem(const QString& error)
{
    pStatus->setText(error);
    pStatus->setVisible(!error.isEmpty());
}

void MyHistoryDialog::reload()
{
    showProblem(tr("Loading..."));
    updateButtons();
    auto rows = std::make_shared<QVector<HistoryRow>>();
    reader.run(this, [rows](MeasureArchive& archive) {
        QVector<ArchivedDownload> downloads;
        if (!archive.list(downloads))
            return false;
        *rows = historyRows(downloads);
        return true;
    }, [this, rows](const QString& error) {
        showProblem(error);
        pModel->rows = std::move(*rows);
        if (!bDatesSet && !pModel->rows.isEmpty()) {
            // The date range starts wide enough to show every download.
            const QSignalBlocker blockFrom(pFrom), blockTo(pTo);
            pFrom->setDate(pModel->rows.last().localDate);
            pTo->setDate(std::max(pModel->rows.first().localDate, QDate::currentDate()));
            bDatesSet = true;
        }
        applyFilter();
        pList->resizeColumnsToContents();
        // A long list of materials or a device path leaves room for the rest; its tool tip shows it all.
        for (int column = 0; column < ColumnCount; ++column)
            pList->setColumnWidth(column, std::min(pList->columnWidth(column), kWidestColumn));
        emit sigLoaded();
    });
}

void MyHistoryDialog::applyFilter()
{
    pModel->filter(pFilter->text(), bDatesSet ? pFrom->date() : QDate(), bDatesSet ? pTo->date() : QDate(9999, 12, 31));
}

void MyHistoryDialog::updateButtons()
{
    const int nChosen = chosenRows().size();
    const bool bIdle = !pStatus->isVisible() || pStatus->text() != tr("Loading...");
    pOpen->setEnabled(bIdle && nChosen == 1);
    pDelete->setEnabled(bIdle && nChosen > 0);
    pDetails->setEnabled(bIdle && nChosen == 1);
}

QVector<int> MyHistoryDialog::chosenRows() const
{
    QVector<int> rows;
    for (const QModelIndex& index : pList->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

void MyHistoryDialog::slotOpen()
{
    const QVector<int> rows = chosenRows();
    if (rows.size() != 1)
        return;
    const qint64 nId = pModel->download(rows.first()).nId;
    auto group = std::make_shared<OwnedGroup>();
    auto download = std::make_shared<ArchivedDownload>();
    showProblem(tr("Loading..."));
    updateButtons();
    reader.run(this,
               [nId, group, download](MeasureArchive& archive) { return archive.load(nId, *group, download.get()); },
               [this, group, download](const QString& error) {
                   showProblem(error);
                   updateButtons();
                   if (!error.isEmpty())
                       return;
                   opened = std::move(*group);
                   openedDownload = *download;
                   accept();
               });
}

void MyHistoryDialog::slotDelete()
{
    const QVector<int> rows = chosenRows();
    if (rows.isEmpty())
        return;
    QVector<qint64> ids;
    for (int row : rows)
        ids.append(pModel->download(row).nId);
    const ArchivedDownload& first = pModel->download(rows.first());
    const QString question =
        rows.size() == 1
            ? tr("Delete the download of %1 (group %2, records: %3) from the archive?")
                  .arg(pModel->data(pModel->index(rows.first(), DownloadedAt), Qt::DisplayRole).toString())
                  .arg(first.nGroupNumber)
                  .arg(first.nRecordCount)
            // Only for two or more; the catalogues give each language its plural forms.
            : tr("Delete %n downloads from the archive?", nullptr, rows.size());
    if (QMessageBox::question(this, tr("Delete download"), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    writer.run(this, [ids](MeasureArchive& archive) {
        for (qint64 nId : ids) {
            if (!archive.remove(nId))
                return false;
        }
        return true;
    }, [this](const QString& error) { showChange(error); });
}

void MyHistoryDialog::slotEditDetails()
{
    const QVector<int> rows = chosenRows();
    if (rows.size() != 1)
        return;
    const ArchivedDownload download = pModel->download(rows.first());
    MyTestDetailsDialog dialog(download.details, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    writer.run(this, [download, details = dialog.details()](MeasureArchive& archive) {
        return archive.setDetails(download.nId, details, download.limits);
    }, [this](const QString& error) { showChange(error); });
}

void MyHistoryDialog::showChange(const QString& error)
{
    reload();
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("History"), error);
}
