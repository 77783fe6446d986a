#pragma once

#include "support/TestSupport.h"

#include <QSqlQuery>
#include <QVariantList>

// Reads and tampers with Dowsing.dll behind the program's back.
class DowsingTestFile : public RawDatabase {
  public:
    using RawDatabase::RawDatabase;

    // Every row as the file holds it, all fourteen columns, in IdNumber order.
    QList<QVariantList> rows() {
        QSqlQuery q(db());
        QList<QVariantList> all;
        if (!q.exec(QStringLiteral("SELECT * FROM Details ORDER BY IdNumber"))) {
            return all;
        }
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < 14; ++i) {
                row << q.value(i);
            }
            all << row;
        }
        return all;
    }
    // The row with that number, or an empty row.
    QVariantList row(qint64 idNumber) {
        for (const QVariantList& row : rows()) {
            if (row.value(13).toLongLong() == idNumber) {
                return row;
            }
        }
        return {};
    }
    qint64 count() { return rows().size(); }
    // Makes every change of the table fail, as a full disk would.
    bool refuseWrites() {
        for (const char* change : {"INSERT", "UPDATE", "DELETE"}) {
            if (!exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON Details "
                                     "BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                          .arg(QLatin1String(change)))) {
                return false;
            }
        }
        return true;
    }
};
