#pragma once

#include "common/StoreFailure.h"
#include "dowsing/DowsingRecord.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QSqlError;
class QSqlQuery;

// The dowsing records in Dowsing.dll. Each store owns one SQLite connection
// under a name of its own, so the wizard, the grid and the record sheet can
// each hold theirs at the same time. Nothing here shows a dialog: failures
// come back as results and lastError(), and the windows word them.
class DowsingStore {
  public:
    enum class Outcome { Done, NotFound, Failed };

    static constexpr const char* FileName = "Dowsing.dll";
    static QString filePathIn(const QString& folder);

    explicit DowsingStore(QString filePath);
    ~DowsingStore();
    DowsingStore(const DowsingStore&) = delete;
    DowsingStore& operator=(const DowsingStore&) = delete;

    // How long a change waits for another program that holds the file
    // locked before it gives up. Takes effect at the next open().
    void setBusyTimeout(int milliseconds);

    // Opens the existing file; a missing file is an error, never created.
    bool open();
    bool isOpen() const;
    void close();

    // Each change is one transaction: it lands whole or leaves the file as it was.
    std::optional<qint64> add(const DowsingRecord& record); // returns the new IdNumber
    Outcome change(const DowsingRecord& record);            // the row with record.IdNumber
    Outcome remove(qint64 idNumber);
    Outcome find(qint64 idNumber, DowsingRecord& found);

    // Rows in ascending IdNumber, the one order every listing shares.
    std::optional<QList<DowsingRecord>> list();
    std::optional<QList<DowsingRecord>> list(qint64 offset, qint64 limit);
    std::optional<qint64> count();

    // What went wrong, naming the file and the cause in the user's words.
    QString lastError() const { return m_lastError; }
    StoreCause lastCause() const { return m_cause; }
    QString filePath() const { return m_filePath; }
    QString connectionName() const { return m_connectionName; }
    QSqlDatabase database() const;

  private:
    bool fail(const QString& what, const QString& why);
    bool fail(const QString& what, StoreCause cause, const QString& detail = QString());
    bool fail(const QString& what, const QSqlError& error);
    // The open file's identity on disk, to notice a file put in its place (restored, synced) by rename.
    QByteArray fileIdentity() const;
    bool checkKeyColumn();
    // Runs a statement that must touch exactly the row with the given number, as one transaction; the
    // number is bound last, after bindValues has bound the rest.
    Outcome writeOneRow(const QString& statement, qint64 idNumber, const std::function<void(QSqlQuery&)>& bindValues,
                        const QString& refused, const QString& notWritten);
    bool ensureOpen();
    std::optional<QList<DowsingRecord>> select(qint64 offset, qint64 limit);

    QString m_filePath;
    QString m_connectionName;
    QString m_lastError;
    StoreCause m_cause = StoreCause::None;
    QByteArray m_openedIdentity;
    int m_busyTimeout = StoreBusyWaitMs;
    std::unique_ptr<QSqlQuery> m_insert;
};
