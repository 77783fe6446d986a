// Measures what the festival calendar does each time a window opens, against a baseline in the same run:
// - composing all 84 month texts (done on every month view load) against copying 84 ready texts;
// - loading and unloading the month view and the browser against a bare window with a month calendar.
#include "calendar/PaganCalendarValues.h"
#include "calendar/frmPaganMain.h"
#include "calendar/frmPaganResultCalendar.h"
#include "calendar/modPaganFestivals.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>
#include <array>
#include <cstdio>
#include <functional>

namespace {

// Best of several rounds, in microseconds per run: the least disturbed figure on a shared machine.
double microsecondsPerRun(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < runs; ++i) {
            work();
        }
        best = std::min(best, double(timer.nsecsElapsed()) / 1000.0 / runs);
    }
    return best;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void report(const char* what, double measured, const char* baseline, double base) {
    std::printf("%-34s %10.1f us   %-34s %10.1f us   ratio %6.2f\n", what, measured, baseline, base, measured / base);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    modPaganFestivals::FillFestivalTable();
    std::array<QString, modPaganFestivals::MonthTextCount> ready;
    for (int slot = 0; slot < modPaganFestivals::MonthTextCount; ++slot) {
        ready[slot] = modPaganFestivals::ComposeMonthText(2006 + slot / 12, slot % 12 + 1);
    }
    std::array<QString, modPaganFestivals::MonthTextCount> copies;
    const double fill = microsecondsPerRun(2000, [] { modPaganFestivals::FillFestivalTable(); });
    const double copy = microsecondsPerRun(2000, [&] {
        for (int slot = 0; slot < modPaganFestivals::MonthTextCount; ++slot) {
            // A deep copy, as a table written out whole would make.
            copies[slot] = QString(ready[slot].constData(), ready[slot].size());
        }
    });
    report("FillFestivalTable", fill, "copy 84 ready texts", copy);

    const double bare = microsecondsPerRun(20, [] {
        auto* window = new QMainWindow;
        auto* client = new QWidget(window);
        auto* layout = new QVBoxLayout(client);
        layout->addWidget(new QLabel(QStringLiteral("Display Festivals")));
        layout->addWidget(new QCalendarWidget);
        window->setCentralWidget(client);
        window->show();
        settle();
        delete window;
    });

    const double view = microsecondsPerRun(20, [] {
        Windows::Load<frmPaganResultCalendar>()->SetChosenMonth(PaganCalendar::PlatformMonthName(12),
                                                                QStringLiteral("2012"));
        Windows::Show<frmPaganResultCalendar>();
        settle();
        Windows::Unload<frmPaganResultCalendar>();
        settle();
    });
    report("month view load + unload", view, "bare calendar window", bare);

    const double browser = microsecondsPerRun(5, [] {
        Windows::Show<frmPaganMain>();
        settle();
        Windows::Unload<frmPaganMain>();
        settle();
    });
    report("browser load + unload", browser, "bare calendar window", bare);
    return 0;
}
