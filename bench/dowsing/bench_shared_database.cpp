// The records over the shared database against the same over the file, in one run, at each table size: opening the
// grid with its first page, adding, editing and removing a record, a change by another session seen by an open
// window, and the first page found. The server is a throwaway PostgreSQL cluster started here (with its commits synced
// to the disk, as the file's are), reached through a socket on this machine.
#include "core/Services.h"
#include "data/DataSource.h"
#include "data/ServerCopy.h"
#include "data/ServerSource.h"
#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingSearch.h"
#include "dowsing/DowsingStore.h"
#include "support/BenchDowsing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRounds = 11;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timed(const std::function<void()>& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1e6;
}

const QString kFolder = QStringLiteral("/tmp/velloran-bench-server");
// Its port on loopback, away from a server the machine may run on PostgreSQL's own.
constexpr int kPort = 25433;

bool server(const QString& action) {
    return QProcess::execute(QStringLiteral("bash"), {QStringLiteral(VELLORAN_TEST_SERVER_SCRIPT), action, kFolder}) ==
           0;
}

// Another program's session that writes a record, as another machine would; for the file a connection of its own.
struct Elsewhere {
    explicit Elsewhere(const std::optional<SharedDatabase>& shared, const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(shared ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                                    QStringLiteral("elsewhere"));
        if (shared) {
            db.setHostName(shared->host);
            db.setPort(shared->port);
            db.setDatabaseName(shared->database);
            db.setUserName(shared->user);
            db.setPassword(shared->password);
        } else {
            db.setDatabaseName(path);
        }
        db.open();
    }
    ~Elsewhere() {
        QSqlDatabase::database(QStringLiteral("elsewhere"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("elsewhere"));
    }
    bool add() {
        return QSqlQuery(QSqlDatabase::database(QStringLiteral("elsewhere"), false))
            .exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('ELSEWHERE')"));
    }
};

struct Figures {
    std::vector<double> open, add, edit, remove, seen, findWord, findLetter;
};

void measure(const QString& path, const std::optional<SharedDatabase>& shared, Figures& f) {
    Services services;
    services.sharedDatabase = shared;
    const UseServices inForce(services);
    DowsingStore store(path);
    DowsingGridModel grid(store);
    f.open.push_back(timed([&] {
        grid.reload();
        grid.record(0);
    }));
    qint64 id = 0;
    f.add.push_back(timed([&] { id = store.add(recordNumber(7)).value_or(0); }));
    DowsingRecord shown = store.find(id).value_or({});
    DowsingRecord edited = shown;
    edited.Notes = QStringLiteral("edited");
    f.edit.push_back(timed([&] { store.change(edited, shown); }));
    f.remove.push_back(timed([&] { store.remove(id, edited); }));
    StoreResult<QSqlDatabase> db = store.database();
    if (!shared) {
        // Made once, before any timing; caught up here after the previous round's add elsewhere.
        DowsingSearch::EnsureIndex(*db);
    }
    {
        DowsingFindModel found(*db, &store.source()); // as the find window makes it
        f.findWord.push_back(timed([&] { found.setSearch(QStringLiteral("customer 123")); }));
        f.findLetter.push_back(timed([&] { found.setSearch(QStringLiteral("c")); }));
    }
    // Last: the other session's ending (its server process exits) takes a core of this 2-core machine for a few
    // milliseconds, and a find timed just after it measured that instead.
    {
        Elsewhere other(shared, path);
        bool heard = false;
        const QMetaObject::Connection listening =
            QObject::connect(&store.source(), &DataSource::changed, [&heard](const DataChange&) { heard = true; });
        QElapsedTimer timer;
        timer.start();
        other.add();
        while (!heard && timer.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        f.seen.push_back(timer.nsecsElapsed() / 1e6);
        QObject::disconnect(listening);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i) {
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    }
    if (sizes.isEmpty()) {
        sizes = {32768, 1000000};
    }
    qputenv("VELLORAN_TEST_SERVER_FSYNC", "on");
    qputenv("VELLORAN_TEST_SERVER_PORT", QByteArray::number(kPort));
    if (!server(QStringLiteral("start"))) {
        out << "the server could not be started" << Qt::endl;
        return 1;
    }
    SharedDatabase shared;
    shared.host = kFolder;
    shared.port = kPort;
    shared.database = QStringLiteral("bench");
    shared.user = QStringLiteral("velloran");
    shared.password = QStringLiteral("velloran-test");
    shared.tlsMode = QStringLiteral("disable");
    QProcess::execute(QStringLiteral("/usr/bin/psql"),
                      {QStringLiteral("-q"), QStringLiteral("-h"), kFolder, QStringLiteral("-p"),
                       QString::number(kPort), QStringLiteral("-U"), QStringLiteral("postgres"), QStringLiteral("-c"),
                       QStringLiteral("CREATE DATABASE bench OWNER velloran")});
    if (!ServerSource::of(shared).makeSchema()) {
        out << "the tables could not be made" << Qt::endl;
        return 1;
    }
    out << "| records | action | file, ms | server, ms | server / file |" << Qt::endl;
    out << "|---|---|---|---|---|" << Qt::endl;
    for (const int records : sizes) {
        QTemporaryDir dir;
        const QString path = DowsingStore::filePathIn(dir.path());
        QElapsedTimer filling;
        filling.start();
        if (!FillDowsingFile(path, records)) {
            out << "the file could not be filled" << Qt::endl;
            return 1;
        }
        {
            Services services;
            services.sharedDatabase = shared;
            const UseServices inForce(services);
            if (const QString why = ServerCopy::FilesToServer(dir.path(), true); !why.isEmpty()) {
                out << why << Qt::endl;
                return 1;
            }
            QSqlQuery(*ServerSource::of(shared).database(250))
                .exec(QStringLiteral("VACUUM ANALYZE Details, DetailsWords"));
        }
        out << "<!-- " << records << " records in both in " << filling.elapsed() / 1000 << " s -->" << Qt::endl;
        Figures file, onServer;
        DataSource::closeAll();
        for (int round = 0; round <= kRounds; ++round) {
            // Alternated, each window's store made afresh over the connection the program keeps; the first round
            // (which opens the connections) is not counted.
            Figures& fileFigures = round == 0 ? *new Figures : file;
            Figures& serverFigures = round == 0 ? *new Figures : onServer;
            measure(path, std::nullopt, fileFigures);
            measure(path, shared, serverFigures);
        }
        const auto row = [&](const char* action, const std::vector<double>& a, const std::vector<double>& b) {
            out << "| " << records << " | " << action << " | " << QString::number(median(a), 'f', 2) << " | "
                << QString::number(median(b), 'f', 2) << " | " << QString::number(median(b) / median(a), 'f', 2) << " |"
                << Qt::endl;
        };
        row("grid open and first page", file.open, onServer.open);
        row("add", file.add, onServer.add);
        row("edit", file.edit, onServer.edit);
        row("remove", file.remove, onServer.remove);
        row("a change elsewhere seen", file.seen, onServer.seen);
        row("find \"customer 123\", first page", file.findWord, onServer.findWord);
        row("find \"c\", first page", file.findLetter, onServer.findLetter);
    }
    DataSource::closeAll();
    server(QStringLiteral("stop"));
    return 0;
}
