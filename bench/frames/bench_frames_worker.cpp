// One process of bench_frames: makes the data files, or times one tool's clicks from the click until the
// window has painted, round by round against the floor of each action, and reports its own peak memory.
//
//   bench_frames_worker make FOLDER ROWS      Dowsing.dll and diary.dll (Spell) with ROWS rows each
//   bench_frames_worker bare ROUNDS           a bare window with one line of text (the memory floor)
//   bench_frames_worker calendar ROUNDS       the launcher's "Pagan" button until the browser has painted
//   bench_frames_worker diary FOLDER ROUNDS   opening the Spell section; adding and removing one entry
//   bench_frames_worker grid FOLDER ROUNDS    opening the all-records grid; the first jump to its end
//
// Results are lines "ROW<tab>action<tab>median ms<tab>floor<tab>floor median ms<tab>ratio" and "PEAK<tab>kB";
// the ratio is the median of the rounds' ratios where the floor is timed round by round, else against the frame.
#include "calendar/frmPaganMain.h"
#include "core/Application.h"
#include "data/DataSource.h"
#include "diary/DiaryKeywordModel.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "support/BenchDiary.h"
#include "support/BenchDowsing.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMap>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr double kFrameMs = 16.0;

// Processor time of this thread per action, by action: on a machine shared with other work the clock on the
// wall also counts the time the program waited for a processor.
QMap<QString, std::vector<double>>& cpuTimes() {
    static QMap<QString, std::vector<double>> times;
    return times;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void row(const char* action, double ms, const char* floor, double floorMs, double ratio = 0) {
    const auto cpu = cpuTimes().constFind(QString::fromUtf8(action));
    std::printf("ROW\t%s\t%.3f\t%s\t%.3f\t%.4f\t%.3f\n", action, ms, floor, floorMs, ratio > 0 ? ratio : ms / floorMs,
                cpu == cpuTimes().constEnd() ? -1.0 : median(*cpu));
    std::fflush(stdout);
}

// The median of the ratios of each round's action to the floor timed beside it: a disk sync that is slow for a
// while slows both alike.
double medianRatio(const std::vector<double>& measured, const std::vector<double>& floor) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < measured.size() && i < floor.size(); ++i) {
        ratios.push_back(measured[i] / floor[i]);
    }
    return median(ratios);
}

long peakKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Notices the first paint of a window (or of anything inside it) after start().
class PaintWatch : public QObject {
  public:
    PaintWatch() { qApp->installEventFilter(this); }

    // Runs `click`, then the event loop until `target()` has painted; returns the milliseconds taken.
    double time(const std::function<void()>& click, const std::function<QWidget*()>& target,
                const char* action = nullptr) {
        const double cpuStart = threadCpuMs();
        painted_ = false;
        target_ = nullptr;
        targetOf_ = target;
        QElapsedTimer clock;
        clock.start();
        click();
        while (!painted_ && clock.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        if (action) {
            cpuTimes()[QString::fromUtf8(action)].push_back(threadCpuMs() - cpuStart);
        }
        if (!painted_) {
            std::fprintf(stderr, "no paint seen within 10 s\n");
        }
        return ms;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType()) {
            if (!target_ && targetOf_) {
                target_ = targetOf_();
            }
            auto* widget = static_cast<QWidget*>(watched);
            painted_ = target_ && (widget == target_ || target_->isAncestorOf(widget));
        }
        return false;
    }

  private:
    bool painted_ = false;
    QWidget* target_ = nullptr;
    std::function<QWidget*()> targetOf_;
};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// A bare top-level window with one line of text, as the floor of opening a window.
QMainWindow* bareWindow() {
    auto* window = new QMainWindow;
    window->setCentralWidget(new QLabel(QStringLiteral("Velloran")));
    window->resize(553, 453);
    return window;
}

// ---- data files -------------------------------------------------------------------------------------------

bool makeDiary(const QString& folder, int rows) {
    const QString path = QDir(folder).filePath(QStringLiteral("diary.dll"));
    QFile::remove(path);
    QFile schema(QStringLiteral(VELLORAN_DIARY_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly) || !DiaryStore::createDatabase(path, QString::fromUtf8(schema.readAll()))) {
        return false;
    }
    return FillSpellSection(path, rows);
}

// ---- measurements -----------------------------------------------------------------------------------------

