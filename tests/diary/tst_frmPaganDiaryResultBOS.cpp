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
    const QModelIndex line = book.keywordList->model()->index(row, 0);
    QVERIFY(line.isValid());
    QTest::mouseClick(book.keywordList->viewport(), Qt::LeftButton, {}, book.keywordList->visualRect(line).center());
}

void tst_frmPaganDiaryResultBOS::typeEntry(const Book& book, const QString& keyword, const QString& meaning) {
    book.keywordBox->setText(keyword);
    book.meaningBox->setPlainText(meaning);
}

void tst_frmPaganDiaryResultBOS::unreadableLines_areSaid_andEditOrRemoveOnThemWaitForTheFile() {
    {
        DiaryStore store(DiaryFilePath());
        for (int i = 0; i < 300; ++i) {
            QVERIFY(store.add(DiarySection::Spell, QStringLiteral("k%1").arg(i), QStringLiteral("m%1").arg(i)));
        }
    }
    Book book = openBook(0);
    book.openCloseButton->click();
    auto lock = std::make_unique<DiaryLock>();
    QVERIFY(lock->locked);
    // A line whose page the file will not give up is said, never shown blank in silence.
    w->env.boxes.answer(MsgResult::Cancel);
    QCOMPARE(book.keywordList->model()->index(250, 0).data(), QVariant());
    QTRY_COMPARE(w->env.boxes.shown().size(), 1);
    QCOMPARE(w->env.boxes.shown().last().buttons, MsgButtons::RetryCancel);
    QVERIFY(w->env.boxes.shown().last().text.contains(QStringLiteral("in use by another program")));

    // Editing or removing that line says so too, and neither goes ahead on nothing.
    w->env.boxes.answer(MsgResult::Cancel);
    select(book, 250);
    w->env.boxes.answer(MsgResult::Cancel);
    book.editSaveButton->click();
    QCOMPARE(book->mode(), Mode::Open);
    w->env.boxes.answer(MsgResult::Cancel);
    book.removeButton->click();
    QCOMPARE(w->env.boxes.shown().size(), 4);

    // Retry once the file is given up: the edit reaches the entry the line shows.
    w->env.boxes.onShow([&lock](const MessageRequest&) { lock.reset(); });
    w->env.boxes.answer(MsgResult::Retry);
    book.editSaveButton->click();
    QCOMPARE(book->mode(), Mode::Editing);
    typeEntry(book, u"edited"_s, u"at last"_s);
    book.editSaveButton->click();
    QCOMPARE(w->rows(DiarySection::Spell).at(250), QStringLiteral("edited"));
    QCOMPARE(w->rows(DiarySection::Spell).size(), 300);
}

