#include "data/ServerCopy.h"

#include "core/Application.h"
#include "core/Services.h"
#include "data/DataCatalog.h"
#include "data/DataSource.h"
#include "data/ServerSchema.h"
#include "data/ServerSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace ServerCopy {

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(ServerCopy)
};

// A table of the files as the server keeps it: its file, its columns (the key last) and its key.
struct CopiedTable {
    QString file;
    QString table;
    QStringList columns;
};

QList<CopiedTable> copiedTables() {
    QList<CopiedTable> tables;
    for (const DataCatalog::File& file : DataCatalog::Files()) {
        for (const DataCatalog::Table& table : file.tables) {
            tables.append({file.fileName, table.name, table.columns});
        }
    }
    return tables;
}

// Rows are written a batch to a statement: a round trip to the server for each row would take minutes for a
// million.
constexpr int kBatch = 256;

QString insertOf(const CopiedTable& table, bool withKey, int rows) {
    const QStringList columns = withKey ? table.columns : table.columns.mid(0, table.columns.size() - 1);
    const QString row =
        QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table.table, columns.join(QLatin1Char(',')), QStringList(rows, row).join(QLatin1Char(',')));
}

QString why(const QString& what, const QSqlError& error) {
    return what + QStringLiteral(": ") + StoreError::fromSql({}, error).why;
}

QString schemaOf(const DataCatalog::File& file) {
    QFile schema(file.emptyFileSchema);
    return schema.open(QIODevice::ReadOnly) ? QString::fromUtf8(schema.readAll()) : QString();
}

StoreResult<QSqlDatabase> server() {
    const std::optional<SharedDatabase>& shared = CurrentServices().sharedDatabase;
    if (!shared) {
        return StoreError{StoreCause::Other, {}, Words::tr("Velloran uses the files on this computer"), {}};
    }
    return ServerSource::of(*shared).database(DatabaseBusyTimeoutMs);
}

} // namespace

StoreResult<qint64> RowsOnServer() {
    StoreResult<QSqlDatabase> db = server();
    if (!db) {
        return db.error();
    }
    QSqlQuery q(*db);
    if (!q.exec(QStringLiteral("SELECT coalesce(sum(rows), 0) FROM velloran_counts")) || !q.next()) {
        return StoreError::fromSql({}, q.lastError());
    }
    return q.value(0).toLongLong();
}

