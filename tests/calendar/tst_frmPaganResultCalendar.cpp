#include "calendar/PaganCalendarValues.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "core/Clock.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
QString lines(const QStringList& parts) {
    return parts.join(QStringLiteral("\r\n"));
}
} // namespace

class tst_frmPaganResultCalendar : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void load_showsChosenMonthAndFestivals_data();
    void load_showsChosenMonthAndFestivals();
    void calendar_staysWithinTheYearsOfTheTable();
    void movingCalendar_leavesFestivalsAlone();
    void back_returnsToBrowserOnFirstTab_data();
    void back_returnsToBrowserOnFirstTab();
    void backThenAnotherMonth_loadsAfresh();
    void exit_showsLauncherAndKeepsBrowserHidden_data();
    void exit_showsLauncherAndKeepsBrowserHidden();
    void closingAll_doesNotBringLauncherBack();

  private:
    // Opens the month view the way a user does: browser, month buttons, year option, button.
    frmPaganResultCalendar* choose(frmPaganMain* browser, int month, int yearIndex);
    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<RecordingShell> shell_;
};

void tst_frmPaganResultCalendar::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void tst_frmPaganResultCalendar::init() {
    env_ = std::make_unique<TestEnvironment>();
    shell_ = std::make_unique<RecordingShell>();
    SetToday(QDate(2026, 6, 15));
}

void tst_frmPaganResultCalendar::cleanup() {
    QCOMPARE(env_->boxes.pending(), 0);
    QVERIFY(env_->boxes.shown().isEmpty());
    shell_.reset();
    env_.reset();
}

frmPaganResultCalendar* tst_frmPaganResultCalendar::choose(frmPaganMain* browser, int month, int yearIndex) {
    const int shown = PaganCalendar::PlatformMonthNumber(Control<QLabel>(browser, "lblMonth")->text());
    for (int m = shown; m > month; --m) {
        QTest::mouseClick(Control(browser, "cmdMonthBack"), Qt::LeftButton);
    }
    for (int m = shown; m < month; ++m) {
        QTest::mouseClick(Control(browser, "cmdMonthNext"), Qt::LeftButton);
    }
    QTest::mouseClick(Control<QRadioButton>(browser, "optYear", yearIndex), Qt::LeftButton);
    QTest::mouseClick(Control(browser, "cmdCalendar"), Qt::LeftButton);
    return Windows::Loaded<frmPaganResultCalendar>();
}

