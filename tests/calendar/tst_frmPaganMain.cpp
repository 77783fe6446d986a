#include "calendar/PaganCalendarValues.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "common/Clock.h"
#include "common/Windows.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
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
    void tabControls_keepTheirTabsInRows_data();
    void tabControls_keepTheirTabsInRows();
    void sharedCommands_openTheirPages_data();
    void sharedCommands_openTheirPages();
    void exit_unloadsAndShowsLauncher_data();
    void exit_unloadsAndShowsLauncher();

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
    PaganCalendar::SelectedMonthName.clear();
    PaganCalendar::SelectedYearText.clear();
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
    QCOMPARE(window->lblMonth->text(), month);
    QCOMPARE(window->SSTMain->Tab(), 0);
    QCOMPARE(window->SSTMain->TabCaption(0), QStringLiteral("Pagan Calendar"));
    // The inner controls start where they were left when the window was made.
    QCOMPARE(window->SSTFestiveSeasons->TabCaption(window->SSTFestiveSeasons->Tab()), QStringLiteral("Yule"));
    QCOMPARE(window->SSTElements->TabCaption(window->SSTElements->Tab()), QStringLiteral("Spirit"));
    QCOMPARE(window->SSTGods->TabCaption(window->SSTGods->Tab()), QStringLiteral("Sucellus"));
    QCOMPARE(window->SSTGoddesses->TabCaption(window->SSTGoddesses->Tab()), QStringLiteral("Arianrhod"));
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
        QTest::mouseClick(window->cmdMonthBack, Qt::LeftButton);
    }
    for (int i = 0; i < nextClicks; ++i) {
        QTest::mouseClick(window->cmdMonthNext, Qt::LeftButton);
    }
    QCOMPARE(window->lblMonth->text(), shown);
    QVERIFY(env_->boxes.shown().isEmpty());
}

void tst_frmPaganMain::showCalendar_withoutYear_refusesWithMessage() {
    frmPaganMain* window = open();
    QVERIFY(window);
    env_->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(window->cmdCalendar, Qt::LeftButton);

    QCOMPARE(env_->boxes.shown().size(), 1);
    const MessageRequest& box = env_->boxes.shown().first();
    QCOMPARE(box.text, QStringLiteral("Please Select A Year"));
    QCOMPARE(box.title, QStringLiteral("Velloran"));
    QCOMPARE(box.icon, MsgIcon::Critical);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());
    QVERIFY(window->isVisible());
    QVERIFY(PaganCalendar::SelectedYearText.isEmpty());
    QVERIFY(PaganCalendar::SelectedMonthName.isEmpty());
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
    QTest::mouseClick(window->optYear[yearIndex], Qt::LeftButton);
    QVERIFY(window->optYear[yearIndex]->isChecked());
    QTest::mouseClick(window->cmdCalendar, Qt::LeftButton);

    QCOMPARE(PaganCalendar::SelectedYearText, yearText);
    QCOMPARE(PaganCalendar::SelectedMonthName, monthName);
    auto* view = Windows::Loaded<frmPaganResultCalendar>();
    QVERIFY(view);
    QVERIFY(view->isVisible());
    // Hidden, not unloaded: the choice is still there for the way back.
    QCOMPARE(Windows::Loaded<frmPaganMain>(), window);
    QVERIFY(!window->isVisible());
    QVERIFY(window->optYear[yearIndex]->isChecked());
    QCOMPARE(shell_->launcherShown, 0);
}

void tst_frmPaganMain::yearOptions_areOneGroup() {
    frmPaganMain* window = open();
    QVERIFY(window);
    for (QRadioButton* option : window->optYear) {
        QVERIFY(!option->isChecked());
    }
    QTest::mouseClick(window->optYear[1], Qt::LeftButton);
    QTest::mouseClick(window->optYear[5], Qt::LeftButton);
    int checked = 0;
    for (QRadioButton* option : window->optYear) {
        checked += option->isChecked() ? 1 : 0;
    }
    QCOMPARE(checked, 1);
    QVERIFY(window->optYear[5]->isChecked());
    QCOMPARE(window->optYear[5]->text(), QStringLiteral("2011"));
}

void tst_frmPaganMain::mainTabClicks_resetNextInnerTab_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");

    QTest::newRow("gods straight after opening") << QList<int>{4} << u"SSTGods"_s << u"Sucellus"_s;
    QTest::newRow("elements, then gods") << QList<int>{3, 4} << u"SSTGods"_s << u"Angus of the Brugh"_s;
    QTest::newRow("elements straight after opening") << QList<int>{3} << u"SSTElements"_s << u"Spirit"_s;
    QTest::newRow("festive seasons, then elements") << QList<int>{2, 3} << u"SSTElements"_s << u"Earth"_s;
    QTest::newRow("back to the calendar changes nothing")
        << QList<int>{3, 0, 4} << u"SSTGods"_s << u"Angus of the Brugh"_s;
    QTest::newRow("goddesses themselves change nothing") << QList<int>{5} << u"SSTGoddesses"_s << u"Danu"_s;
    QTest::newRow("gods reset goddesses") << QList<int>{5, 4} << u"SSTGoddesses"_s << u"Arianrhod"_s;
    QTest::newRow("information resets festive seasons") << QList<int>{1} << u"SSTFestiveSeasons"_s << u"Yule"_s;
}

