#pragma once

#include "common/Database.h"
#include "common/SqlDialect.h"
#include "dowsing/DowsingRecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

// Finding dowsing records by any word of their text columns or their date.
//
// The words live in a full-text index (SQLite FTS5) in a file of its own in the user's cache folder, never in
// Dowsing.dll: the records file keeps exactly the tables it always had, for any other program that reads and writes
// it. The index is attached to the searching connection as the schema "words" (table DetailsSearch), and caught up
// with Details whenever the records file changed since, by this program or any other; an index that is lost or
// cannot be read is made again from the records, never trusted. The index only reads Details.
namespace DowsingSearch {

inline const QString IndexTable = QStringLiteral("DetailsSearch");

// Told how many records are in the index so far and how many there are in all; false stops the making.
using IndexProgress = std::function<bool(qint64 done, qint64 total)>;

// The index file of the records file at `recordsPath`.
QString IndexFileFor(const QString& recordsPath);

// Attaches the index to the connection and catches it up with Details, as one transaction, a chunk of records at a
// time so that `progress` can show how far it got (a million records take half a minute the first time) and stop
// it, which leaves the index as it was. `progress` is not called when the index is up to date. `changedHere`: the
// records this program changed since the last call, one commit each (as the file's DataSource announced them); when
// they are the only commits since, only they are looked at. Empty on success, otherwise the reason.
QString EnsureIndex(const QSqlDatabase& db, const IndexProgress& progress = {}, const QList<qint64>& changedHere = {});
QString IndexStopped();

// Earlier versions kept the index and its triggers inside the records file; this takes them out (and gives the room
// back), a change that does not count as new data. True when there was something to take out and it went.
bool RemoveIndexFromRecordsFile(const QSqlDatabase& db, const QString& recordsPath);

// What the user typed, split into the parts of the query: words that the index can find (each a quoted
// prefix phrase, so that quotes, stars, NEAR, minus signs and brackets are plain text), and words without a
// letter or digit, which are looked for as text in the columns themselves.
struct Terms {
    QString match;         // FTS5 expression, empty when there is no indexed word
    QString words;         // the same words as typed, for the server's index (velloran_query)
    QStringList likeTexts; // LIKE patterns with % _ \ escaped by backslash, already wrapped in %
    bool isEmpty() const { return match.isEmpty() && likeTexts.isEmpty(); }
};
Terms ParseTerms(const QString& text);

// The expression of everything a search looks at in one row; `row` is the row's prefix ("d.", "new.").
QString SearchTextOfRow(const QString& row, const SqlDialect& sql = SqlDialect::sqlite());

} // namespace DowsingSearch

// The records matching a search, in any column's order, read a page at a time as the view scrolls: the
// first page costs one indexed query whatever the table's size, and rows never read stay in the file.
class DowsingFindModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    // The connection must stay open while the model lives.
    explicit DowsingFindModel(const QSqlDatabase& db, QObject* parent = nullptr);

    // Runs a new search from the first page; an empty text lists every record. False (with lastError) when
    // the file could not be read.
    bool setSearch(const QString& text);
    QString search() const { return text_; }
    QSqlDatabase database() const { return db_; }
    QString lastError() const { return error_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    // Dates sort as dates (the file keeps them as yyyy-MM-dd), texts without regard to case.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    std::optional<DowsingRecord> record(int row) const;
    // The record's position in table order, as the grid counts rows.
    std::optional<qint64> tableRow(qint64 idNumber) const;
    bool hasMore() const { return more_; }
    // After pageFailed: the next page is asked for again.
    void retryPage();

  signals:
    // The next page could not be read while the view scrolled; no page is asked for again until retryPage().
    // Emitted while the view lays out its rows: connect it queued.
    void pageFailed(const StoreError& error);

  private:
    // Reads the page after the last row held into `out`.
    bool readPage(QList<DowsingRecord>& out);
    void fail(const QSqlError& error);

    QSqlDatabase db_;
    const SqlDialect& sql_;
    QString text_;
    DowsingSearch::Terms terms_;
    int sortColumn_ = 13;
    Qt::SortOrder order_ = Qt::AscendingOrder;
    QList<DowsingRecord> rows_;
    bool more_ = false;
    bool stalled_ = false;
    QString error_;
    StoreError failure_;
};
