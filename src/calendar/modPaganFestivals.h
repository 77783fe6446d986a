#pragma once

#include <QString>
#include <optional>
#include <span>

// The festivals of 2006 to 2012 and the ready-made month texts the month view shows.
namespace modPaganFestivals {

inline constexpr int FirstYear = 2006;
inline constexpr int LastYear = 2012;
inline constexpr int MonthTextCount = (LastYear - FirstYear + 1) * 12;

// One festival on one date. The day and month never move between years; only the year in the date
// text does. An appended entry follows the month's first entry after a single line break and has no
// blank after the comma of its date.
struct FestivalEntry {
    int month;
    int day;
    const char* name;
    int fromYear;
    int toYear;
    bool appended = false;

    bool presentIn(int year) const { return year >= fromYear && year <= toYear; }
    QString dateText(int year) const;
};

// Every festival, month by month, each month's rows in the order they are listed in its month text.
std::span<const FestivalEntry> FestivalTable();

// English month names, whatever the system language.
QString EnglishMonthName(int month);

// Rewrites all 84 month texts (January 2006 to December 2012).
void FillFestivalTable();

// The month text of a filled table; empty before the first fill. Nothing outside 2006-2012 or 1-12.
std::optional<QString> FestivalMonthText(int year, int month);

// Composes one month text straight from the festival table.
QString ComposeMonthText(int year, int month);

} // namespace modPaganFestivals
