// Measures what the wheel of the year computes each time the user picks a year: the eight solar points and every
// new and full moon (about 25), with their local dates and names. The baseline, measured in the same run, is one
// apparent position of the sun and one of the moon, so that the year's cost reads as a number of positions. Then
// the export of the whole range, 1800 to 2200, as the window makes it: every year computed, the calendar file
// composed with the zone's definition and every kind of event, and saved.
#include "calendar/SkyPositions.h"
#include "calendar/WheelCalendarFile.h"
#include "calendar/WheelOfTheYear.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct Figures {
    double wallMs;
    double cpuMs;
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Median over rounds of the time per run: wall clock, and this thread's processor time, which other programs
// on a shared machine disturb less.
Figures measure(int rounds, int runs, const std::function<void(int)>& work) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        for (int i = 0; i < runs; ++i) {
            work(round * runs + i);
        }
        wall.push_back(double(timer.nsecsElapsed()) / 1e6 / runs);
        cpu.push_back((threadCpuMs() - cpuStart) / runs);
    }
    const auto median = [](std::vector<double>& values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(wall), median(cpu)};
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 11;
    const QTimeZone london("Europe/London");
    volatile double sink = 0.0;

    // A different year each run, 1800 to 2200, so that nothing is remembered from one to the next.
    const Figures year = measure(rounds, 20, [&](int i) {
        const int y = WheelOfTheYear::FirstYear + (i * 37) % (WheelOfTheYear::LastYear - WheelOfTheYear::FirstYear);
        sink = sink + double(WheelOfTheYear::Compute(y, london, WheelOfTheYear::Hemisphere::North).events.size());
    });
    const Figures positions = measure(rounds, 200, [&](int i) {
        const double day = 2378496.5 + i * 731.3;
        sink = sink + SkyPositions::SunLongitude(day) + SkyPositions::MoonLongitude(day);
    });

    QTemporaryDir dir;
    qint64 bytes = 0;
    const Figures range = measure(std::max(3, rounds / 4), 1, [&](int) {
        const QList<WheelOfTheYear::WheelYear> years = WheelOfTheYear::ComputeYears(
            WheelOfTheYear::FirstYear, WheelOfTheYear::LastYear, london, WheelOfTheYear::Hemisphere::North);
        const QByteArray text = WheelCalendarFile::Compose(years, QDateTime::currentDateTimeUtc());
        bytes = text.size();
        if (!WheelCalendarFile::Save(dir.filePath(QStringLiteral("wheel.ics")), text).isEmpty()) {
            std::abort();
        }
    });

    std::printf("one year's instants (Compute)     wall %7.3f ms   cpu %7.3f ms\n", year.wallMs, year.cpuMs);
    std::printf("one sun and one moon position     wall %7.3f ms   cpu %7.3f ms\n", positions.wallMs, positions.cpuMs);
    std::printf("ratio (year / positions, cpu)     %7.1f\n", year.cpuMs / positions.cpuMs);
    std::printf("goal: under 5 ms a year           %s (cpu)\n", year.cpuMs < 5.0 ? "met" : "NOT met");
    std::printf("export 1800-2200 (%lld bytes)  wall %7.0f ms   cpu %7.0f ms\n", static_cast<long long>(bytes),
                range.wallMs, range.cpuMs);
    std::printf("goal: under 2 s                   %s (wall)\n", range.wallMs < 2000.0 ? "met" : "NOT met");
    return 0;
}
