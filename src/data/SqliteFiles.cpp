#include "data/SqliteFiles.h"

#include "data/Database.h"
#include "data/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(SqliteFiles)
};

// Another program's lock is waited for no longer than any other read or write of the program waits: the copy
// runs while the user waits on the window, who is then told the file is in use and can try again.
constexpr int kBusyWaitMs = DatabaseBusyTimeoutMs;

class Connection {
  public:
    Connection(const QString& path, int flags) {
        // A reader cannot roll back what a crash left half-changed, and SQLite refuses it until that is done.
        if (flags & SQLITE_OPEN_READONLY) {
            error_ = RollBackInterruptedChange(path).text();
            if (!error_.isEmpty()) {
                return;
            }
        }
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
        return Words::tr("the file is in use by another program; try again when it has finished");
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
    struct stat info {};
    if (::stat(QFile::encodeName(source).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return Words::tr("%1 does not exist").arg(source);
    }
    if (QFileInfo::exists(target)) {
        return Words::tr("%1 exists already").arg(target);
    }
    // Made under another name and put in place whole, so that a copy cut short never passes for the file; made with
    // its source's permissions, so that a private file stays private.
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    const int fd =
        ::open(QFile::encodeName(part).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, info.st_mode & 0666);
    if (fd < 0) {
        return SystemFailure(errno, QFileInfo(target).absolutePath());
    }
    ::fchmod(fd, info.st_mode & 0666);
    ::close(fd);
    QString why;
    {
        Connection from(source, SQLITE_OPEN_READONLY);
        Connection to(part, SQLITE_OPEN_READWRITE);
        why = !from.error().isEmpty() ? from.error() : to.error();
        if (why.isEmpty()) {
            // A new file needs no rollback journal: a copy cut short is thrown away. SQLite still syncs it when the
            // copy ends.
            sqlite3_exec(to.db(), "PRAGMA journal_mode = OFF", nullptr, nullptr, nullptr);
            why = copyPages(from, to);
        }
    }
    if (why.isEmpty() && ::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData()) != 0) {
        why = SystemFailure(errno, QFileInfo(target).absolutePath());
    }
    if (!why.isEmpty()) {
        QFile::remove(part);
        return why;
    }
    return SyncFolder(QFileInfo(target).absolutePath());
}

QString Check(const QString& path, const QStringList& requiredTables) {
    if (!QFileInfo(path).isFile()) {
        return Words::tr("%1 is missing").arg(QFileInfo(path).fileName());
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
        rc = sqlite3_prepare_v2(db.db(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)",
                                -1, &probe, nullptr);
        if (rc == SQLITE_OK) {
            const QByteArray name = table.toUtf8();
            sqlite3_bind_text(probe, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            rc = sqlite3_step(probe);
        }
        // Only a look that ran to its end says the table is not there; any other failure is said as itself.
        QString failure =
            rc == SQLITE_ROW || rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(db.db()));
        sqlite3_finalize(probe);
        if (!failure.isEmpty()) {
            return failure;
        }
        if (rc != SQLITE_ROW) {
            return Words::tr("the table %1 is missing").arg(table);
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
    // As every store writes: the folder synced once the journal is gone, so that no power cut brings it back.
    sqlite3_exec(to.db(), "PRAGMA synchronous = EXTRA", nullptr, nullptr, nullptr);
    return copyPages(from, to);
}

QString CheckNotInUse(const QString& path) {
    Connection db(path, SQLITE_OPEN_READWRITE);
    if (!db.error().isEmpty()) {
        return db.error();
    }
    // An exclusive lock is what replacing the file takes; taken (waiting as long as any write waits) and let go at
    // once, it tells whether that could start now. Until the first write SQLite makes no journal: nothing changes.
    const int rc = sqlite3_exec(db.db(), "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    sqlite3_exec(db.db(), "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        return Words::tr("the file is in use by another program; try again when it has finished");
    }
    return rc == SQLITE_OK ? QString() : db.message();
}

} // namespace SqliteFiles
