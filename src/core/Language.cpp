#include "core/Language.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSet>
#include <QTranslator>
#include <memory>

#ifndef VELLORAN_TEMPLATES_FROM_BIN
#define VELLORAN_TEMPLATES_FROM_BIN "../share/velloran"
#endif

namespace Language {

namespace {

struct Translators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    QString spoken;
};

Translators& inForce() {
    static Translators translators;
    return translators;
}

// The files a language's translation may be in, most particular first: velloran_pt_BR.qm, then velloran_pt.qm.
QStringList fileNames(const QString& name, const QLocale& language) {
    QStringList names{name + QLatin1Char('_') + language.name() + QStringLiteral(".qm")};
    const QString code = QLocale::languageToCode(language.language());
    if (!code.isEmpty() && names.constFirst() != name + QLatin1Char('_') + code + QStringLiteral(".qm")) {
        names << name + QLatin1Char('_') + code + QStringLiteral(".qm");
    }
    return names;
}

// Loads the first readable file of the language from the folders. A file that is there but cannot be read is said
// once on the error output, for whoever installed it, and the search goes on.
std::unique_ptr<QTranslator> loadFirst(const QString& name, const QLocale& language, const QStringList& folders,
                                       QSet<QString>& tried) {
    for (const QString& folder : folders) {
        for (const QString& file : fileNames(name, language)) {
            const QString path = QDir(folder).filePath(file);
            if (!QFileInfo(path).isFile() || tried.contains(path)) {
                continue;
            }
            tried.insert(path);
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(path)) {
                return translator;
            }
            qWarning("The translation %s cannot be read; it is not used.", qPrintable(QDir::toNativeSeparators(path)));
        }
    }
    return nullptr;
}

} // namespace

QStringList TranslationFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QStringLiteral(VELLORAN_TEMPLATES_FROM_BIN "/translations")))};
}

QString QtTranslationFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString Use(const QLocale& locale, const QStringList& folders, const QString& qtFolder) {
    Translators& translators = inForce();
    for (QTranslator* translator : {translators.program.get(), translators.qt.get()}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    translators = {};
    QSet<QString> tried;
    for (const QString& wanted : locale.uiLanguages()) {
        const QLocale language(wanted);
        // The program's own language, or no language at all: every text stays as written.
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return {};
        }
        translators.program = loadFirst(QStringLiteral("velloran"), language, folders, tried);
        if (!translators.program) {
            continue;
        }
        translators.qt = loadFirst(QStringLiteral("qtbase"), language, {qtFolder}, tried);
        QCoreApplication::installTranslator(translators.program.get());
        if (translators.qt) {
            QCoreApplication::installTranslator(translators.qt.get());
        }
        translators.spoken = QLocale::languageToCode(language.language());
        qCInfo(VelloranCoreLog, "speaking %s for the locale %s", qUtf8Printable(translators.spoken),
               qUtf8Printable(locale.name()));
        return translators.spoken;
    }
    return {};
}

QString Spoken() {
    return inForce().spoken;
}

QString NumericDateFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return QStringLiteral("M/d/yyyy");
    }
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // "yy" alone would make 1906 and 2006 look alike.
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

QString NumericDateText(const QDate& date, const QLocale& locale) {
    return date.isValid() ? locale.toString(date, NumericDateFormat(locale)) : QString();
}

QDate NumericDateFrom(const QString& text, const QLocale& locale) {
    return locale.toDate(text, NumericDateFormat(locale));
}

} // namespace Language
