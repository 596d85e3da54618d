#pragma once

#include <QColor>
#include <QString>

#include <qwt_column_symbol.h>

namespace UserDefine {

// One bar of the chart: a flat fill in its own colour with its value written at the foot,
// centred on the bar in a box dLabelWidth wide (wider than the bar when only every n-th
// bar carries a label). An empty label draws the bar alone.
class myQwtColumnSymbol : public QwtColumnSymbol
{
public:
    myQwtColumnSymbol(const QColor& clrBar, const QString& strValue, int nPointSize, double dLabelWidth);

    void draw(QPainter* painter, const QwtColumnRect& rect) const override;

    QColor color() const { return clrBar; }
    QString label() const { return strValue; }

private:
    QString strValue;
    QColor clrBar;
    int nPointSize;
    double dLabelWidth;
};

} // namespace UserDefine

// The colour of bar number index: a 20-colour palette, repeating.
QColor barColor(ushort index);
