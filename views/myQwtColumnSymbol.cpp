#include "myQwtColumnSymbol.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace UserDefine {

myQwtColumnSymbol::myQwtColumnSymbol(const QColor& clrBar, const QString& strValue, int nPointSize, bool bUpright,
                                     bool bOutlined)
    : QwtColumnSymbol(QwtColumnSymbol::UserStyle)
    , strValue(strValue)
    , clrBar(clrBar)
    , nPointSize(nPointSize)
    , bUpright(bUpright)
    , bOutlined(bOutlined)
{
}

void myQwtColumnSymbol::draw(QPainter* painter, const QwtColumnRect& rect) const
{
    const QRect r = rect.toRect().toRect();
    painter->save();
    painter->fillRect(r, clrBar);
    if (bOutlined) {
        constexpr int kOutline = 3;
        painter->setPen(QPen(Qt::black, kOutline, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(kOutline / 2, kOutline / 2, -kOutline / 2, -kOutline / 2));
    }
    if (!strValue.isEmpty())
        drawLabel(painter, r);
    painter->restore();
}

void myQwtColumnSymbol::drawLabel(QPainter* painter, const QRect& bar) const
{
    constexpr double kGap = 2.0;  // between the label and the bar's foot or top
    QFont font = painter->font();
    font.setPointSize(nPointSize);
    painter->setFont(font);
    const QFontMetricsF metrics(font, painter->device());
    QSizeF size(metrics.horizontalAdvance(strValue), metrics.height());  // across, along the bar
    if (bUpright)
        size.transpose();

    const bool bFitsAlong = size.height() + 2 * kGap <= bar.height();
    const bool bFitsAcross = size.width() <= bar.width() + 1;
    const double dFoot = bFitsAlong ? bar.bottom() + 1 - kGap : bar.top() - kGap;
    QRectF box(bar.left() + (bar.width() - size.width()) / 2, dFoot - size.height(), size.width(), size.height());
    // Bar 0 stands on the chart's left edge: a label wider than its bar stays inside the chart.
    if (painter->hasClipping()) {
        const QRectF chart = painter->clipBoundingRect();
        box.moveLeft(std::max(chart.left(), std::min(box.left(), chart.right() - box.width())));
    }
    if (bFitsAlong && bFitsAcross) {
        painter->setPen(contrastingColor(clrBar));
    } else {
        if (!bFitsAcross)
            painter->fillRect(box, QColor(255, 255, 255, 200));
        painter->setPen(Qt::black);
    }
    if (!bUpright) {
        painter->drawText(box, Qt::AlignCenter, strValue);
        return;
    }
    painter->translate(box.center());
    painter->rotate(-90.0);
    painter->drawText(QRectF(-size.height() / 2, -size.width() / 2, size.height(), size.width()), Qt::AlignCenter,
                      strValue);
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

QColor contrastingColor(const QColor& color)
{
    // Relative luminance as the web's contrast guidelines reckon it: black reads better on
    // anything lighter than about 0.18, white on anything darker.
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double dLuminance =
        0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
    return dLuminance > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}
