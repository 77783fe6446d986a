// Imports 100,000 records from a CSV file in our export's form into an empty Dowsing.dll, both passes as the import
// window runs them (the look for lines that cannot be stored, then the whole file in one transaction), against the
// same rows inserted with one prepared statement in one transaction through Qt SQL, alternating, and prints the
// median ratio; the memory the import took above what the process held before it; and the time the import window
// takes to show the preview of a 100 MB file.
#include "commands/CsvImport.h"
#include "commands/Exports.h"
#include "commands/frmImportCsv.h"
#include "dowsing/DowsingStore.h"
#include "dowsing/DowsingTools.h"
#include "support/BenchDowsing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int kRounds = 5;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A line of /proc/self/status, in MB.
double statusMb(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key)) {
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toDouble() / 1024;
        }
    }
    return -1;
}

// The kernel's peak for the process starts again from what it holds now.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

QStringList exportedFields(const DowsingRecord& r, int number) {
    QStringList fields{r.Date.toString(Qt::ISODate)};
    for (QString DowsingRecord::*member : DowsingTextMembers) {
        fields << r.*member;
    }
    fields << QString::number(number);
    return fields;
}

// Our export of records 1 to `records`, repeated until the file holds at least `bytes`.
bool writeCsv(const QString& path, int records, qint64 bytes = 0) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QStringList header;
    for (const char* column : DowsingColumns) {
        header << QString::fromLatin1(column);
    }
    file.write(Exports::CsvRecord(header));
    for (int i = 1; i <= records || file.size() < bytes; ++i) {
        file.write(Exports::CsvRecord(exportedFields(recordNumber(i), i)));
    }
    return true;
}

bool freshFile(const QString& path) {
    QSqlDatabase::removeDatabase(QStringLiteral("bench-raw"));
    DataSource::closeAll();
    QFile::remove(path);
    return QFile::copy(QStringLiteral(VELLORAN_EMPTY_DOWSING_FILE), path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

// The baseline: the same rows, one prepared statement, one transaction.
double rawInsertMs(const QString& path, int records) {
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery q(db);
        q.prepare(DowsingSql::insertStatement());
        for (int i = 1; i <= records; ++i) {
            DowsingSql::bind(q, recordNumber(i));
            q.exec();
        }
        q.finish();
        db.commit();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    QSqlDatabase::removeDatabase(QStringLiteral("bench-raw"));
    return ms;
}

struct Imported {
    double ms = 0;
    qint64 added = 0;
};

Imported importMs(const QString& csv, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    auto store = std::make_shared<DowsingStore>(path);
    const CsvImport::Target target = DowsingTools::RecordsTarget(store);
    CsvImport::Choices choices;
    for (qsizetype i = 0; i < target.fields.size(); ++i) {
        choices.columns << int(i);
    }
    choices.dateForm = QStringLiteral("yyyy-MM-dd");
    QString failure;
    const std::optional<CsvImport::Scan> scan = CsvImport::ScanFile(csv, target, choices, failure, {});
    const StoreResult<CsvImport::Outcome> outcome = CsvImport::ImportFile(csv, target, choices, {});
    if (!scan || !outcome) {
        return {};
    }
    return {timer.nsecsElapsed() / 1e6, outcome->added};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The record count may be given for a quick run; the recorded figures use the default.
    const int records = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("records.csv"));
    const QString path = DowsingStore::filePathIn(dir.path());
    if (!writeCsv(csv, records)) {
        out << "cannot write " << csv << Qt::endl;
        return 1;
    }
    out << records << " records, CSV of " << QFile(csv).size() / 1e6 << " MB" << Qt::endl;

    // Memory first, in a process that has done nothing else yet.
    if (!freshFile(path)) {
        return 1;
    }
    const double before = statusMb("VmRSS:");
    resetPeak();
    const Imported first = importMs(csv, path);
    const double peak = statusMb("VmHWM:");
    if (first.added != records) {
        out << "the import added " << first.added << " records" << Qt::endl;
        return 1;
    }
    out << "memory: " << before << " MB before, peak " << peak << " MB during the import: " << peak - before
        << " MB above (goal <= 30)" << Qt::endl;

    std::vector<double> imports, raws, ratios;
    for (int round = 0; round < kRounds; ++round) {
        freshFile(path);
        const double raw = rawInsertMs(path, records);
        freshFile(path);
        const double imported = importMs(csv, path).ms;
        raws.push_back(raw);
        imports.push_back(imported);
        ratios.push_back(imported / raw);
        out << "round " << round + 1 << ": import " << imported << " ms, prepared inserts " << raw << " ms, ratio "
            << imported / raw << Qt::endl;
    }
    out << "median: import " << median(imports) << " ms, prepared inserts " << median(raws) << " ms, ratio "
        << median(ratios) << " (goal <= 2)" << Qt::endl;

    // The preview of a large file: the window made, its format guessed, its first rows read and shown.
    const QString large = dir.filePath(QStringLiteral("large.csv"));
    if (!writeCsv(large, 0, 100'000'000)) {
        return 1;
    }
    freshFile(path);
    auto store = std::make_shared<DowsingStore>(path);
    const CsvImport::Target target = DowsingTools::RecordsTarget(store);
    std::vector<double> previews;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        auto* window = new frmImportCsv(target, large, {});
        window->show();
        QCoreApplication::processEvents();
        previews.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
    }
    out << "preview of a " << QFile(large).size() / 1e6 << " MB file: median " << median(previews)
        << " ms (goal <= 500)" << Qt::endl;
    return 0;
}
