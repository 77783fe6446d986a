#include "ui/ShellServices.h"

#include "core/Services.h"
#include "ui/Windows.h"

namespace {
ShellServices* services() {
    return CurrentServices().shell;
}
} // namespace

void SetShellServices(ShellServices* s) {
    CurrentServices().shell = s;
}

void ShowLauncher() {
    if (services() && !Windows::IsClosingAll()) {
        services()->ShowLauncher();
    }
}

void ShowAbout(QWidget* parent) {
    if (services()) {
        services()->ShowAbout(parent);
    }
}

void EndProgram() {
    if (services()) {
        services()->EndProgram();
    }
}
