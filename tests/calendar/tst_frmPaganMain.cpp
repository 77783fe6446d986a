#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "core/Clock.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

class tst_frmPaganMain : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void load_showsCurrentMonthOnFirstTab_data();
    void load_showsCurrentMonthOnFirstTab();
    void monthButtons_stepWithoutWrapping_data();
    void monthButtons_stepWithoutWrapping();
    void showCalendar_withoutYear_refusesWithMessage();
    void showCalendar_withYear_handsChoiceToMonthView_data();
    void showCalendar_withYear_handsChoiceToMonthView();
    void yearOptions_areOneGroup();
    void mainTabClicks_resetNextInnerTab_data();
    void mainTabClicks_resetNextInnerTab();
    void tabs_arePageTabsToAssistiveTechnology();
    void mainTab_followsTheTabWidgetKeys();
    void tabControls_keepTheirTabsInRows_data();
    void tabControls_keepTheirTabsInRows();
    void sharedCommands_openTheirPages_data();
    void sharedCommands_openTheirPages();
    void exit_unloadsAndShowsLauncher_data();
    void exit_unloadsAndShowsLauncher();
    void subjectPages_areMadeWhenFirstShown();

  private:
    frmPaganMain* open();
    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<RecordingShell> shell_;
};

void tst_frmPaganMain::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void tst_frmPaganMain::init() {
    env_ = std::make_unique<TestEnvironment>();
    shell_ = std::make_unique<RecordingShell>();
}

void tst_frmPaganMain::cleanup() {
    QCOMPARE(env_->boxes.pending(), 0);
    shell_.reset();
    env_.reset();
}

frmPaganMain* tst_frmPaganMain::open() {
    frmPaganMain* window = Windows::Show<frmPaganMain>();
    if (window) {
        (void)QTest::qWaitForWindowExposed(window);
    }
    return window;
}

void tst_frmPaganMain::load_showsCurrentMonthOnFirstTab_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("month");
    QTest::newRow("new year's day") << QDate(2026, 1, 1) << "January";
    QTest::newRow("leap day") << QDate(2024, 2, 29) << "February";
    QTest::newRow("midsummer") << QDate(2011, 6, 21) << "June";
    QTest::newRow("new year's eve") << QDate(2026, 12, 31) << "December";
}

void tst_frmPaganMain::load_showsCurrentMonthOnFirstTab() {
    QFETCH(QDate, today);
    QFETCH(QString, month);
    SetToday(today);
    frmPaganMain* window = open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Velloran"));
    QCOMPARE(Control<QLabel>(window, "lblMonth")->text(), month);
    QCOMPARE(Control<SSTab>(window, "SSTMain")->Tab(), 0);
    QCOMPARE(Control<SSTab>(window, "SSTMain")->TabCaption(0), QStringLiteral("Pagan Calendar"));
    // The inner controls start where they were left when the window was made.
    const auto front = [window](const char* name) {
        const SSTab* tabs = Control<SSTab>(window, name);
        return tabs->TabCaption(tabs->Tab());
    };
    QCOMPARE(front("SSTFestiveSeasons"), QStringLiteral("Yule"));
    QCOMPARE(front("SSTElements"), QStringLiteral("Spirit"));
    QCOMPARE(front("SSTGods"), QStringLiteral("Sucellus"));
    QCOMPARE(front("SSTGoddesses"), QStringLiteral("Arianrhod"));
}

