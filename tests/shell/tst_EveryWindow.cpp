#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/frmWheelOfTheYear.h"
#include "core/Application.h"
#include "diary/DiaryTestSupport.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryMain.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/MDIDowsingForm1.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "ui/Manual.h"
#include "ui/Windows.h"
#include "ui/frmManual.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTest>

// Every window of the program, as a screen reader, a user of a dark desktop and a user pressing F1 meet it.
class tst_EveryWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyFocusableControl_hasAName_data();
    void everyFocusableControl_hasAName();
    void textColour_isFixedWithItsBackground_data();
    void textColour_isFixedWithItsBackground();
    void f1_opensTheManualAboutTheWindow_andTheManualListsItsShortcuts_data();
    void f1_opensTheManualAboutTheWindow_andTheManualListsItsShortcuts();
    void manual_hasEveryPageAndPlaceItLinksTo_data();
    void manual_hasEveryPageAndPlaceItLinksTo();

  private:
    void addWindowRows();
    // Opens a window as the user reaches it, with what it shows filled in; the top-level window that holds it.
    QWidget* open(const QString& name);

    std::unique_ptr<DiaryWorld> world_;
    std::unique_ptr<frmAbout> about_;
};

namespace {
const QStringList kWindows = {
    u"frmMain"_s,           u"frmAbout"_s,          u"frmDowsingMain"_s,         u"frmDowsingAllRecord"_s,
    u"frmDowsingSave"_s,    u"frmDowsingFind"_s,    u"frmPaganMain"_s,           u"frmPaganResultCalendar"_s,
    u"frmWheelOfTheYear"_s, u"frmPaganDiaryMain"_s, u"frmPaganDiaryResultBOS"_s, u"frmDiaryFind"_s,
    u"frmManual"_s};

// The page, and place on it, that F1 opens over each window.
const QHash<QString, QString> kManualPages = {{u"frmMain"_s, u"launcher.html"_s},
                                              {u"frmAbout"_s, u"launcher.html#about"_s},
                                              {u"frmDowsingMain"_s, u"dowsing.html#wizard"_s},
                                              {u"frmDowsingAllRecord"_s, u"dowsing.html#grid"_s},
                                              {u"frmDowsingSave"_s, u"dowsing.html#sheet"_s},
                                              {u"frmDowsingFind"_s, u"find-records.html"_s},
                                              {u"frmPaganMain"_s, u"calendar.html#browser"_s},
                                              {u"frmPaganResultCalendar"_s, u"calendar.html#month"_s},
                                              {u"frmWheelOfTheYear"_s, u"wheel.html"_s},
                                              {u"frmPaganDiaryMain"_s, u"diary.html#chooser"_s},
                                              {u"frmPaganDiaryResultBOS"_s, u"diary.html#book"_s},
                                              {u"frmDiaryFind"_s, u"diary.html#find"_s},
                                              {u"frmManual"_s, u"index.html"_s}};

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Dark, QColor(35, 35, 35));
    return dark;
}

// What a piece of text is drawn in and drawn on, as the widget's own palette and its painted ancestors say.
struct Ink {
    QString where;
    QColor text;
    QColor ground;
};

QList<Ink> inksOf(QWidget* window) {
    QList<Ink> inks;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        const auto* choice = qobject_cast<QAbstractButton*>(w);
        const bool writes = (label && !label->text().isEmpty()) || (group && !group->title().isEmpty()) ||
                            (choice && w->inherits("QCheckBox")) || (choice && w->inherits("QRadioButton"));
        // A style sheet sets both colours at once.
        if (!writes || !w->isVisibleTo(window) || !w->styleSheet().isEmpty()) {
            continue;
        }
        const QWidget* painted = w;
        while (painted != window && !painted->autoFillBackground()) {
            painted = painted->parentWidget();
        }
        inks.append(
            {w->objectName(), w->palette().color(QPalette::WindowText), painted->palette().color(QPalette::Window)});
    }
    return inks;
}
} // namespace