void tst_frmPaganResultCalendar::load_showsChosenMonthAndFestivals_data() {
    QTest::addColumn<QString>("monthName");
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<QString>("festivals");

    QTest::newRow("February 2006") << u"February"_s << u"2006"_s << QDate(2006, 2, 12)
                                   << lines({u"February 2, 2006"_s, u"IMBOLC"_s, u""_s, u"February 13, 2006"_s,
                                             u"Festival of Love : Danu and cernunnos(9 DAYS) 13th Feb Onward"_s, u""_s,
                                             u"February 28, 2006"_s, u"Day of Merriddyn"_s});
    QTest::newRow("January 2009") << u"January"_s << u"2009"_s << QDate(2009, 1, 12)
                                  << lines({u"January 23, 2009"_s, u"Day of Braciaca(2 DAYS)23rd Onward"_s,
                                            u"January 9,2009"_s, u"Raud the Strong`s Day"_s});
    QTest::newRow("March 2007, the calendar's own start")
        << u"March"_s << u"2007"_s << QDate(2007, 3, 12)
        << lines({u"March 1, 2007"_s, u"Feast of Merlin"_s, u""_s, u"March 3, 2007"_s,
                  u"Lesser Mysteries of Rhiannon (4 DAYS) 3rd March Onward"_s, u""_s, u"March 21, 2007"_s,
                  u"SPRING EQUINOX-(Eostre) and the start of the Rites of wine and Pleasure(5 DAYS)"_s});
    QTest::newRow("October 2010") << u"October"_s << u"2010"_s << QDate(2010, 10, 12)
                                  << lines({u"October 23, 2010"_s, u"SAMHAIN"_s, u""_s, u"October 13, 2010"_s,
                                            u"Fontus festival"_s});
    QTest::newRow("December 2012, the last month")
        << u"December"_s << u"2012"_s << QDate(2012, 12, 12)
        << lines({u"December 2, 2012"_s, u"Feast of Rhiannon"_s, u""_s, u"December 12, 2012"_s, u"day of Bellisama"_s,
                  u""_s, u"December 13, 2012"_s, u"Festival of Lights"_s, u""_s, u"December 21, 2012"_s, u"YULE"_s,
                  u""_s, u"December 23, 2012"_s, u"Yuletide Tree and Elder Festival"_s, u""_s, u"December 28, 2012"_s,
                  u"Festival of Wine and pleasure (4 DAYS) 28th December Onward"_s});
    // Names are matched exactly: a name in other letters finds no month.
    QTest::newRow("month name in lower case")
        << u"february"_s << u"2008"_s << QDate(2008, 3, 12) << u"Display Festivals"_s;
    QTest::newRow("month name with a blank") << u"May "_s << u"2011"_s << QDate(2011, 3, 12) << u"Display Festivals"_s;
    // Not reachable from the browser, but the view must neither leave its range nor show a wrong month.
    QTest::newRow("year after the table") << u"April"_s << u"2013"_s << QDate(2007, 4, 12) << u"Display Festivals"_s;
    QTest::newRow("year before the table") << u"April"_s << u"2005"_s << QDate(2007, 4, 12) << u"Display Festivals"_s;
    QTest::newRow("no year at all") << u"April"_s << u""_s << QDate(2007, 4, 12) << u"Display Festivals"_s;
}

void tst_frmPaganResultCalendar::load_showsChosenMonthAndFestivals() {
    QFETCH(QString, monthName);
    QFETCH(QString, yearText);
    QFETCH(QDate, selected);
    QFETCH(QString, festivals);
    auto* view = Windows::Show<frmPaganResultCalendar>();
    QVERIFY(view);
    view->SetChosenMonth(monthName, yearText);
    auto* calendar = Control<QCalendarWidget>(view, "MV");
    QCOMPARE(view->windowTitle(), QStringLiteral("Velloran"));
    QCOMPARE(calendar->selectedDate(), selected);
    QCOMPARE(calendar->yearShown(), selected.year());
    QCOMPARE(calendar->monthShown(), selected.month());
    QCOMPARE(Control<QLabel>(view, "lblDisp")->text(), festivals);
}

void tst_frmPaganResultCalendar::calendar_staysWithinTheYearsOfTheTable() {
    auto* view = Windows::Show<frmPaganResultCalendar>();
    QVERIFY(view);
    view->SetChosenMonth(QStringLiteral("December"), QStringLiteral("2012"));
    auto* calendar = Control<QCalendarWidget>(view, "MV");
    QCOMPARE(calendar->minimumDate(), QDate(2006, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(2012, 12, 31));

    auto* next = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    QVERIFY(next);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(calendar->yearShown(), 2012);
    QCOMPARE(calendar->monthShown(), 12);

    calendar->setSelectedDate(QDate(2005, 12, 31));
    QVERIFY(calendar->selectedDate() >= QDate(2006, 1, 1));
}

void tst_frmPaganResultCalendar::movingCalendar_leavesFestivalsAlone() {
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    QVERIFY(browser);
    auto* view = choose(browser, 6, 1);
    QVERIFY(view);
    const QString festivals = Control<QLabel>(view, "lblDisp")->text();
    QVERIFY(festivals.startsWith(QStringLiteral("June 5, 2007\r\n")));
    auto* calendar = Control<QCalendarWidget>(view, "MV");

    auto* previous = calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_prevmonth"));
    QVERIFY(previous);
    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(calendar->monthShown(), 4);
    calendar->setSelectedDate(QDate(2011, 10, 3));
    QCOMPARE(Control<QLabel>(view, "lblDisp")->text(), festivals);
}

void tst_frmPaganResultCalendar::back_returnsToBrowserOnFirstTab_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File > Back") << true;
}