void tst_frmPaganMain::monthButtons_stepWithoutWrapping_data() {
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<int>("backClicks");
    QTest::addColumn<int>("nextClicks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("back from January stays") << 1 << 1 << 0 << "January";
    QTest::newRow("next from December stays") << 12 << 0 << 1 << "December";
    QTest::newRow("back from March runs into January") << 3 << 5 << 0 << "January";
    QTest::newRow("next from October runs into December") << 10 << 0 << 5 << "December";
    QTest::newRow("stuck at January, then forward") << 1 << 3 << 2 << "March";
    QTest::newRow("stuck at December, then back") << 12 << 0 << 4 << "December";
    QTest::newRow("one step back") << 7 << 1 << 0 << "June";
    QTest::newRow("one step on") << 7 << 0 << 1 << "August";
}

void tst_frmPaganMain::monthButtons_stepWithoutWrapping() {
    QFETCH(int, startMonth);
    QFETCH(int, backClicks);
    QFETCH(int, nextClicks);
    QFETCH(QString, shown);
    SetToday(QDate(2010, startMonth, 15));
    frmPaganMain* window = open();
    QVERIFY(window);
    for (int i = 0; i < backClicks; ++i) {
        QTest::mouseClick(Control(window, "cmdMonthBack"), Qt::LeftButton);
    }
    for (int i = 0; i < nextClicks; ++i) {
        QTest::mouseClick(Control(window, "cmdMonthNext"), Qt::LeftButton);
    }
    QCOMPARE(Control<QLabel>(window, "lblMonth")->text(), shown);
    QVERIFY(env_->boxes.shown().isEmpty());
}

void tst_frmPaganMain::showCalendar_withoutYear_refusesWithMessage() {
    frmPaganMain* window = open();
    QVERIFY(window);
    env_->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(Control(window, "cmdCalendar"), Qt::LeftButton);

    QCOMPARE(env_->boxes.shown().size(), 1);
    const MessageRequest& box = env_->boxes.shown().first();
    QCOMPARE(box.text, QStringLiteral("Please Select A Year"));
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());
    QVERIFY(window->isVisible());
}

void tst_frmPaganMain::showCalendar_withYear_handsChoiceToMonthView_data() {
    QTest::addColumn<int>("yearIndex");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QString>("monthName");
    QTest::newRow("2006, first option") << 0 << 2 << u"2006"_s << u"February"_s;
    QTest::newRow("2009") << 3 << 4 << u"2009"_s << u"April"_s;
    QTest::newRow("2012, alone in its row") << 6 << 12 << u"2012"_s << u"December"_s;
}

void tst_frmPaganMain::showCalendar_withYear_handsChoiceToMonthView() {
    QFETCH(int, yearIndex);
    QFETCH(int, month);
    QFETCH(QString, yearText);
    QFETCH(QString, monthName);
    SetToday(QDate(2026, month, 7));
    frmPaganMain* window = open();
    QVERIFY(window);
    QTest::mouseClick(Control<QRadioButton>(window, "optYear", yearIndex), Qt::LeftButton);
    QVERIFY(Control<QRadioButton>(window, "optYear", yearIndex)->isChecked());
    QTest::mouseClick(Control(window, "cmdCalendar"), Qt::LeftButton);

    auto* view = Windows::Loaded<frmPaganResultCalendar>();
    QVERIFY(view);
    QCOMPARE(Control<QCalendarWidget>(view, "MV")->selectedDate(), QDate(yearText.toInt(), month, 12));
    QVERIFY(Control<QLabel>(view, "lblDisp")->text().startsWith(monthName));
    QVERIFY(view->isVisible());
    // Hidden, not unloaded: the choice is still there for the way back.
    QCOMPARE(Windows::Loaded<frmPaganMain>(), window);
    QVERIFY(!window->isVisible());
    QVERIFY(Control<QRadioButton>(window, "optYear", yearIndex)->isChecked());
    QCOMPARE(shell_->launcherShown, 0);

    // The next run opens on that month and year, once; opened again in the same run it starts as it always did.
    SetToday(QDate(2026, month % 12 + 1, 7));
    for (const bool nextRun : {true, false}) {
        Windows::ResetForTests();
        if (nextRun) {
            env_->services.givenBackThisRun.clear();
        }
        window = open();
        QCOMPARE(Control<QLabel>(window, "lblMonth")->text(), QLocale().monthName(nextRun ? month : month % 12 + 1));
        QCOMPARE(Control<QRadioButton>(window, "optYear", yearIndex)->isChecked(), nextRun);
    }
}

void tst_frmPaganMain::yearOptions_areOneGroup() {
    frmPaganMain* window = open();
    QVERIFY(window);
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        QVERIFY(!option->isChecked());
    }
    QTest::mouseClick(Control<QRadioButton>(window, "optYear", 1), Qt::LeftButton);
    QTest::mouseClick(Control<QRadioButton>(window, "optYear", 5), Qt::LeftButton);
    int checked = 0;
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        checked += option->isChecked() ? 1 : 0;
    }
    QCOMPARE(checked, 1);
    QVERIFY(Control<QRadioButton>(window, "optYear", 5)->isChecked());
    QCOMPARE(Control<QRadioButton>(window, "optYear", 5)->text(), QStringLiteral("2011"));
}

