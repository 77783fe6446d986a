#pragma once

#include "data/Database.h"
#include "data/SqlDialect.h"
#include "dowsing/DowsingRecord.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QThread>
#include <QVariant>
#include <atomic>
#include <functional>
#include <optional>

class DataSource;

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
// they are the only commits since, only they are looked at. `committedChunk`: commit after each chunk of that many
// records instead, which holds the records file read only for a chunk at a time (what is made is kept when the making
// is stopped). Empty on success, otherwise the reason.
QString EnsureIndex(const QSqlDatabase& db, const IndexProgress& progress = {}, const QList<qint64>& changedHere = {},
                    int committedChunk = 0);
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

// Makes the words index, or catches it up, on a thread of its own over a connection of its own, so that the find
// window lists and opens records meanwhile. It holds the records file for a chunk of records at a time, never for
// the whole making, so that a record saved meanwhile waits a moment at most. Destroyed, it stops and waits for its
// thread; what it made is kept for the next time.
class IndexMaker : public QObject {
    Q_OBJECT
  public:
    // Records caught up in each of its transactions.
    static constexpr int ChunkRecords = 1024;
    // How long it waits for a change of the records being saved (by this program or another) before it gives up.
    static constexpr int MakerPatienceMs = 10000;

    explicit IndexMaker(QString recordsPath, QObject* parent = nullptr);
    ~IndexMaker() override;
    IndexMaker(const IndexMaker&) = delete;
    IndexMaker& operator=(const IndexMaker&) = delete;

    void start();
    bool isRunning() const;

  signals:
    void progressed(qint64 done, qint64 total);
    // Empty when the index is current, otherwise why not.
    void finished(const QString& why);

  private:
    QString recordsPath_;
    std::atomic_bool stopping_{false};
    QThread* thread_ = nullptr;
};

// The records matching a search, in any column's order, read a page at a time as the view scrolls: the
// first page costs one indexed query whatever the table's size, and rows never read stay in the file.
class DowsingFindModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    // The connection must stay open while the model lives. Given the connection's source, a server's pages are
    // read through statements it keeps prepared.
    explicit DowsingFindModel(const QSqlDatabase& db, DataSource* source = nullptr, QObject* parent = nullptr);

    // Runs a new search from the first page; an empty text lists every record. False (with lastError) when
    // the file could not be read.
    bool setSearch(const QString& text);
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
    // How many records match in all, those not read yet too: counted once for each search, when first asked.
    // Nothing when the file would not say, or when a word without a letter or digit is looked for: that is looked
    // for in the text of every record, and counting would read them all (a second at a million records).
    std::optional<qint64> matchCount();
    // The same when it is known without asking the file.
    const DowsingSearch::Terms& terms() const { return terms_; }
    std::optional<qint64> knownMatchCount() const { return more_ ? counted_ : std::optional<qint64>(rows_.size()); }
    // After pageFailed: the next page is asked for again.
    void retryPage();

  signals:
    // The next page could not be read while the view scrolled; no page is asked for again until retryPage().
    // Emitted while the view lays out its rows: connect it queued.
    void pageFailed(const StoreError& error);

  private:
    // What a search selects from, and the conditions every match meets, with their values in order.
    struct Matching {
        QString from;
        QStringList where;
        QVariantList values;
        // The record's number as the matches come out: in that order they need no sorting.
        QString number;
    };
    Matching matching() const;
    // Reads the page after the last row held into `out`.
    bool readPage(QList<DowsingRecord>& out);
    void fail(const QSqlError& error);

    QSqlDatabase db_;
    DataSource* source_ = nullptr;
    const SqlDialect& sql_;
    QString text_;
    DowsingSearch::Terms terms_;
    int sortColumn_ = 13;
    Qt::SortOrder order_ = Qt::AscendingOrder;
    QList<DowsingRecord> rows_;
    bool more_ = false;
    bool stalled_ = false;
    std::optional<qint64> counted_;
    QString error_;
    StoreError failure_;
};
