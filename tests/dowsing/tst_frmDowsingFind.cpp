#include "core/Application.h"
#include "data/DataBackup.h"
#include "dowsing/DowsingSearch.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingFind.h"
#include "dowsing/frmDowsingSave.h"
#include "support/DowsingSeed.h"
#include "support/DowsingTestFile.h"
#include "support/TestServer.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QMenuBar>
#include <QSqlQuery>
#include <QTest>
#include <memory>

// Find Records over either place the records live: the file's words index and the server's.
class tst_frmDowsingFind : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase_data() { AddPlaceRows(); }
    void initTestCase();
    void init();
    void cleanup();
    void list_followsChangesHereAndElsewhere();
    void scrollingPastAPageTheFileWillNotGive_saysWhyAndOffersRetry();

    void toolsMenu_ctrlF_opensTheFindWindow();
    void search_ignoresCaseAndAccents_data();
    void search_ignoresCaseAndAccents();
    void dates_areShownAndFoundTheUsersWay_data();
    void dates_areShownAndFoundTheUsersWay();
    void search_takesSqlAndIndexSyntaxAsText_data();
    void search_takesSqlAndIndexSyntaxAsText();
    void recordsAddedOrRemovedElsewhere_showAtTheNextSearch();
    void sortingByDate_followsTheCalendar();
    void doubleClickOrReturn_opensTheRecordSheetAsTheGridDoes_data();
    void doubleClickOrReturn_opensTheRecordSheetAsTheGridDoes();
    void wordsTypedWhileTheIndexIsMade_areLookedForOnceItIs();
    void manyMatches_areReadAPageAtATime();
    void searching_leavesTheRecordsFileAsBeforeFindExisted_andBacksNothingUp();
    void aLostOrDamagedIndex_isMadeAgainAtTheNextSearch();
    void makingTheIndex_showsProgressAndCanBeStoppedLeavingTheFileAsItWas();

  private:
    QString path() const { return ApplicationFile(QStringLiteral("Dowsing.dll")); }
    qint64 add(DowsingRecord r);
    frmDowsingFind* openFind();
    QStringList namesFound(const QString& text);
    // The list of records found and the count under it, as a screen reader finds them.
    QTableView* foundGrid() const { return Control<QTableView>(find, "grdFound"); }
    QLabel* countLabel() const { return Control<QLabel>(find, "lblCount"); }

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<RecordingShell> shell;
    frmDowsingFind* find = nullptr;
};

void tst_frmDowsingFind::initTestCase() {
    // Dates are written the user's way; here the United States' (3/7/2006), whatever the machine's.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_frmDowsingFind::init() {
    env = std::make_unique<TestEnvironment>();
    shell = std::make_unique<RecordingShell>();
    QVERIFY(env->copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE)));
    if (!PutPlaceOfRowInForce(env->services)) {
        TEST_SERVER_OR_SKIP("the server's rows");
    }
}

void tst_frmDowsingFind::cleanup() {
    Windows::ResetForTests();
    shell.reset();
    env.reset();
}

qint64 tst_frmDowsingFind::add(DowsingRecord r) {
    DowsingStore store(path());
    if (!store.open()) {
        return -1;
    }
    return store.add(r).value_or(-1);
}

frmDowsingFind* tst_frmDowsingFind::openFind() {
    MDIDowsingForm1* frame = Windows::Show<MDIDowsingForm1>();
    if (!frame) {
        return nullptr;
    }
    frame->findChild<QAction*>(QStringLiteral("mnuFindRecords"))->trigger();
    frmDowsingFind* opened = Windows::Loaded<frmDowsingFind>();
    // Words are looked for once the index made on its own thread is there.
    return QTest::qWaitFor([opened] { return !opened || opened->searchable(); }) ? opened : nullptr;
}

QStringList tst_frmDowsingFind::namesFound(const QString& text) {
    // As typed: every change of the box searches afresh.
    find->searchField()->clear();
    find->searchField()->setText(text);
    QStringList names;
    for (int row = 0; row < find->model()->rowCount(); ++row) {
        names << find->model()->record(row)->Name;
    }
    return names;
}

