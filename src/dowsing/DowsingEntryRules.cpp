#include "dowsing/DowsingEntryRules.h"

#include <QCoreApplication>

namespace DowsingEntryRules {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(DowsingEntryRules)
};

QStringList numbers(int from, int to, int width) {
    QStringList entries;
    for (int n = from; n <= to; ++n) {
        entries << QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
    }
    return entries;
}

} // namespace

KeyVerdict filterLetterKey(QChar typed) {
    const char16_t code = typed.unicode();
    if (code == Backspace || code == CarriageReturn || code == u' ') {
        return {true, typed, false};
    }
    if (code >= u'a' && code <= u'z') {
        return {true, QChar(char16_t(code - 32)), false};
    }
    if (code >= u'A' && code <= u'Z') {
        return {true, typed, false};
    }
    return {false, typed, true};
}

KeyVerdict filterNumberKey(QChar typed) {
    const char16_t code = typed.unicode();
    if (code == Backspace) {
        return {true, typed, false};
    }
    if (code < u'.' || code > u'9' || code == u'/') {
        return {false, typed, true};
    }
    return {true, typed, false};
}

bool emailAccepted(const QString& email) {
    return email.isEmpty() || email.indexOf(QLatin1Char('@'), 1) >= 0;
}

QDate dateFromLists(const QString& month, const QString& day, const QString& year) {
    const int m = static_cast<int>(monthEntries().indexOf(month)) + 1;
    const int d = static_cast<int>(dayEntries().indexOf(day)) + 1;
    bool yearOk = false;
    const int y = year.toInt(&yearOk);
    if (m < 1 || d < 1 || !yearOk || !yearEntries().contains(year)) {
        return {};
    }
    return QDate(y, m, d); // invalid when the month lacks the day
}

QString timeText(const QString& hour, const QString& minute) {
    return hour + QLatin1Char(':') + minute;
}

QStringList monthEntries() {
    return {Words::tr("January"),   Words::tr("February"), Words::tr("March"),    Words::tr("April"),
            Words::tr("May"),       Words::tr("June"),     Words::tr("July"),     Words::tr("August"),
            Words::tr("September"), Words::tr("October"),  Words::tr("November"), Words::tr("December")};
}

QStringList dayEntries() {
    return numbers(1, 31, 0);
}
QStringList yearEntries() {
    return numbers(1900, 2050, 0);
}
QStringList hourEntries() {
    return numbers(0, 24, 2);
}
QStringList minuteEntries() {
    return numbers(0, 59, 2);
}
QStringList secondEntries() {
    return numbers(10, 59, 2);
}
QStringList ampmEntries() {
    return {QStringLiteral("AM"), QStringLiteral("PM")};
}

QStringList toolEntries() {
    return {Words::tr("Rods"), Words::tr("Branch"), Words::tr("Pendulam"), Words::tr("Other")};
}

QStringList itemEntries() {
    return {Words::tr("water"), Words::tr("Oil"), Words::tr("Treasure"), Words::tr("Missing Person"),
            Words::tr("Others")};
}

} // namespace DowsingEntryRules
