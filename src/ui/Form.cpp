#include "ui/Form.h"

#include "ui/Look.h"
#include "ui/Manual.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"

#include <QAction>
#include <QCloseEvent>

void Form::PresentForm() {
    if (!presented_) {
        presented_ = true;
        if (const std::optional<Remembered::Place> place = rememberedPlace()) {
            Remembered::RestoreWindow(self_, self_->objectName(), *place);
        }
    }
    self_->show();
    self_->raise();
    self_->activateWindow();
}

void Form::KeepPlace() const {
    // A window never shown has no place of the user's choosing.
    if (presented_ && rememberedPlace()) {
        Remembered::KeepWindow(self_, self_->objectName());
    }
}

QString Form::manualPage() const {
    return Manual::Contents();
}

void Form::HideForm() {
    self_->hide();
}

void Form::DisposeForm() {
    self_->hide();
    self_->deleteLater();
}

FormWindow::FormWindow(QWidget* parent)
    : QMainWindow(parent), Form(this), manualCommand_(Manual::MakeCommand(this, [this] { return manualPage(); })) {}

void FormWindow::DropManualCommand() {
    delete manualCommand_;
    manualCommand_ = nullptr;
}

QWidget* FormWindow::MakeClientArea(const QColor& background, QSize fixedSize) {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    if (fixedSize.isValid()) {
        client->setFixedSize(fixedSize);
    }
    setCentralWidget(client);
    Look::SetBackground(this, background);
    Look::SetBackground(client, background);
    setFont(Look::Verdana(8.25));
    return client;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // Under an open box or dialog the window stays on screen and goes once it has returned.
    if (Windows::InNestedLoop()) {
        event->ignore();
    } else {
        event->accept();
    }
    Windows::UnloadForm(this);
}
