#pragma once

#include <QString>
#include <QStringList>

// Whole-file work on SQLite databases through SQLite's own online-backup interface, so that a file another
// connection is writing is copied as one committed state and never as a mix of two. Every function returns
// an empty text on success and the reason otherwise.
namespace SqliteFiles {

// Copies the database at `source` into `target`, which must not exist yet, with the source's permissions; the
// copy is on the disk, under its name, when this returns.
QString Copy(const QString& source, const QString& target);

// PRAGMA integrity_check says "ok" and every named table is there (names compared without regard to case).
QString Check(const QString& path, const QStringList& requiredTables);

// Puts the content of `source` into the existing database `live` under SQLite's own locks: connections that
// hold `live` open read the new content from their next statement on.
QString Replace(const QString& source, const QString& live);

// Empty when no other program holds the database at `path`, so that Replace could start now; otherwise why not.
QString CheckNotInUse(const QString& path);

} // namespace SqliteFiles
