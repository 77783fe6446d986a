#include "dowsing/DowsingStore.h"

#include "dowsing/DowsingSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <utility>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(DowsingStore)
};

// The driver binds a null QString as SQL NULL, which the text columns refuse;
// an empty text box is an empty text.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(s);
}

QVariant isoDate(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

// yyyy-MM-dd by hand: listing 32,767 rows spends most of its time here otherwise.
QDate parseIsoDate(const QString& s) {
    if (s.size() != 10 || s[4] != QLatin1Char('-') || s[7] != QLatin1Char('-')) {
        return {};
    }
    auto number = [&s](int from, int length) {
        int n = 0;
        for (int i = from; i < from + length; ++i) {
            const int digit = s[i].unicode() - '0';
            if (digit < 0 || digit > 9) {
                return -1;
            }
            n = n * 10 + digit;
        }
        return n;
    };
    const int y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (y < 0 || m < 0 || d < 0) {
        return {};
    }
    return QDate(y, m, d);
}

// "Date, Name, ..." or "Date = ?, Name = ?, ...": one entry per column but IdNumber, which SQLite hands out.
QString columnsBut(const QString& pattern) {
    QStringList parts;
    for (std::size_t i = 0; i + 1 < DowsingColumns.size(); ++i) {
        parts << pattern.arg(QLatin1String(DowsingColumns[i]));
    }
    return parts.join(QStringLiteral(", "));
}

StoreError noSuchRecord(qint64 idNumber) {
    return {StoreCause::NoSuchRow, Words::tr("No record has the number %1").arg(idNumber), {}, {}};
}

QString notRead() {
    return Words::tr("The records could not be read");
}

} // namespace

QString DowsingSql::columnList() {
    QStringList names;
    for (const char* column : DowsingColumns) {
        names << QLatin1String(column);
    }
    return names.join(QStringLiteral(", "));
}

QString DowsingSql::insertStatement() {
    return QStringLiteral("INSERT INTO Details (%1) VALUES (%2)")
        .arg(columnsBut(QStringLiteral("%1")),
             QStringList(qsizetype(DowsingColumns.size()) - 1, QStringLiteral("?")).join(QStringLiteral(", ")));
}

QVariantList DowsingSql::values(const DowsingRecord& r) {
    QVariantList values{isoDate(r.Date)};
    for (QString DowsingRecord::*member : DowsingTextMembers) {
        values << text(r.*member);
    }
    return values;
}

void DowsingSql::bind(QSqlQuery& q, const DowsingRecord& r) {
    for (const QVariant& value : values(r)) {
        q.addBindValue(value);
    }
}

void DowsingSql::read(const QSqlQuery& q, DowsingRecord& r) {
    r.Date = parseIsoDate(q.value(0).toString());
    for (std::size_t i = 0; i < DowsingTextMembers.size(); ++i) {
        r.*DowsingTextMembers[i] = q.value(int(i) + 1).toString();
    }
    r.IdNumber = q.value(int(DowsingColumns.size()) - 1).toLongLong();
}

QString DowsingStore::filePathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

DowsingStore::DowsingStore(QString filePath) : filePath_(std::move(filePath)), source_(DataSource::of(filePath_)) {}

StoreError DowsingStore::fail(StoreError error) const {
    return source_.placed(std::move(error));
}

StoreError DowsingStore::fail(const QString& what, const QSqlError& error) const {
    return fail(StoreError::fromSql(what, error));
}

StoreResult<QSqlDatabase> DowsingStore::database() {
    const QString what = Words::tr("The dowsing records could not be opened");
    StoreResult<QSqlDatabase> db = source_.database(busyTimeout_);
    if (!db) {
        StoreError error = db.error();
        error.what = what;
        return fail(std::move(error));
    }
    if (checkedGeneration_ == source_.generation()) {
        return db;
    }
    // A file that is not a database, or lacks the table, fails only at the first statement; find that out now
    // rather than at a save.
    QSqlQuery probe(*db);
    if (!probe.exec(QStringLiteral("SELECT %1 FROM Details LIMIT 0").arg(DowsingSql::columnList()))) {
        StoreError error = StoreError::fromSql(what, probe.lastError());
        if (error.cause == StoreCause::Other) {
            error.cause = StoreCause::Damaged;
        }
        return fail(std::move(error));
    }
    probe.finish();
    if (const StoreStatus keyed = checkKeyColumn(*db); !keyed) {
        return keyed.error();
    }
    // The file keeps the tables it always had: the words index an earlier version added to it goes, at each opening
    // of the file until it has gone (another program may hold it).
    if (!source_.onServer()) {
        DowsingSearch::RemoveIndexFromRecordsFile(*db, filePath_);
    }
    checkedGeneration_ = source_.generation();
    return db;
}

