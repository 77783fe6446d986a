#include "diary/DiaryStore.h"

#include "common/StoreFailure.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <utility>

namespace {

const QString Driver = QStringLiteral("QSQLITE");

// The table of a section is "tbl" followed by its word; SQLite matches table names without regard to
// letter case, so this reaches the same table as the schema's lower-case name.
QString tableOf(DiarySection section) {
    return QStringLiteral("\"tbl%1\"").arg(DiarySectionWord(section));
}

// The cause in the user's words, naming the file.
QString describe(const QSqlError& error, const QString& path) {
    return StoreCauseText(StoreCauseOf(error), path, StoreErrorDetail(error));
}

// A row gets its "Index" from the file only when the column is the table's integer key. A converted or older
// file may have a plain column instead; its entries could then be neither edited nor removed, so the file is
// refused with a reason. A table that is not there at all is left for the statement to report.
bool keyIsAutomatic(const QSqlDatabase& db, DiarySection section, const QString& path, QString& why) {
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tableOf(section)))) {
        why = describe(info.lastError(), path);
        return false;
    }
    int columns = 0;
    int keys = 0;
    bool numbered = false;
    while (info.next()) {
        ++columns;
        const int key = info.value(5).toInt();
        keys += key > 0 ? 1 : 0;
        if (key == 1 && info.value(1).toString() == QLatin1String("Index") &&
            info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
            numbered = true;
        }
    }
    if (columns == 0 || (numbered && keys == 1)) {
        return true;
    }
    why = QStringLiteral("the file %1 does not number its entries itself (the \"Index\" column of the %2 section "
                         "is no automatic key), so an entry could be neither edited nor removed. It may come from "
                         "an older or converted file.")
              .arg(QDir::toNativeSeparators(path), DiarySectionWord(section));
    return false;
}

} // namespace

QString DiarySectionWord(DiarySection section) {
    switch (section) {
    case DiarySection::Spell:
        return QStringLiteral("Spell");
    case DiarySection::Incense:
        return QStringLiteral("Incense");
    case DiarySection::Recipes:
        return QStringLiteral("Recipes");
    case DiarySection::Rituals:
        return QStringLiteral("Rituals");
    }
    return {};
}

std::optional<DiarySection> DiarySectionFromIndex(int index) {
    if (index < 0 || index >= int(AllDiarySections.size())) {
        return std::nullopt;
    }
    return AllDiarySections[std::size_t(index)];
}

// One open connection under a name of its own, closed and removed when the access ends. Queries must be
// declared after the Access so that they are gone before the connection is removed.
class DiaryStore::Access {
  public:
    enum Mode { Read, Write };

    Access(const QString& path, Mode mode, int busyTimeoutMs) {
        static QAtomicInteger<quint64> serial;
        m_name = QStringLiteral("velloran-diary-%1").arg(serial.fetchAndAddRelaxed(1));
        if (!QSqlDatabase::isDriverAvailable(Driver)) {
            m_error = QStringLiteral("the SQLite driver of Qt is not installed");
            return;
        }
        // A file that is not there must not be created empty by opening it: mode=ro/rw forbids that.
        const QFileInfo info(path);
        if (!info.exists() || !info.isFile()) {
            m_error = StoreCauseText(StoreCause::Missing, path);
            return;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(Driver, m_name);
        QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        url.setQuery(mode == Read ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(busyTimeoutMs)
                                 .arg(mode == Read ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
        if (!db.open()) {
            m_error = describe(db.lastError(), path);
        }
    }

    ~Access() {
        if (QSqlDatabase::contains(m_name)) {
            {
                QSqlDatabase db = QSqlDatabase::database(m_name, false);
                db.close();
            }
            QSqlDatabase::removeDatabase(m_name);
        }
    }

    Access(const Access&) = delete;
    Access& operator=(const Access&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

  private:
    QString m_name;
    QString m_error;
};

namespace {
int& defaultBusyTimeout() {
    static int milliseconds = StoreBusyWaitMs;
    return milliseconds;
}
} // namespace

DiaryStore::DiaryStore(QString path) : m_path(std::move(path)), m_busyTimeoutMs(defaultBusyTimeout()) {}

void DiaryStore::setDefaultBusyTimeout(int milliseconds) {
    defaultBusyTimeout() = milliseconds;
}

QString DiaryStore::trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    // Never a null string: SQL would take it for NULL rather than empty text.
    return first == last ? QStringLiteral("") : text.mid(first, last - first);
}

bool DiaryStore::fail(const QString& what, const QString& why) {
    m_lastError = QStringLiteral("%1: %2").arg(what, why);
    return false;
}

bool DiaryStore::keywords(DiarySection section, QStringList& out) {
    return rows(section, out, nullptr);
}

bool DiaryStore::rows(DiarySection section, QStringList& keywords, QList<qint64>* indexes) {
    keywords.clear();
    if (indexes) {
        indexes->clear();
    }
    m_lastError.clear();
    const QString what = QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section));
    Access access(m_path, Access::Read, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    if (QString why; !keyIsAutomatic(access.db(), section, m_path, why)) {
        return fail(what, why);
    }
    QSqlQuery query(access.db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT keyword, \"Index\" FROM %1 ORDER BY \"Index\"").arg(tableOf(section)))) {
        return fail(what, describe(query.lastError(), m_path));
    }
    QStringList words;
    QList<qint64> keys;
    while (query.next()) {
        words.append(query.value(0).toString());
        keys.append(query.value(1).toLongLong());
    }
    // A page that cannot be read ends the walk early with an error rather than a shorter list.
    if (query.lastError().isValid()) {
        return fail(what, describe(query.lastError(), m_path));
    }
    keywords = std::move(words);
    if (indexes) {
        *indexes = std::move(keys);
    }
    return true;
}

