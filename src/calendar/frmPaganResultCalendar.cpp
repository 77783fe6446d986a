#include "calendar/frmPaganResultCalendar.h"

#include "calendar/PaganCalendarValues.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmWheelOfTheYear.h"
#include "calendar/modPaganFestivals.h"
#include "common/Look.h"
#include "common/ShellServices.h"
#include "common/Windows.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace {
const QString Placeholder = QStringLiteral("Display Festivals");
const QString Introduction =
    QStringLiteral("Velloran displays the festivals of the chosen month in the space below. Know the Pagan festivals "
                   "for the current chosen month and make your plans.");
} // namespace

frmPaganResultCalendar::frmPaganResultCalendar() {
    setObjectName(QStringLiteral("frmPaganResultCalendar"));
    setWindowTitle(QStringLiteral("Velloran"));
    QWidget* client = MakeClientArea(Look::DarkTeal, QSize(660, 500));

    lblDisp = new QLabel(Placeholder, client);
    lblDisp->setObjectName(QStringLiteral("lblDisp"));
    lblDisp->setGeometry(12, 12, 310, 320);
    lblDisp->setTextFormat(Qt::PlainText);
    lblDisp->setWordWrap(true);
    lblDisp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisp->setFont(Look::Verdana(9.0));
    Look::SetTextColour(lblDisp, QColor(255, 255, 0));

    Label1 = new QLabel(Introduction, client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(340, 12, 308, 64);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::SetTextColour(Label1, Qt::white);

    MV = new QCalendarWidget(client);
    MV->setObjectName(QStringLiteral("MV"));
    MV->setGeometry(340, 84, 308, 230);
    Look::UseDesktopColours(MV);
    MV->setFont(Look::Verdana(8.25));
    MV->setGridVisible(true);
    MV->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MV->setDateRange(FirstDate(), LastDate());
    MV->setSelectedDate(StartDate());

    cmdBack = new QPushButton(QStringLiteral("&Back"), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(12, 340, 110, 30);
    cmdBack->setFont(Look::Verdana(8.25, true));
    Look::UseDesktopColours(cmdBack);

    Label14 = MakeForumLabel(client);
    Label14->setGeometry(12, 382, 636, 36);
    fraFullBrand = new BrandFrame(client);
    fraFullBrand->setGeometry(12, 424, 636, 66);
    Look::SetBackground(fraFullBrand, Look::DarkTeal);
    fraFullBrand->BringToFront(BrandFrame::Front::FullBrand);

    menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    // The menu bar keeps the desktop's colours; only the client area is teal.
    mnuBack = new QAction(QStringLiteral("&Back"), this);
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    menus.fileMenu->insertAction(menus.mnuExit, mnuBack);
    AddNamedSeparator(menus.fileMenu, QStringLiteral("mnuFileSep"), menus.mnuExit);
    InstallWheelOfTheYearMenu(this);

    connect(cmdBack, &QPushButton::clicked, this, &frmPaganResultCalendar::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &frmPaganResultCalendar::mnuBack_Click);
    connect(menus.mnuExit, &QAction::triggered, this, &frmPaganResultCalendar::mnuExit_Click);

    setFixedSize(sizeHint());
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmPaganResultCalendar::setCalendarDate(const QDate& date) {
    if (!date.isValid() || date < FirstDate() || date > LastDate()) {
        return;
    }
    MV->setSelectedDate(date);
    MV->setCurrentPage(date.year(), date.month());
}

void frmPaganResultCalendar::Form_Load() {
    const int month = PaganCalendar::PlatformMonthNumber(PaganCalendar::SelectedMonthName);
    const QDate start = MV->selectedDate();
    // Month first, then year, each keeping the day: the 12th of the chosen month is selected.
    if (month != 0) {
        setCalendarDate(QDate(start.year(), month, start.day()));
    }
    bool isNumber = false;
    const int year = PaganCalendar::SelectedYearText.trimmed().toInt(&isNumber);
    if (isNumber) {
        const QDate shown = MV->selectedDate();
        setCalendarDate(QDate(year, shown.month(), shown.day()));
    }

    modPaganFestivals::FillFestivalTable();
    if (month != 0) {
        if (const auto text = modPaganFestivals::FestivalMonthText(year, month)) {
            lblDisp->setText(*text);
        }
    }
}

void frmPaganResultCalendar::Form_Unload() {
    if (!backToBrowser_) {
        ShowLauncher();
    }
}

void frmPaganResultCalendar::cmdBack_Click() {
    frmPaganMain* browser = Windows::Show<frmPaganMain>();
    if (browser) {
        browser->SSTMain->SetTab(0);
    }
    backToBrowser_ = true;
    Windows::UnloadForm(this);
}

void frmPaganResultCalendar::mnuBack_Click() {
    cmdBack_Click();
}

void frmPaganResultCalendar::mnuExit_Click() {
    Windows::UnloadForm(this);
}
