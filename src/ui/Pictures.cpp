#include "ui/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Pictures {
namespace {
// A transparent square of the given size with an antialiased painter holding a round pen of the colour. It has
// the pixels of the sharpest screen, so that a picture is never scaled up (and blurred) on a high-density one.
template <class Draw> QPixmap drawn(int size, const QColor& colour, Draw draw) {
    const qreal ratio = qMax<qreal>(1.0, qApp->devicePixelRatio());
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, qMax(1.0, size / 24.0));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    draw(p);
    p.end();
    return pixmap;
}

QPointF onCircle(const QPointF& centre, qreal radius, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees - 90.0);
    return centre + QPointF(radius * qCos(a), radius * qSin(a));
}

// The five-pointed star drawn in one stroke inside a circle of the given radius.
QPainterPath star(const QPointF& centre, qreal radius) {
    QPainterPath path;
    path.moveTo(onCircle(centre, radius, 0));
    for (int i = 1; i <= 5; ++i) {
        path.lineTo(onCircle(centre, radius, (i * 144) % 360));
    }
    return path;
}

// The desktop icon's shapes, as fractions of its size.
const QColor TileColour(74, 29, 180);
const QColor StarColour(255, 255, 192);
constexpr qreal TileInset = 0.04;
constexpr qreal TileCorner = 0.18;
constexpr qreal StarRadius = 0.34;
constexpr qreal StarPen = 0.045;
// The largest size drawn as a filled star rather than an outlined one in its ring.
constexpr int SmallestOutlined = 24;
} // namespace

QPixmap Pentagram(int size, const QColor& colour) {
    return drawn(size, colour, [&](QPainter& p) {
        const QPointF c(size / 2.0, size / 2.0);
        const qreal r = size * 0.44;
        p.drawEllipse(c, r, r);
        p.drawPath(star(c, r));
    });
}

QPixmap Pendulum(int size, const QColor& colour) {
    return drawn(size, colour, [&](QPainter& p) {
        const qreal s = size;
        p.drawLine(QPointF(s * 0.5, s * 0.1), QPointF(s * 0.5, s * 0.55));
        p.drawEllipse(QPointF(s * 0.5, s * 0.1), s * 0.04, s * 0.04);
        QPainterPath bob;
        bob.moveTo(s * 0.5, s * 0.55);
        bob.lineTo(s * 0.64, s * 0.7);
        bob.lineTo(s * 0.5, s * 0.94);
        bob.lineTo(s * 0.36, s * 0.7);
        bob.closeSubpath();
        p.setBrush(colour);
        p.drawPath(bob);
        p.setBrush(Qt::NoBrush);
        // The swing: an arc round the pivot whose lowest point stays inside the square.
        const qreal reach = s * 0.8;
        p.drawArc(QRectF(s * 0.5 - reach, s * 0.1 - reach, 2 * reach, 2 * reach), 240 * 16, 60 * 16);
    });
}

QPixmap WheelOfTheYear(int size, const QColor& colour) {
    return drawn(size, colour, [&](QPainter& p) {
        const QPointF c(size / 2.0, size / 2.0);
        const qreal r = size * 0.44;
        p.drawEllipse(c, r, r);
        p.drawEllipse(c, r * 0.3, r * 0.3);
        // Eight spokes for the eight festivals of the year.
        for (int i = 0; i < 8; ++i) {
            p.drawLine(onCircle(c, r * 0.3, i * 45), onCircle(c, r, i * 45));
        }
        p.setBrush(colour);
        p.drawEllipse(c, r * 0.1, r * 0.1);
    });
}

QPixmap BookOfShadows(int size, const QColor& colour) {
    return drawn(size, colour, [&](QPainter& p) {
        const qreal s = size;
        p.drawRoundedRect(QRectF(s * 0.18, s * 0.1, s * 0.64, s * 0.8), s * 0.04, s * 0.04);
        p.drawLine(QPointF(s * 0.26, s * 0.1), QPointF(s * 0.26, s * 0.9));
        // A small crescent moon on the cover.
        QPainterPath moon;
        moon.addEllipse(QPointF(s * 0.55, s * 0.45), s * 0.14, s * 0.14);
        QPainterPath bite;
        bite.addEllipse(QPointF(s * 0.61, s * 0.41), s * 0.12, s * 0.12);
        p.setBrush(colour);
        p.drawPath(moon.subtracted(bite));
    });
}

QIcon ProgramIcon() {
    // The same picture as the desktop entry's, so that the task bar and the menu show one program. Only the sizes a
    // window's own icon is shown at are drawn (each is sent to the X server before the window maps); the desktop takes
    // the larger ones from the installed icon files, and this icon scales its largest for anything else.
    QIcon icon;
    for (int size : DesktopIconSizes) {
        if (size <= WindowIconLargest) {
            icon.addPixmap(DesktopIcon(size));
        }
    }
    return icon;
}

QPixmap DesktopIcon(int size) {
    return drawn(size, StarColour, [&](QPainter& p) {
        const qreal s = size;
        if (size <= SmallestOutlined) {
            // At the sizes of menus and panels the star's thin lines and its ring run together into a blur: a
            // filled star on a tile that fills the whole square stays sharp.
            p.setPen(Qt::NoPen);
            p.setBrush(TileColour);
            p.drawRoundedRect(QRectF(0, 0, s, s), s * TileCorner, s * TileCorner);
            QPainterPath filled = star(QPointF(s / 2, s * 0.53), s * 0.46);
            filled.setFillRule(Qt::WindingFill);
            p.setBrush(StarColour);
            p.drawPath(filled);
            return;
        }
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(TileColour);
        const QRectF tile(s * TileInset, s * TileInset, s * (1 - 2 * TileInset), s * (1 - 2 * TileInset));
        p.drawRoundedRect(tile, s * TileCorner, s * TileCorner);
        p.restore();
        QPen pen = p.pen();
        pen.setWidthF(s * StarPen);
        p.setPen(pen);
        const QPointF c(s / 2, s / 2);
        p.drawEllipse(c, s * StarRadius, s * StarRadius);
        p.drawPath(star(c, s * StarRadius));
    });
}

QByteArray DesktopIconSvg() {
    // Drawn on a 256 unit square from the same shapes as DesktopIcon.
    const qreal s = 256;
    const QPointF c(s / 2, s / 2);
    const QPainterPath path = star(c, s * StarRadius);
    QString points;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        points += QStringLiteral("%1%2,%3 ")
                      .arg(QString(QLatin1Char(i == 0 ? 'M' : 'L')), QString::number(e.x, 'f', 2),
                           QString::number(e.y, 'f', 2));
    }
    const auto number = [](qreal v) { return QString::number(v, 'f', 2); };
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
               "  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"%4\"/>\n"
               "  <g fill=\"none\" stroke=\"%5\" stroke-width=\"%6\" stroke-linejoin=\"round\" "
               "stroke-linecap=\"round\">\n"
               "    <circle cx=\"%7\" cy=\"%7\" r=\"%8\"/>\n"
               "    <path d=\"%9Z\"/>\n"
               "  </g>\n"
               "</svg>\n")
        .arg(number(s * TileInset), number(s * (1 - 2 * TileInset)), number(s * TileCorner), TileColour.name(),
             StarColour.name(), number(s * StarPen), number(s / 2), number(s * StarRadius), points.trimmed())
        .toUtf8();
}

} // namespace Pictures
