// velloran_makedb SCHEMA.sql DATABASE
// Creates DATABASE from the statements in SCHEMA.sql unless DATABASE already exists.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velloran_makedb SCHEMA.sql DATABASE\n");
        return 2;
    }
    const QString schemaPath = args.at(1);
    const QString dbPath = args.at(2);
    if (QFileInfo::exists(dbPath)) {
        return 0;
    }
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(schemaPath));
        return 1;
    }
    const QString sql = QString::fromUtf8(schema.readAll());
    const QString tmpPath = dbPath + ".part";
    QFile::remove(tmpPath);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "makedb");
        db.setDatabaseName(tmpPath);
        if (!db.open()) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(tmpPath), qPrintable(db.lastError().text()));
            return 1;
        }
        // Statements are separated by semicolons at line ends; comments start with "--".
        QString statement;
        const QStringList lines = sql.split('\n');
        for (const QString& line : lines) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith("--") || trimmed.isEmpty()) {
                continue;
            }
            statement += line + '\n';
            if (trimmed.endsWith(';')) {
                QSqlQuery q(db);
                if (!q.exec(statement)) {
                    std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(q.lastError().text()));
                    ok = false;
                    break;
                }
                statement.clear();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("makedb");
    if (!ok) {
        QFile::remove(tmpPath);
        return 1;
    }
    // Appear whole or not at all, so an interrupted build never leaves half a schema behind.
    if (!QFile::rename(tmpPath, dbPath)) {
        QFile::remove(tmpPath);
        return QFileInfo::exists(dbPath) ? 0 : 1;
    }
    return 0;
}
