#include "diary/DiaryStore.h"

#include "common/RowCounts.h"

#include <QAtomicInteger>
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

QString describe(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.text().trimmed();
    }
    return text.isEmpty() ? QStringLiteral("unknown error") : text;
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
            m_error = QStringLiteral("the file %1 does not exist").arg(path);
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
            m_error = describe(db.lastError());
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
    static int milliseconds = 2000;
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
    QSqlQuery query(access.db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT keyword, \"Index\" FROM %1 ORDER BY \"Index\"").arg(tableOf(section)))) {
        return fail(what, describe(query.lastError()));
    }
    QStringList words;
    QList<qint64> keys;
    while (query.next()) {
        words.append(query.value(0).toString());
        keys.append(query.value(1).toLongLong());
    }
    // A page that cannot be read ends the walk early with an error rather than a shorter list.
    if (query.lastError().isValid()) {
        return fail(what, describe(query.lastError()));
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
        return fail(what, describe(query.lastError()));
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
    QSqlDatabase db = access.db();
    if (!db.transaction()) {
        return fail(what, describe(db.lastError()));
    }
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (keyword, meaning) VALUES (?, ?)").arg(tableOf(section)))) {
        const QString why = describe(query.lastError());
        db.rollback();
        return fail(what, why);
    }
    query.addBindValue(trimBlanks(keyword));
    query.addBindValue(trimBlanks(meaning));
    if (!query.exec()) {
        const QString why = describe(query.lastError());
        query.finish();
        db.rollback();
        return fail(what, why);
    }
    query.finish();
    if (!db.commit()) {
        const QString why = describe(db.lastError());
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
        return fail(what, describe(query.lastError()));
    }
    query.addBindValue(value);
    if (!query.exec()) {
        return fail(what, describe(query.lastError()));
    }
    if (query.next()) {
        out.Index = query.value(0).toLongLong();
        out.keyword = query.value(1).toString();
        out.meaning = query.value(2).toString();
        found = true;
    } else if (query.lastError().isValid()) {
        return fail(what, describe(query.lastError()));
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
    QSqlDatabase db = access.db();
    if (!db.transaction()) {
        return fail(what, describe(db.lastError()));
    }
    QSqlQuery query(db);
    const QString sql = update ? QStringLiteral("UPDATE %1 SET keyword = ?, meaning = ? WHERE %2")
                               : QStringLiteral("DELETE FROM %1 WHERE %2");
    if (!query.prepare(sql.arg(tableOf(section), where))) {
        const QString why = describe(query.lastError());
        db.rollback();
        return fail(what, why);
    }
    if (update) {
        query.addBindValue(trimBlanks(*keyword));
        query.addBindValue(trimBlanks(*meaning));
    }
    query.addBindValue(value);
    if (!query.exec()) {
        const QString why = describe(query.lastError());
        query.finish();
        db.rollback();
        return fail(what, why);
    }
    const bool changed = query.numRowsAffected() > 0;
    query.finish();
    if (!db.commit()) {
        const QString why = describe(db.lastError());
        db.rollback();
        return fail(what, why);
    }
    hit = changed;
    return true;
}

bool DiaryStore::keptCount(DiarySection section, qint64& out) {
    out = 0;
    m_lastError.clear();
    QString why;
    const std::optional<qint64> counted =
        RowCounts::Count(m_path, QStringLiteral("tbl%1").arg(DiarySectionWord(section)), m_busyTimeoutMs, &why);
    if (!counted) {
        return fail(QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)), why);
    }
    out = *counted;
    return true;
}

bool DiaryStore::linesFrom(DiarySection section, std::optional<qint64> bound, bool descending, qint64 skip,
                           qint64 limit, QList<DiaryEntry>& out) {
    out.clear();
    m_lastError.clear();
    const QString what = QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section));
    Access access(m_path, Access::Read, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    QString where;
    if (bound) {
        where = descending ? QStringLiteral("WHERE \"Index\" < ? ") : QStringLiteral("WHERE \"Index\" > ? ");
    }
    QSqlQuery query(access.db());
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT \"Index\", keyword FROM %1 %2ORDER BY \"Index\" %3 LIMIT ? OFFSET ?")
                .arg(tableOf(section), where, descending ? QStringLiteral("DESC") : QStringLiteral("ASC")))) {
        return fail(what, describe(query.lastError()));
    }
    if (bound) {
        query.addBindValue(*bound);
    }
    query.addBindValue(limit);
    query.addBindValue(qMax<qint64>(0, skip));
    if (!query.exec()) {
        return fail(what, describe(query.lastError()));
    }
    QList<DiaryEntry> lines;
    while (query.next()) {
        DiaryEntry& line = lines.emplace_back();
        line.Index = query.value(0).toLongLong();
        line.keyword = query.value(1).toString();
    }
    if (query.lastError().isValid()) {
        return fail(what, describe(query.lastError()));
    }
    out = std::move(lines);
    return true;
}

bool DiaryStore::add(DiarySection section, const QString& keyword, const QString& meaning, qint64& newIndex) {
    newIndex = 0;
    m_lastError.clear();
    const QString what =
        QStringLiteral("The entry could not be added to the %1 section").arg(DiarySectionWord(section));
    Access access(m_path, Access::Write, m_busyTimeoutMs);
    if (!access.ok()) {
        return fail(what, access.error());
    }
    QSqlDatabase db = access.db();
    if (!db.transaction()) {
        return fail(what, describe(db.lastError()));
    }
    QSqlQuery query(db);
    if (!query.prepare(QStringLiteral("INSERT INTO %1 (keyword, meaning) VALUES (?, ?)").arg(tableOf(section)))) {
        const QString why = describe(query.lastError());
        db.rollback();
        return fail(what, why);
    }
    query.addBindValue(trimBlanks(keyword));
    query.addBindValue(trimBlanks(meaning));
    if (!query.exec()) {
        const QString why = describe(query.lastError());
        query.finish();
        db.rollback();
        return fail(what, why);
    }
    const qint64 made = query.lastInsertId().toLongLong();
    query.finish();
    if (!db.commit()) {
        const QString why = describe(db.lastError());
        db.rollback();
        return fail(what, why);
    }
    newIndex = made;
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
            failure = describe(db.lastError());
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
                    failure = describe(query.lastError());
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
