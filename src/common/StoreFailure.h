#pragma once

#include <QString>

class QSqlError;

// Why a database file could not be used, in the words a user understands, for every store.
enum class StoreCause { None, Missing, Locked, ReadOnly, Damaged, DiskFull, Other };

// How long a store waits for another program to let go of its file before it says the file is in use. It runs
// on the window's thread, so it is kept well under a second; the user is then offered to try again.
inline constexpr int StoreBusyWaitMs = 250;

StoreCause StoreCauseOf(const QSqlError& error);

// "the file /home/ann/Dowsing.dll is in use by another program", and so on; an Other cause gives the
// engine's own text.
QString StoreCauseText(StoreCause cause, const QString& path, const QString& detail = QString());

// The engine's own text of an error.
QString StoreErrorDetail(const QSqlError& error);
