#include "calendar/SSTab.h"

#include "common/Look.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString TabStyle = QStringLiteral(
    "QToolButton[sstTab=\"true\"] { color: white; background: rgb(0, 96, 96); border: 1px solid rgb(0, 150, 150);"
    " border-bottom: none; border-top-left-radius: 5px; border-top-right-radius: 5px; padding: 4px 6px; }"
    "QToolButton[sstTab=\"true\"]:checked { background: rgb(0, 64, 64); color: rgb(255, 255, 160); }"
    "QToolButton[sstTab=\"true\"]:focus { text-decoration: underline; }"
    "QStackedWidget[sstPages=\"true\"] { border: 1px solid rgb(0, 150, 150); }");
}

SSTab::SSTab(const QString& name, int tabsPerRow, QWidget* parent) : QWidget(parent), tabsPerRow_(qMax(1, tabsPerRow)) {
    setObjectName(name);
    Look::SetBackground(this, Look::DarkTeal);
    setStyleSheet(TabStyle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    rows_ = new QGridLayout;
    rows_->setSpacing(1);
    layout->addLayout(rows_);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(name + QStringLiteral("_pages"));
    pages_->setProperty("sstPages", true);
    Look::SetBackground(pages_, Look::DarkTeal);
    layout->addWidget(pages_, 1);

    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &SSTab::SetTab);
}

int SSTab::AddTab(QWidget* page, const QString& caption) {
    const int index = TabCount();
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("%1_tab_%2").arg(objectName()).arg(index));
    button->setProperty("sstTab", true);
    button->setText(caption);
    button->setCheckable(true);
    button->setFont(Look::Verdana(8.25, true));
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setFocusPolicy(Qt::StrongFocus);
    group_->addButton(button, index);
    rows_->addWidget(button, index / tabsPerRow_, index % tabsPerRow_);
    for (int column = 0; column < tabsPerRow_; ++column) {
        rows_->setColumnStretch(column, 1);
    }
    buttons_.push_back(button);

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
    pages_->setCurrentIndex(index);
    emit Click(previous);
}

QString SSTab::TabCaption(int index) const {
    return index >= 0 && index < TabCount() ? buttons_[index]->text() : QString();
}

QAbstractButton* SSTab::TabButton(int index) const {
    return index >= 0 && index < TabCount() ? buttons_[index] : nullptr;
}

QWidget* SSTab::Page(int index) const {
    return index >= 0 && index < TabCount() ? pages_->widget(index) : nullptr;
}
