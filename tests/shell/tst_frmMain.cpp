#include "shell/Startup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"
#include "ui/WebPages.h"
#include "ui/Windows.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {
int toolUnloads = 0;

// A tick of a blink timer, without waiting for it.
void tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

// Stands in for a tool's first window: its close box brings the launcher back, as the tools' windows do.
class FakeTool : public FormWindow {
  public:
    void onUnload() override {
        ++toolUnloads;
        ShowLauncher();
    }
};
} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        ended = 0;
        toolUnloads = 0;
        StartupOptions options;
        options.lockPath = env->appFolder() + u"/velloran.lock"_s;
        options.random = [] { return 0.0; };
        options.endProgram = [this] { ++ended; };
        shell = std::make_unique<VelloranShell>(options);
        QVERIFY(shell->Start());
        launcher = Windows::Loaded<frmMain>();
        QVERIFY(QTest::qWaitForWindowExposed(launcher));
        forumLine = Control<ClickLabel>(launcher, "lblCorvell");
        timer1 = Control<QTimer>(launcher, "Timer1");
        timer2 = Control<QTimer>(launcher, "Timer2");
    }
    void cleanup() {
        shell.reset();
        env.reset();
    }

    void look_matchesTheLauncher() {
        auto* dowsing = Control<QGroupBox>(launcher, "Frame1");
        auto* diary = Control<QGroupBox>(launcher, "Frame3");
        auto* calendar = Control<QGroupBox>(launcher, "Frame4");
        auto* welcome = Control<QLabel>(launcher, "Label1");
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Velloran v1.30"));
        QCOMPARE(launcher->centralWidget()->size(), QSize(553, 453));
        QCOMPARE(launcher->palette().color(QPalette::Window), QColor(74, 29, 180));
        for (QGroupBox* frame : {dowsing, diary, calendar}) {
            QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(255, 255, 192));
        }
        QCOMPARE(welcome->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(forumLine->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(QFontInfo(welcome->font()).family().contains(u"Verdana"_s) ||
                QFontInfo(welcome->font()).family().contains(u"DejaVu Sans"_s));
        // The tool buttons, by array index, and the frames they sit in, top to bottom.
        QCOMPARE(Control<QPushButton>(launcher, "cmdSelectOption", 0)->text(), QStringLiteral("Dowsing"));
        QCOMPARE(Control<QPushButton>(launcher, "cmdSelectOption", 1)->text(), QStringLiteral("Pagan Diary"));
        QCOMPARE(Control<QPushButton>(launcher, "cmdSelectOption", 2)->text(), QStringLiteral("Pagan"));
        QCOMPARE(Control(launcher, "cmdSelectOption", 0)->parentWidget(), dowsing);
        QCOMPARE(Control(launcher, "cmdSelectOption", 1)->parentWidget(), diary);
        QCOMPARE(Control(launcher, "cmdSelectOption", 2)->parentWidget(), calendar);
        QVERIFY(calendar->y() < dowsing->y() && dowsing->y() < diary->y());
        QCOMPARE(calendar->title(), QStringLiteral("Pagan"));
        QCOMPARE(dowsing->title(), QStringLiteral("Dowsing"));
        QCOMPARE(diary->title(), QStringLiteral("Pagan Diary"));
        QCOMPARE(forumLine->text(), u"The Most Popular Online Mystic Discussion Board. Best Resource For "
                                    u"Everything Mystic. Visit "_s +
                                        MakerWebAddress() + u" Now"_s);
    }

    // Each tool frame holds its picture and its button, nothing more; the picture has the pixels of the screen
    // (tst_frmMain_hidpi runs this at a device pixel ratio of 2) and lies wholly inside its square.
    void toolFrames_holdASharpWholePictureAndTheButton() {
        const std::array<QWidget*, 3> frames{Control(launcher, "Frame1"), Control(launcher, "Frame3"),
                                             Control(launcher, "Frame4")};
        for (int i = 0; i < 3; ++i) {
            const auto parts = frames[i]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            QCOMPARE(
                QSet<QWidget*>(parts.begin(), parts.end()),
                (QSet<QWidget*>{Control<QLabel>(launcher, "picIcon", i), Control(launcher, "cmdSelectOption", i)}));
            const QPixmap picture = Control<QLabel>(launcher, "picIcon", i)->pixmap();
            QCOMPARE(picture.devicePixelRatio(), launcher->devicePixelRatioF());
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(Control<QLabel>(launcher, "picIcon", i)->size()));
            const QImage image = picture.toImage();
            for (int along = 0; along < image.width(); ++along) {
                for (const QPoint edge : {QPoint(along, 0), QPoint(along, image.height() - 1), QPoint(0, along),
                                          QPoint(image.width() - 1, along)}) {
                    QVERIFY2(qAlpha(image.pixel(edge)) == 0, qPrintable(QStringLiteral("picture %1 is cut").arg(i)));
                }
            }
        }
    }

    void menus_captionsAndPages() {
        QStringList file;
        for (QAction* action : Control<QMenu>(launcher, "nuFile")->actions()) {
            file << action->text() + (action->isEnabled() ? u""_s : u" (off)"_s);
        }
        QCOMPARE(file, (QStringList{u"&Next (off)"_s, u"E&xit"_s}));
        QCOMPARE(Control<QAction>(launcher, "mnuUpdate")->text(), QStringLiteral("&Check for Software Update"));
        QVERIFY(!Control<QAction>(launcher, "mnuMakeMoney")->isEnabled());

        Control<QAction>(launcher, "mnuOnline")->trigger();
        Control<QAction>(launcher, "mnuVisit")->trigger();
        Control<QAction>(launcher, "mnuUpdate")->trigger();
        Control<QAction>(launcher, "mnuDonate")->trigger();
        Control<QAction>(launcher, "mnuMakeMoney")->trigger(); // not choosable: nothing opens
        QCOMPARE(env->pages.pageKeys(),
                 (QStringList{u"help-web-page"_s, u"home-page"_s, u"download-web-page"_s, u"donate"_s}));
    }

    void labels_openTheirPages() {
        QTest::mouseClick(forumLine, Qt::LeftButton);
        // The draw of 0 put the co-brand text in front.
        QTest::mouseClick(Control<ClickLabel>(launcher, "lblCobrand"), Qt::LeftButton);
        Control<BrandFrame>(launcher, "fraFullBrand")->BringToFront(BrandFrame::Front::FullBrand);
        QTest::mouseClick(Control<ClickLabel>(launcher, "lblFullBrand"), Qt::LeftButton);
        QCOMPARE(env->pages.pageKeys(), (QStringList{u"home-page"_s, u"co-brand"_s, u"fully-branded"_s}));
    }

    void blink_showsEverySecond_hidesEveryTwo() {
        QCOMPARE(timer1->interval(), 1000);
        QCOMPARE(timer2->interval(), 2000);
        QVERIFY(timer1->isActive() && timer2->isActive());
        // Over real time, the line is seen hidden and then seen again.
        QTRY_VERIFY_WITH_TIMEOUT(!forumLine->isVisible(), 4500);
        QTRY_VERIFY_WITH_TIMEOUT(forumLine->isVisible(), 2500);

        timer1->stop();
        timer2->stop();
        tick(timer2);
        QVERIFY(!forumLine->isVisible());
        tick(timer1);
        QVERIFY(forumLine->isVisible());
    }

    void pointing_stopsAndResumesTheBlink() {
        // While the line is hidden, the pointer is over its frame, which keeps the blink going.
        forumLine->hide();
        timer1->stop();
        QTest::mouseMove(Control(launcher, "Frame2"), forumLine->geometry().center());
        QTRY_VERIFY(timer1->isActive());

        // Pointing at the line while it is shown makes it stand still, visible.
        forumLine->show();
        QTest::mouseMove(forumLine, forumLine->rect().center() + QPoint(3, 0));
        QTRY_VERIFY(!timer1->isActive());
        QVERIFY(!timer2->isActive());
        QVERIFY(forumLine->isVisible());

        // The "Pagan" frame does not restart it.
        QWidget* calendar = Control(launcher, "Frame4");
        QTest::mouseMove(calendar, QPoint(calendar->width() - 4, calendar->height() - 4));
        QTest::qWait(50);
        QVERIFY(!timer1->isActive() && !timer2->isActive());

        // Each of the other three frames does.
        for (QWidget* frame : std::initializer_list<QWidget*>{Control(launcher, "Frame1"), Control(launcher, "Frame2"),
                                                              Control(launcher, "Frame3")}) {
            QTest::mouseMove(forumLine, forumLine->rect().center());
            QTRY_VERIFY(!timer1->isActive());
            QTest::mouseMove(frame, QPoint(frame->width() - 3, frame->height() - 3));
            QTRY_VERIFY2(timer1->isActive() && timer2->isActive(), qPrintable(frame->objectName()));
        }
    }

    void restlessMouseOverAFrame_doesNotHoldTheBlink() {
        QTest::qWait(400);
        const int before = timer1->remainingTime();
        QWidget* dowsing = Control(launcher, "Frame1");
        QTest::mouseMove(dowsing, QPoint(5, dowsing->height() - 5));
        QTest::mouseMove(dowsing, QPoint(8, dowsing->height() - 5));
        QVERIFY(timer1->remainingTime() <= before);
    }

    void toolButton_hidesLauncherOnlyWhenTheToolOpened() {
        env->services.toolOpeners.at(0) = [] { return false; };
        QTest::mouseClick(Control(launcher, "cmdSelectOption", 0), Qt::LeftButton);
        QVERIFY(launcher->isVisible());

        QList<int> asked;
        for (int i = 0; i < 3; ++i) {
            env->services.toolOpeners.at(i) = [&asked, i] {
                asked << i;
                Windows::Show<FakeTool>();
                return true;
            };
        }
        for (int i = 0; i < 3; ++i) {
            Windows::Show<frmMain>();
            QTest::mouseClick(Control(launcher, "cmdSelectOption", i), Qt::LeftButton);
            QVERIFY(!launcher->isVisible());
            QVERIFY(Windows::IsLoaded<frmMain>());
        }
        QCOMPARE(asked, (QList<int>{0, 1, 2}));
    }

    void closingATool_bringsTheLauncherBack() {
        env->services.toolOpeners.at(2) = [] { return Windows::Show<FakeTool>() != nullptr; };
        QTest::mouseClick(Control(launcher, "cmdSelectOption", 2), Qt::LeftButton);
        QVERIFY(!launcher->isVisible());
        Windows::Loaded<FakeTool>()->close();
        QVERIFY(launcher->isVisible());
        QCOMPARE(Windows::Loaded<frmMain>(), launcher);
    }

    void exits_endTheProgramEvenWithHiddenToolsLoaded_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }
    void exits_endTheProgramEvenWithHiddenToolsLoaded() {
        QFETCH(bool, byMenu);
        env->services.toolOpeners.at(1) = [] { return Windows::Show<FakeTool>() != nullptr; };
        QTest::mouseClick(Control(launcher, "cmdSelectOption", 1), Qt::LeftButton);
        // The tool goes back to the launcher but stays loaded, hidden.
        Windows::Hide<FakeTool>();
        ShowLauncher();
        QVERIFY(launcher->isVisible());

        if (byMenu) {
            Control<QAction>(launcher, "mnuExit")->trigger();
        } else {
            launcher->close();
        }
        QVERIFY(Windows::LoadedForms().isEmpty());
        QCOMPARE(toolUnloads, 1);
        QCOMPARE(ended, 1);
        // The tool's unload asked for the launcher; it must not have come back.
        QVERIFY(!Windows::IsLoaded<frmMain>());
    }

    void about_isModal_withItsTextsAndLinks() {
        QString title;
        QStringList texts;
        QSize size;
        bool modal = false;
        WhenModalShown([&](QWidget* shown) {
            auto* about = qobject_cast<frmAbout*>(shown);
            QVERIFY(about);
            title = about->windowTitle();
            size = about->size();
            modal = about->isModal();
            texts = {Control<QLabel>(about, "Label2")->text(), Control<QLabel>(about, "Label1")->text(),
                     Control<QLabel>(about, "Label3")->text(), Control<ClickLabel>(about, "lblCobrand")->text(),
                     Control<ClickLabel>(about, "lblHomePage")->text()};
            QCOMPARE(about->palette().color(QPalette::Window), QColor(74, 29, 180));
            QTest::mouseClick(Control<ClickLabel>(about, "lblCobrand"), Qt::LeftButton);
            QTest::mouseClick(Control<ClickLabel>(about, "lblHomePage"), Qt::LeftButton);
            QTest::mouseClick(Control<QPushButton>(about, "cmdOk"), Qt::LeftButton);
        });
        Control<QAction>(launcher, "mnuAbout")->trigger();
        QCOMPARE(title, QStringLiteral("Velloran v1.30"));
        QCOMPARE(size, QSize(480, 268));
        QVERIFY(modal);
        QCOMPARE(texts.value(0), QStringLiteral("Velloran v1.30"));
        QCOMPARE(texts.value(1),
                 QStringLiteral(
                     "Velloran is an advanced yet simple program that makes the user familiar to the lifestyle of the "
                     "Pagans and the Wiccans. It offers an easy to use interface, which allows the user to get answers "
                     "to all his personal queries that help him understand the Pagan culture. It is the ultimate Pagan "
                     "software and is a must have online resource for all the pagans and the Wiccans which provides "
                     "you with a whole lot of information related to the Pagan paths, pagan gods, goddesses, pagan "
                     "festivals, pagan elements, the pagan calendar and much more. This tool also helps you maintain "
                     "your Pagan diary."));
        QCOMPARE(texts.value(2), QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                                "money online. Get this software fully branded for your website."));
        QCOMPARE(texts.value(3), QStringLiteral("Click here for more details."));
        QCOMPARE(texts.value(4), u"Click here to visit "_s + MakerWebAddress());
        // The About box's "lblCobrand" opens the fully-branded page, not the co-brand one.
        QCOMPARE(env->pages.pageKeys(), (QStringList{u"fully-branded"_s, u"home-page"_s}));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(launcher->isVisible());
    }

  private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<VelloranShell> shell;
    frmMain* launcher = nullptr;
    ClickLabel* forumLine = nullptr;
    QTimer* timer1 = nullptr; // shows the forum line
    QTimer* timer2 = nullptr; // hides it
    int ended = 0;
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
