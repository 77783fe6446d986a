#include "core/Services.h"
#include "shell/CommandLine.h"
#include "shell/Startup.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {
QStringList argumentList(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) {
        list.append(QString::fromLocal8Bit(argv[i]));
    }
    return list;
}
} // namespace

int main(int argc, char** argv) {
    // --help and --version answer, and arguments nobody understands are refused, before anything needs a display.
    const QStringList arguments = argumentList(argc, argv);
    // Read once, before a password in them is overwritten where `ps` would show it.
    const CommandLine commandLine = ReadCommandLine(arguments);
    const QString sharedDatabase = qEnvironmentVariable("VELLORAN_DATABASE");
    HidePasswords(argc, argv);
    if (const int code = AnswerCommandLine(commandLine); code >= 0) {
        return code;
    }
    if (!DisplayAvailable() && !ChoosesPlatform(arguments)) {
        std::fprintf(stderr, "Velloran is a desktop program and needs a graphical display; none was found "
                             "(DISPLAY and WAYLAND_DISPLAY are unset). Start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    PrepareApplication(app);
    // The program's services: real boxes, dialogs and clock; the shell and the data folder fill in the rest.
    Services services;
    const UseServices inForce(services);
    VelloranShell shell(ProgramStartupOptions(commandLine.database.isEmpty() ? sharedDatabase : commandLine.database));
    if (!shell.Start()) {
        return 0;
    }
    return app.exec();
}
