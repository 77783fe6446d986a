#include "common/Look.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont Verdana(qreal pointSize, bool bold) {
    // Decided once: asking for a family the system lacks makes every font match search all fallbacks.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana")) ? QStringLiteral("Verdana")
                                                                                       : QStringLiteral("DejaVu Sans");
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

int Twips(int twips) {
    return twips / 15;
}

} // namespace Look
