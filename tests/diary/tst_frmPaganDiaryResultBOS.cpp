#include "DiaryTestSupport.h"
#include "diary/frmPaganDiaryMain.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>

using Mode = frmPaganDiaryResultBOS::Mode;
Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(MsgResult)

namespace {
const QString BothMissing = QStringLiteral("Please Enter Keyword And Its Corresponding Meaning");
const QString KeywordMissing = QStringLiteral("Please Enter The Keyword");
const QString MeaningMissing = QStringLiteral("Please Enter The Meaning Of The Keyword");
const QStringList Words{u"Spell"_s, u"Incense"_s, u"Recipes"_s, u"Rituals"_s};
} // namespace

class tst_frmPaganDiaryResultBOS : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void unreadableLines_areSaid_andEditOrRemoveOnThemWaitForTheFile();
    void keywordList_followsChangesHereAndElsewhere();

    void loading_setsTheSectionsTextsAndListsItsTable_data();
    void loading_setsTheSectionsTextsAndListsItsTable();
    void modeTable_captionsAndEnabledControls_data();
    void modeTable_captionsAndEnabledControls();
    void closingTheBook_keepsContents();
    void emptySection_opensWithoutMessage_andListsAnAddedEntry();
    void adding_storesTrimmedAtTheEnd_andSurvivesARestart();
    void addChecks_keepTheTypedTextOrReturnToOpen_data();
    void addChecks_keepTheTypedTextOrReturnToOpen();
    void addingBlanksOnly_passesTheChecks_andStoresAnEmptyKeyword();
    void choosingALine_byClickOrKeys_showsItsEntry();
    void removing_withAndWithoutASelection();
    void removal_undoneByCtrlZ_comesBackToItsLineOrLastIfTaken_data();
    void removal_undoneByCtrlZ_comesBackToItsLineOrLastIfTaken();
    void removingAndEditing_afterAnotherProgramChangedTheTable_actOnTheLineShown();
    void editing_anEntryRemovedOrChangedMeanwhile_letsTheUserChoose_data();
    void editing_anEntryRemovedOrChangedMeanwhile_letsTheUserChoose();
    void editing_withASelection_savesTrimmedWithoutChecks();
    void editing_withoutASelection_changesNoRow();
    void editing_aLongKeyword_savesItWhole();
    void editing_keepsAnUntouchedMeaningExactly_data();
    void editing_keepsAnUntouchedMeaningExactly();
    void adding_storesTheMeaningAsTyped();
    void leaving_data();
    void leaving();
    void hostileEntries_typedStoredAndShownVerbatim_data();
    void hostileEntries_typedStoredAndShownVerbatim();
    void corruptDiary_saysSoAndChangesNothing();
    void lockedDiary_keepsTheTypedEntryUntilItCanBeSaved();
    void missingTable_isReportedNotShownAsEmpty();
    void largeSectionWithGaps_listsInOrder_andAddAndRemoveChangeOneLine();

  private:
    Book openBook(int index);
    void select(const Book& book, int row);
    void typeEntry(const Book& book, const QString& keyword, const QString& meaning);
    std::unique_ptr<DiaryWorld> w;
};

void tst_frmPaganDiaryResultBOS::init() {
    w = std::make_unique<DiaryWorld>();
    QVERIFY(w->makeDiary());
}

void tst_frmPaganDiaryResultBOS::cleanup() {
    w.reset();
}

// As the chooser hands over a section.
Book tst_frmPaganDiaryResultBOS::openBook(int index) {
    return OpenDiaryBook(index);
}

void tst_frmPaganDiaryResultBOS::select(const Book& book, int row) {
    const QModelIndex line = book.lstKeyword->model()->index(row, 0);
    QVERIFY(line.isValid());
    QTest::mouseClick(book.lstKeyword->viewport(), Qt::LeftButton, {}, book.lstKeyword->visualRect(line).center());
}

void tst_frmPaganDiaryResultBOS::typeEntry(const Book& book, const QString& keyword, const QString& meaning) {
    book.txtKeyword->setText(keyword);
    book.txtMeaning->setPlainText(meaning);
}

