#include "common/RowCounts.h"
#include "diary/DiaryTestSupport.h"

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

class tst_DiaryStore : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void sectionWords_andIndexBounds();
    void bothTableNameForms_reachTheSameRows_data();
    void bothTableNameForms_reachTheSameRows();
    void addedEntries_keepTheirPositions_andNewOnesComeLast();
    void trimming_removesOnlyOuterBlanks_data();
    void trimming_removesOnlyOuterBlanks();
    void entryAt_positionsInsideAndOutside_data();
    void entryAt_positionsInsideAndOutside();
    void updateAt_changesOnlyThatRow_andIgnoresMissingPositions();
    void removeAt_deletesOnlyThatRow_andIgnoresMissingPositions();
    void rowsByIndex_reachTheRowShownEvenAfterOthersGo();
    void emptySection_readsAsEmptyWithoutError();
    void hostileTexts_storedAndReadVerbatim_data();
    void hostileTexts_storedAndReadVerbatim();
    void brokenFile_failsWithErrorAndStaysUnchanged_data();
    void brokenFile_failsWithErrorAndStaysUnchanged();
    void lockedFile_failsWithError_andLosesNothing();
    void tableWithoutAutomaticIndex_isRefusedWithAReason();
    void folderWithUrlCharacters_isOpenedAsAPlainPath();
    void everyCall_leavesNoConnectionOpen();
    void createDatabase_neverOverwritesAFile();
    void shippedDiary_hasFourEmptySections();
    void linesFrom_readsByIndexFromEitherEnd_data();
    void linesFrom_readsByIndexFromEitherEnd();
    void addTellingIndex_andKeptCount_followTheTable();

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path_;
};

void tst_DiaryStore::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    path_ = dir_->filePath(QStringLiteral("diary.dll"));
    QString error;
    QVERIFY2(DiaryStore::createDatabase(path_, DiarySchema(), &error), qPrintable(error));
}

void tst_DiaryStore::cleanup() {
    // Kept row counts hold a connection to the file.
    RowCounts::Forget();
    dir_.reset();
}

void tst_DiaryStore::sectionWords_andIndexBounds() {
    const QStringList words{"Spell", "Incense", "Recipes", "Rituals"};
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
    QVERIFY(store.add(section, "first", "one"));
    QVERIFY(store.add(section, "second", "two"));

    RawDatabase raw(path_);
    const QStringList lower = raw.column("select * from " + lowerCase);
    QCOMPARE(lower, QStringList({"first", "second"}));
    QCOMPARE(raw.column("select * from " + wordCase), lower);
    // The other sections are untouched.
    for (DiarySection other : AllDiarySections) {
        if (other != section) {
            QStringList rows;
            QVERIFY(store.keywords(other, rows));
            QVERIFY(rows.isEmpty());
        }
    }
}

void tst_DiaryStore::addedEntries_keepTheirPositions_andNewOnesComeLast() {
    DiaryStore store(path_);
    for (const char* word : {"alpha", "beta", "gamma"}) {
        QVERIFY(store.add(DiarySection::Incense, word, "m"));
    }
    bool removed = false;
    QVERIFY(store.removeAt(DiarySection::Incense, 0, removed));
    QVERIFY(removed);
    // A keyword that sorts first still goes to the end: the order is that of adding.
    QVERIFY(store.add(DiarySection::Incense, "aardvark", "m"));
    QStringList rows;
    QVERIFY(store.keywords(DiarySection::Incense, rows));
    QCOMPARE(rows, QStringList({"beta", "gamma", "aardvark"}));

    // A later store on the same file (the program started again) sees the same order.
    DiaryStore again(path_);
    QStringList rowsAgain;
    QVERIFY(again.keywords(DiarySection::Incense, rowsAgain));
    QCOMPARE(rowsAgain, rows);
    int count = 0;
    QVERIFY(again.count(DiarySection::Incense, count));
    QCOMPARE(count, 3);
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
    QVERIFY2(store.add(DiarySection::Spell, typed, typed), qPrintable(store.lastError()));
    DiaryEntry entry;
    bool found = false;
    QVERIFY(store.entryAt(DiarySection::Spell, 0, entry, found));
    QVERIFY(found);
    QCOMPARE(entry.keyword, stored);
    QCOMPARE(entry.meaning, stored);

    // Saving an edit trims the same way.
    bool changed = false;
    QVERIFY(store.updateAt(DiarySection::Spell, 0, "x" + typed, typed + "x", changed));
    QVERIFY(changed);
    QVERIFY(store.entryAt(DiarySection::Spell, 0, entry, found));
    QCOMPARE(entry.keyword, DiaryStore::trimBlanks("x" + typed));
    QCOMPARE(entry.meaning, DiaryStore::trimBlanks(typed + "x"));
}

