#include "common/Look.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont Verdana(qreal pointSize, bool bold) {
    // Asking the font database whether Verdana is installed makes fontconfig load its whole configuration
    // before the first window exists. A substitute is only looked at when a text is first drawn, and then
    // only when Verdana is missing.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("Verdana"));
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

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace Look