void tst_frmPaganDiaryResultBOS::keywordList_followsChangesHereAndElsewhere() {
    Book book = openBook(1);
    book.openCloseButton->click();
    // Another window of this program (the find window's book, a restore) and another program.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    QCOMPARE(listedLines(book.keywordList), QStringList{u"sage"_s});
    QVERIFY(
        RawDatabase(DiaryFilePath()).exec(u"INSERT INTO tblincense (keyword, meaning) VALUES ('myrrh', 'resin')"_s));
    QTRY_COMPARE(listedLines(book.keywordList), (QStringList{u"sage"_s, u"myrrh"_s}));
    // A change to another section leaves this list as it is.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"moon"_s, u"water"_s));
    QCOMPARE(listedLines(book.keywordList), (QStringList{u"sage"_s, u"myrrh"_s}));
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
    QCOMPARE(book.captions[0]->text(), title);
    QCOMPARE(book.captions[1]->text(), hint);
    QCOMPARE(book.captions[2]->text(), description);
    const QStringList captions{book.openCloseButton->text(), book.addSaveButton->text(), book.removeButton->text(),
                               book.editSaveButton->text(), book.exitButton->text()};
    QCOMPARE(captions, QStringList({u"&Open "_s + word, u"&Add "_s + word, u"&Remove "_s + word, u"&Edit "_s + word,
                                    u"E&xit "_s + word}));
    QCOMPARE(listedLines(book.keywordList), QStringList({word + u" one"_s, word + u" two"_s}));
    QCOMPARE(book->focusWidget(), book.openCloseButton);
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::modeTable_captionsAndEnabledControls_data() {
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("openCloseCaption");
    QTest::addColumn<QString>("addSaveCaption");
    QTest::addColumn<QString>("editSaveCaption");
    // Enabled: the five buttons from Open to Exit, the list, the two boxes.
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
    QFETCH(QString, openCloseCaption);
    QFETCH(QString, addSaveCaption);
    QFETCH(QString, editSaveCaption);
    QFETCH(QString, enabled);
    Book book = openBook(1);
    if (mode != Mode::Closed) {
        book.openCloseButton->click();
    }
    if (mode == Mode::Adding) {
        book.addSaveButton->click();
    } else if (mode == Mode::Editing) {
        book.editSaveButton->click();
    }
    QCOMPARE(book->mode(), mode);
    QCOMPARE(book.openCloseButton->text(), openCloseCaption);
    QCOMPARE(book.addSaveButton->text(), addSaveCaption);
    QCOMPARE(book.removeButton->text(), QStringLiteral("&Remove Incense"));
    QCOMPARE(book.editSaveButton->text(), editSaveCaption);
    QCOMPARE(book.exitButton->text(), QStringLiteral("E&xit Incense"));
    const QList<QWidget*> controls{book.openCloseButton, book.addSaveButton, book.removeButton, book.editSaveButton,
                                   book.exitButton,      book.keywordList,   book.keywordBox,   book.meaningBox};
    QString actual;
    for (QWidget* control : controls) {
        actual += control->isEnabled() ? u'1' : u'0';
    }
    QCOMPARE(actual, enabled);
    // The menus answer in every mode.
    QVERIFY(book.backItem->isEnabled());
    QVERIFY(book.exitItem->isEnabled());
}

void tst_frmPaganDiaryResultBOS::closingTheBook_keepsContents() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"moon"_s, u"silver"_s));
    Book book = openBook(0);
    book.openCloseButton->click();
    select(book, 0);
    book.openCloseButton->click();
    QCOMPARE(book->mode(), Mode::Closed);
    QCOMPARE(lineCount(book.keywordList), 1);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("moon"));
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("silver"));
}

