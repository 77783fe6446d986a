#include "calendar/frmWheelOfTheYear.h"

#include "calendar/SkyPositions.h"
#include "calendar/WheelCalendarFile.h"
#include "calendar/WheelPicture.h"
#include "core/Clock.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace WheelOfTheYear;

namespace {

QString Caption() {
    return frmWheelOfTheYear::tr("Wheel of the Year");
}

QString ToolsMenu() {
    return frmWheelOfTheYear::tr("&Tools");
}

QString WheelCommand() {
    return frmWheelOfTheYear::tr("Wheel of the Year…");
}

QString ZoneText() {
    return frmWheelOfTheYear::tr(
        "Times in %1, with daylight saving as it applied on each date, here and in the exported file.");
}

QString UtcText() {
    return frmWheelOfTheYear::tr("Times in UTC, here and in the exported file.");
}

QString RangeText() {
    return frmWheelOfTheYear::tr("Years 1800 to 2200");
}

QString FallbackText() {
    return frmWheelOfTheYear::tr("The system's time zone could not be found, so the times and dates are in UTC.");
}

QString LegendText() {
    return frmWheelOfTheYear::tr("Yule at the top, the year turning clockwise. Gold: solstices and equinoxes; orange: "
                                 "the sun at the cross-quarter points. Bright dots: full moons; dark dots: new moons. "
                                 "Red: today.");
}

QString ExportTitle() {
    return frmWheelOfTheYear::tr("Export the Wheel of the Year");
}

QString ExportFilter() {
    return frmWheelOfTheYear::tr("iCalendar file (*.ics)|*.ics");
}

QString ExportFailed() {
    return frmWheelOfTheYear::tr("The calendar file could not be saved as\r\n%1\r\n\r\n%2\r\n\r\nNo file was "
                                 "written; a file of that name that was there before is unchanged.");
}

QString ExportDone() {
    return frmWheelOfTheYear::tr("The wheel of the year %1 was saved as\r\n%2\r\n(%3 events).");
}

QString ReminderUnit() {
    return frmWheelOfTheYear::tr("days before");
}

QStringList Headers() {
    return {frmWheelOfTheYear::tr("Date"), frmWheelOfTheYear::tr("Time"), frmWheelOfTheYear::tr("Festival or moon"),
            frmWheelOfTheYear::tr("About")};
}

// A day of the table in the user's words: the names of the user's locale, in the order of the user's language.
QString dateText(const QDate& date) {
    //: How a day of the table is written (QDate format): weekday, day and month, short.
    return QLocale().toString(date, frmWheelOfTheYear::tr("ddd d MMM"));
}

// A year box that keeps every digit typed and, when Return or leaving it refuses a year outside the range, puts
// the year before back and says the range in `warning` until the next keystroke. A plain spin box drops the digit
// that takes a year past 2200 and refuses 1799 without a word.
class YearBox : public QSpinBox {
  public:
    YearBox(QLabel* warning, QWidget* parent) : QSpinBox(parent), warning_(warning) {
        connect(lineEdit(), &QLineEdit::textEdited, warning, &QLabel::clear);
    }

  protected:
    QValidator::State validate(QString& text, int& pos) const override {
        const QValidator::State state = QSpinBox::validate(text, pos);
        const bool digits = !text.isEmpty() && text.size() <= 9 &&
                            std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
        return state == QValidator::Invalid && digits ? QValidator::Intermediate : state;
    }

    void fixup(QString& text) const override {
        if (!text.trimmed().isEmpty()) {
            warning_->setText(RangeText());
        }
        QSpinBox::fixup(text);
    }

  private:
    QLabel* warning_;
};

QLabel* rangeLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    Look::SetTextColour(label, QColor(255, 255, 0));
    return label;
}

QSpinBox* yearBox(const QString& name, QLabel* warning, QWidget* parent) {
    auto* box = new YearBox(warning, parent);
    box->setObjectName(name);
    box->setRange(FirstYear, LastYear);
    box->setAccelerated(true);
    Look::UseDesktopColours(box);
    return box;
}

QCheckBox* choiceBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(true);
    Look::SetTextColour(box, Qt::white);
    return box;
}

