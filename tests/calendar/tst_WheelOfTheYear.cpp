#include "calendar/SkyPositions.h"
#include "calendar/WheelCalendarFile.h"
#include "calendar/WheelOfTheYear.h"
#include "calendar/WheelTestSupport.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

using namespace WheelOfTheYear;

Q_DECLARE_METATYPE(WheelCalendarFile::Choices)

namespace {

const QString ReferenceFile = QStringLiteral(VELLORAN_ASTRONOMY_DIR "/reference-2000-2030.csv");
// Near 1800 and 2200, in Terrestrial Time; its header says how it was made.
const QString RangeEndsFile = QStringLiteral(VELLORAN_WHEEL_TEST_DATA "/wheel-reference-range-ends.csv");

// The sun's longitude of each solar point of the reference table.
const std::map<QString, int> SolarPoints = {
    {QStringLiteral("march-equinox"), 0},       {QStringLiteral("beltane-point"), 45},
    {QStringLiteral("june-solstice"), 90},      {QStringLiteral("lughnasadh-point"), 135},
    {QStringLiteral("september-equinox"), 180}, {QStringLiteral("samhain-point"), 225},
    {QStringLiteral("december-solstice"), 270}, {QStringLiteral("imbolc-point"), 315},
};

QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0) {
    return {QDate(year, month, day), QTime(hour, minute), Qt::UTC};
}

// The moons of one UTC year, computed once for all the rows of that year.
const QList<SkyPositions::LunarPhase>& moonsOf(int year) {
    static std::map<int, QList<SkyPositions::LunarPhase>> cache;
    auto found = cache.find(year);
    if (found == cache.end()) {
        found = cache.emplace(year, SkyPositions::LunarPhases(utc(year, 1, 1), utc(year + 1, 1, 1))).first;
    }
    return found->second;
}

QStringList uids(const QList<ReadEvent>& events) {
    QStringList result;
    for (const ReadEvent& event : events) {
        result.append(event.uid);
    }
    return result;
}

} // namespace

class tst_WheelOfTheYear : public QObject {
    Q_OBJECT

  private slots:
    void referenceInstant_withinHalfAMinute_data();
    void referenceInstant_withinHalfAMinute();
    void referenceYears_haveEveryMoonAndNoOther();
    void deltaT_continuesWhereOneModelHandsOver_data();
    void deltaT_continuesWhereOneModelHandsOver();
    void anyYearOfTheRange_hasEightPointsAndEveryMoon_data();
    void anyYearOfTheRange_hasEightPointsAndEveryMoon();

    void festivalAtLongitude_turnsHalfAYearInTheSouth_data();
    void festivalAtLongitude_turnsHalfAYearInTheSouth();
    void southernHemisphere_swapsDatesAndMoonNames();
    void fullMoonNames_followTheMonthsAndTheEquinox();
    void localDate_isTheDateInTheZone_data();
    void localDate_isTheDateInTheZone();
    void daylightSavingBoundary_movesTheLocalTimeNotTheInstant_data();
    void daylightSavingBoundary_movesTheLocalTimeNotTheInstant();

    void export_readsBackThroughLibical_data();
    void export_readsBackThroughLibical();
    void export_readsBackThroughPythonIcalendar();
    void export_keepsUidsAcrossExportsAndRanges();
    void save_intoFolderThatCannotBeWritten_leavesNoFile();
    void save_ontoFullDisk_leavesEarlierFileAsItWas();
};

void tst_WheelOfTheYear::referenceInstant_withinHalfAMinute_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<QDateTime>("reference");
    // The 2000-2030 table lies beside the repository, in UTC; the range's ends come with the tests, in TT.
    QVERIFY(QFile::exists(RangeEndsFile));
    for (const QString& path : {ReferenceFile, RangeEndsFile}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qWarning("The reference instants of 2000-2030 (../shared/astronomy) are not here.");
            continue;
        }
        while (!file.atEnd()) {
            const QStringList fields = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
            QDateTime reference = QDateTime::fromString(fields.value(1), Qt::ISODateWithMs);
            if (fields.size() != 2 || !reference.isValid()) {
                continue;
            }
            if (path == RangeEndsFile) {
                reference.setTimeZone(QTimeZone::utc());
                const double terrestrial = SkyPositions::JulianDay(reference);
                reference = SkyPositions::FromJulianDay(terrestrial - SkyPositions::DeltaT(terrestrial) / 86400.0);
            }
            QTest::addRow("%s %s", qPrintable(fields[0]), qPrintable(fields[1])) << fields[0] << reference;
        }
    }
}

