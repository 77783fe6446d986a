#include "dowsing/DowsingStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <functional>
#include <optional>
#include <qplatformdefs.h>
#include <utility>

namespace {

const QString kColumns = QStringLiteral("Date, Name, Address, City, State, Pin, Phone_No, Email, "
                                        "Time_Dowsing_Occured, Dowsing_Tool, Item_Dowsing_For, "
                                        "Location_Dowsing_Occured, Notes, IdNumber");

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

void bindColumns(QSqlQuery& q, const DowsingRecord& r) {
    q.addBindValue(isoDate(r.Date));
    q.addBindValue(text(r.Name));
    q.addBindValue(text(r.Address));
    q.addBindValue(text(r.City));
    q.addBindValue(text(r.State));
    q.addBindValue(text(r.Pin));
    q.addBindValue(text(r.Phone_No));
    q.addBindValue(text(r.Email));
    q.addBindValue(text(r.Time_Dowsing_Occured));
    q.addBindValue(text(r.Dowsing_Tool));
    q.addBindValue(text(r.Item_Dowsing_For));
    q.addBindValue(text(r.Location_Dowsing_Occured));
    q.addBindValue(text(r.Notes));
}

void readRow(const QSqlQuery& q, DowsingRecord& r) {
    r.Date = parseIsoDate(q.value(0).toString());
    r.Name = q.value(1).toString();
    r.Address = q.value(2).toString();
    r.City = q.value(3).toString();
    r.State = q.value(4).toString();
    r.Pin = q.value(5).toString();
    r.Phone_No = q.value(6).toString();
    r.Email = q.value(7).toString();
    r.Time_Dowsing_Occured = q.value(8).toString();
    r.Dowsing_Tool = q.value(9).toString();
    r.Item_Dowsing_For = q.value(10).toString();
    r.Location_Dowsing_Occured = q.value(11).toString();
    r.Notes = q.value(12).toString();
    r.IdNumber = q.value(13).toLongLong();
}

QString nextConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("velloran.dowsing.%1").arg(++counter);
}

} // namespace

QString DowsingStore::filePathIn(const QString& folder) {
    return QDir(folder).filePath(QString::fromLatin1(FileName));
}

DowsingStore::DowsingStore(QString filePath) : m_filePath(std::move(filePath)) {}

DowsingStore::~DowsingStore() {
    close();
}

void DowsingStore::setBusyTimeout(int milliseconds) {
    m_busyTimeout = milliseconds;
}

bool DowsingStore::fail(const QString& what, const QString& why) {
    m_cause = StoreCause::Other;
    m_lastError = why.isEmpty() ? what : what + QStringLiteral(": ") + why;
    return false;
}

bool DowsingStore::fail(const QString& what, StoreCause cause, const QString& detail) {
    m_cause = cause;
    m_lastError = what + QStringLiteral(": ") + StoreCauseText(cause, m_filePath, detail);
    return false;
}

bool DowsingStore::fail(const QString& what, const QSqlError& error) {
    return fail(what, StoreCauseOf(error), StoreErrorDetail(error));
}

bool DowsingStore::open() {
    close();
    m_lastError.clear();
    m_cause = StoreCause::None;
    const QString what = QStringLiteral("The dowsing records could not be opened");
    // Opening a missing path would make SQLite create an empty file there;
    // the program only ever opens the file it was installed with.
    if (!QFileInfo(m_filePath).isFile()) {
        return fail(what, StoreCause::Missing);
    }
    m_connectionName = nextConnectionName();
    m_openedIdentity = fileIdentity();
    std::optional<QSqlError> error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(m_filePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeout));
        if (!db.open()) {
            error = db.lastError();
        } else {
            // A file that is not a database, or lacks the table, fails only at
            // the first statement; find that out now rather than at a save.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT %1 FROM Details LIMIT 0").arg(kColumns))) {
                error = probe.lastError();
            }
        }
    }
    if (error) {
        close();
        return fail(what, *error);
    }
    if (!checkKeyColumn()) {
        const QString why = m_lastError;
        const StoreCause cause = m_cause;
        close();
        m_lastError = why;
        m_cause = cause;
        return false;
    }
    return true;
}

// Rows get their IdNumber from the file only when the column is the table's integer key (an alias of SQLite's
// row number). A converted or older file may have a plain column instead: every added record would then
// carry no number and could be neither changed nor removed, so such a file is refused.
bool DowsingStore::checkKeyColumn() {
    QSqlQuery info(database());
    if (!info.exec(QStringLiteral("PRAGMA table_info(Details)"))) {
        return fail(QStringLiteral("The dowsing records could not be opened"), info.lastError());
    }
    int keys = 0;
    bool numbered = false;
    while (info.next()) {
        const int key = info.value(5).toInt();
        keys += key > 0 ? 1 : 0;
        if (key == 1 && info.value(1).toString() == QLatin1String("IdNumber") &&
            info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
            numbered = true;
        }
    }
    if (numbered && keys == 1) {
        return true;
    }
    m_cause = StoreCause::Damaged;
    m_lastError = QStringLiteral("The dowsing records could not be opened: the file %1 does not number its records "
                                 "itself (its IdNumber column is no automatic key), so a record added to it could "
                                 "be neither changed nor removed. It may come from an older or converted file.")
                      .arg(QDir::toNativeSeparators(m_filePath));
    return false;
}