void tst_EveryWindow::initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void tst_EveryWindow::init() {
    world_ = std::make_unique<DiaryWorld>();
    QVERIFY(world_->makeDiary());
    QVERIFY(world_->env.copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE)));
    DowsingStore store(ApplicationFile(QStringLiteral("Dowsing.dll")));
    DowsingRecord record;
    record.Name = QStringLiteral("ANN SMITH");
    QVERIFY(store.add(record));
    QVERIFY(DiaryStore(DiaryFilePath()).add(DiarySection::Spell, QStringLiteral("moon water"), QStringLiteral("m")));
}

void tst_EveryWindow::cleanup() {
    about_.reset();
    world_.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void tst_EveryWindow::addWindowRows() {
    QTest::addColumn<QString>("window");
    for (const QString& name : kWindows) {
        QTest::newRow(qPrintable(name)) << name;
    }
}

QWidget* tst_EveryWindow::open(const QString& name) {
    if (name == QLatin1String("frmAbout")) {
        about_ = std::make_unique<frmAbout>();
        about_->show();
        return about_.get();
    }
    if (name.startsWith(QLatin1String("frmDowsing"))) {
        if (!ShowDowsingTool()) {
            return nullptr;
        }
        auto* frame = Windows::Loaded<MDIDowsingForm1>();
        if (name == QLatin1String("frmDowsingAllRecord") || name == QLatin1String("frmDowsingSave")) {
            Windows::Loaded<frmDowsingMain>()->ShowAllRecords();
        }
        if (name == QLatin1String("frmDowsingSave")) {
            auto* grid = Windows::Loaded<frmDowsingAllRecord>();
            const QRect cell = grid->recordsGrid()->visualRect(grid->model()->index(0, 1));
            QTest::mouseClick(grid->recordsGrid()->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->recordsGrid()->viewport(), Qt::LeftButton, {}, cell.center());
        }
        if (name == QLatin1String("frmDowsingFind")) {
            frame->findChild<QAction*>(QStringLiteral("mnuFindRecords"))->trigger();
        }
        return frame;
    }
    if (name == QLatin1String("frmPaganResultCalendar")) {
        Windows::Load<frmPaganResultCalendar>()->SetChosenMonth(QStringLiteral("March"), QStringLiteral("2009"));
    }
    if (name == QLatin1String("frmPaganDiaryResultBOS") || name == QLatin1String("frmDiaryFind")) {
        frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell);
    }
    const QHash<QString, std::function<QWidget*()>> shows = {
        {u"frmMain"_s, [] { return Windows::Show<frmMain>(); }},
        {u"frmPaganMain"_s, [] { return Windows::Show<frmPaganMain>(); }},
        {u"frmPaganResultCalendar"_s, [] { return Windows::Show<frmPaganResultCalendar>(); }},
        {u"frmWheelOfTheYear"_s, [] { return Windows::Show<frmWheelOfTheYear>(); }},
        {u"frmPaganDiaryMain"_s, [] { return Windows::Show<frmPaganDiaryMain>(); }},
        {u"frmPaganDiaryResultBOS"_s, [] { return Windows::Loaded<frmPaganDiaryResultBOS>(); }},
        {u"frmDiaryFind"_s, [] { return Windows::Show<frmDiaryFind>(); }},
        {u"frmManual"_s, [] { return Windows::Show<frmManual>(); }},
    };
    return shows.value(name)();
}

void tst_EveryWindow::everyFocusableControl_hasAName_data() {
    addWindowRows();
}

void tst_EveryWindow::everyFocusableControl_hasAName() {
    QFETCH(QString, window);
    QWidget* shown = open(window);
    QVERIFY(shown);
    QStringList unnamed;
    // The tree a screen reader walks, hidden parts too: a page of the wizard or a pop-up box is only hidden until
    // the user gets there. A list's lines and a table's cells are named by what they hold; a drop-down list's
    // pop-up by the list it drops from.
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        const QAccessible::Role role = node->role();
        if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty() &&
            !(role == QAccessible::List && node->parent() && node->parent()->role() == QAccessible::ComboBox)) {
            const QObject* control = node->object();
            unnamed << QStringLiteral("%1 (%2)").arg(control ? control->objectName() : QString(),
                                                     control ? QString::fromLatin1(control->metaObject()->className())
                                                             : QString());
        }
        if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree) {
            return;
        }
        for (int child = 0; child < node->childCount(); ++child) {
            if (QAccessibleInterface* part = node->child(child)) {
                walk(part);
            }
        }
    };
    walk(QAccessible::queryAccessibleInterface(shown));
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void tst_EveryWindow::textColour_isFixedWithItsBackground_data() {
    addWindowRows();
}