void tst_DiaryStore::entryAt_positionsInsideAndOutside_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("keyword");
    QTest::newRow("no selection") << -1 << false << "";
    QTest::newRow("first") << 0 << true << "k0";
    QTest::newRow("middle") << 2 << true << "k2";
    QTest::newRow("last") << 4 << true << "k4";
    QTest::newRow("past the end") << 5 << false << "";
    QTest::newRow("far past the end") << 40000 << false << "";
}

void tst_DiaryStore::entryAt_positionsInsideAndOutside() {
    QFETCH(int, position);
    QFETCH(bool, found);
    QFETCH(QString, keyword);
    DiaryStore store(path_);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(store.add(DiarySection::Recipes, QStringLiteral("k%1").arg(i), QStringLiteral("m%1").arg(i)));
    }
    DiaryEntry entry;
    bool isFound = true;
    QVERIFY(store.entryAt(DiarySection::Recipes, position, entry, isFound));
    QCOMPARE(isFound, found);
    QCOMPARE(entry.keyword, keyword);
    if (found) {
        QCOMPARE(entry.meaning, QStringLiteral("m%1").arg(position));
        QVERIFY(entry.Index > 0);
    }
}

void tst_DiaryStore::updateAt_changesOnlyThatRow_andIgnoresMissingPositions() {
    DiaryStore store(path_);
    for (const char* word : {"a", "b", "c"}) {
        QVERIFY(store.add(DiarySection::Rituals, word, word));
    }
    bool changed = false;
    QVERIFY(store.updateAt(DiarySection::Rituals, 1, "  B ", " new\r\nmeaning ", changed));
    QVERIFY(changed);
    QStringList rows;
    QVERIFY(store.keywords(DiarySection::Rituals, rows));
    QCOMPARE(rows, QStringList({"a", "B", "c"}));
    DiaryEntry entry;
    bool found = false;
    QVERIFY(store.entryAt(DiarySection::Rituals, 1, entry, found));
    QCOMPARE(entry.meaning, QStringLiteral("new\r\nmeaning"));

    // An edit without a selected line, or past the end, changes nothing.
    const QByteArray before = FileHash(path_);
    for (int position : {-1, 3, 100}) {
        QVERIFY(store.updateAt(DiarySection::Rituals, position, "zzz", "zzz", changed));
        QVERIFY(!changed);
    }
    QVERIFY(store.keywords(DiarySection::Rituals, rows));
    QCOMPARE(rows, QStringList({"a", "B", "c"}));
    QCOMPARE(FileHash(path_), before);

    // An empty meaning is saved as it is: editing checks nothing.
    QVERIFY(store.updateAt(DiarySection::Rituals, 2, "c", "", changed));
    QVERIFY(changed);
    QVERIFY(store.entryAt(DiarySection::Rituals, 2, entry, found));
    QCOMPARE(entry.meaning, QString(""));
}

void tst_DiaryStore::removeAt_deletesOnlyThatRow_andIgnoresMissingPositions() {
    DiaryStore store(path_);
    for (const char* word : {"a", "b", "c", "d"}) {
        QVERIFY(store.add(DiarySection::Spell, word, word));
    }
    bool removed = true;
    for (int position : {-1, 4, 1000}) {
        QVERIFY(store.removeAt(DiarySection::Spell, position, removed));
        QVERIFY(!removed);
    }
    QVERIFY(store.removeAt(DiarySection::Spell, 3, removed));
    QVERIFY(removed);
    QVERIFY(store.removeAt(DiarySection::Spell, 1, removed));
    QVERIFY(removed);
    QStringList rows;
    QVERIFY(store.keywords(DiarySection::Spell, rows));
    QCOMPARE(rows, QStringList({"a", "c"}));
}

