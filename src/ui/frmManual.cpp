#include "ui/frmManual.h"

#include "core/Language.h"
#include "ui/Manual.h"
#include "ui/Windows.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

frmManual::frmManual() {
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(tr("Velloran Manual"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    backButton_ = new QPushButton(tr("&Back"), client);
    backButton_->setObjectName(QStringLiteral("cmdBack"));
    forwardButton_ = new QPushButton(tr("&Forward"), client);
    forwardButton_->setObjectName(QStringLiteral("cmdForward"));
    auto* contentsButton = new QPushButton(tr("C&ontents"), client);
    contentsButton->setObjectName(QStringLiteral("cmdContents"));
    auto* closeButton = new QPushButton(tr("&Close"), client);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    pages_ = new QTextBrowser(client);
    pages_->setObjectName(QStringLiteral("txtManual"));
    pages_->setAccessibleName(tr("Manual page"));
    // The manual's own links turn its pages; a link to the web goes to the user's browser.
    pages_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(backButton_);
    buttons->addWidget(forwardButton_);
    buttons->addWidget(contentsButton);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(client);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    connect(backButton_, &QPushButton::clicked, pages_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, pages_, &QTextBrowser::forward);
    connect(pages_, &QTextBrowser::backwardAvailable, backButton_, &QPushButton::setEnabled);
    connect(pages_, &QTextBrowser::forwardAvailable, forwardButton_, &QPushButton::setEnabled);
    connect(contentsButton, &QPushButton::clicked, this, &frmManual::showContents);
    connect(closeButton, &QPushButton::clicked, this, [this] { Windows::UnloadForm(this); });
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);

    resize(760, 640);
    if (const QScreen* where = screen()) {
        resize(size().boundedTo(where->availableGeometry().size()));
        move(where->availableGeometry().center() - rect().center());
    }
}

void frmManual::ShowPage(const QString& page) {
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString place = page.section(QLatin1Char('#'), 1);
    QUrl address = QUrl::fromLocalFile(Manual::PageFile(file));
    if (!place.isEmpty()) {
        address.setFragment(place);
    }
    pages_->setSource(address);
}

QString frmManual::page() const {
    const QUrl shown = pages_->source();
    // A translated page is named as the English one it stands for.
    QString file = QDir(Manual::Folder()).relativeFilePath(shown.toLocalFile());
    const QString translation = Language::Spoken() + QLatin1Char('/');
    if (translation.size() > 1 && file.startsWith(translation)) {
        file.remove(0, translation.size());
    }
    return shown.hasFragment() ? file + QLatin1Char('#') + shown.fragment() : file;
}

void frmManual::showContents() {
    ShowPage(Manual::Contents());
}
