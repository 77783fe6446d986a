#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

// Today's date as the program sees it; tests fix it to walk the calendar.
QDate Today();
void SetToday(std::optional<QDate> date);
// This moment's time of day on that date.
QDateTime Now();

// The system's time zone as the program sees it: invalid when the system names one it cannot resolve. Tests set
// a zone of their own, or an invalid one to stand for a broken system setting.
QTimeZone SystemTimeZone();
void SetSystemTimeZone(std::optional<QTimeZone> zone);
