#pragma once

#include <QTableWidget>

// Read-only list of the downloaded group: one row per record, ten text columns.
// A mouse click on any cell reports its row; rows are reused and never removed.
class CTableResult : public QTableWidget
{
    Q_OBJECT

public:
    explicit CTableResult(QWidget* parent = nullptr);

    // Refills the cells from CurrentGroup. Rows beyond a smaller group stay, empty.
    void showGroup();

signals:
    void sigRowSet(int n);

public slots:
    void onCellClicked(int row, int column);
};