void tst_WheelOfTheYear::referenceInstant_withinHalfAMinute() {
    QFETCH(QString, event);
    QFETCH(QDateTime, reference);
    QVERIFY(reference.isValid());
    QDateTime computed;
    if (const auto point = SolarPoints.find(event); point != SolarPoints.end()) {
        computed = SkyPositions::SunReaches(reference.date().year(), point->second);
    } else {
        QVERIFY(event == QLatin1String("new-moon") || event == QLatin1String("full-moon"));
        const bool full = event == QLatin1String("full-moon");
        qint64 nearest = std::numeric_limits<qint64>::max();
        for (const SkyPositions::LunarPhase& phase : moonsOf(reference.date().year())) {
            if (phase.full == full && std::abs(phase.instant.secsTo(reference)) < nearest) {
                nearest = std::abs(phase.instant.secsTo(reference));
                computed = phase.instant;
            }
        }
    }
    QVERIFY2(std::abs(computed.msecsTo(reference)) <= 30000,
             qPrintable(QStringLiteral("computed %1").arg(computed.toString(Qt::ISODate))));
}

void tst_WheelOfTheYear::referenceYears_haveEveryMoonAndNoOther() {
    QFile file(ReferenceFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QSKIP("The reference instants (../shared/astronomy beside the repository) are not here.");
    }
    std::map<int, int> moons;
    file.readLine();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        if (line.contains(QLatin1String("moon"))) {
            ++moons[line.section(QLatin1Char(','), 1).left(4).toInt()];
        }
    }
    QCOMPARE(int(moons.size()), 31);
    for (const auto& [year, count] : moons) {
        QVERIFY2(int(moonsOf(year).size()) == count, qPrintable(QString::number(year)));
    }
}

void tst_WheelOfTheYear::deltaT_continuesWhereOneModelHandsOver_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("near"); // seconds, as observed or modelled
    // Where one polynomial, the observed values or the extrapolation hands over to the next: a wrong coefficient
    // shows as a jump, which moves every instant after it (libnova's own table jumped by 45 s at 2010).
    QTest::newRow("1860") << 1860 << 7.6;
    QTest::newRow("1900") << 1900 << -2.8;
    QTest::newRow("1920") << 1920 << 21.2;
    QTest::newRow("1941") << 1941 << 24.7;
    QTest::newRow("1961") << 1961 << 33.8;
    QTest::newRow("1986") << 1986 << 54.9;
    QTest::newRow("2005") << 2005 << 64.7;
    QTest::newRow("2025") << 2025 << 69.2;
    QTest::newRow("2150") << 2150 << 328.5;
}

void tst_WheelOfTheYear::deltaT_continuesWhereOneModelHandsOver() {
    QFETCH(int, year);
    QFETCH(double, near);
    const double before = SkyPositions::DeltaT(SkyPositions::JulianDay(utc(year - 1, 12, 31, 23, 59)));
    const double after = SkyPositions::DeltaT(SkyPositions::JulianDay(utc(year, 1, 1)));
    QVERIFY2(std::abs(after - before) < 0.5, qPrintable(QStringLiteral("%1 then %2").arg(before).arg(after)));
    QVERIFY(std::abs(after - near) < 1.0);
}

void tst_WheelOfTheYear::anyYearOfTheRange_hasEightPointsAndEveryMoon_data() {
    QTest::addColumn<int>("year");
    for (int year : {FirstYear, 1899, 1970, 2100, LastYear}) {
        QTest::addRow("%d", year) << year;
    }
}

void tst_WheelOfTheYear::anyYearOfTheRange_hasEightPointsAndEveryMoon() {
    QFETCH(int, year);
    const WheelYear wheel = Compute(year, QTimeZone("Europe/London"), Hemisphere::North);
    int solar = 0;
    int moons = 0;
    QDateTime previous;
    for (const WheelEvent& event : wheel.events) {
        QCOMPARE(event.firstDay.year(), year);
        if (event.kind == EventKind::SolarPoint) {
            ++solar;
            // The sun really stands at the spoke then.
            const double longitude = SkyPositions::SunLongitude(SkyPositions::JulianDay(event.instant));
            QVERIFY(std::abs(std::remainder(longitude - event.longitude, 360.0)) < 0.01);
        }
        if (event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon) {
            ++moons;
            // New and full alternate, about a fortnight apart.
            if (previous.isValid()) {
                QVERIFY(previous.secsTo(event.instant) > 13 * 86400 && previous.secsTo(event.instant) < 16 * 86400);
            }
            previous = event.instant;
        }
    }
    QCOMPARE(solar, 8);
    QVERIFY(moons >= 24 && moons <= 26);
}

