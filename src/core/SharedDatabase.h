#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Where a shared PostgreSQL database is and how to reach it. The password is held only while the program runs: it
// comes from the desktop's secret store, the command line's address or the user, and is never written to the
// settings file, a log or a message.
struct SharedDatabase {
    QString host = QStringLiteral("localhost"); // a name, an address, or the folder of the server's socket
    int port = 5432;
    QString database = QStringLiteral("velloran");
    QString user;
    QString password;
    // libpq's sslmode: disable, allow, prefer, require, verify-ca (the certificate) or verify-full (and the host).
    QString tlsMode = QStringLiteral("prefer");
    QString caFile; // the authority that signed the server's certificate, for verify-ca and verify-full

    // "user@host:port/database": how every message names the server; never the password.
    QString name() const;
    // The address as `--database` and VELLORAN_DATABASE take it, without the password.
    QString url() const;
    // The same server, database and user, reached the same way: the password aside.
    bool sameAs(const SharedDatabase& other) const;

    // Reads postgresql://[user[:password]@]host[:port]/database[?sslmode=...&sslrootcert=...]; nothing, with
    // `why`, when it is no such address.
    static std::optional<SharedDatabase> fromUrl(const QString& url, QString* why = nullptr);
};

inline const QString DatabaseEnvironmentVariable = QStringLiteral("VELLORAN_DATABASE");
inline const QStringList TlsModes = {QStringLiteral("disable"),   QStringLiteral("allow"),
                                     QStringLiteral("prefer"),    QStringLiteral("require"),
                                     QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

// The user's choice, in the per-user settings (group DataSource): the shared database, or nothing for the files on
// this computer.
std::optional<SharedDatabase> SavedDataSource();
void SaveDataSource(const std::optional<SharedDatabase>& database);
