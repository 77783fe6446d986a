#include "DiaryTestSupport.h"
#include "diary/DiaryTools.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "ui/FileDialogs.h"
#include "ui/Windows.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

using Mode = frmPaganDiaryResultBOS::Mode;

// The keyword book's Tools menu: finding entries, and a section's exports.
class tst_frmDiaryFind : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void find_matchesKeywordAndMeaningWithoutCaseOrAccents_data();
    void find_matchesKeywordAndMeaningWithoutCaseOrAccents();
    void allSections_listsEachEntryWithItsSection();
    void manyFound_theFirstAreListedAndAllCounted();
    void choosingALine_showsTheEntryAsAClickOnItsLineDoes();
    void choosingALineOfAnotherSection_turnsTheBookToIt();
    void choosingALineWhileAdding_keepsWhatIsTyped();
    void list_followsChangesHereAndElsewhere();
    void preview_ofALockedDiary_saysWhyInsteadOfBlankPages();
    void csvExport_readsBackThroughACsvReader();
    void pdfExport_listsEveryEntry();

  private:
    frmDiaryFind* openFind(int section);
    QStringList found(frmDiaryFind* find) const;
    // The list of entries found, as a screen reader finds it.
    static QTreeWidget* foundList(const frmDiaryFind* find) { return Control<QTreeWidget>(find, "lstFound"); }
    void add(DiarySection section, const QString& keyword, const QString& meaning);
    std::unique_ptr<DiaryWorld> w;
};

void tst_frmDiaryFind::init() {
    w = std::make_unique<DiaryWorld>();
    QVERIFY(w->makeDiary());
    add(DiarySection::Spell, QStringLiteral("Moon Spell"), QStringLiteral("For the full moon.\r\nWith sage."));
    add(DiarySection::Spell, QStringLiteral("Protection"), QStringLiteral("A circle of salt, \"closed\"."));
    add(DiarySection::Incense, QStringLiteral("Crème de rose"), QStringLiteral("Petals, moon-dried."));
    add(DiarySection::Rituals, QStringLiteral("ÉQUINOXE"), QStringLiteral("Balance."));
    add(DiarySection::Recipes, QStringLiteral("Mead"), QStringLiteral("Honey 50%, water_2 parts."));
    add(DiarySection::Recipes, QStringLiteral("Bread"), QStringLiteral("Flour 500 g, water 2 parts."));
}

void tst_frmDiaryFind::cleanup() {
    Windows::ResetForTests();
    SetSaveFileChooser({});
    w.reset();
}

void tst_frmDiaryFind::add(DiarySection section, const QString& keyword, const QString& meaning) {
    DiaryStore store(DiaryFilePath());
    QVERIFY(store.add(section, keyword, meaning));
}

frmDiaryFind* tst_frmDiaryFind::openFind(int section) {
    const Book book = OpenDiaryBook(section);
    if (!book) {
        return nullptr;
    }
    book->findChild<QAction*>(QStringLiteral("mnuFind"))->trigger();
    return Windows::Loaded<frmDiaryFind>();
}

QStringList tst_frmDiaryFind::found(frmDiaryFind* find) const {
    QStringList lines;
    const QTreeWidget* list = foundList(find);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        lines << list->topLevelItem(i)->text(0) + QLatin1Char('/') + list->topLevelItem(i)->text(1);
    }
    return lines;
}

