#include "core/Application.h"
#include "core/Clock.h"
#include "dowsing/DowsingEntryRules.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "support/DowsingTestFile.h"
#include "support/DowsingWorld.h"
#include "support/TestSupport.h"
#include "ui/Keyboard.h"
#include "ui/UpdateReminder.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MsgResult)

namespace {
const QString kSaved = QStringLiteral("Record Saved Succesfully !");
const QString kEdited = QStringLiteral("Record Edited Succesfully !");

// Types text key by key, as a keyboard would; characters beyond ASCII arrive as text of an unnamed key.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}
// The key filters tell about refused characters once the typing pauses; this waits for that pause.
void waitForTypingPause() {
    QTest::qWait(QGuiApplication::styleHints()->keyboardInputInterval() + 100);
}

} // namespace

class tst_frmDowsingMain : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void keyFilters_data();
    void keyFilters();
    void composedCharacters_passTheSameFilter();
    void editingShortcuts_areCommandsNotCharacters_data();
    void editingShortcuts_areCommandsNotCharacters();
    void pastedAndDroppedText_passesTheSameFilter_data();
    void pastedAndDroppedText_passesTheSameFilter();
    void enterAndBackspace_data();
    void enterAndBackspace();
    void emailRule_data();
    void emailRule();
    void popUpOk_data();
    void popUpOk();
    void typedTool_isStoredButNeverJoinsTheList();
    void typedListText_isStoredAsTyped_data();
    void typedListText_isStoredAsTyped();
    void deleteKey_isNoTypedCharacter_data();
    void deleteKey_isNoTypedCharacter();
    void popUpCancel_restoresFirstEntry();
    void turningAPage_putsTheFocusInItsFirstControl();
    void addingUntouchedLists_storesFirstDayAndEntries();
    void timeStoresHourAndMinuteOnly_data();
    void timeStoresHourAndMinuteOnly();
    void afterAddition_fieldsResetExceptAmPmAndPopUps();
    void afterSuccessBox_altR_startsTheNextRecord();
    void recordEnteredByHand_isInTheFile();
    void hostileValues_storedVerbatim_data();
    void hostileValues_storedVerbatim();
    void impossibleDate_isRefusedAndKept_data();
    void impossibleDate_isRefusedAndKept();
    void failedWrite_neverClaimsSuccess_data();
    void failedWrite_neverClaimsSuccess();
    void lockedFile_offersRetry_andSavesTheSameEntries();
    void unusableFile_isSaidWhenTheWizardOpens_data();
    void unusableFile_isSaidWhenTheWizardOpens();
    void fillForUpdate_setsListsAndEveryField();
    void update_writesBackTheRecordItWasFilledFrom();
    void update_ofRecordRemovedMeanwhile_letsTheUserSaveItAsNewOrLeaveIt_data();
    void update_ofRecordRemovedMeanwhile_letsTheUserSaveItAsNewOrLeaveIt();
    void update_ofRecordSavedElsewhereMeanwhile_letsTheUserChoose_data();
    void update_ofRecordSavedElsewhereMeanwhile_letsTheUserChoose();
    void update_keepsLongAndMultiLineValuesExactly();
    void missingFile_saysSoAndCloses();
    void exitAndMenus();
    void updateReminder_runsAtLoad();

  private:
    frmDowsingMain* open();
    // Opens the wizard and moves from Add New Record to the page of the tool and the item.
    bool openOnToolsPage();
    void enterRecord(); // Add New Record, then move to the notes page
    void pressAdd() { QTest::mouseClick(control("cmdadd"), Qt::LeftButton); }
    // The wizard's controls by objectName.
    QWidget* control(const char* name) const { return Control(w, name); }
    QLineEdit* field(const char* name) const { return Control<QLineEdit>(w, name); }
    QComboBox* list(const char* name) const { return Control<QComboBox>(w, name); }

    std::unique_ptr<DowsingWorld> env;
    frmDowsingMain* w = nullptr;
};

void tst_frmDowsingMain::init() {
    env = std::make_unique<DowsingWorld>();
    QVERIFY(env->ready);
    w = nullptr;
}

void tst_frmDowsingMain::cleanup() {
    w = nullptr;
    env.reset();
}

frmDowsingMain* tst_frmDowsingMain::open() {
    w = env->wizard();
    return w;
}

bool tst_frmDowsingMain::openOnToolsPage() {
    if (!open()) {
        return false;
    }
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    return true;
}

void tst_frmDowsingMain::enterRecord() {
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(w->FrontPage(), Control<QGroupBox>(w, "fraNotes"));
}

void tst_frmDowsingMain::keyFilters_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("quick"); // all in one key event, as Qt delivers keys typed in quick succession
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("complaints");

    QTest::newRow("name smith") << "txtName"
                                << "smith" << false << "SMITH" << 0;
    QTest::newRow("name O'Neil") << "txtName"
                                 << "O'Neil" << false << "ONEIL" << 1;
    QTest::newRow("name O'Neil, quick") << "txtName"
                                        << "O'Neil" << true << "ONEIL" << 1;
    QTest::newRow("name with blank") << "txtName"
                                     << "Ann Lee" << false << "ANN LEE" << 0;
    QTest::newRow("city digits") << "txtCity"
                                 << "ely2" << false << "ELY" << 1;
    QTest::newRow("city digits, quick") << "txtCity"
                                        << "e1l2y" << true << "ELY" << 2;
    QTest::newRow("state accented") << "txtState" << QStringLiteral("zoë") << false << "ZO" << 1;
    QTest::newRow("location punctuation") << "txtLocationDowsingFor"
                                          << "back-field." << false << "BACKFIELD" << 2;
    QTest::newRow("phone 12.5/3") << "txtPhNo"
                                  << "12.5/3" << false << "12.53" << 1;
    QTest::newRow("phone 12.5/3, quick") << "txtPhNo"
                                         << "12.5/3" << true << "12.53" << 1;
    QTest::newRow("phone +44 1") << "txtPhNo"
                                 << "+44 1" << false << "441" << 2;
    QTest::newRow("phone letters") << "txtPhNo"
                                   << "0a9" << false << "09" << 1;
    QTest::newRow("pin takes anything") << "txtPin"
                                        << "cb7 4/x" << false << "cb7 4/x" << 0;
    QTest::newRow("email takes anything") << "txtEmail"
                                          << "a.b@c-d.e" << false << "a.b@c-d.e" << 0;
}

