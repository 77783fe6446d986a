#include "diary/DiaryTestSupport.h"
#include "diary/PaganDiaryTool.h"
#include "diary/frmPaganDiaryMain.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "shell/frmMain.h"
#include "ui/ClickLabel.h"
#include "ui/Windows.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString MissingFiles = QStringLiteral("Required Files Are Missing\rPlease Reinstall The Software");
const QString SelectOne = QStringLiteral("Please Select An Option");
} // namespace

class tst_frmPaganDiaryMain : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void continue_checksTheFileBeforeTheChoice_data();
    void continue_checksTheFileBeforeTheChoice();
    void continue_opensTheSectionLastClicked();
    void choice_isKeptWhileHidden_forgottenAfterUnload_andBackInTheNextRun();
    void launcherButton_opensTheChooserWithContinueFocused();
    void realLauncher_paganDiaryButton_showsTheChooserAndHides();
    void leaving_unloadsAndShowsTheLauncher_data();
    void leaving_unloadsAndShowsTheLauncher();
    void brandLabels_openTheirPages();
    void controls_standInTheirOrderFromTopToBottom();

  private:
    std::unique_ptr<DiaryWorld> w;
};

void tst_frmPaganDiaryMain::init() {
    w = std::make_unique<DiaryWorld>();
}

void tst_frmPaganDiaryMain::cleanup() {
    w.reset();
}

void tst_frmPaganDiaryMain::continue_checksTheFileBeforeTheChoice_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("message");
    QTest::newRow("no file, no option: only the file message") << "none" << -1 << MissingFiles;
    QTest::newRow("no file, an option") << "none" << 2 << MissingFiles;
    QTest::newRow("a folder named diary.dll") << "folder" << 0 << MissingFiles;
    QTest::newRow("file, no option") << "diary" << -1 << SelectOne;
    QTest::newRow("spell") << "diary" << 0 << "";
    QTest::newRow("incense") << "diary" << 1 << "";
    QTest::newRow("recipes") << "diary" << 2 << "";
    QTest::newRow("rituals") << "diary" << 3 << "";
}

