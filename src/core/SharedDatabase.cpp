#include "core/SharedDatabase.h"

#include "core/Application.h"

#include <QCoreApplication>
#include <QSettings>
#include <QUrl>
#include <QUrlQuery>

namespace {
const QString kGroup = QStringLiteral("DataSource");
} // namespace

QString SharedDatabase::name() const {
    return QStringLiteral("%1@%2:%3/%4").arg(user, host, QString::number(port), database);
}

QString SharedDatabase::url() const {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    QUrlQuery query;
    if (host.startsWith(QLatin1Char('/'))) {
        // A socket's folder goes in the query, as libpq reads it.
        query.addQueryItem(QStringLiteral("host"), host);
    } else {
        url.setHost(host);
    }
    query.addQueryItem(QStringLiteral("sslmode"), tlsMode);
    if (!caFile.isEmpty()) {
        query.addQueryItem(QStringLiteral("sslrootcert"), caFile);
    }
    url.setQuery(query);
    return url.toString();
}

bool SharedDatabase::sameAs(const SharedDatabase& other) const {
    return host == other.host && port == other.port && database == other.database && user == other.user &&
           tlsMode == other.tlsMode && caFile == other.caFile;
}

std::optional<SharedDatabase> SharedDatabase::fromUrl(const QString& text, QString* why) {
    const auto refuse = [why](const QString& reason) -> std::optional<SharedDatabase> {
        if (why) {
            *why = reason;
        }
        return std::nullopt;
    };
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
        return refuse(QCoreApplication::translate("SharedDatabase", "'%1' is no postgresql:// address")
                          .arg(url.toString(QUrl::RemovePassword)));
    }
    SharedDatabase database;
    const QUrlQuery query(url);
    database.host = query.hasQueryItem(QStringLiteral("host")) ? query.queryItemValue(QStringLiteral("host"))
                                                               : url.host(QUrl::FullyDecoded);
    if (database.host.isEmpty()) {
        database.host = QStringLiteral("localhost");
    }
    database.port = url.port(5432);
    database.database = url.path(QUrl::FullyDecoded).mid(1);
    database.user = url.userName(QUrl::FullyDecoded);
    database.password = url.password(QUrl::FullyDecoded);
    if (query.hasQueryItem(QStringLiteral("sslmode"))) {
        database.tlsMode = query.queryItemValue(QStringLiteral("sslmode"));
    }
    database.caFile = query.queryItemValue(QStringLiteral("sslrootcert"), QUrl::FullyDecoded);
    if (database.database.isEmpty()) {
        return refuse(QCoreApplication::translate("SharedDatabase", "the address names no database"));
    }
    if (database.user.isEmpty()) {
        return refuse(QCoreApplication::translate("SharedDatabase", "the address names no user"));
    }
    if (!TlsModes.contains(database.tlsMode)) {
        return refuse(QCoreApplication::translate("SharedDatabase", "'%1' is no TLS mode").arg(database.tlsMode));
    }
    return database;
}

std::optional<SharedDatabase> SavedDataSource() {
    QSettings settings(ExecutableName(), ExecutableName());
    settings.beginGroup(kGroup);
    if (settings.value(QStringLiteral("Kind")).toString() != QLatin1String("server")) {
        return std::nullopt;
    }
    SharedDatabase database;
    database.host = settings.value(QStringLiteral("Host"), database.host).toString();
    database.port = settings.value(QStringLiteral("Port"), database.port).toInt();
    database.database = settings.value(QStringLiteral("Database"), database.database).toString();
    database.user = settings.value(QStringLiteral("User")).toString();
    database.tlsMode = settings.value(QStringLiteral("TlsMode"), database.tlsMode).toString();
    database.caFile = settings.value(QStringLiteral("CaFile")).toString();
    return database;
}

void SaveDataSource(const std::optional<SharedDatabase>& database) {
    QSettings settings(ExecutableName(), ExecutableName());
    settings.beginGroup(kGroup);
    settings.remove(QString());
    if (!database) {
        settings.setValue(QStringLiteral("Kind"), QStringLiteral("files"));
        return;
    }
    // Everything but the password, which lives in the secret store.
    settings.setValue(QStringLiteral("Kind"), QStringLiteral("server"));
    settings.setValue(QStringLiteral("Host"), database->host);
    settings.setValue(QStringLiteral("Port"), database->port);
    settings.setValue(QStringLiteral("Database"), database->database);
    settings.setValue(QStringLiteral("User"), database->user);
    settings.setValue(QStringLiteral("TlsMode"), database->tlsMode);
    settings.setValue(QStringLiteral("CaFile"), database->caFile);
}