void tst_frmPaganMain::mainTabClicks_resetNextInnerTab_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");

    struct Case {
        const char* name;
        QList<int> clicks;
        const char* control;
        const char* shown;
    };
    const Case cases[] = {
        {"gods straight after opening", {4}, "SSTGods", "Sucellus"},
        {"elements, then gods", {3, 4}, "SSTGods", "Angus of the Brugh"},
        {"elements straight after opening", {3}, "SSTElements", "Spirit"},
        {"festive seasons, then elements", {2, 3}, "SSTElements", "Earth"},
        {"back to the calendar changes nothing", {3, 0, 4}, "SSTGods", "Angus of the Brugh"},
        {"goddesses themselves change nothing", {5}, "SSTGoddesses", "Danu"},
        {"gods reset goddesses", {5, 4}, "SSTGoddesses", "Arianrhod"},
        {"information resets festive seasons", {1}, "SSTFestiveSeasons", "Yule"},
    };
    // A mouse click, or a screen reader's press or toggle: every way of choosing a tab runs the same steps.
    for (const char* way : {"click", "press", "toggle"}) {
        for (const Case& c : cases) {
            QTest::addRow("%s: %s", way, c.name) << way << c.clicks << c.control << c.shown;
        }
    }
}

void tst_frmPaganMain::mainTabClicks_resetNextInnerTab() {
    QFETCH(QString, way);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    frmPaganMain* window = open();
    QVERIFY(window);
    SSTab* mainTabs = Control<SSTab>(window, "SSTMain");
    // Leave every inner control away from its first tab, as a reader would.
    Control<SSTab>(window, "SSTFestiveSeasons")->SetTab(3);
    Control<SSTab>(window, "SSTGoddesses")->SetTab(4);

    for (int tab : clicks) {
        QAbstractButton* button = mainTabs->TabButton(tab);
        QVERIFY(button);
        if (way == QLatin1String("click")) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
            QVERIFY(spoken && spoken->actionInterface());
            spoken->actionInterface()->doAction(way == QLatin1String("press")
                                                    ? QAccessibleActionInterface::pressAction()
                                                    : QAccessibleActionInterface::toggleAction());
        }
        QCOMPARE(mainTabs->Tab(), tab);
        QVERIFY(mainTabs->Page(tab)->isVisibleTo(window));
    }
    auto* inner = window->findChild<SSTab*>(control);
    QVERIFY(inner);
    QCOMPARE(inner->TabCaption(inner->Tab()), shown);
    QVERIFY(inner->Page(inner->Tab())->isVisibleTo(inner));
}

void tst_frmPaganMain::tabs_arePageTabsToAssistiveTechnology() {
    frmPaganMain* window = open();
    QVERIFY(window);
    SSTab* mainTabs = Control<SSTab>(window, "SSTMain");
    mainTabs->SetTab(3);
    for (int tab = 0; tab < mainTabs->TabCount(); ++tab) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(mainTabs->TabButton(tab));
        QVERIFY(spoken);
        QCOMPARE(spoken->role(), QAccessible::PageTab);
        QCOMPARE(spoken->text(QAccessible::Name), mainTabs->TabCaption(tab));
        QVERIFY(spoken->state().selectable);
        QCOMPARE(bool(spoken->state().selected), tab == 3);
        QVERIFY(!spoken->state().checkable);
    }
}

void tst_frmPaganMain::mainTab_followsTheTabWidgetKeys() {
    frmPaganMain* window = open();
    QVERIFY(window);
    SSTab* mainTabs = Control<SSTab>(window, "SSTMain");
    QVERIFY(QTest::qWaitForWindowActive(window));
    Control<SSTab>(window, "SSTFestiveSeasons")->SetTab(3);
    mainTabs->TabButton(0)->setFocus();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    } presses[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},    {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_PageUp, Qt::ControlModifier, 1}, {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 5}, {Qt::Key_Tab, Qt::ControlModifier, 0},
    };
    for (const auto& press : presses) {
        QTest::keyClick(QApplication::focusWidget(), press.key, press.modifiers);
        QCOMPARE(mainTabs->Tab(), press.tab);
        QVERIFY(mainTabs->Page(press.tab)->isVisibleTo(window));
        QCOMPARE(QApplication::focusWidget(), mainTabs->TabButton(press.tab));
    }
    // Passing "Pagan Information" ran its tab-change step.
    QCOMPARE(Control<SSTab>(window, "SSTFestiveSeasons")->Tab(), 0);
}

