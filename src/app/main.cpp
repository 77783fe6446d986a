#include "shell/Startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "Velloran is a desktop program and needs a graphical display; none was found "
                             "(DISPLAY and WAYLAND_DISPLAY are unset). Start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    PrepareApplication(app);
    VelloranShell shell;
    if (!shell.Start()) {
        return 0;
    }
    return app.exec();
}