StoreStatus DowsingStore::open() {
    const StoreResult<QSqlDatabase> db = database();
    return db ? StoreStatus(Done{}) : StoreStatus(db.error());
}

// Rows get their IdNumber from the file only when the column is the table's integer key (an alias of SQLite's
// row number). A converted or older file may have a plain column instead: every added record would then
// carry no number and could be neither changed nor removed, so such a file is refused.
StoreStatus DowsingStore::checkKeyColumn(const QSqlDatabase& db) {
    return source_.requireAutomaticKey(
        db, QString::fromLatin1(Table), QStringLiteral("IdNumber"),
        Words::tr("The dowsing records could not be opened"),
        Words::tr("the file %1 does not number its records itself (its IdNumber column is no automatic key), so a "
                  "record added to it could be neither changed nor removed; it may be an older or converted file")
            .arg(QDir::toNativeSeparators(filePath_)));
}

namespace {
QString notSaidWhetherSaved() {
    return Words::tr("The server did not say whether the record was saved");
}

QString notSaidWhetherRemoved() {
    return Words::tr("The server did not say whether the record was removed");
}

} // namespace

template <typename T>
StoreResult<T> DowsingStore::inTransaction(const QString& what, const QString& unknown,
                                           const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                                           bool* repeated) {
    return source_.changeOnce<T>([&] { return database(); }, Words::tr("The records could not be written"), what,
                                 unknown, change, repeated);
}

StoreResult<qint64> DowsingStore::add(const DowsingRecord& record, const QUuid& key) {
    const QString what = Words::tr("The record could not be saved");
    const bool keyed = source_.onServer();
    const QString insert =
        keyed
            ? QStringLiteral("INSERT INTO Details (%1, velloran_key) VALUES (%2, ?::uuid) ON CONFLICT (velloran_key) "
                             "DO NOTHING RETURNING IdNumber")
                  .arg(
                      columnsBut(QStringLiteral("%1")),
                      QStringList(qsizetype(DowsingColumns.size()) - 1, QStringLiteral("?")).join(QStringLiteral(", ")))
            : DowsingSql::insertStatement() + QStringLiteral(" RETURNING IdNumber");
    const QString keyText = key.toString(QUuid::WithoutBraces);
    StoreResult<qint64> id =
        inTransaction<qint64>(what, notSaidWhetherSaved(), [&](const QSqlDatabase& db) -> StoreResult<qint64> {
            StoreResult<QSqlQuery*> prepared = source_.statement(db, insert, what);
            if (!prepared) {
                return prepared.error();
            }
            QSqlQuery& q = **prepared;
            DowsingSql::bind(q, record);
            if (keyed) {
                q.addBindValue(keyText);
            }
            const auto finished = qScopeGuard([&q] { q.finish(); });
            if (!q.exec()) {
                return StoreError::fromSql(what, q.lastError());
            }
            if (q.next()) {
                return q.value(0).toLongLong();
            }
            if (!keyed) {
                return StoreError::fromSql(what, q.lastError());
            }
            // Its key is there already: this add was committed before its answer was lost.
            QSqlQuery saved(db);
            if (!RunPrepared(saved, QStringLiteral("SELECT IdNumber FROM Details WHERE velloran_key = ?::uuid"),
                             {keyText}) ||
                !saved.next()) {
                return StoreError::fromSql(what, saved.lastError());
            }
            return saved.value(0).toLongLong();
        });
    if (id) {
        source_.announce({DataChange::Kind::Added, QString::fromLatin1(Table), *id, false});
    }
    return id;
}

QString DowsingStore::unchangedSince(const std::optional<DowsingRecord>& shown) const {
    if (!shown) {
        return {};
    }
    QStringList same;
    for (std::size_t i = 0; i + 1 < DowsingColumns.size(); ++i) {
        same << source_.dialect().sameValue(QLatin1String(DowsingColumns[i]), QStringLiteral("?"));
    }
    return QStringLiteral(" AND ") + same.join(QStringLiteral(" AND "));
}

