#include "CTableResult.h"

#include "MeasureRecord.h"
#include "ValueTexts.h"

#include <QHeaderView>

namespace {

constexpr int kColumns = 10;

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
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setAutoScroll(true);
    connect(this, &QTableWidget::cellClicked, this, &CTableResult::onCellClicked);
}

void CTableResult::showGroup()
{
    clearContents();
    for (int i = 0; i < CurrentGroup.nCount; ++i) {
        if (i >= rowCount())
            insertRow(i);
        for (int column = 0; column < kColumns; ++column)
            setItem(i, column, new QTableWidgetItem(cellText(CurrentGroup.pRecords[i], column)));
    }
}

void CTableResult::onCellClicked(int row, int /*column*/)
{
    emit sigRowSet(row);
}
