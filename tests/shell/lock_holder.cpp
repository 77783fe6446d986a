// lock_holder LOCKPATH: takes the single-instance lock, says "locked" and waits to be killed.
#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SingleInstance instance(app.arguments().value(1));
    if (!instance.TryAcquire()) {
        std::puts("busy");
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    for (;;) {
        QThread::sleep(1);
    }
}
