#include "core/Application.h"

#include "core/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ApplicationFolder() {
    const QString& chosen = CurrentServices().applicationFolder;
    return chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
}

void SetApplicationFolder(const QString& folder) {
    CurrentServices().applicationFolder = folder;
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
