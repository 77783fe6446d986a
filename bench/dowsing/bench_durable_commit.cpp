// Adding and removing one record as the user does (DowsingStore::add and remove, one committed transaction each),
// alternated round by round with the same insert and delete through a plain connection, once with synchronous = FULL
// (the file synced at each commit: what every store used before) and once with EXTRA (the folder synced too once the
// journal is deleted, so that a power cut cannot bring it back). Prints the medians and their ratios to FULL.
#include "support/BenchDowsing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F> double timeMs(F&& action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 201;
    // On the disk the program's files live on: a temporary folder under the build, not a RAM disk.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-durable-XXXXXX"));
    const QString path = DowsingStore::filePathIn(dir.path());
    if (!FillDowsingFile(path, 32767)) {
        std::printf("cannot make %s\n", qPrintable(path));
        return 1;
    }
    DowsingStore store(path);
    QSqlDatabase plain = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("plain"));
    plain.setDatabaseName(path);
    if (!store.open() || !plain.open()) {
        std::printf("cannot open %s\n", qPrintable(path));
        return 1;
    }
    QSqlQuery insert(plain);
    insert.prepare(DowsingSql::insertStatement());
    QSqlQuery remove(plain);
    remove.prepare(QStringLiteral("DELETE FROM Details WHERE IdNumber = ?"));
    const auto plainRound = [&](const char* synchronous, int i, std::vector<double>& add, std::vector<double>& drop) {
        QSqlQuery(plain).exec(QStringLiteral("PRAGMA synchronous = %1").arg(QLatin1String(synchronous)));
        add.push_back(timeMs([&] {
            DowsingSql::bind(insert, recordNumber(i));
            insert.exec();
        }));
        const qint64 id = insert.lastInsertId().toLongLong();
        drop.push_back(timeMs([&] {
            remove.addBindValue(id);
            remove.exec();
        }));
    };
    std::vector<double> storeAdd, storeRemove, fullAdd, fullRemove, extraAdd, extraRemove;
    for (int i = 0; i < rounds; ++i) {
        qint64 id = 0;
        storeAdd.push_back(timeMs([&] { id = store.add(recordNumber(i)).value_or(0); }));
        storeRemove.push_back(timeMs([&] { store.remove(id); }));
        plainRound("FULL", i, fullAdd, fullRemove);
        plainRound("EXTRA", i, extraAdd, extraRemove);
    }
    std::printf("%d rounds on a file of 32,767 records; medians in ms, ratio to FULL\n", rounds);
    std::printf("%-32s %8s %8s\n", "", "add", "remove");
    std::printf("%-32s %8.2f %8.2f\n", "plain, synchronous = FULL", median(fullAdd), median(fullRemove));
    std::printf("%-32s %8.2f %8.2f   (%.2f, %.2f)\n", "plain, synchronous = EXTRA", median(extraAdd),
                median(extraRemove), median(extraAdd) / median(fullAdd), median(extraRemove) / median(fullRemove));
    std::printf("%-32s %8.2f %8.2f   (%.2f, %.2f)\n", "DowsingStore", median(storeAdd), median(storeRemove),
                median(storeAdd) / median(fullAdd), median(storeRemove) / median(fullRemove));
    return 0;
}
