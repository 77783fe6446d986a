#include "ui/BrandFrame.h"

#include "core/Texts.h"
#include "ui/Look.h"
#include "ui/WebPages.h"

#include <QCoreApplication>

namespace {
ClickLabel* makeBrandLabel(const QString& name, const QString& text, const QString& page, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->MakeLink();
    label->setFont(Look::Verdana(8.25));
    Look::SetTextColour(label, Qt::white);
    QObject::connect(label, &ClickLabel::clicked, label, [page] { OpenWebPage(page); });
    return label;
}
} // namespace

BrandFrame::BrandFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fraFullBrand"));
    setFrameShape(QFrame::NoFrame);
    cobrandLink_ = makeBrandLabel(QStringLiteral("lblCobrand"), Texts::Cobrand(), PageKey::Cobrand, this);
    fullBrandLink_ = makeBrandLabel(QStringLiteral("lblFullBrand"), Texts::FullBrand(), PageKey::FullyBranded, this);
    // Placed before they are first shown, so Qt never has to lay out their wrapped text just to size them.
    cobrandLink_->setGeometry(rect());
    fullBrandLink_->setGeometry(rect());
    BringToFront(Front::FullBrand);
}

void BrandFrame::BringToFront(Front front) {
    front_ = front;
    // The hidden label stays in place behind the other; hiding it also keeps it out of the Tab order.
    ClickLabel* shown = front == Front::Cobrand ? cobrandLink_ : fullBrandLink_;
    ClickLabel* behind = front == Front::Cobrand ? fullBrandLink_ : cobrandLink_;
    shown->raise();
    shown->setVisible(true);
    behind->setVisible(false);
}

void BrandFrame::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    cobrandLink_->setGeometry(rect());
    fullBrandLink_->setGeometry(rect());
}

QString ForumLabelText() {
    return QCoreApplication::translate("Texts", "The Most Popular Online Mystic Discussion Forum. Click Here To Visit "
                                                "%1 Now")
        .arg(MakerWebAddress());
}

QString ForumBoardText() {
    return QCoreApplication::translate("Texts", "The Most Popular Online Mystic Discussion Board. Best Resource For "
                                                "Everything Mystic. Visit %1 Now")
        .arg(MakerWebAddress());
}

ClickLabel* MakeForumLabel(QWidget* parent) {
    return makeBrandLabel(QStringLiteral("Label14"), ForumLabelText(), PageKey::HomePage, parent);
}
