#include "calendar/WheelPicture.h"
#include "calendar/WheelTestSupport.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/frmWheelOfTheYear.h"
#include "core/Clock.h"
#include "support/TestSupport.h"
#include "ui/FileDialogs.h"
#include "ui/Windows.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace WheelOfTheYear;

// The wheel's controls, found by their names as a screen reader finds them.
struct WheelControls {
    explicit WheelControls(const frmWheelOfTheYear* window) : wheel(window) {}
    const frmWheelOfTheYear* wheel;
    QSpinBox* yearBox = Control<QSpinBox>(wheel, "spnYear");
    QLabel* yearRangeLabel = Control<QLabel>(wheel, "lblYearRange");
    QCheckBox* southernBox = Control<QCheckBox>(wheel, "chkSouthern");
    QCheckBox* utcBox = Control<QCheckBox>(wheel, "chkUtc");
    QLabel* timeZoneLabel = Control<QLabel>(wheel, "lblTimeZone");
    WheelPicture* picture = Control<WheelPicture>(wheel, "picWheel");
    QTableWidget* table = Control<QTableWidget>(wheel, "grdWheel");
    QSpinBox* exportFromBox = Control<QSpinBox>(wheel, "spnExportFrom");
    QSpinBox* exportToBox = Control<QSpinBox>(wheel, "spnExportTo");
    QLabel* exportRangeLabel = Control<QLabel>(wheel, "lblExportRange");
    QCheckBox* exportPointsBox = Control<QCheckBox>(wheel, "chkExportPoints");
    QCheckBox* exportTraditionalBox = Control<QCheckBox>(wheel, "chkExportTraditional");
    QCheckBox* exportNewMoonsBox = Control<QCheckBox>(wheel, "chkExportNewMoons");
    QCheckBox* exportFullMoonsBox = Control<QCheckBox>(wheel, "chkExportFullMoons");
    QCheckBox* reminderBox = Control<QCheckBox>(wheel, "chkExportReminder");
    QSpinBox* reminderDaysBox = Control<QSpinBox>(wheel, "spnReminderDays");
    QPushButton* exportButton = Control<QPushButton>(wheel, "cmdExport");
    QPushButton* closeButton = Control<QPushButton>(wheel, "cmdClose");
    QAction* exportItem = Control<QAction>(wheel, "mnuExport");
};

class tst_frmWheelOfTheYear : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void toolsMenu_comesLastAndOpensTheWheel_data();
    void toolsMenu_comesLastAndOpensTheWheel();
    void opening_showsTheCurrentYearWithItsFestivalsAndMoons();
    void yearOutsideTheRange_isRefusedInTheChooser_data();
    void yearOutsideTheRange_isRefusedInTheChooser();
    void table_showsLocalTimeWithDaylightSavingAndUtcOnRequest();
    void unresolvableTimeZone_fallsBackToUtcAndSaysSo();
    void southernHemisphere_turnsTheWheel();
    void export_writesTheRangeAndTheChoicesAndSaysSo_data();
    void export_writesTheRangeAndTheChoicesAndSaysSo();
    void export_cancelled_writesNothing();
    void export_intoFolderThatCannotBeWritten_saysSoAndLeavesNoFile();

  private:
    frmWheelOfTheYear* open();
    // The table's row whose Festival or moon and About columns are as given.
    int row(frmWheelOfTheYear* wheel, const QString& name, const QString& about = QString());
    std::unique_ptr<TestEnvironment> env_;
    std::unique_ptr<RecordingShell> shell_;
    QTemporaryDir saves_;
    QString chosenPath_;
};

void tst_frmWheelOfTheYear::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
}

