#pragma once

#include "common/DataSource.h"
#include "common/SharedDatabase.h"

#include <QSqlDriver>
#include <QTimer>

// The shared PostgreSQL database as the source of both the records and the diary: one kept connection that every
// store shares, as a file's; each change committed anywhere heard within moments through the server's notices
// (LISTEN), with its table and row; counts kept by the server; a connection found lost opened again at the next call,
// and every view told to read again once it is back.
//
// Every wait is bounded, so a window is never frozen for long: the connection (libpq's least, two seconds), a lock
// held by another session (the store's busy timeout) and any statement (StatementTimeoutMs).
class ServerSource : public DataSource {
    Q_OBJECT
  public:
    static constexpr int StatementTimeoutMs = 10000;
    // How often a lost connection is tried again while a view listens.
    static constexpr int ReconnectIntervalMs = 1000;

    // The one source of a database for the program's run; a password given since is used from the next opening.
    static ServerSource& of(const SharedDatabase& database);
    static void closeAll();

    const SharedDatabase& address() const { return address_; }
    const SqlDialect& dialect() const override { return SqlDialect::postgres(); }
    StoreError placed(StoreError error) const override;
    StoreResult<bool> hasAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column) override;
    StoreResult<QSqlDatabase> database(int busyTimeoutMs) override;
    StoreResult<qint64> rowCount(const QString& table, int busyTimeoutMs) override;
    void announce(const DataChange& change) override;
    void checkForOutsideChanges() override;

    // What the database holds, as the program finds it before it reads a record.
    enum class Schema { Current, Empty, Older, Newer, Foreign };
    // Connects (a wrong password, an unreachable server are errors) and looks at the schema.
    StoreResult<Schema> schema();
    // The same over a connection of its own with the address and password given, closed after: the source in use,
    // whose connection outlives a password changed since, does not answer for them.
    static StoreResult<Schema> probe(const SharedDatabase& database);
    // Makes the program's tables in an empty database, or brings older ones to this version, in one transaction.
    StoreStatus makeSchema();

  protected:
    void close() override;

  private:
    explicit ServerSource(const SharedDatabase& database);
    StoreStatus open();
    bool connectionLost() const;
    void hear(const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload);
    void lookAtConnection();

    SharedDatabase address_;
    QString connectionName_;
    bool open_ = false;
    int lockTimeoutMs_ = -1;
    // The highest key heard added to each table: an addition below it came in out of order, and a view reads again.
    QHash<QString, qint64> highestAdded_;
    QTimer reconnect_;
    // Says, once the events at hand are done, that the connection was opened again.
    QTimer reopened_;
    // Looks at the connection once the driver has dealt with what its socket brought.
    QTimer lookSoon_;
};
