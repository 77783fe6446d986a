// The keyword book on a full section (32,768 entries), each action against a plain QSqlQuery that reads the
// whole table in the same run. Prints the medians and their ratios.
//
//   bench_diary [runs]
#include "core/Application.h"
#include "diary/DiaryStore.h"
#include "diary/DiaryValues.h"
#include "diary/frmDiaryFind.h"
#include "diary/frmPaganDiaryResultBOS.h"
#include "support/BenchDiary.h"
#include "ui/MessageBox.h"
#include "ui/Windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Rows = 32768;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Times `action` once per run; `prepare` and `restore` run outside the clock.
double measure(int runs, const std::function<void()>& prepare, const std::function<void()>& action,
               const std::function<void()>& restore) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        action();
        times.push_back(clock.nsecsElapsed() / 1e6);
        restore();
    }
    return median(times);
}

bool fill(const QString& path) {
    return FillSpellSection(path, Rows);
}

// The baseline: one connection, every row and column of the table read with a plain query.
void rawReadAll(const QString& path) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT * FROM tblspell"));
        qsizetype chars = 0;
        while (query.next()) {
            chars += query.value(0).toString().size() + query.value(1).toString().size();
            query.value(2).toLongLong();
        }
        if (chars == 0) {
            std::fprintf(stderr, "baseline read nothing\n");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-raw"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir dir;
    SetApplicationFolder(dir.path());
    SetMessageBoxHandler([](const MessageRequest& request) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(request.text));
        return MsgResult::Ok;
    });
    QFile schema(QStringLiteral(VELLORAN_DIARY_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly) ||
        !DiaryStore::createDatabase(DiaryFilePath(), QString::fromUtf8(schema.readAll())) || !fill(DiaryFilePath())) {
        std::fprintf(stderr, "cannot make the diary\n");
        return 1;
    }
    const QString path = DiaryFilePath();
    const auto nothing = [] {};

    const double raw = measure(
        runs, nothing, [&] { rawReadAll(path); }, nothing);

    const double open = measure(
        runs, nothing, [] { frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell); },
        [] {
            Windows::Unload<frmPaganDiaryResultBOS>();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });

    auto* book = frmPaganDiaryResultBOS::ShowSection(DiarySection::Spell);
    const auto button = [book](const char* name) { return book->findChild<QPushButton*>(QLatin1String(name)); };
    auto* keywordList = book->findChild<QListView*>(QStringLiteral("lstKeyword"));
    auto* keywordBox = book->findChild<QLineEdit*>(QStringLiteral("txtKeyword"));
    auto* meaningBox = book->findChild<QPlainTextEdit*>(QStringLiteral("txtMeaning"));
    button("Command1")->click();
    const int last = Rows - 1;

    const double add = measure(
        runs,
        [&] {
            button("Command2")->click();
            keywordBox->setText(QStringLiteral("  New keyword  "));
            meaningBox->setPlainText(QStringLiteral("A new meaning\nover two lines"));
        },
        [&] { button("Command2")->click(); },
        [&] {
            DiaryStore store(path);
            store.remove(DiarySection::Spell, store.entries(DiarySection::Spell)->last().Index);
        });

    const double show = measure(
        runs, [&] { keywordList->clearSelection(); },
        [&] { keywordList->setCurrentIndex(keywordList->model()->index(last, 0)); }, nothing);
    if (keywordBox->text() != QStringLiteral("Keyword number %1").arg(last)) {
        std::fprintf(stderr, "the last entry was not shown\n");
        return 1;
    }

    const double remove = measure(
        runs, [&] { keywordList->setCurrentIndex(keywordList->model()->index(last, 0)); },
        [&] { button("Command3")->click(); },
        [&] {
            DiaryStore(path).add(DiarySection::Spell, QStringLiteral("Keyword number %1").arg(last),
                                 QStringLiteral("m"));
        });
    if (keywordList->model()->rowCount() != Rows) {
        std::fprintf(stderr, "the section did not keep its size\n");
        return 1;
    }

    // Find in the open section: one entry among all, and a word every entry holds, through the window.
    const double findOne = measure(
        runs, nothing,
        [&] {
            DiaryStore store(path);
            QList<DiaryFound> found;
            FindDiaryEntries(store, {DiarySection::Spell}, QStringLiteral("number 12345"), found);
        },
        nothing);
    const double matchAll = measure(
        runs, nothing,
        [&] {
            DiaryStore store(path);
            QList<DiaryFound> found;
            FindDiaryEntries(store, {DiarySection::Spell}, QStringLiteral("keyword"), found);
        },
        nothing);
    auto* find = Windows::Show<frmDiaryFind>();
    const double findAll = measure(
        runs, [&] { find->searchField()->setText(QString()); },
        [&] { find->searchField()->setText(QStringLiteral("keyword")); }, nothing);

    QTextStream out(stdout);
    out << "Section of " << Rows << " entries, median of " << runs << " runs\n";
    out << QStringLiteral("%1 %2 %3\n").arg(u"action"_s, -38).arg(u"ms"_s, 9).arg(u"ratio"_s, 8);
    auto line = [&](const QString& name, double ms) {
        out << QStringLiteral("%1 %2 %3x\n").arg(name, -38).arg(ms, 9, 'f', 2).arg(ms / raw, 7, 'f', 3);
    };
    line(QStringLiteral("baseline: QSqlQuery reads the table"), raw);
    line(QStringLiteral("open the book (load and list)"), open);
    line(QStringLiteral("add one entry, with its refresh"), add);
    line(QStringLiteral("show the last entry"), show);
    line(QStringLiteral("remove the last entry, refresh"), remove);
    line(QStringLiteral("find one entry (store and match)"), findOne);
    line(QStringLiteral("find a word of every entry (store, match)"), matchAll);
    line(QStringLiteral("find a word of every entry, listed"), findAll);
    Windows::ResetForTests();
    return 0;
}