void tst_frmDowsingFind::list_followsChangesHereAndElsewhere() {
    DowsingRecord ann = SeedRecord(1);
    ann.Name = QStringLiteral("ANN");
    ann.Address = QStringLiteral("1 Mill Lane");
    const qint64 id = add(ann);
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(QStringLiteral("ann mill")), QStringList{u"ANN"_s});

    // Deleted by this program (the record sheet, say): the list and its count follow.
    QVERIFY(DowsingStore(path()).remove(id));
    QTRY_COMPARE(find->model()->rowCount(), 0);
    QCOMPARE(countLabel()->text(), QStringLiteral("No record found"));

    // Added by another program: heard without a keystroke.
    QVERIFY(DowsingTestFile(path()).exec(
        QStringLiteral("INSERT INTO Details (Name, Address) VALUES ('ANN', '2 Mill Lane'), ('BEN', '3 Mill Lane')")));
    QTRY_COMPARE(find->model()->rowCount(), 1);
    QCOMPARE(find->model()->record(0)->Address, QStringLiteral("2 Mill Lane"));

    // Deleted elsewhere a moment before the double click: the sheet never shows a record that is gone.
    QVERIFY(DowsingTestFile(path()).exec(QStringLiteral("DELETE FROM Details WHERE Name = 'ANN'")));
    env->boxes.answer(MsgResult::Ok);
    foundGrid()->setCurrentIndex(find->model()->index(0, 1));
    find->openCurrentRecord();
    QCOMPARE(env->boxes.texts(), QStringList{DowsingFindTexts::Gone()});
    QVERIFY(!Windows::IsLoaded<frmDowsingSave>());
}

void tst_frmDowsingFind::scrollingPastAPageTheFileWillNotGive_saysWhyAndOffersRetry() {
    if (RowIsOnServer()) {
        QSKIP("the file's own words index");
    }
    QVERIFY(SeedRecords(path(), DowsingFindModel::PageSize + 10));
    find = openFind();
    QVERIFY(find);
    namesFound(QStringLiteral("customer"));
    QVERIFY(find->model()->canFetchMore({}));
    DowsingTestFile other(path());
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    // The box comes with Retry; the file is given up before the user answers.
    env->boxes.onShow([&other](const MessageRequest&) { other.exec(QStringLiteral("ROLLBACK")); });
    env->boxes.answer(MsgResult::Retry);
    find->model()->fetchMore({});
    QTRY_COMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(env->boxes.shown().first().buttons, MsgButtons::RetryCancel);
    QVERIFY(env->boxes.shown().first().text.contains(QStringLiteral("in use by another program")));
    QCOMPARE(find->model()->rowCount(), DowsingFindModel::PageSize + 10);
    QCOMPARE(countLabel()->text(), DowsingFindTexts::Count(DowsingFindModel::PageSize + 10, false));
}

void tst_frmDowsingFind::toolsMenu_ctrlF_opensTheFindWindow() {
    MDIDowsingForm1* frame = Windows::Show<MDIDowsingForm1>();
    QVERIFY(frame);
    const QList<QAction*> bar = frame->menuBar()->actions();
    QCOMPARE(bar.last()->text(), QStringLiteral("&Tools"));
    QAction* item = frame->findChild<QAction*>(QStringLiteral("mnuFindRecords"));
    QCOMPARE(item->text(), QStringLiteral("&Find Records…"));
    QCOMPARE(item->shortcut(), QKeySequence(QKeySequence::Find));
    item->trigger();
    QVERIFY(Windows::Loaded<frmDowsingFind>());
    QVERIFY(Windows::Loaded<frmDowsingFind>()->isVisible());
}

void tst_frmDowsingFind::search_ignoresCaseAndAccents_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("lower case finds upper") << u"josé"_s << QStringList{u"JOSÉ MÜLLER"_s};
    QTest::newRow("no accents finds accents") << u"jose muller"_s << QStringList{u"JOSÉ MÜLLER"_s};
    QTest::newRow("accents find no accents") << u"Zoë"_s << QStringList{u"zoe smith"_s};
    QTest::newRow("a word's beginning") << u"SMI"_s << QStringList{u"zoe smith"_s};
    QTest::newRow("any column: the city") << u"Orléans"_s << QStringList{u"zoe smith"_s};
    QTest::newRow("any column: the notes") << u"crystal"_s << QStringList{u"JOSÉ MÜLLER"_s};
    QTest::newRow("the date as the grid shows it") << u"3/7/2006"_s << QStringList{u"JOSÉ MÜLLER"_s};
    QTest::newRow("the date as the file keeps it") << u"2006-03-07"_s << QStringList{u"JOSÉ MÜLLER"_s};
    QTest::newRow("every word must be there") << "zoe crystal" << QStringList{};
}

