#include "support/TestServer.h"

#include "common/DataSource.h"
#include "common/ServerSource.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <future>

namespace TestServer {

namespace {
QString folder() {
    return qEnvironmentVariable("VELLORAN_TEST_SERVER");
}

SharedDatabase address(const QString& database) {
    SharedDatabase address;
    address.host = folder();
    address.database = database;
    address.user = QStringLiteral("velloran");
    address.password = QStringLiteral("velloran-test");
    address.tlsMode = QStringLiteral("disable");
    return address;
}

QString ownName() {
    QString name = QStringLiteral("t_") + QCoreApplication::applicationName().toLower();
    for (QChar& c : name) {
        if (!c.isLetterOrNumber()) {
            c = QLatin1Char('_');
        }
    }
    return name;
}

bool script(const QString& action) {
    return QProcess::execute(QStringLiteral("bash"),
                             {qEnvironmentVariable("VELLORAN_TEST_SERVER_SCRIPT"), action, folder()}) == 0;
}
} // namespace

bool Available() {
    return !folder().isEmpty() && QFileInfo::exists(folder() + QStringLiteral("/ready"));
}

bool AsSuperuser(const QString& database, const QStringList& statements, const std::function<void()>& beforeCommit) {
    static QAtomicInteger<int> serial;
    const QString name = QStringLiteral("test-superuser-%1").arg(serial.fetchAndAddRelaxed(1));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(folder());
        db.setPort(5432);
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(database);
        ok = db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SET client_min_messages = warning"));
        for (const QString& statement : statements) {
            if (ok && !q.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
                ok = false;
            }
        }
        if (beforeCommit) {
            beforeCommit();
            ok = q.exec(QStringLiteral("COMMIT")) && ok;
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

std::thread CommitLater(const QString& database, const QStringList& statements, int heldMs) {
    std::promise<void> ran;
    std::future<void> running = ran.get_future();
    std::thread later([database, statements, heldMs, ran = std::move(ran)]() mutable {
        AsSuperuser(database, QStringList{QStringLiteral("BEGIN")} + statements, [&] {
            ran.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(heldMs));
        });
    });
    running.wait();
    return later;
}

std::optional<SharedDatabase> EmptyDatabase(const QString& name) {
    if (!Available() ||
        !AsSuperuser(QStringLiteral("postgres"), {QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name),
                                                  QStringLiteral("CREATE DATABASE %1 OWNER velloran").arg(name)})) {
        return std::nullopt;
    }
    return address(name);
}

std::optional<SharedDatabase> Database() {
    static bool made = false;
    const QString name = ownName();
    if (!made) {
        const std::optional<SharedDatabase> empty = EmptyDatabase(name);
        if (!empty) {
            return std::nullopt;
        }
        if (const StoreStatus schema = ServerSource::of(*empty).makeSchema(); !schema) {
            qWarning("The test server's tables could not be made: %s", qPrintable(schema.error().text()));
            return std::nullopt;
        }
        DataSource::closeAll();
        made = true;
        return empty;
    }
    if (!AsSuperuser(name, {QStringLiteral("TRUNCATE details, tblspell, tblincense, tblrecipes, tblrituals RESTART "
                                           "IDENTITY CASCADE")})) {
        return std::nullopt;
    }
    return address(name);
}

bool Halt() {
    return script(QStringLiteral("halt"));
}

bool Resume() {
    return script(QStringLiteral("resume"));
}

} // namespace TestServer

void AddPlaceRows() {
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
}

bool RowIsOnServer() {
    QFETCH_GLOBAL(bool, server);
    return server;
}

bool PutPlaceOfRowInForce(Services& services) {
    DataSource::closeAll();
    services.sharedDatabase.reset();
    if (!RowIsOnServer()) {
        return true;
    }
    services.sharedDatabase = TestServer::Database();
    return services.sharedDatabase.has_value();
}
