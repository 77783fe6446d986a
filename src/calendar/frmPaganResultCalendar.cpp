#include "calendar/frmPaganResultCalendar.h"

#include "calendar/PaganCalendarValues.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmWheelOfTheYear.h"
#include "calendar/modPaganFestivals.h"
#include "ui/BrandFrame.h"
#include "ui/Look.h"
#include "ui/SharedMenus.h"
#include "ui/ShellServices.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

frmPaganResultCalendar::frmPaganResultCalendar() {
    setObjectName(QStringLiteral("frmPaganResultCalendar"));
    setWindowTitle(QStringLiteral("Velloran"));
    QWidget* client = MakeClientArea(Look::DarkTeal, QSize(660, 500));

    festivals_ = new QLabel(tr("Display Festivals"), client);
    festivals_->setObjectName(QStringLiteral("lblDisp"));
    festivals_->setGeometry(12, 12, 310, 320);
    festivals_->setTextFormat(Qt::PlainText);
    festivals_->setWordWrap(true);
    festivals_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    festivals_->setFont(Look::Verdana(9.0));
    Look::SetTextColour(festivals_, QColor(255, 255, 0));

    auto* introduction =
        new QLabel(tr("Velloran displays the festivals of the chosen month in the space below. Know the Pagan "
                      "festivals for the current chosen month and make your plans."),
                   client);
    introduction->setObjectName(QStringLiteral("Label1"));
    introduction->setGeometry(340, 12, 308, 64);
    introduction->setTextFormat(Qt::PlainText);
    introduction->setWordWrap(true);
    introduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::SetTextColour(introduction, Qt::white);

    monthCalendar_ = new QCalendarWidget(client);
    monthCalendar_->setObjectName(QStringLiteral("MV"));
    monthCalendar_->setAccessibleName(tr("Month calendar"));
    // Its table of days and its year box are controls of their own to a screen reader.
    if (auto* days = monthCalendar_->findChild<QWidget*>(QStringLiteral("qt_calendar_calendarview"))) {
        days->setAccessibleName(tr("Days of the month"));
    }
    if (auto* year = monthCalendar_->findChild<QWidget*>(QStringLiteral("qt_calendar_yearedit"))) {
        year->setAccessibleName(tr("Year"));
    }
    monthCalendar_->setGeometry(340, 84, 308, 230);
    Look::UseDesktopColours(monthCalendar_);
    monthCalendar_->setFont(Look::Verdana(8.25));
    monthCalendar_->setGridVisible(true);
    monthCalendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    monthCalendar_->setDateRange(FirstDate(), LastDate());
    monthCalendar_->setSelectedDate(StartDate());

    auto* backButton = new QPushButton(tr("&Back"), client);
    backButton->setObjectName(QStringLiteral("cmdBack"));
    backButton->setGeometry(12, 340, 110, 30);
    backButton->setFont(Look::Verdana(8.25, true));
    Look::UseDesktopColours(backButton);

    ClickLabel* forumLine = MakeForumLabel(client);
    forumLine->setGeometry(12, 382, 636, 36);
    auto* brand = new BrandFrame(client);
    brand->setGeometry(12, 424, 636, 66);
    Look::SetBackground(brand, Look::DarkTeal);
    brand->BringToFront(BrandFrame::Front::FullBrand);

    const SharedMenus menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The menu bar keeps the desktop's colours; only the client area is teal.
    auto* backItem = new QAction(tr("&Back"), this);
    backItem->setObjectName(QStringLiteral("mnuBack"));
    menus.fileMenu->insertAction(menus.exitItem, backItem);
    AddNamedSeparator(menus.fileMenu, QStringLiteral("mnuFileSep"), menus.exitItem);
    InstallWheelOfTheYearMenu(this);

    connect(backButton, &QPushButton::clicked, this, &frmPaganResultCalendar::backToBrowser);
    connect(backItem, &QAction::triggered, this, &frmPaganResultCalendar::backToBrowser);
    connect(menus.exitItem, &QAction::triggered, this, &frmPaganResultCalendar::exitToLauncher);

    setFixedSize(sizeHint());
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmPaganResultCalendar::setCalendarDate(const QDate& date) {
    if (!date.isValid() || date < FirstDate() || date > LastDate()) {
        return;
    }
    monthCalendar_->setSelectedDate(date);
    monthCalendar_->setCurrentPage(date.year(), date.month());
}

void frmPaganResultCalendar::onLoad() {
    modPaganFestivals::FillFestivalTable();
}

void frmPaganResultCalendar::SetChosenMonth(const QString& monthName, const QString& yearText) {
    const int month = PaganCalendar::PlatformMonthNumber(monthName);
    const QDate start = monthCalendar_->selectedDate();
    // Month first, then year, each keeping the day: the 12th of the chosen month is selected.
    if (month != 0) {
        setCalendarDate(QDate(start.year(), month, start.day()));
    }
    bool isNumber = false;
    const int year = yearText.trimmed().toInt(&isNumber);
    if (isNumber) {
        const QDate shown = monthCalendar_->selectedDate();
        setCalendarDate(QDate(year, shown.month(), shown.day()));
    }
    if (month != 0) {
        if (const auto text = modPaganFestivals::FestivalMonthText(year, month)) {
            festivals_->setText(*text);
        }
    }
}

void frmPaganResultCalendar::onUnload() {
    if (!leavingForBrowser_) {
        ShowLauncher();
    }
}

void frmPaganResultCalendar::backToBrowser() {
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    if (browser) {
        browser->ShowCalendarTab();
    }
    leavingForBrowser_ = true;
    Windows::UnloadForm(this);
}

void frmPaganResultCalendar::exitToLauncher() {
    Windows::UnloadForm(this);
}
