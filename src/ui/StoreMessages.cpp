#include "ui/StoreMessages.h"

#include <QCoreApplication>

MsgButtons StoreFailureButtons(const StoreError& error) {
    // A server that cannot be reached, or that refused the connection, may answer on a later try.
    const bool serverTrouble =
        !error.server.isEmpty() && (error.cause == StoreCause::Unreachable || error.cause == StoreCause::Denied ||
                                    error.cause == StoreCause::Unknown);
    return error.cause == StoreCause::Locked || serverTrouble ? MsgButtons::RetryCancel : MsgButtons::Ok;
}

bool StoreFailureRetry(const QString& text, const StoreError& error, QWidget* parent) {
    return MsgBox(text, StoreFailureButtons(error), MsgIcon::Critical, parent) == MsgResult::Retry;
}

QString StoreFailureText(const StoreError& error) {
    QString text = error.text() + QLatin1Char('.');
    // Without a word of what failed, the reason starts the sentence.
    text[0] = text[0].toUpper();
    if (error.cause == StoreCause::Locked && error.server.isEmpty()) {
        text +=
            QCoreApplication::translate("StoreMessages", "\r\nWhen the other program has let go of it, choose Retry.");
    } else if (error.cause == StoreCause::Unknown) {
        text += QCoreApplication::translate("StoreMessages", "\r\nRetry looks again, and saves only what is not saved "
                                                             "yet, once the server answers.");
    } else if (StoreFailureButtons(error) == MsgButtons::RetryCancel) {
        text += QCoreApplication::translate("StoreMessages", "\r\nChoose Retry once the server answers again.");
    }
    return text;
}

MsgResult AskAboutChangedRecord(const StoreError& error, QWidget* parent) {
    const QString text =
        error.what + QLatin1Char('.') +
        QCoreApplication::translate("StoreMessages", "\r\nKeep their version, save yours over it, or save yours as a "
                                                     "new record?");
    return MsgBox(text, MsgButtons::TheirsMineNew, MsgIcon::Information, parent);
}
