// The program's real start-up (single instance, update reminder, launcher, brand choice) in a private
// application folder and settings, ending as soon as the launcher is shown, or, with --until-map, as soon as
// it is mapped on the X server.
#include "MapWatch.h"
#include "core/Application.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetApplicationFolder(dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    PrepareApplication(app);
    StartupOptions options;
    options.lockPath = dir.filePath(u"velloran.lock"_s);
    VelloranShell shell(options);
    if (!shell.Start()) {
        return 1;
    }
    MapWatch watch;
    if (MapWatch::Wanted(argc, argv)) {
        watch.Install();
    } else {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
