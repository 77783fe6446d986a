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
    return {fileMenu->menuAction(), mnuHelp->menuAction(), mnuDonate, mnuMakeMoney};
}

SharedMenus BuildSharedMenus(QWidget* owner, const QString& fileMenuName, UpdateCaption updateCaption) {
    SharedMenus m;
    m.fileMenu = new QMenu(Words::tr("&File"), owner);
    m.fileMenu->setObjectName(fileMenuName);
    m.mnuExit = m.fileMenu->addAction(Words::tr("E&xit"));
    m.mnuExit->setObjectName(QStringLiteral("mnuExit"));

    m.mnuHelp = new QMenu(Words::tr("&Help"), owner);
    m.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    m.mnuOnline = pageItem(owner, QStringLiteral("mnuOnline"), Words::tr("&Online Help"), PageKey::Help);
    m.mnuVisit = pageItem(owner, QStringLiteral("mnuVisit"), Words::tr("&Visit Us Online"), PageKey::HomePage);
    m.mnuUpdate = pageItem(owner, QStringLiteral("mnuUpdate"),
                           updateCaption == UpdateCaption::CheckFor ? Words::tr("&Check for Software Update")
                                                                    : Words::tr("Check for Software &Update"),
                           PageKey::Download);
    m.mnuAbout = new QAction(Words::tr("&About Software"), owner);
    m.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(m.mnuAbout, &QAction::triggered, owner, [owner] { ShowAbout(owner->window()); });

    m.mnuHelp->addAction(m.mnuOnline);
    m.mnuHelp->addAction(m.mnuVisit);
    AddNamedSeparator(m.mnuHelp, QStringLiteral("mnuFileSep1"));
    m.mnuHelp->addAction(m.mnuUpdate);
    AddNamedSeparator(m.mnuHelp, QStringLiteral("mnuFileSep2"));
    m.mnuHelp->addAction(m.mnuAbout);

    m.mnuDonate = pageItem(owner, QStringLiteral("mnuDonate"), Words::tr("&Donate"), PageKey::Donate);
    // Kept in the bar but never choosable.
    m.mnuMakeMoney =
        pageItem(owner, QStringLiteral("mnuMakeMoney"), Words::tr("Make Money &Online"), PageKey::FullyBranded);
    m.mnuMakeMoney->setEnabled(false);
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
