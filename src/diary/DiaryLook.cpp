#include "diary/DiaryLook.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void DesktopColours(QWidget* widget) {
    // Only colours set one by one count as the widget's own; a copied palette would still inherit the parent's.
    const QPalette desktop = QApplication::palette();
    QPalette own = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            own.setColor(group, colourRole, desktop.color(group, colourRole));
        }
    }
    widget->setPalette(own);
    widget->setAutoFillBackground(true);
}
