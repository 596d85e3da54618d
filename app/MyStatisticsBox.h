#pragma once

#include "ToleranceLimits.h"

#include <QGroupBox>

class QLabel;
class QScrollArea;
struct SeriesStats;

// The "Statistics" box under the control panel: the spread of the chosen record's impacts beside
// that of the group's record means (from CurrentGroup), and with tolerance limits the verdicts. "Limits..." edits the limits,
// which are kept in the settings.
class MyStatisticsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit MyStatisticsBox(QWidget* parent = nullptr);

    const ToleranceLimits& limits() const { return activeLimits; }

signals:
    void sigLimitsChanged(const ToleranceLimits& limits);

public slots:
    // A new group in CurrentGroup: its statistics, no record chosen yet.
    void showGroup();
    void showRow(int nrow);
    // New limits for the box and, through sigLimitsChanged, for the table. Not kept.
    void setLimits(const ToleranceLimits& limits);
    // "Limits...": the dialog, and the limits it gives kept in the settings.
    void slotEditLimits();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    enum Line { Count, Mean, Sd, Range, Cv, LineCount };
    // One column of numbers: a record's impacts or the group's record means.
    void showColumn(QLabel* const* column, const SeriesStats& stats, const QString& mean);
    void showRecord();
    // Room beside the lines for the scroll bar while the box is too low for them, and only then.
    void fitScrollBar();

    ToleranceLimits activeLimits;
    int nRow = -1;
    QScrollArea* pScroll;
    int nLinesWidth = 0;  // the box's width without a scroll bar
    QLabel* pRecordTitle;
    QLabel* pRecord[LineCount];
    QLabel* pGroup[LineCount];
    QLabel* pRecordVerdict;
    QLabel* pGroupVerdict;
};
