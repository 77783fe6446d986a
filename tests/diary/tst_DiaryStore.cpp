#include "diary/DiaryKeywordModel.h"
#include "diary/DiaryTestSupport.h"
#include "support/TestServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// The diary's store over either place it can live: each test runs over the file and over the shared database.
class tst_DiaryStore : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase_data() { AddPlaceRows(); }
    void init();
    void cleanup();

    void sectionWords_andIndexBounds();
    void bothTableNameForms_reachTheSameRows_data();
    void bothTableNameForms_reachTheSameRows();
    void addedEntries_keepTheirPositions_andNewOnesComeLast();
    void trimming_removesOnlyOuterBlanks_data();
    void trimming_removesOnlyOuterBlanks();
    void update_changesOnlyThatRow();
    void rowsByIndex_reachTheRowShownEvenAfterOthersGo();
    void emptySection_readsAsEmptyWithoutError();
    void hostileTexts_storedAndReadVerbatim_data();
    void hostileTexts_storedAndReadVerbatim();
    void brokenFile_failsWithErrorAndStaysUnchanged_data();
    void brokenFile_failsWithErrorAndStaysUnchanged();
    void lockedFile_failsWithError_andLosesNothing();
    void tableWithoutAutomaticIndex_isRefusedWithAReason();
    void folderWithUrlCharacters_isOpenedAsAPlainPath();
    void storesOfAFile_shareOneConnection_thatFollowsAFileReplacedByRename();
    void createDatabase_neverOverwritesAFile();
    void shippedDiary_hasFourEmptySections();
    void linesFrom_readsByIndexFromEitherEnd_data();
    void linesFrom_readsByIndexFromEitherEnd();
    void addTellingIndex_andKeptCount_followTheTable();
    void entryChangedOrGoneSinceShown_isNeverWrittenOverSilently();
    void removedEntry_comesBackByteForByte_underItsIndexOrANewOne_data();
    void removedEntry_comesBackByteForByte_underItsIndexOrANewOne();

  private:
    Services services_;
    UseServices inForce_{services_};
    // The "Index" of the row at a position of the list order, or 0.
    qint64 indexAt(DiarySection section, int position) const;
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

qint64 tst_DiaryStore::indexAt(DiarySection section, int position) const {
    DiaryStore store(path_);
    return store.entries(section).value_or({}).value(position).Index;
}

void tst_DiaryStore::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("diary.dll"));
    QString error;
    QVERIFY2(DiaryStore::createDatabase(path_, DiarySchema(), &error), qPrintable(error));
    if (!PutPlaceOfRowInForce(services_)) {
        TEST_SERVER_OR_SKIP("the server's rows");
    }
}

void tst_DiaryStore::cleanup() {
    // The kept connection holds the file open.
    DataSource::closeAll();
    dir_.reset();
}

void tst_DiaryStore::sectionWords_andIndexBounds() {
    const QStringList words{u"Spell"_s, u"Incense"_s, u"Recipes"_s, u"Rituals"_s};
    for (int i = 0; i < 4; ++i) {
        const auto section = DiarySectionFromIndex(i);
        QVERIFY(section.has_value());
        QCOMPARE(int(*section), i);
        QCOMPARE(DiarySectionWord(*section), words.at(i));
    }
    QVERIFY(!DiarySectionFromIndex(-1).has_value());
    QVERIFY(!DiarySectionFromIndex(4).has_value());
}

void tst_DiaryStore::bothTableNameForms_reachTheSameRows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("lowerCase");
    QTest::addColumn<QString>("wordCase");
    QTest::newRow("spell") << 0 << u"tblspell"_s << u"tblSpell"_s;
    QTest::newRow("incense") << 1 << u"tblincense"_s << u"tblIncense"_s;
    QTest::newRow("recipes") << 2 << u"tblrecipes"_s << u"tblRecipes"_s;
    QTest::newRow("rituals") << 3 << u"tblrituals"_s << u"tblRituals"_s;
}