void tst_frmWheelOfTheYear::init() {
    env_ = std::make_unique<TestEnvironment>();
    shell_ = std::make_unique<RecordingShell>();
    SetToday(QDate(2027, 6, 15));
    SetSystemTimeZone(QTimeZone("Europe/London"));
    chosenPath_ = saves_.filePath(QStringLiteral("wheel.ics"));
    QFile::remove(chosenPath_);
    SetSaveFileChooser([this](const SaveFileRequest& request) {
        // The dialog asks for a calendar file and adds the extension to a bare name.
        if (request.defaultSuffix != QLatin1String("ics") || !request.filter.contains(QLatin1String("*.ics"))) {
            return QString();
        }
        return chosenPath_;
    });
}

void tst_frmWheelOfTheYear::cleanup() {
    SetSaveFileChooser({});
    QCOMPARE(env_->boxes.pending(), 0);
    shell_.reset();
    env_.reset();
}

frmWheelOfTheYear* tst_frmWheelOfTheYear::open() {
    return Windows::Show<frmWheelOfTheYear>();
}

int tst_frmWheelOfTheYear::row(frmWheelOfTheYear* wheel, const QString& name, const QString& about) {
    const auto* table = Control<QTableWidget>(wheel, "grdWheel");
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 2)->text() == name && (about.isEmpty() || table->item(r, 3)->text().startsWith(about))) {
            return r;
        }
    }
    return -1;
}

void tst_frmWheelOfTheYear::toolsMenu_comesLastAndOpensTheWheel_data() {
    QTest::addColumn<bool>("monthView");
    QTest::newRow("calendar browser") << false;
    QTest::newRow("month view") << true;
}

void tst_frmWheelOfTheYear::toolsMenu_comesLastAndOpensTheWheel() {
    QFETCH(bool, monthView);
    QMainWindow* window = monthView ? static_cast<QMainWindow*>(Windows::Show<frmPaganResultCalendar>())
                                    : static_cast<QMainWindow*>(Windows::Show<frmPaganMain>());
    const QList<QAction*> bar = window->menuBar()->actions();
    QVERIFY(bar.last()->menu());
    QCOMPARE(bar.last()->text(), QStringLiteral("&Tools"));
    QCOMPARE(bar.last()->menu()->objectName(), QStringLiteral("mnuTools"));
    QAction* command = bar.last()->menu()->actions().value(0);
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("Wheel of the Year…"));

    command->trigger();
    auto* wheel = Windows::Loaded<frmWheelOfTheYear>();
    QVERIFY(wheel);
    QVERIFY(wheel->isVisible());
    // The opener stays as it was.
    QVERIFY(window->isVisible());
    QCOMPARE(shell_->launcherShown, 0);
}

void tst_frmWheelOfTheYear::opening_showsTheCurrentYearWithItsFestivalsAndMoons() {
    SetToday(QDate(2031, 5, 1));
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    QCOMPARE(controls.yearBox->value(), 2031);
    QCOMPARE(controls.exportFromBox->value(), 2031);
    QCOMPARE(controls.exportToBox->value(), 2031);
    QCOMPARE(controls.table->rowCount(), int(wheel->Wheel().events.size()));
    // Each of the eight festivals at its instant, to the minute.
    QSet<QString> timed;
    for (int r = 0; r < controls.table->rowCount(); ++r) {
        if (controls.table->item(r, 3)->text().contains(QLatin1String("sun at"))) {
            QVERIFY(controls.table->item(r, 1)->text().contains(QLatin1Char(':')));
            timed.insert(controls.table->item(r, 2)->text());
        }
    }
    QCOMPARE(timed.size(), 8);
    // Imbolc on its traditional two days.
    const int imbolc = row(wheel, QStringLiteral("Imbolc"), QStringLiteral("traditional"));
    QVERIFY(imbolc >= 0);
    QCOMPARE(controls.table->item(imbolc, 0)->text(), QStringLiteral("Sat 1 Feb – Sun 2 Feb"));
    QCOMPARE(controls.table->item(imbolc, 1)->text(), QStringLiteral("all day"));
    // Today's place on the wheel: the sun on 1 May is some 40 degrees past the March equinox.
    QVERIFY(controls.picture->data().today);
    QVERIFY(*controls.picture->data().today > 38.0 && *controls.picture->data().today < 43.0);

    // Another year: the table and the picture follow.
    controls.yearBox->setValue(1850);
    QCOMPARE(wheel->Wheel().year, 1850);
    QCOMPARE(controls.picture->data().year, 1850);
    QCOMPARE(controls.exportFromBox->value(), 1850);
}

