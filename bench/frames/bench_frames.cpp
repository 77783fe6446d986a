// bench_frames [ROUNDS [ROWS...]]: every click of the frame-time goals, each as a ratio against its floor
// measured in the same run, at each table size (default 10, 32,768 and 1,000,000 rows), with the peak memory
// of the process that measured it. Run it under a real X server (xvfb-run -a) for the start-up rows.
//
// Start-up: the program's start-up child and the bare child (one window with one line of text) are started
// alternately, ROUNDS times each, and timed from the start of the process to the first map of their window on
// the X server, and, in runs of their own, to their exit. Every other row comes from bench_frames_worker,
// one process per tool and size, which alternates each action with its floor round by round. "ms" is the
// median time on the wall from the click until the window has painted; "cpu ms" the processor time the
// program's thread spent on it, which a machine busy with other work does not inflate.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QString binary(const QString& name) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

// Milliseconds from the start of the process to its line "mapped" (untilMap) or to its exit.
double startOnce(const QString& program, bool untilMap) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, untilMap ? QStringList{QStringLiteral("--until-map")} : QStringList{});
    double ms = -1;
    if (untilMap) {
        while (process.waitForReadyRead(20000)) {
            if (process.readAllStandardOutput().contains("mapped")) {
                ms = timer.nsecsElapsed() / 1e6;
                break;
            }
        }
        process.waitForFinished(20000);
    } else if (process.waitForFinished(20000) && process.exitCode() == 0) {
        ms = timer.nsecsElapsed() / 1e6;
    }
    if (ms < 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return ms;
}

struct Row {
    QString action;
    QString rows;
    double ms = 0;
    QString floor;
    double floorMs = 0;
    double ratio = 0;
    double cpuMs = -1; // processor time of the measuring thread, where measured
    double goal = 0;   // the highest ratio that meets the goal; 0 for figures without one
    QString memory;
};

std::vector<Row> table;

void print(const Row& r) {
    const double ratio = r.ratio > 0 ? r.ratio : r.floorMs > 0 ? r.ms / r.floorMs : 0;
    const QString verdict = r.goal <= 0       ? QString()
                            : ratio <= r.goal ? QStringLiteral("met")
                                              : QStringLiteral("NOT met");
    const QString cpu = r.cpuMs >= 0 ? QString::number(r.cpuMs, 'f', 2) : QString();
    std::printf("%-46s %9s %9.2f %8s  %-27s %8.2f %7.2f  %-6s %-8s %s\n", qPrintable(r.action), qPrintable(r.rows),
                r.ms, qPrintable(cpu), qPrintable(r.floor), r.floorMs, ratio,
                r.goal > 0 ? qPrintable(QString::number(r.goal)) : "", qPrintable(verdict), qPrintable(r.memory));
    std::fflush(stdout);
}