bool DiaryStore::count(DiarySection section, int& out) {
    out = 0;
    m_lastError.clear();
    const QString what = QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section));
    Access access(m_path, Access::Read, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    QSqlQuery query(access.db());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(tableOf(section))) || !query.next()) {
        return fail(what, describe(query.lastError(), m_path));
    }
    out = query.value(0).toInt();
    return true;
}

bool DiaryStore::add(DiarySection section, const QString& keyword, const QString& meaning) {
    m_lastError.clear();
    const QString what =
        QStringLiteral("The entry could not be added to the %1 section").arg(DiarySectionWord(section));
    Access access(m_path, Access::Write, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    if (QString why; !keyIsAutomatic(access.db(), section, m_path, why)) {
        return fail(what, why);
    }
    QSqlDatabase db = access.db();
    if (!db.transaction()) {
        return fail(what, describe(db.lastError(), m_path));
    }
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (keyword, meaning) VALUES (?, ?)").arg(tableOf(section)))) {
        const QString why = describe(query.lastError(), m_path);
        db.rollback();
        return fail(what, why);
    }
    query.addBindValue(trimBlanks(keyword));
    query.addBindValue(trimBlanks(meaning));
    if (!query.exec()) {
        const QString why = describe(query.lastError(), m_path);
        query.finish();
        db.rollback();
        return fail(what, why);
    }
    query.finish();
    if (!db.commit()) {
        const QString why = describe(db.lastError(), m_path);
        db.rollback();
        return fail(what, why);
    }
    return true;
}

namespace {
// Which row an action means: the row at a position of the list order, or the row with a given "Index".
// A position is found by OFFSET, which SQLite skips inside its table walk; an "Index" is a key lookup.
QString byPosition(DiarySection section) {
    return QStringLiteral("\"Index\" = (SELECT \"Index\" FROM %1 ORDER BY \"Index\" LIMIT 1 OFFSET ?)")
        .arg(tableOf(section));
}

QString byIndex() {
    return QStringLiteral("\"Index\" = ?");
}
} // namespace

bool DiaryStore::entryAt(DiarySection section, int position, DiaryEntry& out, bool& found) {
    out = {};
    found = false;
    if (position < 0) {
        m_lastError.clear();
        return true;
    }
    return readEntry(section, byPosition(section), position, out, found);
}

bool DiaryStore::entryWithIndex(DiarySection section, qint64 index, DiaryEntry& out, bool& found) {
    return readEntry(section, byIndex(), index, out, found);
}

bool DiaryStore::updateAt(DiarySection section, int position, const QString& keyword, const QString& meaning,
                          bool& changed) {
    changed = false;
    if (position < 0) {
        m_lastError.clear();
        return true;
    }
    return changeRow(section, byPosition(section), position, &keyword, &meaning, changed);
}

bool DiaryStore::updateWithIndex(DiarySection section, qint64 index, const QString& keyword, const QString& meaning,
                                 bool& changed) {
    return changeRow(section, byIndex(), index, &keyword, &meaning, changed);
}