void tst_DiaryStore::rowsByIndex_reachTheRowShownEvenAfterOthersGo() {
    DiaryStore store(path_);
    for (const char* word : {"a", "b", "c", "d"}) {
        QVERIFY(store.add(DiarySection::Recipes, word, QStringLiteral("meaning of ") + word));
    }
    QStringList words;
    QList<qint64> keys;
    QVERIFY(store.rows(DiarySection::Recipes, words, &keys));
    QCOMPARE(words, QStringList({"a", "b", "c", "d"}));
    QCOMPARE(keys.size(), 4);
    QVERIFY(std::is_sorted(keys.begin(), keys.end()));

    // Another line goes first; "c" is still reached by its Index, though its position moved.
    bool flag = false;
    QVERIFY(store.removeAt(DiarySection::Recipes, 0, flag));
    DiaryEntry entry;
    QVERIFY(store.entryWithIndex(DiarySection::Recipes, keys[2], entry, flag));
    QVERIFY(flag);
    QCOMPARE(entry.meaning, QStringLiteral("meaning of c"));
    QVERIFY(store.updateWithIndex(DiarySection::Recipes, keys[2], " C ", " new ", flag));
    QVERIFY(flag);
    QVERIFY(store.removeWithIndex(DiarySection::Recipes, keys[1], flag));
    QVERIFY(flag);
    QVERIFY(store.keywords(DiarySection::Recipes, words));
    QCOMPARE(words, QStringList({"C", "d"}));

    // A row that is gone is neither shown, changed nor removed, and nothing else is touched instead.
    const QByteArray before = FileHash(path_);
    QVERIFY(store.entryWithIndex(DiarySection::Recipes, keys[0], entry, flag));
    QVERIFY(!flag);
    QVERIFY(store.updateWithIndex(DiarySection::Recipes, keys[0], "x", "y", flag));
    QVERIFY(!flag);
    QVERIFY(store.removeWithIndex(DiarySection::Recipes, keys[0], flag));
    QVERIFY(!flag);
    QCOMPARE(FileHash(path_), before);
}

void tst_DiaryStore::emptySection_readsAsEmptyWithoutError() {
    DiaryStore store(path_);
    QStringList rows{"stale"};
    QVERIFY(store.keywords(DiarySection::Incense, rows));
    QVERIFY(rows.isEmpty());
    DiaryEntry entry;
    bool found = true;
    QVERIFY(store.entryAt(DiarySection::Incense, 0, entry, found));
    QVERIFY(!found);
    bool removed = true;
    QVERIFY(store.removeAt(DiarySection::Incense, 0, removed));
    QVERIFY(!removed);
    bool changed = true;
    QVERIFY(store.updateAt(DiarySection::Incense, 0, "k", "m", changed));
    QVERIFY(!changed);
    QVERIFY(store.lastError().isEmpty());
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
    QTest::newRow("nul character") << QString("a") + QChar(0) + "b" << QString("x") + QChar(0) + "y";
    QTest::newRow("1 MB meaning") << "big" << QString(1024 * 1024, QLatin1Char('m')) + "\r\nend";
}

