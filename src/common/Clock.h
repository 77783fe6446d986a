#pragma once

#include <QDate>
#include <optional>

// Today's date as the program sees it; tests fix it to walk the calendar.
QDate Today();
void SetToday(std::optional<QDate> date);
