#include "shell/frmMain.h"

#include "calendar/PaganCalendarTool.h"
#include "commands/DataSourceChoice.h"
#include "core/Services.h"
#include "core/Texts.h"
#include "diary/PaganDiaryTool.h"
#include "dowsing/DowsingTool.h"
#include "ui/Look.h"
#include "ui/Pictures.h"
#include "ui/SharedMenus.h"
#include "ui/WebPages.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <array>

namespace {
QGroupBox* toolFrame(const QString& name, const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFont(Look::Verdana(9.75, true));
    Look::SetBackground(frame, Look::Purple);
    Look::SetTextColour(frame, Look::PaleYellow);
    return frame;
}
} // namespace

namespace {
// Timer ticks due at the same moment can arrive well apart on a busy machine; the two timers' own ticks are
// a full second apart, so a fifth of that tells a shared moment safely.
constexpr int kTickTolerance = 200;
} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Texts::VersionCaption());
    QWidget* client = MakeClientArea(Look::Purple, QSize(553, 453));

    auto* forumFrame = new QFrame(client);
    forumFrame->setObjectName(QStringLiteral("Frame2"));
    forumFrame->setGeometry(8, 6, 537, 52);
    forumFrame->setFrameShape(QFrame::StyledPanel);
    Look::SetBackground(forumFrame, Look::Purple);
    forumLine_ = new ClickLabel(ForumBoardText(), forumFrame);
    forumLine_->setObjectName(QStringLiteral("lblCorvell"));
    forumLine_->setGeometry(6, 6, 525, 40);
    forumLine_->setAlignment(Qt::AlignCenter);
    forumLine_->setWordWrap(true);
    forumLine_->setTextFormat(Qt::PlainText);
    forumLine_->setFont(Look::Verdana(8.25, true));
    forumLine_->MakeLink();
    Look::SetTextColour(forumLine_, Qt::white);

    auto* welcome = new QLabel(tr("Welcome to the Velloran! Get to know more about the Pagan & Wiccan Culture. Use the "
                                  "Pagan Diary to save your ritual details for further reference"),
                               client);
    welcome->setObjectName(QStringLiteral("Label1"));
    welcome->setGeometry(16, 62, 521, 44);
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignCenter);
    welcome->setTextFormat(Qt::PlainText);
    welcome->setFont(Look::Verdana(9.0));
    Look::SetTextColour(welcome, Qt::yellow);

    QGroupBox* calendarFrame = toolFrame(QStringLiteral("Frame4"), tr("Pagan"), client);
    QGroupBox* dowsingFrame = toolFrame(QStringLiteral("Frame1"), tr("Dowsing"), client);
    QGroupBox* diaryFrame = toolFrame(QStringLiteral("Frame3"), tr("Pagan Diary"), client);
    calendarFrame->setGeometry(24, 110, 505, 82);
    dowsingFrame->setGeometry(24, 198, 505, 82);
    diaryFrame->setGeometry(24, 286, 505, 82);

    // Index order of the tool buttons: 0 Dowsing, 1 Pagan Diary, 2 Pagan.
    const std::array<QGroupBox*, 3> frames{dowsingFrame, diaryFrame, calendarFrame};
    const std::array<QString, 3> captions{tr("Dowsing"), tr("Pagan Diary"), tr("Pagan")};
    const std::array<QPixmap, 3> pictures{Pictures::Pendulum(48), Pictures::BookOfShadows(48),
                                          Pictures::WheelOfTheYear(48)};
    for (int i = 0; i < 3; ++i) {
        auto* icon = new QLabel(frames[i]);
        icon->setObjectName(QStringLiteral("picIcon_%1").arg(i));
        icon->setGeometry(18, 24, 48, 48);
        icon->setPixmap(pictures[i]);
        auto* openButton = new QPushButton(captions[i], frames[i]);
        openButton->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        openButton->setGeometry(84, 34, 150, 30);
        openButton->setFont(Look::Verdana(8.25, true));
        Look::UseDesktopColours(openButton);
        connect(openButton, &QPushButton::clicked, this, [this, i] { openTool(i); });
    }

    brand_ = new BrandFrame(client);
    brand_->setGeometry(8, 376, 537, 70);
    Look::SetBackground(brand_, Look::Purple);

    showLineTimer_ = new QTimer(this);
    showLineTimer_->setObjectName(QStringLiteral("Timer1"));
    showLineTimer_->setInterval(1000);
    showLineTimer_->setTimerType(Qt::PreciseTimer);
    hideLineTimer_ = new QTimer(this);
    hideLineTimer_->setObjectName(QStringLiteral("Timer2"));
    hideLineTimer_->setInterval(2000);
    hideLineTimer_->setTimerType(Qt::PreciseTimer);

    const SharedMenus menus = InstallSharedMenus(this, QStringLiteral("nuFile"), UpdateCaption::CheckFor);
    auto* nextItem = new QAction(tr("&Next"), this);
    nextItem->setObjectName(QStringLiteral("mnuNext"));
    nextItem->setEnabled(false);
    menus.fileMenu->insertAction(menus.exitItem, nextItem);
    // The program's own commands, after the menus the launcher always had: where the records and the diary live,
    // and the manual.
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    DataSourceChoice::AddMenuItems(tools, this);
    AddNamedSeparator(tools, QStringLiteral("mnuManualSep"));
    tools->addAction(manualCommand());

    connect(forumLine_, &ClickLabel::clicked, this, &frmMain::openHomePage);
    connect(forumLine_, &ClickLabel::mouseMoved, this, &frmMain::stopBlinking);
    for (QWidget* frame : std::initializer_list<QWidget*>{dowsingFrame, forumFrame, diaryFrame}) {
        connect(new MouseMoveWatcher(frame), &MouseMoveWatcher::mouseMoved, this, &frmMain::resumeBlinking);
    }
    connect(showLineTimer_, &QTimer::timeout, this, &frmMain::showForumLine);
    connect(hideLineTimer_, &QTimer::timeout, this, &frmMain::hideForumLine);
    connect(menus.exitItem, &QAction::triggered, this, &frmMain::exitProgram);

    // The blinking starts with the window.
    showLineTimer_->start();
    hideLineTimer_->start();
    // The client area is fixed; asking the widgets for a size hint would lay out every wrapped text for nothing.
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmMain::BringRandomBrandToFront(const std::function<double()>& random) {
    const int n = static_cast<int>(6 * random() + 1);
    brand_->BringToFront(n % 2 == 1 ? BrandFrame::Front::Cobrand : BrandFrame::Front::FullBrand);
}

