#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <array>

// One row of the Details table. Members carry the column names so that a
// reader can follow a field from the wizard to the file without a mapping.
struct DowsingRecord {
    QDate Date; // a null date is a row without a day
    QString Name;
    QString Address;
    QString City;
    QString State;
    QString Pin;
    QString Phone_No;
    QString Email;
    QString Time_Dowsing_Occured;
    QString Dowsing_Tool;
    QString Item_Dowsing_For;
    QString Location_Dowsing_Occured;
    QString Notes;
    qint64 IdNumber = 0; // given by the store; 0 until the record is added

    bool operator==(const DowsingRecord&) const = default;
};

// The columns of Details in table order; listings, the grid, the record sheet and every statement of the
// store follow this order: the date first, then the texts, the number last.
inline constexpr std::array<const char*, 14> DowsingColumns = {"Date",
                                                               "Name",
                                                               "Address",
                                                               "City",
                                                               "State",
                                                               "Pin",
                                                               "Phone_No",
                                                               "Email",
                                                               "Time_Dowsing_Occured",
                                                               "Dowsing_Tool",
                                                               "Item_Dowsing_For",
                                                               "Location_Dowsing_Occured",
                                                               "Notes",
                                                               "IdNumber"};

// The members behind the text columns, in the order of DowsingColumns from its second entry on.
inline constexpr std::array<QString DowsingRecord::*, 12> DowsingTextMembers = {
    &DowsingRecord::Name,
    &DowsingRecord::Address,
    &DowsingRecord::City,
    &DowsingRecord::State,
    &DowsingRecord::Pin,
    &DowsingRecord::Phone_No,
    &DowsingRecord::Email,
    &DowsingRecord::Time_Dowsing_Occured,
    &DowsingRecord::Dowsing_Tool,
    &DowsingRecord::Item_Dowsing_For,
    &DowsingRecord::Location_Dowsing_Occured,
    &DowsingRecord::Notes};
static_assert(DowsingColumns.size() == DowsingTextMembers.size() + 2, "Date, the texts and IdNumber");
