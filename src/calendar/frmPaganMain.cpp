#include "calendar/frmPaganMain.h"

#include "calendar/LoreText.h"
#include "calendar/PaganCalendarValues.h"
#include "calendar/PaganLore.h"
#include "calendar/PaganPictures.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/frmWheelOfTheYear.h"
#include "common/Clock.h"
#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/ShellServices.h"
#include "common/Windows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString YearNotChosen = QStringLiteral("Please Select A Year");
constexpr int PictureSide = 150;

QLabel* textLabel(const QString& name, const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(Look::Verdana(9.75, bold));
    Look::SetTextColour(label, Qt::white);
    return label;
}

// Each picture is drawn once per process and size; later windows show the same image.
QImage drawnPicture(PaganPictures::Subject subject, QSize size) {
    static QHash<QPair<int, QSize>, QImage> drawn;
    const QPair<int, QSize> key(int(subject), size);
    auto found = drawn.constFind(key);
    if (found == drawn.constEnd()) {
        found = drawn.insert(key, PaganPictures::Draw(subject, size));
    }
    return found.value();
}

QLabel* pictureLabel(const QString& name, PaganPictures::Subject subject, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setFixedSize(PictureSide, PictureSide);
    const qreal scale = parent->devicePixelRatioF();
    QImage image = drawnPicture(subject, QSize(PictureSide, PictureSide) * scale);
    image.setDevicePixelRatio(scale);
    picture->setPixmap(QPixmap::fromImage(image));
    return picture;
}

// A long text alone in the room its page gives it.
QLabel* loreText(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new LoreText(text, parent);
    label->setObjectName(name);
    label->setFont(Look::Verdana(9.75));
    Look::SetTextColour(label, Qt::white);
    return label;
}

} // namespace

