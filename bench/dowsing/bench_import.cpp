// Imports 100,000 records from a CSV file in our export's form into an empty Dowsing.dll, both passes as the import
// window runs them (the look for lines that cannot be stored, then the whole file in one transaction), against the
// same rows inserted with one prepared statement in one transaction through Qt SQL, alternating, and prints the
// median ratio; the memory the import took above what the process held before it; and the time the import window
// takes to show the preview of a 100 MB file. Then the same import into an empty shared database, on a throwaway
// PostgreSQL cluster started here with the tests' script and reached over loopback, against the same rows inserted
// there with one prepared statement in one transaction, and its memory.
#include "commands/CsvImport.h"
#include "commands/Exports.h"
#include "commands/frmImportCsv.h"
#include "core/Services.h"
#include "data/ServerSchema.h"
#include "data/ServerSource.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTools.h"
#include "support/BenchDowsing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int kRounds = 5;
// Each of the server's rounds writes its rows twice with the commit synced; more would not fit this machine's minutes.
constexpr int kServerRounds = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A line of /proc/self/status, in MB.
double statusMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key)) {
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return -1;
}

// The kernel's peak for the process starts again from what it holds now.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

QStringList exportedFields(const DowsingRecord& r, int number) {
    QStringList fields{r.Date.toString(Qt::ISODate)};
    for (QString DowsingRecord::*member : DowsingTextMembers) {
        fields << r.*member;
    }
    fields << QString::number(number);
    return fields;
}

// Our export of records 1 to `records`, repeated until the file holds at least `bytes`.
bool writeCsv(const QString& path, int records, qint64 bytes = 0) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QStringList header;
    for (const char* column : DowsingColumns) {
        header << QString::fromLatin1(column);
    }
    file.write(Exports::CsvRecord(header));
    for (int i = 1; i <= records || file.size() < bytes; ++i) {
        file.write(Exports::CsvRecord(exportedFields(recordNumber(i), i)));
    }
    return true;
}

bool freshFile(const QString& path) {
    QSqlDatabase::removeDatabase(QStringLiteral("bench-raw"));
    DataSource::closeAll();
    QFile::remove(path);
    return QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

// The baseline: the same rows, one prepared statement, one transaction.
double rawInsertMs(const QString& path, int records) {
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(DowsingSql::insertStatement());
        for (int i = 1; i <= records; ++i) {
            DowsingSql::bind(q, recordNumber(i));
            q.exec();
        }
        q.finish();
        db.commit();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    QSqlDatabase::removeDatabase(QStringLiteral("bench-raw"));
    return ms;
}

struct Imported {
    double ms = 0;
    qint64 added = 0;
};

// On the shared database when the services in force name one, as the window's store would be.
Imported importMs(const QString& csv, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    auto store = std::make_shared<DowsingStore>(path);
    const CsvImport::Target target = DowsingTools::RecordsTarget(store);
    CsvImport::Choices choices;
    for (qsizetype i = 0; i < target.fields.size(); ++i) {
        choices.columns << int(i);
    }
    choices.dateForm = QStringLiteral("yyyy-MM-dd");
    QString failure;
    const std::optional<CsvImport::Scan> scan = CsvImport::ScanFile(csv, target, choices, failure, {});
    const StoreResult<CsvImport::Outcome> outcome = CsvImport::ImportFile(csv, target, choices, {});
    if (!scan || !outcome) {
        return {};
    }
    return {timer.nsecsElapsed() / 1e6, outcome->added};
}

const QString kServerFolder = QStringLiteral("/tmp/velloran-bench-import-server");
// Away from a server the machine may run on PostgreSQL's own port, and from the other benchmarks' servers.
constexpr int kServerPort = 25434;
const QString kServerBaseline = QStringLiteral("bench-server-raw");

bool server(const QString& action) {
    return QProcess::execute(QStringLiteral("bash"),
                             {QStringLiteral(VELLORAN_TEST_SERVER_SCRIPT), action, kServerFolder}) == 0 &&
           (action != QStringLiteral("start") || QFile::exists(kServerFolder + QStringLiteral("/ready")));
}

// A session of its own, as another program's, for the baseline and for emptying the table between rounds.
QSqlDatabase baselineSession(const SharedDatabase& shared) {
    QSqlDatabase db = QSqlDatabase::database(kServerBaseline, false);
    if (db.isValid()) {
        return db;
    }
    db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kServerBaseline);
    db.setHostName(shared.host);
    db.setPort(shared.port);
    db.setDatabaseName(shared.database);
    db.setUserName(shared.user);
    db.setPassword(shared.password);
    db.setConnectOptions(QStringLiteral("sslmode=") + shared.tlsMode);
    db.open();
    return db;
}

