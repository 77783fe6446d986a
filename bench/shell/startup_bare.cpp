// The baseline: a Qt program that shows one main window with one line of text and ends as soon as it is
// shown, or, with --until-map, as soon as the window is mapped on the X server.
#include "MapWatch.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Velloran")));
    window.resize(553, 453);
    window.show();
    MapWatch watch;
    if (MapWatch::Wanted(argc, argv)) {
        watch.Install();
    } else {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return app.exec();
}
