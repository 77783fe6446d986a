#include "core/Application.h"
#include "data/DataBackup.h"
#include "data/SqliteFiles.h"
#include "support/TestDataFiles.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <memory>
#include <optional>

namespace {

// A connection of the test's own to a file; closed and removed with the object.
class Sql {
  public:
    explicit Sql(const QString& path) : name_(QStringLiteral("tst-backup-%1").arg(++serial())) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Sql() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    bool exec(const QString& sql) { return QSqlQuery(db()).exec(sql); }
    qint64 count(const QString& table) {
        QSqlQuery q(db());
        return q.exec(QStringLiteral("SELECT count(*) FROM ") + table) && q.next() ? q.value(0).toLongLong() : -1;
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

  private:
    static int& serial() {
        static int n = 0;
        return n;
    }
    QString name_;
};

QByteArray hashOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

const QDateTime kWhen(QDate(2026, 12, 8), QTime(1, 2, 3));

} // namespace

class tst_DataBackup : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void backup_ofAFileBeingWritten_holdsTheCommittedStateAndIsChecked();
    void backup_ofAFileAnotherProgramLocks_saysSoAndLeavesNothing();
    void restoreRefused_changesNothingAndLeavesNothing_data();
    void restoreRefused_changesNothingAndLeavesNothing();
    void restore_keepsTheCurrentFilesAsideAndReplacesThem();
    void restore_isSeenByAConnectionAlreadyOpen();
    void automaticBackups_atMostOneADayAndOnlyTheNewestKept();
    void automaticBackup_onlyAfterAChange();
    void restoreCutOff_isFinishedAtTheNextStart();
    void backupCutOff_neitherCountsNorPassesForABackup_data();
    void backupCutOff_neitherCountsNorPassesForABackup();
    void whatTheUserIsToldIsDone_lastsThroughAPowerCut_data();
    void whatTheUserIsToldIsDone_lastsThroughAPowerCut();

  private:
    QString dowsing() const { return ApplicationFile(QStringLiteral("Dowsing.dll")); }
    QString diary() const { return ApplicationFile(QStringLiteral("diary.dll")); }
    QString elsewhere() const { return QDir(env->settingsFolder()).filePath(QStringLiteral("picked")); }
    void addRecords(int count);

    std::unique_ptr<TestEnvironment> env;
};

void tst_DataBackup::init() {
    DescribeTestDataFiles();
    env = std::make_unique<TestEnvironment>();
    {
        Sql d(dowsing());
        QVERIFY(d.exec(QStringLiteral("CREATE TABLE Details (Name TEXT, IdNumber INTEGER PRIMARY KEY)")));
    }
    Sql b(diary());
    for (const char* table : {"tblspell", "tblincense", "tblrecipes", "tblrituals"}) {
        QVERIFY(b.exec(QStringLiteral("CREATE TABLE %1 (keyword TEXT, meaning TEXT, \"Index\" INTEGER PRIMARY KEY)")
                           .arg(QLatin1String(table))));
    }
    addRecords(1000);
}

void tst_DataBackup::cleanup() {
    env.reset();
}

