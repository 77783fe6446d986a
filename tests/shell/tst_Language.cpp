#include "calendar/SSTab.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/frmWheelOfTheYear.h"
#include "calendar/modPaganFestivals.h"
#include "core/Language.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryMain.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingFind.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/TestSupport.h"
#include "ui/Manual.h"
#include "ui/Windows.h"
#include "ui/frmManual.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

// The program in the user's language: which translation a locale gets, what happens when there is none or it cannot
// be read, and every window built in the language in force.
class tst_Language : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();

    void use_speaksTheFirstOfTheLocalesLanguagesItHas_data();
    void use_speaksTheFirstOfTheLocalesLanguagesItHas();
    void translationMissingOrUnreadable_leavesEveryTextEnglish_data();
    void translationMissingOrUnreadable_leavesEveryTextEnglish();
    void manual_opensInTheLanguageSpoken();
    void everyWindow_showsNoTextTheLanguageTranslates_data();
    void everyWindow_showsNoTextTheLanguageTranslates();
};

namespace {
const QString Translations = QStringLiteral(VELLORAN_TRANSLATIONS_DIR);

QString fileMenu() {
    return QCoreApplication::translate("SharedMenus", "&File");
}

// A caption of Qt's own dialogs and message boxes, which the program's translation does not hold.
QString qtCancel() {
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

// What a window shows: its title, labels, buttons, frames, menus, column captions and the names read out.
QStringList textsOf(const QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        texts << child->accessibleName();
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            texts << button->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(child)) {
            texts << frame->title();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(child); view && view->model()) {
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
            }
        }
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        texts << action->text();
    }
    return texts;
}
// The Alt keys a window's menu bar and visible buttons and labels take, each said once for every two that share one.
QStringList keysTakenTwice(const QWidget* window) {
    static const QRegularExpression key(u"(?<!&)&([^&\\s])"_s);
    QStringList texts;
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) {
            texts << (menu->isVisible() ? menu->text() : QString());
        }
    }
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisible()) {
            continue;
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            texts << button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(child); label && label->buddy()) {
            texts << label->text();
        }
    }
    QHash<QChar, QString> taken;
    QStringList clashes;
    for (const QString& text : std::as_const(texts)) {
        const QRegularExpressionMatch m = key.match(text);
        if (!m.hasMatch()) {
            continue;
        }
        const QChar letter = m.captured(1).at(0).toLower();
        if (taken.contains(letter)) {
            clashes << window->objectName() + u": \""_s + taken.value(letter) + u"\" and \""_s + text + u'"';
        } else {
            taken.insert(letter, text);
        }
    }
    return clashes;
}
} // namespace

void tst_Language::cleanup() {
    Language::Use(QLocale::c());
    QLocale::setDefault(QLocale::system());
}

void tst_Language::use_speaksTheFirstOfTheLocalesLanguagesItHas_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("menu");
    QTest::newRow("German in Germany") << "de_DE"
                                       << "de"
                                       << "&Datei";
    QTest::newRow("French in Canada, from the French file") << "fr_CA"
                                                            << "fr"
                                                            << "&Fichier";
    QTest::newRow("Spanish in Mexico, from the Spanish file") << "es_MX"
                                                              << "es"
                                                              << "&Archivo";
    QTest::newRow("English") << "en_US"
                             << ""
                             << "&File";
    QTest::newRow("a language without a translation") << "ja_JP"
                                                      << ""
                                                      << "&File";
    QTest::newRow("no language (the C locale)") << "C"
                                                << ""
                                                << "&File";
}

void tst_Language::use_speaksTheFirstOfTheLocalesLanguagesItHas() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, menu);
    // From a German start, so that what was in force before must go.
    QCOMPARE(Language::Use(QLocale(QStringLiteral("de_DE")), {Translations}), QStringLiteral("de"));
    QCOMPARE(Language::Use(QLocale(locale), {Translations}), language);
    QCOMPARE(fileMenu(), menu);
    // Qt's dialogs speak the program's language, English included.
    QCOMPARE(qtCancel() != QLatin1String("Cancel"), !language.isEmpty());
}

void tst_Language::translationMissingOrUnreadable_leavesEveryTextEnglish_data() {
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("language");
    QTest::newRow("no translations at all") << QStringList{QStringLiteral("missing")} << "";
    QTest::newRow("an unreadable translation") << QStringList{QStringLiteral("unreadable")} << "";
    QTest::newRow("an unreadable one, then a good one")
        << QStringList{QStringLiteral("unreadable"), Translations} << "de";
}

void tst_Language::translationMissingOrUnreadable_leavesEveryTextEnglish() {
    QFETCH(QStringList, folders);
    QFETCH(QString, language);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("unreadable")));
    QFile bad(dir.filePath(QStringLiteral("unreadable/velloran_de.qm")));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a translation") > 0);
    bad.close();
    // Said once on the error output, for whoever installed it; the user sees nothing odd.
    if (folders.contains(QStringLiteral("unreadable"))) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("velloran_de.qm cannot be read")));
    }
    for (QString& folder : folders) {
        folder = QDir(dir.path()).filePath(folder);
    }
    QCOMPARE(Language::Use(QLocale(QStringLiteral("de_DE")), folders), language);
    QCOMPARE(fileMenu(), language.isEmpty() ? QStringLiteral("&File") : QStringLiteral("&Datei"));
    QCOMPARE(qtCancel() == QLatin1String("Cancel"), language.isEmpty());
}