void tst_frmPaganMain::tabControls_keepTheirTabsInRows_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("mainTab");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("SSTMain") << u"SSTMain"_s << 0 << 6
                             << QStringList{u"Pagan Calendar"_s, u"Pagan Information"_s, u"Pagan Festive Seasons"_s,
                                            u"Pagan Elements"_s, u"Pagan Gods"_s,        u"Pagan Goddesses"_s};
    QTest::newRow("SSTFestiveSeasons") << u"SSTFestiveSeasons"_s << 2 << 8
                                       << QStringList{u"Yule"_s,  u"Candlemas"_s, u"Eostar"_s, u"Samhain"_s,
                                                      u"Mabon"_s, u"Litha"_s,     u"Beltan"_s, u"Lughnasad"_s};
    QTest::newRow("SSTElements") << u"SSTElements"_s << 3 << 5
                                 << QStringList{u"Earth"_s, u"Air"_s, u"Fire"_s, u"Water"_s, u"Spirit"_s};
    QTest::newRow("SSTGods") << u"SSTGods"_s << 4 << 6
                             << QStringList{u"Angus of the Brugh"_s,
                                            u"Cernunnos"_s,
                                            u"Dagda"_s,
                                            u"Dian Cecht"_s,
                                            u"Dis Pater"_s,
                                            u"Donn"_s,
                                            u"Esus"_s,
                                            u"Govannon"_s,
                                            u"Lug or Lugh"_s,
                                            u"Nuadhu or Nud/ Nodens/ Lud"_s,
                                            u"Ogmios"_s,
                                            u"Sucellus"_s};
    QTest::newRow("SSTGoddesses") << u"SSTGoddesses"_s << 5 << 6
                                  << QStringList{u"Arianrhod"_s,           u"Badb"_s, u"Brighit or Brigit"_s,
                                                 u"Caridwen or Hen Wen"_s, u"Danu"_s, u"Epona"_s};
}

void tst_frmPaganMain::tabControls_keepTheirTabsInRows() {
    QFETCH(QString, control);
    QFETCH(int, mainTab);
    QFETCH(int, perRow);
    QFETCH(QStringList, captions);
    frmPaganMain* window = open();
    QVERIFY(window);
    Control<SSTab>(window, "SSTMain")->SetTab(mainTab);
    auto* tabs = window->findChild<SSTab*>(control);
    QVERIFY(tabs);
    QVERIFY(tabs->isVisible());
    QCOMPARE(tabs->TabCount(), captions.size());

    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(tabs->TabCaption(i), captions[i]);
        const QRect here = tabs->TabButton(i)->geometry();
        const QRect rowStart = tabs->TabButton(i - i % perRow)->geometry();
        // Same row as the first tab of its row, and left to right within it.
        QCOMPARE(here.top(), rowStart.top());
        if (i % perRow != 0) {
            QVERIFY(here.left() > tabs->TabButton(i - 1)->geometry().left());
        } else if (i > 0) {
            QVERIFY(here.top() > tabs->TabButton(i - 1)->geometry().top());
        }
        // Every caption is readable in full.
        QVERIFY2(tabs->TabButton(i)->width() >= tabs->TabButton(i)->sizeHint().width(), qPrintable(captions[i]));
    }
}

void tst_frmPaganMain::sharedCommands_openTheirPages_data() {
    QTest::addColumn<bool>("monthView");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("page");
    for (bool monthView : {false, true}) {
        const char* window = monthView ? "month view" : "browser";
        QTest::addRow("%s: brand frame", window) << monthView << "fraFullBrand"
                                                 << "fully-branded";
        QTest::addRow("%s: forum line", window) << monthView << "Label14"
                                                << "home-page";
        QTest::addRow("%s: update item", window) << monthView << "mnuUpdate"
                                                 << "download-web-page";
        QTest::addRow("%s: donate", window) << monthView << "mnuDonate"
                                            << "donate";
        QTest::addRow("%s: about", window) << monthView << "mnuAbout"
                                           << "";
    }
}

