#include "ui/MessageBox.h"

#include "core/Application.h"
#include "core/Services.h"
#include "ui/Log.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {
MsgResult askTheirsMineNew(QMessageBox& box) {
    QPushButton* theirs =
        box.addButton(QCoreApplication::translate("MessageBox", "&Keep Theirs"), QMessageBox::RejectRole);
    QPushButton* mine = box.addButton(QCoreApplication::translate("MessageBox", "&Save Mine"), QMessageBox::AcceptRole);
    QPushButton* asNew =
        box.addButton(QCoreApplication::translate("MessageBox", "Save Mine as &New"), QMessageBox::ActionRole);
    box.setDefaultButton(theirs);
    box.setEscapeButton(theirs);
    box.exec();
    if (box.clickedButton() == mine) {
        return MsgResult::SaveMine;
    }
    return box.clickedButton() == asNew ? MsgResult::SaveAsNew : MsgResult::KeepTheirs;
}

MsgResult askNewOrLeaveRemoved(QMessageBox& box) {
    QPushButton* asNew =
        box.addButton(QCoreApplication::translate("MessageBox", "Save as &New Record"), QMessageBox::AcceptRole);
    QPushButton* leave =
        box.addButton(QCoreApplication::translate("MessageBox", "&Leave It Removed"), QMessageBox::RejectRole);
    box.setDefaultButton(leave);
    box.setEscapeButton(leave);
    box.exec();
    return box.clickedButton() == asNew ? MsgResult::SaveAsNew : MsgResult::LeaveRemoved;
}
} // namespace

QWidget* VisibleWindowFor(QWidget* parent) {
    if (parent && parent->window()->isVisible()) {
        return parent->window();
    }
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible()) {
        return active;
    }
    const QList<Form*> forms = Windows::LoadedForms();
    for (auto it = forms.crbegin(); it != forms.crend(); ++it) {
        if (QWidget* window = (*it)->widget()->window(); window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

void SetMessageBoxHandler(MessageBoxHandler h) {
    CurrentServices().messageBoxes = std::move(h);
}

QString MessageDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

MsgResult showBox(const MessageRequest& request, QWidget* parent) {
    qCInfo(VelloranUiLog, "message: %s", qUtf8Printable(MessageDisplayText(request.text)));
    const Windows::NestedLoop open;
    if (const MessageBoxHandler& answer = CurrentServices().messageBoxes) {
        return answer(request);
    }
    // Owned by the window the user sees, not by the caller: the caller may be a window still loading, and no
    // other window may be clicked (or closed) while the box waits for its answer.
    QMessageBox box(VisibleWindowFor(parent));
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(request.title);
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageDisplayText(request.text));
    switch (request.icon) {
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
    if (request.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(request.noByDefault ? QMessageBox::No : QMessageBox::Yes);
    } else if (request.buttons == MsgButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
    } else if (request.buttons == MsgButtons::TheirsMineNew) {
        return askTheirsMineNew(box);
    } else if (request.buttons == MsgButtons::NewOrLeaveRemoved) {
        return askNewOrLeaveRemoved(box);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (request.buttons == MsgButtons::YesNo) {
        return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
    }
    if (request.buttons == MsgButtons::RetryCancel) {
        return answer == QMessageBox::Retry ? MsgResult::Retry : MsgResult::Cancel;
    }
    return MsgResult::Ok;
}

} // namespace

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, QWidget* parent, const QString& title) {
    return showBox({title.isEmpty() ? ApplicationTitle() : title, text, icon, buttons}, parent);
}

MsgResult AskBeforeReplacing(const QString& text, MsgIcon icon, QWidget* parent) {
    return showBox({ApplicationTitle(), text, icon, MsgButtons::YesNo, true}, parent);
}
