#include "dowsing/DowsingSearch.h"

#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <limits>

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

QStringList indexStatements() {
    const QString add = QStringLiteral("INSERT INTO DetailsSearch(rowid, body) VALUES (new.IdNumber, %1);")
                            .arg(searchText(QStringLiteral("new.")));
    const QString drop =
        QStringLiteral("INSERT INTO DetailsSearch(DetailsSearch, rowid, body) VALUES ('delete', old.IdNumber, %1);")
            .arg(searchText(QStringLiteral("old.")));
    return {
        // Contentless: the words only, the text itself stays in Details alone. The first one or two letters
        // typed match the most words; kept as prefixes of their own they are found as quickly as a whole word
        // (at a million records "j" took 34 ms without, 0.2 ms with, for a file 40% larger).
        QStringLiteral("CREATE VIRTUAL TABLE DetailsSearch USING fts5(body, content='', "
                       "tokenize='unicode61 remove_diacritics 2', prefix='1 2')"),
        QStringLiteral("CREATE TRIGGER DetailsSearch_insert AFTER INSERT ON Details BEGIN %1 END").arg(add),
        QStringLiteral("CREATE TRIGGER DetailsSearch_delete AFTER DELETE ON Details BEGIN %1 END").arg(drop),
        QStringLiteral("CREATE TRIGGER DetailsSearch_update AFTER UPDATE ON Details BEGIN %1 %2 END").arg(drop, add),
    };
}

// The engine's words, as every store gives them; never empty, so that a failure is never taken for success.
QString reason(const QSqlError& e) {
    return StoreError::fromSql({}, e).why;
}

} // namespace

QString EnsureIndex(QSqlDatabase db, const IndexProgress& progress) {
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name IN ('DetailsSearch', "
                                   "'DetailsSearch_insert', 'DetailsSearch_delete', 'DetailsSearch_update')")) ||
        !probe.next()) {
        return reason(probe.lastError());
    }
    if (probe.value(0).toInt() == 4) {
        return {};
    }
    probe.finish();
    if (!db.transaction()) {
        return reason(db.lastError());
    }
    QString why;
    {
        QSqlQuery q(db);
        // A half-made index from elsewhere is made again from scratch.
        QStringList statements{QStringLiteral("DROP TRIGGER IF EXISTS DetailsSearch_insert"),
                               QStringLiteral("DROP TRIGGER IF EXISTS DetailsSearch_delete"),
                               QStringLiteral("DROP TRIGGER IF EXISTS DetailsSearch_update"),
                               QStringLiteral("DROP TABLE IF EXISTS DetailsSearch")};
        statements += indexStatements();
        for (const QString& statement : statements) {
            if (!q.exec(statement)) {
                why = reason(q.lastError());
                break;
            }
        }
        qint64 total = 0;
        if (why.isEmpty() && (!q.exec(QStringLiteral("SELECT count(*) FROM Details")) || !q.next())) {
            why = reason(q.lastError());
        } else if (why.isEmpty()) {
            total = q.value(0).toLongLong();
        }
        q.finish();
        // Chunks by key: the records after the last one indexed, up to the chunk's last.
        constexpr int kChunk = 8192;
        QSqlQuery bound(db);
        QSqlQuery fill(db);
        const bool prepared =
            why.isEmpty() &&
            bound.prepare(QStringLiteral("SELECT IdNumber FROM Details WHERE IdNumber > ? ORDER BY IdNumber "
                                         "LIMIT 1 OFFSET %1")
                              .arg(kChunk - 1)) &&
            fill.prepare(QStringLiteral("INSERT INTO DetailsSearch(rowid, body) SELECT IdNumber, %1 FROM Details "
                                        "WHERE IdNumber > ? AND IdNumber <= ?")
                             .arg(searchText(QString())));
        if (why.isEmpty() && !prepared) {
            why = reason(bound.lastError().isValid() ? bound.lastError() : fill.lastError());
        }
        qint64 done = 0;
        for (qint64 after = std::numeric_limits<qint64>::min(); why.isEmpty();) {
            if (progress && !progress(done, total)) {
                why = IndexStopped;
                break;
            }
            bound.addBindValue(after);
            if (!bound.exec()) {
                why = reason(bound.lastError());
                break;
            }
            const bool last = !bound.next();
            const qint64 upTo = last ? std::numeric_limits<qint64>::max() : bound.value(0).toLongLong();
            bound.finish();
            fill.addBindValue(after);
            fill.addBindValue(upTo);
            if (!fill.exec()) {
                why = reason(fill.lastError());
                break;
            }
            done = std::min(total, done + kChunk);
            after = upTo;
            if (last) {
                break;
            }
        }
    }
    if (why.isEmpty() && db.commit()) {
        return {};
    }
    if (why.isEmpty()) {
        why = reason(db.lastError());
    }
    db.rollback();
    return why;
}

