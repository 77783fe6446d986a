#pragma once

#include "dowsing/DowsingRecord.h"
#include "dowsing/DowsingStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>

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

// Makes a Dowsing.dll at `path` afresh from the empty file the build makes (VELLORAN_EMPTY_DOWSING_FILE), with
// records 1 to `records` of `make` written in one transaction.
inline bool FillDowsingFile(const QString& path, int records,
                            const std::function<DowsingRecord(int)>& make = recordNumber) {
    QFile::remove(path);
    if (!QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        return false;
    }
    DowsingStore store(path);
    if (!store.open()) {
        return false;
    }
    QSqlDatabase db = *store.database();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(DowsingSql::insertStatement());
    for (int i = 1; i <= records; ++i) {
        DowsingSql::bind(q, make(i));
        if (!q.exec()) {
            return false;
        }
    }
    q.finish();
    return db.commit();
}

// The folder's Dowsing.dll, made afresh with `records` rows of recordNumber.
inline bool MakeDowsingFile(const QString& folder, int records) {
    return FillDowsingFile(DowsingStore::filePathIn(folder), records);
}