void tst_frmDowsingMain::keyFilters() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, quick);
    QFETCH(QString, expected);
    QFETCH(int, complaints);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    auto* edit = w->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    for (int i = 0; i < complaints; ++i) {
        env->boxes.answer(MsgResult::Ok);
    }
    // The user is told only once every character typed is in the box: no key is lost to a message box.
    QStringList textWhileTold;
    env->boxes.onShow([&](const MessageRequest&) { textWhileTold << edit->text(); });
    if (quick) {
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, typed, Qt::NoModifier);
    } else {
        typeText(edit, typed);
    }
    QCOMPARE(edit->text(), expected);
    waitForTypingPause();
    QCOMPARE(textWhileTold, QStringList(complaints, expected));
    const bool number = field == QLatin1String("txtPhNo");
    for (const MessageRequest& box : env->boxes.shown()) {
        QCOMPARE(box.text,
                 number ? QStringLiteral("Please Enter Number") : QStringLiteral("Please Enter Only Alphabet"));
        QCOMPARE(box.icon, number ? MsgIcon::None : MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QCOMPARE(box.title, ApplicationTitle());
    }
}

void tst_frmDowsingMain::composedCharacters_passTheSameFilter() {
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    env->boxes.answer(MsgResult::Ok);
    QInputMethodEvent accented(QString(), {});
    accented.setCommitString(QStringLiteral("é"));
    QCoreApplication::sendEvent(field("txtName"), &accented);
    QInputMethodEvent plain(QString(), {});
    plain.setCommitString(QStringLiteral("a"));
    QCoreApplication::sendEvent(field("txtName"), &plain);
    QCOMPARE(field("txtName")->text(), QStringLiteral("A"));
    waitForTypingPause();
    QCOMPARE(env->boxes.texts(), QStringList{u"Please Enter Only Alphabet"_s});
}

void tst_frmDowsingMain::editingShortcuts_areCommandsNotCharacters_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << "txtName"
                             << "AB";
    QTest::newRow("phone") << "txtPhNo"
                           << "12";
}

void tst_frmDowsingMain::editingShortcuts_areCommandsNotCharacters() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    auto* edit = w->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    // Select all and copy, paste it twice at the end, cut it all, undo the cut.
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keySequence(edit, QKeySequence::Copy);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keySequence(edit, QKeySequence::Paste);
    QTest::keySequence(edit, QKeySequence::Paste);
    QCOMPARE(edit->text(), typed.repeated(3));
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keySequence(edit, QKeySequence::Cut);
    QCOMPARE(edit->text(), QString());
    QTest::keySequence(edit, QKeySequence::Undo);
    QTest::keyClick(edit, Qt::Key_N, Qt::AltModifier); // a mnemonic no button took
    QCOMPARE(edit->text(), typed.repeated(3));
    waitForTypingPause();
    QVERIFY(env->boxes.shown().isEmpty());
}

void tst_frmDowsingMain::pastedAndDroppedText_passesTheSameFilter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    for (const char* how : {"paste key", "menu", "drop"}) {
        QTest::addRow("letters, %s", how) << "txtName" << how << "O'Neil 2nd"
                                          << "ONEIL ND";
        QTest::addRow("phone, %s", how) << "txtPhNo" << how << "+44 (0)12.5"
                                        << "44012.5";
    }
}

void tst_frmDowsingMain::pastedAndDroppedText_passesTheSameFilter() {
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    auto* edit = w->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    env->boxes.answer(MsgResult::Ok); // one message for the whole text
    if (how == QLatin1String("drop")) {
        QMimeData dropped;
        dropped.setText(text);
        QDropEvent drop(QPointF(edit->rect().center()), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        // Qt delivers a drop only at the end of a real drag; here it goes straight to the box's filter.
        auto* filter = edit->findChild<CharacterFilter*>();
        QVERIFY(filter);
        QVERIFY(static_cast<QObject*>(filter)->eventFilter(edit, &drop));
        QVERIFY(drop.isAccepted());
    } else {
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        if (how == QLatin1String("paste key")) {
            QTest::keySequence(edit, QKeySequence::Paste);
        } else {
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, edit->rect().center(),
                                      edit->mapToGlobal(edit->rect().center()));
            QCoreApplication::sendEvent(edit, &menuKey);
            QTRY_VERIFY(QApplication::activePopupWidget());
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QAction* paste = StandardPasteAction(menu);
            QVERIFY(paste);
            paste->trigger();
            QApplication::activePopupWidget()->close();
        }
    }
    QCOMPARE(edit->text(), expected);
    waitForTypingPause();
    QCOMPARE(env->boxes.shown().size(), 1);
}

void tst_frmDowsingMain::enterAndBackspace_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("enterComplaints");
    QTest::newRow("letters field") << "txtName" << 0;
    QTest::newRow("phone field") << "txtPhNo" << 1;
}

void tst_frmDowsingMain::enterAndBackspace() {
    QFETCH(QString, field);
    QFETCH(int, enterComplaints);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    auto* edit = w->findChild<QLineEdit*>(field);
    QTest::keyClicks(edit, field == QLatin1String("txtName") ? QStringLiteral("ab") : QStringLiteral("12"));
    if (enterComplaints) {
        env->boxes.answer(MsgResult::Ok);
    }
    QTest::keyClick(edit, Qt::Key_Return);
    waitForTypingPause();
    QCOMPARE(env->boxes.shown().size(), enterComplaints);
    if (enterComplaints) {
        QCOMPARE(env->boxes.shown().first().text, QStringLiteral("Please Enter Number"));
    }
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text().size(), 1);
    waitForTypingPause();
    QCOMPARE(env->boxes.shown().size(), enterComplaints);
}

void tst_frmDowsingMain::emailRule_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("at sign first") << "@fen.example" << false;
    QTest::newRow("at sign second") << "j@" << true;
    QTest::newRow("ordinary") << "john@fen.example" << true;
    QTest::newRow("no at sign") << "john.fen.example" << false;
    QTest::newRow("only at sign") << "@" << false;
    QTest::newRow("two at signs, first leading") << "@a@b" << true;
}

