#include "common/Clock.h"

namespace {
std::optional<QDate>& fixedToday() {
    static std::optional<QDate> date;
    return date;
}

std::optional<QTimeZone>& fixedZone() {
    static std::optional<QTimeZone> zone;
    return zone;
}
} // namespace

QDate Today() {
    return fixedToday().value_or(QDate::currentDate());
}

QDateTime Now() {
    // One reading of the clock: a date and a time read one after the other can fall either side of midnight.
    QDateTime now = QDateTime::currentDateTime();
    if (const std::optional<QDate>& fixed = fixedToday()) {
        now.setDate(*fixed);
    }
    return now;
}

void SetToday(std::optional<QDate> date) {
    fixedToday() = date;
}

QTimeZone SystemTimeZone() {
    return fixedZone().value_or(QTimeZone::systemTimeZone());
}

void SetSystemTimeZone(std::optional<QTimeZone> zone) {
    fixedZone() = zone;
}
