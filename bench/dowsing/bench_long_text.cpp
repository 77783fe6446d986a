// Shows a megabyte of text without a blank or line break, as a stored note or meaning can hold, in the boxes
// that show stored text: the record sheet (through the grid's sheet writer), a multi-line box such as the
// diary's meaning or the wizard's notes, and the grid's cell. The baseline is the same megabyte as words, shown
// the same way in the same run; prints the medians and the ratio. Before the boxes fitted their wrapping to
// the text, the unbroken megabyte took minutes (laid out in time square to its length).
#include "dowsing/DowsingGridModel.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/frmDowsingAllRecord.h"
#include "ui/TextBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kRounds = 5;
constexpr int kSize = 1 << 20;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timed(const std::function<void()>& show) {
    QElapsedTimer timer;
    timer.start();
    show();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The text laid out and painted, as the user would see it.
void paint(QWidget* widget) {
    widget->repaint();
    QCoreApplication::processEvents();
}

double sheet(const QString& notes) {
    QTextEdit box;
    box.resize(760, 400);
    box.show();
    DowsingRecord record;
    record.Notes = notes;
    return timed([&] {
        WriteSheetText(&box, record);
        paint(&box);
    });
}

double textBox(const QString& text) {
    QPlainTextEdit box;
    box.resize(504, 92);
    KeepWrapFitted(&box);
    box.show();
    return timed([&] {
        ShowStoredText(&box, text);
        paint(&box);
    });
}

double gridCell(const QString& folder, const QString& notes) {
    const QString path = DowsingStore::filePathIn(folder);
    QFile::remove(path);
    QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    DowsingStore store(path);
    store.open();
    DowsingRecord record;
    record.Date = QDate(2006, 3, 7);
    record.Notes = notes;
    store.add(record);
    QTableView grid;
    grid.resize(706, 244);
    grid.setWordWrap(false);
    grid.show();
    return timed([&] {
        DowsingGridModel model(store);
        grid.setModel(&model);
        grid.scrollTo(model.index(0, 12));
        paint(&grid);
        grid.setModel(nullptr);
    });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString unbroken(kSize, QLatin1Char('q'));
    QString words = QStringLiteral("quarrow ").repeated(kSize / 8);
    QTextStream out(stdout);
    out << "A megabyte without a blank against a megabyte of words, median of " << kRounds << " rounds\n";
    struct Case {
        const char* name;
        std::function<double(const QString&)> show;
    };
    const std::vector<Case> cases{
        {"record sheet", sheet},
        {"multi-line box", textBox},
        {"grid cell", [&dir](const QString& text) { return gridCell(dir.path(), text); }},
    };
    for (const Case& c : cases) {
        std::vector<double> long_, baseline;
        for (int round = 0; round < kRounds; ++round) {
            long_.push_back(c.show(unbroken));
            baseline.push_back(c.show(words));
        }
        const double l = median(long_), b = median(baseline);
        out << qSetFieldWidth(16) << Qt::left << c.name << qSetFieldWidth(0) << "unbroken " << l << " ms, words " << b
            << " ms, ratio " << l / b << "\n";
        out.flush();
    }
    return 0;
}