void tst_frmPaganDiaryResultBOS::unreadableLines_areSaid_andEditOrRemoveOnThemWaitForTheFile() {
    {
        DiaryStore store(DiaryFilePath());
        for (int i = 0; i < 300; ++i) {
            QVERIFY(store.add(DiarySection::Spell, QStringLiteral("k%1").arg(i), QStringLiteral("m%1").arg(i)));
        }
    }
    Book book = openBook(0);
    book.Command1->click();
    auto lock = std::make_unique<DiaryLock>();
    QVERIFY(lock->locked);
    // A line whose page the file will not give up is said, never shown blank in silence.
    w->env.boxes.answer(MsgResult::Cancel);
    QCOMPARE(book.lstKeyword->model()->index(250, 0).data(), QVariant());
    QTRY_COMPARE(w->env.boxes.shown().size(), 1);
    QCOMPARE(w->env.boxes.shown().last().buttons, MsgButtons::RetryCancel);
    QVERIFY(w->env.boxes.shown().last().text.contains(QStringLiteral("in use by another program")));

    // Editing or removing that line says so too, and neither goes ahead on nothing.
    w->env.boxes.answer(MsgResult::Cancel);
    select(book, 250);
    w->env.boxes.answer(MsgResult::Cancel);
    book.Command4->click();
    QCOMPARE(book->mode(), Mode::Open);
    w->env.boxes.answer(MsgResult::Cancel);
    book.Command3->click();
    QCOMPARE(w->env.boxes.shown().size(), 4);

    // Retry once the file is given up: the edit reaches the entry the line shows.
    w->env.boxes.onShow([&lock](const MessageRequest&) { lock.reset(); });
    w->env.boxes.answer(MsgResult::Retry);
    book.Command4->click();
    QCOMPARE(book->mode(), Mode::Editing);
    typeEntry(book, u"edited"_s, u"at last"_s);
    book.Command4->click();
    QCOMPARE(w->rows(DiarySection::Spell).at(250), QStringLiteral("edited"));
    QCOMPARE(w->rows(DiarySection::Spell).size(), 300);
}

void tst_frmPaganDiaryResultBOS::keywordList_followsChangesHereAndElsewhere() {
    Book book = openBook(1);
    book.Command1->click();
    // Another window of this program (the find window's book, a restore) and another program.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    QCOMPARE(listedLines(book.lstKeyword), QStringList{u"sage"_s});
    QVERIFY(
        RawDatabase(DiaryFilePath()).exec(u"INSERT INTO tblincense (keyword, meaning) VALUES ('myrrh', 'resin')"_s));
    QTRY_COMPARE(listedLines(book.lstKeyword), (QStringList{u"sage"_s, u"myrrh"_s}));
    // A change to another section leaves this list as it is.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"moon"_s, u"water"_s));
    QCOMPARE(listedLines(book.lstKeyword), (QStringList{u"sage"_s, u"myrrh"_s}));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::loading_setsTheSectionsTextsAndListsItsTable_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("description");
    QTest::newRow("spell") << 0 << "Spell Section"
                           << "Click on Open Spell to Access the Spells Section"
                           << "Add your new spell secrets and save them. Add, edit or remove the selected spells "
                              "according to your preferences.";
    QTest::newRow("incense") << 1 << "Incense Section"
                             << "Click on Open Incense to Access the Incense Section"
                             << "Add your new incense secrets and save them. Add, edit or remove the selected "
                                "incense according to your preferences.";
    QTest::newRow("recipes") << 2 << "Recipes Section"
                             << "Click on Open Recipes to Access the Recipes Section"
                             << "Add your new recipe secrets and save them. Add, edit or remove the selected "
                                "recipes according to your preferences.";
    QTest::newRow("rituals") << 3 << "Rituals Section"
                             << "Click on Open Rituals to Access the Rituals Section"
                             << "Add your new ritual secrets and save them. Add, edit or remove the selected "
                                "rituals according to your preferences.";
}

