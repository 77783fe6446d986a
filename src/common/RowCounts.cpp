#include "common/RowCounts.h"

#include "common/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <list>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace RowCounts {
namespace {

// A few files at most are watched (the two databases); older ones are let go.
constexpr std::size_t kFilesWatched = 4;

// Which file a path named when its counts were taken, so that a file copied over it is not taken for it.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const QString& path) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino)};
#else
    // No cheap way to tell one file from another here; a file in use cannot be replaced on these systems.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    return FileIdentity{};
#endif
}

// One kept read-only connection per file. Its data version changes whenever another connection has
// committed to the file, which is all that can change a count; an idle connection holds no lock.
struct Watch {
    QString path;
    QString asGiven; // the path as callers give it, to find the watch again without resolving the path
    // Read only, and never made: a missing file stays missing.
    std::shared_ptr<DatabaseConnection> connection;
    FileIdentity identity;
    qint64 version = -1;
    int busyTimeoutMs = -1;
    // Asked before every change the program makes, so prepared once.
    std::shared_ptr<QSqlQuery> versionQuery;
    QHash<QString, qint64> counts;
};

std::list<Watch>& watches() {
    static std::list<Watch> kept;
    return kept;
}

void close(Watch& watch) {
    watch.versionQuery.reset();
    watch.connection.reset();
}

std::optional<qint64> countNow(const DatabaseConnection& connection, const QString& table, StoreError* error) {
    QSqlQuery query(connection.database());
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(quoted)) || !query.next()) {
        if (error) {
            *error = StoreError::fromSql({}, query.lastError());
        }
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

} // namespace

namespace {

// The kept connection watching the file at a path, made if need be and moved to the front of the kept ones.
Watch* watchFor(const QString& path, StoreError* error) {
    static const bool cleanedAtEnd = [] {
        qAddPostRoutine(Forget);
        return true;
    }();
    Q_UNUSED(cleanedAtEnd);

    std::list<Watch>& kept = watches();
    auto watch = std::find_if(kept.begin(), kept.end(), [&](const Watch& w) { return w.asGiven == path; });
    const QString key = watch != kept.end() ? watch->path : QFileInfo(path).absoluteFilePath();
    if (watch == kept.end()) {
        watch = std::find_if(kept.begin(), kept.end(), [&](const Watch& w) { return w.path == key; });
    }
    const std::optional<FileIdentity> identity = identityOf(key);
    if (watch != kept.end() && (!identity || watch->identity != *identity)) {
        close(*watch);
        kept.erase(watch);
        watch = kept.end();
    }
    if (!identity) {
        if (error) {
            *error = {StoreCause::Missing, {}, QStringLiteral("the file %1 does not exist").arg(path), path};
        }
        return nullptr;
    }
    if (watch == kept.end()) {
        Watch made;
        made.path = key;
        made.asGiven = path;
        made.identity = *identity;
        made.connection = std::make_shared<DatabaseConnection>(key, DatabaseConnection::Access::Read);
        if (!made.connection->isOpen()) {
            if (error) {
                *error = made.connection->error();
            }
            return nullptr;
        }
        kept.push_front(std::move(made));
        while (kept.size() > kFilesWatched) {
            close(kept.back());
            kept.pop_back();
        }
        return &kept.front();
    }
    if (watch != kept.begin()) {
        kept.splice(kept.begin(), kept, watch);
    }
    return &kept.front();
}

std::optional<qint64> versionOf(Watch& watch, int busyTimeoutMs, StoreError* error) {
    const QSqlDatabase db = watch.connection->database();
    if (watch.busyTimeoutMs != busyTimeoutMs) {
        QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs));
        watch.busyTimeoutMs = busyTimeoutMs;
    }
    if (!watch.versionQuery) {
        watch.versionQuery = std::make_shared<QSqlQuery>(db);
        watch.versionQuery->setForwardOnly(true);
        watch.versionQuery->prepare(QStringLiteral("PRAGMA data_version"));
    }
    QSqlQuery& version = *watch.versionQuery;
    if (!version.exec() || !version.next()) {
        if (error) {
            *error = StoreError::fromSql({}, version.lastError());
        }
        version.finish();
        return std::nullopt;
    }
    const qint64 now = version.value(0).toLongLong();
    // Done with it now: an unfinished statement would hold the file's read lock.
    version.finish();
    if (now != watch.version) {
        watch.counts.clear();
        watch.version = now;
    }
    return now;
}

} // namespace

std::optional<qint64> Count(const QString& path, const QString& table, int busyTimeoutMs, StoreError* error) {
    Watch* watch = watchFor(path, error);
    if (!watch || !versionOf(*watch, busyTimeoutMs, error)) {
        return std::nullopt;
    }
    const auto known = watch->counts.constFind(table.toLower());
    if (known != watch->counts.constEnd()) {
        return known.value();
    }
    // Taken after the version: a change committed in between makes the next call count again.
    const std::optional<qint64> counted = countNow(*watch->connection, table, error);
    if (counted) {
        watch->counts.insert(table.toLower(), *counted);
    }
    return counted;
}

std::optional<qint64> Version(const QString& path, int busyTimeoutMs) {
    Watch* watch = watchFor(path, nullptr);
    return watch ? versionOf(*watch, busyTimeoutMs, nullptr) : std::nullopt;
}

void Forget() {
    for (Watch& watch : watches()) {
        close(watch);
    }
    watches().clear();
}

} // namespace RowCounts