// The table and its words emptied as a new database holds them: their storage and the key's sequence begun again.
bool emptyServerTable(const SharedDatabase& shared) {
    return QSqlQuery(baselineSession(shared)).exec(QStringLiteral("TRUNCATE Details, DetailsWords RESTART IDENTITY"));
}

// The baseline on the server: the rows one prepared statement at a time, in one transaction. The schema's per-row
// notices and count are kept quiet as the import keeps them, so that both carry the same per-row work of the
// server's own (the words trigger); without that, each row's update of the one count row makes the baseline the
// slower by far, and the ratio would measure the triggers rather than the import.
double rawServerInsertMs(const SharedDatabase& shared, int records) {
    QSqlDatabase db = baselineSession(shared);
    QElapsedTimer timer;
    timer.start();
    db.transaction();
    QSqlQuery quiet(db);
    quiet.exec(ServerSchema::QuietlyStatement);
    QSqlQuery q(db);
    q.prepare(DowsingSql::insertStatement());
    for (int i = 1; i <= records; ++i) {
        DowsingSql::bind(q, recordNumber(i));
        q.exec();
    }
    q.finish();
    db.commit();
    return timer.nsecsElapsed() / 1e6;
}

qint64 serverRows(const SharedDatabase& shared) {
    QSqlQuery count(baselineSession(shared));
    return count.exec(QStringLiteral("SELECT count(*) FROM Details")) && count.next() ? count.value(0).toLongLong()
                                                                                      : -1;
}

