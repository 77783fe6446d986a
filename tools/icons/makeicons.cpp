// velloran_makeicons FOLDER
// Writes the desktop icon into FOLDER as the icon theme wants it: scalable/apps/<id>.svg and
// <n>x<n>/apps/<id>.png, drawn by the program's own painter code.
#include "ui/Pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velloran_makeicons FOLDER APP_ID\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString id = QString::fromLocal8Bit(argv[2]);
    if (!folder.mkpath(QStringLiteral("scalable/apps"))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.filePath(QStringLiteral("scalable/apps"))));
        return 1;
    }
    QFile svg(folder.filePath(QStringLiteral("scalable/apps/%1.svg").arg(id)));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) || svg.write(Pictures::DesktopIconSvg()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int size : Pictures::DesktopIconSizes) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = folder.filePath(QStringLiteral("%1/%2.png").arg(sub, id));
        if (!folder.mkpath(sub) || !Pictures::DesktopIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