void tst_frmPaganMain::sharedCommands_openTheirPages() {
    QFETCH(bool, monthView);
    QFETCH(QString, command);
    QFETCH(QString, page);
    frmPaganMain* browser = open();
    QVERIFY(browser);
    QMainWindow* window = browser;
    if (monthView) {
        QTest::mouseClick(Control(browser, "optYear", 0), Qt::LeftButton);
        QTest::mouseClick(Control(browser, "cmdCalendar"), Qt::LeftButton);
        window = Windows::Loaded<frmPaganResultCalendar>();
        QVERIFY(window);
    }
    QVERIFY(window->isVisible());
    // The calendar windows put the fully-branded text in front and name the update item their own way.
    QVERIFY(Control(window, "lblFullBrand")->isVisible());
    QVERIFY(!Control(window, "lblCobrand")->isVisible());
    QCOMPARE(Control<QAction>(window, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));

    if (command == QLatin1String("fraFullBrand")) {
        QTest::mouseClick(Control(window, "lblFullBrand"), Qt::LeftButton);
    } else if (command == QLatin1String("Label14")) {
        QTest::mouseClick(Control(window, "Label14"), Qt::LeftButton);
    } else {
        auto* action = window->findChild<QAction*>(command);
        QVERIFY(action);
        action->trigger();
    }
    if (page.isEmpty()) {
        QCOMPARE(shell_->aboutShown, 1);
        QVERIFY(env_->pages.pageKeys().isEmpty());
    } else {
        QCOMPARE(env_->pages.pageKeys(), QStringList{page});
    }
}

void tst_frmPaganMain::exit_unloadsAndShowsLauncher_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void tst_frmPaganMain::exit_unloadsAndShowsLauncher() {
    QFETCH(bool, byMenu);
    frmPaganMain* window = open();
    QVERIFY(window);
    QTest::mouseClick(Control<QRadioButton>(window, "optYear", 2), Qt::LeftButton);
    if (byMenu) {
        Control<QAction>(window, "mnuExit")->trigger();
    } else {
        window->close();
    }
    QVERIFY(!Windows::IsLoaded<frmPaganMain>());
    QCOMPARE(shell_->launcherShown, 1);

    // The next opening is a fresh load: no year is chosen any more.
    frmPaganMain* again = open();
    QVERIFY(again);
    for (QRadioButton* option : again->findChildren<QRadioButton*>()) {
        QVERIFY(!option->isChecked());
    }
}

void tst_frmPaganMain::subjectPages_areMadeWhenFirstShown() {
    frmPaganMain* window = open();
    QVERIFY(window);
    // Looked up without failing: a page not made yet has no text.
    const auto god = [window](int i) { return window->findChild<QLabel*>(u"lblGods_%1"_s.arg(i)); };
    QVERIFY(window->findChildren<QLabel*>(QRegularExpression(u"^lblGods_"_s)).isEmpty());
    QVERIFY(!window->findChild<QLabel*>(u"Label1"_s));
    QTest::mouseClick(Control<SSTab>(window, "SSTMain")->TabButton(4), Qt::LeftButton);
    // The page on show: Sucellus, his text and his picture.
    QVERIFY(god(11));
    QVERIFY(god(11)->isVisible());
    QVERIFY(god(11)->text().startsWith(QStringLiteral("He is the god of forest and agriculture.")));
    QVERIFY(!Control<QLabel>(window, "imgPictures", 16)->pixmap().isNull());
    QVERIFY(!god(0));
    // Asking for a page makes it, and choosing its tab shows it.
    QVERIFY(Control<SSTab>(window, "SSTGods")->Page(0));
    QVERIFY(god(0));
    QTest::mouseClick(Control<SSTab>(window, "SSTGods")->TabButton(0), Qt::LeftButton);
    QVERIFY(god(0)->isVisible());
    QVERIFY(!god(11)->isVisible());
    QTest::mouseClick(Control<SSTab>(window, "SSTMain")->TabButton(1), Qt::LeftButton);
    QVERIFY(Control(window, "Label1")->isVisible());
    QVERIFY(Control<QLabel>(window, "Label2")
                ->text()
                .startsWith(QStringLiteral("The oldest known religion to humanity is Paganism.")));
}

QTEST_MAIN(tst_frmPaganMain)
#include "tst_frmPaganMain.moc"
