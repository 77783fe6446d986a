#pragma once

#include "data/Database.h"
#include "data/Log.h"
#include "data/SqlDialect.h"

#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QSqlQuery>
#include <QTimer>
#include <map>
#include <memory>

// A change to the rows of a data file, as the views of it hear of it.
struct DataChange {
    enum class Kind { Added, Changed, Removed, Unknown };
    Kind kind = Kind::Unknown;
    QString table;  // the table that changed; empty when any of them may have
    qint64 key = 0; // the row's key, for Added, Changed and Removed
    // Committed by another program, or the whole file put back by a restore: which rows changed is not known,
    // and a view reads what it shows again.
    bool elsewhere = false;

    bool touches(const QString& name) const { return table.isEmpty() || table.compare(name, Qt::CaseInsensitive) == 0; }
};
Q_DECLARE_METATYPE(DataChange)

// One data file of the program (the dowsing records, the diary), with the one connection every store of it
// shares and the notice that every open view of it listens to. When the user keeps the data in a shared database
// (`Services::sharedDatabase`), both files' stores share that database's source instead (`ServerSource`), which
// keeps the same promises over the server.
//
// All of this program's reads and writes of the file go through the kept connection, so its data version moves
// only when another program commits to the file; while anything listens, the file looks at it twice a second and
// says so. Changes of this program's own are announced by the store that committed them, with the row they
// touched. An idle connection holds no lock, so keeping it open costs another program nothing.
class DataSource : public QObject {
    Q_OBJECT
  public:
    // How often the file looks for other programs' changes while a view listens.
    static constexpr int CheckIntervalMs = 500;

    ~DataSource() override;

    // The one DataSource of a path for the program's run; the shared database's when one is in force.
    static DataSource& of(const QString& path);
    // Closes every kept connection, which the next call opens again: at the program's end, and in tests that
    // remove or replace their files.
    static void closeAll();