void tst_frmPaganDiaryResultBOS::emptySection_opensWithoutMessage_andListsAnAddedEntry() {
    Book book = openBook(2);
    QCOMPARE(lineCount(book.keywordList), 0);
    book.openCloseButton->click();
    book.removeButton->click(); // removing from an empty list does nothing
    book.addSaveButton->click();
    typeEntry(book, u"bread"_s, u"flour and water"_s);
    book.addSaveButton->click();
    QCOMPARE(lineCount(book.keywordList), 1);
    QCOMPARE(lineText(book.keywordList, 0), QStringLiteral("bread"));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

void tst_frmPaganDiaryResultBOS::adding_storesTrimmedAtTheEnd_andSurvivesARestart() {
    for (int index = 0; index < 4; ++index) {
        const DiarySection section = *DiarySectionFromIndex(index);
        QVERIFY(DiaryStore(DiaryFilePath()).add(section, u"zeta"_s, u"first"_s));
        Book book = openBook(index);
        book.openCloseButton->click();
        book.addSaveButton->click();
        QCOMPARE(book->focusWidget(), book.keywordBox);
        QTest::keyClicks(book.keywordBox, u"  Alpha  charm "_s);
        book.meaningBox->setFocus();
        QTest::keyClicks(book.meaningBox, u"  three  "_s);
        QTest::keyClick(book.meaningBox, Qt::Key_Return);
        QTest::keyClicks(book.meaningBox, u"lines "_s);
        book.addSaveButton->click();

        QVERIFY(w->env.boxes.shown().isEmpty());
        QCOMPARE(book->mode(), Mode::Open);
        QVERIFY(book.keywordBox->text().isEmpty());
        QVERIFY(book.meaningBox->toPlainText().isEmpty());
        QCOMPARE(book->focusWidget(), book.keywordBox);
        // Listed after the older entry although it sorts first.
        QCOMPARE(lineCount(book.keywordList), 2);
        QCOMPARE(lineText(book.keywordList, 1), QStringLiteral("Alpha  charm"));
        QVERIFY(!hasSelectedLine(book.keywordList));
        const DiaryEntry stored = w->entry(section, 1);
        QCOMPARE(stored.keyword, QStringLiteral("Alpha  charm"));
        // Lines typed in the box are stored ending in carriage return and line feed, as the program's texts do.
        QCOMPARE(stored.meaning, QStringLiteral("three  \r\nlines"));

        // The program started again finds it in the same place.
        book.exitItem->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        book = openBook(index);
        QCOMPARE(lineText(book.keywordList, 1), QStringLiteral("Alpha  charm"));
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
    book.openCloseButton->click();
    book.addSaveButton->click();
    typeEntry(book, keyword, meaning);
    const QByteArray before = w->fileHash();
    w->env.boxes.answer(MsgResult::Ok);
    book.addSaveButton->click();

    QCOMPARE(w->env.boxes.shown().size(), 1);
    QCOMPARE(w->env.boxes.shown().first().text, message);
    QCOMPARE(w->env.boxes.shown().first().icon, MsgIcon::Critical);
    QCOMPARE(w->env.boxes.shown().first().title, QStringLiteral("Velloran"));
    QCOMPARE(book->mode(), backToOpen ? Mode::Open : Mode::Adding);
    QCOMPARE(book.addSaveButton->text(), backToOpen ? QStringLiteral("&Add Spell") : QStringLiteral("&Save Spell"));
    for (QWidget* other : {static_cast<QWidget*>(book.openCloseButton), static_cast<QWidget*>(book.removeButton),
                           static_cast<QWidget*>(book.exitButton), static_cast<QWidget*>(book.keywordList)}) {
        QCOMPARE(other->isEnabled(), backToOpen);
    }
    QCOMPARE(book.keywordBox->text(), keyword);
    QCOMPARE(book.meaningBox->toPlainText(), meaning);
    QCOMPARE(book->focusWidget(), focusKeyword ? static_cast<QWidget*>(book.keywordBox) : book.meaningBox);
    QCOMPARE(w->fileHash(), before);

    // Completing the entry saves it.
    if (backToOpen) {
        book.addSaveButton->click();
    }
    typeEntry(book, keyword.isEmpty() ? u"k"_s : keyword, meaning.isEmpty() ? u"m"_s : meaning);
    book.addSaveButton->click();
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(w->rows(DiarySection::Spell).size(), 1);
}

void tst_frmPaganDiaryResultBOS::addingBlanksOnly_passesTheChecks_andStoresAnEmptyKeyword() {
    Book book = openBook(0);
    book.openCloseButton->click();
    book.addSaveButton->click();
    typeEntry(book, u"    "_s, u"  meaning  "_s);
    book.addSaveButton->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u""_s}));
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("meaning"));
    QCOMPARE(lineCount(book.keywordList), 1);
}

void tst_frmPaganDiaryResultBOS::choosingALine_byClickOrKeys_showsItsEntry() {
    {
        DiaryStore store(DiaryFilePath());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(store.add(DiarySection::Recipes, QStringLiteral("k%1").arg(i), QStringLiteral("m%1\r\nx").arg(i)));
        }
    }
    Book book = openBook(2);
    book.openCloseButton->click();
    select(book, 2);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("k2"));
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("m2\nx"));
    QTest::keyClick(book.keywordList, Qt::Key_Down);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("k3"));
    QTest::keyClick(book.keywordList, Qt::Key_Home);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("k0"));
    // Typing over a shown entry and clicking its line again shows it again.
    book.keywordBox->setText(u"typed over"_s);
    select(book, 0);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("k0"));
}

