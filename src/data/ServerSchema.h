#pragma once

#include "data/DataCatalog.h"

#include <QList>
#include <QStringList>

// The tables of a shared database: the same tables, columns and meanings as the two files, with keys the server
// hands out (never reused, like the files' AUTOINCREMENT keys), plus what the server keeps for the program: the
// schema's version, the row counts, the words of each record for Find, and triggers that keep those and tell every
// listening copy of the program which row changed (channel "velloran", payload "table operation key").
namespace ServerSchema {

inline const QString Channel = QStringLiteral("velloran");

// The statements that bring a database from version i to version i + 1, for each i; the last version is the one this
// program reads and writes.
// Made from the tools' descriptions at each call: a tool may describe its file after the first.
QList<QStringList> Migrations();
// The number of migrations, known without making them.
int CurrentVersion();

// The tables whose rows the program keeps, as the tools describe them; the triggers name each by its lower-case name
// and read its key column.
using KeptTable = DataCatalog::Table;
inline QList<KeptTable> KeptTables() {
    return DataCatalog::Tables();
}

// Said before statements that change many rows at once (a copy, a restore): the triggers then leave the counts and
// the notices alone, and the statement that ends the work recounts and tells every listener once.
inline const QString QuietlyStatement = QStringLiteral("SET LOCAL velloran.quiet = 'on'");
QStringList AfterQuietStatements();

} // namespace ServerSchema
