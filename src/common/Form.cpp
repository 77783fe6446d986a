#include "common/Form.h"

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

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Windows::UnloadForm(this);
}