void tst_DiaryStore::bothTableNameForms_reachTheSameRows() {
    QFETCH(int, index);
    QFETCH(QString, lowerCase);
    QFETCH(QString, wordCase);
    const DiarySection section = *DiarySectionFromIndex(index);
    DiaryStore store(path_);
    QVERIFY(store.add(section, u"first"_s, u"one"_s));
    QVERIFY(store.add(section, u"second"_s, u"two"_s));

    RawDatabase raw(path_);
    const QStringList lower = raw.column(u"select * from "_s + lowerCase);
    QCOMPARE(lower, QStringList({u"first"_s, u"second"_s}));
    QCOMPARE(raw.column(u"select * from "_s + wordCase), lower);
    // The other sections are untouched.
    for (DiarySection other : AllDiarySections) {
        if (other != section) {
            QCOMPARE(Keywords(path_, other), QStringList());
        }
    }
}

void tst_DiaryStore::addedEntries_keepTheirPositions_andNewOnesComeLast() {
    DiaryStore store(path_);
    for (const QString& word : {u"alpha"_s, u"beta"_s, u"gamma"_s}) {
        QVERIFY(store.add(DiarySection::Incense, word, u"m"_s));
    }
    QVERIFY(store.remove(DiarySection::Incense, indexAt(DiarySection::Incense, 0)));
    // A keyword that sorts first still goes to the end: the order is that of adding.
    QVERIFY(store.add(DiarySection::Incense, u"aardvark"_s, u"m"_s));
    const QStringList rows = Keywords(path_, DiarySection::Incense);
    QCOMPARE(rows, QStringList({u"beta"_s, u"gamma"_s, u"aardvark"_s}));

    // The program started again sees the same order.
    DataSource::closeAll();
    DiaryStore again(path_);
    QCOMPARE(Keywords(path_, DiarySection::Incense), rows);
    QCOMPARE(again.count(DiarySection::Incense).value_or(-1), 3);
}

void tst_DiaryStore::trimming_removesOnlyOuterBlanks_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("outer blanks") << u"  moon water  "_s << u"moon water"_s;
    QTest::newRow("inner blanks stay") << u"moon   water"_s << u"moon   water"_s;
    QTest::newRow("blanks only") << u"     "_s << u""_s;
    QTest::newRow("empty") << u""_s << u""_s;
    QTest::newRow("tabs stay") << u"\tsage\t"_s << u"\tsage\t"_s;
    QTest::newRow("line breaks stay") << u" line one\r\nline two\r\n "_s << u"line one\r\nline two\r\n"_s;
    QTest::newRow("no-break space stays") << QString::fromUtf8("\u00a0rue ") << QString::fromUtf8("\u00a0rue");
}

void tst_DiaryStore::trimming_removesOnlyOuterBlanks() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    DiaryStore store(path_);
    const qint64 index = store.add(DiarySection::Spell, typed, typed).value_or(0);
    QVERIFY(index > 0);
    DiaryEntry entry = store.entryWithIndex(DiarySection::Spell, index).value_or({});
    QCOMPARE(entry.keyword, stored);
    QCOMPARE(entry.meaning, stored);

    // Saving an edit trims the same way.
    QVERIFY(store.update(DiarySection::Spell, index, u"x"_s + typed, typed + u"x"_s));
    entry = store.entryWithIndex(DiarySection::Spell, index).value_or({});
    QCOMPARE(entry.keyword, DiaryStore::trimBlanks(u"x"_s + typed));
    QCOMPARE(entry.meaning, DiaryStore::trimBlanks(typed + u"x"_s));
}

void tst_DiaryStore::update_changesOnlyThatRow() {
    DiaryStore store(path_);
    for (const QString& word : {u"a"_s, u"b"_s, u"c"_s}) {
        QVERIFY(store.add(DiarySection::Rituals, word, word));
    }
    QVERIFY(store.update(DiarySection::Rituals, indexAt(DiarySection::Rituals, 1), u"  B "_s, u" new\r\nmeaning "_s));
    QCOMPARE(Keywords(path_, DiarySection::Rituals), QStringList({u"a"_s, u"B"_s, u"c"_s}));
    QCOMPARE(store.entries(DiarySection::Rituals)->at(1).meaning, QStringLiteral("new\r\nmeaning"));

    // An empty meaning is saved as it is: editing checks nothing.
    QVERIFY(store.update(DiarySection::Rituals, indexAt(DiarySection::Rituals, 2), u"c"_s, u""_s));
    QCOMPARE(store.entries(DiarySection::Rituals)->at(2).meaning, u""_s);
}

