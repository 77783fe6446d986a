#include "shell/Startup.h"

#include "commands/BackupCommands.h"
#include "commands/DataSourceChoice.h"
#include "core/Language.h"
#include "data/ServerConnection.h"
#include "diary/DiaryValues.h"
#include "dowsing/DowsingStore.h"
#include "shell/Log.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "ui/Keyboard.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Pictures.h"
#include "ui/UpdateReminder.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QStyleFactory>

QString AlreadyRunning() {
    return QCoreApplication::translate("VelloranShell", "Application is already running");
}

VelloranShell::VelloranShell(StartupOptions options) : options_(std::move(options)), instance_(options_.lockPath) {
    if (!options_.random) {
        options_.random = [] { return QRandomGenerator::global()->generateDouble(); };
    }
    if (!options_.endProgram) {
        options_.endProgram = [] { QCoreApplication::quit(); };
    }
}

VelloranShell::~VelloranShell() {
    SetShellServices(nullptr);
}

bool VelloranShell::Start() {
    SetShellServices(this);
    if (!instance_.TryAcquire()) {
        qCInfo(VelloranShellLog, "another copy holds %s", qUtf8Printable(options_.lockPath));
        MsgBox(AlreadyRunning(), MsgButtons::Ok, MsgIcon::Information);
        CloseAllWindows();
        return false;
    }
    // Under the lock, so that two copies never seed the same folder at once.
    if (options_.dataPlaces) {
        const DataFolderChoice choice = UseDataFolder(
            *options_.dataPlaces, {QString::fromLatin1(DowsingStore::FileName), QString::fromLatin1(DiaryFileName)});
        if (!choice.problem.isEmpty()) {
            MsgBox(choice.problem, MsgButtons::Ok, MsgIcon::Critical);
        }
    }
    // Before any tool reads a file: both files from one time, never the records of one and the diary of another.
    BackupCommands::FinishInterruptedRestore();
    if (options_.database) {
        qCInfo(VelloranShellLog, "choosing the data source at start");
        DataSourceChoice::ChooseAtStart(*options_.database);
    }
    CheckForUpdateReminder();
    frmMain* launcher = Windows::Show<frmMain>();
    if (launcher) {
        launcher->BringRandomBrandToFront(options_.random);
    }
    return true;
}

void VelloranShell::ShowLauncher() {
    Windows::Show<frmMain>();
}

void VelloranShell::ShowAbout(QWidget* parent) {
    frmAbout::ShowModal(parent);
}

void VelloranShell::EndProgram() {
    instance_.Release();
    options_.endProgram();
}

StartupOptions ProgramStartupOptions(const QString& database) {
    StartupOptions options;
    options.dataPlaces = InstalledDataPlaces();
    options.database = database;
    return options;
}

void PrepareApplication(QApplication& app) {
    // Before any window takes its texts.
    Language::Use(QLocale::system());
    // The user's data folder and the window manager's class are named after these.
    QCoreApplication::setApplicationName(QStringLiteral("velloran"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLORAN_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopAppId));
    app.setStyle(Look::ProgramStyle());
    app.setFont(Look::Verdana(8.25));
    app.setWindowIcon(Pictures::ProgramIcon());
    InstallKeyboardConventions(&app);
    app.setApplicationDisplayName(QString());
    // Windows are hidden and shown as tools come and go; the program ends only through CloseAllWindows.
    app.setQuitOnLastWindowClosed(false);
    // A call to the shared database that keeps the user waiting shows the busy pointer.
    ServerDriver::SetWaitIndicator([](bool waiting) {
        if (waiting) {
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    });
}

bool DisplayAvailable() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}