void tst_WheelOfTheYear::festivalAtLongitude_turnsHalfAYearInTheSouth_data() {
    QTest::addColumn<int>("longitude");
    QTest::addColumn<Festival>("north");
    QTest::addColumn<Festival>("south");
    QTest::newRow("March equinox") << 0 << Festival::Ostara << Festival::Mabon;
    QTest::newRow("sun at 45") << 45 << Festival::Beltane << Festival::Samhain;
    QTest::newRow("June solstice") << 90 << Festival::Litha << Festival::Yule;
    QTest::newRow("sun at 135") << 135 << Festival::Lughnasadh << Festival::Imbolc;
    QTest::newRow("September equinox") << 180 << Festival::Mabon << Festival::Ostara;
    QTest::newRow("sun at 225") << 225 << Festival::Samhain << Festival::Beltane;
    QTest::newRow("December solstice") << 270 << Festival::Yule << Festival::Litha;
    QTest::newRow("sun at 315") << 315 << Festival::Imbolc << Festival::Lughnasadh;
}

void tst_WheelOfTheYear::festivalAtLongitude_turnsHalfAYearInTheSouth() {
    QFETCH(int, longitude);
    QFETCH(Festival, north);
    QFETCH(Festival, south);
    QCOMPARE(FestivalAtLongitude(longitude, Hemisphere::North), north);
    QCOMPARE(FestivalAtLongitude(longitude, Hemisphere::South), south);
    QCOMPARE(LongitudeOf(north, Hemisphere::North), longitude);
    QCOMPARE(LongitudeOf(south, Hemisphere::South), longitude);
}

void tst_WheelOfTheYear::southernHemisphere_swapsDatesAndMoonNames() {
    const QTimeZone zone("Australia/Sydney");
    const WheelYear north = Compute(2027, zone, Hemisphere::North);
    const WheelYear south = Compute(2027, zone, Hemisphere::South);
    QCOMPARE(north.events.size(), south.events.size());

    // The same instants, other names.
    const WheelEvent* juneNorth = FindEvent(north, EventKind::SolarPoint, 90);
    const WheelEvent* juneSouth = FindEvent(south, EventKind::SolarPoint, 90);
    QCOMPARE(juneNorth->name, QStringLiteral("Litha"));
    QCOMPARE(juneSouth->name, QStringLiteral("Yule"));
    QCOMPARE(juneSouth->instant, juneNorth->instant);
    QVERIFY(juneSouth->uid != juneNorth->uid);

    // The traditional dates half a year on.
    std::map<QString, std::pair<QDate, QDate>> traditional;
    for (const WheelEvent& event : south.events) {
        if (event.kind == EventKind::TraditionalDay) {
            traditional[event.name] = {event.firstDay, event.lastDay};
        }
    }
    QCOMPARE(traditional[QStringLiteral("Imbolc")], std::make_pair(QDate(2027, 8, 1), QDate(2027, 8, 2)));
    QCOMPARE(traditional[QStringLiteral("Beltane")].first, QDate(2027, 11, 1));
    QCOMPARE(traditional[QStringLiteral("Lughnasadh")].first, QDate(2027, 2, 1));
    QCOMPARE(traditional[QStringLiteral("Samhain")].first, QDate(2027, 4, 30));

    // The first full moon of the year: the north's Wolf Moon is the south's Buck Moon, and the Harvest Moon
    // comes near the March equinox there.
    QCOMPARE(FindEvent(north, EventKind::FullMoon)->name, QStringLiteral("Wolf Moon"));
    QCOMPARE(FindEvent(south, EventKind::FullMoon)->name, QStringLiteral("Buck Moon"));
    for (const WheelEvent& event : south.events) {
        if (event.name == QLatin1String("Harvest Moon")) {
            QVERIFY(std::abs(event.instant.daysTo(FindEvent(south, EventKind::SolarPoint, 0)->instant)) <= 16);
        }
    }
}