void tst_DataBackup::addRecords(int count) {
    Sql d(dowsing());
    QVERIFY(d.exec(QStringLiteral("BEGIN")));
    for (int i = 0; i < count; ++i) {
        QVERIFY(d.exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('record %1')").arg(i)));
    }
    QVERIFY(d.exec(QStringLiteral("COMMIT")));
}

void tst_DataBackup::backup_ofAFileAnotherProgramLocks_saysSoAndLeavesNothing() {
    Sql holder(dowsing());
    QVERIFY(holder.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(!made.ok);
    QVERIFY2(made.error.contains(QStringLiteral("in use by another program")), qPrintable(made.error));
    QVERIFY(QDir(elsewhere()).isEmpty());
    QVERIFY(holder.exec(QStringLiteral("ROLLBACK")));
}

void tst_DataBackup::backup_ofAFileBeingWritten_holdsTheCommittedStateAndIsChecked() {
    Sql writer(dowsing());
    QVERIFY(writer.exec(QStringLiteral("BEGIN IMMEDIATE")));
    for (int i = 0; i < 500; ++i) {
        QVERIFY(writer.exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('half-written')")));
    }
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY2(made.ok, qPrintable(made.error));
    QVERIFY(writer.exec(QStringLiteral("COMMIT")));

    QVERIFY(made.folder.startsWith(elsewhere()));
    QVERIFY(QFileInfo(made.folder).fileName().contains(QStringLiteral("2026-12-08 010203")));
    QCOMPARE(DataBackup::Verify(made.folder), QString());
    Sql copy(QDir(made.folder).filePath(QStringLiteral("Dowsing.dll")));
    QCOMPARE(copy.count(QStringLiteral("Details")), 1000);
    QCOMPARE(writer.count(QStringLiteral("Details")), 1500);
}

void tst_DataBackup::restoreRefused_changesNothingAndLeavesNothing_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("a folder without the backup note") << "marker";
    QTest::newRow("a copy cut short") << "truncate";
    QTest::newRow("a copy with pages overwritten") << "scribble";
    QTest::newRow("a text file under the database's name") << "text";
    QTest::newRow("a database of another program") << "foreign";
    QTest::newRow("an empty folder with the note") << "empty";
    QTest::newRow("a file the note lists, gone") << "gone";
    QTest::newRow("a sound file, but not the one backed up") << "changed";
    QTest::newRow("a file another program holds") << "lock";
    QTest::newRow("a read-only data folder") << "read-only";
}

void tst_DataBackup::restoreRefused_changesNothingAndLeavesNothing() {
    QFETCH(QString, damage);
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(made.ok);
    const QString copy = QDir(made.folder).filePath(QStringLiteral("Dowsing.dll"));
    QFile file(copy);
    if (damage == QLatin1String("marker")) {
        QVERIFY(QFile::remove(QDir(made.folder).filePath(DataBackup::MarkerName)));
    } else if (damage == QLatin1String("truncate")) {
        QVERIFY(file.resize(file.size() / 2));
    } else if (damage == QLatin1String("scribble")) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.seek(4096 * 2 + 100);
        file.write(QByteArray(3000, '\x5a'));
        file.close();
    } else if (damage == QLatin1String("text")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,City\r\nJOHN,York\r\n");
        file.close();
    } else if (damage == QLatin1String("foreign")) {
        QVERIFY(file.remove());
        Sql other(copy);
        QVERIFY(other.exec(QStringLiteral("CREATE TABLE notes (text TEXT)")));
    } else if (damage == QLatin1String("gone")) {
        QVERIFY(file.remove());
    } else if (damage == QLatin1String("changed")) {
        QVERIFY(Sql(copy).exec(QStringLiteral("DELETE FROM Details WHERE IdNumber = 5")));
    } else if (damage == QLatin1String("empty")) {
        QVERIFY(file.remove());
        QVERIFY(QFile::remove(QDir(made.folder).filePath(QStringLiteral("diary.dll"))));
    }
    const QByteArray before = hashOf(dowsing());
    const QByteArray diaryBefore = hashOf(diary());

    const bool soundBackup = damage == QLatin1String("lock") || damage == QLatin1String("read-only");
    QCOMPARE(DataBackup::Verify(made.folder).isEmpty(), soundBackup);
    // Taken after the hashes: closing any file of a database lets go of the locks this process holds on it.
    Sql holder(diary());
    QVERIFY(damage != QLatin1String("lock") || holder.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    const std::optional<QString> said =
        RunWithTrouble({u"restore"_s, made.folder, ApplicationFolder()},
                       damage == u"read-only"_s ? Inject(u"access"_s, ApplicationFolder(), u"error=EROFS"_s)
                                                : QStringList{u"-o"_s, u"/dev/null"_s});
    QVERIFY2(said && !said->isEmpty(), qPrintable(said.value_or(u"killed"_s)));
    QVERIFY2(!soundBackup || said->contains(damage == u"lock"_s ? u"in use by another program"_s : u"is read-only"_s),
             qPrintable(*said));
    QCOMPARE(hashOf(dowsing()), before);
    QCOMPARE(hashOf(diary()), diaryBefore);
    QVERIFY2(!QDir(ApplicationFile(DataBackup::BackupsFolderName)).exists(), "nothing kept aside when refused");
}

void tst_DataBackup::restore_keepsTheCurrentFilesAsideAndReplacesThem() {
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(made.ok);
    addRecords(5);

    const DataBackup::Result restored = DataBackup::Restore(made.folder, ApplicationFolder(), kWhen.addSecs(60));
    QVERIFY2(restored.ok, qPrintable(restored.error));
    QCOMPARE(Sql(dowsing()).count(QStringLiteral("Details")), 1000);
    QVERIFY(restored.aside.startsWith(ApplicationFile(DataBackup::BackupsFolderName)));
    QCOMPARE(DataBackup::Verify(restored.aside), QString());
    QCOMPARE(Sql(QDir(restored.aside).filePath(QStringLiteral("Dowsing.dll"))).count(QStringLiteral("Details")), 1005);
}

void tst_DataBackup::restore_isSeenByAConnectionAlreadyOpen() {
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(made.ok);
    Sql open(dowsing());
    QVERIFY(open.exec(QStringLiteral("DELETE FROM Details")));
    QCOMPARE(open.count(QStringLiteral("Details")), 0);
    QVERIFY(DataBackup::Restore(made.folder, ApplicationFolder(), kWhen.addSecs(60)).ok);
    // Its next statement reads the restored records, and what it writes lands in the restored file.
    QCOMPARE(open.count(QStringLiteral("Details")), 1000);
    QVERIFY(open.exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('after')")));
    QCOMPARE(Sql(dowsing()).count(QStringLiteral("Details")), 1001);
}

void tst_DataBackup::automaticBackups_atMostOneADayAndOnlyTheNewestKept() {
    const QString folder = ApplicationFile(DataBackup::BackupsFolderName);
    for (int day = 0; day < 8; ++day) {
        for (int again = 0; again < 2; ++again) {
            const DataBackup::Result made =
                DataBackup::MakeAutomatic(ApplicationFolder(), kWhen.addDays(day).addSecs(again * 3600), 5);
            QVERIFY2(made.ok, qPrintable(made.error));
            QCOMPARE(made.folder.isEmpty(), again == 1);
        }
    }
    const QStringList kept = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QCOMPARE(kept.size(), 5);
    QVERIFY(kept.first().contains(QStringLiteral("2026-12-11")));
    QVERIFY(kept.last().contains(QStringLiteral("2026-12-15")));
}

void tst_DataBackup::automaticBackup_onlyAfterAChange() {
    const QString folder = ApplicationFile(DataBackup::BackupsFolderName);
    DataBackup::NoteToolOpened();
    DataBackup::BackUpIfChangedSinceToolOpened();
    QVERIFY(!QDir(folder).exists());
    QTest::qWait(20);
    addRecords(1);
    DataBackup::BackUpIfChangedSinceToolOpened();
    QCOMPARE(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
}

void tst_DataBackup::restoreCutOff_isFinishedAtTheNextStart() {
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(made.ok);
    addRecords(5);
    QVERIFY(Sql(diary()).exec(QStringLiteral("INSERT INTO tblspell (keyword) VALUES ('after the backup')")));
    // Killed as it commits the diary, the second file, which leaves SQLite's journal.
    QVERIFY(!RunWithTrouble({u"restore"_s, made.folder, ApplicationFolder()},
                            Inject(u"unlink"_s, diary() + u"-journal"_s, u"signal=KILL"_s)));
    const std::optional<DataBackup::Result> next = DataBackup::FinishInterruptedRestore(ApplicationFolder());
    QVERIFY(next && next->ok && !next->undone);
    QCOMPARE(Sql(dowsing()).count(QStringLiteral("Details")), 1000);
    QCOMPARE(Sql(diary()).count(QStringLiteral("tblspell")), 0);
    QVERIFY(!DataBackup::FinishInterruptedRestore(ApplicationFolder()));
}

void tst_DataBackup::backupCutOff_neitherCountsNorPassesForABackup_data() {
    QTest::addColumn<bool>("automatic");
    QTest::newRow("an automatic backup") << true;
    QTest::newRow("a backup into a folder of the user's") << false;
}

void tst_DataBackup::backupCutOff_neitherCountsNorPassesForABackup() {
    QFETCH(bool, automatic);
    const QString parent = automatic ? ApplicationFile(DataBackup::BackupsFolderName) : elsewhere();
    const QString when = kWhen.toString(Qt::ISODate);
    // Killed as it opens the diary to copy it, the records copied already.
    QVERIFY(!RunWithTrouble(automatic ? QStringList{u"automatic"_s, ApplicationFolder(), when}
                                      : QStringList{u"backup"_s, ApplicationFolder(), parent, when},
                            Inject(u"openat"_s, diary(), u"signal=KILL"_s)));
    if (automatic) {
        // Later that day, and every day of a week after: each makes one, and only complete ones are kept.
        for (int day = 0; day < 7; ++day) {
            QVERIFY(!DataBackup::MakeAutomatic(ApplicationFolder(), kWhen.addDays(day).addSecs(60)).folder.isEmpty());
        }
    }
    const QStringList left = QDir(parent).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), automatic ? DataBackup::AutomaticKept : 1);
    for (const QString& name : left) {
        QVERIFY2(name.endsWith(u" (incomplete)"_s) || DataBackup::Verify(parent + u'/' + name).isEmpty(),
                 qPrintable(name));
    }
}

void tst_DataBackup::whatTheUserIsToldIsDone_lastsThroughAPowerCut_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("a record saved") << "change";
    QTest::newRow("a file exported") << "whole";
    QTest::newRow("a backup made") << "backup";
    QTest::newRow("a backup restored") << "restore";
}

void tst_DataBackup::whatTheUserIsToldIsDone_lastsThroughAPowerCut() {
    QFETCH(QString, operation);
    const DataBackup::Result made = DataBackup::Make(ApplicationFolder(), elsewhere(), kWhen);
    QVERIFY(made.ok);
    const QMap<QString, QStringList> arguments{
        {u"change"_s, {dowsing(), u"INSERT INTO Details (Name) VALUES ('saved')"_s}},
        {u"whole"_s, {QDir(elsewhere()).filePath(u"export.csv"_s), u"exported"_s}},
        {u"backup"_s, {ApplicationFolder(), elsewhere(), kWhen.addSecs(1).toString(Qt::ISODate)}},
        {u"restore"_s, {made.folder, ApplicationFolder()}}};
    const QString log = QDir(env->settingsFolder()).filePath(u"log"_s);
    QCOMPARE(RunWithTrouble(
                 QStringList{operation} + arguments[operation],
                 {u"-o"_s, log, u"-y"_s, u"-e"_s, u"trace=openat,linkat,unlink,rename,mkdir,rmdir,fsync,fdatasync"_s}),
             QString());
    // Only what was synced is sure to survive a power cut: every folder whose list of files changed is synced after.
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> unsynced;
    static const QRegularExpression synced(u"sync\\(\\d+<(.*)>\\) += 0"_s), named(u"\"(/[^\"]+)\""_s);
    for (const QString& line : QString::fromLocal8Bit(file.readAll()).split(u'\n')) {
        if (const QRegularExpressionMatch sync = synced.match(line); sync.hasMatch()) {
            unsynced.remove(sync.captured(1));
        } else if (!line.contains(u"= -1"_s) && (!line.startsWith(u"openat"_s) || line.contains(u"O_CREAT"_s))) {
            for (const QRegularExpressionMatch& path : named.globalMatch(line)) {
                if (path.captured(1).startsWith(QFileInfo(env->appFolder()).path())) {
                    unsynced << QFileInfo(path.captured(1)).path();
                }
            }
        }
    }
    QCOMPARE(unsynced, QSet<QString>());
}

QTEST_MAIN(tst_DataBackup)
#include "tst_DataBackup.moc"
