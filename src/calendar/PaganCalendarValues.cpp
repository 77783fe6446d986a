#include "calendar/PaganCalendarValues.h"

#include <QLocale>

namespace PaganCalendar {

QString PlatformMonthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

int PlatformMonthNumber(const QString& name) {
    for (int month = 1; month <= 12; ++month) {
        if (PlatformMonthName(month) == name) {
            return month;
        }
    }
    return 0;
}

} // namespace PaganCalendar
