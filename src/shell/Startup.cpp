#include "shell/Startup.h"

#include "common/Keyboard.h"
#include "common/Look.h"
#include "common/MessageBox.h"
#include "common/Pictures.h"
#include "common/UpdateReminder.h"
#include "common/Windows.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QStyleFactory>

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
        MsgBox(QStringLiteral("Application is already running"), MsgButtons::Ok, MsgIcon::Information);
        CloseAllWindows();
        return false;
    }
    CheckForUpdateReminder();
    frmMain* launcher = Windows::Show<frmMain>();
    if (launcher) {
        launcher->CoBrand_Randomize(options_.random);
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

void PrepareApplication(QApplication& app) {
    // Fusion honours the windows' own colours the same way on every desktop.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setFont(Look::Verdana(8.25));
    app.setWindowIcon(Pictures::ProgramIcon());
    InstallKeyboardConventions(&app);
    app.setApplicationDisplayName(QString());
    // Windows are hidden and shown as tools come and go; the program ends only through CloseAllWindows.
    app.setQuitOnLastWindowClosed(false);
}

bool DisplayAvailable() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}
