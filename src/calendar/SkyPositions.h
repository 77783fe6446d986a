#pragma once

#include <QDateTime>
#include <QList>

// The sun and the moon as the wheel of the year needs them: their apparent geocentric ecliptic longitudes of
// date, from libnova's series (VSOP87, ELP 2000-82B) carried to the equinox of date by ERFA (IAU 2006 precession,
// IAU 2000B nutation), and the instants (UTC) at which those longitudes reach given values, found by root-finding
// on the longitudes themselves: within a second (the sun) and ten seconds (the moons) of the whole series with
// IAU 2000A nutation, from 1800 to 2200.
namespace SkyPositions {

// Julian day in Universal Time and back; QDateTime in UTC to the millisecond.
double JulianDay(const QDateTime& utc);
QDateTime FromJulianDay(double julianDay);

// Terrestrial minus Universal Time, in seconds, at a Julian day (UT); the definition says which model covers
// which years.
double DeltaT(double julianDay);

// Apparent longitudes, in degrees from 0 up to 360, at a Julian day (UT).
double SunLongitude(double julianDay);
double MoonLongitude(double julianDay);

// The instant in `year` (UTC) at which the sun's apparent longitude reaches `degrees` (0 to 359). Every such
// point falls once in each calendar year, never within a month of its ends.
QDateTime SunReaches(int year, double degrees);

struct LunarPhase {
    bool full = false; // full moon; otherwise new moon
    QDateTime instant; // UTC
    // Counts new moons from the first of 2000 (6 January); a full moon takes the number of the new moon before
    // it. Stable whatever small change the instant sees, so it names the phase in calendars.
    int lunation = 0;
};

// Every new and full moon from `from` (inclusive) to `to` (exclusive), in order.
QList<LunarPhase> LunarPhases(const QDateTime& from, const QDateTime& to);

} // namespace SkyPositions
