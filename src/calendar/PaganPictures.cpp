#include "calendar/PaganPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace PaganPictures {

namespace {

// All drawing happens on a 100 x 100 canvas that is scaled to the requested size.
constexpr qreal Canvas = 100.0;

const QColor Gold(230, 190, 60);
const QColor Silver(210, 215, 225);
const QColor Ink(30, 30, 30);

QPolygonF regularPolygon(QPointF centre, qreal radius, int corners, qreal startDegrees) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = qDegreesToRadians(startDegrees + 360.0 * i / corners);
        polygon << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

QPolygonF star(QPointF centre, qreal outer, qreal inner, int points) {
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(-90.0 + 180.0 * i / points);
        polygon << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

void background(QPainter& p, const QColor& colour) {
    QRadialGradient glow(QPointF(50, 45), 60);
    glow.setColorAt(0, colour.lighter(150));
    glow.setColorAt(1, colour.darker(200));
    p.setPen(QPen(Gold, 2));
    p.setBrush(glow);
    p.drawEllipse(QPointF(50, 50), 48, 48);
}

void pen(QPainter& p, const QColor& colour, qreal width = 3, const QColor& fill = Qt::transparent) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(fill));
}

// Alchemical triangles: point up for the rising elements, down for the sinking ones, barred for air and earth.
void elementTriangle(QPainter& p, bool pointUp, bool barred, const QColor& colour) {
    pen(p, colour, 4);
    const QPolygonF triangle = regularPolygon(QPointF(50, pointUp ? 56 : 44), 30, 3, pointUp ? -90 : 90);
    p.drawPolygon(triangle);
    if (barred) {
        const qreal y = pointUp ? 62 : 38;
        p.drawLine(QPointF(22, y), QPointF(78, y));
    }
}

void cauldron(QPainter& p, const QColor& metal, const QColor& brew) {
    pen(p, Ink, 2, metal);
    QPainterPath pot;
    pot.moveTo(24, 48);
    pot.cubicTo(24, 86, 76, 86, 76, 48);
    pot.closeSubpath();
    p.drawPath(pot);
    pen(p, Ink, 2, brew);
    p.drawEllipse(QPointF(50, 48), 26, 6);
    pen(p, Ink, 3);
    p.drawLine(QPointF(34, 78), QPointF(30, 86));
    p.drawLine(QPointF(66, 78), QPointF(70, 86));
}

void hammer(QPainter& p, QPointF head, qreal angleDegrees, const QColor& colour) {
    p.save();
    p.translate(head);
    p.rotate(angleDegrees);
    pen(p, QColor(120, 80, 40), 4);
    p.drawLine(QPointF(0, 0), QPointF(0, 40));
    pen(p, Ink, 2, colour);
    p.drawRect(QRectF(-12, -7, 24, 12));
    p.restore();
}

void hand(QPainter& p, const QColor& colour) {
    pen(p, Ink, 2, colour);
    p.drawRoundedRect(QRectF(34, 46, 32, 32), 8, 8);
    for (int finger = 0; finger < 4; ++finger) {
        p.drawRoundedRect(QRectF(35 + finger * 8, 24 + (finger == 0 || finger == 3 ? 6 : 0), 6, 26), 3, 3);
    }
    p.save();
    p.translate(34, 60);
    p.rotate(-40);
    p.drawRoundedRect(QRectF(-3, -18, 7, 20), 3, 3);
    p.restore();
}

void wave(QPainter& p, qreal y, const QColor& colour) {
    pen(p, colour, 3);
    QPainterPath path;
    path.moveTo(18, y);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 18 + i * 16;
        path.cubicTo(x + 4, y - 7, x + 12, y - 7, x + 16, y);
    }
    p.drawPath(path);
}

void bird(QPainter& p, QPointF at, qreal span, const QColor& colour) {
    pen(p, colour, 3);
    QPainterPath path;
    path.moveTo(at + QPointF(-span, 0));
    path.quadTo(at + QPointF(-span / 2, -span / 2), at);
    path.quadTo(at + QPointF(span / 2, -span / 2), at + QPointF(span, 0));
    p.drawPath(path);
}

