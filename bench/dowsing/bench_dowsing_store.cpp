// Adds 32,767 dowsing records through the store, then lists them through the
// store and through a plain QSqlQuery over the same file, alternating, and
// prints the median ratio of the two listing times.
#include "dowsing/DowsingStore.h"
#include "support/BenchDowsing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr int kRounds = 11;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The baseline: a plain query that reads every row into memory as its fourteen values, as any listing
// of the table must.
QList<QVariantList> rawListing(const QString& connection) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT %1 FROM Details ORDER BY IdNumber").arg(DowsingSql::columnList()));
    QList<QVariantList> rows;
    while (q.next()) {
        QVariantList row;
        row.reserve(14);
        for (int c = 0; c < 14; ++c) {
            row.append(q.value(c));
        }
        rows.append(std::move(row));
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The record count may be given for a quick run; the recorded figures use the default.
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 32767;
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = DowsingStore::filePathIn(dir.path());
    if (!QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        out << "cannot copy the empty file " << VELLORAN_EMPTY_DOWSING_FILE << Qt::endl;
        return 1;
    }

    DowsingStore store(path);
    if (const StoreStatus opened = store.open(); !opened) {
        out << opened.error().text() << Qt::endl;
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < records; ++i) {
        if (const StoreResult<qint64> added = store.add(recordNumber(i)); !added) {
            out << "add failed: " << added.error().text() << Qt::endl;
            return 1;
        }
    }
    const double addMs = timer.nsecsElapsed() / 1e6;

    const QString raw = QStringLiteral("bench-raw");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), raw);
        db.setDatabaseName(path);
        db.open();
    }
    rawListing(raw); // warm the page cache for both readers
    std::vector<double> ratios, storeMs, rawMs;
    for (int round = 0; round < kRounds; ++round) {
        StoreResult<QList<DowsingRecord>> rows{StoreError{}};
        QList<QVariantList> rawRows;
        double s = 0;
        double r = 0;
        // Alternate which reader goes first, so neither always meets a warmer cache.
        for (int turn = 0; turn < 2; ++turn) {
            timer.restart();
            if ((turn + round) % 2 == 0) {
                rows = store.list();
                s = timer.nsecsElapsed() / 1e6;
            } else {
                rawRows = rawListing(raw);
                r = timer.nsecsElapsed() / 1e6;
            }
        }
        if (!rows || rows->size() != records || rawRows.size() != records) {
            out << "listing failed" << Qt::endl;
            return 1;
        }
        storeMs.push_back(s);
        rawMs.push_back(r);
        ratios.push_back(s / r);
    }
    QSqlDatabase::database(raw, false).close();
    QSqlDatabase::removeDatabase(raw);

    out << "records added:            " << records << Qt::endl;
    out << "add, total:               " << QString::number(addMs / 1000.0, 'f', 2) << " s" << Qt::endl;
    out << "add, per record:          " << QString::number(addMs * 1000.0 / records, 'f', 1) << " us" << Qt::endl;
    out << "list through the store:   " << QString::number(median(storeMs), 'f', 1) << " ms (median of " << kRounds
        << ")" << Qt::endl;
    out << "list through raw query:   " << QString::number(median(rawMs), 'f', 1) << " ms" << Qt::endl;
    out << "median ratio store / raw: " << QString::number(median(ratios), 'f', 3) << Qt::endl;
    return 0;
}
