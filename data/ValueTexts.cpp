#include "ValueTexts.h"

#include "MeasureRecord.h"

#include <QDateTime>

namespace {

const char* const kProbes[] = {"D", "DC", "D15", "C", "G", "DL", "E", "NO"};
const char* const kDirections[] = {"\u2193", "\u2198", "\u2192", "\u2197", "\u2191"};
const char* const kScales[] = {"HL", "HV", "HB", "HRC", "HS", "HRB", "HRA"};

const char* const kMaterials[] = {
    QT_TRANSLATE_NOOP("MyTranslate", "Steel and Cast Steel"),
    QT_TRANSLATE_NOOP("MyTranslate", "Alloy Tool Steel"),
    QT_TRANSLATE_NOOP("MyTranslate", "Stainless Steel"),
    QT_TRANSLATE_NOOP("MyTranslate", "Gray cast iron"),
    QT_TRANSLATE_NOOP("MyTranslate", "ductile iron"),
    QT_TRANSLATE_NOOP("MyTranslate", "Cast Aluminum"),
    QT_TRANSLATE_NOOP("MyTranslate", "Copper-Zinc Alloy"),
    QT_TRANSLATE_NOOP("MyTranslate", "Copper Tin Alloy"),
    QT_TRANSLATE_NOOP("MyTranslate", "pure copper"),
    QT_TRANSLATE_NOOP("MyTranslate", "Forged Steel"),
};

const char* const kHeadings[] = {
    QT_TRANSLATE_NOOP("MyTranslate", "Material"),
    QT_TRANSLATE_NOOP("MyTranslate", "Angle"),
    QT_TRANSLATE_NOOP("MyTranslate", "Unit"),
    QT_TRANSLATE_NOOP("MyTranslate", "Probe"),
    QT_TRANSLATE_NOOP("MyTranslate", "Times"),
    QT_TRANSLATE_NOOP("MyTranslate", "Values"),
    QT_TRANSLATE_NOOP("MyTranslate", "Min"),
    QT_TRANSLATE_NOOP("MyTranslate", "Max"),
    QT_TRANSLATE_NOOP("MyTranslate", "Avg"),
    QT_TRANSLATE_NOOP("MyTranslate", "DateTime"),
};

template <size_t N>
const char* lookup(const char* const (&table)[N], unsigned code)
{
    return code < N ? table[code] : nullptr;
}

} // namespace

QString ProbeText(unsigned code)
{
    const char* text = lookup(kProbes, code);
    return text ? QString::fromUtf8(text) : FormatInteger(code);
}

QString DirectionText(unsigned code)
{
    const char* text = lookup(kDirections, code);
    return text ? QString::fromUtf8(text) : FormatInteger(code);
}

QString ScaleText(unsigned code)
{
    const char* text = lookup(kScales, code);
    return text ? QString::fromUtf8(text) : QString();
}

QString MaterialText(unsigned code, const QString& suffix)
{
    const char* text = lookup(kMaterials, code);
    return (text ? MyTranslate::tr(text) : QString()) + suffix;
}

QString HeadingText(unsigned column, const QString& suffix)
{
    const char* text = lookup(kHeadings, column);
    return (text ? MyTranslate::tr(text) : QString()) + suffix;
}

QString HeadingSourceText(unsigned column)
{
    const char* text = lookup(kHeadings, column);
    return text ? QString::fromLatin1(text) : QString();
}

QString FormatInteger(qint64 n)
{
    return QStringLiteral("%1").arg(n);
}

QString FormatValue(double v)
{
    return QStringLiteral("%1").arg(v, 0, 'g', -1);
}

QString FormatDate(qint64 tDate)
{
    return QDateTime::fromSecsSinceEpoch(tDate, Qt::LocalTime).toString(QStringLiteral("yyyy/MM/dd"));
}

QString ValuesText(const MeasureRecord& rec)
{
    QString text;
    for (int k = 0; k < rec.nTimes; ++k)
        text += QStringLiteral("%1;").arg(double(rec.pValues[k]), 0, 'g', -1);
    return text;
}
