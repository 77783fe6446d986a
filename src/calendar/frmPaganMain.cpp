#include "calendar/frmPaganMain.h"

#include "calendar/LoreText.h"
#include "calendar/PaganCalendarValues.h"
#include "calendar/PaganLore.h"
#include "calendar/PaganPictures.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/frmWheelOfTheYear.h"
#include "commands/DataSourceChoice.h"
#include "core/Clock.h"
#include "ui/BrandFrame.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"
#include "ui/SharedMenus.h"
#include "ui/ShellServices.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The year and month number of the festivals asked for last ("2009-3").
const QString kLastMonth = QStringLiteral("Calendar/LastMonth");
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

    mainTabs_ = new SSTab(QStringLiteral("SSTMain"), 6, client);
    festiveSeasonTabs_ = new SSTab(QStringLiteral("SSTFestiveSeasons"), 8);
    elementTabs_ = new SSTab(QStringLiteral("SSTElements"), 5);
    godTabs_ = new SSTab(QStringLiteral("SSTGods"), 6);
    goddessTabs_ = new SSTab(QStringLiteral("SSTGoddesses"), 6);

    mainTabs_->AddTab(buildCalendarTab(), tr("Pagan Calendar"));
    mainTabs_->AddTab(tr("Pagan Information"), [this] { return buildInformationTab(); });
    mainTabs_->AddTab(buildFestiveSeasonsTab(), tr("Pagan Festive Seasons"));

    // Every subject tab: its text, and beside it the subject's picture where it has one. A page is made when
    // its tab first comes on screen.
    const auto fill = [](SSTab* control, std::span<const PaganLore::Subject> subjects, const QString& labelName,
                         int firstPicture) {
        for (int i = 0; i < int(subjects.size()); ++i) {
            const PaganLore::Subject& subject = subjects[i];
            control->AddTab(subject.captionText(), [&subject, labelName, firstPicture, i] {
                auto* page = new QWidget;
                auto* row = new QHBoxLayout(page);
                row->setContentsMargins(12, 12, 12, 12);
                row->setSpacing(16);
                row->addWidget(
                    loreText(QStringLiteral("%1_%2").arg(labelName, QString::number(i)), subject.bodyText(), page), 1);
                if (firstPicture >= 0) {
                    const int pictureIndex = firstPicture - int(PaganPictures::Subject::Earth) + i;
                    // Elements first, then gods, then goddesses, each in tab order.
                    QLabel* picture = pictureLabel(QStringLiteral("imgPictures_%1").arg(pictureIndex),
                                                   PaganPictures::Subject(firstPicture + i), page);
                    row->addWidget(picture, 0, Qt::AlignTop);
                }
                return page;
            });
        }
    };
    fill(festiveSeasonTabs_, PaganLore::FestiveSeasons(), QStringLiteral("lblFestiveSeasons"), -1);
    fill(elementTabs_, PaganLore::Elements(), QStringLiteral("lblElements"), int(PaganPictures::Subject::Earth));
    fill(godTabs_, PaganLore::Gods(), QStringLiteral("lblGods"), int(PaganPictures::Subject::Angus));
    fill(goddessTabs_, PaganLore::Goddesses(), QStringLiteral("lblGoddesses"), int(PaganPictures::Subject::Arianrhod));

    const auto frameFor = [](const QString& name, SSTab* inner) {
        auto* frame = new QWidget;
        frame->setObjectName(name);
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(8, 8, 8, 8);
        layout->addWidget(inner);
        return frame;
    };
    mainTabs_->AddTab(frameFor(QStringLiteral("fraElements"), elementTabs_), tr("Pagan Elements"));
    mainTabs_->AddTab(frameFor(QStringLiteral("fraGods"), godTabs_), tr("Pagan Gods"));
    mainTabs_->AddTab(frameFor(QStringLiteral("fraGoddesses"), goddessTabs_), tr("Pagan Goddesses"));

    // The elements open on Spirit and the gods on Sucellus, the last tabs they had when the window was made.
    elementTabs_->SetTab(4);
    godTabs_->SetTab(11);

    ClickLabel* forumLine = MakeForumLabel(client);
    auto* brand = new BrandFrame(client);
    brand->setFixedHeight(56);
    Look::SetBackground(brand, Look::DarkTeal);
    brand->BringToFront(BrandFrame::Front::FullBrand);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(mainTabs_, 1);
    layout->addWidget(forumLine);
    layout->addWidget(brand);

    const SharedMenus menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    if (auto* tools = qobject_cast<QMenu*>(InstallWheelOfTheYearMenu(this)->parent())) {
        tools->addSeparator();
        DataSourceChoice::AddMenuItems(tools, this);
    }
    // The menu bar keeps the desktop's colours; only the client area is teal.

    connect(previousMonthButton_, &QPushButton::clicked, this, &frmPaganMain::showPreviousMonth);
    connect(nextMonthButton_, &QPushButton::clicked, this, &frmPaganMain::showNextMonth);
    connect(showCalendarButton_, &QPushButton::clicked, this, &frmPaganMain::showChosenMonth);
    connect(mainTabs_, &SSTab::Click, this, &frmPaganMain::resetNextInnerTab);
    connect(menus.exitItem, &QAction::triggered, this, &frmPaganMain::exitToLauncher);

    // A fixed size, as the month view: every text is laid out for it.
    setFixedSize(820, 600);
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

