#include "common/BackupCommands.h"

#include "common/Application.h"
#include "common/Clock.h"
#include "common/DataBackup.h"
#include "common/DataSource.h"
#include "common/FileDialogs.h"
#include "common/Look.h"
#include "common/MessageBox.h"

#include <QDir>

namespace BackupCommands {

QString BackupMade(const QString& folder) {
    return QStringLiteral("Your records and diary were backed up and the copy was checked:\r\n") +
           QDir::toNativeSeparators(folder);
}

QString BackupFailed(const QString& reason) {
    return QStringLiteral("The backup could not be made.\r\n") + reason;
}

QString ConfirmRestore(const QString& folder) {
    return QStringLiteral("Replace your records and diary with those of the backup\r\n%1 ?\r\n"
                          "Your current files are kept aside as a backup of their own.")
        .arg(QDir::toNativeSeparators(folder));
}

QString Restored(const QString& folder, const QString& aside) {
    QString text = QStringLiteral("Your records and diary were restored from\r\n") + QDir::toNativeSeparators(folder);
    if (!aside.isEmpty()) {
        text += QStringLiteral("\r\nThe files you had before are kept in\r\n") + QDir::toNativeSeparators(aside);
    }
    return text;
}

QString RestoreRefused(const QString& reason) {
    return QStringLiteral("This backup cannot be restored; nothing was changed.\r\n") + reason;
}

QString RestoreFailed(const QString& reason, const QString& aside) {
    return QStringLiteral("The restore did not finish.\r\n%1\r\nThe files you had before are kept in\r\n%2")
        .arg(reason, QDir::toNativeSeparators(aside));
}

void BackUpData(QWidget* parent) {
    const QString folder = ChooseFolder(BackUpTitle, parent);
    if (folder.isEmpty()) {
        return;
    }
    DataBackup::Result made;
    {
        Look::WaitCursor wait;
        made = DataBackup::Make(ApplicationFolder(), folder, Now());
    }
    if (made.ok) {
        MsgBox(BackupMade(made.folder), MsgButtons::Ok, MsgIcon::Information, parent);
    } else {
        MsgBox(BackupFailed(made.error), MsgButtons::Ok, MsgIcon::Critical, parent);
    }
}

void Restore(QWidget* parent) {
    const QString folder = ChooseFolder(RestoreTitle, parent);
    if (folder.isEmpty()) {
        return;
    }
    if (const QString why = DataBackup::Verify(folder); !why.isEmpty()) {
        MsgBox(RestoreRefused(why), MsgButtons::Ok, MsgIcon::Critical, parent);
        return;
    }
    if (MsgBox(ConfirmRestore(folder), MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
        return;
    }
    DataBackup::Result restored;
    {
        Look::WaitCursor wait;
        restored = DataBackup::Restore(folder, ApplicationFolder(), Now());
    }
    // Every open view of the two files reads them again now, before the user is told.
    for (const DataBackup::DataFile& file : DataBackup::DataFiles()) {
        DataSource::of(QDir(ApplicationFolder()).filePath(file.fileName)).checkForOutsideChanges();
    }
    if (restored.ok) {
        MsgBox(Restored(folder, restored.aside), MsgButtons::Ok, MsgIcon::Information, parent);
    } else if (restored.aside.isEmpty()) {
        MsgBox(RestoreRefused(restored.error), MsgButtons::Ok, MsgIcon::Critical, parent);
    } else {
        MsgBox(RestoreFailed(restored.error, restored.aside), MsgButtons::Ok, MsgIcon::Critical, parent);
    }
}

} // namespace BackupCommands