void tst_frmPaganDiaryResultBOS::loading_setsTheSectionsTextsAndListsItsTable() {
    QFETCH(int, index);
    QFETCH(QString, title);
    QFETCH(QString, hint);
    QFETCH(QString, description);
    {
        DiaryStore store(DiaryFilePath());
        for (DiarySection section : AllDiarySections) {
            QVERIFY(store.add(section, DiarySectionWord(section) + u" one"_s, u"m"_s));
            QVERIFY(store.add(section, DiarySectionWord(section) + u" two"_s, u"m"_s));
        }
    }
    Book book = openBook(index);
    const QString word = Words.at(index);
    QCOMPARE(book.lblCaption[0]->text(), title);
    QCOMPARE(book.lblCaption[1]->text(), hint);
    QCOMPARE(book.lblCaption[2]->text(), description);
    const QStringList captions{book.Command1->text(), book.Command2->text(), book.Command3->text(),
                               book.Command4->text(), book.Command5->text()};
    QCOMPARE(captions, QStringList({u"&Open "_s + word, u"&Add "_s + word, u"&Remove "_s + word, u"&Edit "_s + word,
                                    u"E&xit "_s + word}));
    QCOMPARE(listedLines(book.lstKeyword), QStringList({word + u" one"_s, word + u" two"_s}));
    QCOMPARE(book->focusWidget(), book.Command1);
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::modeTable_captionsAndEnabledControls_data() {
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("c1");
    QTest::addColumn<QString>("c2");
    QTest::addColumn<QString>("c4");
    // Enabled: Command1 to Command5, the list, the two boxes.
    QTest::addColumn<QString>("enabled");
    QTest::newRow("Closed") << Mode::Closed << "&Open Incense"
                            << "&Add Incense"
                            << "&Edit Incense"
                            << "10000000";
    QTest::newRow("Open") << Mode::Open << "&Close Incense"
                          << "&Add Incense"
                          << "&Edit Incense"
                          << "11111111";
    QTest::newRow("Adding") << Mode::Adding << "&Close Incense"
                            << "&Save Incense"
                            << "&Edit Incense"
                            << "01000011";
    QTest::newRow("Editing") << Mode::Editing << "&Close Incense"
                             << "&Add Incense"
                             << "&Save Incense"
                             << "00010011";
}

void tst_frmPaganDiaryResultBOS::modeTable_captionsAndEnabledControls() {
    QFETCH(Mode, mode);
    QFETCH(QString, c1);
    QFETCH(QString, c2);
    QFETCH(QString, c4);
    QFETCH(QString, enabled);
    Book book = openBook(1);
    if (mode != Mode::Closed) {
        book.Command1->click();
    }
    if (mode == Mode::Adding) {
        book.Command2->click();
    } else if (mode == Mode::Editing) {
        book.Command4->click();
    }
    QCOMPARE(book->mode(), mode);
    QCOMPARE(book.Command1->text(), c1);
    QCOMPARE(book.Command2->text(), c2);
    QCOMPARE(book.Command3->text(), QStringLiteral("&Remove Incense"));
    QCOMPARE(book.Command4->text(), c4);
    QCOMPARE(book.Command5->text(), QStringLiteral("E&xit Incense"));
    const QList<QWidget*> controls{book.Command1, book.Command2,   book.Command3,   book.Command4,
                                   book.Command5, book.lstKeyword, book.txtKeyword, book.txtMeaning};
    QString actual;
    for (QWidget* control : controls) {
        actual += control->isEnabled() ? u'1' : u'0';
    }
    QCOMPARE(actual, enabled);
    // The menus answer in every mode.
    QVERIFY(book.mnuBack->isEnabled());
    QVERIFY(book.exitItem->isEnabled());
}

void tst_frmPaganDiaryResultBOS::closingTheBook_keepsContents() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"moon"_s, u"silver"_s));
    Book book = openBook(0);
    book.Command1->click();
    select(book, 0);
    book.Command1->click();
    QCOMPARE(book->mode(), Mode::Closed);
    QCOMPARE(lineCount(book.lstKeyword), 1);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("moon"));
    QCOMPARE(book.txtMeaning->toPlainText(), QStringLiteral("silver"));
}

void tst_frmPaganDiaryResultBOS::emptySection_opensWithoutMessage_andListsAnAddedEntry() {
    Book book = openBook(2);
    QCOMPARE(lineCount(book.lstKeyword), 0);
    book.Command1->click();
    book.Command3->click(); // removing from an empty list does nothing
    book.Command2->click();
    typeEntry(book, u"bread"_s, u"flour and water"_s);
    book.Command2->click();
    QCOMPARE(lineCount(book.lstKeyword), 1);
    QCOMPARE(lineText(book.lstKeyword, 0), QStringLiteral("bread"));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::adding_storesTrimmedAtTheEnd_andSurvivesARestart() {
    for (int index = 0; index < 4; ++index) {
        const DiarySection section = *DiarySectionFromIndex(index);
        QVERIFY(DiaryStore(DiaryFilePath()).add(section, u"zeta"_s, u"first"_s));
        Book book = openBook(index);
        book.Command1->click();
        book.Command2->click();
        QCOMPARE(book->focusWidget(), book.txtKeyword);
        QTest::keyClicks(book.txtKeyword, u"  Alpha  charm "_s);
        book.txtMeaning->setFocus();
        QTest::keyClicks(book.txtMeaning, u"  three  "_s);
        QTest::keyClick(book.txtMeaning, Qt::Key_Return);
        QTest::keyClicks(book.txtMeaning, u"lines "_s);
        book.Command2->click();

        QVERIFY(w->env.boxes.shown().isEmpty());
        QCOMPARE(book->mode(), Mode::Open);
        QVERIFY(book.txtKeyword->text().isEmpty());
        QVERIFY(book.txtMeaning->toPlainText().isEmpty());
        QCOMPARE(book->focusWidget(), book.txtKeyword);
        // Listed after the older entry although it sorts first.
        QCOMPARE(lineCount(book.lstKeyword), 2);
        QCOMPARE(lineText(book.lstKeyword, 1), QStringLiteral("Alpha  charm"));
        QVERIFY(!hasSelectedLine(book.lstKeyword));
        const DiaryEntry stored = w->entry(section, 1);
        QCOMPARE(stored.keyword, QStringLiteral("Alpha  charm"));
        // Lines typed in the box are stored ending in carriage return and line feed, as the program's texts do.
        QCOMPARE(stored.meaning, QStringLiteral("three  \r\nlines"));

        // The program started again finds it in the same place.
        book.exitItem->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        book = openBook(index);
        QCOMPARE(lineText(book.lstKeyword, 1), QStringLiteral("Alpha  charm"));
        book.exitItem->trigger();
    }
}

void tst_frmPaganDiaryResultBOS::addChecks_keepTheTypedTextOrReturnToOpen_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusKeyword");
    QTest::addColumn<bool>("backToOpen");
    // With nothing typed there is nothing to keep: the book is back in Open, not held in Adding.
    QTest::newRow("both empty") << ""
                                << "" << BothMissing << true << true;
    QTest::newRow("no keyword") << ""
                                << "a meaning" << KeywordMissing << true << false;
    QTest::newRow("no meaning") << "a keyword"
                                << "" << MeaningMissing << false << false;
}

