#include "common/MessageBox.h"

#include "common/Application.h"

#include <QMessageBox>

namespace {
MessageBoxHandler& handler() {
    static MessageBoxHandler h;
    return h;
}
} // namespace

void SetMessageBoxHandler(MessageBoxHandler h) {
    handler() = std::move(h);
}

QString MessageDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, QWidget* parent, const QString& title) {
    MessageRequest request{title.isEmpty() ? ApplicationTitle() : title, text, icon, buttons};
    if (handler()) {
        return handler()(request);
    }
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageDisplayText(text));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else if (buttons == MsgButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    const int answer = box.exec();
    if (buttons == MsgButtons::YesNo) {
        return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }
    if (buttons == MsgButtons::RetryCancel) {
        return answer == QMessageBox::Retry ? MsgResult::Retry : MsgResult::Cancel;
    }
    return MsgResult::Ok;
}
