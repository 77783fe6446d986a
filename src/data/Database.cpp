#include "data/Database.h"

#include "data/SqlDialect.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <sqlite3.h>

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Database)
};

const QString Driver = QStringLiteral("QSQLITE");

QString nextConnectionName() {
    static QAtomicInteger<quint64> serial;
    return QStringLiteral("velloran.db.%1").arg(serial.fetchAndAddRelaxed(1));
}

// SQLite's primary result codes, as the Qt driver reports them in nativeErrorCode().
StoreCause causeOfCode(int code) {
    switch (code & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return StoreCause::Locked;
    case 3: // SQLITE_PERM
    case 8: // SQLITE_READONLY
        return StoreCause::ReadOnly;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return StoreCause::Damaged;
    case 13: // SQLITE_FULL
        return StoreCause::DiskFull;
    case 14: // SQLITE_CANTOPEN
        return StoreCause::Missing;
    default:
        return StoreCause::Other;
    }
}

// PostgreSQL's SQLSTATE classes, as its driver reports them in nativeErrorCode() (five characters; SQLite's codes
// have at most four digits).
StoreCause causeOfState(const QString& state) {
    const QStringView type = QStringView(state).left(2);
    if (state == QLatin1String("55P03") || state == QLatin1String("57014") || state == QLatin1String("40001") ||
        state == QLatin1String("40P01")) {
        return StoreCause::Locked; // a lock, a statement timeout, a serialisation failure or a deadlock
    }
    if (type == QLatin1String("08") || state == QLatin1String("57P01") || state == QLatin1String("57P02") ||
        state == QLatin1String("57P03")) {
        return StoreCause::Unreachable; // the connection, or the server shutting down or starting
    }
    if (type == QLatin1String("28")) {
        return StoreCause::Denied;
    }
    if (state == QLatin1String("42501") || state == QLatin1String("25006")) {
        return StoreCause::ReadOnly;
    }
    if (state == QLatin1String("53100")) {
        return StoreCause::DiskFull;
    }
    if (state == QLatin1String("42P01") || state == QLatin1String("42703") || type == QLatin1String("XX")) {
        return StoreCause::Damaged;
    }
    return StoreCause::Other;
}

StoreCause causeOf(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (code.size() == 5) {
        return causeOfState(code);
    }
    bool number = false;
    const int value = code.toInt(&number);
    return number ? causeOfCode(value) : StoreCause::Other;
}

// PostgreSQL's client words a refusal over several lines, its hints indented with tabs; a message box reads better
// with one paragraph, each line a sentence of it.
QString oneParagraph(const QString& text) {
    QStringList sentences;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString sentence = line.simplified();
        if (sentence.isEmpty()) {
            continue;
        }
        if (!sentences.isEmpty() && !QStringLiteral(".:;?!").contains(sentences.constLast().back())) {
            sentences.last() += QLatin1Char('.');
        }
        sentences << sentence;
    }
    return sentences.join(QLatin1Char(' '));
}

QString reasonOf(const QSqlError& error) {
    const QString database = oneParagraph(error.databaseText());
    const QString text = database.isEmpty() ? oneParagraph(error.text()) : database;
    return text.isEmpty() ? Words::tr("unknown error") : text;
}

} // namespace

StoreError StoreError::fromSql(const QString& what, const QSqlError& error) {
    return {causeOf(error), what, reasonOf(error), {}};
}

QString StoreError::text() const {
    if (!server.isEmpty() && !why.isEmpty()) {
        return serverText();
    }
    if (file.isEmpty() || why.isEmpty()) {
        return why.isEmpty() ? what : what + QStringLiteral(": ") + why;
    }
    const QString name = QDir::toNativeSeparators(file);
    QString words;
    switch (cause) {
    case StoreCause::Missing:
        words = Words::tr("the file %1 is missing").arg(name);
        break;
    case StoreCause::Locked:
        words = Words::tr("the file %1 is in use by another program").arg(name);
        break;
    case StoreCause::ReadOnly:
        words = Words::tr("the file %1 or its folder is read-only").arg(name);
        break;
    case StoreCause::Damaged:
        words = Words::tr("the file %1 is damaged (%2)").arg(name, why);
        break;
    case StoreCause::DiskFull:
        words = Words::tr("the disk that holds %1 is full").arg(name);
        break;
    case StoreCause::None:
    case StoreCause::NoSuchRow:
    case StoreCause::Unreachable:
    case StoreCause::Denied:
    case StoreCause::Changed:
    case StoreCause::Unknown:
    case StoreCause::Other:
        words = QStringLiteral("%1 (%2)").arg(why, name);
        break;
    }
    return what.isEmpty() ? words : what + QStringLiteral(": ") + words;
}

