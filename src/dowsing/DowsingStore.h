#pragma once

#include "data/DataSource.h"
#include "data/Database.h"
#include "dowsing/DowsingRecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>
#include <functional>
#include <optional>

class QSqlQuery;

// The statements of the Details table and the binding of a record, built from DowsingColumns; for the store
// and for whatever fills a file in bulk.
namespace DowsingSql {
QString columnList(); // every column, in table order
QString insertStatement();
// A record's values in the order of insertStatement(), without its IdNumber.
QList<QVariant> values(const DowsingRecord& record);
// Binds them.
void bind(QSqlQuery& query, const DowsingRecord& record);
// Reads a record from the current row of a query that selected columnList().
void read(const QSqlQuery& query, DowsingRecord& record);
} // namespace DowsingSql

// The dowsing records in Dowsing.dll. Every store of the file shares the file's one kept connection
// (`DataSource`), so the wizard, the grid, the sheet and the find window can each hold a store at the same time.
// Nothing here shows a dialog: every call returns its value or the error that kept it from being made, and the
// windows word it. Each change is announced to every open view of the file once it is committed.
class DowsingStore {
  public:
    static constexpr const char* FileName = "Dowsing.dll";
    static constexpr const char* Table = "Details";
    static QString filePathIn(const QString& folder);
    // Tells the data room what Dowsing.dll holds and how a shared database keeps it; done as the program loads.
    static bool DescribeData();

    explicit DowsingStore(QString filePath);

    // How long a call waits for another program that holds the file locked before it gives up; the program's
    // one busy timeout unless a test shortens it.
    void setBusyTimeout(int milliseconds) { busyTimeout_ = milliseconds; }

    // Checks that the file is there and holds the records as the program keeps them; a missing file is an
    // error, never created. Every other call checks the same first, once for each opening of the file.
    StoreStatus open();

    // Each change is one transaction: it lands whole or leaves the file as it was. A change or removal of a
    // row that is not there fails with StoreCause::NoSuchRow. Given the record as it was `shown` to the user, a
    // change or removal of a record that someone else has changed since fails with StoreCause::Changed, and the
    // user chooses.
    // Returns the new IdNumber. `key` names this add: over the shared database a connection lost while it was
    // committed is followed by a look for the key, so that the record is neither lost nor stored twice; a window
    // keeps one key for a save and all its retries.
    StoreResult<qint64> add(const DowsingRecord& record, const QUuid& key = QUuid::createUuid());
    // The row with record.IdNumber.
    StoreStatus change(const DowsingRecord& record, const std::optional<DowsingRecord>& shown = std::nullopt);
    StoreStatus remove(qint64 idNumber, const std::optional<DowsingRecord>& shown = std::nullopt);
    // Removes a record as remove() does and gives it back as the file held it, for putBack() to undo the removal.
    StoreResult<KeptRow> removeKept(qint64 idNumber, const std::optional<DowsingRecord>& shown = std::nullopt);
    // Puts a removed record back byte for byte, under its own number when no record has taken it meanwhile,
    // otherwise under a new one. Announced as an added record.
    StoreResult<RowPutBack> putBack(const KeptRow& row);
    StoreResult<DowsingRecord> find(qint64 idNumber);

    // Rows in ascending IdNumber, the one order every listing shares.
    StoreResult<QList<DowsingRecord>> list();
    StoreResult<QList<DowsingRecord>> list(qint64 offset, qint64 limit);
    // Counted once, then kept until the file changes.
    StoreResult<qint64> count();
    // `limit` rows in ascending IdNumber after `bound` (from the first row without one), or in descending
    // IdNumber before `bound` (from the last row), after skipping `skip` rows: pages reached by key, so that
    // no read walks the rows before the place it starts from.
    StoreResult<QList<DowsingRecord>> listFrom(std::optional<qint64> bound, bool descending, qint64 skip, qint64 limit);

    QString filePath() const { return filePath_; }
    // The file's change notice, which every view of the records listens to.
    DataSource& source() const { return source_; }
    // The kept connection, checked as every call checks it, for what reads the file in its own way (the words
    // index of the find window).
    StoreResult<QSqlDatabase> database();

  private:
    StoreError fail(StoreError error) const;
    StoreError fail(const QString& what, const QSqlError& error) const;
    // Runs a statement that must touch exactly the row with the given number, as one transaction; the
    // number is bound last, after bindValues has bound the rest.
    StoreStatus writeOneRow(const QString& statement, qint64 idNumber, const std::optional<DowsingRecord>& written,
                            const std::optional<DowsingRecord>& shown, const QString& what, DataChange::Kind kind);
    // " AND Date IS ? AND Name IS ? ...": the row still holds what was shown; nothing without a record shown.
    QString unchangedSince(const std::optional<DowsingRecord>& shown) const;
    // Why a change given the record as `shown` touched no row: changed by someone else meanwhile, or gone; or done
    // already, when the row holds what was `written` (a retry of a change whose answer the connection lost).
    StoreStatus whyUntouched(const QSqlDatabase& db, qint64 idNumber, const std::optional<DowsingRecord>& shown,
                             const std::optional<DowsingRecord>& written = std::nullopt) const;
    StoreStatus checkKeyColumn(const QSqlDatabase& db);
    // Runs `change` as one transaction; nothing is kept of a failed one. Over a connection lost at the commit, the
    // lost session is ended and `change` runs once more (every change here acts only once: an add finds its key, a
    // change or removal finds the row no longer as shown), setting `repeated`; when even that cannot be done the
    // outcome is said unknown, as `unknown`.
    template <typename T>
    StoreResult<T> inTransaction(const QString& what, const QString& unknown,
                                 const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                                 bool* repeated = nullptr);
    StoreResult<QList<DowsingRecord>> select(std::optional<qint64> bound, bool descending, qint64 offset, qint64 limit);

    QString filePath_;
    DataSource& source_;
    int busyTimeout_ = DatabaseBusyTimeoutMs;
    // The opening of the file whose tables were last checked.
    int checkedGeneration_ = 0;
};
