#include "common/Keyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

bool EnterPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
                button->click();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void InstallKeyboardConventions(QCoreApplication* app) {
    if (!app->findChild<EnterPressesButtons*>(QString(), Qt::FindDirectChildrenOnly)) {
        app->installEventFilter(new EnterPressesButtons(app));
    }
}
