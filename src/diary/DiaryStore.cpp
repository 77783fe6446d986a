#include "diary/DiaryStore.h"

#include "core/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <utility>

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(DiaryStore)
};

// A whole entry: the columns to select, and the entry made from the first three of them.
const QString kEntryColumns = QStringLiteral("\"Index\", keyword, meaning");
DiaryEntry entryOf(const QSqlQuery& query) {
    return {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
}

} // namespace

namespace {
// Each section's word, in the order of the sections.
constexpr std::array<const char*, 4> kSectionWords{
    QT_TRANSLATE_NOOP("DiaryStore", "Spell"), QT_TRANSLATE_NOOP("DiaryStore", "Incense"),
    QT_TRANSLATE_NOOP("DiaryStore", "Recipes"), QT_TRANSLATE_NOOP("DiaryStore", "Rituals")};

const char* sectionWord(DiarySection section) {
    const auto at = std::size_t(section);
    return at < kSectionWords.size() ? kSectionWords.at(at) : "";
}
} // namespace

QString DiarySectionWord(DiarySection section) {
    return QString::fromLatin1(sectionWord(section));
}

QString DiarySectionName(DiarySection section) {
    return Words::tr(sectionWord(section));
}

std::optional<DiarySection> DiarySectionFromIndex(int index) {
    if (index < 0 || index >= int(AllDiarySections.size())) {
        return std::nullopt;
    }
    return AllDiarySections[std::size_t(index)];
}

DiaryStore::DiaryStore(QString path)
    : path_(std::move(path)), source_(DataSource::of(path_)),
      busyTimeoutMs_(CurrentServices().busyTimeoutMs.value_or(DatabaseBusyTimeoutMs)) {}

