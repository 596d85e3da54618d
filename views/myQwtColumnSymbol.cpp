#include "myQwtColumnSymbol.h"

#include <QHash>
#include <QPainter>

namespace UserDefine {

myQwtColumnSymbol::myQwtColumnSymbol(const QColor& clrBar, const QString& strValue, int nPointSize,
                                     double dLabelWidth)
    : QwtColumnSymbol(QwtColumnSymbol::UserStyle)
    , strValue(strValue)
    , clrBar(clrBar)
    , nPointSize(nPointSize)
    , dLabelWidth(dLabelWidth)
{
}

void myQwtColumnSymbol::draw(QPainter* painter, const QwtColumnRect& rect) const
{
    const QRect r = rect.toRect().toRect();
    painter->save();
    painter->fillRect(r, clrBar);
    if (!strValue.isEmpty()) {
        QFont font = painter->font();
        font.setPointSize(nPointSize);
        painter->setFont(font);
        const int nGrow = qMax(0, qRound(dLabelWidth) - r.width()) / 2;
        const QRect box = r.adjusted(-nGrow, 0, nGrow, 0);
        const int flags = Qt::AlignHCenter | Qt::AlignBottom;
        // A label wider than its bar runs across the neighbours: a light ground keeps it legible.
        if (nGrow > 0)
            painter->fillRect(painter->boundingRect(box, flags, strValue), QColor(255, 255, 255, 200));
        painter->drawText(box, flags, strValue);
    }
    painter->restore();
}

} // namespace UserDefine

QColor barColor(ushort index)
{
    // Every bar is drawn with a fresh symbol on every repaint, so colours are looked up once.
    static QHash<ushort, QColor> cache;
    const auto hit = cache.constFind(index);
    if (hit != cache.constEnd())
        return *hit;

    static const QRgb palette[20] = {
        0xFF0000, 0x00FF00, 0xFFFF00, 0x00CCFF, 0xFF6600, 0xFF00FF, 0xFF9999, 0x0066FF, 0x99CCFF, 0x808000,
        0x009B9B, 0x7030A0, 0x99FF99, 0xFFFF99, 0xFF0066, 0x00CC66, 0x660066, 0xCC3300, 0x336699, 0xFFCC66,
    };
    const QColor color(palette[index % 20]);
    cache.insert(index, color);
    return color;
}