QString StoreError::serverText() const {
    QString words;
    switch (cause) {
    case StoreCause::Unreachable:
        words = Words::tr("the server %1 cannot be reached (%2)").arg(server, why);
        break;
    case StoreCause::Unknown:
        words = Words::tr("the connection to the server %1 was lost before it answered (%2)").arg(server, why);
        break;
    case StoreCause::Denied:
        words = Words::tr("the server %1 refused the connection (%2)").arg(server, why);
        break;
    case StoreCause::Locked:
        words = Words::tr("the record is in use by another user of the server %1 (%2)").arg(server, why);
        break;
    case StoreCause::ReadOnly:
        words = Words::tr("the server %1 does not let this user change the records (%2)").arg(server, why);
        break;
    case StoreCause::Damaged:
    case StoreCause::Missing:
        words = Words::tr("the database %1 does not hold Velloran's tables (%2)").arg(server, why);
        break;
    case StoreCause::DiskFull:
        words = Words::tr("the disk of the server %1 is full").arg(server);
        break;
    case StoreCause::None:
    case StoreCause::NoSuchRow:
    case StoreCause::Changed:
    case StoreCause::Other:
        words = QStringLiteral("%1 (%2)").arg(why, server);
        break;
    }
    return what.isEmpty() ? words : what + QStringLiteral(": ") + words;
}

DatabaseConnection::DatabaseConnection(const QString& path, Access access, int busyTimeoutMs)
    : name_(nextConnectionName()) {
    if (!QSqlDatabase::isDriverAvailable(Driver)) {
        error_ = {StoreCause::Other, {}, Words::tr("the SQLite driver of Qt is not installed"), {}};
        return;
    }
    const QFileInfo info(path);
    if (!info.isFile()) {
        error_ = {
            StoreCause::Missing, {}, Words::tr("the file %1 does not exist").arg(QDir::toNativeSeparators(path)), path};
        return;
    }
    if (access == Access::Read) {
        if (StoreError rolledBack = RollBackInterruptedChange(info.absoluteFilePath()); rolledBack.failed()) {
            error_ = std::move(rolledBack);
            return;
        }
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(Driver, name_);
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setQuery(access == Access::Read ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1%2")
                             .arg(QString::number(busyTimeoutMs),
                                  access == Access::Read ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    if (!db.open()) {
        error_ = StoreError::fromSql({}, db.lastError());
        error_.file = path;
        return;
    }
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"))) {
        error_ = StoreError::fromSql({}, pragma.lastError());
        error_.file = path;
    }
}

StoreError RollBackInterruptedChange(const QString& path) {
    if (!QFileInfo::exists(path + QStringLiteral("-journal"))) {
        return {};
    }
    // Opened for writing, a connection rolls a journal left by a crash back as it first reads; a file that cannot be
    // opened so (a read-only folder) keeps the journal, and with it SQLite refuses every reader.
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, DatabaseBusyTimeoutMs);
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    const QString why = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
    sqlite3_close_v2(db);
    if (rc == SQLITE_OK) {
        return {};
    }
    StoreCause cause = causeOfCode(rc);
    if (cause == StoreCause::Missing || cause == StoreCause::Other) {
        cause = StoreCause::ReadOnly;
    }
    return {cause, {}, why, path};
}

DatabaseConnection::~DatabaseConnection() {
    if (!QSqlDatabase::contains(name_)) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

std::optional<quint32> ChangeCounter(const QSqlDatabase& db, const QString& schema) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return std::nullopt;
    }
    sqlite3_file* file = nullptr;
    unsigned char bytes[4] = {};
    if (sqlite3_file_control(*static_cast<sqlite3* const*>(handle.constData()), schema.toUtf8().constData(),
                             SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        !file || !file->pMethods || file->pMethods->xRead(file, bytes, 4, 24) != SQLITE_OK) {
        return std::nullopt;
    }
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

bool SetBusyTimeout(const QSqlDatabase& db, int milliseconds) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return false;
    }
    return sqlite3_busy_timeout(*static_cast<sqlite3* const*>(handle.constData()), milliseconds) == SQLITE_OK;
}

DatabaseTransaction::DatabaseTransaction(const QSqlDatabase& database) : database_(database) {
    // FULL syncs the file at each commit but not the folder once the journal is deleted, so that after a power cut
    // the journal may be back and undo a change the user was told was saved; EXTRA syncs the folder too. Set here,
    // where every change begins, since SQLite must read the file to take it (a lock or a damaged file would refuse
    // it at the opening, and the connection stay without it).
    // A server makes its own commits last.
    if (database_.driverName() == Driver) {
        QSqlQuery(database_).exec(QStringLiteral("PRAGMA synchronous = EXTRA"));
    }
    open_ = database_.transaction();
}

