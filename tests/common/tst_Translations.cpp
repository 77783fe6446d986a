#include "support/TestSupport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

// Every translation the repository ships, message by message: a text left untranslated shows English in the middle
// of another language, and a translation that drops what the program fills in or joins on (a %1, a line break, the
// blank before a value, the one accelerator) shows a message without its file name or a menu without its key. The
// lore keeps the names of festivals, gods and goddesses as the traditions write them.
class tst_Translations : public QObject {
    Q_OBJECT

  private slots:
    void everyMessage_isTranslatedAndKeepsWhatTheProgramFillsIn_data();
    void everyMessage_isTranslatedAndKeepsWhatTheProgramFillsIn();
};

namespace {
QStringList placeholders(const QString& text) {
    static const QRegularExpression number(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = number.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

int accelerators(const QString& text) {
    // "&&" is an ampersand shown as such, and one before a blank (Pagan & Wiccan) marks no key.
    static const QRegularExpression key(QStringLiteral("(?<!&)&[^&\\s]"));
    return int(text.count(key));
}

// Names the calendar's lore and festivals keep in every language (a stem where the lore spells a name two ways).
const QStringList KeptNames{
    QStringLiteral("Samhain"),  QStringLiteral("Beltan"),    QStringLiteral("Imbolc"),   QStringLiteral("Lughnasa"),
    QStringLiteral("Yule"),     QStringLiteral("Litha"),     QStringLiteral("Mabon"),    QStringLiteral("Eost"),
    QStringLiteral("Brigi"),    QStringLiteral("Cernunnos"), QStringLiteral("Rhiannon"), QStringLiteral("Epona"),
    QStringLiteral("Taliesin"), QStringLiteral("Arianrhod"), QStringLiteral("Badb"),     QStringLiteral("Merriddyn")};

QString edge(const QString& text, bool leading) {
    static const QRegularExpression start(QStringLiteral("^\\s*"));
    static const QRegularExpression end(QStringLiteral("\\s*$"));
    return (leading ? start : end).match(text).captured();
}
} // namespace

void tst_Translations::everyMessage_isTranslatedAndKeepsWhatTheProgramFillsIn_data() {
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(VELLORAN_TRANSLATION_SOURCES));
    const QStringList files = folder.entryList({QStringLiteral("velloran_*.ts")}, QDir::Files);
    QVERIFY2(files.size() >= 3, qPrintable(folder.path()));
    for (const QString& file : files) {
        QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }
}

void tst_Translations::everyMessage_isTranslatedAndKeepsWhatTheProgramFillsIn() {
    QFETCH(QString, path);
    const std::optional<QList<TranslationMessage>> messages = ReadTranslationFile(path);
    QVERIFY(messages && !messages->isEmpty());
    QStringList faults;
    for (const TranslationMessage& m : *messages) {
        if (m.source.isEmpty()) {
            continue; // a note to the translator on the whole context
        }
        const QString where = m.context + QStringLiteral(" \"") + m.source.left(50) + QStringLiteral("\": ");
        if (!m.type.isEmpty() || m.translation.trimmed().isEmpty()) {
            faults << where + QStringLiteral("not translated (%1)").arg(m.type);
            continue;
        }
        if (placeholders(m.source) != placeholders(m.translation)) {
            faults << where + QStringLiteral("the places filled in differ");
        }
        if (m.source.count(QLatin1Char('\r')) != m.translation.count(QLatin1Char('\r')) ||
            m.source.count(QLatin1Char('\n')) != m.translation.count(QLatin1Char('\n'))) {
            faults << where + QStringLiteral("the line breaks differ");
        }
        if (edge(m.source, true) != edge(m.translation, true) || edge(m.source, false) != edge(m.translation, false)) {
            faults << where + QStringLiteral("the blanks or breaks at its ends differ");
        }
        if (accelerators(m.source) != accelerators(m.translation)) {
            faults << where + QStringLiteral("the keyboard accelerators differ");
        }
        if (m.context.startsWith(QLatin1String("Pagan"))) {
            for (const QString& name : KeptNames) {
                if (m.source.contains(name, Qt::CaseInsensitive) &&
                    !m.translation.contains(name, Qt::CaseInsensitive)) {
                    faults << where + QStringLiteral("the name %1 is not kept").arg(name);
                }
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
