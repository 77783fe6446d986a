#include "calendar/LoreText.h"

#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <memory>

namespace {

// The texts of the open pages, and of the pages of the browser's earlier openings.
constexpr int kLayoutsKept = 64;

const QTextLayout& linesOf(const QString& text, const QFont& font, int width) {
    static QHash<QString, std::shared_ptr<QTextLayout>> kept;
    const QString key = QStringLiteral("%1\x1f%2\x1f").arg(font.key(), QString::number(width)) + text;
    auto found = kept.constFind(key);
    if (found != kept.constEnd()) {
        return *found.value();
    }
    if (kept.size() >= kLayoutsKept) {
        kept.clear();
    }
    auto layout = std::make_shared<QTextLayout>(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    const qreal leading = qMax<qreal>(0, QFontMetricsF(font).leading());
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height() + leading;
    }
    layout->endLayout();
    return *kept.insert(key, layout).value();
}

} // namespace

LoreText::LoreText(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

QSize LoreText::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 20, fontMetrics().lineSpacing()};
}

QSize LoreText::minimumSizeHint() const {
    return {0, 0};
}

void LoreText::paintEvent(QPaintEvent*) {
    const QRect room = contentsRect();
    if (room.width() <= 0) {
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setClipRect(room);
    linesOf(text(), font(), room.width()).draw(&painter, room.topLeft());
}
