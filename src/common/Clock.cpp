#include "common/Clock.h"

namespace {
std::optional<QDate>& fixedToday() {
    static std::optional<QDate> date;
    return date;
}
} // namespace

QDate Today() {
    return fixedToday().value_or(QDate::currentDate());
}

void SetToday(std::optional<QDate> date) {
    fixedToday() = date;
}