void tst_WheelOfTheYear::fullMoonNames_followTheMonthsAndTheEquinox() {
    // 2026 (UTC): two full moons in May (the 1st and the 31st, a blue moon that keeps May's name), the Harvest
    // Moon on 26 September, the Hunter's Moon after it on 26 October.
    const WheelYear wheel = Compute(2026, QTimeZone::utc(), Hemisphere::North);
    QStringList names;
    for (const WheelEvent& event : wheel.events) {
        if (event.kind == EventKind::FullMoon) {
            names.append(event.firstDay.toString(QStringLiteral("MM-dd ")) + event.name);
        }
    }
    QCOMPARE(names, QStringList({QStringLiteral("01-03 Wolf Moon"), QStringLiteral("02-01 Snow Moon"),
                                 QStringLiteral("03-03 Worm Moon"), QStringLiteral("04-02 Pink Moon"),
                                 QStringLiteral("05-01 Flower Moon"), QStringLiteral("05-31 Flower Moon (Blue Moon)"),
                                 QStringLiteral("06-29 Strawberry Moon"), QStringLiteral("07-29 Buck Moon"),
                                 QStringLiteral("08-28 Sturgeon Moon"), QStringLiteral("09-26 Harvest Moon"),
                                 QStringLiteral("10-26 Hunter's Moon"), QStringLiteral("11-24 Beaver Moon"),
                                 QStringLiteral("12-24 Cold Moon")}));
}

void tst_WheelOfTheYear::localDate_isTheDateInTheZone_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDateTime>("yearStart");
    // The December solstice of 2027 comes at 02:42 UTC on the 22nd: still the 21st in New York.
    QTest::newRow("UTC") << QStringLiteral("UTC") << QDate(2027, 12, 22) << utc(2027, 1, 1, 0, 0);
    QTest::newRow("New York") << QStringLiteral("America/New_York") << QDate(2027, 12, 21) << utc(2027, 1, 1, 5, 0);
    QTest::newRow("Auckland") << QStringLiteral("Pacific/Auckland") << QDate(2027, 12, 22) << utc(2026, 12, 31, 11, 0);
    // Lima skipped the first hour of 1986: the year began at 01:00, 05:00 UTC, not at a midnight that never was.
    QTest::newRow("Lima, 1986") << QStringLiteral("America/Lima") << QDate() << utc(1986, 1, 1, 5, 0);
}

void tst_WheelOfTheYear::localDate_isTheDateInTheZone() {
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QDateTime, yearStart);
    QCOMPARE(YearStart(yearStart.toTimeZone(QTimeZone(zone.toUtf8())).date().year(), QTimeZone(zone.toUtf8())),
             yearStart);
    if (!date.isValid()) {
        return;
    }
    const WheelYear wheel = Compute(2027, QTimeZone(zone.toUtf8()), Hemisphere::North);
    const WheelEvent* yule = FindEvent(wheel, EventKind::SolarPoint, 270);
    QVERIFY(std::abs(yule->instant.secsTo(utc(2027, 12, 22, 2, 42))) < 30);
    QCOMPARE(yule->firstDay, date);
}

void tst_WheelOfTheYear::daylightSavingBoundary_movesTheLocalTimeNotTheInstant_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDateTime>("near");
    QTest::addColumn<int>("offsetHours");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("writtenIn"); // the zone of its time in the file; empty for UTC
    // A new moon twenty minutes after the clocks went forward at 01:00 UTC.
    QTest::newRow("London, spring") << QStringLiteral("Europe/London") << 2001 << utc(2001, 3, 25, 1, 21) << 1
                                    << QStringLiteral("BST") << QStringLiteral("Europe/London");
    // A full moon a quarter of an hour after they went back at 01:00 UTC: 01:16 comes twice that night, and a
    // local time would name the first (RFC 5545), though libical takes the second.
    QTest::newRow("London, autumn") << QStringLiteral("Europe/London") << 2121 << utc(2121, 10, 26, 1, 16) << 0
                                    << QStringLiteral("GMT") << QString();
    // No moon from 1900 to 2200 comes within an hour of New York's change; these are the nearest.
    QTest::newRow("New York, after") << QStringLiteral("America/New_York") << 2058 << utc(2058, 3, 10, 8, 52) << -4
                                     << QStringLiteral("EDT") << QStringLiteral("America/New_York");
    QTest::newRow("New York, before") << QStringLiteral("America/New_York") << 2031 << utc(2031, 3, 9, 4, 30) << -5
                                      << QStringLiteral("EST") << QStringLiteral("America/New_York");
}

