#include "calendar/WheelOfTheYear.h"

#include "calendar/SkyPositions.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace WheelOfTheYear {

namespace {

const std::array<QString, 8> FestivalNames = {
    QStringLiteral("Yule"),  QStringLiteral("Imbolc"),     QStringLiteral("Ostara"), QStringLiteral("Beltane"),
    QStringLiteral("Litha"), QStringLiteral("Lughnasadh"), QStringLiteral("Mabon"),  QStringLiteral("Samhain"),
};

// The full moons' names by the month they fall in, in the north; the south gives each the name of the month half
// a year on, with its seasons.
constexpr std::array<const char*, 12> MoonNames = {
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Wolf Moon"),   QT_TRANSLATE_NOOP("WheelOfTheYear", "Snow Moon"),
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Worm Moon"),   QT_TRANSLATE_NOOP("WheelOfTheYear", "Pink Moon"),
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Flower Moon"), QT_TRANSLATE_NOOP("WheelOfTheYear", "Strawberry Moon"),
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Buck Moon"),   QT_TRANSLATE_NOOP("WheelOfTheYear", "Sturgeon Moon"),
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Corn Moon"),   QT_TRANSLATE_NOOP("WheelOfTheYear", "Hunter's Moon"),
    QT_TRANSLATE_NOOP("WheelOfTheYear", "Beaver Moon"), QT_TRANSLATE_NOOP("WheelOfTheYear", "Cold Moon"),
};
constexpr const char* HarvestMoon = QT_TRANSLATE_NOOP("WheelOfTheYear", "Harvest Moon");
constexpr const char* HuntersMoon = QT_TRANSLATE_NOOP("WheelOfTheYear", "Hunter's Moon");

struct Words {
    Q_DECLARE_TR_FUNCTIONS(WheelOfTheYear)
};

struct Tradition {
    Festival festival;
    int month;
    int day;
    int days;
};
// The cross-quarter festivals on their traditional dates in the north.
constexpr std::array<Tradition, 4> NorthernTraditions = {{
    {Festival::Imbolc, 2, 1, 2},
    {Festival::Beltane, 5, 1, 1},
    {Festival::Lughnasadh, 8, 1, 1},
    {Festival::Samhain, 10, 31, 1},
}};

QString hemisphereKey(Hemisphere hemisphere) {
    return hemisphere == Hemisphere::North ? QStringLiteral("north") : QStringLiteral("south");
}

QString solarAbout(int longitude) {
    switch (longitude) {
    case 0:
        return Words::tr("March equinox, sun at %1°").arg(longitude);
    case 90:
        return Words::tr("June solstice, sun at %1°").arg(longitude);
    case 180:
        return Words::tr("September equinox, sun at %1°").arg(longitude);
    case 270:
        return Words::tr("December solstice, sun at %1°").arg(longitude);
    default:
        return Words::tr("sun at %1°").arg(longitude);
    }
}

// The traditional date of the year in a hemisphere: the south keeps each half a year after the north.
QDate traditionalDate(int year, int month, int day, Hemisphere hemisphere) {
    const QDate north(year, month, day);
    if (hemisphere == Hemisphere::North) {
        return north;
    }
    const QDate later = north.addMonths(6);
    return {year, later.month(), later.day()};
}

QDateTime startOf(const WheelEvent& event, const QTimeZone& zone) {
    // A day's first moment, which is not midnight where the clocks skip it.
    return event.instant.isValid() ? event.instant : event.firstDay.startOfDay(zone).toUTC();
}

void nameFullMoons(QList<WheelEvent>& events, Hemisphere hemisphere) {
    const int autumnEquinox = hemisphere == Hemisphere::North ? 180 : 0;
    const auto equinox = std::find_if(events.cbegin(), events.cend(), [&](const WheelEvent& e) {
        return e.kind == EventKind::SolarPoint && e.longitude == autumnEquinox;
    });
    WheelEvent* harvest = nullptr;
    for (WheelEvent& event : events) {
        if (event.kind == EventKind::FullMoon &&
            (!harvest ||
             std::abs(event.instant.secsTo(equinox->instant)) < std::abs(harvest->instant.secsTo(equinox->instant)))) {
            harvest = &event;
        }
    }
    const int shift = hemisphere == Hemisphere::North ? 0 : 6;
    QDate previous;
    bool afterHarvest = false;
    for (WheelEvent& event : events) {
        if (event.kind != EventKind::FullMoon) {
            continue;
        }
        const bool secondInMonth = previous.isValid() && previous.year() == event.firstDay.year() &&
                                   previous.month() == event.firstDay.month();
        if (&event == harvest) {
            event.name = Words::tr(HarvestMoon);
        } else if (afterHarvest) {
            event.name = Words::tr(HuntersMoon);
        } else {
            event.name = Words::tr(MoonNames[(event.firstDay.month() - 1 + shift) % 12]);
        }
        // A blue moon keeps its month's name too: the calendars that name the moons drop the mark, and those
        // that mark blue moons drop the name.
        if (secondInMonth) {
            event.name = Words::tr("%1 (Blue Moon)").arg(event.name);
        }
        afterHarvest = &event == harvest;
        previous = event.firstDay;
    }
}

} // namespace

QString FestivalName(Festival festival) {
    return FestivalNames[static_cast<int>(festival)];
}

