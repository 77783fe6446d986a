#include "support/TestServer.h"

#include "data/DataSource.h"
#include "data/ServerSchema.h"
#include "data/ServerSource.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
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
    address.port = Port();
    address.database = database;
    address.user = QStringLiteral("velloran");
    address.password = QStringLiteral("velloran-test");
    address.tlsMode = QStringLiteral("disable");
    // A suite can ask to reach it over TCP on loopback, encrypted, as another computer would.
    if (qEnvironmentVariableIsSet("VELLORAN_TEST_SERVER_TCP")) {
        return OverTcp(address, QStringLiteral("verify-full"));
    }
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

bool Expected() {
    return qEnvironmentVariable("CI") == QLatin1String("true") ||
           !QDir(QStringLiteral("/usr/lib/postgresql"))
                .entryList({QStringLiteral("*")}, QDir::Dirs | QDir::NoDotAndDotDot)
                .isEmpty();
}

int Port() {
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("VELLORAN_TEST_SERVER_PORT", &ok);
    return ok ? port : 5432;
}

QString CaFile() {
    return folder() + QStringLiteral("/ca.crt");
}

SharedDatabase OverTcp(SharedDatabase database, const QString& tlsMode, const QString& host) {
    database.host = host;
    database.port = Port();
    database.tlsMode = tlsMode;
    database.caFile = tlsMode.startsWith(QLatin1String("verify")) ? CaFile() : QString();
    return database;
}

qint64 ProgramSessionPid(const QString& database) {
    qint64 pid = 0;
    const QString name = QStringLiteral("test-session-pid");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(folder());
        db.setPort(Port());
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(database);
        QSqlQuery q(db);
        if (db.open() &&
            q.exec(QStringLiteral("SELECT pid FROM pg_stat_activity WHERE application_name = 'Velloran' ORDER BY "
                                  "backend_start DESC LIMIT 1")) &&
            q.next()) {
            pid = q.value(0).toLongLong();
        }
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return pid;
}

bool AsSuperuser(const QString& database, const QStringList& statements, const std::function<void()>& beforeCommit) {
    static QAtomicInteger<int> serial;
    const QString name = QStringLiteral("test-superuser-%1").arg(serial.fetchAndAddRelaxed(1));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(folder());
        db.setPort(Port());
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
    QStringList tables;
    for (const ServerSchema::KeptTable& table : ServerSchema::KeptTables()) {
        tables << table.name;
    }
    if (!AsSuperuser(name,
                     {QStringLiteral("TRUNCATE %1 RESTART IDENTITY CASCADE").arg(tables.join(QStringLiteral(", ")))})) {
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

struct FaultProxy::Process {
    QProcess process;
};

FaultProxy::FaultProxy() : process_(std::make_unique<Process>()) {
    process_->process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->process.start(QStringLiteral("python3"),
                            {qEnvironmentVariable("VELLORAN_TEST_FAULT_PROXY"), QString::number(TestServer::Port())});
    const QList<QByteArray> ready = readLine().trimmed().split(' ');
    port_ = ready.value(0) == "ready" ? ready.value(1).toInt() : 0;
}

QByteArray FaultProxy::readLine() {
    QProcess& proxy = process_->process;
    while (!proxy.canReadLine() && proxy.waitForReadyRead(10000)) {
    }
    return proxy.readLine();
}

FaultProxy::~FaultProxy() {
    process_->process.closeWriteChannel();
    if (!process_->process.waitForFinished(3000)) {
        process_->process.kill();
        process_->process.waitForFinished();
    }
}

SharedDatabase FaultProxy::through(SharedDatabase database) const {
    database = TestServer::OverTcp(database);
    database.port = port_;
    return database;
}

bool FaultProxy::tell(const char* command) {
    process_->process.write(QByteArray(command) + '\n');
    return readLine().trimmed() == "ok";
}

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