void tst_DiaryStore::rowsByIndex_reachTheRowShownEvenAfterOthersGo() {
    DiaryStore store(path_);
    QList<qint64> keys;
    for (const QString& word : {u"a"_s, u"b"_s, u"c"_s, u"d"_s}) {
        keys << store.add(DiarySection::Recipes, word, QStringLiteral("meaning of ") + word).value_or(0);
    }
    QVERIFY(std::is_sorted(keys.begin(), keys.end()));

    // Another line goes first; "c" is still reached by its Index, though its position moved.
    QVERIFY(store.remove(DiarySection::Recipes, keys[0]));
    QCOMPARE(store.entryWithIndex(DiarySection::Recipes, keys[2]).value_or({}).meaning, QStringLiteral("meaning of c"));
    QCOMPARE(store.positionOfIndex(DiarySection::Recipes, keys[2]).value_or(-1), 1);
    QVERIFY(store.update(DiarySection::Recipes, keys[2], u" C "_s, u" new "_s));
    QVERIFY(store.remove(DiarySection::Recipes, keys[1]));
    QCOMPARE(Keywords(path_, DiarySection::Recipes), QStringList({u"C"_s, u"d"_s}));

    // A row that is gone is neither shown, changed nor removed, and nothing else is touched instead.
    const QByteArray before = FileHash(path_);
    QCOMPARE(store.entryWithIndex(DiarySection::Recipes, keys[0]).error().cause, StoreCause::NoSuchRow);
    QCOMPARE(store.positionOfIndex(DiarySection::Recipes, keys[0]).error().cause, StoreCause::NoSuchRow);
    QCOMPARE(store.update(DiarySection::Recipes, keys[0], u"x"_s, u"y"_s).error().cause, StoreCause::NoSuchRow);
    QCOMPARE(store.remove(DiarySection::Recipes, keys[0]).error().cause, StoreCause::NoSuchRow);
    QCOMPARE(FileHash(path_), before);
}

void tst_DiaryStore::emptySection_readsAsEmptyWithoutError() {
    DiaryStore store(path_);
    QCOMPARE(store.entries(DiarySection::Incense)->size(), 0);
    QCOMPARE(store.count(DiarySection::Incense).value_or(-1), 0);
    QCOMPARE(store.linesFrom(DiarySection::Incense, std::nullopt, false, 0, 10)->size(), 0);
}

void tst_DiaryStore::hostileTexts_storedAndReadVerbatim_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("quotes") << u"O'Brien's \"charm\""_s << u"it's ''doubled'' and \"quoted\""_s;
    QTest::newRow("sql") << u"'); DROP TABLE tblspell; --"_s
                         << u"1 OR 1=1; DELETE FROM tblspell WHERE 1; SELECT * FROM sqlite_master"_s;
    QTest::newRow("placeholders") << u":keyword ? ?1 @x $y"_s << u"%1 %2 \\n \\0"_s;
    QTest::newRow("unicode") << QString::fromUtf8("Ψυχή 🌙 Ünïcödé ᚠᚢᚦ")
                             << QString::fromUtf8("中文 עברית العربية \u200d\u202e");
    QTest::newRow("line breaks") << u"key"_s << u"first\r\nsecond\nthird\rfourth\r\n\r\nsixth"_s;
    QTest::newRow("nul character") << u"a"_s + QChar(0) + u"b"_s << u"x"_s + QChar(0) + u"y"_s;
    QTest::newRow("1 MB meaning") << u"big"_s << QString(1024 * 1024, QLatin1Char('m')) + u"\r\nend"_s;
}

