#include "ui/Look.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

// The menu bar's "more" arrow, a double chevron in the text colour, drawn for whatever size is asked.
class ChevronEngine : public QIconEngine {
  public:
    explicit ChevronEngine(bool vertical) : vertical_(vertical) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        QPen pen(QApplication::palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                               QPalette::ButtonText));
        pen.setWidthF(qMax(1.0, rect.width() / 10.0));
        painter->setPen(pen);
        painter->translate(rect.center());
        if (vertical_) {
            painter->rotate(90);
        }
        const qreal s = qMin(rect.width(), rect.height()) / 4.0;
        for (const qreal x : {-s, 0.0}) {
            QPainterPath chevron;
            chevron.moveTo(x, -s);
            chevron.lineTo(x + s, 0);
            chevron.lineTo(x, s);
            painter->drawPath(chevron);
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return drawn;
    }
    QIconEngine* clone() const override { return new ChevronEngine(vertical_); }

  private:
    bool vertical_;
};

class Style : public QProxyStyle {
  public:
    Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new ChevronEngine(icon == SP_ToolBarVerticalExtensionButton));
        }
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

namespace Look {

QStyle* ProgramStyle() {
    return new Style;
}

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
