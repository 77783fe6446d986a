#include "data/Database.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Schema = QStringLiteral("-- a comment; with a semicolon\n"
                                      "CREATE TABLE t (a TEXT NOT NULL DEFAULT '',\n"
                                      "    b INTEGER PRIMARY KEY AUTOINCREMENT);\n"
                                      "\n"
                                      "CREATE TABLE u (c TEXT);\n");
} // namespace

class tst_Database : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void createDatabase_wholeOrNothing_data();
    void createDatabase_wholeOrNothing();
    void failures_carryTheirCause_data();
    void failures_carryTheirCause();
    void transaction_rollsBackUnlessCommitted();
    void changeCutOffByACrash_isRolledBackAtTheNextReading_data();
    void changeCutOffByACrash_isRolledBackAtTheNextReading();

  private:
    QString file(const QString& name) const { return QDir(dir->path()).filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_Database::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void tst_Database::createDatabase_wholeOrNothing_data() {
    QTest::addColumn<QString>("schema");
    QTest::addColumn<bool>("made");
    QTest::newRow("two tables, comments and blank lines") << Schema << true;
    QTest::newRow("a failing second statement") << Schema + QStringLiteral("CREATE TABLE t (x);\n") << false;
    QTest::newRow("a statement without its semicolon") << QStringLiteral("CREATE TABLE t (a TEXT)\n") << false;
}

void tst_Database::createDatabase_wholeOrNothing() {
    QFETCH(QString, schema);
    QFETCH(bool, made);
    const QString path = file(QStringLiteral("new.db"));
    const StoreError error = CreateDatabase(path, schema);
    QCOMPARE(!error.failed(), made);
    QCOMPARE(QFile::exists(path), made);
    QVERIFY(!QFile::exists(path + QStringLiteral(".part")));
    if (!made) {
        QVERIFY(error.text().startsWith(QStringLiteral("The database ")));
        return;
    }
    DatabaseConnection connection(path, DatabaseConnection::Access::Read);
    QVERIFY(connection.isOpen());
    QSqlQuery q(connection.database());
    QVERIFY(q.exec(QStringLiteral("SELECT group_concat(name) FROM sqlite_master WHERE type = 'table' "
                                  "AND name NOT LIKE 'sqlite%'")) &&
            q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("t,u"));
}

void tst_Database::failures_carryTheirCause_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<StoreCause>("cause");
    QTest::newRow("missing file") << "missing" << StoreCause::Missing;
    QTest::newRow("not a database") << "garbage" << StoreCause::Damaged;
    QTest::newRow("held by another program") << "locked" << StoreCause::Locked;
    QTest::newRow("opened for reading") << "readonly" << StoreCause::ReadOnly;
    QTest::newRow("no room left") << "full" << StoreCause::DiskFull;
}

void tst_Database::failures_carryTheirCause() {
    QFETCH(QString, situation);
    QFETCH(StoreCause, cause);
    const QString path = file(QStringLiteral("cause.db"));
    if (situation == QLatin1String("garbage")) {
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
    } else if (situation != QLatin1String("missing")) {
        QVERIFY(!CreateDatabase(path, Schema).failed());
    }
    const auto access =
        situation == QLatin1String("readonly") ? DatabaseConnection::Access::Read : DatabaseConnection::Access::Write;
    DatabaseConnection holder(path, DatabaseConnection::Access::Write);
    if (situation == QLatin1String("locked")) {
        QVERIFY(QSqlQuery(holder.database()).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    }
    DatabaseConnection connection(path, access, 0);
    if (situation == QLatin1String("missing")) {
        QCOMPARE(connection.error().cause, cause);
        QVERIFY(!QFile::exists(path)); // opening never makes the file
        return;
    }
    QVERIFY(connection.isOpen());
    QSqlQuery q(connection.database());
    if (situation == QLatin1String("full")) {
        QVERIFY(q.exec(QStringLiteral("PRAGMA max_page_count = 3")));
    }
    // The schema is read at the prepare already, so a locked or damaged file may fail there.
    if (q.prepare(QStringLiteral("INSERT INTO t (a) VALUES (?)"))) {
        q.addBindValue(QString(100000, QLatin1Char('a')));
        QVERIFY(!q.exec());
    }
    const StoreError error = StoreError::fromSql(QStringLiteral("Writing"), q.lastError());
    QCOMPARE(error.cause, cause);
    QVERIFY(error.text().startsWith(QStringLiteral("Writing: ")));
    q.finish();
    if (situation == QLatin1String("locked")) {
        QSqlQuery(holder.database()).exec(QStringLiteral("ROLLBACK"));
    }
}

void tst_Database::transaction_rollsBackUnlessCommitted() {
    const QString path = file(QStringLiteral("t.db"));
    QVERIFY(!CreateDatabase(path, Schema).failed());
    DatabaseConnection connection(path, DatabaseConnection::Access::Write);
    auto count = [&connection] {
        QSqlQuery q(connection.database());
        return q.exec(QStringLiteral("SELECT count(*) FROM t")) && q.next() ? q.value(0).toInt() : -1;
    };
    for (const bool commit : {false, true}) {
        DatabaseTransaction transaction(connection.database());
        QVERIFY(transaction.begun());
        QVERIFY(QSqlQuery(connection.database()).exec(QStringLiteral("INSERT INTO t (a) VALUES ('x')")));
        if (commit) {
            QVERIFY(transaction.commit());
        }
    }
    QCOMPARE(count(), 1);
}

void tst_Database::changeCutOffByACrash_isRolledBackAtTheNextReading_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("in a folder that may be written") << false;
    QTest::newRow("in a read-only folder, which is said") << true;
}

void tst_Database::changeCutOffByACrash_isRolledBackAtTheNextReading() {
    QFETCH(bool, readOnlyFolder);
    const QString path = file(QStringLiteral("t.db"));
    QVERIFY(!CreateDatabase(path, Schema).failed());
    // Killed as the change is all but done: the file holds it, the journal beside it what was there before.
    QVERIFY(!RunWithTrouble({u"change"_s, path, u"INSERT INTO t (a) VALUES ('cut off')"_s},
                            Inject(u"unlink"_s, path + u"-journal"_s, u"signal=KILL"_s)));
    QVERIFY(QFile::exists(path + u"-journal"_s));
    // A read-only folder lets the file be opened for reading only.
    const QString said =
        *RunWithTrouble({u"read"_s, path}, readOnlyFolder ? Inject(u"openat"_s, path, u"error=EROFS:when=1"_s)
                                                          : QStringList{u"-o"_s, u"/dev/null"_s});
    if (readOnlyFolder) {
        QVERIFY2(said.contains(u"or its folder is read-only"_s), qPrintable(said));
        return;
    }
    // Read, and rolled back: the journal is gone.
    QCOMPARE(said, QString());
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_Database.moc"