void frmMain::openTool(int index) {
    // 0 Dowsing, 1 Pagan Diary, 2 Pagan.
    static const std::array<bool (*)(), 3> own{ShowDowsingTool, ShowPaganDiaryTool, ShowPaganCalendarTool};
    const std::function<bool()>& given = CurrentServices().toolOpeners.at(index);
    if (given ? given() : own.at(index)()) {
        Windows::HideForm(this);
    }
}

void frmMain::openHomePage() {
    OpenWebPage(PageKey::HomePage);
}

void frmMain::stopBlinking() {
    showLineTimer_->stop();
    hideLineTimer_->stop();
    forumLine_->setVisible(true);
}

void frmMain::resumeBlinking() {
    // Moving on over a frame must not restart a running blink, or a restless mouse would freeze it.
    if (!showLineTimer_->isActive()) {
        showLineTimer_->start();
    }
    if (!hideLineTimer_->isActive()) {
        hideLineTimer_->start();
    }
}

void frmMain::showForumLine() {
    // Every second tick of the show timer falls on a tick of the hide timer. Whichever of the two the event loop
    // serves first, the hide must win there, or the line would never be seen hidden and would not blink at all.
    const int untilHide = hideLineTimer_->remainingTime();
    const bool withHide = hideLineTimer_->isActive() &&
                          (untilHide < kTickTolerance || untilHide > hideLineTimer_->interval() - kTickTolerance);
    if (!withHide) {
        forumLine_->setVisible(true);
    }
}

void frmMain::hideForumLine() {
    forumLine_->setVisible(false);
}

void frmMain::exitProgram() {
    close();
}

void frmMain::onUnload() {
    showLineTimer_->stop();
    hideLineTimer_->stop();
    CloseAllWindows();
}
