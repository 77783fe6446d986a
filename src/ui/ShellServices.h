#pragma once

class QWidget;

// What a tool may ask of the application shell without depending on it. The shell registers the real
// services at start-up; tests register their own.
class ShellServices {
  public:
    virtual ~ShellServices() = default;
    virtual void ShowLauncher() = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    virtual void EndProgram() = 0;
};

void SetShellServices(ShellServices* services);

// Brings the launcher back; does nothing while CloseAllWindows is ending the program.
void ShowLauncher();
// The modal About box over the given window.
void ShowAbout(QWidget* parent);
void EndProgram();