void tst_frmPaganDiaryResultBOS::removing_withAndWithoutASelection() {
    QVERIFY(w->addEntries(DiarySection::Spell, {"a", "b", "c"}));
    Book book = openBook(0);
    book.openCloseButton->click();

    // Nothing selected: nothing removed, and the list is read again.
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, u"d"_s, u"added meanwhile"_s));
    book.removeButton->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.keywordList), 4);

    // A selected line goes at once, without a question.
    select(book, 1);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("b"));
    book.removeButton->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"a"_s, u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.keywordList), 3);
    QCOMPARE(lineText(book.keywordList, 1), QStringLiteral("c"));
    QVERIFY(book.keywordBox->text().isEmpty());
    QVERIFY(book.meaningBox->toPlainText().isEmpty());
    QVERIFY(!hasSelectedLine(book.keywordList));

    // The last one too.
    select(book, 2);
    book.removeButton->click();
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
    book.openCloseButton->click();
    auto* undo = Control<QAction>(book.window, "mnuUndo");
    QVERIFY(!undo->isEnabled());
    select(book, 1);
    book.removeButton->click();
    QCOMPARE(undo->text(), QStringLiteral("&Undo Removal of “b && c”"));
    if (takenMeanwhile) {
        QVERIFY(RawDatabase(DiaryFilePath()).exec(u"INSERT INTO tblspell (\"Index\", keyword) VALUES (2, 'x')"_s));
        w->env.boxes.answer(MsgResult::Ok);
    }

    book->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(book.window));
    book.keywordList->setFocus();
    QTest::keyClick(book.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->rows(DiarySection::Spell), takenMeanwhile ? QStringList({u"a"_s, u"x"_s, u"d"_s, u"b & c"_s})
                                                          : QStringList({u"a"_s, u"b & c"_s, u"d"_s}));
    QCOMPARE(listedLines(book.keywordList), w->rows(DiarySection::Spell));
    QCOMPARE(w->env.boxes.texts(),
             takenMeanwhile ? QStringList{DiaryBookMessages::PutBackAsNew(u"b & c"_s, u"Spell"_s)} : QStringList());
    // Shown as a click on its line shows it; nothing more to undo.
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("meaning of b & c"));
    QVERIFY(!undo->isEnabled());
}

void tst_frmPaganDiaryResultBOS::removingAndEditing_afterAnotherProgramChangedTheTable_actOnTheLineShown() {
    QVERIFY(w->addEntries(DiarySection::Spell, {"a", "b", "c", "d"}));
    Book book = openBook(0);
    book.openCloseButton->click();
    select(book, 1);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("b"));
    // Meanwhile another program removes the first row: the second line now is the second row no more.
    QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 0));
    book.removeButton->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({u"c"_s, u"d"_s}));
    QCOMPARE(lineCount(book.keywordList), 2);

    select(book, 1);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("d"));
    book.editSaveButton->click();
    QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 0));
    book.meaningBox->setPlainText(u"changed"_s);
    book.editSaveButton->click();
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
    book.openCloseButton->click();
    select(book, 1);
    book.editSaveButton->click();
    if (removed) {
        QVERIFY(RemoveLineElsewhere(DiaryFilePath(), DiarySection::Spell, 1));
    } else {
        QVERIFY(RawDatabase(DiaryFilePath()).exec(u"UPDATE tblspell SET keyword = 'theirs' WHERE \"Index\" = 2"_s));
    }
    typeEntry(book, u"new words"_s, u"typed with care"_s);
    w->env.boxes.answer(answer);
    book.editSaveButton->click();

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
    QCOMPARE(book.keywordBox->text(), QStringLiteral("new words"));
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("typed with care"));
}