void tst_frmDiaryFind::find_matchesKeywordAndMeaningWithoutCaseOrAccents_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("keyword, other case") << 0 << u"moon spell"_s << QStringList{u"Moon Spell/Spell"_s};
    QTest::newRow("meaning, inside a word") << 0 << u"SAG"_s << QStringList{u"Moon Spell/Spell"_s};
    QTest::newRow("quotes are text") << 0 << u"\"closed\""_s << QStringList{u"Protection/Spell"_s};
    QTest::newRow("only the open section") << 0 << u"moon"_s << QStringList{u"Moon Spell/Spell"_s};
    QTest::newRow("no accents finds accents") << 1 << u"creme"_s << QStringList{u"Crème de rose/Incense"_s};
    QTest::newRow("accents find no accents") << 3 << u"équinoxe"_s << QStringList{u"ÉQUINOXE/Rituals"_s};
    QTest::newRow("wildcards of SQL are text") << 2 << u"50% water_"_s << QStringList{u"Mead/Recipes"_s};
    QTest::newRow("a backslash is text") << 2 << "\\" << QStringList{};
    QTest::newRow("every word must be there") << 0 << "moon salt" << QStringList{};
    QTest::newRow("nothing typed, nothing listed") << 0 << "" << QStringList{};
}

void tst_frmDiaryFind::find_matchesKeywordAndMeaningWithoutCaseOrAccents() {
    QFETCH(int, section);
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    frmDiaryFind* find = openFind(section);
    QVERIFY(find);
    find->searchField()->setText(typed);
    QCOMPARE(found(find), lines);
}

void tst_frmDiaryFind::allSections_listsEachEntryWithItsSection() {
    frmDiaryFind* find = openFind(0);
    QVERIFY(find);
    find->searchField()->setText(QStringLiteral("moon"));
    Control<QCheckBox>(find, "chkAllSections")->setChecked(true);
    QCOMPARE(found(find), (QStringList{u"Moon Spell/Spell"_s, u"Crème de rose/Incense"_s}));
    QCOMPARE(Control<QLabel>(find, "lblCount")->text(), QStringLiteral("2 entries found"));
}

void tst_frmDiaryFind::manyFound_theFirstAreListedAndAllCounted() {
    DiaryStore store(DiaryFilePath());
    QList<DiaryFound> found;
    qsizetype total = 0;
    QVERIFY(FindDiaryEntries(store, {DiarySection::Spell, DiarySection::Incense}, QStringLiteral("moon"), found, &total,
                             1));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().entry.keyword, QStringLiteral("Moon Spell"));
    QCOMPARE(total, 2);
    QCOMPARE(DiaryFindTexts::Count(total, found.size()),
             QStringLiteral("2 entries found; the first 1 are listed, more words find fewer"));
}

void tst_frmDiaryFind::choosingALine_showsTheEntryAsAClickOnItsLineDoes() {
    frmDiaryFind* find = openFind(0);
    QVERIFY(find);
    const Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    find->searchField()->setText(QStringLiteral("salt"));
    QCOMPARE(found(find).size(), 1);
    find->showFoundEntry(foundList(find)->topLevelItem(0));
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(book.keywordList->currentIndex().row(), 1);
    QVERIFY(book.keywordList->selectionModel()->isRowSelected(1));
    QCOMPARE(book.keywordBox->text(), QStringLiteral("Protection"));
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("A circle of salt, \"closed\"."));
    QCOMPARE(w->env.boxes.shown().size(), 0);
}

void tst_frmDiaryFind::choosingALineOfAnotherSection_turnsTheBookToIt() {
    frmDiaryFind* find = openFind(0);
    QVERIFY(find);
    const Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    Control<QCheckBox>(find, "chkAllSections")->setChecked(true);
    find->searchField()->setText(QStringLiteral("balance"));
    find->showFoundEntry(foundList(find)->topLevelItem(0));
    QCOMPARE(Windows::Loaded<frmPaganDiaryResultBOS>(), book.window);
    QCOMPARE(book->section(), DiarySection::Rituals);
    QCOMPARE(book.captions[0]->text(), QStringLiteral("Rituals Section"));
    QCOMPARE(book.addSaveButton->text(), QStringLiteral("&Add Rituals"));
    QCOMPARE(book.keywordBox->text(), QStringLiteral("ÉQUINOXE"));
}

