#include "data/ServerSource.h"

#include "data/Log.h"
#include "data/ServerConnection.h"
#include "data/ServerSchema.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QMetaMethod>
#include <QSqlError>
#include <QSqlQuery>
#include <map>

namespace {

std::map<QString, ServerSource*>& servers() {
    static std::map<QString, ServerSource*> kept;
    return kept;
}

// A value in libpq's connection string: quoted, with its quotes and backslashes escaped.
QString quoted(QString value) {
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// libpq says why a connection was refused only in words; these are its words for a refusal of the user, the
// password or the encryption, as against a server that cannot be reached.
StoreCause causeOfRefusal(const QString& text) {
    const QString lower = text.toLower();
    for (const char* word : {"password", "authentication", "ssl", "certificate", "role", "permission denied",
                             "does not exist", "pg_hba.conf"}) {
        if (lower.contains(QLatin1String(word))) {
            return StoreCause::Denied;
        }
    }
    return StoreCause::Unreachable;
}

} // namespace

ServerSource& ServerSource::of(const SharedDatabase& database) {
    const QString key = database.url();
    auto found = servers().find(key);
    if (found == servers().end()) {
        static const bool closedAtEnd = [] {
            qAddPostRoutine(closeAll);
            return true;
        }();
        Q_UNUSED(closedAtEnd);
        found = servers().emplace(key, new ServerSource(database)).first;
    } else if (found->second->address_.password != database.password) {
        found->second->address_.password = database.password;
    }
    return *found->second;
}

void ServerSource::closeAll() {
    for (auto& [key, server] : servers()) {
        server->close();
    }
}

ServerSource::ServerSource(const SharedDatabase& database) : DataSource(database.name()), address_(database) {
    lookSoon_.setSingleShot(true);
    lookSoon_.setInterval(0);
    connect(&lookSoon_, &QTimer::timeout, this, &ServerSource::lookAtConnection);
    reopened_.setSingleShot(true);
    reopened_.setInterval(0);
    connect(&reopened_, &QTimer::timeout, this, [this] {
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
    });
    reconnect_.setSingleShot(true);
    reconnect_.setInterval(ReconnectIntervalMs);
    lookLater_.setSingleShot(true);
    lookLater_.setInterval(50);
    connect(&lookLater_, &QTimer::timeout, this, &ServerSource::lookAtConnection);
}

StoreError ServerSource::placed(StoreError error) const {
    if (error.cause != StoreCause::NoSuchRow && error.cause != StoreCause::Changed) {
        error.server = address_.name();
        error.file.clear();
        if (error.cause != StoreCause::Denied && error.cause != StoreCause::Unknown && connectionLost()) {
            error.cause = StoreCause::Unreachable;
        }
    }
    return error;
}

ServerDriver* ServerSource::driver() const {
    if (!open_) {
        return nullptr;
    }
    const QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    return qobject_cast<ServerDriver*>(db.driver());
}

bool ServerSource::connectionLost() const {
    const ServerDriver* connection = driver();
    return !connection || connection->lost();
}

bool ServerSource::callUnderWay() const {
    const ServerDriver* connection = driver();
    return connection && connection->busy();
}

void ServerSource::close() {
    if (open_ && connectionLost() && session_) {
        // What the session was doing when its connection went may still be done by the server: it is ended before
        // anything is written again, and what it did looked at after.
        lostSession_ = session_;
        qCInfo(VelloranDataLog, "%s: the connection of session %lld is lost", qUtf8Printable(address_.name()),
               session_->pid);
    }
    session_.reset();
    forgetStatements();
    if (!connectionName_.isEmpty()) {
        {
            QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
            if (db.driver()) {
                db.driver()->disconnect(this);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName_);
        connectionName_.clear();
    }
    open_ = false;
    lockTimeoutMs_ = -1;
    highestAdded_.clear();
}

StoreStatus ServerSource::open() {
    ServerDriver::Register();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        return placed({StoreCause::Other,
                       {},
                       QCoreApplication::translate("ServerSource", "the PostgreSQL driver of Qt is not installed"),
                       {}});
    }
    static QAtomicInteger<quint64> serial;
    connectionName_ = QStringLiteral("velloran.server.%1").arg(serial.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(ServerDriver::Name, connectionName_);
    db.setHostName(address_.host);
    db.setPort(address_.port);
    db.setDatabaseName(address_.database);
    db.setUserName(address_.user);
    db.setPassword(address_.password);
    // Every wait bounded by the client as well as the server: libpq gives up a connection after ConnectTimeoutS, TCP a
    // connection whose sent data goes unacknowledged for TcpUserTimeoutMs, and keepalives one that has gone silent
    // while idle; the driver cuts any call the server does not answer within its bound.
    QStringList options{QStringLiteral("connect_timeout=%1").arg(ConnectTimeoutS),
                        QStringLiteral("application_name=Velloran"),
                        QStringLiteral("keepalives=1"),
                        QStringLiteral("keepalives_idle=5"),
                        QStringLiteral("keepalives_interval=2"),
                        QStringLiteral("keepalives_count=2"),
                        QStringLiteral("tcp_user_timeout=%1").arg(TcpUserTimeoutMs),
                        QStringLiteral("sslmode=") + quoted(address_.tlsMode)};
    if (!address_.caFile.isEmpty()) {
        options << QStringLiteral("sslrootcert=") + quoted(address_.caFile);
    }
    db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!db.open()) {
        StoreError error = StoreError::fromSql({}, db.lastError());
        error.cause = causeOfRefusal(error.why);
        error.server = address_.name();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        connectionName_.clear();
        qCInfo(VelloranDataLog, "%s cannot be opened: %s", qUtf8Printable(address_.name()), qUtf8Printable(error.why));
        return error;
    }
    QSqlQuery settings(db);
    if (!settings.exec(QStringLiteral("SET statement_timeout = %1; SET idle_in_transaction_session_timeout = 60000; "
                                      "SET client_min_messages = warning")
                           .arg(StatementTimeoutMs)) ||
        !settings.exec(QStringLiteral("SELECT pid, extract(epoch FROM backend_start)::numeric::text FROM "
                                      "pg_stat_activity WHERE pid = pg_backend_pid()")) ||
        !settings.next()) {
        StoreError error = StoreError::fromSql({}, settings.lastError());
        settings = QSqlQuery();
        open_ = true;
        close();
        return placed(std::move(error));
    }
    session_ = Session{settings.value(0).toLongLong(), settings.value(1).toString()};
    qCInfo(VelloranDataLog, "%s %s, session %lld", qUtf8Printable(address_.name()),
           generation_ > 0 ? "opened again" : "opened", session_->pid);
    settings.finish();
    open_ = true;
    auto* driver = qobject_cast<ServerDriver*>(db.driver());
    driver->subscribeToNotification(ServerSchema::Channel);
    connect(driver, &QSqlDriver::notification, this, &ServerSource::hear);
    // A connection the server closed, or a call found broken, is looked at once the events at hand are done.
    connect(driver, &ServerDriver::connectionLost, &lookSoon_, [this] { lookSoon_.start(); });
    ++generation_;
    return Done{};
}

StoreResult<QSqlDatabase> ServerSource::database(int busyTimeoutMs) {
    if (open_ && connectionLost() && !callUnderWay()) {
        close();
        // The views missed what changed while it was away.
        lookSoon_.start();
    }
    if (!open_) {
        const bool reopened = generation_ > 0;
        if (const StoreStatus opened = open(); !opened) {
            return opened.error();
        }
        if (reopened) {
            // Heard once the store that opened it again has finished its work.
            reopened_.start();
        }
        if (lostSession_) {
            endLostSession();
        }
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (busyTimeoutMs != lockTimeoutMs_) {
        QSqlQuery set(db);
        if (!set.exec(QStringLiteral("SET lock_timeout = %1").arg(qMax(1, busyTimeoutMs)))) {
            return placed(StoreError::fromSql({}, set.lastError()));
        }
        lockTimeoutMs_ = busyTimeoutMs;
    }
    return db;
}

bool ServerSource::endLostSession() {
    if (!lostSession_) {
        return true;
    }
    if (!open_) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    const QString alive = QStringLiteral("SELECT 1 FROM pg_stat_activity WHERE pid = ? AND "
                                         "extract(epoch FROM backend_start)::numeric::text = ?");
    const QVariantList session{lostSession_->pid, lostSession_->began};
    // pg_terminate_backend waits for the session to go, a few seconds at most; a session gone between the look and
    // the ending is looked at again.
    bool gone = RunPrepared(q,
                            QStringLiteral("SELECT CASE WHEN EXISTS (%1) THEN pg_terminate_backend(?::integer, ?) "
                                           "ELSE true END")
                                .arg(alive),
                            session + QVariantList{lostSession_->pid, EndSessionWaitMs}) &&
                q.next() && q.value(0).toBool();
    q.finish();
    if (!gone) {
        gone = RunPrepared(q, QStringLiteral("SELECT NOT EXISTS (%1)").arg(alive), session) && q.next() &&
               q.value(0).toBool();
    }
    qCInfo(VelloranDataLog, "%s: the lost session %lld %s", qUtf8Printable(address_.name()), lostSession_->pid,
           gone ? "has ended" : "still runs");
    if (gone) {
        lostSession_.reset();
    }
    return gone;
}

StoreStatus ServerSource::settleLostCall() {
    StoreResult<QSqlDatabase> db = database(DatabaseBusyTimeoutMs);
    if (!db) {
        return db.error();
    }
    if (!endLostSession()) {
        return placed(
            {StoreCause::Unknown,
             {},
             QCoreApplication::translate("ServerSource", "the server still runs the session that lost its connection"),
             {}});
    }
    return Done{};
}

ServerSource::LongCalls::LongCalls(ServerSource& source) : source_(source) {
    if (ServerDriver* connection = source_.driver()) {
        connection->setBound(LongBoundMs);
    }
}

ServerSource::LongCalls::~LongCalls() {
    if (ServerDriver* connection = source_.driver()) {
        connection->setBound(0);
    }
}

StoreResult<ServerSource::Schema> ServerSource::schema() {
    StoreResult<QSqlDatabase> db = database(DatabaseBusyTimeoutMs);
    if (!db) {
        return db.error();
    }
    QSqlQuery q(*db);
    if (!q.exec(QStringLiteral("SELECT (SELECT count(*) FROM pg_tables WHERE schemaname = current_schema()), "
                               "to_regclass('velloran_schema') IS NOT NULL")) ||
        !q.next()) {
        return placed(StoreError::fromSql({}, q.lastError()));
    }
    if (!q.value(1).toBool()) {
        return q.value(0).toLongLong() == 0 ? Schema::Empty : Schema::Foreign;
    }
    if (!q.exec(QStringLiteral("SELECT max(version) FROM velloran_schema")) || !q.next()) {
        return placed(StoreError::fromSql({}, q.lastError()));
    }
    const int version = q.value(0).toInt();
    return version == ServerSchema::CurrentVersion()  ? Schema::Current
           : version < ServerSchema::CurrentVersion() ? Schema::Older
                                                      : Schema::Newer;
}

StoreResult<ServerSource::Schema> ServerSource::probe(const SharedDatabase& database) {
    ServerSource alone(database);
    StoreResult<Schema> found = alone.schema();
    alone.close();
    return found;
}

StoreStatus ServerSource::makeSchema() {
    const StoreResult<Schema> found = schema();
    if (!found) {
        return found.error();
    }
    if (*found == Schema::Current) {
        return Done{};
    }
    if (*found != Schema::Empty && *found != Schema::Older) {
        return placed({StoreCause::Damaged,
                       {},
                       *found == Schema::Newer
                           ? QCoreApplication::translate("ServerSource", "its tables were made by a newer Velloran")
                           : QCoreApplication::translate("ServerSource", "it holds tables of another program"),
                       {}});
    }
    // Tables made or brought up to date over a million rows may take longer than any call of a window.
    const LongCalls patient(*this);
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    int version = 0;
    QSqlQuery q(db);
    if (*found == Schema::Older && q.exec(QStringLiteral("SELECT max(version) FROM velloran_schema")) && q.next()) {
        version = q.value(0).toInt();
    }
    q.finish();
    // PostgreSQL makes tables in a transaction: a schema is made whole or not at all.
    DatabaseTransaction transaction(db);
    if (!transaction.begun()) {
        return placed(StoreError::fromSql({}, transaction.lastError()));
    }
    QStringList statements{QStringLiteral("SET LOCAL statement_timeout = 0")};
    const QList<QStringList> migrations = ServerSchema::Migrations();
    for (int next = version; next < migrations.size(); ++next) {
        statements += migrations.at(next);
    }
    statements << QStringLiteral("UPDATE velloran_schema SET version = %1").arg(ServerSchema::CurrentVersion());
    for (const QString& statement : statements) {
        if (!q.exec(statement)) {
            return placed(StoreError::fromSql({}, q.lastError()));
        }
    }
    q.finish();
    if (!transaction.commit()) {
        return placed(StoreError::fromSql({}, transaction.lastError()));
    }
    ++generation_;
    return Done{};
}

StoreResult<bool> ServerSource::hasAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column) {
    Q_UNUSED(table);
    Q_UNUSED(column);
    // The program made the tables: their keys are the server's when the schema is this program's.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT max(version) FROM velloran_schema")) || !q.next()) {
        return placed(StoreError::fromSql({}, q.lastError()));
    }
    if (q.value(0).toInt() != ServerSchema::CurrentVersion()) {
        return placed({StoreCause::Damaged,
                       {},
                       QCoreApplication::translate("ServerSource", "its tables are of version %1, not %2")
                           .arg(QString::number(q.value(0).toInt()), QString::number(ServerSchema::CurrentVersion())),
                       {}});
    }
    return true;
}