QLabel* whiteLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    Look::SetTextColour(label, Qt::white);
    return label;
}

} // namespace

frmWheelOfTheYear::frmWheelOfTheYear() {
    setObjectName(QStringLiteral("frmWheelOfTheYear"));
    setWindowTitle(Caption());
    QWidget* client = MakeClientArea(Look::DarkTeal);

    lblYear = whiteLabel(QStringLiteral("lblYear"), tr("&Year:"), client);
    lblYear->setFont(Look::Verdana(9.0, true));
    lblYearRange = rangeLabel(QStringLiteral("lblYearRange"), client);
    spnYear = yearBox(QStringLiteral("spnYear"), lblYearRange, client);
    lblYear->setBuddy(spnYear);
    chkSouthern = new QCheckBox(tr("&Southern Hemisphere"), client);
    chkSouthern->setObjectName(QStringLiteral("chkSouthern"));
    chkUtc = new QCheckBox(tr("Times in &UTC"), client);
    chkUtc->setObjectName(QStringLiteral("chkUtc"));
    for (QCheckBox* box : {chkSouthern, chkUtc}) {
        Look::SetTextColour(box, Qt::white);
    }
    lblTimeZone = whiteLabel(QStringLiteral("lblTimeZone"), QString(), client);
    lblTimeZone->setWordWrap(true);
    Look::SetTextColour(lblTimeZone, QColor(255, 255, 0));

    picWheel = new WheelPicture(client);
    picWheel->setObjectName(QStringLiteral("picWheel"));
    lblLegend = whiteLabel(QStringLiteral("lblLegend"), LegendText(), client);
    lblLegend->setWordWrap(true);
    lblLegend->setMaximumWidth(picWheel->sizeHint().width());

    grdWheel = new QTableWidget(0, int(Headers().size()), client);
    grdWheel->setObjectName(QStringLiteral("grdWheel"));
    grdWheel->setAccessibleName(tr("Festivals and moons of the year"));
    grdWheel->setHorizontalHeaderLabels(Headers());
    grdWheel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdWheel->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdWheel->verticalHeader()->setVisible(false);
    grdWheel->horizontalHeader()->setStretchLastSection(true);
    grdWheel->setWordWrap(false);
    Look::UseDesktopColours(grdWheel);

    fraExport = new QGroupBox(tr("Export to your calendar (.ics)"), client);
    fraExport->setObjectName(QStringLiteral("fraExport"));
    Look::SetTextColour(fraExport, Qt::white);
    lblExportRange = rangeLabel(QStringLiteral("lblExportRange"), fraExport);
    auto* fromLabel = whiteLabel(QStringLiteral("lblExportFrom"), tr("&From"), fraExport);
    spnExportFrom = yearBox(QStringLiteral("spnExportFrom"), lblExportRange, fraExport);
    fromLabel->setBuddy(spnExportFrom);
    auto* toLabel = whiteLabel(QStringLiteral("lblExportTo"), tr("t&o"), fraExport);
    spnExportTo = yearBox(QStringLiteral("spnExportTo"), lblExportRange, fraExport);
    toLabel->setBuddy(spnExportTo);
    chkExportPoints = choiceBox(QStringLiteral("chkExportPoints"), tr("Eight &points"), fraExport);
    chkExportTraditional = choiceBox(QStringLiteral("chkExportTraditional"), tr("&Traditional days"), fraExport);
    chkExportNewMoons = choiceBox(QStringLiteral("chkExportNewMoons"), tr("&New moons"), fraExport);
    chkExportFullMoons = choiceBox(QStringLiteral("chkExportFullMoons"), tr("Fu&ll moons"), fraExport);
    chkExportReminder = choiceBox(QStringLiteral("chkExportReminder"), tr("&Reminder"), fraExport);
    chkExportReminder->setChecked(false);
    spnReminderDays = new QSpinBox(fraExport);
    spnReminderDays->setObjectName(QStringLiteral("spnReminderDays"));
    spnReminderDays->setRange(0, 30);
    spnReminderDays->setValue(1);
    spnReminderDays->setEnabled(false);
    Look::UseDesktopColours(spnReminderDays);
    auto* reminderUnit = whiteLabel(QStringLiteral("lblReminderDays"), ReminderUnit(), fraExport);
    cmdExport = new QPushButton(tr("&Export…"), fraExport);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdClose = new QPushButton(tr("&Close"), client);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {cmdExport, cmdClose}) {
        Look::UseDesktopColours(button);
        button->setMinimumHeight(28);
    }

    auto* exportGrid = new QGridLayout(fraExport);
    auto* span = new QHBoxLayout;
    span->addWidget(fromLabel);
    span->addWidget(spnExportFrom);
    span->addWidget(toLabel);
    span->addWidget(spnExportTo);
    span->addWidget(lblExportRange);
    span->addStretch(1);
    auto* kinds = new QHBoxLayout;
    for (QCheckBox* box : {chkExportPoints, chkExportTraditional, chkExportNewMoons, chkExportFullMoons}) {
        kinds->addWidget(box);
    }
    kinds->addStretch(1);
    auto* reminderRow = new QHBoxLayout;
    reminderRow->addWidget(chkExportReminder);
    reminderRow->addWidget(spnReminderDays);
    reminderRow->addWidget(reminderUnit);
    reminderRow->addStretch(1);
    exportGrid->addLayout(span, 0, 0);
    exportGrid->addLayout(kinds, 1, 0);
    exportGrid->addLayout(reminderRow, 2, 0);
    exportGrid->addWidget(cmdExport, 2, 1);

    auto* chooser = new QHBoxLayout;
    chooser->setSpacing(12);
    chooser->addWidget(lblYear);
    chooser->addWidget(spnYear);
    chooser->addWidget(lblYearRange);
    chooser->addSpacing(12);
    chooser->addWidget(chkSouthern);
    chooser->addWidget(chkUtc);
    chooser->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(grdWheel, 1);
    right->addWidget(fraExport);

    auto* left = new QVBoxLayout;
    left->addWidget(picWheel);
    left->addWidget(lblLegend);
    left->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(left);
    middle->addLayout(right, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblTimeZone, 1);
    bottom->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(chooser);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    menus = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    mnuExport = new QAction(tr("&Export to Calendar…"), this);
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    menus.fileMenu->insertAction(menus.exitItem, mnuExport);
    AddNamedSeparator(menus.fileMenu, QStringLiteral("mnuFileSep"), menus.exitItem);

    connect(spnYear, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::spnYear_ValueChanged);
    connect(chkSouthern, &QCheckBox::toggled, this, &frmWheelOfTheYear::chkSouthern_Toggled);
    connect(chkUtc, &QCheckBox::toggled, this, &frmWheelOfTheYear::chkUtc_Toggled);
    connect(spnExportFrom, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::spnExportFrom_ValueChanged);
    connect(spnExportTo, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::spnExportTo_ValueChanged);
    for (QCheckBox* box : {chkExportPoints, chkExportTraditional, chkExportNewMoons, chkExportFullMoons}) {
        connect(box, &QCheckBox::toggled, this, &frmWheelOfTheYear::exportChoice_Toggled);
    }
    connect(chkExportReminder, &QCheckBox::toggled, spnReminderDays, &QSpinBox::setEnabled);
    connect(cmdExport, &QPushButton::clicked, this, &frmWheelOfTheYear::exportWheel);
    connect(mnuExport, &QAction::triggered, this, &frmWheelOfTheYear::exportWheel);
    connect(cmdClose, &QPushButton::clicked, this, &frmWheelOfTheYear::closeWheel);
    connect(menus.exitItem, &QAction::triggered, this, &frmWheelOfTheYear::closeWheel);

    resize(1000, 640);
    if (const QScreen* where = screen()) {
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmWheelOfTheYear::onLoad() {
    zone_ = SystemTimeZone();
    zoneFellBack_ = !zone_.isValid();
    if (zoneFellBack_) {
        zone_ = QTimeZone::utc();
    }
    const int year = std::clamp(Today().year(), FirstYear, LastYear);
    const QSignalBlocker quiet(spnYear);
    spnYear->setValue(year);
    spnExportFrom->setValue(year);
    spnExportTo->setValue(year);
    for (QCheckBox* box : rememberedChoices()) {
        const QSignalBlocker still(box);
        box->setChecked(Remembered::Value(QStringLiteral("Wheel/") + box->objectName(), box->isChecked()).toBool());
    }
    spnReminderDays->setValue(Remembered::Value(QStringLiteral("Wheel/spnReminderDays"), 1).toInt());
    spnReminderDays->setEnabled(chkExportReminder->isChecked());
    exportChoice_Toggled();
    refresh();
}

void frmWheelOfTheYear::onUnload() {
    for (const QCheckBox* box : rememberedChoices()) {
        Remembered::SetValue(QStringLiteral("Wheel/") + box->objectName(), box->isChecked());
    }
    Remembered::SetValue(QStringLiteral("Wheel/spnReminderDays"), spnReminderDays->value());
}

QList<QCheckBox*> frmWheelOfTheYear::rememberedChoices() const {
    return {chkSouthern,        chkUtc,           chkExportPoints, chkExportTraditional, chkExportNewMoons,
            chkExportFullMoons, chkExportReminder};
}

Hemisphere frmWheelOfTheYear::hemisphere() const {
    return chkSouthern->isChecked() ? Hemisphere::South : Hemisphere::North;
}

void frmWheelOfTheYear::refresh() {
    wheel_ = Compute(spnYear->value(), zone_, hemisphere());

    WheelPictureData picture;
    picture.year = wheel_.year;
    picture.hemisphere = wheel_.hemisphere;
    for (int month = 0; month < 13; ++month) {
        picture.monthStarts[month] = SunLongitudeOn(QDate(wheel_.year, 1, 1).addMonths(month), zone_);
    }
    // The moons stand where the sun was when they came; between the firsts of the months it moves evenly enough
    // for a picture.
    const auto sunAt = [&](const QDateTime& instant) {
        const QDate day = instant.toTimeZone(zone_).date();
        const int month = day.month() - 1;
        const QDate first(day.year(), day.month(), 1);
        const double fraction = double(first.daysTo(day)) / first.daysInMonth();
        double span = picture.monthStarts[month + 1] - picture.monthStarts[month];
        if (span < 0) {
            span += 360.0;
        }
        return picture.monthStarts[month] + fraction * span;
    };
    for (const WheelEvent& event : wheel_.events) {
        if (event.kind == EventKind::NewMoon || event.kind == EventKind::FullMoon) {
            picture.moons.append({sunAt(event.instant), event.kind == EventKind::FullMoon});
        }
    }
    picture.today = SunLongitudeOn(Today(), zone_);
    picWheel->setData(picture);

    fillTable();
    showZone();
}

void frmWheelOfTheYear::fillTable() {
    const bool utc = chkUtc->isChecked();
    const QTimeZone shown = utc ? QTimeZone::utc() : zone_;
    grdWheel->setRowCount(int(wheel_.events.size()));
    for (int row = 0; row < int(wheel_.events.size()); ++row) {
        const WheelEvent& event = wheel_.events[row];
        QString date;
        QString time;
        if (event.instant.isValid()) {
            const QDateTime at = event.instant.toTimeZone(shown);
            date = dateText(at.date());
            time = at.toString(QStringLiteral("HH:mm:ss ")) + (utc ? QStringLiteral("UTC") : shown.abbreviation(at));
        } else {
            date = event.lastDay == event.firstDay
                       ? dateText(event.firstDay)
                       : QStringLiteral("%1 – %2").arg(dateText(event.firstDay), dateText(event.lastDay));
            time = tr("all day");
        }
        const QStringList cells = {date, time, event.name, event.about};
        for (int column = 0; column < int(cells.size()); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (event.kind == EventKind::SolarPoint || event.kind == EventKind::TraditionalDay) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grdWheel->setItem(row, column, item);
        }
    }
    grdWheel->resizeColumnsToContents();
}

void frmWheelOfTheYear::showZone() {
    if (zoneFellBack_) {
        lblTimeZone->setText(FallbackText());
    } else if (chkUtc->isChecked()) {
        lblTimeZone->setText(UtcText());
    } else {
        lblTimeZone->setText(ZoneText().arg(QString::fromUtf8(zone_.id())));
    }
}

void frmWheelOfTheYear::spnYear_ValueChanged(int year) {
    spnExportFrom->setValue(year);
    spnExportTo->setValue(year);
    refresh();
}

void frmWheelOfTheYear::chkSouthern_Toggled(bool /*checked*/) {
    refresh();
}

void frmWheelOfTheYear::chkUtc_Toggled(bool /*checked*/) {
    fillTable();
    showZone();
}

void frmWheelOfTheYear::spnExportFrom_ValueChanged(int year) {
    // The range never runs backwards: the other end follows.
    if (spnExportTo->value() < year) {
        spnExportTo->setValue(year);
    }
}

void frmWheelOfTheYear::spnExportTo_ValueChanged(int year) {
    if (spnExportFrom->value() > year) {
        spnExportFrom->setValue(year);
    }
}

void frmWheelOfTheYear::exportChoice_Toggled() {
    const bool any = chkExportPoints->isChecked() || chkExportTraditional->isChecked() ||
                     chkExportNewMoons->isChecked() || chkExportFullMoons->isChecked();
    cmdExport->setEnabled(any);
    mnuExport->setEnabled(any);
}

void frmWheelOfTheYear::exportWheel() {
    WheelCalendarFile::Choices choices;
    choices.solarPoints = chkExportPoints->isChecked();
    choices.traditionalDays = chkExportTraditional->isChecked();
    choices.newMoons = chkExportNewMoons->isChecked();
    choices.fullMoons = chkExportFullMoons->isChecked();
    choices.reminderDays = chkExportReminder->isChecked() ? spnReminderDays->value() : -1;
    choices.utc = chkUtc->isChecked();
    SaveFileRequest request;
    request.title = ExportTitle();
    request.filter = ExportFilter();
    request.defaultSuffix = QStringLiteral("ics");
    request.inLastFolder = true;
    const QString path = ChooseSaveFile(request, this);
    if (path.isEmpty()) {
        return;
    }
    const int first = spnExportFrom->value();
    const int last = spnExportTo->value();
    QList<WheelYear> years;
    int events = 0;
    {
        Look::WaitCursor wait;
        years = first == last && first == wheel_.year ? QList<WheelYear>{wheel_}
                                                      : ComputeYears(first, last, zone_, hemisphere());
        for (const WheelYear& year : years) {
            events += int(std::count_if(year.events.cbegin(), year.events.cend(), [&](const WheelEvent& e) {
                return WheelCalendarFile::Includes(choices, e.kind);
            }));
        }
    }
    const QString failure =
        WheelCalendarFile::Save(path, WheelCalendarFile::Compose(years, QDateTime::currentDateTimeUtc(), choices));
    if (!failure.isEmpty()) {
        MsgBox(ExportFailed().arg(QDir::toNativeSeparators(path), failure), MsgButtons::Ok, MsgIcon::Critical, this);
        return;
    }
    const QString span = first == last ? QString::number(first)
                                       : QStringLiteral("%1–%2").arg(QString::number(first), QString::number(last));
    // One arg() for all three: a second one would fill a "%1" in the file's name.
    MsgBox(ExportDone().arg(span, QDir::toNativeSeparators(path), QString::number(events)), MsgButtons::Ok,
           MsgIcon::Information, this);
}

void frmWheelOfTheYear::closeWheel() {
    Windows::UnloadForm(this);
}

QAction* InstallWheelOfTheYearMenu(FormWindow* window) {
    QMenu* tools = window->menuBar()->addMenu(ToolsMenu());
    tools->setObjectName(QStringLiteral("mnuTools"));
    QAction* wheel = tools->addAction(WheelCommand());
    wheel->setObjectName(QStringLiteral("mnuWheelOfTheYear"));
    QObject::connect(wheel, &QAction::triggered, window, [] { Windows::Show<frmWheelOfTheYear>(); });
    AddNamedSeparator(tools, QStringLiteral("mnuManualSep"));
    tools->addAction(window->manualCommand());
    return wheel;
}
