#pragma once

#include "dowsing/DowsingRecord.h"
#include "dowsing/DowsingStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Records for the grid and sheet tests, written straight into the file in one go.
inline DowsingRecord SeedRecord(int n) {
    DowsingRecord r;
    r.Date = QDate(2006, 1 + n % 12, 1 + n % 28);
    r.Name = QStringLiteral("CUSTOMER %1").arg(n);
    r.City = QStringLiteral("CITY");
    r.Time_Dowsing_Occured =
        QStringLiteral("%1:%2").arg(n % 24, 2, 10, QLatin1Char('0')).arg(n % 60, 2, 10, QLatin1Char('0'));
    r.Dowsing_Tool = QStringLiteral("Rods");
    r.Item_Dowsing_For = QStringLiteral("water");
    r.Notes = QStringLiteral("note %1").arg(n);
    return r;
}

// Adds `count` records named CUSTOMER 1.. through the store; returns false on the first failure.
inline bool SeedRecords(const QString& path, int count) {
    DowsingStore store(path);
    const StoreResult<QSqlDatabase> opened = store.database();
    if (!opened) {
        return false;
    }
    QSqlDatabase db = *opened;
    db.transaction();
    QSqlQuery q(db);
    q.prepare(DowsingSql::insertStatement());
    for (int n = 1; n <= count; ++n) {
        DowsingSql::bind(q, SeedRecord(n));
        if (!q.exec()) {
            db.rollback();
            return false;
        }
    }
    q.finish();
    if (!db.commit()) {
        return false;
    }
    store.source().announce({DataChange::Kind::Unknown, QString::fromLatin1(DowsingStore::Table), 0, false});
    return true;
}
