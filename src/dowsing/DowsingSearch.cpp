#include "dowsing/DowsingSearch.h"

#include "core/Language.h"
#include "data/DataBackup.h"
#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"
#include "ui/Look.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <algorithm>
#include <limits>
#include <sys/stat.h>

namespace DowsingSearch {

namespace {

// The text columns, every column but Date and IdNumber, in table order.
QStringList textColumns() {
    QStringList columns;
    for (std::size_t i = 1; i + 1 < DowsingColumns.size(); ++i) {
        columns << QString::fromLatin1(DowsingColumns[i]);
    }
    return columns;
}

// The date as the file keeps it and as the grid shows it (3/7/2006), so that either form is found.
QString dateForms(const QString& row) {
    return QStringLiteral("coalesce(%1Date, '') || ' ' || coalesce(ltrim(strftime('%m', %1Date), '0') || '/' || "
                          "ltrim(strftime('%d', %1Date), '0') || '/' || strftime('%Y', %1Date), '')")
        .arg(row);
}

// Everything a search looks at in one row, one field to a line. The triggers must give a removed row's
// text exactly as it was added, so all three use this one expression.
QString searchText(const QString& row) {
    QString text = dateForms(row);
    for (const QString& column : textColumns()) {
        text += QStringLiteral(" || char(10) || coalesce(%1%2, '')").arg(row, column);
    }
    return text;
}

// The index's own file: the words of every record (FTS5, contentless: the words only) and, in Records, a copy of each
// record as its words were taken, which the index compares with Details column by column to find the records
// changed since (four times quicker than comparing their text), and from which it takes a record's words out again.
// State keeps the records file's stamp when the index last caught up with it.
QStringList indexStatements() {
    QStringList columns;
    for (std::size_t i = 0; i + 1 < DowsingColumns.size(); ++i) {
        columns << QString::fromLatin1(DowsingColumns[i]);
    }
    const QString add = QStringLiteral("INSERT INTO DetailsSearch(rowid, body) VALUES (new.IdNumber, %1);")
                            .arg(searchText(QStringLiteral("new.")));
    const QString drop =
        QStringLiteral("INSERT INTO DetailsSearch(DetailsSearch, rowid, body) VALUES ('delete', old.IdNumber, %1);")
            .arg(searchText(QStringLiteral("old.")));
    return {
        QStringLiteral("CREATE TABLE words.Records (%1, IdNumber INTEGER PRIMARY KEY)")
            .arg(columns.join(QStringLiteral(", "))),
        // The first one or two letters typed match the most words; kept as prefixes of their own they are found as
        // quickly as a whole word (at a million records "j" took 34 ms without, 0.2 ms with).
        QStringLiteral("CREATE VIRTUAL TABLE words.DetailsSearch USING fts5(body, content='', "
                       "tokenize='unicode61 remove_diacritics 2', prefix='1 2')"),
        QStringLiteral("CREATE TRIGGER words.Records_insert AFTER INSERT ON Records BEGIN %1 END").arg(add),
        QStringLiteral("CREATE TRIGGER words.Records_delete AFTER DELETE ON Records BEGIN %1 END").arg(drop),
        QStringLiteral("CREATE TABLE words.State (key TEXT PRIMARY KEY, value TEXT)"),
    };
}
const QString kIndexObjects =
    QStringLiteral("('Records', 'DetailsSearch', 'Records_insert', 'Records_delete', 'State')");

constexpr int kChunk = 8192;

// A record of Details as it is in Records, every column alike.
QString unchangedSince() {
    QStringList same;
    for (std::size_t i = 0; i + 1 < DowsingColumns.size(); ++i) {
        same << QStringLiteral("d.%1 IS Records.%1").arg(QString::fromLatin1(DowsingColumns[i]));
    }
    return same.join(QStringLiteral(" AND "));
}

// The engine's words, as every store gives them; never empty, so that a failure is never taken for success.
QString reason(const QSqlError& e) {
    return StoreError::fromSql({}, e).why;
}

// Changes as soon as anyone commits a change to the records file or puts another file in its place: SQLite's change
// counter of the file, and its size, time and identity on the disk.
QString stampOf(const QSqlDatabase& db, const QString& path) {
    struct stat info {};
    const std::optional<quint32> counter = ChangeCounter(db);
    if (!counter || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return QStringLiteral("%1 %2 %3.%4 %5:%6")
        .arg(QString::number(*counter), QString::number(info.st_size), QString::number(info.st_mtim.tv_sec),
             QString::number(info.st_mtim.tv_nsec), QString::number(info.st_dev), QString::number(info.st_ino));
}

StoreError run(QSqlQuery& q, const QString& statement) {
    return q.exec(statement) ? StoreError() : StoreError::fromSql({}, q.lastError());
}

// Attaches the index file to the connection as "words", made and kept private if need be, with its tables.
StoreError attachIndex(const QSqlDatabase& db, const QString& recordsPath) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT 1 FROM pragma_database_list WHERE name = 'words'"))) {
        return StoreError::fromSql({}, q.lastError());
    }
    if (!q.next()) {
        const QString path = IndexFileFor(recordsPath);
        if (!QDir().mkpath(QFileInfo(path).path()) ||
            !QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            return {StoreCause::Other,
                    {},
                    QCoreApplication::translate("DowsingSearch", "the folder %1 cannot be made")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).path())),
                    {}};
        }
        // The words of the clients' records are theirs as much as the records are.
        QFile made(path);
        if (!QFileInfo::exists(path) &&
            (!made.open(QIODevice::WriteOnly) || !made.setPermissions(QFile::ReadOwner | QFile::WriteOwner))) {
            return {StoreCause::Other, {}, made.errorString(), {}};
        }
        made.close();
        q.finish();
        if (!RunPrepared(q, QStringLiteral("ATTACH DATABASE ? AS words"), {path})) {
            return StoreError::fromSql({}, q.lastError());
        }
    }
    q.finish();
    if (!q.exec(QStringLiteral("SELECT count(*) FROM words.sqlite_master WHERE name IN %1").arg(kIndexObjects)) ||
        !q.next()) {
        return StoreError::fromSql({}, q.lastError());
    }
    if (q.value(0).toInt() == 5) {
        return {};
    }
    q.finish();
    // Anything else there (half made, or by another version) is made again from nothing.
    QStringList statements{QStringLiteral("DROP TABLE IF EXISTS words.DetailsSearch"),
                           QStringLiteral("DROP TABLE IF EXISTS words.Records"),
                           QStringLiteral("DROP TABLE IF EXISTS words.State")};
    statements += indexStatements();
    for (const QString& statement : statements) {
        if (StoreError why = run(q, statement); why.failed()) {
            return why;
        }
    }
    return {};
}

