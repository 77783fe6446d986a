#include "dowsing/DowsingGridModel.h"

#include "common/RowCounts.h"
#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"

#include <array>
#include <limits>

namespace {
constexpr std::array<const char*, 14> kCaptions = {
    "Date",     "Name",          "Address",         "City",         "State",           "Pin",
    "Phone No", "Email Address", "Time Of Dowsing", "Dowsing Tool", "Item Of Dowsing", "Location",
    "Notes",    "IdNumber"};
// Enough pages for a few screens of scrolling back and forth without reading them again.
constexpr int kPagesKept = 64;
} // namespace

DowsingGridModel::DowsingGridModel(DowsingStore& store, QObject* parent) : QAbstractTableModel(parent), store_(store) {
    std::optional<qint64> count;
    if (store_.isOpen()) {
        count = RowCounts::Count(store_.filePath(), QStringLiteral("Details"));
        if (!count) {
            if (const StoreResult<qint64> counted = store_.count()) {
                count = *counted;
            }
        }
    }
    countFailed_ = !count.has_value();
    if (countFailed_) {
        failure_ = store_.error();
    }
    // A view counts its rows in int; a table beyond that shows its first two thousand million.
    rows_ = count ? static_cast<int>(std::min<qint64>(*count, std::numeric_limits<int>::max())) : 0;
    pages_ = std::make_unique<KeyedPages<DowsingRecord>>(
        rows_, PageSize, kPagesKept,
        [this](const KeyedPages<DowsingRecord>::Request& r) -> std::optional<QList<DowsingRecord>> {
            if (readFailed_) {
                return std::nullopt;
            }
            StoreResult<QList<DowsingRecord>> rows = store_.listFrom(r.bound, r.descending, r.skip, r.limit);
            if (!rows) {
                readFailed_ = true;
                failure_ = store_.error();
                emit pageFailed();
                return std::nullopt;
            }
            return std::move(*rows);
        },
        [](const DowsingRecord& record) { return record.IdNumber; });
}

int DowsingGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DowsingGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCaptions.size());
}

QString DowsingGridModel::columnCaption(int column) {
    return column >= 0 && column < static_cast<int>(kCaptions.size()) ? QString::fromLatin1(kCaptions[column])
                                                                      : QString();
}

QVariant DowsingGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return columnCaption(section);
    }
    return {};
}

Qt::ItemFlags DowsingGridModel::flags(const QModelIndex& index) const {
    // Rows can be picked, never changed in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

std::optional<DowsingRecord> DowsingGridModel::record(int row) const {
    const DowsingRecord* found = pages_->at(row);
    if (!found) {
        return std::nullopt;
    }
    return *found;
}

QVariant DowsingGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const DowsingRecord* row = pages_->at(index.row());
    if (!row) {
        return {};
    }
    QString text = DowsingColumnText(*row, index.column());
    if (role == Qt::DisplayRole) {
        // Several-line addresses and notes stay on their row.
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    return text;
}

void DowsingGridModel::retry() {
    readFailed_ = false;
    failure_ = {};
    pages_->retryFailed();
    if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}