QString FilesToServer(const QString& folder, bool replace) {
    StoreResult<QSqlDatabase> db = server();
    if (!db) {
        return db.error().text();
    }
    // A whole database's rows, and the commit of all of them, may take longer than any call of a window.
    const ServerSource::LongCalls patient(ServerSource::of(*CurrentServices().sharedDatabase));
    DatabaseTransaction transaction(*db);
    QSqlQuery q(*db);
    QStringList first{QStringLiteral("SET LOCAL statement_timeout = 0"), ServerSchema::QuietlyStatement};
    if (replace) {
        // With what refers to them: the words the server keeps of each record.
        QStringList tables;
        for (const CopiedTable& table : copiedTables()) {
            tables << table.table;
        }
        first << QStringLiteral("TRUNCATE %1 CASCADE").arg(tables.join(QStringLiteral(", ")));
    }
    for (const QString& statement : first) {
        if (!transaction.begun() || !q.exec(statement)) {
            return why(Words::tr("The shared database could not be prepared"), q.lastError());
        }
    }
    for (const CopiedTable& table : copiedTables()) {
        const QString path = QDir(folder).filePath(table.file);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        DatabaseConnection file(path, DatabaseConnection::Access::Read);
        if (!file.isOpen()) {
            return file.error().text();
        }
        QSqlQuery read(file.database());
        read.setForwardOnly(true);
        if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                           .arg(table.columns.join(QLatin1Char(',')), table.table, table.columns.last()))) {
            return why(Words::tr("%1 could not be read").arg(table.file), read.lastError());
        }
        const int width = int(table.columns.size()) - (replace ? 0 : 1);
        QVariantList values;
        qint64 copied = 0;
        QSqlQuery batch(*db);
        const auto flush = [&](int rows) {
            if (rows == 0) {
                return true;
            }
            if (!batch.prepare(insertOf(table, replace, rows))) {
                return false;
            }
            for (const QVariant& value : values) {
                batch.addBindValue(value);
            }
            values.clear();
            return batch.exec();
        };
        while (read.next()) {
            for (int i = 0; i < width; ++i) {
                values << read.value(i);
            }
            if (++copied % kBatch == 0 && !flush(kBatch)) {
                return why(Words::tr("The shared database refused the rows of %1").arg(table.file), batch.lastError());
            }
        }
        if (read.lastError().isValid()) {
            return why(Words::tr("%1 could not be read").arg(table.file), read.lastError());
        }
        if (!flush(int(copied % kBatch))) {
            return why(Words::tr("The shared database refused the rows of %1").arg(table.file), batch.lastError());
        }
        batch.finish();
        read.finish();
    }
    // Numbers handed out from now on come after every number copied; then the counts, checked against the tables,
    // and one notice for every copy of the program that listens.
    QStringList last;
    for (const ServerSchema::KeptTable& table : ServerSchema::KeptTables()) {
        last << QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), coalesce((SELECT max(\"%2\") "
                               "FROM %1), 0) + 1, false)")
                    .arg(table.name, table.key);
    }
    last += ServerSchema::AfterQuietStatements();
    for (const QString& statement : last) {
        if (!q.exec(statement)) {
            return why(Words::tr("The copy could not be finished"), q.lastError());
        }
    }
    q.finish();
    if (!transaction.commit()) {
        return why(Words::tr("The copy could not be committed"), transaction.lastError());
    }
    DataSource::of(QString()).announce(DataChange{DataChange::Kind::Unknown, {}, 0, false});
    return {};
}

QString ServerToFiles(const QString& folder) {
    StoreResult<QSqlDatabase> db = server();
    if (!db) {
        return db.error().text();
    }
    const ServerSource::LongCalls patient(ServerSource::of(*CurrentServices().sharedDatabase));
    for (const DataCatalog::File& file : DataCatalog::Files()) {
        const QString path = QDir(folder).filePath(file.fileName);
        if (const StoreError made = CreateDatabase(path, schemaOf(file)); made.failed()) {
            return made.text();
        }
        // The clients' records are as private in a backup as in the user's own files.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
    // One snapshot for both files: the records and the diary of one moment, whatever is committed meanwhile.
    DatabaseTransaction transaction(*db);
    QSqlQuery q(*db);
    if (!transaction.begun() || !q.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY")) ||
        !q.exec(QStringLiteral("SET LOCAL statement_timeout = 0"))) {
        return why(Words::tr("The shared database could not be read"), q.lastError());
    }
    for (const CopiedTable& table : copiedTables()) {
        DatabaseConnection file(QDir(folder).filePath(table.file), DatabaseConnection::Access::Write);
        if (!file.isOpen()) {
            return file.error().text();
        }
        DatabaseTransaction writing(file.database());
        QSqlQuery write(file.database());
        if (!write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table.table, table.columns.join(QLatin1Char(',')),
                                    QStringList(table.columns.size(), QStringLiteral("?")).join(QLatin1Char(','))))) {
            return why(table.file, write.lastError());
        }
        QSqlQuery read(*db);
        read.setForwardOnly(true);
        if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                           .arg(table.columns.join(QLatin1Char(',')), table.table, table.columns.last()))) {
            return why(Words::tr("The shared database could not be read"), read.lastError());
        }
        while (read.next()) {
            for (int i = 0; i < table.columns.size(); ++i) {
                write.addBindValue(read.value(i));
            }
            if (!write.exec()) {
                return why(table.file, write.lastError());
            }
        }
        write.finish();
        if (read.lastError().isValid()) {
            return why(Words::tr("The shared database could not be read"), read.lastError());
        }
        if (!writing.commit()) {
            return why(table.file, writing.lastError());
        }
    }
    return {};
}

} // namespace ServerCopy