void flame(QPainter& p, QPointF base, qreal height, const QColor& outer, const QColor& inner) {
    QPainterPath path;
    path.moveTo(base);
    path.cubicTo(base + QPointF(-height * 0.5, 0), base + QPointF(-height * 0.3, -height * 0.6),
                 base + QPointF(0, -height));
    path.cubicTo(base + QPointF(height * 0.3, -height * 0.6), base + QPointF(height * 0.5, 0), base);
    pen(p, outer.darker(130), 1.5, outer);
    p.drawPath(path);
    p.save();
    p.translate(base);
    p.scale(0.5, 0.55);
    p.translate(-base);
    pen(p, inner, 1, inner);
    p.drawPath(path);
    p.restore();
}

void sun(QPainter& p, QPointF centre, qreal radius) {
    pen(p, Gold.darker(120), 3);
    for (int ray = 0; ray < 12; ++ray) {
        const qreal angle = qDegreesToRadians(ray * 30.0);
        p.drawLine(centre + QPointF(qCos(angle), qSin(angle)) * (radius + 4),
                   centre + QPointF(qCos(angle), qSin(angle)) * (radius + 14));
    }
    pen(p, Gold.darker(130), 2, QColor(255, 215, 80));
    p.drawEllipse(centre, radius, radius);
}

void tree(QPainter& p, const QColor& leaves) {
    pen(p, QColor(100, 65, 30), 6);
    p.drawLine(QPointF(50, 84), QPointF(50, 48));
    pen(p, leaves.darker(130), 2, leaves);
    p.drawEllipse(QPointF(50, 38), 24, 20);
}