void tst_DiaryStore::hostileTexts_storedAndReadVerbatim() {
    QFETCH(QString, keyword);
    QFETCH(QString, meaning);
    if (RowIsOnServer() && keyword.contains(QChar(0))) {
        QSKIP("PostgreSQL's texts hold no NUL character");
    }
    DiaryStore store(path_);
    const qint64 before = store.add(DiarySection::Spell, u"before"_s, u"b"_s).value_or(0);
    const StoreResult<qint64> index = store.add(DiarySection::Spell, keyword, meaning);
    QVERIFY2(index, qPrintable(index.error().text()));
    QVERIFY(store.add(DiarySection::Spell, u"after"_s, u"a"_s));

    QCOMPARE(Keywords(path_, DiarySection::Spell), QStringList({u"before"_s, keyword, u"after"_s}));
    DiaryEntry entry = store.entryWithIndex(DiarySection::Spell, *index).value_or({});
    QCOMPARE(entry.keyword, keyword);
    QCOMPARE(entry.meaning.size(), meaning.size());
    QVERIFY(entry.meaning == meaning);

    // Every table is still there.
    for (DiarySection section : AllDiarySections) {
        QVERIFY(store.entries(section));
    }
    QVERIFY(store.update(DiarySection::Spell, before, meaning, keyword));
    entry = store.entryWithIndex(DiarySection::Spell, before).value_or({});
    QVERIFY(entry.keyword == meaning);
    QCOMPARE(entry.meaning, keyword);
}

void tst_DiaryStore::brokenFile_failsWithErrorAndStaysUnchanged_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("folder instead of file") << "folder";
    QTest::newRow("not a database") << "garbage";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("truncated database") << "truncated";
    QTest::newRow("table missing") << "droptable";
    QTest::newRow("column missing") << "dropcolumn";
}

void tst_DiaryStore::brokenFile_failsWithErrorAndStaysUnchanged() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    QFETCH(QString, damage);
    {
        // Enough rows for several pages, so that a truncated file loses some of them.
        RawDatabase raw(path_);
        QVERIFY(raw.db().transaction());
        QSqlQuery insert(raw.db());
        QVERIFY(insert.prepare(u"INSERT INTO tblspell (keyword, meaning) VALUES (?, ?)"_s));
        for (int i = 0; i < 200; ++i) {
            insert.addBindValue(QStringLiteral("k%1").arg(i));
            insert.addBindValue(QString(500, QLatin1Char('x')));
            QVERIFY(insert.exec());
        }
        insert.finish();
        QVERIFY(raw.db().commit());
    }
    if (damage == u"missing"_s) {
        QVERIFY(QFile::remove(path_));
    } else if (damage == u"folder"_s) {
        QVERIFY(QFile::remove(path_));
        QVERIFY(QDir(dir_->path()).mkdir(u"diary.dll"_s));
    } else if (damage == u"garbage"_s || damage == u"empty"_s) {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (damage == u"garbage"_s) {
            file.write(QByteArray(8192, '\x5a'));
        }
    } else if (damage == u"truncated"_s) {
        QFile file(path_);
        QVERIFY(file.size() > 16384);
        QVERIFY(file.resize(file.size() / 3));
    } else {
        RawDatabase raw(path_);
        QSqlQuery query(raw.db());
        QVERIFY(query.exec(damage == u"droptable"_s ? u"DROP TABLE tblspell"_s
                                                    : u"CREATE TABLE t2 AS SELECT keyword, \"Index\" FROM tblspell"_s));
        if (damage == u"dropcolumn"_s) {
            QVERIFY(query.exec(u"DROP TABLE tblspell"_s));
            QVERIFY(query.exec(u"ALTER TABLE t2 RENAME TO tblspell"_s));
        }
    }
    const QByteArray before = FileHash(path_);

    DiaryStore store(path_);
    // Reading and writing all say so; a damaged file never passes for an empty diary or a saved entry.
    const StoreResult<QList<DiaryEntry>> entries = store.entries(DiarySection::Spell);
    if (damage != u"dropcolumn"_s) {
        QVERIFY(!entries);
        QVERIFY(entries.error().text().contains(u"could not be read"_s));
    }
    const StoreResult<DiaryEntry> entry = store.entryWithIndex(DiarySection::Spell, 150);
    QVERIFY(!entry);
    QVERIFY(entry.error().cause != StoreCause::NoSuchRow);
    const StoreResult<qint64> added = store.add(DiarySection::Spell, u"new"_s, u"entry"_s);
    QVERIFY(!added);
    QVERIFY(added.error().text().startsWith(u"The entry could not be added to the Spell section: "_s));
    if (damage != u"dropcolumn"_s) {
        QVERIFY(!store.update(DiarySection::Spell, 1, u"new"_s, u"entry"_s));
        QVERIFY(!store.remove(DiarySection::Spell, 1));
    }

    QCOMPARE(FileHash(path_), before);
    if (damage == u"missing"_s) {
        QVERIFY2(!QFile::exists(path_), "opening must never create the file");
    }
}