// Catches the index up with Details: the words of records changed or removed since go, those of records changed or
// added come in. When the only commits since were this program's changes of `changedHere`, one each, just those
// records are looked at; otherwise all of them, a chunk at a time under `progress`. As one transaction, or, with
// `committedChunk`, one transaction for each chunk of that many records, so that the records file is never held
// long: the stamp stored at the end is the one taken before the first chunk, so a change made meanwhile makes the
// next catch-up look at every record again.
StoreError catchUp(QSqlDatabase db, const QString& recordsPath, const IndexProgress& progress,
                   const QList<qint64>& changedHere, int committedChunk) {
    const int chunk = committedChunk > 0 ? committedChunk : kChunk;
    if (!db.transaction()) {
        return StoreError::fromSql({}, db.lastError());
    }
    QSqlQuery q(db);
    QSqlQuery bound(db);
    QSqlQuery drop(db);
    QSqlQuery fill(db);
    // Read first: the records file's read lock, held to the end, keeps it as the stamp finds it.
    StoreError why = run(q, QStringLiteral("SELECT count(*) FROM main.sqlite_master"));
    const QString stamp = stampOf(db, recordsPath);
    if (!why.failed() && !RunPrepared(q, QStringLiteral("SELECT value FROM words.State WHERE key = 'stamp'"), {})) {
        why = StoreError::fromSql({}, q.lastError());
    }
    const QStringList was = q.next() ? q.value(0).toString().split(QLatin1Char(' ')) : QStringList();
    const QStringList now = stamp.split(QLatin1Char(' '));
    q.finish();
    const bool current = !stamp.isEmpty() && was == now;
    const bool onlyOurs = !changedHere.isEmpty() && was.size() == 4 && now.size() == 4 && was[3] == now[3] &&
                          was[0].toLongLong() + changedHere.size() == now[0].toLongLong();
    qint64 total = 0;
    if (!why.failed() && !current && !onlyOurs) {
        why = run(q, QStringLiteral("SELECT count(*) FROM main.Details"));
        total = q.next() ? q.value(0).toLongLong() : 0;
        q.finish();
    }
    // Records after `after` up to `upTo`, compared column by column.
    if (!why.failed() && !current &&
        (!bound.prepare(QStringLiteral("SELECT IdNumber FROM main.Details WHERE IdNumber > ? ORDER BY IdNumber "
                                       "LIMIT 1 OFFSET %1")
                            .arg(chunk - 1)) ||
         !drop.prepare(QStringLiteral("DELETE FROM words.Records WHERE IdNumber > ? AND IdNumber <= ? AND NOT EXISTS "
                                      "(SELECT 1 FROM main.Details AS d WHERE d.IdNumber = Records.IdNumber AND %1)")
                           .arg(unchangedSince())) ||
         !fill.prepare(QStringLiteral("INSERT INTO words.Records (%1) SELECT %1 FROM main.Details AS d WHERE "
                                      "d.IdNumber > ? AND d.IdNumber <= ? AND NOT EXISTS (SELECT 1 FROM words.Records "
                                      "AS r WHERE r.IdNumber = d.IdNumber)")
                           .arg(DowsingSql::columnList())))) {
        why = StoreError::fromSql({}, (bound.lastError().isValid()  ? bound
                                       : drop.lastError().isValid() ? drop
                                                                    : fill)
                                          .lastError());
    }
    const auto compare = [&](qint64 after, qint64 upTo) {
        for (QSqlQuery* step : {&drop, &fill}) {
            step->addBindValue(after);
            step->addBindValue(upTo);
            if (!why.failed() && !step->exec()) {
                why = StoreError::fromSql({}, step->lastError());
            }
        }
    };
    for (int i = 0; onlyOurs && !why.failed() && !current && i < changedHere.size(); ++i) {
        compare(changedHere[i] - 1, changedHere[i]);
    }
    // Otherwise a chunk at a time by key, the last chunk taking the words of records removed beyond the last one.
    qint64 done = 0;
    for (qint64 after = std::numeric_limits<qint64>::min(); !onlyOurs && !why.failed() && !current;) {
        if (progress && !progress(done, total)) {
            why = {StoreCause::Other, {}, IndexStopped(), {}};
            break;
        }
        bound.addBindValue(after);
        if (!bound.exec()) {
            why = StoreError::fromSql({}, bound.lastError());
            break;
        }
        const bool last = !bound.next();
        const qint64 upTo = last ? std::numeric_limits<qint64>::max() : bound.value(0).toLongLong();
        bound.finish();
        compare(after, upTo);
        done = std::min(total, done + chunk);
        after = upTo;
        if (last) {
            break;
        }
        if (committedChunk > 0 && !why.failed() && (!db.commit() || !db.transaction())) {
            why = StoreError::fromSql({}, db.lastError());
        }
    }
    if (!why.failed() && !current &&
        !RunPrepared(q, QStringLiteral("INSERT OR REPLACE INTO words.State (key, value) VALUES ('stamp', ?)"),
                     {stamp})) {
        why = StoreError::fromSql({}, q.lastError());
    }
    q.finish();
    if (!why.failed() && db.commit()) {
        return {};
    }
    if (!why.failed()) {
        why = StoreError::fromSql({}, db.lastError());
    }
    db.rollback();
    return why;
}

} // namespace

