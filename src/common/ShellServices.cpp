#include "common/ShellServices.h"

#include "common/Windows.h"

namespace {
ShellServices*& services() {
    static ShellServices* s = nullptr;
    return s;
}
} // namespace

void SetShellServices(ShellServices* s) {
    services() = s;
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