void tst_WheelOfTheYear::daylightSavingBoundary_movesTheLocalTimeNotTheInstant() {
    QFETCH(QString, zone);
    QFETCH(int, year);
    QFETCH(QDateTime, near);
    QFETCH(int, offsetHours);
    QFETCH(QString, abbreviation);
    const QTimeZone timeZone(zone.toUtf8());
    const WheelYear wheel = Compute(year, timeZone, Hemisphere::North);
    const auto moon = std::find_if(wheel.events.cbegin(), wheel.events.cend(), [&](const WheelEvent& e) {
        return e.instant.isValid() && std::abs(e.instant.secsTo(near)) <= 60 && e.kind != EventKind::SolarPoint;
    });
    QVERIFY(moon != wheel.events.cend());
    const QDateTime local = moon->instant.toTimeZone(timeZone);
    QCOMPARE(local.offsetFromUtc(), offsetHours * 3600);
    QCOMPARE(timeZone.abbreviation(moon->instant), abbreviation);
    QCOMPARE(moon->firstDay, moon->instant.addSecs(offsetHours * 3600).date());
    QFETCH(QString, writtenIn);
    // A calendar program reads the same instant from the file, even in the hour that comes twice.
    const QList<ReadEvent> read = ReadBack(WheelCalendarFile::Compose({wheel}, utc(2026, 1, 1)));
    const auto found = std::find_if(read.cbegin(), read.cend(), [&](const ReadEvent& e) { return e.uid == moon->uid; });
    QVERIFY(found != read.cend());
    QCOMPARE(found->start, moon->instant.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")));
    QCOMPARE(found->zone, writtenIn);
}

void tst_WheelOfTheYear::export_readsBackThroughLibical_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<Hemisphere>("hemisphere");
    QTest::addColumn<WheelCalendarFile::Choices>("choices");
    using Choose = WheelCalendarFile::Choices; // points, traditional days, new moons, full moons, reminder, UTC
    QTest::newRow("London 2027, everything")
        << QStringLiteral("Europe/London") << 2027 << Hemisphere::North << Choose{true, true, true, true, -1, false};
    // Local mean time, 4:56:02 behind Greenwich, before the railways' standard time.
    QTest::newRow("New York 1850, reminder 3 days")
        << QStringLiteral("America/New_York") << 1850 << Hemisphere::North << Choose{true, true, true, true, 3, false};
    // Past the end of the zone database's own transitions (2037): daylight saving by its rule.
    QTest::newRow("Sydney 2150, south, moons only, reminder 1 day")
        << QStringLiteral("Australia/Sydney") << 2150 << Hemisphere::South
        << Choose{false, false, true, true, 1, false};
    QTest::newRow("New York 2027, in UTC")
        << QStringLiteral("America/New_York") << 2027 << Hemisphere::North << Choose{true, true, true, true, -1, true};
}

