#include "shell/frmMain.h"

#include "calendar/PaganCalendarTool.h"
#include "common/Look.h"
#include "common/Pictures.h"
#include "common/Texts.h"
#include "common/WebPages.h"
#include "common/Windows.h"
#include "diary/PaganDiaryTool.h"
#include "dowsing/DowsingTool.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

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
std::array<ToolOpener, 3>& toolOpeners() {
    static std::array<ToolOpener, 3> openers{ShowDowsingTool, ShowPaganDiaryTool, ShowPaganCalendarTool};
    return openers;
}
} // namespace

void SetToolOpener(int index, ToolOpener opener) {
    toolOpeners().at(index) = std::move(opener);
}

void ResetToolOpeners() {
    toolOpeners() = {ShowDowsingTool, ShowPaganDiaryTool, ShowPaganCalendarTool};
}

namespace {
// Timer ticks due at the same moment can arrive well apart on a busy machine; the two timers' own ticks are
// a full second apart, so a fifth of that tells a shared moment safely.
constexpr int kTickTolerance = 200;
} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Texts::VersionCaption);
    QWidget* client = MakeClientArea(Look::Purple, QSize(553, 453));

    Frame2 = new QFrame(client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(8, 6, 537, 52);
    Frame2->setFrameShape(QFrame::StyledPanel);
    Look::SetBackground(Frame2, Look::Purple);
    lblCorvell = new ClickLabel(ForumBoardText(), Frame2);
    lblCorvell->setObjectName(QStringLiteral("lblCorvell"));
    lblCorvell->setGeometry(6, 6, 525, 40);
    lblCorvell->setAlignment(Qt::AlignCenter);
    lblCorvell->setWordWrap(true);
    lblCorvell->setTextFormat(Qt::PlainText);
    lblCorvell->setFont(Look::Verdana(8.25, true));
    lblCorvell->MakeLink();
    Look::SetTextColour(lblCorvell, Qt::white);

    Label1 = new QLabel(
        QStringLiteral("Welcome to the Velloran! Get to know more about the Pagan & Wiccan Culture. Use the Pagan "
                       "Diary to save your ritual details for further reference"),
        client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 62, 521, 44);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(Look::Verdana(9.0));
    Look::SetTextColour(Label1, Qt::yellow);

    Frame4 = toolFrame(QStringLiteral("Frame4"), QStringLiteral("Pagan"), client);
    Frame1 = toolFrame(QStringLiteral("Frame1"), QStringLiteral("Dowsing"), client);
    Frame3 = toolFrame(QStringLiteral("Frame3"), QStringLiteral("Pagan Diary"), client);
    Frame4->setGeometry(24, 110, 505, 82);
    Frame1->setGeometry(24, 198, 505, 82);
    Frame3->setGeometry(24, 286, 505, 82);

    // Index order of the button array: 0 Dowsing, 1 Pagan Diary, 2 Pagan.
    const std::array<QGroupBox*, 3> frames{Frame1, Frame3, Frame4};
    const std::array<QString, 3> captions{QStringLiteral("Dowsing"), QStringLiteral("Pagan Diary"),
                                          QStringLiteral("Pagan")};
    const std::array<QPixmap, 3> pictures{Pictures::Pendulum(48), Pictures::BookOfShadows(48),
                                          Pictures::WheelOfTheYear(48)};
    for (int i = 0; i < 3; ++i) {
        picIcon[i] = new QLabel(frames[i]);
        picIcon[i]->setObjectName(QStringLiteral("picIcon_%1").arg(i));
        picIcon[i]->setGeometry(18, 24, 48, 48);
        picIcon[i]->setPixmap(pictures[i]);
        cmdSelectOption[i] = new QPushButton(captions[i], frames[i]);
        cmdSelectOption[i]->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        cmdSelectOption[i]->setGeometry(84, 34, 150, 30);
        cmdSelectOption[i]->setFont(Look::Verdana(8.25, true));
        Look::UseDesktopColours(cmdSelectOption[i]);
        connect(cmdSelectOption[i], &QPushButton::clicked, this, [this, i] { cmdSelectOption_Click(i); });
    }

    fraFullBrand = new BrandFrame(client);
    fraFullBrand->setGeometry(8, 376, 537, 70);
    Look::SetBackground(fraFullBrand, Look::Purple);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(2000);
    Timer2->setTimerType(Qt::PreciseTimer);

    menus = InstallSharedMenus(this, QStringLiteral("nuFile"), UpdateCaption::CheckFor);
    mnuNext = new QAction(QStringLiteral("&Next"), this);
    mnuNext->setObjectName(QStringLiteral("mnuNext"));
    mnuNext->setEnabled(false);
    menus.fileMenu->insertAction(menus.mnuExit, mnuNext);

    connect(lblCorvell, &ClickLabel::clicked, this, &frmMain::lblCorvell_Click);
    connect(lblCorvell, &ClickLabel::mouseMoved, this, &frmMain::lblCorvell_MouseMove);
    for (QWidget* frame : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3}) {
        connect(new MouseMoveWatcher(frame), &MouseMoveWatcher::mouseMoved, this, &frmMain::Frame_MouseMove);
    }
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &frmMain::Timer2_Timer);
    connect(menus.mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);

    // The blinking starts with the window.
    Timer1->start();
    Timer2->start();
    // The client area is fixed; asking the widgets for a size hint would lay out every wrapped text for nothing.
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmMain::CoBrand_Randomize(const std::function<double()>& random) {
    const int n = static_cast<int>(6 * random() + 1);
    fraFullBrand->BringToFront(n % 2 == 1 ? BrandFrame::Front::Cobrand : BrandFrame::Front::FullBrand);
}

void frmMain::cmdSelectOption_Click(int index) {
    // 0 Dowsing, 1 Pagan Diary, 2 Pagan.
    const ToolOpener& open = toolOpeners().at(index);
    if (open && open()) {
        Windows::HideForm(this);
    }
}

void frmMain::lblCorvell_Click() {
    OpenWebPage(PageKey::HomePage);
}

void frmMain::lblCorvell_MouseMove() {
    Timer1->stop();
    Timer2->stop();
    lblCorvell->setVisible(true);
}

void frmMain::Frame_MouseMove() {
    // Moving on over a frame must not restart a running blink, or a restless mouse would freeze it.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
    if (!Timer2->isActive()) {
        Timer2->start();
    }
}

void frmMain::Timer1_Timer() {
    // Every second tick of Timer1 falls on a tick of Timer2. Whichever of the two the event loop serves first,
    // the hide must win there, or the line would never be seen hidden and would not blink at all.
    const int untilHide = Timer2->remainingTime();
    const bool withTimer2 =
        Timer2->isActive() && (untilHide < kTickTolerance || untilHide > Timer2->interval() - kTickTolerance);
    if (!withTimer2) {
        lblCorvell->setVisible(true);
    }
}

void frmMain::Timer2_Timer() {
    lblCorvell->setVisible(false);
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::Form_Unload() {
    Timer1->stop();
    Timer2->stop();
    CloseAllWindows();
}
