// How far the wheel of the year's instants lie from a modern ephemeris, for every year of its range and in both
// hemispheres: what the window shows and exports (WheelOfTheYear::Compute) against roots found anew, to a
// millisecond, on VSOP87 and the whole ELP 2000-82B series carried to the equinox of date by the full IAU 2006
// precession and IAU 2000A nutation. The sun is checked once more against ERFA's own Earth (eraEpv00, a fit to
// JPL's DE405 that shares nothing with VSOP87), placed rigorously: light time, aberration by the Earth's velocity,
// the precession-nutation matrix and the true obliquity. All in Terrestrial Time, so that no model of Delta T
// enters the comparison.
//
//   wheel_accuracy [first last]            the worst error over the years (default 1800 2200)
//   wheel_accuracy --reference YEAR...     the reference instants of those years, as the tests keep them
#include "calendar/SkyPositions.h"
#include "calendar/WheelOfTheYear.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <erfa.h>
#include <erfam.h>
#include <libnova/lunar.h>
#include <libnova/solar.h>

using namespace WheelOfTheYear;

namespace {

constexpr double J2000 = 2451545.0;
constexpr double DegreesPerRadian = 180.0 / ERFA_DPI;

double wrap180(double degrees) {
    return std::remainder(degrees, 360.0);
}

// Ecliptic longitude of date, degrees, of a vector on the ecliptic of J2000 (libnova's frame), plus nutation.
double ofDate(double v[3], double tt) {
    double toJ2000[3][3];
    double toDate[3][3];
    eraEcm06(J2000, 0.0, toJ2000);
    eraEcm06(tt, 0.0, toDate);
    double icrs[3];
    double date[3];
    eraTrxp(toJ2000, v, icrs);
    eraRxp(toDate, icrs, date);
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut06a(tt, 0.0, &dpsi, &deps);
    return (std::atan2(date[1], date[0]) + dpsi) * DegreesPerRadian;
}

double vsopSun(double tt) {
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(tt, &sun);
    double v[3];
    eraS2c(sun.L / DegreesPerRadian, sun.B / DegreesPerRadian, v);
    return ofDate(v, tt) - 20.4898 / 3600.0 / sun.R;
}

// The sun from eraEpv00, rigorously.
double erfaSun(double tt) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(tt, 0.0, heliocentric, barycentric);
    double sun[3];
    double sunVelocity[3];
    for (int i = 0; i < 3; ++i) {
        sun[i] = barycentric[0][i] - heliocentric[0][i];
        sunVelocity[i] = barycentric[1][i] - heliocentric[1][i];
    }
    const double lightTime = eraPm(heliocentric[0]) * ERFA_AULT / ERFA_DAYSEC;
    double seen[3];
    for (int i = 0; i < 3; ++i) {
        seen[i] = sun[i] - sunVelocity[i] * lightTime - barycentric[0][i];
    }
    double distance = 0.0;
    double direction[3];
    eraPn(seen, &distance, direction);
    double velocity[3];
    for (int i = 0; i < 3; ++i) {
        velocity[i] = barycentric[1][i] * ERFA_AULT / ERFA_DAYSEC;
    }
    double aberrated[3];
    eraAb(direction, velocity, distance, std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity)), aberrated);
    double npb[3][3];
    eraPnm06a(tt, 0.0, npb);
    double trueEquator[3];
    eraRxp(npb, aberrated, trueEquator);
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut06a(tt, 0.0, &dpsi, &deps);
    double toEcliptic[3][3];
    eraIr(toEcliptic);
    eraRx(eraObl06(tt, 0.0) + deps, toEcliptic);
    double ecliptic[3];
    eraRxp(toEcliptic, trueEquator, ecliptic);
    return std::atan2(ecliptic[1], ecliptic[0]) * DegreesPerRadian;
}

// The moon from the whole series, seen where it was one light time before.
double elpMoon(double tt) {
    ln_rect_posn near{};
    ln_get_lunar_geo_posn(tt, &near, 1e-4);
    const double lightTime = std::sqrt(near.X * near.X + near.Y * near.Y + near.Z * near.Z) / 299792.458 / 86400.0;
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(tt - lightTime, &moon, 0.0);
    double v[3] = {moon.X, moon.Y, moon.Z};
    return ofDate(v, tt);
}