void tst_EveryWindow::textColour_isFixedWithItsBackground() {
    // Made once under the desktop's light colours and once under dark ones: a text whose colour stays while its
    // background follows the desktop (or the other way round) goes unreadable under one of them.
    QFETCH(QString, window);
    QList<Ink> light;
    QList<Ink> dark;
    for (QList<Ink>* inks : {&light, &dark}) {
        QApplication::setPalette(inks == &dark ? darkPalette() : QApplication::style()->standardPalette());
        QWidget* shown = open(window);
        QVERIFY(shown);
        *inks = inksOf(shown);
        about_.reset();
        Windows::ResetForTests();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(light.size(), dark.size());
    QStringList halfFixed;
    for (int i = 0; i < light.size(); ++i) {
        if ((light[i].text == dark[i].text) != (light[i].ground == dark[i].ground)) {
            halfFixed << QStringLiteral("%1 (%2 on %3 under the dark palette)")
                             .arg(dark[i].where, dark[i].text.name(), dark[i].ground.name());
        }
    }
    QVERIFY2(halfFixed.isEmpty(), qPrintable(halfFixed.join(QStringLiteral(", "))));
}

void tst_EveryWindow::f1_opensTheManualAboutTheWindow_andTheManualListsItsShortcuts_data() {
    addWindowRows();
}

void tst_EveryWindow::f1_opensTheManualAboutTheWindow_andTheManualListsItsShortcuts() {
    QFETCH(QString, window);
    QWidget* shown = open(window);
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTest::keyClick(shown, Qt::Key_F1);
    auto* manual = Windows::Loaded<frmManual>();
    QVERIFY(manual && manual->isVisible());
    QCOMPARE(manual->page(), kManualPages.value(window));

    QFile shortcuts(QDir(Manual::Folder()).filePath(QStringLiteral("shortcuts.html")));
    QVERIFY(shortcuts.open(QIODevice::ReadOnly));
    const QString listed = QString::fromUtf8(shortcuts.readAll());
    for (const QAction* action : shown->findChildren<QAction*>()) {
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        QVERIFY2(keys.isEmpty() || listed.contains(QStringLiteral("<td>%1").arg(keys)), qPrintable(keys));
    }
}

void tst_EveryWindow::manual_hasEveryPageAndPlaceItLinksTo_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"", "de", "fr", "es"}) {
        QTest::newRow(*language ? language : "en") << QString::fromLatin1(language);
    }
}

void tst_EveryWindow::manual_hasEveryPageAndPlaceItLinksTo() {
    QFETCH(QString, language);
    const QDir english(Manual::Folder());
    QVERIFY2(!english.path().isEmpty(), "the manual is not beside the program in the build folder");
    const QDir folder(english.filePath(language));
    const QStringList pages = folder.entryList({QStringLiteral("*.html")});
    // A translation has every page, so that no link of it leads out of its language.
    QCOMPARE(pages, english.entryList({QStringLiteral("*.html")}));
    QStringList targets = kManualPages.values();
    static const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QRegularExpressionMatch& m : link.globalMatch(QString::fromUtf8(file.readAll()))) {
            const QString target = m.captured(1);
            targets << (target.startsWith(QLatin1Char('#')) ? page + target : target);
        }
    }
    for (const QString& target : std::as_const(targets)) {
        const QString file = target.section(QLatin1Char('#'), 0, 0);
        const QString place = target.section(QLatin1Char('#'), 1);
        QFile page(folder.filePath(file));
        QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(target));
        QVERIFY2(place.isEmpty() || page.readAll().contains(QByteArray("id=\"" + place.toUtf8() + '"')),
                 qPrintable(target));
    }
}

QTEST_MAIN(tst_EveryWindow)
#include "tst_EveryWindow.moc"
