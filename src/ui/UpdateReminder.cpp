#include "ui/UpdateReminder.h"

#include "core/Application.h"
#include "core/Clock.h"
#include "ui/MessageBox.h"
#include "ui/WebPages.h"

#include <QCoreApplication>
#include <QDate>
#include <QSettings>

namespace {
// Stored as ISO text so that a change of the user's locale or date format never makes the value unreadable.
QString dateText(const QDate& date) {
    return date.toString(Qt::ISODate);
}
} // namespace

QString UpdateReminderQuestion() {
    return QCoreApplication::translate("UpdateReminder",
                                       "There maybe an update to this software available\rDo you want to check for an "
                                       "update?");
}

void CheckForUpdateReminder() {
    QSettings settings(ExecutableName(), ExecutableName());
    const QDate last = QDate::fromString(settings.value(UpdateReminderKey).toString(), Qt::ISODate);
    const QDate today = Today();
    // A value that is no date counts as none, as on the first run: kept as it was, it would silence the reminder
    // for good.
    if (!last.isValid()) {
        settings.setValue(UpdateReminderKey, dateText(today));
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14) {
        return;
    }
    const MsgResult answer = MsgBox(UpdateReminderQuestion(), MsgButtons::YesNo, MsgIcon::Information);
    settings.setValue(UpdateReminderKey, dateText(today));
    settings.sync();
    if (answer == MsgResult::Yes) {
        OpenWebPage(PageKey::Download);
    }
}
