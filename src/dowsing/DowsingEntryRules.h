#pragma once

#include "ui/Keyboard.h"

#include <QChar>
#include <QDate>
#include <QString>
#include <QStringList>

// What the entry wizard accepts, kept apart from its widgets so the rules
// read in one place.
namespace DowsingEntryRules {

// The verdict on one typed character: whether it reaches the text box, as what (letters come out in capitals),
// and whether the user is told what the field takes.
using KeyVerdict = CharacterVerdict;

inline constexpr char16_t Backspace = 8;
inline constexpr char16_t CarriageReturn = 13;

// Name, city, state and location: ASCII letters, upper-cased; blank,
// backspace and Enter pass as typed.
KeyVerdict filterLetterKey(QChar typed);
// Phone number: digits and the point; backspace passes.
KeyVerdict filterNumberKey(QChar typed);

// An at sign anywhere after the first character; an empty address passes.
bool emailAccepted(const QString& email);

// The day named by the three date lists; an invalid QDate when the month
// lacks that day (30 February) or a text is not one of the lists' entries.
QDate dateFromLists(const QString& month, const QString& day, const QString& year);
QString timeText(const QString& hour, const QString& minute);

// The entries of the wizard's lists, in order.
QStringList monthEntries();
QStringList dayEntries();
QStringList yearEntries();
QStringList hourEntries();
QStringList minuteEntries();
QStringList secondEntries();
QStringList ampmEntries();
QStringList toolEntries();
QStringList itemEntries();
// The entries "Other" and "Others", which ask for a tool or an item of the user's own.
inline constexpr int OtherToolIndex = 3;
inline constexpr int OtherItemIndex = 4;

} // namespace DowsingEntryRules
