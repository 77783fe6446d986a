#include "calendar/SkyPositions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <erfa.h>
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif
#include <libnova/lunar.h>
#include <libnova/solar.h>
#include <vector>

namespace SkyPositions {

namespace {

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double MillisecondsPerDay = 86400000.0;
constexpr double SecondsPerDay = 86400.0;
constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525.0;
constexpr double Pi = 3.14159265358979323846;
constexpr double DegreesPerRadian = 180.0 / Pi;
constexpr double RadiansPerDegree = Pi / 180.0;
// Truncation of libnova's lunar series, in radians: within 3.5" of the whole series (some six seconds of a phase)
// at a thirtieth of its cost; 5e-6 strays by 9", 1e-7 costs a third more.
constexpr double LunarSeriesPrecision = 1e-6;
// The sun's annual aberration at one astronomical unit, light time included, in degrees.
constexpr double SolarAberrationDegrees = 20.4898 / 3600.0;
// The moon is seen where it was 1.28 s before (384,400 km away): about 0.7" behind, a second of a phase. Its
// distance changes that by a twentieth at most.
constexpr double LunarLightTimeDays = 384400.0 / 299792.458 / SecondsPerDay;

// The mean new moon of 6 January 2000 (Julian ephemeris day), where lunation 0 begins, and the mean month.
constexpr double FirstMeanNewMoon = 2451550.09766;
constexpr double SynodicMonth = 29.530588861;

// A root is good enough once its error is under half a second.
constexpr double ToleranceDays = 0.5 / SecondsPerDay;
// How far a first estimate's rate may be from the true one, as a fraction, and half the second derivative over
// the first of each function, bounded: together they say when one more position is needed.
constexpr double SunRateError = 5e-4;
constexpr double SunCurvature = 1e-3;
constexpr double PhaseRateError = 2e-3;
constexpr double ElongationCurvature = 0.02;

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

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}
#endif

// Qt's time zone code, which runs between the searches, leaves the upper halves of the vector registers in use;
// every SSE instruction of libnova's series then waits on them, four times slower on the AVX-512 processors of
// today's servers (measured: 150 against 620 microseconds a sun and a moon). One VZEROUPPER before each position
// clears them.
void clearVectorState() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) {
        zeroUpperHalves();
    }
#endif
}

using Matrix = double[3][3];

// libnova gives the sun (VSOP87) and the moon (ELP 2000-82B) on the mean ecliptic and equinox of J2000. ERFA
// carries them to the mean ecliptic and equinox of date by the IAU 2006 precession (with the frame bias, by way of
// the ICRS): within 0.08" of a rigorous apparent place from end to end of 1800-2200, where libnova's own
// precession strays by up to 5" (two minutes of the sun) at the ends.
struct EclipticOfDate {
    explicit EclipticOfDate(double ephemerisDay) {
        static const auto fromJ2000 = [] {
            std::array<std::array<double, 3>, 3> m{};
            Matrix ecliptic;
            eraEcm06(J2000, 0.0, ecliptic);
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    m[i][j] = ecliptic[j][i];
                }
            }
            return m;
        }();
        Matrix ofDate;
        eraEcm06(ephemerisDay, 0.0, ofDate);
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                matrix[i][j] =
                    ofDate[i][0] * fromJ2000[0][j] + ofDate[i][1] * fromJ2000[1][j] + ofDate[i][2] * fromJ2000[2][j];
            }
        }
    }

    // The longitude of date, in degrees, of a direction given on the ecliptic of J2000.
    double longitude(double x, double y, double z) const {
        const double xd = matrix[0][0] * x + matrix[0][1] * y + matrix[0][2] * z;
        const double yd = matrix[1][0] * x + matrix[1][1] * y + matrix[1][2] * z;
        return std::atan2(yd, xd) * DegreesPerRadian;
    }

    double matrix[3][3]{};
};

// Nutation in longitude, in degrees. IAU 2000B: within 4 milliarcseconds (a tenth of a second of the sun) of the
// full 2000A series from 1800 to 2200, at a thirtieth of its cost. It moves both bodies alike, so a phase never
// needs it.
double nutationInLongitude(double ephemerisDay) {
    double longitude = 0.0;
    double obliquity = 0.0;
    eraNut00b(ephemerisDay, 0.0, &longitude, &obliquity);
    return longitude * DegreesPerRadian;
}

