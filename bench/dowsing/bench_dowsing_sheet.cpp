// Opens the all-records grid over 32,767 records, and the last record's sheet, against a plain QSqlQuery that
// reads every row of the same file in the same run; prints the medians and the median ratios. The grid is
// also opened over ten records, to show that its opening does not grow with the table.
#include "core/Application.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTool.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "dowsing/frmDowsingMain.h"
#include "dowsing/frmDowsingSave.h"
#include "support/BenchDowsing.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiSubWindow>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int kRounds = 11;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double msSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The baseline: every row of the table read into memory as its fourteen values.
double rawRead(const QString& path) {
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT * FROM Details"));
        QList<QVariantList> rows;
        while (q.next()) {
            QVariantList row;
            row.reserve(14);
            for (int c = 0; c < 14; ++c) {
                row.append(q.value(c));
            }
            rows.append(std::move(row));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return msSince(timer);
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// View All Records until the grid has painted its first screen.
double openGrid() {
    frmDowsingMain* wizard = Windows::Loaded<frmDowsingMain>();
    QElapsedTimer timer;
    timer.start();
    wizard->ShowAllRecords();
    frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>();
    grid->subWindow()->repaint();
    return msSince(timer);
}

// Double click on the last row until the sheet has painted.
double openLastSheet() {
    frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>();
    grid->recordsGrid()->setCurrentIndex(grid->model()->index(grid->model()->rowCount() - 1, 0));
    grid->subWindow()->repaint();
    QElapsedTimer timer;
    timer.start();
    grid->openCurrentRecord();
    Windows::Loaded<frmDowsingSave>()->subWindow()->repaint();
    return msSince(timer);
}

void closeGrid() {
    if (frmDowsingAllRecord* grid = Windows::Loaded<frmDowsingAllRecord>()) {
        grid->backToWizard();
    }
    settle();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 32767;
    QTextStream out(stdout);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("big"));
    QDir(dir.path()).mkpath(QStringLiteral("small"));
    QDir(dir.path()).mkpath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("settings")));
    SetMessageBoxHandler([](const MessageRequest&) { return MsgResult::No; });
    const QString big = dir.filePath(QStringLiteral("big"));
    const QString small = dir.filePath(QStringLiteral("small"));
    if (!MakeDowsingFile(big, records) || !MakeDowsingFile(small, 10)) {
        out << "cannot make the dowsing files" << Qt::endl;
        return 1;
    }

    std::vector<double> raw, grid, sheet, gridSmall;
    for (const QString& folder : {small, big}) {
        SetApplicationFolder(folder);
        ShowDowsingTool();
        openGrid(); // warm-up
        openLastSheet();
        closeGrid();
        for (int round = 0; round < kRounds; ++round) {
            if (folder == big) {
                if (round % 2 == 0) {
                    raw.push_back(rawRead(DowsingStore::filePathIn(big)));
                }
                grid.push_back(openGrid());
                sheet.push_back(openLastSheet());
                if (round % 2 == 1) {
                    raw.push_back(rawRead(DowsingStore::filePathIn(big)));
                }
            } else {
                gridSmall.push_back(openGrid());
            }
            closeGrid();
        }
        Windows::ResetForTests();
        settle();
    }

    const double r = median(raw);
    out << "records: " << records << ", rounds: " << kRounds << Qt::endl;
    out << "raw read of every row:        " << r << " ms" << Qt::endl;
    out << "grid shown:                   " << median(grid) << " ms, ratio " << median(grid) / r << Qt::endl;
    out << "last record's sheet shown:    " << median(sheet) << " ms, ratio " << median(sheet) / r << Qt::endl;
    out << "grid shown over 10 records:   " << median(gridSmall) << " ms" << Qt::endl;
    return 0;
}