QString IndexFileFor(const QString& recordsPath) {
    const QFileInfo records(recordsPath);
    const QString key =
        records.canonicalFilePath().isEmpty() ? records.absoluteFilePath() : records.canonicalFilePath();
    const QByteArray name = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("words/%1.sqlite").arg(QString::fromLatin1(name)));
}

QString EnsureIndex(const QSqlDatabase& db, const IndexProgress& progress, const QList<qint64>& changedHere,
                    int committedChunk) {
    QSqlQuery main(db);
    if (!main.exec(QStringLiteral("SELECT file FROM pragma_database_list WHERE name = 'main'")) || !main.next()) {
        return reason(main.lastError());
    }
    const QString recordsPath = main.value(0).toString();
    main.finish();
    StoreError why = attachIndex(db, recordsPath);
    if (!why.failed()) {
        why = catchUp(db, recordsPath, progress, changedHere, committedChunk);
    }
    if (why.cause != StoreCause::Damaged) {
        return why.why;
    }
    // An index that cannot be read is never trusted: it is thrown away and made again from the records, once.
    main.exec(QStringLiteral("DETACH DATABASE words"));
    QFile::remove(IndexFileFor(recordsPath));
    QFile::remove(IndexFileFor(recordsPath) + QStringLiteral("-journal"));
    why = attachIndex(db, recordsPath);
    return why.failed() ? why.why : catchUp(db, recordsPath, progress, {}, committedChunk).why;
}

