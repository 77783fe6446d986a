#include "dowsing/DowsingStore.h"
#include "support/DowsingSeed.h"
#include "support/DowsingTestFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

// How the dowsing store fails when its file is held, damaged, replaced or made by another program: always
// with a reason in the user's words, never a silent empty or a false success.
class tst_DowsingStoreFailures : public QObject {
    Q_OBJECT

  private slots:
    void init();

    void unreadableFile_saysWhatIsWrong_data();
    void unreadableFile_saysWhatIsWrong();
    void fileReplacedByRename_laterSavesGoToTheNewFile();
    void tableWithoutAutomaticKey_isRefusedAtOpen_data();
    void tableWithoutAutomaticKey_isRefusedAtOpen();

  private:
    QString path() const { return dir->filePath(QStringLiteral("Dowsing.dll")); }
    std::unique_ptr<QTemporaryDir> dir;
};

void tst_DowsingStoreFailures::init() {
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path()));
    QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner));
}

void tst_DowsingStoreFailures::unreadableFile_saysWhatIsWrong_data() {
    FileTrouble::AddRows({u"lock"_s, u"truncate"_s, u"garbage"_s, u"remove"_s});
}

void tst_DowsingStoreFailures::unreadableFile_saysWhatIsWrong() {
    QFETCH(QString, trouble);
    QFETCH(QString, cause);
    QVERIFY(SeedRecords(path(), 300));
    DowsingTestFile other(path());
    QVERIFY(FileTrouble::Cause(trouble, path(), other));
    DowsingStore store(path());
    // Whether the open or the first reading finds it out, the file is never taken for an empty one.
    bool readAll = false;
    StoreError error;
    if (const StoreStatus opened = store.open(); !opened) {
        error = opened.error();
    } else {
        const StoreResult<qint64> rows = store.count();
        const StoreResult<QList<DowsingRecord>> last = store.list(256, 128);
        readAll = rows && *rows == 300 && last && last->size() == 44;
        error = !rows ? rows.error() : !last ? last.error() : StoreError{};
    }
    QVERIFY(!readAll);
    const QString said = error.text();
    QVERIFY2(said.contains(cause), qPrintable(said));
    QVERIFY2(said.contains(QDir::toNativeSeparators(path())), qPrintable(said));
    if (trouble == QLatin1String("lock")) {
        other.exec(QStringLiteral("ROLLBACK"));
    }
}

void tst_DowsingStoreFailures::fileReplacedByRename_laterSavesGoToTheNewFile() {
    QVERIFY(SeedRecords(path(), 3));
    DowsingStore store(path());
    QVERIFY(store.open());
    // A restore puts yesterday's copy in place, as backup and sync tools do: written beside, renamed over.
    const QString restored = dir->filePath(QStringLiteral("restore.tmp"));
    QVERIFY(QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), restored));
    QVERIFY(QFile::setPermissions(restored, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(SeedRecords(restored, 1));
    QCOMPARE(std::rename(QFile::encodeName(restored).constData(), QFile::encodeName(path()).constData()), 0);

    const StoreResult<qint64> id = store.add(SeedRecord(7));
    QVERIFY2(id.has_value(), qPrintable(id.error().text()));
    QCOMPARE(store.count().value_or(-1), 2);
    DowsingTestFile file(path());
    QCOMPARE(file.rows().size(), 2);
    QCOMPARE(file.rows().last().value(1).toString(), QStringLiteral("CUSTOMER 7"));
}

void tst_DowsingStoreFailures::tableWithoutAutomaticKey_isRefusedAtOpen_data() {
    QTest::addColumn<QString>("keyColumn");
    QTest::newRow("plain number") << "IdNumber INTEGER";
    QTest::newRow("unique but not assigned") << "IdNumber INTEGER UNIQUE";
    QTest::newRow("key of another type") << "IdNumber NUMERIC PRIMARY KEY";
}

void tst_DowsingStoreFailures::tableWithoutAutomaticKey_isRefusedAtOpen() {
    QFETCH(QString, keyColumn);
    QVERIFY(QFile::remove(path()));
    {
        DowsingTestFile converted(path());
        QVERIFY(converted.exec(QStringLiteral("CREATE TABLE Details (Date TEXT, Name TEXT, Address TEXT, City TEXT, "
                                              "State TEXT, Pin TEXT, Phone_No TEXT, Email TEXT, "
                                              "Time_Dowsing_Occured TEXT, Dowsing_Tool TEXT, Item_Dowsing_For TEXT, "
                                              "Location_Dowsing_Occured TEXT, Notes TEXT, %1)")
                                   .arg(keyColumn)));
    }
    const QByteArray before = FileHash(path());
    DowsingStore store(path());
    const StoreStatus opened = store.open();
    QVERIFY(!opened);
    QVERIFY2(opened.error().text().contains(QStringLiteral("IdNumber")), qPrintable(opened.error().text()));
    QVERIFY(!store.add(SeedRecord(1)).has_value());
    QCOMPARE(FileHash(path()), before);
}

QTEST_GUILESS_MAIN(tst_DowsingStoreFailures)
#include "tst_DowsingStoreFailures.moc"