// Gone, or changed by someone else since it was shown: never written over without a word. A row that already holds
// what was to be written took this very change before its answer was lost: done.
StoreStatus DowsingStore::whyUntouched(const QSqlDatabase& db, qint64 idNumber,
                                       const std::optional<DowsingRecord>& shown,
                                       const std::optional<DowsingRecord>& written) const {
    const StoreResult<RowNow> now =
        LookAtRow(db, QString::fromLatin1(Table), QStringLiteral("IdNumber"), idNumber, unchangedSince(written),
                  written ? DowsingSql::values(*written) : QVariantList{}, Words::tr("The record could not be saved"));
    if (!now) {
        return now.error();
    }
    if (*now == RowNow::Holds) {
        return Done{};
    }
    if (*now == RowNow::Gone || !shown) {
        return noSuchRecord(idNumber);
    }
    return StoreError{StoreCause::Changed,
                      Words::tr("The record %1 was changed by someone else since it was shown").arg(idNumber),
                      {},
                      {}};
}

StoreStatus DowsingStore::change(const DowsingRecord& record, const std::optional<DowsingRecord>& shown) {
    return writeOneRow(QStringLiteral("UPDATE Details SET %1 WHERE IdNumber = ?%2")
                           .arg(columnsBut(QStringLiteral("%1 = ?")), unchangedSince(shown)),
                       record.IdNumber, record, shown, Words::tr("The record could not be saved"),
                       DataChange::Kind::Changed);
}

StoreStatus DowsingStore::remove(qint64 idNumber, const std::optional<DowsingRecord>& shown) {
    return writeOneRow(QStringLiteral("DELETE FROM Details WHERE IdNumber = ?%1").arg(unchangedSince(shown)), idNumber,
                       std::nullopt, shown, Words::tr("The record could not be removed"), DataChange::Kind::Removed);
}

StoreStatus DowsingStore::writeOneRow(const QString& statement, qint64 idNumber,
                                      const std::optional<DowsingRecord>& written,
                                      const std::optional<DowsingRecord>& shown, const QString& what,
                                      DataChange::Kind kind) {
    const QString unknown = kind == DataChange::Kind::Removed ? notSaidWhetherRemoved() : notSaidWhetherSaved();
    StoreStatus done = inTransaction<Done>(what, unknown, [&](const QSqlDatabase& db) -> StoreStatus {
        StoreResult<QSqlQuery*> prepared = source_.statement(db, statement, what);
        if (!prepared) {
            return prepared.error();
        }
        QSqlQuery& q = **prepared;
        if (written) {
            DowsingSql::bind(q, *written);
        }
        q.addBindValue(idNumber);
        if (shown) {
            DowsingSql::bind(q, *shown);
        }
        const bool ran = q.exec();
        const QSqlError why = q.lastError();
        const int affected = q.numRowsAffected();
        q.finish();
        if (!ran) {
            return StoreError::fromSql(what, why);
        }
        if (affected == 0) {
            return whyUntouched(db, idNumber, shown, written);
        }
        return Done{};
    });
    if (done) {
        source_.announce({kind, QString::fromLatin1(Table), idNumber, false});
    }
    return done;
}

StoreResult<KeptRow> DowsingStore::removeKept(qint64 idNumber, const std::optional<DowsingRecord>& shown) {
    const QString what = Words::tr("The record could not be removed");
    bool repeated = false;
    StoreResult<KeptRow> kept = inTransaction<KeptRow>(
        what, notSaidWhetherRemoved(),
        [&](const QSqlDatabase& db) -> StoreResult<KeptRow> {
            StoreResult<KeptRow> row =
                TakeRowOut(db, QString::fromLatin1(Table), QStringLiteral("IdNumber"), idNumber, what,
                           unchangedSince(shown), shown ? DowsingSql::values(*shown) : QVariantList{});
            if (!row && row.error().cause == StoreCause::NoSuchRow && shown) {
                if (const StoreStatus why = whyUntouched(db, idNumber, shown); !why) {
                    return why.error();
                }
            }
            if (!row && row.error().cause == StoreCause::NoSuchRow) {
                return noSuchRecord(idNumber);
            }
            return row;
        },
        &repeated);
    if (!kept && repeated && shown && kept.error().cause == StoreCause::NoSuchRow) {
        // Gone when looked at again after a lost answer: this removal took it, as shown, and can be undone so.
        KeptRow row{QString::fromLatin1(Table).toLower(), QStringLiteral("idnumber"), idNumber, {}, {}, {}};
        const QVariantList values = DowsingSql::values(*shown);
        for (std::size_t i = 0; i + 1 < DowsingColumns.size(); ++i) {
            row.columns << QString::fromLatin1(DowsingColumns[i]).toLower();
            row.types << QStringLiteral("server");
            row.values << values.at(qsizetype(i));
        }
        kept = row;
    }
    if (kept) {
        source_.announce({DataChange::Kind::Removed, QString::fromLatin1(Table), idNumber, false});
    }
    return kept;
}

