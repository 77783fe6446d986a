#include "diary/DiaryKeywordModel.h"

#include "common/RowCounts.h"

#include <limits>

namespace {
// A few screens of scrolling back and forth without reading them again, in a bounded amount of memory.
constexpr int kPagesKept = 32;
} // namespace

DiaryKeywordModel::DiaryKeywordModel(QObject* parent) : QAbstractListModel(parent) {}

DiaryKeywordModel::~DiaryKeywordModel() = default;

bool DiaryKeywordModel::load(DiaryStore& store, DiarySection section) {
    beginResetModel();
    pages_.reset();
    path_ = store.path();
    section_ = section;
    // Taken before the count: a change committed between the two makes the list out of step, never the
    // other way round.
    busyTimeoutMs_ = store.busyTimeout();
    version_ = RowCounts::Version(path_, busyTimeoutMs_);
    qint64 rows = 0;
    const bool counted = store.keptCount(section, rows);
    if (counted) {
        // A view counts its lines in int.
        rows = std::min<qint64>(rows, std::numeric_limits<int>::max());
        pages_ = std::make_unique<KeyedPages<DiaryEntry>>(
            rows, PageSize, kPagesKept,
            [this](const KeyedPages<DiaryEntry>::Request& r) -> std::optional<QList<DiaryEntry>> {
                DiaryStore reader(path_);
                reader.setBusyTimeout(busyTimeoutMs_);
                QList<DiaryEntry> lines;
                if (!reader.linesFrom(section_, r.bound, r.descending, r.skip, r.limit, lines)) {
                    return std::nullopt;
                }
                return lines;
            },
            [](const DiaryEntry& line) { return line.Index; });
    }
    endResetModel();
    return counted;
}

int DiaryKeywordModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !pages_ ? 0 : int(pages_->rowCount());
}

QVariant DiaryKeywordModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !pages_ || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    const DiaryEntry* line = pages_->at(index.row());
    return line ? QVariant(line->keyword) : QVariant();
}

std::optional<qint64> DiaryKeywordModel::indexAt(int row) const {
    const DiaryEntry* line = pages_ ? pages_->at(row) : nullptr;
    return line ? std::optional<qint64>(line->Index) : std::nullopt;
}

void DiaryKeywordModel::appendLine(qint64 index, const QString& keyword) {
    if (!pages_) {
        return;
    }
    const int row = int(pages_->rowCount());
    beginInsertRows({}, row, row);
    pages_->append(DiaryEntry{index, keyword, {}});
    endInsertRows();
}

void DiaryKeywordModel::removeLine(int row) {
    if (!pages_ || row < 0 || row >= pages_->rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    pages_->removeAt(row);
    endRemoveRows();
}

void DiaryKeywordModel::renameLine(int row, const QString& keyword) {
    const DiaryEntry* line = pages_ ? pages_->at(row) : nullptr;
    if (!line) {
        return;
    }
    pages_->replaceAt(row, DiaryEntry{line->Index, keyword, {}});
    emit dataChanged(index(row), index(row), {Qt::DisplayRole});
}

bool DiaryKeywordModel::inStepWithFile() const {
    return pages_ && version_ && RowCounts::Version(path_, busyTimeoutMs_) == version_;
}

void DiaryKeywordModel::markInStep() {
    version_ = RowCounts::Version(path_, busyTimeoutMs_);
}

void DiaryKeywordModel::retryUnreadLines() {
    if (pages_) {
        pages_->retryFailed();
    }
}
