#pragma once

#include <QTableWidget>

// Read-only list of the downloaded group: one row per record, ten text columns.
// The current row, chosen by mouse or keys, is reported; a cell too narrow for its text shows
// it as a tooltip.
class CTableResult : public QTableWidget
{
    Q_OBJECT

public:
    explicit CTableResult(QWidget* parent = nullptr);

    // Refills the table from CurrentGroup: one row per record, no more.
    void showGroup();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

signals:
    void sigRowSet(int n);

public slots:
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);

private:
    void fitColumns();
};
