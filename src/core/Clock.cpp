#include "core/Clock.h"

#include "core/Services.h"

QDate Today() {
    return CurrentServices().today.value_or(QDate::currentDate());
}

QDateTime Now() {
    // One reading of the clock: a date and a time read one after the other can fall either side of midnight.
    QDateTime now = QDateTime::currentDateTime();
    if (const std::optional<QDate>& fixed = CurrentServices().today) {
        now.setDate(*fixed);
    }
    return now;
}

void SetToday(std::optional<QDate> date) {
    CurrentServices().today = date;
}

QTimeZone SystemTimeZone() {
    return CurrentServices().timeZone.value_or(QTimeZone::systemTimeZone());
}

void SetSystemTimeZone(std::optional<QTimeZone> zone) {
    CurrentServices().timeZone = std::move(zone);
}
