#include "CTableResult.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"
#include "Verdict.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QSet>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kColumns = 10;
constexpr int kValuesColumn = 5;
const QColor kFailedBackground(0x7A, 0x24, 0x24);
const QString kFailedSign = QStringLiteral("\u2717 ");

// Every column but the values list is as wide as its widest text, heading included, so that
// it reads in full (the longest material names too, in every language); the values list
// takes the rest of the width.
bool isFittedColumn(int column)
{
    return column != kValuesColumn;
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
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionResizeMode(kValuesColumn, QHeaderView::Stretch);
    fitColumns();
    setAutoScroll(true);
    setAccessibleName(tr("Measurements"));
    connect(this, &QTableWidget::currentCellChanged, this, &CTableResult::onCurrentCellChanged);
}

void CTableResult::showGroup()
{
    clearContents();
    // Exactly the rows of the group: a row left over from a larger group would read as a
    // record whose exchange failed.
    setRowCount(std::max(CurrentGroup.nCount, 0));
    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        const QString reason = failedText(CurrentGroup.pRecords[i]);
        // Marked before they go in: a change to an item in the table costs a round of signals.
        for (int column = 0; column < kColumns; ++column) {
            auto* cell = new QTableWidgetItem(cellText(CurrentGroup.pRecords[i], column));
            if (!reason.isEmpty()) {
                cell->setBackground(kFailedBackground);
                cell->setToolTip(reason);
            }
            setItem(i, column, cell);
        }
        // The row number alone, unless the record failed; the headings outlive clearContents.
        if (!reason.isEmpty() || verticalHeaderItem(i))
            setVerticalHeaderItem(i, reason.isEmpty() ? nullptr : new QTableWidgetItem(kFailedSign + FormatInteger(i + 1)));
        if (!reason.isEmpty())
            verticalHeaderItem(i)->setToolTip(reason);
    }
    fitColumns();
    // No row is current in a new group, so that the first click or key picks one.
    setCurrentIndex(QModelIndex());
}

void CTableResult::setLimits(const ToleranceLimits& newLimits)
{
    limits = newLimits;
    const int nRow = currentRow();
    showGroup();
    selectRow(nRow);  // the row the chart and the statistics show
}

QString CTableResult::failedText(const MeasureRecord& rec) const
{
    const RecordVerdict verdict = JudgeRecord(rec, limits);
    if (!verdict.bJudged || verdict.bPass)
        return QString();
    return tr("Mean outside %1; single values outside: %2").arg(verdict.limit.text()).arg(verdict.nOutside);
}

void CTableResult::fitColumns()
{
    // Once per refill rather than through ResizeToContents, which measures the whole column
    // again for every cell set. As resizeColumnToContents measures, but each different text
    // once: a group repeats its materials, scales, probes and dates from row to row.
    const QStyleOptionViewItem option = viewOptions();
    const int nGridLine = showGrid() ? 1 : 0;
    for (int column = 0; column < kColumns; ++column) {
        if (!isFittedColumn(column))
            continue;
        int nWidth = horizontalHeader()->sectionSizeHint(column);
        QSet<QString> measured;
        for (int row = 0; row < rowCount(); ++row) {
            const QModelIndex index = model()->index(row, column);
            const QString text = index.data().toString();
            if (measured.contains(text))
                continue;
            measured.insert(text);
            nWidth = std::max(nWidth, itemDelegate(index)->sizeHint(option, index).width() + nGridLine);
        }
        horizontalHeader()->resizeSection(column, nWidth);
    }
}

QModelIndex CTableResult::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Rows are picked whole: Home and End go to the first and the last record, as they do with Ctrl.
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableWidget::moveCursor(action, modifiers);
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

void CTableResult::onCurrentCellChanged(int row, int /*column*/, int previousRow, int /*previousColumn*/)
{
    if (row != previousRow)
        emit sigRowSet(row);
}
