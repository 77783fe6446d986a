#include "core/Application.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingFind.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "support/DowsingSeed.h"
#include "support/DowsingWorld.h"
#include "support/TestSupport.h"
#include "ui/Windows.h"

#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

class tst_MDIDowsingForm1 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void dowsingButton_opensFrameWithWizardAtTopLeft();
    void closingFrame_unloadsEverythingAndShowsLauncher_data();
    void closingFrame_unloadsEverythingAndShowsLauncher();
    void reopening_loadsEverythingAfresh();
    void exitThenDowsing_keepsTheSameWizard();
    void closingWizard_showsLauncher_frameStays();
    void brandStrips_openTheirPages();
    void closingTheFrameUnderALoadMessage_waitsForTheAnswer_data();
    void closingTheFrameUnderALoadMessage_waitsForTheAnswer();
    void menuBar_showsTheWindowInFrontsMenusThenTools();
    void closingTheFrameUnderASaveDialog_waitsForTheDialog();

  private:
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    std::unique_ptr<DowsingWorld> env;
};

void tst_MDIDowsingForm1::init() {
    env = std::make_unique<DowsingWorld>();
    QVERIFY(env->ready);
}

void tst_MDIDowsingForm1::cleanup() {
    env.reset();
}

void tst_MDIDowsingForm1::dowsingButton_opensFrameWithWizardAtTopLeft() {
    QVERIFY(ShowDowsingTool());
    auto* frame = Windows::Loaded<MDIDowsingForm1>();
    auto* wizard = Windows::Loaded<frmDowsingMain>();
    QVERIFY(frame && wizard);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Quarrow"));
    QVERIFY(wizard->subWindow());
    QCOMPARE(wizard->subWindow()->mdiArea(), Control<QMdiArea>(frame, "mdiArea"));
    QVERIFY(wizard->subWindow()->isVisible());
    QCOMPARE(wizard->subWindow()->pos(), QPoint(0, 0));
    QCOMPARE(Control(frame, "Picture2")->palette().color(QPalette::Window), QColor(251, 254, 224));
    QVERIFY(env->boxes.shown().isEmpty());
}

void tst_MDIDowsingForm1::closingFrame_unloadsEverythingAndShowsLauncher_data() {
    QTest::addColumn<QString>("wizardState");
    QTest::newRow("wizard shown") << "shown";
    QTest::newRow("wizard hidden") << "hidden";
    QTest::newRow("wizard closed") << "closed";
}

void tst_MDIDowsingForm1::closingFrame_unloadsEverythingAndShowsLauncher() {
    QFETCH(QString, wizardState);
    QVERIFY(ShowDowsingTool());
    auto* frame = Windows::Loaded<MDIDowsingForm1>();
    QPointer<frmDowsingMain> wizard = Windows::Loaded<frmDowsingMain>();
    if (wizardState == QLatin1String("hidden")) {
        Windows::Hide<frmDowsingMain>();
    } else if (wizardState == QLatin1String("closed")) {
        wizard->subWindow()->close();
        env->shell.launcherShown = 0;
    }
    QVERIFY(frame->close());
    QVERIFY(!Windows::IsLoaded<frmDowsingMain>());
    QVERIFY(!Windows::IsLoaded<MDIDowsingForm1>());
    QCOMPARE(env->shell.launcherShown, 1);
    settle();
    QVERIFY(wizard.isNull());
}