void tst_frmPaganDiaryResultBOS::addChecks_keepTheTypedTextOrReturnToOpen() {
    QFETCH(QString, keyword);
    QFETCH(QString, meaning);
    QFETCH(QString, message);
    QFETCH(bool, focusKeyword);
    QFETCH(bool, backToOpen);
    Book book = openBook(0);
    book.Command1->click();
    book.Command2->click();
    typeEntry(book, keyword, meaning);
    const QByteArray before = w->fileHash();
    w->env.boxes.answer(MsgResult::Ok);
    book.Command2->click();

    QCOMPARE(w->env.boxes.shown().size(), 1);
    QCOMPARE(w->env.boxes.shown().first().text, message);
    QCOMPARE(w->env.boxes.shown().first().icon, MsgIcon::Critical);
    QCOMPARE(w->env.boxes.shown().first().title, QStringLiteral("Velloran"));
    QCOMPARE(book->mode(), backToOpen ? Mode::Open : Mode::Adding);
    QCOMPARE(book.Command2->text(), backToOpen ? QStringLiteral("&Add Spell") : QStringLiteral("&Save Spell"));
    for (QWidget* other : {static_cast<QWidget*>(book.Command1), static_cast<QWidget*>(book.Command3),
                           static_cast<QWidget*>(book.Command5), static_cast<QWidget*>(book.lstKeyword)}) {
        QCOMPARE(other->isEnabled(), backToOpen);
    }
    QCOMPARE(book.txtKeyword->text(), keyword);
    QCOMPARE(book.txtMeaning->toPlainText(), meaning);
    QCOMPARE(book->focusWidget(), focusKeyword ? static_cast<QWidget*>(book.txtKeyword) : book.txtMeaning);
    QCOMPARE(w->fileHash(), before);

    // Completing the entry saves it.
    if (backToOpen) {
        book.Command2->click();
    }
    typeEntry(book, keyword.isEmpty() ? u"k"_s : keyword, meaning.isEmpty() ? u"m"_s : meaning);
    book.Command2->click();
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(w->rows(DiarySection::Spell).size(), 1);
}

void tst_frmPaganDiaryResultBOS::addingBlanksOnly_passesTheChecks_andStoresAnEmptyKeyword() {
    Book book = openBook(0);
    book.Command1->click();
    book.Command2->click();
    typeEntry(book, u"    "_s, u"  meaning  "_s);
    book.Command2->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u""_s}));
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("meaning"));
    QCOMPARE(lineCount(book.lstKeyword), 1);
}

void tst_frmPaganDiaryResultBOS::choosingALine_byClickOrKeys_showsItsEntry() {
    {
        DiaryStore store(DiaryFilePath());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(store.add(DiarySection::Recipes, QStringLiteral("k%1").arg(i), QStringLiteral("m%1\r\nx").arg(i)));
        }
    }
    Book book = openBook(2);
    book.Command1->click();
    select(book, 2);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("k2"));
    QCOMPARE(book.txtMeaning->toPlainText(), QStringLiteral("m2\nx"));
    QTest::keyClick(book.lstKeyword, Qt::Key_Down);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("k3"));
    QTest::keyClick(book.lstKeyword, Qt::Key_Home);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("k0"));
    // Typing over a shown entry and clicking its line again shows it again.
    book.txtKeyword->setText(u"typed over"_s);
    select(book, 0);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("k0"));
}

void tst_frmPaganDiaryResultBOS::removing_withAndWithoutASelection() {
    QVERIFY(w->addEntries(DiarySection::Spell, {"a", "b", "c"}));
    Book book = openBook(0);
    book.Command1->click();

    // Nothing selected: nothing removed, and the list is read again.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"d"_s, u"added meanwhile"_s));
    book.Command3->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.lstKeyword), 4);

    // A selected line goes at once, without a question.
    select(book, 1);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("b"));
    book.Command3->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"a"_s, u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.lstKeyword), 3);
    QCOMPARE(lineText(book.lstKeyword, 1), QStringLiteral("c"));
    QVERIFY(book.txtKeyword->text().isEmpty());
    QVERIFY(book.txtMeaning->toPlainText().isEmpty());
    QVERIFY(!hasSelectedLine(book.lstKeyword));

    // The last one too.
    select(book, 2);
    book.Command3->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"a"_s, u"c"_s}));
}

