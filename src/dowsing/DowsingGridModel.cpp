#include "dowsing/DowsingGridModel.h"

#include "dowsing/DowsingSheet.h"
#include "dowsing/DowsingStore.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace {
constexpr std::array<const char*, 14> kCaptions = {
    QT_TRANSLATE_NOOP("DowsingGridModel", "Date"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Name"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Address"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "City"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "State"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Pin"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Phone No"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Email Address"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Time Of Dowsing"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Dowsing Tool"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Item Of Dowsing"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Location"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "Notes"),
    QT_TRANSLATE_NOOP("DowsingGridModel", "IdNumber"),
};
// Enough pages for a few screens of scrolling back and forth without reading them again.
constexpr int kPagesKept = 64;
} // namespace

DowsingGridModel::DowsingGridModel(DowsingStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store), pages_(makePages(0)) {
    connect(&store_.source(), &DataSource::changed, this, &DowsingGridModel::followChange);
}

std::unique_ptr<KeyedPages<DowsingRecord>> DowsingGridModel::makePages(int rows) {
    return std::make_unique<KeyedPages<DowsingRecord>>(
        rows, PageSize, kPagesKept,
        [this](const KeyedPages<DowsingRecord>::Request& r) -> std::optional<QList<DowsingRecord>> {
            if (unread_.failed()) {
                return std::nullopt;
            }
            StoreResult<QList<DowsingRecord>> page = store_.listFrom(r.bound, r.descending, r.skip, r.limit);
            if (!page) {
                unread_ = page.error();
                emit readFailed(unread_);
                return std::nullopt;
            }
            return std::move(*page);
        },
        [](const DowsingRecord& record) { return record.IdNumber; });
}

StoreStatus DowsingGridModel::reload() {
    const StoreResult<qint64> counted = store_.count();
    beginResetModel();
    unread_ = {};
    countFailed_ = !counted;
    // A view counts its rows in int; a table beyond that shows its first two thousand million.
    rows_ = counted ? static_cast<int>(std::min<qint64>(*counted, std::numeric_limits<int>::max())) : 0;
    pages_ = makePages(rows_);
    endResetModel();
    return counted ? StoreStatus(Done{}) : StoreStatus(counted.error());
}

void DowsingGridModel::followChange(const DataChange& change) {
    if (change.touches(QString::fromLatin1(DowsingStore::Table))) {
        reloadSayingWhy();
    }
}

void DowsingGridModel::reloadSayingWhy() {
    if (const StoreStatus reloaded = reload(); !reloaded) {
        unread_ = reloaded.error();
        emit readFailed(unread_);
    }
}

int DowsingGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int DowsingGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kCaptions.size());
}

QString DowsingGridModel::columnCaption(int column) {
    return column >= 0 && column < static_cast<int>(kCaptions.size())
               ? QCoreApplication::translate("DowsingGridModel", kCaptions[column])
               : QString();
}

QString DowsingGridModel::columnCaptionAsWritten(int column) {
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
    if (countFailed_) {
        reloadSayingWhy();
        return;
    }
    unread_ = {};
    pages_->retryFailed();
    if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    }
}
