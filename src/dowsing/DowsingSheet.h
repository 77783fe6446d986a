#pragma once

#include "dowsing/DowsingRecord.h"

#include <QList>
#include <QString>

// A record as the grid and the record sheet show it.

// Month/day/year without leading zeros (3/7/2006) whatever the system's locale, because the sheet's Edit reads
// the date back in that form. Empty for a record without a date.
QString DowsingDateText(const QDate& date);

// The text of column 0..13 of Details, in the grid's form.
QString DowsingColumnText(const DowsingRecord& record, int column);

struct DowsingSheetParagraph {
    QString label; // "Name :- "
    QString text;  // the value, or "This data has not been entered"
};

// The thirteen paragraphs of a record sheet, in column order; IdNumber never appears.
QList<DowsingSheetParagraph> DowsingSheetParagraphs(const DowsingRecord& record);

// The whole sheet: every paragraph followed by two line breaks (carriage return, line feed).
QString DowsingSheetText(const DowsingRecord& record);
