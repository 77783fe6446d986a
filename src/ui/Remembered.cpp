#include "ui/Remembered.h"

#include "core/Application.h"
#include "core/Services.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace Remembered {

namespace {
const QString kLastFolder = QStringLiteral("Folders/LastUsed");

QString windowKey(const QString& key, const char* what) {
    return QStringLiteral("Windows/%1/%2").arg(key, QLatin1String(what));
}
} // namespace

QVariant Value(const QString& key, const QVariant& fallback) {
    const QSettings settings(ExecutableName(), ExecutableName());
    return settings.value(key, fallback);
}

void SetValue(const QString& key, const QVariant& value) {
    QSettings settings(ExecutableName(), ExecutableName());
    settings.setValue(key, value);
}

QVariant FromEarlierRun(const QString& key) {
    QSet<QString>& given = CurrentServices().givenBackThisRun;
    if (given.contains(key)) {
        return {};
    }
    given.insert(key);
    return Value(key);
}

QString LastFolder() {
    const QString folder = Value(kLastFolder).toString();
    // A folder since removed (a stick taken out) would open the dialog nowhere.
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void SetLastFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        SetValue(kLastFolder, QDir::cleanPath(folder));
    }
}

bool OnAScreen(const QPoint& place, const QSize& size) {
    // The title bar is what the user needs to reach: a little into it from the window's top-left corner.
    const QPoint titleBar = place + QPoint(qBound(0, size.width() / 2, 100), 10);
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(),
                       [&titleBar](const QScreen* screen) { return screen->availableGeometry().contains(titleBar); });
}

void RestoreWindow(QWidget* window, const QString& key, Place place) {
    const QSettings settings(ExecutableName(), ExecutableName());
    const bool resizable = window->minimumSize() != window->maximumSize();
    const QScreen* screen = window->screen();
    const QSize size = settings.value(windowKey(key, "size")).toSize();
    if (resizable && size.isValid()) {
        QSize wanted = size.expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
        if (screen) {
            wanted = wanted.boundedTo(screen->availableGeometry().size());
        }
        window->resize(wanted);
    }
    const QVariant at = settings.value(windowKey(key, "place"));
    if (place == Place::Centred && screen) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    } else if (place == Place::Kept && at.isValid() && OnAScreen(at.toPoint(), window->size())) {
        window->move(at.toPoint());
    }
    if (resizable && settings.value(windowKey(key, "maximized")).toBool()) {
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    }
}

void KeepWindow(const QWidget* window, const QString& key) {
    QSettings settings(ExecutableName(), ExecutableName());
    settings.setValue(windowKey(key, "maximized"), window->isMaximized());
    // A maximised window keeps the place and size it had before, to come back to when it is restored.
    if (!window->isMaximized() && !window->isMinimized()) {
        settings.setValue(windowKey(key, "size"), window->size());
        settings.setValue(windowKey(key, "place"), window->pos());
    }
}

} // namespace Remembered
