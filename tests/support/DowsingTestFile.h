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
    // The columns of Details in table order, as the file or the server names them.
    QStringList columnNames() {
        return onServer() ? column("SELECT column_name FROM information_schema.columns WHERE table_name = 'details' "
                                   "ORDER BY ordinal_position")
                          : column("PRAGMA table_info(Details)", 1);
    }
    // A record written past the program with a number of the test's choosing; later records are numbered after it.
    bool insertNumbered(const QString& name, qint64 idNumber) {
        return exec(QStringLiteral("INSERT INTO Details (Name, IdNumber) VALUES ('%1', %2)").arg(name).arg(idNumber)) &&
               (!onServer() || exec("SELECT setval(pg_get_serial_sequence('details', 'idnumber'), max(idnumber)) "
                                    "FROM details"));
    }
    // Holds the table as another program or session would, until letGo().
    bool hold() {
        return onServer() ? exec("BEGIN") && exec("LOCK TABLE Details IN ACCESS EXCLUSIVE MODE")
                          : exec("BEGIN EXCLUSIVE");
    }
    bool letGo() { return exec("ROLLBACK"); }
    bool allowWrites() {
        return exec(onServer() ? "DROP TRIGGER refuse_insert ON Details" : "DROP TRIGGER refuse_insert");
    }
    // Makes every change of the table fail, as a full disk would.
    bool refuseWrites() {
        if (onServer()) {
            return exec("CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
                        "'disk full'; END $$") &&
                   exec("CREATE TRIGGER refuse_insert BEFORE INSERT OR UPDATE OR DELETE ON Details FOR EACH ROW "
                        "EXECUTE FUNCTION refuse()");
        }
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
