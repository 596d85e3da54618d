#pragma once

#include <QGroupBox>

class QGridLayout;
class QPushButton;

// The control panel on the right: group choice and the five action buttons.
class MyWndControl : public QGroupBox
{
    Q_OBJECT

public:
    enum Button { LoadData, SaveCsv, SavePdf, PrintPreview, Print, ButtonCount };

    explicit MyWndControl(QWidget* parent = nullptr);

    QGridLayout* pGrid;
    QPushButton* pButtons[ButtonCount];
};