// "tbl" followed by the section's word; unquoted, SQLite matches it without regard to letter case and PostgreSQL
// folds it to lower case, so this reaches the schema's lower-case name on both.
QString DiaryStore::tableName(DiarySection section) {
    return QStringLiteral("tbl%1").arg(DiarySectionWord(section));
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

StoreError DiaryStore::fail(StoreError error) const {
    return source_.placed(std::move(error));
}

namespace {
QString notRead(DiarySection section) {
    return Words::tr("The %1 section could not be read").arg(DiarySectionName(section));
}

StoreError noSuchEntry(DiarySection section, qint64 index) {
    return {StoreCause::NoSuchRow,
            Words::tr("No entry of the %1 section has the number %2")
                .arg(DiarySectionName(section), QString::number(index)),
            {},
            {}};
}
} // namespace

StoreResult<QSqlDatabase> DiaryStore::database(DiarySection section, const QString& what) {
    StoreResult<QSqlDatabase> db = source_.database(busyTimeoutMs_);
    if (!db) {
        StoreError error = db.error();
        error.what = what;
        return fail(std::move(error));
    }
    if (checkedGeneration_ != source_.generation()) {
        checked_.clear();
        checkedGeneration_ = source_.generation();
    }
    if (!checked_.contains(section)) {
        if (const StoreStatus keyed = keyIsAutomatic(*db, section, what); !keyed) {
            return keyed.error();
        }
        checked_.insert(section);
    }
    return db;
}

// A row gets its "Index" from the file only when the column is the table's integer key. A converted or older
// file may have a plain column instead; its entries could then be neither edited nor removed, so the section
// is refused with a reason. A table that is not there at all is left for the statement to report.
StoreStatus DiaryStore::keyIsAutomatic(const QSqlDatabase& db, DiarySection section, const QString& what) {
    return source_.requireAutomaticKey(
        db, tableName(section), QStringLiteral("Index"), what,
        Words::tr("the file %1 does not number its entries itself (the \"Index\" column of the %2 section is no "
                  "automatic key), so an entry could be neither edited nor removed; it may be an older or converted "
                  "file")
            .arg(QDir::toNativeSeparators(path_), DiarySectionName(section)));
}

StoreResult<QList<DiaryEntry>> DiaryStore::entries(DiarySection section) {
    QList<DiaryEntry> read;
    const StoreStatus done =
        readRows(section, notRead(section),
                 QStringLiteral("SELECT %1 FROM %2 ORDER BY \"Index\"").arg(kEntryColumns, tableName(section)), {},
                 [&read](const QSqlQuery& query) { read.append(entryOf(query)); });
    if (!done) {
        return done.error();
    }
    return read;
}

StoreStatus DiaryStore::entriesThatMayHold(DiarySection section, const QStringList& words,
                                           const std::function<void(const DiaryEntry&, bool surely)>& each) {
    // A text has a character beyond ASCII when it takes more bytes than characters (the file holds UTF-8).
    const SqlDialect& sql = source_.dialect();
    const QString beyondAscii =
        QStringLiteral("(length(keyword) < %1 OR length(meaning) < %2)")
            .arg(sql.byteLength(QStringLiteral("keyword")), sql.byteLength(QStringLiteral("meaning")));
    QStringList holdsEvery;
    QVariantList values;
    for (QString word : words) {
        word.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        holdsEvery << QStringLiteral("coalesce(keyword, '') || %1 || coalesce(meaning, '') %2 ? ESCAPE '\\'")
                          .arg(sql.lineBreak(), sql.likeWithoutCase());
        values << QString(QLatin1Char('%') + word + QLatin1Char('%'));
    }
    const QString where =
        holdsEvery.isEmpty()
            ? QString()
            : QStringLiteral(" WHERE %1 OR (%2)").arg(beyondAscii, holdsEvery.join(QStringLiteral(" AND ")));
    return readRows(section, notRead(section),
                    QStringLiteral("SELECT %1, %2 FROM %3%4 ORDER BY \"Index\"")
                        .arg(kEntryColumns, beyondAscii, tableName(section), where),
                    values, [&each](const QSqlQuery& query) { each(entryOf(query), !query.value(3).toBool()); });
}

StoreResult<qint64> DiaryStore::positionOfIndex(DiarySection section, qint64 index) {
    std::optional<qint64> counted;
    // The list is in ascending "Index": a line's position is the number of rows before it.
    const StoreStatus done =
        readRows(section, notRead(section),
                 QStringLiteral("SELECT (SELECT count(*) FROM %1 WHERE \"Index\" < ?) FROM %1 WHERE \"Index\" = ?")
                     .arg(tableName(section)),
                 {index, index}, [&counted](const QSqlQuery& query) { counted = query.value(0).toLongLong(); });
    if (!done) {
        return done.error();
    }
    if (!counted) {
        return noSuchEntry(section, index);
    }
    return *counted;
}

// Runs one query and hands each row to `eachRow`.
StoreStatus DiaryStore::readRows(DiarySection section, const QString& what, const QString& sql,
                                 const QVariantList& values, const std::function<void(const QSqlQuery&)>& eachRow) {
    const StoreResult<QSqlDatabase> db = database(section, what);
    if (!db) {
        return db.error();
    }
    QSqlQuery query(*db);
    query.setForwardOnly(true);
    if (!RunPrepared(query, sql, values)) {
        return fail(StoreError::fromSql(what, query.lastError()));
    }
    while (query.next()) {
        eachRow(query);
    }
    // A page that cannot be read ends the walk early with an error rather than a shorter list.
    if (query.lastError().isValid()) {
        return fail(StoreError::fromSql(what, query.lastError()));
    }
    return Done{};
}

StoreStatus DiaryStore::whyUntouched(const QSqlDatabase& db, DiarySection section, qint64 index,
                                     const std::optional<DiaryEntry>& shown,
                                     const std::optional<DiaryEntry>& written) const {
    QVariantList values;
    const QString holds = unchangedSince(written, values);
    const StoreResult<RowNow> now =
        LookAtRow(db, tableName(section), QStringLiteral("\"Index\""), index, holds, values, notRead(section));
    if (!now) {
        return now.error();
    }
    if (*now == RowNow::Holds) {
        return Done{};
    }
    if (*now == RowNow::Gone || !shown) {
        return noSuchEntry(section, index);
    }
    return StoreError{StoreCause::Changed,
                      Words::tr("The entry %1 of the %2 section was changed by someone else since it was shown")
                          .arg(QString::number(index), DiarySectionName(section)),
                      {},
                      {}};
}

QString DiaryStore::unchangedSince(const std::optional<DiaryEntry>& shown, QVariantList& values) {
    if (!shown) {
        return {};
    }
    values << shown->keyword << shown->meaning;
    return QStringLiteral(" AND keyword = ? AND meaning = ?");
}

namespace {
// The words of a change whose outcome the server did not say.
const char* const NotSaidWhetherSaved =
    QT_TRANSLATE_NOOP("DiaryStore", "The server did not say whether the entry of the %1 section was saved");
const char* const NotSaidWhetherRemoved =
    QT_TRANSLATE_NOOP("DiaryStore", "The server did not say whether the entry of the %1 section was removed");
const char* const NotSaidWhetherPutBack =
    QT_TRANSLATE_NOOP("DiaryStore", "The server did not say whether the entry of the %1 section was put back");

QString notSaidWhether(const char* done, DiarySection section) {
    return Words::tr(done).arg(DiarySectionName(section));
}

} // namespace

template <typename T>
StoreResult<T> DiaryStore::inTransaction(DiarySection section, const QString& what, const QString& unknown,
                                         const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                                         bool* repeated) {
    return source_.changeOnce<T>([&] { return database(section, what); }, what, what, unknown, change, repeated);
}

StoreResult<qint64> DiaryStore::writeRow(DiarySection section, const QString& what, const QString& sql,
                                         const QVariantList& values, DataChange::Kind kind, std::optional<qint64> key,
                                         const std::optional<DiaryEntry>& shown,
                                         const std::optional<DiaryEntry>& written) {
    const QString unknown =
        notSaidWhether(kind == DataChange::Kind::Removed ? NotSaidWhetherRemoved : NotSaidWhetherSaved, section);
    StoreResult<qint64> touched =
        inTransaction<qint64>(section, what, unknown, [&](const QSqlDatabase& db) -> StoreResult<qint64> {
            StoreResult<QSqlQuery*> prepared = source_.statement(db, sql, what);
            if (!prepared) {
                return prepared.error();
            }
            QSqlQuery& query = **prepared;
            for (const QVariant& value : values) {
                query.addBindValue(value);
            }
            const bool ran = query.exec();
            const bool returned = ran && !key && query.next();
            const qint64 row = key ? *key : returned ? query.value(0).toLongLong() : 0;
            const qint64 affected = query.numRowsAffected();
            const QSqlError why = query.lastError();
            query.finish();
            if (!ran || (!key && !returned)) {
                return StoreError::fromSql(what, why);
            }
            if (key && affected == 0) {
                if (const StoreStatus untouched = whyUntouched(db, section, *key, shown, written); !untouched) {
                    return untouched.error();
                }
            }
            return row;
        });
    if (touched) {
        source_.announce({kind, tableName(section), *touched, false});
    }
    return touched;
}

StoreResult<DiaryEntry> DiaryStore::entryWithIndex(DiarySection section, qint64 index) {
    std::optional<DiaryEntry> found;
    const StoreStatus done =
        readRows(section, Words::tr("The entry could not be read from the %1 section").arg(DiarySectionName(section)),
                 QStringLiteral("SELECT %1 FROM %2 WHERE \"Index\" = ?").arg(kEntryColumns, tableName(section)),
                 {index}, [&found](const QSqlQuery& query) { found = entryOf(query); });
    if (!done) {
        return done.error();
    }
    if (!found) {
        return noSuchEntry(section, index);
    }
    return *found;
}

StoreResult<qint64> DiaryStore::add(DiarySection section, const QString& keyword, const QString& meaning,
                                    const QUuid& key) {
    const QString what = Words::tr("The entry could not be added to the %1 section").arg(DiarySectionName(section));
    if (!source_.onServer()) {
        return writeRow(section, what,
                        QStringLiteral("INSERT INTO %1 (keyword, meaning) VALUES (?, ?) RETURNING \"Index\"")
                            .arg(tableName(section)),
                        {trimBlanks(keyword), trimBlanks(meaning)}, DataChange::Kind::Added, std::nullopt,
                        std::nullopt);
    }
    const QString keyText = key.toString(QUuid::WithoutBraces);
    const QString insert = QStringLiteral("INSERT INTO %1 (keyword, meaning, velloran_key) VALUES (?, ?, ?::uuid) ON "
                                          "CONFLICT (velloran_key) DO NOTHING RETURNING \"Index\"")
                               .arg(tableName(section));
    StoreResult<qint64> added = inTransaction<qint64>(
        section, what, notSaidWhether(NotSaidWhetherSaved, section),
        [&](const QSqlDatabase& db) -> StoreResult<qint64> {
            StoreResult<QSqlQuery*> prepared = source_.statement(db, insert, what);
            if (!prepared) {
                return prepared.error();
            }
            QSqlQuery& query = **prepared;
            for (const QVariant& value :
                 {QVariant(trimBlanks(keyword)), QVariant(trimBlanks(meaning)), QVariant(keyText)}) {
                query.addBindValue(value);
            }
            const bool ran = query.exec();
            const bool returned = ran && query.next();
            const qint64 index = returned ? query.value(0).toLongLong() : 0;
            const QSqlError why = query.lastError();
            query.finish();
            if (!ran) {
                return StoreError::fromSql(what, why);
            }
            if (returned) {
                return index;
            }
            // Its key is there already: this add was committed before its answer was lost.
            QSqlQuery saved(db);
            if (!RunPrepared(
                    saved,
                    QStringLiteral("SELECT \"Index\" FROM %1 WHERE velloran_key = ?::uuid").arg(tableName(section)),
                    {keyText}) ||
                !saved.next()) {
                return StoreError::fromSql(what, saved.lastError());
            }
            return saved.value(0).toLongLong();
        });
    if (added) {
        source_.announce({DataChange::Kind::Added, tableName(section), *added, false});
    }
    return added;
}

StoreStatus DiaryStore::update(DiarySection section, qint64 index, const QString& keyword, const QString& meaning,
                               const std::optional<DiaryEntry>& shown) {
    const DiaryEntry entry{index, trimBlanks(keyword), trimBlanks(meaning)};
    QVariantList values{entry.keyword, entry.meaning, index};
    const QString unchanged = unchangedSince(shown, values);
    const StoreResult<qint64> written =
        writeRow(section, Words::tr("The entry could not be saved in the %1 section").arg(DiarySectionName(section)),
                 QStringLiteral("UPDATE %1 SET keyword = ?, meaning = ? WHERE \"Index\" = ?%2")
                     .arg(tableName(section), unchanged),
                 values, DataChange::Kind::Changed, index, shown, entry);
    return written ? StoreStatus(Done{}) : StoreStatus(written.error());
}

StoreStatus DiaryStore::remove(DiarySection section, qint64 index, const std::optional<DiaryEntry>& shown) {
    QVariantList values{index};
    const QString unchanged = unchangedSince(shown, values);
    const StoreResult<qint64> written = writeRow(
        section, Words::tr("The entry could not be removed from the %1 section").arg(DiarySectionName(section)),
        QStringLiteral("DELETE FROM %1 WHERE \"Index\" = ?%2").arg(tableName(section), unchanged), values,
        DataChange::Kind::Removed, index, shown);
    return written ? StoreStatus(Done{}) : StoreStatus(written.error());
}

StoreResult<KeptRow> DiaryStore::removeKept(DiarySection section, qint64 index,
                                            const std::optional<DiaryEntry>& shown) {
    const QString what = Words::tr("The entry could not be removed from the %1 section").arg(DiarySectionName(section));
    bool repeated = false;
    StoreResult<KeptRow> kept = inTransaction<KeptRow>(
        section, what, notSaidWhether(NotSaidWhetherRemoved, section),
        [&](const QSqlDatabase& db) -> StoreResult<KeptRow> {
            QVariantList values;
            const QString unchanged = unchangedSince(shown, values);
            StoreResult<KeptRow> row =
                TakeRowOut(db, tableName(section), QStringLiteral("Index"), index, what, unchanged, values);
            if (!row && row.error().cause == StoreCause::NoSuchRow && shown) {
                if (const StoreStatus why = whyUntouched(db, section, index, shown); !why) {
                    return why.error();
                }
            }
            if (!row && row.error().cause == StoreCause::NoSuchRow) {
                return noSuchEntry(section, index);
            }
            return row;
        },
        &repeated);
    if (!kept && repeated && shown && kept.error().cause == StoreCause::NoSuchRow) {
        // Gone when looked at again after a lost answer: this removal took it, as shown, and can be undone so.
        kept = KeptRow{tableName(section).toLower(),
                       QStringLiteral("Index"),
                       index,
                       {QStringLiteral("keyword"), QStringLiteral("meaning")},
                       {QStringLiteral("server"), QStringLiteral("server")},
                       {shown->keyword, shown->meaning}};
    }
    if (kept) {
        source_.announce({DataChange::Kind::Removed, tableName(section), index, false});
    }
    return kept;
}

std::optional<DiarySection> DiaryStore::sectionOf(const KeptRow& row) {
    for (const DiarySection section : AllDiarySections) {
        if (row.table.compare(tableName(section), Qt::CaseInsensitive) == 0) {
            return section;
        }
    }
    return std::nullopt;
}

StoreResult<RowPutBack> DiaryStore::putBack(const KeptRow& row) {
    const std::optional<DiarySection> section = sectionOf(row);
    const QString what = Words::tr("The entry could not be put back in the %1 section")
                             .arg(section ? DiarySectionName(*section) : row.table);
    if (!section) {
        return StoreError{StoreCause::Other, what, Words::tr("no such section"), {}};
    }
    StoreResult<RowPutBack> back =
        inTransaction<RowPutBack>(*section, what, notSaidWhether(NotSaidWhetherPutBack, *section),
                                  [&](const QSqlDatabase& db) { return PutRowBack(db, row, what); });
    if (back) {
        // Under its own "Index" the entry may stand between others, where a list adding it last would be wrong: the
        // lists read the table again. Under a new one it is the last.
        source_.announce({back->underOwnKey ? DataChange::Kind::Unknown : DataChange::Kind::Added, tableName(*section),
                          back->key, false});
    }
    return back;
}

StoreResult<qint64> DiaryStore::count(DiarySection section) {
    const QString what = notRead(section);
    if (const StoreResult<QSqlDatabase> db = database(section, what); !db) {
        return db.error();
    }
    StoreResult<qint64> counted = source_.rowCount(tableName(section), busyTimeoutMs_);
    if (!counted) {
        StoreError why = counted.error();
        why.what = what;
        return fail(std::move(why));
    }
    return counted;
}

StoreResult<QList<DiaryEntry>> DiaryStore::linesFrom(DiarySection section, std::optional<qint64> bound, bool descending,
                                                     qint64 skip, qint64 limit) {
    QString where;
    QVariantList values;
    if (bound) {
        where = descending ? QStringLiteral("WHERE \"Index\" < ? ") : QStringLiteral("WHERE \"Index\" > ? ");
        values << *bound;
    }
    const QString page = source_.dialect().limitOffset(limit, skip, values);
    QList<DiaryEntry> lines;
    const StoreStatus done =
        readRows(section, notRead(section),
                 QStringLiteral("SELECT \"Index\", keyword FROM %1 %2ORDER BY \"Index\" %3%4")
                     .arg(tableName(section), where, descending ? QStringLiteral("DESC") : QStringLiteral("ASC"), page),
                 values, [&lines](const QSqlQuery& query) {
                     DiaryEntry& line = lines.emplace_back();
                     line.Index = query.value(0).toLongLong();
                     line.keyword = query.value(1).toString();
                 });
    if (!done) {
        return done.error();
    }
    return lines;
}

bool DiaryStore::createDatabase(const QString& path, const QString& schemaSql, QString* error) {
    const StoreError failure = CreateDatabase(path, schemaSql);
    if (failure.failed() && error) {
        *error = failure.text();
    }
    return !failure.failed();
}
