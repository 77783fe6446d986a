#pragma once

#include <QString>
#include <span>

// The reference texts of the calendar browser.
namespace PaganLore {

// One subject tab of an inner tab control: its caption and the text shown on it.
struct Subject {
    const char* caption;
    const char* text;

    // In the user's language where the caption is a word (the elements), as written where it is a name.
    QString captionText() const;
    // In the user's language; names of gods, goddesses and festivals stay as the traditions write them.
    QString bodyText() const;
};

// Shown twice: on the information tab and above the festive seasons.
QString Introduction();
QString OldReligion();
// The text beside the month and year chooser.
QString OldCalendar();

std::span<const Subject> FestiveSeasons();
std::span<const Subject> Elements();
std::span<const Subject> Gods();
std::span<const Subject> Goddesses();

} // namespace PaganLore