    // The file's path, or the shared database's name.
    const QString& path() const { return path_; }
    virtual const SqlDialect& dialect() const { return SqlDialect::sqlite(); }
    bool onServer() const { return dialect().onServer(); }
    // Whether there is anything to open: the file, where one is kept; a shared database always is (whether it can
    // be reached is said when it is opened).
    virtual bool isThere() const;
    // Whether the database keeps the words of its rows itself, always current, or the program makes an index beside
    // the file and catches it up.
    virtual bool keepsWordsItself() const { return false; }
    // The error with the place it happened named: the file, or the server (a connection found lost then says so).
    virtual StoreError placed(StoreError error) const;
    // Whether `column` of `table` is a key the database hands out itself (true too for a table that is not there,
    // which the statements then report); an error when that cannot be found out.
    virtual StoreResult<bool> hasAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column);
    // Done when `column` of `table` is such a key. A table whose key the database does not hand out would take rows
    // that could be neither changed nor removed: refused, as Damaged with `refusal` (the store's words); a key that
    // cannot be looked at, with the reason. Both said as `what`.
    StoreStatus requireAutomaticKey(const QSqlDatabase& db, const QString& table, const QString& column,
                                    const QString& what, const QString& refusal);

    // The kept connection, opened if it is not: a file that was missing, held or unreadable before is tried
    // again at each call, and a file put in the place of the one opened (by a restore or a sync tool, by
    // rename) is opened afresh, which the views hear of as a change made elsewhere. `busyTimeoutMs` is how
    // long the next statements wait for another program's lock.
    virtual StoreResult<QSqlDatabase> database(int busyTimeoutMs);
    // Goes up each time the connection is opened afresh, so a store knows to check the file's tables again.
    int generation() const { return generation_; }

    // A statement of the changes, prepared once on the kept connection and kept with it, its values to be bound
    // anew at each use: a server then parses and plans it once, not at each click. The caller finishes it after use.
    StoreResult<QSqlQuery*> statement(const QSqlDatabase& db, const QString& sql);
    // The same, its error (a statement the database will not prepare) said as `what`.
    StoreResult<QSqlQuery*> statement(const QSqlDatabase& db, const QString& sql, const QString& what);

    // The number of rows of a table, counted once and then kept until the file changes: SQLite counts by
    // reading every page of the table, which a window opening over a large one would otherwise pay each time.
    virtual StoreResult<qint64> rowCount(const QString& table, int busyTimeoutMs);

    // A change this program has committed, told to every view.
    virtual void announce(const DataChange& change);
    // Looks for another program's changes now rather than at the next look.
    virtual void checkForOutsideChanges();
    // After a change whose commit lost its connection, makes its outcome final so that it can be looked at: nothing
    // to do for a file, whose commit is done or undone when it returns. An error while it cannot be known.
    virtual StoreStatus settleLostCall() { return Done{}; }

    // Runs `change` in a transaction of its own on the connection `open` gives (checked as its store checks it);
    // nothing is kept of a failed one, and its error is placed. Over a connection lost at the commit, the outcome is
    // made final (settleLostCall) and `change` runs once more, setting `repeated`: every change of the stores acts
    // only once (an add finds its key, a change or removal finds the row no longer as shown). When even that cannot
    // be done, the outcome is said unknown, in the words `unknown`.
    template <typename T>
    StoreResult<T> changeOnce(const std::function<StoreResult<QSqlDatabase>()>& open, const QString& notBegun,
                              const QString& what, const QString& unknown,
                              const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                              bool* repeated = nullptr);

  signals:
    void changed(const DataChange& change);

  protected:
    explicit DataSource(QString path);
    void connectNotify(const QMetaMethod& signal) override;
    virtual void close();
    // Lets go of the kept statements, before the connection they belong to goes.
    void forgetStatements() { statements_.clear(); }
    int generation_ = 0;

  private:
    // The file's data version, asked without waiting for another program's lock; nothing while it is held.
    std::optional<qint64> dataVersion();
    QByteArray identityOnDisk() const;

    QString path_;
    std::map<QString, std::unique_ptr<QSqlQuery>> statements_;
    std::unique_ptr<DatabaseConnection> connection_;
    QByteArray identity_;
    int busyTimeoutMs_ = -1;
    // The data version the views last heard about, and the one the kept counts were taken at.
    std::optional<qint64> heardVersion_;
    std::optional<qint64> countedVersion_;
    QHash<QString, qint64> counts_;
    QTimer outsideChanges_;
    // Says, once the events at hand are done, that another file was found in the file's place.
    QTimer replaced_;
};

template <typename T>
StoreResult<T> DataSource::changeOnce(const std::function<StoreResult<QSqlDatabase>()>& open, const QString& notBegun,
                                      const QString& what, const QString& unknown,
                                      const std::function<StoreResult<T>(const QSqlDatabase&)>& change,
                                      bool* repeated) {
    const auto outcomeUnknown = [&unknown](StoreError error) {
        error.cause = StoreCause::Unknown;
        error.what = unknown;
        return error;
    };
    StoreError lost;
    {
        // The first connection's handle goes before this source may close that connection to open another.
        const StoreResult<QSqlDatabase> db = open();
        if (!db) {
            return db.error();
        }
        StoreResult<T> changed = InTransaction<T>(*db, notBegun, what, change);
        if (changed) {
            return changed;
        }
        lost = placed(changed.error());
    }
    if (lost.cause != StoreCause::Unreachable || !lost.atCommit) {
        qCInfo(VelloranDataLog, "refused: %s", qUtf8Printable(lost.text()));
        return lost;
    }
    qCInfo(VelloranDataLog, "the answer to a commit was lost: %s", qUtf8Printable(lost.text()));
    if (const StoreStatus settled = settleLostCall(); !settled) {
        return outcomeUnknown(settled.error());
    }
    const StoreResult<QSqlDatabase> db = open();
    if (!db) {
        return outcomeUnknown(db.error());
    }
    if (repeated) {
        *repeated = true;
    }
    StoreResult<T> changed = InTransaction<T>(*db, notBegun, what, change);
    if (changed) {
        return changed;
    }
    const StoreError again = placed(changed.error());
    qCInfo(VelloranDataLog, "refused when done again: %s", qUtf8Printable(again.text()));
    return again.cause == StoreCause::Unreachable && again.atCommit ? outcomeUnknown(again) : again;
}