void tst_DiaryStore::tableWithoutAutomaticIndex_isRefusedWithAReason() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    {
        RawDatabase other(path_);
        QVERIFY(other.exec(u"DROP TABLE tblspell"_s));
        QVERIFY(other.exec(u"CREATE TABLE tblspell (keyword TEXT, meaning TEXT, \"Index\" INTEGER)"_s));
        QVERIFY(other.exec(u"INSERT INTO tblspell (keyword, meaning, \"Index\") VALUES ('old', 'kept', 1)"_s));
    }
    const QByteArray before = FileHash(path_);
    DiaryStore store(path_);
    const StoreResult<QList<DiaryEntry>> entries = store.entries(DiarySection::Spell);
    QVERIFY(!entries);
    QVERIFY2(entries.error().text().contains(u"does not number its entries"_s), qPrintable(entries.error().text()));
    QVERIFY(!store.add(DiarySection::Spell, u"new"_s, u"entry"_s));
    QVERIFY(!store.update(DiarySection::Spell, 1, u"changed"_s, u"text"_s));
    QVERIFY(!store.remove(DiarySection::Spell, 1));
    QCOMPARE(FileHash(path_), before);
    // The other sections of the same file are sound and stay usable.
    QVERIFY(store.add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
}

void tst_DiaryStore::lockedFile_failsWithError_andLosesNothing() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    DiaryStore store(path_);
    store.setBusyTimeout(50);
    QVERIFY(store.add(DiarySection::Rituals, u"kept"_s, u"safe"_s));
    {
        RawDatabase other(path_);
        QVERIFY(other.exec(u"BEGIN EXCLUSIVE"_s));
        QVERIFY(other.exec(u"INSERT INTO tblrituals (keyword, meaning) VALUES ('uncommitted', 'x')"_s));

        QVERIFY(store.entries(DiarySection::Rituals).error().text().contains(u"in use by another program"_s));
        QVERIFY(store.add(DiarySection::Rituals, u"typed"_s, u"text"_s)
                    .error()
                    .text()
                    .contains(u"in use by another program"_s));
        // The kept row count says the same, so that the book offers Retry as for any other read.
        QCOMPARE(store.count(DiarySection::Incense).error().cause, StoreCause::Locked);
        QCOMPARE(store.remove(DiarySection::Rituals, 1).error().cause, StoreCause::Locked);
        QCOMPARE(store.update(DiarySection::Rituals, 1, u"x"_s, u"y"_s).error().cause, StoreCause::Locked);
        QVERIFY(other.exec(u"ROLLBACK"_s));
    }
    QCOMPARE(Keywords(path_, DiarySection::Rituals), QStringList({u"kept"_s}));
    QVERIFY(store.add(DiarySection::Rituals, u"typed"_s, u"text"_s));
}

