#include "data/DataSource.h"

#include "core/Services.h"
#include "data/Log.h"
#include "data/ServerSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <qplatformdefs.h>

namespace {
std::map<QString, DataSource*>& files() {
    static std::map<QString, DataSource*> kept;
    return kept;
}
} // namespace

DataSource& DataSource::of(const QString& path) {
    if (const std::optional<SharedDatabase>& shared = CurrentServices().sharedDatabase) {
        return ServerSource::of(*shared);
    }
    const QString key = QFileInfo(path).absoluteFilePath();
    auto found = files().find(key);
    if (found == files().end()) {
        static const bool closedAtEnd = [] {
            qAddPostRoutine(closeAll);
            return true;
        }();
        Q_UNUSED(closedAtEnd);
        found = files().emplace(key, new DataSource(key)).first;
    }
    return *found->second;
}

void DataSource::closeAll() {
    for (auto& [path, file] : files()) {
        file->close();
    }
    ServerSource::closeAll();
}

DataSource::~DataSource() = default;

StoreError DataSource::placed(StoreError error) const {
    if (error.file.isEmpty() && error.cause != StoreCause::NoSuchRow && error.cause != StoreCause::Changed) {
        error.file = path_;
    }
    return error;
}

StoreResult<bool> DataSource::hasAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column) {
    // The column must be the table's one integer key (an alias of SQLite's row number).
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
        return placed(StoreError::fromSql({}, info.lastError()));
    }
    int columns = 0;
    int keys = 0;
    bool numbered = false;
    while (info.next()) {
        ++columns;
        const int key = info.value(5).toInt();
        keys += key > 0 ? 1 : 0;
        numbered = numbered || (key == 1 && info.value(1).toString() == column &&
                                info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0);
    }
    if (info.lastError().isValid()) {
        return placed(StoreError::fromSql({}, info.lastError()));
    }
    return columns == 0 || (numbered && keys == 1);
}

StoreStatus DataSource::requireAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column,
                                            const QString& what, const QString& refusal) {
    const StoreResult<bool> keyed = hasAutomaticKey(db, table, column);
    if (!keyed) {
        StoreError error = keyed.error();
        error.what = what;
        return placed(std::move(error));
    }
    if (*keyed) {
        return Done{};
    }
    return StoreError{StoreCause::Damaged, what, refusal, {}};
}

DataSource::DataSource(QString path) : path_(std::move(path)) {
    qRegisterMetaType<DataChange>();
    outsideChanges_.setInterval(CheckIntervalMs);
    connect(&outsideChanges_, &QTimer::timeout, this, &DataSource::checkForOutsideChanges);
    replaced_.setSingleShot(true);
    replaced_.setInterval(0);
    connect(&replaced_, &QTimer::timeout, this, [this] {
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
    });
}

StoreResult<QSqlQuery*> DataSource::statement(const QSqlDatabase& db, const QString& sql) {
    const QString key = db.connectionName() + QLatin1Char('\n') + sql;
    auto kept = statements_.find(key);
    if (kept == statements_.end()) {
        auto made = std::make_unique<QSqlQuery>(db);
        if (!made->prepare(sql)) {
            return placed(StoreError::fromSql({}, made->lastError()));
        }
        kept = statements_.emplace(key, std::move(made)).first;
    }
    return kept->second.get();
}

StoreResult<QSqlQuery*> DataSource::statement(const QSqlDatabase& db, const QString& sql, const QString& what) {
    StoreResult<QSqlQuery*> prepared = statement(db, sql);
    if (!prepared) {
        StoreError error = prepared.error();
        error.what = what;
        return error;
    }
    return prepared;
}

void DataSource::close() {
    statements_.clear();
    connection_.reset();
    heardVersion_.reset();
    countedVersion_.reset();
    counts_.clear();
    busyTimeoutMs_ = -1;
}

QByteArray DataSource::identityOnDisk() const {
    QT_STATBUF status;
    if (QT_STAT(QFile::encodeName(path_).constData(), &status) != 0) {
        return {};
    }
    return QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

StoreResult<QSqlDatabase> DataSource::database(int busyTimeoutMs) {
    if (connection_ && identityOnDisk() != identity_) {
        close();
        // Heard once the store that noticed it has finished its work.
        replaced_.start();
    }
    if (!connection_) {
        auto opened = std::make_unique<DatabaseConnection>(path_, DatabaseConnection::Access::Write, busyTimeoutMs);
        if (!opened->isOpen()) {
            return opened->error();
        }
        connection_ = std::move(opened);
        identity_ = identityOnDisk();
        busyTimeoutMs_ = busyTimeoutMs;
        ++generation_;
        heardVersion_ = dataVersion();
    }
    QSqlDatabase db = connection_->database();
    if (busyTimeoutMs != busyTimeoutMs_) {
        QSqlQuery pragma(db);
        if (!pragma.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(busyTimeoutMs))) {
            StoreError error = StoreError::fromSql({}, pragma.lastError());
            error.file = path_;
            return error;
        }
        busyTimeoutMs_ = busyTimeoutMs;
    }
    return db;
}

