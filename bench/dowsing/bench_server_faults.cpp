// The shared database under a real network's faults, through the program's own stores, against a throwaway PostgreSQL
// cluster with its commits synced to the disk, started here:
//   costs    an add with its key against the add as it was before keys (the same statement without one);
//   races    two processes editing one record (then one diary entry) 200 times each, each given it as it read it,
//            while a third removes it given as read: no write may land on a row that no longer holds what its writer
//            was shown (a trigger of this benchmark's own logs every change the server made);
//   faults   records added one after another while connections are killed (pg_terminate_backend), the server crashes
//            (pg_ctl stop -m immediate, then start), a proxy cuts its connections, or loses the answer to a COMMIT;
//            after each failure the user's Retry, with the same key. Every record must be stored exactly once, every
//            "saved" and every "not saved" must be true, and an outcome that cannot be known must be said so;
//   silence  a proxy, or the server's process, that stops answering for 20 s: how long until the user is told.
#include "core/Services.h"
#include "data/DataSource.h"
#include "data/ServerConnection.h"
#include "data/ServerSource.h"
#include "diary/DiaryStore.h"
#include "dowsing/DowsingStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <functional>
#include <thread>
#include <vector>

namespace {

const QString kFolder = QStringLiteral("/tmp/velloran-bench-faults");
constexpr int kPort = 25434;
QTextStream out(stdout);

bool server(const QString& action) {
    return QProcess::execute(QStringLiteral("bash"), {QStringLiteral(VELLORAN_TEST_SERVER_SCRIPT), action, kFolder}) ==
           0;
}

SharedDatabase address(int port = kPort) {
    SharedDatabase shared;
    shared.host = QStringLiteral("127.0.0.1");
    shared.port = port;
    shared.database = QStringLiteral("bench");
    shared.user = QStringLiteral("velloran");
    shared.password = QStringLiteral("velloran-test");
    shared.tlsMode = QStringLiteral("disable");
    return shared;
}

// The superuser's own session, through the server's socket: what is really in the tables, whatever the program says.
class Superuser {
  public:
    Superuser() : name_(QStringLiteral("superuser-%1").arg(quintptr(this))) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
        db.setHostName(kFolder);
        db.setPort(kPort);
        db.setUserName(QStringLiteral("postgres"));
        db.setDatabaseName(QStringLiteral("bench"));
    }
    ~Superuser() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    // Runs a statement, opening the connection again for as long as the server takes to come back.
    QStringList column(const QString& sql) {
        for (int attempt = 0; attempt < 300; ++attempt) {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            if (!db.isOpen() && !db.open()) {
                QThread::msleep(100);
                continue;
            }
            QSqlQuery q(db);
            if (q.exec(sql)) {
                QStringList values;
                while (q.next()) {
                    values << q.value(0).toString();
                }
                return values;
            }
            db.close();
            QThread::msleep(100);
        }
        return {QStringLiteral("(no answer)")};
    }

  private:
    QString name_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The tests' proxy, told what to do through its standard input.
class Proxy {
  public:
    Proxy() {
        process_.start(QStringLiteral("python3"), {QStringLiteral(VELLORAN_FAULT_PROXY), QString::number(kPort)});
        port_ = line().split(u' ').value(1).toInt();
    }
    ~Proxy() {
        process_.closeWriteChannel();
        process_.waitForFinished(3000);
    }
    int port() const { return port_; }
    void tell(const char* command) {
        process_.write(QByteArray(command) + '\n');
        line();
    }