void tst_frmPaganDiaryResultBOS::removal_undoneByCtrlZ_comesBackToItsLineOrLastIfTaken_data() {
    QTest::addColumn<bool>("takenMeanwhile");
    QTest::newRow("its Index free") << false;
    QTest::newRow("its Index taken by another program meanwhile") << true;
}

void tst_frmPaganDiaryResultBOS::removal_undoneByCtrlZ_comesBackToItsLineOrLastIfTaken() {
    QFETCH(bool, takenMeanwhile);
    {
        DiaryStore store(DiaryFilePath());
        for (const QString& word : {u"a"_s, u"b & c"_s, u"d"_s}) {
            QVERIFY(store.add(DiarySection::Spell, word, QStringLiteral("meaning of ") + word));
        }
    }
    Book book = openBook(0);
    book.Command1->click();
    auto* undo = Control<QAction>(book.window, "mnuUndo");
    QVERIFY(!undo->isEnabled());
    select(book, 1);
    book.Command3->click();
    QCOMPARE(undo->text(), QStringLiteral("&Undo Removal of “b && c”"));
    if (takenMeanwhile) {
        QVERIFY(RawDatabase(DiaryFilePath()).exec(u"INSERT INTO tblspell (\"Index\", keyword) VALUES (2, 'x')"_s));
        w->env.boxes.answer(MsgResult::Ok);
    }

    book->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(book.window));
    book.lstKeyword->setFocus();
    QTest::keyClick(book.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->rows(DiarySection::Spell), takenMeanwhile ? QStringList({u"a"_s, u"x"_s, u"d"_s, u"b & c"_s})
                                                          : QStringList({u"a"_s, u"b & c"_s, u"d"_s}));
    QCOMPARE(listedLines(book.lstKeyword), w->rows(DiarySection::Spell));
    QCOMPARE(w->env.boxes.texts(),
             takenMeanwhile ? QStringList{DiaryBookMessages::PutBackAsNew(u"b & c"_s, u"Spell"_s)} : QStringList());
    // Shown as a click on its line shows it; nothing more to undo.
    QCOMPARE(book.txtMeaning->toPlainText(), QStringLiteral("meaning of b & c"));
    QVERIFY(!undo->isEnabled());
}

void tst_frmPaganDiaryResultBOS::removingAndEditing_afterAnotherProgramChangedTheTable_actOnTheLineShown() {
    QVERIFY(w->addEntries(DiarySection::Spell, {"a", "b", "c", "d"}));
    Book book = openBook(0);
    book.Command1->click();
    select(book, 1);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("b"));
    // Meanwhile another program removes the first row: the second line now is the second row no more.
    QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 0));
    book.Command3->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.lstKeyword), 2);

    select(book, 1);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("d"));
    book.Command4->click();
    QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 0));
    book.txtMeaning->setPlainText(u"changed"_s);
    book.Command4->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"d"_s}));
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("changed"));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::editing_anEntryRemovedOrChangedMeanwhile_letsTheUserChoose_data() {
    QTest::addColumn<bool>("removed");
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<QStringList>("rowsAfter");
    QTest::newRow("removed: add it") << true << MsgResult::Yes << QStringList({u"a"_s, u"c"_s, u"new words"_s});
    QTest::newRow("removed: leave it") << true << MsgResult::No << QStringList({u"a"_s, u"c"_s});
    QTest::newRow("changed: keep theirs")
        << false << MsgResult::KeepTheirs << QStringList({u"a"_s, u"theirs"_s, u"c"_s});
    QTest::newRow("changed: save mine") << false << MsgResult::SaveMine
                                        << QStringList({u"a"_s, u"new words"_s, u"c"_s});
    QTest::newRow("changed: save mine as new")
        << false << MsgResult::SaveAsNew << QStringList({u"a"_s, u"theirs"_s, u"c"_s, u"new words"_s});
}

void tst_frmPaganDiaryResultBOS::editing_anEntryRemovedOrChangedMeanwhile_letsTheUserChoose() {
    QFETCH(bool, removed);
    QFETCH(MsgResult, answer);
    QFETCH(QStringList, rowsAfter);
    QVERIFY(w->addEntries(DiarySection::Spell, {"a", "b", "c"}));
    Book book = openBook(0);
    book.Command1->click();
    select(book, 1);
    book.Command4->click();
    if (removed) {
        QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 1));
    } else {
        QVERIFY(RawDatabase(DiaryFilePath()).exec(u"UPDATE tblspell SET keyword = 'theirs' WHERE \"Index\" = 2"_s));
    }
    typeEntry(book, u"new words"_s, u"typed with care"_s);
    w->env.boxes.answer(answer);
    book.Command4->click();

    QCOMPARE(w->env.boxes.shown().size(), 1);
    const MessageRequest box = w->env.boxes.shown().first();
    QCOMPARE(box.buttons, removed ? MsgButtons::YesNo : MsgButtons::TheirsMineNew);
    QCOMPARE(w->rows(DiarySection::Spell), rowsAfter);
    if (!removed) {
        return;
    }
    QVERIFY(box.text.contains(u"no longer"_s));
    QVERIFY(box.text.contains(u"Spell"_s));
    if (answer == MsgResult::Yes) {
        QCOMPARE(w->entry(DiarySection::Spell, 2).meaning, QStringLiteral("typed with care"));
    }
    // Whatever the answer, nothing typed is thrown away by the program.
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("new words"));
    QCOMPARE(book.txtMeaning->toPlainText(), QStringLiteral("typed with care"));
}

