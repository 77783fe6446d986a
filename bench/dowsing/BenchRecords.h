#pragma once

#include "dowsing/DowsingRecord.h"

// Record number i of the benchmarks' files: every column filled, the texts of a plausible length.
inline DowsingRecord recordNumber(int i) {
    DowsingRecord r;
    r.Date = QDate(1900, 1, 1).addDays(i % 55000);
    r.Name = QStringLiteral("CUSTOMER %1").arg(i);
    r.Address = QStringLiteral("%1 Mill Lane\r\nLower Fen").arg(i);
    r.City = QStringLiteral("ELY");
    r.State = QStringLiteral("CAMBS");
    r.Pin = QStringLiteral("CB7 %1").arg(i % 100);
    r.Phone_No = QStringLiteral("01353.%1").arg(i);
    r.Email = QStringLiteral("c%1@fen.example").arg(i);
    r.Time_Dowsing_Occured =
        QStringLiteral("%1:%2").arg(i % 25, 2, 10, QLatin1Char('0')).arg(i % 60, 2, 10, QLatin1Char('0'));
    r.Dowsing_Tool = QStringLiteral("Rods");
    r.Item_Dowsing_For = QStringLiteral("water");
    r.Location_Dowsing_Occured = QStringLiteral("BACK FIELD");
    r.Notes = QStringLiteral("Strong pull by the oak, round %1.").arg(i);
    return r;
}
