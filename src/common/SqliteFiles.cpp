#include "common/SqliteFiles.h"

#include "common/Database.h"

#include <QFileInfo>
#include <QThread>
#include <sqlite3.h>

namespace {

// Another program's lock is waited for no longer than any other read or write of the program waits: the copy
// runs while the user waits on the window, who is then told the file is in use and can try again.
constexpr int kBusyWaitMs = DatabaseBusyTimeoutMs;

class Connection {
  public:
    Connection(const QString& path, int flags) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
            error_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        } else {
            sqlite3_busy_timeout(db_, kBusyWaitMs);
        }
    }
    ~Connection() { sqlite3_close_v2(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* db() const { return db_; }
    const QString& error() const { return error_; }
    QString message() const { return QString::fromUtf8(sqlite3_errmsg(db_)); }

  private:
    sqlite3* db_ = nullptr;
    QString error_;
};

// Copies every page from one open database to another in one step, waiting while another connection holds
// a lock that keeps the copy from starting.
QString copyPages(Connection& from, Connection& to) {
    sqlite3_backup* backup = sqlite3_backup_init(to.db(), "main", from.db(), "main");
    if (!backup) {
        return to.message();
    }
    int rc = SQLITE_OK;
    for (int waited = 0;; waited += 50) {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= kBusyWaitMs) {
            break;
        }
        QThread::msleep(50);
    }
    sqlite3_backup_finish(backup);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        return QStringLiteral("the file is in use by another program; try again when it has finished");
    }
    if (rc != SQLITE_DONE) {
        const QString why = QString::fromUtf8(sqlite3_errstr(rc));
        return to.message() == QLatin1String("not an error") ? why : to.message();
    }
    return {};
}

} // namespace

namespace SqliteFiles {

QString Copy(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile()) {
        return QStringLiteral("%1 does not exist").arg(source);
    }
    if (QFileInfo::exists(target)) {
        return QStringLiteral("%1 exists already").arg(target);
    }
    Connection from(source, SQLITE_OPEN_READONLY);
    if (!from.error().isEmpty()) {
        return from.error();
    }
    Connection to(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!to.error().isEmpty()) {
        return to.error();
    }
    // A new file needs no rollback journal: a copy cut short is checked and thrown away. It is still synced
    // to disk when the copy ends.
    sqlite3_exec(to.db(), "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
    return copyPages(from, to);
}

QString Check(const QString& path, const QStringList& requiredTables) {
    if (!QFileInfo(path).isFile()) {
        return QStringLiteral("%1 is missing").arg(QFileInfo(path).fileName());
    }
    Connection db(path, SQLITE_OPEN_READONLY);
    if (!db.error().isEmpty()) {
        return db.error();
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.db(), "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK) {
        return db.message();
    }
    QString verdict;
    int rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) {
        verdict = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    } else {
        verdict = db.message();
    }
    sqlite3_finalize(statement);
    if (verdict != QLatin1String("ok")) {
        return verdict;
    }
    for (const QString& table : requiredTables) {
        sqlite3_stmt* probe = nullptr;
        sqlite3_prepare_v2(db.db(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)", -1,
                           &probe, nullptr);
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(probe, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(probe);
        sqlite3_finalize(probe);
        if (rc != SQLITE_ROW) {
            return QStringLiteral("the table %1 is missing").arg(table);
        }
    }
    return {};
}

QString Replace(const QString& source, const QString& live) {
    Connection from(source, SQLITE_OPEN_READONLY);
    if (!from.error().isEmpty()) {
        return from.error();
    }
    // Never create: the program only ever writes into the file it already has.
    Connection to(live, SQLITE_OPEN_READWRITE);
    if (!to.error().isEmpty()) {
        return to.error();
    }
    return copyPages(from, to);
}

} // namespace SqliteFiles