void tst_frmDowsingMain::emailRule() {
    QFETCH(QString, email);
    QFETCH(bool, accepted);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(field("txtEmail"), email);
    if (!accepted) {
        env->boxes.answer(MsgResult::Ok);
    }
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    QCOMPARE(w->FrontPage(),
             accepted ? Control<QGroupBox>(w, "fraTools") : Control<QGroupBox>(w, "fraCustomersDetails"));
    if (accepted) {
        QVERIFY(env->boxes.shown().isEmpty());
    } else {
        QCOMPARE(env->boxes.texts(), QStringList{u"Please Enter Correct Email Address !"_s});
        QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Information);
        QCOMPARE(field("txtEmail")->text(), email);
    }
}

void tst_frmDowsingMain::popUpOk_data() {
    QTest::addColumn<bool>("item");
    QTest::addColumn<QString>("typed");
    QTest::newRow("tool, empty") << false << "";
    QTest::newRow("tool, Rod of ash") << false << "Rod of ash";
    QTest::newRow("item, empty") << true << "";
    QTest::newRow("item, Lost ring") << true << "Lost ring";
}

void tst_frmDowsingMain::popUpOk() {
    QFETCH(bool, item);
    QFETCH(QString, typed);
    QVERIFY(openOnToolsPage());
    QComboBox* combo = item ? list("cmbItemDowsingFor") : list("cmbDowsingTool");
    QWidget* popUp = item ? control("fraItemDowsing") : control("fraDowsingTool");
    QWidget* otherPopUp = item ? control("fraDowsingTool") : control("fraItemDowsing");
    QLineEdit* text = item ? field("txtItemDowsing") : field("txtDowsingTool");
    QWidget* ok = item ? control("cmdOkItemDowsing") : control("cmdOk");

    // Picking an ordinary entry shows no pop-up; picking the last one does, and hides the other pop-up.
    otherPopUp->show();
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QVERIFY(popUp->isHidden());
    const int last = combo->count() - 1;
    combo->setCurrentIndex(last);
    emit combo->activated(last);
    QVERIFY(!popUp->isHidden());
    QVERIFY(otherPopUp->isHidden());

    QTest::keyClicks(text, typed);
    if (typed.isEmpty()) {
        env->boxes.answer(MsgResult::Ok);
    }
    QTest::mouseClick(ok, Qt::LeftButton);
    if (typed.isEmpty()) {
        QCOMPARE(env->boxes.texts(), QStringList{item ? QStringLiteral("Please Enter Dowsing Item !")
                                                      : QStringLiteral("Please Enter Dowsing Tool !")});
        QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Information);
        QVERIFY(!popUp->isHidden());
        return;
    }
    QVERIFY(env->boxes.shown().isEmpty());
    QVERIFY(popUp->isHidden());
    QCOMPARE(combo->currentText(), typed);

    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(env->addAndReadBack(w).value(item ? 10 : 9).toString(), typed);
    // The pop-up keeps its text for the next time it is shown.
    QCOMPARE(text->text(), typed);
}

void tst_frmDowsingMain::typedTool_isStoredButNeverJoinsTheList() {
    QVERIFY(open());
    enterRecord();
    QTest::mouseClick(control("cmdNotesBack"), Qt::LeftButton);
    list("cmbDowsingTool")->lineEdit()->selectAll();
    QTest::keyClicks(list("cmbDowsingTool")->lineEdit(), QStringLiteral("Wishbone"));
    QTest::keyClick(list("cmbDowsingTool")->lineEdit(), Qt::Key_Return);
    QCOMPARE(list("cmbDowsingTool")->count(), 4);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(env->addAndReadBack(w).value(9).toString(), QStringLiteral("Wishbone"));
    QCOMPARE(list("cmbDowsingTool")->currentText(), QStringLiteral("Rods"));
}

void tst_frmDowsingMain::typedListText_isStoredAsTyped_data() {
    QTest::addColumn<bool>("item");
    QTest::addColumn<QString>("typed");
    // Each one is the start of an entry of its list.
    QTest::newRow("tool Rod") << false << "Rod";
    QTest::newRow("tool pen") << false << "pen";
    QTest::newRow("item Tre") << true << "Tre";
    QTest::newRow("item oi") << true << "oi";
}

void tst_frmDowsingMain::typedListText_isStoredAsTyped() {
    QFETCH(bool, item);
    QFETCH(QString, typed);
    QVERIFY(openOnToolsPage());
    QComboBox* combo = item ? list("cmbItemDowsingFor") : list("cmbDowsingTool");
    // Typed as a user types, into the list that has the focus.
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), typed);
    QCOMPARE(combo->currentText(), typed);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(env->addAndReadBack(w).value(item ? 10 : 9).toString(), typed);
}

void tst_frmDowsingMain::deleteKey_isNoTypedCharacter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::newRow("name") << u"txtName"_s << u"ABC"_s;
    QTest::newRow("city") << u"txtCity"_s << u"ABC"_s;
    QTest::newRow("phone") << u"txtPhNo"_s << u"123"_s;
}

void tst_frmDowsingMain::deleteKey_isNoTypedCharacter() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    auto* edit = w->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    QTest::keyClicks(edit, typed);
    edit->setCursorPosition(0);
    // The Delete key as the X11 desktop delivers it: with the text of the DEL control character.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QCoreApplication::sendEvent(edit, &release);
    QVERIFY(env->boxes.shown().isEmpty());
    QCOMPARE(edit->text(), typed.mid(1));
}

void tst_frmDowsingMain::popUpCancel_restoresFirstEntry() {
    QVERIFY(openOnToolsPage());
    QCOMPARE(list("cmbDowsingTool")->itemText(DowsingEntryRules::OtherToolIndex), QStringLiteral("Other"));
    QCOMPARE(list("cmbItemDowsingFor")->itemText(DowsingEntryRules::OtherItemIndex), QStringLiteral("Others"));
    list("cmbDowsingTool")->setCurrentIndex(DowsingEntryRules::OtherToolIndex);
    emit list("cmbDowsingTool")->activated(DowsingEntryRules::OtherToolIndex);
    QTest::keyClicks(field("txtDowsingTool"), QStringLiteral("Hazel"));
    QTest::mouseClick(control("cmdCancel"), Qt::LeftButton);
    QVERIFY(control("fraDowsingTool")->isHidden());
    QCOMPARE(list("cmbDowsingTool")->currentText(), QStringLiteral("Rods"));
    QCOMPARE(field("txtDowsingTool")->text(), QStringLiteral("Hazel"));

    list("cmbItemDowsingFor")->setCurrentIndex(DowsingEntryRules::OtherItemIndex);
    emit list("cmbItemDowsingFor")->activated(DowsingEntryRules::OtherItemIndex);
    QTest::mouseClick(control("cmdCancelItemDowsing"), Qt::LeftButton);
    QVERIFY(control("fraItemDowsing")->isHidden());
    QCOMPARE(list("cmbItemDowsingFor")->currentText(), QStringLiteral("water"));
}

