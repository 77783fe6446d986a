#pragma once

#include "core/SharedDatabase.h"
#include "data/DataSource.h"

#include <QSqlDriver>
#include <QTimer>
#include <optional>

class ServerDriver;

// The shared PostgreSQL database as the source of both the records and the diary: one kept connection that every
// store shares, as a file's; each change committed anywhere heard within moments through the server's notices
// (LISTEN), with its table and row; counts kept by the server; a connection found lost opened again at the next call,
// and every view told to read again once it is back.
//
// Every wait is bounded, by the client as well as the server, so a window is never frozen for long and a server or a
// network gone silent is said within seconds: the connection (ConnectTimeoutS), a lock held by another session (the
// store's busy timeout), any statement (StatementTimeoutMs, on the server), and any call of the connection's
// (ServerDriver's bound, kept on this side: keepalives, TCP's user timeout, and a socket shut when it runs out).
//
// A connection lost while a change was being committed leaves its outcome unknown: its session on the server may
// have committed it, or still be about to. Before the next write the source ends that session, so that what it did is
// final and a store can look (settleLostCall).
class ServerSource : public DataSource {
    Q_OBJECT
  public:
    static constexpr int StatementTimeoutMs = 8000;
    static constexpr int ConnectTimeoutS = 5;
    static constexpr int TcpUserTimeoutMs = 9000;
    // How long the ending of a lost session is waited for.
    static constexpr int EndSessionWaitMs = 3000;
    // The bound of a call that copies a whole database or makes its tables.
    static constexpr int LongBoundMs = 30 * 60 * 1000;
    // How often a lost connection is tried again while a view listens.
    static constexpr int ReconnectIntervalMs = 1000;

    // The one source of a database for the program's run; a password given since is used from the next opening.
    static ServerSource& of(const SharedDatabase& database);
    static void closeAll();

    const SharedDatabase& address() const { return address_; }
    const SqlDialect& dialect() const override { return SqlDialect::postgres(); }
    bool isThere() const override { return true; }
    bool keepsWordsItself() const override { return true; }
    StoreError placed(StoreError error) const override;
    StoreResult<bool> hasAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column) override;
    StoreResult<QSqlDatabase> database(int busyTimeoutMs) override;
    StoreResult<qint64> rowCount(const QString& table, int busyTimeoutMs) override;
    void announce(const DataChange& change) override;
    void checkForOutsideChanges() override;
    StoreStatus settleLostCall() override;

    // While one lives, the calls of the connection may take as long as a copy of a whole database takes.
    class LongCalls {
      public:
        explicit LongCalls(ServerSource& source);
        ~LongCalls();
        LongCalls(const LongCalls&) = delete;
        LongCalls& operator=(const LongCalls&) = delete;

      private:
        ServerSource& source_;
    };

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
    // A session of the server: its process and when it began, which no later session shares.
    struct Session {
        qint64 pid = 0;
        QString began;
    };

    explicit ServerSource(const SharedDatabase& database);
    StoreStatus open();
    ServerDriver* driver() const;
    bool connectionLost() const;
    // True while a call of the connection waits for the server: it is never closed under one.
    bool callUnderWay() const;
    // Ends the session of a connection that was lost and waits a moment until the server has let it go; true when
    // it has (or none was lost).
    bool endLostSession();
    void hear(const QString& name, QSqlDriver::NotificationSource source, const QVariant& payload);
    void lookAtConnection();

    SharedDatabase address_;
    QString connectionName_;
    std::optional<Session> session_;
    std::optional<Session> lostSession_;
    bool open_ = false;
    int lockTimeoutMs_ = -1;
    // The highest key heard added to each table: an addition below it came in out of order, and a view reads again.
    QHash<QString, qint64> highestAdded_;
    QTimer reconnect_;
    // Says, once the events at hand are done, that the connection was opened again.
    QTimer reopened_;
    // Looks at the connection once the driver has dealt with what its socket brought.
    QTimer lookSoon_;
    // Looks again once a call that waits for the server has returned.
    QTimer lookLater_;
};
