#include "core/Clock.h"

#include <QTest>
#include <dlfcn.h>
#include <optional>
#include <sys/time.h>
#include <time.h>

namespace {
// While set, the wall clock as the program reads it: each reading returns it and moves it a millisecond on.
std::optional<qint64> scriptedMsecs;

bool readScripted(qint64& msecs) {
    if (!scriptedMsecs) {
        return false;
    }
    msecs = (*scriptedMsecs)++;
    return true;
}
} // namespace

// Qt reads the wall clock through one of these, depending on its version; both answer from the script.
extern "C" int gettimeofday(struct timeval* __restrict tv, void* __restrict tz) noexcept {
    if (qint64 msecs = 0; readScripted(msecs)) {
        tv->tv_sec = time_t(msecs / 1000);
        tv->tv_usec = suseconds_t(msecs % 1000 * 1000);
        return 0;
    }
    static const auto real = reinterpret_cast<int (*)(timeval*, void*)>(dlsym(RTLD_NEXT, "gettimeofday"));
    return real(tv, tz);
}

extern "C" int clock_gettime(clockid_t clock, struct timespec* ts) noexcept {
    if (qint64 msecs = 0; clock == CLOCK_REALTIME && readScripted(msecs)) {
        ts->tv_sec = time_t(msecs / 1000);
        ts->tv_nsec = long(msecs % 1000 * 1000000);
        return 0;
    }
    static const auto real = reinterpret_cast<int (*)(clockid_t, timespec*)>(dlsym(RTLD_NEXT, "clock_gettime"));
    return real(clock, ts);
}

class tst_Clock : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        scriptedMsecs.reset();
        SetToday(std::nullopt);
    }

    // Midnight passing while the moment is read must not put it a day off (a backup's stamp).
    void now_acrossMidnight_isOneMoment() {
        const QDateTime midnight(QDate(2026, 3, 2), QTime(0, 0));
        const qint64 justBefore = midnight.toMSecsSinceEpoch() - 1;
        scriptedMsecs = justBefore;
        if (QDateTime::currentMSecsSinceEpoch() != justBefore) {
            QSKIP("this Qt reads the clock in a way the test cannot script");
        }
        scriptedMsecs = justBefore;
        const QDateTime now = Now();
        QVERIFY2(qAbs(now.msecsTo(midnight)) <= 1, qPrintable(now.toString(Qt::ISODateWithMs)));

        // A date fixed by a test keeps the moment's time of day.
        scriptedMsecs = justBefore;
        SetToday(QDate(2009, 3, 1));
        QCOMPARE(Now(), QDateTime(QDate(2009, 3, 1), QTime(23, 59, 59, 999)));
    }
};

QTEST_MAIN(tst_Clock)
#include "tst_Clock.moc"