frmPaganMain::frmPaganMain() {
    setObjectName(QStringLiteral("frmPaganMain"));
    setWindowTitle(QStringLiteral("Velloran"));
    QWidget* client = MakeClientArea(Look::DarkTeal);

    SSTMain = new SSTab(QStringLiteral("SSTMain"), 6, client);
    SSTFestiveSeasons = new SSTab(QStringLiteral("SSTFestiveSeasons"), 8);
    SSTElements = new SSTab(QStringLiteral("SSTElements"), 5);
    SSTGods = new SSTab(QStringLiteral("SSTGods"), 6);
    SSTGoddesses = new SSTab(QStringLiteral("SSTGoddesses"), 6);

    SSTMain->AddTab(buildCalendarTab(), QStringLiteral("Pagan Calendar"));
    SSTMain->AddTab(QStringLiteral("Pagan Information"), [this] { return buildInformationTab(); });
    SSTMain->AddTab(buildFestiveSeasonsTab(), QStringLiteral("Pagan Festive Seasons"));

    // Every subject tab: its text, and beside it the subject's picture where it has one. A page is made when
    // its tab first comes on screen.
    const auto fill = [this](SSTab* control, std::span<const PaganLore::Subject> subjects, const QString& labelName,
                             std::vector<QLabel*>& labels, int firstPicture) {
        labels.assign(subjects.size(), nullptr);
        for (int i = 0; i < int(subjects.size()); ++i) {
            const PaganLore::Subject& subject = subjects[i];
            control->AddTab(subject.captionText(), [this, &subject, &labels, labelName, firstPicture, i] {
                auto* page = new QWidget;
                auto* row = new QHBoxLayout(page);
                row->setContentsMargins(12, 12, 12, 12);
                row->setSpacing(16);
                QLabel* text = loreText(QStringLiteral("%1_%2").arg(labelName).arg(i), subject.bodyText(), page);
                labels[i] = text;
                row->addWidget(text, 1);
                if (firstPicture >= 0) {
                    const int pictureIndex = firstPicture - int(PaganPictures::Subject::Earth) + i;
                    QLabel* picture = pictureLabel(QStringLiteral("imgPictures_%1").arg(pictureIndex),
                                                   PaganPictures::Subject(firstPicture + i), page);
                    imgPictures[pictureIndex] = picture;
                    row->addWidget(picture, 0, Qt::AlignTop);
                }
                return page;
            });
        }
    };
    imgPictures.assign(int(PaganPictures::Subject::WheelOfTheYear) - int(PaganPictures::Subject::Earth), nullptr);
    fill(SSTFestiveSeasons, PaganLore::FestiveSeasons(), QStringLiteral("lblFestiveSeasons"), lblFestiveSeasons, -1);
    fill(SSTElements, PaganLore::Elements(), QStringLiteral("lblElements"), lblElements,
         int(PaganPictures::Subject::Earth));
    fill(SSTGods, PaganLore::Gods(), QStringLiteral("lblGods"), lblGods, int(PaganPictures::Subject::Angus));
    fill(SSTGoddesses, PaganLore::Goddesses(), QStringLiteral("lblGoddesses"), lblGoddesses,
         int(PaganPictures::Subject::Arianrhod));

    const auto frameFor = [](const QString& name, SSTab* inner) {
        auto* frame = new QWidget;
        frame->setObjectName(name);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 8, 8, 8);
        layout->addWidget(inner);
        return frame;
    };
    SSTMain->AddTab(frameFor(QStringLiteral("fraElements"), SSTElements), QStringLiteral("Pagan Elements"));
    SSTMain->AddTab(frameFor(QStringLiteral("fraGods"), SSTGods), QStringLiteral("Pagan Gods"));
    SSTMain->AddTab(frameFor(QStringLiteral("fraGoddesses"), SSTGoddesses), QStringLiteral("Pagan Goddesses"));

    // The elements open on Spirit and the gods on Sucellus, the last tabs they had when the window was made.
    SSTElements->SetTab(4);
    SSTGods->SetTab(11);

    Label14 = MakeForumLabel(client);
    fraFullBrand = new BrandFrame(client);
    fraFullBrand->setFixedHeight(56);
    Look::SetBackground(fraFullBrand, Look::DarkTeal);
    fraFullBrand->BringToFront(BrandFrame::Front::FullBrand);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(SSTMain, 1);
    layout->addWidget(Label14);
    layout->addWidget(fraFullBrand);

    menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    InstallWheelOfTheYearMenu(this);
    // The menu bar keeps the desktop's colours; only the client area is teal.

    connect(cmdMonthBack, &QPushButton::clicked, this, &frmPaganMain::cmdMonthBack_Click);
    connect(cmdMonthNext, &QPushButton::clicked, this, &frmPaganMain::cmdMonthNext_Click);
    connect(cmdCalendar, &QPushButton::clicked, this, &frmPaganMain::cmdCalendar_Click);
    connect(SSTMain, &SSTab::Click, this, &frmPaganMain::SSTMain_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmPaganMain::mnuExit_Click);

    // A fixed size, as the month view: every text is laid out for it.
    setFixedSize(820, 600);
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

QWidget* frmPaganMain::buildCalendarTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraCalendar"));
    Label5 = loreText(QStringLiteral("Label5"), PaganLore::OldCalendar(), page);

    Picture1 = pictureLabel(QStringLiteral("Picture1"), PaganPictures::Subject::WheelOfTheYear, page);

    cmdMonthBack = new QPushButton(QStringLiteral("<"), page);
    cmdMonthBack->setObjectName(QStringLiteral("cmdMonthBack"));
    cmdMonthNext = new QPushButton(QStringLiteral(">"), page);
    cmdMonthNext->setObjectName(QStringLiteral("cmdMonthNext"));
    for (QPushButton* button : {cmdMonthBack, cmdMonthNext}) {
        button->setFixedSize(32, 26);
        button->setFont(Look::Verdana(9.75, true));
        Look::UseDesktopColours(button);
    }
    lblMonth = new QLabel(page);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setAlignment(Qt::AlignCenter);
    lblMonth->setFont(Look::Verdana(9.75, true));
    lblMonth->setMinimumWidth(130);
    Look::SetTextColour(lblMonth, Qt::white);

    years_ = new QButtonGroup(this);
    years_->setExclusive(true);
    auto* yearGrid = new QGridLayout;
    yearGrid->setHorizontalSpacing(12);
    for (int i = 0; i < int(optYear.size()); ++i) {
        auto* option = new QRadioButton(QString::number(2006 + i), page);
        option->setObjectName(QStringLiteral("optYear_%1").arg(i));
        option->setFont(Look::Verdana(8.25, true));
        Look::SetTextColour(option, Qt::white);
        years_->addButton(option, i);
        optYear[i] = option;
        // Three rows: 2006-2008, 2009-2011, and 2012 alone under 2010.
        const int row = i / 3;
        const int column = i == 6 ? 1 : i % 3;
        yearGrid->addWidget(option, row, column);
    }

    cmdCalendar = new QPushButton(QStringLiteral("Show Pagan &Calendar"), page);
    cmdCalendar->setObjectName(QStringLiteral("cmdCalendar"));
    cmdCalendar->setFont(Look::Verdana(8.25, true));
    Look::UseDesktopColours(cmdCalendar);
    cmdCalendar->setMinimumHeight(30);

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(cmdMonthBack);
    monthRow->addWidget(lblMonth, 1);
    monthRow->addWidget(cmdMonthNext);

    auto* chooser = new QVBoxLayout;
    chooser->setSpacing(12);
    chooser->addWidget(Picture1, 0, Qt::AlignHCenter);
    chooser->addLayout(monthRow);
    chooser->addLayout(yearGrid);
    chooser->addWidget(cmdCalendar);
    chooser->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(20);
    layout->addWidget(Label5, 1);
    layout->addLayout(chooser);
    return page;
}