// The sun's apparent longitude on the mean ecliptic of date from the mean equinox (nutation left out).
double sunAt(double ephemerisDay) {
    clearVectorState();
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(ephemerisDay, &sun);
    const double l = sun.L * RadiansPerDegree;
    const double b = sun.B * RadiansPerDegree;
    const double longitude =
        EclipticOfDate(ephemerisDay).longitude(std::cos(b) * std::cos(l), std::cos(b) * std::sin(l), std::sin(b));
    return longitude - SolarAberrationDegrees / sun.R;
}

// The moon's, the same way.
double moonAt(double ephemerisDay) {
    clearVectorState();
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(ephemerisDay - LunarLightTimeDays, &moon, LunarSeriesPrecision);
    return EclipticOfDate(ephemerisDay).longitude(moon.X, moon.Y, moon.Z);
}

double ephemerisDay(double julianDay) {
    return julianDay + DeltaT(julianDay) / SecondsPerDay;
}

double universalDay(double ephemerisDay) {
    // Delta T changes by well under a second a year: one correction is exact enough.
    return ephemerisDay - DeltaT(ephemerisDay - DeltaT(ephemerisDay) / SecondsPerDay) / SecondsPerDay;
}

// Newton's step from a first estimate whose rate is known to a fraction; where that step might miss by more than
// the tolerance, secant steps from there. Each step costs a position, the costliest thing here, so a good
// estimate makes most searches one position.
template <class Offset> double findRoot(Offset offset, double t0, double rate, double rateError, double curvature) {
    double f0 = offset(t0);
    double t1 = t0 - f0 / rate;
    if (std::abs(t1 - t0) * rateError < ToleranceDays) {
        return t1;
    }
    double f1 = offset(t1);
    for (int step = 0; step < 16 && f1 != f0; ++step) {
        const double slope = (f1 - f0) / (t1 - t0);
        const double t2 = t1 - f1 / slope;
        // The secant's error is about the curvature times the product of the last two distances to the new root.
        if (curvature * std::abs((t2 - t1) * (t2 - t0)) < ToleranceDays) {
            return t2;
        }
        t0 = t1;
        f0 = f1;
        t1 = t2;
        f1 = offset(t1);
    }
    return t1;
}

// The sun by the low-precision formulas of Meeus (Astronomical Algorithms, chapter 25): within about 0.01 degree,
// a quarter of an hour of the sun, and its rate within a part in two thousand: where to look, never the answer.
struct RoughSun {
    double longitude; // degrees, apparent
    double rate;      // degrees a day
};

RoughSun roughSun(double ephemerisDay) {
    const double t = (ephemerisDay - J2000) / DaysPerCentury;
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double anomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * RadiansPerDegree;
    const double c1 = 1.914602 - 0.004817 * t - 0.000014 * t * t;
    const double c2 = 0.019993 - 0.000101 * t;
    const double c3 = 0.000289;
    const double node = (125.04 - 1934.136 * t) * RadiansPerDegree;
    const double centre = c1 * std::sin(anomaly) + c2 * std::sin(2.0 * anomaly) + c3 * std::sin(3.0 * anomaly);
    const double anomalyRate = 35999.05029 * RadiansPerDegree / DaysPerCentury;
    const double centreRate = anomalyRate * (c1 * std::cos(anomaly) + 2.0 * c2 * std::cos(2.0 * anomaly) +
                                             3.0 * c3 * std::cos(3.0 * anomaly));
    return {meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node), 36000.76983 / DaysPerCentury + centreRate};
}

// One term of the phases' periodic corrections: an amplitude in days times sin(m M + p M' + f F + o Omega), with
// the eccentricity factor E to a power.
struct PhaseTerm {
    double newMoon;
    double fullMoon;
    int eccentricity;
    int m;
    int mPrime;
    int f;
    int node;
};

// Meeus, chapter 49: the true phase within a few minutes and, by its derivative, the elongation's rate within a
// part in a thousand, enough for one Newton step. The terms under 0.0002 day and all but the largest of the
// planetary ones are left out.
constexpr std::array<PhaseTerm, 15> PhaseTerms = {{
    {-0.40720, -0.40614, 0, 0, 1, 0, 0},
    {0.17241, 0.17302, 1, 1, 0, 0, 0},
    {0.01608, 0.01614, 0, 0, 2, 0, 0},
    {0.01039, 0.01043, 0, 0, 0, 2, 0},
    {0.00739, 0.00734, 1, -1, 1, 0, 0},
    {-0.00514, -0.00515, 1, 1, 1, 0, 0},
    {0.00208, 0.00209, 2, 2, 0, 0, 0},
    {-0.00111, -0.00111, 0, 0, 1, -2, 0},
    {-0.00057, -0.00057, 0, 0, 1, 2, 0},
    {0.00056, 0.00056, 1, 1, 2, 0, 0},
    {-0.00042, -0.00042, 0, 0, 3, 0, 0},
    {0.00042, 0.00042, 1, 1, 0, 2, 0},
    {0.00038, 0.00038, 1, 1, 0, -2, 0},
    {-0.00024, -0.00024, 1, -1, 2, 0, 0},
    {-0.00017, -0.00017, 0, 0, 0, 0, 1},
}};

