#pragma once

#include "common/Database.h"
#include "common/KeyedPages.h"
#include "dowsing/DowsingRecord.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>

class DowsingStore;

// The rows of Details for the all-records grid, read from the store a page at a time, by IdNumber, as the grid
// asks for them: opening costs the row count (kept from one opening to the next while the file is unchanged)
// and the first screenful, whatever the table's size, and the last screenful is read back from the end.
// The number of rows is taken when the model is made; the grid is rebuilt after every change and removal.
class DowsingGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int PageSize = 128;

    // The store must outlive the model. A store that cannot be read gives an empty model.
    explicit DowsingGridModel(DowsingStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The record at a row, read from the file if its page is not at hand; nullopt when it cannot be read.
    std::optional<DowsingRecord> record(int row) const;
    // Pages read from the file so far; the grid's hidden-and-shown-again state reads none anew.
    int pagesRead() const { return pages_->pagesRead(); }
    bool countFailed() const { return countFailed_; }
    // After a page could not be read, no page is asked for again (under another program's lock each asking
    // would wait) until the user chooses to try again.
    bool readFailed() const { return readFailed_; }
    const StoreError& failure() const { return failure_; }
    void retry();

    static QString columnCaption(int column);

  signals:
    // Once per failure; connect queued, the model says it from within a paint.
    void pageFailed();

  private:
    DowsingStore& store_;
    int rows_ = 0;
    bool countFailed_ = false;
    bool readFailed_ = false;
    StoreError failure_;
    std::unique_ptr<KeyedPages<DowsingRecord>> pages_;
};
