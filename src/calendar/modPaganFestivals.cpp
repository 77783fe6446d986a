#include "calendar/modPaganFestivals.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <array>

namespace modPaganFestivals {

namespace {

constexpr int Always = FirstYear;
constexpr int Till = LastYear;

// Names are shown exactly as the calendar has always printed them, odd spellings and spacing included; a translation
// writes them as its language would.
/* TRANSLATOR PaganFestivals
   A festival's name as the month view lists it under its date. Keep the names of festivals, gods, goddesses and
   heroes as the traditions write them (Imbolc, Beltane, Samhain, Lughnasadh, Yule, Litha, Eostre, Danu, Cernunnos,
   Rhiannon, Epona, Cerridwen, Taliesin, Llyr, Lugh, Merlin, Braciaca, Bellisama, Merriddyn, Raud, Loki, Fontus);
   translate the rest, and write the day counts and dates as your language does ("(4 DAYS) 3rd March Onward").
   Capitals in the English mark the great festivals: keep them in capitals. */
constexpr FestivalEntry Festivals[] = {
    {1, 23, QT_TRANSLATE_NOOP("PaganFestivals", "Day of Braciaca(2 DAYS)23rd Onward"), Always, Till},
    {1, 9, QT_TRANSLATE_NOOP("PaganFestivals", "Raud the Strong`s Day"), 2009, Till, true},

    {2, 2, QT_TRANSLATE_NOOP("PaganFestivals", "IMBOLC"), Always, Till},
    {2, 13, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward"),
     Always, Till},
    {2, 28, QT_TRANSLATE_NOOP("PaganFestivals", "Day of Merriddyn"), Always, Till},

    {3, 1, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of Merlin"), Always, Till},
    {3, 3, QT_TRANSLATE_NOOP("PaganFestivals", "Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward"), Always, Till},
    {3, 21,
     QT_TRANSLATE_NOOP("PaganFestivals",
                       "SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)"),
     Always, Till},

    {4, 30, QT_TRANSLATE_NOOP("PaganFestivals", "BELTANE- and day of cernunnos"), Always, Till},
    {4, 1, QT_TRANSLATE_NOOP("PaganFestivals", "Loki's day"), 2009, Till, true},

    {5, 23, QT_TRANSLATE_NOOP("PaganFestivals", "Day of Dark Goddess"), Always, Till},
    {5, 4, QT_TRANSLATE_NOOP("PaganFestivals", "Bank Holiday"), 2009, Till, true},

    {6, 5, QT_TRANSLATE_NOOP("PaganFestivals", "Rites of Harvest (10 DAYS) 5th June Onward"), Always, Till},
    {6, 12, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of Epona"), Always, Till},
    {6, 17, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of the Birds (6 DAYS) 17 June Onwards"), Always, Till},
    {6, 21, QT_TRANSLATE_NOOP("PaganFestivals", "MIDSUMMER-(Litha)"), Always, Till},
    {6, 23, QT_TRANSLATE_NOOP("PaganFestivals", "Well Blessing Rites to the Water Goddess"), Always, Till},

    {7, 13, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of cerridwen"), Always, Till},
    {7, 19, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of the Forest Spirits (3 DAYS) 19th July Onward"), Always,
     Till},

    {8, 1, QT_TRANSLATE_NOOP("PaganFestivals", "LUGHNASADH"), Always, Till},
    {8, 5, QT_TRANSLATE_NOOP("PaganFestivals", "Day of Lugh"), Always, Till},
    {8, 14, QT_TRANSLATE_NOOP("PaganFestivals", "Day of the Queen of Heaven"), Always, Till},
    {8, 19, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of the Late Wine"), Always, Till},
    {8, 22, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of the Heroes (4 DAYS) 22nd August Onward"), Always, Till},

    {9, 7, QT_TRANSLATE_NOOP("PaganFestivals", "Birth of the Mother"), Always, Till},
    {9, 21, QT_TRANSLATE_NOOP("PaganFestivals", "AUTUMN EQUINOX"), Always, Till},
    {9, 24, QT_TRANSLATE_NOOP("PaganFestivals", "Greater Mysteries of llyr (5 DAYS) 24 th Sept Onward"), Always, Till},
    {9, 25, QT_TRANSLATE_NOOP("PaganFestivals", "Birth of Taliesin"), Always, Till},

    // Samhain has always headed October, ahead of the earlier Fontus festival.
    {10, 23, QT_TRANSLATE_NOOP("PaganFestivals", "SAMHAIN"), Always, Till},
    {10, 13, QT_TRANSLATE_NOOP("PaganFestivals", "Fontus festival"), Always, Till},

    {11, 1, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of Ancestors"), Always, Till},
    {11, 9, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of Gods of Harvest and hunt(3 DAYS)"), Always, Till},

    {12, 2, QT_TRANSLATE_NOOP("PaganFestivals", "Feast of Rhiannon"), Always, Till},
    {12, 12, QT_TRANSLATE_NOOP("PaganFestivals", "day of Bellisama"), Always, Till},
    {12, 13, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of Lights"), Always, Till},
    {12, 21, QT_TRANSLATE_NOOP("PaganFestivals", "YULE"), Always, Till},
    {12, 23, QT_TRANSLATE_NOOP("PaganFestivals", "Yuletide Tree and Elder Festival"), Always, Till},
    {12, 28, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of Wine and pleasure (4 DAYS) 28th Dec Onward"), Always,
     2007},
    {12, 28, QT_TRANSLATE_NOOP("PaganFestivals", "Festival of Wine and pleasure (4 DAYS) 28th December Onward"), 2008,
     Till},
};

constexpr const char* MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

const QString LineBreak = QStringLiteral("\r\n");

std::array<QString, MonthTextCount> MonthTexts;

bool inRange(int year, int month) {
    return year >= FirstYear && year <= LastYear && month >= 1 && month <= 12;
}

} // namespace

QString FestivalEntry::dateText(int year) const {
    const QString englishFormat = QStringLiteral("MMMM d, yyyy");
    //: How the month view writes a festival's date above its name, as a date format of Qt's QDate::toString
    //: (MMMM the month's name, d the day, yyyy the year), in the order and with the words your language uses.
    const QString format = QCoreApplication::translate("PaganFestivals", "MMMM d, yyyy");
    if (format != englishFormat) {
        return QLocale().toString(QDate(year, month, day), format);
    }
    const QString separator = appended ? QStringLiteral(",") : QStringLiteral(", ");
    return EnglishMonthName(month) + QLatin1Char(' ') + QString::number(day) + separator + QString::number(year);
}

std::span<const FestivalEntry> FestivalTable() {
    return Festivals;
}

QString EnglishMonthName(int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return QString::fromLatin1(MonthNames[month - 1]);
}

QString ComposeMonthText(int year, int month) {
    QString text;
    bool first = true;
    for (const FestivalEntry& entry : Festivals) {
        if (entry.month != month || !entry.presentIn(year)) {
            continue;
        }
        if (!first) {
            text += entry.appended ? LineBreak : LineBreak + LineBreak;
        }
        first = false;
        text += entry.dateText(year) + LineBreak + QCoreApplication::translate("PaganFestivals", entry.name);
    }
    return text;
}

void FillFestivalTable() {
    for (int slot = 0; slot < MonthTextCount; ++slot) {
        MonthTexts[slot] = ComposeMonthText(FirstYear + slot / 12, slot % 12 + 1);
    }
}

std::optional<QString> FestivalMonthText(int year, int month) {
    if (!inRange(year, month)) {
        return std::nullopt;
    }
    return MonthTexts[(year - FirstYear) * 12 + (month - 1)];
}

} // namespace modPaganFestivals
