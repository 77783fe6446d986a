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

    yearLabel_ = whiteLabel(QStringLiteral("lblYear"), tr("&Year:"), client);
    yearLabel_->setFont(Look::Verdana(9.0, true));
    yearRangeLabel_ = rangeLabel(QStringLiteral("lblYearRange"), client);
    yearBox_ = yearBox(QStringLiteral("spnYear"), yearRangeLabel_, client);
    yearLabel_->setBuddy(yearBox_);
    southernBox_ = new QCheckBox(tr("&Southern Hemisphere"), client);
    southernBox_->setObjectName(QStringLiteral("chkSouthern"));
    utcBox_ = new QCheckBox(tr("Times in &UTC"), client);
    utcBox_->setObjectName(QStringLiteral("chkUtc"));
    for (QCheckBox* box : {southernBox_, utcBox_}) {
        Look::SetTextColour(box, Qt::white);
    }
    timeZoneLabel_ = whiteLabel(QStringLiteral("lblTimeZone"), QString(), client);
    timeZoneLabel_->setWordWrap(true);
    Look::SetTextColour(timeZoneLabel_, QColor(255, 255, 0));

    wheelPicture_ = new WheelPicture(client);
    wheelPicture_->setObjectName(QStringLiteral("picWheel"));
    legendLabel_ = whiteLabel(QStringLiteral("lblLegend"), LegendText(), client);
    legendLabel_->setWordWrap(true);
    legendLabel_->setMaximumWidth(wheelPicture_->sizeHint().width());

    eventTable_ = new QTableWidget(0, int(Headers().size()), client);
    eventTable_->setObjectName(QStringLiteral("grdWheel"));
    eventTable_->setAccessibleName(tr("Festivals and moons of the year"));
    eventTable_->setHorizontalHeaderLabels(Headers());
    eventTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    eventTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    eventTable_->verticalHeader()->setVisible(false);
    eventTable_->horizontalHeader()->setStretchLastSection(true);
    eventTable_->setWordWrap(false);
    Look::UseDesktopColours(eventTable_);

    exportFrame_ = new QGroupBox(tr("Export to your calendar (.ics)"), client);
    exportFrame_->setObjectName(QStringLiteral("fraExport"));
    Look::SetTextColour(exportFrame_, Qt::white);
    exportRangeLabel_ = rangeLabel(QStringLiteral("lblExportRange"), exportFrame_);
    auto* fromLabel = whiteLabel(QStringLiteral("lblExportFrom"), tr("&From"), exportFrame_);
    exportFromBox_ = yearBox(QStringLiteral("spnExportFrom"), exportRangeLabel_, exportFrame_);
    fromLabel->setBuddy(exportFromBox_);
    auto* toLabel = whiteLabel(QStringLiteral("lblExportTo"), tr("t&o"), exportFrame_);
    exportToBox_ = yearBox(QStringLiteral("spnExportTo"), exportRangeLabel_, exportFrame_);
    toLabel->setBuddy(exportToBox_);
    exportPointsBox_ = choiceBox(QStringLiteral("chkExportPoints"), tr("Eight &points"), exportFrame_);
    exportTraditionalBox_ = choiceBox(QStringLiteral("chkExportTraditional"), tr("&Traditional days"), exportFrame_);
    exportNewMoonsBox_ = choiceBox(QStringLiteral("chkExportNewMoons"), tr("&New moons"), exportFrame_);
    exportFullMoonsBox_ = choiceBox(QStringLiteral("chkExportFullMoons"), tr("Fu&ll moons"), exportFrame_);
    reminderBox_ = choiceBox(QStringLiteral("chkExportReminder"), tr("&Reminder"), exportFrame_);
    reminderBox_->setChecked(false);
    reminderDaysBox_ = new QSpinBox(exportFrame_);
    reminderDaysBox_->setObjectName(QStringLiteral("spnReminderDays"));
    reminderDaysBox_->setRange(0, 30);
    reminderDaysBox_->setValue(1);
    reminderDaysBox_->setEnabled(false);
    Look::UseDesktopColours(reminderDaysBox_);
    auto* reminderUnit = whiteLabel(QStringLiteral("lblReminderDays"), ReminderUnit(), exportFrame_);
    exportButton_ = new QPushButton(tr("&Export…"), exportFrame_);
    exportButton_->setObjectName(QStringLiteral("cmdExport"));
    closeButton_ = new QPushButton(tr("&Close"), client);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* button : {exportButton_, closeButton_}) {
        Look::UseDesktopColours(button);
        button->setMinimumHeight(28);
    }

    auto* exportGrid = new QGridLayout(exportFrame_);
    auto* span = new QHBoxLayout;
    span->addWidget(fromLabel);
    span->addWidget(exportFromBox_);
    span->addWidget(toLabel);
    span->addWidget(exportToBox_);
    span->addWidget(exportRangeLabel_);
    span->addStretch(1);
    auto* kinds = new QHBoxLayout;
    for (QCheckBox* box : {exportPointsBox_, exportTraditionalBox_, exportNewMoonsBox_, exportFullMoonsBox_}) {
        kinds->addWidget(box);
    }
    kinds->addStretch(1);
    auto* reminderRow = new QHBoxLayout;
    reminderRow->addWidget(reminderBox_);
    reminderRow->addWidget(reminderDaysBox_);
    reminderRow->addWidget(reminderUnit);
    reminderRow->addStretch(1);
    exportGrid->addLayout(span, 0, 0);
    exportGrid->addLayout(kinds, 1, 0);
    exportGrid->addLayout(reminderRow, 2, 0);
    exportGrid->addWidget(exportButton_, 2, 1);

    auto* chooser = new QHBoxLayout;
    chooser->setSpacing(12);
    chooser->addWidget(yearLabel_);
    chooser->addWidget(yearBox_);
    chooser->addWidget(yearRangeLabel_);
    chooser->addSpacing(12);
    chooser->addWidget(southernBox_);
    chooser->addWidget(utcBox_);
    chooser->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(eventTable_, 1);
    right->addWidget(exportFrame_);

    auto* left = new QVBoxLayout;
    left->addWidget(wheelPicture_);
    left->addWidget(legendLabel_);
    left->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(left);
    middle->addLayout(right, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(timeZoneLabel_, 1);
    bottom->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addLayout(chooser);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    menus_ = InstallSharedMenus(this, QStringLiteral("mnuFile"), UpdateCaption::SoftwareUpdate);
    exportItem_ = new QAction(tr("&Export to Calendar…"), this);
    exportItem_->setObjectName(QStringLiteral("mnuExport"));
    menus_.fileMenu->insertAction(menus_.exitItem, exportItem_);
    AddNamedSeparator(menus_.fileMenu, QStringLiteral("mnuFileSep"), menus_.exitItem);

    connect(yearBox_, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::showYear);
    connect(southernBox_, &QCheckBox::toggled, this, &frmWheelOfTheYear::showChosenHemisphere);
    connect(utcBox_, &QCheckBox::toggled, this, &frmWheelOfTheYear::showTimesInChosenZone);
    connect(exportFromBox_, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::keepExportEndAfterStart);
    connect(exportToBox_, &QSpinBox::valueChanged, this, &frmWheelOfTheYear::keepExportStartBeforeEnd);
    for (QCheckBox* box : {exportPointsBox_, exportTraditionalBox_, exportNewMoonsBox_, exportFullMoonsBox_}) {
        connect(box, &QCheckBox::toggled, this, &frmWheelOfTheYear::enableExportWhenChosen);
    }
    connect(reminderBox_, &QCheckBox::toggled, reminderDaysBox_, &QSpinBox::setEnabled);
    connect(exportButton_, &QPushButton::clicked, this, &frmWheelOfTheYear::exportWheel);
    connect(exportItem_, &QAction::triggered, this, &frmWheelOfTheYear::exportWheel);
    connect(closeButton_, &QPushButton::clicked, this, &frmWheelOfTheYear::closeWheel);
    connect(menus_.exitItem, &QAction::triggered, this, &frmWheelOfTheYear::closeWheel);

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
    const QSignalBlocker quiet(yearBox_);
    yearBox_->setValue(year);
    exportFromBox_->setValue(year);
    exportToBox_->setValue(year);
    for (QCheckBox* box : rememberedChoices()) {
        const QSignalBlocker still(box);
        box->setChecked(Remembered::Value(QStringLiteral("Wheel/") + box->objectName(), box->isChecked()).toBool());
    }
    reminderDaysBox_->setValue(Remembered::Value(QStringLiteral("Wheel/spnReminderDays"), 1).toInt());
    reminderDaysBox_->setEnabled(reminderBox_->isChecked());
    enableExportWhenChosen();
    refresh();
}