void tst_DiaryStore::hostileTexts_storedAndReadVerbatim() {
    QFETCH(QString, keyword);
    QFETCH(QString, meaning);
    DiaryStore store(path_);
    QVERIFY(store.add(DiarySection::Spell, "before", "b"));
    QVERIFY2(store.add(DiarySection::Spell, keyword, meaning), qPrintable(store.lastError()));
    QVERIFY(store.add(DiarySection::Spell, "after", "a"));

    QStringList rows;
    QVERIFY2(store.keywords(DiarySection::Spell, rows), qPrintable(store.lastError()));
    QCOMPARE(rows, QStringList({"before", keyword, "after"}));
    DiaryEntry entry;
    bool found = false;
    QVERIFY(store.entryAt(DiarySection::Spell, 1, entry, found));
    QVERIFY(found);
    QCOMPARE(entry.keyword, keyword);
    QCOMPARE(entry.meaning.size(), meaning.size());
    QVERIFY(entry.meaning == meaning);

    // Every table is still there.
    for (DiarySection section : AllDiarySections) {
        QVERIFY2(store.keywords(section, rows), qPrintable(store.lastError()));
    }
    bool changed = false;
    QVERIFY(store.updateAt(DiarySection::Spell, 0, meaning, keyword, changed));
    QVERIFY(store.entryAt(DiarySection::Spell, 0, entry, found));
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
    QFETCH(QString, damage);
    {
        // Enough rows for several pages, so that a truncated file loses some of them.
        RawDatabase raw(path_);
        QVERIFY(raw.db().transaction());
        QSqlQuery insert(raw.db());
        QVERIFY(insert.prepare("INSERT INTO tblspell (keyword, meaning) VALUES (?, ?)"));
        for (int i = 0; i < 200; ++i) {
            insert.addBindValue(QStringLiteral("k%1").arg(i));
            insert.addBindValue(QString(500, QLatin1Char('x')));
            QVERIFY(insert.exec());
        }
        insert.finish();
        QVERIFY(raw.db().commit());
    }
    if (damage == "missing") {
        QVERIFY(QFile::remove(path_));
    } else if (damage == "folder") {
        QVERIFY(QFile::remove(path_));
        QVERIFY(QDir(dir_->path()).mkdir("diary.dll"));
    } else if (damage == "garbage" || damage == "empty") {
        QFile file(path_);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (damage == "garbage") {
            file.write(QByteArray(8192, '\x5a'));
        }
    } else if (damage == "truncated") {
        QFile file(path_);
        QVERIFY(file.size() > 16384);
        QVERIFY(file.resize(file.size() / 3));
    } else {
        RawDatabase raw(path_);
        QSqlQuery query(raw.db());
        QVERIFY(query.exec(damage == "droptable" ? "DROP TABLE tblspell"
                                                 : "CREATE TABLE t2 AS SELECT keyword, \"Index\" FROM tblspell"));
        if (damage == "dropcolumn") {
            QVERIFY(query.exec("DROP TABLE tblspell"));
            QVERIFY(query.exec("ALTER TABLE t2 RENAME TO tblspell"));
        }
    }
    const QByteArray before = FileHash(path_);

    DiaryStore store(path_);
    QStringList rows;
    DiaryEntry entry;
    bool flag = false;
    // Reading and writing all say so; a damaged file never passes for an empty diary or a saved entry.
    const bool keywordsRead = store.keywords(DiarySection::Spell, rows);
    if (damage != "dropcolumn") {
        QVERIFY(!keywordsRead);
        QVERIFY(store.lastError().contains("could not be read"));
    }
    QVERIFY(!store.entryAt(DiarySection::Spell, 150, entry, flag));
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY(!store.add(DiarySection::Spell, "new", "entry"));
    QVERIFY(store.lastError().startsWith("The entry could not be added to the Spell section: "));
    if (damage != "dropcolumn") {
        QVERIFY(!store.updateAt(DiarySection::Spell, 0, "new", "entry", flag));
        QVERIFY(!store.removeAt(DiarySection::Spell, 0, flag));
    }
    QVERIFY(!flag);

    QCOMPARE(FileHash(path_), before);
    if (damage == "missing") {
        QVERIFY2(!QFile::exists(path_), "opening must never create the file");
    }
}

void tst_DiaryStore::tableWithoutAutomaticIndex_isRefusedWithAReason() {
    {
        RawDatabase other(path_);
        QVERIFY(other.exec("DROP TABLE tblspell"));
        QVERIFY(other.exec("CREATE TABLE tblspell (keyword TEXT, meaning TEXT, \"Index\" INTEGER)"));
        QVERIFY(other.exec("INSERT INTO tblspell (keyword, meaning, \"Index\") VALUES ('old', 'kept', 1)"));
    }
    const QByteArray before = FileHash(path_);
    DiaryStore store(path_);
    QStringList rows;
    QVERIFY(!store.keywords(DiarySection::Spell, rows));
    QVERIFY2(store.lastError().contains("does not number its entries"), qPrintable(store.lastError()));
    QVERIFY(!store.add(DiarySection::Spell, "new", "entry"));
    bool hit = false;
    QVERIFY(!store.updateAt(DiarySection::Spell, 0, "changed", "text", hit));
    QVERIFY(!store.removeAt(DiarySection::Spell, 0, hit));
    QCOMPARE(FileHash(path_), before);
    // The other sections of the same file are sound and stay usable.
    QVERIFY(store.add(DiarySection::Incense, "sage", "smoke"));
}