void tst_frmDiaryFind::choosingALineWhileAdding_keepsWhatIsTyped() {
    frmDiaryFind* find = openFind(0);
    QVERIFY(find);
    const Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    book.openCloseButton->click();
    book.addSaveButton->click();
    book.keywordBox->setText(QStringLiteral("half typed"));
    find->searchField()->setText(QStringLiteral("moon"));
    w->env.boxes.answer(MsgResult::Ok);
    find->showFoundEntry(foundList(find)->topLevelItem(0));
    QCOMPARE(w->env.boxes.texts(), QStringList{DiaryFindTexts::FinishFirst()});
    QCOMPARE(book->mode(), Mode::Adding);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("half typed"));
}

void tst_frmDiaryFind::list_followsChangesHereAndElsewhere() {
    frmDiaryFind* find = openFind(0);
    QVERIFY(find);
    find->searchField()->setText(QStringLiteral("moon"));
    QCOMPARE(found(find), QStringList{u"Moon Spell/Spell"_s});
    // Added by this program (the book), then removed by another program.
    add(DiarySection::Spell, QStringLiteral("New moon"), QStringLiteral("Dark sky."));
    QTRY_COMPARE(found(find), (QStringList{u"Moon Spell/Spell"_s, u"New moon/Spell"_s}));
    QVERIFY(RawDatabase(DiaryFilePath()).exec(u"DELETE FROM tblspell WHERE keyword = 'Moon Spell'"_s));
    QTRY_COMPARE(found(find), QStringList{u"New moon/Spell"_s});
}

void tst_frmDiaryFind::preview_ofALockedDiary_saysWhyInsteadOfBlankPages() {
    const Book book = OpenDiaryBook(0);
    QVERIFY(book);
    bool previewed = false;
    SetPrintPreviewer([&previewed](const PagePainter&) { previewed = true; });
    DiaryLock lock;
    QVERIFY(lock.locked);
    w->env.boxes.answer(MsgResult::Cancel);
    book->findChild<QAction*>(QStringLiteral("mnuPreview"))->trigger();
    QCOMPARE(w->env.boxes.shown().size(), 1);
    QVERIFY(w->env.boxes.shown().first().text.contains(QStringLiteral("in use by another program")));
    QVERIFY(!previewed);
    SetPrintPreviewer({});
}

void tst_frmDiaryFind::csvExport_readsBackThroughACsvReader() {
    const Book book = OpenDiaryBook(0);
    QVERIFY(book);
    const QString path = QDir(w->env.settingsFolder()).filePath(QStringLiteral("spells.csv"));
    SetSaveFileChooser([&path](const SaveFileRequest&) { return path; });
    w->env.boxes.answer(MsgResult::Ok);
    book->findChild<QAction*>(QStringLiteral("mnuExportCsv"))->trigger();
    QCOMPARE(w->env.boxes.shown().last().icon, MsgIcon::Information);
    const std::optional<QList<QStringList>> rows = ReadCsvWithPython(path);
    QVERIFY(rows);
    QCOMPARE(rows->size(), 3);
    QCOMPARE(rows->at(0).at(0), QStringLiteral("keyword"));
    QCOMPARE(rows->at(1).at(1), QStringLiteral("For the full moon.\r\nWith sage."));
    QCOMPARE(rows->at(2).at(1), QStringLiteral("A circle of salt, \"closed\"."));
}

void tst_frmDiaryFind::pdfExport_listsEveryEntry() {
    const QString path = QDir(w->env.settingsFolder()).filePath(QStringLiteral("spells.pdf"));
    DiaryStore store(DiaryFilePath());
    QCOMPARE(DiaryTools::WritePdf(store, DiarySection::Spell, path), QString());
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(text.startsWith(QStringLiteral("Spell Section")));
    for (const char* line : {"Moon Spell", "For the full moon.", "With sage.", "Protection", "A circle of salt"}) {
        QVERIFY2(text.contains(QLatin1String(line)), line);
    }
    QVERIFY(!text.contains(QStringLiteral("Crème")));
}

QTEST_MAIN(tst_frmDiaryFind)
#include "tst_frmDiaryFind.moc"
