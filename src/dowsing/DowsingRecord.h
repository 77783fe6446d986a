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

// The columns of Details in table order; listings, the grid and the record
// sheet follow this order.
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