bool RemoveIndexFromRecordsFile(const QSqlDatabase& db, const QString& recordsPath) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM main.sqlite_master WHERE name IN ('DetailsSearch', "
                               "'DetailsSearch_insert', 'DetailsSearch_delete', 'DetailsSearch_update')")) ||
        !q.next() || q.value(0).toInt() == 0) {
        return false;
    }
    q.finish();
    const QDateTime before = QFileInfo(recordsPath).lastModified();
    {
        DatabaseTransaction transaction(db);
        for (const char* statement :
             {"DROP TRIGGER IF EXISTS main.DetailsSearch_insert", "DROP TRIGGER IF EXISTS main.DetailsSearch_delete",
              "DROP TRIGGER IF EXISTS main.DetailsSearch_update", "DROP TABLE IF EXISTS main.DetailsSearch"}) {
            if (!q.exec(QLatin1String(statement))) {
                return false;
            }
        }
        if (!transaction.commit()) {
            return false;
        }
    }
    // The index took two fifths of the file; without this the file keeps that room empty.
    q.exec(QStringLiteral("VACUUM main"));
    DataBackup::ChangedWithoutNewData(recordsPath, before);
    return true;
}

Terms ParseTerms(const QString& typed) {
    Terms terms;
    QStringList phrases;
    // A control character pasted with a word (a NUL, say) is nothing a record's text can hold, and the index
    // refuses a query that has one.
    QString text = typed;
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control && !c.isSpace(); });
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words;
    for (QString word : text.split(blanks, Qt::SkipEmptyParts)) {
        // A date written as the user writes dates (7.3.2006 in Germany) is found in the form the file keeps.
        if (const QDate date = Language::NumericDateFrom(word); date.isValid()) {
            word = date.toString(Qt::ISODate);
        }
        const bool indexed = std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); });
        if (indexed) {
            words << word;
            phrases << QLatin1Char('"') + word.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                           QStringLiteral("\"*");
        } else {
            word.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
                .replace(QLatin1Char('%'), QStringLiteral("\\%"))
                .replace(QLatin1Char('_'), QStringLiteral("\\_"));
            terms.likeTexts << QLatin1Char('%') + word + QLatin1Char('%');
        }
    }
    terms.match = phrases.join(QLatin1Char(' '));
    terms.words = words.join(QLatin1Char(' '));
    return terms;
}

QString IndexStopped() {
    return QCoreApplication::translate("DowsingSearch", "Making the search index was stopped.");
}

QString SearchTextOfRow(const QString& row, const SqlDialect& sql) {
    if (!sql.onServer()) {
        return searchText(row);
    }
    // The same text from the server: the date in both forms, then every text column, one to a line.
    QString text = QStringLiteral("coalesce(%1Date, '') || ' ' || coalesce(ltrim(substr(%1Date, 6, 2), '0') || '/' || "
                                  "ltrim(substr(%1Date, 9, 2), '0') || '/' || substr(%1Date, 1, 4), '')")
                       .arg(row);
    for (const QString& column : textColumns()) {
        text += QStringLiteral(" || %1 || coalesce(%2%3, '')").arg(sql.lineBreak(), row, column);
    }
    return text;
}

} // namespace DowsingSearch

IndexMaker::IndexMaker(QString recordsPath, QObject* parent) : QObject(parent), recordsPath_(std::move(recordsPath)) {}

IndexMaker::~IndexMaker() {
    stopping_ = true;
    if (thread_) {
        thread_->wait();
    }
}