void tst_Language::manual_opensInTheLanguageSpoken() {
    TestEnvironment env;
    for (const QString& language : {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QString()}) {
        Language::Use(QLocale(language.isEmpty() ? QStringLiteral("en") : language), {Translations});
        Manual::Show(QStringLiteral("calendar.html#month"));
        const auto* manual = Windows::Loaded<frmManual>();
        QVERIFY(manual);
        const QString shown = manual->findChild<QTextBrowser*>()->source().toLocalFile();
        QCOMPARE(QFileInfo(shown).dir(), QDir(QDir(Manual::Folder()).filePath(language)));
        // Named as the English page it stands for, so that F1 and the window's place in the manual agree.
        QCOMPARE(manual->page(), QStringLiteral("calendar.html#month"));
    }
}

void tst_Language::everyWindow_showsNoTextTheLanguageTranslates_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"}) {
        QTest::newRow(language) << QString::fromLatin1(language);
    }
}

void tst_Language::everyWindow_showsNoTextTheLanguageTranslates() {
    QFETCH(QString, language);
    const std::optional<QList<TranslationMessage>> messages =
        ReadTranslationFile(QStringLiteral(VELLORAN_TRANSLATION_SOURCES "/velloran_%1.ts").arg(language));
    QVERIFY(messages);
    // The program's English texts that the language says otherwise, and what it says (in French "Date" is the
    // grid's caption as well as the wizard's "Jour").
    QHash<QString, QString> translated;
    QSet<QString> translations;
    for (const TranslationMessage& m : *messages) {
        translations << m.translation;
        if (m.translation != m.source) {
            translated.insert(m.source, m.translation);
        }
    }
    QCOMPARE(Language::Use(QLocale(language), {Translations}), language);
    // The user's locale goes with the language: it names the months of the calendars.
    QLocale::setDefault(QLocale(language));

    TestEnvironment env;
    RecordingShell shell;
    QVERIFY(env.copyIntoAppFolder(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE)));
    QFile schema(QStringLiteral(VELLORAN_DIARY_SCHEMA));
    QVERIFY(schema.open(QIODevice::ReadOnly));
    QVERIFY(DiaryStore::createDatabase(DiaryFilePath(), QString::fromUtf8(schema.readAll())));

    frmMain* launcher = Windows::Show<frmMain>();
    QVERIFY(launcher && ShowDowsingTool());
    QVERIFY(Windows::Load<frmDowsingSave>() && Windows::Show<frmDowsingFind>());
    // The empty file's grid says so in a box; the box is the program's text too.
    env.boxes.answer(MsgResult::Ok);
    Windows::Loaded<frmDowsingMain>()->ShowAllRecords();
    QVERIFY(Windows::IsLoaded<frmDowsingAllRecord>() && Windows::Show<frmPaganDiaryMain>());
    QVERIFY(frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell) && Windows::Show<frmDiaryFind>());
    QVERIFY(Windows::Show<frmPaganMain>() && Windows::Show<frmPaganResultCalendar>());
    QVERIFY(Windows::Show<frmWheelOfTheYear>());
    // Every tab of the lore, the tabs within tabs too (a page is made when it is first shown), each text whole at the
    // window's size in the language's longer words.
    QStringList cut;
    for (qsizetype seen = 0, tabs = 0;
         (tabs = Windows::Loaded<frmPaganMain>()->findChildren<SSTab*>().size()) > seen;) {
        seen = tabs;
        for (SSTab* control : Windows::Loaded<frmPaganMain>()->findChildren<SSTab*>()) {
            for (int tab = 0; tab < control->TabCount(); ++tab) {
                control->SetTab(tab);
                QCoreApplication::processEvents();
                for (const QLabel* lore : control->Page(tab)->findChildren<QLabel*>()) {
                    const QRect needed = lore->fontMetrics().boundingRect(QRect(0, 0, lore->width(), 100000),
                                                                          Qt::TextWordWrap, lore->text());
                    if (lore->isVisible() && lore->wordWrap() && needed.height() > lore->height()) {
                        cut << lore->objectName() + QLatin1Char(' ') + lore->text().left(30);
                    }
                }
            }
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    const frmAbout about;

    QStringList shown = env.boxes.texts() + textsOf(&about);
    QStringList clashes;
    for (const Form* form : Windows::LoadedForms()) {
        shown << textsOf(form->widget());
        clashes << keysTakenTwice(form->widget());
    }
    // Alt and a letter goes to one place: two of them in one window and the key only cycles between them.
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    QStringList english;
    for (const QString& text : std::as_const(shown)) {
        if (translated.contains(text) && !translations.contains(text)) {
            english << text;
        }
    }
    // Every month of the festival calendar, each festival on a line of its own under its date.
    for (int year = modPaganFestivals::FirstYear; year <= modPaganFestivals::LastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QString text = modPaganFestivals::ComposeMonthText(year, month);
            for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
                if (translated.contains(line) && !translations.contains(line)) {
                    english << line;
                }
            }
            const QString englishMonth = modPaganFestivals::EnglishMonthName(month);
            if (!text.isEmpty() && text.contains(englishMonth) && !QLocale().monthName(month).contains(englishMonth)) {
                english << text.left(40);
            }
        }
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
    QCOMPARE(Control<QAbstractButton>(launcher, "cmdSelectOption_0")->text(),
             translated.value(QStringLiteral("Dowsing")));
    QCOMPARE(env.boxes.texts(), QStringList{translated.value(QStringLiteral("There Is No Record !"))});
}

QTEST_MAIN(tst_Language)
#include "tst_Language.moc"