void tst_frmDowsingMain::afterSuccessBox_altR_startsTheNextRecord() {
    QVERIFY(open());
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    enterRecord();
    // A real box takes the keyboard while it is up; the frame gets it back only after the handler has gone on.
    QWidget box;
    env->boxes.onShow([&box](const MessageRequest&) {
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
    });
    env->boxes.answer(MsgResult::Ok);
    pressAdd();
    box.hide();
    w->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    QCOMPARE(env->boxes.texts(), QStringList{kSaved});
    // The pages are disabled now; the focus must rest on something the keyboard can still reach.
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QVERIFY(focus->isEnabled() && focus->isVisible());
    QTest::keyClick(focus, Qt::Key_R, Qt::AltModifier);
    // A mnemonic presses its button the way a click does, after a short animation.
    QTRY_VERIFY(Control<QGroupBox>(w, "fraCustomersDetails")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field("txtName"));
}

void tst_frmDowsingMain::turningAPage_putsTheFocusInItsFirstControl() {
    QVERIFY(open());
    QVERIFY(QTest::qWaitForWindowActive(w->window()));
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), field("txtName"));
    // Each page is turned from the keyboard, on the button that has the focus; what is typed next must land.
    const std::pair<QWidget*, QWidget*> turns[] = {{control("cmdCustomersDetailsNext"), list("cmbDowsingTool")},
                                                   {control("cmdToolsNext"), Control<QPlainTextEdit>(w, "txtNotes")},
                                                   {control("cmdNotesBack"), list("cmbDowsingTool")},
                                                   {control("cmdToolsBack"), field("txtName")}};
    for (const auto& [turn, first] : turns) {
        turn->setFocus();
        QTest::keyClick(turn, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), first);
    }
}

void tst_frmDowsingMain::addingUntouchedLists_storesFirstDayAndEntries() {
    QVERIFY(open());
    enterRecord();
    const QVariantList row = env->addAndReadBack(w);
    QCOMPARE(env->boxes.texts(), QStringList{kSaved});
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Information);
    QCOMPARE(row.size(), 14);
    QCOMPARE(row[0].toString(), QStringLiteral("1900-01-01"));
    QCOMPARE(row[8].toString(), QStringLiteral("00:00"));
    QCOMPARE(row[9].toString(), QStringLiteral("Rods"));
    QCOMPARE(row[10].toString(), QStringLiteral("water"));
    for (int column : {1, 2, 3, 4, 5, 6, 7, 11, 12}) {
        QCOMPARE(row[column].toString(), QString());
    }
    QCOMPARE(row[13].toLongLong(), 1);
}

void tst_frmDowsingMain::timeStoresHourAndMinuteOnly_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("ampm");
    QTest::addColumn<QString>("stored");
    QTest::newRow("13:05 AM") << u"13"_s << u"05"_s << u"42"_s << u"AM"_s << u"13:05"_s;
    QTest::newRow("24:05 PM") << u"24"_s << u"05"_s << u"10"_s << u"PM"_s << u"24:05"_s;
    QTest::newRow("00:59") << u"00"_s << u"59"_s << u"59"_s << u"PM"_s << u"00:59"_s;
}

void tst_frmDowsingMain::timeStoresHourAndMinuteOnly() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, second);
    QFETCH(QString, ampm);
    QFETCH(QString, stored);
    QVERIFY(openOnToolsPage());
    list("cmbHour")->setCurrentText(hour);
    list("cmbMinute")->setCurrentText(minute);
    list("cmbSecond")->setCurrentText(second);
    list("cmbAMPM")->setCurrentText(ampm);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(env->addAndReadBack(w).value(8).toString(), stored);
}

void tst_frmDowsingMain::afterAddition_fieldsResetExceptAmPmAndPopUps() {
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(field("txtName"), QStringLiteral("ann"));
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtAddress"), QStringLiteral("1 Lane"));
    QTest::keyClicks(field("txtCity"), QStringLiteral("ely"));
    QTest::keyClicks(field("txtState"), QStringLiteral("fen"));
    QTest::keyClicks(field("txtPin"), QStringLiteral("CB7"));
    QTest::keyClicks(field("txtPhNo"), QStringLiteral("123"));
    QTest::keyClicks(field("txtEmail"), QStringLiteral("a@b"));
    QTest::keyClicks(field("txtLocationDowsingFor"), QStringLiteral("barn"));
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    QCOMPARE(list("cmbDowsingTool")->itemText(DowsingEntryRules::OtherToolIndex), QStringLiteral("Other"));
    QCOMPARE(list("cmbItemDowsingFor")->itemText(DowsingEntryRules::OtherItemIndex), QStringLiteral("Others"));
    list("cmbDowsingTool")->setCurrentIndex(DowsingEntryRules::OtherToolIndex);
    emit list("cmbDowsingTool")->activated(DowsingEntryRules::OtherToolIndex);
    QTest::keyClicks(field("txtDowsingTool"), QStringLiteral("Hazel fork"));
    QTest::mouseClick(control("cmdOk"), Qt::LeftButton);
    list("cmbItemDowsingFor")->setCurrentIndex(2);
    for (QComboBox* combo :
         {list("cmbMonth"), list("cmbDate"), list("cmbYear"), list("cmbHour"), list("cmbMinute"), list("cmbSecond")}) {
        combo->setCurrentIndex(5);
    }
    list("cmbAMPM")->setCurrentIndex(1);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtNotes"), QStringLiteral("note"));
    env->boxes.answer(MsgResult::Ok);
    pressAdd();
    QCOMPARE(env->boxes.texts(), QStringList{kSaved});

    for (QLineEdit* edit : {field("txtName"), field("txtCity"), field("txtState"), field("txtPin"), field("txtPhNo"),
                            field("txtEmail"), field("txtLocationDowsingFor")}) {
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    }
    QVERIFY(Control<QPlainTextEdit>(w, "txtAddress")->toPlainText().isEmpty());
    QVERIFY(Control<QPlainTextEdit>(w, "txtNotes")->toPlainText().isEmpty());
    for (QComboBox* combo :
         {list("cmbMonth"), list("cmbDate"), list("cmbYear"), list("cmbHour"), list("cmbMinute"), list("cmbSecond")}) {
        QCOMPARE(combo->currentIndex(), 0);
    }
    QCOMPARE(list("cmbDowsingTool")->currentText(), QStringLiteral("Rods"));
    QCOMPARE(list("cmbItemDowsingFor")->currentText(), QStringLiteral("water"));
    QCOMPARE(list("cmbAMPM")->currentText(), QStringLiteral("PM"));
    QCOMPARE(field("txtDowsingTool")->text(), QStringLiteral("Hazel fork"));
    QCOMPARE(w->FrontPage(), Control<QGroupBox>(w, "fraCustomersDetails"));
    QVERIFY(!Control<QGroupBox>(w, "fraCustomersDetails")->isEnabled());
    QVERIFY(!Control<QGroupBox>(w, "fraTools")->isEnabled());
    QVERIFY(!Control<QGroupBox>(w, "fraNotes")->isEnabled());
}

