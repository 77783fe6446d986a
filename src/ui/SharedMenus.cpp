#include "ui/SharedMenus.h"

#include "ui/Look.h"
#include "ui/ShellServices.h"
#include "ui/WebPages.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(SharedMenus)
};
QAction* pageItem(QWidget* owner, const QString& name, const QString& caption, const QString& page) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, [page] { OpenWebPage(page); });
    return action;
}
} // namespace

QAction* AddNamedSeparator(QMenu* menu, const QString& name, QAction* before) {
    QAction* separator = before ? menu->insertSeparator(before) : menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QAction* InsertUndoItem(QMenu* tools, QObject* owner) {
    auto* undo = new QAction(owner);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* firstTool = tools->actions().constFirst();
    tools->insertAction(firstTool, undo);
    AddNamedSeparator(tools, QStringLiteral("mnuUndoSep"), firstTool);
    return undo;
}

QString ShortName(const QString& text) {
    constexpr qsizetype kLongest = 40;
    const QString name = text.simplified();
    return name.size() > kLongest ? name.left(kLongest - 1) + QChar(0x2026) : name;
}

QAction* AddNamedItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

QList<QAction*> SharedMenus::barItems() const {
    return {fileMenu->menuAction(), helpMenu->menuAction(), donateItem, makeMoneyItem};
}

SharedMenus BuildSharedMenus(QWidget* owner, const QString& fileMenuName, UpdateCaption updateCaption) {
    SharedMenus m;
    m.fileMenu = new QMenu(Words::tr("&File"), owner);
    m.fileMenu->setObjectName(fileMenuName);
    m.exitItem = m.fileMenu->addAction(Words::tr("E&xit"));
    m.exitItem->setObjectName(QStringLiteral("mnuExit"));

    m.helpMenu = new QMenu(Words::tr("&Help"), owner);
    m.helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    m.onlineHelpItem = pageItem(owner, QStringLiteral("mnuOnline"), Words::tr("&Online Help"), PageKey::Help);
    m.visitUsItem = pageItem(owner, QStringLiteral("mnuVisit"), Words::tr("&Visit Us Online"), PageKey::HomePage);
    m.updateItem = pageItem(owner, QStringLiteral("mnuUpdate"),
                            updateCaption == UpdateCaption::CheckFor ? Words::tr("&Check for Software Update")
                                                                     : Words::tr("Check for Software &Update"),
                            PageKey::Download);
    m.aboutItem = new QAction(Words::tr("&About Software"), owner);
    m.aboutItem->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(m.aboutItem, &QAction::triggered, owner, [owner] { ShowAbout(owner->window()); });

    m.helpMenu->addAction(m.onlineHelpItem);
    m.helpMenu->addAction(m.visitUsItem);
    AddNamedSeparator(m.helpMenu, QStringLiteral("mnuFileSep1"));
    m.helpMenu->addAction(m.updateItem);
    AddNamedSeparator(m.helpMenu, QStringLiteral("mnuFileSep2"));
    m.helpMenu->addAction(m.aboutItem);

    m.donateItem = pageItem(owner, QStringLiteral("mnuDonate"), Words::tr("&Donate"), PageKey::Donate);
    // Kept in the bar but never choosable.
    m.makeMoneyItem =
        pageItem(owner, QStringLiteral("mnuMakeMoney"), Words::tr("Make Money &Online"), PageKey::FullyBranded);
    m.makeMoneyItem->setEnabled(false);
    return m;
}

SharedMenus InstallSharedMenus(QMainWindow* window, const QString& fileMenuName, UpdateCaption updateCaption) {
    QMenuBar* bar = window->menuBar();
    // Menus keep the desktop's colours on every window, whatever the window's own background.
    Look::UseDesktopColours(bar);
    bar->setAutoFillBackground(true);
    SharedMenus m = BuildSharedMenus(window, fileMenuName, updateCaption);
    bar->addActions(m.barItems());
    return m;
}
