#pragma once

#include <QString>

#include <optional>

// What a test report says about the test besides the readings: the standard it follows, what
// was tested, for whom, by whom and how.
struct TestDetails
{
    enum Field { Standard, TestPiece, Order, Operator, Temperature, Notes };
    // The field's name as the dialog and the report show it, in the user's language.
    static QString fieldName(Field field);

    static QString defaultStandard() { return QStringLiteral("ISO 16859-1"); }

    QString standard = defaultStandard();
    QString testPiece;  // test piece or part id
    QString order;      // order or batch
    QString operatorName;
    std::optional<double> temperature;  // °C
    QString notes;

    // Nothing entered beyond the default standard.
    bool isEmpty() const
    {
        return (standard.isEmpty() || standard == defaultStandard()) && testPiece.isEmpty() && order.isEmpty()
               && operatorName.isEmpty() && !temperature && notes.isEmpty();
    }
    // The details a new download starts with: the same standard and operator, nothing else.
    TestDetails forNextDownload() const
    {
        TestDetails next;
        next.standard = standard;
        next.operatorName = operatorName;
        return next;
    }
};