void tst_frmDowsingMain::recordEnteredByHand_isInTheFile() {
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(field("txtName"), QStringLiteral("john smith"));
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtAddress"), QStringLiteral("12 Mill Lane"));
    QTest::keyClick(Control<QPlainTextEdit>(w, "txtAddress"), Qt::Key_Return);
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtAddress"), QStringLiteral("Lower Fen"));
    QTest::keyClicks(field("txtCity"), QStringLiteral("Ely"));
    QTest::keyClicks(field("txtState"), QStringLiteral("Cambs"));
    QTest::keyClicks(field("txtPin"), QStringLiteral("CB7 4"));
    QTest::keyClicks(field("txtPhNo"), QStringLiteral("01353.5"));
    QTest::keyClicks(field("txtEmail"), QStringLiteral("john@fen.example"));
    QTest::keyClicks(field("txtLocationDowsingFor"), QStringLiteral("back field"));
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    list("cmbItemDowsingFor")->setCurrentIndex(1);
    list("cmbMonth")->setCurrentText(QStringLiteral("March"));
    list("cmbDate")->setCurrentText(QStringLiteral("7"));
    list("cmbYear")->setCurrentText(QStringLiteral("2006"));
    list("cmbHour")->setCurrentText(QStringLiteral("07"));
    list("cmbMinute")->setCurrentText(QStringLiteral("45"));
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtNotes"), QStringLiteral("Strong pull"));
    QTest::keyClick(Control<QPlainTextEdit>(w, "txtNotes"), Qt::Key_Return);
    QTest::keyClicks(Control<QPlainTextEdit>(w, "txtNotes"), QStringLiteral("by the oak."));
    QStringList values;
    for (const QVariant& v : env->addAndReadBack(w)) {
        values << v.toString();
    }
    QCOMPARE(values, (QStringList{u"2006-03-07"_s, u"JOHN SMITH"_s, u"12 Mill Lane\r\nLower Fen"_s, u"ELY"_s,
                                  u"CAMBS"_s, u"CB7 4"_s, u"01353.5"_s, u"john@fen.example"_s, u"07:45"_s, u"Rods"_s,
                                  u"Oil"_s, u"BACK FIELD"_s, u"Strong pull\r\nby the oak."_s, u"1"_s}));
}

void tst_frmDowsingMain::hostileValues_storedVerbatim_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("quotes") << u"O'Neil \"the\" `dowser`"_s;
    QTest::newRow("semicolons and SQL") << u"x'); DROP TABLE Details; -- SELECT * FROM Details;"_s;
    QTest::newRow("unicode") << u"Zoë Ødegård 山田 \U0001F52E"_s;
    QString big;
    while (big.size() < 1024 * 1024) {
        big += QStringLiteral("A long note line about the dowsing, %1 characters so far.\n").arg(big.size());
    }
    QTest::newRow("1 MB note") << big;
}

void tst_frmDowsingMain::hostileValues_storedVerbatim() {
    QFETCH(QString, value);
    QVERIFY(open());
    enterRecord();
    // The fields that take any character; the boxes of several lines store their line breaks as CR LF.
    const QString oneLine = value.left(1000).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString stored = value;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    Control<QPlainTextEdit>(w, "txtAddress")->setPlainText(value);
    field("txtPin")->setText(oneLine);
    field("txtEmail")->setText(QStringLiteral("a@") + oneLine);
    Control<QPlainTextEdit>(w, "txtNotes")->setPlainText(value);
    list("cmbDowsingTool")->setEditText(oneLine);
    const QVariantList row = env->addAndReadBack(w);
    QCOMPARE(env->boxes.texts(), QStringList{kSaved});
    QCOMPARE(row.value(2).toString(), stored);
    QCOMPARE(row.value(5).toString(), oneLine);
    QCOMPARE(row.value(7).toString(), QStringLiteral("a@") + oneLine);
    QCOMPARE(row.value(9).toString(), oneLine);
    QCOMPARE(row.value(12).toString(), stored);
}

void tst_frmDowsingMain::impossibleDate_isRefusedAndKept_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("exists");
    QTest::newRow("30 February") << u"February"_s << u"30"_s << u"2006"_s << false;
    QTest::newRow("31 April") << u"April"_s << u"31"_s << u"2006"_s << false;
    QTest::newRow("29 February 1900") << u"February"_s << u"29"_s << u"1900"_s << false;
    QTest::newRow("29 February 2008") << u"February"_s << u"29"_s << u"2008"_s << true;
    QTest::newRow("31 December 2050") << u"December"_s << u"31"_s << u"2050"_s << true;
}

