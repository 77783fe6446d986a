#include "support/TestSupport.h"
#include "ui/BrandFrame.h"
#include "ui/Keyboard.h"
#include "ui/MessageBox.h"
#include "ui/SharedMenus.h"
#include "ui/WebPages.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class tst_SharedCommands : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        env = std::make_unique<TestEnvironment>();
        shell = std::make_unique<RecordingShell>();
    }
    void cleanup() {
        shell.reset();
        env.reset();
    }

    void pageAddress_isSiteThenPathThenKey_data() {
        QTest::addColumn<QString>("key");
        for (const QString& key : {PageKey::HomePage, PageKey::Help, PageKey::Download, PageKey::Donate,
                                   PageKey::Cobrand, PageKey::FullyBranded}) {
            QTest::newRow(qPrintable(key)) << key;
        }
    }
    void pageAddress_isSiteThenPathThenKey() {
        QFETCH(QString, key);
        OpenWebPage(key);
        QCOMPARE(env->pages.urls.value(0).toString(), SiteAddress() + u"/velloran/ssd.php?page="_s + key);
    }

    void helpMenu_itemsInOrder_eachOpensItsPage_data() {
        QTest::addColumn<int>("caption");
        QTest::addColumn<QString>("updateText");
        QTest::newRow("launcher and wizard") << int(UpdateCaption::CheckFor) << "&Check for Software Update";
        QTest::newRow("calendar and diary") << int(UpdateCaption::SoftwareUpdate) << "Check for Software &Update";
    }
    void helpMenu_itemsInOrder_eachOpensItsPage() {
        QFETCH(int, caption);
        QFETCH(QString, updateText);
        QMainWindow window;
        const SharedMenus menus = InstallSharedMenus(&window, u"mnuFile"_s, UpdateCaption(caption));

        QStringList bar;
        for (QAction* action : window.menuBar()->actions()) {
            bar << action->text();
        }
        QCOMPARE(bar, (QStringList{u"&File"_s, u"&Help"_s, u"&Donate"_s, u"Make Money &Online"_s}));
        QStringList help;
        for (QAction* action : menus.helpMenu->actions()) {
            help << (action->isSeparator() ? action->objectName() : action->text());
        }
        QCOMPARE(help, (QStringList{u"&Online Help"_s, u"&Visit Us Online"_s, u"mnuFileSep1"_s, updateText,
                                    u"mnuFileSep2"_s, u"&About Software"_s}));
        QCOMPARE(menus.fileMenu->actions(), QList<QAction*>{menus.exitItem});
        QCOMPARE(menus.exitItem->text(), QStringLiteral("E&xit"));

        menus.onlineHelpItem->trigger();
        menus.visitUsItem->trigger();
        menus.updateItem->trigger();
        menus.donateItem->trigger();
        QCOMPARE(env->pages.pageKeys(),
                 (QStringList{u"help-web-page"_s, u"home-page"_s, u"download-web-page"_s, u"donate"_s}));
        QVERIFY(!menus.makeMoneyItem->isEnabled());

        menus.aboutItem->trigger();
        QCOMPARE(shell->aboutShown, 1);
    }

    void brandFrame_frontLabelOpensItsOwnPage_data() {
        QTest::addColumn<int>("front");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page");
        QTest::newRow("co-brand") << int(BrandFrame::Front::Cobrand)
                                  << "Co-brand this software for your site.  Increase loyalty and traffic to your "
                                     "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                                     "Here for more info on co-branding."
                                  << "co-brand";
        QTest::newRow("fully branded") << int(BrandFrame::Front::FullBrand)
                                       << "Home Business Opportunity. Start your own Internet business and make "
                                          "money online. Get this software fully branded for your website. Click "
                                          "here for more details."
                                       << "fully-branded";
    }
    void brandFrame_frontLabelOpensItsOwnPage() {
        QFETCH(int, front);
        QFETCH(QString, text);
        QFETCH(QString, page);
        QWidget host;
        auto* frame = new BrandFrame(&host);
        frame->setGeometry(0, 0, 400, 60);
        frame->BringToFront(BrandFrame::Front(front));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        ClickLabel* seen = qobject_cast<ClickLabel*>(frame->childAt(200, 30));
        QVERIFY(seen);
        QCOMPARE(seen->text(), text);
        QCOMPARE(seen->geometry(),
                 Control(frame, front == int(BrandFrame::Front::Cobrand) ? "lblFullBrand" : "lblCobrand")->geometry());
        QTest::mouseClick(seen, Qt::LeftButton);
        QCOMPARE(env->pages.pageKeys(), QStringList{page});
    }

    void forumLabel_namesTheSite_andOpensHomePage() {
        QWidget host;
        ClickLabel* label = MakeForumLabel(&host);
        QCOMPARE(label->text(), u"The Most Popular Online Mystic Discussion Forum. Click Here To Visit "_s +
                                    MakerWebAddress() + u" Now"_s);
        QVERIFY(!MakerWebAddress().isEmpty() && SiteAddress().contains(MakerWebAddress()));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(env->pages.pageKeys(), QStringList{u"home-page"_s});
    }

    void enter_pressesTheFocusedButton_once() {
        InstallKeyboardConventions(QCoreApplication::instance());
        InstallKeyboardConventions(QCoreApplication::instance());
        QMainWindow window;
        auto* button = new QPushButton(u"Continue"_s, &window);
        auto* off = new QPushButton(u"Off"_s, &window);
        off->move(0, 40);
        off->setEnabled(false);
        int presses = 0;
        int offPresses = 0;
        connect(button, &QPushButton::clicked, [&] { ++presses; });
        connect(off, &QPushButton::clicked, [&] { ++offPresses; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(off, Qt::Key_Return);
        QCOMPARE(presses, 2);
        QCOMPARE(offPresses, 0);
    }

    void realMessageBox_okBox() {
        SetMessageBoxHandler({});
        QString shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            shown = box->text();
            icon = box->icon();
            QVERIFY(!box->button(QMessageBox::No));
            box->button(QMessageBox::Ok)->click();
        });
        QCOMPARE(MsgBox(u"Required File Is Missing\rPlease Reinstall Software"_s, MsgButtons::Ok, MsgIcon::Critical),
                 MsgResult::Ok);
        QCOMPARE(shown, QStringLiteral("Required File Is Missing\nPlease Reinstall Software"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

  private:
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<RecordingShell> shell;
};

QTEST_MAIN(tst_SharedCommands)
#include "tst_SharedCommands.moc"
