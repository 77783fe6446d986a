#include "common/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont Verdana(qreal pointSize, bool bold) {
    // Decided once: asking for a family the system lacks makes every font match search all fallbacks.
    static const QString family =
        QFontDatabase::hasFamily(QStringLiteral("Verdana")) ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void UseDesktopColours(QWidget* widget) {
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
}

int Twips(int twips) {
    return twips / 15;
}

} // namespace Look