void tst_WheelOfTheYear::export_readsBackThroughLibical() {
    QFETCH(QString, zone);
    QFETCH(int, year);
    QFETCH(Hemisphere, hemisphere);
    QFETCH(WheelCalendarFile::Choices, choices);
    const WheelYear wheel = Compute(year, QTimeZone(zone.toUtf8()), hemisphere);
    const QList<ReadEvent> read = ReadBack(WheelCalendarFile::Compose({wheel}, utc(2026, 12, 1), choices));
    QList<WheelEvent> chosen;
    std::copy_if(wheel.events.cbegin(), wheel.events.cend(), std::back_inserter(chosen),
                 [&](const WheelEvent& e) { return WheelCalendarFile::Includes(choices, e.kind); });
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(read.size(), chosen.size());
    for (int i = 0; i < int(read.size()); ++i) {
        const WheelEvent& event = chosen[i];
        QCOMPARE(read[i].uid, event.uid);
        QVERIFY(read[i].summary.startsWith(event.name));
        QCOMPARE(read[i].reminder,
                 choices.reminderDays < 0 ? QString() : QStringLiteral("-P%1D").arg(choices.reminderDays));
        if (event.instant.isValid()) {
            // A moment, read through the zone's definition in the file, where the table has it.
            QVERIFY(!read[i].allDay);
            QCOMPARE(read[i].start, event.instant.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")));
            QCOMPARE(read[i].zone, choices.utc ? QString() : zone);
        } else {
            QVERIFY(read[i].allDay);
            QCOMPARE(read[i].start, event.firstDay.toString(Qt::ISODate));
            QCOMPARE(read[i].end, event.lastDay.addDays(1).toString(Qt::ISODate));
        }
    }
}

void tst_WheelOfTheYear::export_readsBackThroughPythonIcalendar() {
    const WheelYear wheel = Compute(2027, QTimeZone("America/New_York"), Hemisphere::North);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wheel-2027.ics"));
    QCOMPARE(WheelCalendarFile::Save(path, WheelCalendarFile::Compose({wheel}, utc(2026, 12, 1))), QString());

    // A second, independent reader: Python's icalendar, as calendar tools use it.
    const QString script = QStringLiteral(
        "import datetime, sys, icalendar\n"
        "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
        "for e in cal.walk('VEVENT'):\n"
        "    s = e.decoded('DTSTART')\n"
        "    kind = 'time' if hasattr(s, 'hour') else 'date'\n"
        "    s = s.astimezone(datetime.timezone.utc) if kind == 'time' else s\n"
        "    print(str(e['UID']), kind, s.strftime('%Y-%m-%dT%H:%M:%SZ' if kind == 'time' else '%Y-%m-%d'), "
        "str(e['SUMMARY']), sep='|')\n");
    QProcess python;
    python.start(QStringLiteral(VELLORAN_PYTHON3), {QStringLiteral("-c"), script, path});
    QVERIFY(python.waitForFinished(60000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QStringList lines =
        QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), wheel.events.size());
    for (int i = 0; i < int(lines.size()); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('|'));
        const WheelEvent& event = wheel.events[i];
        QCOMPARE(fields[0], event.uid);
        if (event.instant.isValid()) {
            QCOMPARE(fields[1], QStringLiteral("time"));
            QCOMPARE(fields[2], event.instant.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")));
        } else {
            QCOMPARE(fields[1], QStringLiteral("date"));
            QCOMPARE(fields[2], event.firstDay.toString(Qt::ISODate));
        }
    }
}

void tst_WheelOfTheYear::export_keepsUidsAcrossExportsAndRanges() {
    // Across the end of the zone file's own changes (2037), where Qt's list of them once stopped; the years of a
    // range computed together, as an export does.
    const QTimeZone zone("Europe/London");
    const QList<WheelYear> range = ComputeYears(2036, 2038, zone, Hemisphere::North);
    const QStringList first = uids(ReadBack(WheelCalendarFile::Compose({range[1]}, utc(2026, 1, 1))));
    const QStringList again =
        uids(ReadBack(WheelCalendarFile::Compose({Compute(2037, zone, Hemisphere::North)}, utc(2026, 6, 1, 12, 30))));
    const QList<ReadEvent> all = ReadBack(WheelCalendarFile::Compose(range, utc(2026, 6, 1)));
    QVERIFY(!first.isEmpty());
    QCOMPARE(again, first);
    // Within one file every event is its own, and the year's events keep their UIDs (and instants) in a range.
    const QStringList allUids = uids(all);
    QCOMPARE(QSet<QString>(allUids.cbegin(), allUids.cend()).size(), allUids.size());
    for (const QString& uid : first) {
        QVERIFY(allUids.contains(uid));
    }
    // The clock in the file reads as the table does, summer time after 2037 too.
    int read = 0;
    for (const WheelYear& year : range) {
        for (const WheelEvent& event : year.events) {
            const ReadEvent& written = all[read++];
            QVERIFY(written.zone.isEmpty() ||
                    written.clock == event.instant.toTimeZone(zone).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
        }
    }
}

void tst_WheelOfTheYear::save_intoFolderThatCannotBeWritten_leavesNoFile() {
    QTemporaryDir dir;
    // A "folder" that is a file: no one, not even an administrator, can write into it.
    QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("not-a-folder/wheel.ics"));
    QVERIFY(!WheelCalendarFile::Save(path, QByteArrayLiteral("BEGIN:VCALENDAR\r\n")).isEmpty());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("not-a-folder")}));
}

void tst_WheelOfTheYear::save_ontoFullDisk_leavesEarlierFileAsItWas() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wheel.ics"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export");
    }
    const QByteArray text =
        WheelCalendarFile::Compose({Compute(2027, QTimeZone::utc(), Hemisphere::North)}, utc(2027, 1, 1));
    QString failure;
    {
        FileSizeLimit fullDisk(1024);
        QVERIFY(fullDisk.active());
        failure = WheelCalendarFile::Save(path, text);
    }

    QVERIFY(!failure.isEmpty());
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArrayLiteral("earlier export"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("wheel.ics")}));
}

QTEST_GUILESS_MAIN(tst_WheelOfTheYear)
#include "tst_WheelOfTheYear.moc"