void tst_frmPaganDiaryResultBOS::editing_withASelection_savesTrimmedWithoutChecks() {
    QVERIFY(w->addEntries(DiarySection::Rituals, {"a", "b", "c"}));
    Book book = openBook(3);
    book.Command1->click();
    select(book, 1);
    book.Command4->click();
    QCOMPARE(book->focusWidget(), book.txtKeyword);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("b"));
    typeEntry(book, u"  full moon "_s, u""_s);
    book.Command4->click();

    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(book.Command4->text(), QStringLiteral("&Edit Rituals"));
    QCOMPARE(w->rows(DiarySection::Rituals), QStringList({u"a"_s, u"full moon"_s, u"c"_s}));
    QCOMPARE(w->entry(DiarySection::Rituals, 1).meaning, QString());
    // The boxes keep the text; the list is read again and has no selected line.
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("  full moon "));
    QCOMPARE(lineText(book.lstKeyword, 1), QStringLiteral("full moon"));
    QVERIFY(!hasSelectedLine(book.lstKeyword));
}

void tst_frmPaganDiaryResultBOS::editing_keepsAnUntouchedMeaningExactly_data() {
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<QString>("shown");
    QTest::newRow("carriage return and line feed") << "burn\r\nslowly\r\n"
                                                   << "burn\nslowly\n";
    QTest::newRow("no-break space at the end") << QStringLiteral("burn\u00a0") << QStringLiteral("burn\u00a0");
    QTest::newRow("line separator") << QStringLiteral("burn\u2028slowly") << QStringLiteral("burn\u2028slowly");
    QTest::newRow("lone line feed") << "burn\nslowly"
                                    << "burn\nslowly";
    QTest::newRow("lone carriage return") << "burn\rslowly"
                                          << "burn\nslowly";
}

void tst_frmPaganDiaryResultBOS::editing_keepsAnUntouchedMeaningExactly() {
    QFETCH(QString, meaning);
    QFETCH(QString, shown);
    {
        DiaryStore store(DiaryFilePath());
        QVERIFY(store.add(DiarySection::Incense, u"myrrh"_s, meaning));
    }
    Book book = openBook(1);
    book.Command1->click();
    select(book, 0);
    QCOMPARE(book.txtMeaning->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'), shown);
    book.Command4->click();
    book.txtKeyword->setText(u"frankincense"_s);
    book.Command4->click();
    // Saving an entry without touching its meaning leaves the meaning's characters as they were.
    QCOMPARE(w->entry(DiarySection::Incense, 0).keyword, QStringLiteral("frankincense"));
    QCOMPARE(w->entry(DiarySection::Incense, 0).meaning, meaning);
}

void tst_frmPaganDiaryResultBOS::adding_storesTheMeaningAsTyped() {
    Book book = openBook(0);
    book.Command1->click();
    book.Command2->click();
    book.txtKeyword->setText(u"k"_s);
    // A no-break space, a line separator (Shift+Return) and a line break (Return), typed.
    QTest::keyClicks(book.txtMeaning, u"a"_s);
    QTest::sendKeyEvent(QTest::Click, book.txtMeaning, Qt::Key_unknown, QStringLiteral("\u00a0"), Qt::NoModifier);
    QTest::keyClick(book.txtMeaning, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(book.txtMeaning, u"b"_s);
    QTest::keyClick(book.txtMeaning, Qt::Key_Return);
    QTest::keyClicks(book.txtMeaning, u"c"_s);
    QTest::sendKeyEvent(QTest::Click, book.txtMeaning, Qt::Key_unknown, QStringLiteral("\u00a0"), Qt::NoModifier);
    book.Command2->click();
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("a\u00a0\u2028b\r\nc\u00a0"));
}

void tst_frmPaganDiaryResultBOS::editing_aLongKeyword_savesItWhole() {
    const QString keyword = QString(50000, QLatin1Char('w')) + QStringLiteral("tail");
    {
        DiaryStore store(DiaryFilePath());
        QVERIFY(store.add(DiarySection::Spell, keyword, u"old"_s));
    }
    Book book = openBook(0);
    book.Command1->click();
    select(book, 0);
    QCOMPARE(book.txtKeyword->text(), keyword);
    book.Command4->click();
    book.txtMeaning->setPlainText(u"new"_s);
    book.Command4->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({keyword}));
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("new"));
}