DatabaseTransaction::~DatabaseTransaction() {
    if (open_) {
        database_.rollback();
    }
}

bool DatabaseTransaction::commit() {
    if (!open_) {
        return false;
    }
    if (!database_.commit()) {
        return false; // still open: the destructor rolls it back
    }
    open_ = false;
    return true;
}

QSqlError DatabaseTransaction::lastError() const {
    return database_.lastError();
}

QString KeptRow::text(const QString& column) const {
    const qsizetype at = columns.indexOf(column);
    if (at < 0) {
        return {};
    }
    const QVariant& value = values.at(at);
    return types.at(at) == QLatin1String("text") ? QString::fromUtf8(value.toByteArray()) : value.toString();
}

// A file's row is read by SQLite's type of each value and a text as its very bytes (read as text, bytes that are no
// UTF-8 would come back changed), with every column the file has, another program's own included. On the server a
// value keeps its type and a text is always UTF-8: the row is read as it is, under the names the server gave its
// table and columns when it made them (unquoted names folded to lower case).
StoreResult<KeptRow> TakeRowOut(const QSqlDatabase& db, const QString& table, const QString& keyColumn, qint64 key,
                                const QString& what, const QString& unchanged, const QList<QVariant>& unchangedValues) {
    const bool server = SqlDialect::of(db).onServer();
    KeptRow row{server ? table.toLower() : table, keyColumn, key, {}, {}, {}};
    QSqlQuery query(db);
    const QString columnsOfTable =
        server ? QStringLiteral("SELECT column_name FROM information_schema.columns WHERE table_schema = "
                                "current_schema() AND table_name = ? ORDER BY ordinal_position")
               : QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid");
    if (!RunPrepared(query, columnsOfTable, {row.table})) {
        return StoreError::fromSql(what, query.lastError());
    }
    while (query.next()) {
        if (const QString column = query.value(0).toString(); column.compare(keyColumn, Qt::CaseInsensitive) == 0) {
            row.keyColumn = column;
        } else {
            row.columns << column;
        }
    }
    query.finish();
    QStringList read;
    for (const QString& column : std::as_const(row.columns)) {
        read << (server ? SqlDialect::quotedName(column)
                        : QStringLiteral("typeof(%1), CASE typeof(%1) WHEN 'text' THEN CAST(%1 AS BLOB) ELSE %1 END")
                              .arg(SqlDialect::quotedName(column)));
    }
    if (!RunPrepared(query,
                     QStringLiteral("DELETE FROM %1 WHERE %2 = ?%3 RETURNING %4")
                         .arg(SqlDialect::quotedName(row.table), SqlDialect::quotedName(row.keyColumn), unchanged,
                              read.join(QStringLiteral(", "))),
                     QList<QVariant>{key} + unchangedValues)) {
        return StoreError::fromSql(what, query.lastError());
    }
    if (!query.next()) {
        if (query.lastError().isValid()) {
            return StoreError::fromSql(what, query.lastError());
        }
        return StoreError{StoreCause::NoSuchRow, what, Words::tr("the row was removed meanwhile"), {}};
    }
    for (int i = 0; i < row.columns.size(); ++i) {
        row.types << (server ? QStringLiteral("server") : query.value(2 * i).toString());
        row.values << query.value(server ? i : 2 * i + 1);
    }
    query.finish();
    return row;
}