Festival FestivalAtLongitude(int longitude, Hemisphere hemisphere) {
    // Yule, the first spoke, stands at the December solstice in the north and at the June solstice in the south.
    const int fromYule = (longitude - (hemisphere == Hemisphere::North ? 270 : 90) + 720) % 360;
    return static_cast<Festival>(fromYule / 45);
}

int LongitudeOf(Festival festival, Hemisphere hemisphere) {
    return (static_cast<int>(festival) * 45 + (hemisphere == Hemisphere::North ? 270 : 90)) % 360;
}

QDateTime ToSecond(const QDateTime& instant) {
    const qint64 second = 1000;
    const qint64 ms = instant.toMSecsSinceEpoch();
    // Floor division, so that instants before 1970 round the same way as later ones.
    const qint64 shifted = ms + second / 2;
    const qint64 floored = shifted >= 0 ? shifted / second : (shifted - second + 1) / second;
    return QDateTime::fromMSecsSinceEpoch(floored * second, Qt::UTC);
}

double SunLongitudeOn(const QDate& day, const QTimeZone& zone) {
    return SkyPositions::SunLongitude(SkyPositions::JulianDay(QDateTime(day, QTime(12, 0), zone)));
}

QDateTime YearStart(int year, const QTimeZone& zone) {
    return QDate(year, 1, 1).startOfDay(zone).toUTC();
}

namespace {

// The year with the moons given, those of its local year.
WheelYear assemble(int year, const QTimeZone& zone, Hemisphere hemisphere,
                   const QList<SkyPositions::LunarPhase>& phases) {
    WheelYear wheel;
    wheel.year = year;
    wheel.zone = zone;
    wheel.hemisphere = hemisphere;
    const QString hemisphereText = hemisphereKey(hemisphere);
    const auto local = [&](const QDateTime& instant) { return instant.toTimeZone(zone).date(); };

    for (int longitude = 0; longitude < 360; longitude += 45) {
        WheelEvent event;
        event.kind = EventKind::SolarPoint;
        event.instant = ToSecond(SkyPositions::SunReaches(year, longitude));
        event.firstDay = event.lastDay = local(event.instant);
        event.longitude = longitude;
        event.festival = FestivalAtLongitude(longitude, hemisphere);
        event.name = FestivalName(event.festival);
        event.about = solarAbout(longitude);
        event.uid = QStringLiteral("wheel-%1-%2-sun-%3@velloran")
                        .arg(hemisphereText, QString::number(year), QString::number(longitude));
        wheel.events.append(event);
    }

    for (const Tradition& tradition : NorthernTraditions) {
        WheelEvent event;
        event.kind = EventKind::TraditionalDay;
        event.festival = tradition.festival;
        event.firstDay = traditionalDate(year, tradition.month, tradition.day, hemisphere);
        event.lastDay = event.firstDay.addDays(tradition.days - 1);
        event.name = FestivalName(event.festival);
        event.about = Words::tr("traditional date");
        event.uid = QStringLiteral("wheel-%1-%2-%3-traditional@velloran")
                        .arg(hemisphereText, QString::number(year), event.name.toLower());
        wheel.events.append(event);
    }

    for (const SkyPositions::LunarPhase& phase : phases) {
        WheelEvent event;
        event.kind = phase.full ? EventKind::FullMoon : EventKind::NewMoon;
        event.instant = ToSecond(phase.instant);
        event.firstDay = event.lastDay = local(event.instant);
        event.name = Words::tr("New Moon");
        event.about = phase.full ? Words::tr("full moon") : Words::tr("new moon");
        event.uid =
            QStringLiteral("moon-%1-%2@velloran")
                .arg(phase.full ? QStringLiteral("full") : QStringLiteral("new"), QString::number(phase.lunation));
        wheel.events.append(event);
    }

    // Each event's start once: placing a date in a time zone is costly enough to show in a sort's comparisons.
    std::vector<std::pair<qint64, WheelEvent>> byStart;
    byStart.reserve(wheel.events.size());
    for (WheelEvent& event : wheel.events) {
        byStart.emplace_back(startOf(event, zone).toMSecsSinceEpoch(), std::move(event));
    }
    std::stable_sort(byStart.begin(), byStart.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    wheel.events.clear();
    for (auto& [start, event] : byStart) {
        wheel.events.append(std::move(event));
    }
    nameFullMoons(wheel.events, hemisphere);
    return wheel;
}

} // namespace

WheelYear Compute(int year, const QTimeZone& zone, Hemisphere hemisphere) {
    return assemble(year, zone, hemisphere,
                    SkyPositions::LunarPhases(YearStart(year, zone), YearStart(year + 1, zone)));
}

QList<WheelYear> ComputeYears(int first, int last, const QTimeZone& zone, Hemisphere hemisphere) {
    // The moons of the whole span in one search: the sun's track and the phases at the years' ends are not made
    // twice, a seventh of the work of an export of the whole range.
    const QList<SkyPositions::LunarPhase> phases =
        SkyPositions::LunarPhases(YearStart(first, zone), YearStart(last + 1, zone));
    QList<WheelYear> years;
    auto next = phases.cbegin();
    for (int year = first; year <= last; ++year) {
        const QDateTime end = YearStart(year + 1, zone);
        const auto after = std::find_if(next, phases.cend(), [&](const auto& phase) { return phase.instant >= end; });
        years.append(assemble(year, zone, hemisphere, QList<SkyPositions::LunarPhase>(next, after)));
        next = after;
    }
    return years;
}

} // namespace WheelOfTheYear