Terms ParseTerms(const QString& typed) {
    Terms terms;
    QStringList phrases;
    // A control character pasted with a word (a NUL, say) is nothing a record's text can hold, and the index
    // refuses a query that has one.
    QString text = typed;
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control && !c.isSpace(); });
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (QString word : text.split(blanks, Qt::SkipEmptyParts)) {
        const bool indexed = std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); });
        if (indexed) {
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
    return terms;
}

QString SearchTextOfRow(const QString& row) {
    return searchText(row);
}

} // namespace DowsingSearch

namespace {

QString sortKey(int column) {
    if (column == 0) {
        return QStringLiteral("coalesce(d.Date, '')");
    }
    if (column >= 1 && column <= 12) {
        return QStringLiteral("d.%1 COLLATE NOCASE").arg(QString::fromLatin1(DowsingColumns[std::size_t(column)]));
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

DowsingFindModel::DowsingFindModel(const QSqlDatabase& db, QObject* parent) : QAbstractTableModel(parent), db_(db) {}

bool DowsingFindModel::setSearch(const QString& text) {
    beginResetModel();
    stalled_ = false;
    text_ = text;
    terms_ = DowsingSearch::ParseTerms(text);
    rows_.clear();
    more_ = false;
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
    setSearch(text_);
}

bool DowsingFindModel::readPage(QList<DowsingRecord>& out) {
    error_.clear();
    failure_ = {};
    QStringList where;
    QString from = QStringLiteral("Details AS d");
    if (!terms_.match.isEmpty()) {
        from = QStringLiteral("DetailsSearch JOIN Details AS d ON d.IdNumber = DetailsSearch.rowid");
        where << QStringLiteral("DetailsSearch MATCH ?");
    }
    for (qsizetype i = 0; i < terms_.likeTexts.size(); ++i) {
        where << QStringLiteral("(%1) LIKE ? ESCAPE '\\'").arg(DowsingSearch::SearchTextOfRow(QStringLiteral("d.")));
    }
    const bool ascending = order_ == Qt::AscendingOrder;
    const QString key = sortKey(sortColumn_);
    const QString after = ascending ? QStringLiteral(">") : QStringLiteral("<");
    // In number order the index hands its matches out already sorted, and the first page is read without
    // looking at the other matches; ordering by d.IdNumber instead would sort every match first.
    const QString number =
        terms_.match.isEmpty() ? QStringLiteral("d.IdNumber") : QStringLiteral("DetailsSearch.rowid");
    if (!rows_.isEmpty()) {
        if (sortColumn_ == 13) {
            where << QStringLiteral("%1 %2 ?").arg(number, after);
        } else {
            where << QStringLiteral("(%1, d.IdNumber) %2 (?, ?)").arg(key, after);
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

    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        fail(q.lastError());
        return false;
    }
    if (!terms_.match.isEmpty()) {
        q.addBindValue(terms_.match);
    }
    for (const QString& like : terms_.likeTexts) {
        q.addBindValue(like);
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
    return DowsingColumnText(rows_.at(index.row()), index.column());
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
