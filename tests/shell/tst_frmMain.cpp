#include "common/WebPages.h"
#include "common/Windows.h"
#include "shell/Startup.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {
int toolUnloads = 0;

// A tick of a blink timer, without waiting for it.
void tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

// Stands in for a tool's first window: its close box brings the launcher back, as the tools' windows do.
class FakeTool : public FormWindow {
  public:
    void Form_Unload() override {
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
        options.lockPath = env->appFolder() + "/velloran.lock";
        options.random = [] { return 0.0; };
        options.endProgram = [this] { ++ended; };
        shell = std::make_unique<VelloranShell>(options);
        QVERIFY(shell->Start());
        launcher = Windows::Loaded<frmMain>();
        QVERIFY(QTest::qWaitForWindowExposed(launcher));
    }
    void cleanup() {
        ResetToolOpeners();
        shell.reset();
        env.reset();
    }

    void look_matchesTheLauncher() {
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Velloran v1.30"));
        QCOMPARE(launcher->centralWidget()->size(), QSize(553, 453));
        QCOMPARE(launcher->palette().color(QPalette::Window), QColor(74, 29, 180));
        for (QGroupBox* frame : {launcher->Frame1, launcher->Frame3, launcher->Frame4}) {
            QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(255, 255, 192));
        }
        QCOMPARE(launcher->Label1->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(launcher->lblCorvell->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(QFontInfo(launcher->Label1->font()).family().contains("Verdana") ||
                QFontInfo(launcher->Label1->font()).family().contains("DejaVu Sans"));
        // The tool buttons, by array index, and the frames they sit in, top to bottom.
        QCOMPARE(launcher->cmdSelectOption[0]->text(), QStringLiteral("Dowsing"));
        QCOMPARE(launcher->cmdSelectOption[1]->text(), QStringLiteral("Pagan Diary"));
        QCOMPARE(launcher->cmdSelectOption[2]->text(), QStringLiteral("Pagan"));
        QCOMPARE(launcher->cmdSelectOption[0]->parentWidget(), launcher->Frame1);
        QCOMPARE(launcher->cmdSelectOption[1]->parentWidget(), launcher->Frame3);
        QCOMPARE(launcher->cmdSelectOption[2]->parentWidget(), launcher->Frame4);
        QVERIFY(launcher->Frame4->y() < launcher->Frame1->y() && launcher->Frame1->y() < launcher->Frame3->y());
        QCOMPARE(launcher->Frame4->title(), QStringLiteral("Pagan"));
        QCOMPARE(launcher->Frame1->title(), QStringLiteral("Dowsing"));
        QCOMPARE(launcher->Frame3->title(), QStringLiteral("Pagan Diary"));
        QCOMPARE(launcher->lblCorvell->text(), "The Most Popular Online Mystic Discussion Board. Best Resource For "
                                               "Everything Mystic. Visit " +
                                                   MakerWebAddress() + " Now");
    }

    // Each tool frame holds its picture and its button, nothing more; the picture has the pixels of the screen
    // (tst_frmMain_hidpi runs this at a device pixel ratio of 2) and lies wholly inside its square.
    void toolFrames_holdASharpWholePictureAndTheButton() {
        const std::array<QGroupBox*, 3> frames{launcher->Frame1, launcher->Frame3, launcher->Frame4};
        for (int i = 0; i < 3; ++i) {
            const auto parts = frames[i]->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            QCOMPARE(QSet<QWidget*>(parts.begin(), parts.end()),
                     (QSet<QWidget*>{launcher->picIcon[i], launcher->cmdSelectOption[i]}));
            const QPixmap picture = launcher->picIcon[i]->pixmap();
            QCOMPARE(picture.devicePixelRatio(), launcher->devicePixelRatioF());
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(launcher->picIcon[i]->size()));
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
        for (QAction* action : launcher->menus.fileMenu->actions()) {
            file << action->text() + (action->isEnabled() ? "" : " (off)");
        }
        QCOMPARE(launcher->menus.fileMenu->objectName(), QStringLiteral("nuFile"));
        QCOMPARE(file, (QStringList{"&Next (off)", "E&xit"}));
        QCOMPARE(launcher->menus.mnuUpdate->text(), QStringLiteral("&Check for Software Update"));
        QVERIFY(!launcher->menus.mnuMakeMoney->isEnabled());

        launcher->menus.mnuOnline->trigger();
        launcher->menus.mnuVisit->trigger();
        launcher->menus.mnuUpdate->trigger();
        launcher->menus.mnuDonate->trigger();
        launcher->menus.mnuMakeMoney->trigger(); // not choosable: nothing opens
        QCOMPARE(env->pages.pageKeys(), (QStringList{"help-web-page", "home-page", "download-web-page", "donate"}));
    }

    void labels_openTheirPages() {
        QTest::mouseClick(launcher->lblCorvell, Qt::LeftButton);
        // The draw of 0 put the co-brand text in front.
        QTest::mouseClick(launcher->fraFullBrand->lblCobrand, Qt::LeftButton);
        launcher->fraFullBrand->BringToFront(BrandFrame::Front::FullBrand);
        QTest::mouseClick(launcher->fraFullBrand->lblFullBrand, Qt::LeftButton);
        QCOMPARE(env->pages.pageKeys(), (QStringList{"home-page", "co-brand", "fully-branded"}));
    }

    void blink_showsEverySecond_hidesEveryTwo() {
        QCOMPARE(launcher->Timer1->interval(), 1000);
        QCOMPARE(launcher->Timer2->interval(), 2000);
        QVERIFY(launcher->Timer1->isActive() && launcher->Timer2->isActive());
        // Over real time, the line is seen hidden and then seen again.
        QTRY_VERIFY_WITH_TIMEOUT(!launcher->lblCorvell->isVisible(), 4500);
        QTRY_VERIFY_WITH_TIMEOUT(launcher->lblCorvell->isVisible(), 2500);

        launcher->Timer1->stop();
        launcher->Timer2->stop();
        tick(launcher->Timer2);
        QVERIFY(!launcher->lblCorvell->isVisible());
        tick(launcher->Timer1);
        QVERIFY(launcher->lblCorvell->isVisible());
    }

    void pointing_stopsAndResumesTheBlink() {
        // While the line is hidden, the pointer is over its frame, which keeps the blink going.
        launcher->lblCorvell->hide();
        launcher->Timer1->stop();
        QTest::mouseMove(launcher->Frame2, launcher->lblCorvell->geometry().center());
        QTRY_VERIFY(launcher->Timer1->isActive());

        // Pointing at the line while it is shown makes it stand still, visible.
        launcher->lblCorvell->show();
        QTest::mouseMove(launcher->lblCorvell, launcher->lblCorvell->rect().center() + QPoint(3, 0));
        QTRY_VERIFY(!launcher->Timer1->isActive());
        QVERIFY(!launcher->Timer2->isActive());
        QVERIFY(launcher->lblCorvell->isVisible());

        // The "Pagan" frame does not restart it.
        QTest::mouseMove(launcher->Frame4, QPoint(launcher->Frame4->width() - 4, launcher->Frame4->height() - 4));
        QTest::qWait(50);
        QVERIFY(!launcher->Timer1->isActive() && !launcher->Timer2->isActive());

        // Each of the other three frames does.
        for (QWidget* frame : std::initializer_list<QWidget*>{launcher->Frame1, launcher->Frame2, launcher->Frame3}) {
            QTest::mouseMove(launcher->lblCorvell, launcher->lblCorvell->rect().center());
            QTRY_VERIFY(!launcher->Timer1->isActive());
            QTest::mouseMove(frame, QPoint(frame->width() - 3, frame->height() - 3));
            QTRY_VERIFY2(launcher->Timer1->isActive() && launcher->Timer2->isActive(), qPrintable(frame->objectName()));
        }
    }

    void restlessMouseOverAFrame_doesNotHoldTheBlink() {
        QTest::qWait(400);
        const int before = launcher->Timer1->remainingTime();
        QTest::mouseMove(launcher->Frame1, QPoint(5, launcher->Frame1->height() - 5));
        QTest::mouseMove(launcher->Frame1, QPoint(8, launcher->Frame1->height() - 5));
        QVERIFY(launcher->Timer1->remainingTime() <= before);
    }

    void toolButton_hidesLauncherOnlyWhenTheToolOpened() {
        SetToolOpener(0, [] { return false; });
        QTest::mouseClick(launcher->cmdSelectOption[0], Qt::LeftButton);
        QVERIFY(launcher->isVisible());

        QList<int> asked;
        for (int i = 0; i < 3; ++i) {
            SetToolOpener(i, [&asked, i] {
                asked << i;
                Windows::Show<FakeTool>();
                return true;
            });
        }
        for (int i = 0; i < 3; ++i) {
            Windows::Show<frmMain>();
            QTest::mouseClick(launcher->cmdSelectOption[i], Qt::LeftButton);
            QVERIFY(!launcher->isVisible());
            QVERIFY(Windows::IsLoaded<frmMain>());
        }
        QCOMPARE(asked, (QList<int>{0, 1, 2}));
    }

    void closingATool_bringsTheLauncherBack() {
        SetToolOpener(2, [] { return Windows::Show<FakeTool>() != nullptr; });
        QTest::mouseClick(launcher->cmdSelectOption[2], Qt::LeftButton);
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
        SetToolOpener(1, [] { return Windows::Show<FakeTool>() != nullptr; });
        QTest::mouseClick(launcher->cmdSelectOption[1], Qt::LeftButton);
        // The tool goes back to the launcher but stays loaded, hidden.
        Windows::Hide<FakeTool>();
        ShowLauncher();
        QVERIFY(launcher->isVisible());

        if (byMenu) {
            launcher->menus.mnuExit->trigger();
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
            texts = {about->Label2->text(), about->Label1->text(), about->Label3->text(), about->lblCobrand->text(),
                     about->lblHomePage->text()};
            QCOMPARE(about->palette().color(QPalette::Window), QColor(74, 29, 180));
            QTest::mouseClick(about->lblCobrand, Qt::LeftButton);
            QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
            QTest::mouseClick(about->cmdOk, Qt::LeftButton);
        });
        launcher->menus.mnuAbout->trigger();
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
        QCOMPARE(texts.value(4), "Click here to visit " + MakerWebAddress());
        // The About box's "lblCobrand" opens the fully-branded page, not the co-brand one.
        QCOMPARE(env->pages.pageKeys(), (QStringList{"fully-branded", "home-page"}));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(launcher->isVisible());
    }

  private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<VelloranShell> shell;
    frmMain* launcher = nullptr;
    int ended = 0;
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmMain.moc"
