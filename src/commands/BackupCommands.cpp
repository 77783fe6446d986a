#include "commands/BackupCommands.h"

#include "commands/Log.h"
#include "core/Application.h"
#include "core/Clock.h"
#include "core/Services.h"
#include "data/DataBackup.h"
#include "data/DataSource.h"
#include "data/ServerCopy.h"
#include "ui/FileDialogs.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Remembered.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace BackupCommands {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(BackupCommands)
};
// Where a restore kept the files it replaced, on lines of its own after what comes before.
QString keptIn(const QString& aside) {
    return Words::tr("\r\nThe files you had before are kept in\r\n%1").arg(QDir::toNativeSeparators(aside));
}
} // namespace

QString BackUpCaption() {
    return Words::tr("&Back Up Data…");
}

QString RestoreCaption() {
    return Words::tr("&Restore…");
}

QString BackUpTitle() {
    return Words::tr("Choose a folder for the backup");
}

QString RestoreTitle() {
    return Words::tr("Choose the backup folder to restore");
}

QString BackupMade(const QString& folder) {
    return Words::tr("Your records and diary were backed up and the copy was checked:\r\n%1")
        .arg(QDir::toNativeSeparators(folder));
}

QString BackupFailed(const QString& reason) {
    return Words::tr("The backup could not be made.\r\n%1").arg(reason);
}

QString ConfirmRestore(const QString& folder) {
    return Words::tr("Replace your records and diary with those of the backup\r\n%1 ?\r\n"
                     "Your current files are kept aside as a backup of their own.")
        .arg(QDir::toNativeSeparators(folder));
}

QString Restored(const QString& folder, const QString& aside) {
    QString text = Words::tr("Your records and diary were restored from\r\n%1").arg(QDir::toNativeSeparators(folder));
    if (!aside.isEmpty()) {
        text += keptIn(aside);
    }
    return text;
}

QString RestoreRefused(const QString& reason) {
    return Words::tr("This backup cannot be restored; nothing was changed.\r\n%1").arg(reason);
}

QString RestoreNotDone(const QString& reason) {
    return Words::tr("Nothing was restored; your records and diary are as they were.\r\n%1").arg(reason);
}

QString RestoreFailed(const QString& reason, const QString& aside, bool undone) {
    const QString what = undone ? Words::tr("The restore did not finish, so your records and diary were put back as "
                                            "they were.")
                                : Words::tr("The restore did not finish and could not be undone; Velloran tries "
                                            "again when it next starts.");
    return what + QStringLiteral("\r\n") + reason + keptIn(aside);
}

QString RestoreCutOff(const QString& folder, const QString& aside, const QString& reason, bool finished, bool undone) {
    QString text = Words::tr("The restore from\r\n%1\r\nwas cut off when Velloran last ran. ")
                       .arg(QDir::toNativeSeparators(folder));
    if (finished) {
        text += Words::tr("It has now been finished: your records and diary are those of the backup.");
    } else if (undone) {
        text += Words::tr("It could not be finished, so it was undone: your records and diary are as they were "
                          "before it.\r\n%1")
                    .arg(reason);
    } else {
        text += Words::tr("It could neither be finished nor undone, so your records and diary may be from two "
                          "different times; Velloran tries again when it next starts.\r\n%1")
                    .arg(reason);
    }
    if (!aside.isEmpty()) {
        text += keptIn(aside);
    }
    return text;
}

namespace {
// The backup's records and diary in place of the shared database's, in one transaction: all or nothing.
void restoreIntoServer(const QString& folder, const SharedDatabase& shared, QWidget* parent) {
    if (AskBeforeReplacing(QCoreApplication::translate("BackupCommands",
                                                       "Replace the records and diary of the shared database %1 with "
                                                       "those of the backup\r\n%2 ?\r\nEvery user of the database "
                                                       "sees the backup's.")
                               .arg(shared.name(), QDir::toNativeSeparators(folder)),
                           MsgIcon::None, parent) != MsgResult::Yes) {
        return;
    }
    QString failed;
    {
        Look::WaitCursor wait;
        qCInfo(VelloranCommandsLog, "restoring %s into %s", qUtf8Printable(folder), qUtf8Printable(shared.name()));
        failed = ServerCopy::FilesToServer(folder, true);
    }
    qCInfo(VelloranCommandsLog, "restore %s%s", failed.isEmpty() ? "done" : "not done: ", qUtf8Printable(failed));
    if (failed.isEmpty()) {
        MsgBox(Restored(folder, {}), MsgButtons::Ok, MsgIcon::Information, parent);
    } else {
        MsgBox(RestoreNotDone(failed), MsgButtons::Ok, MsgIcon::Critical, parent);
    }
}
} // namespace

