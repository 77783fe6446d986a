#include "common/Pictures.h"

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
} // namespace

QPixmap Pentagram(int size, const QColor& colour) {
    return drawn(size, colour, [&](QPainter& p) {
        const QPointF c(size / 2.0, size / 2.0);
        const qreal r = size * 0.44;
        p.drawEllipse(c, r, r);
        QPainterPath star;
        star.moveTo(onCircle(c, r, 0));
        for (int i = 1; i <= 5; ++i) {
            star.lineTo(onCircle(c, r, (i * 144) % 360));
        }
        p.drawPath(star);
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
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(Pentagram(size, QColor(74, 29, 180)));
    }
    return icon;
}

} // namespace Pictures
