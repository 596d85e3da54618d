#pragma once

#include <QColor>
#include <QString>

#include <qwt_column_symbol.h>

namespace UserDefine {

// One bar of the chart: a flat fill in its own colour with its value written at the foot,
// across the bar or upright. A label that fits the bar is written in a colour that stands out
// from the bar's; one too long for a low bar stands on top of it, one too wide for a narrow
// bar on a light ground, both in black. An empty label draws the bar alone. A bar whose value
// lies outside the tolerance limits is outlined in black, a cue that needs no colour vision.
class myQwtColumnSymbol : public QwtColumnSymbol
{
public:
    myQwtColumnSymbol(const QColor& clrBar, const QString& strValue, int nPointSize, bool bUpright, bool bOutlined);

    void draw(QPainter* painter, const QwtColumnRect& rect) const override;

    QColor color() const { return clrBar; }
    QString label() const { return strValue; }
    bool outlined() const { return bOutlined; }

private:
    void drawLabel(QPainter* painter, const QRect& bar) const;

    QString strValue;
    QColor clrBar;
    int nPointSize;
    bool bUpright;
    bool bOutlined;
};


} // namespace UserDefine

// The colour of bar number index: a 20-colour palette, repeating.
QColor barColor(ushort index);

// Black or white, whichever stands out more from color.
QColor contrastingColor(const QColor& color);