std::optional<qint64> DataSource::dataVersion() {
    if (!connection_) {
        return std::nullopt;
    }
    QSqlDatabase db = connection_->database();
    // Never wait here: this runs between the user's clicks, and a file held by another program is looked at
    // again at the next tick. The statement is kept prepared: it runs at every change this program makes.
    const int waited = busyTimeoutMs_;
    if (waited != 0 && !SetBusyTimeout(db, 0)) {
        return std::nullopt;
    }
    std::optional<qint64> version;
    if (StoreResult<QSqlQuery*> query = statement(db, QStringLiteral("PRAGMA data_version")); query) {
        if ((*query)->exec() && (*query)->next()) {
            version = (*query)->value(0).toLongLong();
        }
        (*query)->finish();
    }
    if (waited != 0 && !SetBusyTimeout(db, waited)) {
        busyTimeoutMs_ = 0;
    }
    return version;
}

StoreResult<qint64> DataSource::rowCount(const QString& table, int busyTimeoutMs) {
    StoreResult<QSqlDatabase> db = database(busyTimeoutMs);
    if (!db) {
        return db.error();
    }
    // A change by another program since the count was taken makes it count again.
    const std::optional<qint64> now = dataVersion();
    if (!now || now != countedVersion_) {
        counts_.clear();
        countedVersion_ = now;
    }
    const auto known = counts_.constFind(table.toLower());
    if (known != counts_.constEnd()) {
        return known.value();
    }
    QSqlQuery query(*db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM ") + SqlDialect::quotedName(table)) || !query.next()) {
        StoreError error = StoreError::fromSql({}, query.lastError());
        error.file = path_;
        return error;
    }
    const qint64 counted = query.value(0).toLongLong();
    // Kept only when the version was known: under a lock it could not be asked, and the count is not trusted.
    if (countedVersion_) {
        counts_.insert(table.toLower(), counted);
    }
    return counted;
}

bool DataSource::isThere() const {
    return QFileInfo(path_).isFile();
}

void DataSource::announce(const DataChange& change) {
    static const char* const kinds[] = {"added", "changed", "removed", "changed in ways not known"};
    qCDebug(VelloranDataLog, "%s: row %lld of %s %s", qUtf8Printable(path_), change.key, qUtf8Printable(change.table),
            kinds[int(change.kind)]);
    // Another program's change not heard of yet would leave a view that applies only this one out of step:
    // then every view reads again, which takes this change in too.
    if (const std::optional<qint64> now = dataVersion(); now && heardVersion_ && *now != *heardVersion_) {
        heardVersion_ = now;
        counts_.clear();
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
        return;
    }
    if (change.table.isEmpty()) {
        counts_.clear();
    } else if (auto kept = counts_.find(change.table.toLower()); kept != counts_.end()) {
        if (change.kind == DataChange::Kind::Added) {
            ++kept.value();
        } else if (change.kind == DataChange::Kind::Removed) {
            --kept.value();
        } else if (change.kind == DataChange::Kind::Unknown) {
            counts_.erase(kept);
        }
    }
    emit changed(change);
}

void DataSource::checkForOutsideChanges() {
    // Nothing listens any more: no more looking until something does (looked at here, never while a view is
    // being disconnected, which happens with Qt's own locks held).
    if (!isSignalConnected(QMetaMethod::fromSignal(&DataSource::changed))) {
        outsideChanges_.stop();
        return;
    }
    if (!connection_) {
        return;
    }
    if (identityOnDisk() != identity_) {
        close();
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
        return;
    }
    const std::optional<qint64> now = dataVersion();
    if (!now) {
        return;
    }
    const bool moved = heardVersion_ && *now != *heardVersion_;
    heardVersion_ = now;
    if (moved) {
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
    }
}

void DataSource::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&DataSource::changed) && !outsideChanges_.isActive()) {
        outsideChanges_.start();
    }
}
