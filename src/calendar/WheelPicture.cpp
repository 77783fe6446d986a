#include "calendar/WheelPicture.h"

#include "ui/Look.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QtMath>

namespace {

const QColor Gold(230, 190, 60);
const QColor Silver(210, 215, 225);
const QColor Ember(235, 120, 50);
const QColor TodayColour(255, 90, 90);

// Clockwise from the top, where Yule stands.
qreal wheelAngle(double longitude, WheelOfTheYear::Hemisphere hemisphere) {
    return longitude - WheelOfTheYear::LongitudeOf(WheelOfTheYear::Festival::Yule, hemisphere);
}

QPointF onWheel(const QPointF& centre, qreal radius, qreal angle) {
    const qreal radians = qDegreesToRadians(angle);
    return centre + QPointF(radius * qSin(radians), -radius * qCos(radians));
}

void centredText(QPainter& p, const QPointF& at, const QString& text) {
    const QRectF box(at.x() - 60, at.y() - 12, 120, 24);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

WheelPicture::WheelPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(300, 300);
}

void WheelPicture::setData(const WheelPictureData& data) {
    data_ = data;
    update();
}

void WheelPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Draw(painter, rect(), data_);
}

void WheelPicture::Draw(QPainter& p, const QRectF& area, const WheelPictureData& data) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(area.width(), area.height());
    const QPointF c = area.center();
    const qreal rim = side * 0.48;
    const qreal monthRing = side * 0.40;
    const qreal moonRing = side * 0.365;
    const qreal labelRing = side * 0.285;
    const qreal hub = side * 0.075;
    const auto angle = [&](double longitude) { return wheelAngle(longitude, data.hemisphere); };

    QRadialGradient glow(c, rim);
    glow.setColorAt(0, QColor(0, 110, 110));
    glow.setColorAt(1, QColor(0, 45, 45));
    p.setPen(QPen(Gold, side / 120.0));
    p.setBrush(glow);
    p.drawEllipse(c, rim, rim);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold.darker(130), side / 300.0));
    p.drawEllipse(c, monthRing, monthRing);

    // The months between the rim and the inner ring, each from the sun's place on its first day.
    QFont small = Look::Verdana(qMax(6.0, side / 55.0));
    p.setFont(small);
    const QLocale locale;
    for (int month = 0; month < 12; ++month) {
        const double start = data.monthStarts[month];
        double end = data.monthStarts[month + 1];
        if (end < start) {
            end += 360.0;
        }
        p.setPen(QPen(Gold.darker(130), side / 300.0));
        p.drawLine(onWheel(c, monthRing, angle(start)), onWheel(c, rim, angle(start)));
        p.setPen(Silver);
        centredText(p, onWheel(c, (rim + monthRing) / 2.0, angle((start + end) / 2.0)),
                    locale.standaloneMonthName(month + 1, QLocale::ShortFormat));
    }

    // The eight spokes, each ending in its festival: suns for the solstices and equinoxes, fires between them.
    QFont labels = Look::Verdana(qMax(6.5, side / 45.0), true);
    for (int spoke = 0; spoke < 8; ++spoke) {
        const auto festival = static_cast<WheelOfTheYear::Festival>(spoke);
        const qreal a = spoke * 45.0;
        p.setPen(QPen(Gold, side / 150.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(onWheel(c, hub, a), onWheel(c, monthRing, a));
        const bool solar = spoke % 2 == 0;
        p.setPen(QPen(Gold.darker(140), 1));
        p.setBrush(solar ? QColor(255, 215, 80) : Ember);
        p.drawEllipse(onWheel(c, monthRing, a), side / 55.0, side / 55.0);
        p.setBrush(Qt::NoBrush);
        p.setPen(Qt::white);
        p.setFont(labels);
        centredText(p, onWheel(c, labelRing, a), WheelOfTheYear::FestivalName(festival));
    }

    // The moons of the year on their own ring: full ones bright, new ones dark.
    for (const WheelPictureData::Moon& moon : data.moons) {
        p.setPen(QPen(Silver, 1));
        p.setBrush(moon.full ? Silver : QColor(20, 30, 40));
        p.drawEllipse(onWheel(c, moonRing, angle(moon.longitude)), side / 110.0, side / 110.0);
    }

    if (data.today) {
        const qreal a = angle(*data.today);
        p.setPen(QPen(TodayColour, side / 160.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(onWheel(c, hub, a), onWheel(c, rim, a));
        p.setBrush(TodayColour);
        p.drawEllipse(onWheel(c, rim, a), side / 70.0, side / 70.0);
        p.setBrush(Qt::NoBrush);
        p.setFont(small);
        // Near the hub, where no festival's name stands.
        p.setPen(TodayColour);
        centredText(p, onWheel(c, hub + side * 0.07, a), QCoreApplication::translate("WheelPicture", "Today"));
    }

    p.setPen(QPen(Gold, side / 150.0));
    p.setBrush(QColor(0, 64, 64));
    p.drawEllipse(c, hub, hub);
    p.setPen(Qt::white);
    p.setFont(Look::Verdana(qMax(7.0, side / 40.0), true));
    centredText(p, c, QString::number(data.year));
    p.restore();
}