void frmWheelOfTheYear::onUnload() {
    for (const QCheckBox* box : rememberedChoices()) {
        Remembered::SetValue(QStringLiteral("Wheel/") + box->objectName(), box->isChecked());
    }
    Remembered::SetValue(QStringLiteral("Wheel/spnReminderDays"), reminderDaysBox_->value());
}

QList<QCheckBox*> frmWheelOfTheYear::rememberedChoices() const {
    return {southernBox_,        utcBox_,     exportPointsBox_, exportTraditionalBox_, exportNewMoonsBox_,
            exportFullMoonsBox_, reminderBox_};
}

Hemisphere frmWheelOfTheYear::hemisphere() const {
    return southernBox_->isChecked() ? Hemisphere::South : Hemisphere::North;
}

void frmWheelOfTheYear::refresh() {
    wheel_ = Compute(yearBox_->value(), zone_, hemisphere());

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
    wheelPicture_->setData(picture);

    fillTable();
    showZone();
}

void frmWheelOfTheYear::fillTable() {
    const bool utc = utcBox_->isChecked();
    const QTimeZone shown = utc ? QTimeZone::utc() : zone_;
    eventTable_->setRowCount(int(wheel_.events.size()));
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
            eventTable_->setItem(row, column, item);
        }
    }
    eventTable_->resizeColumnsToContents();
}

