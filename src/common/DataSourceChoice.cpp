#include "common/DataSourceChoice.h"

#include "common/Application.h"
#include "common/DataSource.h"
#include "common/MessageBox.h"
#include "common/ServerCopy.h"
#include "common/ServerSource.h"
#include "common/Services.h"
#include "common/SharedMenus.h"
#include "common/ShellServices.h"
#include "common/StoreMessages.h"
#include "common/Windows.h"
#include "common/frmDataSource.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <memory>
#include <qt6keychain/keychain.h>

namespace DataSourceChoice {

namespace {

const QString kService = QStringLiteral("velloran");

QString tr(const char* text) {
    return QCoreApplication::translate("DataSourceChoice", text);
}

// The secret store answers through its own event loop; a store that does not answer within seconds counts as none.
constexpr int kSecretStoreWaitMs = 3000;

std::optional<QString> askPassword(const SharedDatabase& database) {
    if (const auto& ask = CurrentServices().askPassword) {
        return ask(database);
    }
    const Windows::NestedLoop asking;
    bool ok = false;
    const QString password = QInputDialog::getText(
        VisibleWindowFor(nullptr), ApplicationTitle(),
        tr("The password of %1 on the shared database:").arg(database.name()), QLineEdit::Password, {}, &ok);
    return ok ? std::optional<QString>(password) : std::nullopt;
}

} // namespace

QString Caption() {
    return tr("Data &Source…");
}

QString CopyCaption() {
    return tr("&Copy Local Files to the Shared Database…");
}

std::optional<QString> ReadPassword(const SharedDatabase& database) {
    if (const auto& read = CurrentServices().readSecret) {
        return read(database.name());
    }
    struct Answer {
        bool done = false;
        std::optional<QString> password;
    };
    auto answer = std::make_shared<Answer>();
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(database.name());
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [answer, &loop](QKeychain::Job* finished) {
        answer->done = true;
        if (finished->error() == QKeychain::NoError) {
            answer->password = static_cast<QKeychain::ReadPasswordJob*>(finished)->textData();
        }
        loop.quit();
    });
    QTimer::singleShot(kSecretStoreWaitMs, &loop, &QEventLoop::quit);
    job->start();
    const Windows::NestedLoop waiting;
    if (!answer->done) {
        loop.exec();
    }
    return answer->password;
}

bool KeepPassword(const SharedDatabase& database) {
    if (const auto& write = CurrentServices().writeSecret) {
        return write(database.name(), database.password);
    }
    auto ok = std::make_shared<std::optional<bool>>();
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setKey(database.name());
    job->setTextData(database.password);
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [ok, &loop](QKeychain::Job* finished) {
        *ok = finished->error() == QKeychain::NoError;
        loop.quit();
    });
    QTimer::singleShot(kSecretStoreWaitMs, &loop, &QEventLoop::quit);
    job->start();
    const Windows::NestedLoop waiting;
    if (!ok->has_value()) {
        loop.exec();
    }
    return ok->value_or(false);
}

void ChooseAtStart(const QString& commandLine) {
    const QString given =
        commandLine.isEmpty() ? qEnvironmentVariable(DatabaseEnvironmentVariable.toLatin1().constData()) : commandLine;
    std::optional<SharedDatabase> chosen;
    if (given == QLatin1String("files")) {
        chosen.reset();
    } else if (!given.isEmpty()) {
        QString why;
        chosen = SharedDatabase::fromUrl(given, &why);
        if (!chosen) {
            MsgBox(tr("The shared database given cannot be used: %1.\r\nVelloran uses the files on this computer.")
                       .arg(why),
                   MsgButtons::Ok, MsgIcon::Critical);
        }
    } else {
        chosen = SavedDataSource();
    }
    if (chosen && chosen->password.isEmpty()) {
        // Asked only when no secret store keeps it.
        if (std::optional<QString> kept = ReadPassword(*chosen)) {
            chosen->password = *kept;
        } else if (std::optional<QString> typed = askPassword(*chosen)) {
            chosen->password = *typed;
        }
    }
    CurrentServices().sharedDatabase = chosen;
    if (chosen) {
        PrepareSharedDatabase(nullptr);
    }
}

bool PrepareSharedDatabase(QWidget* parent) {
    const std::optional<SharedDatabase>& database = CurrentServices().sharedDatabase;
    if (!database) {
        return true;
    }
    ServerSource& server = ServerSource::of(*database);
    StoreResult<ServerSource::Schema> schema = server.schema();
    while (!schema) {
        if (!StoreFailureRetry(StoreFailureText(schema.error()), schema.error(), parent)) {
            return false;
        }
        schema = server.schema();
    }
    switch (*schema) {
    case ServerSource::Schema::Current:
        return true;
    case ServerSource::Schema::Empty:
        if (MsgBox(tr("The database %1 is empty.\r\nMake Velloran's tables in it, so that its users can keep their "
                      "records and diary there?")
                       .arg(database->name()),
                   MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
            return false;
        }
        break;
    case ServerSource::Schema::Older:
        if (MsgBox(tr("The tables in the database %1 were made by an earlier Velloran.\r\nBring them up to date? "
                      "Earlier versions of Velloran cannot use them after that.")
                       .arg(database->name()),
                   MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
            return false;
        }
        break;
    case ServerSource::Schema::Newer:
    case ServerSource::Schema::Foreign:
        break;
    }
    if (const StoreStatus made = server.makeSchema(); !made) {
        MsgBox(tr("Velloran cannot use the database %1: %2.").arg(database->name(), made.error().text()),
               MsgButtons::Ok, MsgIcon::Critical, parent);
        return false;
    }
    return true;
}

void UseFromNowOn(const std::optional<SharedDatabase>& database) {
    // No window may go on showing records of the place left behind.
    const QList<Form*> open = Windows::LoadedForms();
    for (Form* form : open) {
        if (form->widget()->objectName() != QLatin1String("frmMain")) {
            Windows::UnloadForm(form);
        }
    }
    DataSource::closeAll();
    CurrentServices().sharedDatabase = database;
    SaveDataSource(database);
    ShowLauncher();
}

void AddMenuItems(QMenu* menu, QWidget* parent) {
    QAction* choose = AddNamedItem(menu, QStringLiteral("mnuDataSource"), Caption());
    QAction* copy = AddNamedItem(menu, QStringLiteral("mnuCopyToServer"), CopyCaption());
    QObject::connect(choose, &QAction::triggered, parent, [parent] { frmDataSource::Choose(parent); });
    QObject::connect(copy, &QAction::triggered, parent, [parent] { ServerCopy::CopyLocalFiles(parent); });
}

} // namespace DataSourceChoice
