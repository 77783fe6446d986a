#include "dowsing/DowsingStore.h"

#include "dowsing/DowsingSearch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>
#include <qplatformdefs.h>
#include <utility>

namespace {

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
    return {StoreCause::NoSuchRow, QStringLiteral("No record has the number %1").arg(idNumber), {}, {}};
}

const QString NotRead = QStringLiteral("The file could not be read");

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

void DowsingSql::bind(QSqlQuery& q, const DowsingRecord& r) {
    q.addBindValue(isoDate(r.Date));
    for (QString DowsingRecord::*member : DowsingTextMembers) {
        q.addBindValue(text(r.*member));
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

DowsingStore::DowsingStore(QString filePath) : filePath_(std::move(filePath)) {}

DowsingStore::~DowsingStore() {
    close();
}

void DowsingStore::setBusyTimeout(int milliseconds) {
    busyTimeout_ = milliseconds;
}

StoreError DowsingStore::fail(StoreError error) {
    if (error.file.isEmpty() && error.cause != StoreCause::NoSuchRow) {
        error.file = filePath_;
    }
    error_ = std::move(error);
    return error_;
}

StoreError DowsingStore::fail(const QString& what, const QSqlError& error) {
    return fail(StoreError::fromSql(what, error));
}

bool DowsingStore::open() {
    close();
    error_ = {};
    const QString what = QStringLiteral("The dowsing records could not be opened");
    auto connection = std::make_unique<DatabaseConnection>(filePath_, DatabaseConnection::Access::Write, busyTimeout_);
    if (!connection->isOpen()) {
        StoreError error = connection->error();
        error.what = what;
        fail(std::move(error));
        return false;
    }
    {
        // A file that is not a database, or lacks the table, fails only at the first statement; find that
        // out now rather than at a save.
        QSqlQuery probe(connection->database());
        if (!probe.exec(QStringLiteral("SELECT %1 FROM Details LIMIT 0").arg(DowsingSql::columnList()))) {
            StoreError error = StoreError::fromSql(what, probe.lastError());
            if (error.cause == StoreCause::Other) {
                error.cause = StoreCause::Damaged;
            }
            fail(std::move(error));
            return false;
        }
        if (!checkKeyColumn(connection->database())) {
            return false;
        }
    }
    // The file keeps the tables it always had; one a search of an earlier version added goes (or, while another
    // program holds the file, at a later opening).
    DowsingSearch::RemoveIndexFromRecordsFile(connection->database(), filePath_);
    openedIdentity_ = fileIdentity();
    connection_ = std::move(connection);
    return true;
}

// Rows get their IdNumber from the file only when the column is the table's integer key (an alias of SQLite's
// row number). A converted or older file may have a plain column instead: every added record would then
// carry no number and could be neither changed nor removed, so such a file is refused.
bool DowsingStore::checkKeyColumn(const QSqlDatabase& db) {
    const QString what = QStringLiteral("The dowsing records could not be opened");
    QSqlQuery info(db);
    if (!info.exec(QStringLiteral("PRAGMA table_info(Details)"))) {
        fail(what, info.lastError());
        return false;
    }
    int keys = 0;
    bool numbered = false;
    while (info.next()) {
        const int key = info.value(5).toInt();
        keys += key > 0 ? 1 : 0;
        numbered = numbered || (key == 1 && info.value(1).toString() == QLatin1String("IdNumber") &&
                                info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0);
    }
    if (numbered && keys == 1) {
        return true;
    }
    fail({StoreCause::Damaged,
          what,
          QStringLiteral("the file %1 does not number its records itself (its IdNumber column is no automatic key), "
                         "so a record added to it could be neither changed nor removed; it may be an older or "
                         "converted file")
              .arg(QDir::toNativeSeparators(filePath_)),
          {}});
    error_.file.clear();
    return false;
}

QByteArray DowsingStore::fileIdentity() const {
    QT_STATBUF status;
    if (QT_STAT(QFile::encodeName(filePath_).constData(), &status) != 0) {
        return {};
    }
    return QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

bool DowsingStore::isOpen() const {
    return connection_ && connection_->database().isOpen();
}

void DowsingStore::close() {
    insert_.reset();
    connection_.reset();
}

QString DowsingStore::connectionName() const {
    return connection_ ? connection_->name() : QString();
}

QSqlDatabase DowsingStore::database() const {
    return connection_ ? connection_->database() : QSqlDatabase();
}

bool DowsingStore::ensureOpen() {
    error_ = {};
    // A restore or a sync tool that puts another file in place by rename leaves an open connection on the old
    // one, which then refuses every write; the file the user now has is the one to go on with.
    if (isOpen() && fileIdentity() != openedIdentity_) {
        return open();
    }
    if (isOpen()) {
        return true;
    }
    // Not open (it failed before, or was closed): try again, so a file that was held or missing then is used
    // once it is there, and a failure names today's cause.
    return open();
}

StoreResult<qint64> DowsingStore::add(const DowsingRecord& record) {
    if (!ensureOpen()) {
        return error_;
    }
    QSqlDatabase db = database();
    if (!insert_) {
        insert_ = std::make_unique<QSqlQuery>(db);
        if (!insert_->prepare(DowsingSql::insertStatement())) {
            const QSqlError error = insert_->lastError();
            insert_.reset();
            return fail(QStringLiteral("The record could not be prepared"), error);
        }
    }
    DatabaseTransaction transaction(db);
    if (!transaction.begun()) {
        return fail(QStringLiteral("The file could not be written"), transaction.lastError());
    }
    DowsingSql::bind(*insert_, record);
    const bool inserted = insert_->exec();
    const QSqlError error = insert_->lastError();
    const qint64 id = insert_->lastInsertId().toLongLong();
    insert_->finish();
    if (!inserted) {
        return fail(QStringLiteral("The file refused the record"), error);
    }
    if (!transaction.commit()) {
        return fail(QStringLiteral("The record could not be written to the file"), transaction.lastError());
    }
    return id;
}

DowsingStore::Outcome DowsingStore::change(const DowsingRecord& record) {
    return writeOneRow(
        QStringLiteral("UPDATE Details SET %1 WHERE IdNumber = ?").arg(columnsBut(QStringLiteral("%1 = ?"))),
        record.IdNumber, [&record](QSqlQuery& q) { DowsingSql::bind(q, record); },
        QStringLiteral("The file refused the record"), QStringLiteral("The record could not be written to the file"));
}

DowsingStore::Outcome DowsingStore::remove(qint64 idNumber) {
    return writeOneRow(
        QStringLiteral("DELETE FROM Details WHERE IdNumber = ?"), idNumber, [](QSqlQuery&) {},
        QStringLiteral("The record could not be removed"),
        QStringLiteral("The removal could not be written to the file"));
}

DowsingStore::Outcome DowsingStore::writeOneRow(const QString& statement, qint64 idNumber,
                                                const std::function<void(QSqlQuery&)>& bindValues,
                                                const QString& refused, const QString& notWritten) {
    if (!ensureOpen()) {
        return Outcome::Failed;
    }
    DatabaseTransaction transaction(database());
    if (!transaction.begun()) {
        fail(QStringLiteral("The file could not be written"), transaction.lastError());
        return Outcome::Failed;
    }
    int affected = 0;
    {
        QSqlQuery q(database());
        if (!q.prepare(statement)) {
            fail(refused, q.lastError());
            return Outcome::Failed;
        }
        bindValues(q);
        q.addBindValue(idNumber);
        if (!q.exec()) {
            fail(refused, q.lastError());
            return Outcome::Failed;
        }
        affected = q.numRowsAffected();
    }
    if (affected == 0) {
        fail(noSuchRecord(idNumber));
        return Outcome::NotFound;
    }
    if (!transaction.commit()) {
        fail(notWritten, transaction.lastError());
        return Outcome::Failed;
    }
    return Outcome::Done;
}

DowsingStore::Outcome DowsingStore::find(qint64 idNumber, DowsingRecord& found) {
    if (!ensureOpen()) {
        return Outcome::Failed;
    }
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1 FROM Details WHERE IdNumber = ?").arg(DowsingSql::columnList()))) {
        fail(NotRead, q.lastError());
        return Outcome::Failed;
    }
    q.addBindValue(idNumber);
    if (!q.exec()) {
        fail(NotRead, q.lastError());
        return Outcome::Failed;
    }
    if (!q.next()) {
        if (q.lastError().isValid()) {
            fail(NotRead, q.lastError());
            return Outcome::Failed;
        }
        fail(noSuchRecord(idNumber));
        return Outcome::NotFound;
    }
    DowsingSql::read(q, found);
    return Outcome::Done;
}

StoreResult<QList<DowsingRecord>> DowsingStore::list() {
    return select(std::nullopt, false, 0, -1);
}

StoreResult<QList<DowsingRecord>> DowsingStore::list(qint64 offset, qint64 limit) {
    return select(std::nullopt, false, offset, limit);
}

StoreResult<QList<DowsingRecord>> DowsingStore::select(std::optional<qint64> bound, bool descending, qint64 offset,
                                                       qint64 limit) {
    if (!ensureOpen()) {
        return error_;
    }
    QSqlQuery q(database());
    q.setForwardOnly(true);
    QString where;
    if (bound) {
        where = descending ? QStringLiteral("WHERE IdNumber < ? ") : QStringLiteral("WHERE IdNumber > ? ");
    }
    if (!q.prepare(
            QStringLiteral("SELECT %1 FROM Details %2ORDER BY IdNumber %3 LIMIT ? OFFSET ?")
                .arg(DowsingSql::columnList(), where, descending ? QStringLiteral("DESC") : QStringLiteral("ASC")))) {
        return fail(NotRead, q.lastError());
    }
    if (bound) {
        q.addBindValue(*bound);
    }
    q.addBindValue(limit < 0 ? qint64(-1) : limit);
    q.addBindValue(offset < 0 ? qint64(0) : offset);
    if (!q.exec()) {
        return fail(NotRead, q.lastError());
    }
    QList<DowsingRecord> rows;
    while (q.next()) {
        DowsingSql::read(q, rows.emplace_back());
    }
    if (q.lastError().isValid()) {
        return fail(NotRead, q.lastError());
    }
    return rows;
}

StoreResult<qint64> DowsingStore::count() {
    if (!ensureOpen()) {
        return error_;
    }
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM Details")) || !q.next()) {
        return fail(NotRead, q.lastError());
    }
    return q.value(0).toLongLong();
}

StoreResult<QList<DowsingRecord>> DowsingStore::listFrom(std::optional<qint64> bound, bool descending, qint64 skip,
                                                         qint64 limit) {
    return select(bound, descending, skip, limit);
}
