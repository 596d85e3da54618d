#include "CTableResult.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kColumns = 10;
constexpr int kValuesColumn = 5;

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
        for (int column = 0; column < kColumns; ++column)
            setItem(i, column, new QTableWidgetItem(cellText(CurrentGroup.pRecords[i], column)));
    }
    fitColumns();
    // No row is current in a new group, so that the first click or key picks one.
    setCurrentIndex(QModelIndex());
}

void CTableResult::fitColumns()
{
    // Once per refill rather than through ResizeToContents, which measures the whole column
    // again for every cell set.
    for (int column = 0; column < kColumns; ++column) {
        if (isFittedColumn(column))
            resizeColumnToContents(column);
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
    if (index.isValid() && itemDelegate(index)->sizeHint(viewOptions(), index).width() > cell.width())
        QToolTip::showText(help->globalPos(), index.data().toString(), viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

void CTableResult::onCurrentCellChanged(int row, int /*column*/, int previousRow, int /*previousColumn*/)
{
    if (row != previousRow)
        emit sigRowSet(row);
}
