#include "dowsing/MDIDowsingForm1.h"

#include "commands/frmImportCsv.h"
#include "core/Application.h"
#include "core/Texts.h"
#include "data/DataBackup.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTools.h"
#include "dowsing/Log.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "ui/BrandFrame.h"
#include "ui/Look.h"
#include "ui/Manual.h"
#include "ui/MessageBox.h"
#include "ui/SharedMenus.h"
#include "ui/ShellServices.h"
#include "ui/StoreMessages.h"
#include "ui/WebPages.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace MDIDowsingTexts {
QString UndoCaption(const QString& record) {
    if (record.isNull()) {
        return MDIDowsingForm1::tr("&Undo");
    }
    return MDIDowsingForm1::tr("&Undo Deletion of “%1”")
        .arg(QString(record).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

QString PutBackAsNew(const QString& record, qint64 number) {
    return MDIDowsingForm1::tr("“%1” is back as record number %2: another record has taken its number "
                               "meanwhile.")
        .arg(record, QString::number(number));
}
} // namespace MDIDowsingTexts

namespace {
// The record as Undo names it: its client's name, or its number when it has none.
QString recordName(const KeptRow& record) {
    const QString name = ShortName(record.text(QStringLiteral("Name")));
    return name.isEmpty() ? MDIDowsingForm1::tr("record %1").arg(record.key) : name;
}

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

    auto* topPanel = new QFrame(client);
    topPanel->setObjectName(QStringLiteral("Picture1"));
    topPanel->setFrameShape(QFrame::Panel);
    topPanel->setFrameShadow(QFrame::Raised);
    // The navy forum line keeps the grey it was made for, whatever the desktop's colours.
    Look::SetBackground(topPanel, Look::ButtonFace);
    auto* top = new QHBoxLayout(topPanel);
    top->setContentsMargins(6, 2, 6, 4);
    auto* forumFrame = new QGroupBox(topPanel);
    forumFrame->setObjectName(QStringLiteral("Frame3"));
    Look::SetBackground(forumFrame, Look::ButtonFace);
    auto* forumFrameLayout = new QHBoxLayout(forumFrame);
    forumFrameLayout->setContentsMargins(6, 4, 6, 4);
    ClickLabel* forumLine = brandLabel(QStringLiteral("Label61"), ForumBoardText(), forumFrame);
    Look::SetTextColour(forumLine, QColor(0, 0, 128));
    forumFrameLayout->addWidget(forumLine);
    top->addWidget(forumFrame);
    column->addWidget(topPanel);

    windowArea_ = new QMdiArea(client);
    windowArea_->setObjectName(QStringLiteral("mdiArea"));
    // The system's application-workspace colour behind the dowsing windows.
    windowArea_->setBackground(palette().brush(QPalette::Dark));
    windowArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    windowArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(windowArea_, 1);

    auto* bottomPanel = new QFrame(client);
    bottomPanel->setObjectName(QStringLiteral("Picture2"));
    bottomPanel->setFrameShape(QFrame::Panel);
    bottomPanel->setFrameShadow(QFrame::Raised);
    Look::SetBackground(bottomPanel, Look::Cream);
    auto* bottom = new QHBoxLayout(bottomPanel);
    bottom->setContentsMargins(8, 6, 8, 6);
    ClickLabel* brandLine = brandLabel(QStringLiteral("Label7"), Texts::FullBrand(), bottomPanel);
    Look::SetTextColour(brandLine, QColor(128, 0, 0));
    bottom->addWidget(brandLine);
    column->addWidget(bottomPanel);

    // Menus keep the desktop's colours, whatever the window's own background.
    Look::UseDesktopColours(menuBar());
    menuBar()->setAutoFillBackground(true);
    // The tool's own additions, in a menu of their own after the menus of the window in front.
    toolsMenu_ = DowsingTools::InstallToolsMenu(this);
    undoItem_ = InsertUndoItem(toolsMenu_, this);
    nameUndoItem();
    connect(undoItem_, &QAction::triggered, this, &MDIDowsingForm1::UndoDeletion);
    connect(windowArea_, &QMdiArea::subWindowActivated, this, &MDIDowsingForm1::ShowActiveWindowMenus);

    connect(forumLine, &ClickLabel::clicked, this, [] { OpenWebPage(PageKey::HomePage); });
    connect(brandLine, &ClickLabel::clicked, this, [] { OpenWebPage(PageKey::FullyBranded); });

    resize(800, 700);
    if (const QScreen* where = screen()) {
        const QRect available = where->availableGeometry();
        resize(size().boundedTo(available.size()));
        move(available.center() - rect().center());
    }
}

void MDIDowsingForm1::onLoad() {
    DataBackup::NoteToolOpened();
    Windows::Load<frmDowsingMain>();
}

void MDIDowsingForm1::onUnload() {
    Windows::Unload<frmDowsingMain>();
    // The grid and the sheet go too, shown or hidden, so that the next opening reads the table afresh.
    Windows::Unload<frmDowsingAllRecord>();
    Windows::Unload<frmDowsingSave>();
    // Then every other dowsing window still loaded in the frame, shown or hidden.
    for (QMdiSubWindow* sub : windowArea_->subWindowList()) {
        if (auto* form = dynamic_cast<Form*>(sub->widget())) {
            Windows::UnloadForm(form);
        }
    }
    DataBackup::BackUpIfChangedSinceToolOpened();
    ShowLauncher();
}

void MDIDowsingForm1::NoteDeleted(const KeptRow& record) {
    deleted_.append({record, nullptr});
    nameUndoItem();
}

void MDIDowsingForm1::NoteImported(std::shared_ptr<CsvImport::Imported> imported) {
    deleted_.append({std::nullopt, std::move(imported)});
    nameUndoItem();
}

void MDIDowsingForm1::nameUndoItem() {
    undoItem_->setEnabled(!deleted_.isEmpty());
    if (!deleted_.isEmpty() && deleted_.constLast().imported) {
        undoItem_->setText(frmImportCsv::UndoCaption(deleted_.constLast().imported->fileName));
    } else {
        undoItem_->setText(
            MDIDowsingTexts::UndoCaption(deleted_.isEmpty() ? QString() : recordName(*deleted_.constLast().record)));
    }
    if (auto* undoImport = toolsMenu_->findChild<QAction*>(QStringLiteral("mnuUndoImport"))) {
        undoImport->setEnabled(std::any_of(deleted_.cbegin(), deleted_.cend(),
                                           [](const Undoable& undoable) { return bool(undoable.imported); }));
    }
}

void MDIDowsingForm1::UndoImport() {
    for (auto latest = deleted_.size() - 1; latest >= 0; --latest) {
        if (const std::shared_ptr<CsvImport::Imported> imported = deleted_.at(latest).imported) {
            if (frmImportCsv::UndoImport(*imported, this)) {
                deleted_.removeAt(latest);
                nameUndoItem();
            }
            return;
        }
    }
}

void MDIDowsingForm1::UndoDeletion() {
    if (deleted_.isEmpty()) {
        return;
    }
    if (deleted_.constLast().imported) {
        UndoImport();
        return;
    }
    const KeptRow record = *deleted_.constLast().record;
    DowsingStore store(ApplicationFile(QString::fromLatin1(DowsingStore::FileName)));
    StoreResult<RowPutBack> back = store.putBack(record);
    while (!back && StoreFailureRetry(StoreFailureText(back.error()), back.error(), this)) {
        back = store.putBack(record);
    }
    if (!back) {
        return;
    }
    deleted_.removeLast();
    qCInfo(VelloranDowsingLog, "record %lld put back as %lld", record.key, back->key);
    nameUndoItem();
    // Every open list of the records shows it again as it follows the change.
    if (!back->underOwnKey) {
        MsgBox(MDIDowsingTexts::PutBackAsNew(recordName(record), back->key), MsgButtons::Ok, MsgIcon::Information,
               this);
    }
}

void MDIDowsingForm1::ShowActiveWindowMenus() {
    // The current sub-window stays current while the frame itself is not active (a message box over it); when
    // it is hidden, the window shown last before it is in front.
    QMdiSubWindow* front = windowArea_->currentSubWindow();
    if (!front || front->isHidden()) {
        front = nullptr;
        const QList<QMdiSubWindow*> stack = windowArea_->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
            if (!(*it)->isHidden()) {
                front = *it;
                break;
            }
        }
        // Active as well as in front: the keys of a window in an inactive sub-window do not reach it.
        if (front) {
            windowArea_->setActiveSubWindow(front);
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

void MDIDowsingForm1::AddWindow(QMdiSubWindow* window) {
    windowArea_->addSubWindow(window);
}

void MDIDowsingForm1::BringToFront(QMdiSubWindow* window) {
    windowArea_->setActiveSubWindow(window);
    ShowActiveWindowMenus();
}

bool MDIDowsingForm1::ShowsAnyWindow() const {
    const QList<QMdiSubWindow*> windows = windowArea_->subWindowList();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QMdiSubWindow* sub) { return sub->isVisible(); });
}

QString MDIDowsingForm1::manualPage() const {
    const QMdiSubWindow* front = windowArea_->currentSubWindow();
    if (const auto* form = front && front->isVisible() ? dynamic_cast<const Form*>(front->widget()) : nullptr) {
        return form->manualPage();
    }
    return QStringLiteral("dowsing.html");
}

DowsingChildWindow::DowsingChildWindow(QWidget* parent) : FormWindow(parent) {
    // F1 is the frame's, which opens the page about the window in front.
    DropManualCommand();
}

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
        frame->AddWindow(sub);
        subWindow_ = sub;
        MoveToTopLeft();
        if (remembersSize()) {
            Remembered::RestoreWindow(sub, objectName(), Remembered::Place::SizeOnly);
        }
    }
    show();
    subWindow_->show();
    frame->BringToFront(subWindow_);
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

void DowsingChildWindow::KeepPlace() const {
    if (remembersSize() && subWindow_) {
        Remembered::KeepWindow(subWindow_, objectName());
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