void tst_frmDowsingFind::search_ignoresCaseAndAccents() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    DowsingRecord a;
    a.Date = QDate(2006, 3, 7);
    a.Name = QStringLiteral("JOSÉ MÜLLER");
    a.Notes = QStringLiteral("a Crystal pendulum");
    DowsingRecord b;
    b.Date = QDate(2007, 11, 12);
    b.Name = QStringLiteral("zoe smith");
    b.City = QStringLiteral("ORLEANS");
    QVERIFY(add(a) > 0 && add(b) > 0);
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(typed), found);
}

void tst_frmDowsingFind::dates_areShownAndFoundTheUsersWay_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("United States") << "en_US"
                                   << "3/7/2006";
    QTest::newRow("Britain: day first") << "en_GB"
                                        << "07/03/2006";
    QTest::newRow("Germany") << "de_DE"
                             << "07.03.2006";
    QTest::newRow("Spain: the year in full") << "es_ES"
                                             << "7/3/2006";
    QTest::newRow("no locale: the program's own form") << "C"
                                                       << "3/7/2006";
}

void tst_frmDowsingFind::dates_areShownAndFoundTheUsersWay() {
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(locale));
    for (const auto& [day, name] : {std::pair{QDate(2006, 3, 7), "MARCH"}, std::pair{QDate(2006, 7, 3), "JULY"}}) {
        DowsingRecord record;
        record.Date = day;
        record.Name = QString::fromLatin1(name);
        QVERIFY(add(record) > 0);
    }
    find = openFind();
    QVERIFY(find);
    // Typed as it is shown, the date finds its own record and not the one a reader of the other form would mean.
    QCOMPARE(namesFound(shown), QStringList{u"MARCH"_s});
    QCOMPARE(foundGrid()->model()->index(0, 0).data().toString(), shown);
}

void tst_frmDowsingFind::search_takesSqlAndIndexSyntaxAsText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("double quotes") << u"\"quoted\""_s << QStringList{u"QUOTES"_s};
    QTest::newRow("a lone double quote") << u"\""_s << QStringList{u"QUOTES"_s};
    QTest::newRow("a star") << u"*"_s << QStringList{u"STAR"_s};
    QTest::newRow("NEAR") << u"NEAR"_s << QStringList{u"NEAR"_s};
    QTest::newRow("NEAR(...)") << "NEAR(a b)" << QStringList{};
    QTest::newRow("AND OR NOT") << "AND OR NOT" << QStringList{};
    QTest::newRow("a minus sign") << u"-"_s << QStringList{u"MINUS"_s};
    QTest::newRow("a word after a minus") << u"-sign"_s << QStringList{u"MINUS"_s};
    QTest::newRow("brackets") << u"("_s << QStringList{u"BRACKETS"_s};
    QTest::newRow("a caret and a colon") << "^Name:" << QStringList{};
    QTest::newRow("percent") << u"%"_s << QStringList{u"PERCENT"_s};
    QTest::newRow("underscore") << u"_"_s << QStringList{u"UNDERSCORE"_s};
    QTest::newRow("backslash") << u"\\"_s << QStringList{u"BACKSLASH"_s};
    QTest::newRow("an SQL injection") << "'; DROP TABLE Details; --" << QStringList{};
    QTest::newRow("a single quote") << u"'"_s << QStringList{u"QUOTES"_s};
    QTest::newRow("a pasted NUL") << QStringLiteral("near") + QChar(0) << QStringList{u"NEAR"_s};
}

void tst_frmDowsingFind::search_takesSqlAndIndexSyntaxAsText() {
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    const QList<QPair<QString, QString>> records{{u"QUOTES"_s, u"the \"quoted\" word, O'Brien's"_s},
                                                 {u"STAR"_s, u"a star*"_s},
                                                 {u"NEAR"_s, u"near the well"_s},
                                                 {u"MINUS"_s, u"minus-sign"_s},
                                                 {u"BRACKETS"_s, u"(in brackets)"_s},
                                                 {u"PERCENT"_s, u"100% sure"_s},
                                                 {u"UNDERSCORE"_s, u"under_score"_s},
                                                 {u"BACKSLASH"_s, u"back\\slash"_s}};
    for (const auto& [name, notes] : records) {
        DowsingRecord r;
        r.Name = name;
        r.Notes = notes;
        QVERIFY(add(r) > 0);
    }
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(typed), found);
    QCOMPARE(find->model()->lastError(), QString());
    QCOMPARE(DowsingTestFile(path()).rows().size(), records.size());
}

