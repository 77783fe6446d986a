#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

// The user's language and the way the user writes dates.
//
// The program is written in English; a translation (translations/velloran_<language>.ts, built into a .qm file)
// puts every text it shows in another language, and Qt's own translation of the same language makes its file,
// print and colour dialogs match. A language the program has no readable translation for leaves every text in
// English, exactly as written.
namespace Language {

// Where the program's translations are looked for, in order: "translations" beside the program (a build folder,
// an unpacked copy), then the installed program's data folder (share/velloran/translations).
QStringList TranslationFolders();

// Qt's own translations (qtbase_de.qm and the like), as the Qt installation keeps them.
QString QtTranslationFolder();

// Puts in force the translation of the first of the locale's languages that is English or has a readable
// translation in `folders`, with Qt's translation of that language from `qtFolder` when there is one; whatever
// this put in force before goes. Returns the language now spoken besides English ("de"), or an empty text when the
// program speaks English. Call before any window is made: windows take their texts when they are built.
QString Use(const QLocale& locale, const QStringList& folders = TranslationFolders(),
            const QString& qtFolder = QtTranslationFolder());

// What the last Use returned: the language spoken besides English, or an empty text.
QString Spoken();

// The user's way of writing a date in figures, with the year in full (7.3.2006 becomes 07.03.2006 in Germany,
// 3/7/2006 in the United States). Without a locale of the user's (the C locale), the program's own 3/7/2006.
QString NumericDateFormat(const QLocale& locale = QLocale());
QString NumericDateText(const QDate& date, const QLocale& locale = QLocale());
// A date the user typed in that form; invalid when the text is not one.
QDate NumericDateFrom(const QString& text, const QLocale& locale = QLocale());

} // namespace Language
