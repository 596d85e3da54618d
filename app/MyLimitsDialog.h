#pragma once

#include "ToleranceLimits.h"

#include <QDialog>
#include <QVector>

class QLineEdit;

// "Limits...": a lower and an upper limit for every scale and for all scales at once, each
// optional. OK checks the numbers and keeps the dialog open on a mistake.
class MyLimitsDialog : public QDialog
{
    Q_OBJECT

public:
    MyLimitsDialog(const ToleranceLimits& current, QWidget* parent = nullptr);

    // The limits entered, once accepted.
    const ToleranceLimits& limits() const { return entered; }

    void accept() override;

private:
    struct Row
    {
        int nUnit;
        QLineEdit* pLower;
        QLineEdit* pUpper;
    };

    // Reads one field: empty, or a number in the user's notation or with a decimal point.
    bool readField(QLineEdit* field, std::optional<double>& number);

    QVector<Row> rows;
    ToleranceLimits entered;
};