bool DiaryStore::removeAt(DiarySection section, int position, bool& removed) {
    removed = false;
    if (position < 0) {
        m_lastError.clear();
        return true;
    }
    return changeRow(section, byPosition(section), position, nullptr, nullptr, removed);
}

bool DiaryStore::removeWithIndex(DiarySection section, qint64 index, bool& removed) {
    return changeRow(section, byIndex(), index, nullptr, nullptr, removed);
}

bool DiaryStore::readEntry(DiarySection section, const QString& where, const QVariant& value, DiaryEntry& out,
                           bool& found) {
    out = {};
    found = false;
    m_lastError.clear();
    const QString what =
        QStringLiteral("The entry could not be read from the %1 section").arg(DiarySectionWord(section));
    Access access(m_path, Access::Read, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    QSqlQuery query(access.db());
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT \"Index\", keyword, meaning FROM %1 WHERE %2").arg(tableOf(section), where))) {
        return fail(what, describe(query.lastError(), m_path));
    }
    query.addBindValue(value);
    if (!query.exec()) {
        return fail(what, describe(query.lastError(), m_path));
    }
    if (query.next()) {
        out.Index = query.value(0).toLongLong();
        out.keyword = query.value(1).toString();
        out.meaning = query.value(2).toString();
        found = true;
    } else if (query.lastError().isValid()) {
        return fail(what, describe(query.lastError(), m_path));
    }
    return true;
}

// Rewrites (keyword and meaning given) or deletes (both null) the located row in a transaction of its own;
// finding the row and changing it is one statement, so nothing can slip in between.
bool DiaryStore::changeRow(DiarySection section, const QString& where, const QVariant& value, const QString* keyword,
                           const QString* meaning, bool& hit) {
    hit = false;
    m_lastError.clear();
    const bool update = keyword && meaning;
    const QString word = DiarySectionWord(section);
    const QString what = update ? QStringLiteral("The entry could not be saved in the %1 section").arg(word)
                                : QStringLiteral("The entry could not be removed from the %1 section").arg(word);
    Access access(m_path, Access::Write, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    if (QString why; !keyIsAutomatic(access.db(), section, m_path, why)) {
        return fail(what, why);
    }
    QSqlDatabase db = access.db();
    if (!db.transaction()) {
        return fail(what, describe(db.lastError(), m_path));
    }
    QSqlQuery query(db);
    const QString sql = update ? QStringLiteral("UPDATE %1 SET keyword = ?, meaning = ? WHERE %2")
                               : QStringLiteral("DELETE FROM %1 WHERE %2");
    if (!query.prepare(sql.arg(tableOf(section), where))) {
        const QString why = describe(query.lastError(), m_path);
        db.rollback();
        return fail(what, why);
    }
    if (update) {
        query.addBindValue(trimBlanks(*keyword));
        query.addBindValue(trimBlanks(*meaning));
    }
    query.addBindValue(value);
    if (!query.exec()) {
        const QString why = describe(query.lastError(), m_path);
        query.finish();
        db.rollback();
        return fail(what, why);
    }
    const bool changed = query.numRowsAffected() > 0;
    query.finish();
    if (!db.commit()) {
        const QString why = describe(db.lastError(), m_path);
        db.rollback();
        return fail(what, why);
    }
    hit = changed;
    return true;
}

bool DiaryStore::createDatabase(const QString& path, const QString& schemaSql, QString* error) {
    auto report = [error](const QString& text) {
        if (error) {
            *error = text;
        }
        return false;
    };
    if (QFileInfo::exists(path)) {
        return report(QStringLiteral("%1 already exists").arg(path));
    }
    static QAtomicInteger<quint64> serial;
    const QString name = QStringLiteral("velloran-diary-create-%1").arg(serial.fetchAndAddRelaxed(1));
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(Driver, name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = describe(db.lastError(), path);
        } else {
            db.transaction();
            QSqlQuery query(db);
            QString statement;
            // Comment lines go; statements are split at semicolons, which the schema uses for nothing else.
            for (const QString& line : schemaSql.split(QLatin1Char('\n'))) {
                if (!line.trimmed().startsWith(QStringLiteral("--"))) {
                    statement += line + QLatin1Char('\n');
                }
            }
            for (const QString& part : statement.split(QLatin1Char(';'))) {
                if (!part.trimmed().isEmpty() && !query.exec(part) && failure.isEmpty()) {
                    failure = describe(query.lastError(), path);
                }
            }
            query.finish();
            if (failure.isEmpty()) {
                db.commit();
            } else {
                db.rollback();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        return report(failure);
    }
    return true;
}