void tst_frmDowsingMain::impossibleDate_isRefusedAndKept() {
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(bool, exists);
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(field("txtName"), QStringLiteral("ann"));
    QTest::mouseClick(control("cmdCustomersDetailsNext"), Qt::LeftButton);
    list("cmbMonth")->setCurrentText(month);
    list("cmbDate")->setCurrentText(day);
    list("cmbYear")->setCurrentText(year);
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    Control<QPlainTextEdit>(w, "txtNotes")->setPlainText(QStringLiteral("kept"));
    if (exists) {
        QCOMPARE(env->addAndReadBack(w).size(), 14);
        return;
    }
    env->boxes.answer(MsgResult::Ok);
    pressAdd();
    QCOMPARE(env->boxes.shown().size(), 1);
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Critical);
    QVERIFY(env->boxes.texts().first().contains(QStringLiteral("not saved")));
    QVERIFY(env->boxes.texts().first().contains(month));
    QVERIFY(env->rows().isEmpty());
    // Everything stays for the user to correct the day.
    QCOMPARE(w->FrontPage(), Control<QGroupBox>(w, "fraTools"));
    QCOMPARE(field("txtName")->text(), QStringLiteral("ANN"));
    QCOMPARE(Control<QPlainTextEdit>(w, "txtNotes")->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(list("cmbDate")->currentText(), day);
    list("cmbDate")->setCurrentText(QStringLiteral("28"));
    QTest::mouseClick(control("cmdToolsNext"), Qt::LeftButton);
    QCOMPARE(env->addAndReadBack(w).value(0).toString(),
             QStringLiteral("%1-%2-28").arg(year).arg(list("cmbMonth")->findText(month) + 1, 2, 10, QLatin1Char('0')));
}

void tst_frmDowsingMain::failedWrite_neverClaimsSuccess_data() {
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("update");
    QTest::newRow("add, file locked") << "lock" << false;
    QTest::newRow("add, disk full") << "refuse" << false;
    QTest::newRow("update, disk full") << "refuse" << true;
}

void tst_frmDowsingMain::failedWrite_neverClaimsSuccess() {
    QFETCH(QString, obstacle);
    QFETCH(bool, update);
    QVERIFY(env->addNamed({u"ORIGINAL"_s}));
    QVERIFY(open());
    DowsingTestFile other(env->path());
    const auto before = other.rows();
    if (update) {
        // Filled from the record as the file holds it, as the sheet fills it.
        w->PrepareForEdit();
        w->FillForUpdate(DowsingStore(env->path()).find(1).value_or({}));
    } else {
        QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    }
    field("txtName")->setText(QStringLiteral("CHANGED"));
    Control<QPlainTextEdit>(w, "txtNotes")->setPlainText(QStringLiteral("my notes"));
    if (obstacle == QLatin1String("lock")) {
        QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    } else {
        QVERIFY(other.refuseWrites());
    }
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control<QPushButton>(w, "cmdadd"), Qt::LeftButton);
    if (obstacle == QLatin1String("lock")) {
        other.exec(QStringLiteral("ROLLBACK"));
    }
    QCOMPARE(env->boxes.shown().size(), 1);
    const MessageRequest box = env->boxes.shown().first();
    QCOMPARE(box.icon, MsgIcon::Critical);
    QVERIFY(box.text.startsWith(QStringLiteral("The record was not saved.")));
    QVERIFY(!env->boxes.texts().contains(kSaved));
    QVERIFY(!env->boxes.texts().contains(kEdited));
    QCOMPARE(other.rows(), before);
    QCOMPARE(field("txtName")->text(), QStringLiteral("CHANGED"));
    QCOMPARE(Control<QPlainTextEdit>(w, "txtNotes")->toPlainText(), QStringLiteral("my notes"));
    QCOMPARE(w->InUpdateMode(), update);
    QVERIFY(Control<QGroupBox>(w, "fraNotes")->isEnabled());
}

void tst_frmDowsingMain::fillForUpdate_setsListsAndEveryField() {
    QVERIFY(open());
    QTest::mouseClick(control("cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(field("txtCity"), QStringLiteral("left over"));
    w->PrepareForEdit();
    QVERIFY(control("cmAddNewRecord")->isHidden());
    QVERIFY(!Control<QAction>(w, "mnuAddNewRecor")->isVisible());
    DowsingRecord r;
    r.IdNumber = 40000;
    r.Date = QDate(2006, 12, 31);
    r.Time_Dowsing_Occured = QStringLiteral("13:05");
    r.Name = QStringLiteral("O'NEIL");
    r.Address = QStringLiteral("1 Lane\r\nFen");
    r.Dowsing_Tool = QStringLiteral("Hazel");
    w->FillForUpdate(r);
    QCOMPARE(list("cmbMonth")->currentText(), QStringLiteral("December"));
    QCOMPARE(list("cmbDate")->currentText(), QStringLiteral("31"));
    QCOMPARE(list("cmbYear")->currentText(), QStringLiteral("2006"));
    QCOMPARE(list("cmbHour")->currentText(), QStringLiteral("13"));
    QCOMPARE(list("cmbMinute")->currentText(), QStringLiteral("05"));
    QCOMPARE(list("cmbAMPM")->currentText(), QStringLiteral("PM"));
    QCOMPARE(field("txtName")->text(), QStringLiteral("O'NEIL")); // the key filters do not apply
    QCOMPARE(Control<QPlainTextEdit>(w, "txtAddress")->toPlainText(), QStringLiteral("1 Lane\nFen"));
    QCOMPARE(field("txtCity")->text(), QString()); // nothing of the earlier entry is left
    QCOMPARE(list("cmbDowsingTool")->currentText(), QStringLiteral("Hazel"));
    QCOMPARE(Control<QPushButton>(w, "cmdadd")->text(), QStringLiteral("&Update"));
    QCOMPARE(w->RecordBeingUpdated(), 40000);
    QVERIFY(Control<QGroupBox>(w, "fraNotes")->isEnabled());
}

void tst_frmDowsingMain::update_writesBackTheRecordItWasFilledFrom() {
    {
        DowsingStore seed(env->path());
        QVERIFY(seed.open());
        for (const char* name : {"FIRST", "SECOND", "THIRD"}) {
            DowsingRecord r;
            r.Name = QString::fromLatin1(name);
            r.Date = QDate(2006, 3, 7);
            r.Time_Dowsing_Occured = QStringLiteral("07:45");
            QVERIFY(seed.add(r));
        }
        // A number beyond the 16-bit range.
        DowsingTestFile raw(env->path());
        QVERIFY(raw.exec(QStringLiteral("UPDATE Details SET IdNumber = 70000 WHERE IdNumber = 2")));
    }
    QVERIFY(open());
    DowsingStore reader(env->path());
    QVERIFY(reader.open());
    const StoreResult<DowsingRecord> second = reader.find(70000);
    QVERIFY(second);
    w->PrepareForEdit();
    w->FillForUpdate(*second);
    // The user opens another record on the grid in between; the wizard still writes the one it holds.
    Windows::Load<frmDowsingSave>()->ShowRecord(reader.find(1).value_or({}), 0);
    field("txtName")->setText(QStringLiteral("SECOND CHANGED"));
    list("cmbHour")->setCurrentText(QStringLiteral("24"));
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control<QPushButton>(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), QStringList{kEdited});
    QCOMPARE(env->boxes.shown().first().icon, MsgIcon::Information);

    const auto rows = env->rows();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0][1].toString(), QStringLiteral("FIRST"));
    QCOMPARE(rows[1][1].toString(), QStringLiteral("THIRD"));
    QCOMPARE(rows[2][1].toString(), QStringLiteral("SECOND CHANGED"));
    QCOMPARE(rows[2][0].toString(), QStringLiteral("2006-03-07"));
    QCOMPARE(rows[2][8].toString(), QStringLiteral("24:45"));
    QCOMPARE(rows[2][13].toLongLong(), 70000);
    // Back to idle in Add mode.
    QCOMPARE(Control<QPushButton>(w, "cmdadd")->text(), QStringLiteral("&Add"));
    QVERIFY(!control("cmAddNewRecord")->isHidden());
    QVERIFY(Control<QAction>(w, "mnuAddNewRecor")->isVisible());
    QVERIFY(!Control<QGroupBox>(w, "fraCustomersDetails")->isEnabled());
    QVERIFY(field("txtName")->text().isEmpty());
}

