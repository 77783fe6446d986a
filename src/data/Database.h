#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <utility>

class QSqlQuery;

// The one way into SQLite for every store: a connection of its own name, a transaction that undoes itself
// unless committed, errors that carry their cause, and the schema loader shared by the build and the tests.

// How long a statement waits for another program's lock on the file before it gives up. Every store runs on
// the window's thread, so the wait is kept well under a second; the window then says that the file is in use
// and offers to try again.
inline constexpr int DatabaseBusyTimeoutMs = 250;

// What went wrong, as far as a window needs to tell the user what to do about it.
enum class StoreCause {
    None,
    Missing,   // the file is not there
    Locked,    // another program holds it
    ReadOnly,  // the file or its folder refuses writes
    Damaged,   // not a database, or a database missing what the program needs
    DiskFull,  // no room to write
    NoSuchRow, // the row asked for is not in the file
    // A shared database's own causes.
    Unreachable, // the server cannot be reached, or the connection to it was lost
    Denied,      // the server refused the user, the password or the encrypted connection
    Changed,     // the record was changed by someone else since it was shown
    Unknown,     // the connection was lost while a change was committed, and whether it was cannot be known yet
    Other,
};

// A failure in one wording for every store: what the program tried, then why it failed. With the file
// named, the why is said in the user's words ("the file ... is in use by another program") rather than the
// engine's, which is kept in brackets where it adds something.
struct StoreError {
    StoreError() = default;
    StoreError(StoreCause cause_, QString what_, QString why_, QString file_, QString server_ = {})
        : cause(cause_), what(std::move(what_)), why(std::move(why_)), file(std::move(file_)),
          server(std::move(server_)) {}

    StoreCause cause = StoreCause::None;
    QString what;
    QString why; // the engine's own text, or a sentence of the program's own
    QString file;
    QString server; // the shared database, as "user@host:port/database", when the data lives there
    // The change failed at its commit: over a connection lost then, it may have been committed all the same.
    bool atCommit = false;

    static StoreError fromSql(const QString& what, const QSqlError& error);
    bool failed() const { return cause != StoreCause::None; }
    QString text() const;

  private:
    QString serverText() const;
};

// Either a value or the error that kept it from being made; reads like std::optional.
template <typename T> class StoreResult {
  public:
    StoreResult(T value) : value_(std::move(value)) {}
    StoreResult(StoreError error) : error_(std::move(error)) {}

    bool has_value() const { return value_.has_value(); }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    T value_or(T fallback) const { return value_.value_or(std::move(fallback)); }
    const StoreError& error() const { return error_; }

  private:
    std::optional<T> value_;
    StoreError error_;
};

// What a change that gives back no value returns: done, or the error that stopped it.
struct Done {};
using StoreStatus = StoreResult<Done>;

// One named connection to an existing database file, closed and removed when it goes. The file is opened
// as a URI with mode=ro or mode=rw, so a missing file fails instead of being created empty, and a folder
// name holding '#' or '?' stays a plain path. Queries on it must end before it does.
class DatabaseConnection {
  public:
    enum class Access { Read, Write };

    DatabaseConnection(const QString& path, Access access, int busyTimeoutMs = DatabaseBusyTimeoutMs);
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection&) = delete;
    DatabaseConnection& operator=(const DatabaseConnection&) = delete;

    bool isOpen() const { return !error_.failed(); }
    // Why the file could not be opened; the what is left for the store to say.
    const StoreError& error() const { return error_; }
    QSqlDatabase database() const { return QSqlDatabase::database(name_, false); }
    const QString& name() const { return name_; }

  private:
    QString name_;
    StoreError error_;
};

// A change cut off by a crash or a power cut leaves SQLite's journal beside the file; this rolls it back, so that
// the file reads as it was before that change. Nothing to do without a journal; an error when the file cannot be
// written (then its folder is read-only, or another program holds it). Every read-only opening calls it first.
StoreError RollBackInterruptedChange(const QString& path);

// SQLite's change counter of a database file that `db` has open as `schema`, which every commit by any program
// changes. Read through the connection's own handle on the file: a second handle would, when closed, let go of the
// locks the connection holds. Nothing when it cannot be read.
std::optional<quint32> ChangeCounter(const QSqlDatabase& db, const QString& schema = QStringLiteral("main"));

