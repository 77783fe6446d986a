#include "common/StoreMessages.h"

#include <QCoreApplication>

MsgButtons StoreFailureButtons(const StoreError& error) {
    return error.cause == StoreCause::Locked ? MsgButtons::RetryCancel : MsgButtons::Ok;
}

bool StoreFailureRetry(const QString& text, const StoreError& error, QWidget* parent) {
    return MsgBox(text, StoreFailureButtons(error), MsgIcon::Critical, parent) == MsgResult::Retry;
}

QString StoreFailureText(const StoreError& error) {
    QString text = error.text() + QLatin1Char('.');
    if (error.cause == StoreCause::Locked) {
        text +=
            QCoreApplication::translate("StoreMessages", "\r\nWhen the other program has let go of it, choose Retry.");
    }
    return text;
}
