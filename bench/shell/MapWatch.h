#pragma once

// With --until-map, a start-up child tells its driver the moment its first window is mapped on the X server
// (a line "mapped" on standard output) and ends there. Without an X server (the offscreen platform) the
// moment the window is shown stands in for it.
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

class MapWatch : public QAbstractNativeEventFilter {
  public:
    // True when the program was asked to end at the first map.
    static bool Wanted(int argc, char** argv) { return argc > 1 && QByteArray(argv[1]) == "--until-map"; }

    // Call after the window is shown.
    void Install() {
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            QCoreApplication::instance()->installNativeEventFilter(this);
        } else {
            QTimer::singleShot(0, [] { Report(); });
        }
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        // xcb_generic_event_t starts with the response type; 19 is MapNotify.
        constexpr unsigned char MapNotify = 19;
        if (!reported_ && eventType == "xcb_generic_event_t" &&
            (static_cast<const unsigned char*>(message)[0] & 0x7f) == MapNotify) {
            reported_ = true;
            Report();
        }
        return false;
    }

  private:
    static void Report() {
        std::fputs("mapped\n", stdout);
        std::fflush(stdout);
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    bool reported_ = false;
};