void tst_frmDowsingMain::update_ofRecordRemovedMeanwhile_letsTheUserSaveItAsNewOrLeaveIt_data() {
    QTest::addColumn<MsgResult>("choice");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("leave it removed") << MsgResult::LeaveRemoved << QStringList{u"STAYS"_s};
    QTest::newRow("save as new") << MsgResult::SaveAsNew << QStringList{u"STAYS"_s, u"GONE"_s};
}

void tst_frmDowsingMain::update_ofRecordRemovedMeanwhile_letsTheUserSaveItAsNewOrLeaveIt() {
    QFETCH(MsgResult, choice);
    QFETCH(QStringList, names);
    QVERIFY(env->addNamed({u"GONE"_s, u"STAYS"_s}));
    QVERIFY(open());
    w->PrepareForEdit();
    w->FillForUpdate(DowsingStore(env->path()).find(1).value_or({}));
    QVERIFY(env->exec(QStringLiteral("DELETE FROM Details WHERE IdNumber = 1")));
    env->boxes.answer(choice);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control<QPushButton>(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.shown().first().buttons, MsgButtons::NewOrLeaveRemoved);
    QVERIFY(env->boxes.texts().first().startsWith(QStringLiteral("Someone else removed the record 1")));
    QStringList stored;
    for (const QVariantList& row : env->rows()) {
        stored << row[1].toString();
    }
    QCOMPARE(stored, names);
    // Whichever the choice, what was typed stays in the window.
    QCOMPARE(env->boxes.texts().size(), choice == MsgResult::LeaveRemoved ? 1 : 2);
    QCOMPARE(field("txtName")->text(), QStringLiteral("GONE"));
}

void tst_frmDowsingMain::update_ofRecordSavedElsewhereMeanwhile_letsTheUserChoose_data() {
    QTest::addColumn<MsgResult>("choice");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("keep theirs") << MsgResult::KeepTheirs << QStringList{u"THEIRS"_s};
    QTest::newRow("save mine") << MsgResult::SaveMine << QStringList{u"MINE"_s};
    QTest::newRow("save mine as new") << MsgResult::SaveAsNew << QStringList{u"THEIRS"_s, u"MINE"_s};
}

void tst_frmDowsingMain::update_ofRecordSavedElsewhereMeanwhile_letsTheUserChoose() {
    QFETCH(MsgResult, choice);
    QFETCH(QStringList, names);
    QVERIFY(env->addNamed({u"SHOWN"_s}));
    QVERIFY(open());
    w->PrepareForEdit();
    w->FillForUpdate(DowsingStore(env->path()).find(1).value_or({}));
    field("txtName")->setText(QStringLiteral("MINE"));
    QVERIFY(env->exec(QStringLiteral("UPDATE Details SET Name = 'THEIRS' WHERE IdNumber = 1")));
    env->boxes.answer(choice);
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control<QPushButton>(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.shown().first().buttons, MsgButtons::TheirsMineNew);
    QVERIFY(env->boxes.texts().first().contains(QStringLiteral("changed by someone else")));
    // Edited is said only when something of the user's was written.
    QCOMPARE(env->boxes.texts().contains(kEdited), choice != MsgResult::KeepTheirs);
    QStringList stored;
    for (const QVariantList& row : env->rows()) {
        stored << row[1].toString();
    }
    QCOMPARE(stored, names);
}

void tst_frmDowsingMain::update_keepsLongAndMultiLineValuesExactly() {
    // Longer than a text box takes unless told otherwise.
    const QString longText = QString(40000, QLatin1Char('X'));
    DowsingRecord r;
    r.Date = QDate(2006, 3, 7);
    r.Time_Dowsing_Occured = QStringLiteral("07:45");
    r.Name = longText;
    r.City = longText;
    r.State = longText;
    r.Pin = longText;
    r.Phone_No = longText;
    r.Email = longText;
    r.Dowsing_Tool = longText;
    r.Item_Dowsing_For = longText;
    r.Location_Dowsing_Occured = longText;
    // No-break spaces, a line separator and lone line breaks, shown and written back untouched.
    r.Address = QStringLiteral("1\u00a0Lane\u2028Fen\nEnd\rHere\u00a0");
    {
        DowsingStore seed(env->path());
        QVERIFY(seed.open());
        const auto id = seed.add(r);
        QVERIFY(id);
        r.IdNumber = *id;
    }
    QVERIFY(open());
    w->PrepareForEdit();
    w->FillForUpdate(r);
    Control<QPlainTextEdit>(w, "txtNotes")->setPlainText(QStringLiteral("only the notes change"));
    env->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control<QPushButton>(w, "cmdadd"), Qt::LeftButton);
    QCOMPARE(env->boxes.texts(), QStringList{kEdited});
    const auto rows = env->rows();
    QCOMPARE(rows.size(), 1);
    for (int column : {1, 3, 4, 5, 6, 7, 9, 10, 11}) {
        QVERIFY2(rows[0][column].toString() == longText, DowsingColumns[column]);
    }
    QCOMPARE(rows[0][2].toString(), r.Address);
    QCOMPARE(rows[0][12].toString(), QStringLiteral("only the notes change"));
}