struct PhaseEstimate {
    double day;  // Julian ephemeris day
    double rate; // the elongation's, degrees a day
};

// The phase `k` lunations after the new moon of 6 January 2000: whole for a new moon, a half more for a full one.
PhaseEstimate estimatePhase(double k) {
    const double t = k / 1236.85;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;
    const double arguments[4] = {
        (2.5534 + 29.10535670 * k - 0.0000014 * t * t) * RadiansPerDegree,
        (201.5643 + 385.81693528 * k + 0.0107582 * t * t) * RadiansPerDegree,
        (160.7108 + 390.67050284 * k - 0.0016118 * t * t) * RadiansPerDegree,
        (124.7746 - 1.56375588 * k + 0.0020672 * t * t) * RadiansPerDegree,
    };
    const double perLunation[4] = {29.10535670 * RadiansPerDegree, 385.81693528 * RadiansPerDegree,
                                   390.67050284 * RadiansPerDegree, -1.56375588 * RadiansPerDegree};
    const bool full = k != std::floor(k);
    double day = FirstMeanNewMoon + SynodicMonth * k + 0.00015437 * t * t;
    double daysPerLunation = SynodicMonth;
    for (const PhaseTerm& term : PhaseTerms) {
        const double amplitude = (full ? term.fullMoon : term.newMoon) * std::pow(e, term.eccentricity);
        const double argument =
            term.m * arguments[0] + term.mPrime * arguments[1] + term.f * arguments[2] + term.node * arguments[3];
        const double argumentRate = term.m * perLunation[0] + term.mPrime * perLunation[1] + term.f * perLunation[2] +
                                    term.node * perLunation[3];
        day += amplitude * std::sin(argument);
        daysPerLunation += amplitude * argumentRate * std::cos(argument);
    }
    // The largest planetary term (0.000325 day).
    day += 0.000325 * std::sin((299.77 + 0.107408 * k - 0.009173 * t * t) * RadiansPerDegree);
    return {day, 360.0 / daysPerLunation};
}

// The sun along a stretch of time as the phases need it: VSOP87 at every mean new moon, and between them the rough
// sun corrected by a cubic through the nearest four differences from it. At a mean new moon the mean elongation
// is nil, so the Earth's monthly swing about the Earth-moon barycentre (6" in the sun's longitude, as the sine of
// that elongation) stays out of the differences, and at a true phase it is under 1"; what is left (the planets'
// pull) bends slowly enough for a month's steps. Half the positions of the sun a year, and every phase of
// 1800-2200 within 10 s of the whole series (bench/README.md).
class SunTrack {
  public:
    SunTrack(qint64 firstLunation, qint64 lastLunation) : firstLunation_(firstLunation) {
        for (qint64 lunation = firstLunation; lunation <= lastLunation; ++lunation) {
            const double day = FirstMeanNewMoon + double(lunation) * SynodicMonth;
            differences_.push_back(wrap180(sunAt(day) - roughSun(day).longitude));
        }
    }

    double longitude(double day) const {
        const double position = (day - FirstMeanNewMoon) / SynodicMonth - double(firstLunation_);
        const int last = int(differences_.size()) - 4;
        const int base = std::clamp(int(std::floor(position)) - 1, 0, std::max(last, 0));
        const double x = position - base;
        const double* d = differences_.data() + base;
        // Lagrange's cubic through the points 0, 1, 2 and 3.
        const double difference = -d[0] * (x - 1.0) * (x - 2.0) * (x - 3.0) / 6.0 +
                                  d[1] * x * (x - 2.0) * (x - 3.0) / 2.0 - d[2] * x * (x - 1.0) * (x - 3.0) / 2.0 +
                                  d[3] * x * (x - 1.0) * (x - 2.0) / 6.0;
        return roughSun(day).longitude + difference;
    }

