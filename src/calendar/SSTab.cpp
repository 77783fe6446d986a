#include "calendar/SSTab.h"

#include "ui/Look.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor TabFace(0, 96, 96);
const QColor TabEdge(0, 150, 150);
const QColor SelectedCaption(255, 255, 160);

// One tab: a button with rounded upper corners, darker and with a pale caption while selected.
class CaptionTab : public QAbstractButton {
  public:
    explicit CaptionTab(QWidget* parent) : QAbstractButton(parent) {
        setCheckable(true);
        setFocusPolicy(Qt::StrongFocus);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(text()) + 14, metrics.height() + 10};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, 6);
        shape.addRoundedRect(box, 5, 5);
        painter.setClipRect(rect());
        painter.setPen(TabEdge);
        painter.setBrush(isChecked() ? Look::DarkTeal : TabFace);
        painter.drawPath(shape);
        painter.setPen(isChecked() ? SelectedCaption : QColor(Qt::white));
        QFont caption = font();
        caption.setUnderline(hasFocus());
        painter.setFont(caption);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
};

// What assistive technology sees of a tab: a page tab, selected or not, that a press or toggle selects the way
// a click does. As a plain checkable button it would pass for a check box.
class CaptionTabAccessible : public QAccessibleWidget {
  public:
    explicit CaptionTabAccessible(QAbstractButton* tab) : QAccessibleWidget(tab, QAccessible::PageTab) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(t);
        }
        QString name = tab()->text();
        name.replace(QStringLiteral("&&"), QChar(0));
        name.remove(QLatin1Char('&'));
        name.replace(QChar(0), QLatin1Char('&'));
        return name;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = tab()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (tab()->isEnabled()) {
                tab()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* tab() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* tabAccessibility(const QString&, QObject* object) {
    if (auto* tab = dynamic_cast<CaptionTab*>(object)) {
        return new CaptionTabAccessible(tab);
    }
    return nullptr;
}

void announceSelection(QAbstractButton* tab) {
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(tab, changed);
    QAccessible::updateAccessibility(&event);
}

// The pages of a tab control: only the page on show counts for the control's size, so that selecting a tab
// never lays out the pages behind it (each several wrapped texts).
class CurrentPageStack : public QStackedWidget {
  public:
    using QStackedWidget::QStackedWidget;

    QSize sizeHint() const override { return current() ? current()->sizeHint() : QSize(); }
    QSize minimumSizeHint() const override { return current() ? current()->minimumSizeHint() : QSize(); }
    bool hasHeightForWidth() const override { return current() && current()->hasHeightForWidth(); }
    int heightForWidth(int width) const override { return current() ? current()->heightForWidth(width) : -1; }

  private:
    QWidget* current() const { return currentWidget(); }
};

} // namespace

SSTab::SSTab(const QString& name, int tabsPerRow, QWidget* parent) : QWidget(parent), tabsPerRow_(qMax(1, tabsPerRow)) {
    setObjectName(name);
    Look::SetBackground(this, Look::DarkTeal);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    rows_ = new QGridLayout;
    rows_->setSpacing(1);
    layout->addLayout(rows_);
    pages_ = new CurrentPageStack(this);
    pages_->setObjectName(name + QStringLiteral("_pages"));
    Look::SetBackground(pages_, Look::DarkTeal);
    layout->addWidget(pages_, 1);

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    // Every way a tab becomes checked (a click, the keyboard, assistive technology) runs the same change.
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) {
            SetTab(index);
        }
    });

    static const bool accessibilityInstalled = [] {
        QAccessible::installFactory(tabAccessibility);
        return true;
    }();
    Q_UNUSED(accessibilityInstalled);
}

