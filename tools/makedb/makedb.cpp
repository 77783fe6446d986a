// velloran_makedb SCHEMA.sql DATABASE
// Creates DATABASE from the statements in SCHEMA.sql unless DATABASE already exists.
#include "data/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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
    const StoreError error = CreateDatabase(dbPath, QString::fromUtf8(schema.readAll()));
    // Another build step may have made the same file meanwhile; what counts is that it is there.
    if (error.failed() && !QFileInfo::exists(dbPath)) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