  private:
    qint64 firstLunation_;
    std::vector<double> differences_;
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
    const double year = 2000.0 + (julianDay - J2000) / 365.2425;
    // 1800-2005: Espenak and Meeus's polynomials (Five Millennium Canon of Solar Eclipses, 2006), fitted to the
    // observed values within about a second.
    if (year < 1860.0) {
        const double t = year - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4) +
               0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (year < 1900.0) {
        const double t = year - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (year < 1920.0) {
        const double t = year - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (year < 1941.0) {
        const double t = year - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (year < 1961.0) {
        const double t = year - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + std::pow(t, 3) / 2547.0;
    }
    if (year < 1986.0) {
        const double t = year - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - std::pow(t, 3) / 718.0;
    }
    if (year < 2005.0) {
        const double t = year - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    // 2005-2025: the values observed at the start of each year (IERS), between them in a straight line.
    static constexpr std::array<double, 21> Observed = {64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32,
                                                        66.60, 66.91, 67.28, 67.64, 68.10, 68.59, 68.97,
                                                        69.22, 69.36, 69.36, 69.29, 69.20, 69.18, 69.15};
    if (year < 2025.0) {
        const auto index = static_cast<int>(year - 2005.0);
        return Observed[index] + (year - 2005.0 - index) * (Observed[index + 1] - Observed[index]);
    }
    // After 2025 no one knows: Morrison and Stephenson's long-term parabola (2004), reached in 2150 by a straight
    // correction from the last observed value, as Espenak and Meeus join their own extrapolation to it.
    const auto parabola = [](double y) {
        const double u = (y - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (year < 2150.0) {
        return parabola(year) - (parabola(2025.0) - Observed.back()) * (2150.0 - year) / 125.0;
    }
    return parabola(year);
}

double SunLongitude(double julianDay) {
    const double day = ephemerisDay(julianDay);
    return wrap360(sunAt(day) + nutationInLongitude(day));
}

double MoonLongitude(double julianDay) {
    const double day = ephemerisDay(julianDay);
    return wrap360(moonAt(day) + nutationInLongitude(day));
}

QDateTime SunReaches(int year, double degrees) {
    // The March equinox falls near the 80th day of the year; from there the sun's mean motion, then the rough
    // sun, point the way.
    const double newYear = JulianDay(QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC));
    const double dayOfYear = std::fmod(79.5 + wrap360(degrees) * 365.2422 / 360.0, 365.2422);
    double guess = ephemerisDay(newYear + dayOfYear);
    RoughSun rough = roughSun(guess);
    for (int step = 0; step < 3; ++step) {
        guess -= wrap180(rough.longitude - degrees) / rough.rate;
        rough = roughSun(guess);
    }
    // Nutation moves by a tenth of an arc second a day at most: taken once, at the estimate, it is exact enough.
    const double nutation = nutationInLongitude(guess);
    const double root = findRoot([&](double day) { return wrap180(sunAt(day) + nutation - degrees); }, guess,
                                 rough.rate, SunRateError, SunCurvature);
    return FromJulianDay(universalDay(root));
}

QList<LunarPhase> LunarPhases(const QDateTime& from, const QDateTime& to) {
    QList<LunarPhase> phases;
    // A true phase lies within about 14 hours of its mean one, and within minutes of its estimate: only those
    // estimated within a day of the span are worth a search.
    const double first = ephemerisDay(JulianDay(from));
    const double last = ephemerisDay(JulianDay(to));
    const auto firstHalf = static_cast<qint64>(std::floor((first - FirstMeanNewMoon) / SynodicMonth * 2.0)) - 1;
    const auto lastHalf = static_cast<qint64>(std::ceil((last - FirstMeanNewMoon) / SynodicMonth * 2.0)) + 1;
    // The lunations from the one before the first phase to the second after the last: the cubic's four points.
    const auto lunationAt = [](double day) {
        return static_cast<qint64>(std::floor((day - FirstMeanNewMoon) / SynodicMonth));
    };
    const SunTrack sun(lunationAt(first - 1.0) - 1, lunationAt(last + 1.0) + 2);
    for (qint64 half = firstHalf; half <= lastHalf; ++half) {
        const bool full = half % 2 != 0;
        const double target = full ? 180.0 : 0.0;
        const PhaseEstimate estimate = estimatePhase(double(half) / 2.0);
        if (estimate.day < first - 1.0 || estimate.day > last + 1.0) {
            continue;
        }
        const double root = findRoot([&](double day) { return wrap180(moonAt(day) - sun.longitude(day) - target); },
                                     estimate.day, estimate.rate, PhaseRateError, ElongationCurvature);
        const QDateTime instant = FromJulianDay(universalDay(root));
        if (instant >= from && instant < to) {
            // Floor division: the full moon before lunation 0 belongs to lunation -1.
            const auto lunation = static_cast<int>(half >= 0 ? half / 2 : (half - 1) / 2);
            phases.append({full, instant, lunation});
        }
    }
    return phases;
}

} // namespace SkyPositions
