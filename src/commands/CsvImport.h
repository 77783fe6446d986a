#pragma once

#include "data/CsvReader.h"
#include "data/Database.h"

#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVariantList>
#include <functional>
#include <memory>

class DataSource;

// Rows of a spreadsheet's CSV file brought into one table of a tool, the whole file in one transaction or nothing,
// and taken out again as a whole. A tool describes its table (CsvImport::Target); nothing here knows which tool it is.
namespace CsvImport {

struct Field {
    QString column;    // the table's column, as the SQL names it
    QString caption;   // as the import window shows it, in the user's language
    QStringList names; // the header names that stand for it, in any writing (Csv::MatchColumns)
    bool date = false; // kept as ISO text, or NULL when the cell is empty
    // Blanks before and after the text dropped, as the tool's own window stores it.
    bool trimBlanks = false;
};

struct Target {
    QString title; // what the rows go into, for the window's title: "Dowsing Records", "Spell Section"
    QString table; // as the SQL names it, and as change notices name it
    QString key;   // its key column, as the SQL names it (quoted where it must be)
    QList<Field> fields;
    DataSource* source = nullptr;
    // The kept connection, checked as the tool's store checks it.
    std::function<StoreResult<QSqlDatabase>()> open;
};

struct Choices {
    Csv::Format format;
    QList<int> columns; // for each field, the file's column that holds it, or -1
    QString dateForm;   // a form of Csv::ReadDate
    bool leaveOutStored = false;
};

// One line that cannot be stored as it stands.
struct Fault {
    qint64 line = 0;
    QString reason;
};

// A row of the file as it would be stored: a value for each field, or why it cannot be.
struct Converted {
    QVariantList values;
    QString fault;
};
Converted Convert(const Target& target, const Choices& choices, const Csv::Row& row);
// The same row read back from the table gives the same number; a row's identity for the duplicate and undo checks.
quint64 RowHash(const QVariantList& values);

// Told how far the work is (bytes of the file, or rows); false stops it, and nothing is kept.
using Progress = std::function<bool(qint64 done, qint64 total)>;

// The first pass: every line that cannot be stored, the first `kept` of them with their reasons.
struct Scan {
    qint64 rows = 0;
    qint64 faulty = 0;
    QList<Fault> faults;
};
// Nothing when the user stopped it; the reason when the file could not be read.
std::optional<Scan> ScanFile(const QString& path, const Target& target, const Choices& choices, QString& failure,
                             const Progress& progress, qsizetype kept = 1000);

// The hashes of every row the table holds now.
StoreResult<QSet<quint64>> StoredRows(const Target& target);

// What one import added, as its undo needs it.
class Imported {
  public:
    Target target;
    QString fileName;
    QUuid id;
    bool onServer = false;
    // Each row added, in the order it was added: on the files by its key, on the server by its line (its key there
    // is made of the import's id and the line), with the hash of what it held.
    QList<qint64> rows;
    QList<quint64> hashes;

    qint64 added() const { return rows.size(); }
    // The key a row of this import carries on the server: the import's id with its line number in the last six bytes,
    // so that all of them lie in one range of keys.
    QUuid keyOfLine(qint64 line) const;
    static qint64 lineOfKey(const QUuid& key);
};

struct Outcome {
    qint64 added = 0;
    qint64 faulty = 0;
    qint64 stored = 0; // left out as already stored
    std::shared_ptr<Imported> imported;
};

// The second pass: the whole file in one transaction, lines with a fault left out (the user chose so after the
// scan), rows already stored left out when the choices say so. One change is announced. An error of StoreCause::Other
// with `stopped` set when the user stopped it; nothing is kept then.
StoreResult<Outcome> ImportFile(const QString& path, const Target& target, const Choices& choices,
                                const Progress& progress, bool* stopped = nullptr);

// How the rows of an import stand now.
struct Standing {
    qint64 unchanged = 0;
    qint64 changed = 0;
    qint64 gone = 0;
};
StoreResult<Standing> Look(const Imported& imported, const Progress& progress, bool* stopped = nullptr);
// Removes the rows of the import that still hold what it stored, in one transaction, and announces one change; the
// rest stay. What was found.
StoreResult<Standing> Undo(const Imported& imported, const Progress& progress, bool* stopped = nullptr);

} // namespace CsvImport