void tst_frmWheelOfTheYear::yearOutsideTheRange_isRefusedInTheChooser_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("refused"); // the range is said
    QTest::addColumn<bool>("exportFrom");
    QTest::newRow("first year") << QStringLiteral("1800") << 1800 << false << false;
    QTest::newRow("last year") << QStringLiteral("2200") << 2200 << false << false;
    QTest::newRow("before the range") << QStringLiteral("1799") << 2027 << true << false;
    QTest::newRow("after the range") << QStringLiteral("2201") << 2027 << true << false;
    QTest::newRow("far after") << QStringLiteral("99999") << 2027 << true << false;
    QTest::newRow("letters") << QStringLiteral("abcd") << 2027 << false << false;
    QTest::newRow("export from, after the range") << QStringLiteral("2201") << 2027 << true << true;
}

void tst_frmWheelOfTheYear::yearOutsideTheRange_isRefusedInTheChooser() {
    QFETCH(QString, typed);
    QFETCH(int, shown);
    QFETCH(bool, refused);
    QFETCH(bool, exportFrom);
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    QSpinBox* box = exportFrom ? controls.exportFromBox : controls.yearBox;
    QLabel* warning = exportFrom ? controls.exportRangeLabel : controls.yearRangeLabel;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    // Every digit stays as typed until Return.
    if (refused) {
        QCOMPARE(box->text(), typed);
    }
    QTest::keyClick(box, Qt::Key_Return);
    box->clearFocus();
    QCOMPARE(box->value(), shown);
    QCOMPARE(wheel->Wheel().year, exportFrom ? 2027 : shown);
    QCOMPARE(warning->text(), refused ? QStringLiteral("Years 1800 to 2200") : QString());
    // The next keystroke takes the warning away.
    QTest::keyClick(box, Qt::Key_1);
    QCOMPARE(warning->text(), QString());
}

void tst_frmWheelOfTheYear::table_showsLocalTimeWithDaylightSavingAndUtcOnRequest() {
    // The new moon of 25 March 2001 came twenty minutes after the clocks went forward in London.
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    controls.yearBox->setValue(2001);
    QVERIFY(controls.timeZoneLabel->text().contains(QLatin1String("Europe/London")));
    int moon = -1;
    for (int r = 0; r < controls.table->rowCount(); ++r) {
        if (controls.table->item(r, 0)->text() == QLatin1String("Sun 25 Mar") &&
            controls.table->item(r, 2)->text() == QLatin1String("New Moon")) {
            moon = r;
        }
    }
    QVERIFY(moon >= 0);
    QCOMPARE(controls.table->item(moon, 1)->text(), QStringLiteral("02:20:58 BST"));
    // A winter moon keeps Greenwich time.
    const int wolf = row(wheel, QStringLiteral("Wolf Moon"));
    QVERIFY(controls.table->item(wolf, 1)->text().endsWith(QLatin1String(" GMT")));

    QTest::mouseClick(controls.utcBox, Qt::LeftButton);
    QCOMPARE(controls.table->item(moon, 1)->text(), QStringLiteral("01:20:58 UTC"));
    QCOMPARE(controls.timeZoneLabel->text(), QStringLiteral("Times in UTC, here and in the exported file."));
}

void tst_frmWheelOfTheYear::unresolvableTimeZone_fallsBackToUtcAndSaysSo() {
    SetSystemTimeZone(QTimeZone("Nowhere/Bogus"));
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    QVERIFY(wheel->ZoneFellBack());
    QCOMPARE(controls.timeZoneLabel->text(),
             QStringLiteral("The system's time zone could not be found, so the times and dates are in UTC."));
    const int litha = row(wheel, QStringLiteral("Litha"));
    QVERIFY(controls.table->item(litha, 1)->text().endsWith(QLatin1String(" UTC")));
    // Asking for UTC again changes nothing of what is said.
    QTest::mouseClick(controls.utcBox, Qt::LeftButton);
    QVERIFY(controls.timeZoneLabel->text().startsWith(QLatin1String("The system's time zone could not be found")));
}