QByteArray DowsingStore::fileIdentity() const {
    QT_STATBUF status;
    if (QT_STAT(QFile::encodeName(m_filePath).constData(), &status) != 0) {
        return {};
    }
    return QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

bool DowsingStore::isOpen() const {
    return !m_connectionName.isEmpty() && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void DowsingStore::close() {
    m_insert.reset();
    if (m_connectionName.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen()) {
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

QSqlDatabase DowsingStore::database() const {
    return m_connectionName.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(m_connectionName, false);
}

bool DowsingStore::ensureOpen() {
    m_lastError.clear();
    m_cause = StoreCause::None;
    // A restore or a sync tool that puts another file in place by rename leaves an open connection on the old
    // one, which then refuses every write; the file the user now has is the one to go on with.
    if (isOpen() && fileIdentity() != m_openedIdentity) {
        open();
    }
    if (isOpen()) {
        return true;
    }
    if (!m_lastError.isEmpty()) {
        return false;
    }
    return fail(QStringLiteral("The dowsing records could not be opened"), StoreCause::Missing);
}

std::optional<qint64> DowsingStore::add(const DowsingRecord& record) {
    if (!ensureOpen()) {
        return std::nullopt;
    }
    QSqlDatabase db = database();
    if (!m_insert) {
        m_insert = std::make_unique<QSqlQuery>(db);
        if (!m_insert->prepare(QStringLiteral("INSERT INTO Details (Date, Name, Address, City, State, Pin, Phone_No, "
                                              "Email, Time_Dowsing_Occured, Dowsing_Tool, Item_Dowsing_For, "
                                              "Location_Dowsing_Occured, Notes) "
                                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
            const QSqlError why = m_insert->lastError();
            m_insert.reset();
            fail(QStringLiteral("The record could not be prepared"), why);
            return std::nullopt;
        }
    }
    if (!db.transaction()) {
        fail(QStringLiteral("The file could not be written"), db.lastError());
        return std::nullopt;
    }
    bindColumns(*m_insert, record);
    if (!m_insert->exec()) {
        const QSqlError why = m_insert->lastError();
        m_insert->finish();
        db.rollback();
        fail(QStringLiteral("The file refused the record"), why);
        return std::nullopt;
    }
    const qint64 id = m_insert->lastInsertId().toLongLong();
    m_insert->finish();
    if (!db.commit()) {
        const QSqlError why = db.lastError();
        db.rollback();
        fail(QStringLiteral("The record could not be written to the file"), why);
        return std::nullopt;
    }
    return id;
}

DowsingStore::Outcome DowsingStore::change(const DowsingRecord& record) {
    return writeOneRow(
        QStringLiteral("UPDATE Details SET Date = ?, Name = ?, Address = ?, City = ?, State = ?, Pin = ?, "
                       "Phone_No = ?, Email = ?, Time_Dowsing_Occured = ?, Dowsing_Tool = ?, "
                       "Item_Dowsing_For = ?, Location_Dowsing_Occured = ?, Notes = ? WHERE IdNumber = ?"),
        record.IdNumber, [&record](QSqlQuery& q) { bindColumns(q, record); },
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
    QSqlDatabase db = database();
    if (!db.transaction()) {
        fail(QStringLiteral("The file could not be written"), db.lastError());
        return Outcome::Failed;
    }
    QSqlQuery q(db);
    q.prepare(statement);
    bindValues(q);
    q.addBindValue(idNumber);
    if (!q.exec()) {
        const QSqlError why = q.lastError();
        q.finish();
        db.rollback();
        fail(refused, why);
        return Outcome::Failed;
    }
    const int affected = q.numRowsAffected();
    q.finish();
    if (affected == 0) {
        db.rollback();
        fail(QStringLiteral("No record has the number %1").arg(idNumber), QString());
        return Outcome::NotFound;
    }
    if (!db.commit()) {
        const QSqlError why = db.lastError();
        db.rollback();
        fail(notWritten, why);
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
    q.prepare(QStringLiteral("SELECT %1 FROM Details WHERE IdNumber = ?").arg(kColumns));
    q.addBindValue(idNumber);
    if (!q.exec()) {
        fail(QStringLiteral("The file could not be read"), q.lastError());
        return Outcome::Failed;
    }
    if (!q.next()) {
        if (q.lastError().isValid()) {
            fail(QStringLiteral("The file could not be read"), q.lastError());
            return Outcome::Failed;
        }
        fail(QStringLiteral("No record has the number %1").arg(idNumber), QString());
        return Outcome::NotFound;
    }
    readRow(q, found);
    return Outcome::Done;
}

std::optional<QList<DowsingRecord>> DowsingStore::list() {
    return select(0, -1);
}

std::optional<QList<DowsingRecord>> DowsingStore::list(qint64 offset, qint64 limit) {
    return select(offset, limit);
}

std::optional<QList<DowsingRecord>> DowsingStore::select(qint64 offset, qint64 limit) {
    if (!ensureOpen()) {
        return std::nullopt;
    }
    QSqlQuery q(database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM Details ORDER BY IdNumber LIMIT ? OFFSET ?").arg(kColumns));
    q.addBindValue(limit < 0 ? qint64(-1) : limit);
    q.addBindValue(offset < 0 ? qint64(0) : offset);
    if (!q.exec()) {
        fail(QStringLiteral("The file could not be read"), q.lastError());
        return std::nullopt;
    }
    QList<DowsingRecord> rows;
    while (q.next()) {
        readRow(q, rows.emplace_back());
    }
    if (q.lastError().isValid()) {
        fail(QStringLiteral("The file could not be read"), q.lastError());
        return std::nullopt;
    }
    return rows;
}

std::optional<qint64> DowsingStore::count() {
    if (!ensureOpen()) {
        return std::nullopt;
    }
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM Details")) || !q.next()) {
        fail(QStringLiteral("The file could not be read"), q.lastError());
        return std::nullopt;
    }
    return q.value(0).toLongLong();
}
