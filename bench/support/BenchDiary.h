#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Writes `rows` entries into the Spell section of the diary file at `path`, in one transaction.
inline bool FillSpellSection(const QString& path, int rows) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO tblspell (keyword, meaning) VALUES (?, ?)"));
            ok = true;
            for (int i = 0; i < rows && ok; ++i) {
                insert.addBindValue(QStringLiteral("Keyword number %1").arg(i));
                insert.addBindValue(QStringLiteral("The meaning of entry %1, written over two lines\r\nas a user "
                                                   "would write it in the meaning box.")
                                        .arg(i));
                ok = insert.exec();
            }
            insert.finish();
            ok = ok && db.commit();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    return ok;
}