QWidget* frmPaganMain::buildCalendarTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraCalendar"));
    QLabel* oldCalendar = loreText(QStringLiteral("Label5"), PaganLore::OldCalendar(), page);

    QLabel* wheel = pictureLabel(QStringLiteral("Picture1"), PaganPictures::Subject::WheelOfTheYear, page);

    previousMonthButton_ = new QPushButton(QStringLiteral("<"), page);
    previousMonthButton_->setObjectName(QStringLiteral("cmdMonthBack"));
    nextMonthButton_ = new QPushButton(QStringLiteral(">"), page);
    nextMonthButton_->setObjectName(QStringLiteral("cmdMonthNext"));
    for (QPushButton* button : {previousMonthButton_, nextMonthButton_}) {
        button->setFixedSize(32, 26);
        button->setFont(Look::Verdana(9.75, true));
        Look::UseDesktopColours(button);
    }
    monthName_ = new QLabel(page);
    monthName_->setObjectName(QStringLiteral("lblMonth"));
    monthName_->setAlignment(Qt::AlignCenter);
    monthName_->setFont(Look::Verdana(9.75, true));
    monthName_->setMinimumWidth(130);
    Look::SetTextColour(monthName_, Qt::white);

    yearOptions_ = new QButtonGroup(this);
    yearOptions_->setExclusive(true);
    auto* yearGrid = new QGridLayout;
    yearGrid->setHorizontalSpacing(12);
    for (int i = 0; i < 7; ++i) {
        auto* option = new QRadioButton(QString::number(2006 + i), page);
        option->setObjectName(QStringLiteral("optYear_%1").arg(i));
        option->setFont(Look::Verdana(8.25, true));
        Look::SetTextColour(option, Qt::white);
        yearOptions_->addButton(option, i);
        // Three rows: 2006-2008, 2009-2011, and 2012 alone under 2010.
        const int row = i / 3;
        const int column = i == 6 ? 1 : i % 3;
        yearGrid->addWidget(option, row, column);
    }

    showCalendarButton_ = new QPushButton(tr("Show Pagan &Calendar"), page);
    showCalendarButton_->setObjectName(QStringLiteral("cmdCalendar"));
    showCalendarButton_->setFont(Look::Verdana(8.25, true));
    Look::UseDesktopColours(showCalendarButton_);
    showCalendarButton_->setMinimumHeight(30);

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(previousMonthButton_);
    monthRow->addWidget(monthName_, 1);
    monthRow->addWidget(nextMonthButton_);

    auto* chooser = new QVBoxLayout;
    chooser->setSpacing(12);
    chooser->addWidget(wheel, 0, Qt::AlignHCenter);
    chooser->addLayout(monthRow);
    chooser->addLayout(yearGrid);
    chooser->addWidget(showCalendarButton_);
    chooser->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(20);
    layout->addWidget(oldCalendar, 1);
    layout->addLayout(chooser);
    return page;
}

