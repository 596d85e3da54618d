#pragma once

#include "TestDetails.h"

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;

// "Test details...": what the report says about the test of the shown download besides its
// readings: standard, test piece, order, operator, test temperature and notes.
class MyTestDetailsDialog : public QDialog
{
    Q_OBJECT

public:
    MyTestDetailsDialog(const TestDetails& current, QWidget* parent = nullptr);

    // The details as entered.
    TestDetails details() const;

private:
    QLineEdit* pStandard;
    QLineEdit* pTestPiece;
    QLineEdit* pOrder;
    QLineEdit* pOperator;
    QDoubleSpinBox* pTemperature;  // its least value stands for "not given"
    QPlainTextEdit* pNotes;
};