void tst_DiaryStore::lockedFile_failsWithError_andLosesNothing() {
    DiaryStore store(path_);
    store.setBusyTimeout(50);
    QVERIFY(store.add(DiarySection::Rituals, "kept", "safe"));
    {
        RawDatabase other(path_);
        QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        QVERIFY(other.exec("INSERT INTO tblrituals (keyword, meaning) VALUES ('uncommitted', 'x')"));

        QStringList rows;
        QVERIFY(!store.keywords(DiarySection::Rituals, rows));
        QVERIFY(store.lastError().contains("in use by another program"));
        QVERIFY(!store.add(DiarySection::Rituals, "typed", "text"));
        QVERIFY(store.lastError().contains("in use by another program"));
        // The kept row count says the same, so that the book offers Retry as for any other read.
        qint64 count = 0;
        QVERIFY(!store.keptCount(DiarySection::Incense, count));
        QCOMPARE(store.error().cause, StoreCause::Locked);
        bool flag = false;
        QVERIFY(!store.removeAt(DiarySection::Rituals, 0, flag));
        QVERIFY(!store.updateAt(DiarySection::Rituals, 0, "x", "y", flag));
        QVERIFY(other.exec("ROLLBACK"));
    }
    QStringList rows;
    QVERIFY(store.keywords(DiarySection::Rituals, rows));
    QCOMPARE(rows, QStringList({"kept"}));
    QVERIFY(store.add(DiarySection::Rituals, "typed", "text"));
}

