#pragma once

#include "common/Database.h"

#include <QString>
#include <optional>

// Row counts of SQLite tables, counted once and then trusted for as long as the file has not changed.
//
// SQLite counts a table by reading every page of it, which grows with the table; a window that opens over a
// large table would pay that at every opening. A count is kept per file and table and taken again only after
// some connection (this program's or another's) has committed a change to the file, or the file at the path
// is another file than before.
namespace RowCounts {

// The number of rows of `table` in the database file at `path`; nothing when the file or table cannot be
// read, with the reason and its cause in `error` if given. Waits up to `busyTimeoutMs` for another program's lock on
// the file. Never creates the file.
std::optional<qint64> Count(const QString& path, const QString& table, int busyTimeoutMs = 2000,
                            StoreError* error = nullptr);

// A value that stays the same for as long as no connection has committed a change to the file at `path`;
// nothing when the file cannot be read. Taken when a list is read and again just before a change of this
// program's own, it tells whether anyone changed the file in between.
std::optional<qint64> Version(const QString& path, int busyTimeoutMs = 2000);

// Closes the connections kept for watching files (the program's end, and tests that remove their files).
void Forget();

} // namespace RowCounts