// Sets how long the connection's statements wait for another program's lock, through SQLite's own handle: no statement
// to parse, so a look between two clicks can stop waiting and wait again for almost nothing. False when `db` is no
// SQLite connection.
bool SetBusyTimeout(const QSqlDatabase& db, int milliseconds);

// Begins a transaction and rolls it back when it goes out of scope uncommitted, so that every early return
// of a change leaves the file as it was; a committed one lasts through a power cut.
class DatabaseTransaction {
  public:
    explicit DatabaseTransaction(const QSqlDatabase& database);
    ~DatabaseTransaction();
    DatabaseTransaction(const DatabaseTransaction&) = delete;
    DatabaseTransaction& operator=(const DatabaseTransaction&) = delete;

    bool begun() const { return open_; }
    bool commit();
    QSqlError lastError() const;

  private:
    QSqlDatabase database_;
    bool open_ = false;
};

// Runs `change` in a transaction of its own; nothing is kept of a failed one. A transaction that cannot begin is said
// as `notBegun`, one that cannot commit as `what`. The errors name neither file nor server: the store places them.
template <typename T>
StoreResult<T> InTransaction(const QSqlDatabase& db, const QString& notBegun, const QString& what,
                             const std::function<StoreResult<T>(const QSqlDatabase&)>& change) {
    DatabaseTransaction transaction(db);
    if (!transaction.begun()) {
        return StoreError::fromSql(notBegun, transaction.lastError());
    }
    StoreResult<T> changed = change(db);
    if (changed && !transaction.commit()) {
        StoreError error = StoreError::fromSql(what, transaction.lastError());
        error.atCommit = true;
        return error;
    }
    return changed;
}

// A row as the file held it, every value as it was stored (a text as its very bytes, whatever they are), taken
// out with the change that removed it so that it can be put back exactly as it was.
struct KeptRow {
    QString table;
    QString keyColumn;
    qint64 key = 0;
    QStringList columns; // every column but the key, in table order
    QStringList types; // SQLite's type of each value ("text", "blob", "integer", "real", "null"); "server" on a server
    QList<QVariant> values; // a text as its bytes
    // The value of a column as text, for naming the row to the user.
    QString text(const QString& column) const;
};

// Where a kept row went back: under its own key, or under a new one when another row had taken it meanwhile.
struct RowPutBack {
    qint64 key = 0;
    bool underOwnKey = true;
};

// Reads the row `key` of `table` as it is stored and removes it, inside the caller's transaction, in one statement
// that acts only while the row also meets `unchanged` (" AND ..." over `unchangedValues`): a look first and a removal
// after would let another session's change land between them. NoSuchRow when no row is removed; `what` begins the
// error's wording.
StoreResult<KeptRow> TakeRowOut(const QSqlDatabase& db, const QString& table, const QString& keyColumn, qint64 key,
                                const QString& what, const QString& unchanged = {},
                                const QList<QVariant>& unchangedValues = {});
// Inserts a kept row again, inside the caller's transaction: under its own key when that is free, otherwise under
// a new one the table gives it.
StoreResult<RowPutBack> PutRowBack(const QSqlDatabase& db, const KeptRow& row, const QString& what);

// What a row holds, looked at after a change given it as shown touched nothing.
enum class RowNow { Gone, Holds, Differs };
// Whether the row of `table` whose key (`keySql`, as the statements write it) is `key` is there, and whether it meets
// `holds` (" AND ..." over `values`; nothing asked: it differs). `what` words a failure to look.
StoreResult<RowNow> LookAtRow(const QSqlDatabase& db, const QString& table, const QString& keySql, qint64 key,
                              const QString& holds, const QList<QVariant>& values, const QString& what);

// Prepares `sql`, binds `values` in order and runs it; on false the query's lastError() says why, wherever it
// failed (SQLite reports a locked or damaged file at the prepare already).
bool RunPrepared(QSqlQuery& query, const QString& sql, const QList<QVariant>& values);

// Makes a new database file at `path` from a schema's SQL text, whole or not at all: statements end with a
// semicolon at the end of a line and lines starting with "--" are comments. Never touches a file that
// exists. Only the build and the tests make database files; the program opens the ones it was given.
StoreError CreateDatabase(const QString& path, const QString& schemaSql);
