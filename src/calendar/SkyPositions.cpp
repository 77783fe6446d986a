#include "calendar/SkyPositions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <libnova/dynamical_time.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/precession.h>
#include <libnova/solar.h>
#include <libnova/transform.h>
#include <vector>

namespace SkyPositions {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double MillisecondsPerDay = 86400000.0;
constexpr double J2000 = 2451545.0;
// Truncation of libnova's lunar series, in radians: ten times finer than the moon moves in a second, yet
// several times cheaper than the whole series.
constexpr double LunarSeriesPrecision = 5e-6;
// libnova's own correction of the sun for aberration (20.4898 arc seconds at one astronomical unit).
constexpr double SolarAberrationDegrees = 20.4898 / 3600.0;

// Mean motions, only to step towards a root; the root itself comes from the positions.
constexpr double SunDegreesPerDay = 360.0 / 365.2422;
constexpr double SynodicMonth = 29.530588861;
constexpr double ElongationDegreesPerDay = 360.0 / SynodicMonth;
// The mean new moon of 6 January 2000 (Julian ephemeris day), where lunation 0 begins.
constexpr double FirstMeanNewMoon = 2451550.09766;

// Half the second derivative over the first of each function, bounded: how fast the secant closes in.
constexpr double SunCurvature = 1e-3;
constexpr double ElongationCurvature = 0.02;
// A root is good enough once its error is under a second: libnova's truncated lunar series alone is uncertain
// by some ten seconds of a phase, and the program shows the minute.
constexpr double ToleranceDays = 1.0 / 86400.0;

double wrap180(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    if (degrees <= -180.0) {
        degrees += 360.0;
    } else if (degrees > 180.0) {
        degrees -= 360.0;
    }
    return degrees;
}

double wrap360(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// libnova gives the sun (VSOP87) and the moon (ELP 2000-82B) on the mean ecliptic and equinox of J2000, and its
// ecliptic precession returns nothing in this version; so the position goes by way of the equator, where its
// precession works, to the ecliptic of date, and nutation makes it apparent.
double ofDate(double longitude, double latitude, double ephemerisDay) {
    ln_lnlat_posn j2000{longitude, latitude};
    ln_equ_posn equatorJ2000{};
    ln_get_equ_from_ecl(&j2000, J2000, &equatorJ2000);
    ln_equ_posn equatorOfDate{};
    ln_get_equ_prec2(&equatorJ2000, J2000, ephemerisDay, &equatorOfDate);
    ln_lnlat_posn eclipticOfDate{};
    ln_get_ecl_from_equ(&equatorOfDate, ephemerisDay, &eclipticOfDate);
    ln_nutation nutation{};
    ln_get_nutation(ephemerisDay, &nutation);
    return eclipticOfDate.lng + nutation.longitude;
}

double sunAt(double ephemerisDay) {
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(ephemerisDay, &sun);
    return wrap360(ofDate(sun.L, sun.B, ephemerisDay) - SolarAberrationDegrees / sun.R);
}

double moonAt(double ephemerisDay) {
    ln_lnlat_posn moon{};
    ln_get_lunar_ecl_coords(ephemerisDay, &moon, LunarSeriesPrecision);
    return wrap360(ofDate(moon.lng, moon.lat, ephemerisDay));
}

double ephemerisDay(double julianDay) {
    return julianDay + DeltaT(julianDay) / 86400.0;
}

double universalDay(double ephemerisDay) {
    // Delta T changes by well under a second a year: one correction is exact enough.
    return ephemerisDay - DeltaT(ephemerisDay - DeltaT(ephemerisDay) / 86400.0) / 86400.0;
}

struct Root {
    double day = 0.0;
    double rate = 0.0; // the offset's last secant slope, degrees a day
};

// Secant search for a root of `offset` (degrees, wrapped to -180..180) that rises at about `rate` degrees a day.
// The secant's error is about `curvature` times the product of the last two distances to the new estimate, so
// the search stops as soon as that is below the tolerance, without one more costly evaluation.
template <class Offset> Root findRoot(Offset offset, double guess, double rate, double curvature) {
    double t0 = guess;
    double f0 = offset(t0);
    double t1 = t0 - f0 / rate;
    if (t1 == t0) {
        return {t0, rate};
    }
    double f1 = offset(t1);
    for (int step = 0; step < 16 && f1 != f0; ++step) {
        const double slope = (f1 - f0) / (t1 - t0);
        const double t2 = t1 - f1 / slope;
        if (curvature * std::abs((t2 - t1) * (t2 - t0)) < ToleranceDays) {
            return {t2, slope};
        }
        t0 = t1;
        f0 = f1;
        t1 = t2;
        f1 = offset(t1);
    }
    return {t1, rate};
}

// The sun's longitude at every mean half lunation of a stretch of time, and between them a parabola through the
// three nearest: the sun's path bends so little over a fortnight that this holds to about an arc second (two
// seconds of a phase), where computing the sun anew at every step of every phase search would double the cost.
class SunTrack {
  public:
    SunTrack(qint64 firstHalf, qint64 lastHalf) : firstHalf_(firstHalf) {
        for (qint64 half = firstHalf; half <= lastHalf; ++half) {
            const double longitude = sunAt(halfDay(half));
            // Unwrapped, so that the parabola never sees the jump from 360 to 0 degrees.
            longitudes_.push_back(longitudes_.empty() ? longitude
                                                      : longitudes_.back() + wrap360(longitude - longitudes_.back()));
        }
    }

    // Unwrapped longitude at an ephemeris day within the track.
    double longitude(double day) const {
        const double position = (day - FirstMeanNewMoon) / HalfMonth - double(firstHalf_);
        const auto middle = std::clamp<qint64>(std::llround(position), 1, qint64(longitudes_.size()) - 2);
        const double x = position - double(middle);
        const double before = longitudes_[middle - 1];
        const double at = longitudes_[middle];
        const double after = longitudes_[middle + 1];
        return at + x * (after - before) / 2.0 + x * x * (after - 2.0 * at + before) / 2.0;
    }

    static double halfDay(qint64 half) { return FirstMeanNewMoon + double(half) * HalfMonth; }

  private:
    static constexpr double HalfMonth = SynodicMonth / 2.0;
    qint64 firstHalf_;
    std::vector<double> longitudes_;
};

// How far the last new moons (or full moons) fell from their mean times, and how fast the elongation grew at
// them. The moon's uneven motion changes both slowly from one month to the next, so curves through the last few
// guess the next phase within an hour or so and its rate within a few per cent, where the mean phase is up to 14
// hours away: most searches then need two lunar positions, the costliest step, instead of three or four.
class PhaseHistory {
  public:
    double nextOffset() const {
        switch (known_) {
        case 0:
            return 0.0;
        case 1:
            return offsets_[2];
        case 2:
            return 2.0 * offsets_[2] - offsets_[1];
        default:
            return 3.0 * offsets_[2] - 3.0 * offsets_[1] + offsets_[0];
        }
    }

    double nextRate() const {
        switch (known_) {
        case 0:
            return ElongationDegreesPerDay;
        case 1:
            return rates_[1];
        default:
            return 2.0 * rates_[1] - rates_[0];
        }
    }

    void add(double offset, double rate) {
        offsets_ = {offsets_[1], offsets_[2], offset};
        rates_ = {rates_[1], rate};
        known_ = std::min(known_ + 1, 3);
    }

  private:
    std::array<double, 3> offsets_{};
    std::array<double, 2> rates_{};
    int known_ = 0;
};

} // namespace

double JulianDay(const QDateTime& utc) {
    return UnixEpochJulianDay + double(utc.toMSecsSinceEpoch()) / MillisecondsPerDay;
}

QDateTime FromJulianDay(double julianDay) {
    const auto ms = static_cast<qint64>(std::llround((julianDay - UnixEpochJulianDay) * MillisecondsPerDay));
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

double DeltaT(double julianDay) {
    // libnova's table holds observed values up to 2010 and then jumps by 45 seconds to an extrapolation that runs
    // a minute ahead of the real clock by the 2020s. From 2010 on, Espenak and Meeus's expressions (Five
    // Millennium Canon of Solar Eclipses, 2006) keep within a few seconds of what has been observed since.
    const double year = 2000.0 + (julianDay - J2000) / 365.2425;
    if (year < 2010.0) {
        return ln_get_dynamical_time_diff(julianDay);
    }
    if (year < 2050.0) {
        const double t = year - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820.0) / 100.0;
    if (year < 2150.0) {
        return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - year);
    }
    return -20.0 + 32.0 * u * u;
}

double SunLongitude(double julianDay) {
    return sunAt(ephemerisDay(julianDay));
}

double MoonLongitude(double julianDay) {
    return moonAt(ephemerisDay(julianDay));
}

QDateTime SunReaches(int year, double degrees) {
    // The March equinox falls near the 80th day of the year; from there the sun's mean motion points the way.
    const double newYear = JulianDay(QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC));
    const double dayOfYear = std::fmod(79.5 + wrap360(degrees) / SunDegreesPerDay, 365.2422);
    const double guess = ephemerisDay(newYear + dayOfYear);
    const Root root = findRoot([degrees](double day) { return wrap180(sunAt(day) - degrees); }, guess, SunDegreesPerDay,
                               SunCurvature);
    return FromJulianDay(universalDay(root.day));
}

