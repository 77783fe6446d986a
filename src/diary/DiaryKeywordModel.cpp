#include "diary/DiaryKeywordModel.h"

#include <QCoreApplication>
#include <limits>

namespace {
// A few screens of scrolling back and forth without reading them again, in a bounded amount of memory.
constexpr int kPagesKept = 32;
} // namespace

DiaryKeywordModel::DiaryKeywordModel(const QString& path, QObject* parent) : QAbstractListModel(parent), store_(path) {
    connect(&store_.source(), &DataSource::changed, this, &DiaryKeywordModel::followChange);
}

DiaryKeywordModel::~DiaryKeywordModel() = default;

StoreStatus DiaryKeywordModel::load(DiarySection section) {
    beginResetModel();
    pages_.reset();
    unread_ = {};
    section_ = section;
    const StoreResult<qint64> counted = store_.count(section);
    if (counted) {
        // A view counts its lines in int.
        const qint64 rows = std::min<qint64>(*counted, std::numeric_limits<int>::max());
        pages_ = std::make_unique<KeyedPages<DiaryEntry>>(
            rows, PageSize, kPagesKept,
            [this](const KeyedPages<DiaryEntry>::Request& r) -> std::optional<QList<DiaryEntry>> {
                StoreResult<QList<DiaryEntry>> lines =
                    store_.linesFrom(section_, r.bound, r.descending, r.skip, r.limit);
                if (!lines) {
                    if (!unread_.failed()) {
                        unread_ = lines.error();
                        emit readFailed(unread_);
                    }
                    return std::nullopt;
                }
                return std::move(*lines);
            },
            [](const DiaryEntry& line) { return line.Index; });
    }
    endResetModel();
    return counted ? StoreStatus(Done{}) : StoreStatus(counted.error());
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

StoreResult<qint64> DiaryKeywordModel::readIndexAt(int row) {
    if (const std::optional<qint64> index = indexAt(row)) {
        return *index;
    }
    retryUnreadLines();
    // Read quietly here: the caller says what went wrong.
    const QSignalBlocker quiet(this);
    if (const std::optional<qint64> index = indexAt(row)) {
        return *index;
    }
    if (unread_.failed()) {
        return unread_;
    }
    return StoreError{StoreCause::NoSuchRow,
                      QCoreApplication::translate("DiaryKeywordModel", "The %1 section has no line %2")
                          .arg(DiarySectionName(section_), QString::number(row + 1)),
                      {},
                      {}};
}

void DiaryKeywordModel::retryUnreadLines() {
    unread_ = {};
    if (pages_) {
        pages_->retryFailed();
    }
}

void DiaryKeywordModel::followChange(const DataChange& change) {
    if (!change.touches(DiaryStore::tableName(section_)) || !pages_) {
        return;
    }
    const std::optional<qint64> position = pages_->positionOfKey(change.key);
    if (change.elsewhere || change.kind == DataChange::Kind::Unknown) {
        load(section_);
    } else if (change.kind == DataChange::Kind::Added) {
        // A new row has the highest "Index" so far: its line comes last.
        const StoreResult<DiaryEntry> added = store_.entryWithIndex(section_, change.key);
        if (!added) {
            load(section_);
            return;
        }
        const int row = int(pages_->rowCount());
        beginInsertRows({}, row, row);
        pages_->append(DiaryEntry{added->Index, added->keyword, {}});
        endInsertRows();
    } else if (change.kind == DataChange::Kind::Removed) {
        if (!position) {
            // Its page is not at hand: where its line was is not known without reading.
            load(section_);
            return;
        }
        beginRemoveRows({}, int(*position), int(*position));
        pages_->removeAt(*position);
        endRemoveRows();
    } else if (position) {
        rereadLine(change.key);
    }
}

void DiaryKeywordModel::rereadLine(qint64 index) {
    const std::optional<qint64> position = pages_->positionOfKey(index);
    const StoreResult<DiaryEntry> entry = store_.entryWithIndex(section_, index);
    if (!position || !entry) {
        load(section_);
        return;
    }
    pages_->replaceAt(*position, DiaryEntry{entry->Index, entry->keyword, {}});
    const QModelIndex line = this->index(int(*position));
    emit dataChanged(line, line, {Qt::DisplayRole});
}
