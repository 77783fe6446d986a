#include "support/TestSupport.h"
#include "ui/ShellServices.h"
#include "ui/Windows.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {
// What happened to the test windows, in order.
QStringList& journal() {
    static QStringList entries;
    return entries;
}

class WindowA : public FormWindow {
  public:
    WindowA() { edit = new QLineEdit(this); }
    void onLoad() override { journal() << u"load A"_s; }
    void onUnload() override { journal() << u"unload A"_s; }
    QLineEdit* edit;
};

// A tool window: closing it brings the launcher back.
class ToolWindow : public FormWindow {
  public:
    void onLoad() override { journal() << u"load tool"_s; }
    void onUnload() override {
        journal() << u"unload tool"_s;
        ShowLauncher();
    }
};

// A window whose load steps find they cannot go on (a missing file, say) and unload it again.
class FailingWindow : public FormWindow {
  public:
    void onLoad() override {
        journal() << u"load failing"_s;
        Windows::Unload<FailingWindow>();
    }
};
// Windows the user moves and resizes: one whose place is its own, one always centred.
class FreeWindow : public FormWindow {
  public:
    FreeWindow() {
        setObjectName(QStringLiteral("FreeWindow"));
        resize(300, 200);
        move(40, 40);
    }
};
class CentredWindow : public FreeWindow {
  public:
    CentredWindow() { setObjectName(QStringLiteral("CentredWindow")); }
    std::optional<Remembered::Place> rememberedPlace() const override { return Remembered::Place::Centred; }
};
} // namespace

class tst_Windows : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        shell = std::make_unique<RecordingShell>();
        journal().clear();
    }
    void cleanup() {
        shell.reset();
        env.reset();
    }

    void show_loadsOnce_hideKeepsState_unloadStartsAfresh() {
        WindowA* first = Windows::Show<WindowA>();
        QVERIFY(first && first->isVisible());
        first->edit->setText(u"kept"_s);
        Windows::Hide<WindowA>();
        QVERIFY(!first->isVisible());
        QCOMPARE(Windows::Show<WindowA>(), first);
        QCOMPARE(first->edit->text(), QStringLiteral("kept"));
        QCOMPARE(journal(), QStringList{u"load A"_s});

        QPointer<WindowA> old = first;
        Windows::Unload<WindowA>();
        QVERIFY(!Windows::IsLoaded<WindowA>());
        QVERIFY(!old->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());

        WindowA* second = Windows::Show<WindowA>();
        QVERIFY(second->edit->text().isEmpty());
        QCOMPARE(journal(), (QStringList{u"load A"_s, u"unload A"_s, u"load A"_s}));
    }

    void closeBox_unloads() {
        Windows::Show<WindowA>()->close();
        QVERIFY(!Windows::IsLoaded<WindowA>());
        QCOMPARE(journal(), (QStringList{u"load A"_s, u"unload A"_s}));
        // Unloading what is gone does nothing.
        Windows::Unload<WindowA>();
        QCOMPARE(journal().size(), 2);
    }

    void loadThatUnloadsItself_showsNothing() {
        QCOMPARE(Windows::Show<FailingWindow>(), nullptr);
        QVERIFY(!Windows::IsLoaded<FailingWindow>());
        QCOMPARE(journal(), QStringList{u"load failing"_s});
    }

    void toolUnload_bringsLauncherBack() {
        Windows::Show<ToolWindow>()->close();
        QCOMPARE(shell->launcherShown, 1);
    }

    void closeAll_unloadsShownAndHidden_newestFirst_andNeverBringsLauncherBack() {
        Windows::Show<WindowA>();
        Windows::Show<ToolWindow>();
        Windows::Hide<ToolWindow>();
        CloseAllWindows();
        QVERIFY(Windows::LoadedForms().isEmpty());
        QCOMPARE(journal(), (QStringList{u"load A"_s, u"load tool"_s, u"unload tool"_s, u"unload A"_s}));
        QCOMPARE(shell->launcherShown, 0);
        QCOMPARE(shell->programEnded, 1);
    }

    void placeAndSize_comeBackOnlyOnAScreenThatIsThere_data() {
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QPoint>("left");
        QTest::addColumn<QPoint>("back");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("where it was left") << false << QPoint(100, 80) << QPoint(100, 80);
        QTest::newRow("on a screen that is gone") << false << screen.bottomRight() + QPoint(400, 300) << QPoint(40, 40);
        QTest::newRow("always centred") << true << QPoint(100, 80) << screen.center() - QPoint(209, 129);
    }
    void placeAndSize_comeBackOnlyOnAScreenThatIsThere() {
        QFETCH(bool, centred);
        QFETCH(QPoint, left);
        QFETCH(QPoint, back);
        const auto show = [centred]() -> QWidget* {
            return centred ? Windows::Show<CentredWindow>() : static_cast<QWidget*>(Windows::Show<FreeWindow>());
        };
        QWidget* window = show();
        window->resize(420, 260);
        window->move(left);
        QCOMPARE(window->pos(), left);
        Windows::ResetForTests();
        window = show();
        QCOMPARE(window->size(), QSize(420, 260));
        QCOMPARE(window->pos(), back);
    }

  private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<RecordingShell> shell;
};

QTEST_MAIN(tst_Windows)
#include "tst_Windows.moc"