QList<LunarPhase> LunarPhases(const QDateTime& from, const QDateTime& to) {
    QList<LunarPhase> phases;
    const double first = ephemerisDay(JulianDay(from));
    const double last = ephemerisDay(JulianDay(to));
    // Half lunations from one before the start to one after the end: a true phase lies within about 14 hours of
    // its mean one, and the sun's track needs a mean phase on either side of every search.
    const double halfMonth = SynodicMonth / 2.0;
    const auto firstHalf = static_cast<qint64>(std::floor((first - FirstMeanNewMoon) / halfMonth)) - 1;
    const auto lastHalf = static_cast<qint64>(std::ceil((last - FirstMeanNewMoon) / halfMonth)) + 1;
    const SunTrack sun(firstHalf - 1, lastHalf + 1);
    std::array<PhaseHistory, 2> history{}; // new moons, full moons
    for (qint64 half = firstHalf; half <= lastHalf; ++half) {
        const bool full = half % 2 != 0;
        const double target = full ? 180.0 : 0.0;
        const double mean = SunTrack::halfDay(half);
        PhaseHistory& past = history[full];
        const Root root = findRoot([&](double day) { return wrap180(moonAt(day) - sun.longitude(day) - target); },
                                   mean + past.nextOffset(), past.nextRate(), ElongationCurvature);
        past.add(root.day - mean, root.rate);
        const QDateTime instant = FromJulianDay(universalDay(root.day));
        if (instant >= from && instant < to) {
            // Floor division: the full moon before lunation 0 belongs to lunation -1.
            const auto lunation = static_cast<int>(half >= 0 ? half / 2 : (half - 1) / 2);
            phases.append({full, instant, lunation});
        }
    }
    return phases;
}

} // namespace SkyPositions
