#include "diary/DiaryStore.h"

#include "common/RowCounts.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <utility>

namespace {

// The table of a section is "tbl" followed by its word; SQLite matches table names without regard to
// letter case, so this reaches the same table as the schema's lower-case name.
QString tableOf(DiarySection section) {
    return QStringLiteral("\"tbl%1\"").arg(DiarySectionWord(section));
}

// A whole entry: the columns to select, and the entry made from the first three of them.
const QString kEntryColumns = QStringLiteral("\"Index\", keyword, meaning");
DiaryEntry entryOf(const QSqlQuery& query) {
    return {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
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

namespace {
int& defaultBusyTimeout() {
    static int milliseconds = DatabaseBusyTimeoutMs;
    return milliseconds;
}

using Access = DatabaseConnection::Access;
} // namespace

DiaryStore::DiaryStore(QString path) : path_(std::move(path)), busyTimeoutMs_(defaultBusyTimeout()) {}

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

bool DiaryStore::fail(StoreError error) {
    if (error.file.isEmpty()) {
        error.file = path_;
    }
    error_ = std::move(error);
    return false;
}

// A row gets its "Index" from the file only when the column is the table's integer key. A converted or older
// file may have a plain column instead; its entries could then be neither edited nor removed, so the section
// is refused with a reason. A table that is not there at all is left for the statement to report.
bool DiaryStore::keyIsAutomatic(const QSqlDatabase& db, DiarySection section, const QString& what) {
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(tableOf(section)))) {
        return fail(what, info.lastError());
    }
    int columns = 0;
    int keys = 0;
    bool numbered = false;
    while (info.next()) {
        ++columns;
        const int key = info.value(5).toInt();
        keys += key > 0 ? 1 : 0;
        numbered = numbered || (key == 1 && info.value(1).toString() == QLatin1String("Index") &&
                                info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0);
    }
    if (columns == 0 || (numbered && keys == 1)) {
        return true;
    }
    fail({StoreCause::Damaged,
          what,
          QStringLiteral("the file %1 does not number its entries itself (the \"Index\" column of the %2 section "
                         "is no automatic key), so an entry could be neither edited nor removed; it may be an older "
                         "or converted file")
              .arg(QDir::toNativeSeparators(path_), DiarySectionWord(section)),
          {}});
    error_.file.clear();
    return false;
}

bool DiaryStore::fail(const QString& what, const QSqlError& error) {
    return fail(StoreError::fromSql(what, error));
}

bool DiaryStore::fail(const QString& what, const DatabaseConnection& access) {
    StoreError error = access.error();
    error.what = what;
    return fail(std::move(error));
}

bool DiaryStore::keywords(DiarySection section, QStringList& out) {
    return rows(section, out, nullptr);
}

bool DiaryStore::rows(DiarySection section, QStringList& keywords, QList<qint64>* indexes) {
    keywords.clear();
    if (indexes) {
        indexes->clear();
    }
    QStringList words;
    QList<qint64> keys;
    if (!readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                  QStringLiteral("SELECT keyword, \"Index\" FROM %1 ORDER BY \"Index\"").arg(tableOf(section)), {},
                  [&](const QSqlQuery& query) {
                      words.append(query.value(0).toString());
                      keys.append(query.value(1).toLongLong());
                  })) {
        return false;
    }
    keywords = std::move(words);
    if (indexes) {
        *indexes = std::move(keys);
    }
    return true;
}

bool DiaryStore::entries(DiarySection section, QList<DiaryEntry>& out) {
    out.clear();
    QList<DiaryEntry> read;
    if (!readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                  QStringLiteral("SELECT %1 FROM %2 ORDER BY \"Index\"").arg(kEntryColumns, tableOf(section)), {},
                  [&read](const QSqlQuery& query) { read.append(entryOf(query)); })) {
        return false;
    }
    out = std::move(read);
    return true;
}