void tst_frmPaganDiaryResultBOS::editing_withASelection_savesTrimmedWithoutChecks() {
    QVERIFY(w->addEntries(DiarySection::Rituals, {"a", "b", "c"}));
    Book book = openBook(3);
    book.openCloseButton->click();
    select(book, 1);
    book.editSaveButton->click();
    QCOMPARE(book->focusWidget(), book.keywordBox);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("b"));
    typeEntry(book, u"  full moon "_s, u""_s);
    book.editSaveButton->click();

    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(book->mode(), Mode::Open);
    QCOMPARE(book.editSaveButton->text(), QStringLiteral("&Edit Rituals"));
    QCOMPARE(w->rows(DiarySection::Rituals), QStringList({u"a"_s, u"full moon"_s, u"c"_s}));
    QCOMPARE(w->entry(DiarySection::Rituals, 1).meaning, QString());
    // The boxes keep the text; the list is read again and has no selected line.
    QCOMPARE(book.keywordBox->text(), QStringLiteral("  full moon "));
    QCOMPARE(lineText(book.keywordList, 1), QStringLiteral("full moon"));
    QVERIFY(!hasSelectedLine(book.keywordList));
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
    book.openCloseButton->click();
    select(book, 0);
    QCOMPARE(book.meaningBox->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'), shown);
    book.editSaveButton->click();
    book.keywordBox->setText(u"frankincense"_s);
    book.editSaveButton->click();
    // Saving an entry without touching its meaning leaves the meaning's characters as they were.
    QCOMPARE(w->entry(DiarySection::Incense, 0).keyword, QStringLiteral("frankincense"));
    QCOMPARE(w->entry(DiarySection::Incense, 0).meaning, meaning);
}

void tst_frmPaganDiaryResultBOS::adding_storesTheMeaningAsTyped() {
    Book book = openBook(0);
    book.openCloseButton->click();
    book.addSaveButton->click();
    book.keywordBox->setText(u"k"_s);
    // A no-break space, a line separator (Shift+Return) and a line break (Return), typed.
    QTest::keyClicks(book.meaningBox, u"a"_s);
    QTest::sendKeyEvent(QTest::Click, book.meaningBox, Qt::Key_unknown, QStringLiteral("\u00a0"), Qt::NoModifier);
    QTest::keyClick(book.meaningBox, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(book.meaningBox, u"b"_s);
    QTest::keyClick(book.meaningBox, Qt::Key_Return);
    QTest::keyClicks(book.meaningBox, u"c"_s);
    QTest::sendKeyEvent(QTest::Click, book.meaningBox, Qt::Key_unknown, QStringLiteral("\u00a0"), Qt::NoModifier);
    book.addSaveButton->click();
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("a\u00a0\u2028b\r\nc\u00a0"));
}

void tst_frmPaganDiaryResultBOS::editing_aLongKeyword_savesItWhole() {
    const QString keyword = QString(50000, QLatin1Char('w')) + QStringLiteral("tail");
    {
        DiaryStore store(DiaryFilePath());
        QVERIFY(store.add(DiarySection::Spell, keyword, u"old"_s));
    }
    Book book = openBook(0);
    book.openCloseButton->click();
    select(book, 0);
    QCOMPARE(book.keywordBox->text(), keyword);
    book.editSaveButton->click();
    book.meaningBox->setPlainText(u"new"_s);
    book.editSaveButton->click();
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({keyword}));
    QCOMPARE(w->entry(DiarySection::Spell, 0).meaning, QStringLiteral("new"));
}

void tst_frmPaganDiaryResultBOS::editing_withoutASelection_changesNoRow() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    Book book = openBook(1);
    book.openCloseButton->click();
    const QByteArray before = w->fileHash();
    book.editSaveButton->click();
    typeEntry(book, u"other"_s, u"text"_s);
    book.editSaveButton->click();
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
    book.openCloseButton->click();
    book.addSaveButton->click();
    typeEntry(book, u"unsaved"_s, u"text"_s);
    if (way == u"button"_s) {
        // The Exit button answers only in Open mode: first the entry is saved.
        book.exitButton->click();
        QVERIFY(Windows::IsLoaded<frmPaganDiaryResultBOS>());
        book.addSaveButton->click();
        book.exitButton->click();
    } else if (way == u"back"_s) {
        book.backItem->trigger();
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
    book.openCloseButton->click();
    book.addSaveButton->click();
    typeEntry(book, keyword, meaning);
    book.addSaveButton->click();
    QVERIFY(w->env.boxes.shown().isEmpty());
    QCOMPARE(w->rows(DiarySection::Spell), QStringList({keyword}));
    QVERIFY(w->entry(DiarySection::Spell, 0).meaning == QString(meaning).replace(u'\n', QStringLiteral("\r\n")));
    select(book, 0);
    QCOMPARE(book.keywordBox->text(), keyword);
    QVERIFY(book.meaningBox->toPlainText() == meaning);
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

    book.openCloseButton->click();
    book.addSaveButton->click();
    typeEntry(book, u"precious"_s, u"words"_s);
    w->env.boxes.answer(MsgResult::Ok);
    book.addSaveButton->click();
    QCOMPARE(w->env.boxes.shown().size(), 2);
    QVERIFY(w->env.boxes.texts().last().startsWith(u"The entry could not be added to the Spell section: "_s));
    QCOMPARE(book->mode(), Mode::Adding);
    QCOMPARE(book.keywordBox->text(), QStringLiteral("precious"));
    QCOMPARE(book.meaningBox->toPlainText(), QStringLiteral("words"));
    QCOMPARE(w->fileHash(), before);
}