void tst_MDIDowsingForm1::reopening_loadsEverythingAfresh() {
    QVERIFY(ShowDowsingTool());
    auto* wizard = Windows::Loaded<frmDowsingMain>();
    QTest::mouseClick(Control(wizard, "cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(Control<QLineEdit>(wizard, "txtName"), QStringLiteral("ann"));
    Windows::Loaded<MDIDowsingForm1>()->close();
    settle();

    QVERIFY(ShowDowsingTool());
    wizard = Windows::Loaded<frmDowsingMain>();
    QVERIFY(Control<QLineEdit>(wizard, "txtName")->text().isEmpty());
    QVERIFY(!Control(wizard, "fraCustomersDetails")->isEnabled());
    QCOMPARE(Control<QComboBox>(wizard, "cmbYear")->currentText(), QStringLiteral("1900"));
    QCOMPARE(wizard->subWindow()->pos(), QPoint(0, 0));
}

void tst_MDIDowsingForm1::exitThenDowsing_keepsTheSameWizard() {
    QVERIFY(ShowDowsingTool());
    auto* wizard = Windows::Loaded<frmDowsingMain>();
    QTest::mouseClick(Control(wizard, "cmAddNewRecord"), Qt::LeftButton);
    QTest::keyClicks(Control<QLineEdit>(wizard, "txtName"), QStringLiteral("ann"));
    QTest::mouseClick(Control(wizard, "cmdExit"), Qt::LeftButton);
    QCOMPARE(env->shell.launcherShown, 1);
    QVERIFY(Windows::Loaded<MDIDowsingForm1>()->isVisible());

    QVERIFY(ShowDowsingTool());
    QCOMPARE(Windows::Loaded<frmDowsingMain>(), wizard);
    QCOMPARE(Control<QLineEdit>(wizard, "txtName")->text(), QStringLiteral("ANN"));
}

void tst_MDIDowsingForm1::closingWizard_showsLauncher_frameStays() {
    QVERIFY(ShowDowsingTool());
    auto* wizard = Windows::Loaded<frmDowsingMain>();
    QVERIFY(wizard->subWindow()->close());
    QCOMPARE(env->shell.launcherShown, 1);
    QVERIFY(!Windows::IsLoaded<frmDowsingMain>());
    QVERIFY(Windows::IsLoaded<MDIDowsingForm1>());
    settle();

    // The launcher's button brings a fresh wizard into the frame that stayed.
    QVERIFY(ShowDowsingTool());
    wizard = Windows::Loaded<frmDowsingMain>();
    QVERIFY(wizard);
    QCOMPARE(wizard->subWindow()->mdiArea(), Control<QMdiArea>(Windows::Loaded<MDIDowsingForm1>(), "mdiArea"));
    QCOMPARE(Control<QMdiArea>(Windows::Loaded<MDIDowsingForm1>(), "mdiArea")->subWindowList().size(), 1);
}

void tst_MDIDowsingForm1::brandStrips_openTheirPages() {
    QVERIFY(ShowDowsingTool());
    auto* frame = Windows::Loaded<MDIDowsingForm1>();
    QTest::mouseClick(Control<ClickLabel>(frame, "Label61"), Qt::LeftButton);
    QTest::mouseClick(Control<ClickLabel>(frame, "Label7"), Qt::LeftButton);
    QCOMPARE(env->pages.pageKeys(), (QStringList{u"home-page"_s, u"fully-branded"_s}));
    QVERIFY(Control<ClickLabel>(frame, "Label61")
                ->text()
                .startsWith(QStringLiteral(
                    "The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit ")));
    QVERIFY(Control<ClickLabel>(frame, "Label61")->text().endsWith(QStringLiteral(" Now")));
}

void tst_MDIDowsingForm1::closingTheFrameUnderALoadMessage_waitsForTheAnswer_data() {
    QTest::addColumn<QString>("loading");
    QTest::addColumn<QString>("message");
    QTest::newRow("grid of an empty table") << "grid"
                                            << "There Is No Record !";
    QTest::newRow("wizard without its file") << "wizard"
                                             << "Required File Is Missing\nPlease Reinstall Software";
}

void tst_MDIDowsingForm1::closingTheFrameUnderALoadMessage_waitsForTheAnswer() {
    QFETCH(QString, loading);
    QFETCH(QString, message);
    QVERIFY(ShowDowsingTool());
    QPointer<MDIDowsingForm1> frame = Windows::Loaded<MDIDowsingForm1>();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    // The real box this time: it is what a click on the frame would have to get past.
    SetMessageBoxHandler({});
    QString shownText;
    Qt::WindowModality modality = Qt::NonModal;
    QPoint offCentre;
    bool frameOutlivedItsClose = false;
    WhenModalShown([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QPointer<QMessageBox> alive = box;
        shownText = box->text();
        modality = box->windowModality();
        offCentre = box->frameGeometry().center() - frame->frameGeometry().center();
        // The frame's close box, while the box waits for its answer; and whatever deletions are due.
        frame->close();
        settle();
        frameOutlivedItsClose = alive && frame && Windows::IsLoaded<MDIDowsingForm1>();
        if (alive) {
            alive->button(QMessageBox::Ok)->click();
        }
    });
    if (loading == QLatin1String("grid")) {
        Windows::Loaded<frmDowsingMain>()->ShowAllRecords();
    } else {
        QVERIFY(Windows::Loaded<frmDowsingMain>()->subWindow()->close());
        settle();
        QVERIFY(QFile::remove(ApplicationFile(QStringLiteral("Dowsing.dll"))));
        QVERIFY(!ShowDowsingTool());
    }
    QCOMPARE(shownText, message);
    QCOMPARE(modality, Qt::ApplicationModal);
    QVERIFY2(offCentre.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QVERIFY(frameOutlivedItsClose);
    // Once answered, the frame goes as asked, with every dowsing window in it.
    QTRY_VERIFY(!Windows::IsLoaded<MDIDowsingForm1>());
    QVERIFY(!Windows::IsLoaded<frmDowsingMain>());
    QVERIFY(!Windows::IsLoaded<frmDowsingAllRecord>());
    settle();
    QVERIFY(frame.isNull());
}

QTEST_MAIN(tst_MDIDowsingForm1)
#include "tst_MDIDowsingForm1.moc"

namespace {
// The frame's bar as a user reads it: each top item, and a menu's items after a colon.
QStringList barTexts(QMenuBar* bar) {
    QStringList texts;
    for (QAction* item : bar->actions()) {
        QString line = item->text();
        if (item->menu() && item->menu()->objectName() != QLatin1String("mnuTools")) {
            for (QAction* sub : item->menu()->actions()) {
                line += (sub->isSeparator() ? QStringLiteral("|-") : QLatin1Char('|') + sub->text());
            }
        }
        texts << line;
    }
    return texts;
}

// Runs an item of the frame's bar by its captions, as a click on the bar and then on the menu would.
void choose(QMenuBar* bar, const QString& top, const QString& item = QString()) {
    for (QAction* action : bar->actions()) {
        if (action->text() != top) {
            continue;
        }
        if (item.isEmpty()) {
            action->trigger();
            return;
        }
        for (QAction* sub : action->menu()->actions()) {
            if (sub->text() == item) {
                QVERIFY(sub->isEnabled());
                sub->trigger();
                return;
            }
        }
    }
    QFAIL(qPrintable(QStringLiteral("no item %1 %2 in the frame's menu bar").arg(top, item)));
}
} // namespace

void tst_MDIDowsingForm1::menuBar_showsTheWindowInFrontsMenusThenTools() {
    QVERIFY(SeedRecords(env->path(), 2));
    QVERIFY(ShowDowsingTool());
    auto* frame = Windows::Loaded<MDIDowsingForm1>();
    QMenuBar* bar = frame->menuBar();
    const QStringList wizardBar{u"&File|&Add New Record|&View All  Records|E&xit"_s,
                                u"&Help|&Online Help|&Visit Us Online|-|&Check for Software Update|-|&About Software"_s,
                                u"&Donate"_s, u"Make Money &Online"_s, u"&Tools"_s};
    QCOMPARE(barTexts(bar), wizardBar);
    QVERIFY(Control<QMdiArea>(frame, "mdiArea")->findChildren<QMenuBar*>().isEmpty());

    // The wizard's items, run from the frame's bar.
    choose(bar, u"&Help"_s, u"&Online Help"_s);
    choose(bar, u"&Help"_s, u"&Visit Us Online"_s);
    choose(bar, u"&Help"_s, u"&Check for Software Update"_s);
    choose(bar, u"&Donate"_s);
    QCOMPARE(env->pages.pageKeys(),
             (QStringList{u"help-web-page"_s, u"home-page"_s, u"download-web-page"_s, u"donate"_s}));
    choose(bar, u"&Help"_s, u"&About Software"_s);
    QCOMPARE(env->shell.aboutShown, 1);
    choose(bar, u"&File"_s, u"E&xit"_s);
    QCOMPARE(env->shell.launcherShown, 1);
    choose(bar, u"&File"_s, u"&Add New Record"_s);
    QVERIFY(Control(Windows::Loaded<frmDowsingMain>(), "fraCustomersDetails")->isEnabled());

    // The grid in front: its File menu, then Tools.
    choose(bar, u"&File"_s, u"&View All  Records"_s);
    auto* grid = Windows::Loaded<frmDowsingAllRecord>();
    QVERIFY(grid && grid->isVisible());
    QCOMPARE(barTexts(bar), (QStringList{u"&File|&Print|&Back"_s, u"&Tools"_s}));
    QVERIFY(!Control<QAction>(grid, "mnuPrint")->isEnabled());
    // Find Records over it and closed: the grid active again, so that its keys work without a click.
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    frame->findChild<QAction*>(QStringLiteral("mnuFindRecords"))->trigger();
    QTest::mouseClick(Control(Windows::Loaded<frmDowsingFind>(), "cmdClose"), Qt::LeftButton);
    settle();
    QCOMPARE(Control<QMdiArea>(frame, "mdiArea")->activeSubWindow(), grid->subWindow());

    // The record sheet has no menus: Tools alone.
    DowsingWorld::doubleClickRow(grid, 0);
    QVERIFY(Windows::Loaded<frmDowsingSave>()->isVisible());
    QCOMPARE(barTexts(bar), QStringList{u"&Tools"_s});

    // Back through the grid's menu: the wizard's menus again.
    QTest::mouseClick(Control(Windows::Loaded<frmDowsingSave>(), "cmdBack"), Qt::LeftButton);
    QCOMPARE(barTexts(bar), (QStringList{u"&File|&Print|&Back"_s, u"&Tools"_s}));
    choose(bar, u"&File"_s, u"&Back"_s);
    QVERIFY(!Windows::IsLoaded<frmDowsingAllRecord>());
    settle();
    QCOMPARE(barTexts(bar), wizardBar);
    QVERIFY(env->boxes.shown().isEmpty());
}

void tst_MDIDowsingForm1::closingTheFrameUnderASaveDialog_waitsForTheDialog() {
    QVERIFY(SeedRecords(env->path(), 1));
    QPointer<frmDowsingSave> sheet = env->sheet(0);
    QVERIFY(sheet);
    bool sheetOutlivedTheClose = false;
    const QString path = QDir(env->settingsFolder()).filePath(QStringLiteral("sheet.rtf"));
    env->services.saveFileChooser = [&](const SaveFileRequest&) {
        // The frame's close box while the dialog waits for a name.
        Windows::Loaded<MDIDowsingForm1>()->close();
        settle();
        sheetOutlivedTheClose = sheet && Windows::IsLoaded<frmDowsingSave>();
        return path;
    };
    QTest::mouseClick(Control(sheet, "cmdSave"), Qt::LeftButton);
    QVERIFY(sheetOutlivedTheClose);
    QVERIFY(QFile::exists(path));
    QTRY_VERIFY(!Windows::IsLoaded<MDIDowsingForm1>());
    QVERIFY(!Windows::IsLoaded<frmDowsingSave>());
}
