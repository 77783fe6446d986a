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
        return onServer() ? column(u"SELECT column_name FROM information_schema.columns WHERE table_name = 'details' "
                                   u"ORDER BY ordinal_position"_s)
                          : column(u"PRAGMA table_info(Details)"_s, 1);
    }
    // A record written past the program with a number of the test's choosing; later records are numbered after it.
    bool insertNumbered(const QString& name, qint64 idNumber) {
        return exec(QStringLiteral("INSERT INTO Details (Name, IdNumber) VALUES ('%1', %2)").arg(name).arg(idNumber)) &&
               (!onServer() || exec(u"SELECT setval(pg_get_serial_sequence('details', 'idnumber'), max(idnumber)) "
                                    u"FROM details"_s));
    }
    // Holds the table as another program or session would, until letGo().
    bool hold() {
        return onServer() ? exec(u"BEGIN"_s) && exec(u"LOCK TABLE Details IN ACCESS EXCLUSIVE MODE"_s)
                          : exec(u"BEGIN EXCLUSIVE"_s);
    }
    bool letGo() { return exec(u"ROLLBACK"_s); }
    bool allowWrites() {
        return exec(onServer() ? u"DROP TRIGGER refuse_insert ON Details"_s : u"DROP TRIGGER refuse_insert"_s);
    }
    // Makes every change of the table fail, as a full disk would.
    bool refuseWrites() {
        if (onServer()) {
            return exec(u"CREATE FUNCTION refuse() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
                        u"'disk full'; END $$"_s) &&
                   exec(u"CREATE TRIGGER refuse_insert BEFORE INSERT OR UPDATE OR DELETE ON Details FOR EACH ROW "
                        u"EXECUTE FUNCTION refuse()"_s);
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