void tst_DiaryStore::folderWithUrlCharacters_isOpenedAsAPlainPath() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    const QString folder = dir_->filePath(QString::fromUtf8("odd ?name#with%20 & é"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u"/diary.dll"_s;
    QVERIFY(DiaryStore::createDatabase(path, DiarySchema()));
    DiaryStore store(path);
    QVERIFY(store.add(DiarySection::Spell, u"k"_s, u"m"_s));
    QCOMPARE(Keywords(path, DiarySection::Spell), QStringList({u"k"_s}));
    // Nothing was created beside it under a mangled name.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({u"diary.dll"_s}));
}

void tst_DiaryStore::storesOfAFile_shareOneConnection_thatFollowsAFileReplacedByRename() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    DiaryStore store(path_);
    QVERIFY(store.add(DiarySection::Spell, u"old"_s, u"m"_s));
    QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
    QVERIFY(DiaryStore(path_).add(DiarySection::Spell, u"older"_s, u"m"_s));
    QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
    // A restore or a sync tool writes a file beside and renames it over: the kept connection would go on
    // reading the file that is gone.
    const QString beside = dir_->filePath(u"beside.dll"_s);
    QVERIFY(DiaryStore::createDatabase(beside, DiarySchema()));
    {
        RawDatabase other(beside);
        QVERIFY(other.exec(u"INSERT INTO tblspell (keyword, meaning) VALUES ('restored', 'm')"_s));
    }
    QCOMPARE(std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(path_).constData()), 0);
    QCOMPARE(Keywords(path_, DiarySection::Spell), QStringList({u"restored"_s}));
    QVERIFY(store.add(DiarySection::Spell, u"new"_s, u"m"_s));
    QCOMPARE(RawDatabase(path_).column(u"SELECT keyword FROM tblspell"_s), QStringList({u"restored"_s, u"new"_s}));
}

void tst_DiaryStore::createDatabase_neverOverwritesAFile() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    DiaryStore store(path_);
    QVERIFY(store.add(DiarySection::Spell, u"precious"_s, u"entry"_s));
    const QByteArray before = FileHash(path_);
    QString error;
    QVERIFY(!DiaryStore::createDatabase(path_, DiarySchema(), &error));
    QVERIFY(error.contains(u"exists"_s));
    QCOMPARE(FileHash(path_), before);

    // A schema that does not run leaves no half-made file behind.
    const QString bad = dir_->filePath(u"bad.dll"_s);
    QVERIFY(!DiaryStore::createDatabase(bad, u"CREATE TABLE broken ("_s, &error));
    QVERIFY(!QFile::exists(bad));
}

