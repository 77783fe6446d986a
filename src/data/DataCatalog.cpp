#include "data/DataCatalog.h"

#include <QMutex>
#include <algorithm>

namespace DataCatalog {

namespace {
// Described while static objects are made, perhaps before main: guarded and made on first use.
struct Catalog {
    QMutex lock;
    QList<File> files;
};
Catalog& catalog() {
    static Catalog kept;
    return kept;
}
} // namespace

bool Describe(const File& file) {
    Catalog& kept = catalog();
    const QMutexLocker locked(&kept.lock);
    kept.files.removeIf([&file](const File& described) { return described.fileName == file.fileName; });
    kept.files.append(file);
    std::sort(kept.files.begin(), kept.files.end(),
              [](const File& a, const File& b) { return a.fileName < b.fileName; });
    return true;
}

QList<File> Files() {
    Catalog& kept = catalog();
    const QMutexLocker locked(&kept.lock);
    return kept.files;
}

QList<Table> Tables() {
    QList<Table> tables;
    for (const File& file : Files()) {
        tables += file.tables;
    }
    return tables;
}

} // namespace DataCatalog