void tst_frmDowsingFind::recordsAddedOrRemovedElsewhere_showAtTheNextSearch() {
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(QStringLiteral("zebra")), QStringList());
    DowsingRecord r;
    r.Name = QStringLiteral("ZEBRA");
    const qint64 id = add(r);
    QVERIFY(id > 0);
    QCOMPARE(namesFound(QStringLiteral("zebra")), QStringList{u"ZEBRA"_s});
    r.IdNumber = id;
    r.Name = QStringLiteral("HORSE");
    DowsingStore store(path());
    QVERIFY(store.open());
    QVERIFY(store.change(r));
    QCOMPARE(namesFound(QStringLiteral("zebra")), QStringList());
    QCOMPARE(namesFound(QStringLiteral("horse")), QStringList{u"HORSE"_s});
    QVERIFY(store.remove(id));
    QCOMPARE(namesFound(QStringLiteral("horse")), QStringList());
}

void tst_frmDowsingFind::sortingByDate_followsTheCalendar() {
    for (const QDate& d : {QDate(2006, 12, 1), QDate(2006, 2, 10), QDate(2007, 1, 5), QDate()}) {
        DowsingRecord r;
        r.Date = d;
        r.Name = d.isValid() ? d.toString(Qt::ISODate) : QStringLiteral("undated");
        QVERIFY(add(r) > 0);
    }
    find = openFind();
    QVERIFY(find);
    foundGrid()->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    QCOMPARE(namesFound(QString()), (QStringList{u"undated"_s, u"2006-02-10"_s, u"2006-12-01"_s, u"2007-01-05"_s}));
    foundGrid()->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    QCOMPARE(namesFound(QString()), (QStringList{u"2007-01-05"_s, u"2006-12-01"_s, u"2006-02-10"_s, u"undated"_s}));
}

void tst_frmDowsingFind::doubleClickOrReturn_opensTheRecordSheetAsTheGridDoes_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("double click") << "double click";
    QTest::newRow("Return in the list") << "list";
    QTest::newRow("Return in the box typed in") << "box";
}

void tst_frmDowsingFind::doubleClickOrReturn_opensTheRecordSheetAsTheGridDoes() {
    QFETCH(QString, how);
    QVERIFY(SeedRecords(path(), 30));
    find = openFind();
    QVERIFY(find);
    // Days and times hold numbers too; 29 is nobody's day, hour or minute but customer 29's.
    QCOMPARE(namesFound(QStringLiteral("customer 29")), QStringList{u"CUSTOMER 29"_s});
    const QRect cell = foundGrid()->visualRect(find->model()->index(0, 1));
    if (how == u"double click"_s) {
        QTest::mouseDClick(foundGrid()->viewport(), Qt::LeftButton, {}, cell.center());
    } else {
        QTest::keyClick(how == u"list"_s ? static_cast<QWidget*>(foundGrid()) : find->searchField(), Qt::Key_Return);
    }

    frmDowsingSave* sheet = Windows::Loaded<frmDowsingSave>();
    QVERIFY(sheet && sheet->isVisible());
    const DowsingRecord expected = SeedRecord(29);
    QCOMPARE(sheet->sheetText()->toPlainText(), DowsingSheetText(expected).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(sheet->shownRow(), 28);
    QCOMPARE(sheet->shownRecord().IdNumber, 29);
}

void tst_frmDowsingFind::wordsTypedWhileTheIndexIsMade_areLookedForOnceItIs() {
    QVERIFY(SeedRecords(path(), 30));
    Windows::Show<MDIDowsingForm1>()->findChild<QAction*>(QStringLiteral("mnuFindRecords"))->trigger();
    find = Windows::Loaded<frmDowsingFind>();
    QVERIFY(find);
    // Every record is there before the index is: its making is only heard of once the events are served. The
    // server keeps its words itself: searchable at once.
    QCOMPARE(find->searchable(), RowIsOnServer());
    QCOMPARE(find->model()->rowCount(), 30);
    find->searchField()->setText(QStringLiteral("customer 29"));
    if (!RowIsOnServer()) {
        QCOMPARE(find->model()->rowCount(), 30);
        QVERIFY(countLabel()->text().startsWith(QStringLiteral("Words are looked for once the search index is made")));
    }
    QTRY_COMPARE(find->model()->rowCount(), 1);
    QCOMPARE(find->model()->record(0)->Name, QStringLiteral("CUSTOMER 29"));
}

void tst_frmDowsingFind::manyMatches_areReadAPageAtATime() {
    QVERIFY(SeedRecords(path(), 3 * DowsingFindModel::PageSize + 5));
    find = openFind();
    QVERIFY(find);
    namesFound(QStringLiteral("customer"));
    QCOMPARE(find->model()->rowCount(), DowsingFindModel::PageSize);
    QVERIFY(find->model()->canFetchMore({}));
    // How many there are in all is said, not only how many are read so far.
    QTRY_COMPARE(countLabel()->text(),
                 DowsingFindTexts::Count(DowsingFindModel::PageSize, true, 3 * DowsingFindModel::PageSize + 5));
    foundGrid()->scrollToBottom();
    find->model()->fetchMore({});
    QVERIFY(find->model()->rowCount() <= 3 * DowsingFindModel::PageSize);
    while (find->model()->canFetchMore({})) {
        find->model()->fetchMore({});
    }
    QCOMPARE(find->model()->rowCount(), 3 * DowsingFindModel::PageSize + 5);
    // In IdNumber order without gaps or repeats across the pages.
    for (int row = 0; row < find->model()->rowCount(); ++row) {
        QCOMPARE(find->model()->record(row)->IdNumber, row + 1);
    }
}

void tst_frmDowsingFind::searching_leavesTheRecordsFileAsBeforeFindExisted_andBacksNothingUp() {
    if (RowIsOnServer()) {
        QSKIP("the file's own words index");
    }
    QVERIFY(SeedRecords(path(), 50));
    const QString schema = QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name");
    const QStringList tables = DowsingTestFile(path()).column(schema, 2);
    const QList<QVariantList> before = DowsingTestFile(path()).rows();
    // As an earlier version left it, with an index of its own inside.
    DowsingTestFile file(path());
    QVERIFY(file.exec(u"CREATE VIRTUAL TABLE DetailsSearch USING fts5(body, content='')"_s));
    QVERIFY(file.exec(u"CREATE TRIGGER DetailsSearch_insert AFTER INSERT ON Details BEGIN INSERT INTO "
                      u"DetailsSearch(rowid, body) VALUES (new.IdNumber, new.Name); END"_s));
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(QStringLiteral("customer")).size(), 50);
    QCOMPARE(DowsingTestFile(path()).rows(), before);
    QCOMPARE(DowsingTestFile(path()).column(schema, 2), tables);
    // Nor does it count as a change of the records when the tool closes.
    Windows::Unload<MDIDowsingForm1>();
    QVERIFY(!QFileInfo::exists(ApplicationFile(DataBackup::BackupsFolderName)));
}

