#include "commands/CopyToServer.h"

#include "core/Application.h"
#include "core/Services.h"
#include "data/ServerCopy.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QDir>

namespace ServerCopy {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(ServerCopy)
};
} // namespace

void CopyLocalFiles(QWidget* parent) {
    const std::optional<SharedDatabase>& shared = CurrentServices().sharedDatabase;
    if (!shared) {
        MsgBox(Words::tr("Choose a shared database first (Tools > Data Source…)."), MsgButtons::Ok,
               MsgIcon::Information, parent);
        return;
    }
    const StoreResult<qint64> held = RowsOnServer();
    if (!held) {
        MsgBox(held.error().text(), MsgButtons::Ok, MsgIcon::Critical, parent);
        return;
    }
    const bool replace = *held == 0;
    const QString question =
        replace ? Words::tr("Copy the records and diary in %1 to the shared database %2?")
                      .arg(QDir::toNativeSeparators(ApplicationFolder()), shared->name())
                : Words::tr(
                      "The shared database %1 already holds %2 records and entries.\r\nAdd the records and diary in %3 "
                      "to them, under new numbers?")
                      .arg(shared->name(), QString::number(*held), QDir::toNativeSeparators(ApplicationFolder()));
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
        return;
    }
    QString failed;
    {
        Look::WaitCursor wait;
        failed = FilesToServer(ApplicationFolder(), replace);
    }
    if (failed.isEmpty()) {
        MsgBox(Words::tr("The records and diary were copied to the shared database %1.").arg(shared->name()),
               MsgButtons::Ok, MsgIcon::Information, parent);
    } else {
        MsgBox(Words::tr("Nothing was copied; the shared database is as it was.\r\n") + failed, MsgButtons::Ok,
               MsgIcon::Critical, parent);
    }
}

} // namespace ServerCopy
