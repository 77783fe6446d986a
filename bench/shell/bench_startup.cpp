// bench_startup [PAIRS]: what a user waits for at start-up, from the start of the process to the launcher mapped on
// the X server, against a bare Qt main window showing one line of text, in alternating pairs (default 21) after one
// warm-up of each, under the C locale and under German (de_DE, the translations loaded). Prints each language's
// medians, the median of the pairs' ratios and the ratio of the medians. Without a display it falls back to the
// offscreen platform, where "mapped" is the window shown.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double untilMapped(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {QStringLiteral("--until-map")});
    while (!process.canReadLine() && process.waitForReadyRead(60000)) {
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (process.readLine().trimmed() != "mapped") {
        std::fprintf(stderr, "%s did not map its window\n", qPrintable(program));
        std::exit(1);
    }
    process.waitForFinished(60000);
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QDir here(QCoreApplication::applicationDirPath());
    const QString velloran = here.filePath(QStringLiteral("bench_startup_velloran"));
    const QString bare = here.filePath(QStringLiteral("bench_startup_bare"));
    std::printf("platform %s, %d pairs each\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "xcb" : qgetenv("QT_QPA_PLATFORM").constData(), pairs);
    std::printf("| language | Velloran median | bare median | median of pair ratios | ratio of medians |\n");
    std::printf("|---|---|---|---|---|\n");
    for (const char* language : {"C", "de_DE.UTF-8"}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(language));
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(language));
        environment.remove(QStringLiteral("LANGUAGE"));
        // Neither side pays for the first load from disk.
        untilMapped(velloran, environment);
        untilMapped(bare, environment);
        std::vector<double> v;
        std::vector<double> b;
        std::vector<double> ratios;
        for (int i = 0; i < pairs; ++i) {
            // Alternated within the pair too, so that neither always follows the other.
            const bool velloranFirst = i % 2 == 0;
            const double first = untilMapped(velloranFirst ? velloran : bare, environment);
            const double second = untilMapped(velloranFirst ? bare : velloran, environment);
            v.push_back(velloranFirst ? first : second);
            b.push_back(velloranFirst ? second : first);
            ratios.push_back(v.back() / b.back());
        }
        std::printf("| %s | %.1f ms | %.1f ms | %.3f | %.3f |\n", language, median(v), median(b), median(ratios),
                    median(v) / median(b));
    }
    std::printf("goal: at most 1.15 under both\n");
    return 0;
}
