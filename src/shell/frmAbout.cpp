#include "shell/frmAbout.h"

#include "core/Texts.h"
#include "ui/ClickLabel.h"
#include "ui/Look.h"
#include "ui/Manual.h"
#include "ui/Pictures.h"
#include "ui/WebPages.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel* textLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::SetTextColour(label, Qt::white);
    return label;
}

ClickLabel* linkLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->MakeLink();
    QFont font = Look::Verdana(8.25, true);
    font.setUnderline(true);
    label->setFont(font);
    Look::SetTextColour(label, Look::PaleYellow);
    return label;
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Texts::VersionCaption());
    setModal(true);
    setFixedSize(480, 268);
    Look::SetBackground(this, Look::Purple);
    setFont(Look::Verdana(8.25));
    // F1 here too; the manual comes up over the box.
    Manual::MakeCommand(this, [] { return QStringLiteral("launcher.html#about"); });

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(14, 14, 64, 64);
    picture->setPixmap(Pictures::Pentagram(64));

    QLabel* name = textLabel(QStringLiteral("Label2"), Texts::VersionCaption(), this);
    name->setGeometry(92, 10, 376, 24);
    name->setFont(Look::Verdana(12, true));
    Look::SetTextColour(name, Look::PaleYellow);

    QLabel* description = textLabel(
        QStringLiteral("Label1"),
        tr("Velloran is an advanced yet simple program that makes the user familiar to the lifestyle of the Pagans "
           "and the Wiccans. It offers an easy to use interface, which allows the user to get answers to all his "
           "personal queries that help him understand the Pagan culture. It is the ultimate Pagan software and is a "
           "must have online resource for all the pagans and the Wiccans which provides you with a whole lot of "
           "information related to the Pagan paths, pagan gods, goddesses, pagan festivals, pagan elements, the "
           "pagan calendar and much more. This tool also helps you maintain your Pagan diary."),
        this);
    description->setGeometry(92, 38, 376, 132);
    description->setFont(Look::Verdana(7.5));

    QLabel* offer = textLabel(QStringLiteral("Label3"),
                              tr("Home Business Opportunity. Start your own Internet business and make money online. "
                                 "Get this software fully branded for your website."),
                              this);
    offer->setGeometry(92, 174, 376, 30);
    offer->setFont(Look::Verdana(7.5));

    // This link belongs to the fully-branded offer above it.
    ClickLabel* offerLink = linkLabel(QStringLiteral("lblCobrand"), tr("Click here for more details."), this);
    offerLink->setGeometry(92, 206, 280, 18);
    ClickLabel* homePageLink =
        linkLabel(QStringLiteral("lblHomePage"), tr("Click here to visit %1").arg(MakerWebAddress()), this);
    homePageLink->setGeometry(92, 236, 290, 18);

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOk"));
    okButton->setGeometry(392, 230, 76, 28);
    okButton->setDefault(true);
    Look::UseDesktopColours(okButton);

    connect(okButton, &QPushButton::clicked, this, &frmAbout::accept);
    connect(offerLink, &ClickLabel::clicked, this, &frmAbout::openFullyBrandedPage);
    connect(homePageLink, &ClickLabel::clicked, this, &frmAbout::openHomePage);
}

void frmAbout::ShowModal(QWidget* parent) {
    frmAbout box(parent);
    if (const QScreen* screen = box.screen()) {
        box.move(screen->availableGeometry().center() - box.rect().center());
    }
    const Windows::NestedLoop open;
    box.exec();
}

void frmAbout::openFullyBrandedPage() {
    OpenWebPage(PageKey::FullyBranded);
}

void frmAbout::openHomePage() {
    OpenWebPage(PageKey::HomePage);
}