void frmWheelOfTheYear::showZone() {
    if (zoneFellBack_) {
        timeZoneLabel_->setText(FallbackText());
    } else if (utcBox_->isChecked()) {
        timeZoneLabel_->setText(UtcText());
    } else {
        timeZoneLabel_->setText(ZoneText().arg(QString::fromUtf8(zone_.id())));
    }
}

void frmWheelOfTheYear::showYear(int year) {
    exportFromBox_->setValue(year);
    exportToBox_->setValue(year);
    refresh();
}

void frmWheelOfTheYear::showChosenHemisphere(bool /*checked*/) {
    refresh();
}

void frmWheelOfTheYear::showTimesInChosenZone(bool /*checked*/) {
    fillTable();
    showZone();
}

void frmWheelOfTheYear::keepExportEndAfterStart(int year) {
    // The range never runs backwards: the other end follows.
    if (exportToBox_->value() < year) {
        exportToBox_->setValue(year);
    }
}

void frmWheelOfTheYear::keepExportStartBeforeEnd(int year) {
    if (exportFromBox_->value() > year) {
        exportFromBox_->setValue(year);
    }
}

void frmWheelOfTheYear::enableExportWhenChosen() {
    const bool any = exportPointsBox_->isChecked() || exportTraditionalBox_->isChecked() ||
                     exportNewMoonsBox_->isChecked() || exportFullMoonsBox_->isChecked();
    exportButton_->setEnabled(any);
    exportItem_->setEnabled(any);
}

void frmWheelOfTheYear::exportWheel() {
    WheelCalendarFile::Choices choices;
    choices.solarPoints = exportPointsBox_->isChecked();
    choices.traditionalDays = exportTraditionalBox_->isChecked();
    choices.newMoons = exportNewMoonsBox_->isChecked();
    choices.fullMoons = exportFullMoonsBox_->isChecked();
    choices.reminderDays = reminderBox_->isChecked() ? reminderDaysBox_->value() : -1;
    choices.utc = utcBox_->isChecked();
    SaveFileRequest request;
    request.title = ExportTitle();
    request.filter = ExportFilter();
    request.defaultSuffix = QStringLiteral("ics");
    request.inLastFolder = true;
    const QString path = ChooseSaveFile(request, this);
    if (path.isEmpty()) {
        return;
    }
    const int first = exportFromBox_->value();
    const int last = exportToBox_->value();
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