void tst_frmPaganDiaryResultBOS::lockedDiary_keepsTheTypedEntryUntilItCanBeSaved() {
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Incense, u"sage"_s, u"smoke"_s));
    Book book = openBook(1);
    book.openCloseButton->click();
    {
        DiaryLock lock;
        QVERIFY(lock.locked);
        // Showing, removing and editing say so too, and leave the book as it was.
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        QVERIFY(w->env.boxes.texts().last().contains(u"in use by another program"_s));
        book.keywordList->clearSelection();
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        w->env.boxes.answer(MsgResult::Ok);
        book.removeButton->click();
        QCOMPARE(lineCount(book.keywordList), 1);
        // An edit whose entry cannot be read now would save blind over a change made since: it does not begin.
        w->env.boxes.answer(MsgResult::Ok);
        select(book, 0);
        w->env.boxes.answer(MsgResult::Cancel);
        book.editSaveButton->click();
        QCOMPARE(book->mode(), Mode::Open);
        w->env.boxes.clear();

        book.addSaveButton->click();
        typeEntry(book, u"myrrh"_s, u"resin"_s);
        w->env.boxes.answer(MsgResult::Ok);
        book.addSaveButton->click();
        QCOMPARE(w->env.boxes.shown().size(), 1);
        QVERIFY(w->env.boxes.texts().first().contains(u"could not be added"_s));
        QCOMPARE(w->env.boxes.shown().first().buttons, MsgButtons::RetryCancel);
        QCOMPARE(book->mode(), Mode::Adding);
        QCOMPARE(book.keywordBox->text(), QStringLiteral("myrrh"));
    }
    // Once the other program lets go, Save stores the same entry.
    book.addSaveButton->click();
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
    QCOMPARE(lineCount(book.keywordList), 0);
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
    book.openCloseButton->click();
    QCOMPARE(listedLines(book.keywordList), w->rows(DiarySection::Spell));
    const int last = lineCount(book.keywordList) - 1;
    book.keywordList->setCurrentIndex(book.keywordList->model()->index(last, 0));
    QCOMPARE(book.keywordBox->text(), QStringLiteral("k599"));

    book.addSaveButton->click();
    typeEntry(book, u"new"_s, u"meaning"_s);
    book.addSaveButton->click();
    QCOMPARE(lineText(book.keywordList, last + 1), QStringLiteral("new"));
    book.keywordList->scrollTo(book.keywordList->model()->index(250, 0));
    select(book, 250);
    const QString chosen = book.keywordBox->text();
    book.removeButton->click();
    QVERIFY(!w->rows(DiarySection::Spell).contains(chosen));
    book.keywordList->setCurrentIndex(book.keywordList->model()->index(249, 0));
    book.editSaveButton->click();
    typeEntry(book, u" renamed "_s, u"m"_s);
    book.editSaveButton->click();
    // The list still reads as the table does.
    QCOMPARE(listedLines(book.keywordList), w->rows(DiarySection::Spell));
    QCOMPARE(lineText(book.keywordList, 249), QStringLiteral("renamed"));
    QVERIFY(w->env.boxes.shown().isEmpty());
}

QTEST_MAIN(tst_frmPaganDiaryResultBOS)
#include "tst_frmPaganDiaryResultBOS.moc"
