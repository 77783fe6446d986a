#include "data/DataSource.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using Kind = DataChange::Kind;

// The one kept connection of a data file: row counts kept while the file is unchanged, and the notice every
// view of the file hears, of this program's changes and of other programs'.
class tst_DataSource : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void rowCount_followsChangesByAnyConnection();
    void rowCount_ofAnotherFileCopiedOverThePath_isCountedAfresh();
    void rowCount_ofMissingFileOrTable_isAnError();
    void changes_ofThisProgramAndOfOthers_areHeard();

  private:
    // Writes past the kept connection, as another program would.
    void write(const QString& sql);
    qint64 count(const QString& table) { return DataSource::of(path_).rowCount(table, 50).value_or(-1); }

    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void tst_DataSource::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    path_ = dir_->filePath(QStringLiteral("counted.db"));
}

void tst_DataSource::cleanup() {
    DataSource::closeAll();
}

void tst_DataSource::write(const QString& sql) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tst-writer"));
        db.setDatabaseName(path_);
        QVERIFY(db.open());
        QVERIFY2(QSqlQuery(db).exec(sql), qPrintable(sql));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("tst-writer"));
}

void tst_DataSource::rowCount_followsChangesByAnyConnection() {
    write(QStringLiteral("CREATE TABLE t (k INTEGER PRIMARY KEY)"));
    write(QStringLiteral("CREATE TABLE other (k INTEGER PRIMARY KEY)"));
    write(QStringLiteral("INSERT INTO t VALUES (1), (2), (3)"));
    QCOMPARE(count(QStringLiteral("t")), 3);
    QCOMPARE(count(QStringLiteral("T")), 3);
    write(QStringLiteral("INSERT INTO t VALUES (4)"));
    QCOMPARE(count(QStringLiteral("t")), 4);
    write(QStringLiteral("DELETE FROM t WHERE k < 3"));
    write(QStringLiteral("INSERT INTO other VALUES (1)"));
    QCOMPARE(count(QStringLiteral("t")), 2);
    QCOMPARE(count(QStringLiteral("other")), 1);
    // A change of this program's own, announced, is counted without counting again.
    DataSource& source = DataSource::of(path_);
    QVERIFY(QSqlQuery(*source.database(50)).exec(QStringLiteral("INSERT INTO t VALUES (9)")));
    source.announce({Kind::Added, QStringLiteral("t"), 9, false});
    QCOMPARE(count(QStringLiteral("t")), 3);
}

void tst_DataSource::rowCount_ofAnotherFileCopiedOverThePath_isCountedAfresh() {
    write(QStringLiteral("CREATE TABLE t (k INTEGER PRIMARY KEY)"));
    write(QStringLiteral("INSERT INTO t VALUES (1)"));
    const QString copy = dir_->filePath(QStringLiteral("copy.db"));
    QVERIFY(QFile::copy(path_, copy));
    write(QStringLiteral("INSERT INTO t VALUES (2)"));
    QCOMPARE(count(QStringLiteral("t")), 2);
    // A user puts back an older copy of the file while the program runs.
    QVERIFY(QFile::remove(path_));
    QVERIFY(QFile::rename(copy, path_));
    QCOMPARE(count(QStringLiteral("t")), 1);
}

void tst_DataSource::rowCount_ofMissingFileOrTable_isAnError() {
    const StoreResult<qint64> missing = DataSource::of(path_).rowCount(QStringLiteral("t"), 50);
    QCOMPARE(missing.error().cause, StoreCause::Missing);
    QVERIFY(!QFile::exists(path_)); // never made by counting
    write(QStringLiteral("CREATE TABLE t (k INTEGER PRIMARY KEY)"));
    const StoreResult<qint64> noTable = DataSource::of(path_).rowCount(QStringLiteral("missing\"table"), 50);
    QVERIFY(noTable.error().why.contains(QStringLiteral("no such table")));
    QCOMPARE(count(QStringLiteral("t")), 0);
}

void tst_DataSource::changes_ofThisProgramAndOfOthers_areHeard() {
    write(QStringLiteral("CREATE TABLE t (k INTEGER PRIMARY KEY)"));
    DataSource& source = DataSource::of(path_);
    QVERIFY(source.database(50));
    QSignalSpy heard(&source, &DataSource::changed);
    const auto last = [&heard] { return heard.takeLast().at(0).value<DataChange>(); };

    // This program's own change, heard at once and as it was told.
    source.announce({Kind::Removed, QStringLiteral("t"), 7, false});
    QCOMPARE(heard.size(), 1);
    QCOMPARE(last().key, 7);

    // Nothing changed: nothing heard, however often the file is looked at.
    source.checkForOutsideChanges();
    source.checkForOutsideChanges();
    QCOMPARE(heard.size(), 0);

    // Another program's commit, heard without being asked, as a change elsewhere.
    write(QStringLiteral("INSERT INTO t VALUES (1)"));
    QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, 3 * DataSource::CheckIntervalMs);
    DataChange change = last();
    QVERIFY(change.elsewhere);
    QCOMPARE(change.kind, Kind::Unknown);

    // Another program's commit not yet heard when this program announces its own: one notice that covers
    // both, or a view applying only this program's change would be out of step.
    write(QStringLiteral("INSERT INTO t VALUES (2)"));
    source.announce({Kind::Added, QStringLiteral("t"), 3, false});
    QCOMPARE(heard.size(), 1);
    QVERIFY(last().elsewhere);

    // Another file put in its place.
    const QString beside = dir_->filePath(QStringLiteral("beside.db"));
    QVERIFY(QFile::copy(path_, beside));
    QCOMPARE(std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(path_).constData()), 0);
    source.checkForOutsideChanges();
    QCOMPARE(heard.size(), 1);
    QVERIFY(last().elsewhere);
}

QTEST_GUILESS_MAIN(tst_DataSource)
#include "tst_DataSource.moc"
