#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Reads and tampers with Dowsing.dll behind the program's back, through a connection of its own.
class DowsingTestFile {
  public:
    explicit DowsingTestFile(const QString& path) : name_(QStringLiteral("test-file-%1").arg(quintptr(this))) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        db.open();
    }
    ~DowsingTestFile() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    DowsingTestFile(const DowsingTestFile&) = delete;
    DowsingTestFile& operator=(const DowsingTestFile&) = delete;

    bool exec(const QString& sql) {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        return q.exec(sql);
    }
    // Every row as the file holds it, all fourteen columns, in IdNumber order.
    QList<QVariantList> rows() {
        QSqlQuery q(QSqlDatabase::database(name_, false));
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
    // Makes every change of the table fail, as a full disk would.
    bool refuseWrites() {
        return exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON Details "
                                   "BEGIN SELECT RAISE(ABORT, 'disk full'); END")) &&
               exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON Details "
                                   "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    }

  private:
    QString name_;
};