QWidget* frmPaganMain::buildInformationTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraInformation"));
    Label1 = textLabel(QStringLiteral("Label1"), PaganLore::Introduction(), page);
    Label2 = textLabel(QStringLiteral("Label2"), PaganLore::OldReligion(), page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addStretch(1);
    return page;
}

QWidget* frmPaganMain::buildFestiveSeasonsTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraFestiveSeasons"));
    Label3 = textLabel(QStringLiteral("Label3"), PaganLore::Introduction(), page);
    Label4 = textLabel(QStringLiteral("Label4"), QStringLiteral("The following is the list of Pagan Festivals:"), page,
                       true);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(Label3);
    layout->addWidget(Label4);
    layout->addWidget(SSTFestiveSeasons, 1);
    return page;
}

void frmPaganMain::Form_Load() {
    lblMonth->setText(PaganCalendar::PlatformMonthName(Today().month()));
    SSTMain->SetTab(0);
}

void frmPaganMain::Form_Unload() {
    ShowLauncher();
}

bool frmPaganMain::ValidateYearChosen() {
    if (years_->checkedId() >= 0) {
        return true;
    }
    MsgBox(YearNotChosen, MsgButtons::Ok, MsgIcon::Critical, this);
    return false;
}

void frmPaganMain::stepMonth(int step) {
    const int month = PaganCalendar::PlatformMonthNumber(lblMonth->text().trimmed());
    if (month == 0) {
        return;
    }
    // The year never changes here, so the months stop at both ends rather than wrap.
    const int next = month + step;
    if (next >= 1 && next <= 12) {
        lblMonth->setText(PaganCalendar::PlatformMonthName(next));
    }
}

void frmPaganMain::cmdMonthBack_Click() {
    stepMonth(-1);
}

void frmPaganMain::cmdMonthNext_Click() {
    stepMonth(+1);
}

void frmPaganMain::cmdCalendar_Click() {
    if (!ValidateYearChosen()) {
        return;
    }
    PaganCalendar::SelectedMonthName = lblMonth->text().trimmed();
    for (QRadioButton* option : optYear) {
        if (option->isChecked()) {
            PaganCalendar::SelectedYearText = option->text();
            break;
        }
    }
    Windows::Show<frmPaganResultCalendar>();
    Windows::HideForm(this);
}

void frmPaganMain::SSTMain_Click(int /*previousTab*/) {
    // Each main tab resets the inner tab control of the tab after it, one step ahead of the user.
    switch (SSTMain->Tab()) {
    case 1:
        SSTFestiveSeasons->SetTab(0);
        break;
    case 2:
        SSTElements->SetTab(0);
        break;
    case 3:
        SSTGods->SetTab(0);
        break;
    case 4:
        SSTGoddesses->SetTab(0);
        break;
    default:
        break;
    }
}

void frmPaganMain::mnuExit_Click() {
    Windows::UnloadForm(this);
}