void IndexMaker::start() {
    if (thread_) {
        return;
    }
    thread_ = QThread::create([this] {
        QString why;
        {
            // The index is written, the records file only read; but a connection opened read-only attaches the index
            // read-only too. Off the window's thread it can wait for a change being saved meanwhile, however slow
            // the disk.
            const DatabaseConnection connection(recordsPath_, DatabaseConnection::Access::Write, MakerPatienceMs);
            why = connection.isOpen() ? DowsingSearch::EnsureIndex(
                                            connection.database(),
                                            [this](qint64 done, qint64 total) {
                                                emit progressed(done, total);
                                                return !stopping_;
                                            },
                                            {}, ChunkRecords)
                                      : connection.error().text();
        }
        emit finished(why);
    });
    thread_->setParent(this);
    thread_->start(QThread::LowPriority);
}

bool IndexMaker::isRunning() const {
    return thread_ && thread_->isRunning();
}

namespace {

QString sortKey(int column, const SqlDialect& sql) {
    if (column == 0) {
        return QStringLiteral("coalesce(d.Date, '')");
    }
    if (column >= 1 && column <= 12) {
        return sql.withoutCase(QStringLiteral("d.") + QString::fromLatin1(DowsingColumns[std::size_t(column)]));
    }
    return QStringLiteral("d.IdNumber");
}

QVariant keyOf(const DowsingRecord& r, int column) {
    if (column == 0) {
        return r.Date.isValid() ? r.Date.toString(Qt::ISODate) : QStringLiteral("");
    }
    if (column >= 1 && column <= 12) {
        return DowsingColumnText(r, column);
    }
    return r.IdNumber;
}

} // namespace

DowsingFindModel::DowsingFindModel(const QSqlDatabase& db, DataSource* source, QObject* parent)
    : QAbstractTableModel(parent), db_(db), source_(source), sql_(SqlDialect::of(db)) {}

bool DowsingFindModel::setSearch(const QString& text) {
    beginResetModel();
    stalled_ = false;
    text_ = text;
    terms_ = DowsingSearch::ParseTerms(text);
    rows_.clear();
    more_ = false;
    counted_.reset();
    const bool ok = readPage(rows_);
    endResetModel();
    return ok;
}

void DowsingFindModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column > 13) {
        return;
    }
    sortColumn_ = column;
    order_ = order;
    // Every match is sorted before the first page comes: at a million records that can take a tenth of a second.
    const Look::WaitCursor sorting;
    setSearch(text_);
}

DowsingFindModel::Matching DowsingFindModel::matching() const {
    Matching m{QStringLiteral("Details AS d"), {}, {}, QStringLiteral("d.IdNumber")};
    if (!terms_.match.isEmpty() && sql_.onServer()) {
        // The server keeps each record's words, folded as the file's index folds them (ServerSchema).
        m.where << QStringLiteral("d.IdNumber IN (SELECT w.IdNumber FROM DetailsWords AS w WHERE w.Words @@ "
                                  "velloran_query(?))");
        m.values << terms_.words;
    } else if (!terms_.match.isEmpty()) {
        // In number order the index hands its matches out already sorted, and the first page is read without
        // looking at the other matches; ordering by d.IdNumber instead would sort every match first.
        m.from = QStringLiteral("words.DetailsSearch JOIN main.Details AS d ON d.IdNumber = DetailsSearch.rowid");
        m.where << QStringLiteral("DetailsSearch MATCH ?");
        m.values << terms_.match;
        m.number = QStringLiteral("DetailsSearch.rowid");
    }
    for (const QString& like : terms_.likeTexts) {
        m.where << QStringLiteral("(%1) LIKE ? ESCAPE '\\'")
                       .arg(DowsingSearch::SearchTextOfRow(QStringLiteral("d."), sql_));
        m.values << like;
    }
    return m;
}

std::optional<qint64> DowsingFindModel::matchCount() {
    if (std::optional<qint64> known = knownMatchCount(); known || !terms_.likeTexts.isEmpty()) {
        return known;
    }
    const Matching m = matching();
    QString sql = QStringLiteral("SELECT count(*) FROM %1").arg(m.from);
    if (!m.where.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + m.where.join(QStringLiteral(" AND "));
    }
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (RunPrepared(q, sql, m.values) && q.next()) {
        counted_ = q.value(0).toLongLong();
    }
    return counted_;
}

