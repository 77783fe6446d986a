#pragma once

#include "common/Database.h"
#include "dowsing/DowsingRecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>

class QSqlQuery;

// The statements of the Details table and the binding of a record, built from DowsingColumns; for the store
// and for whatever fills a file in bulk.
namespace DowsingSql {
QString columnList(); // every column, in table order
QString insertStatement();
// Binds a record's values in the order of insertStatement(), without its IdNumber.
void bind(QSqlQuery& query, const DowsingRecord& record);
// Reads a record from the current row of a query that selected columnList().
void read(const QSqlQuery& query, DowsingRecord& record);
} // namespace DowsingSql

// The dowsing records in Dowsing.dll. Each store owns one SQLite connection
// under a name of its own, so the wizard, the grid and the record sheet can
// each hold theirs at the same time. Nothing here shows a dialog: failures
// come back as results and error(), and the windows word them.
class DowsingStore {
  public:
    enum class Outcome { Done, NotFound, Failed };

    static constexpr const char* FileName = "Dowsing.dll";
    static QString filePathIn(const QString& folder);

    explicit DowsingStore(QString filePath);
    ~DowsingStore();
    DowsingStore(const DowsingStore&) = delete;
    DowsingStore& operator=(const DowsingStore&) = delete;

    // How long a change waits for another program that holds the file locked before it gives up; the
    // program's one busy timeout unless a test shortens it. Takes effect at the next open().
    void setBusyTimeout(int milliseconds);

    // Opens the existing file; a missing file is an error, never created.
    bool open();
    bool isOpen() const;
    void close();

    // Each change is one transaction: it lands whole or leaves the file as it was.
    StoreResult<qint64> add(const DowsingRecord& record); // returns the new IdNumber
    Outcome change(const DowsingRecord& record);          // the row with record.IdNumber
    Outcome remove(qint64 idNumber);
    Outcome find(qint64 idNumber, DowsingRecord& found);

    // Rows in ascending IdNumber, the one order every listing shares.
    StoreResult<QList<DowsingRecord>> list();
    StoreResult<QList<DowsingRecord>> list(qint64 offset, qint64 limit);
    StoreResult<qint64> count();
    // `limit` rows in ascending IdNumber after `bound` (from the first row without one), or in descending
    // IdNumber before `bound` (from the last row), after skipping `skip` rows: pages reached by key, so that
    // no read walks the rows before the place it starts from.
    StoreResult<QList<DowsingRecord>> listFrom(std::optional<qint64> bound, bool descending, qint64 skip, qint64 limit);

    QString lastError() const { return error_.text(); }
    const StoreError& error() const { return error_; }
    QString filePath() const { return filePath_; }
    QString connectionName() const;
    QSqlDatabase database() const;

  private:
    StoreError fail(StoreError error);
    StoreError fail(const QString& what, const QSqlError& error);
    // Runs a statement that must touch exactly the row with the given number, as one transaction; the
    // number is bound last, after bindValues has bound the rest.
    Outcome writeOneRow(const QString& statement, qint64 idNumber, const std::function<void(QSqlQuery&)>& bindValues,
                        const QString& refused, const QString& notWritten);
    bool ensureOpen();
    bool checkKeyColumn(const QSqlDatabase& db);
    // The file's identity on disk, to notice another file put in its place (restored, synced) by rename.
    QByteArray fileIdentity() const;
    StoreResult<QList<DowsingRecord>> select(std::optional<qint64> bound, bool descending, qint64 offset, qint64 limit);

    QString filePath_;
    StoreError error_;
    int busyTimeout_ = DatabaseBusyTimeoutMs;
    QByteArray openedIdentity_;
    std::unique_ptr<DatabaseConnection> connection_;
    std::unique_ptr<QSqlQuery> insert_; // ends before connection_, declared after it
};