bool DiaryStore::entriesThatMayHold(DiarySection section, const QStringList& words,
                                    const std::function<void(const DiaryEntry&, bool surely)>& each) {
    // A text has a character beyond ASCII when it takes more bytes than characters (the file holds UTF-8).
    const QString beyondAscii = QStringLiteral("(length(keyword) < length(CAST(keyword AS BLOB)) OR "
                                               "length(meaning) < length(CAST(meaning AS BLOB)))");
    QStringList holdsEvery;
    QVariantList values;
    for (QString word : words) {
        word.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        holdsEvery << QStringLiteral("coalesce(keyword, '') || char(10) || coalesce(meaning, '') LIKE ? ESCAPE '\\'");
        values << QLatin1Char('%') + word + QLatin1Char('%');
    }
    const QString where =
        holdsEvery.isEmpty()
            ? QString()
            : QStringLiteral(" WHERE %1 OR (%2)").arg(beyondAscii, holdsEvery.join(QStringLiteral(" AND ")));
    return readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                    QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY \"Index\"")
                        .arg(kEntryColumns, beyondAscii, tableOf(section), where),
                    values, [&each](const QSqlQuery& query) { each(entryOf(query), query.value(3).toInt() == 0); });
}

bool DiaryStore::positionOfIndex(DiarySection section, qint64 index, std::optional<qint64>& position) {
    position.reset();
    std::optional<qint64> counted;
    // The list is in ascending "Index": a line's position is the number of rows before it.
    if (!readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                  QStringLiteral("SELECT (SELECT count(*) FROM %1 WHERE \"Index\" < ?) FROM %1 WHERE \"Index\" = ?")
                      .arg(tableOf(section)),
                  {index, index}, [&counted](const QSqlQuery& query) { counted = query.value(0).toLongLong(); })) {
        return false;
    }
    position = counted;
    return true;
}

bool DiaryStore::count(DiarySection section, int& out) {
    out = 0;
    return readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                    QStringLiteral("SELECT count(*) FROM %1").arg(tableOf(section)), {},
                    [&out](const QSqlQuery& query) { out = query.value(0).toInt(); });
}

// Runs one query over a connection of its own and hands each row to `eachRow`.
bool DiaryStore::readRows(DiarySection section, const QString& what, const QString& sql, const QVariantList& values,
                          const std::function<void(const QSqlQuery&)>& eachRow) {
    error_ = {};
    DatabaseConnection access(path_, Access::Read, busyTimeoutMs_);
    if (!access.isOpen()) {
        return fail(what, access);
    }
    if (!keyIsAutomatic(access.database(), section, what)) {
        return false;
    }
    QSqlQuery query(access.database());
    query.setForwardOnly(true);
    if (!RunPrepared(query, sql, values)) {
        return fail(what, query.lastError());
    }
    while (query.next()) {
        eachRow(query);
    }
    // A page that cannot be read ends the walk early with an error rather than a shorter list.
    return !query.lastError().isValid() || fail(what, query.lastError());
}

bool DiaryStore::add(DiarySection section, const QString& keyword, const QString& meaning) {
    qint64 made = 0;
    return add(section, keyword, meaning, made);
}