void tst_frmDowsingMain::lockedFile_offersRetry_andSavesTheSameEntries() {
    QVERIFY(open());
    enterRecord();
    Control<QPlainTextEdit>(w, "txtNotes")->setPlainText(QStringLiteral("typed with care"));
    DowsingTestFile other(env->path());
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    // Retry while the other program still holds the file, then once it has let go.
    int boxes = 0;
    env->boxes.onShow([&](const MessageRequest&) {
        if (++boxes == 2) {
            other.exec(QStringLiteral("ROLLBACK"));
        }
    });
    env->boxes.answer(MsgResult::Retry);
    env->boxes.answer(MsgResult::Retry);
    env->boxes.answer(MsgResult::Ok);
    pressAdd();
    QCOMPARE(env->boxes.shown().size(), 3);
    for (int i = 0; i < 2; ++i) {
        const MessageRequest box = env->boxes.shown().at(i);
        QCOMPARE(box.buttons, MsgButtons::RetryCancel);
        QVERIFY2(box.text.contains(QStringLiteral("in use by another program")), qPrintable(box.text));
        QVERIFY(box.text.contains(QDir::toNativeSeparators(env->path())));
    }
    QCOMPARE(env->boxes.texts().last(), kSaved);
    QCOMPARE(other.rows().size(), 1);
    QCOMPARE(other.rows().first().value(12).toString(), QStringLiteral("typed with care"));
}

void tst_frmDowsingMain::unusableFile_isSaidWhenTheWizardOpens_data() {
    FileTrouble::AddRows({u"lock"_s, u"garbage"_s});
}

void tst_frmDowsingMain::unusableFile_isSaidWhenTheWizardOpens() {
    QFETCH(QString, trouble);
    QFETCH(QString, cause);
    DowsingTestFile other(env->path());
    QVERIFY(FileTrouble::Cause(trouble, env->path(), other));
    env->boxes.answer(trouble == QLatin1String("lock") ? MsgResult::Cancel : MsgResult::Ok);
    QVERIFY(open());
    QCOMPARE(env->boxes.shown().size(), 1);
    const MessageRequest box = env->boxes.shown().first();
    QVERIFY2(box.text.contains(cause), qPrintable(box.text));
    QVERIFY(box.text.contains(QDir::toNativeSeparators(env->path())));
    QCOMPARE(box.icon, MsgIcon::Critical);
    // The wizard is there all the same; a save tries the file again.
    QVERIFY(Windows::IsLoaded<frmDowsingMain>());
    other.exec(QStringLiteral("ROLLBACK"));
}

void tst_frmDowsingMain::missingFile_saysSoAndCloses() {
    QVERIFY(QFile::remove(env->path()));
    env->boxes.answer(MsgResult::Ok);
    QVERIFY(!ShowDowsingTool());
    QCOMPARE(env->boxes.shown().size(), 1);
    const MessageRequest box = env->boxes.shown().first();
    QCOMPARE(box.text, QStringLiteral("Required File Is Missing\rPlease Reinstall Software"));
    QCOMPARE(MessageDisplayText(box.text).split(QLatin1Char('\n')).size(), 2);
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(!Windows::IsLoaded<frmDowsingMain>());
    QVERIFY(!Windows::IsLoaded<MDIDowsingForm1>());
    QVERIFY(!QFile::exists(env->path())); // the program never makes the file
}

void tst_frmDowsingMain::exitAndMenus() {
    QVERIFY(open());
    const QList<QAction*> file = Control<QMenu>(w, "mnuFile")->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0], Control<QAction>(w, "mnuAddNewRecor"));
    QCOMPARE(file[1], Control<QAction>(w, "mnuViewAll"));
    QCOMPARE(file[2], Control<QAction>(w, "mnuExit"));

    Control<QAction>(w, "mnuAddNewRecor")->trigger();
    QVERIFY(Control<QGroupBox>(w, "fraCustomersDetails")->isEnabled());
    QVERIFY(Control<QGroupBox>(w, "fraTools")->isEnabled());

    // Exit shows the launcher; the dowsing windows stay as they are.
    QTest::mouseClick(control("cmdExit"), Qt::LeftButton);
    Control<QAction>(w, "mnuExit")->trigger();
    QCOMPARE(env->shell.launcherShown, 2);
    QVERIFY(Windows::IsLoaded<frmDowsingMain>());
    QVERIFY(w->isVisible());

    QTest::mouseClick(Control<ClickLabel>(w, "Label1"), Qt::LeftButton);
    QCOMPARE(env->pages.pageKeys(), QStringList{u"co-brand"_s});
    QVERIFY(env->boxes.shown().isEmpty());

    // View All Records hides the wizard behind the grid (of an empty table here).
    env->boxes.answer(MsgResult::Ok);
    Control<QAction>(w, "mnuViewAll")->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(Windows::IsLoaded<frmDowsingAllRecord>());
    QCOMPARE(env->boxes.texts(), QStringList{QStringLiteral("There Is No Record !")});
}

void tst_frmDowsingMain::updateReminder_runsAtLoad() {
    SetToday(QDate(2026, 12, 7));
    {
        QSettings settings(ExecutableName(), ExecutableName());
        settings.setValue(UpdateReminderKey, QStringLiteral("2026-11-01"));
    }
    env->boxes.answer(MsgResult::No);
    QVERIFY(open());
    QCOMPARE(env->boxes.texts(), QStringList{UpdateReminderQuestion()});
}

QTEST_MAIN(tst_frmDowsingMain)
#include "tst_frmDowsingMain.moc"