int bare(int rounds) {
    PaintWatch watch;
    std::vector<double> times;
    for (int i = 0; i < rounds + 1; ++i) {
        QMainWindow* window = bareWindow();
        const double ms = watch.time([&] { window->show(); }, [&] { return window; });
        if (i > 0) {
            times.push_back(ms);
        }
        delete window;
        settle();
    }
    row("bare window shown", median(times), "one frame", kFrameMs);
    return 0;
}

int calendar(int rounds) {
    QTemporaryDir dir;
    SetApplicationFolder(dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    StartupOptions options;
    options.lockPath = dir.filePath(QStringLiteral("velloran.lock"));
    VelloranShell shell(options);
    if (!shell.Start()) {
        return 1;
    }
    PaintWatch watch;
    frmMain* launcher = Windows::Loaded<frmMain>();
    std::vector<double> browser;
    std::vector<double> floor;
    for (int i = 0; i < rounds + 1; ++i) {
        settle();
        const double ms = watch.time(
            [&] { launcher->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_2"))->click(); },
            [] { return static_cast<QWidget*>(Windows::Loaded<frmPaganMain>()); }, "open the calendar browser");
        Windows::Unload<frmPaganMain>();
        settle();
        QMainWindow* window = bareWindow();
        const double base = watch.time([&] { window->show(); }, [&] { return window; });
        delete window;
        settle();
        if (i > 0) { // the first round warms the caches of both
            browser.push_back(ms);
            floor.push_back(base);
        }
    }
    row("open the calendar browser", median(browser), "one frame", kFrameMs);
    row("(bare window shown, same way)", median(floor), "one frame", kFrameMs);
    Windows::ResetForTests();
    return 0;
}

// The floor of adding or removing an entry: one committed SQLite write on the same file, as durable as the
// program's (synchronous = EXTRA: the file and its folder synced), on a connection kept open as the program keeps its
// own, and one line added to or taken from a list on screen.
class ListFloor {
  public:
    explicit ListFloor(QString path) : path_(std::move(path)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("floor"));
        db.setDatabaseName(path_);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = EXTRA"));
        model_.setStringList({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        view_.setModel(&model_);
        view_.setUniformItemSizes(true);
        view_.resize(504, 124);
        view_.show();
        settle();
    }

    double add(PaintWatch& watch) {
        return watch.time(
            [&] {
                write(QStringLiteral("INSERT INTO tblspell (keyword, meaning) VALUES ('floor', 'floor')"));
                const int at = model_.rowCount();
                model_.insertRows(at, 1);
                model_.setData(model_.index(at), QStringLiteral("floor"));
            },
            [&] { return view_.viewport(); });
    }

    double remove(PaintWatch& watch) {
        return watch.time(
            [&] {
                write(QStringLiteral("DELETE FROM tblspell WHERE \"Index\" = (SELECT max(\"Index\") FROM tblspell)"));
                model_.removeRows(model_.rowCount() - 1, 1);
            },
            [&] { return view_.viewport(); });
    }

    ~ListFloor() {
        QSqlDatabase::database(QStringLiteral("floor"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("floor"));
    }

  private:
    static void write(const QString& sql) {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("floor"), false);
        db.transaction();
        QSqlQuery(db).exec(sql);
        db.commit();
    }

    QString path_;
    QStringListModel model_;
    QListView view_;
};

int diary(const QString& folder, int rounds) {
    SetApplicationFolder(folder);
    SetMessageBoxHandler([](const MessageRequest& request) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(request.text));
        return MsgResult::Ok;
    });
    PaintWatch watch;
    const auto book = [] { return static_cast<QWidget*>(Windows::Loaded<frmPaganDiaryResultBOS>()); };

    std::vector<double> open;
    double firstOpen = 0;
    for (int i = 0; i < rounds + 1; ++i) {
        const double ms =
            watch.time([] { frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell); }, book, "open a diary section");
        (i == 0 ? firstOpen : open.emplace_back()) = ms;
        Windows::Unload<frmPaganDiaryResultBOS>();
        settle();
    }
    row("open a diary section", median(open), "one frame", kFrameMs);
    row("(the first opening in the process, counting)", firstOpen, "one frame", kFrameMs);

    auto* window = frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell);
    settle();
    const auto button = [window](const char* name) { return window->findChild<QPushButton*>(QLatin1String(name)); };
    auto* keywordList = window->findChild<QListView*>(QStringLiteral("lstKeyword"));
    auto* keywordBox = window->findChild<QLineEdit*>(QStringLiteral("txtKeyword"));
    auto* meaningBox = window->findChild<QPlainTextEdit*>(QStringLiteral("txtMeaning"));
    button("Command1")->click();
    ListFloor floor(DiaryFilePath());
    std::vector<double> add, remove, addFloor, removeFloor;
    for (int i = 0; i < rounds + 1; ++i) {
        button("Command2")->click();
        keywordBox->setText(QStringLiteral("  New keyword  "));
        meaningBox->setPlainText(QStringLiteral("A new meaning\nover two lines"));
        settle();
        const double a = watch.time([&] { button("Command2")->click(); }, book, "add one diary entry");
        const int last = keywordList->model()->rowCount() - 1;
        keywordList->setCurrentIndex(keywordList->model()->index(last, 0));
        if (keywordBox->text() != QStringLiteral("New keyword")) {
            std::fprintf(stderr, "the added entry is not the last line\n");
            return 1;
        }
        settle();
        const double r = watch.time([&] { button("Command3")->click(); }, book, "remove one diary entry");
        const double fa = floor.add(watch);
        const double fr = floor.remove(watch);
        // The floor wrote through a connection of its own, as another program would: the book hears of it now
        // (outside the clock), as it would within half a second, so that its next change is its own again.
        DataSource::of(DiaryFilePath()).checkForOutsideChanges();
        settle();
        if (i > 0) {
            add.push_back(a);
            remove.push_back(r);
            addFloor.push_back(fa);
            removeFloor.push_back(fr);
        }
    }
    row("add one diary entry", median(add), "one commit + one list line", median(addFloor), medianRatio(add, addFloor));
    row("remove one diary entry", median(remove), "one commit + one list line", median(removeFloor),
        medianRatio(remove, removeFloor));
    Windows::ResetForTests();
    return 0;
}

