#include "dowsing/DowsingGridModel.h"

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
    const StoreResult<qint64> count = store_.count();
    countFailed_ = !count.has_value();
    if (countFailed_) {
        failure_ = store_.error();
    }
    // A view counts its rows in int; a table beyond that shows its first two thousand million.
    rows_ = count ? static_cast<int>(std::min<qint64>(*count, std::numeric_limits<int>::max())) : 0;
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

const QList<DowsingRecord>* DowsingGridModel::page(int row) const {
    if (row < 0 || row >= rows_) {
        return nullptr;
    }
    const int number = row / PageSize;
    auto found = pages_.constFind(number);
    if (found != pages_.constEnd()) {
        return &found.value();
    }
    if (readFailed_) {
        return nullptr;
    }
    StoreResult<QList<DowsingRecord>> rows = store_.list(qint64(number) * PageSize, PageSize);
    if (!rows) {
        readFailed_ = true;
        failure_ = store_.error();
        emit const_cast<DowsingGridModel*>(this)->pageFailed();
        return nullptr;
    }
    ++pagesRead_;
    if (pageOrder_.size() >= kPagesKept) {
        pages_.remove(pageOrder_.takeFirst());
    }
    pageOrder_.append(number);
    return &pages_.insert(number, std::move(*rows)).value();
}

std::optional<DowsingRecord> DowsingGridModel::record(int row) const {
    const QList<DowsingRecord>* rows = page(row);
    const int at = row % PageSize;
    if (!rows || at >= rows->size()) {
        return std::nullopt;
    }
    return rows->at(at);
}

QVariant DowsingGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const QList<DowsingRecord>* rows = page(index.row());
    const int at = index.row() % PageSize;
    if (!rows || at >= rows->size()) {
        return {};
    }
    QString text = DowsingColumnText(rows->at(at), index.column());
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
    if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}