int SSTab::AddTab(QWidget* page, const QString& caption) {
    const int index = TabCount();
    auto* button = new CaptionTab(this);
    button->setObjectName(QStringLiteral("%1_tab_%2").arg(objectName(), QString::number(index)));
    button->setText(caption);
    button->setFont(Look::Verdana(8.25, true));
    group_->addButton(button, index);
    rows_->addWidget(button, index / tabsPerRow_, index % tabsPerRow_);
    for (int column = 0; column < tabsPerRow_; ++column) {
        rows_->setColumnStretch(column, 1);
    }
    buttons_.push_back(button);
    builders_.emplace_back();

    Look::SetBackground(page, Look::DarkTeal);
    pages_->addWidget(page);
    if (current_ < 0) {
        // The first tab is selected from the start, without a change to report.
        current_ = 0;
        button->setChecked(true);
        pages_->setCurrentIndex(0);
    }
    return index;
}

int SSTab::AddTab(const QString& caption, std::function<QWidget*()> build) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("%1_page_%2").arg(objectName(), QString::number(TabCount())));
    auto* holder = new QVBoxLayout(page);
    holder->setContentsMargins(0, 0, 0, 0);
    const int index = AddTab(page, caption);
    builders_[index] = std::move(build);
    if (index == current_ && isVisible()) {
        buildPage(index);
    }
    return index;
}

void SSTab::buildPage(int index) const {
    if (index < 0 || index >= TabCount() || !builders_[index]) {
        return;
    }
    const std::function<QWidget*()> build = std::move(builders_[index]);
    builders_[index] = nullptr;
    QWidget* made = build();
    if (made) {
        QWidget* holder = pages_->widget(index);
        holder->layout()->addWidget(made);
        // Made while its tab is coming on screen: shown now, not at the next turn of the event loop.
        if (holder->isVisible()) {
            made->show();
        }
    }
}

void SSTab::showEvent(QShowEvent* event) {
    buildPage(current_);
    QWidget::showEvent(event);
}

void SSTab::SetTab(int index) {
    if (index < 0 || index >= TabCount()) {
        return;
    }
    buttons_[index]->setChecked(true);
    if (index == current_) {
        return;
    }
    const int previous = current_;
    current_ = index;
    if (isVisible()) {
        buildPage(index);
    }
    pages_->setCurrentIndex(index);
    if (previous >= 0) {
        announceSelection(buttons_[previous]);
    }
    announceSelection(buttons_[index]);
    emit Click(previous);
}

void SSTab::keyPressEvent(QKeyEvent* event) {
    // The tab widget's keys: Ctrl+Tab and Ctrl+Page Down select the next tab, Ctrl+Shift+Tab and Ctrl+Page Up the
    // one before, going round at either end. The innermost tab control around the focus answers first.
    const bool control = event->modifiers() & Qt::ControlModifier;
    int step = 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) {
        step = (event->modifiers() & Qt::ShiftModifier) && event->key() == Qt::Key_Tab ? -1 : 1;
    } else if (control && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) {
        step = -1;
    }
    if (step == 0 || TabCount() < 2) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = ((current_ < 0 ? 0 : current_) + step + TabCount()) % TabCount();
    SetTab(next);
    // Focus on a tab follows the selection; focus left behind on the page just hidden goes to the selected tab.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->isVisible() || std::find(buttons_.begin(), buttons_.end(), focus) != buttons_.end()) {
        buttons_[next]->setFocus(Qt::TabFocusReason);
    }
    event->accept();
}

QString SSTab::TabCaption(int index) const {
    return index >= 0 && index < TabCount() ? buttons_[index]->text() : QString();
}

QAbstractButton* SSTab::TabButton(int index) const {
    return index >= 0 && index < TabCount() ? buttons_[index] : nullptr;
}

void SSTab::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(TabEdge);
    painter.drawRect(pages_->geometry().adjusted(-1, -1, 0, 0));
}

QWidget* SSTab::Page(int index) const {
    buildPage(index);
    return index >= 0 && index < TabCount() ? pages_->widget(index) : nullptr;
}
