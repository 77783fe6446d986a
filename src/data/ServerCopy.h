#pragma once

#include "data/Database.h"

#include <QString>

// Moving records and entries between the two files and the shared database, each move one transaction and checked:
// the local files copied up, a backup written from one snapshot of the server into the two files any copy of the
// program opens, and a backup's files put in place of the server's rows.
namespace ServerCopy {

// The records and entries of the two files in `folder` into the shared database in force. `replace`: its rows go and
// the files' rows come in with their numbers; otherwise they are added under new numbers. Whole or not at all; empty
// on success, otherwise why.
QString FilesToServer(const QString& folder, bool replace);

// Dowsing.dll and diary.dll, made in `folder` from the schemas, holding the shared database's rows as one snapshot
// saw them. Empty on success, otherwise why.
QString ServerToFiles(const QString& folder);

// The rows the shared database holds in all its tables.
StoreResult<qint64> RowsOnServer();

} // namespace ServerCopy