StoreResult<RowPutBack> DowsingStore::putBack(const KeptRow& row) {
    const QString what = Words::tr("The record could not be put back");
    if (row.table.compare(QString::fromLatin1(Table), Qt::CaseInsensitive) != 0) {
        return StoreError{StoreCause::Other, what, Words::tr("it is no record"), {}};
    }
    StoreResult<RowPutBack> back =
        inTransaction<RowPutBack>(what, Words::tr("The server did not say whether the record was put back"),
                                  [&](const QSqlDatabase& db) { return PutRowBack(db, row, what); });
    if (back) {
        source_.announce({DataChange::Kind::Added, QString::fromLatin1(Table), back->key, false});
    }
    return back;
}

StoreResult<DowsingRecord> DowsingStore::find(qint64 idNumber) {
    StoreResult<QSqlDatabase> db = database();
    if (!db) {
        return db.error();
    }
    QSqlQuery q(*db);
    q.setForwardOnly(true);
    if (!RunPrepared(q, QStringLiteral("SELECT %1 FROM Details WHERE IdNumber = ?").arg(DowsingSql::columnList()),
                     {idNumber})) {
        return fail(notRead(), q.lastError());
    }
    if (!q.next()) {
        if (q.lastError().isValid()) {
            return fail(notRead(), q.lastError());
        }
        return noSuchRecord(idNumber);
    }
    DowsingRecord found;
    DowsingSql::read(q, found);
    return found;
}

StoreResult<QList<DowsingRecord>> DowsingStore::list() {
    return select(std::nullopt, false, 0, -1);
}

StoreResult<QList<DowsingRecord>> DowsingStore::list(qint64 offset, qint64 limit) {
    return select(std::nullopt, false, offset, limit);
}

StoreResult<QList<DowsingRecord>> DowsingStore::select(std::optional<qint64> bound, bool descending, qint64 offset,
                                                       qint64 limit) {
    StoreResult<QSqlDatabase> db = database();
    if (!db) {
        return db.error();
    }
    QSqlQuery q(*db);
    q.setForwardOnly(true);
    QString where;
    QVariantList values;
    if (bound) {
        where = descending ? QStringLiteral("WHERE IdNumber < ? ") : QStringLiteral("WHERE IdNumber > ? ");
        values << *bound;
    }
    const QString page = source_.dialect().limitOffset(limit, offset, values);
    if (!RunPrepared(q,
                     QStringLiteral("SELECT %1 FROM Details %2ORDER BY IdNumber %3%4")
                         .arg(DowsingSql::columnList(), where,
                              descending ? QStringLiteral("DESC") : QStringLiteral("ASC"), page),
                     values)) {
        return fail(notRead(), q.lastError());
    }
    QList<DowsingRecord> rows;
    while (q.next()) {
        DowsingSql::read(q, rows.emplace_back());
    }
    if (q.lastError().isValid()) {
        return fail(notRead(), q.lastError());
    }
    return rows;
}

StoreResult<qint64> DowsingStore::count() {
    if (const StoreResult<QSqlDatabase> db = database(); !db) {
        return db.error();
    }
    StoreResult<qint64> counted = source_.rowCount(QString::fromLatin1(Table), busyTimeout_);
    if (!counted) {
        StoreError error = counted.error();
        error.what = notRead();
        return fail(std::move(error));
    }
    return counted;
}

StoreResult<QList<DowsingRecord>> DowsingStore::listFrom(std::optional<qint64> bound, bool descending, qint64 skip,
                                                         qint64 limit) {
    return select(bound, descending, skip, limit);
}