void tst_frmPaganResultCalendar::back_returnsToBrowserOnFirstTab() {
    QFETCH(bool, byMenu);
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    QVERIFY(browser);
    Control<SSTab>(browser, "SSTGods")->SetTab(7);
    auto* view = choose(browser, 9, 4);
    QVERIFY(view);
    // Whatever the hidden browser was left on, Back brings it up on its first tab.
    Control<SSTab>(browser, "SSTMain")->SetTab(4);

    if (byMenu) {
        Control<QAction>(view, "mnuBack")->trigger();
    } else {
        QTest::mouseClick(Control(view, "cmdBack"), Qt::LeftButton);
    }
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());
    QCOMPARE(Windows::Loaded<frmPaganMain>(), browser);
    QVERIFY(browser->isVisible());
    QCOMPARE(Control<SSTab>(browser, "SSTMain")->Tab(), 0);
    QCOMPARE(Control<QLabel>(browser, "lblMonth")->text(), QStringLiteral("September"));
    QVERIFY(Control<QRadioButton>(browser, "optYear", 4)->isChecked());
    QCOMPARE(shell_->launcherShown, 0);
}

void tst_frmPaganResultCalendar::backThenAnotherMonth_loadsAfresh() {
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    QVERIFY(browser);
    auto* view = choose(browser, 5, 3);
    QVERIFY(view);
    QCOMPARE(Control<QLabel>(view, "lblDisp")->text(),
             lines({u"May 23, 2009"_s, u"Day of Dark Goddess"_s, u"May 4,2009"_s, u"Bank Holiday"_s}));
    Control<QCalendarWidget>(view, "MV")->setSelectedDate(QDate(2009, 5, 30));
    QTest::mouseClick(Control(view, "cmdBack"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    view = choose(browser, 4, 2);
    QVERIFY(view);
    QVERIFY(view->isVisible());
    QCOMPARE(Control<QLabel>(view, "lblDisp")->text(),
             lines({u"April 30, 2008"_s, u"BELTANE- and day of cernunnos"_s}));
    QCOMPARE(Control<QCalendarWidget>(view, "MV")->selectedDate(), QDate(2008, 4, 12));
    QVERIFY(!browser->isVisible());
}

void tst_frmPaganResultCalendar::exit_showsLauncherAndKeepsBrowserHidden_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("File > Exit") << true;
    QTest::newRow("close box") << false;
}

void tst_frmPaganResultCalendar::exit_showsLauncherAndKeepsBrowserHidden() {
    QFETCH(bool, byMenu);
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    QVERIFY(browser);
    auto* view = choose(browser, 11, 6);
    QVERIFY(view);
    if (byMenu) {
        Control<QAction>(view, "mnuExit")->trigger();
    } else {
        view->close();
    }
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());
    QCOMPARE(shell_->launcherShown, 1);
    QCOMPARE(Windows::Loaded<frmPaganMain>(), browser);
    QVERIFY(!browser->isVisible());
    QCOMPARE(Control<QLabel>(browser, "lblMonth")->text(), QStringLiteral("November"));
    QVERIFY(Control<QRadioButton>(browser, "optYear", 6)->isChecked());
}

void tst_frmPaganResultCalendar::closingAll_doesNotBringLauncherBack() {
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    QVERIFY(browser);
    QVERIFY(choose(browser, 1, 0));
    CloseAllWindows();
    QVERIFY(Windows::LoadedForms().isEmpty());
    QCOMPARE(shell_->launcherShown, 0);
    QCOMPARE(shell_->programEnded, 1);
}

QTEST_MAIN(tst_frmPaganResultCalendar)
#include "tst_frmPaganResultCalendar.moc"
