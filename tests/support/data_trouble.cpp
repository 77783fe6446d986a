// data_trouble OPERATION ARGUMENTS...: one of the program's file operations, run as the program runs it in a process
// of its own (under strace, which kills it or refuses a call where a test wants it); prints what it said, nothing
// for success. restore BACKUP DATA | automatic DATA WHEN | backup DATA PARENT WHEN | change DB SQL | read DB | whole
// PATH TEXT
#include "data/DataBackup.h"
#include "data/Database.h"
#include "data/WholeFile.h"
#include "support/TestDataFiles.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DescribeTestDataFiles();
    const QStringList a = app.arguments().mid(1);
    const QString op = a.value(0);
    QString said;
    if (op == QLatin1String("restore")) {
        said = DataBackup::Restore(a[1], a[2], QDateTime::currentDateTime()).error;
    } else if (op == QLatin1String("automatic")) {
        said = DataBackup::MakeAutomatic(a[1], QDateTime::fromString(a[2], Qt::ISODate)).error;
    } else if (op == QLatin1String("backup")) {
        said = DataBackup::Make(a[1], a[2], QDateTime::fromString(a[3], Qt::ISODate)).error;
    } else if (op == QLatin1String("change") || op == QLatin1String("read")) {
        DatabaseConnection connection(a[1], op == QLatin1String("read") ? DatabaseConnection::Access::Read
                                                                        : DatabaseConnection::Access::Write);
        DatabaseTransaction transaction(connection.database());
        QSqlQuery query(connection.database());
        if (!connection.isOpen() || !query.exec(a.value(2, QStringLiteral("SELECT count(*) FROM sqlite_master"))) ||
            !(query.finish(), transaction.commit())) {
            said = connection.isOpen() ? query.lastError().text() : connection.error().text();
        }
    } else if (op == QLatin1String("whole")) {
        said = WriteFileWhole(a[1], a[2].toUtf8());
    }
    std::fputs(said.toLocal8Bit().constData(), stdout);
    return 0;
}
