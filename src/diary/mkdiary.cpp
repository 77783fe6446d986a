// Build helper: makes an empty diary.dll from the schema when none exists. It never touches a file that is
// already there, so a diary kept next to a development build survives every rebuild.
#include "DiaryStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: velloran_mkdiary SCHEMA.sql TARGET/diary.dll\n";
        return 2;
    }
    const QString target = args.at(2);
    if (QFileInfo::exists(target)) {
        return 0;
    }
    QFile schema(args.at(1));
    if (!schema.open(QIODevice::ReadOnly)) {
        err << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    QString error;
    if (!DiaryStore::createDatabase(target, QString::fromUtf8(schema.readAll()), &error)) {
        err << "cannot make " << target << ": " << error << "\n";
        return 1;
    }
    return 0;
}
