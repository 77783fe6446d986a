#include "calendar/PaganCalendarTool.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "core/Clock.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// The festival calendar as the real launcher opens and takes it back.
class tst_PaganCalendarTool : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void paganButton_opensBrowserAndHidesLauncher();
    void roundTrip_leavesAndFindsBrowserAsItWas();
    void browserExit_bringsLauncherBack();

  private:
    frmMain* startLauncher();
    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<VelloranShell> shell_;
    int ended_ = 0;
};

void tst_PaganCalendarTool::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void tst_PaganCalendarTool::init() {
    env_ = std::make_unique<TestEnvironment>();
    ended_ = 0;
    StartupOptions options;
    options.lockPath = env_->appFolder() + QStringLiteral("/velloran.lock");
    options.random = [] { return 0.5; };
    options.endProgram = [this] { ++ended_; };
    shell_ = std::make_unique<VelloranShell>(options);
    SetToday(QDate(2026, 3, 9));
}

void tst_PaganCalendarTool::cleanup() {
    QCOMPARE(env_->boxes.pending(), 0);
    // The shell lets go of its lock before the folder that holds it goes.
    shell_.reset();
    env_.reset();
}

frmMain* tst_PaganCalendarTool::startLauncher() {
    if (!shell_->Start()) {
        return nullptr;
    }
    return Windows::Loaded<frmMain>();
}

void tst_PaganCalendarTool::paganButton_opensBrowserAndHidesLauncher() {
    frmMain* launcher = startLauncher();
    QVERIFY(launcher);
    QVERIFY(launcher->isVisible());
    QTest::mouseClick(Control(launcher, "cmdSelectOption", 2), Qt::LeftButton);

    auto* browser = Windows::Loaded<frmPaganMain>();
    QVERIFY(browser);
    QVERIFY(browser->isVisible());
    QCOMPARE(Control<QLabel>(browser, "lblMonth")->text(), QStringLiteral("March"));
    QVERIFY(!launcher->isVisible());
    QVERIFY(Windows::IsLoaded<frmMain>());
}

void tst_PaganCalendarTool::roundTrip_leavesAndFindsBrowserAsItWas() {
    frmMain* launcher = startLauncher();
    QVERIFY(launcher);
    QTest::mouseClick(Control(launcher, "cmdSelectOption", 2), Qt::LeftButton);
    auto* browser = Windows::Loaded<frmPaganMain>();
    QVERIFY(browser);
    QTest::mouseClick(Control(browser, "cmdMonthNext"), Qt::LeftButton);
    QTest::mouseClick(Control(browser, "optYear", 3), Qt::LeftButton);
    QTest::mouseClick(Control(browser, "cmdCalendar"), Qt::LeftButton);

    auto* view = Windows::Loaded<frmPaganResultCalendar>();
    QVERIFY(view);
    QVERIFY(Control<QLabel>(view, "lblDisp")->text().startsWith(QStringLiteral("April 30, 2009")));
    Control<QAction>(view, "mnuExit")->trigger();
    QVERIFY(launcher->isVisible());
    QVERIFY(!browser->isVisible());
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());

    // Opening the calendar again finds the browser as it was left.
    QTest::mouseClick(Control(launcher, "cmdSelectOption", 2), Qt::LeftButton);
    QCOMPARE(Windows::Loaded<frmPaganMain>(), browser);
    QVERIFY(browser->isVisible());
    QCOMPARE(Control<QLabel>(browser, "lblMonth")->text(), QStringLiteral("April"));
    QVERIFY(Control<QRadioButton>(browser, "optYear", 3)->isChecked());
    QVERIFY(!launcher->isVisible());

    // Back from a new month view leaves only the browser on screen.
    QTest::mouseClick(Control(browser, "cmdCalendar"), Qt::LeftButton);
    view = Windows::Loaded<frmPaganResultCalendar>();
    QVERIFY(view);
    QTest::mouseClick(Control(view, "cmdBack"), Qt::LeftButton);
    QVERIFY(browser->isVisible());
    QVERIFY(!launcher->isVisible());
    QVERIFY(!Windows::IsLoaded<frmPaganResultCalendar>());
    QCOMPARE(ended_, 0);
}

void tst_PaganCalendarTool::browserExit_bringsLauncherBack() {
    frmMain* launcher = startLauncher();
    QVERIFY(launcher);
    QVERIFY(ShowPaganCalendarTool());
    auto* browser = Windows::Loaded<frmPaganMain>();
    QVERIFY(browser);
    Control<QAction>(browser, "mnuExit")->trigger();
    QVERIFY(!Windows::IsLoaded<frmPaganMain>());
    QVERIFY(launcher->isVisible());
    QCOMPARE(ended_, 0);

    // Closing the launcher ends the program and takes any calendar window with it.
    QTest::mouseClick(Control(launcher, "cmdSelectOption", 2), Qt::LeftButton);
    QVERIFY(Windows::IsLoaded<frmPaganMain>());
    launcher->close();
    QVERIFY(Windows::LoadedForms().isEmpty());
    QCOMPARE(ended_, 1);
}

QTEST_MAIN(tst_PaganCalendarTool)
#include "tst_PaganCalendarTool.moc"