void tst_DiaryStore::folderWithUrlCharacters_isOpenedAsAPlainPath() {
    const QString folder = dir_->filePath(QString::fromUtf8("odd ?name#with%20 & é"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/diary.dll";
    QVERIFY(DiaryStore::createDatabase(path, DiarySchema()));
    DiaryStore store(path);
    QVERIFY2(store.add(DiarySection::Spell, "k", "m"), qPrintable(store.lastError()));
    QStringList rows;
    QVERIFY(store.keywords(DiarySection::Spell, rows));
    QCOMPARE(rows, QStringList({"k"}));
    // Nothing was created beside it under a mangled name.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"diary.dll"}));
}

void tst_DiaryStore::everyCall_leavesNoConnectionOpen() {
    DiaryStore store(path_);
    QStringList rows;
    DiaryEntry entry;
    bool flag = false;
    QVERIFY(store.add(DiarySection::Spell, "k", "m"));
    QVERIFY(store.keywords(DiarySection::Spell, rows));
    QVERIFY(store.entryAt(DiarySection::Spell, 0, entry, flag));
    QVERIFY(store.updateAt(DiarySection::Spell, 0, "k", "m", flag));
    QVERIFY(store.removeAt(DiarySection::Spell, 0, flag));
    DiaryStore missing(dir_->filePath("absent.dll"));
    QVERIFY(!missing.keywords(DiarySection::Spell, rows));
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    // With no connection open, another program may replace the file at once.
    QVERIFY(QFile::remove(path_));
}

void tst_DiaryStore::createDatabase_neverOverwritesAFile() {
    DiaryStore store(path_);
    QVERIFY(store.add(DiarySection::Spell, "precious", "entry"));
    const QByteArray before = FileHash(path_);
    QString error;
    QVERIFY(!DiaryStore::createDatabase(path_, DiarySchema(), &error));
    QVERIFY(error.contains("exists"));
    QCOMPARE(FileHash(path_), before);

    // A schema that does not run leaves no half-made file behind.
    const QString bad = dir_->filePath("bad.dll");
    QVERIFY(!DiaryStore::createDatabase(bad, "CREATE TABLE broken (", &error));
    QVERIFY(!QFile::exists(bad));
}

void tst_DiaryStore::shippedDiary_hasFourEmptySections() {
    const QString copy = dir_->filePath("shipped.dll");
    QVERIFY(QFile::copy(QStringLiteral(VELLORAN_DIARY_SHIPPED), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
    {
        RawDatabase raw(copy);
        QCOMPARE(raw.column("SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'tbl%' ORDER BY name"),
                 QStringList({"tblincense", "tblrecipes", "tblrituals", "tblspell"}));
    }
    DiaryStore store(copy);
    for (DiarySection section : AllDiarySections) {
        QStringList rows{"stale"};
        QVERIFY2(store.keywords(section, rows), qPrintable(store.lastError()));
        QVERIFY(rows.isEmpty());
        QVERIFY(store.add(section, "first", "entry"));
    }
}

void tst_DiaryStore::linesFrom_readsByIndexFromEitherEnd_data() {
    QTest::addColumn<qint64>("bound"); // 0: none
    QTest::addColumn<bool>("descending");
    QTest::addColumn<int>("skip");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("keywords");
    // The rows are k1 to k9 with k3 and k6 gone, so the Index values have gaps.
    QTest::newRow("from the start") << qint64(0) << false << 0 << 3 << QStringList{"k1", "k2", "k4"};
    QTest::newRow("from the start, skipping") << qint64(0) << false << 2 << 2 << QStringList{"k4", "k5"};
    QTest::newRow("after a key in a gap") << qint64(3) << false << 0 << 2 << QStringList{"k4", "k5"};
    QTest::newRow("back from the end") << qint64(0) << true << 0 << 3 << QStringList{"k9", "k8", "k7"};
    QTest::newRow("back from the end, skipping") << qint64(0) << true << 3 << 9 << QStringList{"k5", "k4", "k2", "k1"};
    QTest::newRow("before a key") << qint64(7) << true << 0 << 2 << QStringList{"k5", "k4"};
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
    bool removed = false;
    QVERIFY(store.removeWithIndex(DiarySection::Rituals, 3, removed) && removed);
    QVERIFY(store.removeWithIndex(DiarySection::Rituals, 6, removed) && removed);
    QList<DiaryEntry> lines;
    QVERIFY(store.linesFrom(DiarySection::Rituals, bound ? std::optional<qint64>(bound) : std::nullopt, descending,
                            skip, limit, lines));
    QStringList read;
    for (const DiaryEntry& line : lines) {
        read << line.keyword;
        QCOMPARE(line.Index, line.keyword.mid(1).toLongLong());
        QVERIFY(line.meaning.isEmpty());
    }
    QCOMPARE(read, keywords);
}

void tst_DiaryStore::addTellingIndex_andKeptCount_followTheTable() {
    DiaryStore store(path_);
    qint64 count = -1;
    QVERIFY(store.keptCount(DiarySection::Incense, count));
    QCOMPARE(count, qint64(0));
    qint64 first = 0;
    qint64 second = 0;
    QVERIFY(store.add(DiarySection::Incense, "  sage ", "smoke", first));
    QVERIFY(store.add(DiarySection::Incense, "myrrh", "resin", second));
    QVERIFY(second > first);
    DiaryEntry entry;
    bool found = false;
    QVERIFY(store.entryWithIndex(DiarySection::Incense, first, entry, found) && found);
    QCOMPARE(entry.keyword, QStringLiteral("sage"));
    QVERIFY(store.keptCount(DiarySection::Incense, count));
    QCOMPARE(count, qint64(2));
    bool removed = false;
    QVERIFY(DiaryStore(path_).removeWithIndex(DiarySection::Incense, first, removed));
    QVERIFY(store.keptCount(DiarySection::Incense, count));
    QCOMPARE(count, qint64(1));

    DiaryStore missing(dir_->filePath(QStringLiteral("nothing.dll")));
    QVERIFY(!missing.keptCount(DiarySection::Spell, count));
    QVERIFY(missing.lastError().startsWith(QStringLiteral("The Spell section could not be read: ")));
    QVERIFY(!missing.add(DiarySection::Spell, "k", "m", first));
    QVERIFY(!QFile::exists(missing.path()));
}

QTEST_GUILESS_MAIN(tst_DiaryStore)
#include "tst_DiaryStore.moc"