bool DowsingFindModel::readPage(QList<DowsingRecord>& out) {
    error_.clear();
    failure_ = {};
    const Matching m = matching();
    QStringList where = m.where;
    const QString& from = m.from;
    const QString& number = m.number;
    const bool ascending = order_ == Qt::AscendingOrder;
    const QString key = sortKey(sortColumn_, sql_);
    const QString after = ascending ? QStringLiteral(">") : QStringLiteral("<");
    if (!rows_.isEmpty()) {
        if (sortColumn_ == 13) {
            where << QStringLiteral("%1 %2 ?").arg(number, after);
        } else {
            // The value bound goes through the same folding as the column.
            const QString bound =
                sortColumn_ == 0 ? QStringLiteral("?") : sql_.withoutCase(QStringLiteral("CAST(? AS text)"));
            where << QStringLiteral("(%1, d.IdNumber) %2 (%3, ?)")
                         .arg(key, after, sql_.onServer() ? bound : QStringLiteral("?"));
        }
    }
    const QString direction = ascending ? QStringLiteral("ASC") : QStringLiteral("DESC");
    // The index's one column is called body: the record's own column names stay unambiguous.
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(DowsingSql::columnList(), from);
    if (!where.isEmpty()) {
        sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    }
    if (sortColumn_ == 13) {
        sql += QStringLiteral(" ORDER BY %1 %2").arg(number, direction);
    } else {
        sql += QStringLiteral(" ORDER BY %1 %2, d.IdNumber %2").arg(key, direction);
    }
    sql += QStringLiteral(" LIMIT %1").arg(PageSize + 1);

    QSqlQuery own(db_);
    QSqlQuery* kept = nullptr;
    if (source_ && sql_.onServer()) {
        // Prepared once per shape of search: a page then costs the server one round trip, not three.
        StoreResult<QSqlQuery*> statement = source_->statement(db_, sql);
        if (!statement) {
            failure_ = statement.error();
            error_ = failure_.why;
            return false;
        }
        kept = *statement;
    } else {
        own.setForwardOnly(true);
        if (!own.prepare(sql)) {
            fail(own.lastError());
            return false;
        }
    }
    QSqlQuery& q = kept ? *kept : own;
    const auto finished = qScopeGuard([&q] { q.finish(); });
    for (const QVariant& value : m.values) {
        q.addBindValue(value);
    }
    if (!rows_.isEmpty()) {
        if (sortColumn_ != 13) {
            q.addBindValue(keyOf(rows_.constLast(), sortColumn_));
        }
        q.addBindValue(rows_.constLast().IdNumber);
    }
    if (!q.exec()) {
        fail(q.lastError());
        return false;
    }
    int read = 0;
    more_ = false;
    while (q.next()) {
        if (read == PageSize) {
            more_ = true;
            break;
        }
        DowsingSql::read(q, out.emplace_back());
        ++read;
    }
    if (q.lastError().isValid()) {
        fail(q.lastError());
        return false;
    }
    return true;
}

void DowsingFindModel::fail(const QSqlError& error) {
    failure_ = StoreError::fromSql({}, error);
    error_ = failure_.why;
}

int DowsingFindModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int DowsingFindModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(DowsingColumns.size());
}

QVariant DowsingFindModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const DowsingRecord& record = rows_.at(index.row());
    // Dates as the user writes them; the grid keeps the form it always had.
    return index.column() == 0 ? Language::NumericDateText(record.Date) : DowsingColumnText(record, index.column());
}

QVariant DowsingFindModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return {};
    }
    return DowsingGridModel::columnCaption(section);
}

Qt::ItemFlags DowsingFindModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool DowsingFindModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && more_ && !stalled_;
}

void DowsingFindModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !more_ || stalled_) {
        return;
    }
    QList<DowsingRecord> page;
    if (!readPage(page)) {
        // The rows after the last one held are still there to read once the file gives them up.
        more_ = true;
        stalled_ = true;
        emit pageFailed(failure_);
        return;
    }
    if (page.isEmpty()) {
        return;
    }
    beginInsertRows(QModelIndex(), int(rows_.size()), int(rows_.size() + page.size()) - 1);
    rows_ += page;
    endInsertRows();
}

void DowsingFindModel::retryPage() {
    stalled_ = false;
    fetchMore({});
}

std::optional<DowsingRecord> DowsingFindModel::record(int row) const {
    if (row < 0 || row >= rows_.size()) {
        return std::nullopt;
    }
    return rows_.at(row);
}

std::optional<qint64> DowsingFindModel::tableRow(qint64 idNumber) const {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT count(*) FROM Details WHERE IdNumber < ?"));
    q.addBindValue(idNumber);
    if (!q.exec() || !q.next()) {
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}