int grid(const QString& folder, int rounds) {
    SetApplicationFolder(folder);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    SetMessageBoxHandler([](const MessageRequest& request) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(request.text));
        return MsgResult::No;
    });
    if (!ShowDowsingTool()) {
        return 1;
    }
    settle();
    PaintWatch watch;
    const auto gridWindow = [] {
        frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>();
        return grid ? static_cast<QWidget*>(grid->recordsGrid()) : nullptr;
    };
    const auto back = [] {
        if (frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>()) {
            grid->backToWizard();
        }
        settle();
    };
    std::vector<double> open, jump;
    double firstOpen = 0;
    for (int i = 0; i < rounds + 1; ++i) {
        const double ms =
            watch.time([] { Windows::Loaded<frmDowsingMain>()->ShowAllRecords(); }, gridWindow, "open the grid");
        (i == 0 ? firstOpen : open.emplace_back()) = ms;
        settle();
        frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>();
        grid->recordsGrid()->setFocus();
        const double j = watch.time(
            [&] {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
                QApplication::sendEvent(grid->recordsGrid(), &press);
            },
            gridWindow, "first jump to the grid's end");
        if (grid->recordsGrid()->currentIndex().row() != grid->model()->rowCount() - 1) {
            std::fprintf(stderr, "the jump did not reach the last row\n");
            return 1;
        }
        if (i > 0) {
            jump.push_back(j);
        }
        back();
    }
    row("open the grid", median(open), "one frame", kFrameMs);
    row("(the first opening in the process, counting)", firstOpen, "one frame", kFrameMs);
    row("first jump to the grid's end", median(jump), "one frame", kFrameMs);
    Windows::ResetForTests();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode != QLatin1String("bare")) {
        PrepareApplication(app);
    }
    int result = 2;
    if (mode == QLatin1String("make") && args.size() == 3) {
        const int rows = args[2].toInt();
        result = MakeDowsingFile(args[1], rows) && makeDiary(args[1], rows) ? 0 : 1;
    } else if (mode == QLatin1String("bare") && args.size() == 2) {
        result = bare(args[1].toInt());
    } else if (mode == QLatin1String("calendar") && args.size() == 2) {
        result = calendar(args[1].toInt());
    } else if (mode == QLatin1String("diary") && args.size() == 3) {
        result = diary(args[1], args[2].toInt());
    } else if (mode == QLatin1String("grid") && args.size() == 3) {
        result = grid(args[1], args[2].toInt());
    } else {
        std::fprintf(stderr, "usage: see the head of bench_frames_worker.cpp\n");
    }
    if (mode != QLatin1String("make")) {
        std::printf("PEAK\t%ld\n", peakKilobytes());
    }
    return result;
}