void tst_frmPaganDiaryResultBOS::editing_withoutASelection_changesNoRow() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    Book book = openBook(1);
    book.Command1->click();
    const QByteArray before = w->fileHash();
    book.Command4->click();
    typeEntry(book, u"other"_s, u"text"_s);
    book.Command4->click();
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(w->fileHash(), before);
    QCOMPARE(w->rows(DiarySection::Incense), QStringList({u"sage"_s}));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::leaving_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("chooserShown");
    QTest::addColumn<int>("launcherShown");
    QTest::newRow("Exit button") << "button" << true << 0;
    QTest::newRow("File > Back") << "back" << true << 0;
    QTest::newRow("File > Exit") << "exit" << false << 1;
    QTest::newRow("close box") << "close" << false << 1;
}

void tst_frmPaganDiaryResultBOS::leaving() {
    QFETCH(QString, way);
    QFETCH(bool, chooserShown);
    QFETCH(int, launcherShown);
    auto* chooser = Windows::Show<frmPaganDiaryMain>();
    Control<QRadioButton>(chooser, "optOption", 2)->click();
    Control<QPushButton>(chooser, "cmdContinue")->click();
    Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    QVERIFY(book);
    book.Command1->click();
    book.Command2->click();
    typeEntry(book, u"unsaved"_s, u"text"_s);
    if (way == u"button"_s) {
        // The Exit button answers only in Open mode: first the entry is saved.
        book.Command5->click();
        QVERIFY(Windows::IsLoaded<frmPaganDiaryResultBOS>());
        book.Command2->click();
        book.Command5->click();
    } else if (way == u"back"_s) {
        book.mnuBack->trigger();
    } else if (way == u"exit"_s) {
        book.exitItem->trigger();
    } else {
        book->close();
    }
    QVERIFY(!Windows::IsLoaded<frmPaganDiaryResultBOS>());
    QCOMPARE(Windows::Loaded<frmPaganDiaryMain>(), chooser);
    QCOMPARE(chooser->isVisible(), chooserShown);
    QVERIFY(Control<QRadioButton>(chooser, "optOption", 2)->isChecked());
    QCOMPARE(w->shell.launcherShown, launcherShown);
    if (way != u"button"_s) {
        // Leaving while adding discards what was typed.
        QVERIFY(w->rows(DiarySection::Recipes).isEmpty());
    }
}

void tst_frmPaganDiaryResultBOS::hostileEntries_typedStoredAndShownVerbatim_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("quotes") << "Brigid's \"fire\""
                            << "it's ''lit'' \"twice\"";
    QTest::newRow("sql") << "x'); DROP TABLE tblspell; --"
                         << "' OR '1'='1";
    QTest::newRow("unicode") << QString::fromUtf8("Ἑκάτη 🌑 ᚱᚢᚾ") << QString::fromUtf8("שלום · 月 · \u202eevil");
    QTest::newRow("line breaks") << "verse"
                                 << "one\ntwo\n\nfour";
    QString big;
    while (big.size() < 1024 * 1024) {
        big += QStringLiteral("%1 the wheel turns, the moon wanes and waxes again and again\n").arg(big.size());
    }
    QTest::newRow("1 MB meaning") << "long" << big;
    QTest::newRow("keyword past 32,767 characters")
        << QString(40000, QLatin1Char('k')) + QStringLiteral("end") << "no limit on either box";
}

void tst_frmPaganDiaryResultBOS::hostileEntries_typedStoredAndShownVerbatim() {
    QFETCH(QString, keyword);
    QFETCH(QString, meaning);
    Book book = openBook(0);
    book.Command1->click();
    book.Command2->click();
    typeEntry(book, keyword, meaning);
    book.Command2->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({keyword}));
    QVERIFY(w->entry(DiarySection::Spell, 0).meaning == QString(meaning).replace(u'\n', QStringLiteral("\r\n")));
    select(book, 0);
    QCOMPARE(book.txtKeyword->text(), keyword);
    QVERIFY(book.txtMeaning->toPlainText() == meaning);
    for (DiarySection section : AllDiarySections) {
        QVERIFY(!w->rows(section).contains(u"<unreadable>"_s));
    }
}