// Runs the worker and turns its lines into rows; returns its peak memory in kB.
long work(const QStringList& arguments, const QString& rows, const QMap<QString, double>& goals) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(binary(QStringLiteral("bench_frames_worker")), arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) {
        std::fprintf(stderr, "bench_frames_worker %s failed\n", qPrintable(arguments.join(u' ')));
        std::exit(1);
    }
    long peak = -1;
    std::vector<Row> made;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.value(0) == "PEAK") {
            peak = parts.value(1).toLong();
        } else if (parts.value(0) == "ROW" && parts.size() >= 5) {
            Row r;
            r.action = QString::fromUtf8(parts[1]);
            r.rows = rows;
            r.ms = parts[2].toDouble();
            r.floor = QString::fromUtf8(parts[3]);
            r.floorMs = parts[4].toDouble();
            r.ratio = parts.value(5).toDouble();
            r.cpuMs = parts.size() > 6 ? parts[6].toDouble() : -1;
            r.goal = goals.value(r.action, 0);
            made.push_back(r);
        }
    }
    for (Row& r : made) {
        r.memory = QStringLiteral("%1 MB").arg(peak / 1024.0, 0, 'f', 1);
        print(r);
        table.push_back(r);
    }
    return peak;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const int rounds = std::max(1, args.value(0, QStringLiteral("15")).toInt());
    QList<int> sizes;
    for (const QString& size : args.mid(1)) {
        sizes.append(size.toInt());
    }
    if (sizes.isEmpty()) {
        sizes = {10, 32768, 1000000};
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QByteArray platform =
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QByteArray("xcb (DISPLAY set)") : qgetenv("QT_QPA_PLATFORM");
    std::printf("bench_frames: %d rounds, platform %s\n\n", rounds, platform.constData());
    std::printf("%-46s %9s %9s %8s  %-27s %8s %7s  %-6s %-8s %s\n", "action", "rows", "ms", "cpu ms", "floor",
                "floor ms", "ratio", "goal", "", "peak memory");

    // Start-up, alternating the two programs run by run.
    const QString velloran = binary(QStringLiteral("bench_startup_velloran"));
    const QString bare = binary(QStringLiteral("bench_startup_bare"));
    startOnce(velloran, true); // warm the file cache for both
    startOnce(bare, true);
    std::vector<double> vMap, bMap, vExit, bExit;
    for (int i = 0; i < std::max(rounds, 20); ++i) {
        vMap.push_back(startOnce(velloran, true));
        bMap.push_back(startOnce(bare, true));
        vExit.push_back(startOnce(velloran, false));
        bExit.push_back(startOnce(bare, false));
    }
    const auto startRow = [&](const QString& action, double ms, double floorMs, double goal) {
        Row r;
        r.action = action;
        r.rows = QStringLiteral("-");
        r.ms = ms;
        r.floor = QStringLiteral("bare window, one line");
        r.floorMs = floorMs;
        r.goal = goal;
        return r;
    };
    const Row mapRow = startRow(QStringLiteral("start to launcher mapped on X"), median(vMap), median(bMap), 1.15);
    const Row exitRow = startRow(QStringLiteral("(start to launcher shown and exit)"), median(vExit), median(bExit), 0);
    print(mapRow);
    print(exitRow);

    const QMap<QString, double> goals{{QStringLiteral("open the calendar browser"), 1.0},
                                      {QStringLiteral("open a diary section"), 1.0},
                                      {QStringLiteral("add one diary entry"), 1.2},
                                      {QStringLiteral("remove one diary entry"), 1.2},
                                      {QStringLiteral("open the grid"), 1.0},
                                      {QStringLiteral("first jump to the grid's end"), 1.0}};
    const long bareKb = work({QStringLiteral("bare"), QString::number(rounds)}, QStringLiteral("-"), {});
    work({QStringLiteral("calendar"), QString::number(rounds)}, QStringLiteral("-"), goals);

    QTemporaryDir dir;
    QMap<int, long> diaryPeaks;
    for (int size : sizes) {
        const QString folder = dir.filePath(QString::number(size));
        QDir().mkpath(folder);
        QElapsedTimer making;
        making.start();
        QProcess make;
        make.setProcessChannelMode(QProcess::ForwardedChannels);
        make.start(binary(QStringLiteral("bench_frames_worker")),
                   {QStringLiteral("make"), folder, QString::number(size)});
        if (!make.waitForFinished(-1) || make.exitCode() != 0) {
            std::fprintf(stderr, "cannot make the files of %d rows\n", size);
            return 1;
        }
        const QString rows = QLocale(QLocale::English).toString(size);
        diaryPeaks[size] = work({QStringLiteral("diary"), folder, QString::number(rounds)}, rows, goals);
        work({QStringLiteral("grid"), folder, QString::number(rounds)}, rows, goals);
        QDir(folder).removeRecursively();
    }

    std::printf("\npeak memory: bare Qt window %.1f MB; the goal for the diary is at most that plus 40 MB\n",
                bareKb / 1024.0);
    for (auto it = diaryPeaks.constBegin(); it != diaryPeaks.constEnd(); ++it) {
        const double over = (it.value() - bareKb) / 1024.0;
        std::printf("  diary process at %9d rows: %.1f MB, %.1f MB above bare: %s\n", it.key(), it.value() / 1024.0,
                    over, over <= 40 ? "met" : "NOT met");
    }
    return 0;
}
