#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

// The wheel of the year for any year: the eight festivals and every new and full moon, each placed in a time zone
// and a hemisphere.
namespace WheelOfTheYear {

inline constexpr int FirstYear = 1800;
inline constexpr int LastYear = 2200;

enum class Hemisphere { North, South };

// In the order of the wheel, from Yule.
enum class Festival { Yule, Imbolc, Ostara, Beltane, Litha, Lughnasadh, Mabon, Samhain };
QString FestivalName(Festival festival);

enum class EventKind {
    SolarPoint,     // the sun at a multiple of 45 degrees: a solstice, an equinox or a cross-quarter point
    TraditionalDay, // a cross-quarter festival on its traditional date
    NewMoon,
    FullMoon,
};

struct WheelEvent {
    EventKind kind = EventKind::SolarPoint;
    QDateTime instant;                  // UTC, rounded to the second; invalid for a traditional day
    QDate firstDay;                     // local date (of the instant for a timed event)
    QDate lastDay;                      // the same as firstDay but for a traditional festival of two days
    Festival festival = Festival::Yule; // solar points and traditional days
    int longitude = -1;                 // the sun's longitude at a solar point, degrees
    QString name;                       // "Yule", "Wolf Moon", "Flower Moon (Blue Moon)", "New Moon"
    QString about;                      // what it is: "December solstice", "sun at 315°", "traditional date", ...
    QString uid;                        // the same for the same event in every export
};

struct WheelYear {
    int year = 0;
    QTimeZone zone; // the zone the local dates belong to
    Hemisphere hemisphere = Hemisphere::North;
    QList<WheelEvent> events; // in order of time; a traditional day counts from its local midnight
};

// The festival that the sun at `longitude` (a multiple of 45 degrees) marks in a hemisphere: the south keeps the
// wheel turned by half a year.
Festival FestivalAtLongitude(int longitude, Hemisphere hemisphere);
// The sun's longitude at which a festival falls.
int LongitudeOf(Festival festival, Hemisphere hemisphere);

// Everything of one year, local dates in `zone`. `year` must lie within FirstYear..LastYear.
WheelYear Compute(int year, const QTimeZone& zone, Hemisphere hemisphere);
// The same for the years `first` to `last`, at less cost than each on its own.
QList<WheelYear> ComputeYears(int first, int last, const QTimeZone& zone, Hemisphere hemisphere);

// The instant the year begins in the zone: its first moment, which is not midnight where the clocks skip it.
QDateTime YearStart(int year, const QTimeZone& zone);

// The instant to the nearest second: what the program shows and exports.
QDateTime ToSecond(const QDateTime& instant);

// Where the wheel stands on a day: the sun's apparent longitude at the local noon of `day`, in degrees.
double SunLongitudeOn(const QDate& day, const QTimeZone& zone);

} // namespace WheelOfTheYear
