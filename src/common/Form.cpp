#include "common/Form.h"

#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/Windows.h"

#include <QCloseEvent>

void Form::PresentForm() {
    self_->show();
    self_->raise();
    self_->activateWindow();
}

void Form::HideForm() {
    self_->hide();
}

void Form::DisposeForm() {
    self_->hide();
    self_->deleteLater();
}

FormWindow::FormWindow(QWidget* parent) : QMainWindow(parent), Form(this) {}

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
