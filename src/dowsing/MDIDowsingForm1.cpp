#include "dowsing/MDIDowsingForm1.h"

#include "common/BrandFrame.h"
#include "common/DataBackup.h"
#include "common/Look.h"
#include "common/ShellServices.h"
#include "common/Texts.h"
#include "common/WebPages.h"
#include "common/Windows.h"
#include "dowsing/DowsingTools.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
ClickLabel* brandLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Look::Verdana(8.25, true));
    label->MakeLink();
    return label;
}
} // namespace

MDIDowsingForm1::MDIDowsingForm1() {
    setObjectName(QStringLiteral("MDIDowsingForm1"));
    setWindowTitle(QStringLiteral("Quarrow"));
    setFont(Look::Verdana(8.25));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Picture1 = new QFrame(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Raised);
    auto* top = new QHBoxLayout(Picture1);
    top->setContentsMargins(6, 2, 6, 4);
    Frame3 = new QGroupBox(Picture1);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* frame3Layout = new QHBoxLayout(Frame3);
    frame3Layout->setContentsMargins(6, 4, 6, 4);
    Label61 = brandLabel(QStringLiteral("Label61"), ForumBoardText(), Frame3);
    Look::SetTextColour(Label61, QColor(0, 0, 128));
    frame3Layout->addWidget(Label61);
    top->addWidget(Frame3);
    column->addWidget(Picture1);

    mdiArea = new QMdiArea(client);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // The system's application-workspace colour behind the dowsing windows.
    mdiArea->setBackground(palette().brush(QPalette::Dark));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(mdiArea, 1);

    Picture2 = new QFrame(client);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameShape(QFrame::Panel);
    Picture2->setFrameShadow(QFrame::Raised);
    Look::SetBackground(Picture2, Look::Cream);
    auto* bottom = new QHBoxLayout(Picture2);
    bottom->setContentsMargins(8, 6, 8, 6);
    Label7 = brandLabel(QStringLiteral("Label7"), Texts::FullBrand, Picture2);
    Look::SetTextColour(Label7, QColor(128, 0, 0));
    bottom->addWidget(Label7);
    column->addWidget(Picture2);

    // Menus keep the desktop's colours, whatever the window's own background.
    Look::UseDesktopColours(menuBar());
    menuBar()->setAutoFillBackground(true);
    // The tool's own additions, in a menu of their own after the menus of the window in front.
    toolsMenu_ = DowsingTools::InstallToolsMenu(this);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &MDIDowsingForm1::ShowActiveWindowMenus);

    connect(Label61, &ClickLabel::clicked, this, &MDIDowsingForm1::Label61_Click);
    connect(Label7, &ClickLabel::clicked, this, &MDIDowsingForm1::Label7_Click);

    resize(800, 700);
    if (const QScreen* where = screen()) {
        const QRect available = where->availableGeometry();
        resize(size().boundedTo(available.size()));
        move(available.center() - rect().center());
    }
}

void MDIDowsingForm1::Form_Load() {
    DataBackup::NoteToolOpened();
    Windows::Load<frmDowsingMain>();
}

void MDIDowsingForm1::Form_Unload() {
    Windows::Unload<frmDowsingMain>();
    // The grid and the sheet go too, shown or hidden, so that the next opening reads the table afresh.
    Windows::Unload<frmDowsingAllRecord>();
    Windows::Unload<frmDowsingSave>();
    // Then every other dowsing window still loaded in the frame, shown or hidden.
    for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
        if (auto* form = dynamic_cast<Form*>(sub->widget())) {
            Windows::UnloadForm(form);
        }
    }
    DataBackup::BackUpIfChangedSinceToolOpened();
    ShowLauncher();
}

void MDIDowsingForm1::ShowActiveWindowMenus() {
    // The current sub-window stays current while the frame itself is not active (a message box over it); when
    // it is hidden, the window shown last before it is in front.
    QMdiSubWindow* front = mdiArea->currentSubWindow();
    if (!front || front->isHidden()) {
        front = nullptr;
        const QList<QMdiSubWindow*> stack = mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
            if (!(*it)->isHidden()) {
                front = *it;
                break;
            }
        }
    }
    const auto* child = front ? dynamic_cast<const DowsingChildWindow*>(front->widget()) : nullptr;
    const QList<QAction*> wanted = child ? child->frameMenuItems() : QList<QAction*>();
    QList<QAction*> shown;
    for (const QPointer<QAction>& item : std::as_const(shownWindowMenus_)) {
        if (item) {
            shown << item;
        }
    }
    if (shown == wanted) {
        return;
    }
    for (QAction* item : std::as_const(shown)) {
        menuBar()->removeAction(item);
    }
    menuBar()->insertActions(toolsMenu_->menuAction(), wanted);
    shownWindowMenus_.clear();
    for (QAction* item : wanted) {
        shownWindowMenus_ << item;
    }
}

void MDIDowsingForm1::Label61_Click() {
    OpenWebPage(PageKey::HomePage);
}

void MDIDowsingForm1::Label7_Click() {
    OpenWebPage(PageKey::FullyBranded);
}

DowsingChildWindow::DowsingChildWindow(QWidget* parent) : FormWindow(parent) {}

void DowsingChildWindow::PresentForm() {
    MDIDowsingForm1* frame = Windows::Show<MDIDowsingForm1>();
    if (!frame || !Windows::IsLoaded(this)) {
        return;
    }
    if (!subWindow_) {
        auto* sub = new QMdiSubWindow;
        sub->setObjectName(objectName() + QStringLiteral("_sub"));
        // The registry decides when a dowsing window goes; the sub-window must not delete it on its own.
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->setWidget(this);
        sub->setWindowTitle(windowTitle());
        sub->setWindowIcon(windowIcon());
        frame->mdiArea->addSubWindow(sub);
        subWindow_ = sub;
        MoveToTopLeft();
    }
    show();
    subWindow_->show();
    frame->mdiArea->setActiveSubWindow(subWindow_);
    frame->ShowActiveWindowMenus();
}

void DowsingChildWindow::HideForm() {
    if (subWindow_) {
        subWindow_->hide();
    } else {
        hide();
    }
    if (auto* frame = Windows::Loaded<MDIDowsingForm1>()) {
        frame->ShowActiveWindowMenus();
    }
}

void DowsingChildWindow::DisposeForm() {
    if (!subWindow_) {
        FormWindow::DisposeForm();
        return;
    }
    subWindow_->hide();
    if (QMdiArea* area = subWindow_->mdiArea()) {
        area->removeSubWindow(subWindow_);
    }
    // The sub-window takes this window with it.
    subWindow_->deleteLater();
    if (auto* frame = Windows::Loaded<MDIDowsingForm1>()) {
        for (QAction* item : frameMenuItems()) {
            frame->menuBar()->removeAction(item);
        }
        frame->ShowActiveWindowMenus();
    }
}

void DowsingChildWindow::MoveToTopLeft() {
    if (subWindow_) {
        subWindow_->adjustSize();
        subWindow_->move(0, 0);
    }
}
