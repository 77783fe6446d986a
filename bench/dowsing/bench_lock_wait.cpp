// How long the dowsing windows keep the user waiting while another program holds Dowsing.dll with BEGIN
// EXCLUSIVE: the time from the user's action to the box that says the file is in use (the window is frozen
// until then), for opening the wizard, saving a record and opening the grid. The baseline is the same action on
// the free file in the same run; prints the medians and the difference, which is the wait.
#include "core/Application.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "ui/MessageBox.h"
#include "ui/ShellServices.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRounds = 7;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Another program's hold on the file.
class Holder {
  public:
    explicit Holder(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(path);
        db.open();
    }
    ~Holder() {
        QSqlDatabase::database(QStringLiteral("holder"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }
    void hold(bool on) {
        QSqlQuery(QSqlDatabase::database(QStringLiteral("holder"), false))
            .exec(on ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("ROLLBACK"));
    }
};

// Milliseconds from the action to the first message box, or to its end when none comes.
double untilBox(const std::function<void()>& action, double& boxAt) {
    QElapsedTimer timer;
    boxAt = -1;
    SetMessageBoxHandler([&](const MessageRequest& request) {
        if (boxAt < 0) {
            boxAt = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
        return request.buttons == MsgButtons::RetryCancel ? MsgResult::Cancel : MsgResult::Ok;
    });
    timer.start();
    action();
    const double end = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    SetMessageBoxHandler({});
    return boxAt >= 0 ? boxAt : end;
}

// The launcher is not part of this measurement.
class NoShell : public ShellServices {
  public:
    void ShowLauncher() override {}
    void ShowAbout(QWidget*) override {}
    void EndProgram() override {}
};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetApplicationFolder(dir.path());
    NoShell shell;
    SetShellServices(&shell);
    const QString path = DowsingStore::filePathIn(dir.path());
    QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    {
        DowsingStore store(path);
        store.open();
        for (int i = 1; i <= 300; ++i) {
            DowsingRecord record;
            record.Date = QDate(2006, 3, 7);
            record.Name = QStringLiteral("CUSTOMER %1").arg(i);
            store.add(record);
        }
    }
    Holder holder(path);

    struct Case {
        const char* name;
        std::function<void()> before; // on the free file
        std::function<void()> action;
        std::function<void()> after;
    };
    auto wizard = [] {
        if (!Windows::IsLoaded<frmDowsingMain>()) {
            ShowDowsingTool();
        }
        return Windows::Loaded<frmDowsingMain>();
    };
    const std::vector<Case> cases{
        {"open the wizard", [] {}, [] { ShowDowsingTool(); }, [] { Windows::ResetForTests(); }},
        {"save a record", [&] { wizard()->findChild<QPushButton*>(QStringLiteral("cmAddNewRecord"))->click(); },
         [&] { wizard()->findChild<QPushButton*>(QStringLiteral("cmdadd"))->click(); }, [] {}},
        {"open the grid", [&] { wizard(); }, [&] { wizard()->ShowAllRecords(); },
         [] { Windows::Loaded<frmDowsingAllRecord>()->backToWizard(); }},
        // Ctrl+End in the grid: the last page is read when the grid paints it.
        {"grid to its end", [&] { wizard()->ShowAllRecords(); },
         [] {
             frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>();
             grid->recordsGrid()->scrollToBottom();
             grid->recordsGrid()->viewport()->repaint();
             QCoreApplication::processEvents();
         },
         [] { Windows::Loaded<frmDowsingAllRecord>()->backToWizard(); }},
    };
    QTextStream out(stdout);
    out << "Time to the box that says the file is in use, against the same action on the free file; median of "
        << kRounds << " rounds\n";
    for (const Case& c : cases) {
        std::vector<double> held, free;
        for (int round = 0; round < kRounds; ++round) {
            for (bool locked : {false, true}) {
                SetMessageBoxHandler([](const MessageRequest&) { return MsgResult::Ok; });
                c.before();
                settle();
                SetMessageBoxHandler({});
                holder.hold(locked);
                double boxAt = 0;
                const double ms = untilBox(c.action, boxAt);
                holder.hold(false);
                (locked ? held : free).push_back(ms);
                SetMessageBoxHandler([](const MessageRequest&) { return MsgResult::Ok; });
                c.after();
                settle();
                SetMessageBoxHandler({});
            }
        }
        const double h = median(held), f = median(free);
        out << qSetFieldWidth(16) << Qt::left << c.name << qSetFieldWidth(0) << "held " << h << " ms, free " << f
            << " ms, wait " << h - f << " ms\n";
        out.flush();
    }
    Windows::ResetForTests();
    return 0;
}
