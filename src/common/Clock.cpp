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
    return QDateTime(Today(), QTime::currentTime());
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