void tst_frmDowsingFind::aLostOrDamagedIndex_isMadeAgainAtTheNextSearch() {
    if (RowIsOnServer()) {
        QSKIP("the file's own words index");
    }
    QVERIFY(SeedRecords(path(), 5));
    find = openFind();
    QVERIFY(find);
    QCOMPARE(namesFound(QStringLiteral("customer")).size(), 5);
    QFile index(DowsingSearch::IndexFileFor(path()));
    QVERIFY(index.open(QIODevice::WriteOnly | QIODevice::Truncate) && index.write(QByteArray(8192, 'x')) > 0);
    index.close();
    QVERIFY(DowsingTestFile(path()).exec(QStringLiteral("INSERT INTO Details (Name) VALUES ('LATECOMER')")));
    QCOMPARE(namesFound(QStringLiteral("latecomer")), QStringList{u"LATECOMER"_s});
    QCOMPARE(namesFound(QStringLiteral("customer")).size(), 5);
    QCOMPARE(find->model()->lastError(), QString());
}

void tst_frmDowsingFind::makingTheIndex_showsProgressAndCanBeStoppedLeavingTheFileAsItWas() {
    if (RowIsOnServer()) {
        QSKIP("the file's own words index");
    }
    // More than one chunk of records.
    constexpr int records = 8192 + 5;
    QVERIFY(SeedRecords(path(), records));
    const QByteArray before = FileHash(path());
    DowsingStore store(path());
    QVERIFY(store.open());
    QList<qint64> reported;
    const auto stopAtSecond = [&reported](qint64 done, qint64 total) {
        reported << done << total;
        return reported.size() < 4;
    };
    QCOMPARE(DowsingSearch::EnsureIndex(*store.database(), stopAtSecond), DowsingSearch::IndexStopped());
    QCOMPARE(reported, (QList<qint64>{0, records, 8192, records}));
    DataSource::closeAll();
    QCOMPARE(FileHash(path()), before);

    QVERIFY(store.open());
    QCOMPARE(DowsingSearch::EnsureIndex(*store.database(), [](qint64, qint64) { return true; }), QString());
    QSqlQuery q(*store.database());
    QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM DetailsSearch WHERE DetailsSearch MATCH 'customer'")));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toLongLong(), records);
}

QTEST_MAIN(tst_frmDowsingFind)
#include "tst_frmDowsingFind.moc"