void tst_frmPaganMain::mainTabClicks_resetNextInnerTab() {
    QFETCH(QList<int>, clicks);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    frmPaganMain* window = open();
    QVERIFY(window);
    // Leave every inner control away from its first tab, as a reader would.
    window->SSTFestiveSeasons->SetTab(3);
    window->SSTGoddesses->SetTab(4);

    for (int tab : clicks) {
        QAbstractButton* button = window->SSTMain->TabButton(tab);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(window->SSTMain->Tab(), tab);
    }
    auto* inner = window->findChild<SSTab*>(control);
    QVERIFY(inner);
    QCOMPARE(inner->TabCaption(inner->Tab()), shown);
    QVERIFY(inner->Page(inner->Tab())->isVisibleTo(inner));
}

void tst_frmPaganMain::tabControls_keepTheirTabsInRows_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("mainTab");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("SSTMain") << "SSTMain" << 0 << 6
                             << QStringList{"Pagan Calendar", "Pagan Information", "Pagan Festive Seasons",
                                            "Pagan Elements", "Pagan Gods",        "Pagan Goddesses"};
    QTest::newRow("SSTFestiveSeasons") << "SSTFestiveSeasons" << 2 << 8
                                       << QStringList{"Yule",  "Candlemas", "Eostar", "Samhain",
                                                      "Mabon", "Litha",     "Beltan", "Lughnasad"};
    QTest::newRow("SSTElements") << "SSTElements" << 3 << 5 << QStringList{"Earth", "Air", "Fire", "Water", "Spirit"};
    QTest::newRow("SSTGods") << "SSTGods" << 4 << 6
                             << QStringList{"Angus of the Brugh",
                                            "Cernunnos",
                                            "Dagda",
                                            "Dian Cecht",
                                            "Dis Pater",
                                            "Donn",
                                            "Esus",
                                            "Govannon",
                                            "Lug or Lugh",
                                            "Nuadhu or Nud/ Nodens/ Lud",
                                            "Ogmios",
                                            "Sucellus"};
    QTest::newRow("SSTGoddesses") << "SSTGoddesses" << 5 << 6
                                  << QStringList{"Arianrhod",           "Badb", "Brighit or Brigit",
                                                 "Caridwen or Hen Wen", "Danu", "Epona"};
}

void tst_frmPaganMain::tabControls_keepTheirTabsInRows() {
    QFETCH(QString, control);
    QFETCH(int, mainTab);
    QFETCH(int, perRow);
    QFETCH(QStringList, captions);
    frmPaganMain* window = open();
    QVERIFY(window);
    window->SSTMain->SetTab(mainTab);
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
    BrandFrame* brand = browser->fraFullBrand;
    ClickLabel* forum = browser->Label14;
    SharedMenus* menus = &browser->menus;
    if (monthView) {
        QTest::mouseClick(browser->optYear[0], Qt::LeftButton);
        QTest::mouseClick(browser->cmdCalendar, Qt::LeftButton);
        auto* view = Windows::Loaded<frmPaganResultCalendar>();
        QVERIFY(view);
        window = view;
        brand = view->fraFullBrand;
        forum = view->Label14;
        menus = &view->menus;
    }
    QVERIFY(window->isVisible());
    // The calendar windows put the fully-branded text in front and name the update item their own way.
    QVERIFY(brand->lblFullBrand->isVisible());
    QVERIFY(!brand->lblCobrand->isVisible());
    QCOMPARE(menus->mnuUpdate->text(), QStringLiteral("Check for Software &Update"));

    if (command == QLatin1String("fraFullBrand")) {
        QTest::mouseClick(brand->lblFullBrand, Qt::LeftButton);
    } else if (command == QLatin1String("Label14")) {
        QTest::mouseClick(forum, Qt::LeftButton);
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
    QTest::mouseClick(window->optYear[2], Qt::LeftButton);
    if (byMenu) {
        window->menus.mnuExit->trigger();
    } else {
        window->close();
    }
    QVERIFY(!Windows::IsLoaded<frmPaganMain>());
    QCOMPARE(shell_->launcherShown, 1);

    // The next opening is a fresh load: no year is chosen any more.
    frmPaganMain* again = open();
    QVERIFY(again);
    for (QRadioButton* option : again->optYear) {
        QVERIFY(!option->isChecked());
    }
}

QTEST_MAIN(tst_frmPaganMain)
#include "tst_frmPaganMain.moc"