StoreResult<qint64> ServerSource::rowCount(const QString& table, int busyTimeoutMs) {
    StoreResult<QSqlDatabase> db = database(busyTimeoutMs);
    if (!db) {
        return db.error();
    }
    // The server keeps the counts: counting a million rows would take a second.
    QSqlQuery q(*db);
    if (!RunPrepared(q, QStringLiteral("SELECT rows FROM velloran_counts WHERE tablename = lower(?)"), {table})) {
        return placed(StoreError::fromSql({}, q.lastError()));
    }
    if (!q.next()) {
        return placed({StoreCause::Damaged,
                       {},
                       QCoreApplication::translate("ServerSource", "the count of %1 is missing").arg(table),
                       {}});
    }
    return q.value(0).toLongLong();
}

void ServerSource::announce(const DataChange& change) {
    const QString table = change.table.toLower();
    if (change.kind == DataChange::Kind::Added) {
        // Keys are handed out when a row is written, not when it is committed: a row added before one already heard
        // of does not belong at the end, where a list would put it.
        qint64& highest = highestAdded_[table];
        if (change.key < highest) {
            emit changed(DataChange{DataChange::Kind::Unknown, change.table, 0, true});
            return;
        }
        highest = change.key;
    }
    emit changed(change);
}

void ServerSource::hear(const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload) {
    // This program's own changes are announced by the stores that made them.
    if (name != ServerSchema::Channel || source == QSqlDriver::SelfSource) {
        return;
    }
    const QStringList parts = payload.toString().split(QLatin1Char(' '));
    DataChange change{DataChange::Kind::Unknown, parts.value(0), parts.value(2).toLongLong(), true};
    const QString operation = parts.value(1);
    if (operation == QLatin1String("insert")) {
        change.kind = DataChange::Kind::Added;
        qint64& highest = highestAdded_[change.table];
        highest = qMax(highest, change.key);
    } else if (operation == QLatin1String("update")) {
        change.kind = DataChange::Kind::Changed;
    } else if (operation == QLatin1String("delete")) {
        change.kind = DataChange::Kind::Removed;
    }
    emit changed(change);
}

void ServerSource::lookAtConnection() {
    if (callUnderWay()) {
        // Never closed under a call that waits for it: looked at again once it has returned.
        lookLater_.start();
        return;
    }
    if (open_ && connectionLost()) {
        close();
        // Every view tries to read again, and says that the server cannot be reached until it can.
        emit changed(DataChange{DataChange::Kind::Unknown, {}, 0, true});
    }
}

void ServerSource::checkForOutsideChanges() {
    if (!isSignalConnected(QMetaMethod::fromSignal(&DataSource::changed))) {
        DataSource::checkForOutsideChanges();
        return;
    }
    lookAtConnection();
    // A connection the server closed while nothing was asked of it is found by a look of the connection's own.
    if (ServerDriver* connection = driver()) {
        connection->lookAtConnection();
    }
    // Back as soon as the server is, without waiting for the user: tried once a second at most.
    if (!open_ && generation_ > 0 && !reconnect_.isActive()) {
        reconnect_.start();
        database(DatabaseBusyTimeoutMs);
    }
}