void tst_frmPaganDiaryMain::continue_checksTheFileBeforeTheChoice() {
    QFETCH(QString, file);
    QFETCH(int, option);
    QFETCH(QString, message);
    if (file == u"diary"_s) {
        QVERIFY(w->makeDiary());
    } else if (file == u"folder"_s) {
        QVERIFY(QDir(w->env.appFolder()).mkdir(u"diary.dll"_s));
    }
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    QVERIFY(chooser);
    if (option >= 0) {
        Control<QRadioButton>(chooser, "optOption", option)->click();
    }
    if (!message.isEmpty()) {
        w->env.boxes.answer(MsgResult::Ok);
    }
    Control<QPushButton>(chooser, "cmdContinue")->click();

    if (!message.isEmpty()) {
        QCOMPARE(w->env.boxes.shown().size(), 1);
        const MessageRequest& box = w->env.boxes.shown().first();
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QStringLiteral("Velloran"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QVERIFY(!Windows::IsLoaded<frmPaganDiaryResultBOS>());
        QVERIFY(chooser->isVisible());
        return;
    }
    QVERIFY(w->env.boxes.shown().isEmpty());
    Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    QVERIFY(book);
    QVERIFY(book->isVisible());
    QVERIFY(Windows::IsLoaded<frmPaganDiaryMain>());
    QVERIFY(!chooser->isVisible());
    const QStringList words{u"Spell"_s, u"Incense"_s, u"Recipes"_s, u"Rituals"_s};
    QCOMPARE(int(book->section()), option);
    QCOMPARE(book.captions[0]->text(), words.at(option) + u" Section"_s);
    QCOMPARE(book.openCloseButton->text(), u"&Open "_s + words.at(option));
    QCOMPARE(w->shell.launcherShown, 0);
}

void tst_frmPaganDiaryMain::continue_opensTheSectionLastClicked() {
    QVERIFY(w->makeDiary());
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    Control<QRadioButton>(chooser, "optOption", 1)->click();
    Control<QRadioButton>(chooser, "optOption", 3)->click();
    QVERIFY(!Control<QRadioButton>(chooser, "optOption", 1)->isChecked());
    Control<QPushButton>(chooser, "cmdContinue")->click();
    QCOMPARE(Windows::Loaded<frmPaganDiaryResultBOS>()->section(), DiarySection::Rituals);
    QCOMPARE(Book(Windows::Loaded<frmPaganDiaryResultBOS>()).exitButton->text(), QStringLiteral("E&xit Rituals"));
}

void tst_frmPaganDiaryMain::choice_isKeptWhileHidden_forgottenAfterUnload_andBackInTheNextRun() {
    QVERIFY(w->makeDiary());
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    for (QRadioButton* option : chooser->findChildren<QRadioButton*>()) {
        QVERIFY(!option->isChecked());
    }
    Control<QRadioButton>(chooser, "optOption", 3)->click();
    Control<QPushButton>(chooser, "cmdContinue")->click();
    Book book(Windows::Loaded<frmPaganDiaryResultBOS>());
    book.openCloseButton->click();
    book.exitButton->click();

    // Back on the same chooser, its choice still marked; Continue opens Rituals again.
    QCOMPARE(Windows::Loaded<frmPaganDiaryMain>(), chooser);
    QVERIFY(chooser->isVisible());
    QVERIFY(Control<QRadioButton>(chooser, "optOption", 3)->isChecked());
    Control<QPushButton>(chooser, "cmdContinue")->click();
    QCOMPARE(Windows::Loaded<frmPaganDiaryResultBOS>()->section(), DiarySection::Rituals);

    // The book's File > Exit leaves the chooser hidden with its choice; the launcher button brings it back.
    Control<QAction>(Windows::Loaded<frmPaganDiaryResultBOS>(), "mnuExit")->trigger();
    QCOMPARE(w->shell.launcherShown, 1);
    QVERIFY(!chooser->isVisible());
    QVERIFY(ShowPaganDiaryTool());
    QCOMPARE(Windows::Loaded<frmPaganDiaryMain>(), chooser);
    QVERIFY(Control<QRadioButton>(chooser, "optOption", 3)->isChecked());

    // Unloaded and opened again: nothing is marked.
    Control<QAction>(chooser, "mnuExit")->trigger();
    QCOMPARE(w->shell.launcherShown, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!Windows::IsLoaded<frmPaganDiaryMain>());
    QVERIFY(ShowPaganDiaryTool());
    chooser = Windows::Loaded<frmPaganDiaryMain>();
    for (QRadioButton* option : chooser->findChildren<QRadioButton*>()) {
        QVERIFY(!option->isChecked());
    }
    w->env.boxes.answer(MsgResult::Ok);
    Control<QPushButton>(chooser, "cmdContinue")->click();
    QCOMPARE(w->env.boxes.texts(), QStringList({SelectOne}));
    QVERIFY(!Windows::IsLoaded<frmPaganDiaryResultBOS>());

    // The next run of the program opens the diary on the section the user went on to last.
    Windows::ResetForTests();
    w->env.services.givenBackThisRun.clear();
    QVERIFY(ShowPaganDiaryTool());
    QVERIFY(Control<QRadioButton>(Windows::Loaded<frmPaganDiaryMain>(), "optOption", 3)->isChecked());
}

void tst_frmPaganDiaryMain::launcherButton_opensTheChooserWithContinueFocused() {
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    QVERIFY(chooser->isVisible());
    QCOMPARE(chooser->focusWidget(), Control<QPushButton>(chooser, "cmdContinue"));
    // Its menus: File holds only Exit; the update item reads as on the other diary windows.
    QCOMPARE(Control<QMenu>(chooser, "mnuFile")->actions().size(), 1);
    QCOMPARE(Control<QAction>(chooser, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));
}

void tst_frmPaganDiaryMain::realLauncher_paganDiaryButton_showsTheChooserAndHides() {
    auto* launcher = Windows::Show<frmMain>();
    QVERIFY(launcher);
    QTest::mouseClick(Control(launcher, "cmdSelectOption", 1), Qt::LeftButton);
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    QVERIFY(chooser);
    QVERIFY(chooser->isVisible());
    QVERIFY(!launcher->isVisible());
}

void tst_frmPaganDiaryMain::leaving_unloadsAndShowsTheLauncher_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void tst_frmPaganDiaryMain::leaving_unloadsAndShowsTheLauncher() {
    QFETCH(bool, byMenu);
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    if (byMenu) {
        Control<QAction>(chooser, "mnuExit")->trigger();
    } else {
        chooser->close();
    }
    QVERIFY(!Windows::IsLoaded<frmPaganDiaryMain>());
    QCOMPARE(w->shell.launcherShown, 1);

    // While the program ends, unloading brings nothing back.
    QVERIFY(ShowPaganDiaryTool());
    CloseAllWindows();
    QCOMPARE(w->shell.launcherShown, 1);
    QCOMPARE(w->shell.programEnded, 1);
}

void tst_frmPaganDiaryMain::brandLabels_openTheirPages() {
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    QCOMPARE(Control<BrandFrame>(chooser, "fraFullBrand")->front(), BrandFrame::Front::FullBrand);
    QVERIFY(Control<ClickLabel>(chooser, "lblFullBrand")->isVisible());
    QVERIFY(!Control<ClickLabel>(chooser, "lblCobrand")->isVisible());
    emit Control<ClickLabel>(chooser, "lblFullBrand")->clicked();
    emit Control<ClickLabel>(chooser, "Label14")->clicked();
    QCOMPARE(w->env.pages.pageKeys(), QStringList({u"fully-branded"_s, u"home-page"_s}));
}

void tst_frmPaganDiaryMain::controls_standInTheirOrderFromTopToBottom() {
    QVERIFY(ShowPaganDiaryTool());
    auto* chooser = Windows::Loaded<frmPaganDiaryMain>();
    QList<QWidget*> order;
    for (const char* name :
         {"Label14", "lblCaptions_0", "lblCaptions_1", "lblCaptions_3", "Frame2", "cmdContinue", "fraFullBrand"}) {
        order << Control(chooser, name);
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        const QRect above = order[i - 1]->geometry();
        const QRect below = order[i]->geometry();
        QVERIFY2(above.bottom() < below.top(), qPrintable(order[i]->objectName()));
    }
    // The options stand one under the other, the picture to their right.
    for (int i = 1; i < 4; ++i) {
        QVERIFY(Control(chooser, "optOption", i - 1)->geometry().bottom() <
                Control(chooser, "optOption", i)->geometry().top());
    }
    QVERIFY(Control(chooser, "Picture1")->geometry().left() > Control(chooser, "optOption", 0)->geometry().right());
}

QTEST_MAIN(tst_frmPaganDiaryMain)
#include "tst_frmPaganDiaryMain.moc"