void drawSubject(QPainter& p, Subject subject) {
    switch (subject) {
    case Subject::Earth:
        background(p, QColor(70, 110, 50));
        elementTriangle(p, false, true, QColor(120, 80, 40));
        break;
    case Subject::Air:
        background(p, QColor(150, 190, 230));
        elementTriangle(p, true, true, QColor(250, 240, 150));
        break;
    case Subject::Fire:
        background(p, QColor(170, 50, 20));
        elementTriangle(p, true, false, QColor(255, 200, 60));
        break;
    case Subject::Water:
        background(p, QColor(30, 70, 150));
        elementTriangle(p, false, false, QColor(170, 220, 255));
        break;
    case Subject::Spirit:
        background(p, QColor(90, 50, 130));
        pen(p, Qt::white, 2.5);
        p.drawEllipse(QPointF(50, 50), 34, 34);
        p.drawPolygon(star(QPointF(50, 51), 32, 13, 5));
        break;
    case Subject::Angus:
        background(p, QColor(200, 110, 140));
        bird(p, QPointF(30, 30), 8, Qt::white);
        bird(p, QPointF(70, 30), 8, Qt::white);
        bird(p, QPointF(30, 70), 8, Qt::white);
        bird(p, QPointF(70, 70), 8, Qt::white);
        pen(p, QColor(120, 20, 40), 2, QColor(220, 40, 70));
        {
            QPainterPath heart;
            heart.moveTo(50, 64);
            heart.cubicTo(28, 50, 36, 32, 50, 42);
            heart.cubicTo(64, 32, 72, 50, 50, 64);
            p.drawPath(heart);
        }
        break;
    case Subject::Cernunnos:
        background(p, QColor(60, 90, 40));
        pen(p, QColor(235, 220, 180), 4);
        for (int side : {-1, 1}) {
            p.drawLine(QPointF(50 + side * 6, 62), QPointF(50 + side * 22, 22));
            p.drawLine(QPointF(50 + side * 12, 46), QPointF(50 + side * 30, 40));
            p.drawLine(QPointF(50 + side * 17, 34), QPointF(50 + side * 32, 26));
            p.drawLine(QPointF(50 + side * 20, 27), QPointF(50 + side * 14, 14));
        }
        pen(p, Gold, 3);
        p.drawArc(QRectF(34, 56, 32, 26), 200 * 16, 140 * 16);
        break;
    case Subject::Dagda:
        background(p, QColor(120, 90, 50));
        cauldron(p, QColor(60, 60, 60), QColor(200, 160, 60));
        pen(p, QColor(90, 60, 30), 5);
        p.drawLine(QPointF(70, 16), QPointF(82, 44));
        break;
    case Subject::DianCecht:
        background(p, QColor(40, 120, 100));
        hand(p, Silver);
        pen(p, QColor(40, 160, 60), 2, QColor(90, 200, 90));
        p.drawEllipse(QRectF(70, 20, 10, 6));
        p.drawEllipse(QRectF(18, 22, 10, 6));
        break;
    case Subject::DisPater:
        background(p, QColor(40, 30, 50));
        pen(p, QColor(110, 80, 50), 3);
        p.drawLine(QPointF(10, 40), QPointF(90, 40));
        pen(p, Ink, 1.5, Gold);
        for (const QPointF& coin : {QPointF(34, 62), QPointF(50, 70), QPointF(66, 62), QPointF(50, 54)}) {
            p.drawEllipse(coin, 8, 8);
        }
        pen(p, Silver, 2);
        p.drawArc(QRectF(38, 14, 24, 24), 0, 180 * 16);
        break;
    case Subject::Donn: {
        background(p, QColor(50, 60, 80));
        pen(p, QColor(150, 150, 160), 2, QColor(180, 180, 190));
        p.drawEllipse(QRectF(20, 18, 36, 22));
        p.drawEllipse(QRectF(40, 14, 40, 26));
        pen(p, QColor(200, 160, 0), 1.5, QColor(255, 230, 60));
        const QPolygonF bolt{QPointF(54, 38), QPointF(40, 62), QPointF(50, 62), QPointF(42, 86),
                             QPointF(64, 56), QPointF(53, 56), QPointF(62, 38)};
        p.drawPolygon(bolt);
        break;
    }
    case Subject::Esus:
        background(p, QColor(90, 130, 70));
        tree(p, QColor(60, 150, 60));
        p.save();
        p.translate(72, 70);
        p.rotate(-30);
        pen(p, QColor(120, 80, 40), 3);
        p.drawLine(QPointF(0, 0), QPointF(0, 22));
        pen(p, Ink, 1.5, Silver);
        p.drawPolygon(QPolygonF{QPointF(0, -2), QPointF(10, -8), QPointF(10, 8), QPointF(0, 6)});
        p.restore();
        break;
    case Subject::Govannon:
        background(p, QColor(90, 60, 40));
        pen(p, Ink, 2, QColor(70, 70, 75));
        p.drawPolygon(QPolygonF{QPointF(20, 56), QPointF(80, 56), QPointF(70, 66), QPointF(60, 66), QPointF(62, 82),
                                QPointF(38, 82), QPointF(40, 66), QPointF(28, 66)});
        hammer(p, QPointF(58, 30), 40, QColor(140, 140, 150));
        flame(p, QPointF(30, 52), 18, QColor(240, 110, 30), QColor(255, 220, 80));
        break;
    case Subject::Lug:
        background(p, QColor(220, 140, 40));
        sun(p, QPointF(50, 50), 18);
        break;
    case Subject::Nuadhu:
        background(p, QColor(40, 90, 140));
        hand(p, Silver);
        wave(p, 86, QColor(170, 220, 255));
        break;
    case Subject::Ogmios:
        background(p, QColor(130, 100, 150));
        pen(p, Ink, 2, QColor(240, 220, 190));
        p.drawEllipse(QPointF(32, 44), 16, 18);
        pen(p, Gold, 2);
        for (int chain = 0; chain < 3; ++chain) {
            const qreal endY = 28 + chain * 20;
            for (int link = 0; link < 5; ++link) {
                const qreal t = (link + 0.5) / 5.0;
                const QPointF at(46 + t * 36, 50 + t * (endY - 50));
                p.drawEllipse(at, 3.2, 2.2);
            }
        }
        break;
    case Subject::Sucellus:
        background(p, QColor(110, 60, 80));
        hammer(p, QPointF(36, 22), -10, QColor(120, 100, 80));
        pen(p, Ink, 2, QColor(120, 40, 60));
        p.drawRoundedRect(QRectF(54, 50, 26, 30), 6, 6);
        p.drawEllipse(QPointF(67, 50), 13, 4);
        break;
    case Subject::Arianrhod:
        background(p, QColor(20, 30, 80));
        pen(p, Silver, 5);
        p.drawEllipse(QPointF(50, 50), 28, 28);
        pen(p, Qt::white, 1, Qt::white);
        for (const QPointF& at :
             {QPointF(50, 14), QPointF(80, 34), QPointF(22, 70), QPointF(74, 76), QPointF(26, 28)}) {
            p.drawPolygon(star(at, 4, 1.6, 4));
        }
        break;
    case Subject::Badb:
        background(p, QColor(120, 30, 30));
        pen(p, Ink, 1.5, QColor(20, 20, 25));
        {
            QPainterPath crow;
            crow.moveTo(20, 60);
            crow.quadTo(40, 30, 50, 44);
            crow.quadTo(60, 30, 82, 36);
            crow.quadTo(66, 46, 58, 58);
            crow.lineTo(70, 74);
            crow.lineTo(50, 66);
            crow.quadTo(36, 64, 20, 60);
            p.drawPath(crow);
        }
        pen(p, Ink, 1, QColor(220, 40, 40));
        p.drawEllipse(QPointF(28, 57), 1.8, 1.8);
        break;
    case Subject::Brighit:
        background(p, QColor(60, 100, 60));
        flame(p, QPointF(50, 82), 60, QColor(240, 110, 30), QColor(255, 230, 120));
        break;
    case Subject::Caridwen:
        background(p, QColor(60, 40, 80));
        cauldron(p, QColor(50, 50, 50), QColor(90, 200, 120));
        pen(p, Gold.darker(110), 1, Gold);
        for (const QPointF& drop : {QPointF(40, 30), QPointF(50, 22), QPointF(60, 30)}) {
            p.drawEllipse(drop, 3, 4.5);
        }
        break;
    case Subject::Danu:
        background(p, QColor(40, 110, 110));
        pen(p, QColor(60, 110, 40), 2, QColor(90, 160, 60));
        p.drawPie(QRectF(18, 28, 64, 44), 0, 180 * 16);
        wave(p, 62, QColor(180, 230, 255));
        wave(p, 74, QColor(180, 230, 255));
        break;
    case Subject::Epona:
        background(p, QColor(150, 110, 60));
        pen(p, QColor(90, 90, 95), 9);
        p.drawArc(QRectF(26, 22, 48, 56), -20 * 16, 220 * 16);
        pen(p, Ink, 1, Ink);
        for (int nail = 0; nail < 6; ++nail) {
            const qreal angle = qDegreesToRadians(-10.0 + nail * 40.0);
            p.drawEllipse(QPointF(50 + 24 * qCos(angle), 50 - 28 * qSin(angle)), 1.5, 1.5);
        }
        break;
    case Subject::WheelOfTheYear:
        background(p, QColor(0, 90, 90));
        pen(p, Gold, 3);
        p.drawEllipse(QPointF(50, 50), 34, 34);
        p.drawEllipse(QPointF(50, 50), 8, 8);
        for (int spoke = 0; spoke < 8; ++spoke) {
            const qreal angle = qDegreesToRadians(spoke * 45.0);
            const QPointF direction(qCos(angle), qSin(angle));
            p.drawLine(QPointF(50, 50) + direction * 8, QPointF(50, 50) + direction * 34);
            // Alternate suns and moons for the solar and the fire festivals.
            const QPointF at = QPointF(50, 50) + direction * 41;
            if (spoke % 2 == 0) {
                pen(p, Gold.darker(120), 1, QColor(255, 215, 80));
                p.drawEllipse(at, 4, 4);
            } else {
                pen(p, Silver, 1, Silver);
                p.drawEllipse(at, 3.5, 3.5);
            }
            pen(p, Gold, 3);
        }
        break;
    }
}

} // namespace

QImage Draw(Subject subject, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (size.isEmpty()) {
        return image;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    painter.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
    painter.scale(side / Canvas, side / Canvas);
    drawSubject(painter, subject);
    return image;
}

} // namespace PaganPictures
