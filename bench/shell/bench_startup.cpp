// bench_startup [RUNS]: starts the program's start-up and the bare baseline alternately, each RUNS times
// (default 40), timing process start to exit, and prints the medians and their ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double runOnce(const QString& program) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QDir here(QCoreApplication::applicationDirPath());
    const QString velloran = here.filePath("bench_startup_velloran");
    const QString bare = here.filePath("bench_startup_bare");
    // Warm the file cache so that neither side pays for the first load from disk.
    runOnce(velloran);
    runOnce(bare);
    std::vector<double> v;
    std::vector<double> b;
    for (int i = 0; i < runs; ++i) {
        v.push_back(runOnce(velloran));
        b.push_back(runOnce(bare));
    }
    const double mv = median(v);
    const double mb = median(b);
    std::printf("platform %s, %d runs each\n",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("velloran start-up to launcher shown: median %.1f ms\n", mv);
    std::printf("bare QMainWindow shown:              median %.1f ms\n", mb);
    std::printf("ratio: %.3f (goal <= 1.15)\n", mv / mb);
    return 0;
}