// Runs one change in a transaction of its own; once it is committed, `affected` learns how many rows it touched
// and `insertedKey` the key of a row it added.
bool DiaryStore::writeRows(DiarySection section, const QString& what, const QString& sql, const QVariantList& values,
                           int* affected, qint64* insertedKey) {
    error_ = {};
    DatabaseConnection access(path_, Access::Write, busyTimeoutMs_);
    if (!access.isOpen()) {
        return fail(what, access);
    }
    if (!keyIsAutomatic(access.database(), section, what)) {
        return false;
    }
    DatabaseTransaction transaction(access.database());
    if (!transaction.begun()) {
        return fail(what, transaction.lastError());
    }
    int touched = 0;
    qint64 key = 0;
    {
        QSqlQuery query(access.database());
        if (!RunPrepared(query, sql, values)) {
            return fail(what, query.lastError());
        }
        touched = query.numRowsAffected();
        key = query.lastInsertId().toLongLong();
    }
    if (!transaction.commit()) {
        return fail(what, transaction.lastError());
    }
    if (affected) {
        *affected = touched;
    }
    if (insertedKey) {
        *insertedKey = key;
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
        error_ = {};
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
        error_ = {};
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
        error_ = {};
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
    return readRows(section,
                    QStringLiteral("The entry could not be read from the %1 section").arg(DiarySectionWord(section)),
                    QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(kEntryColumns, tableOf(section), where), {value},
                    [&](const QSqlQuery& query) {
                        out = entryOf(query);
                        found = true;
                    });
}

// Rewrites (keyword and meaning given) or deletes (both null) the located row; finding the row and changing it
// is one statement, so nothing can slip in between.
bool DiaryStore::changeRow(DiarySection section, const QString& where, const QVariant& value, const QString* keyword,
                           const QString* meaning, bool& hit) {
    hit = false;
    const bool update = keyword && meaning;
    const QString word = DiarySectionWord(section);
    const QString what = update ? QStringLiteral("The entry could not be saved in the %1 section").arg(word)
                                : QStringLiteral("The entry could not be removed from the %1 section").arg(word);
    const QString sql = update ? QStringLiteral("UPDATE %1 SET keyword = ?, meaning = ? WHERE %2")
                               : QStringLiteral("DELETE FROM %1 WHERE %2");
    QVariantList values;
    if (update) {
        values << trimBlanks(*keyword) << trimBlanks(*meaning);
    }
    values << value;
    int affected = 0;
    const bool written = writeRows(section, what, sql.arg(tableOf(section), where), values, &affected, nullptr);
    hit = written && affected > 0;
    return written;
}

bool DiaryStore::keptCount(DiarySection section, qint64& out) {
    out = 0;
    error_ = {};
    StoreError why;
    const std::optional<qint64> counted =
        RowCounts::Count(path_, QStringLiteral("tbl%1").arg(DiarySectionWord(section)), busyTimeoutMs_, &why);
    if (!counted) {
        // The cause stays, so that a lock is offered Retry as any other read under a lock is.
        why.what = QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section));
        if (why.cause == StoreCause::None) {
            why.cause = StoreCause::Other;
        }
        return fail(std::move(why));
    }
    out = *counted;
    return true;
}

bool DiaryStore::linesFrom(DiarySection section, std::optional<qint64> bound, bool descending, qint64 skip,
                           qint64 limit, QList<DiaryEntry>& out) {
    out.clear();
    QString where;
    QVariantList values;
    if (bound) {
        where = descending ? QStringLiteral("WHERE \"Index\" < ? ") : QStringLiteral("WHERE \"Index\" > ? ");
        values << *bound;
    }
    values << limit << qMax<qint64>(0, skip);
    QList<DiaryEntry> lines;
    if (!readRows(section, QStringLiteral("The %1 section could not be read").arg(DiarySectionWord(section)),
                  QStringLiteral("SELECT \"Index\", keyword FROM %1 %2ORDER BY \"Index\" %3 LIMIT ? OFFSET ?")
                      .arg(tableOf(section), where, descending ? QStringLiteral("DESC") : QStringLiteral("ASC")),
                  values, [&lines](const QSqlQuery& query) {
                      DiaryEntry& line = lines.emplace_back();
                      line.Index = query.value(0).toLongLong();
                      line.keyword = query.value(1).toString();
                  })) {
        return false;
    }
    out = std::move(lines);
    return true;
}

bool DiaryStore::add(DiarySection section, const QString& keyword, const QString& meaning, qint64& newIndex) {
    newIndex = 0;
    return writeRows(section,
                     QStringLiteral("The entry could not be added to the %1 section").arg(DiarySectionWord(section)),
                     QStringLiteral("INSERT INTO %1 (keyword, meaning) VALUES (?, ?)").arg(tableOf(section)),
                     {trimBlanks(keyword), trimBlanks(meaning)}, nullptr, &newIndex);
}

bool DiaryStore::createDatabase(const QString& path, const QString& schemaSql, QString* error) {
    const StoreError failure = CreateDatabase(path, schemaSql);
    if (failure.failed() && error) {
        *error = failure.text();
    }
    return !failure.failed();
}
