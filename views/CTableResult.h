#pragma once

#include "ToleranceLimits.h"

#include <QTableWidget>

struct MeasureRecord;

// Read-only list of the downloaded group: one row per record, ten text columns.
// The current row, chosen by mouse or keys, is reported; a cell too narrow for its text shows
// it as a tooltip. With tolerance limits, a record outside them is marked in red, with a sign in
// its row heading and the reason as a tooltip (for those who cannot tell the colour).
class CTableResult : public QTableWidget
{
    Q_OBJECT

public:
    explicit CTableResult(QWidget* parent = nullptr);

    // Refills the table from CurrentGroup: one row per record, no more.
    void showGroup();
    // Marks the records of the shown group against these limits (none: no marks).
    void setLimits(const ToleranceLimits& newLimits);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

signals:
    void sigRowSet(int n);

public slots:
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);

private:
    void fitColumns();
    // Why the record failed its limits; empty when it passed or has none.
    QString failedText(const MeasureRecord& rec) const;

    ToleranceLimits limits;
};
