#include "commands/DataSourceChoice.h"

#include "commands/CopyToServer.h"
#include "commands/frmDataSource.h"
#include "core/Application.h"
#include "core/Services.h"
#include "data/DataSource.h"
#include "data/ServerCopy.h"
#include "data/ServerSource.h"
#include "ui/MessageBox.h"
#include "ui/SharedMenus.h"
#include "ui/ShellServices.h"
#include "ui/StoreMessages.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <functional>
#include <memory>
#include <qt6keychain/keychain.h>

namespace DataSourceChoice {

namespace {

const QString kService = QStringLiteral("velloran");

struct Words {
    Q_DECLARE_TR_FUNCTIONS(DataSourceChoice)
};

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
        Words::tr("The password of %1 on the shared database:").arg(database.name()), QLineEdit::Password, {}, &ok);
    return ok ? std::optional<QString>(password) : std::nullopt;
}

// True when the server refuses the user for want of a password (or a wrong one), as against one that cannot be
// reached, whose trouble start-up says anyway.
bool wantsPassword(const SharedDatabase& database) {
    const StoreResult<ServerSource::Schema> probed = ServerSource::probe(database);
    return !probed && probed.error().cause == StoreCause::Denied &&
           probed.error().why.contains(QLatin1String("password"), Qt::CaseInsensitive);
}

} // namespace

QString Caption() {
    return Words::tr("&Data Source…");
}

QString CopyCaption() {
    return Words::tr("Cop&y Local Files to the Shared Database…");
}

namespace {
// Runs a job of the secret store and waits for it, a few seconds at most; the job deletes itself when it finishes,
// and what it says after the wait is heard by no one.
void runJob(QKeychain::Job* job, const std::function<void(QKeychain::Job*)>& finished) {
    auto heard = std::make_shared<bool>(false);
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [heard, finished, &loop](QKeychain::Job* done) {
        *heard = true;
        finished(done);
        loop.quit();
    });
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, &loop, &QEventLoop::quit);
    patience.start(kSecretStoreWaitMs);
    job->start();
    const Windows::NestedLoop waiting;
    if (!*heard) {
        loop.exec();
    }
}
} // namespace

std::optional<QString> ReadPassword(const SharedDatabase& database) {
    if (const auto& read = CurrentServices().readSecret) {
        return read(database.name());
    }
    std::optional<QString> password;
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(database.name());
    runJob(job, [&password](QKeychain::Job* done) {
        if (done->error() == QKeychain::NoError) {
            password = static_cast<QKeychain::ReadPasswordJob*>(done)->textData();
        }
    });
    return password;
}

bool KeepPassword(const SharedDatabase& database) {
    if (const auto& write = CurrentServices().writeSecret) {
        return write(database.name(), database.password);
    }
    bool kept = false;
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setKey(database.name());
    job->setTextData(database.password);
    runJob(job, [&kept](QKeychain::Job* done) { kept = done->error() == QKeychain::NoError; });
    return kept;
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
            MsgBox(
                Words::tr("The shared database given cannot be used: %1.\r\nVelloran uses the files on this computer.")
                    .arg(why),
                MsgButtons::Ok, MsgIcon::Critical);
        }
    } else {
        chosen = SavedDataSource();
    }
    if (chosen && chosen->password.isEmpty()) {
        // Asked only when no secret store keeps it and the server wants one that libpq cannot find itself (in
        // ~/.pgpass, or none at all for a server that trusts this user).
        if (std::optional<QString> kept = ReadPassword(*chosen)) {
            chosen->password = *kept;
        } else if (wantsPassword(*chosen)) {
            if (std::optional<QString> typed = askPassword(*chosen)) {
                chosen->password = *typed;
            }
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
        StoreError error = schema.error();
        error.what = Words::tr("The shared database could not be opened");
        if (!StoreFailureRetry(StoreFailureText(error), error, parent)) {
            return false;
        }
        // A refused password is asked for again rather than tried again as it was.
        if (schema.error().cause == StoreCause::Denied) {
            if (const std::optional<QString> typed = askPassword(*database)) {
                CurrentServices().sharedDatabase->password = *typed;
                ServerSource::of(*CurrentServices().sharedDatabase);
            }
        }
        schema = server.schema();
    }
    switch (*schema) {
    case ServerSource::Schema::Current:
        return true;
    case ServerSource::Schema::Empty:
        if (MsgBox(
                Words::tr("The database %1 is empty.\r\nMake Velloran's tables in it, so that its users can keep their "
                          "records and diary there?")
                    .arg(database->name()),
                MsgButtons::YesNo, MsgIcon::None, parent) != MsgResult::Yes) {
            return false;
        }
        break;
    case ServerSource::Schema::Older:
        if (MsgBox(
                Words::tr("The tables in the database %1 were made by an earlier Velloran.\r\nBring them up to date? "
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
        MsgBox(Words::tr("Velloran cannot use the database %1: %2.").arg(database->name(), made.error().text()),
               MsgButtons::Ok, MsgIcon::Critical, parent);
        return false;
    }
    return true;
}

void UseFromNowOn(const std::optional<SharedDatabase>& database) {
    const QList<Form*> open = Windows::LoadedForms();
    for (Form* form : open) {
        if (!form->staysWhenTheDataMoves()) {
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