int measureServer(QTextStream& out, const QString& folder, int records) {
    out << Qt::endl << "shared database: " << records << " records" << Qt::endl;
    qputenv("VELLORAN_TEST_SERVER_FSYNC", "on");
    qputenv("VELLORAN_TEST_SERVER_PORT", QByteArray::number(kServerPort));
    if (!server(QStringLiteral("start"))) {
        out << "the server could not be started" << Qt::endl;
        return 1;
    }
    const auto stop = qScopeGuard([] {
        QSqlDatabase::removeDatabase(kServerBaseline);
        DataSource::closeAll();
        server(QStringLiteral("stop"));
    });
    SharedDatabase shared;
    shared.host = QStringLiteral("127.0.0.1");
    shared.port = kServerPort;
    shared.database = QStringLiteral("bench");
    shared.user = QStringLiteral("velloran");
    shared.password = QStringLiteral("velloran-test");
    shared.tlsMode = QStringLiteral("disable");
    QProcess::execute(QStringLiteral("/usr/bin/psql"),
                      {QStringLiteral("-q"), QStringLiteral("-h"), kServerFolder, QStringLiteral("-p"),
                       QString::number(kServerPort), QStringLiteral("-U"), QStringLiteral("postgres"),
                       QStringLiteral("-c"), QStringLiteral("CREATE DATABASE bench OWNER velloran")});
    if (!ServerSource::of(shared).makeSchema()) {
        out << "the tables could not be made" << Qt::endl;
        return 1;
    }
    const QString csv = folder + QStringLiteral("/server-records.csv");
    if (!writeCsv(csv, records)) {
        return 1;
    }
    // The path names only which tool's data it is: with a shared database in force the store is the server's.
    const QString path = DowsingStore::filePathIn(folder);
    Services services;
    services.sharedDatabase = shared;
    const UseServices inForce(services);

    // The program's connection is opened before the memory is taken, as a window's would be by then.
    if (!DowsingStore(path).database() || !emptyServerTable(shared)) {
        out << "the server could not be reached" << Qt::endl;
        return 1;
    }
    const double before = statusMb("VmRSS:");
    resetPeak();
    const Imported first = importMs(csv, path);
    const double peak = statusMb("VmHWM:");
    if (first.added != records || serverRows(shared) != records) {
        out << "the import added " << first.added << " records, the table holds " << serverRows(shared) << Qt::endl;
        return 1;
    }
    out << "memory: " << before << " MB before, peak " << peak << " MB during the import: " << peak - before
        << " MB above (goal <= 30)" << Qt::endl;

    std::vector<double> imports, raws, ratios;
    for (int round = 0; round < kServerRounds; ++round) {
        emptyServerTable(shared);
        const double raw = rawServerInsertMs(shared, records);
        const qint64 rawRows = serverRows(shared);
        emptyServerTable(shared);
        const double imported = importMs(csv, path).ms;
        if (rawRows != records || serverRows(shared) != records) {
            out << "a round stored " << rawRows << " and " << serverRows(shared) << " records" << Qt::endl;
            return 1;
        }
        raws.push_back(raw);
        imports.push_back(imported);
        ratios.push_back(imported / raw);
        out << "round " << round + 1 << ": import " << imported << " ms, prepared inserts " << raw << " ms, ratio "
            << imported / raw << Qt::endl;
    }
    out << "median: import " << median(imports) << " ms, prepared inserts " << median(raws) << " ms, ratio "
        << median(ratios) << " (goal <= 2)" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The record counts, the file's and the server's, may be given for a quick run; the recorded figures use the
    // defaults. 0 leaves that part out: the server's memory is taken alone in its own process, since the file's
    // part leaves freed pages behind that its import would reuse unseen.
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    // Fewer than the file's: at 100,000 the server's part alone took about 3.5 minutes on this 2-core machine.
    const int serverRecords = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 50000;
    QTextStream out(stdout);
    QTemporaryDir dir;
    if (records == 0) {
        return serverRecords > 0 ? measureServer(out, dir.path(), serverRecords) : 0;
    }
    const QString csv = dir.filePath(QStringLiteral("records.csv"));
    const QString path = DowsingStore::filePathIn(dir.path());
    if (!writeCsv(csv, records)) {
        out << "cannot write " << csv << Qt::endl;
        return 1;
    }
    out << records << " records, CSV of " << QFile(csv).size() / 1e6 << " MB" << Qt::endl;

    // Memory first, in a process that has done nothing else yet.
    if (!freshFile(path)) {
        return 1;
    }
    const double before = statusMb("VmRSS:");
    resetPeak();
    const Imported first = importMs(csv, path);
    const double peak = statusMb("VmHWM:");
    if (first.added != records) {
        out << "the import added " << first.added << " records" << Qt::endl;
        return 1;
    }
    out << "memory: " << before << " MB before, peak " << peak << " MB during the import: " << peak - before
        << " MB above (goal <= 30)" << Qt::endl;

    std::vector<double> imports, raws, ratios;
    for (int round = 0; round < kRounds; ++round) {
        freshFile(path);
        const double raw = rawInsertMs(path, records);
        freshFile(path);
        const double imported = importMs(csv, path).ms;
        raws.push_back(raw);
        imports.push_back(imported);
        ratios.push_back(imported / raw);
        out << "round " << round + 1 << ": import " << imported << " ms, prepared inserts " << raw << " ms, ratio "
            << imported / raw << Qt::endl;
    }
    out << "median: import " << median(imports) << " ms, prepared inserts " << median(raws) << " ms, ratio "
        << median(ratios) << " (goal <= 2)" << Qt::endl;

    // The preview of a large file: the window made, its format guessed, its first rows read and shown.
    const QString large = dir.filePath(QStringLiteral("large.csv"));
    if (!writeCsv(large, 0, 100'000'000)) {
        return 1;
    }
    freshFile(path);
    auto store = std::make_shared<DowsingStore>(path);
    const CsvImport::Target target = DowsingTools::RecordsTarget(store);
    std::vector<double> previews;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto* window = new frmImportCsv(target, large, {});
        window->show();
        QCoreApplication::processEvents();
        previews.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
    }
    out << "preview of a " << QFile(large).size() / 1e6 << " MB file: median " << median(previews)
        << " ms (goal <= 500)" << Qt::endl;
    store.reset();
    QFile::remove(large);
    return serverRecords > 0 ? measureServer(out, dir.path(), serverRecords) : 0;
}