void tst_frmWheelOfTheYear::southernHemisphere_turnsTheWheel() {
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    const int june = row(wheel, QStringLiteral("Litha"), QStringLiteral("June solstice"));
    QVERIFY(june >= 0);
    const QString when = controls.table->item(june, 0)->text() + controls.table->item(june, 1)->text();
    QTest::mouseClick(controls.southernBox, Qt::LeftButton);
    QCOMPARE(controls.picture->data().hemisphere, Hemisphere::South);
    const int yule = row(wheel, QStringLiteral("Yule"), QStringLiteral("June solstice"));
    QVERIFY(yule >= 0);
    QCOMPARE(controls.table->item(yule, 0)->text() + controls.table->item(yule, 1)->text(), when);
    QVERIFY(row(wheel, QStringLiteral("Samhain"), QStringLiteral("traditional")) >= 0);
    QCOMPARE(controls.table->item(row(wheel, QStringLiteral("Samhain"), QStringLiteral("traditional")), 0)->text(),
             QStringLiteral("Fri 30 Apr"));
}

void tst_frmWheelOfTheYear::export_writesTheRangeAndTheChoicesAndSaysSo_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("kinds"); // points, traditional days, new moons, full moons: "ptnf"
    QTest::addColumn<bool>("utc");
    QTest::addColumn<int>("reminderDays"); // none when negative
    QTest::newRow("everything") << QStringLiteral("wheel.ics") << QStringLiteral("ptnf") << false << -1;
    // The message once filled the "%1" of the name with the number of events.
    QTest::newRow("name with %1") << QStringLiteral("wheel %1 %2.ics") << QStringLiteral("ptnf") << false << -1;
    QTest::newRow("full moons in UTC, reminder") << QStringLiteral("wheel.ics") << QStringLiteral("f") << true << 2;
    QTest::newRow("nothing") << QStringLiteral("wheel.ics") << QString() << false << -1;
}