void tst_DiaryStore::shippedDiary_hasFourEmptySections() {
    if (RowIsOnServer()) {
        QSKIP("a file's own trouble");
    }
    const QString copy = dir_->filePath(u"shipped.dll"_s);
    QVERIFY(QFile::copy(QStringLiteral(VELLORAN_DIARY_SHIPPED), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    {
        RawDatabase raw(copy);
        QCOMPARE(
            raw.column(u"SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'tbl%' ORDER BY name"_s),
            QStringList({u"tblincense"_s, u"tblrecipes"_s, u"tblrituals"_s, u"tblspell"_s}));
    }
    DiaryStore store(copy);
    for (DiarySection section : AllDiarySections) {
        QCOMPARE(store.entries(section).value_or({DiaryEntry{}}).size(), 0);
        QVERIFY(store.add(section, u"first"_s, u"entry"_s));
    }
}

void tst_DiaryStore::linesFrom_readsByIndexFromEitherEnd_data() {
    QTest::addColumn<qint64>("bound"); // 0: none
    QTest::addColumn<bool>("descending");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("keywords");
    // The rows are k1 to k9 with k3 and k6 gone, so the Index values have gaps.
    QTest::newRow("from the start") << qint64(0) << false << 0 << 3 << QStringList{u"k1"_s, u"k2"_s, u"k4"_s};
    QTest::newRow("from the start, skipping") << qint64(0) << false << 2 << 2 << QStringList{u"k4"_s, u"k5"_s};
    QTest::newRow("after a key in a gap") << qint64(3) << false << 0 << 2 << QStringList{u"k4"_s, u"k5"_s};
    QTest::newRow("back from the end") << qint64(0) << true << 0 << 3 << QStringList{u"k9"_s, u"k8"_s, u"k7"_s};
    QTest::newRow("back from the end, skipping")
        << qint64(0) << true << 3 << 9 << QStringList{u"k5"_s, u"k4"_s, u"k2"_s, u"k1"_s};
    QTest::newRow("before a key") << qint64(7) << true << 0 << 2 << QStringList{u"k5"_s, u"k4"_s};
    QTest::newRow("past the last") << qint64(9) << false << 0 << 5 << QStringList{};
}

void tst_DiaryStore::linesFrom_readsByIndexFromEitherEnd() {
    QFETCH(qint64, bound);
    QFETCH(bool, descending);
    QFETCH(int, skip);
    QFETCH(int, limit);
    QFETCH(QStringList, keywords);
    DiaryStore store(path_);
    for (int i = 1; i <= 9; ++i) {
        QVERIFY(store.add(DiarySection::Rituals, QStringLiteral("k%1").arg(i), QStringLiteral("meaning")));
    }
    QVERIFY(store.remove(DiarySection::Rituals, 3));
    QVERIFY(store.remove(DiarySection::Rituals, 6));
    const StoreResult<QList<DiaryEntry>> lines = store.linesFrom(
        DiarySection::Rituals, bound ? std::optional<qint64>(bound) : std::nullopt, descending, skip, limit);
    QVERIFY(lines);
    QStringList read;
    for (const DiaryEntry& line : *lines) {
        read << line.keyword;
        QCOMPARE(line.Index, line.keyword.mid(1).toLongLong());
        QVERIFY(line.meaning.isEmpty());
    }
    QCOMPARE(read, keywords);
}

void tst_DiaryStore::addTellingIndex_andKeptCount_followTheTable() {
    DiaryStore store(path_);
    QCOMPARE(store.count(DiarySection::Incense).value_or(-1), 0);
    const qint64 first = store.add(DiarySection::Incense, u"  sage "_s, u"smoke"_s).value_or(0);
    const qint64 second = store.add(DiarySection::Incense, u"myrrh"_s, u"resin"_s).value_or(0);
    QVERIFY(second > first && first > 0);
    QCOMPARE(store.entryWithIndex(DiarySection::Incense, first).value_or({}).keyword, QStringLiteral("sage"));
    QCOMPARE(store.count(DiarySection::Incense).value_or(-1), 2);
    QVERIFY(DiaryStore(path_).remove(DiarySection::Incense, first));
    QCOMPARE(store.count(DiarySection::Incense).value_or(-1), 1);
    // Another program's change is counted afresh.
    QVERIFY(RawDatabase(path_).exec(u"INSERT INTO tblincense (keyword, meaning) VALUES ('a', 'b'), ('c', 'd')"_s));
    QCOMPARE(store.count(DiarySection::Incense).value_or(-1), 3);
    if (RowIsOnServer()) {
        return;
    }

    DiaryStore missing(dir_->filePath(QStringLiteral("nothing.dll")));
    const StoreResult<qint64> counted = missing.count(DiarySection::Spell);
    QVERIFY(!counted);
    QVERIFY(counted.error().text().startsWith(QStringLiteral("The Spell section could not be read: ")));
    QVERIFY(!missing.add(DiarySection::Spell, u"k"_s, u"m"_s));
    QVERIFY(!QFile::exists(missing.path()));
}

void tst_DiaryStore::entryChangedOrGoneSinceShown_isNeverWrittenOverSilently() {
    DiaryStore mine(path_);
    const qint64 index = mine.add(DiarySection::Spell, u"moon"_s, u"shown"_s).value_or(0);
    const DiaryEntry shown = mine.entryWithIndex(DiarySection::Spell, index).value_or({});
    QVERIFY(RawDatabase(path_).exec(
        QStringLiteral("UPDATE tblspell SET meaning = 'theirs' WHERE \"Index\" = %1").arg(index)));
    QCOMPARE(mine.update(DiarySection::Spell, index, u"moon"_s, u"mine"_s, shown).error().cause, StoreCause::Changed);
    QCOMPARE(mine.remove(DiarySection::Spell, index, shown).error().cause, StoreCause::Changed);
    QCOMPARE(mine.removeKept(DiarySection::Spell, index, shown).error().cause, StoreCause::Changed);
    QCOMPARE(mine.entryWithIndex(DiarySection::Spell, index).value_or({}).meaning, QStringLiteral("theirs"));
    // Saved over theirs, then again as first shown (a retry whose answer was lost): done, not changed by someone.
    QVERIFY(mine.update(DiarySection::Spell, index, u"moon"_s, u"mine"_s,
                        mine.entryWithIndex(DiarySection::Spell, index).value_or({})));
    QVERIFY(mine.update(DiarySection::Spell, index, u"moon"_s, u"mine"_s, shown));
    QVERIFY(RawDatabase(path_).exec(QStringLiteral("DELETE FROM tblspell WHERE \"Index\" = %1").arg(index)));
    QCOMPARE(mine.update(DiarySection::Spell, index, u"moon"_s, u"mine"_s, shown).error().cause, StoreCause::NoSuchRow);
}

void tst_DiaryStore::removedEntry_comesBackByteForByte_underItsIndexOrANewOne_data() {
    QTest::addColumn<bool>("takenMeanwhile");
    QTest::newRow("its Index free") << false;
    QTest::newRow("its Index taken by another program meanwhile") << true;
}

void tst_DiaryStore::removedEntry_comesBackByteForByte_underItsIndexOrANewOne() {
    QFETCH(bool, takenMeanwhile);
    RawDatabase other(path_);
    // As another program may have written it: outer blanks the diary would trim, a lone carriage return, and bytes
    // that are no UTF-8.
    QVERIFY(other.exec(u"INSERT INTO tblspell (keyword, meaning) VALUES ('first', 'a'), "
                       "('  moon water  ', CAST(X'66FF0D41C3A9' AS TEXT)), ('last', 'z')"_s));
    const QString bytes = u"SELECT hex(keyword) || ' ' || hex(meaning) || ' ' || typeof(meaning) FROM tblspell "
                          "WHERE \"Index\" = %1"_s;
    const QStringList before = other.column(bytes.arg(2));
    DiaryStore store(path_);
    DiaryKeywordModel list(path_); // an open list follows the removal and its undoing
    QVERIFY(list.load(DiarySection::Spell));
    const auto listed = [&list] {
        QStringList lines;
        for (int row = 0; row < list.rowCount(); ++row) {
            lines << list.data(list.index(row)).toString();
        }
        return lines;
    };
    QCOMPARE(listed(), (QStringList{u"first"_s, u"  moon water  "_s, u"last"_s}));
    const StoreResult<KeptRow> kept = store.removeKept(DiarySection::Spell, 2);
    QVERIFY(kept);
    QCOMPARE(kept->text(u"keyword"_s), u"  moon water  "_s);
    QVERIFY(other.column(bytes.arg(2)).isEmpty());
    if (takenMeanwhile) {
        QVERIFY(other.exec(u"INSERT INTO tblspell (\"Index\", keyword, meaning) VALUES (2, 'usurper', 'u')"_s));
        QTRY_COMPARE(listed(), Keywords(path_, DiarySection::Spell)); // heard from the other program
    }

    const StoreResult<RowPutBack> back = store.putBack(*kept);
    QVERIFY(back);
    QCOMPARE(back->underOwnKey, !takenMeanwhile);
    QCOMPARE(back->key, takenMeanwhile ? 4 : 2);
    QCOMPARE(other.column(bytes.arg(back->key)), before);
    QCOMPARE(Keywords(path_, DiarySection::Spell),
             takenMeanwhile ? (QStringList{u"first"_s, u"usurper"_s, u"last"_s, u"  moon water  "_s})
                            : (QStringList{u"first"_s, u"  moon water  "_s, u"last"_s}));
    QCOMPARE(listed(), Keywords(path_, DiarySection::Spell));
}

QTEST_GUILESS_MAIN(tst_DiaryStore)
#include "tst_DiaryStore.moc"