  private:
    QString line() {
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        return QString::fromUtf8(process_.readLine().trimmed());
    }
    QProcess process_;
    int port_ = 0;
};

void costs() {
    Services services;
    services.sharedDatabase = address();
    const UseServices inForce(services);
    DowsingStore store(QStringLiteral("Dowsing.dll"));
    DowsingRecord record;
    record.Date = QDate(2006, 3, 7);
    record.Name = QStringLiteral("COST");
    record.Notes = QStringLiteral("A record of ordinary length, as a practice keeps them.");
    store.open();
    ServerSource& source = ServerSource::of(*services.sharedDatabase);
    // The add of the last version: the same statement without the key, in a transaction of its own.
    const QString plain = DowsingSql::insertStatement() + QStringLiteral(" RETURNING IdNumber");
    std::vector<double> keyed, unkeyed;
    for (int round = 0; round < 801; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (round % 2 == 0) {
            store.add(record);
            keyed.push_back(timer.nsecsElapsed() / 1e6);
        } else {
            QSqlDatabase db = *source.database(DatabaseBusyTimeoutMs);
            db.transaction();
            QSqlQuery* q = *source.statement(db, plain);
            DowsingSql::bind(*q, record);
            q->exec();
            q->next();
            q->finish();
            db.commit();
            unkeyed.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    out << "| add, medians of 400 alternated | " << QString::number(median(unkeyed), 'f', 2) << " ms | "
        << QString::number(median(keyed), 'f', 2) << " ms | "
        << QString::number(median(keyed) / median(unkeyed), 'f', 2) << " |" << Qt::endl;
    DataSource::closeAll();
}

template <typename T> StoreStatus status(const StoreResult<T>& result) {
    return result ? StoreStatus(Done{}) : StoreStatus(result.error());
}

// One of the racing processes over the record or the diary entry: 'A' and 'B' each read it and save a change of it,
// given it as read, 200 times; 'R' reads it and removes it, given as read, from its 100th reading on. Each writes
// after '<' what it was shown, for the audit to compare. Prints how many of its writes were made and refused.
int race(char role, bool diary) {
    Services services;
    services.sharedDatabase = address();
    const UseServices inForce(services);
    DowsingStore records(QStringLiteral("Dowsing.dll"));
    DiaryStore entries(QStringLiteral("diary.dll"));
    int written = 0;
    int refused = 0;
    QString removedAsShown;
    for (int n = 0; n < 200; ++n) {
        // The remover waits until the editors are under way, then tries until it has removed the row as it read it.
        const bool removing = role == 'R' && n >= 100;
        if (role == 'R' && !removing) {
            QThread::msleep(5);
            continue;
        }
        StoreStatus done = Done{};
        if (diary) {
            const StoreResult<DiaryEntry> shown = entries.entryWithIndex(DiarySection::Spell, 1);
            if (!shown) {
                break; // removed
            }
            const QString meaning = QStringLiteral("%1%2<%3").arg(QChar::fromLatin1(role), QString::number(n),
                                                                  shown->meaning.section(QLatin1Char('<'), 0, 0));
            done = removing ? status(entries.removeKept(DiarySection::Spell, 1, *shown))
                            : entries.update(DiarySection::Spell, 1, shown->keyword, meaning, *shown);
            removedAsShown = removing && done ? shown->meaning : removedAsShown;
        } else {
            const StoreResult<DowsingRecord> shown = records.find(1);
            if (!shown) {
                break;
            }
            DowsingRecord edited = *shown;
            edited.Notes = QStringLiteral("%1%2<%3").arg(QChar::fromLatin1(role), QString::number(n),
                                                         shown->Notes.section(QLatin1Char('<'), 0, 0));
            done = removing ? status(records.removeKept(1, *shown)) : records.change(edited, *shown);
            removedAsShown = removing && done ? shown->Notes : removedAsShown;
        }
        if (done) {
            ++written;
        } else if (done.error().cause == StoreCause::Changed || done.error().cause == StoreCause::NoSuchRow) {
            ++refused;
        } else {
            QTextStream(stderr) << done.error().text() << Qt::endl;
        }
    }
    DataSource::closeAll();
    out << written << ' ' << refused << ' ' << removedAsShown << Qt::endl;
    return 0;
}

void races(const QString& self) {
    Superuser super;
    for (const bool diary : {false, true}) {
        const QString table = diary ? QStringLiteral("tblspell") : QStringLiteral("details");
        const QString column = diary ? QStringLiteral("meaning") : QStringLiteral("notes");
        super.column(QStringLiteral("TRUNCATE details, tblspell RESTART IDENTITY CASCADE"));
        super.column(QStringLiteral("CREATE TABLE IF NOT EXISTS audit (op text, old text, new text)"));
        super.column(QStringLiteral("TRUNCATE audit"));
        super.column(
            QStringLiteral("CREATE OR REPLACE FUNCTION audit_it() RETURNS trigger LANGUAGE plpgsql SECURITY DEFINER AS "
                           "$$ BEGIN "
                           "INSERT INTO audit VALUES (TG_OP, to_jsonb(OLD) ->> TG_ARGV[0], CASE TG_OP WHEN 'DELETE' "
                           "THEN NULL ELSE to_jsonb(NEW) ->> TG_ARGV[0] END); RETURN NULL; END $$"));
        super.column(QStringLiteral("DROP TRIGGER IF EXISTS audited ON %1").arg(table));
        super.column(QStringLiteral("CREATE TRIGGER audited AFTER UPDATE OR DELETE ON %1 FOR EACH ROW EXECUTE "
                                    "FUNCTION audit_it('%2')")
                         .arg(table, column));
        super.column(diary ? QStringLiteral("INSERT INTO tblspell (keyword, meaning) VALUES ('moon', 'first')")
                           : QStringLiteral("INSERT INTO details (name, notes) VALUES ('RACED', 'first')"));
        std::vector<std::unique_ptr<QProcess>> racers;
        for (const char* role : {"A", "B", "R"}) {
            auto& racer = racers.emplace_back(std::make_unique<QProcess>());
            racer->start(self, {QStringLiteral("race"), QString::fromLatin1(role),
                                diary ? QStringLiteral("diary") : QStringLiteral("record")});
        }
        int refused = 0;
        QString removedAsShown;
        for (auto& racer : racers) {
            racer->waitForFinished(600000);
            const QStringList counts = QString::fromUtf8(racer->readAllStandardOutput()).trimmed().split(u' ');
            refused += counts.value(1).toInt();
            removedAsShown = counts.value(2, removedAsShown);
        }
        // Every change the server made: an edit must have found the row holding what its writer was shown, which
        // the writer put after '<' in what it wrote; a removal likewise took the row as its remover read it.
        int lost = 0;
        const QStringList olds =
            super.column(QStringLiteral("SELECT old FROM audit WHERE op = 'UPDATE' ORDER BY ctid"));
        const QStringList news =
            super.column(QStringLiteral("SELECT new FROM audit WHERE op = 'UPDATE' ORDER BY ctid"));
        for (int i = 0; i < news.size(); ++i) {
            if (news.at(i).section(QLatin1Char('<'), 1) != olds.value(i).section(QLatin1Char('<'), 0, 0)) {
                ++lost;
            }
        }
        const int removals =
            super.column(QStringLiteral("SELECT count(*) FROM audit WHERE op = 'DELETE'")).value(0).toInt();
        out << "| " << (diary ? "one diary entry" : "one record") << " | " << news.size() << " edits, " << removals
            << " removal | " << refused << " | " << lost << " |" << Qt::endl;
        super.column(QStringLiteral("DROP TRIGGER audited ON %1").arg(table));
    }
}

struct Tally {
    int adds = 0, saved = 0, notSaved = 0, unknown = 0, falseSaved = 0, falseNotSaved = 0, duplicates = 0, missing = 0;
    std::vector<double> toMessage;
};

void faults() {
    Proxy proxy;
    Superuser super;
    super.column(QStringLiteral("TRUNCATE details RESTART IDENTITY CASCADE"));
    Services services;
    services.sharedDatabase = address(proxy.port());
    const UseServices inForce(services);
    DowsingStore store(QStringLiteral("Dowsing.dll"));
    store.open();
    // Faults at random moments from a thread of their own: 50 sessions killed, 10 crashes, 10 proxy cuts, 10 answers
    // to a COMMIT lost.
    std::vector<char> planned;
    planned.insert(planned.end(), 50, 'k');
    planned.insert(planned.end(), 10, 'x');
    planned.insert(planned.end(), 10, 'c');
    planned.insert(planned.end(), 10, 'a');
    std::shuffle(planned.begin(), planned.end(), *QRandomGenerator::global());
    std::atomic<bool> done{false};
    std::atomic<int> proxyCommand{0};
    std::thread striker([&] {
        Superuser killer;
        for (const char fault : planned) {
            QThread::msleep(100 + QRandomGenerator::global()->bounded(300));
            if (fault == 'k') {
                killer.column(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE "
                                             "application_name = 'Velloran'"));
            } else if (fault == 'x') {
                QProcess::execute(QStringLiteral("bash"),
                                  {QStringLiteral("-c"),
                                   QStringLiteral("bin=$(ls -d /usr/lib/postgresql/*/bin | tail -1); u=; [ $(id -u) "
                                                  "= 0 ] && u='runuser -u nobody --'; $u $bin/pg_ctl -D %1/data -m "
                                                  "immediate stop >/dev/null")
                                       .arg(kFolder)});
                server(QStringLiteral("resume"));
            } else {
                proxyCommand = fault; // the proxy is told by the main thread, between two adds
                while (proxyCommand != 0 && !done) {
                    QThread::msleep(10);
                }
            }
        }
        done = true;
    });
    Tally tally;
    for (int i = 0; !done || proxyCommand != 0; ++i) {
        if (const int command = proxyCommand.exchange(0)) {
            proxy.tell(command == 'c' ? "cut" : "commit");
        }
        const QString name = QStringLiteral("F%1").arg(i);
        DowsingRecord record;
        record.Name = name;
        const QUuid key = QUuid::createUuid();
        ++tally.adds;
        QElapsedTimer said;
        said.start();
        StoreResult<qint64> added = store.add(record, key);
        const auto stored = [&] {
            return super.column(QStringLiteral("SELECT IdNumber FROM details WHERE name = '%1'").arg(name));
        };
        if (added) {
            ++tally.saved;
            tally.falseSaved += stored() == QStringList{QString::number(*added)} ? 0 : 1;
            continue;
        }
        tally.toMessage.push_back(said.nsecsElapsed() / 1e6);
        if (added.error().cause == StoreCause::Unknown) {
            ++tally.unknown;
        } else {
            ++tally.notSaved;
            tally.falseNotSaved += stored().isEmpty() ? 0 : 1;
        }
        // The user's Retry, with the same key, until the server answers.
        for (int retry = 0; retry < 100 && !added; ++retry) {
            QThread::msleep(200);
            added = store.add(record, key);
        }
        const QStringList rows = stored();
        tally.duplicates += rows.size() > 1 ? 1 : 0;
        tally.missing += rows.isEmpty() ? 1 : 0;
    }
    striker.join();
    out << "| " << tally.adds << " | " << tally.saved << " | " << tally.notSaved << " | " << tally.unknown << " | "
        << tally.falseSaved << " | " << tally.falseNotSaved << " | " << tally.duplicates << " | " << tally.missing
        << " | " << QString::number(median(tally.toMessage), 'f', 0) << " ms |" << Qt::endl;
    DataSource::closeAll();
}

void silence() {
    for (const char* how : {"the proxy", "the server's process"}) {
        Proxy proxy;
        Services services;
        services.sharedDatabase = address(proxy.port());
        const UseServices inForce(services);
        DowsingStore store(QStringLiteral("Dowsing.dll"));
        store.open();
        Superuser super;
        qint64 frozen = 0;
        if (qstrcmp(how, "the proxy") == 0) {
            proxy.tell("silence");
        } else {
            frozen = super
                         .column(QStringLiteral("SELECT pid FROM pg_stat_activity WHERE application_name = "
                                                "'Velloran'"))
                         .value(0)
                         .toLongLong();
            ::kill(pid_t(frozen), SIGSTOP);
        }
        // Answering again after 20 s.
        std::thread later([&] {
            QThread::sleep(20);
            if (frozen) {
                ::kill(pid_t(frozen), SIGCONT);
            }
        });
        QElapsedTimer said;
        said.start();
        DowsingRecord record;
        record.Name = QStringLiteral("SILENCE");
        const StoreResult<qint64> added = store.add(record);
        const double seconds = said.nsecsElapsed() / 1e9;
        proxy.tell("pass");
        later.join();
        out << "| " << how << " silent for 20 s | " << QString::number(seconds, 'f', 1) << " s | "
            << (added ? QStringLiteral("saved") : added.error().text()) << " |" << Qt::endl;
        DataSource::closeAll();
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("race")) {
        return race(arguments.value(2).at(0).toLatin1(), arguments.value(3) == QLatin1String("diary"));
    }
    qputenv("VELLORAN_TEST_SERVER_FSYNC", "on");
    qputenv("VELLORAN_TEST_SERVER_PORT", QByteArray::number(kPort));
    if (!server(QStringLiteral("start"))) {
        out << "the server could not be started" << Qt::endl;
        return 1;
    }
    QProcess::execute(QStringLiteral("bash"),
                      {QStringLiteral("-c"), QStringLiteral("$(ls -d /usr/lib/postgresql/*/bin | tail -1)/psql -q -h "
                                                            "%1 -p %2 -U postgres -c 'CREATE DATABASE bench OWNER "
                                                            "velloran'")
                                                 .arg(kFolder, QString::number(kPort))});
    if (!ServerSource::of(address()).makeSchema()) {
        out << "the tables could not be made" << Qt::endl;
        return 1;
    }
    DataSource::closeAll();
    const QString part = arguments.value(1);
    if (part.isEmpty() || part == QLatin1String("costs")) {
        out << "| what | before keys | with its key | with / before |\n|---|---|---|---|" << Qt::endl;
        costs();
    }
    if (part.isEmpty() || part == QLatin1String("races")) {
        out << "| racing over | changes the server made | refused as changed since shown | written over unseen "
               "|\n|---|---|---|---|"
            << Qt::endl;
        races(QCoreApplication::applicationFilePath());
    }
    if (part.isEmpty() || part == QLatin1String("faults")) {
        out << "| adds | saved | not saved | not known | false \"saved\" | false \"not saved\" | stored twice | lost | "
               "median fault to message |\n|---|---|---|---|---|---|---|---|---|"
            << Qt::endl;
        faults();
    }
    if (part.isEmpty() || part == QLatin1String("silence")) {
        out << "| fault | said after | what was said |\n|---|---|---|" << Qt::endl;
        silence();
    }
    server(QStringLiteral("stop"));
    return 0;
}