void tst_frmWheelOfTheYear::export_writesTheRangeAndTheChoicesAndSaysSo() {
    QFETCH(QString, fileName);
    QFETCH(QString, kinds);
    QFETCH(bool, utc);
    QFETCH(int, reminderDays);
    chosenPath_ = saves_.filePath(fileName);
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    const QList<QCheckBox*> boxes = {controls.exportPointsBox, controls.exportTraditionalBox,
                                     controls.exportNewMoonsBox, controls.exportFullMoonsBox};
    for (int i = 0; i < int(boxes.size()); ++i) {
        boxes[i]->setChecked(kinds.contains(QStringLiteral("ptnf")[i]));
    }
    if (kinds.isEmpty()) {
        QVERIFY(!controls.exportButton->isEnabled());
        QVERIFY(!controls.exportItem->isEnabled());
        return;
    }
    controls.utcBox->setChecked(utc);
    if (reminderDays >= 0) {
        QTest::mouseClick(controls.reminderBox, Qt::LeftButton);
        controls.reminderDaysBox->setValue(reminderDays);
    }
    controls.exportToBox->setValue(2029);
    // The range never runs backwards: moving its start past its end moves the end.
    controls.exportFromBox->setValue(2030);
    QCOMPARE(controls.exportToBox->value(), 2030);
    controls.exportFromBox->setValue(2026);
    env_->boxes.answer(MsgResult::Ok);
    QTest::mouseClick(controls.exportButton, Qt::LeftButton);

    QCOMPARE(env_->boxes.shown().size(), 1);
    const MessageRequest& box = env_->boxes.shown().first();
    QCOMPARE(box.icon, MsgIcon::Information);
    QVERIFY(box.text.contains(QStringLiteral("2026–2030")));
    QFile file(chosenPath_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<ReadEvent> read = ReadBack(file.readAll());
    QVERIFY(
        box.text.contains(QDir::toNativeSeparators(chosenPath_) + QStringLiteral("\r\n(%1 events)").arg(read.size())));
    QSet<int> years;
    QSet<QChar> kindsRead;
    int inZone = 0;
    for (const ReadEvent& event : read) {
        years.insert(event.start.left(4).toInt());
        kindsRead.insert(event.uid.contains(QLatin1String("-sun-"))          ? QLatin1Char('p')
                         : event.uid.contains(QLatin1String("-traditional")) ? QLatin1Char('t')
                         : event.uid.startsWith(QLatin1String("moon-new"))   ? QLatin1Char('n')
                                                                             : QLatin1Char('f'));
        inZone += event.zone == QLatin1String("Europe/London") ? 1 : 0;
        QCOMPARE(event.reminder, reminderDays < 0 ? QString() : QStringLiteral("-P%1D").arg(reminderDays));
    }
    QCOMPARE(years, QSet<int>({2026, 2027, 2028, 2029, 2030}));
    QCOMPARE(kindsRead, QSet<QChar>(kinds.cbegin(), kinds.cend()));
    // The file follows "Times in UTC" as the table does.
    QVERIFY(utc ? inZone == 0 : inZone > 0);

    // Closed and opened again, the wheel has the same choices, and the next export starts in this one's folder.
    controls.closeButton->click();
    SaveFileRequest asked;
    SetSaveFileChooser([&asked](const SaveFileRequest& request) {
        asked = request;
        return QString();
    });
    wheel = open();
    const WheelControls reopened(wheel);
    const QList<QCheckBox*> again = {reopened.exportPointsBox,
                                     reopened.exportTraditionalBox,
                                     reopened.exportNewMoonsBox,
                                     reopened.exportFullMoonsBox,
                                     reopened.utcBox,
                                     reopened.reminderBox};
    const QString checked = kinds + (utc ? u"u"_s : u""_s) + (reminderDays >= 0 ? u"r"_s : u""_s);
    for (int i = 0; i < int(again.size()); ++i) {
        QCOMPARE(again[i]->isChecked(), checked.contains(QStringLiteral("ptnfur")[i]));
    }
    QCOMPARE(reopened.reminderDaysBox->value(), std::max(reminderDays, 1));
    QTest::mouseClick(reopened.exportButton, Qt::LeftButton);
    QCOMPARE(asked.startFolder, QFileInfo(chosenPath_).absolutePath());
}

void tst_frmWheelOfTheYear::export_cancelled_writesNothing() {
    SetSaveFileChooser([](const SaveFileRequest&) { return QString(); });
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    QTest::mouseClick(controls.exportButton, Qt::LeftButton);
    QVERIFY(env_->boxes.shown().isEmpty());
    QVERIFY(!QFile::exists(chosenPath_));
}

void tst_frmWheelOfTheYear::export_intoFolderThatCannotBeWritten_saysSoAndLeavesNoFile() {
    QFile blocker(saves_.filePath(QStringLiteral("a-file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    chosenPath_ = saves_.filePath(QStringLiteral("a-file/wheel.ics"));
    frmWheelOfTheYear* wheel = open();
    const WheelControls controls(wheel);
    env_->boxes.answer(MsgResult::Ok);
    controls.exportItem->trigger();
    QCOMPARE(env_->boxes.shown().size(), 1);
    const MessageRequest& box = env_->boxes.shown().first();
    QCOMPARE(box.icon, MsgIcon::Critical);
    QVERIFY(box.text.startsWith(QLatin1String("The calendar file could not be saved as")));
    QVERIFY(box.text.contains(QDir::toNativeSeparators(chosenPath_)));
    QVERIFY(!QFile::exists(chosenPath_));
}

QTEST_MAIN(tst_frmWheelOfTheYear)
#include "tst_frmWheelOfTheYear.moc"