// Secant search to a millisecond from an estimate within a few minutes.
template <class Offset> double root(Offset offset, double t0) {
    double t1 = t0 + 60.0 / 86400.0;
    double f0 = offset(t0);
    double f1 = offset(t1);
    for (int step = 0; step < 30 && std::abs(t1 - t0) > 1e-3 / 86400.0; ++step) {
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        f1 = offset(t1);
    }
    return t1;
}

double terrestrial(const QDateTime& utc) {
    const double jd = SkyPositions::JulianDay(utc);
    return jd + SkyPositions::DeltaT(jd) / 86400.0;
}

QString ttText(double tt) {
    return SkyPositions::FromJulianDay(tt).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}

const char* solarName(int longitude) {
    static const char* const names[] = {"march-equinox",     "beltane-point", "june-solstice",     "lughnasadh-point",
                                        "september-equinox", "samhain-point", "december-solstice", "imbolc-point"};
    return names[longitude / 45];
}

struct Worst {
    double seconds = 0.0;
    QString where;
    double sum = 0.0;
    int count = 0;
    int over30 = 0;
    void add(double error, const QString& what) {
        sum += std::abs(error);
        ++count;
        over30 += std::abs(error) > 30.0 ? 1 : 0;
        if (std::abs(error) > std::abs(seconds)) {
            seconds = error;
            where = what;
        }
    }
    void print(const char* title) const {
        std::printf("%-44s worst %+7.2f s (%s), mean |error| %.2f s, %d of %d over 30 s\n", title, seconds,
                    qPrintable(where), count ? sum / count : 0.0, over30, count);
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (!args.isEmpty() && args.first() == QLatin1String("--reference")) {
        std::printf("event,tt\n");
        for (const QString& yearText : args.mid(1)) {
            const WheelYear wheel = Compute(yearText.toInt(), QTimeZone::utc(), Hemisphere::North);
            for (const WheelEvent& event : wheel.events) {
                const double start = terrestrial(event.instant);
                if (event.kind == EventKind::SolarPoint) {
                    const double tt = root([&](double t) { return wrap180(erfaSun(t) - event.longitude); }, start);
                    std::printf("%s,%s\n", solarName(event.longitude), qPrintable(ttText(tt)));
                } else if (event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon) {
                    const bool full = event.kind == EventKind::FullMoon;
                    const double tt =
                        root([&](double t) { return wrap180(elpMoon(t) - vsopSun(t) - (full ? 180.0 : 0.0)); }, start);
                    std::printf("%s,%s\n", full ? "full-moon" : "new-moon", qPrintable(ttText(tt)));
                }
            }
        }
        return 0;
    }

    const int first = args.size() >= 2 ? args[0].toInt() : FirstYear;
    const int last = args.size() >= 2 ? args[1].toInt() : LastYear;
    Worst solar;
    Worst independent;
    Worst phases;
    for (int year = first; year <= last; ++year) {
        for (Hemisphere hemisphere : {Hemisphere::North, Hemisphere::South}) {
            const WheelYear wheel = Compute(year, QTimeZone::utc(), hemisphere);
            for (const WheelEvent& event : wheel.events) {
                const double computed = terrestrial(event.instant);
                const QString what = event.instant.toString(Qt::ISODate) + QLatin1Char(' ') + event.about;
                if (event.kind == EventKind::SolarPoint) {
                    const double reference =
                        root([&](double t) { return wrap180(vsopSun(t) - event.longitude); }, computed);
                    solar.add((computed - reference) * 86400.0, what);
                    if (hemisphere == Hemisphere::North) {
                        const double other =
                            root([&](double t) { return wrap180(erfaSun(t) - event.longitude); }, reference);
                        independent.add((reference - other) * 86400.0, what);
                    }
                } else if (event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon) {
                    const double target = event.kind == EventKind::FullMoon ? 180.0 : 0.0;
                    const double reference =
                        root([&](double t) { return wrap180(elpMoon(t) - vsopSun(t) - target); }, computed);
                    phases.add((computed - reference) * 86400.0, what);
                }
            }
        }
        if ((year - first) % 25 == 24) {
            std::fprintf(stderr, "%d done\n", year);
        }
    }
    std::printf("years %d-%d, both hemispheres, Terrestrial Time\n", first, last);
    solar.print("solar points, program - VSOP87+IAU2006/2000A");
    phases.print("moon phases, program - ELP+VSOP87+IAU2006/2000A");
    independent.print("sun: VSOP87 reference - eraEpv00 rigorous");
    return 0;
}
