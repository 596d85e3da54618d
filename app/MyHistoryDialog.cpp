#include "MyHistoryDialog.h"

#include "ValueTexts.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

MyHistoryDialog::MyHistoryDialog(MeasureArchive& source, QWidget* parent)
    : QDialog(parent)
    , archive(source)
    , pFilter(new QLineEdit)
    , pFrom(new QDateEdit)
    , pTo(new QDateEdit)
    , pList(new QTableWidget(0, ColumnCount))
{
    setWindowTitle(tr("History"));
    resize(880, 480);
    pFilter->setPlaceholderText(tr("Filter"));
    pFilter->setClearButtonEnabled(true);
    for (QDateEdit* edit : {pFrom, pTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    }
    pList->setHorizontalHeaderLabels({tr("Date and time"), tr("Group"), tr("Records"), tr("Scales"), tr("Averages")});
    pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    pList->setSelectionMode(QAbstractItemView::SingleSelection);
    pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pList->verticalHeader()->hide();
    pList->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    pOpen = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    pDelete = buttons->addButton(tr("Delete..."), QDialogButtonBox::ActionRole);
    // Open accepts the dialog itself, once the download has loaded.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pOpen, &QPushButton::clicked, this, &MyHistoryDialog::slotOpen);
    connect(pDelete, &QPushButton::clicked, this, &MyHistoryDialog::slotDelete);
    connect(pList, &QTableWidget::cellDoubleClicked, this, &MyHistoryDialog::slotOpen);
    connect(pList, &QTableWidget::itemSelectionChanged, this, &MyHistoryDialog::updateButtons);
    connect(pFilter, &QLineEdit::textChanged, this, &MyHistoryDialog::applyFilter);
    connect(pFrom, &QDateEdit::dateChanged, this, &MyHistoryDialog::applyFilter);
    connect(pTo, &QDateEdit::dateChanged, this, &MyHistoryDialog::applyFilter);

    auto* filters = new QHBoxLayout;
    filters->addWidget(pFilter, 1);
    filters->addWidget(new QLabel(tr("From")));
    filters->addWidget(pFrom);
    filters->addWidget(new QLabel(tr("To")));
    filters->addWidget(pTo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(pList);
    layout->addWidget(buttons);

    reload();
    // The date range starts wide enough to show every download.
    const QDate newest = downloads.isEmpty() ? QDate::currentDate() : downloads.first().downloadedAt.date();
    const QDate oldest = downloads.isEmpty() ? newest : downloads.last().downloadedAt.date();
    pFrom->setDate(oldest);
    pTo->setDate(std::max(newest, QDate::currentDate()));
}

void MyHistoryDialog::reload()
{
    if (!archive.list(downloads))
        QMessageBox::warning(this, tr("History"), archive.errorText());
    pList->setRowCount(downloads.size());
    for (int row = 0; row < downloads.size(); ++row) {
        ArchivedDownload& d = downloads[row];
        d.downloadedAt = d.downloadedAt.toLocalTime();  // shown and filtered by the local date
        const QString texts[ColumnCount] = {
            d.downloadedAt.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss")),
            QString::number(d.nGroupNumber),
            QString::number(d.nRecordCount),
            d.scales,
            QStringLiteral("%1 - %2").arg(FormatValue(d.fAvgMin), FormatValue(d.fAvgMax)),
        };
        for (int column = 0; column < ColumnCount; ++column)
            pList->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    pList->resizeColumnsToContents();
    applyFilter();
}

void MyHistoryDialog::applyFilter()
{
    const QString text = pFilter->text().trimmed();
    for (int row = 0; row < downloads.size(); ++row) {
        const QDate date = downloads.at(row).downloadedAt.date();
        bool bShown = date >= pFrom->date() && date <= pTo->date();
        if (bShown && !text.isEmpty()) {
            bShown = false;
            for (int column = 0; column < ColumnCount && !bShown; ++column)
                bShown = pList->item(row, column)->text().contains(text, Qt::CaseInsensitive);
        }
        pList->setRowHidden(row, !bShown);
    }
    updateButtons();
}

void MyHistoryDialog::updateButtons()
{
    const bool bChosen = chosenRow() >= 0;
    pOpen->setEnabled(bChosen);
    pDelete->setEnabled(bChosen);
}

int MyHistoryDialog::chosenRow() const
{
    const int row = pList->currentRow();
    return row >= 0 && row < downloads.size() && !pList->isRowHidden(row) ? row : -1;
}

void MyHistoryDialog::slotOpen()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    if (!archive.load(downloads.at(row).nId, opened, &openedDownload)) {
        QMessageBox::warning(this, tr("History"), archive.errorText());
        return;
    }
    accept();
}

void MyHistoryDialog::slotDelete()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    const ArchivedDownload& d = downloads.at(row);
    const QString question = tr("Delete the download of %1 (group %2, %3 records) from the archive?")
                                 .arg(pList->item(row, DownloadedAt)->text())
                                 .arg(d.nGroupNumber)
                                 .arg(d.nRecordCount);
    if (QMessageBox::question(this, tr("Delete download"), question) != QMessageBox::Yes)
        return;
    if (!archive.remove(d.nId))
        QMessageBox::warning(this, tr("History"), archive.errorText());
    reload();
}