void BackUpData(QWidget* parent) {
    const QString folder = ChooseFolder(BackUpTitle(), parent);
    if (folder.isEmpty()) {
        return;
    }
    Remembered::SetLastFolder(folder);
    DataBackup::Result made;
    {
        Look::WaitCursor wait;
        if (CurrentServices().sharedDatabase) {
            // The shared database's rows as one snapshot saw them, in the two files any copy of Velloran opens.
            QTemporaryDir snapshot;
            made.error = ServerCopy::ServerToFiles(snapshot.path());
            if (made.error.isEmpty()) {
                made = DataBackup::Make(snapshot.path(), folder, Now());
            }
        } else {
            made = DataBackup::Make(ApplicationFolder(), folder, Now());
        }
    }
    qCInfo(VelloranCommandsLog, "backup %s %s",
           made.ok ? "made in" : "not made:", qUtf8Printable(made.ok ? made.folder : made.error));
    if (made.ok) {
        MsgBox(BackupMade(made.folder), MsgButtons::Ok, MsgIcon::Information, parent);
    } else {
        MsgBox(BackupFailed(made.error), MsgButtons::Ok, MsgIcon::Critical, parent);
    }
}

void Restore(QWidget* parent) {
    const QString folder = ChooseFolder(RestoreTitle(), parent);
    if (folder.isEmpty()) {
        return;
    }
    // The folder the backups lie in, not the backup itself: the next backup must not go inside it.
    Remembered::SetLastFolder(QFileInfo(folder).absolutePath());
    if (const QString why = DataBackup::Verify(folder); !why.isEmpty()) {
        MsgBox(RestoreRefused(why), MsgButtons::Ok, MsgIcon::Critical, parent);
        return;
    }
    if (const std::optional<SharedDatabase>& shared = CurrentServices().sharedDatabase) {
        restoreIntoServer(folder, *shared, parent);
        return;
    }
    if (AskBeforeReplacing(ConfirmRestore(folder), MsgIcon::None, parent) != MsgResult::Yes) {
        return;
    }
    DataBackup::Result restored;
    {
        Look::WaitCursor wait;
        qCInfo(VelloranCommandsLog, "restoring %s", qUtf8Printable(folder));
        restored = DataBackup::Restore(folder, ApplicationFolder(), Now());
    }
    qCInfo(VelloranCommandsLog, "restore %s %s; the files before it %s",
           restored.ok ? "done" : "failed:", qUtf8Printable(restored.error),
           restored.aside.isEmpty() ? "untouched" : qUtf8Printable(restored.aside));
    // Every open view of the two files reads them again now, before the user is told.
    for (const DataBackup::DataFile& file : DataBackup::DataFiles()) {
        DataSource::of(QDir(ApplicationFolder()).filePath(file.fileName)).checkForOutsideChanges();
    }
    if (restored.ok) {
        MsgBox(Restored(folder, restored.aside), MsgButtons::Ok, MsgIcon::Information, parent);
    } else if (restored.aside.isEmpty()) {
        MsgBox(RestoreNotDone(restored.error), MsgButtons::Ok, MsgIcon::Critical, parent);
    } else {
        MsgBox(RestoreFailed(restored.error, restored.aside, restored.undone), MsgButtons::Ok, MsgIcon::Critical,
               parent);
    }
}

void FinishInterruptedRestore() {
    const std::optional<DataBackup::Result> done = DataBackup::FinishInterruptedRestore(ApplicationFolder());
    if (!done) {
        return;
    }
    const bool finished = done->ok && !done->undone;
    MsgBox(RestoreCutOff(done->folder, done->aside, done->error, finished, done->undone), MsgButtons::Ok,
           finished ? MsgIcon::Information : MsgIcon::Critical);
}

} // namespace BackupCommands
