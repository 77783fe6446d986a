#include "common/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString ApplicationFolder() {
    if (!folderOverride().isEmpty()) {
        return folderOverride();
    }
    return QCoreApplication::applicationDirPath();
}

void SetApplicationFolder(const QString& folder) {
    folderOverride() = folder;
}

QString ApplicationFile(const QString& fileName) {
    return QDir(ApplicationFolder()).filePath(fileName);
}

QString ApplicationTitle() {
    return QStringLiteral("Velloran");
}

QString ExecutableName() {
    const QString path = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(path).completeBaseName();
    return name.isEmpty() ? QStringLiteral("velloran") : name;
}