StoreResult<RowPutBack> PutRowBack(const QSqlDatabase& db, const KeptRow& row, const QString& what) {
    QSqlQuery query(db);
    // A row the server keeps under its add's key is back already when that key is there: put back before its answer
    // was lost.
    if (const qsizetype keyAt = row.columns.indexOf(QStringLiteral("velloran_key"));
        keyAt >= 0 && !row.values.at(keyAt).isNull() && SqlDialect::of(db).onServer()) {
        if (!RunPrepared(query,
                         QStringLiteral("SELECT %2 FROM %1 WHERE velloran_key = ?")
                             .arg(SqlDialect::quotedName(row.table), SqlDialect::quotedName(row.keyColumn)),
                         {row.values.at(keyAt)})) {
            return StoreError::fromSql(what, query.lastError());
        }
        if (query.next()) {
            return RowPutBack{query.value(0).toLongLong(), query.value(0).toLongLong() == row.key};
        }
        query.finish();
    }
    if (!RunPrepared(query,
                     QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?")
                         .arg(SqlDialect::quotedName(row.table), SqlDialect::quotedName(row.keyColumn)),
                     {row.key})) {
        return StoreError::fromSql(what, query.lastError());
    }
    const bool taken = query.next();
    query.finish();
    QStringList columns;
    QStringList values;
    QVariantList bound;
    for (int i = 0; i < row.columns.size(); ++i) {
        columns << SqlDialect::quotedName(row.columns.at(i));
        const QString& type = row.types.at(i);
        QVariant value = row.values.at(i);
        if (type == QLatin1String("server")) {
            values << QStringLiteral("?");
            bound << value;
            continue;
        }
        values << QStringLiteral("CASE ? WHEN 'text' THEN CAST(? AS TEXT) ELSE ? END");
        // An empty text or blob reads back as a null byte array, which would be bound as NULL.
        if (type == QLatin1String("text") && value.toByteArray().isEmpty()) {
            value = QStringLiteral("");
        } else if (type == QLatin1String("blob") && value.toByteArray().isEmpty()) {
            value = QByteArray("");
        }
        bound << type << value << value;
    }
    if (!taken) {
        columns << SqlDialect::quotedName(row.keyColumn);
        values << QStringLiteral("?");
        bound << row.key;
    }
    if (!RunPrepared(query,
                     QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                         .arg(SqlDialect::quotedName(row.table), columns.join(QStringLiteral(", ")),
                              values.join(QStringLiteral(", ")), SqlDialect::quotedName(row.keyColumn)),
                     bound) ||
        !query.next()) {
        return StoreError::fromSql(what, query.lastError());
    }
    return RowPutBack{query.value(0).toLongLong(), !taken};
}

StoreResult<RowNow> LookAtRow(const QSqlDatabase& db, const QString& table, const QString& keySql, qint64 key,
                              const QString& holds, const QList<QVariant>& values, const QString& what) {
    QSqlQuery there(db);
    if (!RunPrepared(there,
                     QStringLiteral("SELECT CASE WHEN 1 = 1%1 THEN 1 ELSE 0 END FROM %2 WHERE %3 = ?")
                         .arg(holds.isEmpty() ? QStringLiteral(" AND 1 = 0") : holds, table, keySql),
                     values + QList<QVariant>{key})) {
        return StoreError::fromSql(what, there.lastError());
    }
    if (!there.next()) {
        if (there.lastError().isValid()) {
            return StoreError::fromSql(what, there.lastError());
        }
        return RowNow::Gone;
    }
    return there.value(0).toInt() == 1 ? RowNow::Holds : RowNow::Differs;
}

bool RunPrepared(QSqlQuery& query, const QString& sql, const QList<QVariant>& values) {
    if (!query.prepare(sql)) {
        return false;
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    return query.exec();
}

StoreError CreateDatabase(const QString& path, const QString& schemaSql) {
    const QString what = Words::tr("The database %1 could not be made").arg(QDir::toNativeSeparators(path));
    if (QFileInfo::exists(path)) {
        return {StoreCause::Other, what, Words::tr("the file already exists"), {}};
    }
    // Built under another name and renamed when whole, so an interrupted build never leaves half a schema.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    const QString name = nextConnectionName();
    StoreError failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(Driver, name);
        db.setDatabaseName(part);
        if (!db.open()) {
            failure = StoreError::fromSql(what, db.lastError());
        } else {
            DatabaseTransaction transaction(db);
            QSqlQuery query(db);
            QString statement;
            for (const QString& line : schemaSql.split(QLatin1Char('\n'))) {
                const QString trimmed = line.trimmed();
                if (trimmed.isEmpty() || trimmed.startsWith(QStringLiteral("--"))) {
                    continue;
                }
                statement += line + QLatin1Char('\n');
                if (trimmed.endsWith(QLatin1Char(';'))) {
                    if (!query.exec(statement)) {
                        failure = StoreError::fromSql(what, query.lastError());
                        break;
                    }
                    statement.clear();
                }
            }
            query.finish();
            if (!failure.failed() && !statement.trimmed().isEmpty()) {
                failure = {StoreCause::Other, what, Words::tr("the schema ends inside a statement"), {}};
            }
            if (!failure.failed() && !transaction.commit()) {
                failure = StoreError::fromSql(what, transaction.lastError());
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.failed() && !QFile::rename(part, path)) {
        failure = {StoreCause::Other, what, Words::tr("the finished file could not be moved into place"), {}};
    }
    if (failure.failed()) {
        QFile::remove(part);
    }
    return failure;
}
