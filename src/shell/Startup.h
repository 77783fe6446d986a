#pragma once

#include "data/DataFolder.h"
#include "shell/SingleInstance.h"
#include "ui/ShellServices.h"

#include <functional>
#include <optional>

class QApplication;

// A uniform random number in [0, 1).
using RandomSource = std::function<double()>;

struct StartupOptions {
    QString lockPath = SingleInstance::DefaultLockPath();
    RandomSource random;              // empty: the system's generator, seeded anew every run
    std::function<void()> endProgram; // empty: leave the event loop
    // Where to look for the data files; empty: keep the application folder as it is (tests set their own).
    std::optional<DataPlaces> dataPlaces;
    // --database as given; empty: VELLORAN_DATABASE or the user's choice. Tests leave the data where they put it.
    std::optional<QString> database = std::nullopt;
};

// The options of the program as installed or unpacked: its own lock, generator and data folders.
StartupOptions ProgramStartupOptions(const QString& database = {});

// The application shell: start-up in its order, and the services the tools call to reach it.
class VelloranShell : public ShellServices {
  public:
    explicit VelloranShell(StartupOptions options = {});
    ~VelloranShell() override;

    // Single instance, data folder, update reminder, launcher, brand choice. False when another copy runs: then the
    // user has been told, every window is closed, and this copy must end.
    bool Start();

    void ShowLauncher() override;
    void ShowAbout(QWidget* parent) override;
    void EndProgram() override;

  private:
    StartupOptions options_;
    SingleInstance instance_;
};

// What a second copy says before it ends.
QString AlreadyRunning();

// The name the desktop entry, the AppStream metainfo and the icons carry.
inline constexpr const char* DesktopAppId = "org.velloran.Velloran";

// Font, style and names every run of the program shares.
void PrepareApplication(QApplication& app);
// False on a Linux machine without a display server to talk to.
bool DisplayAvailable();