QWidget* frmPaganMain::buildInformationTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraInformation"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addWidget(textLabel(QStringLiteral("Label1"), PaganLore::Introduction(), page));
    layout->addWidget(textLabel(QStringLiteral("Label2"), PaganLore::OldReligion(), page));
    layout->addStretch(1);
    return page;
}

QWidget* frmPaganMain::buildFestiveSeasonsTab() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("fraFestiveSeasons"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(textLabel(QStringLiteral("Label3"), PaganLore::Introduction(), page));
    layout->addWidget(
        textLabel(QStringLiteral("Label4"), tr("The following is the list of Pagan Festivals:"), page, true));
    layout->addWidget(festiveSeasonTabs_, 1);
    return page;
}

void frmPaganMain::onLoad() {
    monthName_->setText(PaganCalendar::PlatformMonthName(Today().month()));
    // The month and year whose festivals the user asked for last time, at the first opening of a run.
    const QStringList last = Remembered::FromEarlierRun(kLastMonth).toString().split(QLatin1Char('-'));
    const int year = last.value(0).toInt();
    const int month = last.value(1).toInt();
    if (month >= 1 && month <= 12 && yearOptions_->button(year - 2006)) {
        monthName_->setText(PaganCalendar::PlatformMonthName(month));
        yearOptions_->button(year - 2006)->setChecked(true);
    }
    mainTabs_->SetTab(0);
}

void frmPaganMain::onUnload() {
    ShowLauncher();
}

void frmPaganMain::ShowCalendarTab() {
    mainTabs_->SetTab(0);
}

bool frmPaganMain::yearChosen() {
    if (yearOptions_->checkedId() >= 0) {
        return true;
    }
    MsgBox(tr("Please Select A Year"), MsgButtons::Ok, MsgIcon::Critical, this);
    return false;
}

void frmPaganMain::stepMonth(int step) {
    const int month = PaganCalendar::PlatformMonthNumber(monthName_->text().trimmed());
    if (month == 0) {
        return;
    }
    // The year never changes here, so the months stop at both ends rather than wrap.
    const int next = month + step;
    if (next >= 1 && next <= 12) {
        monthName_->setText(PaganCalendar::PlatformMonthName(next));
    }
}

void frmPaganMain::showPreviousMonth() {
    stepMonth(-1);
}

void frmPaganMain::showNextMonth() {
    stepMonth(+1);
}

void frmPaganMain::showChosenMonth() {
    if (!yearChosen()) {
        return;
    }
    const QString month = monthName_->text().trimmed();
    const QString year = yearOptions_->checkedButton()->text();
    Remembered::SetValue(kLastMonth,
                         QStringLiteral("%1-%2").arg(year, QString::number(PaganCalendar::PlatformMonthNumber(month))));
    if (frmPaganResultCalendar* view = Windows::Load<frmPaganResultCalendar>()) {
        view->SetChosenMonth(month, year);
        Windows::Show<frmPaganResultCalendar>();
    }
    Windows::HideForm(this);
}

void frmPaganMain::resetNextInnerTab() {
    // Each main tab resets the inner tab control of the tab after it, one step ahead of the user.
    switch (mainTabs_->Tab()) {
    case 1:
        festiveSeasonTabs_->SetTab(0);
        break;
    case 2:
        elementTabs_->SetTab(0);
        break;
    case 3:
        godTabs_->SetTab(0);
        break;
    case 4:
        goddessTabs_->SetTab(0);
        break;
    default:
        break;
    }
}

void frmPaganMain::exitToLauncher() {
    Windows::UnloadForm(this);
}