void tst_frmPaganDiaryResultBOS::corruptDiary_saysSoAndChangesNothing() {
    {
        QFile file(DiaryFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, '\x13'));
    }
    const QByteArray before = w->fileHash();
    w->env.boxes.answer(MsgResult::Ok);
    Book book = openBook(0);
    QCOMPARE(w->env.boxes.shown().size(), 1);
    QVERIFY(w->env.boxes.texts().first().startsWith(u"The Spell section could not be read: "_s));
    QCOMPARE(w->env.boxes.shown().first().icon, MsgIcon::Critical);

    book.Command1->click();
    book.Command2->click();
    typeEntry(book, u"precious"_s, u"words"_s);
    w->env.boxes.answer(MsgResult::Ok);
    book.Command2->click();
    QCOMPARE(w->env.boxes.shown().size(), 2);
    QVERIFY(w->env.boxes.texts().last().startsWith(u"The entry could not be added to the Spell section: "_s));
    QCOMPARE(book->mode(), Mode::Adding);
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("precious"));
    QCOMPARE(book.txtMeaning->toPlainText(), QStringLiteral("words"));
    QCOMPARE(w->fileHash(), before);
}

void tst_frmPaganDiaryResultBOS::lockedDiary_keepsTheTypedEntryUntilItCanBeSaved() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    Book book = openBook(1);
    book.Command1->click();
    {
        DiaryLock lock;
        QVERIFY(lock.locked);
        // Showing, removing and editing say so too, and leave the book as it was.
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        QVERIFY(w->env.boxes.texts().last().contains(u"in use by another program"_s));
        book.lstKeyword->clearSelection();
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        w->env.boxes.answer(MsgResult::Ok);
        book.Command3->click();
        QCOMPARE(lineCount(book.lstKeyword), 1);
        // An edit whose entry cannot be read now would save blind over a change made since: it does not begin.
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        w->env.boxes.answer(MsgResult::Cancel);
        book.Command4->click();
        QCOMPARE(book->mode(), Mode::Open);
        w->env.boxes.clear();

        book.Command2->click();
        typeEntry(book, u"myrrh"_s, u"resin"_s);
        w->env.boxes.answer(MsgResult::Ok);
        book.Command2->click();
        QCOMPARE(w->env.boxes.shown().size(), 1);
        QVERIFY(w->env.boxes.texts().first().contains(u"could not be added"_s));
        QCOMPARE(w->env.boxes.shown().first().buttons, MsgButtons::RetryCancel);
        QCOMPARE(book->mode(), Mode::Adding);
        QCOMPARE(book.txtKeyword->text(), QStringLiteral("myrrh"));
    }
    // Once the other program lets go, Save stores the same entry.
    book.Command2->click();
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(w->rows(DiarySection::Incense), QStringList({u"sage"_s, u"myrrh"_s}));
}

void tst_frmPaganDiaryResultBOS::missingTable_isReportedNotShownAsEmpty() {
    QVERIFY(RawDatabase(DiaryFilePath()).exec(u"DROP TABLE tblrituals"_s));
    w->env.boxes.answer(MsgResult::Ok);
    Book book = openBook(3);
    QCOMPARE(w->env.boxes.shown().size(), 1);
    QVERIFY(w->env.boxes.texts().first().contains(u"Rituals section could not be read"_s));
    QVERIFY(w->env.boxes.texts().first().contains(u"no such table"_s));
    QCOMPARE(lineCount(book.lstKeyword), 0);
}

void tst_frmPaganDiaryResultBOS::largeSectionWithGaps_listsInOrder_andAddAndRemoveChangeOneLine() {
    {
        DiaryStore store(DiaryFilePath());
        for (int i = 0; i < 600; ++i) {
            QVERIFY(store.add(DiarySection::Spell, QStringLiteral("k%1").arg(i), QStringLiteral("m%1").arg(i)));
        }
        for (qint64 index = 5; index <= 600; index += 11) {
            QVERIFY(store.remove(DiarySection::Spell, index));
        }
    }
    Book book = openBook(0);
    book.Command1->click();
    QCOMPARE(listedLines(book.lstKeyword), w->rows(DiarySection::Spell));
    const int last = lineCount(book.lstKeyword) - 1;
    book.lstKeyword->setCurrentIndex(book.lstKeyword->model()->index(last, 0));
    QCOMPARE(book.txtKeyword->text(), QStringLiteral("k599"));

    book.Command2->click();
    typeEntry(book, u"new"_s, u"meaning"_s);
    book.Command2->click();
    QCOMPARE(lineText(book.lstKeyword, last + 1), QStringLiteral("new"));
    book.lstKeyword->scrollTo(book.lstKeyword->model()->index(250, 0));
    select(book, 250);
    const QString chosen = book.txtKeyword->text();
    book.Command3->click();
    QVERIFY(!w->rows(DiarySection::Spell).contains(chosen));
    book.lstKeyword->setCurrentIndex(book.lstKeyword->model()->index(249, 0));
    book.Command4->click();
    typeEntry(book, u" renamed "_s, u"m"_s);
    book.Command4->click();
    // The list still reads as the table does.
    QCOMPARE(listedLines(book.lstKeyword), w->rows(DiarySection::Spell));
    QCOMPARE(lineText(book.lstKeyword, 249), QStringLiteral("renamed"));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

QTEST_MAIN(tst_frmPaganDiaryResultBOS)
#include "tst_frmPaganDiaryResultBOS.moc"
