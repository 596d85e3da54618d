#include "TestDetails.h"

#include <QCoreApplication>

QString TestDetails::fieldName(Field field)
{
    static const char* const kNames[] = {
        QT_TRANSLATE_NOOP("TestDetails", "Standard"),         QT_TRANSLATE_NOOP("TestDetails", "Test piece / part"),
        QT_TRANSLATE_NOOP("TestDetails", "Order / batch"),    QT_TRANSLATE_NOOP("TestDetails", "Operator"),
        QT_TRANSLATE_NOOP("TestDetails", "Test temperature"), QT_TRANSLATE_NOOP("TestDetails", "Notes"),
    };
    return QCoreApplication::translate("TestDetails", kNames[field]);
}
