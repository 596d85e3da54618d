#include "CTableResult.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"
#include "Verdict.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kColumns = 10;
constexpr int kMaterialColumn = 0;
constexpr int kValuesColumn = 5;
const QColor kFailedBackground(0x7A, 0x24, 0x24);
const QString kFailedSign = QStringLiteral("\u2717 ");

// Codes, numbers and dates: short texts that are always shown in full.
bool isShortColumn(int column)
{
    return column != kMaterialColumn && column != kValuesColumn;
}

QString cellText(const MeasureRecord& rec, int column)
{
    switch (column) {
    case 0: return MaterialText(rec.nMaterial, QString());
    case 1: return DirectionText(rec.nAngle);
    case 2: return ScaleText(rec.nUnit);
    case 3: return ProbeText(rec.nProbe);
    case 4: return FormatInteger(rec.nTimes);
    case 5: return ValuesText(rec);
    case 6: return FormatValue(rec.fMin);
    case 7: return FormatValue(rec.fMax);
    case 8: return FormatValue(rec.fAvg);
    default: return FormatDate(rec.tDate);
    }
}

} // namespace

CTableResult::CTableResult(QWidget* parent)
    : QTableWidget(parent)
    , limits(ToleranceLimits::load())
{
    setColumnCount(kColumns);
    QStringList headings;
    for (int column = 0; column < kColumns; ++column)
        headings << HeadingText(column, QString());
    setHorizontalHeaderLabels(headings);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int column = 0; column < kColumns; ++column) {
        if (isShortColumn(column))
            horizontalHeader()->setSectionResizeMode(column, QHeaderView::Interactive);
    }
    fitShortColumns();
    setAutoScroll(true);
    connect(this, &QTableWidget::cellClicked, this, &CTableResult::onCellClicked);
}

void CTableResult::showGroup()
{
    clearContents();
    // Exactly the rows of the group: a row left over from a larger group would read as a
    // record whose exchange failed.
    setRowCount(std::max(CurrentGroup.nCount, 0));
    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        for (int column = 0; column < kColumns; ++column)
            setItem(i, column, new QTableWidgetItem(cellText(CurrentGroup.pRecords[i], column)));
    }
    markVerdicts();
    fitShortColumns();
}

void CTableResult::setLimits(const ToleranceLimits& newLimits)
{
    limits = newLimits;
    markVerdicts();
}

void CTableResult::markVerdicts()
{
    for (int i = 0; i < std::min(CurrentGroup.nCount, rowCount()); ++i) {
        const RecordVerdict verdict = JudgeRecord(CurrentGroup.pRecords[i], limits);
        const bool bFailed = verdict.bJudged && !verdict.bPass;
        if (!bFailed && !verticalHeaderItem(i))
            continue;  // neither marked nor to be marked
        const QString reason = bFailed ? tr("Mean outside %1; single values outside: %2")
                                             .arg(verdict.limit.text())
                                             .arg(verdict.nOutside)
                                       : QString();
        // The default heading (the row number) unless the record failed.
        auto* heading = bFailed ? new QTableWidgetItem(kFailedSign + QString::number(i + 1)) : nullptr;
        if (heading)
            heading->setToolTip(reason);
        setVerticalHeaderItem(i, heading);
        for (int column = 0; column < kColumns; ++column) {
            QTableWidgetItem* cell = item(i, column);
            cell->setBackground(bFailed ? QBrush(kFailedBackground) : QBrush());
            cell->setToolTip(reason);
        }
    }
}

void CTableResult::fitShortColumns()
{
    // Once per refill rather than through ResizeToContents, which measures the whole column
    // again for every cell set.
    for (int column = 0; column < kColumns; ++column) {
        if (isShortColumn(column))
            resizeColumnToContents(column);
    }
}

bool CTableResult::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableWidget::viewportEvent(event);
    // A cell cut off at its column's edge shows its whole text when the mouse rests on it.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QRect cell = visualRect(index);
    // The delegate's own measure, with the margins and padding of the style.
    QStringList texts;
    if (index.isValid() && itemDelegate(index)->sizeHint(viewOptions(), index).width() > cell.width())
        texts << index.data().toString();
    if (index.isValid() && !index.data(Qt::ToolTipRole).toString().isEmpty())
        texts << index.data(Qt::ToolTipRole).toString();  // why the record failed
    if (texts.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), texts.join(QLatin1Char('\n')), viewport(), cell);
    return true;
}

void CTableResult::onCellClicked(int row, int /*column*/)
{
    emit sigRowSet(row);
}
